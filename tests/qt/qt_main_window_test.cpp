// The program's window on the real desktop. Not a check: with
// GRIDATELIER_SCREENSHOT naming a PNG file, "screenshot" saves the README's
// picture.
#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "platform/qt/qt_desktop.h"
#include "test_environment.h"

namespace ga::testing {

class MainWindowTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { prepareQtTestEnvironment(); }

  private:
    QTemporaryDir settingsFolder_;
    std::unique_ptr<QtDesktop> desktop_;
    std::unique_ptr<MainWindow> window_;

    void clickCell(int index) {
        QWidget* target = desktop_->control(cellId(index));
        if (auto* edit = qobject_cast<QPlainTextEdit*>(target)) target = edit->viewport();
        QTest::mouseClick(target, Qt::LeftButton);
    }
    void pressCtrl(Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : desktop_.get(), key, Qt::ControlModifier);
    }
    void newPuzzle() {
        clickCell(40);
        pressCtrl(Qt::Key_N);
        QVERIFY(window_->busy());
        QTRY_VERIFY_WITH_TIMEOUT(!window_->busy(), 60000);
    }

  private slots:
    void init() {
        QVERIFY(settingsFolder_.isValid());
        StartupSettings settings;
        settings.place.path =
            settingsFolder_.filePath(QStringLiteral("gridAtelier.par")).toStdString();
        desktop_ = std::make_unique<QtDesktop>();
        window_ = std::make_unique<MainWindow>(*desktop_, settings);
        QVERIFY(desktop_->open(*window_));
        desktop_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(desktop_.get()));
    }

    void cleanup() {
        // The worker may be waiting in its send: let it finish before the window goes.
        if (window_) QTRY_VERIFY_WITH_TIMEOUT(!window_->busy(), 60000);
        window_.reset();
        desktop_.reset();
    }

    // A generated puzzle, two right values, one that repeats its row's clue,
    // and a candidate list.
    void screenshot() {
        const QString path = qEnvironmentVariable("GRIDATELIER_SCREENSHOT");
        if (path.isEmpty()) QSKIP("GRIDATELIER_SCREENSHOT names no file");
        newPuzzle();
        const PuzzleRecord& puzzle = window_->state().puzzle;
        int typed = 0, clue = -1, empty = -1;
        for (int index = 0; index < 81; ++index) {
            if (puzzle.openFlags[index] == 0) {
                if (clue < 0) clue = index;
                continue;
            }
            int value = puzzle.answerGrid[index];
            for (int column = 0; typed == 2 && column < 9; ++column) {
                if (puzzle.openFlags[index / 9 * 9 + column] == 0) {
                    value = puzzle.answerGrid[index / 9 * 9 + column];
                    break;
                }
            }
            if (typed == 3) {
                if (empty < 0) empty = index;
                continue;
            }
            clickCell(index);
            QTest::keyClicks(QApplication::focusWidget(), QString::number(value));
            ++typed;
        }
        clickCell(empty);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2468"));
        clickCell(clue);  // a clue shows no caret
        QTest::qWait(200);
        QVERIFY(desktop_->grab().save(path));
    }
};

}  // namespace ga::testing

QTEST_MAIN(ga::testing::MainWindowTest)
#include "qt_main_window_test.moc"
