#include "ui/any_puzzle_file.h"

#include <cstring>

#include "core/translation.h"
#include "ui/atomic_file.h"
#include "ui/user_files.h"

namespace ga {

namespace {

AnyPuzzleFile refused(PuzzleFormat format, std::string what) {
    AnyPuzzleFile file;
    file.content.format = format;
    file.content.error = {0, std::move(what)};
    return file;
}

const char* whyRefused(PuzzleFileRead read) {
    switch (read) {
        case kPuzzleFileWrongSize:
            return QT_TRANSLATE_NOOP("Message",
                                     "a puzzle file of this program has exactly 1352 bytes");
        case kPuzzleFileBadValues:
            return QT_TRANSLATE_NOOP("Message", "a value in the puzzle file is out of its range");
        case kPuzzleFileUnreadable:
        case kPuzzleFileRead:
            break;
    }
    return QT_TRANSLATE_NOOP("Message", "the file could not be read");
}

}  // namespace

PuzzleFormat detectPuzzleFileFormat(std::string_view bytes, std::string_view fileName) {
    if (bytes.find('\0') != std::string_view::npos) return PuzzleFormat::kGaFile;
    if (bytes.size() == static_cast<std::size_t>(kPuzzleFileBytes)) {
        PuzzleFileHeader header;
        PuzzleRecord record;
        if (decodePuzzleFile(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                             header, record) == kPuzzleFileRead)
            return PuzzleFormat::kGaFile;
    }
    return detectTextFormat(bytes, extensionOfFileName(fileName));
}

AnyPuzzleFile readPuzzleFileAny(std::string_view bytes, std::string_view fileName) {
    const PuzzleFormat format = detectPuzzleFileFormat(bytes, fileName);
    if (format != PuzzleFormat::kGaFile) {
        AnyPuzzleFile file;
        file.content = readPuzzleTextAs(format, bytes);
        file.header.puzzleClass = kHandBuiltClass;
        return file;
    }
    AnyPuzzleFile file;
    PuzzleRecord record{};
    const PuzzleFileRead read = decodePuzzleFile(
        reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), file.header, record);
    if (read != kPuzzleFileRead) return refused(format, translate("Message", whyRefused(read)));
    file.content.format = format;
    file.content.puzzles.push_back(record);
    file.content.lines.push_back(0);
    return file;
}

AnyPuzzleFile readPuzzleFileAt(const std::string& path) {
    std::string bytes;
    switch (readWholeFile(path, bytes, kMostPuzzleFileBytes)) {
        case ReadOutcome::kRead:
            return readPuzzleFileAny(bytes, fileNameOf(path));
        case ReadOutcome::kMissing:
            return refused(PuzzleFormat::kUnknown, translate("Message", "there is no such file"));
        case ReadOutcome::kTooLarge:
            return refused(PuzzleFormat::kUnknown,
                           translate("Message", "the file is larger than 16 MiB"));
        case ReadOutcome::kUnreadable:
            break;
    }
    return refused(PuzzleFormat::kUnknown, translate("Message", "the file could not be read"));
}

std::string encodePuzzleFileAs(PuzzleFormat format, const PuzzleFileHeader& header,
                               const PuzzleRecord& record, const PuzzleFileInfo& info) {
    if (format != PuzzleFormat::kGaFile) return writePuzzleText(format, {record}, info);
    unsigned char bytes[kPuzzleFileBytes];
    encodePuzzleFile(header, record, bytes);
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

PuzzleFileWrite writePuzzleFileAs(PuzzleFormat format, const PuzzleFileHeader& header,
                                  const PuzzleRecord& record, const std::string& path) {
    if (format == PuzzleFormat::kGaFile) return writePuzzleFile(header, record, path.c_str());
    const std::string text = encodePuzzleFileAs(format, header, record);
    return writePuzzleFileBytes(path, reinterpret_cast<const unsigned char*>(text.data()),
                                text.size());
}

}  // namespace ga
