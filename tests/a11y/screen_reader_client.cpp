// A screen reader's view of the running program, through the accessibility
// bus as any assistive program reads it: finds the program's window by its
// process, the 81 cells by their names and the status box by its name, then
// reads what the cells and the status box say after a new puzzle and after a
// digit typed into an open cell, and prints it. Keys go in through xdotool,
// as a person's would; the window is given the keyboard first (there is no
// window manager to do it). Last it ends the program by its Exit key and the
// question's button, pressed through the bus.
//
//   screen_reader_client PID SECONDS
//
// PID is the program's process, SECONDS how long any one wait may last. Exits
// 0 when everything was heard as it should be, 1 with a message otherwise.
#include <atspi/atspi.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::chrono::seconds waitLimit(10);

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "screen reader: FAILED: %s\n", message.c_str());
    std::exit(1);
}

// An accessible object, released when dropped.
struct Unref {
    void operator()(void* object) const {
        if (object != nullptr) g_object_unref(object);
    }
};
using Object = std::unique_ptr<AtspiAccessible, Unref>;

// A string the library handed over, taken into a std::string.
std::string taken(gchar* text, GError* error) {
    if (error != nullptr) g_error_free(error);
    std::string copy = text != nullptr ? text : "";
    g_free(text);
    return copy;
}

std::string nameOf(AtspiAccessible* object) {
    GError* error = nullptr;
    return taken(atspi_accessible_get_name(object, &error), error);
}

std::string descriptionOf(AtspiAccessible* object) {
    GError* error = nullptr;
    return taken(atspi_accessible_get_description(object, &error), error);
}

std::string roleOf(AtspiAccessible* object) {
    GError* error = nullptr;
    return taken(atspi_accessible_get_role_name(object, &error), error);
}

// A text's line breaks as " / ", so that the output keeps one line per object.
std::string oneLine(const std::string& text) {
    std::string line;
    for (const char c : text) line += c == '\n' ? std::string(" / ") : std::string(1, c);
    return line;
}

// The whole text of an object with the Text interface, on one line.
std::string textOf(AtspiAccessible* object) {
    AtspiText* text = atspi_accessible_get_text_iface(object);
    if (text == nullptr) fail("\"" + nameOf(object) + "\" has no Text interface");
    GError* error = nullptr;
    const gint count = atspi_text_get_character_count(text, &error);
    std::string words;
    if (error == nullptr)
        words = taken(atspi_text_get_text(text, 0, count, &error), error);
    else
        g_error_free(error);
    g_object_unref(text);
    return oneLine(words);
}

bool hasState(AtspiAccessible* object, AtspiStateType state) {
    AtspiStateSet* states = atspi_accessible_get_state_set(object);
    const bool has = states != nullptr && atspi_state_set_contains(states, state);
    if (states != nullptr) g_object_unref(states);
    return has;
}

std::vector<Object> childrenOf(AtspiAccessible* object) {
    std::vector<Object> children;
    GError* error = nullptr;
    const gint count = atspi_accessible_get_child_count(object, &error);
    if (error != nullptr) {
        g_error_free(error);
        return children;
    }
    for (gint i = 0; i < count; ++i) {
        AtspiAccessible* child = atspi_accessible_get_child_at_index(object, i, &error);
        if (error != nullptr) {
            g_error_free(error);
            error = nullptr;
            continue;
        }
        if (child != nullptr) children.emplace_back(child);
    }
    return children;
}

// Every object under `root` (itself included) for which `keep` holds.
void collect(AtspiAccessible* root, const std::function<bool(AtspiAccessible*)>& keep,
             std::vector<Object>& found, int depth = 0) {
    if (depth > 12) return;
    for (Object& child : childrenOf(root)) {
        collect(child.get(), keep, found, depth + 1);
        if (keep(child.get())) found.push_back(std::move(child));
    }
}

// Asks `ready` again and again until it holds or the wait's limit is reached;
// in between, the events the program sent are heard.
bool waitFor(const std::function<bool()>& ready) {
    const Clock::time_point deadline = Clock::now() + waitLimit;
    while (true) {
        while (g_main_context_iteration(nullptr, FALSE)) {
        }
        if (ready()) return true;
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

// A command of the desktop's tools, bounded in time.
void run(const std::string& command) {
    const std::string bounded =
        "timeout " + std::to_string(waitLimit.count()) + " " + command + " >/dev/null";
    if (std::system(bounded.c_str()) != 0) fail("could not run: " + command);
}

// A key as a menu item shows it, "Ctrl + N", as xdotool writes it: "ctrl+n".
std::string xdotoolKey(const std::string& key) {
    std::string written;
    for (char c : key)
        if (c != ' ') written += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return written;
}

// The words the status box announced as inserted, in order.
std::vector<std::string> announced;

void heardTextChange(AtspiEvent* event, void*) {
    if (event->source != nullptr && nameOf(event->source) == "Status" &&
        G_VALUE_HOLDS_STRING(&event->any_data)) {
        const gchar* inserted = g_value_get_string(&event->any_data);
        if (inserted != nullptr && *inserted != '\0') announced.emplace_back(inserted);
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

struct Window {
    Object application;
    Object frame;
    std::map<std::string, AtspiAccessible*> cells;  // by name, owned by `objects`
    AtspiAccessible* status = nullptr;
    std::vector<Object> objects;
    std::string problem;  // why the last look found no whole board
};

const std::regex kCellName(R"(row ([1-9]), column ([1-9]))");

std::string cellName(int row, int column) {
    return "row " + std::to_string(row) + ", column " + std::to_string(column);
}

Object findApplication(guint pid) {
    Object found;
    const bool seen = waitFor([&] {
        Object desktop(atspi_get_desktop(0));
        for (Object& application : childrenOf(desktop.get())) {
            GError* error = nullptr;
            const guint its = atspi_accessible_get_process_id(application.get(), &error);
            if (error != nullptr) {
                g_error_free(error);
                continue;
            }
            if (its == pid) {
                found = std::move(application);
                return true;
            }
        }
        return false;
    });
    if (!seen) fail("no application of process " + std::to_string(pid) + " on the bus");
    // Every read asks the program afresh: nothing comes from a cache that
    // events would have to keep true.
    atspi_accessible_set_cache_mask(found.get(), ATSPI_CACHE_NONE);
    return found;
}

// Looks for the cells and the status box afresh (a new puzzle makes new
// cells); true when all 81 and the box were found.
bool scan(Window& window) {
    window.objects.clear();
    window.cells.clear();
    window.status = nullptr;
    collect(
        window.frame.get(),
        [](AtspiAccessible* object) {
            const std::string name = nameOf(object);
            return std::regex_match(name, kCellName) || name == "Status";
        },
        window.objects);
    window.problem.clear();
    for (const Object& object : window.objects) {
        // A cell may go between two questions, while a new puzzle is laid out.
        const std::string name = nameOf(object.get());
        if (name == "Status") {
            window.status = object.get();
        } else if (!std::regex_match(name, kCellName)) {
            return false;
        } else if (!window.cells.emplace(name, object.get()).second) {
            window.problem = "; two cells are named \"" + name + "\"";
            return false;
        }
    }
    return window.cells.size() == 81 && window.status != nullptr;
}

void findControls(Window& window) {
    if (!waitFor([&] { return scan(window); }))
        fail("found " + std::to_string(window.cells.size()) + " of the 81 cells named " +
             "\"row R, column C\"" + (window.status == nullptr ? ", and no \"Status\"" : "") +
             window.problem);
    for (int row = 1; row <= 9; ++row)
        for (int column = 1; column <= 9; ++column)
            if (window.cells.count(cellName(row, column)) == 0)
                fail("no cell is named \"" + cellName(row, column) + "\"");
}

AtspiAccessible* cell(Window& window, int row, int column) {
    return window.cells.at(cellName(row, column));
}

// The menu item whose name is `text` and, after a tab, its key.
Object menuItem(Window& window, const std::string& text) {
    std::vector<Object> items;
    collect(
        window.frame.get(),
        [&](AtspiAccessible* object) {
            return nameOf(object).rfind(text + "\t", 0) == 0 && roleOf(object) == "menu item";
        },
        items);
    if (items.size() != 1) fail("no single menu item \"" + text + "\" with a key");
    return std::move(items.front());
}

void hear(const std::string& who, const std::string& said) {
    std::printf("  %-18s %s\n", (who + ":").c_str(), said.c_str());
}

void hearCell(Window& window, int row, int column) {
    hear(cellName(row, column), descriptionOf(cell(window, row, column)));
}

// How many cells say "D, clue", and the first empty one's place; -1 when a
// cell says something else, which `odd` then tells.
int countClues(Window& window, int& emptyRow, int& emptyColumn, std::string& odd) {
    static const std::regex clue("[1-9], clue");
    int clues = 0;
    emptyRow = 0;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const std::string said = descriptionOf(cell(window, row, column));
            if (std::regex_match(said, clue)) {
                ++clues;
            } else if (said == "empty") {
                if (emptyRow == 0) emptyRow = row, emptyColumn = column;
            } else {
                odd = cellName(row, column) + " says \"" + said + "\"";
                return -1;
            }
        }
    }
    return clues;
}

// Presses the button through its action, as a screen reader's user would.
void press(AtspiAccessible* button) {
    AtspiAction* action = atspi_accessible_get_action_iface(button);
    if (action == nullptr) fail("button \"" + nameOf(button) + "\" has no action");
    GError* error = nullptr;
    gint which = 0;
    const gint count = atspi_action_get_n_actions(action, &error);
    for (gint i = 0; i < count && error == nullptr; ++i)
        if (taken(atspi_action_get_action_name(action, i, &error), nullptr) == "Press") which = i;
    if (error == nullptr) atspi_action_do_action(action, which, &error);
    g_object_unref(action);
    if (error != nullptr) {
        g_error_free(error);
        fail("button \"" + nameOf(button) + "\" could not be pressed");
    }
}

bool onTheBus(guint pid) {
    Object desktop(atspi_get_desktop(0));
    for (Object& application : childrenOf(desktop.get())) {
        GError* error = nullptr;
        const guint its = atspi_accessible_get_process_id(application.get(), &error);
        if (error != nullptr)
            g_error_free(error);
        else if (its == pid)
            return true;
    }
    return false;
}

// Ends the program by its Exit item's key and the button of the question
// that follows that leaves without saving.
void closeProgram(Window& window, guint pid) {
    const Object exitItem = menuItem(window, "Exit");
    const std::string itemName = nameOf(exitItem.get());
    const std::string key = itemName.substr(itemName.find('\t') + 1);
    std::printf("\nExit, by its menu item's key %s:\n", key.c_str());
    run("xdotool key " + xdotoolKey(key));
    Object dialog;
    waitFor([&] {
        for (Object& child : childrenOf(window.application.get())) {
            if (roleOf(child.get()) == "dialog" && hasState(child.get(), ATSPI_STATE_SHOWING)) {
                dialog = std::move(child);
                return true;
            }
        }
        return false;
    });
    if (!dialog) fail("after " + key + " no question was asked");
    const std::string about = descriptionOf(dialog.get());
    hear("dialog", nameOf(dialog.get()) + (about.empty() ? "" : " | " + about));
    std::vector<Object> buttons;
    collect(
        dialog.get(), [](AtspiAccessible* object) { return roleOf(object) == "push button"; },
        buttons);
    std::string names;
    AtspiAccessible* leave = nullptr;
    for (const Object& button : buttons) {
        const std::string name = nameOf(button.get());
        names += (names.empty() ? "" : ", ") + name;
        if (name == "No" || (leave == nullptr && (name == "okay" || name == "OK")))
            leave = button.get();
    }
    hear("buttons", names);
    if (leave == nullptr) fail("the question has no button that leaves without saving");
    hear("pressed", nameOf(leave));
    press(leave);
    if (!waitFor([&] { return !onTheBus(pid); })) fail("the program did not end");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PID SECONDS\n", argv[0]);
        return 2;
    }
    const guint pid = static_cast<guint>(std::strtoul(argv[1], nullptr, 10));
    waitLimit = std::chrono::seconds(std::strtol(argv[2], nullptr, 10));
    setvbuf(stdout, nullptr, _IOLBF, 0);  // in step with the messages on stderr
    if (atspi_init() < 0) fail("cannot reach the accessibility bus");
    // No call to the program may hang the reader.
    atspi_set_timeout(static_cast<gint>(waitLimit.count() * 1000),
                      static_cast<gint>(waitLimit.count() * 1000));

    // As a screen reader does, it listens for a text's changes.
    AtspiEventListener* listener = atspi_event_listener_new(heardTextChange, nullptr, nullptr);
    GError* error = nullptr;
    if (!atspi_event_listener_register(listener, "object:text-changed:insert", &error))
        fail("cannot listen for text changes");

    Window window;
    window.application = findApplication(pid);
    std::printf("The program as a screen reader hears it:\n");
    hear("application", nameOf(window.application.get()));
    waitFor([&] {
        for (Object& child : childrenOf(window.application.get())) {
            if (roleOf(child.get()) == "frame" &&
                nameOf(child.get()).rfind("gridAtelier", 0) == 0) {
                window.frame = std::move(child);
                return true;
            }
        }
        return false;
    });
    if (!window.frame) fail("the program shows no window named \"gridAtelier...\"");
    hear("window", nameOf(window.frame.get()));
    findControls(window);
    std::printf("  81 cells named \"row 1, column 1\" to \"row 9, column 9\"\n");
    hear("Status", textOf(window.status));

    // The window takes the keyboard, as a window manager would give it.
    run("xdotool search --onlyvisible --pid " + std::to_string(pid) +
        " --name '^gridAtelier' windowfocus");
    if (!waitFor([&] { return hasState(window.frame.get(), ATSPI_STATE_ACTIVE); }))
        fail("the window never became active");

    const Object newPuzzle = menuItem(window, "New Puzzle");
    const std::string itemName = nameOf(newPuzzle.get());
    const std::string key = itemName.substr(itemName.find('\t') + 1);
    std::printf("\nNew Puzzle, by its menu item's key %s:\n", key.c_str());
    const std::string before = descriptionOf(cell(window, 1, 1)) + textOf(window.status);
    announced.clear();
    run("xdotool key " + xdotoolKey(key));
    int clues = 0, emptyRow = 0, emptyColumn = 0;
    std::string odd;
    const bool dealt = waitFor([&] {
        if (!scan(window)) return false;
        if (descriptionOf(cell(window, 1, 1)) + textOf(window.status) == before) return false;
        clues = countClues(window, emptyRow, emptyColumn, odd);
        return clues >= 17 && clues < 81;
    });
    if (!dealt)
        fail("after " + key + " the cells never told of a new puzzle's clues" +
             (clues < 0 ? ": " + odd + ", neither \"D, clue\" nor \"empty\"" : ""));
    for (int column = 1; column <= 9; ++column) hearCell(window, 1, column);
    const std::string status = textOf(window.status);
    hear("Status", status);
    if (!waitFor([&] {
            return std::any_of(announced.begin(), announced.end(),
                               [&](const std::string& words) { return oneLine(words) == status; });
        }))
        fail("the status box never announced its new words \"" + status + "\"");
    hear("Status announced", status);
    std::printf("  %d cells say \"D, clue\", %d \"empty\"\n", clues, 81 - clues);

    // Typing into the first empty cell, which the screen reader gives the focus.
    AtspiAccessible* open = cell(window, emptyRow, emptyColumn);
    const std::string openName = cellName(emptyRow, emptyColumn);
    std::printf("\nTyping 5 into %s:\n", openName.c_str());
    AtspiComponent* component = atspi_accessible_get_component_iface(open);
    if (component == nullptr) fail(openName + " has no Component interface");
    atspi_component_grab_focus(component, &error);
    g_object_unref(component);
    if (error != nullptr) {
        g_error_free(error);
        fail(openName + " would not take the focus");
    }
    if (!waitFor([&] { return hasState(open, ATSPI_STATE_FOCUSED); }))
        fail(openName + " never had the focus");
    hear("focused", openName + ", " + descriptionOf(open) + " (" + roleOf(open) + ")");
    run("xdotool key 5");
    static const std::regex typed("5(, mistake)?");
    std::string said;
    if (!waitFor([&] { return std::regex_match(said = descriptionOf(open), typed); }))
        fail(openName + " says \"" + said + "\" after 5 was typed, not \"5\" or \"5, mistake\"");
    hear(openName, said);
    hear("Status", textOf(window.status));

    closeProgram(window, pid);
    atspi_event_listener_deregister(listener, "object:text-changed:insert", nullptr);
    g_object_unref(listener);
    return 0;
}
