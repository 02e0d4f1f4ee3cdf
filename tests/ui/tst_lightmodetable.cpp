// The light mode tables of the lighting page: button ids and codes both
// ways, captions, default records, the settings each mode shows and the
// mode-list filter.
#include "ui/mainwidget/devicePage/lightDeal/LightModeTable.h"

#include <QtTest>

#include <cstring>

class TestLightModeTable : public QObject
{
    Q_OBJECT

private slots:
    void buttonsAndCodes_data();
    void buttonsAndCodes();
    void buttonsOutsideTheTables();
    void captions_data();
    void captions();
    void defaultRecord_data();
    void defaultRecord();
    void controls_data();
    void controls();
    void offeredModes_data();
    void offeredModes();
    void everyModeOnce();
};

namespace {

QVector<int> dirs(std::initializer_list<int> d)
{
    return QVector<int>(d);
}

} // namespace

void TestLightModeTable::buttonsAndCodes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("buttonId");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("buttonName");
    const struct {
        int id, code;
        const char *button;
    } keyboard[] = {
        { 0, 0, "toolButton_Static" },      { 2, 1, "toolButton_Breath" },      { 3, 2, "toolButton_Wave" },
        { 1, 3, "toolButton_Neon" },        { 6, 4, "toolButton_Radar" },       { 5, 5, "toolButton_Snack" },
        { 11, 6, "toolButton_Reactive" },   { 9, 7, "toolButton_Aurora" },      { 10, 8, "toolButton_Ripple" },
        { 4, 9, "toolButton_Twinkle" },     { 17, 10, "toolButton_CustomLed" }, { 12, 11, "toolButton_Cross" },
        { 15, 12, "toolButton_SpeedRespond" }, { 7, 14, "toolButton_AutoRipple" }, { 8, 15, "toolButton_Striation" },
        { 14, 16, "toolButton_Fireworks" }, { 16, 100, "toolButton_MusicalRhythm" },
    };
    for (const auto &k : keyboard)
        QTest::addRow("keyboard %d", k.code) << 0 << k.id << k.code << QString::fromLatin1(k.button);
    const struct {
        int id, code;
        const char *button;
    } side[] = {
        { 50, 0, "toolButton_SideStatic" }, { 52, 1, "toolButton_SideBreath" }, { 53, 2, "toolButton_SideWave" },
        { 54, 3, "toolButton_SideCollision" }, { 51, 4, "toolButton_SideNeon" }, { 55, 5, "toolButton_SideClose" },
    };
    for (const auto &s : side)
        QTest::addRow("side %d", s.code) << 1 << s.id << s.code << QString::fromLatin1(s.button);
}

void TestLightModeTable::buttonsAndCodes()
{
    QFETCH(int, kind);
    QFETCH(int, buttonId);
    QFETCH(int, code);
    QFETCH(QString, buttonName);
    if (kind == 0) {
        QCOMPARE(LightModeTable::keyboardCodeForButton(buttonId, 7), code);
        QCOMPARE(LightModeTable::keyboardButtonForCode(code), buttonId);
        QCOMPARE(QString::fromLatin1(LightModeTable::keyboardMode(code)->buttonName), buttonName);
    } else {
        QCOMPARE(LightModeTable::sideCodeForButton(buttonId), code);
        QCOMPARE(LightModeTable::sideButtonForCode(code), buttonId);
        QCOMPARE(QString::fromLatin1(LightModeTable::sideMode(code)->buttonName), buttonName);
    }
}

void TestLightModeTable::buttonsOutsideTheTables()
{
    // The DPI button keeps the mode; any other id outside the table is Wave.
    QCOMPARE(LightModeTable::keyboardCodeForButton(13, 9), 9);
    QCOMPARE(LightModeTable::keyboardCodeForButton(13, -1), -1);
    for (int id : { -1, 18, 50, 1000 })
        QCOMPARE(LightModeTable::keyboardCodeForButton(id, 9), 2);
    for (int id : { -1, 0, 49, 56, 13 })
        QCOMPARE(LightModeTable::sideCodeForButton(id), 2);
    // A code without a row checks no button.
    for (int code : { -1, 13, 17, 50, 99, 101 })
        QCOMPARE(LightModeTable::keyboardButtonForCode(code), -1);
    for (int code : { -1, 6, 100 })
        QCOMPARE(LightModeTable::sideButtonForCode(code), -1);
}

void TestLightModeTable::captions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::newRow("static") << 0 << 0 << "Static";
    QTest::newRow("snake") << 0 << 5 << "Snake";
    QTest::newRow("custom") << 0 << 10 << "Custom";
    QTest::newRow("speed respond") << 0 << 12 << "Speed Respond";
    QTest::newRow("dpi") << 0 << 13 << "DPI";
    QTest::newRow("auto ripple") << 0 << 14 << "Auto Ripple";
    QTest::newRow("fireworks") << 0 << 16 << "Fireworks";
    QTest::newRow("music") << 0 << 100 << "Musical Rhythm";
    QTest::newRow("keyboard 17") << 0 << 17 << "Wave";
    QTest::newRow("keyboard 99") << 0 << 99 << "Wave";
    QTest::newRow("keyboard -1") << 0 << -1 << "Wave";
    QTest::newRow("side collision") << 1 << 3 << "Collision";
    QTest::newRow("side close") << 1 << 5 << "Close";
    QTest::newRow("side 6") << 1 << 6 << "Wave";
    QTest::newRow("side -1") << 1 << -1 << "Wave";
}

void TestLightModeTable::captions()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(QString, caption);
    QCOMPARE(kind == 0 ? LightModeTable::keyboardCaption(code) : LightModeTable::sideCaption(code), caption);
}

void TestLightModeTable::defaultRecord_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("direction");
    const int keyboardDirections[][2] = { { 0, 0 },  { 1, 0 },  { 2, 0 },  { 3, 0 },  { 4, 6 },   { 5, 6 },
                                          { 6, 0 },  { 7, 4 },  { 8, 4 },  { 9, 0 },  { 10, 0 },  { 11, 0 },
                                          { 12, 2 }, { 14, 4 }, { 15, 6 }, { 16, 4 }, { 100, 2 }, { 17, 0 } };
    for (const auto &k : keyboardDirections)
        QTest::addRow("keyboard %d", k[0]) << 0 << k[0] << 255 << k[1];
    for (int code = 0; code <= 5; ++code)
        QTest::addRow("side %d", code) << 1 << code << (code == 5 ? 0 : 255) << 0;
}

void TestLightModeTable::defaultRecord()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(int, red);
    QFETCH(int, direction);
    const colorInfoData r = LightModeTable::defaultRecord(kind, code);
    const colorInfoData expected = { kind, code, 3, 3, red, 0, 0, 0, 0, 0, direction, 1, 0, 0 };
    QVERIFY(std::memcmp(&r, &expected, sizeof r) == 0);
}

void TestLightModeTable::controls_data()
{
    using C = LightModeTable::Controls;
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("brightness");
    QTest::addColumn<bool>("speed");
    QTest::addColumn<QVector<int>>("directions");
    QTest::addColumn<bool>("colourChoices");
    auto row = [](const char *name, int kind, int code, C c) {
        QTest::newRow(name) << kind << code << c.brightness << c.speed << c.directions << c.colourChoices;
    };
    const QVector<int> none;
    const QVector<int> turn = dirs({ 6, 7 });
    row("static", 0, 0, C{ true, false, none, false });
    row("breath", 0, 1, C{ true, true, none, true });
    row("wave", 0, 2, C{ true, true, dirs({ 1, 0, 2, 3, 5, 4 }), true });
    row("neon", 0, 3, C{ true, true, none, true });
    row("radar", 0, 4, C{ true, true, turn, true });
    row("snake", 0, 5, C{ true, true, turn, true });
    row("reactive", 0, 6, C{ true, true, none, true });
    row("aurora", 0, 7, C{ true, true, dirs({ 5, 4 }), true });
    row("ripple", 0, 8, C{ true, true, none, true });
    row("twinkle", 0, 9, C{ true, true, none, true });
    row("custom", 0, 10, C{ true, false, none, false });
    row("cross", 0, 11, C{ true, true, none, true });
    row("speed respond", 0, 12, C{ true, false, dirs({ 2, 3 }), true });
    row("auto ripple", 0, 14, C{ true, true, none, true });
    row("striation", 0, 15, C{ true, true, turn, true });
    row("fireworks", 0, 16, C{ true, true, none, true });
    row("music", 0, 100, C{ true, false, none, true });
    row("keyboard 13 hides nothing", 0, 13, C{ true, true, dirs({ 1, 0, 2, 3, 5, 4, 6, 7 }), true });
    row("side static", 1, 0, C{ true, false, none, false });
    row("side breath", 1, 1, C{ true, true, none, true });
    row("side wave", 1, 2, C{ true, true, none, true });
    row("side collision", 1, 3, C{ true, true, none, true });
    row("side neon", 1, 4, C{ true, true, none, true });
    row("side close", 1, 5, C{ false, false, none, false });
}

void TestLightModeTable::controls()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(bool, brightness);
    QFETCH(bool, speed);
    QFETCH(QVector<int>, directions);
    QFETCH(bool, colourChoices);
    const LightModeTable::Controls c = kind == 0 ? LightModeTable::keyboardControls(code)
                                                 : LightModeTable::sideControls(code);
    QCOMPARE(c.brightness, brightness);
    QCOMPARE(c.speed, speed);
    QCOMPARE(c.directions, directions);
    QCOMPARE(c.colourChoices, colourChoices);
}

void TestLightModeTable::offeredModes_data()
{
    QTest::addColumn<bool>("side");
    QTest::addColumn<QVector<int>>("modeList");
    QTest::addColumn<QVector<int>>("offered");
    QTest::newRow("empty keyboard list") << false << QVector<int>{} << dirs({ 10, 100 });
    QTest::newRow("13, 17 and 100 give no button") << false << dirs({ 13, 17, 100 }) << dirs({ 10, 100 });
    QTest::newRow("keyboard order kept") << false << dirs({ 16, 0, 13, 10, 2, 2 }) << dirs({ 16, 0, 10, 2, 100 });
    QTest::newRow("every keyboard mode")
        << false << dirs({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16 })
        << dirs({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 100 });
    QTest::newRow("empty side list") << true << QVector<int>{} << QVector<int>{};
    QTest::newRow("side codes 0..5 only") << true << dirs({ 0, 6, 5, -1, 3 }) << dirs({ 0, 5, 3 });
}

void TestLightModeTable::offeredModes()
{
    QFETCH(bool, side);
    QFETCH(QVector<int>, modeList);
    QFETCH(QVector<int>, offered);
    const std::vector<int> list(modeList.begin(), modeList.end());
    QCOMPARE(side ? LightModeTable::offeredSideModes(list) : LightModeTable::offeredKeyboardModes(list), offered);
}

void TestLightModeTable::everyModeOnce()
{
    for (const auto *modes : { &LightModeTable::keyboardModes(), &LightModeTable::sideModes() }) {
        QSet<int> codes, ids;
        QSet<QString> buttons;
        for (const LightModeTable::Mode &m : *modes) {
            codes.insert(m.code);
            ids.insert(m.buttonId);
            buttons.insert(QString::fromLatin1(m.buttonName));
        }
        QCOMPARE(codes.size(), modes->size());
        QCOMPARE(ids.size(), modes->size());
        QCOMPARE(buttons.size(), modes->size());
    }
    QCOMPARE(LightModeTable::keyboardModes().size(), 17);
    QCOMPARE(LightModeTable::sideModes().size(), 6);
}

QTEST_GUILESS_MAIN(TestLightModeTable)
#include "tst_lightmodetable.moc"
