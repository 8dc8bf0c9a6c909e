#include "ui/puzzle_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

namespace ga {

const char* const kSaveFailedText = "failed to save data to a file";

namespace {

unsigned char* putInt32(unsigned char* at, uint32_t value) {
    for (int byte = 0; byte < 4; ++byte) *at++ = static_cast<unsigned char>(value >> (8 * byte));
    return at;
}

unsigned char* putInt32s(unsigned char* at, const int32_t* values, int count) {
    for (int i = 0; i < count; ++i) at = putInt32(at, static_cast<uint32_t>(values[i]));
    return at;
}

// The folder part of `path` with its trailing '/', or "" for a bare name.
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A new file beside the target whose short hidden name no other writer uses
// (the process id and a counter); a long target name cannot push it past the
// file system's name limit. Mode 0666 so that the umask decides, as for any
// newly saved file.
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

void encodePuzzleFile(const PuzzleFileHeader& header, const PuzzleRecord& record,
                      unsigned char (&bytes)[kPuzzleFileBytes]) {
    unsigned char* at = bytes;
    at = putInt32(at, static_cast<uint32_t>(header.headerSize));
    at = putInt32(at, static_cast<uint32_t>(header.finished));
    at = putInt32(at, static_cast<uint32_t>(header.puzzleClass));
    at = putInt32s(at, header.reserved, 5);
    at = putInt32s(at, record.answerGrid, kCells);
    at = putInt32s(at, record.openFlags, kCells);
    at = putInt32s(at, record.valueGrid, kCells);
    at = putInt32s(at, record.candidateNumbers, kCells);
    for (uint32_t part : record.serial) at = putInt32(at, part);
    putInt32(at, static_cast<uint32_t>(record.answerKnown));
}

int writePuzzleFile(const PuzzleFileHeader& header, const PuzzleRecord& record, const char* path) {
    unsigned char bytes[kPuzzleFileBytes];
    encodePuzzleFile(header, record, bytes);

    std::string freshPath;
    const int fd = createFreshFile(folderOf(path), freshPath);
    if (fd < 0) return kPuzzleFileNotCreated;

    // The bytes reach the disk before the rename, so that a crash leaves
    // either the earlier file or the complete new one.
    bool written = writeAll(fd, bytes, sizeof bytes) && ::fsync(fd) == 0;
    int failure = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (written && ::rename(freshPath.c_str(), path) == 0) return kPuzzleFileWritten;
    if (written) failure = errno;

    ::unlink(freshPath.c_str());
    errno = failure;
    return kPuzzleFileNotWritten;
}

}  // namespace ga
