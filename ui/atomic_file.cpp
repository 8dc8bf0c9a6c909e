#include "ui/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

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

}  // namespace

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

ReplaceResult replaceFileContent(const std::string& path, const unsigned char* bytes,
                                 std::size_t size) {
    std::string freshPath;
    const int fd = createFreshFile(folderOf(path), freshPath);
    if (fd < 0) return ReplaceResult::kNotCreated;

    // The bytes reach the disk before the rename, so that a crash leaves
    // either the earlier file or the complete new one.
    bool written = writeAll(fd, bytes, size) && ::fsync(fd) == 0;
    int failure = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (written && ::rename(freshPath.c_str(), path.c_str()) == 0) return ReplaceResult::kWritten;
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
