#include "ui/statistics.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "core/translation.h"
#include "ui/user_files.h"

namespace ga {

namespace {

constexpr std::size_t kKeptTimes = 1000;
constexpr std::size_t kMostBytes = 1024 * 1024;

// --- a strict reader for exactly this file's shape ---------------------------------

class Reader {
  public:
    explicit Reader(const std::string& text) : text_(text) {}

    void blanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' ||
                                      text_[at_] == '\r' || text_[at_] == '\t'))
            ++at_;
    }
    bool take(char c) {
        blanks();
        if (at_ >= text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
    bool peek(char c) {
        blanks();
        return at_ < text_.size() && text_[at_] == c;
    }
    bool atEnd() {
        blanks();
        return at_ == text_.size();
    }
    bool string(std::string& out) {
        if (!take('"')) return false;
        out.clear();
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size()) return false;
            const char e = text_[at_++];
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    out += e;
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u': {
                    if (at_ + 4 > text_.size()) return false;
                    unsigned code = 0;
                    for (int i = 0; i < 4; ++i) {
                        const char h = text_[at_++];
                        const int digit = h >= '0' && h <= '9'   ? h - '0'
                                          : h >= 'a' && h <= 'f' ? h - 'a' + 10
                                          : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                                 : -1;
                        if (digit < 0) return false;
                        code = code * 16 + static_cast<unsigned>(digit);
                    }
                    // Only the Basic Multilingual Plane outside surrogates, as UTF-8.
                    if (code >= 0xD800 && code <= 0xDFFF) return false;
                    if (code < 0x80) {
                        out += static_cast<char>(code);
                    } else if (code < 0x800) {
                        out += static_cast<char>(0xC0 | (code >> 6));
                        out += static_cast<char>(0x80 | (code & 0x3F));
                    } else {
                        out += static_cast<char>(0xE0 | (code >> 12));
                        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                        out += static_cast<char>(0x80 | (code & 0x3F));
                    }
                    break;
                }
                default:
                    return false;
            }
        }
        return false;
    }
    // A non-negative integer that fits an int; `null` gives -1 when allowed.
    bool count(int& out, bool nullAllowed) {
        blanks();
        if (nullAllowed && text_.compare(at_, 4, "null") == 0) {
            at_ += 4;
            out = -1;
            return true;
        }
        long long value = 0;
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            value = value * 10 + (text_[at_++] - '0');
            if (value > INT_MAX) return false;
        }
        if (at_ == start) return false;
        out = static_cast<int>(value);
        return true;
    }
    // Any value, skipped (an unknown member), nested at most a few levels.
    bool skip(int depth = 0) {
        if (depth > 8) return false;
        blanks();
        if (peek('"')) {
            std::string ignored;
            return string(ignored);
        }
        if (take('[')) {
            if (take(']')) return true;
            do {
                if (!skip(depth + 1)) return false;
            } while (take(','));
            return take(']');
        }
        if (take('{')) {
            if (take('}')) return true;
            do {
                std::string key;
                if (!string(key) || !take(':') || !skip(depth + 1)) return false;
            } while (take(','));
            return take('}');
        }
        for (const char* word : {"null", "true", "false"}) {
            const std::string w = word;
            if (text_.compare(at_, w.size(), w) == 0) {
                at_ += w.size();
                return true;
            }
        }
        int ignored = 0;
        return count(ignored, false);
    }

  private:
    const std::string& text_;
    std::size_t at_ = 0;
};

bool readClass(Reader& in, ClassStatistics& out) {
    if (!in.take('{')) return false;
    ClassStatistics read;
    bool started = false, finished = false, withoutHelp = false;
    int ignored = 0;
    if (!in.take('}')) {
        do {
            std::string key;
            if (!in.string(key) || !in.take(':')) return false;
            if (key == "started") {
                if (!in.count(read.started, false)) return false;
                started = true;
            } else if (key == "finished") {
                if (!in.count(read.finished, false)) return false;
                finished = true;
            } else if (key == "finishedWithoutHelp") {
                if (!in.count(read.finishedWithoutHelp, false)) return false;
                withoutHelp = true;
            } else if (key == "bestSeconds" || key == "medianSeconds") {
                if (!in.count(ignored, true)) return false;  // made again from the times
            } else if (key == "times") {
                if (!in.take('[')) return false;
                if (!in.take(']')) {
                    do {
                        int seconds = 0;
                        if (!in.count(seconds, false) || read.times.size() >= kKeptTimes)
                            return false;
                        read.times.push_back(seconds);
                    } while (in.take(','));
                    if (!in.take(']')) return false;
                }
            } else if (!in.skip()) {
                return false;
            }
        } while (in.take(','));
        if (!in.take('}')) return false;
    }
    const bool consistent = read.finishedWithoutHelp <= read.finished &&
                            read.times.size() <= static_cast<std::size_t>(read.finished);
    if (!started || !finished || !withoutHelp || !consistent) return false;
    out = read;
    return true;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string numberOrNull(int value) {
    return value < 0 ? "null" : std::to_string(value);
}

}  // namespace

int ClassStatistics::bestSeconds() const {
    return times.empty() ? -1 : *std::min_element(times.begin(), times.end());
}

int ClassStatistics::medianSeconds() const {
    if (times.empty()) return -1;
    std::vector<int> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    return sorted[(sorted.size() - 1) / 2];
}

void recordStart(Statistics& statistics, const std::string& className) {
    ++statistics.byClass[className].started;
}

void recordFinish(Statistics& statistics, const std::string& className, int seconds,
                  bool withoutHelp) {
    ClassStatistics& entry = statistics.byClass[className];
    ++entry.finished;
    if (withoutHelp) ++entry.finishedWithoutHelp;
    entry.times.push_back(seconds < 0 ? 0 : seconds);
    if (entry.times.size() > kKeptTimes) entry.times.erase(entry.times.begin());
}

std::string formatStatistics(const Statistics& statistics) {
    std::string text = "{";
    bool first = true;
    for (const auto& [name, entry] : statistics.byClass) {
        text += first ? "\n" : ",\n";
        first = false;
        text += "  " + quoted(name) + ": {\n";
        text += "    \"started\": " + std::to_string(entry.started) + ",\n";
        text += "    \"finished\": " + std::to_string(entry.finished) + ",\n";
        text += "    \"finishedWithoutHelp\": " + std::to_string(entry.finishedWithoutHelp) + ",\n";
        text += "    \"bestSeconds\": " + numberOrNull(entry.bestSeconds()) + ",\n";
        text += "    \"medianSeconds\": " + numberOrNull(entry.medianSeconds()) + ",\n";
        text += "    \"times\": [";
        for (std::size_t i = 0; i < entry.times.size(); ++i)
            text += (i ? ", " : "") + std::to_string(entry.times[i]);
        text += "]\n  }";
    }
    return text + (first ? "}\n" : "\n}\n");
}

bool parseStatistics(const std::string& json, Statistics& out) {
    if (json.size() > kMostBytes) return false;
    Reader in(json);
    Statistics read;
    if (!in.take('{')) return false;
    if (!in.take('}')) {
        do {
            std::string name;
            ClassStatistics entry;
            if (!in.string(name) || !in.take(':') || !readClass(in, entry)) return false;
            if (read.byClass.count(name) != 0) return false;
            read.byClass[name] = entry;
        } while (in.take(','));
        if (!in.take('}')) return false;
    }
    if (!in.atEnd()) return false;
    out = std::move(read);
    return true;
}

StatisticsLoad loadStatistics(const std::string& path) {
    StatisticsLoad load;
    std::string bytes;
    const ReadOutcome read = readWholeFile(path, bytes, kMostBytes);
    if (read == ReadOutcome::kMissing) return load;
    if (read == ReadOutcome::kRead && parseStatistics(bytes, load.statistics)) return load;
    load.statistics = Statistics{};
    const std::string moved = moveAside(path);
    load.notice = moved.empty()
                      ? filled(translate("Message",
                                         "The statistics file %1 could not be read; statistics "
                                         "are not kept this time."),
                               {path})
                      : filled(translate("Message",
                                         "The statistics file could not be read and was moved "
                                         "to %1; counting starts afresh."),
                               {moved});
    return load;
}

bool saveStatistics(const std::string& path, const Statistics& statistics) {
    return writeUserFile(path, formatStatistics(statistics));
}

std::string formatPlayedTime(long long seconds) {
    if (seconds < 0) seconds = 0;
    char text[32];
    if (seconds >= 3600) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
    }
    return text;
}

}  // namespace ga
