#include "core/compute/catalogue/CatalogueMessages.h"
#include "core/values/text/Messages.h"

namespace ferrovane::catalogue {

using platform::Message;
using platform::MessageButtons;
using platform::MessageIcon;

Message CatalogueReadErrorMessage(const document::FileError& error) {
    Message m;
    m.Text = text::Msg(text::MessageId::CatalogueReadError,
                       {std::to_string(error.Number), error.Description});
    m.Title = text::Msg(text::MessageId::ErrorTitle);
    m.Icon = MessageIcon::Exclamation;
    m.Buttons = MessageButtons::Ok;
    m.HelpTopic = CatalogueReadHelpTopic;
    return m;
}

Message NameTooLongMessage(std::size_t limit) {
    Message m;
    m.Text = text::Msg(text::MessageId::RailNameTooLong, {std::to_string(limit)});
    m.Title = text::Msg(text::MessageId::ErrorTitle);
    m.Buttons = MessageButtons::Ok;
    return m;
}

Message OldFormatNoticeMessage() {
    Message m;
    m.Text = text::Msg(text::MessageId::OldFormatNotice);
    m.Title = "Ferrovane";
    m.Icon = MessageIcon::Information;
    return m;
}

Message InvalidPointsMessage() {
    Message m;
    m.Text = text::Msg(text::MessageId::InvalidPoints);
    m.Title = "Ferrovane";
    m.Icon = MessageIcon::Exclamation;
    return m;
}

Message CatalogueWriteErrorMessage(const document::FileError& error) {
    Message m;
    m.Text = text::Msg(text::MessageId::CatalogueWriteError,
                       {std::to_string(error.Number), error.Description});
    m.Title = text::Msg(text::MessageId::ErrorTitle);
    m.Icon = MessageIcon::Exclamation;
    return m;
}

} // namespace ferrovane::catalogue
