// Where a window goes among the screens now shown. A rectangle remembered
// from another session may stand where no screen is any more (a monitor
// unplugged, a smaller screen, another scale); it is moved onto the nearest
// screen. Plain arithmetic on rectangles, so that it is tested without a
// display.
#pragma once

#include <vector>

#include "platform/desktop.h"

namespace ga {

// The top of a window that the player drags it by, in pixels.
constexpr int kTitleStripHeight = 24;

// Whether the player can see and reach the window on `screen`: at least a
// quarter of its area lies on it, and so does at least a quarter of the
// width of its title strip.
bool isReachableOn(const ScreenRect& window, const ScreenRect& screen);

// The rectangle `window` is given among `screens` (their available areas;
// none: nothing is known, and it stays). A window reachable on a screen stays
// where it is; one that is not goes to the screen nearest its centre, at the
// nearest place where it lies wholly on it. Either way its size is kept unless
// it is larger than that screen, when it shrinks, keeping its proportions,
// to the largest size that fits.
ScreenRect placeOnScreens(const ScreenRect& window, const std::vector<ScreenRect>& screens);

}  // namespace ga
