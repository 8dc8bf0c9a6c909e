// Modal dialogs and file dialogs as the program's logic sees them.
//
// A dialog is described by a template: a title, a size and a list of controls,
// all in dialog units (a quarter of the average character width and an eighth
// of the character height of "Arial" at 9 points). The desktop builds it,
// centres it on the screen that shows the main window and runs it modally. The
// logic's DialogEvents play the dialog procedure: they fill the controls when
// the dialog opens, hear every user action as a command with the control's
// identifier, and end the dialog with a result.
//
// What reaches onCommand:
//   - a push button was pressed (Enter presses the default button);
//   - a check box was clicked (its new state is already set);
//   - the player changed the text of an edit field (changes made through
//     DialogHost::setText are not reported);
//   - the player chose an entry of a selection list, or a row of a table;
//   - a row of a table was double-clicked: the default button's command;
//   - the close box or Escape: command 2, the "Cancel" identifier. A dialog
//     that ignores it stays open.
// An up-down control (a pair of arrows beside its buddy edit field, also
// worked by the arrow keys in that field) reaches onUpDown instead: delta -1
// for "up", +1 for "down", as the arrows' own messages count them.
#pragma once

#include <string>
#include <vector>

namespace ga {

// The identifiers of the accepting button and of "Cancel", and the results
// they end a dialog with ("Cancel" also for the close box).
enum DialogResult : int { kDialogOkay = 1, kDialogCancel = 2 };
constexpr int kNoControlId = 0;  // static texts nobody addresses

enum class DialogControlKind {
    kDefaultButton,         // push button that Enter presses
    kButton,                // push button
    kStaticText,            // left-aligned label
    kSelectionList,         // drop-down list: an entry can only be chosen, never typed
    kCheckBox,              // labelled box that toggles on every click
    kEditField,             // single-line field with a border
    kReadOnlyCentredField,  // single-line, read-only, centred text
    kUpDown,                // arrows stepping the number in the buddy edit field
    // Rows of columns, one row chosen at a time; its text holds the column
    // headings and each item a row, the columns parted by '\t' in both.
    kTable,
};

struct DialogControl {
    int id = kNoControlId;
    DialogControlKind kind = DialogControlKind::kStaticText;
    std::string text;
    int x = 0, y = 0, width = 0, height = 0;  // dialog units
    int buddy = kNoControlId;                 // up-down controls: the edit field they step
};

struct DialogTemplate {
    int id = 0;  // the template number, for logs and tests
    std::string title;
    int width = 0, height = 0;  // dialog units
    std::vector<DialogControl> controls;
};

// The open dialog's controls, by identifier. Calls for an identifier the
// template does not have change nothing and read as empty.
class DialogHost {
  public:
    virtual ~DialogHost() = default;
    virtual void setText(int id, const std::string& text) = 0;
    virtual std::string text(int id) = 0;
    // The most characters the player can type into an edit field.
    virtual void setTextLimit(int id, int characters) = 0;
    virtual void setItems(int id, const std::vector<std::string>& items) = 0;
    // Changes one item in place (a table's row keeps its place in view).
    virtual void setItem(int id, int index, const std::string& item) = 0;
    // An index outside the items selects nothing.
    virtual void select(int id, int index) = 0;
    // The selected entry, -1 when none is.
    virtual int selection(int id) = 0;
    virtual void setChecked(int id, bool checked) = 0;
    virtual bool checked(int id) = 0;
    virtual void enable(int id, bool enabled) = 0;
    // Closes the dialog once the current event has been handled; runDialog
    // then returns `result`.
    virtual void end(int result) = 0;
};

class DialogEvents {
  public:
    virtual ~DialogEvents() = default;
    // The controls exist but the dialog is not shown yet.
    virtual void onInit(DialogHost& dialog) = 0;
    virtual void onCommand(DialogHost& dialog, int id) = 0;
    virtual void onUpDown(DialogHost& /*dialog*/, int /*id*/, int /*delta*/) {}
};

struct FileFilter {
    std::string name;     // as listed, e.g. "grid atelier file (*.ga)"
    std::string pattern;  // e.g. "*.ga"
};

struct FileDialogRequest {
    enum class Purpose {
        kSave,  // asks before replacing an existing file
        kOpen,  // only an existing file can be chosen
    };
    Purpose purpose = Purpose::kSave;
    std::string title;
    std::vector<FileFilter> filters;  // the first is selected
    std::string defaultExtension;     // without its dot; added to a bare name ("*.x" picked: x)
    std::string proposedPath;         // shown in the name field; may be empty
    std::string startFolder;          // shown first unless proposedPath names a folder
};

}  // namespace ga
