#pragma once

#include <cstdio>

#include "core/values/platform/UiHost.h"

namespace ferrovane::platform {

// The command line's host: every message goes to standard error as one line
// ("title: text", line breaks turned into blanks); questions get a fixed answer and
// dialogs are cancelled.
class ConsoleUiHost : public UiHost {
public:
    explicit ConsoleUiHost(std::FILE* out = stderr, Answer questionAnswer = Answer::No)
        : mOut(out), mQuestionAnswer(questionAnswer) {}

    Answer ShowMessage(const Message& message) override;
    std::optional<std::string> InputText(const std::string&, const std::string&,
                                         const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const FileRequest&) override { return std::nullopt; }
    std::optional<std::string> ChooseSaveFile(const FileRequest&) override { return std::nullopt; }
    std::optional<long> ChooseColour(long) override { return std::nullopt; }
    void ShowNote(const std::string& text) override;

    int MessageCount() const { return mMessages; }

private:
    void PrintLine(const std::string& title, const std::string& text);
    std::FILE* mOut;
    Answer mQuestionAnswer;
    int mMessages = 0;
};

} // namespace ferrovane::platform
