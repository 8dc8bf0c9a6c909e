#include "platform/fake_desktop.h"

#include <utility>

namespace ga {

namespace {

constexpr const char* kKindNames[] = {"openCell",    "clueCell",   "statusBox",      "pushButton",
                                      "digitButton", "clockLabel", "coordinateLabel"};
static_assert(sizeof kKindNames / sizeof kKindNames[0] ==
              static_cast<int>(ControlKind::kCoordinateLabel) + 1);

void collectItems(const std::vector<MenuEntry>& entries, std::vector<int>& commands) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntryKind::kItem) commands.push_back(entry.command);
        collectItems(entry.entries, commands);
    }
}

std::string cellName(int cell) {
    return "r" + std::to_string(rowOf(cell) + 1) + "c" + std::to_string(columnOf(cell) + 1);
}

// "r4c7 cover {2 5* 6-}": the cell, its tint, then its digits, each marked
// "*", "+", "^" for the sets 1..3 and "-" for removed; "=5" for a placement.
std::string drawnCellWords(int cell, const BoardDrawing::Cell& shown) {
    static constexpr const char* kTints[] = {"",      " base", " cover", " fin",
                                             " set1", " set2", " set3"};
    std::string out = cellName(cell) + kTints[static_cast<int>(shown.tint)];
    if (!shown.drawn) return out;
    if (shown.placed != 0) return out + " =" + std::to_string(shown.placed);
    out += " {";
    for (int value = 1; value <= 9; ++value) {
        const uint16_t bit = static_cast<uint16_t>(1u << (value - 1));
        if (!(shown.candidates & bit)) continue;
        if (out.back() != '{') out += ' ';
        out += std::to_string(value);
        for (int set = 0; set < BoardDrawing::kSetColours; ++set) {
            if (shown.pattern[set] & bit) out += "*+^"[set];
        }
        if (shown.removed & bit) out += '-';
    }
    return out + "}";
}

std::string drawingWords(const BoardDrawing& drawing) {
    std::string out;
    for (int cell = 0; cell < kCells; ++cell) {
        const BoardDrawing::Cell& shown = drawing.cells[cell];
        if (shown.drawn || shown.tint != BoardDrawing::Tint::kNone)
            out += " | " + drawnCellWords(cell, shown);
    }
    if (!drawing.rings.empty()) out += " | rings";
    for (const BoardDrawing::Ring& ring : drawing.rings) {
        out += " " + std::to_string(ring.value) + (ring.on ? "+" : "-");
        for (int i = 0; i < ring.cellCount; ++i) out += (i ? "," : "") + cellName(ring.cells[i]);
    }
    if (!drawing.arrows.empty()) out += " | links";
    for (const BoardDrawing::Arrow& arrow : drawing.arrows)
        out += " " + std::to_string(arrow.from) + ">" + std::to_string(arrow.to) +
               "swi"[static_cast<int>(arrow.link)] +
               (arrow.branch ? "@" + std::to_string(arrow.branch) : std::string());
    return out;
}

}  // namespace

void FakeDesktop::showStep(const StepView& view, int questionCommand) {
    if (!view.drawing.shown) {
        note("showStep none");
        return;
    }
    note("showStep " + quoted(view.question) + " " + std::to_string(questionCommand) +
         drawingWords(view.drawing) + " | words " + quoted(view.words));
}

void FakeDesktop::showHelp(const HelpBook& book, int page) {
    const bool inBook = page >= 0 && page < static_cast<int>(book.pages.size());
    note("showHelp " + std::to_string(book.pages.size()) + " pages, at " +
         (inBook ? quoted(book.pages[page].title) : std::to_string(page)));
}

std::string FakeDesktop::numbers(std::initializer_list<int> values) {
    std::string out;
    for (int value : values) out += " " + std::to_string(value);
    return out;
}

bool FakeDesktop::createControl(int id, ControlKind kind, const ControlRect& rect) {
    change("createControl " + std::to_string(id) + " " + kKindNames[static_cast<int>(kind)] +
               numbers({rect.x, rect.y, rect.width, rect.height}),
           [&] {
               ControlState made;
               made.kind = kind;
               made.rect = rect;
               controls_[id] = made;
               if (kind == ControlKind::kOpenCell) pendingPaint_.insert(id);
           });
    return true;
}

void FakeDesktop::setMenu(const MenuDescription& menu) {
    std::vector<int> commands;
    for (const MenuPopup& popup : menu.popups) collectItems(popup.entries, commands);
    addMenuItems(commands);
}

void FakeDesktop::addMenuItems(const std::vector<int>& commands) {
    change("", [&] {
        for (int command : commands) menuItems_[command] = MenuItemState{};
    });
}

int FakeDesktop::runDialog(const DialogTemplate& dialog, DialogEvents& events) {
    std::function<void(FakeDialog&)> script;
    change("", [&] {
        dialogsRun_.push_back(dialog.id);
        script = dialogScript_;
    });
    FakeDialog open(dialog, events);
    open.open();
    if (script && !open.ended()) script(open);
    if (!open.ended()) open.close();
    const int result = open.ended() ? open.result() : kDialogCancel;
    note("runDialog " + std::to_string(dialog.id) + " -> " + std::to_string(result));
    return result;
}

bool FakeDesktop::askFileName(const FileDialogRequest& request, std::string& path) {
    std::function<bool(const FileDialogRequest&, std::string&)> answer;
    change("", [&] {
        fileDialogs_.push_back(request);
        answer = fileDialogAnswer_;
    });
    std::string chosen = request.proposedPath;
    const bool taken = answer && answer(request, chosen);
    if (taken) path = chosen;
    const char* purpose = request.purpose == FileDialogRequest::Purpose::kSave ? "save" : "open";
    note(std::string("askFileName ") + purpose + " " + quoted(request.title) + " -> " +
         (taken ? quoted(chosen) : std::string("cancelled")));
    return taken;
}

void FakeDesktop::sendCommandFromWorker(int command) {
    std::unique_lock<std::mutex> lock(mutex_);
    log_.push_back("sendCommandFromWorker " + std::to_string(command));
    if (!workerQueued_) {
        std::function<void(int)> handler = workerHandler_;
        lock.unlock();
        if (handler) handler(command);
        return;
    }
    workerCommands_.push_back(command);
    const unsigned long long ticket = ++workerSent_;
    workerChanged_.notify_all();
    workerChanged_.wait(lock, [&] { return workerHandled_ >= ticket; });
}

bool FakeDesktop::deliverWorkerCommand(std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!workerChanged_.wait_for(lock, timeout, [&] { return !workerCommands_.empty(); })) {
        return false;
    }
    const int command = workerCommands_.front();
    workerCommands_.pop_front();
    std::function<void(int)> handler = workerHandler_;
    lock.unlock();
    if (handler) handler(command);
    lock.lock();
    ++workerHandled_;
    workerChanged_.notify_all();
    return true;
}

int FakeDesktop::paintPendingCells() {
    std::set<int> cells;
    std::function<TextColour(int)> handler;
    change("", [&] {
        cells.swap(pendingPaint_);
        handler = colourHandler_;
    });
    int painted = 0;
    for (int id : cells) {
        // An earlier answer may have destroyed a cell that was still waiting.
        if (!control(id)) continue;
        const TextColour colour = handler ? handler(id) : TextColour{};
        change("", [&] {
            auto found = controls_.find(id);
            if (found == controls_.end()) return;
            found->second.paintedColour = colour;
            ++painted;
        });
    }
    return painted;
}

std::vector<std::string> FakeDesktop::logStartingWith(std::string_view prefix) const {
    std::vector<std::string> lines;
    for (const std::string& line : read(log_)) {
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
    }
    return lines;
}

std::optional<FakeDesktop::MenuItemState> FakeDesktop::menuItem(int command) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = menuItems_.find(command);
    if (found == menuItems_.end()) return std::nullopt;
    return found->second;
}

std::set<int> FakeDesktop::menuItems(bool MenuItemState::*which) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::set<int> found;
    for (const auto& [command, item] : menuItems_)
        if (item.*which) found.insert(command);
    return found;
}

std::optional<FakeDesktop::ControlState> FakeDesktop::control(int id) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = controls_.find(id);
    if (found == controls_.end()) return std::nullopt;
    return found->second;
}

}  // namespace ga
