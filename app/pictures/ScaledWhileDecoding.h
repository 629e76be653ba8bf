// A picture brought to the size it is shown at while it decodes: the rows
// shown are scaled in bands on the pool, each band as soon as the decoded
// rows it reads are final, so that the scaled picture is ready about when
// the last row is decoded instead of one whole scaling later.
#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <memory>

#include "imaging/jpeg_decoder.h"

class ScaledWhileDecoding : public imaging::RowObserver {
public:
    // The size a decoded picture of a given size is shown at.
    using ShownSize = std::function<QSize(QSize)>;

    explicit ScaledWhileDecoding(ShownSize shownSize) : shownSize_(std::move(shownSize)) {}

    void rowsReady(const imaging::RgbPicture &picture, int rows) override;
    void decodeOver() override;
    // `decoded` smoothly scaled to the size shown; what the pool has not
    // scaled is scaled here.
    QImage scaled(const QImage &decoded);

private:
    struct Bands;
    ShownSize shownSize_;
    std::shared_ptr<Bands> bands_;  // shared with the pool's tasks, which may start after the decode
    bool unscaled_ = false;         // the picture is shown at the size it is decoded at
};
