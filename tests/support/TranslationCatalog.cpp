#include "support/TranslationCatalog.h"

#include <QFile>
#include <QFontMetrics>
#include <QMetaEnum>
#include <QXmlStreamReader>

#include "core/QtLinguist.h"

namespace {

// "language<TAB>context<TAB>text" per line; "#" starts a comment.
QSet<QString> keptTexts(const QString &language)
{
    QSet<QString> kept;
    QFile file(TranslationCatalog::sourceFolder() + QStringLiteral("/same-as-source.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return kept;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() == 3 && fields.at(0) == language)
            kept.insert(TranslationCatalog::listedText(fields.at(2)));
    }
    return kept;
}

} // namespace

QString TranslationCatalog::listedText(const QString &raw)
{
    QString text;
    for (int i = 0; i < raw.size(); ++i) {
        if (raw.at(i) == QLatin1Char('\\') && i + 1 < raw.size()) {
            ++i;
            text += raw.at(i) == QLatin1Char('n') ? QLatin1Char('\n') : raw.at(i);
        } else {
            text += raw.at(i);
        }
    }
    return text;
}

QString TranslationCatalog::sourceFolder()
{
    return QStringLiteral(LUMTAR_TRANSLATIONS_SOURCE);
}

QStringList TranslationCatalog::languages()
{
    QStringList keys;
    const QMetaEnum e = QMetaEnum::fromType<QtLinguist::Language>();
    for (int id = QtLinguist::Zh_SM; id <= QtLinguist::Turkish; ++id)
        keys << QString::fromLatin1(e.valueToKey(id));
    return keys;
}

bool TranslationCatalog::load(const QString &language, QString *error)
{
    m_language = language;
    m_changedSources.clear();
    m_keptSources.clear();
    m_translations.clear();
    m_ownTranslations.clear();
    m_pairs.clear();

    QFile file(sourceFolder() + QLatin1Char('/') + language + QStringLiteral(".ts"));
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.fileName() + QStringLiteral(": ") + file.errorString();
        return false;
    }
    const QSet<QString> kept = keptTexts(language);
    const bool english = language == QLatin1String("English");

    QXmlStreamReader xml(&file);
    QString source;
    QStringList forms;
    bool unfinished = false;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("message")) {
                source.clear();
                forms.clear();
                unfinished = false;
                numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                unfinished = type == QLatin1String("unfinished") || type == QLatin1String("vanished")
                             || type == QLatin1String("obsolete");
                // Plain text here; a counting message has its forms below.
                if (!numerus) {
                    const QString text = xml.readElementText();
                    if (!text.isEmpty())
                        forms << text;
                }
            } else if (xml.name() == QLatin1String("numerusform")) {
                forms << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (unfinished || forms.isEmpty() || source.isEmpty())
                continue;
            for (const QString &form : qAsConst(forms)) {
                m_translations.insert(form);
                m_pairs.append({source, form});
                if (form == source || english || kept.contains(source))
                    m_keptSources.insert(source);
                else {
                    m_changedSources.insert(source);
                    m_ownTranslations.insert(form);
                }
            }
        }
    }
    if (xml.hasError()) {
        if (error)
            *error = file.fileName() + QStringLiteral(": ") + xml.errorString();
        return false;
    }
    return true;
}

bool TranslationCatalog::isUntranslated(const QString &shown) const
{
    return m_changedSources.contains(shown) && !m_keptSources.contains(shown)
           && !m_translations.contains(shown);
}

bool TranslationCatalog::isOwnTranslation(const QString &shown) const
{
    return m_ownTranslations.contains(shown) && !m_keptSources.contains(shown);
}

double TranslationCatalog::widthAgainstSource(const QFontMetrics &metrics) const
{
    qint64 source = 0, translated = 0;
    for (const auto &pair : m_pairs) {
        source += metrics.horizontalAdvance(pair.first);
        translated += metrics.horizontalAdvance(pair.second);
    }
    return source > 0 ? double(translated) / double(source) : 1.0;
}
