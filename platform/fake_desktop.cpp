#include "platform/fake_desktop.h"

#include <utility>

namespace ga {

namespace {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string numbers(std::initializer_list<int> values) {
    std::string out;
    for (int value : values) out += " " + std::to_string(value);
    return out;
}

std::string rectText(const ControlRect& rect) {
    return numbers({rect.x, rect.y, rect.width, rect.height});
}

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::kOpenCell:
            return "openCell";
        case ControlKind::kClueCell:
            return "clueCell";
        case ControlKind::kStatusBox:
            return "statusBox";
        case ControlKind::kPushButton:
            return "pushButton";
    }
    return "?";
}

}  // namespace

// Progress calls come from the worker thread; they land in the same log and
// state as everything else, under the same lock.
class FakeDesktop::RecordingBar : public ProgressSink {
  public:
    explicit RecordingBar(FakeDesktop& owner) : owner_(owner) {}

    void show() override {
        change("progress show", [](ProgressBarState& bar) { bar.visible = true; });
    }
    void hide() override {
        change("progress hide", [](ProgressBarState& bar) { bar.visible = false; });
    }
    void setPosition(int position) override {
        change("progress position " + std::to_string(position),
               [position](ProgressBarState& bar) { bar.position = position; });
    }

  private:
    template <typename Change>
    void change(std::string line, Change apply) {
        std::lock_guard<std::mutex> lock(owner_.mutex_);
        owner_.record(std::move(line));
        apply(owner_.progressBar_);
    }

    FakeDesktop& owner_;
};

FakeDesktop::FakeDesktop()
    : windowRect_{0, 0, 476, 600},
      clientWidth_(460),
      screenWidth_(1920),
      screenHeight_(1080),
      executableFolder_("./"),
      bar_(std::make_unique<RecordingBar>(*this)) {}

FakeDesktop::~FakeDesktop() = default;

void FakeDesktop::record(std::string line) {
    log_.push_back(std::move(line));
}

void FakeDesktop::markForPaint(int id) {
    auto found = controls_.find(id);
    if (found != controls_.end() && found->second.kind == ControlKind::kOpenCell) {
        pendingPaint_.insert(id);
    }
}

// --- Desktop ---------------------------------------------------------------------

void FakeDesktop::setTitle(const std::string& title) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("setTitle " + quoted(title));
    title_ = title;
}

int FakeDesktop::clientWidth() {
    std::lock_guard<std::mutex> lock(mutex_);
    record("clientWidth");
    return clientWidth_;
}

ScreenRect FakeDesktop::windowRect() {
    std::lock_guard<std::mutex> lock(mutex_);
    record("windowRect");
    return windowRect_;
}

void FakeDesktop::moveWindow(int left, int top, int width, int height) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("moveWindow" + numbers({left, top, width, height}));
    windowRect_ = ScreenRect{left, top, left + width, top + height};
}

int FakeDesktop::screenWidth() {
    std::lock_guard<std::mutex> lock(mutex_);
    record("screenWidth");
    return screenWidth_;
}

int FakeDesktop::screenHeight() {
    std::lock_guard<std::mutex> lock(mutex_);
    record("screenHeight");
    return screenHeight_;
}

void FakeDesktop::destroyWindow() {
    std::lock_guard<std::mutex> lock(mutex_);
    record("destroyWindow");
    destroyed_ = true;
}

bool FakeDesktop::createControl(int id, ControlKind kind, const ControlRect& rect) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("createControl " + std::to_string(id) + " " + kindName(kind) + rectText(rect));
    if (failingControls_.count(id) != 0) return false;
    ControlState control;
    control.kind = kind;
    control.rect = rect;
    controls_[id] = control;
    markForPaint(id);
    return true;
}

void FakeDesktop::destroyControl(int id) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("destroyControl " + std::to_string(id));
    controls_.erase(id);
    pendingPaint_.erase(id);
}

void FakeDesktop::moveControl(int id, const ControlRect& rect) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("moveControl " + std::to_string(id) + rectText(rect));
    auto found = controls_.find(id);
    if (found != controls_.end()) found->second.rect = rect;
}

void FakeDesktop::setText(int id, const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("setText " + std::to_string(id) + " " + quoted(text));
    auto found = controls_.find(id);
    if (found == controls_.end()) return;
    found->second.text = text;
    markForPaint(id);
}

std::string FakeDesktop::text(int id) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("text " + std::to_string(id));
    auto found = controls_.find(id);
    return found == controls_.end() ? std::string() : found->second.text;
}

void FakeDesktop::setFont(int id, FontChoice font) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("setFont " + std::to_string(id) + (font == FontChoice::kBig ? " big" : " small"));
    auto found = controls_.find(id);
    if (found == controls_.end()) return;
    found->second.font = font;
    markForPaint(id);
}

void FakeDesktop::enableControl(int id, bool enabled) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("enableControl " + std::to_string(id) + (enabled ? " 1" : " 0"));
    auto found = controls_.find(id);
    if (found != controls_.end()) found->second.enabled = enabled;
}

void FakeDesktop::repaint(int id) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("repaint " + std::to_string(id));
    markForPaint(id);
}

void FakeDesktop::setMenu(const MenuDescription& menu) {
    std::vector<int> commands;
    std::function<void(const std::vector<MenuEntry>&)> collect =
        [&](const std::vector<MenuEntry>& entries) {
            for (const MenuEntry& entry : entries) {
                if (entry.kind == MenuEntryKind::kItem) commands.push_back(entry.command);
                collect(entry.entries);
            }
        };
    for (const MenuPopup& popup : menu.popups) collect(popup.entries);
    addMenuItems(commands);
}

bool FakeDesktop::menuItemEnabled(int command) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = menuItems_.find(command);
    return found != menuItems_.end() && found->second.enabled;
}

void FakeDesktop::enableMenuItem(int command, bool enabled) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("enableMenuItem " + std::to_string(command) + (enabled ? " 1" : " 0"));
    auto found = menuItems_.find(command);
    if (found != menuItems_.end()) found->second.enabled = enabled;
}

void FakeDesktop::checkMenuItem(int command, bool checked) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("checkMenuItem " + std::to_string(command) + (checked ? " 1" : " 0"));
    auto found = menuItems_.find(command);
    if (found != menuItems_.end()) found->second.checked = checked;
}

void FakeDesktop::messageBox(const std::string& text, const std::string& title) {
    MessageBoxCall call{text, title};
    std::function<void(const MessageBoxCall&)> handler;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        record("messageBox " + quoted(text) + " " + quoted(title));
        messageBoxes_.push_back(call);
        handler = messageBoxHandler_;
    }
    if (handler) handler(call);
}

bool FakeDesktop::createProgressBar(const ControlRect& rect) {
    std::lock_guard<std::mutex> lock(mutex_);
    record("createProgressBar" + rectText(rect));
    if (progressBarFails_) return false;
    progressBar_ = ProgressBarState{};
    progressBar_.exists = true;
    progressBar_.rect = rect;
    return true;
}

ProgressSink* FakeDesktop::progressBar() {
    std::lock_guard<std::mutex> lock(mutex_);
    record("progressBar");
    return progressBar_.exists ? bar_.get() : nullptr;
}

void FakeDesktop::sendCommandFromWorker(int command) {
    std::unique_lock<std::mutex> lock(mutex_);
    record("sendCommandFromWorker " + std::to_string(command));
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

std::string FakeDesktop::executableFolder() {
    std::lock_guard<std::mutex> lock(mutex_);
    record("executableFolder");
    return executableFolder_;
}

std::string FakeDesktop::homeFolder() {
    std::lock_guard<std::mutex> lock(mutex_);
    record("homeFolder");
    return "/home/player/";
}

// --- scripting -----------------------------------------------------------------

void FakeDesktop::addMenuItems(const std::vector<int>& commands) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (int command : commands) menuItems_[command] = MenuItemState{};
}

void FakeDesktop::setClientWidth(int width) {
    std::lock_guard<std::mutex> lock(mutex_);
    clientWidth_ = width;
}

void FakeDesktop::setScreenSize(int width, int height) {
    std::lock_guard<std::mutex> lock(mutex_);
    screenWidth_ = width;
    screenHeight_ = height;
}

void FakeDesktop::setWindowRect(const ScreenRect& rect) {
    std::lock_guard<std::mutex> lock(mutex_);
    windowRect_ = rect;
}

void FakeDesktop::setExecutableFolder(const std::string& folder) {
    std::lock_guard<std::mutex> lock(mutex_);
    executableFolder_ = folder;
}

void FakeDesktop::failControlCreation(int id) {
    std::lock_guard<std::mutex> lock(mutex_);
    failingControls_.insert(id);
}

void FakeDesktop::failProgressBarCreation() {
    std::lock_guard<std::mutex> lock(mutex_);
    progressBarFails_ = true;
}

int FakeDesktop::runDialog(const DialogTemplate& dialog, DialogEvents& events) {
    std::function<void(FakeDialog&)> script;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dialogsRun_.push_back(dialog.id);
        script = dialogScript_;
    }
    FakeDialog open(dialog, events);
    open.open();
    if (script && !open.ended()) script(open);
    if (!open.ended()) open.close();
    const int result = open.ended() ? open.result() : kDialogCancel;
    std::lock_guard<std::mutex> lock(mutex_);
    record("runDialog " + std::to_string(dialog.id) + " -> " + std::to_string(result));
    return result;
}

bool FakeDesktop::askFileName(const FileDialogRequest& request, std::string& path) {
    std::function<bool(const FileDialogRequest&, std::string&)> answer;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        fileDialogs_.push_back(request);
        answer = fileDialogAnswer_;
    }
    std::string chosen = request.proposedPath;
    const bool taken = answer && answer(request, chosen);
    if (taken) path = chosen;
    const char* purpose = request.purpose == FileDialogRequest::Purpose::kSave ? "save" : "open";
    std::lock_guard<std::mutex> lock(mutex_);
    record(std::string("askFileName ") + purpose + " " + quoted(request.title) + " -> " +
           (taken ? quoted(chosen) : std::string("cancelled")));
    return taken;
}

void FakeDesktop::onDialog(std::function<void(FakeDialog&)> script) {
    std::lock_guard<std::mutex> lock(mutex_);
    dialogScript_ = std::move(script);
}

void FakeDesktop::onFileDialog(
    std::function<bool(const FileDialogRequest&, std::string& path)> answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    fileDialogAnswer_ = std::move(answer);
}

std::vector<int> FakeDesktop::dialogsRun() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return dialogsRun_;
}

std::vector<FileDialogRequest> FakeDesktop::fileDialogs() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return fileDialogs_;
}

void FakeDesktop::onMessageBox(std::function<void(const MessageBoxCall&)> handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    messageBoxHandler_ = std::move(handler);
}

void FakeDesktop::onWorkerCommand(std::function<void(int)> handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    workerHandler_ = std::move(handler);
}

void FakeDesktop::queueWorkerCommands() {
    std::lock_guard<std::mutex> lock(mutex_);
    workerQueued_ = true;
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

void FakeDesktop::onColourRequest(std::function<TextColour(int)> handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    colourHandler_ = std::move(handler);
}

int FakeDesktop::paintPendingCells() {
    std::set<int> cells;
    std::function<TextColour(int)> handler;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cells.swap(pendingPaint_);
        handler = colourHandler_;
    }
    int painted = 0;
    for (int id : cells) {
        // An earlier answer may have destroyed a cell that was still waiting.
        if (!control(id)) continue;
        TextColour colour = handler ? handler(id) : TextColour{};
        std::lock_guard<std::mutex> lock(mutex_);
        auto found = controls_.find(id);
        if (found == controls_.end()) continue;
        found->second.paintedColour = colour;
        ++painted;
    }
    return painted;
}

// --- inspection ------------------------------------------------------------------

std::vector<std::string> FakeDesktop::log() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return log_;
}

std::vector<std::string> FakeDesktop::logStartingWith(std::string_view prefix) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> lines;
    for (const std::string& line : log_) {
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
    }
    return lines;
}

void FakeDesktop::clearLog() {
    std::lock_guard<std::mutex> lock(mutex_);
    log_.clear();
}

std::optional<FakeDesktop::MenuItemState> FakeDesktop::menuItem(int command) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = menuItems_.find(command);
    if (found == menuItems_.end()) return std::nullopt;
    return found->second;
}

std::optional<FakeDesktop::ControlState> FakeDesktop::control(int id) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = controls_.find(id);
    if (found == controls_.end()) return std::nullopt;
    return found->second;
}

std::string FakeDesktop::shownTitle() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return title_;
}

ScreenRect FakeDesktop::shownWindowRect() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return windowRect_;
}

bool FakeDesktop::windowDestroyed() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return destroyed_;
}

std::vector<FakeDesktop::MessageBoxCall> FakeDesktop::messageBoxes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messageBoxes_;
}

FakeDesktop::ProgressBarState FakeDesktop::progressBarState() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return progressBar_;
}

}  // namespace ga
