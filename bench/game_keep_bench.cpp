// What keeping the game in progress costs: the window thread's share (the two
// files' bytes made from the board, handed to the keeper's thread) and, for
// comparison, the writing itself, which the keeper's thread does.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/resume.h"
#include "app/window_commands.h"
#include "core/random.h"

namespace ga {
namespace {

WindowState playedState() {
    WindowState state;
    resetRecord(state.puzzle);
    for (int cell = 0; cell < kCells; cell += 2) state.puzzle.candidateNumbers[cell] = 4679;
    state.game.started = true;
    state.game.statisticsClass = "Expert";
    state.history.start(seenBoard(state));
    state.puzzle.valueGrid[3] = 5;
    state.history.follow(seenBoard(state));
    return state;
}

std::string scratchFolder() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "gridatelier-keep-bench";
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

void keepOnTheWindowThread(benchmark::State& timing) {
    const WindowState state = playedState();
    const std::string folder = scratchFolder();
    GameKeeper keeper;
    for (auto _ : timing) keeper.keep(folder, keptGameOf(state));
    keeper.finish();
}
BENCHMARK(keepOnTheWindowThread)->Unit(benchmark::kMicrosecond);

void writeBothFiles(benchmark::State& timing) {
    const KeptGame game = keptGameOf(playedState());
    const std::string folder = scratchFolder();
    for (auto _ : timing) benchmark::DoNotOptimize(writeKeptGame(folder, game));
}
BENCHMARK(writeBothFiles)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ga
