#include "ui/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/translation.h"
#include "platform/desktop.h"
#include "ui/atomic_file.h"

namespace ga {

const char* const kSettingsFileName = "gridAtelier.par";
const char* const kSettingsFailedText = QT_TRANSLATE_NOOP("Message", "failed to open .par file");
const char* const kSettingsFailedBoxTitle = QT_TRANSLATE_NOOP("Message", "alert");

namespace {

class ByteWriter {
  public:
    explicit ByteWriter(unsigned char* at) : at_(at) {}
    void operator()(int32_t value) { put(static_cast<uint32_t>(value)); }
    void operator()(uint32_t value) { put(value); }
    template <std::size_t N>
    void operator()(const uint32_t (&values)[N]) {
        for (uint32_t value : values) put(value);
    }
    template <typename Byte, std::size_t N>
    void operator()(const Byte (&bytes)[N]) {
        static_assert(sizeof(Byte) == 1, "byte fields only");
        std::memcpy(at_, bytes, N);
        at_ += N;
    }

  private:
    void put(uint32_t value) {
        for (int byte = 0; byte < 4; ++byte)
            *at_++ = static_cast<unsigned char>(value >> (8 * byte));
    }
    unsigned char* at_;
};

class ByteReader {
  public:
    explicit ByteReader(const unsigned char* at) : at_(at) {}
    void operator()(int32_t& value) { value = static_cast<int32_t>(get()); }
    void operator()(uint32_t& value) { value = get(); }
    template <std::size_t N>
    void operator()(uint32_t (&values)[N]) {
        for (uint32_t& value : values) value = get();
    }
    template <typename Byte, std::size_t N>
    void operator()(Byte (&bytes)[N]) {
        static_assert(sizeof(Byte) == 1, "byte fields only");
        std::memcpy(bytes, at_, N);
        at_ += N;
    }

  private:
    uint32_t get() {
        uint32_t value = 0;
        for (int byte = 0; byte < 4; ++byte) value |= static_cast<uint32_t>(*at_++) << (8 * byte);
        return value;
    }
    const unsigned char* at_;
};

// The block's fields in file order. Encoding and decoding both walk this one
// list, so they cannot disagree; the tests check the offsets it produces.
template <typename SettingsT, typename Visit>
void visitFields(SettingsT& s, Visit& visit) {
    visit(s.reservedAt0);
    visit(s.reservedAt4);
    visit(s.screenWidth);
    visit(s.screenHeight);
    visit(s.reservedAt20);
    visit(s.windowRect.left);
    visit(s.windowRect.top);
    visit(s.windowRect.right);
    visit(s.windowRect.bottom);
    visit(s.reservedAt52);
    visit(s.windowWidth);
    visit(s.windowHeight);
    visit(s.reservedAt76);
    visit(s.reflectToCurrent);
    visit(s.saveRegionDefaults);
    visit(s.saveSerialDefaults);
    visit(s.menuMode);
    visit(s.modified);
    visit(s.menuModeBeforeHandBuild);
    visit(s.fileName);
    visit(s.candidateDepth);
    visit(s.statusCode);
    visit(s.expressMode);
    visit(s.level);
    visit(s.neverConfirmSave);
    visit(s.checkBeforeSolve);
    visit(s.csvPath);
    visit(s.searchLevel);
    visit(s.searchCount);
    visit(s.maxRegionCells);
    visit(s.recreateSerial);
}

std::string withTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

bool isFolder(const std::string& path) {
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Private to the user, as configuration folders should be.
bool makeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        ::mkdir(folder.substr(0, slash).c_str(), 0700);
    }
    return isFolder(folder);
}

enum class FileRead { kMissing, kUnusable, kComplete };

// One byte more than the file may hold is asked for, to tell a long file
// from a complete one. Only regular files are read: a fifo would block the
// start-up.
FileRead readFileBytes(const std::string& path, unsigned char (&bytes)[kSettingsFileBytes]) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return FileRead::kMissing;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return FileRead::kUnusable;
    }
    unsigned char buffer[kSettingsFileBytes + 1];
    std::size_t total = 0;
    while (total < sizeof buffer) {
        const ssize_t got = ::read(fd, buffer + total, sizeof buffer - total);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        total += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (total != static_cast<std::size_t>(kSettingsFileBytes)) return FileRead::kUnusable;
    std::memcpy(bytes, buffer, sizeof bytes);
    return FileRead::kComplete;
}

SettingsWrite reportWriteFailure(Desktop& desktop) {
    desktop.messageBox(translate("Message", kSettingsFailedText),
                       translate("Message", kSettingsFailedBoxTitle));
    return kSettingsNotWritten;
}

}  // namespace

std::string userSettingsFolder(const char* xdgConfigHome, const char* home) {
    std::string base;
    if (xdgConfigHome && xdgConfigHome[0] == '/') {
        base = xdgConfigHome;
    } else if (home && home[0] == '/') {
        base = home;
        while (!base.empty() && base.back() == '/') base.pop_back();
        base += "/.config";
    } else {
        return std::string();
    }
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base + "/gridAtelier/";
}

std::string userSettingsFolder() {
    return userSettingsFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

SettingsPlace chooseSettingsPlace(const std::string& executableFolder,
                                  const std::string& userFolder) {
    SettingsPlace place;
    const std::string besideFolder = withTrailingSlash(executableFolder);
    if (!besideFolder.empty()) {
        place.besideExecutable = besideFolder + kSettingsFileName;
        if (canCreateFilesIn(besideFolder)) {
            place.path = place.besideExecutable;
            return place;
        }
    }
    const std::string userOwn = withTrailingSlash(userFolder);
    if (!userOwn.empty() && makeFolders(userOwn) && canCreateFilesIn(userOwn))
        place.path = userOwn + kSettingsFileName;
    return place;
}

void encodeSettingsFile(const SettingsFile& file, unsigned char (&bytes)[kSettingsFileBytes]) {
    std::memcpy(bytes, file.reserved, kSettingsHeadBytes);
    ByteWriter writer(bytes + kSettingsHeadBytes);
    visitFields(file.settings, writer);
}

void decodeSettingsFile(const unsigned char (&bytes)[kSettingsFileBytes], SettingsFile& file) {
    std::memcpy(file.reserved, bytes, kSettingsHeadBytes);
    ByteReader reader(bytes + kSettingsHeadBytes);
    visitFields(file.settings, reader);
}

bool readSettings(const SettingsPlace& place, SettingsFile& file) {
    file = SettingsFile{};
    for (const std::string* candidate : {&place.path, &place.besideExecutable}) {
        if (candidate->empty()) continue;
        if (candidate == &place.besideExecutable && place.besideExecutable == place.path) break;
        unsigned char bytes[kSettingsFileBytes];
        switch (readFileBytes(*candidate, bytes)) {
            case FileRead::kMissing:
                continue;
            case FileRead::kUnusable:
                return false;
            case FileRead::kComplete:
                decodeSettingsFile(bytes, file);
                repairSettings(file.settings);
                return true;
        }
    }
    return false;
}

bool writeSettingsFile(const std::string& path, const SettingsFile& file) {
    if (path.empty()) return false;
    unsigned char bytes[kSettingsFileBytes];
    encodeSettingsFile(file, bytes);

    return replaceFileContent(path, bytes, sizeof bytes) == ReplaceResult::kWritten;
}

SettingsWrite writeSettingsAtStart(Desktop& desktop, const SettingsPlace& place, SettingsFile& file,
                                   Settings& current) {
    if (!writeSettingsFile(place.path, file)) return reportWriteFailure(desktop);
    placeWindow(desktop, file.settings);
    current = file.settings;
    return kSettingsWritten;
}

SettingsWrite writeSettingsAtExit(Desktop& desktop, const SettingsPlace& place,
                                  SettingsFile& file) {
    const ScreenRect present = desktop.windowRect();
    file.settings.windowRect =
        SettingsRect{present.left, present.top, present.right, present.bottom};
    if (!writeSettingsFile(place.path, file)) return reportWriteFailure(desktop);
    return kSettingsWritten;
}

}  // namespace ga
