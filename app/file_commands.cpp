#include "app/file_commands.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/menu_state.h"
#include "app/player_commands.h"
#include "app/puzzle_text_commands.h"
#include "app/status_messages.h"
#include "core/checks.h"
#include "core/translation.h"
#include "ui/any_puzzle_file.h"
#include "ui/atomic_file.h"
#include "ui/board.h"
#include "ui/puzzle_file.h"
#include "ui/save_question_dialog.h"

namespace ga {

namespace {

enum class SaveOutcome { kSaved, kNotWritten, kCancelled };

// The program's own file first: it is what Save Puzzle writes unless the
// name asks for another format.
std::vector<FileFilter> puzzleFileFilters(FileDialogRequest::Purpose purpose) {
    if (purpose == FileDialogRequest::Purpose::kOpen) {
        return {
            {translate("Dialog", "grid atelier file (*.ga)"), "*.ga"},
            {translate("Dialog", "puzzle files (*.ga *.sdk *.ss *.sdm *.opensudoku *.xml *.txt)"),
             "*.ga *.sdk *.ss *.sdm *.opensudoku *.xml *.txt"},
            {translate("Dialog", "all files (*.*)"), "*.*"}};
    }
    return {{translate("Dialog", "grid atelier file (*.ga)"), "*.ga"},
            {translate("Dialog", "puzzle with notes (*.sdk)"), "*.sdk"},
            {translate("Dialog", "puzzle drawn in boxes (*.ss)"), "*.ss"},
            {translate("Dialog", "puzzle line (*.sdm)"), "*.sdm"},
            {translate("Dialog", "XML collection (*.opensudoku)"), "*.opensudoku"},
            {translate("Dialog", "all files (*.*)"), "*.*"}};
}

// The format a saved file is written in: the one its name's extension
// stands for, the program's own for any other name.
PuzzleFormat saveFormatOf(const std::string& path) {
    const PuzzleFormat format = formatOfFileName(path);
    return format == PuzzleFormat::kUnknown || format == PuzzleFormat::kLines
               ? PuzzleFormat::kGaFile
               : format;
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
    request.title = translate("Dialog", "save file as ...");
    request.filters = puzzleFileFilters(request.purpose);
    request.defaultExtension = "ga";
    return chooseFile(desktop, files, request, path);
}

// Puts a puzzle read from the file at `path` on the board, as loaded.
void showFilePuzzle(Desktop& desktop, WindowState& state, const std::string& path,
                    PuzzleFileHeader header, PuzzleRecord puzzle, PuzzleFormat format) {
    if (header.finished == 1) {
        // A finished puzzle comes back to be played again.
        for (int cell = 0; cell < kCells; ++cell) {
            if (puzzle.openFlags[cell] != 0) puzzle.valueGrid[cell] = 0;
            puzzle.candidateNumbers[cell] = 0;
        }
    }
    loadClues(puzzle);
    // Other programs' files hold the clues alone: the answer is found as for
    // a pasted puzzle, so checking and rating work as for the program's own.
    if (format != PuzzleFormat::kGaFile && puzzle.answerKnown == 0) countPastedAnswers(puzzle);

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
}

SaveOutcome saveToChosenFile(Desktop& desktop, WindowState& state) {
    // Recorded at saving time: a loaded finished puzzle is offered afresh.
    state.header.finished = isComplete(state.puzzle.valueGrid) ? 1 : 0;
    std::string path;
    if (!askSaveName(desktop, state.files, path)) return SaveOutcome::kCancelled;
    if (writePuzzleFileAs(saveFormatOf(path), state.header, state.puzzle, path) !=
        kPuzzleFileWritten) {
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

void loadPuzzle(Desktop& desktop, WindowState& state, Settings& defaults, JobControl& jobs) {
    if (!confirmSave(desktop, state, defaults)) return;

    FileDialogRequest request;
    request.purpose = FileDialogRequest::Purpose::kOpen;
    request.title = translate("Dialog", "open file selected");
    request.filters = puzzleFileFilters(request.purpose);
    request.defaultExtension = "ga";
    std::string path;
    if (!chooseFile(desktop, state.files, request, path)) return;
    loadPuzzleFrom(desktop, state, jobs, path);
}

void openHandedPuzzle(Desktop& desktop, WindowState& state, Settings& defaults, JobControl& jobs) {
    std::string path;
    path.swap(state.handedFile);
    if (path.empty() || state.handBuildStage != 0) return;
    if (!confirmSave(desktop, state, defaults)) return;
    loadPuzzleFrom(desktop, state, jobs, path);
}

bool loadPuzzleFrom(Desktop& desktop, WindowState& state, JobControl& jobs,
                    const std::string& path) {
    // Read into locals: a refused file leaves the board as it was.
    const AnyPuzzleFile file = readPuzzleFileAt(path);
    const PuzzleFileContent& content = file.content;
    if (!content.ok()) {
        // The program's own file, or none at all, is refused as it always was;
        // a text file tells where it went wrong.
        if (content.format == PuzzleFormat::kGaFile || content.format == PuzzleFormat::kUnknown) {
            showError(desktop, kErrorLoadFailed);
        } else {
            desktop.messageBox(puzzleFileRefusalText(fileNameOf(path), content.error),
                               kLoadRefusedTitle);
        }
        return false;
    }
    int chosen = -1;
    if (content.puzzles.size() > 1 &&
        !chooseFromCollection(desktop, state, jobs, path, content, chosen))
        return false;
    showFilePuzzle(desktop, state, path, file.header,
                   content.puzzles[chosen >= 0 ? static_cast<std::size_t>(chosen) : 0],
                   content.format);
    if (chosen >= 0) {
        desktop.setTitle(collectionTitle(state.collection, chosen));
        startCollectionPuzzle(state, chosen);
    }
    return true;
}

void openNextInCollection(Desktop& desktop, WindowState& state, Settings& defaults) {
    const int next = nextCollectionPuzzle(state);
    if (next < 0 || state.handBuildStage != 0 || !confirmSave(desktop, state, defaults)) return;
    const Collection& collection = state.collection;
    PuzzleFileHeader header;
    header.puzzleClass = kHandBuiltClass;
    showFilePuzzle(desktop, state, collection.path, header, collection.puzzles[next],
                   PuzzleFormat::kSdm);
    desktop.setTitle(collectionTitle(collection, next));
    startCollectionPuzzle(state, next);
}

}  // namespace ga
