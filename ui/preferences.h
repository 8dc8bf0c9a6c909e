// The player's preferences for what the program adds to play, kept in
// preferences.conf in the player's config folder (never in the settings file).
#pragma once

#include <string>

namespace ga {

struct Preferences {
    bool clearNotesOnPlacement = true;  // a placed value leaves the notes around it
    bool resumeAtStart = true;          // the game in progress comes back at start
    bool showClock = true;
    bool showCoordinates = true;  // row and column numbers beside the board
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
bool savePreferences(const std::string& path, const Preferences& preferences);

}  // namespace ga
