#include "ui/puzzle_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/translation.h"
#include "ui/atomic_file.h"

namespace ga {

const char* const kSaveFailedText = QT_TRANSLATE_NOOP("Message", "failed to save data to a file");
const char* const kLoadFailedText = QT_TRANSLATE_NOOP("Message", "failed to load data from a file");

namespace {

unsigned char* putInt32(unsigned char* at, uint32_t value) {
    for (int byte = 0; byte < 4; ++byte) *at++ = static_cast<unsigned char>(value >> (8 * byte));
    return at;
}

unsigned char* putInt32s(unsigned char* at, const int32_t* values, int count) {
    for (int i = 0; i < count; ++i) at = putInt32(at, static_cast<uint32_t>(values[i]));
    return at;
}

int32_t getInt32(const unsigned char*& at) {
    uint32_t value = 0;
    for (int byte = 0; byte < 4; ++byte) value |= static_cast<uint32_t>(*at++) << (8 * byte);
    return static_cast<int32_t>(value);
}

void getInt32s(const unsigned char*& at, int32_t* values, int count) {
    for (int i = 0; i < count; ++i) values[i] = getInt32(at);
}

bool isFlag(int32_t value) {
    return value == 0 || value == 1;
}

bool isDigitOrEmpty(int32_t value) {
    return value >= 0 && value <= 9;
}

bool isAcceptable(const PuzzleFileHeader& header, const PuzzleRecord& record) {
    if (header.headerSize != kPuzzleHeaderBytes || !isFlag(header.finished)) return false;
    if (header.puzzleClass < 0 || header.puzzleClass > kHandBuiltClass) return false;
    if (!isFlag(record.answerKnown)) return false;
    for (int cell = 0; cell < kCells; ++cell) {
        const int32_t answer = record.answerGrid[cell];
        if (!isFlag(record.openFlags[cell]) || !isDigitOrEmpty(answer) ||
            !isDigitOrEmpty(record.valueGrid[cell])) {
            return false;
        }
        // A clue shows its answer and is copied into the value on loading.
        if (record.openFlags[cell] == 0 && answer == 0) return false;
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
    at = putInt32s(at, record.answerGrid.data(), kCells);
    at = putInt32s(at, record.openFlags.data(), kCells);
    at = putInt32s(at, record.valueGrid.data(), kCells);
    at = putInt32s(at, record.candidateNumbers.data(), kCells);
    for (uint32_t part : record.serial) at = putInt32(at, part);
    putInt32(at, static_cast<uint32_t>(record.answerKnown));
}

PuzzleFileRead decodePuzzleFile(const unsigned char* bytes, std::size_t size,
                                PuzzleFileHeader& header, PuzzleRecord& record) {
    if (bytes == nullptr || size != static_cast<std::size_t>(kPuzzleFileBytes)) {
        return kPuzzleFileWrongSize;
    }
    PuzzleFileHeader readHeader;
    PuzzleRecord readRecord{};
    const unsigned char* at = bytes;
    readHeader.headerSize = getInt32(at);
    readHeader.finished = getInt32(at);
    readHeader.puzzleClass = getInt32(at);
    getInt32s(at, readHeader.reserved, 5);
    getInt32s(at, readRecord.answerGrid.data(), kCells);
    getInt32s(at, readRecord.openFlags.data(), kCells);
    getInt32s(at, readRecord.valueGrid.data(), kCells);
    getInt32s(at, readRecord.candidateNumbers.data(), kCells);
    for (uint32_t& part : readRecord.serial) part = static_cast<uint32_t>(getInt32(at));
    readRecord.answerKnown = getInt32(at);
    if (!isAcceptable(readHeader, readRecord)) return kPuzzleFileBadValues;
    header = readHeader;
    record = readRecord;
    return kPuzzleFileRead;
}

PuzzleFileRead readPuzzleFile(const char* path, PuzzleFileHeader& header, PuzzleRecord& record) {
    // Not blocking: a FIFO chosen in the file dialog must not hang the window
    // before fstat has told it is no regular file.
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return kPuzzleFileUnreadable;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return kPuzzleFileUnreadable;
    }
    // One byte more than a puzzle file holds tells a longer file from one of
    // the right size without reading all of it.
    unsigned char bytes[kPuzzleFileBytes + 1];
    std::size_t size = 0;
    while (size < sizeof bytes) {
        const ssize_t got = ::read(fd, bytes + size, sizeof bytes - size);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ::close(fd);
            return kPuzzleFileUnreadable;
        }
        if (got == 0) break;
        size += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return decodePuzzleFile(bytes, size, header, record);
}

PuzzleFileWrite writePuzzleFile(const PuzzleFileHeader& header, const PuzzleRecord& record,
                                const char* path) {
    unsigned char bytes[kPuzzleFileBytes];
    encodePuzzleFile(header, record, bytes);
    return writePuzzleFileBytes(path, bytes, sizeof bytes);
}

PuzzleFileWrite writePuzzleFileBytes(const std::string& path, const unsigned char* bytes,
                                     std::size_t size) {
    switch (replaceFileContent(path, bytes, size)) {
        case ReplaceResult::kWritten:
            return kPuzzleFileWritten;
        case ReplaceResult::kNotCreated:
            return kPuzzleFileNotCreated;
        case ReplaceResult::kNotWritten:
            break;
    }
    return kPuzzleFileNotWritten;
}

}  // namespace ga
