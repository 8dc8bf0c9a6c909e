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
    add('\n');
    return std::fwrite(text_, 1, length_, out) == static_cast<size_t>(length_);
}

}  // namespace ga::cli
