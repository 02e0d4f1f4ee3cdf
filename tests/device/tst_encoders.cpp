// The onboard encoders as data: the four-byte key record of every function
// type with its fallbacks, the modifier rule, the key, macro and
// advanced-key report layouts, and the macro slot image.
#include "device/OnboardKeyPacket.h"
#include "device/OnboardMacroPacket.h"
#include "device/OnboardSeniorKeyPacket.h"
#include "sdk/include/LumtarHid.h"

#include <QtTest>

#include <climits>
#include <cstring>
#include <list>
#include <memory>

namespace {

QByteArray bytesOf(const uint8_t *data, int size)
{
    return QByteArray(reinterpret_cast<const char *>(data), size);
}

QByteArray recordBytes(const OnboardKeyPacket::KeyRecord &r)
{
    return bytesOf(r.data(), 4);
}

QByteArray reportBytes(const HidReportBuff &r)
{
    return bytesOf(r.data(), HidReportBuff::Size);
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

std::unique_ptr<KeyOperateInfoStu> item(const char *type, const char *value, const char *mode = "0",
                                        const char *count = "1")
{
    auto it = std::make_unique<KeyOperateInfoStu>();
    std::memset(it.get(), 0, sizeof(KeyOperateInfoStu));
    lumtarCopyField(it->keyCode, "4");
    lumtarCopyField(it->type, type);
    lumtarCopyField(it->count, count);
    lumtarCopyField(it->mode, mode);
    lumtarCopyField(it->value, value);
    return it;
}

KeyOrMouseEventStu makeEvent(const char *type, const char *code, const char *explain, const char *delay = "0")
{
    KeyOrMouseEventStu e;
    std::memset(&e, 0, sizeof(e));
    lumtarCopyField(e.mark, "1");
    lumtarCopyField(e.delay, delay);
    lumtarCopyField(e.type, type);
    lumtarCopyField(e.keyCode, code);
    lumtarCopyField(e.codeName, "A");
    lumtarCopyField(e.operateExplain, explain);
    return e;
}

// n key events of keys 4, 5, 6 ... pressed in turn, each 10 ms after the one before.
std::list<KeyOrMouseEventStu> keyEvents(int n)
{
    std::list<KeyOrMouseEventStu> events;
    for (int i = 0; i < n; ++i) {
        const QByteArray code = QByteArray::number(4 + i % 100);
        events.push_back(makeEvent("key", code.constData(), "down", i == 0 ? "0" : "10"));
    }
    return events;
}

SeniorKeyInfoStu seniorRecord(int kind)
{
    SeniorKeyInfoStu r;
    std::memset(&r, 0, sizeof(r));
    r.id = 1;
    r.kind = kind;
    r.holdDuration = 150;
    return r;
}

} // namespace

class tst_Encoders : public QObject
{
    Q_OBJECT

private slots:
    void textNumber_data();
    void textNumber();
    void modifierRule_data();
    void modifierRule();
    void keyRecord_data();
    void keyRecord();
    void placeholderIgnoresTheItem();
    void keyReportLayout();

    void macroEvent_data();
    void macroEvent();
    void macroSlotImage();
    void longMacroIsCutAt62Events_data();
    void longMacroIsCutAt62Events();
    void macroReports();

    void seniorKeySlot_data();
    void seniorKeySlot();
    void seniorRecords_data();
    void seniorRecords();
    void dksLayout();
};

void tst_Encoders::textNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << QByteArray("42") << 42;
    QTest::newRow("leading blanks and sign") << QByteArray("  -7") << -7;
    QTest::newRow("plus sign") << QByteArray("+5") << 5;
    QTest::newRow("digits then text") << QByteArray("12abc") << 12;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("too large") << QByteArray("99999999999999999999") << INT_MAX;
    QTest::newRow("too small") << QByteArray("-99999999999999999999") << INT_MIN;
}

void tst_Encoders::textNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    QCOMPARE(OnboardKeyPacket::textNumber(text.constData()), expected);
    QCOMPARE(OnboardKeyPacket::textNumber(QString::fromLatin1(text)), expected);
    // A field without its terminating zero is read no further than its size.
    const char unterminated[3] = { '1', '2', '3' };
    QCOMPARE(OnboardKeyPacket::textNumber(unterminated, 2), 12);
}

void tst_Encoders::modifierRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("m1");
    QTest::addColumn<int>("m2");
    QTest::addColumn<int>("key");
    QTest::newRow("ctrl+alt") << "5,4" << 224 << 226 << 4;
    QTest::newRow("ctrl") << "1,4" << 224 << 0 << 4;
    QTest::newRow("three keep lowest and highest") << "7,4" << 224 << 226 << 4;
    QTest::newRow("all eight") << "255,9" << 224 << 231 << 9;
    QTest::newRow("right win") << "128,4" << 231 << 0 << 4;
    QTest::newRow("no modifier") << "0,30" << 0 << 0 << 30;
    QTest::newRow("bits above 7 ignored") << "256,4" << 0 << 0 << 4;
    QTest::newRow("no key part") << "5" << 224 << 226 << 0;
    QTest::newRow("empty") << "" << 0 << 0 << 0;
    QTest::newRow("not numbers") << "a,b" << 0 << 0 << 0;
}

void tst_Encoders::modifierRule()
{
    QFETCH(QString, text);
    QFETCH(int, m1);
    QFETCH(int, m2);
    QFETCH(int, key);
    const OnboardKeyPacket::ModifierKeys keys = OnboardKeyPacket::modifierRule(text);
    QCOMPARE(keys.m1, m1);
    QCOMPARE(keys.m2, m2);
    QCOMPARE(keys.key, key);
    QVERIFY(OnboardSeniorKeyPacket::parseSeniorKeyCombination(text) == keys);
}

void tst_Encoders::keyRecord_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("macroSlot");
    QTest::addColumn<int>("seniorIndex");
    QTest::addColumn<QByteArray>("expected");

    auto row = [](const char *name, int code, const char *type, const char *mode, const char *value,
                  const char *expected, int slot = -1, int index = -1) {
        QTest::newRow(name) << code << QByteArray(type) << QByteArray(mode) << QByteArray(value) << slot << index
                            << hex(expected);
    };
    // No function stored: by the key's own code.
    row("none: key", 4, "-1", "0", "", "00040000");
    row("none: Fn", -10, "-1", "0", "", "01000000");
    row("none: mute", 127, "-1", "0", "", "07120000");
    row("none: volume up", 128, "-1", "0", "", "07100000");
    row("none: volume down", 129, "-1", "0", "", "07110000");
    row("none: calculator", 215, "-1", "0", "", "07320000");
    row("none: code 255", 255, "-1", "0", "", "00ff0000");
    row("none: code above 255", 300, "-1", "0", "", "00ff0000");
    // 0 remap
    row("remap", 4, "0", "0", "5", "00050000");
    row("remap to -20", 4, "0", "0", "-20", "14000000");
    row("remap to Fn", 4, "0", "0", "-10", "01000000");
    // 1 macro
    row("macro", 30, "1", "2", "7", "101e0300", 3);
    row("macro on a code above 255", 300, "1", "1", "7", "10ff0900", 9);
    row("macro without a slot", 30, "1", "1", "7", "001e0000");
    // 2 key combination
    row("combination ctrl+alt", 4, "2", "0", "5,4", "13e0e204");
    row("combination ctrl", 4, "2", "0", "1,4", "13e00400");
    row("combination ctrl+shift+alt", 4, "2", "0", "7,4", "13e0e204");
    row("combination without modifier", 4, "2", "0", "0,30", "13001e00");
    row("combination without key part", 4, "2", "0", "5", "13e0e200");
    // 3 multimedia
    row("multimedia volume up", 4, "3", "0", "0", "07100000");
    row("multimedia stop", 4, "3", "0", "6", "07160000");
    row("multimedia no function", 4, "3", "0", "7", "07170000");
    row("multimedia player", 4, "3", "0", "8", "07300000");
    row("multimedia browser", 4, "3", "0", "11", "07230000");
    row("multimedia search", 4, "3", "0", "15", "07210000");
    row("multimedia outside the table", 4, "3", "0", "16", "07000000");
    row("multimedia negative", 4, "3", "0", "-1", "07000000");
    // 4 mouse
    row("mouse left", 4, "4", "0", "0", "12000100");
    row("mouse middle", 4, "4", "0", "1", "12000400");
    row("mouse right", 4, "4", "0", "2", "12000200");
    row("mouse scroll up", 4, "4", "0", "3", "12010100");
    row("mouse scroll down", 4, "4", "0", "4", "1201ff00");
    row("mouse forward", 4, "4", "0", "5", "12001000");
    row("mouse backward", 4, "4", "0", "6", "12000800");
    row("mouse sniper", 4, "4", "0", "7", "12000000");
    // 5 disable
    row("disable", 4, "5", "0", "", "00000000");
    // 6, 7, 8 performed by the application
    row("text", 30, "6", "0", "hello", "1600001e");
    row("switch profile", 30, "7", "0", "2", "1600001e");
    row("launch application", 300, "8", "0", "/usr/bin/true", "160000ff");
    // 9 shortcut
    row("shortcut close window", 4, "9", "0", "0", "13e23d00");
    row("shortcut lock computer", 4, "9", "0", "4", "13e30f00");
    row("shortcut save", 4, "9", "0", "11", "13e01600");
    row("shortcut outside the table", 4, "9", "0", "12", "13000000");
    // 19 device function by sub-code
    row("device function 0", 4, "19", "0", "9", "11000000");
    row("device function 1", 4, "19", "1", "5", "11010500");
    row("device function 10", 4, "19", "10", "2", "110a0200");
    row("device function 2 value low byte", 4, "19", "2", "258", "11020200");
    row("device function 3 value 300", 4, "19", "3", "300", "1103012c");
    row("device function 3 value 20", 4, "19", "3", "20", "11030014");
    row("device function 3 above 16 bits", 4, "19", "3", "70000", "1103ffff");
    row("device function 3 negative", 4, "19", "3", "-5", "11030000");
    row("device function 11", 4, "19", "11", "3,7", "110b0307");
    row("device function 11 without second part", 4, "19", "11", "3", "110b0300");
    row("device function 12 falls back", 4, "19", "12", "3", "00040000");
    row("device function -1 falls back", 4, "19", "-1", "3", "00040000");
    // 20-27 keyboard light events
    row("light mode", 4, "20", "0", "3", "02030000");
    row("light brightness", 4, "21", "0", "3", "03030000");
    row("light speed", 4, "22", "0", "3", "04030000");
    row("light direction", 4, "23", "0", "1", "05010000");
    row("light colour", 4, "24", "0", "6", "06060000");
    row("light custom scheme", 4, "25", "0", "2", "08020000");
    row("light off", 4, "26", "0", "1", "11040100");
    row("light stop", 4, "26", "1", "1", "11050100");
    row("light off other mode", 4, "26", "2", "1", "00040000");
    row("light recording", 4, "27", "0", "", "09000000");
    // 30-34 side light events
    row("side mode", 4, "30", "0", "3", "0a030000");
    row("side brightness", 4, "31", "0", "3", "0b030000");
    row("side speed", 4, "32", "0", "3", "0c030000");
    row("side colour", 4, "33", "0", "3", "0d030000");
    row("side off", 4, "34", "0", "2", "11040200");
    row("side stop", 4, "34", "1", "2", "11060200");
    row("side off other mode", 4, "34", "5", "2", "00040000");
    // 40 advanced key
    row("advanced key", 4, "40", "0", "12", "17070000", -1, 7);
    row("advanced key without record", 4, "40", "0", "12", "00040000");
    // 45, 46 gamepad controls
    row("classical gamepad", 4, "45", "0", "3", "18030000");
    row("xbox360 gamepad", 4, "46", "0", "9", "19090000");
    // Types without a record of their own fall back to the key.
    row("no function type", 4, "10", "0", "1", "00040000");
    row("type 18", 4, "18", "0", "1", "00040000");
    row("type 28", 4, "28", "0", "1", "00040000");
    row("type 35", 4, "35", "0", "1", "00040000");
    row("type 41", 4, "41", "0", "1", "00040000");
    row("type 47", 4, "47", "0", "1", "00040000");
    row("type -5", 4, "-5", "0", "1", "00040000");
    row("unlisted type on a code above 255", 300, "99", "0", "1", "00ff0000");
}

void tst_Encoders::keyRecord()
{
    QFETCH(int, keyCode);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, value);
    QFETCH(int, macroSlot);
    QFETCH(int, seniorIndex);
    QFETCH(QByteArray, expected);
    const auto it = item(type.constData(), value.constData(), mode.constData());
    QCOMPARE(recordBytes(OnboardKeyPacket::keyRecord(keyCode, *it, macroSlot, seniorIndex)).toHex(), expected.toHex());
}

void tst_Encoders::placeholderIgnoresTheItem()
{
    const auto it = item("0", "5");
    QCOMPARE(recordBytes(OnboardKeyPacket::keyRecord(0, *it, 1, 1)).toHex(), QByteArray("00000000"));
    QCOMPARE(recordBytes(OnboardKeyPacket::defaultRecord(0)).toHex(), QByteArray("00000000"));
}

void tst_Encoders::keyReportLayout()
{
    QVector<uint8_t> records;
    for (int i = 0; i < 24; ++i)
        records << static_cast<uint8_t>(i + 1);
    const QByteArray r = reportBytes(OnboardKeyPacket::build(OnboardKeyPacket::FnLayer, 9, records));
    QCOMPARE(r.left(6).toHex(), QByteArray("011702000918"));
    QCOMPARE(r.mid(6, 24), bytesOf(records.constData(), 24));
    QCOMPARE(r.mid(30), QByteArray(34, '\0'));

    records.resize(56);
    const QByteArray full = reportBytes(OnboardKeyPacket::build(OnboardKeyPacket::DefaultLayer, 0, records));
    QCOMPARE(full.left(6).toHex(), QByteArray("011700000038"));
    QCOMPARE(full.mid(62), QByteArray(2, '\0'));
}

void tst_Encoders::macroEvent_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("explain");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("key down") << QByteArray("key") << QByteArray("4") << QByteArray("down") << 100 << hex("04100064");
    QTest::newRow("key up") << QByteArray("key") << QByteArray("4") << QByteArray("up") << 0 << hex("04000000");
    QTest::newRow("delay 300") << QByteArray("key") << QByteArray("4") << QByteArray("down") << 300 << hex("0410012c");
    QTest::newRow("delay at the top") << QByteArray("key") << QByteArray("4") << QByteArray("up") << 65535
                                      << hex("0400ffff");
    QTest::newRow("delay above 16 bits") << QByteArray("key") << QByteArray("4") << QByteArray("up") << 70000
                                         << hex("0400ffff");
    QTest::newRow("negative delay") << QByteArray("key") << QByteArray("4") << QByteArray("up") << -5
                                    << hex("04000000");
    QTest::newRow("mouse left down") << QByteArray("mouse") << QByteArray("513") << QByteArray("down") << 0
                                     << hex("01110000");
    QTest::newRow("mouse left up") << QByteArray("mouse") << QByteArray("514") << QByteArray("up") << 0
                                   << hex("01010000");
    QTest::newRow("mouse right down") << QByteArray("mouse") << QByteArray("516") << QByteArray("down") << 0
                                      << hex("02110000");
    QTest::newRow("mouse right up") << QByteArray("mouse") << QByteArray("517") << QByteArray("up") << 0
                                    << hex("02010000");
    QTest::newRow("mouse middle down") << QByteArray("mouse") << QByteArray("519") << QByteArray("down") << 0
                                       << hex("04110000");
    QTest::newRow("mouse middle up") << QByteArray("mouse") << QByteArray("520") << QByteArray("up") << 0
                                     << hex("04010000");
    QTest::newRow("unknown mouse message") << QByteArray("mouse") << QByteArray("600") << QByteArray("down") << 5
                                           << hex("00110005");
    QTest::newRow("neither key nor mouse") << QByteArray("pen") << QByteArray("4") << QByteArray("down") << 0
                                           << hex("00100000");
    QTest::newRow("press test is case-sensitive") << QByteArray("key") << QByteArray("4") << QByteArray("Down") << 0
                                                  << hex("04000000");
    QTest::newRow("type test is case-sensitive") << QByteArray("Mouse") << QByteArray("513") << QByteArray("down")
                                                 << 0 << hex("00100000");
    QTest::newRow("key and mouse in the type") << QByteArray("keymouse") << QByteArray("30") << QByteArray("down")
                                               << 0 << hex("1e100000");
}

void tst_Encoders::macroEvent()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, explain);
    QFETCH(int, delay);
    QFETCH(QByteArray, expected);
    const KeyOrMouseEventStu e = makeEvent(type.constData(), code.constData(), explain.constData());
    const OnboardMacroPacket::EventBytes b = OnboardMacroPacket::eventBytes(e, delay);
    QCOMPARE(bytesOf(b.data(), 4).toHex(), expected.toHex());
}

void tst_Encoders::macroSlotImage()
{
    // A key press and its release 100 ms later: each event carries the
    // stored delay of the one after it.
    const std::list<KeyOrMouseEventStu> click = { makeEvent("key", "4", "down", "0"), makeEvent("key", "4", "up", "100") };
    OnboardMacroPacket::SlotImage image = OnboardMacroPacket::slotImage(click, 3, 5);
    QByteArray bytes = bytesOf(image.data(), 256);
    QCOMPARE(bytes.left(8).toHex(), QByteArray("0002000800050000"));
    QCOMPARE(bytes.mid(8, 8).toHex(), QByteArray("0410006404000000"));
    QCOMPARE(bytes.mid(16), QByteArray(240, '\0'));

    // A mouse click: code 1, flags 11 then 01.
    const std::list<KeyOrMouseEventStu> mouse = { makeEvent("mouse", "513", "down", "0"),
                                                  makeEvent("mouse", "514", "up", "300") };
    image = OnboardMacroPacket::slotImage(mouse, 1, 1);
    bytes = bytesOf(image.data(), 256);
    QCOMPARE(bytes.mid(8, 8).toHex(), QByteArray("0111012c01010000"));

    // A macro without events still has its header.
    int dropped = -1;
    image = OnboardMacroPacket::slotImage({}, 4, 2, &dropped);
    bytes = bytesOf(image.data(), 256);
    QCOMPARE(dropped, 0);
    QCOMPARE(bytes.left(8).toHex(), QByteArray("0003000000020000"));
    QCOMPARE(bytes.mid(8), QByteArray(248, '\0'));
}

void tst_Encoders::longMacroIsCutAt62Events_data()
{
    QTest::addColumn<int>("events");
    QTest::addColumn<int>("kept");
    QTest::newRow("61") << 61 << 61;
    QTest::newRow("62 fill the slot") << 62 << 62;
    QTest::newRow("63") << 63 << 62;
    QTest::newRow("64 would wrap byte 3") << 64 << 62;
    QTest::newRow("300") << 300 << 62;
}

void tst_Encoders::longMacroIsCutAt62Events()
{
    QFETCH(int, events);
    QFETCH(int, kept);
    int dropped = -1;
    const OnboardMacroPacket::SlotImage image = OnboardMacroPacket::slotImage(keyEvents(events), 1, 1, &dropped);
    QCOMPARE(dropped, events - kept);
    QCOMPARE(int(image[3]), 4 * kept);
    const int lastEvent = 8 + 4 * (kept - 1);
    // The last event sent is the 62nd (or the macro's last): it carries no delay.
    QCOMPARE(int(image[lastEvent]), 4 + (kept - 1) % 100);
    QCOMPARE(int(image[lastEvent + 2]), 0);
    QCOMPARE(int(image[lastEvent + 3]), 0);
    QCOMPARE(int(image[lastEvent - 1]), 10);
    for (int i = lastEvent + 4; i < 256; ++i)
        QCOMPARE(int(image[i]), 0);
}

void tst_Encoders::macroReports()
{
    OnboardMacroPacket::SlotImage image;
    for (int i = 0; i < 256; ++i)
        image[i] = static_cast<uint8_t>(i ^ 0x5A);
    const auto reports = OnboardMacroPacket::reports(7, image);
    QByteArray joined;
    for (int n = 0; n < 5; ++n) {
        const QByteArray r = reportBytes(reports[n]);
        const int length = n < 4 ? 58 : 24;
        QCOMPARE(int(uint8_t(r[0])), 0x01);
        QCOMPARE(int(uint8_t(r[1])), 0x18);
        QCOMPARE(int(uint8_t(r[2])), 7);
        QCOMPARE(int(uint8_t(r[3])), 0);
        QCOMPARE(int(uint8_t(r[4])), n);
        QCOMPARE(int(uint8_t(r[5])), length);
        joined += r.mid(6, length);
        QCOMPARE(r.mid(6 + length), QByteArray(58 - length, '\0'));
    }
    QCOMPARE(joined, bytesOf(image.data(), 256));

    const auto empty = OnboardMacroPacket::emptyReports(9);
    for (int n = 0; n < 5; ++n) {
        const QByteArray r = reportBytes(empty[n]);
        QCOMPARE(r.left(6).toHex(), QByteArray("011809000") + QByteArray::number(n) + (n < 4 ? "3a" : "18"));
        QCOMPARE(r.mid(6), QByteArray(58, '\0'));
    }
}

void tst_Encoders::seniorKeySlot_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("key code") << QByteArray("4") << hex("00040000");
    QTest::newRow("code above 255") << QByteArray("300") << hex("002c0000");
    QTest::newRow("empty") << QByteArray("") << hex("00000000");
    QTest::newRow("not a number") << QByteArray("abc") << hex("00000000");
    QTest::newRow("ctrl+alt") << QByteArray("5,4") << hex("13e0e204");
    QTest::newRow("ctrl") << QByteArray("1,4") << hex("13e00400");
    QTest::newRow("mask without key") << QByteArray("2,") << hex("13e10000");
}

void tst_Encoders::seniorKeySlot()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    char field[16] = {};
    std::memcpy(field, text.constData(), static_cast<size_t>(text.size()));
    const OnboardSeniorKeyPacket::KeySlot slot = OnboardSeniorKeyPacket::keySlot(field, sizeof(field));
    QCOMPARE(bytesOf(slot.data(), 4).toHex(), expected.toHex());
}

void tst_Encoders::seniorRecords_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("holdDuration");
    QTest::addColumn<QByteArray>("expected"); // bytes 0..16
    QTest::newRow("TGL") << 3 << 150 << hex("012a0500003203" "13e0e204" "000000000000");
    QTest::newRow("MT hold 150 ms") << 2 << 150 << hex("012a0500003202" "13e0e204" "001e0000" "0f00");
    QTest::newRow("MT hold 2550 ms") << 2 << 2550 << hex("012a0500003202" "13e0e204" "001e0000" "ff00");
    QTest::newRow("MT hold held at the top") << 2 << 5000 << hex("012a0500003202" "13e0e204" "001e0000" "ff00");
    QTest::newRow("MT hold 9 ms") << 2 << 9 << hex("012a0500003202" "13e0e204" "001e0000" "0000");
    QTest::newRow("unknown kind") << 7 << 150 << hex("012a0500003207" "00000000" "000000000000");
    QTest::newRow("empty record") << 0 << 150 << hex("012a0500003200" "00000000" "000000000000");
}

void tst_Encoders::seniorRecords()
{
    QFETCH(int, kind);
    QFETCH(int, holdDuration);
    QFETCH(QByteArray, expected);
    SeniorKeyInfoStu r = seniorRecord(kind);
    r.holdDuration = holdDuration;
    lumtarCopyField(r.keySlot[0], "5,4");
    lumtarCopyField(r.keySlot[1], "30");
    const QByteArray report = reportBytes(OnboardSeniorKeyPacket::build(5, r));
    QCOMPARE(report.left(17).toHex(), expected.toHex());
    QCOMPARE(report.mid(17), QByteArray(47, '\0'));

    const QByteArray empty = reportBytes(OnboardSeniorKeyPacket::empty(39));
    QCOMPARE(empty.left(6).toHex(), QByteArray("012a27000032"));
    QCOMPARE(empty.mid(6), QByteArray(58, '\0'));
}

void tst_Encoders::dksLayout()
{
    SeniorKeyInfoStu r = seniorRecord(LUMTAR_SENIOR_DKS);
    const int points[4] = { 5, 15, 30, 300 };
    for (int p = 0; p < 4; ++p)
        r.triggerPoint[p] = points[p];
    lumtarCopyField(r.keySlot[0], "4");
    lumtarCopyField(r.keySlot[1], "1,5");
    lumtarCopyField(r.keySlot[2], "");
    lumtarCopyField(r.keySlot[3], "6,7");
    for (int s = 0; s < 4; ++s)
        for (int p = 0; p < 4; ++p)
            r.dksAction[s][p] = s * 4 + p + 1;
    const QByteArray report = reportBytes(OnboardSeniorKeyPacket::build(0, r));
    QCOMPARE(report.left(7).toHex(), QByteArray("012a0000003201"));
    // Trigger points; a travel beyond one byte is held at 255.
    QCOMPARE(report.mid(7, 4).toHex(), QByteArray("050f1eff"));
    QCOMPARE(report.mid(11, 8).toHex(), QByteArray("00040000" "01020304"));
    QCOMPARE(report.mid(19, 8).toHex(), QByteArray("13e00500" "05060708"));
    QCOMPARE(report.mid(27, 8).toHex(), QByteArray("00000000" "090a0b0c"));
    QCOMPARE(report.mid(35, 8).toHex(), QByteArray("13e1e207" "0d0e0f10"));
    QCOMPARE(report.mid(43), QByteArray(21, '\0'));
}

QTEST_GUILESS_MAIN(tst_Encoders)
#include "tst_encoders.moc"
