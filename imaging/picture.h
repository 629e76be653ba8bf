// Decoded pixels, as the viewer and the command-line programs use them.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace imaging {

// Leaves new pixels unset: a decoder writes every pixel anyway, and clearing
// a picture first would cost as much as copying it.
template <typename T>
struct UnsetAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UnsetAllocator<U>;
    };
    template <typename U>
    void construct(U *at)
    {
        ::new (static_cast<void *>(at)) U;
    }
    template <typename U, typename... Values>
    void construct(U *at, Values &&...values)
    {
        ::new (static_cast<void *>(at)) U(std::forward<Values>(values)...);
    }
};

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize &) const = default;
};

// The most pixels a picture is decoded into (16384 x 16384, 1 GiB of
// pixels): a header that declares more at the size asked for is refused
// before any memory is taken, however small the file. Panoramas of 40,000
// x 6,000 pixels fit; a picture shown smaller is decoded at the size shown.
inline constexpr std::uint64_t largestPicturePixels = std::uint64_t{1} << 28;

// Rows of 32-bit pixels, 0xffRRGGBB in the machine's own byte order (the
// layout of QImage::Format_RGB32), with no padding between rows.
struct RgbPicture {
    PixelSize size;
    std::vector<std::uint32_t, UnsetAllocator<std::uint32_t>> pixels;

    std::uint32_t *row(int y) { return pixels.data() + std::size_t(y) * std::size_t(size.width); }
    const std::uint32_t *row(int y) const { return pixels.data() + std::size_t(y) * std::size_t(size.width); }
};

// Whether `frames` (of an animation) are one picture or more, all of one
// size, each side from 1 to `largestSide`.
inline bool framesOfOneSize(const std::vector<RgbPicture> &frames, int largestSide)
{
    if (frames.empty())
        return false;
    const PixelSize size = frames[0].size;
    if (size.width < 1 || size.height < 1 || size.width > largestSide || size.height > largestSide)
        return false;
    for (const RgbPicture &frame : frames)
        if (frame.size != size)
            return false;
    return true;
}

}  // namespace imaging
