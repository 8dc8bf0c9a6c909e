#include "tools/gridatelier-cli/terminal_progress.h"

#include <cstring>

namespace ga::cli {
namespace {

constexpr auto kQuietStart = std::chrono::milliseconds(250);
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

void TerminalProgress::setLabel(const char* label) {
    std::strncpy(label_, label, sizeof label_ - 1);
    label_[sizeof label_ - 1] = '\0';
}

void TerminalProgress::show() {
    if (shown_) return;
    shown_ = true;
    position_ = -1;
    shownAt_ = Clock::now();
}

void TerminalProgress::hide() {
    if (drawn_) {
        // Blank the line so that the next output starts on a clean one.
        std::fprintf(out_, "\r%*s\r", static_cast<int>(std::strlen(label_)) + 8, "");
        std::fflush(out_);
    }
    shown_ = false;
    drawn_ = false;
}

void TerminalProgress::setPosition(int position) {
    if (!shown_ || position == position_) return;
    position_ = position;
    const auto now = Clock::now();
    if (now - shownAt_ < kQuietStart) return;
    if (drawn_ && now - drawnAt_ < kRedrawInterval) return;
    // The meter may count past the end of its range; the bar stops at full.
    const int percent = position < 0 ? 0 : (position > 100 ? 100 : position);
    std::fprintf(out_, "\r%s %3d%%", label_, percent);
    std::fflush(out_);
    drawn_ = true;
    drawnAt_ = now;
}

}  // namespace ga::cli
