#pragma once

#include "core/values/platform/UiHost.h"

namespace ferrovane::platform {

// Passes everything to another host but keeps the tool box where it is: while a modal
// window has put the tool box away, the questions it asks must not bring it back.
class ToolBoxHeldHost : public UiHost {
public:
    explicit ToolBoxHeldHost(UiHost& inner) : mInner(inner) {}

    Answer ShowMessage(const Message& message) override { return mInner.ShowMessage(message); }
    std::optional<std::string> InputText(const std::string& prompt, const std::string& title,
                                         const std::string& initial) override {
        return mInner.InputText(prompt, title, initial);
    }
    std::optional<std::string> ChooseOpenFile(const FileRequest& request) override {
        return mInner.ChooseOpenFile(request);
    }
    std::optional<std::string> ChooseSaveFile(const FileRequest& request) override {
        return mInner.ChooseSaveFile(request);
    }
    std::optional<long> ChooseColour(long initial) override { return mInner.ChooseColour(initial); }
    void ShowNote(const std::string& text) override { mInner.ShowNote(text); }
    void SetStatusText(const std::string& text) override { mInner.SetStatusText(text); }
    void HideToolBox() override {}
    void ShowToolBox() override {}
    void RefreshRailLists() override { mInner.RefreshRailLists(); }
    void SetTitle(const std::string& title) override { mInner.SetTitle(title); }
    void SetBusy(bool busy) override { mInner.SetBusy(busy); }
    void Beep() override { mInner.Beep(); }
    void EnableCC(bool enabled) override { mInner.EnableCC(enabled); }

private:
    UiHost& mInner;
};

} // namespace ferrovane::platform
