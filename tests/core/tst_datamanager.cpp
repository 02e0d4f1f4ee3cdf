// The shared state: first-start and version-change rules of the settings
// file, the store-path buffers, and the relays whose routing depends on state.
#include <QtTest>

#include <QSettings>

#include <cstring>

#include "core/DDataManager.h"
#include "support/TempHome.h"

namespace {

QString settingsPath(const DDataManager &data)
{
    return data.userConfigDir() + QStringLiteral("/LumtarConfig.ini");
}

} // namespace

class tst_DataManager : public QObject
{
    Q_OBJECT

private slots:
    void firstStartWritesDefaultsOnce();
    void versionChange();
    void otherThemeRefusedWithoutUserThemes();
    void pathBuffers_data();
    void pathBuffers();
    void sensitivityReplyRouting();
    void hookRequestResult();
    void clickedKey();
};

void tst_DataManager::firstStartWritesDefaultsOnce()
{
    TempHome home;
    {
        DDataManager first;
        QVERIFY(first.userConfigDir().startsWith(home.dataHome()));
        QVERIFY(QDir(first.userConfigDir()).exists());
        QVERIFY(first.isVersionChanged());
        QSettings user(settingsPath(first), QSettings::IniFormat);
        QCOMPARE(user.value(QStringLiteral("Theme/selectThemeIndex")).toInt(), 0);
        QCOMPARE(user.value(QStringLiteral("ThemeBgImage/BgImageIsUsing")).toBool(), false);
        QCOMPARE(user.value(QStringLiteral("oldVersion/VersionInfo")).toString(), QStringLiteral("V_2.04.02"));
    }
    DDataManager second;
    QVERIFY(!second.isVersionChanged());
}

void tst_DataManager::versionChange()
{
    TempHome home;
    QString path;
    {
        DDataManager first;
        path = settingsPath(first);
    }
    {
        QSettings user(path, QSettings::IniFormat);
        user.setValue(QStringLiteral("oldVersion/VersionInfo"), QStringLiteral("V_2.04.01"));
    }
    DDataManager data;
    QVERIFY(data.isVersionChanged());
    QSettings user(path, QSettings::IniFormat);
    QCOMPARE(user.value(QStringLiteral("oldVersion/VersionInfo")).toString(), QStringLiteral("V_2.04.02"));
}

void tst_DataManager::otherThemeRefusedWithoutUserThemes()
{
    TempHome home;
    QString path;
    {
        DDataManager first;
        path = settingsPath(first);
    }
    {
        QSettings user(path, QSettings::IniFormat);
        user.setValue(QStringLiteral("Theme/selectThemeIndex"), 4);
    }
    DDataManager data;
    QVERIFY(!data.isUserConfig());
    QCOMPARE(data.themeColor().AllThemeColor, QStringLiteral("56,149,245")); // Black
    QSettings user(path, QSettings::IniFormat);
    QCOMPARE(user.value(QStringLiteral("Theme/selectThemeIndex")).toInt(), 0);
}

void tst_DataManager::pathBuffers_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("stored");
    QTest::newRow("empty") << 0 << true;
    QTest::newRow("255 bytes fit") << 255 << true;
    QTest::newRow("256 bytes are refused") << 256 << false;
    QTest::newRow("far too long") << 4000 << false;
}

void tst_DataManager::pathBuffers()
{
    QFETCH(int, length);
    QFETCH(bool, stored);

    TempHome home;
    DDataManager data;
    QVERIFY(data.setXmlProfilePath("/previous/appProfile_Default.xml"));

    const QByteArray path(length, 'p');
    QCOMPARE(data.setXmlProfilePath(path.constData()), stored);
    QCOMPARE(data.setMacroXmlPath(path.constData()), stored);
    QCOMPARE(data.setMagneticXmlPath(path.constData()), stored);
    QCOMPARE(data.setSeniorKeyXmlPath(path.constData()), stored);

    char out[DDataManager::PathBufferSize];
    std::memset(out, 'x', sizeof out);
    data.copyXmlProfilePath(out);
    QCOMPARE(QByteArray(out), stored ? path : QByteArray("/previous/appProfile_Default.xml"));
    data.copySeniorKeyXmlPath(out);
    QCOMPARE(QByteArray(out), stored ? path : QByteArray());
}

void tst_DataManager::sensitivityReplyRouting()
{
    TempHome home;
    DDataManager data;
    QSignalSpy entered(&data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo);
    QSignalSpy clicked(&data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    QSignalSpy query(&data, &DDataManager::sigQueryDynamicDisplaySensitivityNum);

    // A reply before any query goes to the clicked receivers with all values.
    data.emitDynamicDisplaySensitivityBackInfo(1, 20, 21, 3, 4);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first(), (QList<QVariant>{1, 20, 21, 3, 4}));

    data.queryDynamicDisplaySensitivityNum(0, 7, 2);
    QCOMPARE(query.takeFirst(), (QList<QVariant>{7, 2}));
    data.emitDynamicDisplaySensitivityBackInfo(1, 20, 21, 3, 4);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(entered.first(), (QList<QVariant>{1, 20, 21}));

    data.queryDynamicDisplaySensitivityNum(1, 7, 2);
    data.emitDynamicDisplaySensitivityBackInfo(1, 20, 21, 3, 4);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(entered.count(), 1);
}

void tst_DataManager::hookRequestResult()
{
    TempHome home;
    DDataManager data;
    bool hookCanStart = false;
    connect(&data, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this, [&](bool start) {
        data.setHookRunning(start ? hookCanStart : true);
    });
    QCOMPARE(data.emitHookRuningStrtusCtrlMacroRecord(true), false);
    QCOMPARE(data.emitHookRuningStrtusCtrlMacroRecord(false), true);
    hookCanStart = true;
    QCOMPARE(data.emitHookRuningStrtusCtrlMacroRecord(true), true);

    // Once nobody listens, no request succeeds on an earlier one's outcome.
    disconnect(&data, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this, nullptr);
    QCOMPARE(data.emitHookRuningStrtusCtrlMacroRecord(true), false);
    QCOMPARE(data.emitHookRuningStrtusCtrlMacroRecord(false), false);
}

void tst_DataManager::clickedKey()
{
    TempHome home;
    DDataManager data;
    QSignalSpy clicked(&data, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
    data.setClickedKey(4, QStringLiteral("A"));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(data.clickedKeyCode(), 4);
    data.clearClickedKey();
    QCOMPARE(data.clickedKeyCode(), -1);
    QVERIFY(data.clickedKeyChar().isEmpty());
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(tst_DataManager)
#include "tst_datamanager.moc"
