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
// X(id, name, count word, rung, weight, family)
#define GA_LADDER_TECHNIQUES(X)                                                           \
    X(FullHouse, "Full House", "single", 1, 8, Singles)                                   \
    X(HiddenSingle, "Hidden Single", "single", 1, 10, Singles)                            \
    X(NakedSingle, "Naked Single", "single", 1, 12, Singles)                              \
    X(Pointing, "Pointing", "locked", 2, 28, Intersections)                               \
    X(Claiming, "Claiming", "locked", 2, 30, Intersections)                               \
    X(NakedPair, "Naked Pair", "pair", 3, 32, Subsets)                                    \
    X(HiddenPair, "Hidden Pair", "pair", 3, 36, Subsets)                                  \
    X(NakedTriple, "Naked Triple", "triple", 3, 40, Subsets)                              \
    X(HiddenTriple, "Hidden Triple", "triple", 3, 44, Subsets)                            \
    X(NakedQuad, "Naked Quad", "quad", 3, 47, Subsets)                                    \
    X(HiddenQuad, "Hidden Quad", "quad", 3, 51, Subsets)                                  \
    X(XWing, "X-Wing", "X-Wing", 4, 54, Fish)                                             \
    X(FinnedXWing, "Finned X-Wing", "finned fish", 4, 58, Fish)                           \
    X(SashimiXWing, "Sashimi X-Wing", "finned fish", 4, 59, Fish)                         \
    X(Swordfish, "Swordfish", "Swordfish", 4, 61, Fish)                                   \
    X(FinnedSwordfish, "Finned Swordfish", "finned fish", 4, 64, Fish)                    \
    X(SashimiSwordfish, "Sashimi Swordfish", "finned fish", 4, 66, Fish)                  \
    X(Jellyfish, "Jellyfish", "Jellyfish", 4, 67, Fish)                                   \
    X(Skyscraper, "Skyscraper", "Skyscraper", 5, 67, SingleDigitPatterns)                 \
    X(TwoStringKite, "2-String Kite", "2-String Kite", 5, 69, SingleDigitPatterns)        \
    X(TurbotFish, "Turbot Fish", "Turbot Fish", 5, 70, SingleDigitPatterns)               \
    X(EmptyRectangle, "Empty Rectangle", "Empty Rectangle", 5, 72, SingleDigitPatterns)   \
    X(XYWing, "XY-Wing", "XY-Wing", 6, 73, Wings)                                         \
    X(XYZWing, "XYZ-Wing", "XYZ-Wing", 6, 77, Wings)                                      \
    X(WWing, "W-Wing", "W-Wing", 6, 80, Wings)                                            \
    X(UniqueRectangle1, "Unique Rectangle Type 1", "Unique Rectangle", 7, 80, Uniqueness) \
    X(UniqueRectangle2, "Unique Rectangle Type 2", "Unique Rectangle", 7, 82, Uniqueness) \
    X(UniqueRectangle4, "Unique Rectangle Type 4", "Unique Rectangle", 7, 84, Uniqueness) \
    X(SimpleColouring, "Simple Colouring", "colouring", 8, 87, Chains)                    \
    X(XChain, "X-Chain", "X-Chain", 8, 94, Chains)                                        \
    X(XYChain, "XY-Chain", "XY-Chain", 8, 97, Chains)                                     \
    X(AlternatingChain, "Alternating Inference Chain", "AIC", 8, 102, Chains)             \
    X(AlsXZ, "ALS-XZ", "ALS-XZ", 9, 108, AlmostLockedSets)                                \
    X(AlsXYWing, "ALS-XY-Wing", "ALS-XY-Wing", 9, 116, AlmostLockedSets)                  \
    X(CellForcingChain, "Cell Forcing Chain", "forcing chain", 10, 127, ForcingChains)    \
    X(UnitForcingChain, "Unit Forcing Chain", "forcing chain", 10, 127, ForcingChains)    \
    X(ContradictionForcingChain, "Contradiction Forcing Chain", "forcing chain", 10, 134, \
      ForcingChains)                                                                      \
    X(NestedForcingChain, "Nested Forcing Chain", "nested forcing chain", 10, 214, ForcingChains)

enum class Technique : uint8_t {
#define GA_TECHNIQUE_ID(id, name, word, rung, weight, family) k##id,
    GA_LADDER_TECHNIQUES(GA_TECHNIQUE_ID)
#undef GA_TECHNIQUE_ID
        kNone,  // no step: the board is finished, or no technique applies
};

constexpr int kTechniqueCount = static_cast<int>(Technique::kNone);

struct TechniqueInfo {
    const char* name;       // "X-Wing"
    const char* countWord;  // what the rating counts it as: "single", "pair", ...
    int rung;               // 1..10
    int weight;             // what one step of it adds to the rating
};

const TechniqueInfo& techniqueInfo(Technique technique);

}  // namespace ga
