#include "ui/window_placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ga {

namespace {

int widthOf(const ScreenRect& r) {
    return r.right - r.left;
}
int heightOf(const ScreenRect& r) {
    return r.bottom - r.top;
}

int64_t area(const ScreenRect& r) {
    return static_cast<int64_t>(std::max(widthOf(r), 0)) * std::max(heightOf(r), 0);
}

ScreenRect intersection(const ScreenRect& a, const ScreenRect& b) {
    return ScreenRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom)};
}

// How far a point lies outside a rectangle, squared; 0 inside.
int64_t squaredDistance(int64_t x, int64_t y, const ScreenRect& r) {
    const int64_t dx = x < r.left ? r.left - x : (x > r.right ? x - r.right : 0);
    const int64_t dy = y < r.top ? r.top - y : (y > r.bottom ? y - r.bottom : 0);
    return dx * dx + dy * dy;
}

// The start of a span of `size` moved the least to lie within [low, high).
int clampSpan(int start, int size, int low, int high) {
    return std::max(low, std::min(start, high - size));
}

}  // namespace

bool isReachableOn(const ScreenRect& window, const ScreenRect& screen) {
    const ScreenRect strip{window.left, window.top, window.right,
                           window.top + std::min(kTitleStripHeight, heightOf(window))};
    return 4 * area(intersection(window, screen)) >= area(window) && area(window) > 0 &&
           4 * std::max(widthOf(intersection(strip, screen)), 0) >= widthOf(window) &&
           heightOf(intersection(strip, screen)) > 0;
}

ScreenRect placeOnScreens(const ScreenRect& window, const std::vector<ScreenRect>& screens) {
    if (screens.empty() || widthOf(window) <= 0 || heightOf(window) <= 0) return window;
    // The screen showing most of a reachable window, or else the nearest one.
    const ScreenRect* chosen = nullptr;
    int64_t shown = -1;
    for (const ScreenRect& screen : screens) {
        const int64_t onIt = area(intersection(window, screen));
        if (isReachableOn(window, screen) && onIt > shown) {
            chosen = &screen;
            shown = onIt;
        }
    }
    const bool reachable = chosen != nullptr;
    if (!reachable) {
        const int64_t x = (static_cast<int64_t>(window.left) + window.right) / 2;
        const int64_t y = (static_cast<int64_t>(window.top) + window.bottom) / 2;
        int64_t nearest = std::numeric_limits<int64_t>::max();
        for (const ScreenRect& screen : screens) {
            const int64_t distance = squaredDistance(x, y, screen);
            if (distance < nearest) {
                chosen = &screen;
                nearest = distance;
            }
        }
    }
    const ScreenRect& screen = *chosen;
    int width = widthOf(window), height = heightOf(window);
    const bool tooLarge = width > widthOf(screen) || height > heightOf(screen);
    if (reachable && !tooLarge) return window;
    if (tooLarge) {
        // The smaller of the two ratios, in integers: width/height keep their proportion.
        const int64_t byWidth = static_cast<int64_t>(widthOf(screen)) * height;
        const int64_t byHeight = static_cast<int64_t>(heightOf(screen)) * width;
        if (byWidth <= byHeight) {
            height = static_cast<int>(byWidth / width);
            width = widthOf(screen);
        } else {
            width = static_cast<int>(byHeight / height);
            height = heightOf(screen);
        }
    }
    const int left = clampSpan(window.left, width, screen.left, screen.right);
    const int top = clampSpan(window.top, height, screen.top, screen.bottom);
    return ScreenRect{left, top, left + width, top + height};
}

}  // namespace ga
