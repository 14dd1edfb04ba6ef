#include "core/values/format/FileErrorText.h"

#include "core/values/text/Messages.h"
#include <cerrno>

namespace ferrovane::document {

std::string ErrorNumberText(int number) {
    switch (number) {
    case ErrOverflow:
        return text::Msg(text::MessageId::ErrorOverflow);
    case ErrTypeMismatch:
        return text::Msg(text::MessageId::ErrorTypeMismatch);
    case ErrFileNotFound:
        return text::Msg(text::MessageId::ErrorFileNotFound);
    case ErrDiskFull:
        return text::Msg(text::MessageId::ErrorDiskFull);
    case ErrInputPastEnd:
        return text::Msg(text::MessageId::ErrorInputPastEnd);
    case ErrPathAccess:
        return text::Msg(text::MessageId::ErrorPathAccess);
    default:
        return text::Msg(text::MessageId::ErrorApplication);
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
    const std::string number = std::to_string(line);
    if (field.empty()) return text::Msg(text::MessageId::LinePlace, {number});
    return text::Msg(text::MessageId::LineFieldPlace, {number, field});
}

std::string RecordItemPlace(int line, int rail, int item) {
    return text::Msg(text::MessageId::RecordItemPlace,
                     {std::to_string(line), std::to_string(rail), std::to_string(item)});
}

std::string SectionPlace(int line, std::string_view section) {
    if (section == FieldSectionHeading()) return LinePlace(line, section);
    return text::Msg(text::MessageId::SectionPlace, {std::to_string(line), section});
}

std::string ReasonRecordTooShort(int items, int read) {
    return text::Msg(text::MessageId::ReasonRecordTooShort,
                     {std::to_string(items), std::to_string(read)});
}

std::string ReasonRecordTooLong(int items) {
    return text::Msg(text::MessageId::ReasonRecordTooLong, {std::to_string(items)});
}

std::string ReasonTooManyRails(int most) {
    return text::Msg(text::MessageId::ReasonTooManyRails, {std::to_string(most)});
}

std::string ReasonTooManyEntries(std::string_view section, int count, int most) {
    return text::Msg(text::MessageId::ReasonTooManyEntries,
                     {section, std::to_string(count), std::to_string(most)});
}

std::string SystemErrorReason(int errnoValue, bool writing) {
    switch (errnoValue) {
    case ENOSPC:
    case EDQUOT:
        return text::Msg(text::MessageId::ErrorDiskFull);
    case EACCES:
    case EPERM:
        return writing ? text::Msg(text::MessageId::ReasonWriteDenied)
                       : text::Msg(text::MessageId::ReasonReadDenied);
    case EROFS:
        return text::Msg(text::MessageId::ReasonReadOnlyDrive);
    case EISDIR:
        return text::Msg(text::MessageId::ReasonIsFolder);
    case ENOENT:
        return text::Msg(text::MessageId::ReasonNoSuchFile);
    case ENOTDIR:
        return text::Msg(text::MessageId::ReasonNotFolder);
    case EEXIST:
        return text::Msg(text::MessageId::ReasonFileExists);
    case ELOOP:
        return text::Msg(text::MessageId::ReasonLinkLoop);
    case ENAMETOOLONG:
        return text::Msg(text::MessageId::ReasonNameTooLong);
    case EIO:
        return text::Msg(text::MessageId::ReasonDeviceError);
    default:
        return text::Msg(text::MessageId::ReasonSystemError, {std::to_string(errnoValue)});
    }
}

} // namespace ferrovane::document
