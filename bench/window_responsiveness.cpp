// How the real window answers while it works: the time to a shown window,
// how long a new puzzle takes from the key press to the board for each class
// and how much of that is the generation's compute, and the longest stretch the window's event loop
// stays blocked during a new puzzle, a "Check Multiple", a paste of a sparse puzzle, and the
// completion check of a finished board.
//
// The figures are printed, never judged. A quick run takes one sample of
// each; with GRIDATELIER_MEASURE set, enough for medians and 95th percentiles
// (about a minute). It runs offscreen unless QT_QPA_PLATFORM says otherwise.
//
// The event loop is watched with a timer that fires every 2 ms on the window
// thread: a tick that comes late by N ms means the loop was busy for N ms.
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "app/puzzle_text_commands.h"
#include "app/status_messages.h"
#include "bench/puzzle_file.h"
#include "bench/puzzle_sets.h"
#include "core/puzzle_text.h"
#include "core/searches.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/qt_desktop.h"
#include "ui/board.h"
#include "ui/settings.h"

namespace ga::bench {

namespace {

constexpr int kJobTimeoutMs = 120000;
constexpr int kTickMs = 2;
constexpr int kSettleMs = 60;             // lets the new cells paint before a watch stops
constexpr int kHardestPlayableClass = 6;  // "Extra-terrestrial" is never enabled
// The sparse puzzles pasted: the slowest to count of the first this many of
// the public 17-clue set.
constexpr int kSparseCandidates = 2000;
constexpr int kSparsePasted = 3;

// A complete valid grid, row by row.
constexpr const char* kSolvedGrid =
    "923564817684217539157398426861439275475621983239785641592873164346152798718946352";

bool measuring() {
    return qEnvironmentVariableIsSet("GRIDATELIER_MEASURE");
}

QElapsedTimer& sinceProcessStart() {
    static QElapsedTimer timer;
    return timer;
}

double milliseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

// How long ago the kernel started this process, from /proc (10 ms steps);
// -1 where there is no such file. Covers what happens before main().
double processAgeMs() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return -1;
    // The command name may hold spaces; the fields after it are plain.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeField = 19;  // field 22 of the whole line
    if (fields.size() <= kStartTimeField) return -1;
    const double startSeconds =
        fields[kStartTimeField].toDouble() / static_cast<double>(::sysconf(_SC_CLK_TCK));
    const double nowSeconds = uptime.readAll().split(' ').value(0).toDouble();
    return (nowSeconds - startSeconds) * 1000.0;
}

struct Summary {
    double median = 0, p95 = 0, max = 0;
};

Summary summarise(std::vector<double> samples) {
    Summary summary;
    if (samples.empty()) return summary;
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    summary.median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    const size_t rank = (95 * n + 99) / 100;  // nearest rank
    summary.p95 = samples[std::max<size_t>(rank, 1) - 1];
    summary.max = samples.back();
    return summary;
}

// The longest gap between ticks of a fast timer on the window thread.
class EventLoopWatch : public QObject {
  public:
    EventLoopWatch() {
        ticker_.setTimerType(Qt::PreciseTimer);
        ticker_.setInterval(kTickMs);
        connect(&ticker_, &QTimer::timeout, this, [this] {
            longestNs_ = std::max(longestNs_, sinceTick_.nsecsElapsed());
            sinceTick_.restart();
            ++ticks_;
        });
    }
    void start() {
        longestNs_ = 0;
        ticks_ = 0;
        sinceTick_.start();
        ticker_.start();
    }
    // The gap still open when the watch stops counts too.
    double stop() {
        ticker_.stop();
        longestNs_ = std::max(longestNs_, sinceTick_.nsecsElapsed());
        return milliseconds(longestNs_);
    }
    int ticks() const { return ticks_; }

  private:
    QTimer ticker_;
    QElapsedTimer sinceTick_;
    qint64 longestNs_ = 0;
    int ticks_ = 0;
};

// When a job's compute runs, as the window thread sees it: the worker shows
// the progress bar as its first step, and its notice arrives as the one call
// queued to the desktop from the worker (the bar's calls go to the bar).
class JobSpan : public QObject {
  public:
    void watch(QWidget* desktop, QWidget* bar) {
        desktop->installEventFilter(this);
        bar->installEventFilter(this);
        desktop_ = desktop;
        bar_ = bar;
    }
    void start() {
        since_.start();
        shownNs_ = noticeNs_ = -1;
    }
    // From the bar shown to the notice; -1 when either was missed.
    double computeMs() const {
        return shownNs_ >= 0 && noticeNs_ >= shownNs_ ? milliseconds(noticeNs_ - shownNs_) : -1;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (since_.isValid()) {
            if (watched == bar_ && event->type() == QEvent::Show && shownNs_ < 0)
                shownNs_ = since_.nsecsElapsed();
            if (watched == desktop_ && event->type() == QEvent::MetaCall && noticeNs_ < 0)
                noticeNs_ = since_.nsecsElapsed();
        }
        return false;
    }

  private:
    QElapsedTimer since_;
    QObject* desktop_ = nullptr;
    QObject* bar_ = nullptr;
    qint64 shownNs_ = -1, noticeNs_ = -1;
};

}  // namespace

class ResponsivenessTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() {
        sinceProcessStart().start();
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    }

  private:
    QTemporaryDir settingsFolder_;
    std::unique_ptr<QtDesktop> desktop_;
    std::unique_ptr<MainWindow> window_;
    EventLoopWatch watch_;
    JobSpan jobSpan_;
    bool firstWindow_ = true;

    QWidget* cell(int index) const { return desktop_->control(cellId(index)); }
    QString statusText() const { return QString::fromStdString(desktop_->text(kStatusBoxId)); }

    void clickCell(int index) {
        QWidget* target = cell(index);
        if (auto* edit = qobject_cast<QPlainTextEdit*>(target)) target = edit->viewport();
        QTest::mouseClick(target, Qt::LeftButton);
    }

    void typeIntoCell(int index, const QString& digits) {
        clickCell(index);
        QTest::keyClicks(QApplication::focusWidget(), digits);
    }

    // Focusing an open cell clears its value, so a board is finished by
    // leaving its last cell for the status box.
    void leaveTheBoard() {
        auto* box = qobject_cast<QPlainTextEdit*>(desktop_->control(kStatusBoxId));
        QTest::mouseClick(box->viewport(), Qt::LeftButton);
    }

    void pressCtrl(Qt::Key key) {
        QWidget* target =
            QApplication::focusWidget() ? QApplication::focusWidget() : desktop_.get();
        QTest::keyClick(target, key, Qt::ControlModifier);
    }

    void chooseClass(int difficultyClass) {
        pressCtrl(static_cast<Qt::Key>(Qt::Key_0 + difficultyClass));
        QCOMPARE(window_->state().settings.level, difficultyClass);
    }

    // From the key press until the notice has put the new board up and titled
    // the window; returns the latency in ms, the compute's share of it (see
    // JobSpan; the rest is the worker's poll and the new board) and the
    // longest event-loop gap until the new cells have painted.
    void newPuzzle(double& latencyMs, double& longestGapMs, double* computeMs = nullptr) {
        clickCell(0);
        // The worker looks for work every 100 ms: a key pressed at a random
        // moment, as a player's is, sees the average wait, not one phase of it.
        QTest::qWait(static_cast<int>(QRandomGenerator::global()->bounded(100)));
        const QString before = desktop_->windowTitle();
        QEventLoop waitForBoard;
        QElapsedTimer sincePress;
        qint64 latencyNs = -1;
        const auto titled = connect(desktop_.get(), &QWidget::windowTitleChanged, &waitForBoard,
                                    [&](const QString&) {
                                        latencyNs = sincePress.nsecsElapsed();
                                        waitForBoard.quit();
                                    });
        QTimer::singleShot(kJobTimeoutMs, &waitForBoard, &QEventLoop::quit);
        watch_.start();
        jobSpan_.start();
        sincePress.start();
        pressCtrl(Qt::Key_N);
        QVERIFY(window_->busy());
        waitForBoard.exec();
        disconnect(titled);
        QTest::qWait(kSettleMs);
        longestGapMs = watch_.stop();
        QVERIFY2(latencyNs >= 0, "no new puzzle arrived");
        QVERIFY(!window_->busy());
        QVERIFY(desktop_->windowTitle() != before);
        latencyMs = milliseconds(latencyNs);
        if (computeMs) *computeMs = jobSpan_.computeMs();
    }

    void waitUntilIdle() { QTRY_VERIFY_WITH_TIMEOUT(!window_->busy(), kJobTimeoutMs); }

  private slots:
    void init() {
        QVERIFY(settingsFolder_.isValid());
        QElapsedTimer sinceConstruction;
        sinceConstruction.start();
        StartupSettings settings;
        settings.place.path =
            settingsFolder_.filePath(QStringLiteral("gridAtelier.par")).toStdString();
        // A new puzzle replaces a modified one; the save question would sit
        // inside the latency measured and wait for an answer nobody gives.
        setDefaultSettings(settings.file.settings);
        settings.file.settings.neverConfirmSave = 1;
        settings.fileRead = true;
        desktop_ = std::make_unique<QtDesktop>();
        window_ = std::make_unique<MainWindow>(*desktop_, settings);
        QVERIFY(desktop_->open(*window_));
        QVERIFY(QTest::qWaitForWindowExposed(desktop_.get()));
        if (firstWindow_) {
            qInfo(
                "start-up: %.1f ms from main() (application, fonts, window) to the exposed "
                "window; the process was %.0f ms old then",
                milliseconds(sinceProcessStart().nsecsElapsed()), processAgeMs());
            firstWindow_ = false;
        } else {
            qInfo("start-up: %.1f ms from constructing the window to its exposure",
                  milliseconds(sinceConstruction.nsecsElapsed()));
        }
        desktop_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(desktop_.get()));
        jobSpan_.watch(desktop_.get(), desktop_->findChild<QProgressBar*>());
    }

    void cleanup() {
        if (window_) QTRY_VERIFY_WITH_TIMEOUT(!window_->busy(), kJobTimeoutMs);
        window_.reset();
        desktop_.reset();
    }

    // What the watch reads when the window does nothing: the machine's own
    // scheduling noise, to be read against the figures below.
    void idleWindow() {
        watch_.start();
        QTest::qWait(measuring() ? 2000 : 200);
        const double longestGapMs = watch_.stop();
        QVERIFY(watch_.ticks() > 0);
        qInfo("idle window: longest event-loop gap %.1f ms", longestGapMs);
    }

    void newPuzzleLatencyPerClass() {
        const int samples = measuring() ? 20 : 1;
        for (int difficultyClass = 0; difficultyClass <= kHardestPlayableClass; ++difficultyClass) {
            clickCell(0);
            chooseClass(difficultyClass);
            std::vector<double> latencies, computes;
            double longestGapMs = 0;
            for (int sample = 0; sample < samples; ++sample) {
                double latencyMs = 0;
                double gapMs = 0;
                double computeMs = 0;
                newPuzzle(latencyMs, gapMs, &computeMs);
                if (QTest::currentTestFailed()) return;
                QVERIFY(desktop_->windowTitle().startsWith(
                    QStringLiteral("gridAtelier -- %1, sn : ")
                        .arg(QLatin1String(className(difficultyClass)))));
                latencies.push_back(latencyMs);
                QVERIFY2(computeMs >= 0, "the job's start or its notice went unseen");
                computes.push_back(computeMs);
                longestGapMs = std::max(longestGapMs, gapMs);
            }
            const Summary summary = summarise(latencies);
            const Summary compute = summarise(computes);
            qInfo(
                "new puzzle, class %d %-13s n=%2d: median %7.1f ms, p95 %7.1f ms, max %7.1f "
                "ms; compute median %5.1f ms, p95 %5.1f ms; longest event-loop gap %5.1f ms",
                difficultyClass, className(difficultyClass), samples, summary.median, summary.p95,
                summary.max, compute.median, compute.p95, longestGapMs);
        }
    }

    // The window thread's share of a new puzzle's notice: the old cells go,
    // the new ones are made, deleted and painted, with no wait in between.
    void boardRebuild() {
        clickCell(0);
        double latencyMs = 0;
        double gapMs = 0;
        newPuzzle(latencyMs, gapMs);
        if (QTest::currentTestFailed()) return;
        const PuzzleRecord puzzle = window_->state().puzzle;
        std::vector<double> durations;
        for (int rebuild = 0; rebuild < (measuring() ? 20 : 3); ++rebuild) {
            QElapsedTimer rebuilding;
            rebuilding.start();
            destroyBoard(*desktop_);
            QCOMPARE(createBoard(*desktop_, puzzle), 0);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QApplication::processEvents();
            durations.push_back(milliseconds(rebuilding.nsecsElapsed()));
            QTest::qWait(20);
        }
        for (int index = 0; index < kCells; ++index) QVERIFY(cell(index) != nullptr);
        const Summary summary = summarise(durations);
        qInfo("board rebuild on the window thread, n=%zu: median %.1f ms, max %.1f ms",
              durations.size(), summary.median, summary.max);
    }

    void checkMultipleOnGeneratedPuzzles() {
        const int puzzles = measuring() ? 5 : 1;
        clickCell(0);
        chooseClass(kHardestPlayableClass);
        std::vector<double> durations;
        double longestGapMs = 0;
        for (int puzzle = 0; puzzle < puzzles; ++puzzle) {
            double latencyMs = 0;
            double gapMs = 0;
            newPuzzle(latencyMs, gapMs);
            if (QTest::currentTestFailed()) return;

            QAction* checkMultiple = desktop_->menuItem(kCommandCheckMultiple);
            QVERIFY(checkMultiple != nullptr && checkMultiple->isEnabled());
            QElapsedTimer sinceStart;
            watch_.start();
            sinceStart.start();
            checkMultiple->trigger();
            QVERIFY(window_->busy());
            QCOMPARE(statusText(), QStringLiteral("\r\nchecking..."));
            waitUntilIdle();
            durations.push_back(milliseconds(sinceStart.nsecsElapsed()));
            QTest::qWait(kSettleMs);
            longestGapMs = std::max(longestGapMs, watch_.stop());
            // A generated puzzle has exactly one answer.
            QCOMPARE(statusText(), QStringLiteral("single answer."));
        }
        const Summary summary = summarise(durations);
        qInfo(
            "check multiple, class %d, n=%d: median %.1f ms, max %.1f ms to the verdict; "
            "longest event-loop gap %.1f ms",
            kHardestPlayableClass, puzzles, summary.median, summary.max, longestGapMs);
    }

    // "Paste Puzzle" with the 17-clue puzzles whose answers take the count
    // longest: from the key press to the pasted board, and the longest
    // event-loop gap meanwhile. The count alone is timed first, off the window.
    void pasteOfSparsePuzzles() {
        std::vector<LoadedPuzzle> puzzles;
        std::string problem;
        if (!readPuzzleFile(publicDataDir() + "/royle_17clue.txt", kSparseCandidates, "", puzzles,
                            problem))
            QSKIP(problem.c_str());
        std::vector<std::pair<double, std::string>> counted;
        for (const LoadedPuzzle& puzzle : puzzles) {
            PuzzleRecord record = puzzle.record;
            loadClues(record);
            QElapsedTimer counting;
            counting.start();
            countAnswers(record, 2, kPasteSearchNodes);
            counted.emplace_back(milliseconds(counting.nsecsElapsed()), puzzle.text);
        }
        std::sort(counted.rbegin(), counted.rend());
        counted.resize(std::min<size_t>(counted.size(), kSparsePasted));
        for (const auto& [countMs, text] : counted) {
            QApplication::clipboard()->setText(QString::fromStdString(text));
            QElapsedTimer sincePress;
            watch_.start();
            sincePress.start();
            QWidget* target =
                QApplication::focusWidget() ? QApplication::focusWidget() : desktop_.get();
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
            QTRY_VERIFY_WITH_TIMEOUT(!window_->busy() && clueLine(window_->state().puzzle) == text,
                                     kJobTimeoutMs);
            const double latencyMs = milliseconds(sincePress.nsecsElapsed());
            QTest::qWait(kSettleMs);
            qInfo(
                "paste of a sparse puzzle (count alone %.1f ms): %.1f ms to the board; longest "
                "event-loop gap %.1f ms",
                countMs, latencyMs, watch_.stop());
        }
    }

    // A generated puzzle filled with its answer, then painted again and again
    // by switching the express mode: the check congratulates each time.
    void completionCheckOfAGeneratedPuzzle() {
        clickCell(0);
        chooseClass(0);
        double latencyMs = 0;
        double gapMs = 0;
        newPuzzle(latencyMs, gapMs);
        if (QTest::currentTestFailed()) return;
        const PuzzleRecord& puzzle = window_->state().puzzle;
        int last = -1;
        for (int index = 0; index < kCells; ++index) {
            if (puzzle.openFlags[index] != 0) last = index;
        }
        QVERIFY(last >= 0);
        for (int index = 0; index < last; ++index) {
            if (puzzle.openFlags[index] == 0) continue;
            typeIntoCell(index, QString::number(puzzle.answerGrid[index]));
        }
        QTest::qWait(kSettleMs);

        watch_.start();
        typeIntoCell(last, QString::number(puzzle.answerGrid[last]));
        leaveTheBoard();
        QTRY_COMPARE(statusText(), QStringLiteral("Congraz! complete solving"));
        QTest::qWait(kSettleMs);
        const double finishGapMs = watch_.stop();

        watch_.start();
        for (int repaint = 0; repaint < 10; ++repaint) {
            pressCtrl(repaint % 2 == 0 ? Qt::Key_E : Qt::Key_V);
            QTest::qWait(20);
        }
        const double repaintGapMs = watch_.stop();
        QTRY_COMPARE(statusText(), QStringLiteral("Congraz! complete solving"));
        qInfo(
            "completion check, generated puzzle (answer known): longest event-loop gap "
            "%.1f ms finishing, %.1f ms over 10 repaints of the board",
            finishGapMs, repaintGapMs);
    }

    // Finished boards with no known answer: the empty board of a fresh
    // window, erased (which makes it a board being played) and filled in. A
    // real answer is adopted at once; a board of fives (every row, column and
    // box sums right, yet it is no answer) is congratulated but never adopted,
    // so every repaint runs the check again: its uniqueness verdict must be
    // reached once, not at every repaint.
    void completionCheckOfAFinishedBoardWithoutAnswer_data() {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("answerKnownAfter");
        QTest::newRow("an answer") << QString::fromLatin1(kSolvedGrid) << 1;
        QTest::newRow("all fives") << QString(kCells, QLatin1Char('5')) << 0;
    }

    void completionCheckOfAFinishedBoardWithoutAnswer() {
        QFETCH(QString, grid);
        QFETCH(int, answerKnownAfter);
        window_->onCommand(kCommandEraseSolving);
        QCOMPARE(window_->state().settings.menuMode, 4);
        QCOMPARE(window_->state().puzzle.answerKnown, 0);
        for (int index = 0; index < kCells - 1; ++index) typeIntoCell(index, grid.mid(index, 1));
        QTest::qWait(kSettleMs);
        QCOMPARE(window_->completionCheck().uniquenessChecks(), 0);

        watch_.start();
        typeIntoCell(kCells - 1, grid.mid(kCells - 1, 1));
        leaveTheBoard();
        QTRY_COMPARE(statusText(), QStringLiteral("Congraz! complete solving"));
        QTest::qWait(kSettleMs);
        const double finishGapMs = watch_.stop();
        QCOMPARE(window_->completionCheck().uniquenessChecks(), 1);
        QCOMPARE(window_->state().puzzle.answerKnown, answerKnownAfter);

        watch_.start();
        for (int repaint = 0; repaint < 10; ++repaint) {
            pressCtrl(repaint % 2 == 0 ? Qt::Key_E : Qt::Key_V);
            QTest::qWait(20);
        }
        const double repaintGapMs = watch_.stop();
        QCOMPARE(window_->completionCheck().uniquenessChecks(), 1);
        QCOMPARE(statusText(), QStringLiteral("Congraz! complete solving"));
        qInfo(
            "completion check, finished board without answer (%s): %d uniqueness check(s); "
            "longest event-loop gap %.1f ms finishing, %.1f ms over 10 repaints",
            QTest::currentDataTag(), window_->completionCheck().uniquenessChecks(), finishGapMs,
            repaintGapMs);
    }
};

}  // namespace ga::bench

QTEST_MAIN(ga::bench::ResponsivenessTest)
#include "window_responsiveness.moc"
