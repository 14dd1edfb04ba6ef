#include "gui/render/BoardTiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMetaObject>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "core/compute/render/BoardAreaDriver.h"
#include "core/compute/render/StandInTiles.h"
#include "gui/render/ImageSurface.h"

namespace ferrovane::gui {

namespace {
// Tiles drawn around the visible ones, so that a short scroll finds them ready.
constexpr int MarginTiles = 1;
// How often the board is composed again while tiles come in: about once a frame.
constexpr int RefreshIntervalMs = 16;

int Physical(std::int64_t v, double ratio) {
    return static_cast<int>(std::llround(static_cast<double>(v) * ratio));
}
} // namespace

QImage DrawBoardAreaImage(const render::BoardSnapshot& snapshot, float scale,
                          const render::PixelRect& area, double ratio,
                          const std::function<bool()>& stopped) {
    const render::AreaDrawing drawing = render::PrepareBoardArea(snapshot, scale, area);
    const render::PixelRect& scratch = drawing.Scratch;
    // Each drawing thread keeps its scratch image and only grows it: no new memory to
    // fault in and clear for every tile.
    thread_local ImageSurface surface;
    surface.SetDevicePixelRatio(ratio);
    const int w = static_cast<int>(scratch.W), h = static_cast<int>(scratch.H);
    if (surface.PixelWidth() < w || surface.PixelHeight() < h) {
        if (!surface.Resize(std::max(w, surface.PixelWidth()), std::max(h, surface.PixelHeight())))
            return {};
    }
    surface.SetSmooth(snapshot.Settings.SmoothDisplay);
    render::DrawBoardArea(surface, snapshot, scale, area, drawing, stopped);
    surface.Flush();
    const double r = surface.DevicePixelRatio();
    QImage image =
        surface.Image().copy(Physical(area.X - scratch.X, r), Physical(area.Y - scratch.Y, r),
                             Physical(area.W, r), Physical(area.H, r));
    image.setDevicePixelRatio(r);
    return image;
}

BoardTiles::BoardTiles(std::function<void()> arrived, int tileSize, std::int64_t budgetBytes)
    : mPlan(tileSize, budgetBytes), mArrivedCallback(std::move(arrived)) {
    mRefresh.setSingleShot(true);
    QObject::connect(&mRefresh, &QTimer::timeout, &mContext, [this] {
        if (mArrivedCallback) mArrivedCallback();
    });
}

BoardTiles::~BoardTiles() {
    mPool.clear();
    mPool.waitForDone();
}

void BoardTiles::Show(render::BoardSnapshotPtr snapshot, float scale) {
    const float before = mPlan.Scale();
    mPlan.Show(std::move(snapshot), scale);
    if (!mPlan.TakeDropAll()) return;
    mEpoch->store(mPlan.Epoch());
    // Tiles of another zoom are not drawn on any more, but those of the window stand in
    // until the new ones arrive. A zoom before any of them arrived keeps the older ones.
    if (!mImages.empty()) {
        mStandIns.clear();
        mStandInWindow = {};
        for (auto& [key, image] : mImages) {
            const render::PixelRect area = mPlan.Grid().Rect(key);
            if (area.Intersects(mVisible)) mStandIns.push_back({area, before, std::move(image)});
        }
    }
    mImages.clear();
}

void BoardTiles::DropAll() {
    mPlan.Restart();
    mPlan.TakeDropAll();
    mEpoch->store(mPlan.Epoch());
    mImages.clear();
    mStandIns.clear();
    mStandInWindow = {};
}

void BoardTiles::SetDevicePixelRatio(double ratio) {
    if (!(ratio >= 1.0) || ratio == mRatio) return;
    mRatio = ratio;
    DropAll();
}

void BoardTiles::Compose(render::Surface& target, int px, int py) {
    auto* surface = dynamic_cast<PainterSurface*>(&target);
    mVisible = {px, py, target.PixelWidth(), target.PixelHeight()};
    if (surface != nullptr) {
        if (const QImage* standIn = StandInPicture())
            surface->PutImage(0, 0, *standIn);
        else
            surface->FillWhite();
        for (const render::TileKey key : mPlan.Grid().Covering(mVisible)) {
            const auto it = mImages.find(key);
            if (it == mImages.end()) continue;
            const render::PixelRect rect = mPlan.Grid().Rect(key);
            surface->PutImage(static_cast<int>(rect.X - px), static_cast<int>(rect.Y - py),
                              it->second);
        }
    }
    // Drawing starts once this turn of the event loop is over: a zoom moves the window
    // again straight away (to keep the point under the pointer), and threads started
    // for the first window would hold up the second.
    if (mRequestQueued) return;
    mRequestQueued = true;
    QTimer::singleShot(0, &mContext, [this] {
        mRequestQueued = false;
        RequestVisible();
    });
}

const QImage* BoardTiles::StandInPicture() {
    if (mStandIns.empty()) return nullptr;
    if (mPlan.Complete(mVisible)) {
        mStandIns.clear();
        mStandInWindow = {};
        return nullptr;
    }
    // Stretched once for the window, not again each time tiles arrive.
    if (mStandInWindow != mVisible) {
        const render::PixelRect& v = mVisible;
        // The image is kept from zoom to zoom: no new memory to fault in each time.
        const QSize size(Physical(v.W, mRatio), Physical(v.H, mRatio));
        if (mStandInPicture.size() != size) mStandInPicture = QImage(size, QImage::Format_RGB32);
        QImage& picture = mStandInPicture;
        picture.setDevicePixelRatio(mRatio);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        for (const StandIn& standIn : mStandIns) {
            if (!render::StandsIn(standIn.Area, standIn.Scale, mPlan.Scale(), v)) continue;
            const render::StretchedRect r =
                render::Stretched(standIn.Area, standIn.Scale, mPlan.Scale());
            painter.drawImage(
                QRectF(r.X - static_cast<double>(v.X), r.Y - static_cast<double>(v.Y), r.W, r.H),
                standIn.Image);
        }
        painter.end();
        mStandInWindow = v;
    }
    return &mStandInPicture;
}

void BoardTiles::RequestVisible() {
    // No queue of our own: a thread that comes free takes the most wanted tile of the
    // window as it is by then, so a scroll or zoom never waits behind stale work.
    const int free = mPool.maxThreadCount() - mRunning;
    if (free <= 0) return;
    for (const render::TileJob& job :
         mPlan.Request(mVisible, MarginTiles, static_cast<std::size_t>(free)))
        Start(job);
}

void BoardTiles::Start(const render::TileJob& job) {
    const double ratio = mRatio;
    QObject* context = &mContext;
    ++mRunning;
    // The job holds the snapshot it draws from; the editor never touches that.
    // A zoom leaves the tiles of the earlier one unfinished.
    mPool.start([this, job, ratio, context, epoch = mEpoch] {
        QImage image = DrawBoardAreaImage(*job.Snapshot, job.Scale, job.Area, ratio,
                                          [&] { return epoch->load() != job.Epoch; });
        QMetaObject::invokeMethod(
            context, [this, job, image = std::move(image)] { Arrived(job, image); },
            Qt::QueuedConnection);
    });
}

void BoardTiles::Arrived(const render::TileJob& job, const QImage& image) {
    --mRunning;
    const render::TilePlan::Arrival arrival = mPlan.Arrive(job, image.sizeInBytes(), mVisible);
    for (const render::TileKey key : arrival.Drop)
        mImages.erase(key);
    if (arrival.Keep) mImages[job.Key] = image;
    RequestVisible();
    if (!arrival.Keep || !job.Area.Intersects(mVisible)) return;
    // The board is composed again once a frame while tiles come in, and at once when
    // the last visible one is there: composing takes the drawing threads' time too.
    if (mPlan.Complete(mVisible))
        mRefresh.start(0);
    else if (!mRefresh.isActive())
        mRefresh.start(RefreshIntervalMs);
}

bool BoardTiles::Complete() const {
    return mPlan.Complete(mVisible) && !mRefresh.isActive();
}

bool BoardTiles::WaitUntilComplete(int timeoutMs) {
    return WaitUntil([this] { return Complete(); }, timeoutMs);
}

bool BoardTiles::WaitUntilIdle(int timeoutMs) {
    return WaitUntil([this] { return Complete() && mRunning == 0; }, timeoutMs);
}

bool BoardTiles::WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    RequestVisible();
    // Sleeps between events rather than spinning: the drawing threads need the cores.
    QTimer tick;
    tick.start(20);
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        if (mRunning == 0) RequestVisible();
    }
    return true;
}

} // namespace ferrovane::gui
