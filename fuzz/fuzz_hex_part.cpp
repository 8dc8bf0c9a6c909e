// What is typed into the recreate dialog's five fields. The input is the
// fields' texts, one per line; each is read by the dialog's reader, compared
// with the reading its header describes and with the command line's reader,
// and the five parts, when there are five, are checked as the dialog does.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "generator/serial.h"
#include "tools/gridatelier-cli/serial_text.h"
#include "ui/recreate_dialog.h"

namespace ga {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The reading as the header states it, by a different road: collect the
// digits first, then drop leading zeros and judge the length.
uint32_t expectedPart(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    std::string digits;
    for (char c : text) {
        if (hexValue(c) < 0) break;
        digits += c;
    }
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) return 0;
    digits.erase(0, firstNonZero);
    if (digits.size() > 8) return 0xFFFFFFFFu;
    uint32_t value = 0;
    for (char c : digits) value = value * 16 + static_cast<uint32_t>(hexValue(c));
    return value;
}

}  // namespace
}  // namespace ga

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ga;
    std::vector<std::string> fields;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t at; (at = rest.find('\n')) != std::string_view::npos;) {
        fields.emplace_back(rest.substr(0, at));
        rest.remove_prefix(at + 1);
    }
    fields.emplace_back(rest);

    uint32_t parts[kSerialParts] = {};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        const uint32_t value = readHexPart(field);
        FUZZ_CHECK(value == expectedPart(field));
        // The command line reads a part as the dialog does, except that it
        // takes no white space in front.
        std::size_t start = 0;
        while (start < field.size() && isSpace(field[start])) ++start;
        FUZZ_CHECK(value == cli::readSerialPart(std::string_view(field).substr(start)));
        if (i < kSerialParts) parts[i] = value;
    }
    // The whole input as one field, line ends and all.
    const std::string whole(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(readHexPart(whole) == expectedPart(whole));

    const int check = checkSerial(parts);
    FUZZ_CHECK(check == kSerialAccepted || check == kSerialIllegal || check == kSerialOutOfRange);
    FUZZ_CHECK((serialRefusalText(check) == nullptr) == (check == kSerialAccepted));
    return 0;
}
