// Plays the person in front of a modal window that the code under test opens
// and runs in its own event loop: a program dialog, a file dialog or a box.
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

// Acts once in the first active modal window whose object name ("dialog_3000")
// or Qt class ("QFileDialog") is `name`, looking every 10 ms while the player
// exists. Whatever the act leaves open is closed (a program dialog as by
// "Cancel"), so a failed check cannot leave the test waiting.
class ModalPlayer {
  public:
    ModalPlayer(QString name, std::function<void(QWidget&)> act)
        : name_(std::move(name)), act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { poll(); });
        timer_.start(10);
    }
    bool played() const { return played_; }

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        if (modal->objectName() != name_ && !modal->inherits(name_.toLatin1().constData())) return;
        timer_.stop();
        QPointer<QWidget> window = modal;
        modal->activateWindow();  // the person acts in the window that has the keyboard
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
