#include "tools/gridatelier-cli/input_file.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/puzzle_text.h"
#include "ui/any_puzzle_file.h"
#include "ui/user_files.h"

namespace ga::cli {

namespace {

int refuse(const std::string& path, int line, const std::string& what) {
    if (line > 0) {
        std::fprintf(stderr, "gridatelier-cli: %s: line %d: %s\n", path.c_str(), line,
                     what.c_str());
    } else {
        std::fprintf(stderr, "gridatelier-cli: %s: %s\n", path.c_str(), what.c_str());
    }
    return -1;
}

// A descriptor reading `bytes` from their start, from memory.
int descriptorOf(const std::string& bytes) {
    const int fd = ::memfd_create("gridatelier-input", MFD_CLOEXEC);
    if (fd < 0) return -1;
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            ::close(fd);
            return -1;
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

int openPuzzleInput(const std::string& path) {
    std::string bytes;
    switch (readWholeFile(path, bytes, kMostPuzzleFileBytes)) {
        case ReadOutcome::kRead:
            break;
        case ReadOutcome::kMissing:
            return refuse(path, 0, "there is no such file");
        case ReadOutcome::kTooLarge:
            return refuse(path, 0, "larger than 16 MiB; give it on standard input instead");
        case ReadOutcome::kUnreadable:
            return refuse(path, 0, "not a regular file that can be read");
    }
    const PuzzleFormat format = detectPuzzleFileFormat(bytes, path);
    int fd = -1;
    if (format == PuzzleFormat::kLines || format == PuzzleFormat::kSdm) {
        fd = descriptorOf(bytes);
    } else {
        const AnyPuzzleFile file = readPuzzleFileAny(bytes, path);
        if (!file.content.ok())
            return refuse(path, file.content.error.line, file.content.error.what);
        std::string lines;
        for (const PuzzleRecord& record : file.content.puzzles) lines += clueLine(record) + '\n';
        fd = descriptorOf(lines);
    }
    if (fd < 0) return refuse(path, 0, "no room to hold its puzzles");
    return fd;
}

void addInputOption(CLI::App* sub, Session& session) {
    sub->add_option("--in", session.inputPath,
                    "read the puzzles from this file instead of standard input: lines as there, "
                    "or a puzzle file (.ga, .sdk, .ss, .sdm, .opensudoku), told by its content")
        ->type_name("FILE");
}

PuzzleInput::PuzzleInput(const std::string& path)
    : fd_(path.empty() ? STDIN_FILENO : openPuzzleInput(path)) {}

PuzzleInput::~PuzzleInput() {
    if (fd_ >= 0 && fd_ != STDIN_FILENO) ::close(fd_);
}

}  // namespace ga::cli
