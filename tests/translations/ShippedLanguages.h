// The sixteen shipped languages and their translation sources, for the
// translation tests: the table of languages, a reader of the .ts files and
// the list of texts each language keeps as written in the source.
#ifndef SHIPPEDLANGUAGES_H
#define SHIPPEDLANGUAGES_H

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include "support/TranslationCatalog.h"

namespace ShippedLanguages {

struct Language {
    const char *key;       // the language's enum key, the file's base name
    const char *code;      // the .ts file's language attribute
    int numerusForms;      // plural forms of a %n text
    QFontDatabase::WritingSystem script;
};

inline const QList<Language> &all()
{
    static const QList<Language> languages = {
        {"Zh_SM", "zh_CN", 1, QFontDatabase::SimplifiedChinese},
        {"Zh_TR", "zh_TW", 1, QFontDatabase::TraditionalChinese},
        {"English", "en", 2, QFontDatabase::Latin},
        {"Japanese", "ja", 1, QFontDatabase::Japanese},
        {"Korean", "ko", 1, QFontDatabase::Korean},
        {"Russian", "ru", 3, QFontDatabase::Cyrillic},
        {"Arabic", "ar", 6, QFontDatabase::Arabic},
        {"Spanish", "es", 2, QFontDatabase::Latin},
        {"Portugal", "pt", 2, QFontDatabase::Latin},
        {"German", "de", 2, QFontDatabase::Latin},
        {"Italian", "it", 2, QFontDatabase::Latin},
        {"Polish", "pl", 3, QFontDatabase::Latin},
        {"French", "fr", 2, QFontDatabase::Latin},
        {"Ukrainian", "uk", 3, QFontDatabase::Cyrillic},
        {"Czech", "cs", 3, QFontDatabase::Latin},
        {"Turkish", "tr", 1, QFontDatabase::Latin},
    };
    return languages;
}

// The translation sources in the source tree.
inline QString sourceDir()
{
    return QDir::cleanPath(qEnvironmentVariable("LUMTAR_TEST_DATA") + QStringLiteral("/../../translations"));
}

inline QString tsPath(const char *key)
{
    return sourceDir() + QLatin1Char('/') + QLatin1String(key) + QStringLiteral(".ts");
}

struct Message {
    QString context;
    QString source;
    bool numerus = false;
    QString type;         // the translation's type: empty when finished
    QStringList forms;    // the translation, or its numerus forms
};

struct TsFile {
    QString error;
    QString language;
    QList<Message> messages;
};

inline TsFile readTs(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open ") + path;
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringRef name = xml.name();
            if (name == QLatin1String("TS")) {
                ts.language = xml.attributes().value(QStringLiteral("language")).toString();
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = Message();
                message.context = context;
                message.numerus = xml.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                message.type = xml.attributes().value(QStringLiteral("type")).toString();
                if (!message.numerus)
                    message.forms << xml.readElementText();
            } else if (name == QLatin1String("numerusform")) {
                message.forms << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            ts.messages << message;
        }
    }
    if (xml.hasError())
        ts.error = path + QStringLiteral(": ") + xml.errorString();
    return ts;
}

// "language<TAB>context<TAB>text" lines of translations/same-as-source.txt;
// in the text "\n" stands for a line break and "\\" for a backslash.
inline QSet<QString> sameAsSource(QString *error = nullptr)
{
    QSet<QString> entries;
    QFile file(sourceDir() + QStringLiteral("/same-as-source.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("cannot open ") + file.fileName();
        return entries;
    }
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).remove(QLatin1Char('\n'));
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 3) {
            if (error)
                *error = QStringLiteral("not three fields: ") + line;
            continue;
        }
        const QString text = TranslationCatalog::listedText(fields.at(2));
        entries.insert(fields.at(0) + QLatin1Char('\t') + fields.at(1) + QLatin1Char('\t') + text);
    }
    return entries;
}

inline QString sameAsSourceKey(const char *language, const Message &m)
{
    return QLatin1String(language) + QLatin1Char('\t') + m.context + QLatin1Char('\t') + m.source;
}

} // namespace ShippedLanguages

#endif
