// The stereo side of the presenter: a pair decoded at the size shown,
// composed for the chosen view, aligned, and the next pair read ahead.
#include "pictures/PicturePresenter.h"

#include <algorithm>
#include <cmath>

#include "pictures/AlignmentText.h"
#include "pictures/StereoMode.h"
#include "view/JpegDecoder.h"
#include "view/ZorImageView.h"
#include "imaging/shown_size.h"
#include "stereo/camera_parallax.h"
#include "stereo/composition.h"
#include "stereo/pair.h"
#include "stereo/stereo_file.h"

namespace {

// The size each picture of a pair is decoded and composed at: fitted to the
// view, or, while the view is zoomed, the zoom's share of the full size.
imaging::PixelSize pictureSizeFor(imaging::PixelSize full, stereo::Layout layout, QSize view, std::optional<double> zoom)
{
    if (zoom)
        return imaging::zoomedSize(full, *zoom);
    return imaging::fittedInLayout(full, layout.across, layout.down, {view.width(), view.height()});
}

// Interlaced rows and columns only work when each one lands on one row or
// column of the screen: their pictures are brought to the size shown first,
// so that the view shows the result without scaling it.
bool isInterlaced(stereo::View view) { return view == stereo::View::Rows || view == stereo::View::Columns; }

}  // namespace

void PicturePresenter::requestDecode()
{
    pairs_.request(left_, right_, pairSizing());
}

PairPictures::Sizing PicturePresenter::pairSizing() const
{
    const stereo::Layout layout = stereo::layoutOf(*mode_.view());
    const QSize viewSize = view_.size();
    const std::optional<double> zoom = view_.zoomFactor();
    return {[layout, viewSize, zoom](imaging::PixelSize full) { return pictureSizeFor(full, layout, viewSize, zoom); },
            qHashMulti(0, viewSize, layout.across, layout.down, zoom.value_or(0.0))};
}

// In a series, the pair a step the same way would show, decoded meanwhile.
void PicturePresenter::readPairAhead()
{
    const int next = forwards_ ? number_ + 1 : number_ - 1;
    if (count_ <= 2 || next < 1 || next > count_)
        return;
    const stereo::PairNumbers pair = stereo::pairFor(next, count_), shown = stereo::pairFor(number_, count_);
    if (pair.left == shown.left && pair.right == shown.right)
        return;
    // The pair's bytes are kept, so that the step to it reads only its own
    // picture, and with Auto Align on, its alignment is estimated too.
    PairPictures::ReadPair align;
    if (mode_.autoAligns())
        align = [alignments = &alignments_](const PictureBytes &left, const PictureBytes &right) {
            alignments->request(left, right, DecodeQueue::Lane::Ahead);
        };
    pairs_.readAhead([store = &store_](int n) { return store->picture(n, true); }, pair.left, pair.right,
                     pairSizing(), align);
}

void PicturePresenter::pairDecoded(const ShownPair &pair)
{
    if (!mode_.isStereo())
        return;
    if (const stereo::Problem problem = stereo::pairProblem(pair.left->jpeg, pair.right->jpeg); !problem.empty()) {
        QString reason = problemText(problem);
        reason[0] = reason[0].toUpper();
        return showFlat(reason);
    }
    pair_ = pair;
    cameraWindow_ = stereo::recordedWindow(bytesOf(left_.bytes), pair.left->jpeg.fullSize);
    compose();
    tellAlignment();
    emit pairShown();
    whenPainted([this] {
        if (mode_.autoAligns())
            alignments_.request(left_, right_);
        readPairAhead();
    });
    viewResized();  // the view may have grown while the pair decoded, as on start-up
}

void PicturePresenter::compose()
{
    if (!pair_.left || !mode_.isStereo())
        return;
    const imaging::DecodedJpeg &decodedLeft = pair_.left->jpeg;
    const imaging::RgbPicture *left = &decodedLeft.picture, *right = &pair_.right->jpeg.picture;
    imaging::RgbPicture leftShown, rightShown;
    const stereo::View view = *mode_.view();
    // Interlaced rows land on the screen's rows only at the size shown,
    // enlarged too where the view enlarges small pictures.
    const std::optional<double> zoom = view_.zoomFactor();
    const imaging::PixelSize fitted =
        zoom ? pictureSizeFor(decodedLeft.fullSize, stereo::layoutOf(view), view_.size(), zoom)
             : imaging::fittedInLayout(decodedLeft.fullSize, stereo::layoutOf(view).across, stereo::layoutOf(view).down,
                                       {view_.width(), view_.height()}, view_.enlargesSmall());
    if (isInterlaced(view) && fitted != left->size) {
        leftShown = resampled(*left, fitted), rightShown = resampled(*right, fitted);
        left = &leftShown, right = &rightShown;
    }
    // The offsets and the alignment are in pixels of the full-size pictures.
    const double scale = double(left->size.width) / decodedLeft.fullSize.width;
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
    const double aspect = options.crop.aspect;
    view_.setFrameAspect(aspect < 0 ? 0 : aspect > 0 ? aspect : double(left->size.width) / left->size.height);
    if (wiggles)
        wiggle_.start(mode_.wiggleIntervalMs());
    else
        wiggle_.stop();
}

stereo::Options PicturePresenter::shownOptions() const
{
    stereo::Choices choices = mode_.choices(cameraWindow_);
    if (!mode_.autoAligns()) {
        // Without Auto Align, a pair is shown at the window its camera recorded.
        choices.window = stereo::WindowRule::AsCamera;
        return stereo::withAlignment(mode_.options(), stereo::Alignment{}, choices);
    }
    const std::optional<stereo::Alignment> alignment = alignments_.find(pairKey_);
    return alignment ? stereo::withAlignment(mode_.options(), *alignment, choices) : mode_.options();
}

stereo::Options PicturePresenter::alignedOptions() const
{
    const std::optional<stereo::Alignment> known = alignments_.find(pairKey_);
    const stereo::Alignment alignment =
        known ? *known : stereo::estimatePairAlignment(bytesOf(left_.bytes), bytesOf(right_.bytes));
    return stereo::withAlignment(mode_.options(), alignment, mode_.choices(cameraWindow_));
}

QImage PicturePresenter::fullSizeView() const
{
    imaging::RgbPicture view;
    try {
        if (!stereo::composeFullSize(bytesOf(left_.bytes), bytesOf(right_.bytes), shownOptions(), view).empty())
            return {};
    } catch (const std::bad_alloc &) {
        return {};
    }
    return imageOf(std::move(view));
}

stereo::Options PicturePresenter::adjustedOptions() const
{
    return mode_.autoAligns() ? alignedOptions() : shownOptions();
}

// Says what the alignment of the pair on show did, or why it did nothing.
void PicturePresenter::tellAlignment()
{
    const std::optional<stereo::Alignment> alignment =
        mode_.autoAligns() && pair_.left ? alignments_.find(pairKey_) : std::nullopt;
    if (alignment)
        emit message(alignmentText(*alignment, mode_.choices(cameraWindow_)));
}

void PicturePresenter::alignmentEstimated()
{
    if (!pair_.left || !mode_.autoAligns() || !alignments_.find(pairKey_))
        return;
    compose();
    tellAlignment();
}

// Auto Align turned on or off: the view is composed anew (optionsChanged);
// the status bar says what now holds.
void PicturePresenter::autoAlignChanged()
{
    if (!pair_.left)
        return;
    if (!mode_.autoAligns())
        return emit message(qtTrId("AlignOff"));
    if (alignments_.find(pairKey_))
        return tellAlignment();
    alignments_.request(left_, right_);
    emit message(qtTrId("AlignWorking"));
}

void PicturePresenter::nextWiggleFrame()
{
    wiggleFrame_ = 1 - wiggleFrame_;
    view_.setComposedPicture(wiggleFrames_[wiggleFrame_], fullComposedSize_);
}

void PicturePresenter::viewResized()
{
    if (!pair_.left)
        return;
    const stereo::View view = *mode_.view();
    const imaging::PixelSize full = pair_.left->jpeg.fullSize, decoded = pair_.left->jpeg.picture.size;
    const imaging::PixelSize wanted = pictureSizeFor(full, stereo::layoutOf(view), view_.size(), view_.zoomFactor());
    // A pair decoded for a zoom is let go once the view fits again.
    const bool tooFine = view_.isFitted() && imaging::decodedTooFine(full, decoded, wanted);
    if (wanted.width > decoded.width || wanted.height > decoded.height || tooFine)
        requestDecode();
    else if (isInterlaced(view))
        compose();
}

void PicturePresenter::moveRightPicture(int columns, int rows)
{
    if (!pair_.left)
        return;
    const imaging::PixelSize full = pair_.left->jpeg.fullSize;
    const int step = std::max(1, int(std::lround(double(full.width) / pair_.left->jpeg.picture.size.width)));
    const int dx = std::clamp(mode_.options().dx + columns * step, 1 - full.width, full.width - 1);
    const int dy = std::clamp(mode_.options().dy + rows * step, 1 - full.height, full.height - 1);
    mode_.setOffsets(dx, dy);
}

namespace {

// Where a point of the composed picture lies in the part of the left
// picture it shows, as shares of that part's width and height: each cell
// of the layout shows the same part.
QPointF shareOfPart(QPointF inComposed, QSizeF composed, stereo::Layout layout)
{
    const double x = inComposed.x() / composed.width() * layout.across, y = inComposed.y() / composed.height() * layout.down;
    return {x - std::floor(std::min(x, layout.across - 1e-9)), y - std::floor(std::min(y, layout.down - 1e-9))};
}

}  // namespace

void PicturePresenter::putAtScreen(QPointF shown)
{
    const QPointF inComposed = view_.pictureAt(shown);
    if (!pair_.left || wiggleFrames_[0].isNull() || inComposed.x() < 0)
        return;
    const imaging::PixelSize decoded = pair_.left->jpeg.picture.size, full = pair_.left->jpeg.fullSize;
    const double scale = double(decoded.width) / full.width;
    const stereo::Options options = stereo::scaledOptions(shownOptions(), scale);
    const stereo::Overlap part = stereo::shownPart(decoded, options);
    const QPointF share = shareOfPart(inComposed, wiggleFrames_[0].size(), stereo::layoutOf(options.view));
    mode_.setWindowPoint((part.leftX + share.x() * part.size.width) / scale,
                         (part.leftY + share.y() * part.size.height) / scale);
}

void PicturePresenter::cropTo(QRectF frame)
{
    const QPointF from = view_.pictureAt(frame.topLeft() + QPointF(0.5, 0.5));
    QPointF to = view_.pictureAt(frame.bottomRight() - QPointF(0.5, 0.5));
    if (!pair_.left || !mode_.isStereo() || wiggleFrames_[0].isNull() || from.x() < 0 || to.x() < 0)
        return;
    // Both corners in the cell the frame starts in, as shares of the part
    // shown, then as shares of all that both pictures cover.
    const QSizeF composed = wiggleFrames_[0].size();
    const stereo::Layout layout = stereo::layoutOf(*mode_.view());
    const QPointF first = shareOfPart(from, composed, layout);
    const QPointF cell(std::floor(from.x() / composed.width() * layout.across),
                       std::floor(from.y() / composed.height() * layout.down));
    const QPointF last(std::clamp(to.x() / composed.width() * layout.across - cell.x(), first.x(), 1.0),
                       std::clamp(to.y() / composed.height() * layout.down - cell.y(), first.y(), 1.0));
    const imaging::PixelSize decoded = pair_.left->jpeg.picture.size;
    const double scale = double(decoded.width) / pair_.left->jpeg.fullSize.width;
    stereo::Options options = stereo::scaledOptions(shownOptions(), scale);
    const stereo::Overlap part = stereo::shownPart(decoded, options);
    options.crop = {-1};
    const stereo::Overlap covered = stereo::shownPart(decoded, options);
    const auto shareX = [&](double s) { return (part.leftX - covered.leftX + s * part.size.width) / covered.size.width; };
    const auto shareY = [&](double s) { return (part.leftY - covered.leftY + s * part.size.height) / covered.size.height; };
    mode_.setCropFrame(shareX(first.x()), shareY(first.y()), shareX(last.x()), shareY(last.y()));
}
