// The program's texts in the desktop's language: the catalogues built into
// the program for it, and Qt's own for its standard buttons and file dialogs.
#pragma once

#include <QLocale>
#include <QString>

namespace ga {

// Installs the catalogues of `locale`'s first language that has them, from
// `folder` (":/i18n" in the program), and hands them to translate(). Under an
// English or the C locale nothing is installed and every text stays as it is
// written. Returns whether a catalogue of the program's own was found.
bool installDesktopLanguage(const QLocale& locale, const QString& folder);

}  // namespace ga
