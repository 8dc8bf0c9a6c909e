#include "platform/theme_palette.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace ga {
namespace {

// "Source over": a translucent colour laid on an opaque one.
Rgb sourceOver(Rgba top, Rgb ground) {
    const auto mix = [&](int t, int g) {
        return static_cast<uint8_t>(std::lround((t * top.alpha + g * (255 - top.alpha)) / 255.0));
    };
    return Rgb{mix(top.red, ground.red), mix(top.green, ground.green), mix(top.blue, ground.blue)};
}

TEST(ThemePalette, TheContrastRatioIsThePublishedOne) {
    const struct {
        Rgb a, b;
        double ratio;
    } cases[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0},      {{255, 255, 255}, {0, 0, 0}, 21.0},
        {{128, 128, 128}, {128, 128, 128}, 1.0}, {{118, 118, 118}, {255, 255, 255}, 4.54},
        {{0, 0, 255}, {255, 255, 255}, 8.59},    {{255, 0, 0}, {0, 0, 0}, 5.25},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.01)
            << int(c.a.red) << "," << int(c.a.green) << "," << int(c.a.blue);
}

struct Pair {
    std::string what;
    Rgb ink, ground;
};

// Every ink of the look on every ground it can be drawn on.
std::vector<Pair> drawnPairs(const ThemePalette& p) {
    std::vector<Pair> pairs;
    const auto add = [&](const std::string& ink, Rgb inkColour, const std::string& ground,
                         Rgb groundColour) {
        pairs.push_back({ink + " on " + ground, inkColour, groundColour});
    };
    const DesktopGrounds desktop;
    const struct {
        const char* name;
        Rgb colour;
    } cellInks[] = {
        {"clue", p.clueInk},
        {"value", p.valueInk},
        {"mistake", p.mistakeInk},
        {"candidate", p.candidateInk},
    };
    std::vector<std::pair<std::string, Rgb>> grounds;  // every cell's ground, tints and marks
    for (int background = 0; background <= static_cast<int>(CellBackground::kInHand); ++background)
        for (int mark = 0; mark <= kCellMarkCount; ++mark)
            for (bool clue : {false, true}) {
                const std::string name = std::string(clue ? "clue" : "open") + " background " +
                                         std::to_string(background) + " mark " +
                                         std::to_string(mark);
                const Rgb ground = cellGround(p, desktop, static_cast<CellBackground>(background),
                                              static_cast<CellMark>(mark), clue);
                grounds.push_back({name, ground});
                for (const auto& ink : cellInks) add(ink.name, ink.colour, name, ground);
                add("line", p.line, name, ground);  // a cell's border, beside its ground
                // A mark on a tinted cell is a triangle in its corner.
                if (background != 0 && mark != 0)
                    add("corner of mark " + std::to_string(mark), p.markCorners[mark - 1], name,
                        ground);
            }
    add("line", p.line, "window", p.window);
    add("clock", p.label, "window", p.window);
    add("status text", p.label, "face", faceColour(p, desktop));
    add("coordinate", p.coordinate, "window", p.window);
    add("strip digit", p.strip.ink, "strip", p.strip.ground);
    add("strip digit", p.strip.ink, "checked strip", p.strip.checkedGround);
    add("strip border", p.strip.border, "window", p.window);
    add("checked strip border", p.strip.checkedBorder, "window", p.window);

    // A hint's drawing: on a cell drawn anew, tinted or not ...
    const ThemePalette::Step& s = p.step;
    std::vector<std::pair<std::string, Rgb>> stepGrounds{{"step ground", s.ground}};
    for (int tint = 0; tint < 6; ++tint)
        stepGrounds.push_back(
            {"step tint " + std::to_string(tint), sourceOver(s.tints[tint], s.ground)});
    const struct {
        const char* name;
        Rgb colour;
    } stepInks[] = {
        {"step candidate", s.candidate},
        {"removed", s.removed},
        {"placed", s.placed},
        {"on ring", s.onRing},
        {"off ring", s.offRing},
        {"link 0", s.links[0]},
        {"link 1", s.links[1]},
        {"link 2", s.links[2]},
        {"link 3", s.links[3]},
        {"marked", s.marked},
    };
    for (const auto& [name, ground] : stepGrounds)
        for (const auto& ink : stepInks) add(ink.name, ink.colour, name, ground);
    for (int set = 0; set < 3; ++set)
        add("marked", s.marked, "disc " + std::to_string(set), s.discs[set]);
    // ... and a tint alone on a cell as it stands, laid into its ground, under
    // its text, and under the links and rings that cross it.
    for (int tint = 0; tint < 6; ++tint)
        for (const auto& [name, ground] : grounds) {
            const std::string tinted = "step tint " + std::to_string(tint) + " in " + name;
            for (const auto& ink : cellInks)
                add(ink.name, ink.colour, tinted, sourceOver(s.tints[tint], ground));
            for (const auto& ink : stepInks)
                add(ink.name, ink.colour, tinted, sourceOver(s.tints[tint], ground));
        }
    // The other windows: each text on each ground it is written on, the
    // borders and the progress bar's done part beside what they part from.
    const ThemePalette::Windows& w = p.windows;
    const struct {
        const char* name;
        Rgb ink;
        std::vector<std::pair<const char*, Rgb>> grounds;
    } windowInks[] = {
        {"window text", w.text, {{"window", w.ground}}},
        {"field text", w.fieldText, {{"field", w.field}, {"other row", w.otherRow}}},
        {"button text", w.buttonText, {{"button", w.button}}},
        {"selected text", w.selectionText, {{"selection", w.selection}}},
        {"greyed text",
         w.greyed,
         {{"window", w.ground},
          {"field", w.field},
          {"other row", w.otherRow},
          {"button", w.button}}},
        {"link", w.link, {{"window", w.ground}, {"field", w.field}}},
        {"placeholder", w.placeholder, {{"field", w.field}}},
        {"tip text", w.tipText, {{"tip", w.tip}}},
        {"frame", w.frame, {{"window", w.ground}, {"field", w.field}}},
        {"progress",
         w.progress,
         {{"board field", p.field},
          {"board window", p.window},
          {"field", w.field},
          {"window", w.ground}}},
    };
    for (const auto& ink : windowInks)
        for (const auto& [ground, colour] : ink.grounds) add(ink.name, ink.ink, ground, colour);
    return pairs;
}

TEST(ThemePalette, EveryInkOfDarkAndHighContrastKeepsItsRatioOnEachGround) {
    const struct {
        Theme theme;
        double least;
    } looks[] = {{Theme::kDark, 4.5}, {Theme::kHighContrast, 7.0}};
    for (const auto& look : looks) {
        const ThemePalette& palette = themePalette(look.theme);
        const std::vector<Pair> pairs = drawnPairs(palette);
        ASSERT_GT(pairs.size(), 600u);
        for (const Pair& pair : pairs)
            EXPECT_GE(contrastRatio(pair.ink, pair.ground), look.least)
                << palette.name << ": " << pair.what;
    }
}

}  // namespace
}  // namespace ga
