// The platform's file dialogs (and the print dialog's print to a file) as the
// program opens them: in the executable's folder where files can be made there
// (a copy unpacked anywhere), otherwise (an installed copy) in the folder of
// the file chosen last in this run, and before any choice in the user's home
// folder.
#pragma once

#include <string>

#include "platform/desktop.h"

namespace ga {

// What the file dialogs remember for the run.
struct FileDialogMemory {
    std::string lastFolder;      // the folder of the file chosen last, ending in '/'
    std::string csvWorkingPath;  // the record-regions dialog's chosen CSV file
};

// The folder a file dialog opens in now.
std::string fileDialogFolder(Desktop& desktop, const FileDialogMemory& memory);

// Asks for a file in the dialog `request` describes, opened in
// fileDialogFolder. True with the chosen path, whose folder is remembered;
// false when the player cancelled.
bool chooseFile(Desktop& desktop, FileDialogMemory& memory, FileDialogRequest request,
                std::string& path);

// A file chosen in another dialog (the print dialog's print to a file, which
// starts in fileDialogFolder too): its folder is remembered as chooseFile's.
void rememberChosenFile(FileDialogMemory& memory, const std::string& path);

}  // namespace ga
