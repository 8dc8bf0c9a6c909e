// The translations as shipped: complete, and faithful to what the program
// fills into a text or reads out of it; and the language the program takes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <string>
#include <vector>

#include "core/translation.h"
#include "platform/qt/desktop_language.h"

namespace {

struct Message {
    QString context, source, translation;
    bool finished = false;
};

// A text of a message, with the control characters the file writes as
// <byte value="xd"/> put back.
QString readText(QXmlStreamReader& xml) {
    QString text;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (token == QXmlStreamReader::StartElement && xml.name() == u"byte") {
            const QString value = xml.attributes().value(QLatin1String("value")).toString();
            text += QChar(value.mid(1).toUInt(nullptr, 16));
        } else if (token == QXmlStreamReader::EndElement && xml.name() != u"byte") {
            break;
        }
    }
    return text;
}

std::vector<Message> readCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back(Message{context, {}, {}, false});
        } else if (xml.name() == u"source" && !messages.empty()) {
            messages.back().source = readText(xml);
        } else if (xml.name() == u"translation" && !messages.empty()) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().finished = type.isEmpty();
            messages.back().translation = readText(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList matches(const QString& text, const QRegularExpression& pattern) {
    QStringList found;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text))
        found << match.captured();
    return found;
}

// What a translation must keep of its source, each as a list compared whole;
// the numbered places may move, so theirs is sorted. A menu item's keys follow
// its tab, and the menu reads them there.
// A text holds either printf conversions (formatted) or numbered places
// (filled), never both; "%3s" in a filled text is place 3 and a plural s.
bool holdsPlaces(const QString& text) {
    static const QRegularExpression plainConversion(QStringLiteral("%[-+ #0]*[a-zA-Z]"));
    static const QRegularExpression place(QStringLiteral("%[1-9]"));
    return text.contains(place) && !text.contains(plainConversion);
}

QStringList kept(const QString& text, const QString& context, bool filledText) {
    static const QRegularExpression printfConversion(
        QStringLiteral("%[-+ #0]*[0-9]*(?:\\.[0-9]+)?(?:hh|h|ll|l|z)?[diouxXcsfgeEp]"));
    static const QRegularExpression numberedPlace(QStringLiteral("%[1-9]"));
    static const QRegularExpression keyMarker(QStringLiteral("&(?!&)(?<!&&)"));
    QString withoutDoubled = text;
    withoutDoubled.replace(QStringLiteral("%%"), QString())
        .replace(QStringLiteral("&&"), QString());
    QStringList places = matches(withoutDoubled, numberedPlace);
    places.sort();
    const qsizetype tab = context == u"Menu" ? text.indexOf(QLatin1Char('\t')) : -1;
    const QStringList conversions =
        filledText ? QStringList() : matches(withoutDoubled, printfConversion);
    return {QStringLiteral("printf: ") + conversions.join(' '),
            QStringLiteral("places: ") + places.join(' '),
            QStringLiteral("line breaks: ") + QString::number(text.count(QStringLiteral("\r\n"))),
            QStringLiteral("newlines: ") + QString::number(text.count(QLatin1Char('\n'))),
            QStringLiteral("key markers: ") +
                QString::number(matches(withoutDoubled, keyMarker).size()),
            QStringLiteral("tabs: ") + QString::number(text.count(QLatin1Char('\t'))),
            QStringLiteral("keys after the tab: ") + (tab < 0 ? QString() : text.mid(tab))};
}

TEST(Translations, EveryMarkedTextIsTranslatedAndKeepsWhatTheProgramNeeds) {
    const QDir folder(QString::fromLocal8Bit(qgetenv("GA_TS_FOLDER")));
    const QStringList files = folder.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 8) << "no catalogues in " << folder.path().toStdString();
    for (const QString& name : files) {
        const std::vector<Message> messages = readCatalogue(folder.filePath(name));
        EXPECT_FALSE(messages.empty()) << name.toStdString();
        int faults = 0;
        for (const Message& message : messages) {
            const std::string where = name.toStdString() + ", " + message.context.toStdString() +
                                      ": \"" + message.source.toStdString() + "\"";
            if (!message.finished || message.translation.isEmpty()) {
                ADD_FAILURE() << where << " has no translation";
                if (++faults == 20) break;
                continue;
            }
            const bool places = holdsPlaces(message.source);
            const QStringList want = kept(message.source, message.context, places),
                              got = kept(message.translation, message.context, places);
            for (qsizetype i = 0; i < want.size(); ++i) {
                if (want[i] == got[i]) continue;
                ADD_FAILURE() << where << " -> \"" << message.translation.toStdString()
                              << "\": " << want[i].toStdString() << " became "
                              << got[i].toStdString();
                ++faults;
            }
            if (faults >= 20) break;
        }
    }
}

TEST(Translations, TheProgramSpeaksTheDesktopsLanguageAndEnglishAsWritten) {
    struct Row {
        const char* locale;
        bool translated;
    };
    const Row rows[] = {{"de_DE", true}, {"fr_FR", true},  {"de_AT", true},
                        {"C", false},    {"en_US", false}, {"en_GB", false}};
    // One text of each catalogue.
    const std::pair<const char*, const char*> texts[] = {
        {"Menu", "New Puzzle"}, {"Technique", "Hidden Single"}, {"Help", "How to play"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locale);
        int argc = 1;
        char name[] = "translation_tests";
        char* argv[] = {name, nullptr};
        QCoreApplication application(argc, argv);
        EXPECT_EQ(ga::installDesktopLanguage(QLocale(QString::fromLatin1(row.locale)),
                                             QStringLiteral(GA_QM_FOLDER)),
                  row.translated);
        for (const auto& [context, text] : texts)
            EXPECT_EQ(ga::translate(context, text) != text, row.translated) << text;
        ga::installCatalogue(nullptr);
    }
}

}  // namespace
