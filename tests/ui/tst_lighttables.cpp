// The light engine's rules as tables: the preview of a key or side segment
// for each mode and its edge cases, the brightness darkening, the speed
// tables and the frame tick's timing with its wrap.
#include "ui/mainwidget/devicePage/lightDeal/LightBrightness.h"
#include "ui/mainwidget/devicePage/lightDeal/LightPreviewBuilder.h"
#include "ui/mainwidget/devicePage/lightDeal/LightSpeedTable.h"
#include "ui/mainwidget/devicePage/lightDeal/LightTickRule.h"

#include <QtTest>

namespace {

using Rgb = LightEffectState::Rgb;

const Rgb kBlack{ 0, 0, 0 };
const Rgb kRed{ 255, 0, 0 };
const Rgb kBlue{ 0, 0, 255 };

LightEffectState light(int mode, bool full, Rgb c1, Rgb c2)
{
    LightEffectState s;
    s.mode = mode;
    s.fullColour = full;
    s.colour1 = c1;
    s.colour2 = c2;
    s.brightness = 6; // the top level of a five-step light: no darkening
    return s;
}

LightFramePointStu point(int r, int g, int b, int intensity, int stage = 0)
{
    LightFramePointStu p{};
    p.r = r;
    p.g = g;
    p.b = b;
    p.intensity = intensity;
    p.stage = stage;
    return p;
}

LightBrightness fiveSteps()
{
    LightBrightness b;
    b.setLevelCount(5);
    return b;
}

QString rgba(const QColor &c)
{
    return QStringLiteral("%1,%2,%3,%4").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

} // namespace

Q_DECLARE_METATYPE(LightEffectState)
Q_DECLARE_METATYPE(LightFramePointStu)
Q_DECLARE_METATYPE(LightColorStu)

class TestLightTables : public QObject
{
    Q_OBJECT

private slots:
    void keyPreview_data();
    void keyPreview();
    void sidePreview_data();
    void sidePreview();
    void speedRespondStrength();
    void musicPreview_data();
    void musicPreview();
    void brightness_data();
    void brightness();
    void darkeningKeepsAlpha();
    void speedTables_data();
    void speedTables();
    void tick_data();
    void tick();
    void ticksTakenTogether_data();
    void ticksTakenTogether();
    void tickAcrossTheWrap();
};

void TestLightTables::keyPreview_data()
{
    QTest::addColumn<LightEffectState>("state");
    QTest::addColumn<LightFramePointStu>("p");
    QTest::addColumn<LightColorStu>("mix");
    QTest::addColumn<QString>("expected"); // "r,g,b,a", or "" for no preview

    const LightColorStu mix{ 7, 8, 9 };
    const LightFramePointStu bright = point(100, 150, 200, 255);
    const LightFramePointStu faint = point(100, 150, 200, 90);
    const LightFramePointStu staged = point(100, 150, 200, 90, 3);

    QTest::newRow("Static") << light(0, false, kRed, kBlack) << bright << mix << "100,150,200,180";
    QTest::newRow("Static, black colour 1: transparent") << light(0, false, kBlack, kBlack) << bright << mix
                                                         << "100,150,200,0";
    QTest::newRow("Breath at 255: scaled by 255/256, alpha 200") << light(1, false, kRed, kBlack) << bright << mix
                                                                 << "99,149,199,200";
    QTest::newRow("Breath below 200") << light(1, false, kRed, kBlack) << faint << mix << "35,52,70,90";
    QTest::newRow("Breath, black colour 1 and a dark point") << light(1, false, kBlack, kBlack) << point(1, 1, 1, 90)
                                                              << mix << "0,0,0,0";
    QTest::newRow("Wave blends colour 1 over colour 2") << light(2, false, kRed, kBlue) << faint << mix
                                                        << "89,0,164,180";
    QTest::newRow("Wave, black colour 1: fades") << light(2, false, kBlack, kBlue) << faint << mix << "0,0,164,90";
    QTest::newRow("Wave full colour") << light(2, true, kRed, kBlue) << faint << mix << "100,150,200,180";
    QTest::newRow("Neon at 0 shows colour 2 (255 becomes 254)") << light(3, false, kRed, kBlue) << point(9, 9, 9, 0)
                                                                << mix << "0,0,254,180";
    QTest::newRow("Neon at 255 shows the point") << light(3, false, kRed, kBlue) << bright << mix << "99,149,199,180";
    QTest::newRow("Neon full") << light(3, true, kRed, kBlue) << faint << mix << "100,150,200,180";
    QTest::newRow("Radar, black colour 2: fades") << light(4, false, kRed, kBlack) << faint << mix << "89,0,0,90";
    QTest::newRow("Radar, colour 2 set") << light(4, false, kRed, kBlue) << faint << mix << "89,0,164,180";
    QTest::newRow("Radar full") << light(4, true, kRed, kBlack) << faint << mix << "100,150,200,180";
    QTest::newRow("Snake") << light(5, false, kRed, kBlack) << faint << mix << "35,52,70,90";
    QTest::newRow("Snake full, black colour 2, head") << light(5, true, kRed, kBlack) << staged << mix << "7,8,9,180";
    QTest::newRow("Snake full, black colour 2, tail") << light(5, true, kRed, kBlack) << faint << mix << "7,8,9,90";
    QTest::newRow("Snake full, colour 2 set") << light(5, true, kRed, kBlue) << faint << mix << "7,8,9,180";
    for (int mode : { 6, 7, 11, 15, 16 }) {
        QTest::addRow("mode %d: MIX, fades over black", mode) << light(mode, false, kRed, kBlack) << staged << mix
                                                               << "7,8,9,90";
        QTest::addRow("mode %d: MIX over colour 2", mode) << light(mode, false, kRed, kBlue) << faint << mix
                                                          << "7,8,9,180";
        QTest::addRow("mode %d full: a fresh press keeps full strength", mode)
            << light(mode, true, kRed, kBlack) << staged << mix << "7,8,9,180";
        QTest::addRow("mode %d full: fading", mode) << light(mode, true, kRed, kBlack) << faint << mix << "7,8,9,90";
    }
    for (int mode : { 8, 12, 14 }) {
        QTest::addRow("mode %d full, staged, black colour 2: still fades", mode)
            << light(mode, true, kRed, kBlack) << staged << mix << "7,8,9,90";
        QTest::addRow("mode %d over colour 2", mode) << light(mode, false, kRed, kBlue) << faint << mix
                                                     << "7,8,9,180";
    }
    QTest::newRow("fade held at 200") << light(8, false, kRed, kBlack) << point(0, 0, 0, 255) << mix << "7,8,9,200";
    QTest::newRow("Twinkle over black: blended by the held intensity")
        << light(9, false, kRed, kBlack) << bright << mix << "78,117,156,200";
    QTest::newRow("Twinkle over colour 2") << light(9, false, kRed, kBlue) << faint << mix << "35,52,234,180";
    QTest::newRow("Custom") << light(10, false, kRed, kBlack) << bright << mix << "100,150,200,180";
    QTest::newRow("Custom, black key: transparent") << light(10, false, kRed, kBlack) << point(0, 0, 0, 255) << mix
                                                    << "0,0,0,0";
    QTest::newRow("13: no preview") << light(13, false, kRed, kBlack) << bright << mix << "";
    QTest::newRow("17: no preview") << light(17, false, kRed, kBlack) << bright << mix << "";
    QTest::newRow("music paints itself") << light(100, false, kRed, kBlack) << bright << mix << "";
    QTest::newRow("values out of range are held") << light(0, false, kRed, kBlack) << point(-5, 300, 20, 999) << mix
                                                  << "0,255,20,180";
}

void TestLightTables::keyPreview()
{
    QFETCH(LightEffectState, state);
    QFETCH(LightFramePointStu, p);
    QFETCH(LightColorStu, mix);
    QFETCH(QString, expected);
    QColor out(1, 2, 3, 4);
    const bool built = LightPreviewBuilder::keyPreview(state, p, mix, fiveSteps(), &out);
    QCOMPARE(built, !expected.isEmpty());
    QCOMPARE(rgba(out), built ? expected : QStringLiteral("1,2,3,4"));
}

void TestLightTables::sidePreview_data()
{
    QTest::addColumn<LightEffectState>("state");
    QTest::addColumn<LightFramePointStu>("p");
    QTest::addColumn<QString>("expected");

    const LightFramePointStu faint = point(100, 150, 200, 90);
    LightFramePointStu collision = faint;
    collision.r2 = 10;
    collision.g2 = 20;
    collision.b2 = 30;
    LightFramePointStu flash = collision;
    flash.stage = 2;

    QTest::newRow("Static") << light(0, false, kRed, kBlack) << faint << "100,150,200,250";
    QTest::newRow("Static, black colour 1") << light(0, false, kBlack, kBlack) << faint << "100,150,200,0";
    QTest::newRow("Breath tests colour 2") << light(1, false, kBlack, kBlue) << point(1, 1, 1, 90) << "0,0,0,90";
    QTest::newRow("Breath, black colour 2, dark") << light(1, false, kRed, kBlack) << point(1, 1, 1, 90) << "0,0,0,0";
    QTest::newRow("Wave tests colour 2") << light(2, false, kBlack, kBlack) << faint << "0,0,0,90";
    QTest::newRow("Wave over colour 2") << light(2, false, kRed, kBlue) << faint << "89,0,164,250";
    QTest::newRow("Wave full") << light(2, true, kRed, kBlue) << faint << "100,150,200,250";
    QTest::newRow("Collision") << light(3, false, kRed, kBlack) << collision << "35,52,70,90";
    QTest::newRow("Collision full: the other light under it") << light(3, true, kRed, kBlack) << collision
                                                              << "41,65,89,90";
    QTest::newRow("Collision full, flash") << light(3, true, kRed, kBlack) << flash << "41,65,89,250";
    QTest::newRow("Collision full over colour 2") << light(3, true, kRed, kBlue) << collision << "41,65,89,250";
    QTest::newRow("Neon") << light(4, false, kRed, kBlue) << faint << "35,52,234,250";
    QTest::newRow("Neon full") << light(4, true, kRed, kBlack) << faint << "100,150,200,250";
    LightEffectState dim = light(5, false, kRed, kBlack);
    dim.brightness = 1;
    QTest::newRow("Close: transparent black whatever the brightness") << dim << faint << "0,0,0,0";
    QTest::newRow("6: no preview") << light(6, false, kRed, kBlack) << faint << "";
}

void TestLightTables::sidePreview()
{
    QFETCH(LightEffectState, state);
    QFETCH(LightFramePointStu, p);
    QFETCH(QString, expected);
    QColor out(1, 2, 3, 4);
    const bool built = LightPreviewBuilder::sidePreview(state, p, fiveSteps(), &out);
    QCOMPARE(built, !expected.isEmpty());
    QCOMPARE(rgba(out), built ? expected : QStringLiteral("1,2,3,4"));
}

void TestLightTables::speedRespondStrength()
{
    QCOMPARE(LightPreviewBuilder::speedRespondStrength(light(12, false, kRed, kBlack), point(0, 0, 0, 255)), 200);
    QCOMPARE(LightPreviewBuilder::speedRespondStrength(light(12, false, kRed, kBlue), point(0, 0, 0, 255)), 255);
    QCOMPARE(LightPreviewBuilder::speedRespondStrength(light(12, false, kRed, kBlue), point(0, 0, 0, 0)), 0);
}

void TestLightTables::musicPreview_data()
{
    QTest::addColumn<LightEffectState>("state");
    QTest::addColumn<LightFramePointStu>("cell");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("expected");
    // blend(cell, colour 2, weight); over black the alpha is the intensity held at 200.
    QTest::newRow("lit over black") << light(100, false, kRed, kBlack) << point(255, 0, 0, 255) << 255
                                     << QStringLiteral("254,0,0,200");
    QTest::newRow("fading over black") << light(100, false, kRed, kBlack) << point(255, 0, 0, 100) << 100
                                        << QStringLiteral("99,0,0,100");
    QTest::newRow("unlit over black: transparent") << light(100, false, kRed, kBlack) << point(255, 0, 0, 0) << 0
                                                    << QStringLiteral("0,0,0,0");
    QTest::newRow("unlit bar with intensity left: transparent")
        << light(100, false, kRed, kBlack) << point(255, 0, 0, 255) << 0 << QStringLiteral("0,0,0,0");
    QTest::newRow("lit over blue") << light(100, false, kRed, kBlue) << point(255, 0, 0, 255) << 255
                                    << QStringLiteral("254,0,0,180");
    QTest::newRow("unlit over blue: the bottom colour")
        << light(100, false, kRed, kBlue) << point(255, 0, 0, 0) << 0 << QStringLiteral("0,0,254,180");
    QTest::newRow("half over blue") << light(100, false, kRed, kBlue) << point(255, 0, 0, 128) << 128
                                     << QStringLiteral("127,0,126,180");
    LightEffectState dim = light(100, false, kRed, kBlack);
    dim.brightness = 1; // the lowest of five steps: darker by 260 %
    QTest::newRow("darkened by brightness") << dim << point(255, 0, 0, 255) << 255 << QStringLiteral("98,0,0,200");
}

void TestLightTables::musicPreview()
{
    QFETCH(LightEffectState, state);
    QFETCH(LightFramePointStu, cell);
    QFETCH(int, weight);
    QFETCH(QString, expected);
    QCOMPARE(rgba(LightPreviewBuilder::musicPreview(state, cell, weight, fiveSteps())), expected);
}

void TestLightTables::brightness_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<QList<int>>("factors"); // for levels 0 .. steps + 2
    QTest::newRow("4 steps: 40 a level") << 4 << QList<int>{ 260, 260, 220, 180, 140, 100, 100 };
    QTest::newRow("no steps count as one: 160") << 0 << QList<int>{ 260, 260, 100, 100 };
    QTest::newRow("one step") << 1 << QList<int>{ 260, 260, 100, 100 };
    QTest::newRow("5 steps: 32 a level") << 5 << QList<int>{ 260, 260, 228, 196, 164, 132, 100, 100 };
}

void TestLightTables::brightness()
{
    QFETCH(int, steps);
    QFETCH(QList<int>, factors);
    LightBrightness b;
    QCOMPARE(b.step(), LightBrightness::InitialStep);
    QCOMPARE(b.factor(1), 100); // not known yet: unchanged
    b.setLevelCount(steps);
    QList<int> got;
    for (int level = 0; level < factors.size(); ++level)
        got << b.factor(level);
    QCOMPARE(got, factors);
    QCOMPARE(b.factor(-1000), factors.first());
    QCOMPARE(b.factor(1000), 100);
}

void TestLightTables::darkeningKeepsAlpha()
{
    LightBrightness b;
    b.setLevelCount(4);
    const QColor c(200, 100, 50, 180);
    QCOMPARE(b.darken(c, 5), c);
    const QColor dark = b.darken(c, 1);
    QCOMPARE(dark, c.darker(260));
    QCOMPARE(dark.alpha(), 180);
}

void TestLightTables::speedTables_data()
{
    QTest::addColumn<bool>("side");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("intervals"); // speed index -1 .. table size
    const QList<int> five{ 28, 28, 24, 16, 12, 8, 8 };
    const QList<int> ten{ 28, 28, 26, 24, 22, 20, 17, 14, 12, 10, 8, 8 };
    QTest::newRow("keyboard, 4 steps: 5-step table") << false << 4 << five;
    QTest::newRow("keyboard, 5 steps: 10-step table") << false << 5 << ten;
    QTest::newRow("keyboard, 0 steps: 5-step table") << false << 0 << five;
    QTest::newRow("keyboard, 9 steps") << false << 9 << ten;
    QTest::newRow("side, 4 steps: 5-step table") << true << 4 << five;
    QTest::newRow("side, 0 steps: 10-step table") << true << 0 << ten;
    QTest::newRow("side, 9 steps") << true << 9 << ten;
}

void TestLightTables::speedTables()
{
    QFETCH(bool, side);
    QFETCH(int, count);
    QFETCH(QList<int>, intervals);
    QList<int> got;
    for (int index = -1; index < intervals.size() - 1; ++index)
        got << (side ? LightSpeedTable::sideInterval(count, index) : LightSpeedTable::keyboardInterval(count, index));
    QCOMPARE(got, intervals);
    QCOMPARE(LightTickRule::clampInterval(2), 8);
    QCOMPARE(LightTickRule::clampInterval(40), 28);
    QCOMPARE(LightTickRule::clampInterval(17), 17);
}

void TestLightTables::tick_data()
{
    QTest::addColumn<int>("now");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("due");
    QTest::addColumn<int>("lastAfter");
    QTest::addColumn<int>("sleepMs");
    QTest::newRow("first tick at once") << 5000 << LightTickRule::NoTick << 12 << true << 5000 << 12;
    QTest::newRow("first tick at 0") << 0 << LightTickRule::NoTick << 12 << true << 0 << 12;
    QTest::newRow("a tick at 0 is a tick") << 1 << 0 << 12 << false << 0 << 11;
    QTest::newRow("too early") << 5005 << 5000 << 12 << false << 5000 << 7;
    QTest::newRow("due") << 5012 << 5000 << 12 << true << 5012 << 12;
    QTest::newRow("late") << 5030 << 5000 << 12 << true << 5030 << 12;
    QTest::newRow("wrap: starts again from the small value") << 3 << 99999995 << 12 << false << 3 << 12;
    QTest::newRow("one before due: sleeps at least 1 ms") << 5011 << 5000 << 12 << false << 5000 << 1;
}

void TestLightTables::tick()
{
    QFETCH(int, now);
    QFETCH(int, last);
    QFETCH(int, interval);
    QFETCH(bool, due);
    QFETCH(int, lastAfter);
    QFETCH(int, sleepMs);
    int l = last;
    QCOMPARE(LightTickRule::advance(now, l, interval), due);
    QCOMPARE(l, lastAfter);
    QCOMPARE(LightTickRule::msUntilDue(now, l, interval), sleepMs);
}

void TestLightTables::ticksTakenTogether_data()
{
    QTest::addColumn<int>("now");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("due");
    QTest::addColumn<int>("lastAfter");
    QTest::newRow("first tick at once") << 5000 << LightTickRule::NoTick << 10 << 1 << 5000;
    QTest::newRow("too early") << 5009 << 5000 << 10 << 0 << 5000;
    QTest::newRow("one due") << 5010 << 5000 << 10 << 1 << 5010;
    // Three intervals and a bit: the rest is kept for the next take.
    QTest::newRow("three due, the pace kept") << 5034 << 5000 << 10 << 3 << 5030;
    QTest::newRow("wrap: none, starts again from the small value") << 3 << 99999995 << 10 << 0 << 3;
    QTest::newRow("a long pause is not made up") << 9000 << 5000 << 10 << 32 << 9000;
    QTest::newRow("held at the most") << 5320 << 5000 << 10 << 32 << 5320;
}

void TestLightTables::ticksTakenTogether()
{
    QFETCH(int, now);
    QFETCH(int, last);
    QFETCH(int, interval);
    QFETCH(int, due);
    QFETCH(int, lastAfter);
    int l = last;
    QCOMPARE(LightTickRule::dueTicks(now, l, interval, 32), due);
    QCOMPARE(l, lastAfter);
}

void TestLightTables::tickAcrossTheWrap()
{
    QCOMPARE(LightTickRule::clockDigits(1733840000123LL, 8), 40000123);
    QCOMPARE(LightTickRule::clockDigits(1733840000123LL, 6), 123);
    // The clock at 1 ms steps across the wrap of its last 8 digits: the
    // ticks keep 12 ms apart, and the wrap costs at most one interval
    // (the tick after it is never early).
    const qint64 base = 100000000LL * 17 - 100; // 100 ms before the wrap
    int last = LightTickRule::NoTick;
    QList<qint64> ticks;
    for (qint64 t = base; t < base + 300; ++t) {
        if (LightTickRule::advance(LightTickRule::clockDigits(t, 8), last, 12))
            ticks << t;
    }
    QVERIFY(ticks.size() >= 22);
    for (int i = 1; i < ticks.size(); ++i) {
        const qint64 gap = ticks.at(i) - ticks.at(i - 1);
        QVERIFY2(gap == 12 || (ticks.at(i - 1) < base + 100 && ticks.at(i) >= base + 100 && gap > 12 && gap <= 24),
                 qPrintable(QString::number(gap)));
    }
}

QTEST_MAIN(TestLightTables)
#include "tst_lighttables.moc"
