// Walks the human-style ladder through every puzzle of a file (or through
// generated puzzles of a class) and judges every step by the puzzle's answer:
// how many puzzles it explains to the end, whether any step is wrong, which
// technique each puzzle needed at most, and how fast the walk is.
//
//   gridatelier_ladder_check FILE [--limit N] [--counts] [--examples]
//   gridatelier_ladder_check --class C [--limit N] [--seed S] [--counts] [--examples]
//
// --counts prints one line per puzzle: its line (or number), score, 1 when
// solved to the end, then the steps of each technique in ladder order, for
// fitting the weights outside. --examples prints, for each technique, the
// board just before its first step, as a line of the ladder's table tests.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/puzzle_file.h"
#include "bench/thread_clock.h"
#include "core/bits.h"
#include "core/ladder/ladder.h"
#include "core/random.h"
#include "core/searches.h"
#include "core/words.h"
#include "generator/generation.h"

namespace {

using namespace ga;

struct Options {
    std::string path;
    int generatedClass = -1;
    int limit = -1;
    uint32_t seed = 1;
    bool counts = false;
    bool examples = false;
};

int usage() {
    std::fprintf(stderr,
                 "usage: gridatelier_ladder_check FILE [--limit N] [--counts] [--examples]\n"
                 "       gridatelier_ladder_check --class C [--limit N] [--seed S] [--counts] "
                 "[--examples]\n");
    return 2;
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        if (word == "--counts") {
            options.counts = true;
        } else if (word == "--examples") {
            options.examples = true;
        } else if (word == "--limit" && hasValue) {
            options.limit = std::atoi(argv[++i]);
        } else if (word == "--seed" && hasValue) {
            options.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (word == "--class" && hasValue) {
            options.generatedClass = std::atoi(argv[++i]);
        } else if (word[0] != '-' && options.path.empty()) {
            options.path = word;
        } else {
            return false;
        }
    }
    if (options.generatedClass >= 0) {
        if (!isDifficultyClass(options.generatedClass) || !options.path.empty()) return false;
        if (options.limit < 0) options.limit = 30;
    }
    return !options.path.empty() || options.generatedClass >= 0;
}

struct Puzzle {
    int32_t clues[kCells];
    int lineNumber;
};

bool loadPuzzles(const Options& options, std::vector<Puzzle>& puzzles) {
    if (options.generatedClass >= 0) {
        seedRandomWith(options.seed);
        for (int i = 0; i < options.limit; ++i) {
            PuzzleRecord record;
            ProgressMeter meter;
            generatePuzzle(record, options.generatedClass, meter);
            Puzzle& puzzle = puzzles.emplace_back();
            for (int cell = 0; cell < kCells; ++cell)
                puzzle.clues[cell] = record.openFlags[cell] ? 0 : record.answerGrid[cell];
            puzzle.lineNumber = i + 1;
        }
        return true;
    }
    std::vector<bench::LoadedPuzzle> loaded;
    std::string problem;
    if (!bench::readPuzzleFile(options.path, options.limit, "", loaded, problem)) {
        std::fprintf(stderr, "gridatelier_ladder_check: %s\n", problem.c_str());
        return false;
    }
    for (const bench::LoadedPuzzle& one : loaded) {
        Puzzle& puzzle = puzzles.emplace_back();
        for (int cell = 0; cell < kCells; ++cell) puzzle.clues[cell] = shownValue(one.record, cell);
        puzzle.lineNumber = one.lineNumber;
    }
    return true;
}

// The one answer, or false when the puzzle has none or several.
bool uniqueAnswer(const Puzzle& puzzle, Grid& answer) {
    PuzzleRecord record;
    resetRecord(record);
    for (int cell = 0; cell < kCells; ++cell) {
        if (puzzle.clues[cell] == 0) continue;
        record.openFlags[cell] = 0;
        record.answerGrid[cell] = puzzle.clues[cell];
    }
    loadClues(record);
    return countAnswers(record, 2, 100000000L, &answer) == 1;
}

bool keepsAnswer(const LadderStep& step, const Grid& answer) {
    if (step.placedCell != kNoCell && step.placedValue != answer[step.placedCell]) return false;
    for (int cell = 0; cell < kCells; ++cell) {
        if (step.eliminations[cell] & bitOfValue(answer[cell])) return false;
    }
    return true;
}

// The line of the ladder's table tests that holds this board and step.
void printExample(const LadderBoard& board, const LadderStep& step) {
    std::string values, candidates;
    for (int cell = 0; cell < kCells; ++cell) {
        values += board.values[cell] ? static_cast<char>('0' + board.values[cell]) : '.';
        if (cell > 0) candidates += ' ';
        if (board.values[cell]) {
            candidates += '-';
        } else {
            candidates += valueList(board.candidates[cell], "");
        }
    }
    std::printf("%s | %s | %s | %s\n", techniqueInfo(step.technique).name, values.c_str(),
                candidates.c_str(), ladderStepResult(step).c_str());
}

// Orders techniques by how hard they are: rung first, then weight.
bool harder(Technique a, Technique b) {
    if (b == Technique::kNone) return a != Technique::kNone;
    if (a == Technique::kNone) return false;
    const TechniqueInfo &x = techniqueInfo(a), &y = techniqueInfo(b);
    return x.rung != y.rung ? x.rung > y.rung : x.weight > y.weight;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) return usage();
    std::vector<Puzzle> puzzles;
    if (!loadPuzzles(options, puzzles)) return 1;

    int walked = 0, notUnique = 0, solved = 0, violations = 0;
    int hardestCount[kTechniqueCount + 1] = {};
    bool exampleShown[kTechniqueCount] = {};
    long scoreSum = 0;
    int scoreMin = 0, scoreMax = 0;
    double walkSeconds = 0;
    std::vector<double> stepSeconds;
    double slowestStep = 0;
    int slowestLine = 0;

    for (const Puzzle& puzzle : puzzles) {
        Grid answer;
        if (!uniqueAnswer(puzzle, answer)) {
            notUnique++;
            continue;
        }
        walked++;
        LadderBoard board;
        loadLadderBoard(puzzle.clues, true, board);
        int counts[kTechniqueCount] = {};
        int score = 0;
        Technique hardest = Technique::kNone;
        bool faulty = false;
        for (int number = 1; countEmpty(board) > 0; ++number) {
            const double start = bench::threadSeconds();
            const LadderStep step = nextLadderStep(board);
            const double spent = bench::threadSeconds() - start;
            walkSeconds += spent;
            stepSeconds.push_back(spent);
            if (spent > slowestStep) slowestStep = spent, slowestLine = puzzle.lineNumber;
            if (step.technique == Technique::kNone) break;
            const int index = static_cast<int>(step.technique);
            if (options.examples && !exampleShown[index]) {
                exampleShown[index] = true;
                printExample(board, step);
            }
            if (!keepsAnswer(step, answer)) {
                faulty = true;
                std::fprintf(stderr, "line %d step %d: %s is wrong: %s\n", puzzle.lineNumber,
                             number, techniqueInfo(step.technique).name,
                             ladderStepText(step).c_str());
                break;
            }
            counts[index]++;
            score += techniqueInfo(step.technique).weight;
            if (harder(step.technique, hardest)) hardest = step.technique;
            const double applyStart = bench::threadSeconds();
            applyLadderStep(board, step);
            walkSeconds += bench::threadSeconds() - applyStart;
        }
        const bool finished = !faulty && countEmpty(board) == 0;
        violations += faulty;
        solved += finished;
        hardestCount[finished ? static_cast<int>(hardest) : kTechniqueCount]++;
        scoreSum += score;
        scoreMin = walked == 1 ? score : std::min(scoreMin, score);
        scoreMax = std::max(scoreMax, score);
        if (options.counts) {
            std::printf("%d %d %d", puzzle.lineNumber, score, finished ? 1 : 0);
            for (int count : counts) std::printf(" %d", count);
            std::printf("\n");
        }
    }

    std::printf("puzzles %zu, walked %d (one answer), skipped %d (none or several)\n",
                puzzles.size(), walked, notUnique);
    if (walked == 0) return 0;
    std::printf("solved to the end %d (%.1f %%)\n", solved, 100.0 * solved / walked);
    std::printf("violations %d\n", violations);
    std::printf("hardest technique of each puzzle solved:\n");
    for (int index = 0; index < kTechniqueCount; ++index) {
        if (hardestCount[index] == 0) continue;
        std::printf("  %-28s %6d\n", techniqueInfo(static_cast<Technique>(index)).name,
                    hardestCount[index]);
    }
    std::printf("  %-28s %6d\n", "(not solved)", hardestCount[kTechniqueCount]);
    int forcing = 0;
    for (int index = 0; index < kTechniqueCount; ++index) {
        if (techniqueInfo(static_cast<Technique>(index)).rung == 10) forcing += hardestCount[index];
    }
    const int nested = hardestCount[static_cast<int>(Technique::kNestedForcingChain)];
    std::printf("needing forcing chains %.1f %% (nested %.1f %%)\n", 100.0 * forcing / walked,
                100.0 * nested / walked);
    std::printf("score mean %.0f, min %d, max %d\n", static_cast<double>(scoreSum) / walked,
                scoreMin, scoreMax);
    std::sort(stepSeconds.begin(), stepSeconds.end());
    auto percentile = [&](double p) {
        return 1000 * stepSeconds[static_cast<size_t>(p * (stepSeconds.size() - 1))];
    };
    std::printf("step ms: p50 %.3f, p99 %.3f, max %.3f (line %d)\n", percentile(0.5),
                percentile(0.99), 1000 * slowestStep, slowestLine);
    std::printf("%.1f puzzles/s (thread CPU time of the walk, %.2f s)\n", walked / walkSeconds,
                walkSeconds);
    return violations > 0 ? 1 : 0;
}
