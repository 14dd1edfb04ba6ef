#include "core/commands/catalogue/RailBoxEditor.h"

#include <utility>

#include "core/commands/catalogue/CatalogueSave.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/edit/Selection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueMessages.h"
#include "core/compute/catalogue/RailBoxLine.h"
#include "core/values/format/Blanks.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::catalogue {

namespace {

// A box as the lines of its "RailBox:" section: the name with its marker and the data
// columns. Rebuilding the array from lines keeps every reader-set field consistent.
using BoxLines = std::vector<std::pair<std::string, RailBoxRail>>;

std::vector<BoxLines> ExtractBoxes(const Catalogue& c) {
    std::vector<BoxLines> boxes;
    const int count = editor::RailBoxRecordCount(c);
    for (int k = 0; k < count; ++k) {
        const RailBoxRail& r = c.RailBoxRails[static_cast<std::size_t>(k)];
        if (r.MemberIndex == 0) boxes.emplace_back();
        if (boxes.empty()) continue; // members without a header are not a box
        boxes.back().emplace_back((r.MemberIndex == 0 ? "#" : " ") + r.Name, r);
    }
    return boxes;
}

void Rebuild(Catalogue& c, const std::vector<BoxLines>& boxes) {
    c.RailBoxRails.clear();
    c.RailBoxRailMax = 0;
    RailBoxLineState state;
    for (const BoxLines& box : boxes)
        for (const auto& [name, columns] : box)
            ParseRailBoxLine(c, state, name, columns);
    RailBoxRail closing;
    closing.Reserved = 2;
    ParseRailBoxLine(c, state, "End", closing);
    if (c.RailBoxRails.empty()) c.RailBoxRailMax = 0;
}

int HeaderOf(const Catalogue& c, const std::string& name) {
    for (const RailBoxEntry& e : RailBoxEntries(c))
        if (e.Name == name) return e.Header;
    return -1;
}

// The tool box's chosen box follows its name through the change; when it is gone the
// first box is chosen.
class KeepChosenBox {
public:
    explicit KeepChosenBox(app::Workspace& ws) : mWs(ws) {
        const auto& boxes = ws.Catalogue.RailBoxRails;
        const int sel = ws.Editor.SelBox;
        if (sel >= 0 && sel < static_cast<int>(boxes.size())) mName = boxes[sel].Name;
    }
    KeepChosenBox(const KeepChosenBox&) = delete;
    KeepChosenBox& operator=(const KeepChosenBox&) = delete;
    ~KeepChosenBox() {
        const int header = HeaderOf(mWs.Catalogue, mName);
        mWs.Editor.SelBox = static_cast<std::int16_t>(header >= 0 ? header : 0);
        mWs.Changed.Mark(app::Change::Catalogue);
        mWs.Host->RefreshRailLists();
    }

private:
    app::Workspace& mWs;
    std::string mName;
};

void Refuse(app::Workspace& ws, const std::string& text) {
    platform::ShowModal(*ws.Host, {text, RailBoxEditorTitle(), platform::MessageIcon::Exclamation,
                                   platform::MessageButtons::Ok});
}

std::optional<std::string> AskName(app::Workspace& ws, const std::string& initial,
                                   int renamedHeader) {
    const auto answer = ws.Host->InputText(text::Msg(text::MessageId::RailBoxNamePrompt),
                                           RailBoxEditorTitle(), initial);
    if (!answer) return std::nullopt;
    const std::string name = document::TrimBlanks(*answer);
    if (const auto problem = RailBoxNameProblem(ws.Catalogue, name, renamedHeader)) {
        Refuse(ws, *problem);
        return std::nullopt;
    }
    return name;
}

std::size_t CodePoints(const std::string& s) {
    std::size_t n = 0;
    for (const char ch : s)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}

} // namespace

std::vector<RailBoxEntry> RailBoxEntries(const Catalogue& c) {
    std::vector<RailBoxEntry> entries;
    const int count = editor::RailBoxRecordCount(c);
    for (int k = 0; k < count; ++k) {
        const RailBoxRail& r = c.RailBoxRails[static_cast<std::size_t>(k)];
        if (r.MemberIndex == 0)
            entries.push_back({k, r.Name, 0});
        else if (!entries.empty())
            ++entries.back().Members;
    }
    return entries;
}

std::optional<std::string> RailBoxNameProblem(const Catalogue& c, const std::string& name,
                                              int renamedHeader) {
    if (name.empty()) return std::string(text::Msg(text::MessageId::RailBoxNameEmpty));
    if (CodePoints(name) > MaxRailBoxNameLength - 1)
        return text::Msg(text::MessageId::RailBoxNameTooLong,
                         {std::to_string(MaxRailBoxNameLength - 1)});
    if (name.find('"') != std::string::npos)
        return std::string(text::Msg(text::MessageId::RailBoxNameQuote));
    if (name == ClipRailBoxName)
        return text::Msg(text::MessageId::RailBoxNameClip, {ClipRailBoxName});
    for (const RailBoxEntry& e : RailBoxEntries(c))
        if (e.Name == name && e.Header != renamedHeader)
            return text::Msg(text::MessageId::RailBoxNameTaken, {name});
    return std::nullopt;
}

bool DeleteRailBox(app::Workspace& ws, int header) {
    std::vector<BoxLines> boxes = ExtractBoxes(ws.Catalogue);
    const std::vector<RailBoxEntry> entries = RailBoxEntries(ws.Catalogue);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].Header != header) continue;
        const platform::Message question{
            text::Msg(text::MessageId::DeleteRailBoxQuestion, {entries[i].Name}),
            RailBoxEditorTitle(), platform::MessageIcon::Question, platform::MessageButtons::YesNo};
        if (platform::ShowModal(*ws.Host, question) != platform::Answer::Yes) return false;
        KeepChosenBox keep(ws);
        boxes.erase(boxes.begin() + static_cast<std::ptrdiff_t>(i));
        Rebuild(ws.Catalogue, boxes);
        return true;
    }
    return false;
}

bool RenameRailBox(app::Workspace& ws, int header) {
    std::vector<BoxLines> boxes = ExtractBoxes(ws.Catalogue);
    const std::vector<RailBoxEntry> entries = RailBoxEntries(ws.Catalogue);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].Header != header) continue;
        const auto name = AskName(ws, entries[i].Name, header);
        if (!name || *name == entries[i].Name) return false;
        // The chosen box keeps being chosen under its new name.
        const bool chosen = ws.Editor.SelBox == header;
        {
            KeepChosenBox keep(ws);
            boxes[i].front().first = "#" + *name;
            Rebuild(ws.Catalogue, boxes);
        }
        if (chosen) ws.Editor.SelBox = static_cast<std::int16_t>(header);
        return true;
    }
    return false;
}

bool MakeRailBoxFromSelection(app::Workspace& ws) {
    bool anyTrack = false;
    for (const int n : editor::SelectedRails(ws.Editor)) {
        if (!ws.Layout.IsLive(n)) continue;
        const int kind = ws.Layout.Rails[n].Kind;
        anyTrack = anyTrack || kind == model::KindStraight || kind == model::KindCurve;
    }
    if (!anyTrack) {
        Refuse(ws, text::Msg(text::MessageId::RailBoxNeedsTrack));
        return false;
    }
    const auto name = AskName(ws, "", -1);
    if (!name) return false;
    KeepChosenBox keep(ws);
    // New boxes go before the clipboard box, which stays last for cut and copy.
    std::vector<BoxLines> boxes = ExtractBoxes(ws.Catalogue);
    std::optional<BoxLines> clip;
    for (auto it = boxes.begin(); it != boxes.end(); ++it) {
        if (it->front().second.Name == ClipRailBoxName) {
            clip = std::move(*it);
            boxes.erase(it);
            break;
        }
    }
    Rebuild(ws.Catalogue, boxes);
    editor::StoreSelectionAsBox(ws, *name);
    if (clip) {
        boxes = ExtractBoxes(ws.Catalogue);
        boxes.push_back(std::move(*clip));
        Rebuild(ws.Catalogue, boxes);
    }
    return true;
}

bool CloseRailBoxEditor(app::Workspace& ws, const Catalogue& opened) {
    if (ws.Catalogue.RailBoxRails == opened.RailBoxRails &&
        ws.Catalogue.RailBoxRailMax == opened.RailBoxRailMax)
        return true;
    const platform::Answer answer = platform::ShowModal(
        *ws.Host, {text::Msg(text::MessageId::SaveChangesQuestion), RailBoxEditorTitle(),
                   platform::MessageIcon::Question, platform::MessageButtons::YesNoCancel});
    if (answer == platform::Answer::Cancel) return false;
    if (answer == platform::Answer::Yes) return WriteCatalogue(ws);
    KeepChosenBox keep(ws);
    ws.Catalogue.RailBoxRails = opened.RailBoxRails;
    ws.Catalogue.RailBoxRailMax = opened.RailBoxRailMax;
    return true;
}

} // namespace ferrovane::catalogue
