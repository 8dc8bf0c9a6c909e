#include "tools/gridatelier-cli/line_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

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

}  // namespace ga::cli
