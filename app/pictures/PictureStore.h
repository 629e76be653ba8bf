// The pictures of the file on show, as bytes with their keys, each key
// worked out once per read; or, for a file whose pictures are not read
// through the engine (a side-by-side file's), the pictures held. The picture on show comes from the
// controller's engine run; another is read from the file when a pair or a
// read-ahead asks for it (on the pool, the engine's trace is kept quiet
// there). The pictures of the pair read ahead are kept while the file stays
// as it was on disk, so that the step to that pair reads only its own
// picture; bytes changed on disk are always read anew.
#pragma once

#include <QList>
#include <QString>
#include <deque>
#include <mutex>
#include <vector>

#include "pictures/PictureBytes.h"

class PictureStore {
public:
    // A new file on show; `held`, when given, are all its pictures.
    void startFile(const QString &path, const QList<QByteArray> &held = {});
    // The bytes the controller read for picture `number`, now on show.
    const PictureBytes &put(int number, const QByteArray &bytes);
    const PictureBytes &shown() const { return shown_; }
    // Picture `number` (from 1): the one on show, one kept, or read from
    // the file now and, with `keep`, kept; empty when it cannot be read.
    // Safe on any thread.
    PictureBytes picture(int number, bool keep = false);

    static constexpr std::size_t keptPictures = 2;  // a pair

private:
    // What tells that a file changed on disk.
    struct FileState {
        long long file = -1, size = -1, changed = -1;
        bool operator==(const FileState &) const = default;
    };
    static FileState stateOf(const QString &path);

    std::mutex lock_;  // what follows the shown picture, read on the pool too
    QString path_;
    FileState keptState_;
    std::deque<std::pair<int, PictureBytes>> kept_;  // the most recent last
    std::vector<PictureBytes> held_;
    PictureBytes shown_;
    int shownNumber_ = 0;
};
