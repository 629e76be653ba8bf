// View ▸ Information: a docked panel listing what PictureInformation says of
// the picture on show. It reads the file only while it is shown.
#pragma once

#include <QByteArray>
#include <QDockWidget>
#include <QString>

class QTreeWidget;

class InfoPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget *parent = nullptr);
    QTreeWidget &tree() const { return *tree_; }

public slots:
    void showPicture(const QString &path, const QByteArray &picture, int number);

private:
    void refresh();

    QTreeWidget *tree_;
    QString path_;
    QByteArray picture_;
    int number_ = 0;
    bool stale_ = false;  // a picture came while the panel was hidden
};
