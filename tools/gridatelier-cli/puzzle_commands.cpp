#include "tools/gridatelier-cli/puzzle_commands.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>

#include "core/candidates.h"
#include "core/checks.h"
#include "core/hint.h"
#include "core/solver.h"
#include "tools/gridatelier-cli/input_file.h"
#include "tools/gridatelier-cli/ladder_lines.h"
#include "tools/gridatelier-cli/output_line.h"
#include "tools/gridatelier-cli/parallel_lines.h"
#include "tools/gridatelier-cli/puzzle_input.h"

namespace ga::cli {
namespace {

// One job reads, works and writes line by line, with the progress bar on the
// terminal; several work on the lines in parallel (see parallel_lines.h).
int runOverStandardInput(Session& session, const PuzzleAction& act) {
    const PuzzleInput input(session.inputPath);
    const int fd = input.fd();
    if (fd < 0) return kExitFailed;
    const std::string& name = session.inputPath;

    // A terminal gets each line at once; a pipe or a file gets large blocks.
    if (!isatty(STDOUT_FILENO)) std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);

    InputSummary summary;
    if (session.jobs > 1) {
        summary = forEachPuzzleInParallel(fd, session.jobs, act, stdout, stderr, name);
    } else {
        OutputLine out;
        summary = forEachPuzzle(
            fd, stdout, stderr,
            [&](PuzzleRecord& record, long lineNumber) {
                if (session.progress) {
                    char label[32];
                    std::snprintf(label, sizeof label, "line %ld:", lineNumber);
                    session.progress->setLabel(label);
                }
                out.clear();
                act(record, session.meter, out);
                return out.writeTo(stdout);
            },
            name);
    }

    if (std::fflush(stdout) != 0 || std::ferror(stdout) || summary.stopped) {
        std::fprintf(stderr, "gridatelier-cli: writing the results failed\n");
        return kExitFailed;
    }
    if (summary.readFailed) {
        std::fprintf(stderr, "gridatelier-cli: reading %s failed\n",
                     name.empty() ? "standard input" : name.c_str());
        return kExitFailed;
    }
    return summary.malformedLines > 0 ? kExitFailed : kExitOk;
}

void candidatesLine(PuzzleRecord& record, ProgressMeter&, OutputLine& line) {
    line.addNumber(showCandidates(record));
    for (int cell = 0; cell < kCells; ++cell) {
        line.add(' ');
        line.addNumber(record.candidateNumbers[cell]);
    }
}

// "<result> <grid>", as solve prints it.
void addSolveResult(int result, const int32_t* grid, OutputLine& line) {
    line.addNumber(result);
    line.add(' ');
    for (int cell = 0; cell < kCells; ++cell) line.addCell(grid[cell]);
}

void solveLine(PuzzleRecord& record, int method, ProgressMeter& meter, OutputLine& line) {
    addSolveResult(solveJob(record, method, meter), record.valueGrid.data(), line);
}

// Prints the steps of the logic one per line, then puts "= <result> <grid>"
// as the pencil marks give it into the line. Without a contradiction the
// steps end on the pencil marks' grid; after one the solve itself tells.
void explainLines(PuzzleRecord& record, ProgressMeter& meter, OutputLine& line) {
    LadderBoard board;
    loadStepBoard(record, board);
    Step step;
    for (int number = 1; (step = nextStep(board)).kind != StepKind::kNone; ++number) {
        line.addNumber(number);
        line.addText(": ");
        line.addText(stepText(step));
        line.endLine();
        if (isContradiction(step.kind)) break;
        applyStep(board, step);
    }
    line.add('=');
    line.add(' ');
    if (isContradiction(step.kind)) {
        solveLine(record, kPencilMarks, meter, line);
    } else {
        int32_t grid[kCells];
        std::copy(std::begin(board.values), std::end(board.values), grid);
        addSolveResult(countEmpty(board) == 0 ? kSolved : kNotSolvedByPencilMarks, grid, line);
    }
}

// A command without options of its own: the footer tells what it prints.
void addPlainCommand(CLI::App& app, Session& session, CommandList& commands, const char* name,
                     const char* description, const char* footer, PuzzleAction act) {
    CLI::App* sub = app.add_subcommand(name, description);
    sub->footer(footer);
    addInputOption(sub, session);
    commands.push_back({sub, [&session, act] { return runOverStandardInput(session, act); },
                        [] { return std::string(); }});
}

void addCandidatesCommand(CLI::App& app, Session& session, CommandList& commands) {
    addPlainCommand(
        app, session, commands, "candidates", "Show the candidates of every cell",
        "Output per puzzle: <depth> <c0> ... <c80>\n"
        "  depth 2: from the deep analysis, 1: from the shallow one, 0: none worth showing;\n"
        "  then each cell's candidates as one number (147 = 1, 4 and 7), 0 for a clue or a\n"
        "  cell the analysis filled.",
        candidatesLine);
}

void addSolveCommand(CLI::App& app, Session& session, CommandList& commands) {
    CLI::App* sub = app.add_subcommand("solve", "Solve by pencil marks or by backtracking");
    addInputOption(sub, session);
    sub->footer(
        "Output per puzzle: <result> <grid>\n"
        "  result 0: solved, 1: not solved by the pencil marks, 2: not solved by backtracking;\n"
        "  then the 81 cells reached, '.' for an empty one.");
    auto method = std::make_shared<std::string>("pencil");
    sub->add_option("--method", *method, "pencil: logic alone; backtrack: randomized guessing")
        ->check(CLI::IsMember({"pencil", "backtrack"}))
        ->capture_default_str();
    commands.push_back(
        {sub,
         [&session, method] {
             const int code = *method == "backtrack" ? kBacktracking : kPencilMarks;
             return runOverStandardInput(
                 session, [code](PuzzleRecord& record, ProgressMeter& meter, OutputLine& line) {
                     solveLine(record, code, meter, line);
                 });
         },
         [method] {
             return *method == "backtrack"
                        ? std::string("solve --method backtrack ") + kDrawsOnRandomStream
                        : std::string();
         }});
}

void addExplainCommand(CLI::App& app, Session& session, CommandList& commands) {
    CLI::App* sub = app.add_subcommand("explain", "Tell the pencil marks' steps in words");
    addInputOption(sub, session);
    sub->footer(
        "Output per puzzle: one line per step, \"<n>: <step>\" numbered from 1, then\n"
        "  = <result> <grid>, exactly as solve --method pencil prints it. A step places a value\n"
        "  or removes candidates; a contradiction, when the logic meets one, is the last step.\n"
        "With --ladder: the human-style ladder's steps, simplest technique first, then\n"
        "  = 0 <answer> when they reach it, else = 1 and the grid where they stopped.");
    auto ladder = std::make_shared<bool>(false);
    auto json = std::make_shared<bool>(false);
    sub->add_flag("--ladder", *ladder,
                  "the steps of the human-style ladder (singles up to forcing chains) instead");
    sub->add_flag("--json", *json,
                  "with --ladder: each step as a JSON object on its own line, then "
                  "{\"result\": <result>, \"grid\": \"<grid>\"}")
        ->needs("--ladder");
    commands.push_back(
        {sub,
         [&session, ladder, json] {
             if (!*ladder) return runOverStandardInput(session, explainLines);
             if (*json) {
                 return runOverStandardInput(
                     session, [](PuzzleRecord& record, ProgressMeter&, OutputLine& line) {
                         ladderJsonLines(record, line);
                     });
             }
             return runOverStandardInput(
                 session, [](PuzzleRecord& record, ProgressMeter&, OutputLine& line) {
                     ladderExplainLines(record, line);
                 });
         },
         [] { return std::string(); }});
}

void addRateCommand(CLI::App& app, Session& session, CommandList& commands) {
    CLI::App* sub = app.add_subcommand("rate", "Rate how hard a puzzle is for a person");
    addInputOption(sub, session);
    sub->footer(
        "Output per puzzle: <score> <level> <hardest technique> <steps per technique>, e.g.\n"
        "  612 Hard XY-Wing 33 single, 3 locked, 1 pair, 1 XY-Wing\n"
        "  from the human-style ladder's way to the answer; the score adds each step's weight.\n"
        "  The level (Easy, Medium, Hard, Fiendish, Extreme) is the hardest technique's, one\n"
        "  higher when the score is high for it or the way takes many Hard and Fiendish steps.\n"
        "  A puzzle with no answer or several: a line starting \"not rated:\" that says so.\n"
        "Exit status 3 when some puzzle was not rated (1 for bad input lines, as always).");
    commands.push_back({sub,
                        [&session] {
                            std::atomic<bool> unrated{false};
                            const int status = runOverStandardInput(
                                session,
                                [&unrated](PuzzleRecord& record, ProgressMeter&, OutputLine& line) {
                                    if (!rateLine(record, line)) unrated = true;
                                });
                            return status == kExitOk && unrated ? kExitNotRated : status;
                        },
                        [] { return std::string(); }});
}

void addCheckCommand(CLI::App& app, Session& session, CommandList& commands) {
    CLI::App* sub =
        app.add_subcommand("check", "Check whether a puzzle has an answer, or only one");
    addInputOption(sub, session);
    sub->footer("Output per puzzle: <result>, as given for each check above.");
    auto multiple = std::make_shared<bool>(false);
    CLI::Option_group* which = sub->add_option_group("check", "the check to run");
    which->add_flag("--solvable",
                    "0: solvable, 1: no answer (proved), 2: no answer found (random search)");
    which->add_flag("--multiple", *multiple, "0: single answer, 1: multiple answers, 2: no answer");
    which->require_option(1);
    commands.push_back(
        {sub,
         [&session, multiple] {
             const bool many = *multiple;
             return runOverStandardInput(
                 session, [many](PuzzleRecord& record, ProgressMeter& meter, OutputLine& line) {
                     if (many) {
                         line.addNumber(checkMultiple(record, meter));
                     } else {
                         line.addNumber(checkSolvable(record, meter));
                     }
                 });
         },
         [] { return std::string("check ") + kDrawsOnRandomStream; }});
}

}  // namespace

void addPuzzleCommands(CLI::App& app, Session& session, CommandList& commands) {
    addCandidatesCommand(app, session, commands);
    addSolveCommand(app, session, commands);
    addExplainCommand(app, session, commands);
    addRateCommand(app, session, commands);
    addCheckCommand(app, session, commands);
}

}  // namespace ga::cli
