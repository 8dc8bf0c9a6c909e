#include "core/random.h"

#include <ctime>
#include <locale>
#include <mutex>
#include <random>
#include <sstream>

namespace ga {
namespace {

constexpr int kStateWords = std::mt19937::state_size;

// The standard engine draws; only its starting state is this stream's own.
std::mt19937 engine;
std::mutex streamLock;

// The seed's linear fill, then the fixed key mixed in as the reference
// init_by_array does; only the starting fill differs from the reference
// routine (which starts from 19650218 whatever the key).
void startingState(uint32_t seed, uint32_t (&mt)[kStateWords]) {
    mt[0] = seed;
    for (int i = 1; i < kStateWords; i++)
        mt[i] = 1812433253u * (mt[i - 1] ^ (mt[i - 1] >> 30)) + static_cast<uint32_t>(i);
    static const uint32_t key[4] = {0x123, 0x234, 0x345, 0x456};
    constexpr int keyLength = 4;
    int i = 1, j = 0;
    for (int k = kStateWords; k > 0; k--) {
        mt[i] = (mt[i] ^ ((mt[i - 1] ^ (mt[i - 1] >> 30)) * 1664525u)) + key[j] +
                static_cast<uint32_t>(j);
        i++;
        j++;
        if (i >= kStateWords) {
            mt[0] = mt[kStateWords - 1];
            i = 1;
        }
        if (j >= keyLength) j = 0;
    }
    for (int k = kStateWords - 1; k > 0; k--) {
        mt[i] =
            (mt[i] ^ ((mt[i - 1] ^ (mt[i - 1] >> 30)) * 1566083941u)) - static_cast<uint32_t>(i);
        i++;
        if (i >= kStateWords) {
            mt[0] = mt[kStateWords - 1];
            i = 1;
        }
    }
    mt[0] = 0x80000000u;
}

}  // namespace

void seedRandomWith(uint32_t seed) {
    uint32_t state[kStateWords];
    startingState(seed, state);
    // The engine takes a whole state only as its text: the n words, oldest
    // first, with the next draw regenerating them.
    std::ostringstream text;
    text.imbue(std::locale::classic());
    for (const uint32_t word : state) text << word << ' ';
    text << kStateWords;
    std::istringstream in(text.str());
    in.imbue(std::locale::classic());
    std::lock_guard<std::mutex> guard(streamLock);
    in >> engine;
}

// A stream drawn from before anyone seeds it starts from the reference seed.
const bool seededAtStart = (seedRandomWith(19650218), true);

void seedRandom() {
    seedRandomWith(static_cast<uint32_t>(static_cast<uint64_t>(std::time(nullptr))));
}

uint32_t nextRandom() {
    std::lock_guard<std::mutex> guard(streamLock);
    return static_cast<uint32_t>(engine());
}

}  // namespace ga
