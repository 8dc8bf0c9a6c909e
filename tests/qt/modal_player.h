// Plays the person in front of a modal window that the code under test opens
// and runs in its own event loop: one of the program's dialogs, a file dialog
// or a message box.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>

#include "platform/dialog.h"
#include "platform/qt/dialog_window.h"

namespace ga::testing {

// Acts once in the first modal window in front whose object name ("dialog_3000")
// or Qt class ("QFileDialog") is `name`. It looks every few milliseconds rather
// than once, so other modal windows may come and go before its own; and it
// looks only while the player exists, so a window that never opens cannot
// make it act during a later test. Whatever the act leaves open is closed (a
// program dialog as by "Cancel"), so a failed check inside the act cannot
// leave the test waiting on a window nobody answers.
class ModalPlayer {
  public:
    ModalPlayer(QString name, std::function<void(QWidget&)> act)
        : name_(std::move(name)), act_(std::move(act)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { poll(); });
        timer_.start();
    }
    ModalPlayer(const ModalPlayer&) = delete;
    ModalPlayer& operator=(const ModalPlayer&) = delete;

    bool played() const { return played_; }

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        if (modal->objectName() != name_ && !modal->inherits(name_.toLatin1().constData())) return;
        timer_.stop();
        QPointer<QWidget> window = modal;
        // The person acts in the window in front, which has the keyboard. A
        // window counts as active while its owner is, so the wait is for the
        // application's own active window.
        modal->activateWindow();
        if (QTest::qWaitFor([&] { return window && QApplication::activeWindow() == window; })) {
            played_ = true;
            act_(*modal);
        }
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
    bool played_ = false;
};

// A control of a program dialog, found by its identifier.
template <typename Widget>
Widget* dialogControl(QWidget& dialog, int id) {
    return dialog.findChild<Widget*>(QStringLiteral("control_%1").arg(id));
}

}  // namespace ga::testing
