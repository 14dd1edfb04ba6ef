#pragma once

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
inline constexpr const char* LayoutFilter =
    "Ferrovaneファイル(*.fvl)|*.fvl|全てのファイル(*.*)|*.*";
inline constexpr const char* CatalogueFilter =
    "レール情報定義ファイル(*.rtr)|*.rtr|全てのファイル(*.*)|*.*";
inline constexpr const char* OpenLayoutTitle = "レイアウトファイルを開く";
inline constexpr const char* SaveLayoutTitle = "レイアウトファイルを保存";
inline constexpr const char* OpenCatalogueTitle = "レール情報定義ファイルを開く";
// The name a never-saved layout may carry.
inline constexpr const char* UntitledLayoutName = "新規作成.fvl";

} // namespace ferrovane::document
