#include "ui/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace ga {

namespace {

// A short hidden name no other writer uses (process id and a counter): two
// copies writing at once never share a half-written file, and a long target
// name cannot push it past the file system's limit. Mode 0666 lets the umask
// decide, as for any newly saved file.
int createFreshFile(const std::string& folder, std::string& freshPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        freshPath = folder + ".gridatelier-" + std::to_string(::getpid()) + "-" +
                    std::to_string(counter++) + ".tmp";
        const int fd = ::open(freshPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The process id in a fresh file's name, or 0 when the name is not one of ours.
pid_t writerOf(const char* name) {
    constexpr const char* kPrefix = ".gridatelier-";
    const std::size_t prefixLength = std::strlen(kPrefix);
    if (std::strncmp(name, kPrefix, prefixLength) != 0) return 0;
    char* end = nullptr;
    const long pid = std::strtol(name + prefixLength, &end, 10);
    if (pid <= 0 || *end != '-') return 0;
    const char* suffix = std::strrchr(end, '.');
    if (suffix == nullptr || std::strcmp(suffix, ".tmp") != 0) return 0;
    return static_cast<pid_t>(pid);
}

// A copy killed between writing and renaming leaves its fresh file behind.
// Nobody else will ever finish it; its writer is gone when no process has its
// id (a process of another user still counts as alive).
void removeFilesOfDeadWriters(const std::string& folder) {
    DIR* entries = ::opendir(folder.empty() ? "." : folder.c_str());
    if (entries == nullptr) return;
    while (const dirent* entry = ::readdir(entries)) {
        const pid_t writer = writerOf(entry->d_name);
        if (writer == 0 || writer == ::getpid()) continue;
        if (::kill(writer, 0) != 0 && errno == ESRCH) {
            ::unlink((folder + entry->d_name).c_str());
        }
    }
    ::closedir(entries);
}

bool writeAll(int fd, const unsigned char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// The file a save really replaces: a symbolic link is followed to its target
// (relative targets count from the link's folder), so that the link stays and
// the target gets the new content. Gives up after as many links as the system
// itself would follow.
std::string followLinks(std::string path) {
    for (int links = 0; links < 40; ++links) {
        struct stat status;
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) return path;
        const std::string followed(target, static_cast<std::size_t>(length));
        path = followed[0] == '/' ? followed : folderOf(path) + followed;
    }
    return path;
}

}  // namespace

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& path) {
    return path.substr(folderOf(path).size());
}

ReplaceResult replaceFileContent(const std::string& linkOrPath, const unsigned char* bytes,
                                 std::size_t size) {
    const std::string path = followLinks(linkOrPath);
    std::string freshPath;
    const int fd = createFreshFile(folderOf(path), freshPath);
    if (fd < 0) return ReplaceResult::kNotCreated;

    // The earlier file's permission bits stay; a new file gets 0666 less the umask.
    struct stat earlier;
    bool written =
        ::stat(path.c_str(), &earlier) != 0 || ::fchmod(fd, earlier.st_mode & 07777) == 0;
    // The bytes reach the disk before the rename, so that a crash leaves
    // either the earlier file or the complete new one.
    written = written && writeAll(fd, bytes, size) && ::fsync(fd) == 0;
    int failure = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (written && ::rename(freshPath.c_str(), path.c_str()) == 0) {
        removeFilesOfDeadWriters(folderOf(path));
        return ReplaceResult::kWritten;
    }
    if (written) failure = errno;

    ::unlink(freshPath.c_str());
    errno = failure;
    return ReplaceResult::kNotWritten;
}

bool canCreateFilesIn(const std::string& folder) {
    std::string probePath;
    const int fd = createFreshFile(folder, probePath);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probePath.c_str());
    return true;
}

}  // namespace ga
