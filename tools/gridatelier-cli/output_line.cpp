#include "tools/gridatelier-cli/output_line.h"

namespace ga::cli {

void OutputLine::addNumber(int32_t value) {
    uint32_t magnitude = static_cast<uint32_t>(value);
    if (value < 0) {
        add('-');
        magnitude = 0u - magnitude;
    }
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (count > 0) add(digits[--count]);
}

bool OutputLine::writeTo(std::FILE* out) {
    endLine();
    return std::fwrite(text_.data(), 1, text_.size(), out) == text_.size();
}

}  // namespace ga::cli
