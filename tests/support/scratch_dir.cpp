#include "tests/support/scratch_dir.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ga::testing {

ScratchDir::ScratchDir() {
    std::string pattern = std::filesystem::temp_directory_path() / "gridatelier-test-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace ga::testing
