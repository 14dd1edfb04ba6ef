#pragma once

#include <string>
#include <vector>

#include "core/app/board/Board.h"
#include "core/commands/workspace/UndoJournal.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/RedrawTarget.h"
#include "support/CatalogueFixtures.h"

namespace ferrovane::testing {

// Counts what the tools ask of the drawing side.
struct RecordingRedraw : render::RedrawTarget {
    void ReDrawBackScreen() override { ++BackScreens; }
    void RefreshMainPicture() override { ++Refreshes; }
    void DrawPreviewOnMainPicture() override { ++PreviewDraws; }
    void ShowHoverRail() override { ++HoverRails; }
    void DrawRailOnBackScreen(int rail) override { BackScreenRails.push_back(rail); }
    void DrawRailOnMainPicture(int rail) override { MainPictureRails.push_back(rail); }

    int BackScreens = 0, Refreshes = 0, HoverRails = 0, PreviewDraws = 0;
    std::vector<int> BackScreenRails, MainPictureRails;
};

// Records the board's pointer and the typed-angle windows it opens.
struct PointerView : editor::BoardView {
    void SetMainPointer(editor::BoardPointer p) override { Pointers.push_back(p); }
    void ShowTypedAngleWindow() override { ++AngleWindows; }
    std::vector<editor::BoardPointer> Pointers;
    int AngleWindows = 0;
};

// A board over SmallCatalogue driven as the user drives it: the pointer moves, presses
// and releases at positions in layout units (the view origin is 0, 0).
struct ToolBoard : CatalogueWorkspace {
    ToolBoard() { Ws.Redraw = &Redraw; }

    RecordingRedraw Redraw;
    PointerView View;
    editor::Board Board{Ws, View};

    static editor::BoardEvent At(float x, float y) { return {editor::LeftButton, 0, x, y}; }
    void Hover(float x, float y) { Board.MouseMove(At(x, y)); }
    void Click(float x, float y) {
        Board.MouseMove(At(x, y));
        Board.MouseDown(At(x, y));
        Board.MouseUp(At(x, y));
    }
    void HoverRail(int n) { Hover(Rail(n).MidX, Rail(n).MidY); }
    void ClickRail(int n) { Click(Rail(n).MidX, Rail(n).MidY); }
    void HoverEnd(int n, int end) { Hover(Rail(n).X(end), Rail(n).Y(end)); }
    void ClickEnd(int n, int end) { Click(Rail(n).X(end), Rail(n).Y(end)); }
};

// The user actions in the journal: each starts with a group-start record.
inline int UndoActions(const editor::UndoJournal& journal) {
    int actions = 0;
    for (const auto& record : journal.Records())
        if (record.GroupStart) ++actions;
    return actions;
}

} // namespace ferrovane::testing
