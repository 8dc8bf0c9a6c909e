#include "ui/preferences.h"

#include "core/translation.h"
#include "ui/key_value_file.h"
#include "ui/user_files.h"

namespace ga {

namespace {

constexpr const char* kHeader = "gridAtelier preferences 1";

struct Option {
    const char* key;
    bool Preferences::*field;
};
constexpr Option kOptions[] = {
    {"clearNotesOnPlacement", &Preferences::clearNotesOnPlacement},
    {"resumeAtStart", &Preferences::resumeAtStart},
    {"showClock", &Preferences::showClock},
    {"showCoordinates", &Preferences::showCoordinates},
};

// The choices kept as a number, from 0 to `count` - 1.
template <typename Choice>
struct Choosing {
    const char* key;
    Choice Preferences::*field;
    int count;
};
constexpr Choosing<Look> kLookKey{"look", &Preferences::look, kLookCount};
constexpr Choosing<MistakeCue> kCueKey{"mistakeCue", &Preferences::mistakeCue, kMistakeCueCount};

template <typename Choice>
void readChoice(const KeyValueFile& file, const Choosing<Choice>& choosing,
                Preferences& preferences) {
    long long value = 0;
    if (file.getInt(choosing.key, 0, choosing.count - 1, value))
        preferences.*choosing.field = static_cast<Choice>(value);
}

}  // namespace

Theme themeOf(Look look, bool darkDesktop) {
    switch (look) {
        case Look::kFollowDesktop:
            return darkDesktop ? Theme::kDark : Theme::kLight;
        case Look::kDark:
            return Theme::kDark;
        case Look::kHighContrast:
            return Theme::kHighContrast;
        case Look::kLight:
            break;
    }
    return Theme::kLight;
}

bool showsMistakeCue(MistakeCue cue, Theme theme) {
    return cue == MistakeCue::kAlways || (cue == MistakeCue::kWithLook && theme != Theme::kLight);
}

std::string formatPreferences(const Preferences& preferences) {
    KeyValueFile file(kHeader);
    for (const Option& option : kOptions) file.setInt(option.key, preferences.*option.field);
    file.setInt(kLookKey.key, static_cast<int>(preferences.look));
    file.setInt(kCueKey.key, static_cast<int>(preferences.mistakeCue));
    return file.format();
}

PreferencesLoad loadPreferences(const std::string& path) {
    PreferencesLoad load;
    std::string bytes;
    const ReadOutcome read = readWholeFile(path, bytes, 64 * 1024);
    if (read == ReadOutcome::kMissing) return load;
    if (read != ReadOutcome::kRead || !parsePreferences(bytes, load.preferences)) {
        load.preferences = Preferences{};
        const std::string moved = moveAside(path);
        load.notice = moved.empty()
                          ? translate("Message",
                                      "The preferences file could not be read; the "
                                      "preferences are the defaults.")
                          : filled(translate("Message",
                                             "The preferences file could not be read and was "
                                             "moved to %1; the preferences are the defaults."),
                                   {moved});
    }
    return load;
}

bool parsePreferences(const std::string& bytes, Preferences& preferences) {
    KeyValueFile file(kHeader);
    if (!parseKeyValueFile(bytes, kHeader, file)) return false;
    for (const Option& option : kOptions) {
        long long value = 0;
        if (file.getInt(option.key, 0, 1, value)) preferences.*option.field = value != 0;
    }
    readChoice(file, kLookKey, preferences);
    readChoice(file, kCueKey, preferences);
    return true;
}

bool savePreferences(const std::string& path, const Preferences& preferences) {
    return writeUserFile(path, formatPreferences(preferences));
}

}  // namespace ga
