// Decodes the two pictures of a stereo pair off the main thread, both at
// once. While one pair decodes, a newer request waits in place of any older
// one, so a held arrow key never queues more than one pair; only the result
// of the latest request is reported. The last two pairs decoded are kept, and
// the pair a step would show next can be decoded ahead while nothing else is.
#pragma once

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "stereo_file.h"

// The bytes of a QByteArray as the decoders take them.
inline std::span<const unsigned char> bytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const unsigned char *>(bytes.constData()), std::size_t(bytes.size())};
}

class PairDecoder : public QObject {
    Q_OBJECT
public:
    using ShownSize = std::function<imaging::PixelSize(imaging::PixelSize)>;
    struct Request {
        QByteArray left, right;
        ShownSize shownSize;     // must not refer to objects of the main thread
        std::size_t sizeKey = 0;  // the same for requests whose shownSize is the same
    };
    // Reads a pair to decode ahead; runs off the main thread, where the
    // engine's trace is kept quiet.
    using ReadPair = std::function<Request()>;

    static constexpr int keptPairs = 2;

    explicit PairDecoder(QObject *parent = nullptr);
    ~PairDecoder() override;

    void request(Request request);
    // Decodes the pair `read` gives once nothing else is decoding, and keeps it.
    void readAhead(ReadPair read);
    // Drops the waiting request and the result of the running one.
    void forget();

signals:
    void decoded(std::shared_ptr<stereo::DecodedPair> pair);

private:
    struct Finished {
        std::size_t left = 0, right = 0, sizeKey = 0;  // what identifies the pair
        std::shared_ptr<stereo::DecodedPair> pair;
        bool ahead = false;
    };
    void start(Request request, ReadPair read);
    void finished();
    void startAhead();
    void keep(const Finished &pair);
    std::shared_ptr<stereo::DecodedPair> kept(const Request &request) const;

    QFutureWatcher<Finished> watcher_;
    std::optional<Request> next_;
    std::optional<ReadPair> ahead_;
    std::deque<Finished> kept_;  // the most recent last
    bool running_ = false;
    bool dropResult_ = false;
    unsigned requests_ = 0;  // counts requests, so that only the latest is answered
};
