// Viewer benchmarks, headless: time to the first picture, time of a step to
// a picture read ahead and of a jump to one that is not, the longest step
// with a key held, the memory a shown picture takes, and time to a stereo
// view of a pair, each against one libjpeg decode of the same picture at the
// smallest k/8 scale that still covers the view.
// usage: bench_viewer INPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>

#include "controller/Panels.h"
#include "view/PictureMemory.h"
#include "files/ThumbnailCache.h"
#include "stereo/thumbnail.h"
#include "window/BrowseGrid.h"
#include "window/ViewerWindows.h"
#include "view/ZorImageView.h"
#include "bench_common.h"
#include "libjpeg_baseline.h"
#include "engine/mpo.h"

namespace {

class BenchPanels : public Panels {
public:
    QString path;
    QString openFile(QWidget *, const QString &, const QString &, const FileKind &) override { return path; }
    QStringList openFiles(QWidget *, const QString &, const QString &, const FileKind &) override { return {}; }
    QString chooseFolder(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFile(QWidget *, const QString &, const QString &, const QList<FileKind> &) override { return {}; }
    int alert(QWidget *, const QString &title, const QString &) override
    {
        std::fprintf(stderr, "alert: %s\n", qPrintable(title));
        std::exit(1);
    }
    void inform(QWidget *, const QString &title, const QString &) override { alert(nullptr, title, {}); }
    bool ask(QWidget *, const QString &title, const QString &, const QString &) override { return alert(nullptr, title, {}); }
    int runModal(QDialog &) override { return 0; }
};

// The baseline: libjpeg alone, at the smallest k/8 scale not smaller than
// `shown`, into a 32-bit pixel buffer as a picture view would hold.
void decodeScaled(const std::vector<unsigned char> &jpeg, QSize shown)
{
    decodeWithLibjpeg(jpeg, shown.width(), shown.height());
}

QSize fitted(QSize picture, QSize view)
{
    return picture.width() > view.width() || picture.height() > view.height()
               ? picture.scaled(view, Qt::KeepAspectRatio)
               : picture;
}

long residentBytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6)) * 1024;
    return 0;
}

// Seconds from `action` to its picture on screen: the view's picture
// changed (at once, or when its background decode is done) and painted.
double untilShown(ZorImageView &view, const std::function<void()> &action)
{
    const qint64 before = view.image().cacheKey();
    return secondsOf([&] {
        action();
        while (view.image().cacheKey() == before)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        view.repaint();
    });
}

// Runs `action` and the event loop until a stereo view is on show and the
// view has painted it.
void untilPairPainted(PicturePresenter &presenter, ZorImageView &view, const std::function<void()> &action)
{
    QEventLoop loop;
    bool shown = false;
    const QMetaObject::Connection pairShown = QObject::connect(&presenter, &PicturePresenter::pairShown, [&] { shown = true; });
    const QMetaObject::Connection painted = QObject::connect(&view, &ZorImageView::painted, [&] {
        if (shown)
            loop.quit();
    });
    action();
    loop.exec();
    QObject::disconnect(pairShown);
    QObject::disconnect(painted);
}

// Runs the event loop for `ms` milliseconds; returns the longest the main
// thread spent in one go on what came in, in seconds.
double runEventsFor(int ms)
{
    QElapsedTimer timer;
    timer.start();
    double longest = 0;
    while (timer.elapsed() < ms)
        longest = std::max(longest, secondsOf([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); }));
    return longest;
}

}  // namespace

// Runs events until every cell `grid` shows has its thumbnail; seconds taken.
double untilVisibleMade(BrowseGrid &grid)
{
    return secondsOf([&] {
        for (;;) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            bool all = true;
            for (int row = 0; row < grid.files().rowCount() && all; ++row)
                if (grid.viewport()->rect().intersects(grid.visualRect(grid.files().index(row))))
                    all = grid.files().isMade(row);
            if (all)
                return;
        }
    });
}

// View ▸ Browse over a folder of 1,000 MPO files of 640 x 480 (a 3DS's):
// the grid shown, its visible thumbnails made from a cold cache and found
// in a warm one, and the memory after scrolling through all of them.
void benchBrowse(const std::string &console, const QTemporaryDir &scratch)
{
    const QString folder = scratch.filePath("browse");
    QDir().mkpath(folder);
    for (int i = 1; i <= 1000; ++i)
        QFile::copy(QString::fromStdString(console), folder + QString::asprintf("/IMG_%04d.MPO", i));
    qputenv("XDG_CACHE_HOME", scratch.filePath("cache").toUtf8());
    const QString first = folder + "/IMG_0001.MPO";
    const long before = residentBytes();
    const double listing = secondsOf([&] { QDir(folder).entryList(QDir::Files); });
    double shown = 0, cold = 0, warm = 0;
    {
        BrowseGrid grid;
        grid.resize(1280, 960);
        grid.show();
        shown = secondsOf([&] {
            grid.showFile(first);
            QCoreApplication::processEvents();
        });
        cold = untilVisibleMade(grid);
    }
    BrowseGrid grid;  // a grid of its own: nothing made in memory, the cache warm
    grid.resize(1280, 960);
    grid.show();
    grid.showFile(first);
    warm = untilVisibleMade(grid);
    const double oneThumbnail = secondsOf([&] {
        imaging::RgbPicture picture;
        stereo::makeThumbnail(console, ThumbnailCache::normalSize, picture);
    });
    report("browse: 1,000 MPO files, the grid shown", shown * 1000, "ms", listing * 1000, "ms <= 500");
    std::fprintf(results, "  baseline: listing the folder\n");
    report("browse: the visible thumbnails, cold cache", cold * 1000, "ms", oneThumbnail * 1000, "every core");
    std::fprintf(results, "  baseline: one thumbnail of a 640 x 480 MPO made on one thread\n");
    report("browse: the visible thumbnails, warm cache", warm * 1000, "ms", oneThumbnail * 1000, "ms <= 1000");
    for (int row = 0; row < grid.files().rowCount(); row += 40) {
        grid.scrollTo(grid.files().index(row));
        untilVisibleMade(grid);
    }
    report("browse: memory after scrolling through all", double(residentBytes() - before) / 1e6, "MB", 150, "MB <= 150");
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_viewer INPUT_FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    keepPictureMemoryForReuse();  // as the viewer's main does
    QApplication application(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});  // the viewer's log
    silenceTrace();
    const std::string folder = argv[1];
    QTemporaryDir scratch;
    QSettings settings(scratch.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue(ViewerSettings::saveFolderKey, scratch.path());
    BenchPanels panels;
    ViewerWindows windows(settings, panels);
    KivController &controller = windows.controller();
    ZorImageView &view = *controller.outlets().image;
    controller.applicationDidFinishLaunching();
    windows.mainWindow().resize(1280, 960);
    QCoreApplication::processEvents();
    const QSize viewSize = view.size();

    // Time to the first picture of the 12 MP pair, on screen, each time in a
    // viewer just started, which has read nothing ahead.
    const std::string pair = folder + "/pair12mp.MPO";
    const std::vector<unsigned char> left = pictureOf(pair, 1);
    const QSize leftShown = fitted(QSize(4000, 3000), viewSize);
    const long before = residentBytes();
    std::unique_ptr<ViewerWindows> fresh;
    QSize decodedSize;
    const auto startFresh = [&] {
        fresh = std::make_unique<ViewerWindows>(settings, panels);
        fresh->controller().applicationDidFinishLaunching();
        fresh->mainWindow().resize(1280, 960);
        QCoreApplication::processEvents();
    };
    startFresh();
    const auto [open, decode] = alternate(
        7,
        [&] {
            panels.path = QString::fromStdString(pair);
            const ZorImageView &shown = *fresh->controller().outlets().image;
            untilShown(*fresh->controller().outlets().image, [&] { fresh->controller().selectAction(); });
            decodedSize = shown.image().size();
        },
        [&] { decodeScaled(left, leftShown); }, startFresh);
    report("time to first picture, 12 MP pair", open * 1000, "ms", decode * 1000, "ratio <= 1.05");

    // The picture on show, decoded for a 1280 x 960 window.
    const double held = decodedSize.width() * decodedSize.height() * 4 / 1e6;
    report("picture held for the view, 12 MP (MB)", held, "MB", 4000.0 * 3000 * 4 / 1e6,
           "smaller than a full-size decode");
    std::fprintf(results, "  view %dx%d, picture decoded at %dx%d; resident memory grew %.1f MB while loading\n",
                 viewSize.width(), viewSize.height(), decodedSize.width(), decodedSize.height(),
                 double(residentBytes() - before) / 1e6);

    // Steps through twelve 6 MP pictures: looked at for a moment each (the
    // next one is read ahead meanwhile), jumped to by number (none is), and
    // with the key held (a step every 33 ms, the keyboard's repeat rate).
    const std::string twelve = folder + "/twelve6mp.MPO";
    const std::vector<unsigned char> second = pictureOf(twelve, 2);
    const QSize stepShown = fitted(QSize(3000, 2000), viewSize);
    const auto openTwelve = [&] {
        panels.path = QString::fromStdString(twelve);
        untilShown(view, [&] { controller.selectAction(); });
    };
    std::vector<double> steps, jumps, decodes, waits;
    for (int round = 0; round < 3; ++round) {
        openTwelve();
        for (int step = 1; step < 12; ++step) {
            runEventsFor(150);  // the user looks at the picture
            steps.push_back(untilShown(view, [&] { controller.nextAction(); }));
            decodes.push_back(secondsOf([&] { decodeScaled(second, stepShown); }));
        }
        // In a viewer just started, which has kept nothing: none of them is read ahead or kept.
        startFresh();
        panels.path = QString::fromStdString(twelve);
        ZorImageView &freshView = *fresh->controller().outlets().image;
        untilShown(freshView, [&] { fresh->controller().selectAction(); });
        for (int number : {5, 8, 3}) {
            runEventsFor(150);
            fresh->controller().outlets().currentTextField->setText(QString::number(number));
            jumps.push_back(untilShown(freshView, [&] { fresh->controller().changeCurrentNum(); }));
        }
        openTwelve();
        runEventsFor(500);  // the keyboard waits this long before it repeats a key
        for (int step = 1; step < 12; ++step) {
            const double blocked = secondsOf([&] {
                controller.nextAction();
                view.repaint();
            });
            waits.push_back(std::max(blocked, runEventsFor(std::max(0, 33 - int(blocked * 1000)))));
        }
    }
    report("step to a picture read ahead, 6 MP", median(steps) * 1000, "ms", median(decodes) * 1000, "ratio <= 0.2");
    report("jump to a picture not read ahead, 6 MP", median(jumps) * 1000, "ms", median(decodes) * 1000,
           "ratio <= 1.05");
    report("longest wait of the main thread, key held, 6 MP", *std::max_element(waits.begin(), waits.end()) * 1000,
           "ms", 1000.0 / 60, "ratio <= 1: within one frame");

    // A stereo view of the 12 MP pair: both pictures decoded at once at the
    // size shown, and composed; each time in a viewer just started.
    settings.setValue(ViewerSettings::stereoViewKey, QString::fromStdString(stereo::describe(stereo::View::RedCyanDubois).name));
    startFresh();
    const auto [stereoView, oneDecode] = alternate(
        7,
        [&] {
            panels.path = QString::fromStdString(pair);
            untilPairPainted(fresh->picturePresenter(), *fresh->controller().outlets().image,
                             [&] { fresh->controller().selectAction(); });
        },
        [&] { decodeScaled(left, leftShown); }, startFresh);
    report("stereo view of the 12 MP pair, anaglyph", stereoView * 1000, "ms", oneDecode * 1000,
           "ratio <= 1.2 on two cores");

    // Steps through the twelve pictures in the anaglyph view, looking at
    // each pair for a moment while the next one is read ahead.
    windows.stereoMode().setView(stereo::View::RedCyanDubois);
    panels.path = QString::fromStdString(twelve);
    untilPairPainted(windows.picturePresenter(), view, [&] { controller.selectAction(); });
    std::vector<double> pairSteps;
    for (int step = 1; step < 11; ++step) {
        runEventsFor(300);
        pairSteps.push_back(secondsOf([&] { untilPairPainted(windows.picturePresenter(), view, [&] { controller.nextAction(); }); }));
    }
    report("step to a pair read ahead, 6 MP, anaglyph", median(pairSteps) * 1000, "ms", median(decodes) * 1000,
           "ratio <= 0.2");
    benchBrowse(folder + "/console.MPO", scratch);
    return 0;
}
