#include "webp_encoder.h"

#include <webp/encode.h>
#include <webp/mux.h>

namespace imaging {

namespace {

// Adds one frame, shown from `timestamp` milliseconds on.
bool addFrame(WebPAnimEncoder *encoder, const RgbPicture &frame, int timestamp, const WebPConfig &config)
{
    WebPPicture picture;
    if (!WebPPictureInit(&picture))
        return false;
    picture.use_argb = 1;
    picture.width = frame.size.width;
    picture.height = frame.size.height;
    // 0xffRRGGBB in the machine's order is B, G, R, A in memory.
    bool added = WebPPictureImportBGRX(&picture, reinterpret_cast<const std::uint8_t *>(frame.pixels.data()),
                                       frame.size.width * 4) &&
                 WebPAnimEncoderAdd(encoder, &picture, timestamp, &config);
    WebPPictureFree(&picture);
    return added;
}

}  // namespace

bool encodeWebpAnimation(const std::vector<RgbPicture> &frames, int frameMilliseconds, float quality,
                         std::vector<unsigned char> &webp)
{
    if (!framesOfOneSize(frames, WEBP_MAX_DIMENSION))
        return false;
    const PixelSize size = frames[0].size;
    WebPAnimEncoderOptions options;
    WebPConfig config;
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config))
        return false;
    options.anim_params.loop_count = 0;  // for ever
    options.allow_mixed = 0;
    config.quality = quality;
    config.method = 4;
    WebPAnimEncoder *encoder = WebPAnimEncoderNew(size.width, size.height, &options);
    if (encoder == nullptr)
        return false;
    bool encoded = true;
    int timestamp = 0;
    for (const RgbPicture &frame : frames) {
        encoded = encoded && addFrame(encoder, frame, timestamp, config);
        timestamp += frameMilliseconds;
    }
    WebPData data;
    WebPDataInit(&data);
    encoded = encoded && WebPAnimEncoderAdd(encoder, nullptr, timestamp, nullptr) &&
              WebPAnimEncoderAssemble(encoder, &data);
    if (encoded)
        webp.assign(data.bytes, data.bytes + data.size);
    WebPDataClear(&data);
    WebPAnimEncoderDelete(encoder);
    return encoded;
}

}  // namespace imaging
