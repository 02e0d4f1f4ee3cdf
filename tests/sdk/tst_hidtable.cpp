// The supported-device table, the udev rules made from it, and the path
// text of an interface.
#include "sdk/firmware/FirmwareTable.h"
#include "sdk/hid/DevicePathText.h"
#include "sdk/hid/DeviceTable.h"
#include "sdk/include/LumtarHid.h"

#include <QtTest>

#include <cstring>
#include <set>

using lumtar::DevicePathText;
using lumtar::DeviceTable;

class TestHidTable : public QObject {
    Q_OBJECT
private slots:
    void builtinTableCoversEveryKind();
    void badTablesAreRefused_data();
    void badTablesAreRefused();
    void plainModelNamesAreTaken();
    void capabilitiesComeFromTheTable_data();
    void capabilitiesComeFromTheTable();
    void udevRulesMatchOnlyTheTable();
    void pathTextRoundTrip_data();
    void pathTextRoundTrip();
    void pathTextRefusesForeignText_data();
    void pathTextRefusesForeignText();
    void gamepadMarkersOnlyInGamepadPaths();
};

void TestHidTable::builtinTableCoversEveryKind()
{
    DeviceTable t;
    std::string error;
    QVERIFY2(t.parse(DeviceTable::builtinJson(), &error), error.c_str());
    bool gamepadSideMagnetic = false, receiver = false, compactMagnetic = false, plain = false;
    for (const auto& m : t.models()) {
        QCOMPARE(QString::fromStdString(m.kind), QString("keyboard"));
        QVERIFY(m.keyCount > 0);
        if (m.magnetic && m.sideLightSegments > 0 && m.idsFor(0, 1) && m.idsFor(0, 2) && m.idsFor(0, 0))
            gamepadSideMagnetic = true;
        if (m.idsFor(1, -2))
            receiver = true;
        if (m.magnetic && m.keyCount < 100)
            compactMagnetic = true;
        if (!m.magnetic)
            plain = true;
    }
    QVERIFY(gamepadSideMagnetic);
    QVERIFY(receiver);
    QVERIFY(compactMagnetic);
    QVERIFY(plain);

    const lumtar::DeviceIds* ids = nullptr;
    const auto* m = t.findByIds(0x1209, 0x7473, &ids);
    QVERIFY(m && ids);
    QCOMPARE(ids->gamepadMode, 1);
    QCOMPARE(ids->connectType, 0);
    QVERIFY(!t.findByIds(0x1209, 0x0001));
    QVERIFY(t.findModel(m->model) == m);
    QVERIFY(!t.findModel("nope"));
}

void TestHidTable::badTablesAreRefused_data()
{
    QTest::addColumn<QByteArray>("json");
    const QByteArray ok = R"({"model":"A","kind":"keyboard","ids":[{"vendorId":"1209","productId":"0001"}]})";
    QTest::newRow("not json") << QByteArray("{models:");
    QTest::newRow("no models") << QByteArray(R"({"x":[]})");
    QTest::newRow("nameless model") << QByteArray(R"({"models":[{"ids":[{"vendorId":"1","productId":"2"}]}]})");
    QTest::newRow("no ids") << QByteArray(R"({"models":[{"model":"A","ids":[]}]})");
    QTest::newRow("bad hex") << QByteArray(R"({"models":[{"model":"A","ids":[{"vendorId":"12g9","productId":"2"}]}]})");
    QTest::newRow("id too long") << QByteArray(R"({"models":[{"model":"A","ids":[{"vendorId":"12099","productId":"2"}]}]})");
    QTest::newRow("bad connection") << QByteArray(R"({"models":[{"model":"A","ids":[{"vendorId":"1","productId":"2","connection":"bt"}]}]})");
    QTest::newRow("bad gamepad") << QByteArray(R"({"models":[{"model":"A","ids":[{"vendorId":"1","productId":"2","gamepadMode":3}]}]})");
    QTest::newRow("model twice") << QByteArray(R"({"models":[)" + ok + "," + ok + "]}");
    QTest::newRow("ids shared") << QByteArray(R"({"models":[)" + ok + R"(,{"model":"B","ids":[{"vendorId":"1209","productId":"0001"}]}]})");
    QTest::newRow("three model values") << QByteArray(R"({"models":[{"model":"A","modelValues":[1,2,3],"ids":[{"vendorId":"1","productId":"2"}]}]})");
    QTest::newRow("model value beyond int") << QByteArray(R"({"models":[{"model":"A","modelValues":[1e300,2,3,4],"ids":[{"vendorId":"1","productId":"2"}]}]})");
    QTest::newRow("fractional model value") << QByteArray(R"({"models":[{"model":"A","modelValues":[1,2.5,3,4],"ids":[{"vendorId":"1","productId":"2"}]}]})");
    QTest::newRow("fractional mode") << QByteArray(R"({"models":[{"model":"A","ids":[{"vendorId":"1","productId":"2"}],"simulation":{"lightModes":[1.5]}}]})");
    for (const char* name : {"../x", "a/b", ".hidden", "with space", "semi;colon", "back\\\\slash"})
        QTest::addRow("model name %s", name)
            << QByteArray(R"({"models":[{"model":")" + QByteArray(name) + R"(","ids":[{"vendorId":"1","productId":"2"}]}]})");
    QTest::newRow("model name of 128 bytes")
        << QByteArray(R"({"models":[{"model":")" + QByteArray(128, 'M') + R"(","ids":[{"vendorId":"1","productId":"2"}]}]})");
    QTest::newRow("no light batch") << QByteArray(R"({"models":[{"model":"A","lightBatchFrames":0,"ids":[{"vendorId":"1","productId":"2"}]}]})");
    QTest::newRow("light batch as text") << QByteArray(R"({"models":[{"model":"A","lightBatchFrames":"11","ids":[{"vendorId":"1","productId":"2"}]}]})");
    QTest::newRow("side LEDs beyond a side frame") << QByteArray(R"({"models":[{"model":"A","sideLedCount":61,"ids":[{"vendorId":"1","productId":"2"}]}]})");
    QTest::newRow("light batch not one whole frame") << QByteArray(R"({"models":[{"model":"A","sideLedCount":41,"ids":[{"vendorId":"1","productId":"2"}]}]})");
    QTest::newRow("negative side LEDs") << QByteArray(R"({"models":[{"model":"A","sideLedCount":-1,"ids":[{"vendorId":"1","productId":"2"}]}]})");
    QTest::newRow("mode out of range") << QByteArray(R"({"models":[{"model":"A","ids":[{"vendorId":"1","productId":"2"}],"simulation":{"lightModes":[300]}}]})");
}

void TestHidTable::badTablesAreRefused()
{
    QFETCH(QByteArray, json);
    DeviceTable t;
    QVERIFY(t.parse(R"({"models":[{"model":"Z","ids":[{"vendorId":"1","productId":"1"}]}]})"));
    std::string error;
    QVERIFY(!t.parse(json.toStdString(), &error));
    QVERIFY(!error.empty());
    QVERIFY(t.models().empty()); // a refused table leaves nothing half-read
}

void TestHidTable::plainModelNamesAreTaken()
{
    DeviceTable t;
    const QByteArray longest(DeviceTable::kMaxModelNameLength, 'M');
    std::string error;
    QVERIFY2(t.parse(R"({"models":[{"model":"LT-108_HE.v2","ids":[{"vendorId":"1","productId":"1"}]},{"model":")"
                     + longest.toStdString() + R"(","ids":[{"vendorId":"1","productId":"2"}]}]})", &error),
             error.c_str());
    QCOMPARE(t.models().size(), size_t(2));
}

void TestHidTable::capabilitiesComeFromTheTable_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("magnetic");
    QTest::addColumn<int>("sideLightSegments");
    QTest::addColumn<int>("lightBatchFrames");
    QTest::addColumn<int>("reportsKeyboardMode");
    QTest::addColumn<int>("sideLedCount");
    QTest::addColumn<int>("prohibitSleep");
    QTest::newRow("LT108HE") << QByteArray("LT108HE") << true << 1 << 12 << 11 << 1 << 41 << 0;
    QTest::newRow("LT68HE") << QByteArray("LT68HE") << true << 1 << 0 << 10 << 0 << 33 << 0;
    QTest::newRow("LT104RGB") << QByteArray("LT104RGB") << true << 0 << 0 << 10 << 0 << 33 << 1;
    QTest::newRow("unknown") << QByteArray("LT1") << false << 0 << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("no name") << QByteArray() << false << 0 << 0 << 0 << 0 << 0 << 0;
}

void TestHidTable::capabilitiesComeFromTheTable()
{
    QFETCH(QByteArray, model);
    QFETCH(bool, known);
    QFETCH(int, magnetic);
    QFETCH(int, sideLightSegments);
    QFETCH(int, lightBatchFrames);
    QFETCH(int, reportsKeyboardMode);
    QFETCH(int, sideLedCount);
    QFETCH(int, prohibitSleep);
    ModelCapabilitiesStu c;
    std::memset(&c, 0x5A, sizeof c);
    QCOMPARE(CLumtarHid_GetModelCapabilities(model.isNull() ? nullptr : model.constData(), &c), known);
    QCOMPARE(c.magnetic, magnetic);
    QCOMPARE(c.sideLightSegments, sideLightSegments);
    QCOMPARE(c.lightBatchFrames, lightBatchFrames);
    QCOMPARE(c.reportsKeyboardMode, reportsKeyboardMode);
    QCOMPARE(c.sideLedCount, sideLedCount);
    QCOMPARE(c.prohibitSleep, prohibitSleep);
    QVERIFY(!CLumtarHid_GetModelCapabilities("LT108HE", nullptr));
}

void TestHidTable::udevRulesMatchOnlyTheTable()
{
    const QString bin = qEnvironmentVariable("LUMTAR_BIN_DIR");
    QFile f(bin + "/70-lumtar.rules");
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
    std::set<std::pair<QString, QString>> inRules;
    // The keyboards' input nodes (not the bootloaders') and /dev/uinput.
    std::set<std::pair<QString, QString>> inputInRules;
    int uinputRules = 0;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line == R"(SUBSYSTEM=="misc", KERNEL=="uinput", OPTIONS+="static_node=uinput", TAG+="uaccess")") {
            ++uinputRules;
            continue;
        }
        const QRegularExpression input(R"re(^SUBSYSTEM=="input", KERNEL=="event\*", SUBSYSTEMS=="hid", KERNELS=="\*:([0-9A-F]{4}):([0-9A-F]{4})\.\*", TAG\+="uaccess"$)re");
        const auto mi = input.match(line);
        if (mi.hasMatch()) {
            inputInRules.emplace(mi.captured(1), mi.captured(2));
            continue;
        }
        const QRegularExpression re(R"re(^SUBSYSTEM=="hidraw", SUBSYSTEMS=="hid", KERNELS=="\*:([0-9A-F]{4}):([0-9A-F]{4})\.\*", TAG\+="uaccess"$)re");
        const auto m = re.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        inRules.emplace(m.captured(1), m.captured(2));
    }
    QCOMPARE(uinputRules, 1);
    DeviceTable t;
    QVERIFY(t.parse(DeviceTable::builtinJson()));
    std::set<std::pair<QString, QString>> inTable;
    for (const auto& m : t.models())
        for (const auto& i : m.ids)
            inTable.emplace(QString::asprintf("%04X", i.vendorId), QString::asprintf("%04X", i.productId));
    QVERIFY(inputInRules == inTable);
    // Flashing opens the bootloaders of the firmware table too.
    for (const auto& m : lumtar::firmware::FirmwareTable::builtin().models())
        for (const auto& b : m.bootloaders)
            inTable.emplace(QString::asprintf("%04X", b.vendorId), QString::asprintf("%04X", b.productId));
    QVERIFY(inRules == inTable);
}

void TestHidTable::pathTextRoundTrip_data()
{
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");
    QTest::addColumn<int>("mi");
    QTest::addColumn<QString>("os");
    QTest::addColumn<QString>("text");
    QTest::newRow("hidraw") << 0x1209 << 0x7472 << 1 << "/dev/hidraw3" << "hid#vid_1209&pid_7472&mi_01#/dev/hidraw3";
    QTest::newRow("upper hex digits") << 0x0416 << 0x3F00 << 0 << "sim/4" << "hid#vid_0416&pid_3f00&mi_00#sim/4";
    QTest::newRow("two-digit interface") << 0xabcd << 0x0001 << 12 << "x" << "hid#vid_abcd&pid_0001&mi_12#x";
}

void TestHidTable::pathTextRoundTrip()
{
    QFETCH(int, vid);
    QFETCH(int, pid);
    QFETCH(int, mi);
    QFETCH(QString, os);
    QFETCH(QString, text);
    DevicePathText p;
    p.vendorId = vid;
    p.productId = pid;
    p.interfaceNumber = mi;
    p.osPath = os.toStdString();
    QCOMPARE(QString::fromStdString(p.format()), text);
    DevicePathText q;
    QVERIFY(DevicePathText::parse(text.toStdString(), &q));
    QCOMPARE(q.vendorId, vid);
    QCOMPARE(q.productId, pid);
    QCOMPARE(q.interfaceNumber, mi);
    QCOMPARE(QString::fromStdString(q.osPath), os);
}

void TestHidTable::pathTextRefusesForeignText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("head only") << "hid#vid_1209&pid_7472&mi_01#";
    QTest::newRow("upper-case hex") << "hid#vid_1209&pid_7A72&mi_01#/dev/hidraw0";
    QTest::newRow("windows form") << "\\\\?\\hid#vid_1209&pid_7472&mi_01#7&1&0000#{4d1e55b2}";
    QTest::newRow("letter in interface") << "hid#vid_1209&pid_7472&mi_0a#/dev/hidraw0";
    QTest::newRow("os path") << "/dev/hidraw0";
}

void TestHidTable::pathTextRefusesForeignText()
{
    QFETCH(QString, text);
    QVERIFY(!DevicePathText::parse(text.toStdString(), nullptr));
}

// The application takes the gamepad mode from the path: "7472", "7473" or
// "7474" found after the first character. Only gamepad-mode ids may make a
// marker appear, and each must give its own mode.
void TestHidTable::gamepadMarkersOnlyInGamepadPaths()
{
    DeviceTable t;
    QVERIFY(t.parse(DeviceTable::builtinJson()));
    const char* markers[] = { "7472", "7473", "7474" };
    for (const auto& m : t.models()) {
        for (const auto& i : m.ids) {
            DevicePathText p;
            p.vendorId = i.vendorId;
            p.productId = i.productId;
            p.interfaceNumber = m.reportInterface;
            p.osPath = "/dev/hidraw1";
            const QString text = QString::fromStdString(p.format());
            int mode = -1;
            for (int k = 0; k < 3 && mode < 0; ++k)
                if (text.indexOf(markers[k], 1) > 0)
                    mode = k;
            QCOMPARE(mode, i.gamepadMode);
        }
    }
}

QTEST_GUILESS_MAIN(TestHidTable)
#include "tst_hidtable.moc"
