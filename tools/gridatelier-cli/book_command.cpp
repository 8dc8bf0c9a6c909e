#include "tools/gridatelier-cli/book_command.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <climits>
#include <cstdio>
#include <memory>
#include <vector>

#include "core/difficulty_class.h"
#include "platform/qt/board_painter.h"
#include "tools/gridatelier-cli/generate_commands.h"
#include "tools/gridatelier-cli/input_file.h"
#include "tools/gridatelier-cli/order_options.h"
#include "tools/gridatelier-cli/puzzle_input.h"
#include "ui/booklet.h"

namespace ga::cli {
namespace {

struct BookOptions {
    std::string pdfPath;
    int perPage = kDefaultPerPage;
    std::string paper = "a4";
    bool noAnswers = false;
    int difficultyClass = 0;
    int count = 0;
    CLI::Option* classOption = nullptr;
    CLI::Option* countOption = nullptr;
    OrderOptions order;

    bool makesPuzzles() const { return order.ordered() || classOption->count() > 0; }
};

using Puzzles = std::vector<BookletPuzzle>;

int makeOrdered(const CLI::App& sub, Session& session, const BookOptions& options,
                Puzzles& puzzles) {
    PuzzleOrder order;
    const std::string problem = readOrder(options.order, order);
    if (!problem.empty()) return reportUsageError(sub, problem);
    if (reportImpossibleOrder(order)) return kExitFailed;
    const bool made = makeInOrder(order, orderSeed(), options.count, session.jobs,
                                  [&](const OrderedPuzzle* puzzle) {
                                      if (puzzle != nullptr)
                                          puzzles.push_back(bookletPuzzle(*puzzle));
                                      return puzzle != nullptr;
                                  });
    if (made) return kExitOk;
    reportOrderNotMet();
    return kExitFailed;
}

int makeClassPuzzles(Session& session, const BookOptions& options, Puzzles& puzzles) {
    PuzzleRecord record;
    const bool made = makeOfClass(session, options.difficultyClass, options.count, record, [&] {
        puzzles.push_back(generatedBookletPuzzle(record));
        return true;
    });
    return made ? kExitOk : kExitFailed;
}

// The puzzles of standard input or --in; a line that is no puzzle, or a
// puzzle without a single answer, is named on standard error and left out.
int readGiven(const Session& session, Puzzles& puzzles) {
    const PuzzleInput input(session.inputPath);
    if (input.fd() < 0) return kExitFailed;
    const std::string& name = session.inputPath;
    bool leftOut = false;
    const InputSummary summary = forEachPuzzle(
        input.fd(), stdout, stderr,
        [&](PuzzleRecord& record, long lineNumber) {
            BookletPuzzle puzzle;
            const GivenPuzzleProblem problem = givenBookletPuzzle(record, puzzle);
            if (problem == GivenPuzzleProblem::kNone) {
                puzzles.push_back(puzzle);
                return true;
            }
            if (!name.empty()) std::fprintf(stderr, "%s: ", name.c_str());
            std::fprintf(stderr, "line %ld: not printed: %s\n", lineNumber,
                         givenPuzzleProblemText(problem));
            leftOut = true;
            return true;
        },
        name);
    if (summary.readFailed) {
        std::fprintf(stderr, "gridatelier-cli: reading %s failed\n",
                     name.empty() ? "standard input" : name.c_str());
        return kExitFailed;
    }
    return summary.malformedLines > 0 || leftOut ? kExitFailed : kExitOk;
}

// Qt's own notes (a runtime folder it would not use, say) are no concern of
// the command line, which says itself what went wrong.
void dropQtNote(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) std::fprintf(stderr, "gridatelier-cli: %s\n", qPrintable(text));
}

// The booklet painted as the window prints it. No window is ever shown: the
// fonts need a platform, not a display.
bool writePdf(const Booklet& booklet, const std::string& path) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    qInstallMessageHandler(dropQtNote);
    int argc = 1;
    char name[] = "gridatelier-cli";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    return writeBookletPdf(booklet, QString::fromStdString(path));
}

int runBook(const CLI::App& sub, Session& session, const BookOptions& options) {
    if (options.order.ordered() && options.classOption->count() > 0)
        return reportUsageError(sub, "--class makes puzzles of a class, not to order");
    if (options.makesPuzzles() && options.countOption->count() == 0)
        return reportUsageError(sub, "--count is needed to make puzzles");
    if (options.makesPuzzles() && !session.inputPath.empty())
        return reportUsageError(sub, "--in reads puzzles, which --count makes instead");
    if (!options.makesPuzzles() && options.countOption->count() > 0)
        return reportUsageError(
            sub, "--count makes puzzles: it needs --level, --technique, --score or --class");

    Puzzles puzzles;
    const int status = options.order.ordered()        ? makeOrdered(sub, session, options, puzzles)
                       : options.classOption->count() ? makeClassPuzzles(session, options, puzzles)
                                                      : readGiven(session, puzzles);
    if (status == kExitUsage || (options.makesPuzzles() && status != kExitOk)) return status;
    if (puzzles.empty()) {
        // Without a word of why only when no line said it already.
        if (status == kExitOk) std::fprintf(stderr, "gridatelier-cli: no puzzle to print\n");
        return kExitFailed;
    }
    BookletOptions layout;
    layout.perPage = options.perPage;
    layout.paper = options.paper == "letter" ? Paper::kLetter : Paper::kA4;
    layout.answers = !options.noAnswers;
    const Booklet booklet = makeBooklet(puzzles, layout);
    if (!writePdf(booklet, options.pdfPath)) {
        std::fprintf(stderr, "gridatelier-cli: %s could not be written\n", options.pdfPath.c_str());
        return kExitFailed;
    }
    std::printf("%s: %zu puzzles on %zu pages\n", options.pdfPath.c_str(), puzzles.size(),
                booklet.pages.size());
    return std::fflush(stdout) == 0 ? status : kExitFailed;
}

}  // namespace

void addBookCommand(CLI::App& app, Session& session, CommandList& commands) {
    CLI::App* sub = app.add_subcommand(
        "book", "Print puzzles several to a page, their answers after them, to a PDF file");
    sub->footer(
        "The puzzles are made to order (--level, --technique, --score, as generate makes them),\n"
        "of a difficulty class (--class), or without either read from standard input or --in\n"
        "as solve reads them; a puzzle without a single answer is named and left out.\n"
        "Each puzzle is headed by its number, level and score; the answers follow in small\n"
        "grids, twelve to a page, and every page is numbered.\n"
        "Output: \"<file>: <n> puzzles on <m> pages\".");
    auto options = std::make_shared<BookOptions>();
    sub->add_option("--pdf", options->pdfPath, "the PDF file to write")
        ->required()
        ->type_name("FILE");
    sub->add_option("--per-page", options->perPage, "puzzles to a page: 1, 2, 4 or 6")
        ->check(
            CLI::IsMember(std::vector<int>(std::begin(kPerPageChoices), std::end(kPerPageChoices))))
        ->capture_default_str();
    sub->add_option("--paper", options->paper, "a4 or letter")
        ->check(CLI::IsMember({"a4", "letter"}))
        ->capture_default_str();
    sub->add_flag("--no-answers", options->noAnswers, "leave the answers out");
    options->classOption =
        sub->add_option("--class", options->difficultyClass, "difficulty class 0-7")
            ->check(CLI::Range(kLowestClass, kHighestClass));
    addOrderOptions(sub, options->order);
    options->countOption = sub->add_option("--count", options->count, "how many puzzles to make")
                               ->check(CLI::Range(1, INT_MAX));
    addInputOption(sub, session);
    commands.push_back({sub, [sub, &session, options] { return runBook(*sub, session, *options); },
                        [options] {
                            if (options->order.ordered()) return std::string();
                            if (options->classOption->count() > 0)
                                return std::string("book --class ") + kDrawsOnRandomStream;
                            return std::string("book reads its puzzles in order");
                        }});
}

}  // namespace ga::cli
