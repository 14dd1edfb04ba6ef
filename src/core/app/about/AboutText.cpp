#include "core/app/about/AboutText.h"

#include "core/values/format/Version.h"
#include "core/values/platform/ProgramContact.h"
#include "core/values/text/Messages.h"

namespace ferrovane::app {

std::string VersionText() {
    return "Ver " + std::to_string(VersionMajor) + "." + std::to_string(VersionMinor) + "." +
           std::to_string(VersionRevision);
}

std::string AboutReport(const AboutFacts& facts) {
    std::string report = std::string(ProgramName) + " " + VersionText() + "\n";
    report += "Qt " + facts.QtVersion + "\n";
    report += text::Msg(text::MessageId::AboutSystem, {facts.System}) + "\n";
    if (!facts.Kernel.empty())
        report += text::Msg(text::MessageId::AboutKernel, {facts.Kernel}) + "\n";
    report += "Web : " + std::string(WebPage) + "\n";
    report += text::Msg(text::MessageId::AboutMail, {MailAddress}) + "\n";
    return report;
}

} // namespace ferrovane::app
