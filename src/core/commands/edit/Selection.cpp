#include "core/commands/edit/Selection.h"

#include <algorithm>

#include "core/commands/workspace/EditorState.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/model/Layout.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::editor {

namespace {

// Slots 1..count, bounded by what the list holds, so a damaged count cannot read past
// its end.
int UsedSlots(const EditorState& editor) {
    if (editor.SelRailList.empty()) return 0;
    const int size = static_cast<int>(editor.SelRailList.size());
    return std::clamp<int>(editor.SelRailList[0], 0, size - 1);
}

} // namespace

void ClearSelection(EditorState& editor) {
    editor.SelRailList.assign(2, 0);
}

int SelectionSlots(const EditorState& editor) {
    return UsedSlots(editor);
}

int SelectedCount(const EditorState& editor) {
    const int used = UsedSlots(editor);
    int n = 0;
    for (int i = 1; i <= used; ++i)
        if (editor.SelRailList[i] > 0) ++n;
    return n;
}

std::vector<int> SelectedRails(const EditorState& editor) {
    std::vector<int> rails;
    const int used = UsedSlots(editor);
    for (int i = 1; i <= used; ++i)
        if (editor.SelRailList[i] > 0) rails.push_back(editor.SelRailList[i]);
    return rails;
}

std::vector<int> SelectionActionOrder(const EditorState& editor) {
    std::vector<int> rails = SelectedRails(editor);
    if (rails.size() > 1) std::rotate(rails.begin(), rails.end() - 1, rails.end());
    return rails;
}

void ToggleSelection(app::Workspace& ws, int rail) {
    ws.Changed.Mark(app::Change::Selection);
    if (rail < 1 || rail > INT16_MAX) return;
    auto& list = ws.Editor.SelRailList;
    if (list.empty()) ClearSelection(ws.Editor);
    const int used = UsedSlots(ws.Editor);
    for (int i = 1; i <= used; ++i) {
        if (list[i] != rail) continue;
        // The slot keeps a 0, so the other slots keep their places.
        list[i] = 0;
        if (SelectedCount(ws.Editor) == 0) {
            ClearSelection(ws.Editor);
            ws.Host->EnableCC(false);
        }
        return;
    }
    if (used >= INT16_MAX) return;
    const int count = used + 1;
    if (static_cast<int>(list.size()) < count + 1) list.resize(count + 1, 0);
    list[0] = static_cast<std::int16_t>(count);
    list[count] = static_cast<std::int16_t>(rail);
    ws.Host->EnableCC(true);
}

void SelectRailsInBox(const model::Layout& layout, EditorState& editor, std::int32_t minX,
                      std::int32_t minY, std::int32_t maxX, std::int32_t maxY) {
    ClearSelection(editor);
    auto& list = editor.SelRailList;
    list.resize(1);
    const float x0 = static_cast<float>(minX), y0 = static_cast<float>(minY);
    const float x1 = static_cast<float>(maxX), y1 = static_cast<float>(maxY);
    for (const auto& cell : layout.Index.Cells) {
        for (const auto& token : cell) {
            if (token.Letter != 'O') continue;
            if (token.Rail < 1 || token.Rail > layout.RailCount || token.Rail > INT16_MAX) continue;
            const model::Rail& r = layout.Rails[token.Rail];
            if (x0 < r.MidX && r.MidX < x1 && y0 < r.MidY && r.MidY < y1)
                list.push_back(static_cast<std::int16_t>(token.Rail));
        }
    }
    const auto count = static_cast<std::int16_t>(std::min<std::size_t>(list.size() - 1, INT16_MAX));
    list[0] = count;
    if (list.size() < 2) list.push_back(0);
}

} // namespace ferrovane::editor
