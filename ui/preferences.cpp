#include "ui/preferences.h"

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

}  // namespace

std::string formatPreferences(const Preferences& preferences) {
    KeyValueFile file(kHeader);
    for (const Option& option : kOptions) file.setInt(option.key, preferences.*option.field);
    return file.format();
}

PreferencesLoad loadPreferences(const std::string& path) {
    PreferencesLoad load;
    std::string bytes;
    const ReadOutcome read = readWholeFile(path, bytes, 64 * 1024);
    if (read == ReadOutcome::kMissing) return load;
    KeyValueFile file(kHeader);
    if (read != ReadOutcome::kRead || !parseKeyValueFile(bytes, kHeader, file)) {
        const std::string moved = moveAside(path);
        load.notice = "The preferences file could not be read" +
                      (moved.empty() ? std::string() : " and was moved to " + moved) +
                      "; the preferences are the defaults.";
        return load;
    }
    for (const Option& option : kOptions) {
        long long value = 0;
        if (file.getInt(option.key, 0, 1, value)) load.preferences.*option.field = value != 0;
    }
    return load;
}

bool savePreferences(const std::string& path, const Preferences& preferences) {
    return writeUserFile(path, formatPreferences(preferences));
}

}  // namespace ga
