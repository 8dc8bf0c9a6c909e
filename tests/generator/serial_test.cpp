#include "generator/serial.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "generator/transforms.h"
#include "tests/support/exact_solver.h"
#include "tests/support/test_records.h"

namespace ga {
namespace {

TEST(Serial, RelabelNumberMustHoldTheDigitsOneToNineOnce) {
    // Eight digits leave a 0 among the lowest nine; 1123456789 is judged on
    // its lowest nine digits.
    for (uint32_t legal : {123456789u, 987654321u, 1123456789u})
        EXPECT_EQ(isIllegalRelabelNumber(legal), 0) << legal;
    for (uint32_t illegal :
         {75318642u, 123456788u, 102345678u, 12345678u, 123456790u, 0u, 4294967295u})
        EXPECT_EQ(isIllegalRelabelNumber(illegal), 1) << illegal;
}

TEST(Serial, ChecksRelabelFirstThenRangesInOrder) {
    const struct {
        uint32_t parts[kSerialParts];
        int check;
    } kCases[] = {
        {{123456789, 0x20000000, 0x0FFFFFFF, 0x0FFFFFFF, 0x0FFFFFFF}, kSerialAccepted},
        {{987654321, 0xDFFFFFFF, 0, 0, 0}, kSerialAccepted},
        {{123456789, 0x20000000, 1, 0, 0}, kSerialAccepted},
        {{123456788, 0x20000000, 0, 0, 0}, kSerialIllegal},
        {{987654322, 0x20000000, 0, 0, 0}, kSerialIllegal},  // one above the range, digit 2 twice
        {{123456788, 0x10000000, 0x10000000, 0, 0}, kSerialIllegal},
        {{1123456789, 0x20000000, 0, 0, 0}, kSerialOutOfRange},
        {{123456789, 0x1FFFFFFF, 0, 0, 0}, kSerialOutOfRange},
        {{123456789, 0x17FFFFFF, 0, 0, 0}, kSerialOutOfRange},  // source 1: a fresh answer
        {{123456789, 0xE0000000, 0, 0, 0}, kSerialOutOfRange},
        {{123456789, 0x20000000, 0x10000000, 0, 0}, kSerialOutOfRange},
        {{123456789, 0x20000000, 0, 0x10000000, 0}, kSerialOutOfRange},
        {{123456789, 0x20000000, 0, 0, 0xFFFFFFFF}, kSerialOutOfRange},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(checkSerial(c.parts), c.check)
            << std::hex << c.parts[0] << "-" << c.parts[1] << "-" << c.parts[2] << "-" << c.parts[3]
            << "-" << c.parts[4];
    }
    EXPECT_STREQ(serialRefusalText(kSerialIllegal), "found the first serial number that's illegal");
    EXPECT_STREQ(serialRefusalText(kSerialOutOfRange),
                 "found an illegal serial number out of range");
    EXPECT_EQ(serialRefusalText(kSerialAccepted), nullptr);
}

TEST(Serial, RefusedSerialLeavesTheRecordAlone) {
    PuzzleRecord record;
    std::memset(&record, 0x21, sizeof record);
    const uint32_t parts[kSerialParts] = {123456789, 0xE0000000, 0, 0, 0};
    std::memcpy(record.serial, parts, sizeof parts);
    const PuzzleRecord before = record;
    EXPECT_EQ(recreatePuzzle(record), kSerialOutOfRange);
    EXPECT_EQ(0, std::memcmp(&record, &before, sizeof record));
}

// Stored serial numbers and the puzzles they must keep rebuilding: clues with
// '.' at open cells, then the answer. The first four are worked out by hand
// from table 2; the others were generated on tables 2..13.
struct Golden {
    uint32_t parts[kSerialParts];
    const char* clues;
    const char* answer;
    int answers;  // 1, or 2 for at least two
};
const Golden kGolden[] = {
    {{0x75BCD15, 0x20000008, 0x3FE, 0, 0},  // bands 0 and 1 swapped, base row 0 open
     "214685397376912548598374162.........457891236689237415841729653735168924962543871",
     "214685397376912548598374162123456789457891236689237415841729653735168924962543871",
     1},
    {{0x3ADE68B1, 0x20000000, 0, 0, 0xFFFFFFE},  // every v to 10 - v, rows 6..8 open
     "987654321653219874421873695896425713734198562512736948...........................",
     "987654321653219874421873695896425713734198562512736948269381457375942186148567239",
     2},
    {{0x75BCD15, 0x20000004, 0x2, 0, 0},  // quarter turn, base cell 0 open
     "97853264.634971852251864973517396284462718395389425716896153427725649138143287569",
     "978532641634971852251864973517396284462718395389425716896153427725649138143287569",
     1},
    {{0x75BCD15, 0x28000003, 0x3, 0, 0},  // both reflections: a half turn; bits 0 and 27 ignored
     "17834526942986153735692714826147389584521967379358641251473298663219875498765432.",
     "178345269429861537356927148261473895845219673793586412514732986632198754987654321",
     1},
    {{0x196D14C2, 0x22A057B0, 0x4CB5E1C, 0x37759E0, 0xFAE7D0},
     "314...6.....543.2.8.567......9...4.35.738.1..13...497...1452..9.....62.8.92..7.1.",
     "314928657976543821825671394269715483547389162138264975681452739753196248492837516",
     1},
    {{0xF1BC036, 0x55E045E2, 0x7EE7DD2, 0x7AF6F1A, 0xEF6BA6E},
     "....3...2...2.9.64.14......97...31.....4...758........6..9......5...8..7..3.468..",
     "569834712387219564214765389972653148136482975845197236628971453451328697793546821",
     1},
    {{0x1EFB4FB7, 0x9110FD22, 0x9DD73CE, 0xFD0FDCE, 0x6E4CD9E},
     ".9..3...1..6..9..3..3..4......5.126..58.2.9...4..9.5..7..3...2.1...7..8...48.2...",
     "497238651826159743513764892379581264658423917241697538785346129132975486964812375",
     1},
    {{0x3A3380BD, 0xA234AFBC, 0x6EF4F32, 0x337B77E, 0xD71D2FA},
     "..37....2...2.8..6.8..6.1..659..........5..871..6....5.418.2.6....57...453.......",
     "463719852915238746287465139659387421324951687178624395741892563896573214532146978",
     1},
    {{0x1B0D76B8, 0xD5CBFA34, 0xDB56DFA, 0xFABBBB6, 0xBFB7766},
     "..8...5...6...9.4.7.......14..5..1...2..3..9......4..7.9.2..8.......7...1...8...3",
     "918473562563129748742865931437592186621738495859614327396251874285347619174986253",
     1},
    {{0x3AD0577F, 0xC001D26A, 0xEFD4A7A, 0xEB3AFFE, 0xBE3FBDC},
     ".7....4....1.3......9.51......31...5.6.....7....9......8..2......6.7.529...1....3",
     "578296431241738956639451287824317695963584172157962348385629714416873529792145863",
     1},
};

TEST(Serial, GoldenSerialNumbersRebuildTheirPuzzles) {
    for (const Golden& golden : kGolden) {
        SCOPED_TRACE(golden.clues);
        PuzzleRecord record;
        std::memset(&record, 0x7F, sizeof record);
        std::memcpy(record.serial, golden.parts, sizeof golden.parts);
        ASSERT_EQ(recreatePuzzle(record), 0);
        EXPECT_EQ(testing::clueText(record), golden.clues);
        EXPECT_EQ(testing::textOf(record.answerGrid), golden.answer);
        EXPECT_EQ(testing::textOf(record.valueGrid), golden.clues);
        EXPECT_EQ(0, std::memcmp(record.serial, golden.parts, sizeof golden.parts));
        EXPECT_EQ(record.answerKnown, 1);
        for (int cell = 0; cell < kCells; ++cell) ASSERT_EQ(record.candidateNumbers[cell], 0);
        EXPECT_EQ(testing::countAnswers(record.valueGrid), golden.answers);
    }
}

}  // namespace
}  // namespace ga
