#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/values/platform/UiHost.h"

namespace ferrovane::testing {

// Records every call and answers from scripted queues (default: Ok / Cancel / nullopt).
class FakeUiHost : public platform::UiHost {
public:
    platform::Answer ShowMessage(const platform::Message& message) override;
    std::optional<std::string> InputText(const std::string& prompt, const std::string& title,
                                         const std::string& initial) override;
    std::optional<std::string> ChooseOpenFile(const platform::FileRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const platform::FileRequest& request) override;
    std::optional<long> ChooseColour(long initial) override;
    void ShowNote(const std::string& text) override { Notes.push_back(text); }
    void SetStatusText(const std::string& text) override { StatusTexts.push_back(text); }
    void HideToolBox() override {
        ++ToolBoxHides;
        ToolBoxVisible = false;
    }
    void ShowToolBox() override {
        ++ToolBoxShows;
        ToolBoxVisible = true;
    }
    bool IsToolBoxShown() const override { return ToolBoxVisible; }
    void RefreshRailLists() override { ++RailListRefreshes; }
    void SetTitle(const std::string& title) override { Titles.push_back(title); }
    void Beep() override { ++Beeps; }
    void EnableCC(bool enabled) override { CCEnabled.push_back(enabled); }

    std::vector<platform::Message> Messages;
    std::vector<platform::FileRequest> FileRequests;
    std::vector<std::string> Notes, StatusTexts, Titles, Prompts;
    std::vector<std::string> InputTitles, InputDefaults;
    std::vector<bool> CCEnabled;
    int ToolBoxHides = 0, ToolBoxShows = 0, RailListRefreshes = 0, Beeps = 0;
    bool ToolBoxVisible = true;

    std::deque<platform::Answer> Answers;
    std::deque<std::optional<std::string>> TextAnswers;
    std::deque<std::optional<std::string>> FileAnswers;
    std::deque<std::optional<long>> ColourAnswers;
};

} // namespace ferrovane::testing
