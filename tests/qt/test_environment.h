// What every Qt test program needs before its QApplication exists.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

namespace ga::testing {

// Qt wants a private runtime folder; when the caller gave none, a fresh one
// (mode 0700, removed at exit) keeps the test from warning and from sharing
// the lock file of a copy of the program the user is running.
inline void prepareQtTestEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/gridatelier-test-XXXXXX"));
    if (folder.isValid()) qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
}

}  // namespace ga::testing
