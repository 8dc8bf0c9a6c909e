// Puzzle files of every format, read from files written by hand after each
// format's public description (tests/data/formats), the binary file built
// byte by byte, and the writers read back.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/puzzle_text.h"
#include "ui/any_puzzle_file.h"

namespace ga {
namespace {

std::string formatsFile(const std::string& name) {
    std::ifstream in(std::string(GA_FORMATS_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

constexpr const char* kFirst =
    "7.8396..29...5.7.42.5..7.3.63.9..1...7...16...........4..6..391386..94.5..94...86";
constexpr const char* kSecond =
    "694.1......5.....42.87..61.5..284.3...95.61.286..9...718......54.362.8..9.....74.";
constexpr const char* kThird =
    "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4.";

struct GoodFile {
    const char* name;
    PuzzleFormat format;
    std::vector<std::string> clues;  // each puzzle's clue line
    int firstLine;                   // where the first puzzle starts
    PuzzleFileInfo info;
};

TEST(PuzzleFormats, ReadsEachFormatAsWrittenByHand) {
    PuzzleFileInfo sdkInfo;
    sdkInfo.author = "anonymous";
    sdkInfo.description = "A puzzle for the tests";
    sdkInfo.comment = "Singles carry it far";
    sdkInfo.date = "2024-05-01";
    sdkInfo.source = "tests";
    sdkInfo.level = "Easy";
    sdkInfo.url = "https://example.org/puzzles";
    PuzzleFileInfo xmlInfo;
    xmlInfo.name = "Test & trial";
    xmlInfo.author = "anonymous";
    xmlInfo.description = "Three <easy> ones";
    PuzzleFileInfo folderInfo;
    folderInfo.name = "Caf\xC3\xA9 puzzles";
    const GoodFile files[] = {
        {"headers.sdk", PuzzleFormat::kSdk, {kFirst}, 8, sdkInfo},
        {"zeros_crlf.sdk", PuzzleFormat::kSdk, {kSecond}, 1, {}},
        {"sections.sdk", PuzzleFormat::kSdk, {kThird}, 2, {}},
        {"drawn.ss", PuzzleFormat::kSs, {kFirst}, 1, {}},
        {"collection.sdm", PuzzleFormat::kSdm, {kFirst, kSecond, kThird}, 1, {}},
        {"collection.opensudoku", PuzzleFormat::kXml, {kFirst, kSecond, kThird}, 7, xmlInfo},
        {"folders.opensudoku", PuzzleFormat::kXml, {kSecond}, 4, folderInfo},
        {"lines.txt", PuzzleFormat::kLines, {kFirst, kSecond}, 2, {}},
    };
    for (const GoodFile& expected : files) {
        SCOPED_TRACE(expected.name);
        const AnyPuzzleFile file = readPuzzleFileAny(formatsFile(expected.name), expected.name);
        const PuzzleFileContent& content = file.content;
        ASSERT_TRUE(content.ok()) << content.error.line << ": " << content.error.what;
        EXPECT_EQ(content.format, expected.format);
        ASSERT_EQ(content.puzzles.size(), expected.clues.size());
        for (std::size_t i = 0; i < expected.clues.size(); ++i)
            EXPECT_EQ(clueLine(content.puzzles[i]), expected.clues[i]);
        EXPECT_EQ(content.lines.front(), expected.firstLine);
        const PuzzleFileInfo& info = content.info;
        EXPECT_EQ(info.name, expected.info.name);
        EXPECT_EQ(info.author, expected.info.author);
        EXPECT_EQ(info.description, expected.info.description);
        EXPECT_EQ(info.comment, expected.info.comment);
        EXPECT_EQ(info.date, expected.info.date);
        EXPECT_EQ(info.source, expected.info.source);
        EXPECT_EQ(info.level, expected.info.level);
        EXPECT_EQ(info.url, expected.info.url);
        EXPECT_EQ(file.header.puzzleClass, kHandBuiltClass);
        EXPECT_EQ(content.puzzles.front().answerKnown, 0);
    }
}

struct BadFile {
    const char* name;
    int line;
    const char* what;  // a part of the reason
};

TEST(PuzzleFormats, NamesTheLineAndTheFaultOfABadFile) {
    const BadFile files[] = {
        {"short_row.sdk", 6, "8 cells on the line, a row has 9"},
        {"eight_rows.sdk", 8, "72 cells in all"},
        {"bad_cell.ss", 9, "'x' is neither a digit"},
        {"long_line.sdm", 2, "82 characters"},
        {"crossed.opensudoku", 3, "</opensudoku> ends <name>"},
        {"doctype.opensudoku", 2, "document type"},
        {"short_data.opensudoku", 3, "has 80 characters"},
        {"wrong_root.opensudoku", 1, "root element is <collection>"},
    };
    for (const BadFile& expected : files) {
        SCOPED_TRACE(expected.name);
        const AnyPuzzleFile file = readPuzzleFileAny(formatsFile(expected.name), expected.name);
        EXPECT_FALSE(file.content.ok());
        EXPECT_TRUE(file.content.puzzles.empty());
        EXPECT_EQ(file.content.error.line, expected.line);
        EXPECT_NE(file.content.error.what.find(expected.what), std::string::npos)
            << file.content.error.what;
    }
}

// Text that fits several formats is told apart by the name's extension, and
// only then.
TEST(PuzzleFormats, TheExtensionOnlyBreaksTies) {
    const std::string nineRows = formatsFile("zeros_crlf.sdk");
    const std::string lines = formatsFile("collection.sdm");
    const std::string drawn = formatsFile("drawn.ss");
    const std::string xml = formatsFile("collection.opensudoku");
    const struct {
        const std::string& bytes;
        const char* name;
        PuzzleFormat format;
    } cases[] = {
        {nineRows, "a.sdk", PuzzleFormat::kSdk}, {nineRows, "a.ss", PuzzleFormat::kSs},
        {nineRows, "a", PuzzleFormat::kSdk},     {lines, "a.sdm", PuzzleFormat::kSdm},
        {lines, "a.txt", PuzzleFormat::kLines},  {lines, "a.ss", PuzzleFormat::kSdm},
        {drawn, "a.sdk", PuzzleFormat::kSdk},    {drawn, "a.txt", PuzzleFormat::kSs},
        {xml, "a.sdm", PuzzleFormat::kXml},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(detectPuzzleFileFormat(c.bytes, c.name), c.format);
    }
}

TEST(PuzzleFormats, TheBinaryFileKeepsItsBytesAndTellsWhyItIsRefused) {
    PuzzleFileHeader header;
    header.finished = 1;
    header.puzzleClass = 3;
    PuzzleRecord record;
    readPuzzleText(kFirst, record);
    record.valueGrid[1] = 4;
    record.candidateNumbers[2] = 15;
    const std::string bytes = encodePuzzleFileAs(PuzzleFormat::kGaFile, header, record);
    ASSERT_EQ(bytes.size(), 1352u);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\x20\0\0\0\x01\0\0\0\x03\0\0\0", 12));

    const AnyPuzzleFile file = readPuzzleFileAny(bytes, "puzzle.sdk");
    ASSERT_TRUE(file.content.ok()) << file.content.error.what;
    EXPECT_EQ(file.content.format, PuzzleFormat::kGaFile);
    EXPECT_EQ(file.header.finished, 1);
    EXPECT_EQ(file.header.puzzleClass, 3);
    EXPECT_EQ(file.content.puzzles.front().valueGrid[1], 4);
    EXPECT_EQ(file.content.puzzles.front().candidateNumbers[2], 15);

    const AnyPuzzleFile cut = readPuzzleFileAny(bytes.substr(0, 1000), "puzzle.ga");
    EXPECT_EQ(cut.content.format, PuzzleFormat::kGaFile);
    EXPECT_NE(cut.content.error.what.find("1352 bytes"), std::string::npos);
    std::string outOfRange = bytes;
    outOfRange[4] = 7;  // finished must be 0 or 1
    EXPECT_NE(readPuzzleFileAny(outOfRange, "puzzle.ga").content.error.what.find("range"),
              std::string::npos);
}

TEST(PuzzleFormats, WritersGiveTheFormatsShapeAndReadBack) {
    PuzzleRecord record;
    readPuzzleText(kFirst, record);
    record.valueGrid[1] = 5;  // a player's value is no clue
    PuzzleFileInfo info;
    info.name = "a <b> & \"c\"";
    info.author = "two\nlines";
    const PuzzleFileHeader header;

    EXPECT_EQ(encodePuzzleFileAs(PuzzleFormat::kSs, header, record),
              "7.8|396|..2\n9..|.5.|7.4\n2.5|..7|.3.\n-----------\n63.|9..|1..\n.7.|..1|6..\n"
              "...|...|...\n-----------\n4..|6..|391\n386|..9|4.5\n..9|4..|.86\n");
    EXPECT_EQ(encodePuzzleFileAs(PuzzleFormat::kSdk, header, record, info).substr(0, 22),
              "#Atwo lines\n7.8396..2\n");
    for (PuzzleFormat format : {PuzzleFormat::kSdk, PuzzleFormat::kSs, PuzzleFormat::kSdm,
                                PuzzleFormat::kXml, PuzzleFormat::kLines}) {
        SCOPED_TRACE(extensionOf(format));
        const std::string name = std::string("out.") + extensionOf(format);
        const std::string text = encodePuzzleFileAs(format, header, record, info);
        const AnyPuzzleFile back = readPuzzleFileAny(text, name);
        ASSERT_TRUE(back.content.ok()) << back.content.error.what;
        EXPECT_EQ(back.content.format, format);
        ASSERT_EQ(back.content.puzzles.size(), 1u);
        EXPECT_EQ(clueLine(back.content.puzzles.front()), kFirst);
        if (format == PuzzleFormat::kXml) {
            EXPECT_EQ(back.content.info.name, info.name);
        }
    }
}

}  // namespace
}  // namespace ga
