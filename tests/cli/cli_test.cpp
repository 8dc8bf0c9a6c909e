// gridatelier-cli run as a user runs it: command lines and standard input
// against standard output, standard error and the exit status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "tests/support/exact_solver.h"
#include "tests/support/scratch_dir.h"

extern char** environ;

namespace ga::testing {
namespace {

struct CliRun {
    int exitStatus;
    std::string out, err;
};

// The hand-written puzzle files of every format.
const std::string kFormats = GA_FORMATS_DIR;

// The command line's words, run in `dir`: FILE is a path in a folder that does
// not exist, NEW one that can be written, FORMATS/name one of the puzzle files
// of kFormats, and >PATH sends standard output there.
CliRun runCli(const std::string& commandLine, const std::string& input, const ScratchDir& dir) {
    std::vector<std::string> words = {GRIDATELIER_CLI_PATH};
    std::string files[] = {dir / "0", dir / "1", dir / "2"};
    std::istringstream in(commandLine);
    for (std::string word; in >> word;) {
        if (word[0] == '>') files[1] = word.substr(1);
        if (word[0] != '>')
            words.push_back(word == "FILE"                   ? dir / "missing/file"
                            : word == "NEW"                  ? dir / "new"
                            : word.rfind("FORMATS/", 0) == 0 ? kFormats + word.substr(7)
                                                             : word);
    }
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::ofstream(files[0], std::ios::binary) << input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd : {0, 1, 2})
        posix_spawn_file_actions_addopen(&actions, fd, files[fd].c_str(),
                                         fd ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY, 0600);
    pid_t pid = 0;
    int status = 0;
    EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), readFile(dir / "1"),
            readFile(dir / "2")};
}

std::string repeated(const std::string& piece, int times) {
    std::string text;
    while (times-- > 0) text += piece;
    return text;
}

const std::string kAnswer =
    "923564817684217539157398426861439275475621983239785641592873164346152798718946352";
// The answer with one gap in each row, which its row alone decides.
const std::string kEasy =
    ".235648176.421753915.398426861.392754756.198323978.641592873.643461527.871894635.";
const std::string kEmpty(81, '.');
const std::string kManyAnswers = kAnswer.substr(0, 27) + std::string(54, '.');
const std::string kContradictory = "99" + kAnswer.substr(2, 25) + std::string(54, '.');
// kEasy as a pencil-mark grid drawn over thirteen lines, every gap listing
// all nine digits: the ladder reads the same position.
const std::string kEasyMarks = [] {
    const std::string border = "+-----+-----+-----+\n";
    std::string grid = border;
    for (int cell = 0; cell < 81; ++cell) {
        grid += (cell % 3 == 0 ? "| " : "") +
                (kEasy[cell] == '.' ? std::string("123456789") : kEasy.substr(cell, 1)) + " ";
        if (cell % 9 == 8) grid += cell % 27 == 26 ? "|\n" + border : "|\n";
    }
    return grid;
}();
const std::string kUsage = "\nUsage: gridatelier-cli";
const std::string kNotACell = ", a cell must be 1-9, '.' or '0'\n";

// The examples of the README and the manual page.
const std::string kReadmeEasy =
    "....4..2.....3..9...59..84..7.2..3.....3.126.6....5......159.........5...39..7...";
const std::string kReadmeHard =
    "...94........1...34987...5.......8.162........5.....27.....7.12..5.6.4.......1...";
const std::string kReadmeExpert =
    ".7...8....9..6.437..5....1..1..5.........92.154..3....7.35......51....4....3.6..9 "
    "376148925198265437425973816819752364637489251542631798763594182951827643284316579";

// Standard output and error are matched in full, but an expectation ending in
// "..." is how the text starts, and one holding kUsage must go on with the
// usage after a blank line. `file` is what NEW holds afterwards ("" when nothing may be written
// there); FILE is never written.
struct CliCase {
    const char* args;
    std::string input;
    int exitStatus;
    std::string out, err, file = "";
} const kCases[] = {
    // Input lines: '.' or '0' for an empty cell, text after white space, comments.
    {"solve",
     "# two ways to write the same kind of line\n" + kReadmeEasy + "\n" +
         "709030205020000000830000000546090010900470050000000009004010096000320000080000007  "
         "rated easy\n" +
         kEasy + "\tname\n",
     0,
     "0 398746125142538796765912843971264358854391267623875914487159632216483579539627481\n"
     "0 769134285425987631831562974546893712912476853378251469254718396697325148183649527\n"
     "0 " +
         kAnswer + "\n",
     ""},
    // --in: a puzzle file of any format instead of standard input, which is then not read.
    {"solve --in FORMATS/headers.sdk", kEasy, 0,
     "0 748396512913852764265147938634928157872531649591764823427685391386219475159473286\n", ""},
    {"check --solvable --in FORMATS/collection.opensudoku", "", 0, "0\n0\n0\n", ""},
    {"--jobs 2 candidates --in FORMATS/lines.txt", "", 0,
     "0" + repeated(" 0", 81) + "\n0" + repeated(" 0", 81) + "\n", ""},
    {"rate --in FORMATS/short_row.sdk", kEasy, 1, "",
     "gridatelier-cli: " + kFormats + "/short_row.sdk: line 6: 8 cells on the line, a row has 9\n"},
    {"solve --in FILE", "", 1, "", "gridatelier-cli: ...", ""},
    {"candidates", kEmpty + "\n", 0, "2" + repeated(" 123456789", 81) + "\n", ""},
    {"candidates", kEasy, 0, "0" + repeated(" 0", 81) + "\n", ""},
    {"candidates", kReadmeHard, 0,
     "2 135 136 136 0 0 56 0 0 0 257 67 267 568 0 568 0 0 0 0 0 0 0 23 23 0 0 0 379 347 3479 "
     "23456 23579 234569 0 369 0 0 0 1379 138 3789 389 0 39 0 0 0 1349 1346 39 3469 36 0 0 39 "
     "3468 3469 3458 3589 0 36 0 0 17 17 0 238 0 238 0 38 0 239 3468 23469 2348 2389 0 0 368 0\n",
     ""},
    {"solve", kEasy + "\n", 0, "0 " + kAnswer + "\n", ""},
    {"solve", kReadmeHard, 0,
     "1 ...94.278....1.9434987..156......8.162....5.485.....27.....7.12..5.6.4.9.....17.5\n", ""},
    {"solve --method backtrack", kReadmeHard, 0,
     "0 136945278572618943498723156347256891621879534859134627964587312715362489283491765\n", ""},
    {"solve --method pencil", kContradictory + "\n", 0, "1 " + kContradictory + "\n", ""},
    {"check --solvable", kEasy + "\n" + kContradictory + "\n" + kManyAnswers, 0, "0\n1\n0\n", ""},
    {"--seed 11 check --multiple",
     kEasy + "\n" + kContradictory + "\n" + kManyAnswers + "\n" + kEmpty, 0, "0\n2\n1\n1\n", ""},
    // Steps, then the line solve --method pencil prints; a contradiction ends the steps.
    {"explain", ".." + kAnswer.substr(2) + "\n" + kContradictory + "\n" + kEmpty, 0,
     "1: r1c1: only 9 is left\n2: r1c2: only 2 is left\n= 0 " + kAnswer +
         "\n1: row 1: 9 stands twice, in r1c1 and r1c2, so the board has no answer\n= 1 " +
         kContradictory + "\n= 1 " + kEmpty + "\n",
     ""},
    // The ladder: its steps and the answer; a rating, or why there is none (exit status 3).
    {"explain --ladder", ".." + kAnswer.substr(2), 0,
     "1: column 1: r1c1 is the last empty cell, so it takes 9\n2: row 1: r1c2 is the last empty "
     "cell, so it takes 2\n= 0 " +
         kAnswer + "\n",
     ""},
    {"rate", kEasy, 0, "72 Easy Full House 9 single\n", ""},
    {"rate", kEasy + "\n" + kContradictory + "\n" + kManyAnswers, 3,
     "72 Easy Full House 9 single\nnot rated: the puzzle has no answer\nnot rated: the puzzle has "
     "several answers\n",
     ""},
    // A position with candidates: on several lines or one; a grid cut short is told by its
    // first line, and the lines after it are read on.
    {"rate", kEasyMarks + kEasy + "\n", 0,
     "72 Easy Full House 9 single\n72 Easy Full House 9 single\n", ""},
    {"--jobs 2 rate", kEasyMarks.substr(0, 120) + "\n" + kEasy + "\n# done\n", 1,
     "72 Easy Full House 9 single\n",
     "line 1: a pencil-mark grid of 27 cells, a puzzle needs 81\n"},
    {"explain", kReadmeHard, 0, "1: r3c9: only 6 is left\n2: r1c9: only 8 is left\n...", ""},
    {"solve", "# nothing here\n\n \t\r\n", 0, "", ""},
    // Bad lines are told with their numbers and do not stop the others.
    {"solve", "123\n", 1, "", "line 1: only 3 cell characters, a puzzle needs 81\n"},
    {"check --solvable",
     "# noise\n" + kEasy + " trailing words\n\n" + kEasy.substr(0, 80) + "\n" + kContradictory +
         "\r\n x" + kEasy + "\n" + "\x01" + kEasy.substr(1) + "\n" + kEasy.substr(0, 5) + "X" +
         kEasy.substr(6) + "\n" + kEasy + "5\n" + kEasy + "#\n" + kEasy,
     1, "0\n1\n0\n",
     "line 4: only 80 cell characters, a puzzle needs 81\nline 6: white space before the puzzle\n"
     "line 7: character 1 is byte 0x01" +
         kNotACell + "line 8: character 6 is 'X'" + kNotACell +
         "line 9: character 82 is '5', the 81 cells must be followed by white space or the line "
         "end\nline 10: character 82 is '#', the 81 cells must be followed by white space or the "
         "line end\n"},
    {">/dev/full solve", kEasy, 1, "", "gridatelier-cli: writing the results failed\n"},
    // The seed decides the puzzles wherever it stands; a serial number rebuilds them.
    {"generate --class 5 --count 2 --seed 7", "", 0,
     kReadmeExpert +
         " 170FE386-C363F9D1-CFD4A7A-EB3AD7E-BE3BBDC\n"
         "..4....1.6..5..3.229..6.....5...62....3..8..94...1..7..8529.4.....6..5........... "
         "534729618617584392298163754851976243723458169469312875185297436942631587376845921 "
         "21DFCC2F-B695BB64-E9AFEBC-CEDE9BC-BEEEDA6\n",
     ""},
    {"--seed 11 generate --class 3 --ga NEW", "", 0,
     "6.9..4....24.1...8...3..9......5.23......21.483274.......4...72.8......9295..8... "
     "679584321324619758518327946941856237756932184832741695163495872487263519295178463 "
     "3469B054-31CE9F2C-37E79EA-BECDF52-75339BC\n",
     "", std::string("\x20\0\0\0\0\0\0\0\x03\0\0\0", 12) + std::string(20, '\0') + "..."},
    {"--seed 7 regions --level 2 --count 5 --max 16 --csv NEW", "", 0, "5\n", "",
     "5,6,4,3,1,8,2,7,9,\r\n3,8,9,5,2,7,1,6,4,\r\n7,2,1,9,6,4,5,8,3,\r\n6,9,8,7,3,5,4,2,1,\r\n"
     "2,1,3,8,4,6,7,9,5,\r\n4,5,7,2,9,1,6,3,8,\r\n1,4,2,6,8,3,9,5,7,\r\n8,7,6,1,5,9,3,4,2,\r\n"
     "9,3,5,4,7,2,8,1,6,\r\n\r\nrecord is 5\r\n28,32,46,49,67,68,0,0,0,0,0,0,0,0,0,0,6,\r\n"
     "10,11,28,29,59,60,68,69,0,0,0,0,0,0,0,0,8,\r\n"
     "15,16,38,42,43,47,51,52,54,60,72,79,0,0,0,0,12,\r\n"
     "16,17,51,52,55,62,64,65,67,69,70,74,76,80,0,0,14,\r\n"
     "2,5,10,11,15,17,23,25,28,29,34,35,70,71,78,79,16,\r\n"},
    {"--seed 4294967295 check --multiple", kEasy, 0, "0\n", ""},
    {"recreate 170FE386-C363F9D1-CFD4A7A-EB3AD7E-BE3BBDC", "", 0, kReadmeExpert + "\n", ""},
    {"recreate 0x170fe386 0xC363F9D1 cfd4a7a EB3AD7Ez 0xBE3BBDC", "", 0, kReadmeExpert + "\n", ""},
    {"recreate 75BCD14-1FFFFFFF-10000000-0-0", "", 1, "",
     "found the first serial number that's illegal\n"},
    {"recreate A58257E-14FDAD89-C2B6860-86B6118-9940CB4", "", 1, "",
     "found an illegal serial number out of range\n"},
    {"recreate 75BCD15-20000000-0-100000000-0", "", 1, "",
     "found an illegal serial number out of range\n"},
    {"regions --level 2 --count 3 --max 16 --csv FILE", "", 1, "",
     "failed to open or create a csv file\n"},
    // The line comes first, so that a puzzle whose file failed is not lost.
    {"--seed 3 generate --class 5 --ga FILE", "", 1,
     ".76.9.5.2.3.2............8..6..7..2...236.7.5...5....32.8..6...6..9.1.3.4..8..1.. "
     "876193542534287619921654387365479821142368795789512463218736954657941238493825176 "
     "1C30D14E-A328AE68-6EF4F32-337B77E-D71D2FA\n",
     "failed to save data to a file\n"},
    {"--help", "", 0, "gridAtelier's puzzle engine on the command line.\n...", ""},
    {"solve -h", "", 0,
     "Solve by pencil marks or by backtracking\nUsage: gridatelier-cli solve [OPTIONS]\n...", ""},
    {"", "", 2, "", "gridatelier-cli: " + kUsage},
    {"grade", "", 2, "", "gridatelier-cli: " + kUsage},
    {"solve --fast", "", 2, "", "gridatelier-cli: " + kUsage},
    {"solve --method guess", "", 2, "", "gridatelier-cli: " + kUsage},
    {"check --solvable --multiple", "", 2, "", "gridatelier-cli: " + kUsage},
    {"--seed -1 solve", "", 2, "", "gridatelier-cli: " + kUsage},
    {"--seed 4294967296 solve", "", 2, "", "gridatelier-cli: " + kUsage},
    {"regions --level 1 --count 2 --max 8", "", 2, "", "gridatelier-cli: " + kUsage},
    // Refused before the file is touched.
    {"regions --level 1 --count -1 --max 16 --csv NEW", "", 2, "",
     "gridatelier-cli: the count must not be negative\n" + kUsage},
    {"regions --level 1 --count 1 --max -1 --csv NEW", "", 2, "",
     "gridatelier-cli: the maximum must not be negative\n" + kUsage},
    {"regions --level 1 --count 1 --max 82 --csv NEW", "", 2, "",
     "gridatelier-cli: the maximum must not exceed 81 cells\n" + kUsage},
    {"regions --level 5 --count 1 --max 16 --csv NEW", "", 2, "",
     "gridatelier-cli: the level must be 0..4\n" + kUsage},
    {"generate --class", "", 2, "", "gridatelier-cli: " + kUsage},
    {"generate --class 8", "", 2, "", "gridatelier-cli: " + kUsage},
    {"generate --class 1 --count 0", "", 2, "", "gridatelier-cli: " + kUsage},
    {"generate --class 5 --count 2 --ga NEW", "", 2, "",
     "gridatelier-cli: --ga saves a single puzzle, so it needs --count 1\n" + kUsage},
    {"generate", "", 2, "",
     "gridatelier-cli: --class, --level, --technique or --score is needed\n" + kUsage},
    {"generate --level Difficult", "", 2, "",
     "gridatelier-cli: --level Difficult: not Easy, Medium, Hard, Fiendish or Extreme\n" + kUsage},
    {"generate --technique Swordfishes", "", 2, "",
     "gridatelier-cli: --technique Swordfishes: not a technique of the ladder\n" + kUsage},
    {"generate --score 900-300", "", 2, "",
     "gridatelier-cli: --score 900-300: not a range A-B with 0 <= A <= B\n" + kUsage},
    {"generate --level Hard --symmetry round", "", 2, "",
     "gridatelier-cli: --symmetry round: not none, central, diagonal or mirror\n" + kUsage},
    {"book --pdf NEW --count 3", "", 2, "",
     "gridatelier-cli: --count makes puzzles: it needs --level, --technique, --score or "
     "--class\n" +
         kUsage},
    {"book --pdf NEW --level Easy", "", 2, "",
     "gridatelier-cli: --count is needed to make puzzles\n" + kUsage},
    {"book --pdf NEW --level Easy --count 1 --per-page 3", "", 2, "", "gridatelier-cli: " + kUsage},
    {"book --pdf NEW", "", 1, "", "gridatelier-cli: no puzzle to print\n"},
    {"book --pdf NEW --class 2 --count 1 --in FORMATS/lines.txt", "", 2, "",
     "gridatelier-cli: --in reads puzzles, which --count makes instead\n" + kUsage},
    {"generate --level Hard --class 3", "", 2, "",
     "gridatelier-cli: --class and --ga make puzzles of a class, not to order\n" + kUsage},
    // An order no minimal puzzle meets ends at once.
    {"generate --technique Jellyfish --level Hard", "", 1, "",
     "gridatelier-cli: no puzzle meets the order: a puzzle that needs Jellyfish is Fiendish or "
     "harder\n"},
    {"recreate 75BCD15 20000000", "", 2, "",
     "gridatelier-cli: a serial number is one argument A-B-C-D-E or five arguments\n" + kUsage},
    // Commands whose results come from the random stream run as one job.
    {"--jobs 2 check --solvable", kEasy, 2, "",
     "gridatelier-cli: --jobs 2: check draws on the one random stream in a fixed order, so it "
     "runs as one job\n" +
         kUsage},
    {"solve --method backtrack --jobs 0", kEasy, 2, "",
     "gridatelier-cli: --jobs 0: solve --method backtrack draws on the one random stream in a "
     "fixed order, so it runs as one job\n" +
         kUsage},
    {"--jobs 3 generate --class 1", "", 2, "",
     "gridatelier-cli: --jobs 3: generate draws" + kUsage},
    {"--jobs 1 solve --method backtrack", kEasy, 0, "0 " + kAnswer + "\n", ""},
    {"--jobs -1 candidates", "", 2, "", "gridatelier-cli: --jobs: " + kUsage},
};

void expectText(const std::string& actual, const std::string& expected) {
    const size_t usage = expected.find(kUsage);
    if (expected.size() >= 3 && expected.compare(expected.size() - 3, 3, "...") == 0) {
        EXPECT_EQ(actual.substr(0, expected.size() - 3), expected.substr(0, expected.size() - 3));
    } else if (usage != std::string::npos) {
        EXPECT_EQ(actual.substr(0, usage), expected.substr(0, usage));
        EXPECT_NE(actual.find(kUsage, usage), std::string::npos) << actual;
    } else {
        EXPECT_EQ(actual, expected);
    }
}

// Several jobs print exactly what one prints, results and reports of bad lines
// in input order, over more lines than the jobs hold at once; a last line
// without its newline is a line too.
TEST(Cli, JobsPrintWhatOneJobPrints) {
    // The ladder's commands get easy puzzles only: an empty grid walked by
    // forcing chains is slow under the sanitizers.
    auto input = [](int lines, bool hard) {
        std::string text;
        for (int i = 0; i < lines; ++i) {
            text += (i % 3 || !hard ? kEasy : kManyAnswers) + "\n" + kContradictory + "\n# note\n" +
                    (hard ? kEmpty : kEasy) + "\n";
            if (i % 40 == 7) text += kEasy.substr(0, 9) + "\n";
        }
        return text;
    };
    ScratchDir dir;
    for (const char* command : {"candidates", "solve", "explain", "rate"}) {
        SCOPED_TRACE(command);
        const bool ladder = std::string(command) == "rate";
        const std::string lines = input(ladder ? 50 : 150, !ladder) + kEasy;
        const CliRun one = runCli(std::string("--jobs 1 ") + command, lines, dir);
        EXPECT_EQ(one.exitStatus, 1);
        const std::string last = runCli(std::string("--jobs 1 ") + command, kEasy, dir).out;
        ASSERT_FALSE(last.empty());
        EXPECT_EQ(one.out.substr(one.out.size() - std::min(one.out.size(), last.size())), last);
        for (const char* jobs : {"--jobs 2 ", "--jobs 5 ", "--jobs 0 "}) {
            const CliRun several = runCli(jobs + std::string(command), lines, dir);
            EXPECT_EQ(several.exitStatus, one.exitStatus) << jobs;
            EXPECT_EQ(several.out, one.out) << jobs;
            EXPECT_EQ(several.err, one.err) << jobs;
        }
    }
}

// The JSON steps, applied in order to the clues' candidates, reach the answer
// and never remove an answer's digit; every line is one object.
TEST(Cli, JsonStepsLeadFromTheCluesToTheAnswer) {
    const std::string puzzles[] = {
        kReadmeEasy, kReadmeHard, kReadmeExpert.substr(0, 81),
        "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........"};
    for (const std::string& puzzle : puzzles) {
        SCOPED_TRACE(puzzle);
        ScratchDir dir;  // each run writes its own output files afresh
        const std::string answer =
            runCli("solve --method backtrack", puzzle, dir).out.substr(2, 81);
        ScratchDir other;
        const CliRun run = runCli("explain --ladder --json", puzzle, other);
        ASSERT_EQ(run.exitStatus, 0);
        // The candidates as nine bits a cell, from the clues.
        int candidates[81];
        for (int cell = 0; cell < 81; ++cell) {
            candidates[cell] = puzzle[cell] == '.' ? 0x3fe : 1 << (puzzle[cell] - '0');
        }
        auto peers = [](int a, int b) {
            return a != b && (a / 9 == b / 9 || a % 9 == b % 9 ||
                              (a / 27 == b / 27 && a % 9 / 3 == b % 9 / 3));
        };
        for (int cell = 0; cell < 81; ++cell) {
            for (int other = 0; other < 81; ++other) {
                if (puzzle[other] != '.' && peers(cell, other) && puzzle[cell] == '.')
                    candidates[cell] &= ~(1 << (puzzle[other] - '0'));
            }
        }
        const std::regex placement(R"(\{"cell": (\d+), "value": (\d)\})");
        const std::regex elimination(R"(\{"cell": (\d+), "values": \[([\d, ]+)\]\})");
        std::istringstream lines(run.out);
        std::string line, last;
        int steps = 0;
        while (std::getline(lines, line)) {
            ASSERT_TRUE(line.front() == '{' && line.back() == '}') << line;
            last = line;
            if (line.rfind("{\"step\": ", 0) != 0) continue;
            EXPECT_EQ(line.rfind("{\"step\": " + std::to_string(++steps) + ",", 0), 0u);
            const size_t split = line.find("\"eliminations\"");
            const size_t end = line.find("\"values\"", split);
            ASSERT_NE(split, std::string::npos);
            const std::string placed = line.substr(0, split);
            for (std::sregex_iterator m(placed.begin(), placed.end(), placement), e; m != e; ++m) {
                const int cell = std::stoi((*m)[1]), value = std::stoi((*m)[2]);
                EXPECT_EQ(answer[cell] - '0', value) << line;
                candidates[cell] = 1 << value;
                for (int other = 0; other < 81; ++other)
                    if (peers(cell, other)) candidates[other] &= ~(1 << value);
            }
            const std::string removed = line.substr(split, end - split);
            for (std::sregex_iterator m(removed.begin(), removed.end(), elimination), e; m != e;
                 ++m) {
                const int cell = std::stoi((*m)[1]);
                std::istringstream values((*m)[2]);
                for (std::string value; std::getline(values, value, ',');) {
                    EXPECT_NE(answer[cell] - '0', std::stoi(value)) << line;
                    candidates[cell] &= ~(1 << std::stoi(value));
                }
            }
        }
        std::string reached;
        for (int cell = 0; cell < 81; ++cell) {
            int value = 0;
            for (int v = 1; v <= 9; ++v)
                if (candidates[cell] == 1 << v) value = v;
            reached += value ? static_cast<char>('0' + value) : '.';
        }
        EXPECT_EQ(reached, answer);
        EXPECT_EQ(last, "{\"result\": 0, \"grid\": \"" + answer + "\"}");
    }
}

// Puzzles made to order are what their lines say: `rate` gives the same
// score, level and hardest technique, an exact count finds one answer, and no clue
// (with a symmetry, no clue with its mirror) can go; more jobs print the same.
TEST(Cli, PuzzlesMadeToOrderAreWhatTheyClaim) {
    struct Order {
        const char* options;
        int mirrorOffset;  // the mirror of cell i is (offset - i) for central symmetry, else none
    };
    const Order orders[] = {{"--level Hard", -1},
                            {"--technique XY-Wing", -1},
                            {"--score 500-540 --level Easy", -1},
                            {"--level Fiendish --symmetry central", 80},
                            {"--technique X-Wing --symmetry central", 80}};
    for (const Order& order : orders) {
        SCOPED_TRACE(order.options);
        // Each run its own folder: a shorter output would leave a longer one's tail.
        ScratchDir dir, again, rating, solving;
        const std::string command = std::string("--seed 5 generate --count 3 ") + order.options;
        const CliRun one = runCli(command, "", dir);
        ASSERT_EQ(one.exitStatus, 0) << one.err;
        EXPECT_EQ(runCli("--jobs 2 " + command, "", again).out, one.out);
        std::istringstream lines(one.out);
        int count = 0;
        for (std::string line; std::getline(lines, line); ++count) {
            const std::string puzzle = line.substr(0, 81), claim = line.substr(2 * 82);
            const std::string rated = runCli("rate", puzzle + "\n", rating).out;
            EXPECT_EQ(rated.substr(0, claim.size()), claim);
            EXPECT_EQ(runCli("solve --method backtrack", puzzle + "\n", solving).out.substr(2, 81),
                      line.substr(82, 81));
            // Counted exactly: the program's own check of several answers is a
            // random one.
            int32_t clues[81];
            for (int cell = 0; cell < 81; ++cell)
                clues[cell] = puzzle[cell] == '.' ? 0 : puzzle[cell] - '0';
            EXPECT_EQ(countAnswers(clues), 1);
            for (int cell = 0; cell < 81; ++cell) {
                if (clues[cell] == 0) continue;
                int32_t without[81];
                std::copy(clues, clues + 81, without);
                without[cell] = 0;
                if (order.mirrorOffset >= 0) without[order.mirrorOffset - cell] = 0;
                EXPECT_EQ(countAnswers(without), 2) << "clue " << cell << " can go";
            }
        }
        EXPECT_EQ(count, 3);
    }
}

// A booklet's pages: its puzzles so many to a page, then their answers twelve
// to a page; a given puzzle without a single answer is named and left out.
TEST(Cli, BookWritesThePagesOfItsPuzzlesAndAnswers) {
    struct BookCase {
        const char* args;
        std::string input;
        int exitStatus;
        int pages;
        std::string err;
    } const cases[] = {
        {"--seed 3 book --pdf NEW --level Easy --count 5", "", 0, 2 + 1, ""},
        {"book --pdf NEW --per-page 6 --paper letter --no-answers", repeated(kEasy + "\n", 7), 0, 2,
         ""},
        {"book --pdf NEW --per-page 1", kEasy + "\n" + kManyAnswers + "\n" + kEasy + "\n", 1, 2 + 1,
         "line 2: not printed: the puzzle has several answers\n"},
        {"--seed 4 book --pdf NEW --class 1 --count 13 --per-page 2", "", 0, 7 + 2, ""},
    };
    for (const BookCase& c : cases) {
        SCOPED_TRACE(c.args);
        ScratchDir dir;
        const CliRun run = runCli(c.args, c.input, dir);
        EXPECT_EQ(run.exitStatus, c.exitStatus);
        EXPECT_EQ(run.err, c.err);
        const std::string pdf = readFile(dir / "new");
        ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
        const std::regex page("/Type\\s*/Page[^s]");
        const auto pages = std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page),
                                         std::sregex_iterator());
        EXPECT_EQ(pages, c.pages);
        EXPECT_NE(run.out.find(" on " + std::to_string(c.pages) + " pages\n"), std::string::npos)
            << run.out;
    }
}

TEST(Cli, AnswersEachCommandLine) {
    for (const CliCase& c : kCases) {
        SCOPED_TRACE(c.args);
        ScratchDir dir;
        const CliRun run = runCli(c.args, c.input, dir);
        EXPECT_EQ(run.exitStatus, c.exitStatus);
        expectText(run.out, c.out);
        expectText(run.err, c.err);
        EXPECT_EQ(std::filesystem::exists(dir / "new"), !c.file.empty());
        if (!c.file.empty()) expectText(readFile(dir / "new"), c.file);
        const std::set<std::string> made = {"0", "1", "2", "new"};
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            EXPECT_TRUE(made.count(entry.path().filename())) << "left behind: " << entry.path();
    }
}

}  // namespace
}  // namespace ga::testing
