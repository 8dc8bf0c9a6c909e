// Reads a file descriptor line by line through one growing buffer.
//
// read(2) rather than stdio, so that a terminal or a pipe hands over each
// line as soon as it is typed or written, while a file is still read in large
// blocks; a line of any length fits because the buffer grows to hold it.
#pragma once

#include <string>

#include <cstddef>
#include <string_view>
#include <vector>

namespace ga::cli {

class LineReader {
  public:
    explicit LineReader(int fd, std::size_t blockSize = 1 << 16);

    // The next line without its '\n' (a '\r' before it stays). The view is
    // valid until the next call. False at the end of the input or on a read
    // error; a last line without '\n' is still returned.
    bool next(std::string_view& line);

    bool readFailed() const { return readFailed_; }

    // True when next() can answer without waiting for the input: a whole line
    // is in the buffer, or the input has ended.
    bool lineAtHand() const;

  private:
    // Moves the unread bytes to the front, grows the buffer when they fill
    // it, and reads once more; sets atEnd_ when nothing more can come.
    void refill();

    int fd_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;    // first unread byte
    std::size_t end_ = 0;      // one past the last byte read
    std::size_t scanned_ = 0;  // bytes from begin_ already known to hold no '\n'
    bool atEnd_ = false;
    bool readFailed_ = false;
};

// The pieces of puzzle input: each line on its own, except that the lines of
// a pencil-mark grid drawn over several lines (isPencilMarkGridLine) come as
// one text, joined by '\n', up to its 81st cell and the border lines right
// after it.
class PuzzleTextReader {
  public:
    explicit PuzzleTextReader(int fd) : reader_(fd) {}

    // The next piece and how many input lines it took. The view is valid
    // until the next call.
    bool next(std::string_view& text, long& lines);

    bool readFailed() const { return reader_.readFailed(); }
    bool lineAtHand() const { return held_ || reader_.lineAtHand(); }

  private:
    LineReader reader_;
    std::string joined_;
    std::string heldLine_;  // a line read past a grid that ended early
    bool held_ = false;
};

}  // namespace ga::cli
