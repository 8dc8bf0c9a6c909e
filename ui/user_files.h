// The player's own files beside the settings file: where they live (the XDG
// base folders), reading them whole, moving aside one that cannot be used,
// and writing through the atomic writer.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace ga {

struct UserFolders {
    std::string config, data, state;  // each ends in "gridAtelier/"; empty: none
};

// $XDG_CONFIG_HOME, $XDG_DATA_HOME and $XDG_STATE_HOME when set to an
// absolute path (a relative one is ignored, as the base folders' rules say),
// else <home>.config/, <home>.local/share/ and <home>.local/state/; `home`
// ends in '/'.
UserFolders userFolders(const std::function<std::string(const std::string&)>& environment,
                        const std::string& home);

// Like mkdir -p; folders made are private to the user (0700).
bool makeFolders(const std::string& folder);

enum class ReadOutcome { kRead, kMissing, kUnreadable, kTooLarge };
ReadOutcome readWholeFile(const std::string& path, std::string& bytes, std::size_t limit);

// Renames a file that could not be used to "<path>.bad" (".bad.1", ".bad.2"
// ... when taken); returns the new path, "" when it could not be moved.
std::string moveAside(const std::string& path);

// The 64-bit FNV-1a hash of the bytes as 16 lowercase hex digits: a short
// name that tells contents apart, never a guard against a forger.
std::string fingerprintOf(std::string_view bytes);

// Makes the folder, then replaces the file's content atomically; false on
// any failure, and the earlier file then stays as it was.
bool writeUserFile(const std::string& path, const std::string& bytes);

}  // namespace ga
