// One small text format for the player's preferences and the game kept
// across closing: a header line naming the kind and its version ("gridAtelier
// game 1"), then "key=value" lines, each ending in "\n". Keys are letters,
// digits and dots; values any text without control characters.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace ga {

class KeyValueFile {
  public:
    explicit KeyValueFile(std::string header) : header_(std::move(header)) {}

    void set(const std::string& key, const std::string& value);  // replaces
    void setInt(const std::string& key, long long value);
    bool has(const std::string& key) const;
    bool getString(const std::string& key, std::string& out) const;
    // False when missing, not a decimal number or outside [lowest, highest];
    // `out` is untouched then.
    bool getInt(const std::string& key, long long lowest, long long highest, long long& out) const;
    std::string format() const;  // keys in the order first set
    const std::string& header() const { return header_; }

  private:
    std::string header_;
    std::vector<std::pair<std::string, std::string>> values_;
};

// False (corrupt or foreign) for another header, a line without '=', a bad or
// repeated key, a control character, a missing last line end or more than
// 64 KiB.
bool parseKeyValueFile(const std::string& bytes, const std::string& expectedHeader,
                       KeyValueFile& out);

}  // namespace ga
