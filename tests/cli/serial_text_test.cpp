// Serial parts as typed: one reader for the recreate dialog and the command
// line, and the command line's two ways of giving the five parts.
#include "tools/gridatelier-cli/serial_text.h"

#include <gtest/gtest.h>

#include <array>

#include "generator/serial.h"

namespace ga::cli {
namespace {

TEST(SerialText, ReadsAPartAsTheRecreateDialogDoes) {
    const struct {
        std::string text;
        uint32_t value;
    } cases[] = {
        {"75bcd15", 0x75BCD15},
        {"0X75BCD15", 0x75BCD15},
        {"0x00000000075BCD15", 0x75BCD15},  // leading zeros never overflow
        {" 1", 1},                          // blanks before the number are skipped
        {" \t\r\n0x1f", 0x1F},
        {"12g4", 0x12},  // reading stops at the first other character
        {"0x1-2", 1},
        {"0x 1", 0},
        {"0x0x1", 0},
        {"", 0},  // no digit: 0, like an empty field
        {"   ", 0},
        {"0x", 0},
        {"-1", 0},
        {"FFFFFFFF", 0xFFFFFFFF},
        {"100000000", 0xFFFFFFFF},  // past 32 bits: a value no part accepts
        {std::string(40, 'F'), 0xFFFFFFFF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readSerialPart(c.text), c.value) << '"' << c.text << '"';
        uint32_t parts[kSerialParts] = {};
        ASSERT_TRUE(readSerialArguments({c.text, "0", "0", "0", "0"}, parts));
        EXPECT_EQ(parts[0], c.value) << "the command line reads it alike";
    }
}

TEST(SerialText, TakesOneDashedArgumentOrFive) {
    using Parts = std::array<uint32_t, kSerialParts>;
    const struct {
        std::vector<std::string> arguments;
        bool accepted;
        Parts parts;
    } cases[] = {
        {{"75BCD15-20000008-3FE-0-0"}, true, {0x75BCD15, 0x20000008, 0x3FE, 0, 0}},
        {{"1--3-4-"}, true, {1, 0, 3, 4, 0}},
        {{"1-2", "3", "4", "5", "6"}, true, {1, 3, 4, 5, 6}},  // not split again
        {{}, false, {}},
        {{"1-2-3-4"}, false, {}},
        {{"1-2-3-4-5-6"}, false, {}},
        {{"1", "2"}, false, {}},
    };
    for (const auto& c : cases) {
        uint32_t parts[kSerialParts] = {7, 7, 7, 7, 7};
        ASSERT_EQ(readSerialArguments(c.arguments, parts), c.accepted) << c.arguments.size();
        const Parts expected = c.accepted ? c.parts : Parts{7, 7, 7, 7, 7};
        for (int part = 0; part < kSerialParts; ++part) EXPECT_EQ(parts[part], expected[part]);
    }
    EXPECT_EQ(formatSerial({0x75BCD15, 0x20000008, 0x3FE, 0, 0}), "75BCD15-20000008-3FE-0-0");
}

}  // namespace
}  // namespace ga::cli
