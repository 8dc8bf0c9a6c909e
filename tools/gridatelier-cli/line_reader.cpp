#include "tools/gridatelier-cli/line_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tools/gridatelier-cli/puzzle_line.h"

namespace ga::cli {

LineReader::LineReader(int fd, std::size_t blockSize)
    : fd_(fd), buffer_(blockSize > 0 ? blockSize : 1) {}

bool LineReader::next(std::string_view& line) {
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        if (const void* newline = std::memchr(start + scanned_, '\n', available - scanned_)) {
            const std::size_t length = static_cast<const char*>(newline) - start;
            line = std::string_view(start, length);
            begin_ += length + 1;
            scanned_ = 0;
            return true;
        }
        scanned_ = available;
        if (!atEnd_) {
            refill();
            continue;
        }
        if (available == 0) return false;
        line = std::string_view(start, available);
        begin_ = end_;
        scanned_ = 0;
        return true;
    }
}

bool LineReader::lineAtHand() const {
    if (atEnd_) return true;
    const char* start = buffer_.data() + begin_;
    return std::memchr(start + scanned_, '\n', end_ - begin_ - scanned_) != nullptr;
}

void LineReader::refill() {
    const std::size_t pending = end_ - begin_;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, pending);
        begin_ = 0;
        end_ = pending;
    }
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);

    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) readFailed_ = true;
        atEnd_ = true;
        return;
    }
}

bool PuzzleTextReader::next(std::string_view& text, long& lines) {
    std::string_view line;
    if (held_) {
        held_ = false;
        joined_ = heldLine_;
        line = joined_;
    } else if (!reader_.next(line)) {
        return false;
    }
    lines = 1;
    if (!isPencilMarkGridLine(line) || pencilMarkCells(line) >= kCells) {
        text = line;
        return true;
    }
    if (line.data() != joined_.data()) joined_.assign(line);
    int cells = pencilMarkCells(joined_);
    while (reader_.next(line)) {
        if (!isPencilMarkGridLine(line) || (cells >= kCells && pencilMarkCells(line) > 0)) {
            heldLine_.assign(line);
            held_ = true;
            break;
        }
        ++lines;
        joined_ += '\n';
        joined_.append(line);
        cells += pencilMarkCells(line);
        if (cells >= kCells && !reader_.lineAtHand()) break;
    }
    text = joined_;
    return true;
}

}  // namespace ga::cli
