#include "pictures/PicturePresenter.h"

#include <algorithm>
#include <cmath>

#include "view/JpegDecoder.h"
#include "pictures/StereoMode.h"
#include "view/ZorImageView.h"
#include "engine/gain_map.h"
#include "imaging/shown_size.h"
#include "pictures/AlignmentText.h"
#include "stereo/pair.h"

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

PicturePresenter::PicturePresenter(StereoMode &mode, ZorImageView &view, QObject *parent)
    : QObject(parent), mode_(mode), view_(view), flat_(queue_), pairs_(queue_), alignments_(queue_)
{
    connect(&mode_, &StereoMode::viewChanged, this, &PicturePresenter::showAgain);
    connect(&mode_, &StereoMode::optionsChanged, this, &PicturePresenter::compose);
    connect(&pairs_, &PairPictures::decoded, this, &PicturePresenter::pairDecoded);
    connect(&view_, &ZorImageView::resized, this, &PicturePresenter::viewResized);
    connect(&view_, &ZorImageView::zoomChanged, this, &PicturePresenter::viewResized);
    connect(&view_, &ZorImageView::painted, this, &PicturePresenter::paintedAfterShowing);
    connect(&wiggle_, &QTimer::timeout, this, &PicturePresenter::nextWiggleFrame);
    connect(&queue_, &DecodeQueue::finished, this, &PicturePresenter::pictureFinished);
    connect(&alignments_, &PairAlignments::estimated, this, &PicturePresenter::alignmentEstimated);
    connect(&mode_, &StereoMode::autoAlignChanged, this, &PicturePresenter::autoAlignChanged);
}

void PicturePresenter::startFile(const QString &path)
{
    mode_.resetOffsets();
    store_.startFile(path);
    number_ = 0;
}

imaging::PixelSize PicturePresenter::pictureSize() const
{
    return pair_.left ? pair_.left->jpeg.fullSize : imaging::PixelSize{};
}

FlatPictures::PictureSource PicturePresenter::source()
{
    return [store = &store_](int number) { return store->picture(number); };
}

void PicturePresenter::showPicture(const QByteArray &shown, int number, int count)
{
    forwards_ = number >= number_;
    awaitingPicture_ = false;
    afterPaint_.clear();
    ++shownPictures_;
    store_.put(number, shown);
    number_ = number;
    count_ = count;
    if (!mode_.isStereo())
        return showFlat({});
    const stereo::PairNumbers pair = stereo::pairFor(number, count);
    if (pair.left == 0)
        return showFlat(qtTrId("StereoSinglePicture"));
    pairs_.start(store_.shown(), pairSizing());
    left_ = store_.picture(pair.left);
    right_ = store_.picture(pair.right);
    pairKey_ = PairAlignments::keyOf(left_, right_);
    if (left_.isEmpty() || right_.isEmpty())
        return showFlat(qtTrId("StereoPictureUnreadable"));
    const auto bytes = [](const QByteArray &jpeg) { return reinterpret_cast<const unsigned char *>(jpeg.constData()); };
    if (isPhotoAndGainMap(bytes(left_.bytes), std::size_t(left_.bytes.size()), bytes(right_.bytes),
                          std::size_t(right_.bytes.size()), pair.right - 1))
        return showFlat(qtTrId("StereoGainMap"));
    requestDecode();
}

void PicturePresenter::showAgain()
{
    if (!store_.shown().isEmpty())
        showPicture(store_.shown().bytes, number_, count_);
}

void PicturePresenter::showFlat(const QString &reason)
{
    pairs_.forget();
    wiggle_.stop();
    pair_ = {};
    left_ = right_ = {};
    showFlatPicture();
    if (!reason.isEmpty())
        emit message(qtTrId("StereoShownFlat").arg(reason));
}

void PicturePresenter::showFlatPicture()
{
    awaitingPicture_ = false;
    const PictureBytes &shown = store_.shown();
    // A view not on screen yet has no final size to decode for.
    if (!view_.isVisible())
        return view_.setPicture(shown);
    const QSize viewSize = view_.size();
    const FlatPictures::Taken taken = flat_.take(shown, number_, viewSize, source());
    if (taken.outcome == FlatPictures::Outcome::Pending) {
        awaitingPicture_ = true;  // the picture on screen stays until this one is decoded
        return;
    }
    if (taken.outcome == FlatPictures::Outcome::Ready)
        view_.setPreparedPicture(shown, taken.picture.image, taken.picture.fullSize);
    else
        view_.setPicture(shown);
    whenPainted([this, viewSize] { flat_.readAround(source(), number_, count_, forwards_, viewSize); });
}

// A background decode finished: the picture awaited goes up once it is
// there, without the main thread waiting for it again.
void PicturePresenter::pictureFinished()
{
    if (!awaitingPicture_)
        return;
    const QSize viewSize = view_.size();
    const std::optional<FlatPictures::Prepared> picture = flat_.find(store_.shown(), viewSize);
    if (!picture) {
        // A read-ahead that ended without it (the file changed): decoded now.
        if (!flat_.isDecoding(store_.shown(), number_, viewSize))
            showFlatPicture();
        return;
    }
    awaitingPicture_ = false;
    view_.setPreparedPicture(store_.shown(), picture->image, picture->fullSize);
    whenPainted([this, viewSize] { flat_.readAround(source(), number_, count_, forwards_, viewSize); });
}

void PicturePresenter::whenPainted(std::function<void()> work)
{
    if (!view_.isVisible())
        return work();  // no paint comes
    afterPaint_.push_back(std::move(work));
}

void PicturePresenter::paintedAfterShowing()
{
    if (afterPaint_.empty())
        return;
    // From the event loop, and only if no other picture has come by then: a
    // paint may happen within the next step's load, as the progress display
    // redraws the window.
    QTimer::singleShot(0, this, [this, work = std::exchange(afterPaint_, {}), shown = shownPictures_] {
        if (shown == shownPictures_)
            for (const std::function<void()> &each : work)
                each();
    });
}

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
    if (const std::string problem = stereo::pairProblem(pair.left->jpeg, pair.right->jpeg); !problem.empty()) {
        QString reason = QString::fromStdString(problem);
        reason[0] = reason[0].toUpper();
        return showFlat(reason);
    }
    pair_ = pair;
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
    const imaging::PixelSize fitted =
        pictureSizeFor(decodedLeft.fullSize, stereo::layoutOf(view), view_.size(), view_.zoomFactor());
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
    if (wiggles)
        wiggle_.start(mode_.wiggleIntervalMs());
    else
        wiggle_.stop();
}

stereo::Options PicturePresenter::shownOptions() const
{
    const std::optional<stereo::Alignment> alignment = mode_.autoAligns() ? alignments_.find(pairKey_) : std::nullopt;
    return alignment ? stereo::withAlignment(mode_.options(), *alignment) : mode_.options();
}

// Says what the alignment of the pair on show did, or why it did nothing.
void PicturePresenter::tellAlignment()
{
    const std::optional<stereo::Alignment> alignment =
        mode_.autoAligns() && pair_.left ? alignments_.find(pairKey_) : std::nullopt;
    if (alignment)
        emit message(alignmentText(*alignment));
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
