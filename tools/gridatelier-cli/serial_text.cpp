#include "tools/gridatelier-cli/serial_text.h"

#include <cstdio>

namespace ga::cli {
namespace {

// 0..15, or -1 for a character that is no hexadecimal digit.
int hexDigitOf(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

uint32_t readSerialPart(std::string_view text) {
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
    }
    uint64_t value = 0;
    for (char c : text) {
        const int digit = hexDigitOf(c);
        if (digit < 0) break;
        value = value * 16 + static_cast<uint64_t>(digit);
        if (value > UINT32_MAX) return UINT32_MAX;
    }
    return static_cast<uint32_t>(value);
}

bool readSerialArguments(const std::vector<std::string>& arguments,
                         uint32_t (&parts)[kSerialParts]) {
    std::vector<std::string_view> pieces;
    if (arguments.size() == 1) {
        std::string_view rest = arguments[0];
        for (std::size_t dash; (dash = rest.find('-')) != std::string_view::npos;) {
            pieces.push_back(rest.substr(0, dash));
            rest.remove_prefix(dash + 1);
        }
        pieces.push_back(rest);
    } else {
        pieces.assign(arguments.begin(), arguments.end());
    }
    if (pieces.size() != kSerialParts) return false;
    for (int part = 0; part < kSerialParts; ++part) parts[part] = readSerialPart(pieces[part]);
    return true;
}

std::string formatSerial(const uint32_t (&parts)[kSerialParts]) {
    char text[kSerialParts * 9 + 1];
    std::snprintf(text, sizeof text, "%X-%X-%X-%X-%X", parts[0], parts[1], parts[2], parts[3],
                  parts[4]);
    return text;
}

}  // namespace ga::cli
