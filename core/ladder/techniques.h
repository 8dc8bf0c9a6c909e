// Every technique of the human-style ladder, once: its name, the short word
// the rating counts it under, its rung (simplest first) and its weight in the
// rating. The ladder walks this list in order; the rating reads the weights;
// the words name the technique from it. The names, count words and level
// names stay English in files and on the command line; their translations
// (contexts "Technique", "Count" and "Level") are only for the player to read.
#pragma once

#include <cstdint>
#include <string>

#include "core/translation.h"

namespace ga {

// The weights never fall along the list, so a harder step never counts less.
// Past the singles they grow slower than how much harder a person finds each
// technique (as the 3/4 power of it): the number of steps a puzzle takes
// tells its difficulty as much as its hardest step does (README.md,
// "How the weights were chosen").
// The level is the one a puzzle needing the technique starts from (see
// puzzleLevel in ladder.h).
// Each names the function that finds its steps and the one that puts a step
// into words (families.h).
// X(id, name, count word, rung, weight, level, finder, describer)
#define GA_LADDER_TECHNIQUES(X)                                                                    \
    X(FullHouse, QT_TRANSLATE_NOOP("Technique", "Full House"),                                     \
      QT_TRANSLATE_NOOP("Count", "single"), 1, 8, Easy, findFullHouse, describeFullHouse)          \
    X(HiddenSingle, QT_TRANSLATE_NOOP("Technique", "Hidden Single"),                               \
      QT_TRANSLATE_NOOP("Count", "single"), 1, 10, Easy, findHiddenSingle, describeHiddenSingle)   \
    X(NakedSingle, QT_TRANSLATE_NOOP("Technique", "Naked Single"),                                 \
      QT_TRANSLATE_NOOP("Count", "single"), 1, 12, Easy, findNakedSingle, describeNakedSingle)     \
    X(Pointing, QT_TRANSLATE_NOOP("Technique", "Pointing"), QT_TRANSLATE_NOOP("Count", "locked"),  \
      2, 28, Medium, findPointing, describeLockedCandidates)                                       \
    X(Claiming, QT_TRANSLATE_NOOP("Technique", "Claiming"), QT_TRANSLATE_NOOP("Count", "locked"),  \
      2, 30, Medium, findClaiming, describeLockedCandidates)                                       \
    X(NakedPair, QT_TRANSLATE_NOOP("Technique", "Naked Pair"), QT_TRANSLATE_NOOP("Count", "pair"), \
      3, 32, Medium, findNakedPair, describeNakedSubset)                                           \
    X(HiddenPair, QT_TRANSLATE_NOOP("Technique", "Hidden Pair"),                                   \
      QT_TRANSLATE_NOOP("Count", "pair"), 3, 36, Medium, findHiddenPair, describeHiddenSubset)     \
    X(NakedTriple, QT_TRANSLATE_NOOP("Technique", "Naked Triple"),                                 \
      QT_TRANSLATE_NOOP("Count", "triple"), 3, 40, Medium, findNakedTriple, describeNakedSubset)   \
    X(HiddenTriple, QT_TRANSLATE_NOOP("Technique", "Hidden Triple"),                               \
      QT_TRANSLATE_NOOP("Count", "triple"), 3, 44, Medium, findHiddenTriple, describeHiddenSubset) \
    X(NakedQuad, QT_TRANSLATE_NOOP("Technique", "Naked Quad"), QT_TRANSLATE_NOOP("Count", "quad"), \
      3, 47, Hard, findNakedQuad, describeNakedSubset)                                             \
    X(HiddenQuad, QT_TRANSLATE_NOOP("Technique", "Hidden Quad"),                                   \
      QT_TRANSLATE_NOOP("Count", "quad"), 3, 51, Hard, findHiddenQuad, describeHiddenSubset)       \
    X(XWing, QT_TRANSLATE_NOOP("Technique", "X-Wing"), QT_TRANSLATE_NOOP("Count", "X-Wing"), 4,    \
      54, Hard, findXWing, describeFish)                                                           \
    X(FinnedXWing, QT_TRANSLATE_NOOP("Technique", "Finned X-Wing"),                                \
      QT_TRANSLATE_NOOP("Count", "finned fish"), 4, 58, Hard, findFinnedXWing, describeFish)       \
    X(SashimiXWing, QT_TRANSLATE_NOOP("Technique", "Sashimi X-Wing"),                              \
      QT_TRANSLATE_NOOP("Count", "finned fish"), 4, 59, Hard, findSashimiXWing, describeFish)      \
    X(Swordfish, QT_TRANSLATE_NOOP("Technique", "Swordfish"),                                      \
      QT_TRANSLATE_NOOP("Count", "Swordfish"), 4, 61, Hard, findSwordfish, describeFish)           \
    X(FinnedSwordfish, QT_TRANSLATE_NOOP("Technique", "Finned Swordfish"),                         \
      QT_TRANSLATE_NOOP("Count", "finned fish"), 4, 64, Hard, findFinnedSwordfish, describeFish)   \
    X(SashimiSwordfish, QT_TRANSLATE_NOOP("Technique", "Sashimi Swordfish"),                       \
      QT_TRANSLATE_NOOP("Count", "finned fish"), 4, 66, Hard, findSashimiSwordfish, describeFish)  \
    X(Jellyfish, QT_TRANSLATE_NOOP("Technique", "Jellyfish"),                                      \
      QT_TRANSLATE_NOOP("Count", "Jellyfish"), 4, 67, Fiendish, findJellyfish, describeFish)       \
    X(Skyscraper, QT_TRANSLATE_NOOP("Technique", "Skyscraper"),                                    \
      QT_TRANSLATE_NOOP("Count", "Skyscraper"), 5, 67, Hard, findSkyscraper,                       \
      describeTwoLinkPattern)                                                                      \
    X(TwoStringKite, QT_TRANSLATE_NOOP("Technique", "2-String Kite"),                              \
      QT_TRANSLATE_NOOP("Count", "2-String Kite"), 5, 69, Hard, findTwoStringKite,                 \
      describeTwoLinkPattern)                                                                      \
    X(TurbotFish, QT_TRANSLATE_NOOP("Technique", "Turbot Fish"),                                   \
      QT_TRANSLATE_NOOP("Count", "Turbot Fish"), 5, 70, Hard, findTurbotFish,                      \
      describeTwoLinkPattern)                                                                      \
    X(EmptyRectangle, QT_TRANSLATE_NOOP("Technique", "Empty Rectangle"),                           \
      QT_TRANSLATE_NOOP("Count", "Empty Rectangle"), 5, 72, Hard, findEmptyRectangle,              \
      describeEmptyRectangle)                                                                      \
    X(XYWing, QT_TRANSLATE_NOOP("Technique", "XY-Wing"), QT_TRANSLATE_NOOP("Count", "XY-Wing"), 6, \
      73, Hard, findXYWing, describeXYWing)                                                        \
    X(XYZWing, QT_TRANSLATE_NOOP("Technique", "XYZ-Wing"), QT_TRANSLATE_NOOP("Count", "XYZ-Wing"), \
      6, 77, Hard, findXYZWing, describeXYZWing)                                                   \
    X(WWing, QT_TRANSLATE_NOOP("Technique", "W-Wing"), QT_TRANSLATE_NOOP("Count", "W-Wing"), 6,    \
      80, Hard, findWWing, describeWWing)                                                          \
    X(UniqueRectangle1, QT_TRANSLATE_NOOP("Technique", "Unique Rectangle Type 1"),                 \
      QT_TRANSLATE_NOOP("Count", "Unique Rectangle"), 7, 80, Hard, findUniqueRectangle1,           \
      describeUniqueRectangle1)                                                                    \
    X(UniqueRectangle2, QT_TRANSLATE_NOOP("Technique", "Unique Rectangle Type 2"),                 \
      QT_TRANSLATE_NOOP("Count", "Unique Rectangle"), 7, 82, Hard, findUniqueRectangle2,           \
      describeUniqueRectangle2)                                                                    \
    X(UniqueRectangle4, QT_TRANSLATE_NOOP("Technique", "Unique Rectangle Type 4"),                 \
      QT_TRANSLATE_NOOP("Count", "Unique Rectangle"), 7, 84, Hard, findUniqueRectangle4,           \
      describeUniqueRectangle4)                                                                    \
    X(SimpleColouring, QT_TRANSLATE_NOOP("Technique", "Simple Colouring"),                         \
      QT_TRANSLATE_NOOP("Count", "colouring"), 8, 87, Fiendish, findSimpleColouring,               \
      describeSimpleColouring)                                                                     \
    X(XChain, QT_TRANSLATE_NOOP("Technique", "X-Chain"), QT_TRANSLATE_NOOP("Count", "X-Chain"), 8, \
      94, Fiendish, findXChain, describeXChain)                                                    \
    X(XYChain, QT_TRANSLATE_NOOP("Technique", "XY-Chain"), QT_TRANSLATE_NOOP("Count", "XY-Chain"), \
      8, 97, Fiendish, findXYChain, describeXYChain)                                               \
    X(AlternatingChain, QT_TRANSLATE_NOOP("Technique", "Alternating Inference Chain"),             \
      QT_TRANSLATE_NOOP("Count", "AIC"), 8, 102, Extreme, findAlternatingChain,                    \
      describeAlternatingChain)                                                                    \
    X(AlsXZ, QT_TRANSLATE_NOOP("Technique", "ALS-XZ"), QT_TRANSLATE_NOOP("Count", "ALS-XZ"), 9,    \
      108, Extreme, findAlsXZ, describeAlsXZ)                                                      \
    X(AlsXYWing, QT_TRANSLATE_NOOP("Technique", "ALS-XY-Wing"),                                    \
      QT_TRANSLATE_NOOP("Count", "ALS-XY-Wing"), 9, 116, Extreme, findAlsXYWing,                   \
      describeAlsXYWing)                                                                           \
    X(CellForcingChain, QT_TRANSLATE_NOOP("Technique", "Cell Forcing Chain"),                      \
      QT_TRANSLATE_NOOP("Count", "forcing chain"), 10, 127, Extreme, findCellForcingChain,         \
      describeCellForcingChain)                                                                    \
    X(UnitForcingChain, QT_TRANSLATE_NOOP("Technique", "Unit Forcing Chain"),                      \
      QT_TRANSLATE_NOOP("Count", "forcing chain"), 10, 127, Extreme, findUnitForcingChain,         \
      describeUnitForcingChain)                                                                    \
    X(ContradictionForcingChain, QT_TRANSLATE_NOOP("Technique", "Contradiction Forcing Chain"),    \
      QT_TRANSLATE_NOOP("Count", "forcing chain"), 10, 134, Extreme,                               \
      findContradictionForcingChain, describeContradictionForcingChain)                            \
    X(NestedForcingChain, QT_TRANSLATE_NOOP("Technique", "Nested Forcing Chain"),                  \
      QT_TRANSLATE_NOOP("Count", "nested forcing chain"), 10, 214, Extreme,                        \
      findNestedForcingChain, describeNestedForcingChain)

enum class Technique : uint8_t {
#define GA_TECHNIQUE_ID(id, name, word, rung, weight, level, finder, describer) k##id,
    GA_LADDER_TECHNIQUES(GA_TECHNIQUE_ID)
#undef GA_TECHNIQUE_ID
        kNone,  // no step: the board is finished, or no technique applies
};

constexpr int kTechniqueCount = static_cast<int>(Technique::kNone);

// How hard a puzzle is, in words a player knows, easiest first.
enum class Level : uint8_t { kEasy, kMedium, kHard, kFiendish, kExtreme };
constexpr int kPuzzleLevelCount = 5;
constexpr const char* kLevelNames[kPuzzleLevelCount] = {
    QT_TRANSLATE_NOOP("Level", "Easy"), QT_TRANSLATE_NOOP("Level", "Medium"),
    QT_TRANSLATE_NOOP("Level", "Hard"), QT_TRANSLATE_NOOP("Level", "Fiendish"),
    QT_TRANSLATE_NOOP("Level", "Extreme")};
// "Easy", "Medium", "Hard", "Fiendish", "Extreme": the names files and the
// command line use.
const char* levelName(Level level);
// The name the player reads: levelName in their language.
std::string shownLevelName(Level level);

struct TechniqueInfo {
    const char* name;       // "X-Wing"
    const char* countWord;  // what the rating counts it as: "single", "pair", ...
    int rung;               // 1..10
    int weight;             // what one step of it adds to the rating
    Level level;            // of a puzzle whose hardest step it is
};

const TechniqueInfo& techniqueInfo(Technique technique);
// The name the player reads: techniqueInfo(technique).name in their language.
std::string shownTechniqueName(Technique technique);

}  // namespace ga
