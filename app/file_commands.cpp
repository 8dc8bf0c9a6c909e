#include "app/file_commands.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/menu_state.h"
#include "app/player_commands.h"
#include "app/status_messages.h"
#include "core/checks.h"
#include "ui/atomic_file.h"
#include "ui/board.h"
#include "ui/puzzle_file.h"
#include "ui/save_question_dialog.h"

namespace ga {

namespace {

enum class SaveOutcome { kSaved, kNotWritten, kCancelled };

std::vector<FileFilter> puzzleFileFilters() {
    return {{"grid atelier file (*.ga)", "*.ga"}, {"all files (*.*)", "*.*"}};
}

// The settings keep the bare name for the status and the title. A name longer
// than the field is cut before a UTF-8 continuation byte, so what shows is
// never half a character.
void storeFileName(Settings& settings, const std::string& path) {
    const std::string name = fileNameOf(path);
    std::size_t length = name.size();
    if (length >= sizeof settings.fileName) {
        length = sizeof settings.fileName - 1;
        while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) --length;
    }
    std::memcpy(settings.fileName, name.data(), length);
    settings.fileName[length] = '\0';
}

// The file dialog of "Save Puzzle": true with the chosen path, false when the
// player cancelled.
bool askSaveName(Desktop& desktop, FileDialogMemory& files, std::string& path) {
    FileDialogRequest request;
    request.purpose = FileDialogRequest::Purpose::kSave;
    request.title = "save file as ...";
    request.filters = puzzleFileFilters();
    request.defaultExtension = "ga";
    return chooseFile(desktop, files, request, path);
}

SaveOutcome saveToChosenFile(Desktop& desktop, WindowState& state) {
    // Recorded at saving time: a loaded finished puzzle is offered afresh.
    state.header.finished = isComplete(state.puzzle.valueGrid) == 0 ? 1 : 0;
    std::string path;
    if (!askSaveName(desktop, state.files, path)) return SaveOutcome::kCancelled;
    if (writePuzzleFile(state.header, state.puzzle, path.c_str()) != kPuzzleFileWritten) {
        showError(desktop, kErrorSaveFailed);
        return SaveOutcome::kNotWritten;
    }
    state.settings.modified = 0;
    enterMenuMode(desktop, state, kMenuSaved);
    storeFileName(state.settings, path);
    setStatus(desktop, state, kStatusSaved);
    rememberRecentPuzzle(desktop, state, path);
    return SaveOutcome::kSaved;
}

}  // namespace

bool saveOnConfirm(Desktop& desktop, WindowState& state, int answer) {
    if (answer != kSaveQuestionYes) return false;
    // The player asked for the puzzle to be kept: a save that did not happen,
    // whether cancelled or failed, must not let the command throw it away.
    return saveToChosenFile(desktop, state) != SaveOutcome::kSaved;
}

bool confirmSave(Desktop& desktop, WindowState& state, Settings& defaults) {
    if (state.settings.modified != 1 || state.settings.neverConfirmSave != 0) return true;
    const int answer = runSaveQuestionDialog(desktop, defaults, state.settings);
    // Anything but a clear "Yes" or "No" keeps the puzzle: losing it is the
    // one outcome that cannot be undone.
    if (answer != kSaveQuestionYes && answer != kSaveQuestionNo) return false;
    return !saveOnConfirm(desktop, state, answer);
}

void savePuzzle(Desktop& desktop, WindowState& state) {
    saveToChosenFile(desktop, state);
}

void loadPuzzle(Desktop& desktop, WindowState& state, Settings& defaults) {
    if (!confirmSave(desktop, state, defaults)) return;

    FileDialogRequest request;
    request.purpose = FileDialogRequest::Purpose::kOpen;
    request.title = "open file selected";
    request.filters = puzzleFileFilters();
    request.defaultExtension = "ga";
    std::string path;
    if (!chooseFile(desktop, state.files, request, path)) return;
    loadPuzzleFrom(desktop, state, path);
}

bool loadPuzzleFrom(Desktop& desktop, WindowState& state, const std::string& path) {
    // Read into locals: a refused file leaves the board as it was.
    PuzzleFileHeader header;
    PuzzleRecord puzzle{};
    if (readPuzzleFile(path.c_str(), header, puzzle) != kPuzzleFileRead) {
        showError(desktop, kErrorLoadFailed);
        return false;
    }
    if (header.finished == 1) {
        // A finished puzzle comes back to be played again.
        for (int cell = 0; cell < kCells; ++cell) {
            if (puzzle.openFlags[cell] != 0) puzzle.valueGrid[cell] = 0;
            puzzle.candidateNumbers[cell] = 0;
        }
    }
    loadClues(puzzle);

    replaceBoard(desktop, state.puzzle, puzzle);
    state.header = header;
    // Absolute mistakes need an answer; the loaded puzzle may have none.
    setExpressMode(desktop, state.settings.expressMode, state.settings.expressMode,
                   state.puzzle.answerKnown != 0);
    enterMenuMode(desktop, state, kMenuLoaded);

    storeFileName(state.settings, path);
    char title[2 * kSettingsTextBytes];
    std::snprintf(title, sizeof title, "%s -- %s", kProgramName, state.settings.fileName);
    desktop.setTitle(title);
    setStatus(desktop, state, kStatusLoaded);
    rememberRecentPuzzle(desktop, state, path);
    return true;
}

}  // namespace ga
