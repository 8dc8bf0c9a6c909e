// The player's own files: the readers refuse what they could not have
// written, a file that cannot be used is moved aside with a notice and never
// overwritten unseen, and a failed write keeps the earlier file.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "core/puzzle_formats.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_records.h"
#include "ui/collection_progress.h"
#include "ui/key_value_file.h"
#include "ui/preferences.h"
#include "ui/recent_files.h"
#include "ui/statistics.h"
#include "ui/user_files.h"

namespace ga {
namespace {

void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(PlayerFiles, FoldersFollowTheBaseFolderRules) {
    struct Case {
        std::map<std::string, std::string> environment;
        UserFolders expected;
    } cases[] = {
        {{},
         {"/h/.config/gridAtelier/", "/h/.local/share/gridAtelier/",
          "/h/.local/state/gridAtelier/"}},
        {{{"XDG_CONFIG_HOME", "/c"}, {"XDG_DATA_HOME", "/d/"}, {"XDG_STATE_HOME", "/s"}},
         {"/c/gridAtelier/", "/d/gridAtelier/", "/s/gridAtelier/"}},
        // A relative folder is ignored, as the rules say.
        {{{"XDG_DATA_HOME", "relative"}},
         {"/h/.config/gridAtelier/", "/h/.local/share/gridAtelier/",
          "/h/.local/state/gridAtelier/"}},
    };
    for (const Case& c : cases) {
        const UserFolders folders = userFolders(
            [&](const std::string& name) {
                const auto found = c.environment.find(name);
                return found != c.environment.end() ? found->second : std::string();
            },
            "/h/");
        EXPECT_EQ(folders.config, c.expected.config);
        EXPECT_EQ(folders.data, c.expected.data);
        EXPECT_EQ(folders.state, c.expected.state);
    }
}

TEST(PlayerFiles, KeyValueReaderTakesOnlyWhatItWrites) {
    KeyValueFile written("kind 1");
    written.set("a.b", "x = y");
    written.setInt("n", -42);
    KeyValueFile read("kind 1");
    ASSERT_TRUE(parseKeyValueFile(written.format(), "kind 1", read));
    std::string text;
    long long number = 0;
    EXPECT_TRUE(read.getString("a.b", text));
    EXPECT_EQ(text, "x = y");
    EXPECT_TRUE(read.getInt("n", -100, 0, number));
    EXPECT_EQ(number, -42);
    EXPECT_FALSE(read.getInt("n", 0, 100, number));  // outside the range
    EXPECT_FALSE(read.getInt("a.b", -100, 100, number));

    const std::string refused[] = {
        "",                                             // empty
        "kind 2\nn=1\n",                                // another version
        "kind 1\nn=1",                                  // truncated: no last line end
        "kind 1\nn\n",                                  // no '='
        "kind 1\nn=1\nn=2\n",                           // a repeated key
        "kind 1\nn m=1\n",                              // a bad key
        "kind 1\nn=1\r\n",                              // a control character
        "kind 1\n" + std::string(70000, 'x') + "=1\n",  // too large
    };
    for (const std::string& bytes : refused) {
        KeyValueFile ignored("kind 1");
        EXPECT_FALSE(parseKeyValueFile(bytes, "kind 1", ignored)) << bytes.substr(0, 20);
    }
}

TEST(PlayerFiles, StatisticsRoundTripAndRefuseForeignFiles) {
    Statistics statistics;
    recordStart(statistics, "Expert");
    recordStart(statistics, "Expert");
    recordStart(statistics, "Own \"Puzzles\"");
    for (int seconds : {300, 100, 200, 400})
        recordFinish(statistics, "Expert", seconds, seconds < 250);
    const ClassStatistics& expert = statistics.byClass["Expert"];
    EXPECT_EQ(expert.bestSeconds(), 100);
    EXPECT_EQ(expert.medianSeconds(), 200);  // the lower middle of four
    EXPECT_EQ(expert.finishedWithoutHelp, 2);
    EXPECT_EQ(statistics.byClass["Own \"Puzzles\""].medianSeconds(), -1);

    Statistics read;
    ASSERT_TRUE(parseStatistics(formatStatistics(statistics), read));
    EXPECT_EQ(read.byClass["Expert"].times, expert.times);
    EXPECT_EQ(read.byClass["Own \"Puzzles\""].started, 1);
    EXPECT_TRUE(parseStatistics("{}", read));

    const std::string good = formatStatistics(statistics);
    const std::string refused[] = {
        good.substr(0, good.size() / 2),                                           // truncated
        "[]",                                                                      // foreign
        "{\"Expert\": {\"started\": 1}}",                                          // keys missing
        "{\"A\": {\"started\": 1, \"finished\": 1, \"finishedWithoutHelp\": 2}}",  // inconsistent
        "{\"A\": {\"started\": -1, \"finished\": 0, \"finishedWithoutHelp\": 0}}",
        "{\"A\": {\"started\": 99999999999, \"finished\": 0, \"finishedWithoutHelp\": 0}}",
        good + "x",
        std::string(100, '{'),
    };
    for (const std::string& json : refused) EXPECT_FALSE(parseStatistics(json, read)) << json;
}

TEST(PlayerFiles, AFileThatCannotBeUsedIsMovedAsideWithANotice) {
    testing::ScratchDir dir;
    const std::string path = dir / "statistics.json";
    EXPECT_TRUE(loadStatistics(path).notice.empty());  // missing: no statistics yet

    write(path, "{\"broken\":");
    const StatisticsLoad corrupt = loadStatistics(path);
    EXPECT_TRUE(corrupt.statistics.byClass.empty());
    EXPECT_NE(corrupt.notice.find(path + ".bad"), std::string::npos) << corrupt.notice;
    EXPECT_EQ(testing::readFile(path + ".bad"), "{\"broken\":");

    // A second bad file does not take the first one's place.
    write(path, "\x01\x02");
    loadStatistics(path);
    EXPECT_EQ(testing::readFile(path + ".bad.1"), "\x01\x02");

    // Unreadable (a folder in its place): moved aside too.
    std::filesystem::create_directory(path);
    EXPECT_FALSE(loadStatistics(path).notice.empty());
    EXPECT_FALSE(std::filesystem::exists(path));

    const std::string preferences = dir / "preferences.conf";
    write(preferences, "gridAtelier preferences 1\nshowClock=0\nresumeAtStart=7\nunknown=1\n");
    const PreferencesLoad some = loadPreferences(preferences);
    EXPECT_TRUE(some.notice.empty());  // single bad keys only take their defaults
    EXPECT_FALSE(some.preferences.showClock);
    EXPECT_TRUE(some.preferences.resumeAtStart);
    write(preferences, "foreign\n");
    EXPECT_FALSE(loadPreferences(preferences).notice.empty());
    EXPECT_TRUE(std::filesystem::exists(preferences + ".bad"));
}

// The look and the mistake's line come back as saved; a number no choice
// has takes the default.
TEST(PlayerFiles, TheLookAndTheMistakeLineComeBackAsSaved) {
    testing::ScratchDir dir;
    const std::string path = dir / "preferences.conf";
    for (const Look look : {Look::kLight, Look::kDark, Look::kHighContrast}) {
        for (const MistakeCue cue : {MistakeCue::kAlways, MistakeCue::kNever}) {
            Preferences saved;
            saved.look = look;
            saved.mistakeCue = cue;
            ASSERT_TRUE(savePreferences(path, saved));
            const Preferences loaded = loadPreferences(path).preferences;
            EXPECT_EQ(loaded.look, look);
            EXPECT_EQ(loaded.mistakeCue, cue);
        }
    }
    const struct {
        const char* lines;
        Look look;
        MistakeCue cue;
    } cases[] = {
        {"look=4\nmistakeCue=3\n", Look::kFollowDesktop, MistakeCue::kWithLook},
        {"look=-1\nmistakeCue=x\n", Look::kFollowDesktop, MistakeCue::kWithLook},
        {"look=2\n", Look::kDark, MistakeCue::kWithLook},
    };
    for (const auto& c : cases) {
        write(path, std::string("gridAtelier preferences 1\n") + c.lines);
        const PreferencesLoad load = loadPreferences(path);
        EXPECT_TRUE(load.notice.empty()) << c.lines;
        EXPECT_EQ(load.preferences.look, c.look) << c.lines;
        EXPECT_EQ(load.preferences.mistakeCue, c.cue) << c.lines;
    }
}

TEST(PlayerFiles, AFailedWriteKeepsTheEarlierFile) {
    testing::ScratchDir dir;
    const std::string path = dir / "state/recent-puzzles";
    ASSERT_TRUE(writeUserFile(path, "/a.ga\n"));  // makes the folder
    EXPECT_EQ(testing::readFile(path), "/a.ga\n");
    // A folder that cannot be made (a file is in the way) fails the write,
    // also as the superuser.
    write(dir / "file", "x");
    EXPECT_FALSE(writeUserFile(dir / "file/recent-puzzles", "/b.ga\n"));
    EXPECT_EQ(testing::readFile(dir / "file"), "x");
}

TEST(PlayerFiles, RecentListKeepsEightAbsolutePathsNewestFirst) {
    std::vector<std::string> list =
        parseRecentFiles("/a.ga\nrelative.ga\n/b.ga\n/a.ga\n/c\x01.ga\n\n/d.ga");
    EXPECT_EQ(list, (std::vector<std::string>{"/a.ga", "/b.ga", "/d.ga"}));
    addRecentFile(list, "/b.ga");
    EXPECT_EQ(list.front(), "/b.ga");
    EXPECT_EQ(list.size(), 3u);
    for (int i = 0; i < 10; ++i) addRecentFile(list, "/" + std::to_string(i) + ".ga");
    EXPECT_EQ(list.size(), kRecentFiles);
    EXPECT_EQ(list.front(), "/9.ga");
    EXPECT_EQ(parseRecentFiles(formatRecentFiles(list)), list);
    removeRecentFile(list, "/9.ga");
    EXPECT_EQ(list.front(), "/8.ga");
}

// "-pf": a collection's marks in a line, for comparing.
std::string marksOf(const CollectionProgress& progress) {
    std::string text;
    for (PuzzleMark mark : progress.marks) text += "-pf"[static_cast<int>(mark)];
    return text;
}

TEST(PlayerFiles, CollectionProgressRoundTripsAndSkipsWhatItCannotRead) {
    CollectionProgress written{"00000000000000ab", {}};
    written.marks.assign(5, PuzzleMark::kNone);
    markPuzzle(written, 1, PuzzleMark::kFinished);
    markPuzzle(written, 1, PuzzleMark::kPlayed);  // a mark never falls
    markPuzzle(written, 4, PuzzleMark::kPlayed);
    markPuzzle(written, 9, PuzzleMark::kPlayed);  // no such puzzle
    const std::string text = formatCollectionProgress(written);
    const std::string head = "gridAtelier collection 1\nkey 00000000000000ab\npuzzles 5\n";
    ASSERT_EQ(text.compare(0, head.size(), head), 0);
    const struct {
        std::string bytes;
        const char* marks;  // nullptr: the file is not this collection's
    } cases[] = {
        {text, "-f--p"},
        {head + "3 played\n3 finished\n1 finished\n3 played\n", "f-f--"},
        // Lines it could not have written are skipped, the rest kept.
        {head + "0 played\n6 played\n02 played\n2 lost\n2  played\nx\n4 played\n5 finished",
         "---p-"},
        {"gridAtelier collection 2\nkey 00000000000000ab\npuzzles 5\n", nullptr},
        {"gridAtelier collection 1\nkey 00000000000000ac\npuzzles 5\n", nullptr},
        {"gridAtelier collection 1\nkey 00000000000000ab\npuzzles 6\n", nullptr},
        {"gridAtelier collection 1\npuzzles 5\nkey 00000000000000ab\n", nullptr},
        {"gridAtelier collection 1\nkey 00000000000000ab\npuzzles 5", nullptr},
        {"", nullptr},
        {std::string("\0\xff\n\n", 4), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        CollectionProgress read;
        ASSERT_EQ(parseCollectionProgress(c.bytes, written.key, 5, read), c.marks != nullptr);
        EXPECT_EQ(marksOf(read), c.marks ? c.marks : "");
    }

    testing::ScratchDir dir;
    const std::string state = dir / "state/";
    EXPECT_EQ(marksOf(loadCollectionProgress(state, written.key, 5)), "-----");
    ASSERT_TRUE(saveCollectionProgress(state, written));  // makes the folders
    EXPECT_EQ(testing::readFile(collectionProgressPath(state, written.key)), text);
    EXPECT_EQ(marksOf(loadCollectionProgress(state, written.key, 5)), "-f--p");
    EXPECT_EQ(marksOf(loadCollectionProgress(state, written.key, 4)), "----");
}

// The key follows the puzzles, not the file: another format or file keeps
// it, another order of the same puzzles does not.
TEST(PlayerFiles, ACollectionsKeyIsItsPuzzles) {
    const std::vector<PuzzleRecord> puzzles = {
        testing::puzzleFromText(
            "3.....9.1..2..........8..76....5......62....549....6.37.46.9.......3.8.......5.4."),
        testing::puzzleFromText(
            "7.8396..29...5.7.42.5..7.3.63.9..1...7...16...........4..6..391386..94.5..94...86")};
    const std::string key = collectionKey(puzzles);
    EXPECT_EQ(key.size(), 16u);
    const PuzzleFileContent xml =
        readPuzzleTextAs(PuzzleFormat::kXml, writePuzzleText(PuzzleFormat::kXml, puzzles));
    EXPECT_EQ(collectionKey(xml.puzzles), key);
    EXPECT_NE(collectionKey({puzzles[1], puzzles[0]}), key);
    EXPECT_NE(collectionKey({puzzles[0]}), key);
}

TEST(PlayerFiles, PlayedTimeReadsAsAClock) {
    EXPECT_EQ(formatPlayedTime(7), "0:07");
    EXPECT_EQ(formatPlayedTime(754), "12:34");
    EXPECT_EQ(formatPlayedTime(3723), "1:02:03");
}

}  // namespace
}  // namespace ga
