// The light reports (0x06 keyboard, 0x07 side) as byte tables: levels held
// within the light's steps, the Static full-colour rule, the time stamp from
// an injected clock, and the custom-scheme variant.
#include "device/LightReportPacket.h"

#include <QtTest>

#include <climits>

namespace {

QByteArray bytes(const HidReportBuff &r)
{
    return QByteArray(reinterpret_cast<const char *>(r.data()), HidReportBuff::Size);
}

// A 64-byte report from its non-zero head and its bytes 62-63.
QByteArray report(const char *headHex, int time = 0)
{
    QByteArray r = QByteArray::fromHex(headHex);
    r.resize(HidReportBuff::Size);
    for (int i = QByteArray::fromHex(headHex).size(); i < HidReportBuff::Size; ++i)
        r[i] = 0;
    r[62] = static_cast<char>((time >> 8) & 0xFF);
    r[63] = static_cast<char>(time & 0xFF);
    return r;
}

LightSupportInfo steps(int speed, int brightness)
{
    LightSupportInfo s;
    s.speedLevels = speed;
    s.brightnessLevels = brightness;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(colorInfoData)

class TestLightReport : public QObject
{
    Q_OBJECT

private slots:
    void reports_data();
    void reports();
    void levels_data();
    void levels();
    void speedAndBrightnessHaveTheirOwnSteps();
    void timeStamp();
};

void TestLightReport::reports_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<colorInfoData>("record");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QByteArray>("expected");
    const qint64 clock = 0x1234ABCD;
    const int t = static_cast<int>(clock % 65536);
    QTest::newRow("keyboard wave")
        << 0 << colorInfoData{ 0, 2, 3, 4, 255, 0, 0, 1, 2, 3, 1, 1, 0x5A, 0 } << 4
        << report("0106000000 0e 02 02 03 ff0000 010203 01 01 5a", t);
    QTest::newRow("side collision")
        << 1 << colorInfoData{ 1, 3, 5, 1, 10, 20, 30, 0, 0, 0, 0, 0, 0, 0 } << 4
        << report("0107000000 0d 03 04 00 0a141e 000000 00 00 00", t);
    QTest::newRow("static sends no full colour")
        << 0 << colorInfoData{ 0, 0, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0 } << 4
        << report("0106000000 0e 00 02 02 ff0000 000000 00 00 00", t);
    QTest::newRow("side static likewise")
        << 1 << colorInfoData{ 1, 0, 3, 3, 0, 255, 0, 0, 0, 0, 0, 1, 0, 0 } << 4
        << report("0107000000 0d 00 02 02 00ff00 000000 00 00 00", t);
    QTest::newRow("musical rhythm")
        << 0 << colorInfoData{ 0, 100, 1, 1, 0, 0, 255, 0, 0, 0, 2, 1, 0, 0 } << 4
        << report("0106000000 0e 64 00 00 0000ff 000000 02 01 00", t);
    // Level 0 would wrap to 0xFF, a level past the top would not fit the
    // light: both are held at the nearest end.
    QTest::newRow("levels held in range")
        << 0 << colorInfoData{ 0, 1, 0, 99, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 } << 4
        << report("0106000000 0e 01 00 04 000000 000000 00 00 00", t);
    QTest::newRow("negative levels")
        << 0 << colorInfoData{ 0, 1, INT_MIN, -3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 } << 4
        << report("0106000000 0e 01 00 00 000000 000000 00 00 00", t);
    QTest::newRow("steps not known yet: five")
        << 0 << colorInfoData{ 0, 1, 6, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 } << 0
        << report("0106000000 0e 01 05 05 000000 000000 00 00 00", t);
    QTest::newRow("colours held within 0..255")
        << 0 << colorInfoData{ 0, 1, 1, 1, 256, -1, INT_MAX, INT_MIN, 1000, 255, 0, 0, 0, 0 } << 4
        << report("0106000000 0e 01 00 00 ff00ff 00ffff 00 00 00", t);
    QTest::newRow("field 13 is never sent")
        << 0 << colorInfoData{ 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x77 } << 4
        << report("0106000000 0e 01 00 00 000000 000000 00 00 00", t);
    // The custom-scheme variant: flag as stored, no time.
    QTest::newRow("custom scheme")
        << 2 << colorInfoData{ 0, 10, 2, 3, 1, 2, 3, 0, 0, 0, 0, 1, 0x33, 0 } << 4
        << report("0106000000 0e 0a 01 02 010203 000000 00 01 33");
    QTest::newRow("custom scheme keeps the flag of Static")
        << 2 << colorInfoData{ 0, 0, 2, 3, 1, 2, 3, 0, 0, 0, 0, 1, 0, 0 } << 4
        << report("0106000000 0e 00 01 02 010203 000000 00 01 00");
}

void TestLightReport::reports()
{
    QFETCH(int, kind);
    QFETCH(colorInfoData, record);
    QFETCH(int, steps);
    QFETCH(QByteArray, expected);
    const auto clock = [] { return qint64(0x1234ABCD); };
    const LightSupportInfo support = ::steps(steps, steps);
    HidReportBuff r;
    if (kind == 0)
        r = LightReportPacket::keyboardReport(record, support, clock);
    else if (kind == 1)
        r = LightReportPacket::sideReport(record, support, clock);
    else
        r = LightReportPacket::customSchemeReport(record, support);
    QCOMPARE(bytes(r).toHex(' '), expected.toHex(' '));
}

void TestLightReport::levels_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("byte");
    // Four steps: five levels 1..5 sent as 0..4; 3 is the middle one.
    for (int level = 1; level <= 5; ++level)
        QTest::addRow("4 steps, level %d", level) << 4 << level << level - 1;
    QTest::newRow("4 steps, level 0") << 4 << 0 << 0;
    QTest::newRow("4 steps, level 6") << 4 << 6 << 4;
    QTest::newRow("9 steps, level 10") << 9 << 10 << 9;
    QTest::newRow("9 steps, level 11") << 9 << 11 << 9;
    QTest::newRow("unknown steps, level 6") << 0 << 6 << 5;
    QTest::newRow("unknown steps, level 7") << -1 << 7 << 5;
    QTest::newRow("255 steps, level 256") << 255 << 256 << 255;
    QTest::newRow("huge steps, huge level") << INT_MAX << INT_MAX << 255;
    QTest::newRow("huge steps, level 3") << INT_MAX << 3 << 2;
}

void TestLightReport::levels()
{
    QFETCH(int, steps);
    QFETCH(int, level);
    QFETCH(int, byte);
    QCOMPARE(int(LightReportPacket::levelByte(level, steps)), byte);
    if (level >= 1 && byte == level - 1)
        QCOMPARE(LightReportPacket::levelFromByte(static_cast<uint8_t>(byte)), level);
    QCOMPARE(LightReportPacket::levelFromByte(0), 1); // a reply's byte 0 is level 1
}

void TestLightReport::speedAndBrightnessHaveTheirOwnSteps()
{
    const colorInfoData rec = { 0, 2, 9, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
    const HidReportBuff r = LightReportPacket::keyboardReport(rec, steps(9, 4), [] { return qint64(0); });
    QCOMPARE(int(r[7]), 4); // brightness: 4 steps
    QCOMPARE(int(r[8]), 8); // speed: 9 steps
}

void TestLightReport::timeStamp()
{
    const colorInfoData rec = { 0, 2, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0 };
    const LightSupportInfo support = steps(4, 4);
    qint64 now = 65535;
    const auto clock = [&now] { return now; };
    QCOMPARE(LightReportPacket::keyboardReport(rec, support, clock).word(62), 0xFFFF);
    now = 65536; // wraps every 65,536 ms
    QCOMPARE(LightReportPacket::keyboardReport(rec, support, clock).word(62), 0);
    now = 1700000000123;
    const HidReportBuff a = LightReportPacket::sideReport(rec, support, clock);
    const HidReportBuff b = LightReportPacket::sideReport(rec, support, clock);
    QVERIFY(a == b); // built within the same millisecond: the same bytes
    QCOMPARE(int(a.word(62)), int(now % 65536));
    now = -1;
    QCOMPARE(LightReportPacket::keyboardReport(rec, support, clock).word(62), 0xFFFF);
    // The system clock by default.
    const qint64 before = LightReportPacket::systemClock() % 65536;
    const int stamped = LightReportPacket::keyboardReport(rec, support).word(62);
    const qint64 after = LightReportPacket::systemClock() % 65536;
    QVERIFY(before <= after ? (stamped >= before && stamped <= after) : (stamped >= before || stamped <= after));
}

QTEST_GUILESS_MAIN(TestLightReport)
#include "tst_lightreport.moc"
