#include "generator/class_tables.h"

namespace ga {
namespace {

// A grid written as it reads: a digit per clue or answer cell, '.' per open
// cell, spaces between rows ignored.
struct ParsedGrid {
    Grid values;
    Grid openFlags;
    int cellsRead;
    int clues;
    bool wellFormed;
};

template <int N>
constexpr ParsedGrid parseGrid(const char (&text)[N]) {
    ParsedGrid grid{};
    grid.wellFormed = true;
    for (int i = 0; i + 1 < N; ++i) {
        const char c = text[i];
        if (c == ' ') continue;
        if (grid.cellsRead == kCells) {
            grid.wellFormed = false;
            break;
        }
        const int cell = grid.cellsRead++;
        if (c >= '1' && c <= '9') {
            grid.values[cell] = c - '0';
            grid.openFlags[cell] = 0;
            ++grid.clues;
        } else if (c == '.') {
            grid.values[cell] = 0;
            grid.openFlags[cell] = 1;
        } else {
            grid.wellFormed = false;
        }
    }
    return grid;
}

constexpr int kTableCount = kLastPatternSource - kFirstRegionSource + 1;
constexpr int kPatternCount = kLastPatternSource - kFirstPatternSource + 1;

// Indexed by source - 2. Sources 11 and 12 share one answer.
constexpr ParsedGrid kAnswers[kTableCount] = {
    // source 2
    parseGrid("123456789 457891236 689237415"
              "214685397 376912548 598374162"
              "841729653 735168924 962543871"),
    // source 3
    parseGrid("659478312 184235976 237961485"
              "493716528 518324697 726589143"
              "965847231 842153769 371692854"),
    // source 4
    parseGrid("475823916 239561748 186749532"
              "793215684 852436179 641987253"
              "927354861 564198327 318672495"),
    // source 5
    parseGrid("741358962 325469817 968271435"
              "274896351 683514279 519732684"
              "132645798 896127543 457983126"),
    // source 6
    parseGrid("145632879 893517624 276948513"
              "529386147 387451962 614729358"
              "951273486 768194235 432865791"),
    // source 7
    parseGrid("349725186 781496235 625813479"
              "592384617 863157942 174962358"
              "216548793 938271564 457639821"),
    // source 8
    parseGrid("876314529 593276841 142859673"
              "928561437 751438962 634792185"
              "217685394 389147256 465923718"),
    // source 9
    parseGrid("517243869 694817253 823956714"
              "731584926 456729138 982631547"
              "248395671 169472385 375168492"),
    // source 10
    parseGrid("146285793 725963814 398741256"
              "851634927 932178645 467529138"
              "683492571 579316482 214857369"),
    // source 11
    parseGrid("283467159 476519382 591238647"
              "745693821 812745963 369821475"
              "924176538 638952714 157384296"),
    // source 12
    parseGrid("283467159 476519382 591238647"
              "745693821 812745963 369821475"
              "924176538 638952714 157384296"),
    // source 13
    parseGrid("984276351 317954826 625381794"
              "562839417 149567238 738412569"
              "451793682 293648175 876125943"),
};

// Indexed by source - 10: the clue values at the clue cells.
constexpr ParsedGrid kPatterns[kPatternCount] = {
    // source 10, 24 clues
    parseGrid(".46..57.. ...9..... .9...1..6"
              "......9.. .3....... 4..52..38"
              ".8.....7. 57.3...82 2.....3.."),
    // source 11, 24 clues
    parseGrid("2....7.5. ......3.2 ..12.8..."
              "7....3..1 ..2....6. .6...14.."
              "..41.6..8 ..8...7.. .5.....9."),
    // source 12, 22 clues
    parseGrid(".8....15. 4.65.9.8. .....8..."
              "......... ..2.4...3 3..8.1..."
              "9...7.... 6.......4 15.....9."),
    // source 13, 22 clues
    parseGrid(".8......1 ..7..4.2. 6..3..7.."
              "..2..9... 1...6...8 .3.4....."
              "..17..6.. .9...8..5 .......4."),
};

// A slip in the text above must stop the build, not change the puzzles that
// stored serial numbers rebuild.
constexpr bool tablesAreWellFormed() {
    for (const ParsedGrid& answer : kAnswers) {
        if (!answer.wellFormed || answer.cellsRead != kCells || answer.clues != kCells)
            return false;
    }
    constexpr int kExpectedClues[kPatternCount] = {24, 24, 22, 22};
    for (int i = 0; i < kPatternCount; ++i) {
        const ParsedGrid& pattern = kPatterns[i];
        if (!pattern.wellFormed || pattern.cellsRead != kCells) return false;
        if (pattern.clues != kExpectedClues[i]) return false;
        const ParsedGrid& answer = kAnswers[kFirstPatternSource - kFirstRegionSource + i];
        for (int cell = 0; cell < kCells; ++cell) {
            if (pattern.openFlags[cell] == 0 && pattern.values[cell] != answer.values[cell]) {
                return false;
            }
        }
    }
    return true;
}
static_assert(tablesAreWellFormed(), "a class table is mistyped");

}  // namespace

const Grid* classAnswer(int source) {
    if (source < kFirstRegionSource || source > kLastPatternSource) return nullptr;
    return &kAnswers[source - kFirstRegionSource].values;
}

PatternTable patternTable(int source) {
    if (!isPatternSource(source)) return {nullptr, nullptr};
    return {classAnswer(source), &kPatterns[source - kFirstPatternSource].openFlags};
}

}  // namespace ga
