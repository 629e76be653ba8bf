// View ▸ Browse: the picture files of the folder on show as a grid of
// thumbnails, stereo files marked with "3D", the file on show selected.
// Thumbnails come from the shared thumbnail cache, or are made on the
// picture pipeline's pool (the latest asked, which are the visible ones,
// first) and put in the cache; the ones made are kept up to a memory bound.
// A file that cannot be read shows a marked placeholder with its reason.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

#include "pictures/DecodeQueue.h"

class FolderThumbnails : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FolderThumbnails(QObject *parent = nullptr);
    ~FolderThumbnails() override;

    // Lists the picture files of `folder` (again, when it is the same).
    void showFolder(const QString &folder);
    QString pathAt(int row) const;
    // Whether the thumbnail of `row` is made (or its file found unreadable).
    bool isMade(int row) const;
    int rowOf(const QString &path) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    void thumbnailMade(DecodeQueue::Key key);

    QString folder_;
    QStringList paths_;
    mutable DecodeQueue thumbnails_;
};

class BrowseGrid : public QListView {
    Q_OBJECT
public:
    explicit BrowseGrid(QWidget *parent = nullptr);

    FolderThumbnails &files() { return files_; }
    // Shows the folder of `path` with `path` selected.
    void showFile(const QString &path);

signals:
    // Enter or a double click on a file.
    void fileChosen(const QString &path);
    // Esc: back to the picture.
    void leave();

protected:
    // The keys that move in the grid are the grid's while it has the focus,
    // though the window's items (the picture steps) have them as shortcuts.
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    FolderThumbnails files_;
};
