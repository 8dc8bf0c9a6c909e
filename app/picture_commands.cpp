#include "app/picture_commands.h"

#include <string>

#include "app/status_messages.h"
#include "core/translation.h"
#include "ui/board_picture.h"
#include "ui/file_dialog.h"

namespace ga {

namespace {

BoardPicture picture(Desktop& desktop, const WindowState& state) {
    BoardPicture shown = boardPicture(desktop, state.puzzle, state.header.puzzleClass);
    shown.coordinates = state.player.preferences.showCoordinates;
    return shown;
}

}  // namespace

void printBoard(Desktop& desktop, WindowState& state) {
    std::string printedFile;
    const PrintOutcome outcome = desktop.printPicture(
        picture(desktop, state), fileDialogFolder(desktop, state.files), printedFile);
    finishPrint(desktop, state, outcome, printedFile);
}

void finishPrint(Desktop& desktop, WindowState& state, PrintOutcome outcome,
                 const std::string& printedFile) {
    if (outcome == PrintOutcome::kFailed) showError(desktop, kErrorPrintFailed);
    if (outcome != PrintOutcome::kCancelled && !printedFile.empty())
        rememberChosenFile(state.files, printedFile);
}

void exportBoardPicture(Desktop& desktop, WindowState& state) {
    FileDialogRequest request;
    request.purpose = FileDialogRequest::Purpose::kSave;
    request.title = translate("Dialog", "export picture as ...");
    request.filters = {{translate("Dialog", "PNG image (*.png)"), "*.png"},
                       {translate("Dialog", "PDF document (*.pdf)"), "*.pdf"}};
    request.defaultExtension = "png";
    std::string path;
    if (!chooseFile(desktop, state.files, request, path)) return;
    if (!desktop.savePicture(picture(desktop, state), path)) {
        showError(desktop, kErrorPictureFailed);
    }
}

}  // namespace ga
