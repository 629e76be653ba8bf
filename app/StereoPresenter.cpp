#include "StereoPresenter.h"

#include <algorithm>
#include <cmath>
#include <QLocale>

#include "JpegDecoder.h"
#include "StereoMode.h"
#include "ZorImageView.h"
#include "composition.h"
#include "gain_map.h"
#include "pair.h"

namespace {

// The size each picture is shown at when two of `full` are laid out as
// `layout` asks and the whole fits in `view` (never enlarged).
imaging::PixelSize fittedPictureSize(imaging::PixelSize full, stereo::Layout layout, QSize view)
{
    const double across = double(full.width) * layout.across, down = double(full.height) * layout.down;
    const double scale = std::min({1.0, view.width() / across, view.height() / down});
    return {std::max(1, int(std::lround(full.width * scale))), std::max(1, int(std::lround(full.height * scale)))};
}

// The size each picture of a pair is decoded and composed at: fitted to the
// view, or, while the view is zoomed, the zoom's share of the full size.
imaging::PixelSize pictureSizeFor(imaging::PixelSize full, stereo::Layout layout, QSize view, std::optional<double> zoom)
{
    if (!zoom)
        return fittedPictureSize(full, layout, view);
    const double scale = std::min(1.0, *zoom);
    return {std::max(1, int(std::ceil(full.width * scale))), std::max(1, int(std::ceil(full.height * scale)))};
}

// What Auto Align did, for the status bar: "Auto Align: 3 px up, 0.4°
// turned, the nearest points at the screen", or why it did nothing.
QString alignmentText(const stereo::Alignment &alignment)
{
    static const char *const doubts[] = {"", QT_TRID_NOOP("AlignSizesDiffer"), QT_TRID_NOOP("AlignTooFewMatches")};
    if (!alignment.sure)
        return qtTrId("AlignUnsure").arg(qtTrId(doubts[int(alignment.doubt)]));
    const QLocale locale;
    QStringList done;
    if (alignment.needed()) {
        if (std::abs(alignment.dy) >= 0.5)
            done << qtTrId(alignment.dy < 0 ? QT_TRID_NOOP("AlignUp") : QT_TRID_NOOP("AlignDown")).arg(std::lround(std::abs(alignment.dy)));
        if (std::abs(alignment.degrees) >= 0.05)
            done << qtTrId("AlignTurned").arg(locale.toString(std::abs(alignment.degrees), 'f', 1));
        if (std::abs(alignment.scale - 1) >= 0.001)
            done << qtTrId(alignment.scale > 1 ? QT_TRID_NOOP("AlignLarger") : QT_TRID_NOOP("AlignSmaller"))
                        .arg(locale.toString(std::abs(alignment.scale - 1) * 100, 'f', 1));
        if (alignment.keystoneRows() >= 0.5)
            done << qtTrId("AlignKeystone");
    }
    QString text = done.isEmpty() ? qtTrId("AlignNotNeeded") : qtTrId("AlignApplied").arg(done.join(", "));
    if (alignment.exceedsDepthBudget)
        text += qtTrId("AlignTooDeep").arg(std::lround(alignment.disparityRange));
    return text;
}

// Interlaced rows and columns only work when each one lands on one row or
// column of the screen: their pictures are brought to the size shown first,
// so that the view shows the result without scaling it.
bool isInterlaced(stereo::View view) { return view == stereo::View::Rows || view == stereo::View::Columns; }

// The picture smoothly resampled to `size`.
imaging::RgbPicture resampled(const imaging::RgbPicture &picture, imaging::PixelSize size)
{
    const QImage shared(reinterpret_cast<const uchar *>(picture.pixels.data()), picture.size.width,
                        picture.size.height, qsizetype(picture.size.width) * 4, QImage::Format_RGB32);
    const QImage scaled = shared.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    imaging::RgbPicture result;
    result.size = size;
    result.pixels.resize(std::size_t(size.width) * std::size_t(size.height));
    for (int y = 0; y < size.height; ++y) {
        const auto *row = reinterpret_cast<const std::uint32_t *>(scaled.constScanLine(y));
        std::copy(row, row + size.width, result.row(y));
    }
    return result;
}

}  // namespace

StereoPresenter::StereoPresenter(StereoMode &mode, ZorImageView &view, QObject *parent)
    : QObject(parent), mode_(mode), view_(view)
{
    connect(&mode_, &StereoMode::viewChanged, this, &StereoPresenter::showAgain);
    connect(&mode_, &StereoMode::optionsChanged, this, &StereoPresenter::compose);
    connect(&decoder_, &PairDecoder::decoded, this, &StereoPresenter::pairDecoded);
    connect(&view_, &ZorImageView::resized, this, &StereoPresenter::viewResized);
    connect(&view_, &ZorImageView::zoomChanged, this, &StereoPresenter::viewResized);
    connect(&wiggle_, &QTimer::timeout, this, &StereoPresenter::nextWiggleFrame);
    connect(&prefetcher_, &PicturePrefetcher::prepared, this, &StereoPresenter::backgroundPictureReady);
    connect(&aligner_, &PairAligner::estimated, this, &StereoPresenter::alignmentEstimated);
    connect(&mode_, &StereoMode::autoAlignChanged, this, &StereoPresenter::autoAlignChanged);
}

void StereoPresenter::startFile()
{
    mode_.resetOffsets();
    number_ = 0;
}

imaging::PixelSize StereoPresenter::pictureSize() const
{
    return pair_ ? pair_->left.fullSize : imaging::PixelSize{};
}

void StereoPresenter::showPicture(const QByteArray &shown, int number, int count, const PictureSource &source)
{
    forwards_ = number >= number_;
    awaitingPicture_ = false;
    shown_ = shown;
    number_ = number;
    count_ = count;
    source_ = source;
    if (!mode_.isStereo())
        return showFlat({});
    const stereo::PairNumbers pair = stereo::pairFor(number, count);
    if (pair.left == 0)
        return showFlat(qtTrId("StereoSinglePicture"));
    const auto pictureBytes = [&](int n) { return n == number ? shown : source ? source(n) : QByteArray(); };
    left_ = pictureBytes(pair.left);
    right_ = pictureBytes(pair.right);
    pairKey_ = PairAligner::keyOf(left_, right_);
    if (left_.isEmpty() || right_.isEmpty())
        return showFlat(qtTrId("StereoPictureUnreadable"));
    const auto bytes = [](const QByteArray &jpeg) { return reinterpret_cast<const unsigned char *>(jpeg.constData()); };
    if (isPhotoAndGainMap(bytes(left_), std::size_t(left_.size()), bytes(right_), std::size_t(right_.size()),
                          pair.right - 1))
        return showFlat(qtTrId("StereoGainMap"));
    requestDecode();
}

void StereoPresenter::showAgain()
{
    if (!shown_.isEmpty())
        showPicture(shown_, number_, count_, source_);
}

void StereoPresenter::showFlat(const QString &reason)
{
    decoder_.forget();
    wiggle_.stop();
    pair_.reset();
    left_.clear();
    right_.clear();
    showFlatPicture();
    if (!reason.isEmpty())
        emit message(qtTrId("StereoShownFlat").arg(reason));
}

void StereoPresenter::showFlatPicture()
{
    awaitingPicture_ = false;
    // A view not on screen yet has no final size to decode for.
    if (!source_ || !view_.isVisible())
        return view_.setPicture(shown_);
    const QSize viewSize = view_.size();
    PicturePrefetcher::Taken taken = prefetcher_.take(shown_, number_, viewSize, source_);
    if (taken.outcome == PicturePrefetcher::Outcome::Pending) {
        awaitingPicture_ = true;  // the picture on screen stays until this one is decoded
        return;
    }
    if (taken.outcome == PicturePrefetcher::Outcome::Ready)
        view_.setPreparedPicture(shown_, taken.picture.image, taken.picture.fullSize);
    else
        view_.setPicture(shown_);
    prefetcher_.readAround(source_, number_, count_, forwards_, viewSize);
}

void StereoPresenter::backgroundPictureReady()
{
    if (awaitingPicture_)
        showFlatPicture();
}

void StereoPresenter::requestDecode()
{
    decoder_.request(pairRequest(left_, right_));
}

PairDecoder::Request StereoPresenter::pairRequest(const QByteArray &left, const QByteArray &right) const
{
    const stereo::Layout layout = stereo::layoutOf(*mode_.view());
    const QSize viewSize = view_.size();
    const std::optional<double> zoom = view_.zoomFactor();
    return {left, right,
            [layout, viewSize, zoom](imaging::PixelSize full) { return pictureSizeFor(full, layout, viewSize, zoom); },
            qHashMulti(0, viewSize, layout.across, layout.down, zoom.value_or(0.0))};
}

// In a series, the pair a step the same way would show, decoded meanwhile.
void StereoPresenter::readPairAhead()
{
    const int next = forwards_ ? number_ + 1 : number_ - 1;
    if (count_ <= 2 || !source_ || next < 1 || next > count_)
        return;
    const stereo::PairNumbers pair = stereo::pairFor(next, count_), shown = stereo::pairFor(number_, count_);
    if (pair.left == shown.left && pair.right == shown.right)
        return;
    const PairDecoder::Request sized = pairRequest({}, {});
    decoder_.readAhead([sized, pair, source = source_] {
        PairDecoder::Request request = sized;
        request.left = source(pair.left);
        request.right = source(pair.right);
        return request;
    });
}

void StereoPresenter::pairDecoded(std::shared_ptr<stereo::DecodedPair> pair)
{
    if (!mode_.isStereo())
        return;
    if (const std::string problem = stereo::pairProblem(pair->left, pair->right); !problem.empty()) {
        QString reason = QString::fromStdString(problem);
        reason[0] = reason[0].toUpper();
        return showFlat(reason);
    }
    pair_ = std::move(pair);
    compose();
    if (mode_.autoAligns())
        aligner_.request(pairKey_, left_, right_);
    tellAlignment();
    emit pairShown();
    readPairAhead();
    viewResized();  // the view may have grown while the pair decoded, as on start-up
}

void StereoPresenter::compose()
{
    if (!pair_ || !mode_.isStereo())
        return;
    const imaging::RgbPicture *left = &pair_->left.picture, *right = &pair_->right.picture;
    imaging::RgbPicture leftShown, rightShown;
    const stereo::View view = *mode_.view();
    const imaging::PixelSize fitted =
        pictureSizeFor(pair_->left.fullSize, stereo::layoutOf(view), view_.size(), view_.zoomFactor());
    if (isInterlaced(view) && fitted != left->size) {
        leftShown = resampled(*left, fitted), rightShown = resampled(*right, fitted);
        left = &leftShown, right = &rightShown;
    }
    // The offsets and the alignment are in pixels of the full-size pictures.
    const double scale = double(left->size.width) / pair_->left.fullSize.width;
    const stereo::Options options = stereo::scaledOptions(shownOptions(), scale);
    const bool wiggles = options.view == stereo::View::Wiggle;
    for (int frame = 0; frame < (wiggles ? 2 : 1); ++frame) {
        imaging::RgbPicture composed;
        stereo::compose(*left, *right, options, composed, frame);
        wiggleFrames_[frame] = imageOf(std::move(composed));
    }
    wiggleFrame_ = 0;
    // What the view would be at full resolution, so that its zoom counts in full-size pixels.
    fullComposedSize_ = (QSizeF(wiggleFrames_[0].size()) / scale).toSize();
    view_.setComposedPicture(wiggleFrames_[0], fullComposedSize_);
    if (wiggles)
        wiggle_.start(mode_.wiggleIntervalMs());
    else
        wiggle_.stop();
}

stereo::Options StereoPresenter::shownOptions() const
{
    const std::optional<stereo::Alignment> alignment =
        mode_.autoAligns() ? aligner_.find(pairKey_) : std::nullopt;
    return alignment ? stereo::withAlignment(mode_.options(), *alignment) : mode_.options();
}

// Says what the alignment of the pair on show did, or why it did nothing.
void StereoPresenter::tellAlignment()
{
    const std::optional<stereo::Alignment> alignment =
        mode_.autoAligns() && pair_ ? aligner_.find(pairKey_) : std::nullopt;
    if (alignment)
        emit message(alignmentText(*alignment));
}

void StereoPresenter::alignmentEstimated()
{
    if (!pair_ || !mode_.autoAligns() || !aligner_.find(pairKey_))
        return;
    compose();
    tellAlignment();
}

// Auto Align turned on or off: the view is composed anew (optionsChanged);
// the status bar says what now holds.
void StereoPresenter::autoAlignChanged()
{
    if (!pair_)
        return;
    if (!mode_.autoAligns())
        return emit message(qtTrId("AlignOff"));
    if (aligner_.find(pairKey_))
        return tellAlignment();
    aligner_.request(pairKey_, left_, right_);
    emit message(qtTrId("AlignWorking"));
}

void StereoPresenter::nextWiggleFrame()
{
    wiggleFrame_ = 1 - wiggleFrame_;
    view_.setComposedPicture(wiggleFrames_[wiggleFrame_], fullComposedSize_);
}

void StereoPresenter::viewResized()
{
    if (!pair_)
        return;
    const stereo::View view = *mode_.view();
    const imaging::PixelSize wanted =
        pictureSizeFor(pair_->left.fullSize, stereo::layoutOf(view), view_.size(), view_.zoomFactor());
    const imaging::PixelSize decoded = pair_->left.picture.size;
    // A pair decoded for a zoom is let go once the view fits again. (A decode
    // for the fitted size is under twice that size, or at the smallest
    // scale, an eighth.)
    const int eighth = (pair_->left.fullSize.width + 7) / 8;
    const bool tooFine = view_.isFitted() && decoded.width > 2 * wanted.width && decoded.width > eighth;
    if (wanted.width > decoded.width || wanted.height > decoded.height || tooFine)
        requestDecode();
    else if (isInterlaced(view))
        compose();
}

void StereoPresenter::moveRightPicture(int columns, int rows)
{
    if (!pair_)
        return;
    const imaging::PixelSize full = pair_->left.fullSize;
    const int step = std::max(1, int(std::lround(double(full.width) / pair_->left.picture.size.width)));
    const int dx = std::clamp(mode_.options().dx + columns * step, 1 - full.width, full.width - 1);
    const int dy = std::clamp(mode_.options().dy + rows * step, 1 - full.height, full.height - 1);
    mode_.setOffsets(dx, dy);
}
