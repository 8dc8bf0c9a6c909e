#include "app/seen_board.h"

#include "ui/board_ids.h"

namespace ga {

void SeenBoard::clearMarks() {
    for (SeenCell& cell : cells_) cell.mark = CellMark::kNone;
}

std::bitset<kCells> SeenBoard::singleNotes() const {
    std::bitset<kCells> cells;
    for (int cell = 0; cell < kCells; ++cell) {
        const SeenCell& seen = cells_[cell];
        if (seen.notes && seen.text.size() == 1) cells.set(static_cast<size_t>(cell));
    }
    return cells;
}

std::string SeenBoard::text(int id) const {
    if (isCellId(id)) return cells_[cellIndexOf(id)].text;
    const auto found = otherTexts_.find(id);
    return found != otherTexts_.end() ? found->second : std::string();
}

void SeenBoard::created(int id) {
    if (isCellId(id)) {
        const CellMark mark = cells_[cellIndexOf(id)].mark;
        cells_[cellIndexOf(id)] = SeenCell{};
        cells_[cellIndexOf(id)].mark = mark;
    } else {
        otherTexts_[id].clear();
    }
}

void SeenBoard::destroyed(int id) {
    if (isCellId(id)) {
        created(id);
    } else {
        otherTexts_.erase(id);
    }
}

void SeenBoard::textSet(int id, const std::string& text) {
    if (!isCellId(id)) {
        otherTexts_[id] = text;
        return;
    }
    SeenCell& cell = cells_[cellIndexOf(id)];
    cell.text = text;
    cell.notes = false;  // a text set ends notes, as on the desktop
}

void SeenBoard::fontSet(int id, FontChoice font) {
    if (isCellId(id)) cells_[cellIndexOf(id)].font = font;
}

void SeenBoard::notesShown(int id, bool notes) {
    if (isCellId(id)) cells_[cellIndexOf(id)].notes = notes;
}

void SeenBoard::edited(int id, const std::string& text) {
    if (!isCellId(id)) return;
    SeenCell& cell = cells_[cellIndexOf(id)];
    cell.text = text;
    cell.notes = false;
}

void SeenBoard::accessibleTextSet(int id, const std::string& description) {
    if (isCellId(id)) cells_[cellIndexOf(id)].spoken = description;
}

// --- the desktop ---------------------------------------------------------------------

struct SeenBoardDesktop::ModalScope {
    explicit ModalScope(int& depth) : depth_(depth) { ++depth_; }
    ~ModalScope() { --depth_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    int& depth_;
};

void SeenBoardDesktop::messageBox(const std::string& text, const std::string& title) {
    const ModalScope scope(modalDepth_);
    desktop_.messageBox(text, title);
}

int SeenBoardDesktop::runDialog(const DialogTemplate& dialog, DialogEvents& events) {
    const ModalScope scope(modalDepth_);
    return desktop_.runDialog(dialog, events);
}

bool SeenBoardDesktop::askFileName(const FileDialogRequest& request, std::string& path) {
    const ModalScope scope(modalDepth_);
    return desktop_.askFileName(request, path);
}

PrintOutcome SeenBoardDesktop::printPicture(const BoardPicture& picture,
                                            const std::string& fileFolder,
                                            std::string& printedFile) {
    const ModalScope scope(modalDepth_);
    return desktop_.printPicture(picture, fileFolder, printedFile);
}

PrintOutcome SeenBoardDesktop::printPages(const Booklet& booklet, const std::string& fileFolder,
                                          std::string& printedFile) {
    const ModalScope scope(modalDepth_);
    return desktop_.printPages(booklet, fileFolder, printedFile);
}

}  // namespace ga
