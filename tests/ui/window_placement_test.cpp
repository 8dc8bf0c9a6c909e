// Where a remembered window opens among the screens shown now.
#include "ui/window_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ga::ScreenRect;

std::vector<int> corners(const ScreenRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

TEST(WindowPlacement, BringsAWindowOutOfReachOntoTheNearestScreen) {
    const ScreenRect wide{0, 0, 1920, 1080};
    const ScreenRect left{-1280, 0, 0, 1024};  // beside the primary
    const ScreenRect underPanel{-1280, 56, 0, 1080};
    const ScreenRect laptop{0, 0, 1280, 800};
    struct Case {
        const char* what;
        ScreenRect window;
        std::vector<ScreenRect> screens;
        ScreenRect placed;
    };
    const Case cases[] = {
        {"well within stays", {100, 100, 600, 700}, {wide}, {100, 100, 600, 700}},
        {"nothing known stays", {3000, 100, 3500, 700}, {}, {3000, 100, 3500, 700}},
        {"right monitor unplugged", {3000, 200, 3500, 800}, {wide}, {1420, 200, 1920, 800}},
        {"left monitor unplugged", {-900, 25, -400, 625}, {wide}, {0, 25, 500, 625}},
        {"on the left monitor stays", {-900, 25, -400, 625}, {left, wide}, {-900, 25, -400, 625}},
        {"above the panel", {-900, 25, -400, 625}, {underPanel}, {-900, 56, -400, 656}},
        {"mostly on the second",
         {1800, 100, 2300, 700},
         {wide, {1920, 0, 3840, 1080}},
         {1800, 100, 2300, 700}},
        {"beyond the second",
         {4000, 500, 4500, 1100},
         {wide, {1920, 0, 3840, 1080}},
         {3340, 480, 3840, 1080}},
        {"an eighth in the corner", {1800, 900, 2200, 1300}, {wide}, {1520, 680, 1920, 1080}},
        {"title strip above the top", {100, -30, 600, 570}, {wide}, {100, 0, 600, 600}},
        {"a quarter left and its strip shown",
         {-375, 100, 125, 700},
         {wide},
         {-375, 100, 125, 700}},
        {"a smaller screen, too low", {600, 650, 1100, 1350}, {laptop}, {600, 100, 1100, 800}},
        {"larger than the screen shrinks",
         {100, 100, 1100, 900},
         {{0, 0, 800, 600}},
         {50, 0, 800, 600}},
        {"larger and far away", {5000, 0, 5600, 1200}, {laptop}, {880, 0, 1280, 800}},
        {"no area stays", {3000, 100, 3000, 700}, {wide}, {3000, 100, 3000, 700}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(corners(ga::placeOnScreens(c.window, c.screens)), corners(c.placed)) << c.what;
}

}  // namespace
