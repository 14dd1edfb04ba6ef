#include "core/values/platform/FileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/values/format/FileErrorText.h"

namespace ferrovane::platform {

document::FileError ErrnoFileError(int number, const std::string& path, bool writing) {
    if (number == ENOSPC || number == EDQUOT)
        return document::MakeFileError(document::ErrDiskFull, {}, path);
    if (number == ENOENT)
        return document::MakeFileError(document::ErrFileNotFound,
                                       writing ? document::ReasonNoFolder() : "", path);
    return document::MakeFileError(document::ErrPathAccess,
                                   document::SystemErrorReason(number, writing), path);
}

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::optional<std::string> ReadWholeFile(const std::string& path, document::FileError& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = ErrnoFileError(errno, path, false);
        return std::nullopt;
    }
    std::string bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = ErrnoFileError(errno, path, false);
            ::close(fd);
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

} // namespace ferrovane::platform
