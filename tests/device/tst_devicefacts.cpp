// Facts about a keyboard that have one home each: the capabilities read from
// the device table, the serial-number rule and the gamepad-mode names.
#include "device/DeviceModelLists.h"
#include "device/DeviceSerialNumber.h"
#include "device/GamePadMode.h"
#include "sdk/include/LumtarHid.h"

#include <QtTest>

class tst_DeviceFacts : public QObject
{
    Q_OBJECT

private slots:
    void capabilities_data();
    void capabilities();
    void serialNumberRule_data();
    void serialNumberRule();
    void generatedSerialNumbersAreUsable();
    void gamePadModeNames_data();
    void gamePadModeNames();
};

void tst_DeviceFacts::capabilities_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<int>("lightBatchLimit");
    QTest::addColumn<bool>("tracksKeyboardMode");
    QTest::newRow("LT108HE") << "LT108HE" << true << 10 << true;
    QTest::newRow("LT68HE") << "LT68HE" << true << 9 << false;
    QTest::newRow("LT104RGB") << "LT104RGB" << false << 9 << false;
    QTest::newRow("a model the table lacks") << "LT108" << false << 9 << false;
    QTest::newRow("no model") << QString() << false << 9 << false;
}

void tst_DeviceFacts::capabilities()
{
    QFETCH(QString, model);
    QFETCH(bool, magnetic);
    QFETCH(int, lightBatchLimit);
    QFETCH(bool, tracksKeyboardMode);
    QCOMPARE(DeviceModelLists::isMagneticModel(model), magnetic);
    QCOMPARE(DeviceModelLists::lightBatchLimit(model), lightBatchLimit);
    QCOMPARE(DeviceModelLists::tracksKeyboardMode(model), tracksKeyboardMode);
}

void tst_DeviceFacts::serialNumberRule_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<bool>("usable");
    QTest::newRow("32 letters and digits") << "0123456789abcdefABCDEF0123456789" << true;
    QTest::newRow("31") << "0123456789abcdefABCDEF012345678" << false;
    QTest::newRow("33") << "0123456789abcdefABCDEF01234567890" << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("short but plain") << "AB12" << false;
    QTest::newRow("dashes") << "A1B2C3D4-E5F6-0718-293A-4B5C6D7E" << false;
    QTest::newRow("path") << "../../../../../../../../etc/pwd0" << false;
    QTest::newRow("blank") << "0123456789abcdef ABCDEF012345678" << false;
    QTest::newRow("non-ASCII letter") << QStringLiteral("0123456789abcdefABCDEF012345678ä") << false;
}

void tst_DeviceFacts::serialNumberRule()
{
    QFETCH(QString, serial);
    QFETCH(bool, usable);
    QCOMPARE(DeviceSerialNumber::isUsable(serial), usable);
}

void tst_DeviceFacts::generatedSerialNumbersAreUsable()
{
    const QString first = DeviceSerialNumber::generate();
    QVERIFY(DeviceSerialNumber::isUsable(first));
    QVERIFY(first != DeviceSerialNumber::generate());
}

void tst_DeviceFacts::gamePadModeNames_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("folder");
    QTest::newRow("none") << int(LUMTAR_GAMEPAD_NONE) << QString() << QString();
    QTest::newRow("off") << int(LUMTAR_GAMEPAD_DISABLED) << "GamePad Disable" << "GamePadDisable";
    QTest::newRow("Xbox360") << int(LUMTAR_GAMEPAD_XBOX360) << "GamePad Xbox360" << "GamePadXbox360";
    QTest::newRow("Classical") << int(LUMTAR_GAMEPAD_CLASSICAL) << "GamePad Classical" << "GamePadClassical";
    QTest::newRow("unknown") << 3 << QString() << QString();
}

void tst_DeviceFacts::gamePadModeNames()
{
    QFETCH(int, mode);
    QFETCH(QString, label);
    QFETCH(QString, folder);
    QCOMPARE(GamePadMode::label(mode), label);
    QCOMPARE(GamePadMode::folderName(mode), folder);
}

QTEST_GUILESS_MAIN(tst_DeviceFacts)
#include "tst_devicefacts.moc"
