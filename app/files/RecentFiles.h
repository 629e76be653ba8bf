// File ▸ Open Recent: the last ten files opened, newest first, kept in the
// settings. A file gone from disk is dropped from the list when chosen.
#pragma once

#include <QObject>
#include <QStringList>

class QMenu;
class ViewerSettings;

class RecentFiles : public QObject {
    Q_OBJECT
public:
    RecentFiles(ViewerSettings &settings, QMenu &menu, QObject *parent = nullptr);

    static constexpr int kept = 10;

    QStringList files() const;

public slots:
    void add(const QString &path);
    void remove(const QString &path);

signals:
    void chosen(const QString &path);

private:
    void store(const QStringList &files);
    void fillMenu();

    ViewerSettings &settings_;
    QMenu &menu_;
};
