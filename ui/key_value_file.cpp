#include "ui/key_value_file.h"

#include <cstddef>

namespace ga {

namespace {

constexpr std::size_t kMostBytes = 64 * 1024;

bool isKey(const std::string& key) {
    if (key.empty()) return false;
    for (char c : key) {
        const bool ok =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.';
        if (!ok) return false;
    }
    return true;
}

bool hasControl(const std::string& text) {
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) return true;
    }
    return false;
}

}  // namespace

void KeyValueFile::set(const std::string& key, const std::string& value) {
    for (auto& entry : values_) {
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    }
    values_.emplace_back(key, value);
}

void KeyValueFile::setInt(const std::string& key, long long value) {
    set(key, std::to_string(value));
}

bool KeyValueFile::has(const std::string& key) const {
    std::string ignored;
    return getString(key, ignored);
}

bool KeyValueFile::getString(const std::string& key, std::string& out) const {
    for (const auto& entry : values_) {
        if (entry.first == key) {
            out = entry.second;
            return true;
        }
    }
    return false;
}

bool KeyValueFile::getInt(const std::string& key, long long lowest, long long highest,
                          long long& out) const {
    std::string text;
    if (!getString(key, text) || text.empty() || text.size() > 18) return false;
    const bool negative = text[0] == '-';
    if (negative && text.size() == 1) return false;
    long long value = 0;
    for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    if (negative) value = -value;
    if (value < lowest || value > highest) return false;
    out = value;
    return true;
}

std::string KeyValueFile::format() const {
    std::string text = header_ + "\n";
    for (const auto& entry : values_) text += entry.first + "=" + entry.second + "\n";
    return text;
}

bool parseKeyValueFile(const std::string& bytes, const std::string& expectedHeader,
                       KeyValueFile& out) {
    if (bytes.size() > kMostBytes || bytes.empty() || bytes.back() != '\n') return false;
    KeyValueFile file(expectedHeader);
    std::size_t start = 0;
    bool first = true;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        const std::string line = bytes.substr(start, end - start);
        start = end + 1;
        if (hasControl(line)) return false;
        if (first) {
            if (line != expectedHeader) return false;
            first = false;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) return false;
        const std::string key = line.substr(0, equals);
        if (!isKey(key) || file.has(key)) return false;
        file.set(key, line.substr(equals + 1));
    }
    out = file;
    return true;
}

}  // namespace ga
