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
#include "gui/render/ImageSurface.h"

namespace ferrovane::gui {

namespace {
// Tiles drawn around the visible ones, so that a short scroll finds them ready.
constexpr int MarginTiles = 1;

int Physical(std::int64_t v, double ratio) {
    return static_cast<int>(std::llround(static_cast<double>(v) * ratio));
}
} // namespace

QImage DrawBoardAreaImage(const render::BoardSnapshot& snapshot, float scale,
                          const render::PixelRect& area, double ratio) {
    const render::PixelRect scratch = render::ScratchRect(snapshot, scale, area);
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
    render::DrawBoardArea(surface, snapshot, scale, area, scratch);
    surface.Flush();
    const double r = surface.DevicePixelRatio();
    QImage image =
        surface.Image().copy(Physical(area.X - scratch.X, r), Physical(area.Y - scratch.Y, r),
                             Physical(area.W, r), Physical(area.H, r));
    image.setDevicePixelRatio(r);
    return image;
}

BoardTiles::BoardTiles(std::function<void()> arrived, int tileSize, std::int64_t budgetBytes)
    : mPlan(tileSize, budgetBytes), mArrivedCallback(std::move(arrived)) {}

BoardTiles::~BoardTiles() {
    mPool.clear();
    mPool.waitForDone();
}

void BoardTiles::Show(render::BoardSnapshotPtr snapshot, float scale) {
    mPlan.Show(std::move(snapshot), scale);
    if (mPlan.TakeDropAll()) {
        // Tiles of another zoom waiting to be drawn are of no use any more.
        mPool.clear();
        mImages.clear();
    }
}

void BoardTiles::DropAll() {
    mPlan.Restart();
    mPlan.TakeDropAll();
    mPool.clear();
    mImages.clear();
}

void BoardTiles::SetDevicePixelRatio(double ratio) {
    if (!(ratio >= 1.0) || ratio == mRatio) return;
    mRatio = ratio;
    mPlan.Restart();
    mPlan.TakeDropAll();
    mPool.clear();
    mImages.clear();
}

void BoardTiles::Compose(render::Surface& target, int px, int py) {
    auto* surface = dynamic_cast<PainterSurface*>(&target);
    mVisible = {px, py, target.PixelWidth(), target.PixelHeight()};
    if (surface != nullptr) {
        surface->FillWhite();
        for (const render::TileKey key : mPlan.Grid().Covering(mVisible)) {
            const auto it = mImages.find(key);
            if (it == mImages.end()) continue;
            const render::PixelRect rect = mPlan.Grid().Rect(key);
            surface->PutImage(static_cast<int>(rect.X - px), static_cast<int>(rect.Y - py),
                              it->second);
        }
    }
    RequestVisible();
}

void BoardTiles::RequestVisible() {
    for (const render::TileJob& job : mPlan.Request(mVisible, MarginTiles))
        Start(job);
}

void BoardTiles::Start(const render::TileJob& job) {
    const double ratio = mRatio;
    QObject* context = &mContext;
    // Visible tiles go before the margin around them.
    const int priority = job.Area.Intersects(mVisible) ? 1 : 0;
    // The job holds the snapshot it draws from; the editor never touches that.
    mPool.start(
        [this, job, ratio, context] {
            QImage image = DrawBoardAreaImage(*job.Snapshot, job.Scale, job.Area, ratio);
            QMetaObject::invokeMethod(
                context, [this, job, image = std::move(image)] { Arrived(job, image); },
                Qt::QueuedConnection);
        },
        priority);
}

void BoardTiles::Arrived(const render::TileJob& job, const QImage& image) {
    const render::TilePlan::Arrival arrival = mPlan.Arrive(job, image.sizeInBytes(), mVisible);
    for (const render::TileKey key : arrival.Drop)
        mImages.erase(key);
    if (!arrival.Keep) return;
    mImages[job.Key] = image;
    if (!job.Area.Intersects(mVisible) || mRefreshQueued) return;
    mRefreshQueued = true;
    QTimer::singleShot(0, &mContext, [this] {
        mRefreshQueued = false;
        if (mArrivedCallback) mArrivedCallback();
    });
}

bool BoardTiles::Complete() const {
    return mPlan.Complete(mVisible) && !mRefreshQueued;
}

bool BoardTiles::WaitUntilComplete(int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    RequestVisible();
    // Sleeps between events rather than spinning: the drawing threads need the cores.
    QTimer tick;
    tick.start(20);
    while (!Complete()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        if (!Complete() && mPlan.InFlight() == 0) RequestVisible();
    }
    return true;
}

} // namespace ferrovane::gui
