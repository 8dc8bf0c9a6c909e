// gridAtelier: the desktop program's entry point.
//
//   gridatelier [FILE]   FILE: a puzzle file to open once the window is up;
//                        with a copy already running, it is handed to that
//                        copy's window, which comes to the front.
#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include "app/main_window.h"
#include "platform/qt/desktop_language.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/single_instance.h"
#include "ui/settings_file.h"

namespace {

// The first argument that is no option, as an absolute path: the copy it is
// handed to may run in another folder.
QString fileArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-')))
            return QFileInfo(arguments[i]).absoluteFilePath();
    }
    return QString();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Only the window's close flow ends the program; a dialog closing never does.
    QApplication::setQuitOnLastWindowClosed(false);
    ga::installDesktopLanguage(QLocale(), QStringLiteral(":/i18n"));
    const QString file = fileArgument(QCoreApplication::arguments());

    const ga::SingleInstanceGuard guard;
    if (!guard.isFirstInstance()) {
        if (!file.isEmpty()) ga::handOverFile(file);
        return 0;
    }

    ga::QtDesktop desktop;
    QObject::connect(
        &desktop, &ga::QtDesktop::ended, &application, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);

    ga::StartupSettings settings;
    settings.place = ga::chooseSettingsPlace(desktop.executableFolder(), ga::userSettingsFolder());
    settings.fileRead = ga::readSettings(settings.place, settings.file);
    settings.folders =
        ga::userFolders([&desktop](const std::string& name) { return desktop.environment(name); },
                        desktop.homeFolder());

    ga::MainWindow window(desktop, settings);
    if (!desktop.open(window)) return 0;
    const ga::FileHandOverServer handOver([&desktop, &window](const QString& path) {
        if (desktop.isMinimized()) desktop.showNormal();
        desktop.raise();
        desktop.activateWindow();
        window.openFile(path.toStdString());
    });
    // Once the event loop runs: the window is shown, the resumed game with it.
    if (!file.isEmpty())
        QTimer::singleShot(0, &desktop, [&window, file] { window.openFile(file.toStdString()); });
    return QApplication::exec();
}
