#include "core/compute/output/ImageExportName.h"
#include "core/values/text/Messages.h"

namespace ferrovane::output {

const char* ImageExportFilter() {
    return text::Msg(text::MessageId::ImageExportFilter);
}
const char* ImageExportTitle() {
    return text::Msg(text::MessageId::ImageExportTitle);
}
const char* ImageExportFailedText() {
    return text::Msg(text::MessageId::ImageExportFailedText);
}
const char* ImageExportFailedTitle() {
    return text::Msg(text::MessageId::ErrorTitle);
}

namespace {

// Lower-cases ASCII letters only: the name's other bytes stay as they are.
std::string AsciiLower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool EndsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() &&
           s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

ImageFormat ImageFormatForName(const std::string& fileName) {
    const std::string lower = AsciiLower(fileName);
    if (lower.find(".jpg") != std::string::npos || lower.find(".jpeg") != std::string::npos) {
        return ImageFormat::Jpeg;
    }
    if (EndsWith(lower, ".png")) return ImageFormat::Png;
    return ImageFormat::Bmp;
}

PlanFormat PlanFormatForName(const std::string& fileName) {
    const std::string lower = AsciiLower(fileName);
    if (EndsWith(lower, ".pdf")) return PlanFormat::Pdf;
    if (EndsWith(lower, ".svg")) return PlanFormat::Svg;
    return PlanFormat::None;
}

} // namespace ferrovane::output
