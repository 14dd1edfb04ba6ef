#include "core/commands/edit/RenameRail.h"

#include <cmath>
#include <utility>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/editor/RailGroup.h"
#include "core/values/format/Blanks.h"
#include "core/values/format/ListDirected.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

using document::TrimTrailingBlanks;

// Bytes taken by the first `chars` characters of a UTF-8 text: a label's font name is
// counted in characters.
std::size_t PrefixBytes(const std::string& s, float chars) {
    if (!(chars > 0)) return 0;
    const double wanted = std::nearbyint(static_cast<double>(chars));
    std::size_t i = 0;
    for (double taken = 0; i < s.size() && taken < wanted; ++taken) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i;
}

bool IsLabel(const model::Rail& r) {
    return r.Kind == model::KindText;
}

} // namespace

std::optional<RenameQuestion> RenameQuestionFor(const app::Workspace& ws, int rail) {
    if (!ws.Layout.IsLive(rail)) return std::nullopt;
    const model::Rail& r = ws.Layout.Rails[rail];
    if (IsGroupHead(ws.Layout, rail))
        return RenameQuestion{text::Msg(text::MessageId::RenameBoxTitle),
                              text::Msg(text::MessageId::RenameBoxPrompt), r.Name};
    if (r.Kind < model::KindBoxHeadStraight)
        return RenameQuestion{text::Msg(text::MessageId::RenameRailTitle),
                              text::Msg(text::MessageId::RenameRailPrompt),
                              TrimTrailingBlanks(r.Name)};
    if (IsLabel(r))
        return RenameQuestion{text::Msg(text::MessageId::RenameLabelTitle),
                              text::Msg(text::MessageId::RenameLabelPrompt),
                              r.Name.substr(PrefixBytes(r.Name, r.Radius))};
    return std::nullopt;
}

bool RenameRailTo(app::Workspace& ws, int rail, const std::string& answer) {
    if (answer.empty() || !RenameQuestionFor(ws, rail)) return false;
    const std::string name = document::SanitizeFileText(answer);
    model::Layout& layout = ws.Layout;
    model::Rail& r = layout.Rails[rail];
    UndoGroup undo(ws.Undo);
    auto rename = [&](int n, std::string newName) {
        std::string& current = layout.Rails[n].Name;
        // The whole old name, so that undo gives back exactly what was there.
        undo.Add(RailRenamed{n, current, newName});
        current = std::move(newName);
    };
    if (IsGroupHead(layout, rail)) {
        const int last = GroupLast(layout, rail);
        for (int n = rail; n <= last; ++n)
            rename(n, name);
    } else if (IsLabel(r)) {
        rename(rail, r.Name.substr(0, PrefixBytes(r.Name, r.Radius)) + name);
    } else {
        rename(rail, name);
    }
    layout.Modified = true;
    return true;
}

bool ChangeRailName(app::Workspace& ws) {
    const int rail = ws.Editor.PointedRail;
    const auto question = RenameQuestionFor(ws, rail);
    if (!question) return false;
    const auto answer = ws.Host->InputText(question->Prompt, question->Title, question->Initial);
    if (!answer || !RenameRailTo(ws, rail, *answer)) return false;
    // Labels show their text on the board.
    ws.Redraw->ReDrawBackScreen();
    return true;
}

} // namespace ferrovane::editor
