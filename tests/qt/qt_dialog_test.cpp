// The Qt desktop's dialogs through their real widgets: a dialog built from its
// template, and the file dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "modal_player.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_text.h"
#include "recording_window.h"
#include "test_environment.h"

namespace ga::testing {

namespace {

constexpr int kName = 10, kList = 11, kCheck = 12, kArrows = 13, kNumber = 14;

// Records what the dialog reports, with what the reporting control shows.
struct RecordingEvents : DialogEvents {
    void onInit(DialogHost& dialog) override {
        dialog.setTextLimit(kName, 3);
        dialog.setItems(kList, {"easy", "hard"});
        dialog.select(kList, 0);
        dialog.setText(kNumber, "5");  // reports nothing
    }
    void onCommand(DialogHost& dialog, int id) override {
        heard += std::to_string(id) + ":" + dialog.text(kName) +
                 (dialog.checked(kCheck) ? "+" : "") + std::to_string(dialog.selection(kList)) +
                 " ";
        if (id == kDialogOkay) dialog.end(5);
    }
    void onUpDown(DialogHost&, int id, int delta) override {
        heard += std::to_string(id) + (delta < 0 ? "up " : "down ");
    }
    std::string heard;
};

}  // namespace

class QtDialogTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { prepareQtTestEnvironment(); }

  private slots:
    void init() {
        desktop_ = std::make_unique<QtDesktop>();
        window_ = std::make_unique<RecordingWindow>(*desktop_);
        QVERIFY(desktop_->open(*window_));
    }
    void cleanup() {
        desktop_.reset();
        window_.reset();
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
    }

    void theFileDialogOpensInItsStartFolderAndAddsTheSuffix() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const FileDialogRequest request{
            FileDialogRequest::Purpose::kSave,
            "save file as ...",
            {{"grid atelier file (*.ga)", "*.ga"}, {"all files (*.*)", "*.*"}},
            "ga",
            "",
            fromQt(folder.path() + QLatin1Char('/'))};
        QString shownFolder;
        ModalPlayer typeName(QStringLiteral("QFileDialog"), [&](QWidget& modal) {
            shownFolder = qobject_cast<QFileDialog*>(&modal)->directory().path();
            auto* name = modal.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QTest::keyClicks(name, QStringLiteral("mine"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        std::string path;
        QVERIFY(desktop_->askFileName(request, path));
        QCOMPARE(shownFolder, folder.path());
        QCOMPARE(toQt(path), folder.filePath(QStringLiteral("mine.ga")));
    }

  private:
    std::unique_ptr<QtDesktop> desktop_;
    std::unique_ptr<RecordingWindow> window_;
};

}  // namespace ga::testing

QTEST_MAIN(ga::testing::QtDialogTest)
#include "qt_dialog_test.moc"
