#include "core/values/platform/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "core/values/format/FileErrorText.h"
#include "core/values/platform/FileSystem.h"

namespace ferrovane::platform {

namespace {

constexpr const char* TemporaryMarker = ".ferrovane-tmp-";

std::size_t gWriteRoom = std::numeric_limits<std::size_t>::max();
int gWriteRoomError = ENOSPC;

// Where a save goes: the file the path names after its symbolic links, its folder and
// its status when it exists already.
struct Target {
    std::string Path;
    std::string Folder;
    std::string Name;
    bool Exists = false;
    struct stat Status {};
};

std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// Follows symbolic links one by one, so that a link to a file not there yet names the
// file to create. Zero, or the error number.
int ResolveTarget(const std::string& path, Target& target) {
    if (path.back() == '/') return EISDIR;
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0) {
            if (errno != ENOENT) return errno;
            target.Path = current;
            break;
        }
        if (!S_ISLNK(st.st_mode)) {
            target.Path = current;
            target.Exists = true;
            target.Status = st;
            break;
        }
        char link[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), link, sizeof link - 1);
        if (n < 0) return errno;
        std::string next(link, static_cast<std::size_t>(n));
        if (next.empty()) return ENOENT;
        current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
    }
    if (target.Path.empty()) return ELOOP;
    if (target.Exists && S_ISDIR(target.Status.st_mode)) return EISDIR;
    target.Folder = FolderOf(target.Path);
    target.Name = std::filesystem::path(target.Path).filename().string();
    return 0;
}

// Whether the user may write the existing file. Root may write anything, but a file
// without any write bit was made read-only on purpose and is refused all the same.
bool MayWrite(const Target& target) {
    if (::geteuid() == 0) return (target.Status.st_mode & 0222) != 0;
    return ::faccessat(AT_FDCWD, target.Path.c_str(), W_OK, AT_EACCESS) == 0 || errno != EACCES;
}

bool ReadOnlyFileSystem(const std::string& folder) {
    struct statvfs fs {};
    return ::statvfs(folder.c_str(), &fs) == 0 && (fs.f_flag & ST_RDONLY) != 0;
}

bool ProcessAlive(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

// Temporary files of this target left behind by saves that did not finish.
void RemoveLeftovers(const Target& target) {
    DIR* dir = ::opendir(target.Folder.c_str());
    if (dir == nullptr) return;
    const std::string prefix = "." + target.Name + TemporaryMarker;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string digits = name.substr(prefix.size());
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const long pid = std::strtol(digits.c_str(), nullptr, 10);
        if (pid > 0 && !ProcessAlive(pid)) ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
    ::closedir(dir);
}

// Writes all bytes; zero, or the error number.
int WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        std::size_t chunk = bytes.size() - done;
        if (done >= gWriteRoom) return gWriteRoomError;
        if (chunk > gWriteRoom - done) chunk = gWriteRoom - done;
        const ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// The owner, group and permission bits of the file replaced, or the usual ones for a
// new file. An owner the process may not give keeps the set-id bits off.
void TakeOverAttributes(int fd, const Target& target) {
    if (!target.Exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        return;
    }
    const struct stat& st = target.Status;
    mode_t mode = st.st_mode & 07777;
    if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
            mode &= ~static_cast<mode_t>(S_ISUID | S_ISGID);
            if (::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) mode &= ~S_ISVTX;
        }
    }
    ::fchmod(fd, mode);
}

// A device or a pipe is written in place: renaming over it would replace the node.
int WriteInPlace(const Target& target, const std::string& bytes) {
    const int fd = ::open(target.Path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return errno;
    const int written = WriteAll(fd, bytes);
    const int closed = ::close(fd) == 0 ? 0 : errno;
    return written != 0 ? written : closed;
}

// Makes the rename itself durable.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

int OpenTemporary(const std::string& path) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    // Only a process of our number can have left it: an earlier one, long gone.
    if (fd < 0 && errno == EEXIST && ::unlink(path.c_str()) == 0)
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    return fd;
}

int Replace(const Target& target, const std::string& bytes) {
    if (target.Exists && !S_ISREG(target.Status.st_mode)) return WriteInPlace(target, bytes);
    if (target.Exists && !MayWrite(target)) return EACCES;
    if (ReadOnlyFileSystem(target.Folder)) return EROFS;
    RemoveLeftovers(target);
    const std::string temporary =
        target.Folder + "/" + TemporaryFileName(target.Name, static_cast<long>(::getpid()));
    const int fd = OpenTemporary(temporary);
    if (fd < 0) return errno;
    int failure = WriteAll(fd, bytes);
    if (failure == 0) {
        TakeOverAttributes(fd, target);
        if (::fsync(fd) != 0) failure = errno;
    }
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), target.Path.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return failure;
    }
    SyncFolder(target.Folder);
    return 0;
}

} // namespace

std::string TemporaryFileName(const std::string& fileName, long pid) {
    return "." + fileName + TemporaryMarker + std::to_string(pid);
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes,
                         document::FileError& error) {
    if (path.empty()) {
        error = document::MakeFileError(document::ErrFileNotFound, document::ReasonNoFileName());
        return false;
    }
    Target target;
    int failure = ResolveTarget(path, target);
    if (failure == 0) failure = Replace(target, bytes);
    if (failure == 0) return true;
    error = ErrnoFileError(failure, path, true);
    return false;
}

void LimitWritesForTesting(std::size_t room, int errorNumber) {
    gWriteRoom = room;
    gWriteRoomError = errorNumber;
}

void ResetWriteLimitForTesting() {
    gWriteRoom = std::numeric_limits<std::size_t>::max();
    gWriteRoomError = ENOSPC;
}

} // namespace ferrovane::platform
