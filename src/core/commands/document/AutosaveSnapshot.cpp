#include "core/commands/document/AutosaveSnapshot.h"

#include <algorithm>

#include "core/commands/document/DocumentContext.h"
#include "core/commands/workspace/Workspace.h"

namespace ferrovane::document {

AutosaveSnapshot TakeAutosaveSnapshot(const app::Workspace& ws, std::int64_t savedAt) {
    const model::Layout& from = ws.Layout;
    AutosaveSnapshot snapshot;
    model::Layout& to = snapshot.Layout;
    const auto slots = static_cast<std::size_t>(std::clamp<std::int64_t>(
        from.RailCount + 1, 1, static_cast<std::int64_t>(from.Rails.size())));
    to.Rails.assign(from.Rails.begin(), from.Rails.begin() + static_cast<std::ptrdiff_t>(slots));
    to.RailCount = static_cast<std::int32_t>(slots) - 1;
    to.LayoutWidth = from.LayoutWidth;
    to.LayoutHeight = from.LayoutHeight;
    to.Modified = true;
    const std::string& name = from.LayoutFileName;
    snapshot.Record.LayoutFileName = name == UntitledLayoutName() ? std::string() : name;
    snapshot.Record.CatalogueFileName = ws.Catalogue.RTypeFileName;
    snapshot.Record.SavedAt = savedAt;
    return snapshot;
}

} // namespace ferrovane::document
