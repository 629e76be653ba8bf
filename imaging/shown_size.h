// The one size rule of the viewer and the programs: what size a picture is
// shown at, and which k/8 scale a decode for that size takes.
#pragma once

#include "picture.h"

namespace imaging {

// The largest size of `picture` that fits in `area`, enlarged only when
// `enlarge`; an empty area leaves the picture as it is.
PixelSize fittedSize(PixelSize picture, PixelSize area, bool enlarge = false);

// The size each of two pictures of `full` is shown at when laid out
// `across` by `down` and the whole fits in `area` (enlarged only when `enlarge`).
PixelSize fittedInLayout(PixelSize full, int across, int down, PixelSize area, bool enlarge = false);

// A picture of `full` at `zoom` of its size, at most its full size,
// rounded up so that it covers what the zoom shows.
PixelSize zoomedSize(PixelSize full, double zoom);

// The smallest k/8 scale (k from 1 to 8) at which a picture of `full`
// covers `shown`, as libjpeg scales while decoding.
int decodeEighths(PixelSize full, PixelSize shown);
// The size libjpeg gives a picture of `full` decoded at `eighths`/8.
PixelSize sizeAtEighths(PixelSize full, int eighths);

// Whether a decode of size `decoded` holds far more than `wanted` needs:
// over twice its width and above the smallest scale, so that a decode made
// for a zoom is let go once the picture fits again.
bool decodedTooFine(PixelSize full, PixelSize decoded, PixelSize wanted);

}  // namespace imaging
