// gridatelier_soak [--puzzles N] [--seed S]: N puzzles of every class, each
// from its own random seed and held to what its class promises. ctest runs a
// short version; a long run is gridatelier_soak --puzzles 2000.
#include <gtest/gtest.h>

#include <ctime>
#include <random>
#include <string>

#include "core/random.h"
#include "tests/generator/sound_puzzle.h"

namespace {

unsigned long puzzles = 20, seed = static_cast<unsigned long>(std::time(nullptr));

TEST(Soak, GeneratedPuzzlesKeepTheirPromises) {
    std::printf("seed %lu\n", seed);
    std::mt19937 random(static_cast<uint32_t>(seed));
    for (unsigned long i = 0; i < puzzles * 8 && !HasFailure(); ++i) {
        const int difficultyClass = static_cast<int>(i % 8);
        const uint32_t puzzleSeed = random();
        SCOPED_TRACE("class " + std::to_string(difficultyClass) + " seed " +
                     std::to_string(puzzleSeed));
        ga::seedRandomWith(puzzleSeed);
        ga::PuzzleRecord puzzle;
        ga::ProgressMeter meter;
        ASSERT_EQ(ga::generatePuzzle(puzzle, difficultyClass, meter), ga::kGenerated);
        ga::testing::expectSoundPuzzle(puzzle, difficultyClass);
    }
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i + 1 < argc; i += 2) {
        unsigned long* target = std::string(argv[i]) == "--puzzles" ? &puzzles
                                : std::string(argv[i]) == "--seed"  ? &seed
                                                                    : nullptr;
        if (!target)
            return std::fprintf(stderr, "usage: %s [--puzzles N] [--seed S]\n", argv[0]), 2;
        *target = std::stoul(argv[i + 1]);
    }
    return RUN_ALL_TESTS();
}
