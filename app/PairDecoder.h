// Decodes the two pictures of a stereo pair off the main thread, both at
// once. While one pair decodes, a newer request waits in place of any older
// one, so a held arrow key never queues more than one pair; only the result
// of the latest request is reported.
#pragma once

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>
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
        ShownSize shownSize;  // must not refer to objects of the main thread
    };

    explicit PairDecoder(QObject *parent = nullptr);
    ~PairDecoder() override;

    void request(Request request);
    // Drops the waiting request and the result of the running one.
    void forget();

signals:
    void decoded(std::shared_ptr<stereo::DecodedPair> pair);

private:
    void start(Request request);
    void finished();

    QFutureWatcher<std::shared_ptr<stereo::DecodedPair>> watcher_;
    std::optional<Request> next_;
    bool running_ = false;
    bool dropResult_ = false;
};
