// Every technique of the human-style ladder, once: its name, the short word
// the rating counts it under, its rung (simplest first) and its weight in the
// rating. The ladder walks this list in order; the rating reads the weights;
// the words name the technique from it.
#pragma once

#include <cstdint>

namespace ga {

// X(id, name, count word, rung, weight, family)
#define GA_LADDER_TECHNIQUES(X)                                                            \
    X(FullHouse, "Full House", "single", 1, 4, Singles)                                    \
    X(HiddenSingle, "Hidden Single", "single", 1, 6, Singles)                              \
    X(NakedSingle, "Naked Single", "single", 1, 8, Singles)                                \
    X(Pointing, "Pointing", "locked", 2, 30, Intersections)                                \
    X(Claiming, "Claiming", "locked", 2, 34, Intersections)                                \
    X(NakedPair, "Naked Pair", "pair", 3, 40, Subsets)                                     \
    X(HiddenPair, "Hidden Pair", "pair", 3, 46, Subsets)                                   \
    X(NakedTriple, "Naked Triple", "triple", 3, 56, Subsets)                               \
    X(HiddenTriple, "Hidden Triple", "triple", 3, 64, Subsets)                             \
    X(NakedQuad, "Naked Quad", "quad", 3, 76, Subsets)                                     \
    X(HiddenQuad, "Hidden Quad", "quad", 3, 84, Subsets)                                   \
    X(XWing, "X-Wing", "X-Wing", 4, 90, Fish)                                              \
    X(FinnedXWing, "Finned X-Wing", "finned fish", 4, 120, Fish)                           \
    X(SashimiXWing, "Sashimi X-Wing", "finned fish", 4, 125, Fish)                         \
    X(Swordfish, "Swordfish", "Swordfish", 4, 110, Fish)                                   \
    X(FinnedSwordfish, "Finned Swordfish", "finned fish", 4, 140, Fish)                    \
    X(SashimiSwordfish, "Sashimi Swordfish", "finned fish", 4, 145, Fish)                  \
    X(Jellyfish, "Jellyfish", "Jellyfish", 4, 130, Fish)                                   \
    X(Skyscraper, "Skyscraper", "Skyscraper", 5, 100, SingleDigitPatterns)                 \
    X(TwoStringKite, "2-String Kite", "2-String Kite", 5, 100, SingleDigitPatterns)        \
    X(TurbotFish, "Turbot Fish", "Turbot Fish", 5, 110, SingleDigitPatterns)               \
    X(EmptyRectangle, "Empty Rectangle", "Empty Rectangle", 5, 115, SingleDigitPatterns)   \
    X(XYWing, "XY-Wing", "XY-Wing", 6, 120, Wings)                                         \
    X(XYZWing, "XYZ-Wing", "XYZ-Wing", 6, 130, Wings)                                      \
    X(WWing, "W-Wing", "W-Wing", 6, 135, Wings)                                            \
    X(UniqueRectangle1, "Unique Rectangle Type 1", "Unique Rectangle", 7, 100, Uniqueness) \
    X(UniqueRectangle2, "Unique Rectangle Type 2", "Unique Rectangle", 7, 110, Uniqueness) \
    X(UniqueRectangle4, "Unique Rectangle Type 4", "Unique Rectangle", 7, 115, Uniqueness) \
    X(SimpleColouring, "Simple Colouring", "colouring", 8, 150, Chains)                    \
    X(XChain, "X-Chain", "X-Chain", 8, 170, Chains)                                        \
    X(XYChain, "XY-Chain", "XY-Chain", 8, 180, Chains)                                     \
    X(AlternatingChain, "Alternating Inference Chain", "AIC", 8, 200, Chains)              \
    X(AlsXZ, "ALS-XZ", "ALS-XZ", 9, 220, AlmostLockedSets)                                 \
    X(AlsXYWing, "ALS-XY-Wing", "ALS-XY-Wing", 9, 250, AlmostLockedSets)                   \
    X(CellForcingChain, "Cell Forcing Chain", "forcing chain", 10, 300, ForcingChains)     \
    X(UnitForcingChain, "Unit Forcing Chain", "forcing chain", 10, 300, ForcingChains)     \
    X(ContradictionForcingChain, "Contradiction Forcing Chain", "forcing chain", 10, 320,  \
      ForcingChains)                                                                       \
    X(NestedForcingChain, "Nested Forcing Chain", "nested forcing chain", 10, 500, ForcingChains)

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
