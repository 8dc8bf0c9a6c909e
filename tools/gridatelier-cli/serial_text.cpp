#include "tools/gridatelier-cli/serial_text.h"

#include "generator/serial.h"

namespace ga::cli {

bool readSerialArguments(const std::vector<std::string>& arguments, SerialParts& parts) {
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

}  // namespace ga::cli
