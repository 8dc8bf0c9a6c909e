// The puzzle files loaded or saved last, newest first, one path a line in
// the player's state folder.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ga {

constexpr std::size_t kRecentFiles = 8;

// Only absolute paths without control characters count; duplicates and
// lines past the eighth are dropped. Never fails.
std::vector<std::string> parseRecentFiles(const std::string& bytes);
std::string formatRecentFiles(const std::vector<std::string>& list);
// To the front, an equal entry taken out, cut to eight.
void addRecentFile(std::vector<std::string>& list, const std::string& path);
void removeRecentFile(std::vector<std::string>& list, const std::string& path);

}  // namespace ga
