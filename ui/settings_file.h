// The settings file "gridAtelier.par": 12 reserved bytes, then the 684-byte
// default Settings block, every integer 32-bit little-endian, 696 bytes in
// all. The reserved bytes are written back as they were read (zero in a file
// the program creates); file offset = 12 + block offset.
//
// Where it lives. The file belongs beside the executable, but an installed
// copy's folder is usually read-only, so the place is chosen once at start:
// the executable's folder when a file can be created there, otherwise the
// per-user folder $XDG_CONFIG_HOME/gridAtelier/ (by default
// ~/.config/gridAtelier/, made when missing). That one file is read at start
// and written at start and at close, so changes always come back. When the
// chosen place holds no file yet, a file beside the executable (one shipped
// with a read-only installation) gives the starting values. When neither
// folder can be written, nothing can be saved and the user is told so.
//
// What is read. A file that is not exactly 696 bytes long is ignored as a
// whole: the program starts as if there were none. In a file of the right
// length, every field outside its range takes its default (repairSettings),
// so no value read can index past a table; fields in range are kept exactly,
// so a file the program wrote is read back and written again byte for byte.
//
// Writes are atomic: the bytes go to a fresh file in the same folder, which
// then replaces the settings file by a rename.
#pragma once

#include <string>

#include "ui/settings.h"

namespace ga {

class Desktop;

constexpr int kSettingsHeadBytes = 12;
constexpr int kSettingsFileBytes = kSettingsHeadBytes + kSettingsBytes;
static_assert(kSettingsFileBytes == 696, "the settings file is 696 bytes");

extern const char* const kSettingsFileName;        // "gridAtelier.par"
extern const char* const kSettingsFailedText;      // "failed to open .par file"
extern const char* const kSettingsFailedBoxTitle;  // "alert"

// The file's contents: the reserved head and the default Settings.
struct SettingsFile {
    unsigned char reserved[kSettingsHeadBytes] = {};
    Settings settings;
};
static_assert(sizeof(SettingsFile) == kSettingsFileBytes, "SettingsFile is the file's 696 bytes");

// Where this run reads and writes its settings file.
struct SettingsPlace {
    std::string path;              // read and written; "" when no folder can be written
    std::string besideExecutable;  // read when `path` holds no file
};

// $XDG_CONFIG_HOME/gridAtelier/, or $HOME/.config/gridAtelier/ when that
// variable is unset, empty or not absolute; "" when neither gives an absolute
// folder. The first form takes the two variables' values (null when unset).
std::string userSettingsFolder(const char* xdgConfigHome, const char* home);
std::string userSettingsFolder();

// Both folders end in '/'. Makes the user folder (and its parents) when the
// executable's folder cannot be written.
SettingsPlace chooseSettingsPlace(const std::string& executableFolder,
                                  const std::string& userFolder);

// The file's bytes, little-endian whatever the machine's byte order.
void encodeSettingsFile(const SettingsFile& file, unsigned char (&bytes)[kSettingsFileBytes]);
void decodeSettingsFile(const unsigned char (&bytes)[kSettingsFileBytes], SettingsFile& file);

// At process start, before any window exists. Returns true when a file of the
// right length was read into `file` (then repaired, see above); otherwise
// `file` is all zero and the caller fills in the defaults (setDefaultSettings).
bool readSettings(const SettingsPlace& place, SettingsFile& file);

// Replaces the file at `path` atomically. False when it could not.
bool writeSettingsFile(const std::string& path, const SettingsFile& file);

enum SettingsWrite : int { kSettingsWritten = 0, kSettingsNotWritten = -1 };

// First step of the window's set-up: writes the file, then places the window
// (placeWindow) and copies the default Settings over `current`. Returns
// kSettingsNotWritten after telling the user when the file could not be
// written; the window then closes.
SettingsWrite writeSettingsAtStart(Desktop& desktop, const SettingsPlace& place, SettingsFile& file,
                                   Settings& current);

// When the window closes, after the worker has stopped: keeps the window's
// rectangle in the default Settings and writes the file. Returns
// kSettingsNotWritten after telling the user; the close goes on either way.
SettingsWrite writeSettingsAtExit(Desktop& desktop, const SettingsPlace& place, SettingsFile& file);

}  // namespace ga
