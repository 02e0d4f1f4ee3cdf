// One shipped translation as the tests see it: read from its source file
// ("translations/<Language>.ts") with the texts a language keeps as they are
// ("translations/same-as-source.txt"), so a text shown on screen can be told
// apart as translated, left in English, or left over from another language.
#ifndef TRANSLATIONCATALOG_H
#define TRANSLATIONCATALOG_H

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

class QFontMetrics;

class TranslationCatalog
{
public:
    // Reads "<language>.ts" from the shipped translations folder; false with
    // a reason when the file is missing or malformed.
    bool load(const QString &language, QString *error = nullptr);

    const QString &language() const { return m_language; }
    // The folder of the shipped .ts files in the source tree.
    static QString sourceFolder();
    // A text as same-as-source.txt writes it: "\n" stands for a line break
    // and "\\" for a backslash.
    static QString listedText(const QString &raw);
    // The sixteen language keys, in the order of the language ids.
    static QStringList languages();

    // A text shown while this language is in use is still the English source:
    // a source text whose translation differs and that the language does not
    // keep as it is.
    bool isUntranslated(const QString &shown) const;
    // A text this language shows in place of a different English source
    // (a translation that is neither its source nor kept as it is).
    bool isOwnTranslation(const QString &shown) const;
    // How much wider than the English sources this language's translations
    // are, over all finished messages, in a font's metrics.
    double widthAgainstSource(const QFontMetrics &metrics) const;
    // Every finished translation, numerus forms included.
    const QSet<QString> &translations() const { return m_translations; }

private:
    QString m_language;
    QSet<QString> m_changedSources;   // sources translated to something else
    QSet<QString> m_keptSources;      // sources some context keeps as they are
    QSet<QString> m_translations;
    QSet<QString> m_ownTranslations;
    QVector<QPair<QString, QString>> m_pairs; // source, translation
};

#endif
