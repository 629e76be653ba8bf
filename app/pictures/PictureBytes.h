// The JPEG bytes of one picture together with their key, worked out once
// when the bytes are read: the same bytes give the same key, so a decode
// kept under the key is never shown for bytes that changed.
#pragma once

#include <QByteArray>
#include <cstddef>
#include <span>
#include <xxhash.h>

struct PictureBytes {
    QByteArray bytes;
    std::size_t key = 0;  // 0 for no bytes

    // XXH3 reads a picture's bytes about four times as fast as qHash.
    static PictureBytes of(const QByteArray &bytes)
    {
        return {bytes, bytes.isEmpty() ? 0 : std::size_t(XXH3_64bits(bytes.constData(), std::size_t(bytes.size()))) | 1};
    }
    bool isEmpty() const { return bytes.isEmpty(); }
};

// The bytes of a QByteArray as the decoders take them.
inline std::span<const unsigned char> bytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const unsigned char *>(bytes.constData()), std::size_t(bytes.size())};
}
