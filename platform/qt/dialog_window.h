// A modal dialog built from a DialogTemplate, with the logic's DialogEvents as
// its dialog procedure.
//
// The controls sit at the template's positions, converted from dialog units
// of "Arial" 9 pt like the main window, with no layout. Each addressable
// control's widget is named "control_<id>" and the dialog "dialog_<template>",
// which is how tests find them.
//
// A screen reader hears each field, list and table by the static text just
// before it in the template (its label), numbered when one label has several;
// a field with none by the dialog's title. The static texts right after a
// field tell about it (its description), the other free texts about the
// dialog (the dialog's description), so that a box that only tells
// something, like the finish box, is read out when it opens.
//
// Keys are those of a classic dialog: Enter presses the focused push button
// or, when the focus is elsewhere, the default one; Escape and the close box
// both report command 2 and leave the dialog open unless the events end it.
// Once the events have ended the dialog it reports nothing more; it closes as
// soon as the handler that ended it returns.
#pragma once

#include <QDialog>
#include <map>
#include <vector>

#include "platform/dialog.h"

class QScreen;

namespace ga {

class DialogWindow : public QDialog, public DialogHost {
    Q_OBJECT

  public:
    // `dialog` and `events` must outlive the window.
    DialogWindow(const DialogTemplate& dialog, DialogEvents& events, QWidget* owner);

    // Lets the events fill the controls, then, unless they ended the dialog
    // already, shows it centred on the available area of `screen` and runs it
    // modally. Returns the result the events ended it with.
    int run(QScreen* screen);

    QWidget* control(int id) const;

    // --- DialogHost ------------------------------------------------------------
    void setText(int id, const std::string& text) override;
    std::string text(int id) override;
    void setTextLimit(int id, int characters) override;
    void setItems(int id, const std::vector<std::string>& items) override;
    void setItem(int id, int index, const std::string& item) override;
    void select(int id, int index) override;
    int selection(int id) override;
    void setChecked(int id, bool checked) override;
    bool checked(int id) override;
    void enable(int id, bool enabled) override;
    void end(int result) override;

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Control {
        DialogControlKind kind;
        QWidget* widget;
    };

    void build(const DialogTemplate& dialog);

    void widenForLongerTexts();
    void nameForScreenReaders();
    QWidget* makeControl(const DialogControl& control);
    void attachUpDown(int upDownId, int buddyId);
    QWidget* find(int id, DialogControlKind kind) const;
    void command(int id);
    void upDown(int id, int delta);
    template <typename Handler>
    void deliver(Handler&& handler);
    void closeIfEnded();

    DialogEvents& events_;
    std::map<int, Control> controls_;
    std::vector<Control> inOrder_;  // every control, static texts too, in the template's order
    std::map<const QObject*, int> buddies_;  // edit field -> the up-down that steps it
    int handlersRunning_ = 0;
    bool running_ = false;
    bool fillingTable_ = false;  // the logic fills or selects a table: no command
    bool ended_ = false;
    int result_ = kDialogCancel;
};

// Where a new modal window belongs: over the modal window open now (a dialog,
// or a box over it), otherwise over the main window.
QWidget* modalOwner(QWidget& mainWindow);

}  // namespace ga
