// The Qt desktop's own mechanisms under a small recording window logic given
// the program's menu: the menu and its keys, the worker's bridge, the progress
// bar, the close box, a dialog built from its template, the file dialog and
// the board's picture as files and printed to a file.
// Then the board's cells and status box under the program's window: typing,
// what a left cell shows, pencil marks, colours, what a screen reader hears
// of every part and of a dialog's controls, and status texts wholly in view.
// Last the program started as a process: a second copy ends at once,
// silently and with code 0, while the first runs; a lock left by a killed
// copy never blocks the next start.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/main_window.h"
#include "app/status_messages.h"
#include "core/translation.h"
#include "platform/qt/accelerator_keys.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/step_windows.h"
#include "ui/board_ids.h"

namespace ga::testing {

namespace {

constexpr int kOpenCell = 1501;
constexpr int kStartMs = 20000;
const QString kClipboardSentinel = QStringLiteral("clipboard before the key");

// Records the commands the desktop delivers and on which thread.
class RecordingWindow : public WindowEvents {
  public:
    explicit RecordingWindow(Desktop& desktop) : desktop_(desktop) {}
    bool onCreate() override {
        desktop_.setMenu(mainMenu());
        desktop_.createControl(kOpenCell, ControlKind::kOpenCell, {20, 20, 35, 35});
        desktop_.createProgressBar({20, 180, 200, 11});
        return true;
    }
    void onCommand(int id) override {
        commands.push_back(id);
        commandThreads.push_back(QThread::currentThread());
    }
    void onCellNotification(int, CellNotification) override {}
    void onCellEdited(int, const std::string& text) override { edits.push_back(text); }
    void onCellNoteKey(int, int digit) override { notes.push_back(digit); }
    TextColour onCellColour(int) override { return {}; }
    CellBackground onCellBackground(int) override { return CellBackground::kPlain; }
    int onCellKey(int, CellKey, CaretPlace) override { return 0; }
    void onCloseRequest() override { ++closeRequests; }

    std::vector<std::string> edits;  // the player's edits of cells, as reported
    std::vector<int> notes;          // Shift + digit presses
    std::vector<int> commands;
    std::vector<QThread*> commandThreads;
    int closeRequests = 0;

  private:
    Desktop& desktop_;
};

// Plays the person in front of the first active modal window whose object
// name ("dialog_3100") or Qt class ("QFileDialog") is `name`. Whatever the act
// leaves open is closed, so a failed check cannot leave the test waiting.
class ModalPlayer {
  public:
    ModalPlayer(QString name, std::function<void(QWidget&)> act)
        : name_(std::move(name)), act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { poll(); });
        timer_.start(10);
    }

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        if (modal->objectName() != name_ && !modal->inherits(name_.toLatin1().constData())) return;
        timer_.stop();
        QPointer<QWidget> window = modal;
        modal->activateWindow();  // the person acts in the window that has the keyboard
        if (QTest::qWaitFor([&] { return window && QApplication::activeWindow() == window; }))
            act_(*modal);
        if (window.isNull() || !window->isVisible()) return;
        if (auto* dialog = qobject_cast<DialogWindow*>(window.data())) {
            dialog->end(kDialogCancel);
        } else if (auto* other = qobject_cast<QDialog*>(window.data())) {
            other->reject();
        }
    }

    QString name_;
    std::function<void(QWidget&)> act_;
    QTimer timer_;
};

template <typename Widget>
Widget* dialogControl(QWidget& dialog, int id) {
    return dialog.findChild<Widget*>(QStringLiteral("control_%1").arg(id));
}

constexpr int kName = 10, kList = 11, kCheck = 12, kArrows = 13, kNumber = 14, kNote = 15,
              kShown = 16;

// Records what the dialog reports, with what the reporting control shows.
struct RecordingEvents : DialogEvents {
    void onInit(DialogHost& dialog) override {
        dialog.setTextLimit(kName, 3);
        dialog.setItems(kList, {"easy", "hard"});
        dialog.select(kList, 0);
        dialog.setText(kNumber, "5");  // reports nothing
        dialog.setText(kNote, "two\r\nlines");
        dialog.setText(kShown, "file.csv");
        dialog.setText(kDialogOkay, "Okay");
    }
    void onCommand(DialogHost& dialog, int id) override {
        heard += std::to_string(id) + ":" + dialog.text(kName) +
                 (dialog.checked(kCheck) ? "+" : "") + std::to_string(dialog.selection(kList)) +
                 " ";
        if (id == kDialogOkay) {
            shown = dialog.text(kNote) + "|" + dialog.text(kShown) + "|" + dialog.text(kList) +
                    "|" + dialog.text(kDialogOkay);
            dialog.end(5);
        }
        if (id == kDialogCancel) dialog.end(kDialogCancel);
    }
    void onUpDown(DialogHost&, int id, int delta) override {
        heard += std::to_string(id) + (delta < 0 ? "up " : "down ");
    }
    std::string heard, shown;
};

// Accessibility switched on, as a screen reader starting does, with every
// event the widgets send heard; off again when dropped.
class ScreenReader {
  public:
    struct Event {
        QObject* object;
        QAccessible::Event type;
        QString inserted;  // of a text's update
    };
    ScreenReader() {
        events().clear();
        QAccessible::installUpdateHandler(&hear);
        platform()->setActive(true);
    }
    ~ScreenReader() {
        platform()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    static std::vector<Event>& events() {
        static std::vector<Event> heard;
        return heard;
    }

  private:
    static QPlatformAccessibility* platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static void hear(QAccessibleEvent* event) {
        QString inserted;
        if (event->type() == QAccessible::TextUpdated)
            inserted = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
        events().push_back(Event{event->object(), event->type(), inserted});
    }
};

// What a screen reader says of an object: its name, then its description
// after " | " when it has one.
QString heard(QObject* object) {
    QAccessibleInterface* spoken =
        object != nullptr ? QAccessible::queryAccessibleInterface(object) : nullptr;
    if (spoken == nullptr) return QStringLiteral("(nothing)");
    const QString description = spoken->text(QAccessible::Description);
    return spoken->text(QAccessible::Name) +
           (description.isEmpty() ? QString() : QStringLiteral(" | ") + description);
}

// The text of the label a screen reader hears as the object's, if any.
QString labelOf(QObject* object) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(object);
    const auto labels = spoken->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

}  // namespace

class QtDesktopTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir settingsFolder_;
    QTemporaryDir runtimeFolder_;

    // The lock file's first line is the process that holds it.
    qint64 lockHolder() const {
        QFile lock(runtimeFolder_.filePath(QStringLiteral("gridAtelier.lock")));
        if (!lock.open(QIODevice::ReadOnly)) return 0;
        return lock.readLine().trimmed().toLongLong();
    }

    void startProgram(QProcess& process) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder_.path());
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(GRIDATELIER_PROGRAM), QStringList());
        QVERIFY(process.waitForStarted(kStartMs));
    }

    static void stop(QProcess& process) {
        process.kill();
        process.waitForFinished(kStartMs);
    }

    std::unique_ptr<QtDesktop> desktop_;
    std::unique_ptr<RecordingWindow> window_;
    std::unique_ptr<MainWindow> program_;

    void show(WindowEvents& logic) {
        QVERIFY(desktop_->open(logic));
        desktop_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(desktop_.get()));
    }
    // The program's own window logic in place of the recording one.
    void openProgram() {
        StartupSettings settings;
        settings.place.path = settingsFolder_.filePath(QStringLiteral("g.par")).toStdString();
        desktop_ = std::make_unique<QtDesktop>();
        program_ = std::make_unique<MainWindow>(*desktop_, settings);
        show(*program_);
    }
    QPlainTextEdit* cell(int index) const {
        return qobject_cast<QPlainTextEdit*>(desktop_->control(cellId(index)));
    }
    void click(int index) { QTest::mouseClick(cell(index)->viewport(), Qt::LeftButton); }

    // The places of the 3x3 block (1..9, row by row) where the cell has ink.
    std::set<int> inkedPlaces(int index) {
        const QImage image = cell(index)->viewport()->grab().toImage();
        const QRgb background = image.pixel(0, 0);
        std::set<int> places;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != background)
                    places.insert(y * 3 / image.height() * 3 + x * 3 / image.width() + 1);
        return places;
    }

    // A cell with focus and the digits "38", its cursor at the end.
    QPlainTextEdit* focusedCellHolding38() {
        auto* cell = qobject_cast<QPlainTextEdit*>(desktop_->control(kOpenCell));
        QTest::mouseClick(cell->viewport(), Qt::LeftButton);
        QTest::keyClicks(cell, QStringLiteral("38"));
        return cell;
    }

  private slots:
    void init() {
        desktop_ = std::make_unique<QtDesktop>();
        window_ = std::make_unique<RecordingWindow>(*desktop_);
        show(*window_);
        QApplication::clipboard()->setText(kClipboardSentinel);
    }

    void cleanup() {
        program_.reset();
        desktop_.reset();
        window_.reset();
    }

    // Every accelerator gives its command from a cell, and no key reaches the
    // cell: neither cut, copied, pasted nor selected anything. Keys outside
    // the table give nothing.
    void keysActOnlyAsTheirAccelerators_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("stopShown");
        const int ctrl = Qt::ControlModifier;
        for (const Accelerator& accelerator : mainMenu().accelerators) {
            // Escape stops a puzzle being made; only while its Stop button is shown.
            if (accelerator.key == kKeyEscape) continue;
            const int key = accelerator.key == kKeyF1 ? Qt::Key_F1
                            : accelerator.key >= 'A'  ? Qt::Key_A + (accelerator.key - 'A')
                                                      : Qt::Key_0 + (accelerator.key - '0');
            int modifiers = 0;
            if (accelerator.modifiers & kModifierCtrl) modifiers |= ctrl;
            if (accelerator.modifiers & kModifierShift) modifiers |= Qt::ShiftModifier;
            if (accelerator.modifiers & kModifierAlt) modifiers |= Qt::AltModifier;
            const QByteArray name =
                accelerator.key == kKeyF1 ? QByteArray("F1") : QByteArray(1, accelerator.key);
            QTest::addRow("%s%s%s%s", modifiers & ctrl ? "Ctrl+" : "",
                          modifiers & Qt::AltModifier ? "Alt+" : "",
                          modifiers & Qt::ShiftModifier ? "Shift+" : "", name.constData())
                << key << modifiers << accelerator.command << false;
        }
        QTest::addRow("Ctrl+Shift+U")
            << int(Qt::Key_U) << int(ctrl | Qt::ShiftModifier) << 0 << false;
        QTest::addRow("Ctrl+Alt+N") << int(Qt::Key_N) << int(ctrl | Qt::AltModifier) << 0 << false;
        QTest::addRow("Ctrl+keypad 5")
            << int(Qt::Key_5) << int(ctrl | Qt::KeypadModifier) << 0 << false;
        QTest::addRow("Ctrl+M") << int(Qt::Key_M) << ctrl << 0 << false;
        QTest::addRow("Alt+C") << int(Qt::Key_C) << int(Qt::AltModifier) << 0 << false;
        QTest::addRow("Escape with no Stop button") << int(Qt::Key_Escape) << 0 << 0 << false;
        QTest::addRow("Escape with the Stop button shown")
            << int(Qt::Key_Escape) << 0 << kCommandStopMaking << true;
    }

    void keysActOnlyAsTheirAccelerators() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, command);
        QFETCH(bool, stopShown);
        if (stopShown)
            desktop_->createControl(kCommandStopMaking, ControlKind::kPushButton, {60, 20, 60, 20});
        QPlainTextEdit* cell = focusedCellHolding38();
        QTest::keyClick(cell, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window_->commands, command != 0 ? std::vector<int>{command} : std::vector<int>{});
        // Escape with no Stop button reaches the cell, which puts back the
        // text it was entered with; with one it only stops.
        const bool putBack = key == Qt::Key_Escape && !stopShown;
        QCOMPARE(cell->toPlainText(), putBack ? QString() : QStringLiteral("38"));
        QVERIFY(!cell->textCursor().hasSelection());
        QCOMPARE(QApplication::clipboard()->text(), kClipboardSentinel);
    }

    // Shift + a digit is a note by the key's place: the X key code first, the
    // key itself when the platform gives none. It types nothing.
    void noteKeysGoByTheKeysPlace_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("digit");
        const int shift = Qt::ShiftModifier, keypad = Qt::ShiftModifier | Qt::KeypadModifier;
        QTest::addRow("US Shift+5") << int(Qt::Key_Percent) << shift << 14 << 5;
        QTest::addRow("another layout, Shift+1") << int(Qt::Key_1) << shift << 10 << 1;
        QTest::addRow("a symbol on the 9 key") << int(Qt::Key_Ccedilla) << shift << 18 << 9;
        QTest::addRow("keypad 5 as Clear") << int(Qt::Key_Clear) << keypad << 84 << 5;
        QTest::addRow("keypad 7 as Home") << int(Qt::Key_Home) << keypad << 79 << 7;
        QTest::addRow("no code, US symbol") << int(Qt::Key_At) << shift << 0 << 2;
        QTest::addRow("no code, keypad Up") << int(Qt::Key_Up) << keypad << 0 << 8;
        QTest::addRow("Shift+0 is no note") << int(Qt::Key_ParenRight) << shift << 19 << 0;
        QTest::addRow("Ctrl+Shift+5 is no note")
            << int(Qt::Key_Percent) << int(Qt::ShiftModifier | Qt::ControlModifier) << 14 << 0;
        QTest::addRow("Up without keypad") << int(Qt::Key_Up) << shift << 0 << 0;
    }
    void noteKeysGoByTheKeysPlace() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QFETCH(int, digit);
        const QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers),
                              quint32(code), 0, 0);
        QCOMPARE(noteDigitOfKeyEvent(press), digit);
    }

    // A click into a cell selects its text, so that a digit typed replaces
    // it; the edit is reported, what the logic sets is not; notes end with it.
    void aClickSelectsTheCellsTextAndEditsAreReported() {
        QPlainTextEdit* cell = focusedCellHolding38();
        QCOMPARE(window_->edits, (std::vector<std::string>{"3", "38"}));
        desktop_->setText(kOpenCell, "4");
        desktop_->showAsNotes(kOpenCell, true);
        QTest::mouseClick(desktop_.get(), Qt::LeftButton);
        cell->clearFocus();
        QTest::mouseClick(cell->viewport(), Qt::LeftButton);
        QVERIFY(cell->textCursor().hasSelection());
        QTest::keyClick(cell, Qt::Key_7);
        QCOMPARE(cell->toPlainText(), QStringLiteral("7"));
        QCOMPARE(window_->edits.back(), std::string("7"));
        QCOMPARE(window_->edits.size(), 3u);
        QVERIFY(!static_cast<OpenCellEdit*>(cell)->shownAsNotes());
        QTest::keyClick(cell, Qt::Key_Percent, Qt::ShiftModifier);
        QCOMPARE(window_->notes, std::vector<int>{5});
        QCOMPARE(cell->toPlainText(), QStringLiteral("7"));
    }

    // A greyed item's key does nothing; keys work with no cell focused, but
    // not in a dialog.
    void aGreyedItemsKeyDoesNothingNorAKeyInADialog() {
        QTest::keyClick(focusedCellHolding38(), Qt::Key_C, Qt::ControlModifier);
        desktop_->enableMenuItem(kCommandShowCandidates, false);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), kClipboardSentinel);
        desktop_->enableMenuItem(kCommandShowCandidates, true);
        QTest::keyClick(desktop_.get(), Qt::Key_C, Qt::ControlModifier);
        QWidget dialog(desktop_.get(), Qt::Dialog);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(window_->commands,
                 std::vector<int>({kCommandShowCandidates, kCommandShowCandidates}));
    }

    // The clipboard is the system's, both ways, as UTF-8.
    void theClipboardIsTheSystemsBothWays() {
        QCOMPARE(desktop_->clipboardText(), fromQt(kClipboardSentinel));
        desktop_->setClipboardText("4.....8.5 \xc2\xb7");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4.....8.5 \u00b7"));
    }

    // Only the logic moves a mark, and every item of a group looks alike
    // unchecked, whether it was checked once or never.
    void checkMarksAreTheLogicsAndAlikeInTheirGroup() {
        desktop_->checkMenuItem(levelCommand(4), true);
        desktop_->checkMenuItem(levelCommand(4), false);
        desktop_->checkMenuItem(levelCommand(2), true);
        desktop_->menuItem(levelCommand(2))->trigger();
        desktop_->menuItem(levelCommand(3))->trigger();
        QCOMPARE(window_->commands, std::vector<int>({levelCommand(2), levelCommand(3)}));
        for (int command : {levelCommand(3), levelCommand(4), kCommandAbsoluteMistake}) {
            QAction* item = desktop_->menuItem(command);
            QVERIFY(item->isCheckable() && !item->isChecked());
        }
        QVERIFY(desktop_->menuItem(levelCommand(2))->isChecked());
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
        std::thread([sink] {
            sink->show();
            for (int position = 0; position <= 130; ++position) sink->setPosition(position);
        }).join();
        QTRY_VERIFY(bar->isVisible());
        QTRY_COMPARE(bar->value(), 100);
        std::thread([sink] {
            sink->setPosition(40);
            sink->hide();
        }).join();
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
        // Returns without the window's help and is not delivered.
        std::thread([this] { desktop_->sendCommandFromWorker(kCommandNewPuzzle); }).join();
        QVERIFY(window_->commands.empty());
    }

    void thePlayersActionsReachTheEventsOfADialogBuiltFromItsTemplate() {
        using K = DialogControlKind;
        const DialogTemplate dialog{3100,
                                    "test dialog",
                                    200,
                                    90,
                                    {{kName, K::kEditField, "", 40, 7, 80, 12},
                                     {kList, K::kSelectionList, "", 40, 23, 80, 60},
                                     {kCheck, K::kCheckBox, "Show", 7, 42, 110, 10},
                                     {kArrows, K::kUpDown, "", 70, 57, 10, 12, kNumber},
                                     {kNumber, K::kEditField, "", 40, 57, 30, 12},
                                     {kNote, K::kStaticText, "", 7, 72, 100, 16},
                                     {kShown, K::kReadOnlyCentredField, "", 110, 72, 80, 12},
                                     {kDialogOkay, K::kDefaultButton, "OK", 140, 7, 50, 14}}};
        RecordingEvents events;
        ModalPlayer player(QStringLiteral("dialog_3100"), [](QWidget& window) {
            QCOMPARE(window.windowTitle(), QStringLiteral("test dialog"));
            QTest::keyClicks(dialogControl<QLineEdit>(window, kName), QStringLiteral("abcd"));
            auto* check = dialogControl<QCheckBox>(window, kCheck);
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
            QTest::keyClick(dialogControl<QComboBox>(window, kList), Qt::Key_Down);
            auto* arrows = dialogControl<QWidget>(window, kArrows);
            QTest::mouseClick(arrows->findChild<QToolButton*>(QStringLiteral("up")),
                              Qt::LeftButton);
            QTest::keyClick(dialogControl<QLineEdit>(window, kNumber), Qt::Key_Down);
            QTest::keyClick(dialogControl<QLineEdit>(window, kName), Qt::Key_Return);
        });
        QCOMPARE(desktop_->runDialog(dialog, events), 5);
        QCOMPARE(events.heard,
                 std::string("10:a0 10:ab0 10:abc0 12:abc+0 11:abc+1 13up 13down 1:abc+1 "));
        QCOMPARE(events.shown, std::string("two\nlines|file.csv|hard|Okay"));
        // Escape asks the events, which end the dialog as cancelled.
        ModalPlayer escape(QStringLiteral("dialog_3100"),
                           [](QWidget& window) { QTest::keyClick(&window, Qt::Key_Escape); });
        QCOMPARE(desktop_->runDialog(dialog, events), int(kDialogCancel));
    }

    // A table's rows are filled and changed in place by the logic, which
    // hears nothing of it; the player's choice is heard, and a double click
    // presses the default button.
    void aTableReportsTheRowChosenAndADoubleClickPlays() {
        constexpr int kTable = 20;
        struct TableEvents : DialogEvents {
            void onInit(DialogHost& dialog) override {
                dialog.setItems(kTable, {"1\teasy", "2\thard", "3\t..."});
                dialog.select(kTable, 1);
                dialog.setItem(kTable, 2, "3\tfiendish");
            }
            void onCommand(DialogHost& dialog, int id) override {
                heard += std::to_string(id) + ":" + std::to_string(dialog.selection(kTable)) + " ";
                if (id == kDialogOkay) dialog.end(5);
            }
            std::string heard;
        } events;
        const DialogTemplate dialog{
            3200,
            "table",
            200,
            120,
            {{kTable, DialogControlKind::kTable, "No.\tLevel", 7, 7, 186, 80},
             {kDialogOkay, DialogControlKind::kDefaultButton, "Play", 140, 95, 50, 14}}};
        QString third;
        ModalPlayer player(QStringLiteral("dialog_3200"), [&](QWidget& window) {
            auto* table = dialogControl<QTreeWidget>(window, kTable);
            third = table->topLevelItem(2)->text(1) + table->headerItem()->text(1);
            table->setFocus();
            QTest::keyClick(table, Qt::Key_Down);
            QWidget* rows = table->viewport();
            const QPoint first = table->visualItemRect(table->topLevelItem(0)).center();
            QTest::mouseClick(rows, Qt::LeftButton, {}, first);
            QTest::mouseDClick(rows, Qt::LeftButton, {}, first);
        });
        QCOMPARE(desktop_->runDialog(dialog, events), 5);
        QCOMPARE(third, QStringLiteral("fiendishLevel"));
        QCOMPARE(events.heard, std::string("20:2 20:0 1:0 "));
    }

    void aClueCellTheTitleAndAMessageBoxShowWhatTheyAreGiven() {
        const int clue = cellId(80);
        QVERIFY(desktop_->createControl(clue, ControlKind::kClueCell, {0, 0, 40, 40}));
        desktop_->setText(clue, "7");
        QCOMPARE(desktop_->text(clue), std::string("7"));
        QVERIFY(qobject_cast<QLineEdit*>(desktop_->control(clue))->isReadOnly());
        desktop_->setTitle("gridAtelier -- Hand-Build");
        QCOMPARE(desktop_->windowTitle(), QStringLiteral("gridAtelier -- Hand-Build"));
        QString shown;
        ModalPlayer ok(QStringLiteral("QMessageBox"), [&](QWidget& box) {
            shown = box.windowTitle() + QLatin1Char(':') + qobject_cast<QMessageBox*>(&box)->text();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        desktop_->messageBox("failed to save\r\ndata", "error");
        QCOMPARE(shown, QStringLiteral("error:failed to save\ndata"));
        QVERIFY(desktop_->homeFolder().back() == '/' && desktop_->executableFolder().back() == '/');
    }

    // A bare name takes the extension of the filter chosen last.
    void theFileDialogOpensInItsStartFolderAndAddsTheSuffix() {
        FileDialogRequest request;  // to save
        request.title = "save file as ...";
        request.filters = {{"grid atelier file (*.ga)", "*.ga"}, {"PDF document (*.pdf)", "*.pdf"}};
        request.defaultExtension = "ga";
        request.startFolder = fromQt(settingsFolder_.path() + QLatin1Char('/'));
        for (const char* suffix : {"ga", "pdf"}) {
            QString shownFolder;
            ModalPlayer typeName(QStringLiteral("QFileDialog"), [&](QWidget& modal) {
                shownFolder = qobject_cast<QFileDialog*>(&modal)->directory().path();
                if (*suffix == 'p')
                    QTest::keyClick(modal.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")),
                                    Qt::Key_Down);
                auto* name = modal.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QTest::keyClicks(name, QStringLiteral("mine"));
                QTest::keyClick(name, Qt::Key_Return);
            });
            std::string path;
            QVERIFY(desktop_->askFileName(request, path));
            QCOMPARE(shownFolder, settingsFolder_.path());
            QCOMPARE(toQt(path), settingsFolder_.filePath(QStringLiteral("mine.") + suffix));
        }
    }

    // A PNG of a square grid under its heading and a PDF page; a clue in the
    // centre cell inks the middle ninth across and nothing else.
    void aPictureIsWrittenAsAnImageOrAPage() {
        QTemporaryDir folder;
        auto path = [&](const char* name) { return fromQt(folder.filePath(QLatin1String(name))); };
        BoardPicture empty, clue;
        clue.cells[40] = {BoardPicture::Mark::kClue, "5"};
        QVERIFY(desktop_->savePicture(empty, path("empty.png")));
        QVERIFY(desktop_->savePicture(clue, path("clue.png")) &&
                desktop_->savePicture(clue, path("clue.PDF")));
        QVERIFY(!desktop_->savePicture(clue, path("none/clue.png")));

        const QImage before(toQt(path("empty.png"))), after(toQt(path("clue.png")));
        QCOMPARE(after.size(), before.size());
        QVERIFY(after.width() < after.height() && after.height() < after.width() * 5 / 4);
        int inked = 0;
        for (int y = 0; y < after.height(); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                if (after.pixel(x, y) == before.pixel(x, y)) continue;
                ++inked;
                QVERIFY(std::abs(2 * x - after.width()) < after.width() / 9);
            }
        }
        QVERIFY(inked > 0);
        QFile pdf(toQt(path("clue.PDF")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(4), QByteArray("%PDF"));

        // Pencil marks spread over their cell as on the board: "37" in the top
        // left cell puts 3 and 7 at the centres of the top right and bottom left
        // ninths of the cell (whose size the empty grid's lines give), two
        // ninths apart each way, within a tenth of a ninth. A heading as long
        // as a serial number of five parts makes it stays within the grid's width.
        QRect grid, three, seven, heading;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != before.pixel(0, 0)) grid |= QRect(x, y, 1, 1);
        const qreal ninth = grid.width() / 27.0;
        auto inkOf = [&](const BoardPicture& picture, const char* name, auto&& take) {
            QVERIFY(desktop_->savePicture(picture, path(name)));
            const QImage image(toQt(path(name)));
            for (int y = 0; y < before.height(); ++y)
                for (int x = 0; x < before.width(); ++x)
                    if (image.pixel(x, y) != before.pixel(x, y)) take(x, y);
        };
        BoardPicture marks, headed;
        marks.cells[0] = {BoardPicture::Mark::kCandidates, "37"};
        inkOf(marks, "marks.png", [&](int x, int y) {
            (x < grid.left() + 1.5 * ninth ? seven : three) |= QRect(x, y, 1, 1);
        });
        const QPointF apart = QRectF(seven).center() - QRectF(three).center();
        QVERIFY(std::abs(apart.x() + 2 * ninth) < ninth / 10);
        QVERIFY(std::abs(apart.y() - 2 * ninth) < ninth / 10);
        headed.heading = "Extra-Terrestrial, sn : DDDDDDDD-DDDDDDDD-DDDDDDD-DDDDDDD-DDDDDDD";
        inkOf(headed, "headed.png", [&](int x, int y) { heading |= QRect(x, y, 1, 1); });
        const int clear = grid.width() / 100;  // not cut at the grid's edges
        QVERIFY(heading.left() > grid.left() + clear && heading.right() < grid.right() - clear);
    }

    // A hint's drawing lies over the cells it names and its words stand in a
    // panel whose button sends the question's command; an empty view takes
    // both away and leaves the cells as they were.
    void aStepIsDrawnOverTheCellsWithItsWordsBeside() {
        QWidget* cell = desktop_->control(kOpenCell);
        const QImage before = desktop_->grab().toImage();
        StepView view;
        view.drawing.shown = true;
        view.drawing.cells[0].drawn = true;
        view.drawing.cells[0].candidates = 0x1ff;
        view.drawing.cells[0].removed = 0x010;
        view.words = "the whole words";
        view.question = "What is it?";
        view.firstCellControl = kOpenCell;
        desktop_->showStep(view, 4242);
        QApplication::processEvents();
        const QImage drawn = desktop_->grab().toImage();
        int changed = 0, outside = 0;
        const QRect place =
            cell->geometry().translated(cell->parentWidget()->mapTo(desktop_.get(), QPoint()));
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) != before.pixel(x, y))
                    ++(place.contains(x, y) ? changed : outside);
        QVERIFY(changed > 0);
        QCOMPARE(outside, 0);
        QVERIFY(desktop_->stepPanel() && desktop_->stepPanel()->isVisible());
        QVERIFY(desktop_->stepPanel()->findChild<QPlainTextEdit*>()->toPlainText() ==
                QStringLiteral("the whole words"));
        auto* question = desktop_->stepPanel()->findChild<QPushButton*>();
        QCOMPARE(question->text(), QStringLiteral("What is it?"));
        question->click();
        QCOMPARE(window_->commands, std::vector<int>{4242});

        desktop_->showStep(StepView{}, 4242);
        QApplication::processEvents();
        QVERIFY(!desktop_->stepPanel()->isVisible());
        QCOMPARE(desktop_->grab().toImage(), before);
    }

    // Help lists its pages and opens at the one asked for, with its example.
    void helpOpensAtThePageAskedFor() {
        HelpBook book;
        book.pages.push_back(HelpPage{"First", "one\n\ntwo", false, {}, {}});
        book.pages.push_back(HelpPage{"Second", "keys\n\nF1\thelp", true, {}, {}});
        desktop_->showHelp(book, 1);
        QWidget* help = desktop_->helpWindow();
        QVERIFY(help != nullptr && help->isVisible());
        auto* list = help->findChild<QListWidget*>();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Second"));
        QVERIFY(help->findChild<QTextBrowser*>()->toHtml().contains(QStringLiteral("F1")));
        desktop_->showHelp(book, 0);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("First"));
    }

    // A print to a file proposes the program's name in the folder it is given,
    // and the file printed to is told back.
    void aPrintToAFileStartsInTheFolderGiven() {
        QTemporaryDir folder;
        const QString start = folder.path() + QLatin1Char('/');
        QString proposed;
        ModalPlayer toFile(QStringLiteral("QPrintDialog"), [&](QWidget& dialog) {
            auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
            printers->setCurrentIndex(printers->count() - 1);  // never a real printer
            proposed = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))->text();
            qobject_cast<QDialog*>(&dialog)->accept();
        });
        std::string printed;
        QCOMPARE(desktop_->printPicture(BoardPicture{}, fromQt(start), printed),
                 PrintOutcome::kPrinted);
        QCOMPARE(proposed, start + QStringLiteral("gridAtelier.pdf"));
        QCOMPARE(toQt(printed), proposed);
        QVERIFY(QFile::exists(proposed));

        // A booklet: every page of it, in a file of its own name.
        ModalPlayer bookletToFile(QStringLiteral("QPrintDialog"), [&](QWidget& dialog) {
            auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
            printers->setCurrentIndex(printers->count() - 1);
            qobject_cast<QDialog*>(&dialog)->accept();
        });
        Booklet booklet;
        booklet.paperWidth = 215.9;
        booklet.paperHeight = 279.4;
        booklet.pages.resize(3);
        booklet.pages[1].pictures.push_back(PlacedPicture{BoardPicture{}, {20, 20, 100, 110}});
        QCOMPARE(desktop_->printPages(booklet, fromQt(start), printed), PrintOutcome::kPrinted);
        QCOMPARE(toQt(printed), start + QStringLiteral("gridAtelier puzzles.pdf"));
        QFile pdf(toQt(printed));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QCOMPARE(bytes.count("/Type /Page\n"), 3);
    }

    void aCellTakesDigitsShowsWhatItStoresOnceLeftAndKeysMoveOn() {
        openProgram();
        click(0);
        QTest::keyClicks(cell(0), QStringLiteral("0a4 -6"));
        QTest::keyClick(cell(0), Qt::Key_Return);
        QApplication::clipboard()->setText(QStringLiteral("x7"));
        cell(0)->paste();
        QCOMPARE(cell(0)->toPlainText(), QStringLiteral("0467"));
        QVERIFY(inkedPlaces(0) != (std::set<int>{4, 6, 7}));  // edited as text
        click(1);
        QCOMPARE(program_->state().puzzle.candidateNumbers[0], 467);
        QCOMPARE(cell(0)->toPlainText(), QStringLiteral("467"));
        QTRY_COMPARE(inkedPlaces(0), (std::set<int>{4, 6, 7}));  // pencil marks
        QCOMPARE(cell(0)->palette().color(QPalette::Text), QColor(102, 102, 102));

        QTest::keyClicks(cell(1), QStringLiteral("123456789"));
        click(2);
        QTRY_COMPARE(inkedPlaces(1), (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        QTest::keyClicks(cell(2), QStringLiteral("5"));  // a value, in the colour of no mistake
        click(0);
        QTRY_COMPARE(cell(2)->palette().color(QPalette::Text), QColor(0, 0, 255));
        QTRY_COMPARE(cell(2)->viewport()->grab().toImage().pixelColor(1, 1),
                     toQColor(cellGround(themePalette(Theme::kLight), desktopGrounds(),
                                         CellBackground::kUnitInHand, CellMark::kNone,
                                         false)));  // in cell 0's row

        // Keys move on, leaving a cell as a click does; a cell entered by key has
        // its text selected, and Escape puts the text back.
        QTest::keyClick(cell(0), Qt::Key_Down);
        QTest::keyClicks(cell(9), QStringLiteral("8"));
        QTest::keyClick(cell(9), Qt::Key_Up);
        QCOMPARE(program_->state().puzzle.valueGrid[9], 8);
        QCOMPARE(cell(0)->textCursor().selectedText(), QStringLiteral("467"));
        QTest::keyClicks(cell(0), QStringLiteral("7"));
        QTest::keyClick(cell(0), Qt::Key_Escape);
        QCOMPARE(cell(0)->toPlainText(), QStringLiteral("467"));
        QTest::keyClick(cell(0), Qt::Key_Right);
        QTest::keyClick(cell(1), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cell(2));
    }

    // Dark repaints the whole board at once, the cells as the strip, and
    // Light then gives back every pixel it had.
    void aThemeRepaintsAtOnceAndLightComesBackExactly() {
        openProgram();
        QApplication::processEvents();
        const auto board = [this] { return desktop_->grab().toImage(); };
        const QImage light = board(), lightCell = cell(40)->viewport()->grab().toImage();
        const QPalette desktop = QApplication::palette();
        desktop_->setTheme(Theme::kDark);
        QApplication::processEvents();
        const QImage dark = board();
        // Every other window, a menu or a dialog, takes the look from the application.
        QVERIFY(QApplication::palette().color(QPalette::Window) != desktop.color(QPalette::Window));
        QCOMPARE(QApplication::palette().color(QPalette::Window).lightness() < 128, true);
        QCOMPARE(program_->state().theme, Theme::kLight);  // the desktop is still light
        QVERIFY(cell(40)->viewport()->grab().toImage() != lightCell);
        const QPoint strip = desktop_->control(digitButtonId(5))
                                 ->mapTo(desktop_.get(), QPoint(3, 3));  // inside its border
        QVERIFY(dark.pixel(strip) != light.pixel(strip));
        desktop_->setTheme(Theme::kLight);
        QApplication::processEvents();
        QCOMPARE(board(), light);
        QCOMPARE(QApplication::palette(), desktop);
        QCOMPARE(QApplication::palette().resolveMask(), desktop.resolveMask());
    }

    // While the look follows the desktop, the board turns dark with it and
    // back.
    void theBoardFollowsTheDesktopTurningDark() {
        openProgram();
        const QPalette desktop = QApplication::palette();
        QPalette dark = desktop;
        dark.setColor(QPalette::Window, QColor(30, 30, 30));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        QApplication::setPalette(dark);
        QTRY_COMPARE(program_->state().theme, Theme::kDark);
        QApplication::setPalette(desktop);
        QTRY_COMPARE(program_->state().theme, Theme::kLight);
    }

    // A screen reader hears a cell by its place with what it shows, the status
    // box by its name and each of its new texts as the box then reads, a digit
    // strip button by its digit with what is left of it, and the hint, Help and
    // the pause cover by what they are.
    void aScreenReaderHearsEveryPartOfTheWindow() {
        openProgram();
        const ScreenReader reader;
        click(0);
        QTest::keyClicks(cell(0), QStringLiteral("7"));
        click(1);
        auto* status = qobject_cast<StatusBox*>(desktop_->control(kStatusBoxId));
        desktop_->setText(kStatusBoxId,
                          "a status text long enough to take two lines\r\nand a third");
        const QString shown = status->toPlainText();
        QVERIFY(std::any_of(ScreenReader::events().begin(), ScreenReader::events().end(),
                            [&](const ScreenReader::Event& event) {
                                return event.object == status &&
                                       event.type == QAccessible::TextUpdated &&
                                       event.inserted == shown;
                            }));

        StepView view;
        view.drawing.shown = true;
        view.words = "the whole words";
        view.question = "What is it?";
        view.firstCellControl = cellId(0);
        desktop_->showStep(view, 4242);
        HelpBook book;
        book.pages.push_back(HelpPage{"Keys", "F1\thelp", false, {}, {}});
        desktop_->showHelp(book, 0);
        desktop_->coverBoard(true, "Paused\r\n\r\nplays on");
        QLabel* cover = nullptr;
        for (QLabel* label : desktop_->findChildren<QLabel*>())
            if (label->text().startsWith(QStringLiteral("Paused"))) cover = label;
        QWidget* overlay = nullptr;
        for (QWidget* widget : desktop_->findChildren<QWidget*>())
            if (dynamic_cast<StepOverlay*>(widget) != nullptr) overlay = widget;
        QWidget* help = desktop_->helpWindow();
        const struct {
            QObject* object;
            const char* words;
        } kHeard[] = {
            {cell(0), "row 1, column 1 | 7"},
            {cell(80), "row 9, column 9 | empty"},
            {status, "Status"},
            {desktop_->control(digitButtonId(7)), "7 | 8 left"},
            {desktop_->control(digitButtonId(9)), "9 | 9 left"},
            {desktop_->stepPanel()->findChild<QPlainTextEdit*>(), "Hint"},
            {desktop_->stepPanel()->findChild<QPushButton*>(), "What is it?"},
            {overlay, "Hint"},
            {help->findChild<QListWidget*>(), "Help pages"},
            {help->findChild<QTextBrowser*>(), "Keys"},
            {cover, "Paused\n\nplays on"},
        };
        for (const auto& part : kHeard) QCOMPARE(heard(part.object), QString::fromUtf8(part.words));
    }

    // In a dialog a field, a list or a table is heard by the label before it,
    // numbered when several share one, and by the dialog's title without
    // one; the free texts after it tell about it, the others about the
    // dialog; buttons and boxes by their texts, the arrows of an up-down by
    // their field's label and their way.
    void aDialogsControlsAreHeardByTheirLabels() {
        using K = DialogControlKind;
        constexpr int kFirst = 20, kSecond = 21, kNamed = 22;
        const DialogTemplate dialog{3300,
                                    "serials",
                                    200,
                                    150,
                                    {{0, K::kStaticText, "recreate a puzzle?", 7, 4, 180, 10},
                                     {0, K::kStaticText, "Look:", 7, 16, 40, 10},
                                     {kList, K::kSelectionList, "", 50, 16, 80, 60},
                                     {0, K::kStaticText, "the board's colours", 50, 30, 80, 10},
                                     {0, K::kStaticText, "serial numbers", 7, 44, 80, 10},
                                     {kFirst, K::kEditField, "", 7, 56, 60, 12},
                                     {kSecond, K::kEditField, "", 7, 70, 60, 12},
                                     {kArrows, K::kUpDown, "", 67, 70, 10, 12, kSecond},
                                     {kCheck, K::kCheckBox, "Show", 7, 86, 110, 10},
                                     {kNamed, K::kReadOnlyCentredField, "", 7, 100, 80, 12},
                                     {kDialogOkay, K::kDefaultButton, "OK", 140, 120, 50, 14}}};
        struct : DialogEvents {
            void onInit(DialogHost& dialog) override { dialog.setItems(kList, {"light", "dark"}); }
            void onCommand(DialogHost& dialog, int id) override { dialog.end(id); }
        } events;
        QStringList said;
        ModalPlayer player(QStringLiteral("dialog_3300"), [&](QWidget& window) {
            auto* arrows = dialogControl<QWidget>(window, kArrows);
            for (QObject* object :
                 {static_cast<QObject*>(&window),
                  static_cast<QObject*>(dialogControl<QWidget>(window, kFirst)),
                  static_cast<QObject*>(dialogControl<QWidget>(window, kSecond)),
                  static_cast<QObject*>(arrows),
                  static_cast<QObject*>(arrows->findChild<QToolButton*>(QStringLiteral("up"))),
                  static_cast<QObject*>(dialogControl<QWidget>(window, kCheck)),
                  static_cast<QObject*>(dialogControl<QWidget>(window, kNamed)),
                  static_cast<QObject*>(dialogControl<QWidget>(window, kDialogOkay))})
                said << heard(object);
            // A list is named by its entry; its label is heard as such.
            auto* list = dialogControl<QWidget>(window, kList);
            said << list->accessibleName() + QStringLiteral(" | ") + list->accessibleDescription()
                 << labelOf(list) << labelOf(dialogControl<QWidget>(window, kFirst));
        });
        desktop_->runDialog(dialog, events);
        QCOMPARE(said,
                 QStringList({"serials | recreate a puzzle?", "serial numbers 1",
                              "serial numbers 2", "serial numbers 2", "up", "Show", "serials", "OK",
                              "Look | the board's colours", "Look:", "serial numbers"}));
    }

    // A text longer than its room (as a translation can be) widens the
    // dialog and every control with it, once a catalogue is installed; without
    // one the dialog keeps its template's size, fitting or not.
    void aDialogWidensForATextLongerThanItsRoomInAnotherLanguage() {
        using K = DialogControlKind;
        const DialogTemplate dialog{
            3301,
            "long",
            120,
            40,
            {{kCheck, K::kCheckBox, "Show the numbers of the rows", 7, 6, 60, 10},
             {kDialogOkay, K::kDefaultButton, "OK", 60, 20, 50, 14}}};
        struct : DialogEvents {
            void onInit(DialogHost&) override {}
            void onCommand(DialogHost& dialog, int id) override { dialog.end(id); }
        } events;
        const auto shown = [&] {
            std::pair<int, bool> widthAndFit{0, false};
            ModalPlayer player(QStringLiteral("dialog_3301"), [&](QWidget& window) {
                auto* box = dialogControl<QCheckBox>(window, kCheck);
                widthAndFit = {window.width(), box->sizeHint().width() <= box->width()};
            });
            desktop_->runDialog(dialog, events);
            return widthAndFit;
        };
        const auto [english, englishFits] = shown();
        installCatalogue([](const char*, const char*) { return std::string(); });
        const auto [translated, translatedFits] = shown();
        installCatalogue(nullptr);
        QVERIFY(!englishFits);
        QVERIFY(translatedFits);
        QVERIFY(translated > english);
        QVERIFY(translated <= 2 * english);
    }

    // Every text in the normal box and in the one-line box above the
    // hand-build buttons: all lines in view, a serial number on one line. It
    // and a word that just fits the box's width in the box's font (as a
    // serial number can in a wide font) stay clear of the frame.
    void everyStatusTextStaysWhollyInView() {
        openProgram();
        const QString serial = QStringLiteral("201AA5CE-17732F89-12A4B24-8D83DE0-90D20AC");
        StatusInputs in{7,
                        "a-rather-long-puzzle-file-name.ga",
                        0,
                        0,
                        {0x201AA5CE, 0x17732F89, 0x12A4B24, 0x8D83DE0, 0x90D20AC}};
        std::vector<std::string> texts;
        for (int code = 0; code <= 37; ++code) texts.push_back(statusText(code, in));
        for (int depth : {1, 2})
            texts.push_back(statusText(kStatusCandidatesShown, StatusInputs{0, "", depth}));
        for (int message = 0; message <= static_cast<int>(HandBuildMessage::kCanceled); ++message)
            texts.push_back(handBuildText(static_cast<HandBuildMessage>(message)));
        auto* box = qobject_cast<QPlainTextEdit*>(desktop_->control(kStatusBoxId));
        const QFontMetrics metrics(box->font());
        QString wide;
        for (const QChar c : QStringLiteral("D1."))
            while (metrics.horizontalAdvance(wide + c) <= box->width() - 2 * box->frameWidth() - 2)
                wide += c;
        texts.push_back(fromQt(wide));
        auto xInBox = [box](const QTextCursor& at) {
            return box->viewport()->mapTo(box, box->cursorRect(at).topLeft()).x();
        };
        for (bool building : {false, true}) {
            if (building) program_->onCommand(kCommandHandBuildPuzzle);
            for (const std::string& text : texts) {
                desktop_->setText(kStatusBoxId, text);
                QCOMPARE(desktop_->text(kStatusBoxId), text);
                QTextCursor end(box->document());
                end.movePosition(QTextCursor::End);
                QVERIFY2(box->cursorRect(end).bottom() < box->viewport()->height(), text.c_str());
                for (const QString& piece : {serial, wide}) {
                    const int at = box->toPlainText().indexOf(piece);
                    if (at < 0) continue;
                    QTextCursor first(box->document()), last(box->document());
                    first.setPosition(at);
                    last.setPosition(at + piece.size());
                    QCOMPARE(box->cursorRect(first).top(), box->cursorRect(last).top());
                    QVERIFY2(xInBox(first) - box->frameWidth() >= 3 &&
                                 box->width() - box->frameWidth() - xInBox(last) >= 3,
                             text.c_str());
                }
            }
        }
    }

    void aSecondCopyEndsSilentlyAndAKilledCopysLockIsTakenOver() {
        QVERIFY(runtimeFolder_.isValid());
        QProcess first, second, next;
        startProgram(first);
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), first.processId(), kStartMs);
        startProgram(second);
        QVERIFY(second.waitForFinished(kStartMs));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAll(), QByteArray());
        QCOMPARE(first.state(), QProcess::Running);

        stop(first);
        QVERIFY(lockHolder() != 0);  // left behind
        startProgram(next);
        QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), next.processId(), kStartMs);
        QCOMPARE(next.state(), QProcess::Running);
        stop(next);
    }
};

}  // namespace ga::testing

QTEST_MAIN(ga::testing::QtDesktopTest)
#include "qt_desktop_test.moc"
