// The device records: field cutting and record building.
#include "sdk/include/lumtarSdk.h"

#include <QtTest>
#include <cstring>
#include <string>

class TestHidRecords : public QObject {
    Q_OBJECT
private slots:
    void copyFieldCutsAndTerminates_data();
    void copyFieldCutsAndTerminates();
    void deviceRecordTakesEveryField();
    void placeholderRecord();
};

void TestHidRecords::copyFieldCutsAndTerminates_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("short") << 10;
    QTest::newRow("width less one") << 63;
    QTest::newRow("exactly the width") << 64;
    QTest::newRow("longer") << 300;
}

void TestHidRecords::copyFieldCutsAndTerminates()
{
    QFETCH(int, length);
    const std::string src(static_cast<size_t>(length), 'x');
    char field[64];
    std::memset(field, 'S', sizeof field); // stale bytes must not survive
    lumtarCopyField(field, src.c_str());
    const size_t kept = std::min<size_t>(src.size(), sizeof field - 1);
    QCOMPARE(std::strlen(field), kept);
    for (size_t i = kept; i < sizeof field; ++i)
        QCOMPARE(field[i], '\0');
    lumtarCopyField(field, nullptr);
    QCOMPARE(field[0], '\0');
}

void TestHidRecords::deviceRecordTakesEveryField()
{
    HidDeviceInfoStu dev = {};
    FirmwareInfoStu fw = {};
    HidInfoStu model = {};
    std::memset(dev.hidPath, 'p', sizeof dev.hidPath - 1); // 255 characters
    lumtarCopyField(dev.hidModel, "LT108HE");
    dev.connectType = LUMTAR_CONNECT_RECEIVER;
    lumtarCopyField(fw.chipFamily, std::string(100, 'c').c_str()); // fits 63 only
    lumtarCopyField(fw.chipCode, "01");
    lumtarCopyField(fw.customerCode, "LT");
    lumtarCopyField(fw.firmwareVersion, "V1.00.06");
    std::memset(model.deviceKind, 'k', sizeof model.deviceKind - 1); // 127 > 63
    model.modelValue1 = 1;
    model.modelValue4 = 4;
    model.keyCount = 108;
    lumtarCopyField(model.productName, "Product");
    lumtarCopyField(model.likeName, "Like");

    const hidStructInfoAll r = lumtarDeviceRecord(dev, fw, model);
    QCOMPARE(std::strlen(r.deviceKind), sizeof r.deviceKind - 1);
    QCOMPARE(std::strlen(r.hidPath), sizeof r.hidPath - 1);
    QCOMPARE(QByteArray(r.hidModel), QByteArray("LT108HE"));
    QCOMPARE(QByteArray(r.productName), QByteArray("Product"));
    QCOMPARE(QByteArray(r.likeName), QByteArray("Like"));
    QCOMPARE(QByteArray(r.firmwareVersion), QByteArray("V1.00.06"));
    QCOMPARE(std::strlen(r.chipFamily), size_t(63));
    QCOMPARE(QByteArray(r.chipCode), QByteArray("01"));
    QCOMPARE(QByteArray(r.customerCode), QByteArray("LT"));
    QCOMPARE(r.connectType, 1);
    QCOMPARE(r.isOnline, 0); // a receiver is offline until it reports its keyboard
    QCOMPARE(r.modelValue1, 1);
    QCOMPARE(r.modelValue4, 4);
    QCOMPARE(r.keyCount, 108);
    QCOMPARE(r.newFirmwareVersion[0], '\0');

    dev.connectType = LUMTAR_CONNECT_USB;
    QCOMPARE(lumtarDeviceRecord(dev, fw, model).isOnline, 1);
}

void TestHidRecords::placeholderRecord()
{
    HidInfoStu model = {};
    lumtarCopyField(model.deviceKind, "keyboard");
    lumtarCopyField(model.hidModel, "LT68HE");
    lumtarCopyField(model.productName, "P");
    lumtarCopyField(model.likeName, "L");
    model.keyCount = 68;
    model.modelValue2 = 7;
    const hidStructInfoAll r = lumtarPlaceholderRecord(model);
    QCOMPARE(QByteArray(r.deviceKind), QByteArray("keyboard"));
    QCOMPARE(QByteArray(r.hidModel), QByteArray("LT68HE"));
    QCOMPARE(r.hidPath[0], '\0');
    QCOMPARE(r.firmwareVersion[0], '\0');
    QCOMPARE(r.isOnline, 0);
    QCOMPARE(r.connectType, 0);
    QCOMPARE(r.keyCount, 68);
    QCOMPARE(r.modelValue2, 7);
}

QTEST_GUILESS_MAIN(TestHidRecords)
#include "tst_hidrecords.moc"
