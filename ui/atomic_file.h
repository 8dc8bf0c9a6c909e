// Replacing a file's content safely: the bytes go into a fresh hidden file
// beside the target, reach the disk, and are then renamed over the target, so
// that a failure at any point leaves the earlier file as it was. A symbolic
// link is followed: its target is replaced and the link stays. The earlier
// file's permission bits are kept.
#pragma once

#include <cstddef>
#include <string>

namespace ga {

enum class ReplaceResult {
    kWritten,
    kNotCreated,  // no file could be made beside the target
    kNotWritten,  // writing, flushing or renaming failed; errno says why
};

ReplaceResult replaceFileContent(const std::string& path, const unsigned char* bytes,
                                 std::size_t size);

// Whether a new file can be made in the folder. Asking the file system beats
// reading permission bits: it also answers for read-only mounts, access lists
// and the superuser.
bool canCreateFilesIn(const std::string& folder);

// The folder part of a path with its trailing '/', or "" for a bare name.
std::string folderOf(const std::string& path);
// The part after the last '/': the file's name.
std::string fileNameOf(const std::string& path);

}  // namespace ga
