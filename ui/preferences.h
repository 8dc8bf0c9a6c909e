// The player's preferences for what the program adds to play, kept in
// preferences.conf in the player's config folder (never in the settings file).
#pragma once

#include <string>

#include "platform/theme_palette.h"

namespace ga {

// The board's look: the desktop's (Light, or Dark on a dark desktop) or one chosen.
enum class Look : uint8_t { kFollowDesktop, kLight, kDark, kHighContrast };
constexpr int kLookCount = 4;
// Whether a mistake is also marked by a wavy line under it, which needs no
// colour vision: as the look has it (in Dark and High contrast), or always, or never.
enum class MistakeCue : uint8_t { kWithLook, kAlways, kNever };
constexpr int kMistakeCueCount = 3;

Theme themeOf(Look look, bool darkDesktop);
bool showsMistakeCue(MistakeCue cue, Theme theme);

struct Preferences {
    bool clearNotesOnPlacement = true;  // a placed value leaves the notes around it
    bool resumeAtStart = true;          // the game in progress comes back at start
    bool showClock = true;
    bool showCoordinates = true;  // row and column numbers beside the board
    Look look = Look::kFollowDesktop;
    MistakeCue mistakeCue = MistakeCue::kWithLook;
};

std::string formatPreferences(const Preferences& preferences);

struct PreferencesLoad {
    Preferences preferences;
    std::string notice;  // "" or one line for the player
};
// Missing: the defaults. A file that is not one (another header, a broken
// line) is moved aside with a notice; a single bad or unknown key only
// takes its default.
PreferencesLoad loadPreferences(const std::string& path);
// The file's bytes over `preferences` (the defaults, as a rule): false when
// they are not a preferences file; a bad or unknown key changes nothing.
bool parsePreferences(const std::string& bytes, Preferences& preferences);
bool savePreferences(const std::string& path, const Preferences& preferences);

}  // namespace ga
