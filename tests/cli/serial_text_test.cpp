// Serial parts as typed: one reader for the recreate dialog and the command
// line (whose ways of giving the five parts the command-line table covers).
#include "tools/gridatelier-cli/serial_text.h"

#include <gtest/gtest.h>

#include "generator/serial.h"

namespace ga::cli {
namespace {

TEST(SerialText, ReadsAPartAsTheRecreateDialogDoes) {
    // clang-format off
    const struct {
        std::string text;
        uint32_t value;
    } cases[] = {
        {"75bcd15", 0x75BCD15}, {"0X75BCD15", 0x75BCD15},
        {"0x00000000075BCD15", 0x75BCD15},  // leading zeros never overflow
        {" 1", 1}, {" \t\r\n0x1f", 0x1F},  // blanks before the number are skipped
        {"12g4", 0x12}, {"0x1-2", 1}, {"0x 1", 0}, {"0x0x1", 0},  // stops at another character
        {"", 0}, {"   ", 0}, {"0x", 0}, {"-1", 0},  // no digit: 0, like an empty field
        {"FFFFFFFF", 0xFFFFFFFF}, {"100000000", 0xFFFFFFFF},  // past 32 bits: no part accepts it
        {std::string(40, 'F'), 0xFFFFFFFF}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(readSerialPart(c.text), c.value) << '"' << c.text << '"';
        SerialParts parts{};
        ASSERT_TRUE(readSerialArguments({c.text, "0", "0", "0", "0"}, parts));
        EXPECT_EQ(parts[0], c.value) << "the command line reads it alike";
    }
}

}  // namespace
}  // namespace ga::cli
