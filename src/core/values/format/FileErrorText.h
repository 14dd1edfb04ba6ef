#pragma once

#include <string>
#include <string_view>

#include "core/values/format/FileError.h"

namespace ferrovane::document {

// The Japanese texts of file errors: what the numbered file messages show after "説明 : ".
// A description is the error number's text, then an optional reason, then an optional
// place (a line and a field, or a path) in parentheses.

// The run-time error text of an error number.
std::string ErrorNumberText(int number);

// An error with the number's text, the reason after it and the place in parentheses.
FileError MakeFileError(int number, std::string_view reason = {}, std::string_view place = {});

// Adds the place to an error a lower reader made without knowing where it was.
void AddErrorPlace(FileError& error, std::string_view place);

// "2 行目" or "2 行目 レイアウトの幅".
std::string LinePlace(int line, std::string_view field = {});

// A field of a layout record: "6 行目 レール 3 の 7 番目の項目".
std::string RecordItemPlace(int line, int rail, int item);

// A line within a catalogue section: "12 行目 曲線レールの欄"; the section heading itself is
// named as the field: "3 行目 欄の見出し".
std::string SectionPlace(int line, std::string_view section);

// Reasons with numbers in them.
std::string ReasonRecordTooShort(int items, int read);
std::string ReasonRecordTooLong(int items);
std::string ReasonTooManyRails(int most);
std::string ReasonTooManyEntries(std::string_view section, int count, int most);

// The reason an operating-system error number gives, in Japanese; writing tells a save
// from a read where the same number means different things to the user.
std::string SystemErrorReason(int errnoValue, bool writing);

// Reasons the readers and writers give.
inline constexpr std::string_view ReasonNotShiftJis = "Shift_JIS として読めない文字があります。";
inline constexpr std::string_view ReasonNoFileName = "ファイル名が指定されていません。";
inline constexpr std::string_view ReasonNoFolder = "保存先のフォルダーがありません。";
inline constexpr std::string_view ReasonNoImage = "保存する画像がありません。";
inline constexpr std::string_view ReasonNoPages = "書き出すページを作れませんでした。";
inline constexpr std::string_view ReasonImageNotEncoded = "画像を変換できませんでした。";

// Names of the fields and sections the messages point at.
inline constexpr std::string_view FieldLayoutWidth = "レイアウトの幅";
inline constexpr std::string_view FieldLayoutHeight = "レイアウトの高さ";
inline constexpr std::string_view FieldSectionHeading = "欄の見出し";
inline constexpr std::string_view SectionStraights = "直線レール";
inline constexpr std::string_view SectionCurves = "曲線レール";
inline constexpr std::string_view SectionPoints = "ポイント";
inline constexpr std::string_view SectionCurvedPoints = "曲線ポイント";
inline constexpr std::string_view SectionOldStraights = "旧形式の直線レール";
inline constexpr std::string_view SectionOldCurves = "旧形式の曲線レール";
inline constexpr std::string_view SectionOldPoints = "旧形式のポイント";
inline constexpr std::string_view SectionOldCurvedPoints = "旧形式の曲線ポイント";
inline constexpr std::string_view SectionRailBoxes = "レールボックス";

} // namespace ferrovane::document
