// The Qt desktop's own behaviour, under a small recording window logic: the
// window, the menu and its keys, the cells' typing, focus and colour, the
// worker's bridge and the progress bar.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <memory>
#include <thread>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "platform/qt/qt_desktop.h"
#include "recording_window.h"
#include "test_environment.h"

namespace ga::testing {

namespace {

const QString kClipboardSentinel = QStringLiteral("clipboard before the key");

std::vector<int> commandsOf(std::initializer_list<int> ids) {
    return std::vector<int>(ids);
}

}  // namespace

class QtDesktopTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { prepareQtTestEnvironment(); }

  private:
    std::unique_ptr<QtDesktop> desktop_;
    std::unique_ptr<RecordingWindow> window_;

    QPlainTextEdit* openCell(int id = kOpenCell) {
        return qobject_cast<QPlainTextEdit*>(desktop_->control(id));
    }

    // A cell with focus and the digits "38", its cursor at the end.
    QPlainTextEdit* focusedCellHolding38() {
        QPlainTextEdit* cell = openCell();
        QTest::mouseClick(cell->viewport(), Qt::LeftButton);
        QTest::keyClicks(cell, QStringLiteral("38"));
        window_->notifications.clear();
        return cell;
    }

  private slots:
    void init() {
        desktop_ = std::make_unique<QtDesktop>();
        window_ = std::make_unique<RecordingWindow>(*desktop_, mainMenu());
        QVERIFY(desktop_->open(*window_));
        desktop_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(desktop_.get()));
        QApplication::clipboard()->setText(kClipboardSentinel);
    }

    void cleanup() {
        desktop_.reset();
        window_.reset();
    }

    void theWindowIsFixedWithTheMenuOfTheTable() {
        QCOMPARE(desktop_->windowTitle(), QStringLiteral("gridAtelier"));
        QCOMPARE(desktop_->minimumSize(), desktop_->maximumSize());
        QVERIFY(!(desktop_->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(desktop_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(desktop_->centralWidget()->size(), desktop_->clientSize());
        QCOMPARE(desktop_->clientWidth(), desktop_->clientSize().width());
        // 240 dialog units are 60 average characters: a window some 300 to 500 pixels wide.
        QVERIFY(desktop_->clientWidth() > 300 && desktop_->clientWidth() < 500);

        QStringList titles;
        for (QAction* popup : desktop_->menuBar()->actions()) titles << popup->text();
        QCOMPARE(titles,
                 QStringList({"File(&F)", "Puzzle(&P)", "Solve(&S)", "Express(&E)", "Option(&O)"}));
        for (int command : menuItemCommands()) QVERIFY(desktop_->menuItem(command) != nullptr);
        QCOMPARE(desktop_->menuItem(kCommandCheckMultiple)->text(),
                 QStringLiteral("Check Multiple\tCtrl + Shift + U"));
        const QList<QObject*> holders = desktop_->menuItem(levelCommand(0))->associatedObjects();
        QCOMPARE(holders.size(), 1);
        auto* levels = qobject_cast<QMenu*>(holders.first());
        QVERIFY(levels != nullptr);
        QCOMPARE(levels->title(), QStringLiteral("-- Level Setting"));
        QVERIFY(desktop_->menuItem(kCommandCancel) == nullptr);
    }

    void everyAcceleratorWorksInACellAndNeverReachesIt_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("command");
        for (const Accelerator& accelerator : mainMenu().accelerators) {
            const int key = accelerator.key >= 'A' ? Qt::Key_A + (accelerator.key - 'A')
                                                   : Qt::Key_0 + (accelerator.key - '0');
            QTest::addRow("Ctrl+%c", accelerator.key) << key << accelerator.command;
        }
    }

    void everyAcceleratorWorksInACellAndNeverReachesIt() {
        QFETCH(int, key);
        QFETCH(int, command);
        QPlainTextEdit* cell = focusedCellHolding38();

        QTest::keyClick(cell, static_cast<Qt::Key>(key), Qt::ControlModifier);

        QCOMPARE(window_->commands, commandsOf({command}));
        // Neither cut, copied, pasted nor selected anything.
        QCOMPARE(cell->toPlainText(), QStringLiteral("38"));
        QVERIFY(!cell->textCursor().hasSelection());
        QCOMPARE(QApplication::clipboard()->text(), kClipboardSentinel);
    }

    void keysOutsideTheTableGiveNothing_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addRow("Ctrl+Shift+U")
            << int(Qt::Key_U) << int(Qt::ControlModifier | Qt::ShiftModifier);
        QTest::addRow("Ctrl+Shift+C")
            << int(Qt::Key_C) << int(Qt::ControlModifier | Qt::ShiftModifier);
        QTest::addRow("Ctrl+Alt+N") << int(Qt::Key_N) << int(Qt::ControlModifier | Qt::AltModifier);
        QTest::addRow("Ctrl+keypad 5")
            << int(Qt::Key_5) << int(Qt::ControlModifier | Qt::KeypadModifier);
        QTest::addRow("Ctrl+M") << int(Qt::Key_M) << int(Qt::ControlModifier);
        QTest::addRow("Alt+C") << int(Qt::Key_C) << int(Qt::AltModifier);
    }

    void keysOutsideTheTableGiveNothing() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QPlainTextEdit* cell = focusedCellHolding38();

        QTest::keyClick(cell, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));

        QVERIFY(window_->commands.empty());
        QCOMPARE(cell->toPlainText(), QStringLiteral("38"));
        QCOMPARE(QApplication::clipboard()->text(), kClipboardSentinel);
    }

    void aGreyedItemsKeyDoesNothing() {
        QPlainTextEdit* cell = focusedCellHolding38();
        desktop_->enableMenuItem(kCommandShowCandidates, false);
        QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(window_->commands, commandsOf({kCommandAbsoluteMistake}));
        QCOMPARE(QApplication::clipboard()->text(), kClipboardSentinel);
        QVERIFY(!cell->textCursor().hasSelection());

        desktop_->enableMenuItem(kCommandShowCandidates, true);
        QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(window_->commands, commandsOf({kCommandAbsoluteMistake, kCommandShowCandidates}));
    }

    void keysWorkWithNoCellFocusedButNotInADialog() {
        QTest::keyClick(desktop_.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(window_->commands, commandsOf({kCommandNewPuzzle}));

        QWidget dialog(desktop_.get(), Qt::Dialog);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(window_->commands, commandsOf({kCommandNewPuzzle}));
    }

    void aChosenItemKeepsTheCheckMarkTheLogicSet() {
        desktop_->checkMenuItem(levelCommand(4), true);
        desktop_->menuItem(levelCommand(4))->trigger();
        desktop_->menuItem(levelCommand(3))->trigger();
        QCOMPARE(window_->commands, commandsOf({levelCommand(4), levelCommand(3)}));
        QVERIFY(desktop_->menuItem(levelCommand(4))->isChecked());
        QVERIFY(!desktop_->menuItem(levelCommand(3))->isChecked());
    }

    void aButtonSendsItsIdentifier() {
        QTest::mouseClick(desktop_->control(kButton), Qt::LeftButton);
        QCOMPARE(window_->commands, commandsOf({kButton}));
    }

    void anOpenCellTakesDigitsOnly() {
        QPlainTextEdit* cell = openCell();
        QTest::mouseClick(cell->viewport(), Qt::LeftButton);
        QTest::keyClicks(cell, QStringLiteral("1a2 -3"));
        QTest::keyClick(cell, Qt::Key_Return);
        QTest::keyClick(cell, Qt::Key_Tab);
        QTest::keyClick(cell, Qt::Key_4, Qt::KeypadModifier);
        QApplication::clipboard()->setText(QStringLiteral("5x6"));
        cell->paste();
        QCOMPARE(cell->toPlainText(), QStringLiteral("123456"));
        QTest::keyClick(cell, Qt::Key_Backspace);
        QCOMPARE(desktop_->text(kOpenCell), std::string("12345"));
    }

    void cellsReportFocusButNotAMenuOpening() {
        QTest::mouseClick(openCell()->viewport(), Qt::LeftButton);
        QTest::mouseClick(openCell(kOtherOpenCell)->viewport(), Qt::LeftButton);
        QTest::mouseClick(desktop_->control(kClueCell), Qt::LeftButton);
        using N = CellNotification;
        const std::vector<std::pair<int, N>> expected = {
            {kOpenCell, N::kGainedFocus},      {kOpenCell, N::kLostFocus},
            {kOtherOpenCell, N::kGainedFocus}, {kOtherOpenCell, N::kLostFocus},
            {kClueCell, N::kGainedFocus},
        };
        QCOMPARE(window_->notifications, expected);

        window_->notifications.clear();
        QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(desktop_->control(kClueCell), &popupOut);
        QVERIFY(window_->notifications.empty());
    }

    void aClueCellIsReadOnlyAndAsksNoColour() {
        auto* clue = qobject_cast<QLineEdit*>(desktop_->control(kClueCell));
        QVERIFY(clue != nullptr && clue->isReadOnly());
        QTest::mouseClick(clue, Qt::LeftButton);
        QTest::keyClicks(clue, QStringLiteral("5"));
        QCOMPARE(desktop_->text(kClueCell), std::string("7"));
        QTest::qWait(50);
        for (int id : window_->colourRequests) QVERIFY(id != kClueCell);
    }

    void anOpenCellIsPaintedInTheColourTheLogicGives() {
        window_->colourOf = [](int id) {
            return id == kOpenCell ? TextColour{255, 0, 0} : TextColour{0, 0, 255};
        };
        desktop_->setText(kOpenCell, "5");
        QTRY_COMPARE(openCell()->palette().color(QPalette::Text), QColor(255, 0, 0));

        window_->colourOf = [](int) { return TextColour{102, 102, 102}; };
        window_->colourRequests.clear();
        desktop_->repaint(kOpenCell);
        QTRY_COMPARE(openCell()->palette().color(QPalette::Text), QColor(102, 102, 102));
        // The new colour costs one more paint at most, never a loop.
        QTest::qWait(100);
        QVERIFY(window_->colourRequests.size() <= 3);
    }

    void statusBoxKeepsLineEnds() {
        const std::string text = "new puzzle as Advanced class,\r\nserial number is 1-2-3-4-5";
        desktop_->setText(RecordingWindow::kStatusBoxId, text);
        QCOMPARE(desktop_->text(RecordingWindow::kStatusBoxId), text);
        QVERIFY(qobject_cast<QPlainTextEdit*>(desktop_->control(RecordingWindow::kStatusBoxId))
                    ->isReadOnly());
    }

    void destroyingTheFocusedCellMovesNoFocusToAnother() {
        QTest::mouseClick(openCell()->viewport(), Qt::LeftButton);
        QPointer<QWidget> cell = desktop_->control(kOpenCell);
        window_->notifications.clear();

        desktop_->destroyControl(kOpenCell);

        QVERIFY(desktop_->control(kOpenCell) == nullptr);
        QVERIFY(window_->notifications.empty());
        QTRY_VERIFY(cell.isNull());
        QVERIFY(window_->notifications.empty());
        QVERIFY(desktop_->createControl(kOpenCell, ControlKind::kOpenCell, {20, 20, 35, 35}));
    }

    void aKeyMayRebuildTheCellItWasTypedIn() {
        QPlainTextEdit* cell = focusedCellHolding38();
        window_->onCommandHook = [this](int) {
            desktop_->destroyControl(kOpenCell);
            desktop_->createControl(kOpenCell, ControlKind::kOpenCell, {20, 20, 35, 35});
        };
        QTest::keyClick(cell, Qt::Key_H, Qt::ControlModifier);
        QTest::qWait(20);
        QCOMPARE(window_->commands, commandsOf({kCommandHandBuildPuzzle}));
        QCOMPARE(desktop_->text(kOpenCell), std::string());
    }

    void theWorkersCommandIsHandledOnTheWindowThreadBeforeItsSendReturns() {
        std::atomic<bool> sendReturned{false};
        std::atomic<size_t> handledWhenReturned{0};
        std::thread worker([&] {
            desktop_->sendCommandFromWorker(kCommandNewPuzzle);
            handledWhenReturned = window_->commands.size();
            sendReturned = true;
        });
        QTRY_VERIFY(sendReturned.load());
        worker.join();
        QCOMPARE(handledWhenReturned.load(), size_t{1});
        QCOMPARE(window_->commandThreads.front(), QThread::currentThread());
    }

    void theProgressBarFollowsTheWorker() {
        QProgressBar* bar = desktop_->progressBarWidget();
        QVERIFY(bar != nullptr && !bar->isVisible());
        ProgressSink* sink = desktop_->progressBar();
        std::thread worker([sink] {
            sink->show();
            for (int position = 0; position <= 130; ++position) sink->setPosition(position);
        });
        worker.join();
        QTRY_VERIFY(bar->isVisible());
        QTRY_COMPARE(bar->value(), 100);

        std::thread hider([sink] {
            sink->setPosition(40);
            sink->hide();
        });
        hider.join();
        QTRY_VERIFY(!bar->isVisible());
        QCOMPARE(bar->value(), 40);
    }

    void theCloseBoxOnlyAsksAndDestroyWindowEnds() {
        QSignalSpy ended(desktop_.get(), &QtDesktop::ended);
        desktop_->close();
        QCOMPARE(window_->closeRequests, 1);
        QVERIFY(desktop_->isVisible());
        QCOMPARE(ended.count(), 0);

        desktop_->destroyWindow();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!desktop_->isVisible());
        desktop_->sendCommandFromWorker(kCommandNewPuzzle);  // from this thread: not delivered
        std::thread late([this] { desktop_->sendCommandFromWorker(kCommandNewPuzzle); });
        late.join();  // returns without the window's help
        QVERIFY(window_->commands.empty());
    }

    void theClientAreaGrowsToHoldWhatTheSetUpMade() {
        QtDesktop desktop;
        RecordingWindow tall(desktop);
        const int bottom = desktop.clientSize().height() + 15;
        tall.afterCreate = [&] {
            desktop.createControl(kButton, ControlKind::kPushButton, {20, bottom - 30, 80, 30});
        };
        const int width = desktop.clientSize().width();
        QVERIFY(desktop.open(tall));
        // The margin below is the one at the left.
        QCOMPARE(desktop.clientSize(), QSize(width, bottom + 20));
        QCOMPARE(desktop.centralWidget()->size(), desktop.clientSize());
    }

    void aFailedSetUpNeverShowsTheWindow() {
        QtDesktop desktop;
        RecordingWindow failing(desktop);
        failing.createSucceeds = false;
        QVERIFY(!desktop.open(failing));
        QVERIFY(!desktop.isVisible());
    }
};

}  // namespace ga::testing

QTEST_MAIN(ga::testing::QtDesktopTest)
#include "qt_desktop_test.moc"
