#include "ui/user_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "ui/atomic_file.h"

namespace ga {

namespace {

std::string baseFolder(const std::function<std::string(const std::string&)>& environment,
                       const char* name, const std::string& fallback) {
    std::string folder = environment(name);
    if (folder.empty() || folder[0] != '/') folder = fallback;
    if (folder.back() != '/') folder += '/';
    return folder + "gridAtelier/";
}

bool exists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

}  // namespace

UserFolders userFolders(const std::function<std::string(const std::string&)>& environment,
                        const std::string& home) {
    return UserFolders{baseFolder(environment, "XDG_CONFIG_HOME", home + ".config/"),
                       baseFolder(environment, "XDG_DATA_HOME", home + ".local/share/"),
                       baseFolder(environment, "XDG_STATE_HOME", home + ".local/state/")};
}

bool makeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

ReadOutcome readWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
    bytes.clear();
    // Not blocking: a FIFO must not hang the caller before fstat tells it apart.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENOENT ? ReadOutcome::kMissing : ReadOutcome::kUnreadable;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return ReadOutcome::kUnreadable;
    }
    char buffer[4096];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ::close(fd);
            return ReadOutcome::kUnreadable;
        }
        if (got == 0) break;
        if (bytes.size() + static_cast<std::size_t>(got) > limit) {
            ::close(fd);
            return ReadOutcome::kTooLarge;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return ReadOutcome::kRead;
}

std::string moveAside(const std::string& path) {
    if (!exists(path)) return std::string();
    for (int attempt = 0; attempt <= 100; ++attempt) {
        const std::string aside =
            path + ".bad" + (attempt == 0 ? std::string() : "." + std::to_string(attempt));
        if (exists(aside)) continue;
        return std::rename(path.c_str(), aside.c_str()) == 0 ? aside : std::string();
    }
    return std::string();
}

bool writeUserFile(const std::string& path, const std::string& bytes) {
    if (!makeFolders(folderOf(path))) return false;
    return replaceFileContent(path, reinterpret_cast<const unsigned char*>(bytes.data()),
                              bytes.size()) == ReplaceResult::kWritten;
}

std::string fingerprintOf(std::string_view bytes) {
    unsigned long long hash = 14695981039346656037ull;
    for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", hash);
    return text;
}

}  // namespace ga
