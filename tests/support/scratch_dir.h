// A fresh folder for one test, removed with everything in it at the end, and
// the bytes of a file.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace ga::testing {

class ScratchDir {
  public:
    ScratchDir() : path_(mkdtemp(pattern_.data()) ? pattern_ : "") {}
    ~ScratchDir() { std::filesystem::remove_all(path_, ignored_); }
    ScratchDir(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::string pattern_ = std::filesystem::temp_directory_path() / "gridatelier-test-XXXXXX";
    std::filesystem::path path_;
    std::error_code ignored_;
};

inline std::string readFile(const std::filesystem::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

}  // namespace ga::testing
