// Names of the function stored on a key: the type name and the detail text,
// over every type family, with the macro, profile and advanced-key stores.
#include <QtTest>

#include <QTemporaryDir>

#include <cstring>
#include <list>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "support/TempHome.h"

namespace {

KeyOperateInfoStu item(const QByteArray &type, const QByteArray &mode, const QByteArray &value)
{
    KeyOperateInfoStu stu;
    std::memset(&stu, 0, sizeof stu);
    std::strcpy(stu.keyCode, "4");
    std::strcpy(stu.count, "1");
    qstrncpy(stu.type, type.constData(), sizeof stu.type);
    qstrncpy(stu.mode, mode.constData(), sizeof stu.mode);
    qstrncpy(stu.value, value.constData(), sizeof stu.value);
    return stu;
}

SeniorKeyInfoStu seniorKey(int id, const char *name, int kind)
{
    SeniorKeyInfoStu r;
    std::memset(&r, 0, sizeof r);
    r.id = id;
    qstrncpy(r.name, name, sizeof r.name);
    r.kind = kind;
    std::strcpy(r.keySlot[0], "4");
    r.holdDuration = 150;
    return r;
}

} // namespace

class tst_KeyFunctionText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void texts_data();
    void texts();
    void detailBeforeAnyCallIsUnknow();
    void detailDoesNotLeakFromAnEarlierKey();
    void fieldsWithoutTerminatorAreReadWithinBounds();
    void storeReadsThatFailLeaveUnknow();

private:
    QTemporaryDir m_dir;
    TempHome m_home;
    DDataManager *m_data = nullptr;
    QByteArray m_macroPath, m_profilePath, m_seniorPath;
};

void tst_KeyFunctionText::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_data = new DDataManager(this);

    QMap<int, QString> names{{4, QStringLiteral("A")}, {5, QStringLiteral("B")}, {-10, QStringLiteral("Fn")},
                             {41, QStringLiteral("Esc")}};
    m_data->setKeyCodeNameMap(names);

    m_macroPath = QFile::encodeName(m_dir.filePath(QStringLiteral("appMacro.xml")));
    QVERIFY(CLumtarXML_CreateXMLFile(m_macroPath.constData()));
    QVERIFY(CLumtarXML_CreateMacroXmlParentNode(m_macroPath.constData(), "1", "Reload"));
    QVERIFY(CLumtarXML_CreateMacroXmlParentNode(m_macroPath.constData(), "12", "Grenade \xE6\x89\x8B"));
    QVERIFY(m_data->setMacroXmlPath(m_macroPath.constData()));

    m_profilePath = QFile::encodeName(m_dir.filePath(QStringLiteral("appProfile_Default.xml")));
    QVERIFY(CLumtarXML_CreateXMLFile(m_profilePath.constData()));
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(m_profilePath.constData(), "1", "Office", 0));
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(m_profilePath.constData(), "3", "Game \xC3\xA9", 0));
    QVERIFY(m_data->setXmlProfilePath(m_profilePath.constData()));

    m_seniorPath = QFile::encodeName(m_dir.filePath(QStringLiteral("SeniorKeyConfig.xml")));
    QVERIFY(CLumtarXML_SeniorKey_CreateXMLFile(m_seniorPath.constData()));
    CLumtarXML_SeniorKey_CreateProFileXmlParentNode(m_seniorPath.constData());
    QVERIFY(CLumtarXML_SeniorKey_AddInfoItem(m_seniorPath.constData(), 2, seniorKey(7, "Hold to crouch", 2)));
    QVERIFY(CLumtarXML_SeniorKey_AddInfoItem(m_seniorPath.constData(), 1, seniorKey(9, "Peek", 1)));
    QVERIFY(m_data->setSeniorKeyXmlPath(m_seniorPath.constData()));
}

void tst_KeyFunctionText::texts_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("detail");

    auto row = [](const char *name, const char *type, const char *mode, const char *value, const char *typeName,
                  const QString &detail) {
        QTest::newRow(name) << QByteArray(type) << QByteArray(mode) << QByteArray(value) << QString(typeName) << detail;
    };
    const QString unknow = QStringLiteral("Unknow");

    row("nothing stored", "-1", "-1", "-1", "Default", unknow);
    row("unknown code", "11", "0", "0", "Default", unknow);
    row("non-numeric type", "x", "0", "0", "Default", unknow);
    row("empty type", "", "0", "0", "Default", unknow);
    row("no function", "10", "0", "0", "Unknow", unknow);

    row("remap", "0", "0", "5", "Remap Key", "B");
    row("remap to Fn", "0", "0", "-10", "Remap Key", "Fn");
    row("remap to a code without a name", "0", "0", "99", "Remap Key", QString());
    row("remap, non-numeric", "0", "0", "B", "Remap Key", unknow);

    row("macro", "1", "1", "12", "Macro", QString::fromUtf8("Grenade \xE6\x89\x8B"));
    row("macro, first", "1", "4", "1", "Macro", "Reload");
    row("macro, leading zero in the value", "1", "1", "012", "Macro", QString::fromUtf8("Grenade \xE6\x89\x8B"));
    row("macro missing", "1", "1", "5", "Macro", unknow);
    row("macro, non-numeric", "1", "1", "twelve", "Macro", unknow);

    row("combination", "2", "0", "5,4", "Key Combination", "L_CTRL+L_ALT+A");
    row("combination, every modifier", "2", "0", "255,41", "Key Combination",
        "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+Esc");
    row("combination, no modifier", "2", "0", "0,4", "Key Combination", "A");
    row("combination, key without a name", "2", "0", "3,99", "Key Combination", "L_CTRL+L_SHIFT");
    row("combination, nothing known", "2", "0", "0,99", "Key Combination", QString());
    row("combination, negative mask", "2", "0", "-3,4", "Key Combination", "A");
    row("combination, mask above 255", "2", "0", "257,4", "Key Combination", "L_CTRL+A");
    row("combination without a second part", "2", "0", "5", "Key Combination", unknow);
    row("combination, empty", "2", "0", "", "Key Combination", unknow);
    row("combination, non-numeric key", "2", "0", "1,A", "Key Combination", unknow);
    row("combination with a third part", "2", "0", "1,6,7", "Key Combination", unknow);

    row("multimedia 0", "3", "0", "0", "Multimedia", "Volume +");
    row("multimedia 7 unused", "3", "0", "7", "Multimedia", unknow);
    row("multimedia 15", "3", "0", "15", "Multimedia", "Search");
    row("multimedia 16", "3", "0", "16", "Multimedia", unknow);
    row("multimedia, non-numeric", "3", "0", "vol", "Multimedia", unknow);
    row("mouse 7", "4", "0", "7", "Mouse", "Sniper Key");
    row("mouse 8", "4", "0", "8", "Mouse", unknow);
    row("mouse -1", "4", "0", "-1", "Mouse", unknow);
    row("disable", "5", "0", "0", "Disable", "Disable");
    row("text", "6", "0", "Hello, w\xC3\xB6rld", "Text", QString::fromUtf8("Hello, w\xC3\xB6rld"));
    row("switch profile", "7", "0", "3", "Switch Profile", QString::fromUtf8("Game \xC3\xA9"));
    row("switch to a missing profile", "7", "0", "8", "Switch Profile", unknow);
    row("switch profile, non-numeric", "7", "0", "x", "Switch Profile", unknow);
    row("launch", "8", "0", "/usr/bin/gimp", "Launch Application", "/usr/bin/gimp");
    row("shortcut 11", "9", "0", "11", "Shortcuts", "Save");
    row("shortcut 12", "9", "0", "12", "Shortcuts", unknow);

    row("lock keyboard", "19", "0", "junk", "Key Config", "Lock keyboard");
    row("win lock 2", "19", "2", "2", "Key Config", "Unlock win");
    row("win lock 3", "19", "2", "3", "Key Config", unknow);
    row("layer", "19", "8", "1", "Key Config", "FN layer");
    row("power query", "19", "10", "", "Key Config", "Power query");
    row("bluetooth 3", "19", "11", "0,2", "Key Config", "Bluetooth 3");
    row("bluetooth 4", "19", "11", "0,3", "Key Config", unknow);
    row("2.4G", "19", "11", "1,5", "Key Config", "2.4G switching");
    row("USB", "19", "11", "2,0", "Key Config", "USB switching");
    row("connection 3", "19", "11", "3,0", "Key Config", unknow);
    row("connection without a second part", "19", "11", "1", "Key Config", unknow);
    row("connection, non-numeric", "19", "11", "a,b", "Key Config", unknow);
    row("sub-code 1", "19", "1", "0", "Key Config", unknow);
    row("sub-code non-numeric", "19", "x", "0", "Key Config", unknow);

    row("light mode", "20", "0", "3", "Keyboard Light", "Static");
    row("light brightness", "21", "0", "1", "Keyboard Light", "Brightness -");
    row("light speed", "22", "0", "0", "Keyboard Light", "Speed +");
    row("light direction", "23", "0", "2", "Keyboard Light", "Direction Loop");
    row("light colour", "24", "0", "2", "Keyboard Light", "Bottom color changed");
    row("light custom", "25", "0", "1", "Keyboard Light", "Custom 2");
    row("light custom 2", "25", "0", "2", "Keyboard Light", unknow);
    row("close all", "26", "0", "0", "Keyboard Light", "Close all");
    row("close back light", "26", "0", "1", "Keyboard Light", "Close back light");
    row("close 2", "26", "0", "2", "Keyboard Light", unknow);
    row("stop back light", "26", "1", "9", "Keyboard Light", "Stop back light");
    row("back light mode 2", "26", "2", "0", "Keyboard Light", unknow);
    row("recording", "27", "0", "5", "Keyboard Light", "Light recording");

    row("side mode", "30", "0", "2", "Atmosphere Light", "All light");
    row("side mode 3", "30", "0", "3", "Atmosphere Light", unknow);
    row("side brightness", "31", "0", "0", "Atmosphere Light", "Brightness +");
    row("side speed", "32", "0", "1", "Atmosphere Light", "Speed -");
    row("side colour", "33", "0", "0", "Atmosphere Light", "Into full color");
    row("close side light", "34", "0", "7", "Atmosphere Light", "Close side light");
    row("stop side light", "34", "1", "7", "Atmosphere Light", "Stop side light");
    row("side light mode 2", "34", "2", "0", "Atmosphere Light", unknow);

    row("advanced key", "40", "0", "9", "Senior Keys", "Peek");
    row("advanced key missing", "40", "0", "8", "Senior Keys", unknow);

    row("classical 25", "45", "0", "25", "GamePad", "Button 9");
    row("classical 32", "45", "0", "32", "GamePad", "Arrow Right");
    row("classical 33", "45", "0", "33", "GamePad", unknow);
    row("xbox 24", "46", "0", "24", "GamePad", "Right Bumper");
    row("xbox 25", "46", "0", "25", "GamePad", unknow);
    row("xbox non-numeric", "46", "0", "", "GamePad", unknow);
}

void tst_KeyFunctionText::texts()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, value);
    QTEST(m_data->keyFunctionDisplayText(item(type, mode, value)), "typeName");
    QTEST(m_data->currentFunctionDetailText(), "detail");
}

void tst_KeyFunctionText::detailBeforeAnyCallIsUnknow()
{
    DDataManager fresh;
    QCOMPARE(fresh.currentFunctionDetailText(), QStringLiteral("Unknow"));
}

void tst_KeyFunctionText::detailDoesNotLeakFromAnEarlierKey()
{
    QCOMPARE(m_data->keyFunctionDisplayText(item("3", "0", "2")), QStringLiteral("Multimedia"));
    QCOMPARE(m_data->currentFunctionDetailText(), QStringLiteral("Mute"));
    QCOMPARE(m_data->keyFunctionDisplayText(item("-1", "-1", "-1")), QStringLiteral("Default"));
    QCOMPARE(m_data->currentFunctionDetailText(), QStringLiteral("Unknow"));
}

void tst_KeyFunctionText::fieldsWithoutTerminatorAreReadWithinBounds()
{
    KeyOperateInfoStu stu;
    std::memset(&stu, '7', sizeof stu); // no NUL anywhere
    std::memcpy(stu.type, "3\0", 2);
    QCOMPARE(m_data->keyFunctionDisplayText(stu), QStringLiteral("Multimedia"));
    QCOMPARE(m_data->currentFunctionDetailText(), QStringLiteral("Unknow"));

    std::memset(&stu, '6', sizeof stu); // type "66666666" without terminator, text value
    QCOMPARE(m_data->keyFunctionDisplayText(stu), QStringLiteral("Default"));
    std::memcpy(stu.type, "6\0", 2);
    QCOMPARE(m_data->keyFunctionDisplayText(stu), QStringLiteral("Text"));
    QCOMPARE(m_data->currentFunctionDetailText().size(), int(sizeof stu.value));
}

void tst_KeyFunctionText::storeReadsThatFailLeaveUnknow()
{
    DDataManager other;
    const QByteArray missing = QFile::encodeName(m_dir.filePath(QStringLiteral("none/missing.xml")));
    QVERIFY(other.setMacroXmlPath(missing.constData()));
    QVERIFY(other.setXmlProfilePath(missing.constData()));
    QVERIFY(other.setSeniorKeyXmlPath(missing.constData()));
    for (const char *type : {"1", "7", "40"}) {
        other.keyFunctionDisplayText(item(type, "0", "1"));
        QCOMPARE(other.currentFunctionDetailText(), QStringLiteral("Unknow"));
    }

    // A damaged store is no better.
    const QByteArray damaged = QFile::encodeName(m_dir.filePath(QStringLiteral("damaged.xml")));
    QFile file(QString::fromLocal8Bit(damaged));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Root><Profile index=\"1\" name=\"x\"");
    file.close();
    QVERIFY(other.setMacroXmlPath(damaged.constData()));
    QVERIFY(other.setXmlProfilePath(damaged.constData()));
    QVERIFY(other.setSeniorKeyXmlPath(damaged.constData()));
    for (const char *type : {"1", "7", "40"}) {
        other.keyFunctionDisplayText(item(type, "0", "1"));
        QCOMPARE(other.currentFunctionDetailText(), QStringLiteral("Unknow"));
    }
}

QTEST_MAIN(tst_KeyFunctionText)
#include "tst_keyfunctiontext.moc"
