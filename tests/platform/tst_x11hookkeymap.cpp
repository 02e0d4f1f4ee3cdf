// The translation of X key codes and pointer buttons that the input hook
// reports, checked against the US soft-keyboard layout file the program
// ships: every key of that layout must come out of the hook with the
// layout's virtual-key code, or the captured and recorded keys would not be
// found.
#include <QtTest>

#include "core/LumtarResources.h"
#include "platform/x11/X11ButtonTranslator.h"
#include "platform/x11/X11KeyTranslator.h"
#include "ui/mainwidget/devicePage/customKeys/SoftKeyLayoutFile.h"

#include <QFile>
#include <QHash>
#include <QSet>

namespace {

// HID usage (keyboard page) to the kernel's evdev code, as Linux's HID input
// driver maps them; the X key code is the evdev code plus 8.
const QHash<int, int> &hidToEvdev()
{
    static const QHash<int, int> table = [] {
        QHash<int, int> t;
        const int letters[] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                               49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44}; // a..z
        for (int i = 0; i < 26; ++i)
            t.insert(4 + i, letters[i]);
        for (int i = 0; i < 10; ++i)
            t.insert(30 + i, 2 + i); // 1..9, 0
        const int rest[][2] = {
            {40, 28},  {41, 1},   {42, 14},  {43, 15},  {44, 57},  {45, 12},  {46, 13},  {47, 26},
            {48, 27},  {49, 43},  {51, 39},  {52, 40},  {53, 41},  {54, 51},  {55, 52},  {56, 53},
            {57, 58},  {58, 59},  {59, 60},  {60, 61},  {61, 62},  {62, 63},  {63, 64},  {64, 65},
            {65, 66},  {66, 67},  {67, 68},  {68, 87},  {69, 88},  {70, 99},  {71, 70},  {72, 119},
            {73, 110}, {74, 102}, {75, 104}, {76, 111}, {77, 107}, {78, 109}, {79, 106}, {80, 105},
            {81, 108}, {82, 103}, {83, 69},  {84, 98},  {85, 55},  {86, 74},  {87, 78},  {88, 96},
            {89, 79},  {90, 80},  {91, 81},  {92, 75},  {93, 76},  {94, 77},  {95, 71},  {96, 72},
            {97, 73},  {98, 82},  {99, 83},  {100, 86}, {101, 127}, {135, 89}, {136, 93}, {137, 124},
            {138, 92}, {139, 94}, {144, 122}, {145, 123}, {224, 29}, {225, 42}, {226, 56}, {227, 125},
            {228, 97}, {229, 54}, {230, 100}, {231, 126}};
        for (const auto &pair : rest)
            t.insert(pair[0], pair[1]);
        return t;
    }();
    return table;
}

// The keys of the US soft-keyboard layout the program ships.
QVector<SoftKeyLayoutFile::Key> usLayoutKeys()
{
    lumtarInitResources();
    QFile file(QStringLiteral(":/images/configDir/") + SoftKeyLayoutFile::fileNameFor(SoftKeyLayoutFile::UsLayoutId));
    SoftKeyLayoutFile layout;
    if (!file.open(QIODevice::ReadOnly) || !layout.parse(file.readAll()))
        return {};
    return layout.keys();
}

} // namespace

class tst_X11HookKeymap : public QObject
{
    Q_OBJECT

private slots:
    void layoutKeys_data();
    void layoutKeys();
    void everyLayoutCodeOnce();
    void altAndReleaseBits();
    void buttons_data();
    void buttons();
};

void tst_X11HookKeymap::layoutKeys_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("vkCode");
    const QVector<SoftKeyLayoutFile::Key> keys = usLayoutKeys();
    QCOMPARE(keys.size(), 112);
    for (const SoftKeyLayoutFile::Key &key : keys) {
        if (key.keyCode >= 0) // the Fn key never reaches the computer
            QTest::addRow("%s (%d)", qPrintable(key.label), key.keyCode) << key.keyCode << key.vkCode;
    }
}

void tst_X11HookKeymap::layoutKeys()
{
    QFETCH(int, keyCode);
    QFETCH(int, vkCode);
    QVERIFY(hidToEvdev().contains(keyCode));
    const int xKeyCode = hidToEvdev().value(keyCode) + 8;
    X11KeyTranslator::KeyInfo info{};
    QVERIFY(X11KeyTranslator::lookup(xKeyCode, &info));
    QVERIFY(info.scanCode > 0);
    // Both Enter keys report 13; the extended bit tells the keypad one apart.
    if (vkCode == 999 || vkCode == 998) {
        QCOMPARE(info.vkCode, 13);
        QCOMPARE(info.extended, vkCode == 998);
        return;
    }
    QCOMPARE(info.vkCode, vkCode);
    // The dedicated navigation keys carry the extended bit, so that a
    // navigation code without it is known as a keypad key.
    static const QSet<int> navigation{45, 36, 33, 46, 35, 34, 37, 38, 39, 40};
    if (navigation.contains(vkCode))
        QVERIFY(info.extended);
}

void tst_X11HookKeymap::everyLayoutCodeOnce()
{
    // No two keys of the layout may come out as the same report.
    QSet<QPair<int, bool>> seen;
    const QVector<SoftKeyLayoutFile::Key> keys = usLayoutKeys();
    QCOMPARE(keys.size(), 112);
    for (const SoftKeyLayoutFile::Key &key : keys) {
        if (key.keyCode < 0)
            continue;
        X11KeyTranslator::KeyInfo info{};
        QVERIFY(X11KeyTranslator::lookup(hidToEvdev().value(key.keyCode) + 8, &info));
        const QPair<int, bool> report(info.vkCode, info.vkCode == 13 && info.extended);
        QVERIFY2(!seen.contains(report), qPrintable(key.label));
        seen.insert(report);
    }
    QVERIFY(!X11KeyTranslator::lookup(8, nullptr));   // below the first key
    QVERIFY(!X11KeyTranslator::lookup(255, nullptr)); // a code without a key
}

void tst_X11HookKeymap::altAndReleaseBits()
{
    constexpr int leftAlt = 56 + 8, rightAlt = 100 + 8, keyA = 30 + 8, keypadEnter = 96 + 8;
    X11KeyTranslator translator;
    LowLevelKeyRecord r;
    struct Step {
        bool press;
        int keyCode;
        int vk;
        int flags;
    };
    const Step steps[] = {
        {true, keyA, 65, 0x00},         {false, keyA, 65, 0x80},       {true, leftAlt, 164, 0x20},
        {true, keyA, 65, 0x20},         {false, keyA, 65, 0xA0},       {true, rightAlt, 165, 0x21},
        {false, leftAlt, 164, 0xA0},    // right Alt still held
        {true, keypadEnter, 13, 0x21},  {false, rightAlt, 165, 0x81},  {false, keypadEnter, 13, 0x81},
    };
    for (const Step &step : steps) {
        QVERIFY(translator.translate(step.press, step.keyCode, 7, &r));
        QCOMPARE(r.vkCode, step.vk);
        QCOMPARE(r.flags, step.flags);
        QCOMPARE(r.time, 7u);
    }
    // An unknown key still counts for the Alt state, but gives no record.
    QVERIFY(translator.translate(true, leftAlt, 0, &r));
    QVERIFY(!translator.translate(true, 255, 0, &r));
    translator.reset();
    QVERIFY(translator.translate(true, keyA, 0, &r));
    QCOMPARE(r.flags, 0);
}

void tst_X11HookKeymap::buttons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("press");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<int>("message");
    QTest::addColumn<int>("wheelOrButton"); // signed high word of the data word

    QTest::newRow("left down") << 1 << true << true << 513 << 0;
    QTest::newRow("left up") << 1 << false << true << 514 << 0;
    QTest::newRow("right down") << 3 << true << true << 516 << 0;
    QTest::newRow("right up") << 3 << false << true << 517 << 0;
    QTest::newRow("middle down") << 2 << true << true << 519 << 0;
    QTest::newRow("middle up") << 2 << false << true << 520 << 0;
    QTest::newRow("wheel up") << 4 << true << true << 0x20A << 120;
    QTest::newRow("wheel down") << 5 << true << true << 0x20A << -120;
    QTest::newRow("wheel release") << 4 << false << false << 0 << 0;
    QTest::newRow("tilt left") << 6 << true << true << 0x20E << -120;
    QTest::newRow("tilt right") << 7 << true << true << 0x20E << 120;
    QTest::newRow("back down") << 8 << true << true << 0x20B << 1;
    QTest::newRow("forward up") << 9 << false << true << 0x20C << 2;
    QTest::newRow("unknown") << 12 << true << false << 0 << 0;
}

void tst_X11HookKeymap::buttons()
{
    QFETCH(int, button);
    QFETCH(bool, press);
    QFETCH(bool, reported);
    QFETCH(int, message);
    QFETCH(int, wheelOrButton);
    int got = 0;
    LowLevelMouseRecord record;
    QCOMPARE(X11ButtonTranslator::translate(press, button, 300, -4, 99, &got, &record), reported);
    if (!reported)
        return;
    QCOMPARE(got, message);
    QCOMPARE(int(int16_t(record.mouseData >> 16)), wheelOrButton);
    QCOMPARE(record.mouseData & 0xFFFFu, 0u);
    QCOMPARE(record.x, 300);
    QCOMPARE(record.y, -4);
    QCOMPARE(record.time, 99u);
}

QTEST_GUILESS_MAIN(tst_X11HookKeymap)
#include "tst_x11hookkeymap.moc"
