#include "core/translation.h"

#include <atomic>
#include <vector>

namespace ga {

namespace {

std::atomic<Catalogue> installed{nullptr};

}  // namespace

void installCatalogue(Catalogue catalogue) {
    installed.store(catalogue);
}

bool catalogueInstalled() {
    return installed.load() != nullptr;
}

std::string translate(const char* context, const char* text) {
    const Catalogue catalogue = installed.load();
    if (catalogue != nullptr) {
        std::string translation = catalogue(context, text);
        if (!translation.empty()) return translation;
    }
    return text;
}

std::string filled(const std::string& pattern, std::initializer_list<std::string> values) {
    const std::vector<std::string> given(values);
    std::string text;
    text.reserve(pattern.size() + 16);
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 == pattern.size()) {
            text += c;
            continue;
        }
        const char next = pattern[i + 1];
        if (next == '%') {
            text += '%';
            ++i;
        } else if (next >= '1' && next <= '9' && static_cast<size_t>(next - '1') < given.size()) {
            text += given[static_cast<size_t>(next - '1')];
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace ga
