// The Qt desktop's modal dialogs and file dialogs, driven through their real
// widgets: what the logic's dialog events hear, and how the windows stack.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <functional>
#include <memory>

#include "modal_player.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/window_metrics.h"
#include "recording_window.h"
#include "test_environment.h"

namespace ga::testing {

namespace {

constexpr int kOther = 10, kLabel = 11, kList = 12, kCheck = 13, kName = 14, kShown = 15,
              kArrows = 16, kNumber = 17;

DialogTemplate testTemplate() {
    using K = DialogControlKind;
    DialogTemplate dialog{3100, "test dialog", 200, 90, {}};
    dialog.controls = {
        {kNoControlId, K::kStaticText, "Name:", 7, 9, 30, 8},
        {kName, K::kEditField, "", 40, 7, 80, 12},
        {kLabel, K::kStaticText, "", 7, 25, 30, 16},
        {kList, K::kSelectionList, "", 40, 23, 80, 60},
        {kCheck, K::kCheckBox, "Show candidates", 7, 42, 110, 10},
        {kArrows, K::kUpDown, "", 70, 57, 10, 12, kNumber},
        {kNumber, K::kEditField, "", 40, 57, 30, 12},
        {kShown, K::kReadOnlyCentredField, "", 90, 57, 30, 12},
        {kDialogOkay, K::kDefaultButton, "OK", 140, 7, 50, 14},
        {kDialogCancel, K::kButton, "Cancel", 140, 24, 50, 14},
        {kOther, K::kButton, "Other", 140, 41, 50, 14},
    };
    return dialog;
}

// Records what the dialog reports, with the state the reporting control
// shows at that moment.
struct RecordingEvents : DialogEvents {
    void onInit(DialogHost& dialog) override {
        if (init) init(dialog);
    }
    void onCommand(DialogHost& dialog, int id) override {
        std::string state;
        if (id == kName) state = dialog.text(kName);
        if (id == kCheck) state = dialog.checked(kCheck) ? "on" : "off";
        if (id == kList) state = std::to_string(dialog.selection(kList));
        commands.emplace_back(id, state);
        if (command) command(dialog, id);
    }
    void onUpDown(DialogHost&, int id, int delta) override { steps.emplace_back(id, delta); }

    std::function<void(DialogHost&)> init;
    std::function<void(DialogHost&, int)> command;
    std::vector<std::pair<int, std::string>> commands;
    std::vector<std::pair<int, int>> steps;
};

using Commands = std::vector<std::pair<int, std::string>>;
using Steps = std::vector<std::pair<int, int>>;

}  // namespace

class QtDialogTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { prepareQtTestEnvironment(); }

  private:
    std::unique_ptr<QtDesktop> desktop_;
    std::unique_ptr<RecordingWindow> window_;
    DialogTemplate template_ = testTemplate();
    RecordingEvents events_;

    // Runs the test dialog with `player` acting in it once shown and active.
    int play(const std::function<void(DialogWindow&)>& player) {
        ModalPlayer modal(QStringLiteral("dialog_3100"), [&player](QWidget& window) {
            auto* dialog = qobject_cast<DialogWindow*>(&window);
            QVERIFY(dialog != nullptr);
            player(*dialog);
        });
        return desktop_->runDialog(template_, events_);
    }

  private slots:
    void init() {
        desktop_ = std::make_unique<QtDesktop>();
        window_ = std::make_unique<RecordingWindow>(*desktop_);
        QVERIFY(desktop_->open(*window_));
        events_ = RecordingEvents();
    }

    void cleanup() {
        desktop_.reset();
        window_.reset();
    }

    void theEventsFillTheControlsOfACentredDialog() {
        int selectionOfNewItems = 0, selectionOutOfRange = 0;
        events_.init = [&](DialogHost& dialog) {
            dialog.setText(kName, "Anna");
            dialog.setText(kLabel, "Level\r\nof play");
            dialog.setItems(kList, {"easy", "hard", "expert"});
            selectionOfNewItems = dialog.selection(kList);
            dialog.select(kList, 7);
            selectionOutOfRange = dialog.selection(kList);
            dialog.select(kList, 2);
            dialog.setChecked(kCheck, true);
            dialog.setText(kShown, "7");
            dialog.setText(kNumber, "5");
            dialog.enable(kOther, false);
        };
        QRect shown, area;
        QWidget* owner = nullptr;
        const int result = play([&](DialogWindow& dialog) {
            shown = dialog.windowHandle()->frameGeometry();
            area = desktop_->screen()->availableGeometry();
            owner = dialog.parentWidget();
            QCOMPARE(dialog.windowTitle(), QStringLiteral("test dialog"));
            QFont arial(QStringLiteral("Arial"));
            arial.setPointSize(9);
            QCOMPARE(dialog.size(), dialogUnitsToPixels(QSize(200, 90), arial));
            QCOMPARE(dialogControl<QLineEdit>(dialog, kName)->text(), QStringLiteral("Anna"));
            QCOMPARE(dialogControl<QLabel>(dialog, kLabel)->text(),
                     QStringLiteral("Level\nof play"));
            QCOMPARE(dialogControl<QComboBox>(dialog, kList)->currentText(),
                     QStringLiteral("expert"));
            QVERIFY(dialogControl<QCheckBox>(dialog, kCheck)->isChecked());
            QCOMPARE(dialogControl<QLineEdit>(dialog, kShown)->text(), QStringLiteral("7"));
            QVERIFY(!dialogControl<QPushButton>(dialog, kOther)->isEnabled());
            const QString screenshot = qEnvironmentVariable("GRIDATELIER_DIALOG_SCREENSHOT");
            if (!screenshot.isEmpty()) QVERIFY(dialog.grab().save(screenshot));
        });
        QCOMPARE(result, kDialogCancel);  // as the player left it
        QCOMPARE(selectionOfNewItems, -1);
        QCOMPARE(selectionOutOfRange, -1);
        QVERIFY(events_.commands.empty());  // the events' own setText reports nothing
        QCOMPARE(owner, desktop_.get());
        QVERIFY(qAbs(shown.center().x() - area.center().x()) <= 1);
        QVERIFY(qAbs(shown.center().y() - area.center().y()) <= 1);
    }

    void thePlayersActionsReachTheEvents() {
        events_.init = [](DialogHost& dialog) {
            dialog.setTextLimit(kName, 3);
            dialog.setItems(kList, {"easy", "hard"});
            dialog.select(kList, 0);
            dialog.setText(kNumber, "5");
        };
        play([&](DialogWindow& dialog) {
            QTest::keyClicks(dialogControl<QLineEdit>(dialog, kName), QStringLiteral("abcd"));
            dialog.setText(kName, "xyz");
            auto* check = dialogControl<QCheckBox>(dialog, kCheck);
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
            QTest::keyClick(dialogControl<QComboBox>(dialog, kList), Qt::Key_Down);
            auto* arrows = dialogControl<QWidget>(dialog, kArrows);
            QTest::mouseClick(arrows->findChild<QToolButton*>(QStringLiteral("up")),
                              Qt::LeftButton);
            QTest::mouseClick(arrows->findChild<QToolButton*>("down"), Qt::LeftButton);
            auto* number = dialogControl<QLineEdit>(dialog, kNumber);
            QTest::keyClick(number, Qt::Key_Up);
            QTest::keyClick(number, Qt::Key_Down);
            // Disabled controls report nothing, whatever the player does.
            dialog.enable(kCheck, false);
            dialog.enable(kArrows, false);
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
            QTest::keyClick(number, Qt::Key_Up);
        });
        QCOMPARE(
            events_.commands,
            (Commands{{kName, "a"}, {kName, "ab"}, {kName, "abc"}, {kCheck, "on"}, {kList, "1"}}));
        QCOMPARE(events_.steps,
                 (Steps{{kArrows, -1}, {kArrows, +1}, {kArrows, -1}, {kArrows, +1}}));
    }

    void enterPressesTheFocusedOrElseTheDefaultButton() {
        bool openAfterEnd = false;
        events_.command = [&](DialogHost& dialog, int id) {
            if (id != kDialogOkay) return;
            dialog.end(5);
            openAfterEnd = desktop_->findChild<QDialog*>()->isVisible();
        };
        bool closed = false;
        const int result = play([&](DialogWindow& dialog) {
            auto* other = dialogControl<QPushButton>(dialog, kOther);
            other->setFocus();
            QTest::keyClick(other, Qt::Key_Return);
            auto* name = dialogControl<QLineEdit>(dialog, kName);
            name->setFocus();
            QTest::keyClick(name, Qt::Key_Return);
            closed = !dialog.isVisible();
            dialogControl<QPushButton>(dialog, kOther)->click();  // too late: reports nothing
        });
        QCOMPARE(result, 5);
        QCOMPARE(events_.commands, (Commands{{kOther, ""}, {kDialogOkay, ""}}));
        QVERIFY(openAfterEnd);  // the handler that ends the dialog runs to its end first
        QVERIFY(closed);
    }

    void escapeAndTheCloseBoxOnlyAskWithCommandTwo() {
        events_.command = [&](DialogHost& dialog, int id) {
            if (id == kDialogCancel && events_.commands.size() == 3) dialog.end(kDialogCancel);
        };
        bool openAfterEscape = false, openAfterCloseBox = false;
        const int result = play([&](DialogWindow& dialog) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            openAfterEscape = dialog.isVisible();
            dialog.close();
            openAfterCloseBox = dialog.isVisible();
            QTest::mouseClick(dialogControl<QPushButton>(dialog, kDialogCancel), Qt::LeftButton);
        });
        QVERIFY(openAfterEscape);
        QVERIFY(openAfterCloseBox);
        QCOMPARE(result, kDialogCancel);
        QCOMPARE(events_.commands,
                 (Commands{{kDialogCancel, ""}, {kDialogCancel, ""}, {kDialogCancel, ""}}));
    }

    void aDialogEndedWhileFilledIsNeverShown() {
        events_.init = [](DialogHost& dialog) { dialog.end(7); };
        bool shown = false;
        QCOMPARE(play([&](DialogWindow&) { shown = true; }), 7);
        QVERIFY(!shown);
        QVERIFY(desktop_->findChild<QDialog*>() == nullptr);
    }

    void boxesAndFileDialogsOpenOverTheDialog() {
        QWidget *boxOwner = nullptr, *fileDialogOwner = nullptr;
        events_.command = [&](DialogHost&, int id) {
            if (id != kOther) return;
            ModalPlayer box(QStringLiteral("QMessageBox"),
                            [&](QWidget& modal) { boxOwner = modal.parentWidget(); });
            desktop_->messageBox("text", "title");
            ModalPlayer files(QStringLiteral("QFileDialog"),
                              [&](QWidget& modal) { fileDialogOwner = modal.parentWidget(); });
            std::string path;
            QVERIFY(!desktop_->askFileName(FileDialogRequest{}, path));
        };
        QWidget* dialogShown = nullptr;
        play([&](DialogWindow& dialog) {
            dialogShown = &dialog;
            dialogControl<QPushButton>(dialog, kOther)->click();
        });
        QVERIFY(dialogShown != nullptr);
        // Compared as addresses only: the windows are gone by now.
        QVERIFY(boxOwner == dialogShown);
        QVERIFY(fileDialogOwner == dialogShown);
    }

    void theFileDialogAsksBeforeReplacingAndAddsTheSuffix() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString old = folder.filePath(QStringLiteral("old.ga"));
        QFile existing(old);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        FileDialogRequest request{
            FileDialogRequest::Purpose::kSave,
            "save file as",
            {{"grid atelier file (*.ga)", "*.ga"}, {"all files (*.*)", "*.*"}},
            "ga",
            old.toStdString()};
        QStringList filters;
        QString selectedFilter, proposed;
        bool askedToReplace = false, openAfterNo = false;
        ModalPlayer replace(QStringLiteral("QFileDialog"), [&](QWidget& modal) {
            auto& dialog = *qobject_cast<QFileDialog*>(&modal);
            filters = dialog.nameFilters();
            selectedFilter = dialog.selectedNameFilter();
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            proposed = name->text();
            ModalPlayer no(QStringLiteral("QMessageBox"), [&](QWidget& box) {
                askedToReplace = qobject_cast<QMessageBox*>(&box) != nullptr;
            });
            QTest::keyClick(name, Qt::Key_Return);
            openAfterNo = dialog.isVisible();
        });  // and then cancels
        std::string path = "untouched";
        QVERIFY(!desktop_->askFileName(request, path));
        QCOMPARE(path, std::string("untouched"));
        QCOMPARE(filters, QStringList({"grid atelier file (*.ga)", "all files (*.*)"}));
        QCOMPARE(selectedFilter, filters.front());
        QCOMPARE(proposed, QStringLiteral("old.ga"));
        QVERIFY(askedToReplace);
        QVERIFY(openAfterNo);

        ModalPlayer typeName(QStringLiteral("QFileDialog"), [](QWidget& modal) {
            auto* name = modal.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setFocus();
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("mine"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        QVERIFY(desktop_->askFileName(request, path));
        QCOMPARE(QString::fromStdString(path), folder.filePath(QStringLiteral("mine.ga")));

        request.purpose = FileDialogRequest::Purpose::kOpen;
        ModalPlayer open(QStringLiteral("QFileDialog"), [](QWidget& modal) {
            QTest::keyClick(modal.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")),
                            Qt::Key_Return);
        });
        QVERIFY(desktop_->askFileName(request, path));
        QCOMPARE(QString::fromStdString(path), old);
    }
};

}  // namespace ga::testing

QTEST_MAIN(ga::testing::QtDialogTest)
#include "qt_dialog_test.moc"
