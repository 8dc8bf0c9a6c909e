// The Qt desktop's own behaviour, under a small recording window logic given
// the program's menu: the window, the menu and its keys, the worker's bridge
// and the progress bar.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
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

    void theMenuIsTheOneDescribed() {
        QStringList titles;
        for (QAction* popup : desktop_->menuBar()->actions()) titles << popup->text();
        QCOMPARE(titles,
                 QStringList({"File(&F)", "Puzzle(&P)", "Solve(&S)", "Express(&E)", "Option(&O)"}));
        for (int command : menuItemCommands()) QVERIFY(desktop_->menuItem(command) != nullptr);
        QCOMPARE(desktop_->menuItem(kCommandCheckMultiple)->text(),
                 QStringLiteral("Check Multiple\tCtrl + Shift + U"));
        auto* levels = qobject_cast<QMenu*>(desktop_->menuItem(levelCommand(0))->parent());
        QVERIFY(levels != nullptr);
        QCOMPARE(levels->title(), QStringLiteral("-- Level Setting"));
        QVERIFY(desktop_->menuItem(kCommandCancel) == nullptr);
    }

    // Every accelerator gives its command from a cell, and no key reaches the
    // cell: neither cut, copied, pasted nor selected anything. Keys outside
    // the table give nothing.
    void keysActOnlyAsTheirAccelerators_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("command");
        for (const Accelerator& accelerator : mainMenu().accelerators) {
            const int key = accelerator.key >= 'A' ? Qt::Key_A + (accelerator.key - 'A')
                                                   : Qt::Key_0 + (accelerator.key - '0');
            QTest::addRow("Ctrl+%c", accelerator.key)
                << key << int(Qt::ControlModifier) << accelerator.command;
        }
        const int ctrl = Qt::ControlModifier;
        QTest::addRow("Ctrl+Shift+U") << int(Qt::Key_U) << int(ctrl | Qt::ShiftModifier) << 0;
        QTest::addRow("Ctrl+Alt+N") << int(Qt::Key_N) << int(ctrl | Qt::AltModifier) << 0;
        QTest::addRow("Ctrl+keypad 5") << int(Qt::Key_5) << int(ctrl | Qt::KeypadModifier) << 0;
        QTest::addRow("Ctrl+M") << int(Qt::Key_M) << ctrl << 0;
        QTest::addRow("Alt+C") << int(Qt::Key_C) << int(Qt::AltModifier) << 0;
    }

    void keysActOnlyAsTheirAccelerators() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, command);
        QPlainTextEdit* cell = focusedCellHolding38();
        QTest::keyClick(cell, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window_->commands, command != 0 ? commandsOf({command}) : commandsOf({}));
        QCOMPARE(cell->toPlainText(), QStringLiteral("38"));
        QVERIFY(!cell->textCursor().hasSelection());
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

    // Only the logic moves a mark, and every item of a group looks alike
    // unchecked, whether it was checked once or never.
    void checkMarksAreTheLogicsAndAlikeInTheirGroup() {
        desktop_->checkMenuItem(levelCommand(4), true);
        desktop_->checkMenuItem(levelCommand(4), false);
        desktop_->checkMenuItem(levelCommand(2), true);
        desktop_->menuItem(levelCommand(2))->trigger();
        desktop_->menuItem(levelCommand(3))->trigger();
        QCOMPARE(window_->commands, commandsOf({levelCommand(2), levelCommand(3)}));
        for (int command :
             {levelCommand(3), levelCommand(4), levelCommand(5), kCommandAbsoluteMistake}) {
            QAction* item = desktop_->menuItem(command);
            QVERIFY(item->isCheckable() && !item->isChecked());
        }
        QVERIFY(desktop_->menuItem(levelCommand(2))->isChecked());
        QVERIFY(!desktop_->menuItem(kCommandNewPuzzle)->isCheckable());
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
};

}  // namespace ga::testing

QTEST_MAIN(ga::testing::QtDesktopTest)
#include "qt_desktop_test.moc"
