// The desktop's modal dialogs and file dialogs.
#include "platform/qt/qt_desktop.h"

namespace ga {

int QtDesktop::runDialog(const DialogTemplate&, DialogEvents&) {
    return kDialogCancel;
}

bool QtDesktop::askFileName(const FileDialogRequest&, std::string&) {
    return false;
}

}  // namespace ga
