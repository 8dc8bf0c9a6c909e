// The board's cells and status box as real widgets under the program's window:
// typing, what a left cell shows, pencil marks, colours, and status texts
// wholly in view.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <set>
#include <vector>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "app/status_messages.h"
#include "platform/qt/qt_desktop.h"

namespace ga::testing {

class CellTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir settingsFolder_;
    std::unique_ptr<QtDesktop> desktop_;
    std::unique_ptr<MainWindow> window_;

    QPlainTextEdit* cell(int index) const {
        return qobject_cast<QPlainTextEdit*>(desktop_->control(cellId(index)));
    }
    void click(int index) { QTest::mouseClick(cell(index)->viewport(), Qt::LeftButton); }

    // The places of the 3x3 block (1..9, row by row) where the cell has ink.
    std::set<int> inkedPlaces(int index) {
        const QImage image = cell(index)->viewport()->grab().toImage();
        const QRgb background = image.pixel(0, 0);
        std::set<int> places;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == background) continue;
                places.insert(y * 3 / image.height() * 3 + x * 3 / image.width() + 1);
            }
        }
        return places;
    }

  private slots:
    void init() {
        StartupSettings settings;
        settings.place.path = settingsFolder_.filePath(QStringLiteral("g.par")).toStdString();
        desktop_ = std::make_unique<QtDesktop>();
        window_ = std::make_unique<MainWindow>(*desktop_, settings);
        QVERIFY(desktop_->open(*window_));
        desktop_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(desktop_.get()));
    }

    void cleanup() { window_.reset(), desktop_.reset(); }

    void aCellTakesDigitsOnlyAndShowsWhatItStoresOnceLeft() {
        click(0);
        QTest::keyClicks(cell(0), QStringLiteral("0a4 -6"));
        QTest::keyClick(cell(0), Qt::Key_Return);
        QApplication::clipboard()->setText(QStringLiteral("x7"));
        cell(0)->paste();
        QCOMPARE(cell(0)->toPlainText(), QStringLiteral("0467"));
        QVERIFY(inkedPlaces(0) != (std::set<int>{4, 6, 7}));  // edited as text
        click(1);
        QCOMPARE(window_->state().puzzle.candidateNumbers[0], 467);
        QCOMPARE(cell(0)->toPlainText(), QStringLiteral("467"));
        QTRY_COMPARE(inkedPlaces(0), (std::set<int>{4, 6, 7}));  // pencil marks
        QCOMPARE(cell(0)->palette().color(QPalette::Text), QColor(102, 102, 102));

        QTest::keyClicks(cell(1), QStringLiteral("123456789"));
        click(2);
        QTRY_COMPARE(inkedPlaces(1), (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        QTest::keyClicks(cell(2), QStringLiteral("5"));  // a value, in the colour of no mistake
        click(0);
        QTRY_COMPARE(cell(2)->palette().color(QPalette::Text), QColor(0, 0, 255));
    }

    // Every text in the normal box and in the one-line box above the
    // hand-build buttons: all lines in view, a serial number on one line.
    void everyStatusTextStaysWhollyInView() {
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
        for (bool building : {false, true}) {
            if (building) window_->onCommand(kCommandHandBuildPuzzle);
            auto* box = qobject_cast<QPlainTextEdit*>(desktop_->control(kStatusBoxId));
            for (const std::string& text : texts) {
                desktop_->setText(kStatusBoxId, text);
                QCOMPARE(desktop_->text(kStatusBoxId), text);
                QTextCursor end(box->document());
                end.movePosition(QTextCursor::End);
                QVERIFY2(box->cursorRect(end).bottom() < box->viewport()->height(), text.c_str());
                if (text.find(serial.toStdString()) == std::string::npos) continue;
                const int at = box->toPlainText().indexOf(serial);
                QVERIFY(at >= 0);
                QTextCursor first(box->document()), last(box->document());
                first.setPosition(at);
                last.setPosition(at + serial.size());
                QCOMPARE(box->cursorRect(first).top(), box->cursorRect(last).top());
            }
        }
    }
};

}  // namespace ga::testing

QTEST_MAIN(ga::testing::CellTest)
#include "qt_cell_test.moc"
