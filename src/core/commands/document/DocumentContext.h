#pragma once

#include "core/values/text/Messages.h"
#include <string>

namespace ferrovane::document {

// What the main window does for the document commands besides drawing: its scroll
// bars and its size. The GUI implements it; tests record the calls.
class BoardFrame {
public:
    virtual ~BoardFrame() = default;
    // Sets both scroll bars (layout units) and scrolls the board there.
    virtual void SetScrollBars(int /*horizontal*/, int /*vertical*/) {}
    // Lays out board, scroll bars and status line again for the layout's board size.
    virtual void ResizeBoard() {}
};

// The folders the document commands start their file dialogs in, and the main window.
struct DocumentContext {
    std::string LayoutDir;    // the open-layout dialog
    std::string CatalogueDir; // the catalogue dialogs: the bundled catalogues
    std::string WorkingDir;   // the save dialog
    BoardFrame* Frame = nullptr;
};

// How a command that may need a catalogue ended. Quit: the user closed the welcome
// notice with its window's close button; the program ends.
enum class CommandResult { Done, Cancelled, Quit };

// The file dialog filters ("description|pattern|...").
inline const char* LayoutFilter() {
    return text::Msg(text::MessageId::LayoutFilter);
}
inline const char* CatalogueFilter() {
    return text::Msg(text::MessageId::CatalogueFilter);
}
inline const char* OpenLayoutTitle() {
    return text::Msg(text::MessageId::OpenLayoutTitle);
}
inline const char* SaveLayoutTitle() {
    return text::Msg(text::MessageId::SaveLayoutTitle);
}
inline const char* OpenCatalogueTitle() {
    return text::Msg(text::MessageId::OpenCatalogueTitle);
}
// The name a never-saved layout may carry.
inline const char* UntitledLayoutName() {
    return text::Msg(text::MessageId::UntitledLayoutName);
}

} // namespace ferrovane::document
