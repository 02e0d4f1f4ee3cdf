// Languages: the system-language table, the start-language rule and loading
// a translation from beside the program.
#include <QtTest>

#include <QSettings>

#include "core/QtLinguist.h"

class tst_Linguist : public QObject
{
    Q_OBJECT

private slots:
    void systemLanguage_data();
    void systemLanguage();
    void languageFiles();
    void startLanguage_data();
    void startLanguage();
    void setLanguage();
    void everyLanguageLoads_data();
    void everyLanguageLoads();
};

void tst_Linguist::systemLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("index");
    QTest::newRow("Chinese, China") << "zh_CN" << 1;
    QTest::newRow("Chinese, Taiwan") << "zh_TW" << 2;
    QTest::newRow("Chinese, Hong Kong") << "zh_HK" << 2;
    QTest::newRow("English") << "en_US" << 3;
    QTest::newRow("Japanese") << "ja_JP" << 4;
    QTest::newRow("Korean") << "ko_KR" << 5;
    QTest::newRow("Russian") << "ru_RU" << 6;
    QTest::newRow("Arabic") << "ar_EG" << 7;
    QTest::newRow("Spanish") << "es_ES" << 8;
    QTest::newRow("Portuguese, Brazil") << "pt_BR" << 9;
    QTest::newRow("German") << "de_DE" << 10;
    QTest::newRow("Italian") << "it_IT" << 11;
    QTest::newRow("Polish") << "pl_PL" << 12;
    QTest::newRow("French") << "fr_FR" << 13;
    QTest::newRow("Ukrainian") << "uk_UA" << 14;
    QTest::newRow("Czech") << "cs_CZ" << 15;
    QTest::newRow("Turkish") << "tr_TR" << 16;
    QTest::newRow("Dutch falls back to English") << "nl_NL" << 3;
}

void tst_Linguist::systemLanguage()
{
    QFETCH(QString, locale);
    QFETCH(int, index);
    QCOMPARE(QtLinguist::languageIndexFor(QLocale(locale)), index);
}

void tst_Linguist::languageFiles()
{
    QtLinguist linguist;
    QCOMPARE(linguist.translationFile(1), QStringLiteral("Zh_SM.qm"));
    QCOMPARE(linguist.translationFile(3), QStringLiteral("English.qm"));
    QCOMPARE(linguist.translationFile(16), QStringLiteral("Turkish.qm"));
    QVERIFY(linguist.translationFile(0).isEmpty());
    QVERIFY(linguist.translationFile(17).isEmpty());
}

void tst_Linguist::startLanguage_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<int>("applied");
    const int system = QtLinguist().systemLanguageIndex();
    QTest::newRow("nothing stored: system language") << QVariant() << true << system;
    QTest::newRow("-1 counts as nothing stored") << QVariant(-1) << true << system;
    QTest::newRow("stored French stays") << QVariant(13) << true << 13;
    QTest::newRow("stored 0 stays") << QVariant(0) << true << 0;
    QTest::newRow("no folder: system language") << QVariant() << false << system;
}

void tst_Linguist::startLanguage()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, folderExists);
    QFETCH(int, applied);

    QTemporaryDir dir;
    const QString userConfig = folderExists ? dir.path() : dir.filePath(QStringLiteral("missing"));
    const QString settingsPath = userConfig + QStringLiteral("/LumtarConfig.ini");
    if (stored.isValid()) {
        QSettings user(settingsPath, QSettings::IniFormat);
        user.setValue(QStringLiteral("Language/selectLanguageIndex"), stored);
    }

    QtLinguist linguist;
    QCOMPARE(linguist.applyStartLanguage(userConfig), applied);
    QSettings user(settingsPath, QSettings::IniFormat);
    if (folderExists)
        QCOMPARE(user.value(QStringLiteral("Language/selectLanguageIndex")).toInt(), applied);
    else
        QVERIFY(!QFile::exists(settingsPath));
}

void tst_Linguist::setLanguage()
{
    QtLinguist linguist;
    QVERIFY(linguist.setLanguage(QtLinguist::English)); // built beside the program
    QVERIFY(!linguist.setLanguage(0));
    QVERIFY(!linguist.setLanguage(17));
}

void tst_Linguist::everyLanguageLoads_data()
{
    QTest::addColumn<int>("language");
    const QMetaEnum languages = QMetaEnum::fromType<QtLinguist::Language>();
    QCOMPARE(languages.keyCount(), 16);
    for (int i = 0; i < languages.keyCount(); ++i)
        QTest::newRow(languages.key(i)) << languages.value(i);
}

void tst_Linguist::everyLanguageLoads()
{
    // Each of the sixteen ships beside the program, in the folder
    // "translation", and loads there.
    QFETCH(int, language);
    QtLinguist linguist;
    const QString file = QCoreApplication::applicationDirPath() + QStringLiteral("/translation/")
        + linguist.translationFile(language);
    QVERIFY2(QFile::exists(file), qPrintable(file));
    QVERIFY(linguist.setLanguage(language));
    QCOMPARE(qApp->layoutDirection(), Qt::LeftToRight);
}

QTEST_MAIN(tst_Linguist)
#include "tst_linguist.moc"
