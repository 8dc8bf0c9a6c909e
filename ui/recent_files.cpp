#include "ui/recent_files.h"

#include <algorithm>

namespace ga {

namespace {

bool usable(const std::string& path) {
    if (path.empty() || path[0] != '/') return false;
    return std::none_of(path.begin(), path.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

}  // namespace

std::vector<std::string> parseRecentFiles(const std::string& bytes) {
    std::vector<std::string> list;
    std::size_t start = 0;
    while (start < bytes.size() && list.size() < kRecentFiles) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        start = end + 1;
        if (usable(line) && std::find(list.begin(), list.end(), line) == list.end())
            list.push_back(line);
    }
    return list;
}

std::string formatRecentFiles(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& path : list) text += path + "\n";
    return text;
}

void addRecentFile(std::vector<std::string>& list, const std::string& path) {
    if (!usable(path)) return;
    removeRecentFile(list, path);
    list.insert(list.begin(), path);
    if (list.size() > kRecentFiles) list.resize(kRecentFiles);
}

void removeRecentFile(std::vector<std::string>& list, const std::string& path) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
}

}  // namespace ga
