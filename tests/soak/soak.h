// The soak run: generation at volume and random command sequences through the
// window. A failure is printed with the seed that reproduces it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace ga::soak {

struct Tally {
    long checks = 0;
    int failures = 0;
    std::map<std::string, long> counts;  // what was exercised, for the closing report

    // Counts the check; prints the first failures.
    bool check(bool passed, const std::string& where, const std::string& what);
};

void soakWindow(int sequences, uint32_t seed, const std::filesystem::path& folder, Tally& tally);

}  // namespace ga::soak
