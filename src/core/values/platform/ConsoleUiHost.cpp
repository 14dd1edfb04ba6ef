#include "core/values/platform/ConsoleUiHost.h"

namespace ferrovane::platform {

void ConsoleUiHost::PrintLine(const std::string& title, const std::string& text) {
    std::string line = title + ": ";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            line += ' ';
        } else {
            line += c;
        }
    }
    line += '\n';
    std::fputs(line.c_str(), mOut);
}

Answer ConsoleUiHost::ShowMessage(const Message& message) {
    ++mMessages;
    PrintLine(message.Title, message.Text);
    if (!message.Details.empty()) PrintLine(message.Title, message.Details);
    switch (message.Buttons) {
    case MessageButtons::Ok:
        return Answer::Ok;
    case MessageButtons::OkCancel:
        return Answer::Ok;
    default:
        return mQuestionAnswer;
    }
}

void ConsoleUiHost::ShowNote(const std::string& text) {
    PrintLine("Ferrovane", text);
}

} // namespace ferrovane::platform
