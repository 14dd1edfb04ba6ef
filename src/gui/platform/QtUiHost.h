#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

#include "core/values/platform/UiHost.h"

namespace ferrovane::gui {

// The user interface the core talks to: Qt message boxes, input boxes, file and colour
// dialogs, and hooks into the main window for the status line, title, tool box and
// redraws.
class QtUiHost : public platform::UiHost {
public:
    explicit QtUiHost(QWidget* owner = nullptr) : mOwner(owner) {}
    void SetOwner(QWidget* owner) { mOwner = owner; }

    platform::Answer ShowMessage(const platform::Message& message) override;
    std::optional<std::string> InputText(const std::string& prompt, const std::string& title,
                                         const std::string& initial) override;
    std::optional<std::string> ChooseOpenFile(const platform::FileRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const platform::FileRequest& request) override;
    std::optional<long> ChooseColour(long initial) override;
    void ShowNote(const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    void HideToolBox() override;
    void ShowToolBox() override;
    bool IsToolBoxShown() const override;
    void RefreshRailLists() override;
    void SetTitle(const std::string& title) override;
    void SetBusy(bool busy) override;
    void Beep() override;
    void EnableCC(bool enabled) override;

    // The main window plugs its widgets in here.
    std::function<void(const QString&)> OnStatusText;
    std::function<void(const QString&)> OnNote;
    std::function<void(bool)> OnToolBoxVisible;
    std::function<bool()> ToolBoxShown;
    std::function<void()> OnRailListsChanged;
    std::function<void(bool)> OnEnableCC;

private:
    friend class ToolBoxAside;
    QPointer<QWidget> mOwner;
};

// "desc|pattern|desc|pattern" as a Qt name filter list "desc (pattern);;...".
QString QtFileFilter(const std::string& filter);

} // namespace ferrovane::gui
