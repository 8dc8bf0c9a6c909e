#include "app/booklet_commands.h"

#include "app/command_ids.h"
#include "app/order_commands.h"
#include "app/picture_commands.h"
#include "app/window_commands.h"
#include "core/difficulty_class.h"
#include "core/translation.h"
#include "generator/generation.h"
#include "ui/board.h"
#include "ui/file_dialog.h"

namespace ga {

namespace {

constexpr const char* kBookletTitle = QT_TRANSLATE_NOOP("Message", "Print Puzzles");

struct ListedSource {
    BookletSource source;
    std::string name;
};

// The levels, the class of the level setting when it is one the menu makes,
// then the techniques.
std::vector<ListedSource> listedSources(int levelSetting) {
    using Kind = BookletSource::Kind;
    std::vector<ListedSource> listed;
    for (int level = 0; level < kPuzzleLevelCount; ++level)
        listed.push_back({{Kind::kLevel, level},
                          filled(translate("Dialog", "Level: %1"),
                                 {translate("Level", levelName(static_cast<Level>(level)))})});
    if (isDifficultyClass(levelSetting) && levelSetting != kHighestClass)
        listed.push_back({{Kind::kClass, levelSetting},
                          filled(translate("Dialog", "Class: %1 (the level setting)"),
                                 {translate("Class", className(levelSetting))})});
    for (int t = 0; t < kTechniqueCount; ++t)
        listed.push_back(
            {{Kind::kTechnique, t},
             filled(translate("Dialog", "Technique: %1"),
                    {translate("Technique", techniqueInfo(static_cast<Technique>(t)).name)})});
    return listed;
}

// The entry of `source`, the class's entry standing for any class; else the first.
int listedIndex(const std::vector<ListedSource>& listed, const BookletSource& source) {
    for (size_t i = 0; i < listed.size(); ++i) {
        const BookletSource& entry = listed[i].source;
        if (entry.kind == source.kind &&
            (entry.kind == BookletSource::Kind::kClass || entry.value == source.value))
            return static_cast<int>(i);
    }
    return 0;
}

}  // namespace

bool chooseBooklet(Desktop& desktop, WindowState& state) {
    const std::vector<ListedSource> listed = listedSources(state.settings.level);
    std::vector<std::string> names;
    for (const ListedSource& entry : listed) names.push_back(entry.name);
    BookletRequest& asked = state.booklet;
    BookletChoice choice{listedIndex(listed, asked.source), asked.count, asked.options};
    if (runBookletDialog(desktop, names, choice) != kDialogOkay) return false;
    asked.source = listed[static_cast<size_t>(choice.kind)].source;
    asked.count = choice.count;
    asked.options = choice.options;
    return true;
}

namespace {

// The booklet's puzzles, each of a class or made to order; the player can stop it.
class BookletJob : public Job {
  public:
    // `difficultyClass` -1: the puzzles are made to `order`.
    BookletJob(const PuzzleOrder& order, int difficultyClass, int count)
        : Job(kJobBooklet), class_(difficultyClass), count_(count) {
        run_.order = order;
        run_.seed = drawOrderSeed();
    }

    int run(ProgressMeter& meter, const std::atomic<bool>& stopAsked) override {
        meter.showAtZero();
        result_ = kOrderMade;
        // A class's puzzle comes in one go: its own bar would only flicker.
        ProgressMeter unseen;
        while (static_cast<int>(made_.size()) < count_ && result_ == kOrderMade) {
            if (class_ >= 0) {
                if (stopAsked.load()) {
                    result_ = kOrderStopped;
                    break;
                }
                PuzzleRecord made;
                resetRecord(made);
                generatePuzzle(made, class_, unseen);
                made_.push_back(generatedBookletPuzzle(made));
            } else {
                result_ = makeToOrder(
                    run_, stopAsked, [] { return true; }, [](uint64_t) {});
                if (result_ == kOrderMade) made_.push_back(bookletPuzzle(run_.made));
            }
            meter.set(0, count_, static_cast<double>(made_.size()));
            meter.report();
        }
        meter.hide();
        return kCommandPrintPuzzles;
    }

    // The print dialog for the booklet made; nothing is printed when it was
    // stopped or not every puzzle could be made.
    Taken take(Desktop& desktop, WindowState& state, Settings&) override {
        showIdleMenu(desktop, state);
        desktop.destroyControl(kCommandStopMaking);
        showStatusAgain(desktop, state);
        if (result_ == kOrderNotFound) {
            desktop.messageBox(
                filled(translate("Message",
                                 "Only %1 of the %2 puzzles could be made; nothing was printed."),
                       {std::to_string(made_.size()), std::to_string(count_)}),
                translate("Message", kBookletTitle));
        }
        if (result_ != kOrderMade) return Taken::kBoardKept;
        std::string printedFile;
        const PrintOutcome outcome =
            desktop.printPages(makeBooklet(made_, state.booklet.options),
                               fileDialogFolder(desktop, state.files), printedFile);
        finishPrint(desktop, state, outcome, printedFile);
        return Taken::kBoardKept;
    }

  private:
    int class_;
    int count_;
    OrderRun run_;
    OrderOutcome result_ = kOrderMade;
    std::vector<BookletPuzzle> made_;  // all of them unless stopped
};

}  // namespace

std::unique_ptr<Job> prepareBookletJob(Desktop& desktop, WindowState& state, int) {
    const BookletRequest& asked = state.booklet;
    PuzzleOrder order;
    int difficultyClass = -1;
    switch (asked.source.kind) {
        case BookletSource::Kind::kLevel:
            order.byLevel = true;
            order.level = static_cast<Level>(asked.source.value);
            break;
        case BookletSource::Kind::kTechnique:
            order.byTechnique = true;
            order.technique = static_cast<Technique>(asked.source.value);
            break;
        case BookletSource::Kind::kClass:
            difficultyClass = state.settings.level;
            break;
    }
    auto job = std::make_unique<BookletJob>(order, difficultyClass, asked.count);
    desktop.setText(kStatusBoxId,
                    filled(translate("Status", "making %1 puzzles to print\r\n(Escape stops)"),
                           {std::to_string(asked.count)}));
    showStopButton(desktop);
    return job;
}

}  // namespace ga
