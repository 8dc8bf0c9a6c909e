#include "app/booklet_commands.h"

#include "app/command_ids.h"
#include "app/jobs.h"
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

void prepareBookletJob(Desktop& desktop, WindowState& state, JobRecord& job) {
    const BookletRequest& asked = state.booklet;
    job.order = PuzzleOrder{};
    job.bookletClass = -1;
    switch (asked.source.kind) {
        case BookletSource::Kind::kLevel:
            job.order.byLevel = true;
            job.order.level = static_cast<Level>(asked.source.value);
            break;
        case BookletSource::Kind::kTechnique:
            job.order.byTechnique = true;
            job.order.technique = static_cast<Technique>(asked.source.value);
            break;
        case BookletSource::Kind::kClass:
            job.bookletClass = state.settings.level;
            break;
    }
    job.bookletCount = asked.count;
    job.booklet.clear();
    job.orderSeed = drawOrderSeed();
    job.stopMaking.store(false);
    desktop.setText(kStatusBoxId,
                    filled(translate("Status", "making %1 puzzles to print\r\n(Escape stops)"),
                           {std::to_string(asked.count)}));
    showStopButton(desktop);
}

int runBookletJob(JobRecord& job) {
    job.meter.showAtZero();
    job.result = kOrderMade;
    uint64_t stream = 0;
    // A class's puzzle comes in one go: its own bar would only flicker.
    ProgressMeter unseen;
    while (static_cast<int>(job.booklet.size()) < job.bookletCount && job.result == kOrderMade) {
        if (job.bookletClass >= 0) {
            if (job.stopMaking.load()) {
                job.result = kOrderStopped;
                break;
            }
            PuzzleRecord made;
            resetRecord(made);
            generatePuzzle(made, job.bookletClass, unseen);
            job.booklet.push_back(generatedBookletPuzzle(made));
        } else {
            job.result = makeToOrder(
                job, stream, [] { return true; }, [](uint64_t) {});
            if (job.result == kOrderMade) job.booklet.push_back(bookletPuzzle(job.ordered));
        }
        job.meter.set(0, job.bookletCount, static_cast<double>(job.booklet.size()));
        job.meter.report();
    }
    job.meter.hide();
    return kCommandPrintPuzzles;
}

void printMadeBooklet(Desktop& desktop, WindowState& state, const JobRecord& job) {
    desktop.destroyControl(kCommandStopMaking);
    showStatusAgain(desktop, state);
    if (job.result == kOrderNotFound) {
        desktop.messageBox(
            filled(translate("Message",
                             "Only %1 of the %2 puzzles could be made; nothing was printed."),
                   {std::to_string(job.booklet.size()), std::to_string(job.bookletCount)}),
            translate("Message", kBookletTitle));
    }
    if (job.result != kOrderMade) return;
    std::string printedFile;
    const PrintOutcome outcome =
        desktop.printPages(makeBooklet(job.booklet, state.booklet.options),
                           fileDialogFolder(desktop, state.files), printedFile);
    finishPrint(desktop, state, outcome, printedFile);
}

}  // namespace ga
