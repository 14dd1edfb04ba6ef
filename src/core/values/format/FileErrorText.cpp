#include "core/values/format/FileErrorText.h"

#include <cerrno>

namespace ferrovane::document {

std::string ErrorNumberText(int number) {
    switch (number) {
    case ErrOverflow:
        return "オーバーフローしました。";
    case ErrTypeMismatch:
        return "型が一致しません。";
    case ErrFileNotFound:
        return "ファイルが見つかりません。";
    case ErrDiskFull:
        return "ディスクの空き容量が不足しています。";
    case ErrInputPastEnd:
        return "ファイルにこれ以上データがありません。";
    case ErrPathAccess:
        return "パス名が無効です。";
    default:
        return "アプリケーション定義またはオブジェクト定義のエラーです。";
    }
}

FileError MakeFileError(int number, std::string_view reason, std::string_view place) {
    FileError error{number, ErrorNumberText(number)};
    if (!reason.empty()) {
        error.Description += ' ';
        error.Description += reason;
    }
    AddErrorPlace(error, place);
    return error;
}

void AddErrorPlace(FileError& error, std::string_view place) {
    if (place.empty()) return;
    error.Description += " (";
    error.Description += place;
    error.Description += ')';
}

std::string LinePlace(int line, std::string_view field) {
    std::string place = std::to_string(line) + " 行目";
    if (!field.empty()) {
        place += ' ';
        place += field;
    }
    return place;
}

std::string RecordItemPlace(int line, int rail, int item) {
    return LinePlace(line) + " レール " + std::to_string(rail) + " の " + std::to_string(item) +
           " 番目の項目";
}

std::string SectionPlace(int line, std::string_view section) {
    if (section == FieldSectionHeading) return LinePlace(line, section);
    return LinePlace(line, section) + "の欄";
}

std::string ReasonRecordTooShort(int items, int read) {
    return std::to_string(items) + " 項目のうち " + std::to_string(read) + " 項目しかありません。";
}

std::string ReasonRecordTooLong(int items) {
    return "項目が " + std::to_string(items) + " より多くあります。";
}

std::string ReasonTooManyRails(int most) {
    return "レールは " + std::to_string(most) + " 本までです。";
}

std::string ReasonTooManyEntries(std::string_view section, int count, int most) {
    return std::string(section) + "が " + std::to_string(count) +
           " 件あります。レール情報ファイルに書き込めるのは " + std::to_string(most) +
           " 件までです。";
}

std::string SystemErrorReason(int errnoValue, bool writing) {
    switch (errnoValue) {
    case ENOSPC:
    case EDQUOT:
        return "ディスクの空き容量が不足しています。";
    case EACCES:
    case EPERM:
        return writing ? "書き込みが禁止されています。" : "読み取りが禁止されています。";
    case EROFS:
        return "書き込みが禁止されたドライブです。";
    case EISDIR:
        return "フォルダーです。";
    case ENOENT:
        return "ファイルまたはフォルダーがありません。";
    case ENOTDIR:
        return "途中にフォルダーではないものがあります。";
    case EEXIST:
        return "同じ名前のファイルが既にあります。";
    case ELOOP:
        return "シンボリック リンクが循環しています。";
    case ENAMETOOLONG:
        return "ファイル名が長すぎます。";
    case EIO:
        return "装置の読み書きに失敗しました。";
    default:
        return "システム エラーです (番号 " + std::to_string(errnoValue) + ")。";
    }
}

} // namespace ferrovane::document
