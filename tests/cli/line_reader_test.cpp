#include "tools/gridatelier-cli/line_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/gridatelier-cli/output_line.h"

namespace ga::cli {
namespace {

// Every line the reader gives for `text`, read through a buffer of blockSize.
std::vector<std::string> readAll(const std::string& text, std::size_t blockSize) {
    std::FILE* file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::fflush(file);
    std::rewind(file);
    LineReader reader(fileno(file), blockSize);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line)) lines.emplace_back(line);
    EXPECT_FALSE(reader.readFailed());
    std::fclose(file);
    return lines;
}

struct ReaderCase {
    std::string text;
    std::vector<std::string> lines;
};

class LineReaderTest : public testing::TestWithParam<std::size_t> {};

TEST_P(LineReaderTest, SplitsLinesWhateverTheBlockSize) {
    const std::string longLine(1000, '7');
    const std::vector<ReaderCase> cases = {
        {"", {}},
        {"\n", {""}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\nbc", {"a", "bc"}},
        {"\n\nx\n\n", {"", "", "x", ""}},
        {"a\r\nb\r\n", {"a\r", "b\r"}},
        {longLine + "\nz\n" + longLine, {longLine, "z", longLine}},
    };
    for (const ReaderCase& c : cases) {
        EXPECT_EQ(readAll(c.text, GetParam()), c.lines) << "text of " << c.text.size() << " bytes";
    }
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, LineReaderTest, testing::Values(1, 2, 7, 64, 1 << 16));

TEST(LineReader, ReportsAFailedRead) {
    LineReader reader(-1);
    std::string_view line;
    EXPECT_FALSE(reader.next(line));
    EXPECT_TRUE(reader.readFailed());
}

TEST(OutputLine, WritesNumbersAndCells) {
    std::FILE* file = std::tmpfile();
    OutputLine line;
    for (int32_t value : {0, 7, 10, 123456789, -45, INT32_MIN, INT32_MAX}) {
        line.addNumber(value);
        line.add(' ');
    }
    for (int32_t value : {0, 1, 9, 10, -1}) line.addCell(value);
    ASSERT_TRUE(line.writeTo(file));
    line.clear();
    ASSERT_TRUE(line.writeTo(file));

    std::rewind(file);
    char text[200] = {};
    const std::size_t length = std::fread(text, 1, sizeof text - 1, file);
    std::fclose(file);
    EXPECT_EQ(std::string(text, length), "0 7 10 123456789 -45 -2147483648 2147483647 .19..\n\n");
}

}  // namespace
}  // namespace ga::cli
