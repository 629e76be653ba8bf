// The pictures of the file on show, as bytes with their keys, each key
// worked out once per read. The picture on show comes from the
// controller's engine run; another is read from the file when a pair or a
// read-ahead asks for it (on the pool, the engine's trace is kept quiet
// there), so bytes changed on disk are always read anew.
#pragma once

#include <QString>
#include <mutex>

#include "pictures/PictureBytes.h"

class PictureStore {
public:
    // A new file on show.
    void startFile(const QString &path);
    // The bytes the controller read for picture `number`, now on show.
    const PictureBytes &put(int number, const QByteArray &bytes);
    const PictureBytes &shown() const { return shown_; }
    int shownNumber() const { return shownNumber_; }
    // Picture `number` (from 1): the one on show, or read from the file
    // now; empty when it cannot be read. Safe on any thread.
    PictureBytes picture(int number) const;

private:
    mutable std::mutex lock_;  // the path, read on the pool too
    QString path_;
    PictureBytes shown_;
    int shownNumber_ = 0;
};
