// The output of one puzzle (usually one line) built in a buffer that keeps its
// room from puzzle to puzzle and written with a single fwrite, so that
// thousands of result lines a second cost next to nothing.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace ga::cli {

class OutputLine {
  public:
    // The longest line any command writes: a depth and 81 candidate numbers
    // of up to nine digits, each after a space.
    static constexpr int kCapacity = 2 + 81 * 10 + 2;

    OutputLine() { text_.reserve(kCapacity + 1); }

    void clear() { text_.clear(); }
    void add(char c) { text_.push_back(c); }
    void addText(std::string_view text) { text_.append(text); }
    void addNumber(int32_t value);
    // '.' for an empty cell, else the value's digit.
    void addCell(int32_t value) {
        add(value >= 1 && value <= 9 ? static_cast<char>('0' + value) : '.');
    }
    // Ends a line that more lines of the same puzzle follow.
    void endLine() { add('\n'); }
    // Adds the last '\n' and writes everything; false when the write failed.
    bool writeTo(std::FILE* out);

  private:
    std::string text_;
};

}  // namespace ga::cli
