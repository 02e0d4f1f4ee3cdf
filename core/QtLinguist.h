// The sixteen interface languages: maps the system language to one of them
// and installs the translation file of the chosen one.
#ifndef QTLINGUIST_H
#define QTLINGUIST_H

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QString>

class QTranslator;

class QtLinguist : public QObject
{
    Q_OBJECT

public:
    enum Language {
        Zh_SM = 1,
        Zh_TR,
        English,
        Japanese,
        Korean,
        Russian,
        Arabic,
        Spanish,
        Portugal,
        German,
        Italian,
        Polish,
        French,
        Ukrainian,
        Czech,
        Turkish
    };
    Q_ENUM(Language)

    explicit QtLinguist(QObject *parent = nullptr);
    ~QtLinguist() override;

    int systemLanguageIndex() const;
    static int languageIndexFor(const QLocale &locale);

    // The switcher of the running application, the one the application object
    // owns as its direct child; null when there is none.
    static QtLinguist *ofApplication();

    // Installs the translation of a language id, "<enum key>.qm" from the
    // folder "translation" beside the program. False for an unknown id or a
    // file that does not load; the translation in use then stays installed.
    bool setLanguage(int language);

    // Applies the stored language, or the system language when none is
    // stored, and writes the applied value back to the user settings file in
    // userConfigDir. Returns the applied value.
    int applyStartLanguage(const QString &userConfigDir);

    QString translationFile(int language) const { return m_languageFiles.value(language); }

    // Keeps the application's layout direction left to right, whatever a
    // translation asks for.
    static void keepLeftToRight();

private:
    void initLanguageMap();

    QTranslator *m_translator = nullptr;
    QMap<int, QString> m_languageFiles;
};

#endif
