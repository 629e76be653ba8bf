// Reads and decodes the pictures next to the one on show in the background,
// at the size the view shows them, so that a step to the next or the
// previous picture only puts a finished picture on screen. At most four such
// pictures are kept. A picture is found again by
// its bytes, so one that changed on disk is never shown from an older decode.
#pragma once

#include <QByteArray>
#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QThreadPool>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

class PicturePrefetcher : public QObject {
    Q_OBJECT
public:
    // The JPEG bytes of picture `number` of the file on show, or none. Called off the main thread, where
    // the engine's trace is kept quiet.
    using PictureSource = std::function<QByteArray(int number)>;

    // A picture decoded and brought to the size it is shown at.
    struct Prepared {
        QImage image;
        QSize fullSize;  // the upright picture's own size
    };
    enum class Outcome {
        Ready,       // here it is
        Pending,     // decoding in the background; prepared() says when
        DecodeHere,  // the background is free (or cannot decode these bytes): decode here
    };
    struct Taken {
        Outcome outcome;
        Prepared picture;
    };

    explicit PicturePrefetcher(QObject *parent = nullptr);
    ~PicturePrefetcher() override;

    // Picture `number`, whose bytes are `bytes`, for a view of `view`: kept,
    // or to be decoded here once the background is free, or, while it stays
    // busy, decoded there next; the main thread waits for it only briefly.
    Taken take(const QByteArray &bytes, int number, QSize view, const PictureSource &source);
    // Reads ahead around picture `number` of `count`, the way the user went
    // last (`forwards`) first, for a view of `view`. Earlier plans are dropped.
    void readAround(const PictureSource &source, int number, int count, bool forwards, QSize view);

    static constexpr int keptPictures = 4;
    // The longest the main thread waits for a background decode: with the
    // engine's read of the picture, a step stays within one frame (16 ms).
    static constexpr int waitMs = 6;

signals:
    void prepared();  // a background decode finished

private:
    struct Job {
        PictureSource source;
        int number;
        QSize view;
        QByteArray bytes;  // when at hand; else read from the source
    };
    struct Kept {
        std::size_t hash;
        QSize view;
        Prepared picture;
    };
    void startNext();
    void run(const Job &job);
    void finished();
    std::optional<Prepared> keptLocked(std::size_t hash, QSize view) const;

    QThreadPool pool_;  // one thread of its own, beside the pair decoder's
    QFutureWatcher<void> watcher_;
    std::deque<Job> plan_;     // main thread only
    std::optional<Job> last_;            // the job started last
    bool stepsOutrunDecoding_ = false;  // the last step had to wait for the background

    std::mutex lock_;  // guards what follows, shared with the background thread
    std::condition_variable jobEnded_;
    bool running_ = false;
    std::size_t failed_ = 0;  // the hash of the last bytes that did not decode
    std::deque<Kept> kept_;  // the most recent last
};
