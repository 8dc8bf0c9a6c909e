#include "tools/gridatelier-cli/generate_commands.h"

#include <climits>
#include <cstdio>
#include <memory>

#include "generator/generation.h"
#include "generator/made_to_order.h"
#include "generator/serial.h"
#include "tools/gridatelier-cli/order_options.h"
#include "tools/gridatelier-cli/output_line.h"
#include "tools/gridatelier-cli/serial_text.h"
#include "ui/puzzle_file.h"

namespace ga::cli {
namespace {

struct GenerateOptions {
    int difficultyClass = 0;
    int count = 1;
    std::string puzzleFilePath;
    CLI::Option* puzzleFile = nullptr;  // count() tells whether --ga was given
    CLI::Option* classOption = nullptr;
    OrderOptions order;  // made to order, instead of a class
};

int finishOutput();

void writeOrdered(const OrderedPuzzle& made, OutputLine& line) {
    line.clear();
    for (uint8_t value : made.clues) line.addCell(value);
    line.add(' ');
    for (uint8_t value : made.answer) line.addCell(value);
    line.add(' ');
    line.addNumber(made.rating.score);
    line.add(' ');
    line.addText(levelName(made.level));
    line.add(' ');
    line.addText(techniqueInfo(made.rating.hardest).name);
}

int runOrderedGenerate(const CLI::App& sub, Session& session, const GenerateOptions& options) {
    PuzzleOrder order;
    const std::string problem = readOrder(options.order, order);
    if (!problem.empty()) return reportUsageError(sub, problem);
    if (options.classOption->count() > 0 || options.puzzleFile->count() > 0)
        return reportUsageError(sub, "--class and --ga make puzzles of a class, not to order");
    if (reportImpossibleOrder(order)) return kExitFailed;
    OutputLine line;
    bool written = true;
    const bool made = makeInOrder(order, orderSeed(), options.count, session.jobs,
                                  [&](const OrderedPuzzle* puzzle) {
                                      if (puzzle == nullptr) return false;
                                      writeOrdered(*puzzle, line);
                                      written = line.writeTo(stdout);
                                      return written;
                                  });
    if (!made && written) {
        reportOrderNotMet();
        finishOutput();
        return kExitFailed;
    }
    return finishOutput();
}

// "<puzzle81> <answer81>": the clues with '.' at open cells, then the answer.
void addPuzzleAndAnswer(const PuzzleRecord& record, OutputLine& line) {
    for (int cell = 0; cell < kCells; ++cell) {
        line.addCell(record.openFlags[cell] == 0 ? record.answerGrid[cell] : 0);
    }
    line.add(' ');
    for (int cell = 0; cell < kCells; ++cell) line.addCell(record.answerGrid[cell]);
}

int finishOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "gridatelier-cli: writing the results failed\n");
        return kExitFailed;
    }
    return kExitOk;
}

int runGenerate(const CLI::App& sub, Session& session, const GenerateOptions& options) {
    if (options.order.ordered()) return runOrderedGenerate(sub, session, options);
    if (options.classOption->count() == 0)
        return reportUsageError(sub, "--class, --level, --technique or --score is needed");
    const bool savePuzzle = options.puzzleFile->count() > 0;
    if (savePuzzle && options.count != 1) {
        return reportUsageError(sub, "--ga saves a single puzzle, so it needs --count 1");
    }

    PuzzleRecord record;
    OutputLine line;
    if (!makeOfClass(session, options.difficultyClass, options.count, record, [&] {
            line.clear();
            addPuzzleAndAnswer(record, line);
            line.add(' ');
            for (char c : formatSerial(record.serial)) line.add(c);
            return line.writeTo(stdout);
        }))
        return kExitFailed;
    // The line comes first, so that a puzzle whose file failed is not lost.
    if (finishOutput() != kExitOk) return kExitFailed;

    if (savePuzzle) {
        PuzzleFileHeader header;
        header.puzzleClass = options.difficultyClass;
        if (writePuzzleFile(header, record, options.puzzleFilePath.c_str()) != kPuzzleFileWritten) {
            std::fprintf(stderr, "%s\n", kSaveFailedText);
            return kExitFailed;
        }
    }
    return kExitOk;
}

int runRecreate(const CLI::App& sub, const std::vector<std::string>& arguments) {
    PuzzleRecord record;
    resetRecord(record);
    if (!readSerialArguments(arguments, record.serial)) {
        return reportUsageError(sub, "a serial number is one argument A-B-C-D-E or five arguments");
    }
    const int result = recreatePuzzle(record);
    if (result != 0) {
        const char* refusal = serialRefusalText(result);
        std::fprintf(stderr, "%s\n", refusal ? refusal : "the serial number was refused");
        return kExitFailed;
    }
    OutputLine line;
    addPuzzleAndAnswer(record, line);
    line.writeTo(stdout);
    return finishOutput();
}

void addGenerateCommand(CLI::App& app, Session& session, CommandList& commands) {
    CLI::App* sub =
        app.add_subcommand("generate", "Make new puzzles of a difficulty class, or to order");
    sub->footer(
        "Classes: 0 Practice, 1 Novice, 2 Beginner, 3 Intermediate, 4 Advanced, 5 Expert,\n"
        "6 World Class, 7 Extra-Terrestrial.\n"
        "Output per puzzle: <puzzle> <answer> <serial>\n"
        "  the clues with '.' at open cells, the answer, and the serial number A-B-C-D-E in\n"
        "  hexadecimal, which recreate turns back into the puzzle when it was built on a\n"
        "  built-in table (never for Practice).\n"
        "Made to order (--level, --technique, --score, which may be combined): each puzzle has\n"
        "exactly one answer and is minimal; --jobs N makes them on N threads, output unchanged.\n"
        "Output per puzzle: <puzzle> <answer> <score> <level> <hardest technique>");
    auto options = std::make_shared<GenerateOptions>();
    options->classOption =
        sub->add_option("--class", options->difficultyClass, "difficulty class 0-7")
            ->check(CLI::Range(kLowestClass, kHighestClass));
    addOrderOptions(sub, options->order);
    sub->add_option("--count", options->count, "how many puzzles to make")
        ->check(CLI::Range(1, INT_MAX))
        ->capture_default_str();
    options->puzzleFile =
        sub->add_option("--ga", options->puzzleFilePath,
                        "also save the puzzle as a puzzle file for the desktop (--count 1 only)")
            ->type_name("FILE");
    commands.push_back(
        {sub, [sub, &session, options] { return runGenerate(*sub, session, *options); },
         [options] {
             return options->order.ordered() ? std::string()
                                             : std::string("generate ") + kDrawsOnRandomStream;
         }});
}

void addRecreateCommand(CLI::App& app, CommandList& commands) {
    CLI::App* sub = app.add_subcommand("recreate", "Rebuild a puzzle from its serial number");
    sub->footer(
        "The serial number is one argument A-B-C-D-E or five arguments A B C D E. Each part is\n"
        "hexadecimal with an optional 0x; reading a part stops at its first character that is\n"
        "no hex digit, a part that does not start with one reads as 0, and one too large for\n"
        "32 bits as FFFFFFFF.\n"
        "Output: <puzzle> <answer>, the clues with '.' at open cells, then the answer.\n"
        "A refused serial number is named on standard error and the exit status is 1.");
    auto arguments = std::make_shared<std::vector<std::string>>();
    sub->add_option("serial", *arguments, "the serial number")->required()->type_name("PART");
    commands.push_back({sub, [sub, arguments] { return runRecreate(*sub, *arguments); }});
}

}  // namespace

bool makeOfClass(Session& session, int difficultyClass, int count, PuzzleRecord& record,
                 const std::function<bool()>& take) {
    for (int made = 1; made <= count; ++made) {
        if (session.progress) {
            char label[32];
            std::snprintf(label, sizeof label, "puzzle %d:", made);
            session.progress->setLabel(label);
        }
        if (generatePuzzle(record, difficultyClass, session.meter) != kGenerated) {
            std::fprintf(stderr, "gridatelier-cli: generation refused class %d\n", difficultyClass);
            return false;
        }
        if (!take()) break;
    }
    return true;
}

void addGenerateCommands(CLI::App& app, Session& session, CommandList& commands) {
    addGenerateCommand(app, session, commands);
    addRecreateCommand(app, commands);
}

}  // namespace ga::cli
