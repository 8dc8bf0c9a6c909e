// The options that ask for puzzles made to order (--level, --technique,
// --score, --symmetry), shared by generate and book, and the making of
// puzzle 0..count-1 of an order on several threads.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <functional>
#include <string>

#include "generator/made_to_order.h"

namespace ga::cli {

struct OrderOptions {
    std::string level, technique, score, symmetry = "none";
    CLI::Option* levelOption = nullptr;
    CLI::Option* techniqueOption = nullptr;
    CLI::Option* scoreOption = nullptr;
    CLI::Option* symmetryOption = nullptr;

    // Whether any of --level, --technique and --score was given.
    bool ordered() const {
        return levelOption->count() + techniqueOption->count() + scoreOption->count() > 0;
    }
};

void addOrderOptions(CLI::App* sub, OrderOptions& options);

// The order the options ask for; an empty text, or why they cannot be one.
std::string readOrder(const OrderOptions& options, PuzzleOrder& order);

// The seed of every puzzle number of one run, from the one random stream,
// which --seed seeds.
uint64_t orderSeed();

// Puzzles 0..count-1 of the seed on `jobs` threads, handed to `take` in their
// order as soon as each and all before it are made (null: one could not be).
// Returns false when one could not be made or `take` said stop.
bool makeInOrder(const PuzzleOrder& order, uint64_t seed, int count, int jobs,
                 const std::function<bool(const OrderedPuzzle*)>& take);

// "gridatelier-cli: no puzzle met the order in ... tries; ..." on standard error.
void reportOrderNotMet();

// When no minimal puzzle can meet the order: says why on standard error and
// returns true.
bool reportImpossibleOrder(const PuzzleOrder& order);

}  // namespace ga::cli
