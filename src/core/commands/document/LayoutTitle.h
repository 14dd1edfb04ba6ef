#pragma once

#include <string>

namespace ferrovane::app {
struct Workspace;
}
namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::document {

// The main window's title: "Ferrovane Ver " major "." minor "  [" file name "]"; the
// brackets are empty for a layout never saved.
std::string MainTitle(const model::Layout& layout);

// Sets the main window's title from the open layout. The window's recent-file menu
// reads Layout.RecentFiles when the title changes.
void SetfrmMainTitle(app::Workspace& ws);

} // namespace ferrovane::document
