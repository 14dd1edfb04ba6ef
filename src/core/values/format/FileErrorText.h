#pragma once

#include <string>
#include <string_view>

#include "core/values/format/FileError.h"
#include "core/values/text/Messages.h"

namespace ferrovane::document {

// The texts of file errors, in the current language: what the numbered file messages show
// after "説明 : " ("Description: ").
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

// The reason an operating-system error number gives; writing tells a save
// from a read where the same number means different things to the user.
std::string SystemErrorReason(int errnoValue, bool writing);

// Reasons the readers and writers give.
inline std::string_view ReasonNotShiftJis() {
    return text::Msg(text::MessageId::ReasonNotShiftJis);
}
inline std::string_view ReasonNoFileName() {
    return text::Msg(text::MessageId::ReasonNoFileName);
}
inline std::string_view ReasonNoFolder() {
    return text::Msg(text::MessageId::ReasonNoFolder);
}
inline std::string_view ReasonNoImage() {
    return text::Msg(text::MessageId::ReasonNoImage);
}
inline std::string_view ReasonNoPages() {
    return text::Msg(text::MessageId::ReasonNoPages);
}
inline std::string_view ReasonImageNotEncoded() {
    return text::Msg(text::MessageId::ReasonImageNotEncoded);
}

// Names of the fields and sections the messages point at.
inline std::string_view FieldLayoutWidth() {
    return text::Msg(text::MessageId::FieldLayoutWidth);
}
inline std::string_view FieldLayoutHeight() {
    return text::Msg(text::MessageId::FieldLayoutHeight);
}
inline std::string_view FieldSectionHeading() {
    return text::Msg(text::MessageId::FieldSectionHeading);
}
inline std::string_view SectionStraights() {
    return text::Msg(text::MessageId::SectionStraights);
}
inline std::string_view SectionCurves() {
    return text::Msg(text::MessageId::SectionCurves);
}
inline std::string_view SectionPoints() {
    return text::Msg(text::MessageId::SectionPoints);
}
inline std::string_view SectionCurvedPoints() {
    return text::Msg(text::MessageId::SectionCurvedPoints);
}
inline std::string_view SectionOldStraights() {
    return text::Msg(text::MessageId::SectionOldStraights);
}
inline std::string_view SectionOldCurves() {
    return text::Msg(text::MessageId::SectionOldCurves);
}
inline std::string_view SectionOldPoints() {
    return text::Msg(text::MessageId::SectionOldPoints);
}
inline std::string_view SectionOldCurvedPoints() {
    return text::Msg(text::MessageId::SectionOldCurvedPoints);
}
inline std::string_view SectionRailBoxes() {
    return text::Msg(text::MessageId::SectionRailBoxes);
}

} // namespace ferrovane::document
