#pragma once

#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/compute/render/BoardPicture.h"
#include "core/compute/render/TilePlan.h"

namespace ferrovane::gui {

// One tile (or any area) of the board picture as an image: drawn by the core's area
// driver in the whole picture's pixel coordinates, with the snapshot's smoothing.
// ratio: physical pixels per board pixel.
// stopped: see render::DrawBoardArea; the image is then of no use.
QImage DrawBoardAreaImage(const render::BoardSnapshot& snapshot, float scale,
                          const render::PixelRect& area, double ratio = 1.0,
                          const std::function<bool()>& stopped = {});

// The tiled board picture of the main window: the tile images, drawn on worker
// threads from immutable snapshots, kept as the plan decides. The board shows what is
// drawn and white elsewhere; as tiles arrive, arrived() is called (on the GUI thread,
// at most once per turn of the event loop) so the board is refreshed.
class BoardTiles : public render::BoardPicture {
public:
    explicit BoardTiles(std::function<void()> arrived, int tileSize = render::FittedTiles,
                        std::int64_t budgetBytes = render::DefaultTileBudgetBytes);
    ~BoardTiles() override;
    BoardTiles(const BoardTiles&) = delete;
    BoardTiles& operator=(const BoardTiles&) = delete;

    void Show(render::BoardSnapshotPtr snapshot, float scale) override;
    void Compose(render::Surface& target, int px, int py) override;

    // Every tile is drawn anew (the images go, the snapshot stays).
    void DropAll();
    // Tiles drawn for a screen of this density from now on.
    void SetDevicePixelRatio(double ratio);
    // Every tile of the last composed window is drawn from the latest snapshot.
    bool Complete() const;
    // Lets the event loop run until Complete (tests, benchmarks); false on timeout.
    bool WaitUntilComplete(int timeoutMs = 60000);
    // ... and until the margin around the window is drawn too and no thread is busy.
    bool WaitUntilIdle(int timeoutMs = 60000);
    const render::TilePlan& Plan() const { return mPlan; }
    std::size_t ImageCount() const { return mImages.size(); }

private:
    void Start(const render::TileJob& job);
    void Arrived(const render::TileJob& job, const QImage& image);
    void RequestVisible();
    bool WaitUntil(const std::function<bool()>& done, int timeoutMs);

    render::TilePlan mPlan;
    std::unordered_map<render::TileKey, QImage, render::TileKeyHash> mImages;
    // Tiles of an earlier zoom, shown stretched until the window's own are all drawn.
    struct StandIn {
        render::PixelRect Area; // at Scale
        float Scale = 1;
        QImage Image;
    };
    std::vector<StandIn> mStandIns;
    // The stand-ins stretched over the window mStandInWindow (empty: not made yet).
    const QImage* StandInPicture();
    QImage mStandInPicture;
    render::PixelRect mStandInWindow;
    std::function<void()> mArrivedCallback;
    render::PixelRect mVisible;
    double mRatio = 1.0;
    int mRunning = 0; // jobs started that have not come back
    // The plan's epoch, for the drawing threads: a job of another one stops early.
    std::shared_ptr<std::atomic<std::uint64_t>> mEpoch =
        std::make_shared<std::atomic<std::uint64_t>>(0);
    bool mRequestQueued = false;
    QTimer mRefresh; // a composition of the board is due
    QThreadPool mPool;
    QObject mContext; // receives the finished tiles on the GUI thread
};

} // namespace ferrovane::gui
