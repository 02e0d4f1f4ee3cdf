// The reports of the streamed light as byte tables: the 0x0E payloads of
// keys and side LEDs, the 0x16 synchronisation, the 0x08 custom colours and
// the compact 0x28 report of a keyboard behind its receiver, mode by mode.
#include "device/CustomLedPacket.h"
#include "device/DeviceModelLists.h"
#include "device/LightCompactPacket.h"
#include "device/LightStreamPacket.h"
#include "device/LightSyncPacket.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarRecords.h"

#include <QtTest>

#include <map>
#include <string>

namespace {

QByteArray bytes(const HidReportBuff &r)
{
    return QByteArray(reinterpret_cast<const char *>(r.data()), HidReportBuff::Size);
}

// A 64-byte report: the given bytes, zeros elsewhere.
QByteArray report(std::initializer_list<std::pair<int, int>> set)
{
    QByteArray r(HidReportBuff::Size, '\0');
    for (const auto &b : set)
        r[b.first] = static_cast<char>(b.second);
    return r;
}

// R, G, B of `leds` LEDs numbered from 1 (LED n is n, n + 1, n + 2).
QByteArray numberedLeds(int leds)
{
    QByteArray rgb;
    for (int n = 1; n <= leds; ++n) {
        rgb.append(static_cast<char>(n));
        rgb.append(static_cast<char>(n + 1));
        rgb.append(static_cast<char>(n + 2));
    }
    return rgb;
}

LightCompactFrame frame(int mode)
{
    LightCompactFrame f;
    f.timeMs = 0x12345678;
    f.keyboardMode = mode;
    f.firstKey = { 10, 20, 30 };
    f.ripple = { 0x1FF, 2, 3 };
    f.autoRipple = { 4, 5, 6, 7, 8 };
    f.speedRespondLevel = 6;
    f.speedRespondValue = 200;
    f.firstSide = { 40, 50, 60 };
    f.collision = { 1, 2, 3, 4, 5 };
    return f;
}

} // namespace

Q_DECLARE_METATYPE(LightCompactFrame)

class TestLightStreamPackets : public QObject
{
    Q_OBJECT

private slots:
    void payloads_data();
    void payloads();
    void streamReport();
    void syncReport();
    void customLedReports();
    void compactReport_data();
    void compactReport();
    void compactTimeWraps();
    void batchIsOneWholeFrameForEveryModel();
};

void TestLightStreamPackets::payloads_data()
{
    QTest::addColumn<int>("leds");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("132 keys") << 132 << QList<int>{ 54, 54, 54, 54, 54, 54, 54, 18 };
    QTest::newRow("33 side LEDs") << 33 << QList<int>{ 54, 45 };
    QTest::newRow("41 side LEDs") << 41 << QList<int>{ 54, 54, 15 };
    QTest::newRow("36: two full, no empty third") << 36 << QList<int>{ 54, 54 };
    QTest::newRow("one LED") << 1 << QList<int>{ 3 };
    QTest::newRow("none") << 0 << QList<int>{};
}

void TestLightStreamPackets::payloads()
{
    QFETCH(int, leds);
    QFETCH(QList<int>, sizes);
    const QByteArray rgb = numberedLeds(leds);
    const QVector<QByteArray> parts = LightStreamPacket::payloads(rgb);
    QList<int> got;
    QByteArray joined;
    for (const QByteArray &p : parts) {
        got << p.size();
        joined += p;
    }
    QCOMPARE(got, sizes);
    QCOMPARE(joined, rgb);
    QCOMPARE(LightStreamPacket::reportCount(leds), sizes.size());
    // A partial LED at the end is not sent.
    QCOMPARE(LightStreamPacket::payloads(rgb + QByteArray("\x01\x02", 2)).size(), sizes.size());
}

void TestLightStreamPackets::streamReport()
{
    const QByteArray rgb = numberedLeds(18);
    QByteArray expected = report({ { 0, 1 }, { 1, 0x0E }, { 2, 1 }, { 4, 2 }, { 5, 54 } });
    expected.replace(6, 54, rgb);
    QCOMPARE(bytes(LightStreamPacket::report(LightStreamPacket::SideZone, 2, rgb)), expected);
    // The last key packet: 6 keys.
    QByteArray last = report({ { 0, 1 }, { 1, 0x0E }, { 4, 7 }, { 5, 18 } });
    last.replace(6, 18, numberedLeds(6));
    QCOMPARE(bytes(LightStreamPacket::report(LightStreamPacket::KeyZone, 7, numberedLeds(6))), last);
    // More than a report holds is cut, never written past the report.
    const HidReportBuff cut = LightStreamPacket::report(0, 0, numberedLeds(30));
    QCOMPARE(int(cut[5]), 54);
}

void TestLightStreamPackets::syncReport()
{
    QCOMPARE(bytes(LightSyncPacket::report(true)), report({ { 0, 1 }, { 1, 0x16 }, { 5, 1 }, { 6, 1 } }));
    QCOMPARE(bytes(LightSyncPacket::report(false)), report({ { 0, 1 }, { 1, 0x16 }, { 5, 1 } }));
}

void TestLightStreamPackets::customLedReports()
{
    const QVector<QByteArray> parts = LightStreamPacket::payloads(numberedLeds(132));
    QCOMPARE(parts.size(), 8);
    for (int p = 0; p < parts.size(); ++p) {
        QByteArray expected = report({ { 0, 1 }, { 1, 0x08 }, { 2, 0x02 }, { 4, p }, { 5, p == 7 ? 18 : 54 } });
        expected.replace(6, parts.at(p).size(), parts.at(p));
        QCOMPARE(bytes(CustomLedPacket::report(CustomLedPacket::HostColours, p, parts.at(p))), expected);
    }
}

void TestLightStreamPackets::compactReport_data()
{
    QTest::addColumn<LightCompactFrame>("frame");
    QTest::addColumn<QByteArray>("expected");
    const std::pair<int, int> head[] = { { 0, 1 }, { 1, 0x28 }, { 2, 0x56 }, { 3, 0x78 } };
    auto expect = [&head](int mode, std::initializer_list<std::pair<int, int>> more) {
        QByteArray r = report(more);
        for (const auto &b : head)
            r[b.first] = static_cast<char>(b.second);
        r[4] = static_cast<char>(mode);
        return r;
    };

    for (int mode : { int(LightMode_Static), int(LightMode_Breath), int(LightMode_Neon) })
        QTest::addRow("mode %d: the first key's colour", mode)
            << frame(mode) << expect(mode, { { 5, 10 }, { 6, 20 }, { 7, 30 } });
    for (int mode : { int(LightMode_Wave), int(LightMode_Radar), int(LightMode_Twinkle), int(LightMode_Custom),
                      int(LightMode_Striation), 13 })
        QTest::addRow("mode %d: nothing", mode) << frame(mode) << expect(mode, {});

    for (int mode : { int(LightMode_Reactive), int(LightMode_Aurora), int(LightMode_Ripple), int(LightMode_Cross),
                      int(LightMode_Fireworks) }) {
        QTest::addRow("mode %d without a press", mode) << frame(mode) << expect(mode, {});
        LightCompactFrame pressed = frame(mode);
        pressed.pointRow = 3;
        pressed.pointColumn = 21;
        QTest::addRow("mode %d: the press and its ripple colour", mode)
            << pressed << expect(mode, { { 5, 3 }, { 6, 21 }, { 7, 0xFF }, { 8, 2 }, { 9, 3 } });
    }
    LightCompactFrame halfPoint = frame(LightMode_Ripple);
    halfPoint.pointRow = 2;
    QTest::newRow("a press without its column is none") << halfPoint << expect(LightMode_Ripple, {});
    LightCompactFrame pressInSpeedRespond = frame(LightMode_SpeedRespond);
    pressInSpeedRespond.pointRow = 1;
    pressInSpeedRespond.pointColumn = 1;
    QTest::newRow("Speed Respond carries no press") << pressInSpeedRespond << expect(LightMode_SpeedRespond, {});

    QTest::newRow("Speed Respond, nothing lit") << frame(LightMode_SpeedRespond) << expect(LightMode_SpeedRespond, {});
    LightCompactFrame lit = frame(LightMode_SpeedRespond);
    lit.hasSpeedRespond = true;
    QTest::newRow("Speed Respond: the highest rank and its strength")
        << lit << expect(LightMode_SpeedRespond, { { 5, 6 }, { 6, 200 } });

    QTest::newRow("Auto Ripple without its trigger") << frame(LightMode_AutoRipple) << expect(LightMode_AutoRipple, {});
    LightCompactFrame triggered = frame(LightMode_AutoRipple);
    triggered.autoRippleTrigger = true;
    QTest::newRow("Auto Ripple with its trigger")
        << triggered << expect(LightMode_AutoRipple, { { 5, 4 }, { 6, 5 }, { 7, 6 }, { 8, 7 }, { 9, 8 } });

    QTest::newRow("music, no levels yet") << frame(LightMode_MusicalRhythm) << expect(LightMode_MusicalRhythm, {});
    LightCompactFrame music = frame(LightMode_MusicalRhythm);
    for (int i = 0; i < LightCompactFrame::MusicBands; ++i) {
        music.musicLevels[static_cast<size_t>(i)] = i + 1;
        music.musicIntensities[static_cast<size_t>(i)] = 100 + i;
    }
    QTest::newRow("music: levels then intensities")
        << music
        << expect(LightMode_MusicalRhythm, { { 5, 1 }, { 15, 11 }, { 16, 100 }, { 26, 110 } })
               .replace(5, 22, QByteArray::fromHex("0102030405060708090a0b6465666768696a6b6c6d6e"));

    LightCompactFrame side = frame(LightMode_Wave);
    side.hasSideLight = true;
    for (int sideMode : { int(SideLightMode_Static), int(SideLightMode_Breath), int(SideLightMode_Neon),
                          int(SideLightMode_Close) }) {
        side.sideMode = sideMode;
        QTest::addRow("side mode %d: the first side LED's colour", sideMode)
            << side << expect(LightMode_Wave, { { 34, sideMode }, { 35, 40 }, { 36, 50 }, { 37, 60 } });
    }
    side.sideMode = SideLightMode_Collision;
    QTest::newRow("side Collision: its five bytes")
        << side
        << expect(LightMode_Wave, { { 34, 3 }, { 35, 1 }, { 36, 2 }, { 37, 3 }, { 38, 4 }, { 39, 5 } });
    side.sideMode = SideLightMode_Wave;
    QTest::newRow("side Wave: its mode only") << side << expect(LightMode_Wave, { { 34, 2 } });
    LightCompactFrame noSide = frame(LightMode_Static);
    noSide.sideMode = SideLightMode_Collision;
    QTest::newRow("no side light: nothing from byte 34")
        << noSide << expect(LightMode_Static, { { 5, 10 }, { 6, 20 }, { 7, 30 } });
}

void TestLightStreamPackets::compactReport()
{
    QFETCH(LightCompactFrame, frame);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(LightCompactPacket::report(frame)).toHex(' '), expected.toHex(' '));
}

void TestLightStreamPackets::compactTimeWraps()
{
    LightCompactFrame f = frame(LightMode_Wave);
    f.timeMs = 65535;
    QCOMPARE(LightCompactPacket::report(f).word(2), 0xFFFF);
    f.timeMs = 65536;
    QCOMPARE(LightCompactPacket::report(f).word(2), 0);
    f.timeMs = 65536 * 1000 + 0x0102;
    QCOMPARE(LightCompactPacket::report(f).word(2), 0x0102);
}

void TestLightStreamPackets::batchIsOneWholeFrameForEveryModel()
{
    // The light queue sends what it holds as one batch of limit + 1 reports:
    // a frame (8 key reports and the side reports) must fill it exactly, or
    // frames tear.
    QCOMPARE(CLumtarHid_Init(), 0);
    std::map<std::string, HidInfoStu> models;
    QVERIFY(CLumtarHid_GetHidInfoStuMapList(&models) > 0);
    for (const auto &m : models) {
        const QString model = QString::fromStdString(m.first);
        const int frameReports = 8 + LightStreamPacket::reportCount(DeviceModelLists::sideLedCount(model));
        QVERIFY2(DeviceModelLists::lightBatchLimit(model) + 1 == frameReports, qPrintable(model));
    }
    QCOMPARE(DeviceModelLists::sideLedCount(QStringLiteral("LT108HE")), 41);
    QCOMPARE(DeviceModelLists::sideLedCount(QStringLiteral("LT104RGB")), 33);
    QCOMPARE(DeviceModelLists::sideLedCount(QStringLiteral("a model the table lacks")), 33);
}

QTEST_MAIN(TestLightStreamPackets)
#include "tst_lightstreampackets.moc"
