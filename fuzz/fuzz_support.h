// What the fuzz targets share: a check that stops the run with its reason,
// and a private scratch folder for the readers that only take file names.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// abort() rather than an exception: libFuzzer then keeps the input that did it.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

namespace ga::fuzz {

// Made on first use under the system's temporary folder (TMPDIR), removed when
// the run ends normally. A crashed run leaves it behind, which scripts/fuzz
// cleans up by giving every run a TMPDIR of its own.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ga-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder with a trailing '/'.
    std::string folder() const { return path_ + "/"; }
    std::string file(const char* name) const { return folder() + name; }

  private:
    std::string path_;
};

inline ScratchFolder& scratch() {
    static ScratchFolder folder;
    return folder;
}

// A regular file in memory with a name that open() takes, for readers that
// only accept a path: rewriting a file on disk for every input would cost
// more than the reading it serves.
class MemoryFile {
  public:
    MemoryFile() : fd_(::memfd_create("ga-fuzz", 0)) {
        FUZZ_CHECK(fd_ >= 0);
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the content and rewinds; returns the descriptor.
    int hold(const void* bytes, std::size_t size) {
        FUZZ_CHECK(::ftruncate(fd_, 0) == 0);
        FUZZ_CHECK(size == 0 || ::pwrite(fd_, bytes, size, 0) == static_cast<ssize_t>(size));
        FUZZ_CHECK(::lseek(fd_, 0, SEEK_SET) == 0);
        return fd_;
    }
    const std::string& path() const { return path_; }

  private:
    int fd_;
    std::string path_;
};

}  // namespace ga::fuzz
