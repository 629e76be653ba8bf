#include "pictures/PicturePresenter.h"

#include "pictures/StereoMode.h"
#include "view/ZorImageView.h"
#include "engine/gain_map.h"
#include "stereo/pair.h"

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
    connect(&view_, &ZorImageView::controlClicked, this, &PicturePresenter::putAtScreen);
    connect(&view_, &ZorImageView::frameDrawn, this, &PicturePresenter::cropTo);
    // The status bar says what the colours and the window now are.
    connect(&mode_, &StereoMode::optionsChanged, this, &PicturePresenter::tellAlignment);
}

void PicturePresenter::startFile(const QString &path, const QList<QByteArray> &held)
{
    mode_.resetForNewFile();
    store_.startFile(path, held);
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
    emit pairGone();
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
