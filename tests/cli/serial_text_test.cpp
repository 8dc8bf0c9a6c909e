#include "tools/gridatelier-cli/serial_text.h"

#include <gtest/gtest.h>

#include <array>

namespace ga::cli {
namespace {

struct PartCase {
    std::string text;
    uint32_t value;
};

TEST(SerialText, ReadsAPartAsTheRecreateDialogDoes) {
    const PartCase cases[] = {
        {"75BCD15", 0x75BCD15},
        {"75bcd15", 0x75BCD15},
        {"0x75BCD15", 0x75BCD15},
        {"0X75bcd15", 0x75BCD15},
        {"0x00000000075BCD15", 0x75BCD15},  // leading zeros never overflow
        {"0", 0},
        {"FFFFFFFF", 0xFFFFFFFF},
        // Reading stops at the first character that is no hex digit.
        {"12g4", 0x12},
        {"1 ", 1},
        {"0x1-2", 1},
        {"0x0x1", 0},
        // No digit at the start: 0, like an empty field.
        {"", 0},
        {"0x", 0},
        {"x1", 0},
        {"0xg", 0},
        {" 1", 0},
        {"+1", 0},
        {"-1", 0},
        // Past 32 bits: the one value that no part accepts, never a wrapped one.
        {"100000000", 0xFFFFFFFF},
        {"10075BCD15", 0xFFFFFFFF},
        {std::string(40, 'F'), 0xFFFFFFFF},
    };
    for (const PartCase& c : cases)
        EXPECT_EQ(readSerialPart(c.text), c.value) << '"' << c.text << '"';
}

struct ArgumentsCase {
    std::vector<std::string> arguments;
    bool accepted;
    std::array<uint32_t, kSerialParts> parts;
};

TEST(SerialText, TakesOneDashedArgumentOrFive) {
    const ArgumentsCase cases[] = {
        {{"75BCD15-20000008-3FE-0-0"}, true, {0x75BCD15, 0x20000008, 0x3FE, 0, 0}},
        {{"0x1", "2", "0x3", "4", "5"}, true, {1, 2, 3, 4, 5}},
        {{"1--3-4-"}, true, {1, 0, 3, 4, 0}},
        // Five arguments are not split again: a dash only ends the reading.
        {{"1-2", "3", "4", "5", "6"}, true, {1, 3, 4, 5, 6}},
        {{}, false, {}},
        {{"1-2-3-4"}, false, {}},
        {{"1-2-3-4-5-6"}, false, {}},
        {{"75BCD15"}, false, {}},
        {{"1", "2"}, false, {}},
        {{"1", "2", "3", "4", "5", "6"}, false, {}},
    };
    for (const ArgumentsCase& c : cases) {
        uint32_t parts[kSerialParts] = {7, 7, 7, 7, 7};
        ASSERT_EQ(readSerialArguments(c.arguments, parts), c.accepted) << c.arguments.size();
        const std::array<uint32_t, kSerialParts> expected =
            c.accepted ? c.parts : std::array<uint32_t, kSerialParts>{7, 7, 7, 7, 7};
        for (int part = 0; part < kSerialParts; ++part) EXPECT_EQ(parts[part], expected[part]);
    }
}

}  // namespace
}  // namespace ga::cli
