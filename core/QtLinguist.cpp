#include "core/QtLinguist.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QMetaEnum>
#include <QSettings>
#include <QTranslator>

QtLinguist::QtLinguist(QObject *parent)
    : QObject(parent)
    , m_translator(new QTranslator(this))
{
    initLanguageMap();
}

QtLinguist::~QtLinguist() = default;

void QtLinguist::initLanguageMap()
{
    const QMetaEnum languages = QMetaEnum::fromType<Language>();
    for (int i = 0; i < languages.keyCount(); ++i)
        m_languageFiles.insert(languages.value(i), QStringLiteral("%1.qm").arg(QLatin1String(languages.key(i))));
}

int QtLinguist::languageIndexFor(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Arabic: return Arabic;
    case QLocale::Chinese: return locale.country() == QLocale::China ? Zh_SM : Zh_TR;
    case QLocale::Czech: return Czech;
    case QLocale::English: return English;
    case QLocale::French: return French;
    case QLocale::German: return German;
    case QLocale::Italian: return Italian;
    case QLocale::Japanese: return Japanese;
    case QLocale::Korean: return Korean;
    case QLocale::Polish: return Polish;
    case QLocale::Portuguese: return Portugal;
    case QLocale::Russian: return Russian;
    case QLocale::Spanish: return Spanish;
    case QLocale::Turkish: return Turkish;
    case QLocale::Ukrainian: return Ukrainian;
    default: return English;
    }
}

int QtLinguist::systemLanguageIndex() const
{
    return languageIndexFor(QLocale::system());
}

bool QtLinguist::setLanguage(int language)
{
    if (!m_languageFiles.contains(language))
        return false;
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/translation/")
        + m_languageFiles.value(language);
    if (!m_translator->load(path)) {
        qDebug() << "Translation not loaded:" << path;
        return false;
    }
    QCoreApplication::installTranslator(m_translator);
    return true;
}

int QtLinguist::applyStartLanguage(const QString &userConfigDir)
{
    int language = systemLanguageIndex();
    const QString settingsPath = userConfigDir + QStringLiteral("/LumtarConfig.ini");
    const bool folderExists = QDir(userConfigDir).exists();
    if (folderExists) {
        QSettings user(settingsPath, QSettings::IniFormat);
        const int stored = user.value(QStringLiteral("Language/selectLanguageIndex"), -1).toInt();
        if (stored != -1)
            language = stored;
    }
    setLanguage(language);
    if (folderExists) {
        QSettings user(settingsPath, QSettings::IniFormat);
        user.setValue(QStringLiteral("Language/selectLanguageIndex"), language);
    }
    return language;
}
