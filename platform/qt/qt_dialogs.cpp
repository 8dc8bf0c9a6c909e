// The desktop's modal dialogs and file dialogs.
#include <QFileDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QStringList>

#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_text.h"

namespace ga {

namespace {

// Qt reads a filter's patterns from the parentheses of its name; a name
// without them would be taken word by word as patterns.
QString filterOf(const FileFilter& filter) {
    const QString name = toQt(filter.name);
    if (name.contains(QLatin1Char('(')) || filter.pattern.empty()) return name;
    return name + QStringLiteral(" (") + toQt(filter.pattern) + QLatin1Char(')');
}

// The extension a name typed without one gets under `filter`: its pattern's
// ("*.pdf" gives "pdf"), or the request's default for a pattern like "*.*".
QString suffixUnder(const FileFilter& filter, const FileDialogRequest& request) {
    const QString pattern = toQt(filter.pattern);
    const QString suffix = pattern.mid(2);
    if (!pattern.startsWith(QStringLiteral("*.")) || suffix.isEmpty() ||
        suffix.contains(QLatin1Char('*'))) {
        return toQt(request.defaultExtension);
    }
    return suffix;
}

}  // namespace

int QtDesktop::runDialog(const DialogTemplate& dialog, DialogEvents& events) {
    QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    // Held by its owner too: should the owner go while the dialog runs, the
    // owner deletes it and the pointer says so.
    QPointer<DialogWindow> window = new DialogWindow(dialog, events, modalOwner(*this));
    const int result = window->run(shown);
    delete window.data();
    return result;
}

bool QtDesktop::askFileName(const FileDialogRequest& request, std::string& path) {
    const bool saving = request.purpose == FileDialogRequest::Purpose::kSave;
    QPointer<QFileDialog> dialog = new QFileDialog(modalOwner(*this), toQt(request.title));
    // Qt's own dialog, the same on every desktop, and one tests can drive.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const FileFilter& filter : request.filters) filters << filterOf(filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        dialog->selectNameFilter(filters.front());
    }
    dialog->setDefaultSuffix(toQt(request.defaultExtension));
    // Choosing another filter makes a bare name take that filter's extension.
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [&](const QString& chosen) {
        const qsizetype index = filters.indexOf(chosen);
        if (index >= 0) dialog->setDefaultSuffix(suffixUnder(request.filters[index], request));
    });
    if (!request.startFolder.empty()) dialog->setDirectory(toQt(request.startFolder));
    if (!request.proposedPath.empty()) dialog->selectFile(toQt(request.proposedPath));

    const bool chosen = dialog->exec() == QDialog::Accepted && dialog != nullptr &&
                        !dialog->selectedFiles().isEmpty();
    if (chosen) path = fromQt(dialog->selectedFiles().front());
    delete dialog.data();
    return chosen;
}

}  // namespace ga
