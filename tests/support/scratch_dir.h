// A fresh folder for one test, removed with everything in it at the end, and
// the bytes of a file.
#pragma once

#include <filesystem>
#include <string>

namespace ga::testing {

class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& path);

}  // namespace ga::testing
