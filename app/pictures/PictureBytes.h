// The JPEG bytes of one picture together with their key, worked out once
// when the bytes are read: the same bytes give the same key, so a decode
// kept under the key is never shown for bytes that changed.
#pragma once

#include <QByteArray>
#include <QHash>
#include <cstddef>
#include <span>

struct PictureBytes {
    QByteArray bytes;
    std::size_t key = 0;  // 0 for no bytes

    static PictureBytes of(const QByteArray &bytes)
    {
        return {bytes, bytes.isEmpty() ? 0 : qHash(QByteArrayView(bytes)) | 1};
    }
    bool isEmpty() const { return bytes.isEmpty(); }
};

// The bytes of a QByteArray as the decoders take them.
inline std::span<const unsigned char> bytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const unsigned char *>(bytes.constData()), std::size_t(bytes.size())};
}
