// The file on show, apart from the controls that show it: which file the
// commands act on and which one is on show, how many pictures it holds and
// which is current, and whether the controller is busy with the engine.
// Each change is told by changed(), on which the controller updates its
// controls in one place.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class Document : public QObject {
    Q_OBJECT
public:
    enum class Kind {
        Nothing,        // no file yet
        Pictures,       // an MPO file, stepped through picture by picture
        SinglePicture,  // a JPEG file
        SideBySide,     // a JPS or PNS file: the two pictures cut from its halves, held here
    };

    using QObject::QObject;

    Kind kind() const { return kind_; }
    // The MPO file the commands act on: the one last opened, dropped or handed over.
    const QString &path() const { return path_; }
    // The file on show, or the one whose loading failed last.
    const QString &shownPath() const { return shownPath_; }
    int count() const { return count_; }
    // The picture asked for: from 1; 0 for the representative, below 0 for none.
    int current() const { return current_; }
    // Whether the number field takes a number: not after a file failed to load.
    bool takesNumbers() const { return takesNumbers_; }
    bool isLocked() const { return locked_; }
    // The pictures of a side-by-side file, left first; none for other files.
    const QList<QByteArray> &heldPictures() const { return held_; }
    // Whether the pictures are stepped through one by one.
    bool stepsThroughPictures() const { return kind_ == Kind::Pictures || kind_ == Kind::SideBySide; }

    void setPath(const QString &path) { path_ = path; }
    void setShownPath(const QString &path) { shownPath_ = path; }
    void showPictures(int count, int current);
    void showSinglePicture();
    void showSideBySide(const QList<QByteArray> &pictures);
    void setCurrent(int number);
    void setCount(int count);
    // A file could not be loaded: what is on show stays, the number field does not.
    void loadFailed();
    void setLocked(bool locked) { locked_ = locked; }

signals:
    void changed();

private:
    Kind kind_ = Kind::Nothing;
    QString path_, shownPath_;
    QList<QByteArray> held_;
    int count_ = 0, current_ = 0;
    bool takesNumbers_ = false;
    bool locked_ = false;
};
