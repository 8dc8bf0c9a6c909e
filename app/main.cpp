// gridAtelier: the desktop program's entry point.
#include <QApplication>
#include <QObject>

#include "app/main_window.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/single_instance.h"
#include "ui/settings_file.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Only the window's close flow ends the program; a dialog closing never does.
    QApplication::setQuitOnLastWindowClosed(false);

    const ga::SingleInstanceGuard guard;
    if (!guard.isFirstInstance()) return 0;

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
    return QApplication::exec();
}
