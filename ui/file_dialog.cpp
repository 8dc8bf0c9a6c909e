#include "ui/file_dialog.h"

#include "ui/atomic_file.h"

namespace ga {

std::string fileDialogFolder(Desktop& desktop, const FileDialogMemory& memory) {
    const std::string executable = desktop.executableFolder();
    if (!executable.empty() && canCreateFilesIn(executable)) return executable;
    return memory.lastFolder.empty() ? desktop.homeFolder() : memory.lastFolder;
}

bool chooseFile(Desktop& desktop, FileDialogMemory& memory, FileDialogRequest request,
                std::string& path) {
    request.startFolder = fileDialogFolder(desktop, memory);
    if (!desktop.askFileName(request, path) || path.empty()) return false;
    rememberChosenFile(memory, path);
    return true;
}

void rememberChosenFile(FileDialogMemory& memory, const std::string& path) {
    memory.lastFolder = folderOf(path);
}

}  // namespace ga
