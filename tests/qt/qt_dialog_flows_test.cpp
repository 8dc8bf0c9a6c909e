// The window's commands that go through a modal dialog, played on the real
// widgets from the key or menu item a person would use: what each dialog
// shows, and what the window and the files hold once it is answered.
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "modal_player.h"
#include "platform/qt/qt_desktop.h"
#include "test_environment.h"
#include "ui/settings.h"

namespace ga::testing {

namespace {

constexpr int kJobTimeoutMs = 60000;
constexpr int kSaveYes = 3012, kSaveNo = kDialogOkay;
const QString kSaveQuestion = QStringLiteral("dialog_3000");
const QString kRecreate = QStringLiteral("dialog_5000");
const QList<int> kHandBuildButtons{kButtonRegister, kButtonWithoutAnswer, kButtonCancelHandBuild};

void press(QWidget& dialog, int id) {
    auto* button = dialogControl<QAbstractButton>(dialog, id);
    QVERIFY2(button != nullptr && button->isEnabled(), qPrintable(QString::number(id)));
    // A check box stretched wider than its text takes clicks on its indicator only.
    const bool box = qobject_cast<QCheckBox*>(button) != nullptr;
    QTest::mouseClick(button, Qt::LeftButton, {},
                      box ? QPoint(6, button->height() / 2) : button->rect().center());
}

// Empties a field by selecting all of it, then types.
void retype(QWidget& dialog, int id, const QString& text) {
    auto* field = dialogControl<QLineEdit>(dialog, id);
    QVERIFY(field != nullptr);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// Drops the list down with the mouse, then walks to the entry with the arrow
// keys and takes it with Enter: within a double-click interval of opening,
// the list ignores a click on an entry, and waiting that long is wasted time.
void choose(QWidget& dialog, int id, const QString& entry) {
    auto* list = dialogControl<QComboBox>(dialog, id);
    QVERIFY(list != nullptr && list->findText(entry) >= 0);
    const int row = list->findText(entry);
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    for (int at = view->currentIndex().row(); at != row; at += at < row ? 1 : -1) {
        QTest::keyClick(view, at < row ? Qt::Key_Down : Qt::Key_Up);
    }
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(list->currentText(), entry);
}

std::unique_ptr<ModalPlayer> answer(const QString& dialog, int button) {
    return std::make_unique<ModalPlayer>(dialog, [button](QWidget& d) { press(d, button); });
}

// Types a path into the file dialog's name field and accepts it with Enter.
std::unique_ptr<ModalPlayer> fileName(const QString& path) {
    return std::make_unique<ModalPlayer>(QStringLiteral("QFileDialog"), [path](QWidget& files) {
        auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        name->setFocus();
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

}  // namespace

class DialogFlowsTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { prepareQtTestEnvironment(); }

  private:
    QTemporaryDir folder_;
    std::unique_ptr<QtDesktop> desktop_;
    std::unique_ptr<MainWindow> window_;

    using Cell = std::pair<QString, bool>;  // the text shown, and whether it is a clue

    QWidget* cell(int index) const { return desktop_->control(cellId(index)); }
    QString statusText() const { return QString::fromStdString(desktop_->text(kStatusBoxId)); }
    QString path(const char* name) const { return folder_.filePath(QLatin1String(name)); }

    Cell cellShown(int index) const {
        auto* clue = qobject_cast<QLineEdit*>(cell(index));
        return {QString::fromStdString(desktop_->text(cellId(index))),
                clue != nullptr && clue->isReadOnly()};
    }
    std::vector<Cell> board() const {
        std::vector<Cell> cells;
        for (int index = 0; index < kCells; ++index) cells.push_back(cellShown(index));
        return cells;
    }

    void typeIntoCell(int index, const QString& digits) {
        auto* open = qobject_cast<QPlainTextEdit*>(cell(index));
        QVERIFY(open != nullptr);
        QTest::mouseClick(open->viewport(), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), digits);
    }

    // The key goes where the keyboard's focus is, as it would in the window.
    void pressCtrl(Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        const bool inWindow = focus != nullptr && focus->window() == desktop_.get();
        QTest::keyClick(inWindow ? focus : desktop_.get(), key, Qt::ControlModifier);
    }

    void trigger(int command, const char* text) {
        QAction* item = desktop_->menuItem(command);
        QVERIFY(item != nullptr && item->isEnabled());
        QCOMPARE(item->text(), QLatin1String(text));
        item->trigger();
    }

    void waitUntilIdle() { QTRY_VERIFY_WITH_TIMEOUT(!window_->busy(), kJobTimeoutMs); }

    void newPuzzle() {
        pressCtrl(Qt::Key_N);
        QVERIFY(window_->busy());
        waitUntilIdle();
    }

    // A window started from a settings file: the defaults, as `adjust` changes them.
    void openWindow(const std::function<void(Settings&)>& adjust = {}) {
        window_.reset();
        desktop_.reset();
        StartupSettings settings;
        settings.place.path = path("gridAtelier.par").toStdString();
        setDefaultSettings(settings.file.settings);
        if (adjust) adjust(settings.file.settings);
        settings.fileRead = true;
        desktop_ = std::make_unique<QtDesktop>();
        window_ = std::make_unique<MainWindow>(*desktop_, settings);
        QVERIFY(desktop_->open(*window_));
        desktop_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(desktop_.get()));
    }

    void saveScreenshot(QWidget& widget, const char* name) {
        const QString folder = qEnvironmentVariable("GRIDATELIER_FLOW_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QTest::qWait(50);  // lets new cells paint first
        QVERIFY(widget.grab().save(folder + '/' + QLatin1String(name)));
    }

  private slots:
    void init() {
        QVERIFY(folder_.isValid());
        openWindow();
    }

    void cleanup() {
        if (window_) QTRY_VERIFY_WITH_TIMEOUT(!window_->busy(), kJobTimeoutMs);
        window_.reset();
        desktop_.reset();
    }

    // Whether a reflected choice reaches the menu is the fake desktop's test;
    // here the check box is unticked with the mouse, on its indicator.
    void defaultSettingsForTheNextStartOnly() {
        ModalPlayer player(QStringLiteral("dialog_2000"), [&](QWidget& dialog) {
            choose(dialog, 2011, QStringLiteral("Absolute Mistakes"));
            choose(dialog, 2012, QStringLiteral("World Class"));
            QVERIFY(dialogControl<QCheckBox>(dialog, 2100)->isChecked());  // the default
            press(dialog, 2100);
            press(dialog, kDialogOkay);
        });
        pressCtrl(Qt::Key_D);
        QVERIFY(player.played());
        QCOMPARE(window_->settingsFile().settings.expressMode, 2);
        QCOMPARE(window_->settingsFile().settings.level, 6);
        QVERIFY(!desktop_->menuItem(levelCommand(6))->isChecked());
        QVERIFY(desktop_->menuItem(levelCommand(4))->isChecked());
        QVERIFY(!desktop_->menuItem(kCommandAbsoluteMistake)->isChecked());
    }

    void theSaveQuestionSavesAndTheFileLoadsBack() {
        newPuzzle();
        const PuzzleRecord& puzzle = window_->state().puzzle;
        int open = 0;
        while (puzzle.openFlags[open] == 0) ++open;
        typeIntoCell(open, QStringLiteral("7"));
        auto* status = qobject_cast<QPlainTextEdit*>(desktop_->control(kStatusBoxId));
        QTest::mouseClick(status->viewport(), Qt::LeftButton);  // leaves the cell
        QCOMPARE(puzzle.valueGrid[open], 7);

        QString asked;
        ModalPlayer enter(kSaveQuestion, [&](QWidget& dialog) {
            asked = dialogControl<QLabel>(dialog, 3011)->text();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        const QString title = desktop_->windowTitle();
        pressCtrl(Qt::Key_N);
        QVERIFY(enter.played());
        QCOMPARE(asked, QStringLiteral("do you want to save the current puzzle?"));
        QVERIFY(!window_->busy());  // Enter means "Cancel": no new puzzle
        QCOMPARE(desktop_->windowTitle(), title);

        const std::vector<Cell> saved = board();
        auto yes = answer(kSaveQuestion, kSaveYes);
        auto name = fileName(path("a"));
        pressCtrl(Qt::Key_N);
        QVERIFY(yes->played() && name->played());
        QCOMPARE(statusText(), QStringLiteral("saved a puzzle to a file named a.ga"));
        QCOMPARE(QFileInfo(path("a.ga")).size(), 1352);
        QVERIFY(window_->busy());  // the new puzzle goes ahead once saved
        waitUntilIdle();

        auto no = answer(kSaveQuestion, kSaveNo);
        auto pick = fileName(path("a.ga"));
        pressCtrl(Qt::Key_L);
        QVERIFY(no->played() && pick->played());
        QCOMPARE(desktop_->windowTitle(), QStringLiteral("gridAtelier -- a.ga"));
        QVERIFY(board() == saved);
        QCOMPARE(cellShown(open), Cell("7", false));
    }

    void aboutShowsTheVersion() {
        QString shown;
        ModalPlayer player(QStringLiteral("dialog_106"), [&](QWidget& dialog) {
            shown = dialogControl<QLineEdit>(dialog, 201)->text();
            QCOMPARE(dialogControl<QPushButton>(dialog, 1)->text(), QStringLiteral("continue"));
            press(dialog, kDialogOkay);
            QVERIFY(!dialog.isVisible());
        });
        pressCtrl(Qt::Key_T);
        QVERIFY(player.played());
        QCOMPARE(shown, QStringLiteral("gridAtelier ver. " GRIDATELIER_VERSION));
    }

    void exitAsksAndEndsOnlyOnOkay() {
        QSignalSpy ended(desktop_.get(), &QtDesktop::ended);
        for (const int button : {kDialogCancel, kDialogOkay}) {
            QStringList texts;
            ModalPlayer player(QStringLiteral("dialog_107"), [&](QWidget& dialog) {
                for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
                press(dialog, button);
            });
            pressCtrl(Qt::Key_X);
            QVERIFY(player.played());
            QCOMPARE(texts, QStringList{"are you sure to exit the program?"});
            QCOMPARE(ended.count(), button == kDialogOkay ? 1 : 0);
            QCOMPARE(desktop_->isVisible(), button == kDialogCancel);
        }
    }

    void handBuildWithoutAnswer() {
        pressCtrl(Qt::Key_H);
        const QString clues = QStringLiteral("123456789");  // one row, breaking no rule
        for (int index = 0; index < 9; ++index) typeIntoCell(index, clues.mid(index, 1));
        QTest::mouseClick(desktop_->control(kButtonRegister), Qt::LeftButton);
        QCOMPARE(statusText(), QStringLiteral("Next, plz input numbers of the answer"));
        for (const int id : kHandBuildButtons)
            QVERIFY(desktop_->control(id) && desktop_->control(id)->isVisible());
        saveScreenshot(*desktop_, "hand_build_stage2.png");

        QTest::mouseClick(desktop_->control(kButtonWithoutAnswer), Qt::LeftButton);
        QCOMPARE(desktop_->windowTitle(), QStringLiteral("gridAtelier -- Hand-Build"));
        QCOMPARE(statusText(), QStringLiteral("created a puzzle without answer"));
        for (const int id : kHandBuildButtons) QVERIFY(desktop_->control(id) == nullptr);
        for (int index = 0; index < kCells; ++index) {
            QCOMPARE(cellShown(index), index < 9 ? Cell(clues.mid(index, 1), true) : Cell());
        }
    }

    void recreateRefusesAnIllegalSerialAndRebuildsALegalOne() {
        const QStringList typed{"75BCD14", "20000008", "3FE", "0", "0"};
        QString boxText, boxTitle;
        QStringList kept;
        ModalPlayer player(kRecreate, [&](QWidget& dialog) {
            QVERIFY(dialogControl<QLineEdit>(dialog, 5011)->text().startsWith("0x"));
            for (int part = 0; part < 5; ++part) retype(dialog, 5011 + part, typed[part]);
            ModalPlayer box(QStringLiteral("QMessageBox"), [&](QWidget& shown) {
                boxText = qobject_cast<QMessageBox*>(&shown)->text();
                boxTitle = shown.windowTitle();
                QTest::keyClick(&shown, Qt::Key_Return);
            });
            press(dialog, kDialogOkay);
            QVERIFY(box.played() && dialog.isVisible());
            for (int part = 0; part < 5; ++part) {
                kept << dialogControl<QLineEdit>(dialog, 5011 + part)->text();
            }
            retype(dialog, 5011, QStringLiteral("75BCD15"));
            saveScreenshot(dialog, "recreate_dialog.png");
            press(dialog, kDialogOkay);
        });
        trigger(kCommandRecreatePuzzle, "Recreate from Serial Number...");
        QVERIFY(player.played());
        QCOMPARE(boxText, QStringLiteral("found the first serial number that's illegal"));
        QCOMPARE(boxTitle, QStringLiteral("alert"));
        QCOMPARE(kept, typed);

        // Table 2 with its first and second bands exchanged, and the first row
        // of the table, now row 3, open.
        const QStringList rows{"214685397", "376912548", "598374162", "", "457891236"};
        for (int index = 0; index < kCells; ++index) {
            const int row = index / 9;
            QCOMPARE(cellShown(index).second, row != 3);
            if (row < 5) QCOMPARE(cellShown(index).first, rows[row].mid(index % 9, 1));
        }
        for (int column = 0; column < 9; ++column) {
            QCOMPARE(window_->state().puzzle.answerGrid[27 + column], column + 1);
        }
    }

    void recordRegionsWritesTheCsv() {
        ModalPlayer player(QStringLiteral("dialog_4000"), [&](QWidget& dialog) {
            QVERIFY(!dialogControl<QPushButton>(dialog, kDialogOkay)->isEnabled());  // no file
            auto name = fileName(path("r.csv"));
            press(dialog, 4001);
            QVERIFY(name->played());
            QCOMPARE(dialogControl<QLabel>(dialog, 4002)->text(),
                     QStringLiteral("selected : r.csv"));
            auto* count = dialogControl<QLineEdit>(dialog, 4021);
            QCOMPARE(count->text(), QStringLiteral("1000"));
            auto* down = dialogControl<QWidget>(dialog, 4031)->findChild<QToolButton*>("down");
            for (int step = 0; step < 9; ++step) QTest::mouseClick(down, Qt::LeftButton);
            QCOMPARE(count->text(), QStringLiteral("100"));
            press(dialog, kDialogOkay);
        });
        trigger(kCommandRecordRegions, "Record Regions of Multi Answer...");
        QVERIFY(player.played());
        QVERIFY(window_->busy());
        waitUntilIdle();

        QFile csv(path("r.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines.takeLast(), QByteArray());  // the last line ends too
        QVERIFY(lines.size() > 11);
        for (QByteArray& line : lines) {
            QVERIFY(line.endsWith('\r'));
            line.chop(1);
        }
        // The answer: nine rows of nine digits, each followed by a comma.
        int32_t answerGrid[kCells] = {};
        for (int row = 0; row < 9; ++row) {
            QCOMPARE(lines[row].size(), 18);
            for (int column = 0; column < 9; ++column) {
                QCOMPARE(lines[row][2 * column + 1], ',');
                answerGrid[row * 9 + column] = lines[row][2 * column] - '0';
            }
        }
        QVERIFY(isSolved(answerGrid));
        QCOMPARE(lines[9], QByteArray());
        const int found = static_cast<int>(lines.size()) - 11;
        QCOMPARE(lines[10], "record is " + QByteArray::number(found));
        QVERIFY(found <= 100);
        // A Region (at most 16 cells by default): its cells ascending, zeros,
        // then its count. No row, column or box can hold only one of its cells.
        for (int row = 11; row < lines.size(); ++row) {
            const QList<QByteArray> entries = lines[row].split(',');
            QCOMPARE(entries.size(), 18);
            const int count = entries[16].toInt();
            QVERIFY(count >= 4 && count <= 16 && entries[17].isEmpty());
            int inUnit[27] = {};
            for (int entry = 0; entry < 16; ++entry) {
                const int cell = entries[entry].toInt();
                if (entry >= count) {
                    QCOMPARE(cell, 0);
                    continue;
                }
                QVERIFY(cell >= 0 && cell < kCells &&
                        (entry == 0 || cell > entries[entry - 1].toInt()));
                ++inUnit[cell / 9];
                ++inUnit[9 + cell % 9];
                ++inUnit[18 + cell / 27 * 3 + cell % 9 / 3];
            }
            for (const int cells : inUnit) QVERIFY(cells != 1);
        }
    }

    void tablePuzzlesComeBackFromTheirSerialNumbers_data() {
        QTest::addColumn<int>("level");
        QTest::newRow("World Class") << 6;
        QTest::newRow("Extra-Terrestrial") << 7;  // not in the menu, only in a settings file
    }

    void tablePuzzlesComeBackFromTheirSerialNumbers() {
        QFETCH(int, level);
        if (level == 7) openWindow([](Settings& settings) { settings.level = 7; });
        if (level < 7) pressCtrl(static_cast<Qt::Key>(Qt::Key_0 + level));
        QVERIFY(desktop_->menuItem(levelCommand(level))->isChecked());
        newPuzzle();
        const QString status = statusText(), title = desktop_->windowTitle();
        const QRegularExpressionMatch serial =
            QRegularExpression("\r\nserial number is (\\w+)-(\\w+)-(\\w+)-(\\w+)-(\\w+)$")
                .match(status);
        QVERIFY2(serial.hasMatch(), qPrintable(status));
        const std::vector<Cell> generated = board();

        // The new puzzle counts as modified, so the save question comes first.
        auto no = answer(kSaveQuestion, kSaveNo);
        ModalPlayer recreate(kRecreate, [&](QWidget& dialog) {
            for (int part = 0; part < 5; ++part)
                retype(dialog, 5011 + part, serial.captured(part + 1));
            press(dialog, kDialogOkay);
        });
        trigger(kCommandRecreatePuzzle, "Recreate from Serial Number...");
        QVERIFY(no->played() && recreate.played());
        QVERIFY(board() == generated);
        QCOMPARE(desktop_->windowTitle(), title);
        QCOMPARE(statusText(), status);
    }
};

}  // namespace ga::testing

QTEST_MAIN(ga::testing::DialogFlowsTest)
#include "qt_dialog_flows_test.moc"
