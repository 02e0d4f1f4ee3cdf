// The simulated keyboard's firmware: one table of (report sent -> reports
// answered), then what the keyboard keeps of what it was sent.
#include "sdk/hid/DeviceTable.h"
#include "sdk/sim/SimKeyboard.h"

#include <QtTest>

using lumtar::DeviceTable;
using lumtar::sim::SimFaults;
using lumtar::sim::SimKeyboard;

namespace {

const DeviceTable& table()
{
    static DeviceTable t = [] {
        DeviceTable d;
        d.parse(DeviceTable::builtinJson());
        return d;
    }();
    return t;
}

// "i=v,a-b=v": byte i, or bytes a to b, get the hex value v. named
// receives the indexes given.
std::array<uint8_t, 64> parseReport(const QString& text, std::vector<bool>* named = nullptr)
{
    std::array<uint8_t, 64> r{};
    if (named)
        named->assign(64, false);
    for (const QString& part : text.split(',', Qt::SkipEmptyParts)) {
        const QStringList iv = part.trimmed().split('=');
        const QStringList range = iv[0].split('-');
        const int first = range[0].toInt();
        const int last = range.value(1, range[0]).toInt();
        for (int i = first; i <= last; ++i) {
            r[static_cast<size_t>(i)] = static_cast<uint8_t>(iv[1].toInt(nullptr, 16));
            if (named)
                (*named)[static_cast<size_t>(i)] = true;
        }
    }
    return r;
}

} // namespace

class TestSimKeyboard : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void keepsWhatItWasSent();
    void onboardMemory();
    void restartsAndBootloader();
};

void TestSimKeyboard::answers_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("connection");
    QTest::addColumn<bool>("linkUp");
    QTest::addColumn<QString>("sent");
    // Replies separated by ';': "cmd:i=v,a-b=v", values hex; bytes 2 to
    // the last one named must be zero unless named.
    QTest::addColumn<QString>("expected");

    QTest::newRow("serial inquiry, then status")
        << "LT108HE" << 0 << true << "0=0,1=14"
        << "15:0=1,6-37=41,38=0;01:0=1,5=9,9=0,10=64,11=0,12=0,13=0";
    QTest::newRow("side-light list") << "LT108HE" << 0 << true << "0=1,1=1"
                                     << "02:6=0,7=1,8=2,9=3,10=4,11=5,12=a5,13=5,14=5,15=0";
    QTest::newRow("side-light list, model without side light") << "LT68HE" << 0 << true << "0=1,1=1"
                                                               << "02:6=a5,7=0,8=0";
    QTest::newRow("keyboard mode list") << "LT104RGB" << 0 << true << "0=1,1=9"
                                        << "0a:6=0,7=1,8=2,9=3,10=4,11=5,12=6,13=7,14=8,15=a,16=a5,17=5,18=5";
    QTest::newRow("keyboard light configuration") << "LT108HE" << 0 << true << "0=1,1=6,2=1"
                                                  << "07:6=2,7=3,8=2,9=ff,10=0,11=0,12=0,13=0,14=ff,15=0,16=1";
    QTest::newRow("side light configuration") << "LT108HE" << 0 << true << "0=1,1=7,2=1"
                                              << "08:6=1,7=3,8=2,9=0,10=ff";
    QTest::newRow("custom-colour keys") << "LT108HE" << 0 << true << "0=1,1=d" << "0e:6-27=3f,28=0";
    QTest::newRow("set sleep times") << "LT108HE" << 0 << true << "0=1,1=13,2=1,5=1,9=1,10=2c,11=0,12=1e"
                                     << "14:2=0,9=0";
    QTest::newRow("query sleep times") << "LT108HE" << 0 << true << "0=1,1=13,2=2,5=1"
                                       << "14:2=2,9=1,10=2c,11=7,12=8,13=0";
    QTest::newRow("macro report acknowledged") << "LT108HE" << 0 << true << "0=1,1=18,2=3,4=2,5=3a"
                                               << "19:2=3,4=2";
    QTest::newRow("largest travel") << "LT108HE" << 0 << true << "0=1,1=29,5=18,6=4" << "21:6=4,7=28";
    QTest::newRow("travel of an unset key") << "LT68HE" << 0 << true << "0=1,1=29,5=18,6=5,7=2,8=5"
                                            << "21:6=5,7=0,8=14,9=14,10=3,11=3";
    QTest::newRow("set report rate") << "LT108HE" << 0 << true << "0=1,1=29,5=18,6=9,7=1,8=8" << "21:6=9,7=8";
    QTest::newRow("query anti-shake") << "LT108HE" << 0 << true << "0=1,1=29,5=18,6=a,7=0" << "21:6=a,7=0";
    QTest::newRow("one-key calibration") << "LT108HE" << 0 << true << "0=1,1=29,5=18,6=7,7=1,8=1"
                                         << "21:6=7,7=1"; // done once the key is pressed

    QTest::newRow("all-keys calibration") << "LT108HE" << 0 << true << "0=1,1=29,5=18,6=8,7=0"
                                          << "21:6=8,7=1"; // with the bitmap of the keys to do, then as keys are pressed

    QTest::newRow("plain keyboard ignores magnetic commands") << "LT104RGB" << 0 << true
                                                              << "0=1,1=29,5=18,6=4" << "";
    QTest::newRow("shake hands") << "LT108HE" << 0 << true << "0=0,1=0,5=1" << "";
    QTest::newRow("key records") << "LT108HE" << 0 << true << "0=1,1=17,5=38,6=4" << "";
    QTest::newRow("advanced key") << "LT108HE" << 0 << true << "0=1,1=2a,2=5,5=32,6=3" << "";
    QTest::newRow("receiver, keyboard away: serial answered") << "LT108HE" << 1 << false << "0=0,1=14"
                                                              << "15:6-37=41;01:5=9,10=64,11=1,12=1";
    QTest::newRow("receiver, keyboard away: rest unanswered") << "LT108HE" << 1 << false << "0=1,1=9" << "";
    QTest::newRow("receiver, keyboard reachable") << "LT108HE" << 1 << true << "0=1,1=1"
                                                  << "02:6=0";
}

void TestSimKeyboard::answers()
{
    QFETCH(QString, model);
    QFETCH(int, connection);
    QFETCH(bool, linkUp);
    QFETCH(QString, sent);
    QFETCH(QString, expected);
    const auto* m = table().findModel(model.toStdString());
    QVERIFY(m);
    SimKeyboard kb(*m, connection, connection == 0 && m->idsFor(0, 0) ? 0 : -1);
    kb.state().serialNumber = std::string(32, 'A');
    kb.state().receiverLinkUp = linkUp;
    SimFaults faults;
    const auto report = parseReport(sent);
    const auto out = kb.handle(report.data(), report.size(), faults);

    const QStringList replies = expected.split(';', Qt::SkipEmptyParts);
    QCOMPARE(int(out.replies.size()), replies.size());
    for (int i = 0; i < replies.size(); ++i) {
        const QStringList cmdAndBytes = replies[i].split(':');
        const auto& got = out.replies[static_cast<size_t>(i)].report;
        QCOMPARE(int(got[1]), cmdAndBytes[0].toInt(nullptr, 16));
        std::vector<bool> named;
        const auto want = parseReport(cmdAndBytes.value(1), &named);
        int last = 1;
        for (int b = 0; b < 64; ++b)
            if (named[static_cast<size_t>(b)])
                last = b;
        for (int b = 2; b <= last; ++b)
            QVERIFY2(got[static_cast<size_t>(b)] == want[static_cast<size_t>(b)],
                     qPrintable(QString("reply %1 byte %2: %3").arg(i).arg(b).arg(got[static_cast<size_t>(b)], 0, 16)));
    }
    QCOMPARE(out.restartInGamepadMode, -1);
    QVERIFY(!out.enterBootloader);
}

void TestSimKeyboard::keepsWhatItWasSent()
{
    SimKeyboard kb(*table().findModel("LT108HE"), 0, 0);
    SimFaults faults;
    auto send = [&](const QString& text) {
        const auto r = parseReport(text);
        return kb.handle(r.data(), r.size(), faults);
    };
    // Serial number: written, then reported.
    auto serial = parseReport("0=1,1=15,5=20");
    for (int i = 0; i < 32; ++i)
        serial[static_cast<size_t>(6 + i)] = static_cast<uint8_t>('a' + i % 26);
    kb.handle(serial.data(), serial.size(), faults);
    QCOMPARE(QByteArray::fromStdString(kb.state().serialNumber), QByteArray("abcdefghijklmnopqrstuvwxyzabcdef"));
    auto out = send("0=0,1=14");
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.replies[0].report.data() + 6), 32),
             QByteArray("abcdefghijklmnopqrstuvwxyzabcdef"));

    // Light configuration written, then read back.
    send("0=1,1=6,2=0,5=e,6=5,7=1,8=0,9=10,10=20,11=30,12=40,13=50,14=60,15=1,16=1,17=7");
    out = send("0=1,1=6,2=1");
    QCOMPARE(int(out.replies[0].report[6]), 5);
    QCOMPARE(int(out.replies[0].report[17]), 7);

    // Sleep times, lock flags, reset.
    send("0=1,1=13,2=1,5=1,9=1,10=2c,11=0,12=1e,13=1");
    QCOMPARE(kb.state().lightSleepSeconds, 300);
    QCOMPARE(kb.state().keyboardSleepSeconds, 30);
    QCOMPARE(kb.state().prohibitSleep, 1);
    send("0=1,1=13,2=0,5=1,6=0,13=1,16=1");
    QCOMPARE(kb.state().lockFlags, (std::array<int, 4>{ 1, 0, 0, 1 }));
    send("0=1,1=13,2=0,5=1,6=1");
    QCOMPARE(kb.state().resetCount, 1);
    QCOMPARE(kb.state().lockFlags, (std::array<int, 4>{ 1, 0, 0, 1 }));

    // Travel applied to row 2, column 5 (byte 12 bit 2), then queried.
    send("0=1,1=29,5=18,6=d,12=4,29=f,30=14,31=3,32=5");
    out = send("0=1,1=29,5=18,6=5,7=2,8=5");
    QCOMPARE(int(out.replies[0].report[7]), 13);
    QCOMPARE(int(out.replies[0].report[8]), 15);
    QCOMPARE(int(out.replies[0].report[9]), 20);
    QCOMPARE(int(out.replies[0].report[10]), 3);
    QCOMPARE(int(out.replies[0].report[11]), 5);
    send("0=1,1=29,5=18,6=6"); // defaults again
    out = send("0=1,1=29,5=18,6=5,7=2,8=5");
    QCOMPARE(int(out.replies[0].report[8]), 20);
}

void TestSimKeyboard::onboardMemory()
{
    SimKeyboard kb(*table().findModel("LT108HE"), 0, 0);
    SimFaults faults;
    // Key records: two reports of layer 2, sent out of order.
    auto k1 = parseReport("0=1,1=17,2=2,4=1,5=4,6=0,7=9");
    auto k0 = parseReport("0=1,1=17,2=2,4=0,5=8,6=0,7=4,10=1");
    kb.handle(k1.data(), 64, faults);
    kb.handle(k0.data(), 64, faults);
    QCOMPARE(kb.onboardKeys(2), (std::vector<uint8_t>{ 0, 4, 0, 0, 1, 0, 0, 0, 0, 9, 0, 0 }));
    QVERIFY(kb.onboardKeys(0).empty());

    // A macro slot of five reports lands at 58-byte steps; the fifth carries 24.
    for (int p = 0; p < 5; ++p) {
        std::array<uint8_t, 64> r{};
        r[0] = 1;
        r[1] = 0x18;
        r[2] = 9;
        r[4] = static_cast<uint8_t>(p);
        r[5] = p < 4 ? 58 : 24;
        for (int i = 6; i < 64; ++i)
            r[static_cast<size_t>(i)] = static_cast<uint8_t>(p + 1);
        kb.handle(r.data(), 64, faults);
    }
    const auto slot = kb.onboardMacro(9);
    QCOMPARE(slot.size(), size_t(256));
    QCOMPARE(int(slot[0]), 1);
    QCOMPARE(int(slot[57]), 1);
    QCOMPARE(int(slot[58]), 2);
    QCOMPARE(int(slot[232]), 5);
    QCOMPARE(int(slot[255]), 5);
    QVERIFY(kb.onboardMacro(0).empty());
    // Slot and packet numbers out of range are not stored (and do not crash).
    auto bad = parseReport("0=1,1=18,2=a,4=0,5=3a");
    kb.handle(bad.data(), 64, faults);
    bad = parseReport("0=1,1=18,2=1,4=5,5=3a");
    kb.handle(bad.data(), 64, faults);
    QVERIFY(kb.onboardMacro(10).empty());
    QVERIFY(kb.onboardMacro(1).empty());

    auto adv = parseReport("0=1,1=2a,2=27,5=32,6=3,7=4");
    kb.handle(adv.data(), 64, faults);
    const auto rec = kb.onboardSeniorKey(39);
    QCOMPARE(rec.size(), size_t(64));
    QCOMPARE(int(rec[6]), 3);
    QCOMPARE(int(rec[7]), 4);
    adv = parseReport("0=1,1=2a,2=28,5=32");
    kb.handle(adv.data(), 64, faults);
    QVERIFY(kb.onboardSeniorKey(40).empty());
}

void TestSimKeyboard::restartsAndBootloader()
{
    SimFaults faults;
    SimKeyboard kb(*table().findModel("LT108HE"), 0, 0);
    auto r = parseReport("0=1,1=13,2=3,5=1,6=2");
    QCOMPARE(kb.handle(r.data(), 64, faults).restartInGamepadMode, 2);
    QCOMPARE(kb.gamepadProductId(2, 0), 0x7474);
    r = parseReport("0=1,1=13,2=3,5=1,6=3"); // no such mode
    QCOMPARE(kb.handle(r.data(), 64, faults).restartInGamepadMode, -1);
    SimKeyboard compact(*table().findModel("LT68HE"), 0, -1);
    r = parseReport("0=1,1=13,2=3,5=1,6=1");
    QCOMPARE(compact.handle(r.data(), 64, faults).restartInGamepadMode, -1);
    r = parseReport("0=1,1=a");
    QVERIFY(kb.handle(r.data(), 64, faults).enterBootloader);
}

QTEST_GUILESS_MAIN(TestSimKeyboard)
#include "tst_simkeyboard.moc"
