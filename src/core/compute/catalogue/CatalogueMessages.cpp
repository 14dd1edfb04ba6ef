#include "core/compute/catalogue/CatalogueMessages.h"

namespace ferrovane::catalogue {

using platform::Message;
using platform::MessageButtons;
using platform::MessageIcon;

Message CatalogueReadErrorMessage(const document::FileError& error) {
    Message m;
    m.Text =
        "[#2] "
        "レール情報ファイル読込中にエラーが発生しました。旧バージョンからのアップグレードの際は"
        "\r"
        "「レール情報ファイルの変更」にて新しく添付されているレール情報ファイルを設定し直して下さい"
        "。"
        "\r\r"
        "エラー番号は " +
        std::to_string(error.Number) + "。 説明 : " + error.Description;
    m.Title = "エラー";
    m.Icon = MessageIcon::Exclamation;
    m.Buttons = MessageButtons::Ok;
    m.HelpTopic = CatalogueReadHelpTopic;
    return m;
}

Message NameTooLongMessage(std::size_t limit) {
    Message m;
    m.Text = "レール名が" + std::to_string(limit) + "文字を越えては行けません";
    m.Title = "エラー";
    m.Buttons = MessageButtons::Ok;
    return m;
}

Message OldFormatNoticeMessage() {
    Message m;
    m.Text =
        "旧形式のレール情報ファイルを読み込みます。後でこのファイルを削除して、新しく添付されて"
        "いるファイルを使用することをお薦めします。";
    m.Title = "Ferrovane";
    m.Icon = MessageIcon::Information;
    return m;
}

Message InvalidPointsMessage() {
    Message m;
    m.Text = "レール情報が不正です。セーブを行いません。";
    m.Title = "Ferrovane";
    m.Icon = MessageIcon::Exclamation;
    return m;
}

Message CatalogueWriteErrorMessage(const document::FileError& error) {
    Message m;
    m.Text = "[#3] レール情報ファイル書込中にエラーが発生しました。 エラー番号は " +
             std::to_string(error.Number) + "。\r\n説明 : " + error.Description;
    m.Title = "エラー";
    m.Icon = MessageIcon::Exclamation;
    return m;
}

} // namespace ferrovane::catalogue
