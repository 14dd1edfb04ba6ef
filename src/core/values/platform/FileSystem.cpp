#include "core/values/platform/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace ferrovane::platform {

namespace {

document::FileError ErrnoError(int number, const std::string& path) {
    const int code = number == ENOENT ? document::ErrFileNotFound : document::ErrPathAccess;
    return {code, std::string(std::strerror(number)) + ": " + path};
}

} // namespace

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::optional<std::string> ReadWholeFile(const std::string& path, document::FileError& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = ErrnoError(errno, path);
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
            error = ErrnoError(errno, path);
            ::close(fd);
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         document::FileError& error) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    std::string name = target.filename().string();
    name.insert(name.begin(), '.');
    name.append(".XXXXXX");
    std::string tmpl = (target.parent_path() / name).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) {
        error = ErrnoError(errno, path);
        return false;
    }
    // Keep the permissions of the file being replaced, or the usual ones for a new file.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);
    else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = ErrnoError(errno, path);
            ::close(fd);
            ::unlink(tmpl.c_str());
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        error = ErrnoError(errno, path);
        ::unlink(tmpl.c_str());
        return false;
    }
    if (::rename(tmpl.c_str(), path.c_str()) != 0) {
        error = ErrnoError(errno, path);
        ::unlink(tmpl.c_str());
        return false;
    }
    return true;
}

} // namespace ferrovane::platform
