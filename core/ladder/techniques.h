// Every technique of the human-style ladder, once: its name, the short word
// the rating counts it under, its rung (simplest first) and its weight in the
// rating. The ladder walks this list in order; the rating reads the weights;
// the words name the technique from it.
#pragma once

#include <cstdint>

namespace ga {

// The weights never fall along the list, so a harder step never counts less.
// Past the singles they grow slower than how much harder a person finds each
// technique (as the 3/4 power of it): the number of steps a puzzle takes
// tells its difficulty as much as its hardest step does (README.md,
// "How the weights were chosen").
// The level is the one a puzzle needing the technique starts from (see
// puzzleLevel in ladder.h).
// X(id, name, count word, rung, weight, level, family)
#define GA_LADDER_TECHNIQUES(X)                                                                    \
    X(FullHouse, "Full House", "single", 1, 8, Easy, Singles)                                      \
    X(HiddenSingle, "Hidden Single", "single", 1, 10, Easy, Singles)                               \
    X(NakedSingle, "Naked Single", "single", 1, 12, Easy, Singles)                                 \
    X(Pointing, "Pointing", "locked", 2, 28, Medium, Intersections)                                \
    X(Claiming, "Claiming", "locked", 2, 30, Medium, Intersections)                                \
    X(NakedPair, "Naked Pair", "pair", 3, 32, Medium, Subsets)                                     \
    X(HiddenPair, "Hidden Pair", "pair", 3, 36, Medium, Subsets)                                   \
    X(NakedTriple, "Naked Triple", "triple", 3, 40, Medium, Subsets)                               \
    X(HiddenTriple, "Hidden Triple", "triple", 3, 44, Medium, Subsets)                             \
    X(NakedQuad, "Naked Quad", "quad", 3, 47, Hard, Subsets)                                       \
    X(HiddenQuad, "Hidden Quad", "quad", 3, 51, Hard, Subsets)                                     \
    X(XWing, "X-Wing", "X-Wing", 4, 54, Hard, Fish)                                                \
    X(FinnedXWing, "Finned X-Wing", "finned fish", 4, 58, Hard, Fish)                              \
    X(SashimiXWing, "Sashimi X-Wing", "finned fish", 4, 59, Hard, Fish)                            \
    X(Swordfish, "Swordfish", "Swordfish", 4, 61, Hard, Fish)                                      \
    X(FinnedSwordfish, "Finned Swordfish", "finned fish", 4, 64, Hard, Fish)                       \
    X(SashimiSwordfish, "Sashimi Swordfish", "finned fish", 4, 66, Hard, Fish)                     \
    X(Jellyfish, "Jellyfish", "Jellyfish", 4, 67, Fiendish, Fish)                                  \
    X(Skyscraper, "Skyscraper", "Skyscraper", 5, 67, Hard, SingleDigitPatterns)                    \
    X(TwoStringKite, "2-String Kite", "2-String Kite", 5, 69, Hard, SingleDigitPatterns)           \
    X(TurbotFish, "Turbot Fish", "Turbot Fish", 5, 70, Hard, SingleDigitPatterns)                  \
    X(EmptyRectangle, "Empty Rectangle", "Empty Rectangle", 5, 72, Hard, SingleDigitPatterns)      \
    X(XYWing, "XY-Wing", "XY-Wing", 6, 73, Hard, Wings)                                            \
    X(XYZWing, "XYZ-Wing", "XYZ-Wing", 6, 77, Hard, Wings)                                         \
    X(WWing, "W-Wing", "W-Wing", 6, 80, Hard, Wings)                                               \
    X(UniqueRectangle1, "Unique Rectangle Type 1", "Unique Rectangle", 7, 80, Hard, Uniqueness)    \
    X(UniqueRectangle2, "Unique Rectangle Type 2", "Unique Rectangle", 7, 82, Hard, Uniqueness)    \
    X(UniqueRectangle4, "Unique Rectangle Type 4", "Unique Rectangle", 7, 84, Hard, Uniqueness)    \
    X(SimpleColouring, "Simple Colouring", "colouring", 8, 87, Fiendish, Chains)                   \
    X(XChain, "X-Chain", "X-Chain", 8, 94, Fiendish, Chains)                                       \
    X(XYChain, "XY-Chain", "XY-Chain", 8, 97, Fiendish, Chains)                                    \
    X(AlternatingChain, "Alternating Inference Chain", "AIC", 8, 102, Extreme, Chains)             \
    X(AlsXZ, "ALS-XZ", "ALS-XZ", 9, 108, Extreme, AlmostLockedSets)                                \
    X(AlsXYWing, "ALS-XY-Wing", "ALS-XY-Wing", 9, 116, Extreme, AlmostLockedSets)                  \
    X(CellForcingChain, "Cell Forcing Chain", "forcing chain", 10, 127, Extreme, ForcingChains)    \
    X(UnitForcingChain, "Unit Forcing Chain", "forcing chain", 10, 127, Extreme, ForcingChains)    \
    X(ContradictionForcingChain, "Contradiction Forcing Chain", "forcing chain", 10, 134, Extreme, \
      ForcingChains)                                                                               \
    X(NestedForcingChain, "Nested Forcing Chain", "nested forcing chain", 10, 214, Extreme,        \
      ForcingChains)

enum class Technique : uint8_t {
#define GA_TECHNIQUE_ID(id, name, word, rung, weight, level, family) k##id,
    GA_LADDER_TECHNIQUES(GA_TECHNIQUE_ID)
#undef GA_TECHNIQUE_ID
        kNone,  // no step: the board is finished, or no technique applies
};

constexpr int kTechniqueCount = static_cast<int>(Technique::kNone);

// How hard a puzzle is, in words a player knows, easiest first.
enum class Level : uint8_t { kEasy, kMedium, kHard, kFiendish, kExtreme };
constexpr int kPuzzleLevelCount = 5;
constexpr const char* kLevelNames[kPuzzleLevelCount] = {"Easy", "Medium", "Hard", "Fiendish",
                                                        "Extreme"};
// "Easy", "Medium", "Hard", "Fiendish", "Extreme".
const char* levelName(Level level);

struct TechniqueInfo {
    const char* name;       // "X-Wing"
    const char* countWord;  // what the rating counts it as: "single", "pair", ...
    int rung;               // 1..10
    int weight;             // what one step of it adds to the rating
    Level level;            // of a puzzle whose hardest step it is
};

const TechniqueInfo& techniqueInfo(Technique technique);

}  // namespace ga
