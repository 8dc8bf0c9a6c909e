#include "app/order_commands.h"

#include "app/command_ids.h"
#include "app/help_texts.h"
#include "app/ladder_commands.h"
#include "app/window_commands.h"
#include "core/candidates.h"
#include "core/random.h"
#include "core/translation.h"
#include "ui/board.h"
#include "ui/practice_dialog.h"

namespace ga {

const char* const kPracticeClass = QT_TRANSLATE_NOOP("Class", "Technique Practice");

namespace {

// About a minute of tries: a technique that has not come by then is not to
// be had this way. The stop is looked at every 16 tries, a few times a second
// at worst.
constexpr long kMostTries = long{1} << 18;

constexpr const char* kStopText = QT_TRANSLATE_NOOP("Window", "Stop");
constexpr const char* kNotFoundTitle = QT_TRANSLATE_NOOP("Message", "Practice a Technique");

// The board of the made puzzle, as the player starts it; with `practised`,
// played up to that technique's step. False when the walk does not stop there.
bool buildPlayedBoard(const OrderedPuzzle& made, const Technique* practised, PuzzleRecord& record) {
    resetRecord(record);
    for (int cell = 0; cell < kCells; ++cell) {
        record.answerGrid[cell] = made.answer[cell];
        record.openFlags[cell] = made.clues[cell] == 0 ? 1 : 0;
        record.valueGrid[cell] = made.clues[cell];
    }
    record.answerKnown = 1;
    if (practised == nullptr) return true;
    int32_t clues[kCells];
    for (int cell = 0; cell < kCells; ++cell) clues[cell] = made.clues[cell];
    LadderBoard board;
    loadLadderBoard(clues, true, board);
    if (!walkLadderTo(board, *practised)) return false;
    for (int cell = 0; cell < kCells; ++cell) {
        if (made.clues[cell] != 0) continue;
        record.valueGrid[cell] = board.values[cell];
        if (board.values[cell] == 0)
            record.candidateNumbers[cell] = candidateNumberOf(board.candidates[cell]);
    }
    return true;
}

std::vector<PracticeEntry> practiceEntries() {
    std::vector<PracticeEntry> entries;
    for (int t = 0; t < kTechniqueCount; ++t) {
        const Technique technique = static_cast<Technique>(t);
        const TechniqueInfo& info = techniqueInfo(technique);
        entries.push_back(PracticeEntry{translate("Technique", info.name) + " (" +
                                            translate("Level", levelName(info.level)) + ")",
                                        translate("Help", techniqueHelpText(technique).whatItIs)});
    }
    return entries;
}

}  // namespace

void showStopButton(Desktop& desktop) {
    const BoardLayout layout = boardLayout(desktop.clientWidth());
    desktop.createControl(kCommandStopMaking, ControlKind::kPushButton, layout.clock);
    desktop.setText(kCommandStopMaking, translate("Window", kStopText));
    desktop.setFont(kCommandStopMaking, FontChoice::kSmall);
}

uint64_t drawOrderSeed() {
    const uint64_t high = nextRandom();
    return high << 32 | nextRandom();
}

OrderOutcome makeToOrder(OrderRun& run, const std::atomic<bool>& stop,
                         const std::function<bool()>& accept,
                         const std::function<void(uint64_t round)>& afterRound) {
    long triesBefore = 0;  // those of the puzzle numbers passed over
    bool stopped = false;
    const OrderProgress goOn = [&](long tries) {
        stopped = stop.load();
        if (!stopped) afterRound(static_cast<uint64_t>((triesBefore + tries) / 16));
        return !stopped;
    };
    // A puzzle `accept` does not take (a practice puzzle whose walk does not
    // stop at the technique) is passed over for the next number.
    while (triesBefore < kMostTries) {
        if (stop.load()) return kOrderStopped;
        const bool made = makeOrderedPuzzle(run.order, run.seed, run.stream++,
                                            kMostTries - triesBefore, run.made, goOn);
        if (stopped) return kOrderStopped;
        if (made && accept()) return kOrderMade;
        triesBefore += run.made.tries;
    }
    return kOrderNotFound;
}

bool isPracticeCommand(int command) {
    return command == kCommandPracticeTechnique || command == kCommandPracticeAgain;
}

Level levelOfCommand(int command) {
    return static_cast<Level>(command - kCommandFirstPuzzleByLevel);
}

int puzzleByLevelCommand(Level level) {
    return kCommandFirstPuzzleByLevel + static_cast<int>(level);
}

bool choosePractice(Desktop& desktop, WindowState& state) {
    const std::vector<PracticeEntry> entries = practiceEntries();
    int chosen = state.practised == Technique::kNone ? 0 : static_cast<int>(state.practised);
    const int result = runPracticeDialog(desktop, entries, chosen);
    if (result == kDialogCancel) return false;
    const Technique technique = static_cast<Technique>(chosen);
    if (result == kPracticeHelpAsked) {
        openHelp(desktop, state, technique);
        return false;
    }
    state.practised = technique;
    return true;
}

namespace {

// A puzzle of a level, or to practise a technique; the player can stop it.
class OrderJob : public Job {
  public:
    OrderJob(int command, const PuzzleOrder& order, bool practice)
        : Job(kJobMakeToOrder), command_(command), practice_(practice) {
        run_.order = order;
        run_.seed = drawOrderSeed();
    }

    int run(ProgressMeter& meter, const std::atomic<bool>& stopAsked) override {
        meter.showAtZero();
        const Technique* practised = practice_ ? &run_.order.technique : nullptr;
        result_ = makeToOrder(
            run_, stopAsked, [&] { return buildPlayedBoard(run_.made, practised, board_); },
            [&meter](uint64_t round) {
                // The time it takes is not known: the bar closes in on the end.
                meter.set(0, 1, 1 - 8.0 / (8.0 + static_cast<double>(round)));
                meter.report();
            });
        meter.hide();
        return command_;
    }

    Taken take(Desktop& desktop, WindowState& state, Settings&) override {
        desktop.destroyControl(kCommandStopMaking);
        if (result_ != kOrderMade) {
            if (result_ == kOrderNotFound) {
                desktop.messageBox(
                    filled(translate("Message", "No puzzle was found that needs %1."),
                           {translate("Technique", techniqueInfo(run_.order.technique).name)}),
                    translate("Message", kNotFoundTitle));
            }
            showStatusAgain(desktop, state);
            showIdleMenu(desktop, state);
            return Taken::kBoardKept;
        }
        replaceBoard(desktop, state.puzzle, board_);
        state.header = PuzzleFileHeader{};
        state.header.puzzleClass = kHandBuiltClass;
        const OrderedPuzzle& made = run_.made;
        const std::string hardest = translate("Technique", techniqueInfo(made.rating.hardest).name);
        const std::string practised =
            translate("Technique", techniqueInfo(run_.order.technique).name);
        const std::string level = translate("Level", levelName(made.level));
        std::string title = std::string(kProgramName) + " -- ";
        std::string status;
        if (practice_) {
            title += filled(translate("Window", "Practice: %1"), {practised});
            status = filled(translate("Status",
                                      "practise %1: the steps before it are\r\n"
                                      "done and the notes filled in; Hint shows it"),
                            {practised});
        } else {
            title += level;
            status = filled(translate("Status", "new %1 puzzle, score %2,\r\nhardest step: %3"),
                            {level, std::to_string(made.rating.score), hardest});
        }
        desktop.setTitle(title);
        state.settings.modified = 1;
        enterMenuMode(desktop, state, kMenuPlaying);
        desktop.setText(kStatusBoxId, status);
        return Taken::kBoardReplaced;
    }

  private:
    int command_;    // whose notice ends it
    bool practice_;  // start where the ordered technique is first needed
    OrderRun run_;
    OrderOutcome result_ = kOrderMade;
    PuzzleRecord board_{};  // the made puzzle as played
};

}  // namespace

std::unique_ptr<Job> prepareOrderJob(Desktop& desktop, WindowState& state, int command) {
    const bool practice = isPracticeCommand(command);
    // Practising needs a technique chosen first.
    if (practice && state.practised == Technique::kNone) return nullptr;
    PuzzleOrder order;
    std::string making;
    if (practice) {
        order.byTechnique = true;
        order.technique = state.practised;
        order.techniqueAnywhere = true;
        making = filled(translate("Status", "making a puzzle to practise\r\n%1 (Escape stops)"),
                        {translate("Technique", techniqueInfo(state.practised).name)});
    } else {
        order.byLevel = true;
        order.level = levelOfCommand(command);
        const char* level = levelName(order.level);
        const bool vowel = std::string("AEIOU").find(level[0]) != std::string::npos;
        making = filled(vowel ? translate("Status", "making an %1 puzzle\r\n(Escape stops)")
                              : translate("Status", "making a %1 puzzle\r\n(Escape stops)"),
                        {translate("Level", level)});
    }
    auto job = std::make_unique<OrderJob>(command, order, practice);
    desktop.setText(kStatusBoxId, making);
    showStopButton(desktop);
    return job;
}

void layOutStopButton(Desktop& desktop) {
    desktop.moveControl(kCommandStopMaking, boardLayout(desktop.clientWidth()).clock);
}

int nextPuzzleCommand(const WindowState& state) {
    const std::string& name = state.game.statisticsClass;
    if (name == kPracticeClass && state.practised != Technique::kNone) return kCommandPracticeAgain;
    for (int level = 0; level < kPuzzleLevelCount; ++level) {
        if (name == levelName(static_cast<Level>(level)))
            return puzzleByLevelCommand(static_cast<Level>(level));
    }
    return kCommandNewPuzzle;
}

void addOrderStatisticsClasses(std::vector<std::string>& names) {
    for (int level = 0; level < kPuzzleLevelCount; ++level)
        names.emplace_back(levelName(static_cast<Level>(level)));
    names.emplace_back(kPracticeClass);
}

}  // namespace ga
