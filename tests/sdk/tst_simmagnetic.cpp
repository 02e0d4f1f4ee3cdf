// The simulated keyboard's magnetic switches through the SDK's handles: an
// apply reaches only the positions that carry a key, a key pressed to a
// depth, one-key and all-keys calibration moved on by presses, and the
// setters of the stored travel and the reported maximum.
#include "sdk/include/lumtarSdk.h"
#include "sdk/sim/SimController.h"

#include "support/SimReportReader.h"

#include <QtTest>

#include <algorithm>

using lumtar::sim::SimController;
using lumtar::sim::SimFaults;

namespace {

int openNonblocking(const std::string &path)
{
    const int h = CLumtarHid_OpenPath(path.c_str());
    if (h > 0)
        CLumtarHid_SetNonblocking(h, 1);
    return h;
}

int write(int handle, const std::array<uint8_t, 64> &r)
{
    return CLumtarHid_HidWriteBuff(handle, r.data(), nullptr);
}

std::array<uint8_t, 64> magnetic(std::initializer_list<std::pair<int, int>> bytes)
{
    std::array<uint8_t, 64> r = SimReportReader::report({ { 0, 1 }, { 1, 0x29 }, { 5, 24 } });
    for (const auto &b : bytes)
        r[static_cast<size_t>(b.first)] = static_cast<uint8_t>(b.second);
    return r;
}

// The 0x21 replies of one sub-command that arrive within timeoutMs.
std::vector<std::array<uint8_t, 64>> replies(int handle, int sub, int timeoutMs, size_t expected = 0)
{
    std::vector<std::array<uint8_t, 64>> out;
    for (const SimReadReport &r : SimReportReader::collect(handle, timeoutMs, expected))
        if (r.bytes[1] == 0x21 && r.bytes[6] == sub)
            out.push_back(r.bytes);
    return out;
}

// Columns 0..21 of a reply's bitmap at bytes 8..29.
std::vector<int> bitmapOf(const std::array<uint8_t, 64> &r)
{
    return std::vector<int>(r.begin() + 8, r.begin() + 30);
}

const std::vector<int> kLT108Keys = { 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63,
                                      63, 63, 31, 31, 31, 23, 7,  7,  7,  6,  0 };

} // namespace

class TestSimMagnetic : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void applyTouchesOnlyKeys();
    void pressSendsLiveTravel();
    void oneKeyCalibration_data();
    void oneKeyCalibration();
    void allKeysCalibrationProgress();
    void allKeysCalibrationStopAndFailure();
    void selfPressingEndsCalibration();
    void storedTravelAndMaximumSetters();
};

void TestSimMagnetic::initTestCase()
{
    QCOMPARE(CLumtarHid_Init(), 0);
}

void TestSimMagnetic::cleanup()
{
    SimController::instance().unplugAll();
}

void TestSimMagnetic::applyTouchesOnlyKeys()
{
    auto &sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    const int h = openNonblocking(p);
    std::array<uint8_t, 64> all = magnetic({ { 6, 12 }, { 29, 15 }, { 30, 20 }, { 31, 3 }, { 32, 5 } });
    std::fill(all.begin() + 7, all.begin() + 29, uint8_t(0x3F));
    QCOMPARE(write(h, all), 64);
    QTRY_COMPARE_WITH_TIMEOUT(int(sim.state(p).travel.size()), 108, 20000);
    const auto travel = sim.state(p).travel;
    for (int col = 0; col < 22; ++col)
        for (int row = 0; row < 6; ++row) {
            const bool key = (kLT108Keys[size_t(col)] >> row) & 1;
            QCOMPARE(travel.count(row * 22 + col) == 1, key);
            if (key)
                QCOMPARE(travel.at(row * 22 + col), (std::array<int, 5>{ 12, 15, 20, 3, 5 }));
        }
    CLumtarHid_Close(h);
}

void TestSimMagnetic::pressSendsLiveTravel()
{
    auto &sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    const int h = openNonblocking(p);
    QVERIFY(sim.pressKey(p, 3, 2, 17));
    const auto live = replies(h, 1, 3000, 1);
    QCOMPARE(live.size(), size_t(1));
    QCOMPARE(int(live[0][7]), 3);
    QCOMPARE(int(live[0][8]), 2);
    QCOMPARE(int(live[0][9]), 17);
    QVERIFY(!sim.pressKey("sim/nothing", 0, 0, 1));
    CLumtarHid_Close(h);
}

void TestSimMagnetic::oneKeyCalibration_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("fault");
    QTest::addColumn<int>("firstStatus");
    QTest::newRow("a key") << 2 << 5 << false << 1;
    QTest::newRow("a position without a key") << 5 << 21 << false << 2;
    QTest::newRow("injected failure") << 2 << 5 << true << 2;
}

void TestSimMagnetic::oneKeyCalibration()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, fault);
    QFETCH(int, firstStatus);
    auto &sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    QVERIFY(sim.setSelfPressing(p, false));
    SimFaults f;
    f.failCalibration = fault;
    QVERIFY(sim.setFaults(p, f));
    const int h = openNonblocking(p);
    QCOMPARE(write(h, magnetic({ { 6, 7 }, { 7, row }, { 8, column } })), 64);
    auto first = replies(h, 7, 3000, 1);
    QCOMPARE(first.size(), size_t(1));
    QCOMPARE(int(first[0][7]), firstStatus);

    // A half press is not enough; a full one of that key ends it.
    QVERIFY(sim.pressKey(p, row, column, 10));
    QVERIFY(replies(h, 7, 300).empty());
    QVERIFY(sim.pressKey(p, row, column, 40));
    const auto done = replies(h, 7, firstStatus == 1 ? 3000 : 300, 2);
    if (firstStatus == 1) {
        QCOMPARE(done.size(), size_t(1));
        QCOMPARE(int(done[0][7]), 0);
    } else {
        QVERIFY(done.empty());
    }
    CLumtarHid_Close(h);
}

void TestSimMagnetic::allKeysCalibrationProgress()
{
    auto &sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    QVERIFY(sim.setSelfPressing(p, false));
    const int h = openNonblocking(p);
    QCOMPARE(write(h, magnetic({ { 6, 8 }, { 7, 0 } })), 64);
    auto start = replies(h, 8, 3000, 1);
    QCOMPARE(start.size(), size_t(1));
    QCOMPARE(int(start[0][7]), 1);
    QCOMPARE(bitmapOf(start[0]), kLT108Keys);

    std::vector<int> expected = kLT108Keys;
    int pressed = 0;
    for (int col = 0; col < 22; ++col)
        for (int row = 0; row < 6; ++row) {
            if (!((kLT108Keys[size_t(col)] >> row) & 1))
                continue;
            expected[size_t(col)] &= ~(1 << row);
            QVERIFY(sim.pressKey(p, row, col, 40));
            ++pressed;
            const auto step = replies(h, 8, 3000, 2);
            QCOMPARE(step.size(), size_t(1));
            QCOMPARE(int(step[0][7]), pressed == 108 ? 0 : 1);
            QCOMPARE(bitmapOf(step[0]), expected);
        }
    // Pressing again after the end says nothing more.
    QVERIFY(sim.pressKey(p, 0, 0, 40));
    QVERIFY(replies(h, 8, 300).empty());
    QVERIFY(!sim.state(p).calibrating);
    CLumtarHid_Close(h);
}

void TestSimMagnetic::allKeysCalibrationStopAndFailure()
{
    auto &sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    QVERIFY(sim.setSelfPressing(p, false));
    const int h = openNonblocking(p);
    QCOMPARE(write(h, magnetic({ { 6, 8 }, { 7, 0 } })), 64);
    QCOMPARE(replies(h, 8, 3000, 1).size(), size_t(1));
    QCOMPARE(write(h, magnetic({ { 6, 8 }, { 7, 1 } })), 64);
    QTRY_VERIFY_WITH_TIMEOUT(!sim.state(p).calibrating, 20000);
    QVERIFY(sim.pressKey(p, 0, 0, 40));
    QVERIFY(replies(h, 8, 300).empty());

    SimFaults f;
    f.failCalibration = true;
    QVERIFY(sim.setFaults(p, f));
    QCOMPARE(write(h, magnetic({ { 6, 8 }, { 7, 0 } })), 64);
    const auto failed = replies(h, 8, 3000, 1);
    QCOMPARE(failed.size(), size_t(1));
    QCOMPARE(int(failed[0][7]), 2);
    QVERIFY(!sim.state(p).calibrating);
    CLumtarHid_Close(h);
}

void TestSimMagnetic::selfPressingEndsCalibration()
{
    auto &sim = SimController::instance();
    const std::string p = sim.plug("LT68HE");
    const int h = openNonblocking(p);
    QCOMPARE(write(h, magnetic({ { 6, 8 }, { 7, 0 } })), 64);
    // Status 1 on start, one per key, the last one 0.
    const auto steps = replies(h, 8, 20000, 69 + 68);
    QVERIFY(!steps.empty());
    QCOMPARE(int(steps.back()[7]), 0);
    QCOMPARE(bitmapOf(steps.back()), std::vector<int>(22, 0));
    QCOMPARE(int(std::count_if(steps.begin(), steps.end(), [](const auto &r) { return r[7] == 1; })), 68);

    QCOMPARE(write(h, magnetic({ { 6, 7 }, { 7, 1 }, { 8, 1 } })), 64);
    const auto one = replies(h, 7, 20000, 2 + 1);
    QCOMPARE(one.size(), size_t(2));
    QCOMPARE(int(one[0][7]), 1);
    QCOMPARE(int(one[1][7]), 0);
    CLumtarHid_Close(h);
}

void TestSimMagnetic::storedTravelAndMaximumSetters()
{
    auto &sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    const int h = openNonblocking(p);
    QVERIFY(sim.setKeyTravel(p, 3, 1, { 13, 0, 255, 1, 2 }));
    QCOMPARE(write(h, magnetic({ { 6, 5 }, { 7, 3 }, { 8, 1 } })), 64);
    const auto key = replies(h, 5, 3000, 1);
    QCOMPARE(key.size(), size_t(1));
    QCOMPARE(std::vector<int>(key[0].begin() + 7, key[0].begin() + 12), (std::vector<int>{ 13, 0, 255, 1, 2 }));

    QCOMPARE(write(h, magnetic({ { 6, 4 } })), 64);
    auto max = replies(h, 4, 3000, 1);
    QCOMPARE(max.size(), size_t(1));
    QCOMPARE(int(max[0][7]), 40);
    QVERIFY(sim.setMaxTravel(p, 0));
    QCOMPARE(write(h, magnetic({ { 6, 4 } })), 64);
    max = replies(h, 4, 3000, 1);
    QCOMPARE(max.size(), size_t(1));
    QCOMPARE(int(max[0][7]), 0);
    CLumtarHid_Close(h);
}

QTEST_GUILESS_MAIN(TestSimMagnetic)
#include "tst_simmagnetic.moc"
