// The key-report relay: the keyboard's 0x04 reports come back as 0x03
// relay reports, with the combinations the profile locks taken out.
#include "device/DDeviceKeyboardLink.h"
#include "device/KeyReportRelay.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DeviceLinkFixture.h"
#include "support/SimReportLog.h"

#include <QtTest>

using lumtar::sim::SimController;

namespace {

enum : int { LCtrl = 0x01, LShift = 0x02, LAlt = 0x04, LWin = 0x08, RCtrl = 0x10, RShift = 0x20, RAlt = 0x40, RWin = 0x80 };
enum : int { Tab = 43, F4 = 61, KeyA = 4, KeyB = 5, KeyC = 6, KeyD = 7, KeyE = 8, KeyF = 9, KeyG = 10 };

// An 8-byte key report: modifier byte, 0, up to six key slots.
QByteArray keys(int modifiers, const QList<int> &usages = {})
{
    QByteArray r(8, '\0');
    r[0] = static_cast<char>(modifiers);
    for (int i = 0; i < usages.size() && i < 6; ++i)
        r[2 + i] = static_cast<char>(usages.at(i));
    return r;
}

} // namespace

class tst_KeyRelay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void relay_data();
    void relay();
    void modifierBitToUsage_data();
    void modifierBitToUsage();
    void pendingKeyEdges();
    void newlyPressed_data();
    void newlyPressed();
};

void tst_KeyRelay::initTestCase()
{
    QVERIFY(DeviceLinkFixture::prepareEnvironment());
}

void tst_KeyRelay::relay_data()
{
    // Lock flags in store order: Alt+Tab, Alt+F4, Shift+Tab, Windows key.
    QTest::addColumn<QString>("locks");
    QTest::addColumn<bool>("filter");
    QTest::addColumn<QList<QByteArray>>("reports");
    QTest::addColumn<QList<QByteArray>>("relayed");

    QTest::newRow("Alt+Tab locked") << "1000" << true
        << QList<QByteArray>{keys(LAlt), keys(LAlt, {Tab})}
        << QList<QByteArray>{keys(LAlt), keys(LAlt)};
    QTest::newRow("Alt+Tab free") << "0000" << true
        << QList<QByteArray>{keys(LAlt), keys(LAlt, {Tab})}
        << QList<QByteArray>{keys(LAlt), keys(LAlt, {Tab})};
    QTest::newRow("right Alt+Tab locked") << "1000" << true
        << QList<QByteArray>{keys(RAlt, {Tab})}
        << QList<QByteArray>{keys(RAlt)};
    QTest::newRow("Windows key locked: Win+E relayed as E") << "0001" << true
        << QList<QByteArray>{keys(LWin, {KeyE})}
        << QList<QByteArray>{keys(0, {KeyE})};
    QTest::newRow("right Windows key locked") << "0001" << true
        << QList<QByteArray>{keys(RWin | LShift, {KeyE})}
        << QList<QByteArray>{keys(LShift, {KeyE})};
    QTest::newRow("Windows key free keeps both") << "0000" << true
        << QList<QByteArray>{keys(LWin, {KeyE})}
        << QList<QByteArray>{keys(LWin, {KeyE})};
    QTest::newRow("Alt rules skipped while Windows key held") << "1000" << true
        << QList<QByteArray>{keys(LWin | LAlt, {Tab})}
        << QList<QByteArray>{keys(LWin | LAlt, {Tab})};
    QTest::newRow("Ctrl+Alt+Tab loses Tab") << "1000" << true
        << QList<QByteArray>{keys(LCtrl | LAlt, {Tab})}
        << QList<QByteArray>{keys(LCtrl | LAlt)};
    QTest::newRow("Alt with Tab and F4, both locked") << "1100" << true
        << QList<QByteArray>{keys(LAlt, {Tab, F4})}
        << QList<QByteArray>{keys(LAlt)};
    QTest::newRow("Alt+F4 locked keeps Tab") << "0100" << true
        << QList<QByteArray>{keys(LAlt, {KeyA, F4, Tab})}
        << QList<QByteArray>{keys(LAlt, {KeyA, Tab})};
    QTest::newRow("Shift+Tab locked") << "0010" << true
        << QList<QByteArray>{keys(RShift, {Tab, KeyB})}
        << QList<QByteArray>{keys(RShift, {KeyB})};
    QTest::newRow("Shift+Tab free") << "1101" << true
        << QList<QByteArray>{keys(LShift, {Tab})}
        << QList<QByteArray>{keys(LShift, {Tab})};
    QTest::newRow("filter off relays as pressed") << "1111" << false
        << QList<QByteArray>{keys(LAlt, {Tab}), keys(LWin, {KeyE}), keys(LShift, {Tab})}
        << QList<QByteArray>{keys(LAlt, {Tab}), keys(LWin, {KeyE}), keys(LShift, {Tab})};
    QTest::newRow("keys keep press order; a release closes the gap") << "0000" << false
        << QList<QByteArray>{keys(0, {KeyA}), keys(0, {KeyC, KeyA}), keys(0, {KeyB, KeyC, KeyA}),
                             keys(0, {KeyB, KeyA}), keys(0, {})}
        << QList<QByteArray>{keys(0, {KeyA}), keys(0, {KeyA, KeyC}), keys(0, {KeyA, KeyC, KeyB}),
                             keys(0, {KeyA, KeyB}), keys(0, {})};
    QTest::newRow("six keys, then a release frees a slot") << "0000" << false
        << QList<QByteArray>{keys(0, {KeyA, KeyB, KeyC, KeyD, KeyE, KeyF}), keys(0, {KeyA, KeyB, KeyC, KeyD, KeyE}),
                             keys(0, {KeyA, KeyB, KeyC, KeyD, KeyE, KeyG})}
        << QList<QByteArray>{keys(0, {KeyA, KeyB, KeyC, KeyD, KeyE, KeyF}), keys(0, {KeyA, KeyB, KeyC, KeyD, KeyE}),
                             keys(0, {KeyA, KeyB, KeyC, KeyD, KeyE, KeyG})};
    QTest::newRow("modifier released") << "0000" << false
        << QList<QByteArray>{keys(LCtrl | LShift, {KeyA}), keys(LShift, {KeyA}), keys(0)}
        << QList<QByteArray>{keys(LCtrl | LShift, {KeyA}), keys(LShift, {KeyA}), keys(0)};
}

void tst_KeyRelay::relay()
{
    QFETCH(QString, locks);
    QFETCH(bool, filter);
    QFETCH(QList<QByteArray>, reports);
    QFETCH(QList<QByteArray>, relayed);

    DeviceLinkFixture fx;
    QVERIFY(fx.open("LT104RGB"));
    QVERIFY(fx.waitUntilReady());
    const QByteArray flag[4] = {locks.mid(0, 1).toLatin1(), locks.mid(1, 1).toLatin1(), locks.mid(2, 1).toLatin1(),
                                locks.mid(3, 1).toLatin1()};
    QVERIFY(CLumtarXML_AddProFileFunctionInfo(fx.profilePath().constData(), "1", flag[0].constData(),
                                              flag[1].constData(), flag[2].constData(), flag[3].constData()));
    // The status report switches the filter.
    QVERIFY(fx.deliver({{0, 1}, {1, 0x01}, {5, 9}, {6, filter ? 1 : 0}}));
    QVERIFY(fx.sync());
    SimController::instance().clearReceivedReports(fx.path());

    for (const QByteArray &r : qAsConst(reports)) {
        std::array<uint8_t, 8> report{};
        std::copy(r.begin(), r.end(), report.begin());
        QVERIFY(SimController::instance().sendKeyReport(fx.path(), report));
    }
    QVERIFY(fx.sync());
    auto relays = [&fx] {
        QList<QByteArray> out;
        for (const QByteArray &r : SimReportLog::commands(fx.path())) {
            if (r.at(1) == 0x03)
                out.append(r);
        }
        return out;
    };
    QTRY_COMPARE_WITH_TIMEOUT(relays().size(), relayed.size(), 5000);
    const QList<QByteArray> sent = relays();
    for (int i = 0; i < relayed.size(); ++i) {
        QCOMPARE(int(sent.at(i).at(0)), 1);
        QCOMPARE(int(sent.at(i).at(5)), 9);
        QCOMPARE(sent.at(i).mid(6, 8).toHex(' '), relayed.at(i).toHex(' '));
        QCOMPARE(sent.at(i).mid(14), QByteArray(50, '\0'));
    }
}

void tst_KeyRelay::modifierBitToUsage_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("usage");
    for (int bit = 0; bit < 8; ++bit)
        QTest::addRow("bit %d", bit) << (1 << bit) << 224 + bit;
    QTest::newRow("none") << 0 << -1;
    QTest::newRow("two bits") << 0x03 << -1;
    QTest::newRow("past the modifiers") << 0x100 << -1;
    QTest::newRow("negative") << -1 << -1;
}

void tst_KeyRelay::modifierBitToUsage()
{
    QFETCH(int, mask);
    QFETCH(int, usage);
    QCOMPARE(DDeviceKeyboardLink::modifierBitToUsage(mask), usage);
}

void tst_KeyRelay::newlyPressed_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("now");
    QTest::addColumn<QList<int>>("pressed");
    QTest::newRow("a key") << keys(0) << keys(0, {KeyA}) << QList<int>{KeyA};
    QTest::newRow("held key is no new press") << keys(0, {KeyA}) << keys(0, {KeyB, KeyA}) << QList<int>{KeyB};
    QTest::newRow("release") << keys(LShift, {KeyA}) << keys(0) << QList<int>{};
    QTest::newRow("modifiers first, in bit order")
        << keys(0) << keys(RAlt | LCtrl, {KeyC, KeyB}) << QList<int>{224, 230, KeyC, KeyB};
    QTest::newRow("held modifier") << keys(LWin) << keys(LWin | RWin) << QList<int>{231};
}

void tst_KeyRelay::newlyPressed()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, now);
    QFETCH(QList<int>, pressed);
    KeyReportRelay::Report b{}, n{};
    std::copy(before.begin(), before.end(), b.begin());
    std::copy(now.begin(), now.end(), n.begin());
    const std::vector<int> got = KeyReportRelay::newlyPressed(b, n);
    QCOMPARE(QList<int>(got.begin(), got.end()), pressed);
    // The relay remembers what each report pressed.
    KeyReportRelay relay;
    relay.relay(b, nullptr);
    relay.relay(n, nullptr);
    QCOMPARE(relay.lastPressed(), got);
}

void tst_KeyRelay::pendingKeyEdges()
{
    // Releasing "no key" (usage 0) must not free slots that hold nothing, and
    // a usage past one byte is no key: the relay report keeps A and B in order.
    DeviceLinkFixture fx;
    QVERIFY(fx.open("LT104RGB"));
    QVERIFY(fx.waitUntilReady());
    DDeviceKeyboardLink *link = fx.link();
    link->updatePendingKey(KeyA, true);
    link->updatePendingKey(0, false);
    link->updatePendingKey(300, true);
    link->updatePendingKey(KeyB, true);
    QVERIFY(fx.deliver({{0, 1}, {1, 0x01}, {5, 9}, {6, 0}}));
    SimController::instance().clearReceivedReports(fx.path());
    std::array<uint8_t, 8> report{};
    report[0] = LCtrl;
    QVERIFY(SimController::instance().sendKeyReport(fx.path(), report));
    QTRY_VERIFY(!SimReportLog::commands(fx.path()).isEmpty());
    QCOMPARE(SimReportLog::commands(fx.path()).first().mid(6, 8).toHex(' '), keys(LCtrl, {KeyA, KeyB}).toHex(' '));
}

QTEST_GUILESS_MAIN(tst_KeyRelay)
#include "tst_keyrelay.moc"
