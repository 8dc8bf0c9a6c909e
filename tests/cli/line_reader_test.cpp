#include "tools/gridatelier-cli/line_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

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
    for (std::string_view line; reader.next(line);) lines.emplace_back(line);
    EXPECT_FALSE(reader.readFailed());
    std::fclose(file);
    return lines;
}

class LineReaderTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(LineReaderTest, SplitsLinesWhateverTheBlockSize) {
    const std::string longLine(1000, '7');
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\nbc", {"a", "bc"}},
        {"\n\nx\n\n", {"", "", "x", ""}},
        {"a\r\nb\r\n", {"a\r", "b\r"}},
        {longLine + "\nz\n" + longLine, {longLine, "z", longLine}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(readAll(text, GetParam()), lines) << "text of " << text.size() << " bytes";
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, LineReaderTest, ::testing::Values(1, 2, 7, 64, 1 << 16));

TEST(LineReader, ReportsAFailedRead) {
    LineReader reader(-1);
    std::string_view line;
    EXPECT_FALSE(reader.next(line));
    EXPECT_TRUE(reader.readFailed());
}

}  // namespace
}  // namespace ga::cli
