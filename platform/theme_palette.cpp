#include "platform/theme_palette.h"

#include <cmath>

namespace ga {

namespace {

// One row per look, in the order of Theme. Light's values are the board's
// colours as they always were; the others were chosen for their contrast
// (see the header) and checked pair by pair.
// clang-format off
constexpr ThemePalette kPalettes[kThemeCount] = {
    {
        "Light", 0, true,
        /* window, field, clueShade */ {192, 192, 192}, {255, 255, 255}, {239, 239, 239},
        /* backgrounds */ {{228, 236, 246}, {202, 220, 245}, {255, 236, 166}, {146, 182, 236}},
        /* marks       */ {{248, 196, 196}, {196, 232, 196}, {250, 214, 170}, {222, 204, 240}},
        /* markCorners */ {{216, 170, 170}, {170, 202, 170}, {217, 186, 148}, {193, 177, 209}},
        /* clue, value, mistake, candidate */ {0, 0, 0}, {0, 0, 255}, {255, 0, 0}, {102, 102, 102},
        /* line, label, coordinate */ {0, 0, 0}, {0, 0, 0}, {112, 112, 112},
        /* strip: ink, ground, border, checked ground, checked border */
        {{0, 0, 0}, {192, 192, 192}, {176, 176, 176}, {202, 220, 245}, {74, 111, 165}},
        /* step */ {
            /* ground */ {255, 255, 255},
            /* tints  */ {{150, 190, 255, 110}, {150, 225, 150, 110}, {255, 170, 90, 150}, {255, 225, 110, 140}, {255, 170, 200, 140}, {190, 170, 255, 140}},
            /* discs  */ {{255, 200, 40}, {255, 120, 170}, {150, 120, 255}},
            /* candidate, marked, removed, placed */ {110, 110, 110}, {0, 0, 0}, {210, 0, 0}, {0, 140, 40},
            /* on and off rings */ {0, 110, 220}, {230, 110, 0},
            /* links  */ {{110, 30, 150}, {0, 120, 120}, {170, 60, 0}, {40, 40, 160}},
            /* tintsUnderText */ false},
        /* windows */ {
            /* ground, text               */ {239, 239, 239}, {0, 0, 0},
            /* field, its text, other row */ {255, 255, 255}, {0, 0, 0}, {247, 247, 247},
            /* button, its text           */ {239, 239, 239}, {0, 0, 0},
            /* selection, its text        */ {48, 140, 198}, {255, 255, 255},
            /* greyed, link, placeholder  */ {190, 190, 190}, {0, 0, 255}, {128, 128, 128},
            /* tip, its text              */ {255, 255, 220}, {0, 0, 0},
            /* frame, progress            */ {160, 160, 160}, {48, 140, 198}},
    },
    {
        "Dark", 4.5, false,
        /* window, field, clueShade */ {40, 42, 46}, {26, 28, 32}, {190, 190, 190},
        /* backgrounds */ {{38, 48, 64}, {40, 60, 92}, {70, 58, 14}, {26, 64, 118}},
        /* marks       */ {{86, 38, 46}, {34, 72, 40}, {88, 56, 24}, {62, 46, 90}},
        /* markCorners */ {{255, 150, 160}, {140, 220, 140}, {255, 185, 110}, {205, 170, 255}},
        /* clue, value, mistake, candidate */ {235, 235, 235}, {170, 212, 255}, {255, 180, 170}, {205, 205, 205},
        /* line, label, coordinate */ {180, 180, 186}, {200, 200, 204}, {170, 170, 176},
        /* strip: ink, ground, border, checked ground, checked border */
        {{230, 230, 230}, {52, 55, 60}, {150, 150, 156}, {40, 64, 100}, {140, 180, 240}},
        /* step */ {
            /* ground */ {26, 28, 32},
            /* tints  */ {{60, 110, 220, 64}, {60, 170, 80, 56}, {230, 120, 40, 56}, {200, 165, 40, 48}, {220, 80, 140, 64}, {140, 110, 240, 64}},
            /* discs  */ {{130, 100, 0}, {150, 40, 90}, {80, 60, 170}},
            /* candidate, marked, removed, placed */ {205, 205, 205}, {255, 255, 255}, {255, 180, 170}, {130, 235, 150},
            /* on and off rings */ {155, 208, 255}, {255, 188, 115},
            /* links  */ {{230, 186, 255}, {110, 235, 225}, {255, 190, 130}, {190, 200, 255}},
            /* tintsUnderText */ true},
        /* windows */ {
            /* ground, text               */ {40, 42, 46}, {230, 230, 230},
            /* field, its text, other row */ {26, 28, 32}, {235, 235, 235}, {34, 36, 41},
            /* button, its text           */ {52, 55, 60}, {235, 235, 235},
            /* selection, its text        */ {38, 86, 150}, {255, 255, 255},
            /* greyed, link, placeholder  */ {165, 165, 170}, {140, 190, 255}, {165, 165, 170},
            /* tip, its text              */ {52, 55, 60}, {240, 240, 240},
            /* frame, progress            */ {150, 150, 156}, {110, 160, 230}},
    },
    {
        "High contrast", 7, false,
        /* window, field, clueShade */ {0, 0, 0}, {0, 0, 0}, {255, 255, 255},
        /* backgrounds */ {{0, 20, 45}, {0, 32, 70}, {50, 36, 0}, {0, 40, 100}},
        /* marks       */ {{70, 0, 30}, {0, 45, 0}, {60, 30, 0}, {40, 0, 80}},
        /* markCorners */ {{255, 160, 200}, {120, 255, 120}, {255, 190, 80}, {215, 180, 255}},
        /* clue, value, mistake, candidate */ {255, 255, 255}, {255, 255, 0}, {255, 190, 190}, {220, 220, 220},
        /* line, label, coordinate */ {255, 255, 255}, {255, 255, 255}, {230, 230, 230},
        /* strip: ink, ground, border, checked ground, checked border */
        {{255, 255, 255}, {0, 0, 0}, {255, 255, 255}, {0, 50, 120}, {255, 255, 0}},
        /* step */ {
            /* ground */ {0, 0, 0},
            /* tints  */ {{0, 60, 160, 96}, {0, 110, 0, 96}, {150, 60, 0, 96}, {110, 90, 0, 96}, {140, 0, 70, 96}, {80, 0, 160, 96}},
            /* discs  */ {{110, 85, 0}, {120, 0, 60}, {60, 0, 140}},
            /* candidate, marked, removed, placed */ {220, 220, 220}, {255, 255, 255}, {255, 190, 190}, {100, 255, 100},
            /* on and off rings */ {120, 220, 255}, {255, 196, 95},
            /* links  */ {{238, 192, 255}, {0, 255, 255}, {255, 200, 120}, {195, 205, 255}},
            /* tintsUnderText */ true},
        /* windows */ {
            /* ground, text               */ {0, 0, 0}, {255, 255, 255},
            /* field, its text, other row */ {0, 0, 0}, {255, 255, 255}, {20, 20, 20},
            /* button, its text           */ {0, 0, 0}, {255, 255, 255},
            /* selection, its text        */ {255, 255, 0}, {0, 0, 0},
            /* greyed, link, placeholder  */ {170, 170, 170}, {0, 255, 255}, {170, 170, 170},
            /* tip, its text              */ {0, 0, 0}, {255, 255, 255},
            /* frame, progress            */ {255, 255, 255}, {255, 255, 0}},
    },
};
// clang-format on

// A channel's linear light, from its sRGB value.
double linear(uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(Rgb colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

// One colour laid over another as a filter: each channel scaled by the other's.
Rgb multiply(Rgb a, Rgb b) {
    return Rgb{static_cast<uint8_t>(a.red * b.red / 255),
               static_cast<uint8_t>(a.green * b.green / 255),
               static_cast<uint8_t>(a.blue * b.blue / 255)};
}

}  // namespace

const ThemePalette& themePalette(Theme theme) {
    return kPalettes[static_cast<int>(theme)];
}

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

bool markInCorner(CellBackground background, CellMark mark) {
    return mark != CellMark::kNone && background != CellBackground::kPlain;
}

Rgb faceColour(const ThemePalette& palette, const DesktopGrounds& desktop) {
    return palette.desktopGrounds ? desktop.face : multiply(palette.field, palette.clueShade);
}

Rgb cellGround(const ThemePalette& palette, const DesktopGrounds& desktop,
               CellBackground background, CellMark mark, bool clue) {
    const bool plain = background == CellBackground::kPlain;
    if (clue && plain && mark == CellMark::kNone) return faceColour(palette, desktop);
    Rgb ground = palette.desktopGrounds ? desktop.field : palette.field;
    if (!plain) {
        ground = palette.backgrounds[static_cast<int>(background) - 1];
    } else if (mark != CellMark::kNone) {
        ground = palette.marks[static_cast<int>(mark) - 1];
    }
    if (!clue) return ground;
    return multiply(ground, palette.desktopGrounds ? desktop.face : palette.clueShade);
}

Rgb laidOver(Rgba top, Rgb ground) {
    const auto mix = [&](uint8_t over, uint8_t under) {
        return static_cast<uint8_t>((over * top.alpha + under * (255 - top.alpha) + 127) / 255);
    };
    return Rgb{mix(top.red, ground.red), mix(top.green, ground.green), mix(top.blue, ground.blue)};
}

Rgb inkColour(const ThemePalette& palette, CellInk ink) {
    switch (ink) {
        case CellInk::kMistake:
            return palette.mistakeInk;
        case CellInk::kCandidate:
            return palette.candidateInk;
        case CellInk::kValue:
            break;
    }
    return palette.valueInk;
}

}  // namespace ga
