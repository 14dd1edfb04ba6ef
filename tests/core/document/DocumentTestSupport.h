#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/commands/document/DocumentContext.h"
#include "core/commands/workspace/Workspace.h"
#include "support/FakeUiHost.h"
#include "support/LayoutFixtures.h"

namespace ferrovane::document::doctest {

inline const std::string BundledCatalogue = std::string(FERROVANE_CATALOGUE_DIR) + "/n-33mm.rtr";

class RecordingFrame : public BoardFrame {
public:
    void SetScrollBars(int h, int v) override { ScrollBars.emplace_back(h, v); }
    void ResizeBoard() override { ++Resizes; }
    std::vector<std::pair<int, int>> ScrollBars;
    int Resizes = 0;
};

// A host that also notes the editor mode while each file dialog is open.
class ModeNotingHost : public testing::FakeUiHost {
public:
    std::optional<std::string> ChooseOpenFile(const platform::FileRequest& request) override {
        if (Ws) ModesDuringDialogs.push_back(Ws->Editor.AStatus);
        return FakeUiHost::ChooseOpenFile(request);
    }
    app::Workspace* Ws = nullptr;
    std::vector<model::EditorMode> ModesDuringDialogs;
};

using testing::layouts::ReadLines;

// A workspace with a catalogue loaded and a start-up log in a temporary folder.
struct DocumentFixture {
    DocumentFixture() {
        host.Ws = &ws;
        context.LayoutDir = dir.File("");
        context.CatalogueDir = FERROVANE_CATALOGUE_DIR;
        context.WorkingDir = dir.File("");
        context.Frame = &frame;
        ws.StartLogPath = dir.File("StartLog.txt");
    }
    void LoadCatalogue() {
        ws.Settings.RTypeFileName = BundledCatalogue;
        ws.Catalogue.RTypeFileName = BundledCatalogue;
    }
    // Two live straights, modified, never saved.
    void AddRails() {
        ws.Layout.AppendRail() = testing::layouts::Straight(1, 500, 500, 248);
        ws.Layout.AppendRail() = testing::layouts::Straight(2, 748, 500, 248);
        model::RebuildRailIndex(ws.Layout);
        ws.Layout.Modified = true;
    }
    void ResetRecords() {
        host.Messages.clear();
        host.FileRequests.clear();
        host.Titles.clear();
        host.ToolBoxHides = host.ToolBoxShows = 0;
        frame.ScrollBars.clear();
        frame.Resizes = 0;
    }

    testing::layouts::TempDir dir;
    ModeNotingHost host;
    app::Workspace ws{host};
    RecordingFrame frame;
    DocumentContext context;
};

} // namespace ferrovane::document::doctest
