// One output line built in a fixed buffer and written with a single fwrite,
// so that thousands of result lines a second cost next to nothing.
#pragma once

#include <cstdint>
#include <cstdio>

namespace ga::cli {

class OutputLine {
  public:
    // The longest line any command writes: a depth and 81 candidate numbers
    // of up to nine digits, each after a space.
    static constexpr int kCapacity = 2 + 81 * 10 + 2;

    void clear() { length_ = 0; }
    void add(char c) { text_[length_++] = c; }
    void addNumber(int32_t value);
    // '.' for an empty cell, else the value's digit.
    void addCell(int32_t value) {
        add(value >= 1 && value <= 9 ? static_cast<char>('0' + value) : '.');
    }
    // Adds the '\n' and writes the line; false when the write failed.
    bool writeTo(std::FILE* out);

  private:
    char text_[kCapacity + 16];
    int length_ = 0;
};

}  // namespace ga::cli
