#include "core/QtLinguist.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QMetaEnum>
#include <QSettings>
#include <QTranslator>

QtLinguist::QtLinguist(QObject *parent)
    : QObject(parent)
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

QtLinguist *QtLinguist::ofApplication()
{
    QCoreApplication *app = QCoreApplication::instance();
    return app ? app->findChild<QtLinguist *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

bool QtLinguist::setLanguage(int language)
{
    if (!m_languageFiles.contains(language)) {
        qDebug() << "No translation for language id" << language;
        return false;
    }
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/translation/")
        + m_languageFiles.value(language);
    // A failed load empties the translator it was tried on: the new language
    // goes into a translator of its own, and the one in use stays installed
    // until the new one is ready.
    auto *next = new QTranslator(this);
    if (!next->load(path)) {
        qDebug() << "Translation not loaded:" << path;
        delete next;
        return false;
    }
    QCoreApplication::installTranslator(next);
    delete m_translator; // removes itself from the application
    m_translator = next;
    keepLeftToRight();
    return true;
}

void QtLinguist::keepLeftToRight()
{
    // The keyboard view, the DKS grid and the popups place things by pixels:
    // the interface stays left to right in every language, Arabic included.
    // A right-to-left text still runs right to left inside its widget.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
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
