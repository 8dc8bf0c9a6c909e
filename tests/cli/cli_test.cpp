// gridatelier-cli run as a user runs it: command lines and standard input
// against standard output, standard error and the exit status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "tests/support/scratch_dir.h"

extern char** environ;

namespace ga::testing {
namespace {

struct CliRun {
    int exitStatus;
    std::string out, err;
};

// The command line's words; FILE stands for a path in `dir`.
CliRun runCli(const std::string& commandLine, const std::string& input = "",
              const std::string& file = "") {
    ScratchDir dir;
    std::vector<std::string> words = {GRIDATELIER_CLI_PATH};
    std::istringstream in(commandLine);
    for (std::string word; in >> word;) words.push_back(word == "FILE" ? file : word);
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::ofstream(dir / "0", std::ios::binary) << input;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd : {0, 1, 2})
        posix_spawn_file_actions_addopen(&actions, fd, (dir / std::to_string(fd)).c_str(),
                                         fd ? O_WRONLY | O_CREAT : O_RDONLY, 0600);
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
const std::string kUsage = "\nUsage: gridatelier-cli";
const std::string kNotACell = ", a cell must be 1-9, '.' or '0'\n";

// Standard error is matched in full unless the case's err ends in kUsage: then
// it is how it starts, and the usage must follow. FILE is a path in a folder
// that does not exist, so nothing may be written.
struct CliCase {
    const char* args;
    std::string input;
    int exitStatus;
    std::string out, err;
} const kCases[] = {
    {"candidates", kEmpty + "\n", 0, "2" + repeated(" 123456789", 81) + "\n", ""},
    {"candidates", kEasy, 0, "0" + repeated(" 0", 81) + "\n", ""},
    {"solve", kEasy + "\n", 0, "0 " + kAnswer + "\n", ""},
    {"solve --method backtrack", kEasy + "\n", 0, "0 " + kAnswer + "\n", ""},
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
    {"solve", "# nothing here\n\n \t\r\n", 0, "", ""},
    // Bad lines are told with their numbers and do not stop the others.
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
    {"recreate 75BCD15-20000008-3FE-0-0", "", 0,
     "214685397376912548598374162.........457891236689237415841729653735168924962543871 "
     "214685397376912548598374162123456789457891236689237415841729653735168924962543871\n",
     ""},
    {"recreate 0x75BCD15 0x20000008 3FE 0 0x0", "", 0,
     "214685397376912548598374162.........457891236689237415841729653735168924962543871 "
     "214685397376912548598374162123456789457891236689237415841729653735168924962543871\n",
     ""},
    // The seed decides the puzzle wherever it stands.
    {"generate --class 6 --seed 7", "", 0,
     ".2.8..3..7....3.....5.6...46...9.2.......7....9.4....52.....7...8.....9...3..5..1 "
     "129854376764123958835769124648591237512637489397482615256918743481376592973245861 "
     "170FE386-D363F9D1-DB56DFA-FABBBB6-BFB7766\n",
     ""},
    {"recreate 75BCD14-1FFFFFFF-10000000-0-0", "", 1, "",
     "found the first serial number that's illegal\n"},
    {"recreate 75BCD15-1FFFFFFF-0-0-0", "", 1, "", "found an illegal serial number out of range\n"},
    {"recreate 75BCD15-20000000-0-100000000-0", "", 1, "",
     "found an illegal serial number out of range\n"},
    {"regions --level 2 --count 3 --max 16 --csv FILE", "", 1, "",
     "failed to open or create a csv file\n"},
    {"--seed 3 generate --class 5 --ga FILE", "", 1, "?", "failed to save data to a file\n"},
    {"", "", 2, "", "gridatelier-cli: " + kUsage},
    {"solve --method guess", "", 2, "", "gridatelier-cli: " + kUsage},
    {"check --solvable --multiple", "", 2, "", "gridatelier-cli: " + kUsage},
    {"--seed -1 solve", "", 2, "", "gridatelier-cli: " + kUsage},
    {"regions --level 1 --count 2 --max 8", "", 2, "", "gridatelier-cli: " + kUsage},
    {"regions --level 1 --count -1 --max 16 --csv FILE", "", 2, "",
     "gridatelier-cli: the count must not be negative" + kUsage},
    {"generate --class 8", "", 2, "", "gridatelier-cli: " + kUsage},
    {"generate --class 1 --count 0", "", 2, "", "gridatelier-cli: " + kUsage},
    {"generate --class 5 --count 2 --ga FILE", "", 2, "",
     "gridatelier-cli: --ga saves a single puzzle, so it needs --count 1" + kUsage},
    {"recreate 75BCD15 20000000", "", 2, "",
     "gridatelier-cli: a serial number is one argument A-B-C-D-E or five arguments" + kUsage},
    // Commands whose results come from the random stream run as one job.
    {"--jobs 2 check --solvable", kEasy, 2, "",
     "gridatelier-cli: --jobs 2: check draws on the one random stream in a fixed order, so it "
     "runs as one job" +
         kUsage},
    {"solve --method backtrack --jobs 0", kEasy, 2, "",
     "gridatelier-cli: --jobs 0: solve --method backtrack draws on the one random stream in a "
     "fixed order, so it runs as one job" +
         kUsage},
    {"--jobs 3 generate --class 1", "", 2, "",
     "gridatelier-cli: --jobs 3: generate draws" + kUsage},
    {"--jobs 1 solve --method backtrack", kEasy, 0, "0 " + kAnswer + "\n", ""},
    {"--jobs -1 candidates", "", 2, "", "gridatelier-cli: --jobs: " + kUsage},
};

TEST(Cli, AnswersEachCommandLine) {
    ScratchDir dir;
    for (const CliCase& c : kCases) {
        SCOPED_TRACE(c.args);
        const CliRun run = runCli(c.args, c.input, dir / "missing/file");
        EXPECT_EQ(run.exitStatus, c.exitStatus);
        // "?": a line is printed before the file fails, so the puzzle is not lost.
        EXPECT_EQ(c.out == "?" ? std::to_string(std::count(run.out.begin(), run.out.end(), '\n'))
                               : run.out,
                  c.out == "?" ? "1" : c.out);
        const size_t usage = c.err.find(kUsage);
        if (usage == std::string::npos) {
            EXPECT_EQ(run.err, c.err);
        } else {
            EXPECT_EQ(run.err.substr(0, usage), c.err.substr(0, usage));
            EXPECT_NE(run.err.find(kUsage, usage), std::string::npos) << run.err;
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// Several jobs print exactly what one prints, results and reports of bad lines
// in input order, over more lines than the jobs hold at once.
TEST(Cli, JobsPrintWhatOneJobPrints) {
    std::string input;
    for (int i = 0; i < 150; ++i) {
        input +=
            (i % 3 ? kEasy : kManyAnswers) + "\n" + kContradictory + "\n# note\n" + kEmpty + "\n";
        if (i % 40 == 7) input += kEasy.substr(0, 9) + "\n";
    }
    for (const char* command : {"candidates", "solve", "explain"}) {
        SCOPED_TRACE(command);
        const CliRun one = runCli(std::string("--jobs 1 ") + command, input);
        EXPECT_EQ(one.exitStatus, 1);
        for (const char* jobs : {"--jobs 2 ", "--jobs 5 ", "--jobs 0 "}) {
            const CliRun several = runCli(jobs + std::string(command), input);
            EXPECT_EQ(several.exitStatus, one.exitStatus) << jobs;
            EXPECT_EQ(several.out, one.out) << jobs;
            EXPECT_EQ(several.err, one.err) << jobs;
        }
    }
}

TEST(Cli, RegionsWriteTheSameCsvFileForTheSameSeed) {
    ScratchDir dir;
    const std::string args = "--seed 99 regions --level 2 --count 12 --max 16 --csv FILE";
    const CliRun run = runCli(args, "", dir / "regions.csv");
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const int found = std::stoi(run.out);
    EXPECT_TRUE(found > 0 && found <= 12 && run.out == std::to_string(found) + "\n") << run.out;
    const std::string text = readFile(dir / "regions.csv");
    EXPECT_NE(text.find("\r\nrecord is " + std::to_string(found) + "\r\n"), std::string::npos);
    EXPECT_EQ(runCli(args, "", dir / "regions.csv").out, run.out);
    EXPECT_EQ(readFile(dir / "regions.csv"), text);
}

}  // namespace
}  // namespace ga::testing
