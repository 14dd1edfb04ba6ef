#pragma once

#include <optional>
#include <string>

namespace ferrovane::platform {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    std::string Text;
    std::string Title;
    MessageIcon Icon = MessageIcon::None;
    MessageButtons Buttons = MessageButtons::Ok;
    int HelpTopic = 0; // 0: no Help button
    // Shown on request under the text (the reason and the file of a failed write).
    std::string Details = {};
};

// What a file dialog asks for. Filter uses the "description|pattern|..." form.
struct FileRequest {
    std::string Title;
    std::string Filter;
    std::string InitialDir;
    std::string InitialName;
};

// Everything the core asks of the user interface. The GUI implements it with dialogs
// and widgets, the command line with standard error and fixed answers, the tests with
// a recording fake. Texts are UTF-8 and are shown unchanged.
class UiHost {
public:
    virtual ~UiHost() = default;

    // A message box; returns the button chosen.
    virtual Answer ShowMessage(const Message& message) = 0;
    // A one-line text question; nullopt when cancelled.
    virtual std::optional<std::string>
    InputText(const std::string& prompt, const std::string& title, const std::string& initial) = 0;
    virtual std::optional<std::string> ChooseOpenFile(const FileRequest& request) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileRequest& request) = 0;
    // An RGB long colour (red in the low byte); nullopt when cancelled.
    virtual std::optional<long> ChooseColour(long initial) = 0;

    // The transient note over the board (the message window).
    virtual void ShowNote(const std::string& /*text*/) {}
    virtual void SetStatusText(const std::string& /*text*/) {}
    virtual void HideToolBox() {}
    virtual void ShowToolBox() {}
    // Whether the tool box is on the screen now (a host without one says it is).
    virtual bool IsToolBoxShown() const { return true; }
    // The catalogue changed: the tool box refills its rail lists.
    virtual void RefreshRailLists() {}
    virtual void SetTitle(const std::string& /*title*/) {}
    virtual void SetBusy(bool /*busy*/) {}
    virtual void Beep() {}
    // Cut and copy are offered only while rails are selected.
    virtual void EnableCC(bool /*enabled*/) {}
};

// Shows the busy pointer for as long as it lives.
class BusyPointer {
public:
    explicit BusyPointer(UiHost& host) : mHost(host) { mHost.SetBusy(true); }
    ~BusyPointer() { mHost.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    UiHost& mHost;
};

// Shows a message with the tool box hidden for the time of the question, as every
// modal message of the editor does, and leaves the tool box as it found it: a question
// asked while a window has put the tool box away does not bring it back.
Answer ShowModal(UiHost& host, const Message& message);

} // namespace ferrovane::platform
