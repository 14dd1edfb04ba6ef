#include "support/FakeUiHost.h"

namespace ferrovane::testing {

namespace {
template <typename T, typename D> T Next(std::deque<T>& queue, D fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
}
} // namespace

platform::Answer FakeUiHost::ShowMessage(const platform::Message& message) {
    Messages.push_back(message);
    const auto fallback = message.Buttons == platform::MessageButtons::Ok
                              ? platform::Answer::Ok
                              : platform::Answer::Cancel;
    return Next(Answers, fallback);
}

std::optional<std::string> FakeUiHost::InputText(const std::string& prompt,
                                                 const std::string& title,
                                                 const std::string& initial) {
    Prompts.push_back(prompt);
    InputTitles.push_back(title);
    InputDefaults.push_back(initial);
    return Next(TextAnswers, std::nullopt);
}

std::optional<std::string> FakeUiHost::ChooseOpenFile(const platform::FileRequest& request) {
    FileRequests.push_back(request);
    return Next(FileAnswers, std::nullopt);
}

std::optional<std::string> FakeUiHost::ChooseSaveFile(const platform::FileRequest& request) {
    FileRequests.push_back(request);
    return Next(FileAnswers, std::nullopt);
}

std::optional<long> FakeUiHost::ChooseColour(long) { return Next(ColourAnswers, std::nullopt); }

} // namespace ferrovane::testing
