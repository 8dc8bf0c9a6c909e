#include "platform/qt/desktop_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/translation.h"

namespace ga {

namespace {

constexpr const char* kCatalogues[] = {"gridatelier", "gridatelier_app", "gridatelier_ladder",
                                       "gridatelier_help"};

std::string fromCatalogues(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

// Kept for the whole run: the application holds only pointers to them.
QTranslator* newTranslator() {
    return new QTranslator(QCoreApplication::instance());
}

}  // namespace

bool installDesktopLanguage(const QLocale& locale, const QString& folder) {
    bool found = false;
    for (const char* name : kCatalogues) {
        QTranslator* translator = newTranslator();
        if (translator->load(locale, QString::fromLatin1(name), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            found = true;
        } else {
            delete translator;
        }
    }
    if (!found) return false;
    QTranslator* qtTexts = newTranslator();
    if (qtTexts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
    installCatalogue(&fromCatalogues);
    return true;
}

}  // namespace ga
