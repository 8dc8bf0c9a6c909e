#include "core/random.h"

#include <ctime>
#include <mutex>

namespace ga {
namespace {

constexpr int kStateWords = 624;
constexpr int kShift = 397;
constexpr uint32_t kUpperMask = 0x80000000u;
constexpr uint32_t kLowerMask = 0x7FFFFFFFu;
constexpr uint32_t kMatrixByLowBit[2] = {0u, 0x9908B0DFu};

struct Stream {
    uint32_t mt[kStateWords];
    int mti = kStateWords + 1;
};

Stream stream;
std::mutex streamLock;

void fillFromSeed(uint32_t seed) {
    uint32_t* mt = stream.mt;
    mt[0] = seed;
    for (int i = 1; i < kStateWords; i++) {
        mt[i] = 1812433253u * (mt[i - 1] ^ (mt[i - 1] >> 30)) + static_cast<uint32_t>(i);
    }
    stream.mti = kStateWords;
}

// The fixed key mixed in after the seed fill, as the reference init_by_array
// does; only the starting fill differs from the reference routine.
void mixInKey() {
    static const uint32_t key[4] = {0x123, 0x234, 0x345, 0x456};
    constexpr int keyLength = 4;
    uint32_t* mt = stream.mt;
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

void regenerate() {
    uint32_t* mt = stream.mt;
    int i = 0;
    for (; i < kStateWords - kShift; i++) {
        uint32_t y = (mt[i] & kUpperMask) | (mt[i + 1] & kLowerMask);
        mt[i] = mt[i + kShift] ^ (y >> 1) ^ kMatrixByLowBit[y & 1];
    }
    for (; i < kStateWords - 1; i++) {
        uint32_t y = (mt[i] & kUpperMask) | (mt[i + 1] & kLowerMask);
        mt[i] = mt[i + (kShift - kStateWords)] ^ (y >> 1) ^ kMatrixByLowBit[y & 1];
    }
    uint32_t y = (mt[kStateWords - 1] & kUpperMask) | (mt[0] & kLowerMask);
    mt[kStateWords - 1] = mt[kShift - 1] ^ (y >> 1) ^ kMatrixByLowBit[y & 1];
}

}  // namespace

int seedRandomWith(uint32_t seed) {
    std::lock_guard<std::mutex> guard(streamLock);
    fillFromSeed(seed);
    mixInKey();
    return 0;
}

// A stream drawn from before anyone seeds it would give only zeros, and a
// search drawing zeros never ends; start from the reference seed instead.
const int seededAtStart = seedRandomWith(19650218);

int seedRandom() {
    return seedRandomWith(static_cast<uint32_t>(static_cast<uint64_t>(std::time(nullptr))));
}

uint32_t nextRandom() {
    std::lock_guard<std::mutex> guard(streamLock);
    // Regenerating whenever the index wraps (rather than when it reaches the
    // end) means an unseeded stream is never seeded here behind the caller's back.
    int k = stream.mti % kStateWords;
    if (k == 0) regenerate();
    uint32_t y = stream.mt[k];
    stream.mti = k + 1;
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

}  // namespace ga
