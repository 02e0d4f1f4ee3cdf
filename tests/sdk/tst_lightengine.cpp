// The light-effect engine through its C surface: what each effect does,
// determinism, phase keeping, key presses, the keys of a compact keyboard
// and hostile arguments.
#include "sdk/hid/DeviceTable.h"
#include "sdk/include/LumtarLight.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int kRows = LUMTAR_LIGHT_ROWS;
constexpr int kColumns = LUMTAR_LIGHT_COLUMNS;
constexpr int kKeys = LUMTAR_LIGHT_KEY_POINTS;
constexpr int kSide = LUMTAR_LIGHT_SIDE_POINTS;

struct KeyShot {
    std::array<LightFramePointStu, kKeys> points{};
    std::array<LightColorStu, kKeys> mix{};
};
using SideShot = std::array<LightFramePointStu, kSide>;

int g_keyCallbacks = 0;
int g_sideCallbacks = 0;
KeyShot g_keyShot;
SideShot g_sideShot;

// Copies the frame and, as a caller does, asks for every key's mixed colour
// from inside the callback.
void keyCallback(const LightFramePointStu *points)
{
    ++g_keyCallbacks;
    std::copy(points, points + kKeys, g_keyShot.points.begin());
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c)
            g_keyShot.mix[r * kColumns + c] = CLumtarHid_lightColorMix(r, c);
    }
}

void sideCallback(const LightFramePointStu *points)
{
    ++g_sideCallbacks;
    std::copy(points, points + kSide, g_sideShot.begin());
}

struct Colour {
    int r, g, b;
};
constexpr Colour kRed{ 255, 0, 0 };
constexpr Colour kBlack{ 0, 0, 0 };

colorInfoData record(int kind, int mode, int direction = 0, int full = 0, Colour top = kRed, Colour bottom = kBlack)
{
    return { kind, mode, 3, 3, top.r, top.g, top.b, bottom.r, bottom.g, bottom.b, direction, full, 0, 0 };
}

// Presses sent before the step of that number.
using PressScript = std::map<int, std::vector<std::pair<int, int>>>;

const PressScript &standardPresses()
{
    static const PressScript script = {
        { 2, { { 2, 2 } } },           { 9, { { 3, 10 } } }, { 15, { { 1, 18 } } }, { 22, { { 4, 5 } } },
        { 30, { { 2, 2 }, { 2, 3 } } }, { 41, { { 0, 0 } } }, { 50, { { 5, 21 } } },
    };
    return script;
}

void sendPresses(const PressScript &script, int step)
{
    const auto it = script.find(step);
    if (it == script.end())
        return;
    for (const auto &p : it->second)
        QCOMPARE(CLumtarHid_keyClickedSendXY(p.first, p.second), 0);
}

std::vector<KeyShot> stepKeyboard(int steps, const PressScript &script = {}, int firstStep = 0)
{
    std::vector<KeyShot> shots;
    for (int s = firstStep; s < firstStep + steps; ++s) {
        sendPresses(script, s);
        CLumtarHid_keyboardLightColorRuning(&keyCallback);
        shots.push_back(g_keyShot);
    }
    return shots;
}

std::vector<KeyShot> runKeyboard(const colorInfoData &rec, int steps, const PressScript &script = {})
{
    CLumtarHid_SetKeyboardColorInfoDataStu(rec, 1, "LT108HE", 1);
    return stepKeyboard(steps, script);
}

std::vector<SideShot> runSide(const colorInfoData &rec, int steps, int count = 20, std::vector<int> valid = {})
{
    if (valid.empty())
        valid.assign(static_cast<size_t>(count > 0 ? count : 0), 1);
    CLumtarHid_SetSideColorInfoDataStu(rec, count, valid);
    std::vector<SideShot> shots;
    for (int s = 0; s < steps; ++s) {
        CLumtarHid_sideLightColorRuning(&sideCallback);
        shots.push_back(g_sideShot);
    }
    return shots;
}

template <typename T>
quint64 digest(const std::vector<T> &shots)
{
    quint64 h = 1469598103934665603ull;
    for (const T &shot : shots) {
        const auto *bytes = reinterpret_cast<const unsigned char *>(&shot);
        for (size_t i = 0; i < sizeof(T); ++i) {
            h ^= bytes[i];
            h *= 1099511628211ull;
        }
    }
    return h;
}

int brightness(const LightColorStu &c)
{
    return 3 * c.r + 2 * c.g + c.b;
}

enum Axis { AxisX, AxisY, AxisCentre, AxisAngle };

double coordinate(Axis axis, int key)
{
    const double x = key % kColumns - (kColumns - 1) / 2.0;
    const double y = key / kColumns - (kRows - 1) / 2.0;
    switch (axis) {
    case AxisX: return x;
    case AxisY: return y;
    case AxisCentre: return std::hypot(x, y);
    default: return std::atan2(y, x); // rows grow downwards: growing angle is clockwise
    }
}

// How the picture moved from `a` to `b` along the axis: positive when it
// moved towards growing coordinates. For a pattern f(u - vt) the time change
// times the slope is -v f'^2, so minus their sum has the sign of v.
double flow(const KeyShot &a, const KeyShot &b, Axis axis)
{
    double sum = 0;
    for (int key = 0; key < kKeys; ++key) {
        const int row = key / kColumns;
        const int column = key % kColumns;
        const int neighbours[2] = { column + 1 < kColumns ? key + 1 : -1, row + 1 < kRows ? key + kColumns : -1 };
        for (int n : neighbours) {
            if (n < 0)
                continue;
            double du = coordinate(axis, n) - coordinate(axis, key);
            if (axis == AxisAngle && du > M_PI)
                du -= 2 * M_PI;
            if (axis == AxisAngle && du < -M_PI)
                du += 2 * M_PI;
            const double slope = brightness(a.mix[n]) - brightness(a.mix[key]);
            const double dt = (brightness(b.mix[n]) - brightness(a.mix[n]) + brightness(b.mix[key])
                               - brightness(a.mix[key]))
                              / 2.0;
            sum -= dt * slope * du;
        }
    }
    return sum;
}

int litKeys(const KeyShot &shot)
{
    int n = 0;
    for (const auto &p : shot.points)
        n += p.intensity > 0 ? 1 : 0;
    return n;
}

using KeyColumns = std::array<uint8_t, kColumns>;

// The key positions of a model of the device table: byte c for column c,
// bit r for row r.
KeyColumns modelKeys(const char *model)
{
    lumtar::DeviceTable table;
    KeyColumns columns{};
    if (!table.parse(lumtar::DeviceTable::builtinJson()))
        return columns;
    if (const lumtar::DeviceModel *m = table.findModel(model))
        std::copy(m->simKeyColumns.begin(), m->simKeyColumns.end(), columns.begin());
    return columns;
}

bool hasKey(const KeyColumns &columns, int key)
{
    return (columns[size_t(key % kColumns)] >> (key / kColumns)) & 1u;
}

// Lit points at a key and lit points where the keyboard has none.
std::pair<int, int> litOnAndOffKeys(const KeyShot &shot, const KeyColumns &columns)
{
    std::pair<int, int> n{ 0, 0 };
    for (int key = 0; key < kKeys; ++key) {
        if (shot.points[key].intensity > 0)
            ++(hasKey(columns, key) ? n.first : n.second);
    }
    return n;
}

// Intensity-weighted mean distance of the lit keys from a key.
double meanDistance(const KeyShot &shot, int row, int column)
{
    double weight = 0;
    double sum = 0;
    for (int key = 0; key < kKeys; ++key) {
        const double w = shot.points[key].intensity;
        weight += w;
        sum += w * std::hypot(key / kColumns - row, key % kColumns - column);
    }
    return weight > 0 ? sum / weight : 0;
}

const QList<int> &keyboardEffectModes()
{
    static const QList<int> modes = { LightMode_Static,       LightMode_Breath,     LightMode_Wave,
                                      LightMode_Neon,         LightMode_Radar,      LightMode_Snake,
                                      LightMode_Reactive,     LightMode_Aurora,     LightMode_Ripple,
                                      LightMode_Twinkle,      LightMode_Cross,      LightMode_SpeedRespond,
                                      LightMode_AutoRipple,   LightMode_Striation,  LightMode_Fireworks };
    return modes;
}

int defaultDirection(int mode)
{
    switch (mode) {
    case LightMode_Radar:
    case LightMode_Snake:
    case LightMode_Striation: return LightDirection_CW;
    case LightMode_Aurora:
    case LightMode_Ripple:
    case LightMode_AutoRipple:
    case LightMode_Fireworks: return LightDirection_Dispersion;
    case LightMode_SpeedRespond: return LightDirection_Up;
    default: return LightDirection_Right;
    }
}

} // namespace

class TestLightEngine : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void movingEffectsRunTheirDirection_data();
    void movingEffectsRunTheirDirection();
    void reactiveStaysDarkUntilAPress();
    void rippleRingGrows();
    void crossRunsAlongRowAndColumn();
    void autoRippleTriggerAndConfigAgree();
    void speedRespondFollowsThePressRate();
    void sideCollisionMeets();
    void sideSegmentsOutsideStayDark();
    void everyModeLooksDifferent();
    void sameCallsGiveSameFrames();
    void haveChangedKeepsThePhaseSetRestarts();
    void oneCallbackPerStepAndMixFromInside();
    void pressSeenTwiceInOneStepCountsOnce();
    void rippleColourFollowsThePresses();
    void pathEffectsWalkTheModelKeys_data();
    void pathEffectsWalkTheModelKeys();
    void snakePathOfOddKeySets();
    void keyPositionArguments();
    void hostileArguments();
    void writesPicturesOfEveryMode();
};

void TestLightEngine::cleanup()
{
    // Every test starts on the whole matrix.
    QCOMPARE(CLumtarHid_SetKeyboardKeyPositions(nullptr, 0), 0);
}

void TestLightEngine::movingEffectsRunTheirDirection_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("full");
    QTest::addColumn<int>("axis");
    QTest::addColumn<int>("sign");
    const struct {
        const char *name;
        int mode, direction, axis, sign;
    } rows[] = {
        { "wave right", LightMode_Wave, LightDirection_Right, AxisX, +1 },
        { "wave left", LightMode_Wave, LightDirection_Left, AxisX, -1 },
        { "wave up", LightMode_Wave, LightDirection_Up, AxisY, -1 },
        { "wave down", LightMode_Wave, LightDirection_Down, AxisY, +1 },
        { "wave dispersion", LightMode_Wave, LightDirection_Dispersion, AxisCentre, +1 },
        { "wave gather", LightMode_Wave, LightDirection_Gather, AxisCentre, -1 },
        { "radar cw", LightMode_Radar, LightDirection_CW, AxisAngle, +1 },
        { "radar uncw", LightMode_Radar, LightDirection_UnCW, AxisAngle, -1 },
        { "striation cw", LightMode_Striation, LightDirection_CW, AxisAngle, +1 },
        { "striation uncw", LightMode_Striation, LightDirection_UnCW, AxisAngle, -1 },
        { "snake cw", LightMode_Snake, LightDirection_CW, AxisAngle, +1 },
        { "snake uncw", LightMode_Snake, LightDirection_UnCW, AxisAngle, -1 },
    };
    for (const auto &r : rows) {
        for (int full = 0; full <= 1; ++full) {
            QTest::newRow(qPrintable(QString::fromLatin1(r.name) + (full ? " full colour" : "")))
                << r.mode << r.direction << full << r.axis << r.sign;
        }
    }
}

void TestLightEngine::movingEffectsRunTheirDirection()
{
    QFETCH(int, mode);
    QFETCH(int, direction);
    QFETCH(int, full);
    QFETCH(int, axis);
    QFETCH(int, sign);
    const auto shots = runKeyboard(record(LUMTAR_LIGHT_KIND_KEYBOARD, mode, direction, full), 80);
    double total = 0;
    for (int s = 10; s < 79; ++s)
        total += flow(shots[s], shots[s + 1], static_cast<Axis>(axis));
    QVERIFY2(total * sign > 0, qPrintable(QString::number(total)));
}

void TestLightEngine::reactiveStaysDarkUntilAPress()
{
    const auto shots = runKeyboard(record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Reactive), 80, { { 20, { { 2, 2 } } } });
    for (int s = 0; s < 20; ++s) {
        QCOMPARE(litKeys(shots[s]), 0);
        for (const auto &m : shots[s].mix)
            QCOMPARE(brightness(m), 0);
    }
    const int key = 2 * kColumns + 2;
    QCOMPARE(litKeys(shots[20]), 1);
    QCOMPARE(shots[20].points[key].intensity, 255);
    QCOMPARE(shots[20].points[key].stage, 1); // a fresh press keeps full strength
    QCOMPARE(shots[20].mix[key].r, 255);
    for (int s = 21; s < 80; ++s)
        QVERIFY(shots[s].points[key].intensity <= shots[s - 1].points[key].intensity);
    QVERIFY(shots[30].points[key].intensity < 255);
    QCOMPARE(shots[79].points[key].intensity, 0);
}

void TestLightEngine::rippleRingGrows()
{
    const auto shots = runKeyboard(record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Ripple), 60, { { 0, { { 2, 10 } } } });
    double last = -1;
    for (int s : { 4, 12, 20, 28, 36 }) {
        const double d = meanDistance(shots[s], 2, 10);
        QVERIFY2(d > last, qPrintable(QStringLiteral("step %1: %2 after %3").arg(s).arg(d).arg(last)));
        last = d;
    }
    QVERIFY(litKeys(shots[20]) > litKeys(shots[4])); // a ring, not a dot
}

void TestLightEngine::crossRunsAlongRowAndColumn()
{
    const auto shots = runKeyboard(record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Cross), 30, { { 0, { { 3, 8 } } } });
    for (const KeyShot &shot : shots) {
        for (int key = 0; key < kKeys; ++key) {
            if (key / kColumns != 3 && key % kColumns != 8)
                QCOMPARE(shot.points[key].intensity, 0);
        }
    }
    QVERIFY(shots[20].points[3 * kColumns + 16].intensity > 0); // 8 keys out along the row
    QCOMPARE(shots[5].points[3 * kColumns + 16].intensity, 0);  // not there yet
}

void TestLightEngine::autoRippleTriggerAndConfigAgree()
{
    CLumtarHid_SetKeyboardColorInfoDataStu(record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_AutoRipple, 4, 1), 1,
                                           "LT108HE", 1);
    const AutoRippleLightConfigStu before = CLumtarHid_GetCurrentAutoRippleLightConfig();
    QCOMPARE(before.r + before.g + before.b + before.row + before.column, 0);
    std::vector<int> triggers;
    std::set<std::vector<int>> configs;
    for (int s = 0; s < 100; ++s) {
        CLumtarHid_keyboardLightColorRuning(&keyCallback);
        for (int key = 1; key < kKeys; ++key)
            QCOMPARE(g_keyShot.points[key].trigger, 0);
        if (g_keyShot.points[0].trigger != 1) {
            QCOMPARE(g_keyShot.points[0].trigger, 0);
            continue;
        }
        triggers.push_back(s);
        const AutoRippleLightConfigStu c = CLumtarHid_GetCurrentAutoRippleLightConfig();
        QVERIFY(c.row >= 0 && c.row < kRows && c.column >= 0 && c.column < kColumns);
        // The ripple starts at its key, in its colour.
        const LightColorStu m = g_keyShot.mix[c.row * kColumns + c.column];
        QCOMPARE(m.r, c.r);
        QCOMPARE(m.g, c.g);
        QCOMPARE(m.b, c.b);
        configs.insert({ c.row, c.column, c.r, c.g, c.b });
    }
    QCOMPARE(triggers, (std::vector<int>{ 0, 30, 60, 90 }));
    QCOMPARE(configs.size(), size_t(4)); // each ripple its own key and colour
}

void TestLightEngine::speedRespondFollowsThePressRate()
{
    // Column 0 tells how far the rows are filled: its level is the row's
    // rank, 1 filling first.
    auto filled = [](const KeyShot &shot) {
        int sum = 0;
        for (int row = 0; row < kRows; ++row)
            sum += shot.points[row * kColumns].intensity;
        return sum;
    };
    auto script = [](int every) {
        PressScript s;
        for (int step = 0; step < 120; step += every)
            s[step] = { { step / every % kRows, step / every % kColumns } };
        return s;
    };
    for (int direction : { LightDirection_Up, LightDirection_Down }) {
        const colorInfoData rec = record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_SpeedRespond, direction);
        const auto fast = runKeyboard(rec, 120, script(5));
        const auto slow = runKeyboard(rec, 120, script(20));
        QVERIFY2(filled(fast.back()) > filled(slow.back()) + 255,
                 qPrintable(QStringLiteral("%1 vs %2").arg(filled(fast.back())).arg(filled(slow.back()))));
        QVERIFY(filled(slow.back()) > 0);
        // The first row to fill is the bottom one for Up, the top one for Down.
        const int firstRow = direction == LightDirection_Up ? kRows - 1 : 0;
        const int lastRow = kRows - 1 - firstRow;
        QCOMPARE(slow.back().points[firstRow * kColumns].level, 1);
        QCOMPARE(slow.back().points[lastRow * kColumns].level, kRows);
        QVERIFY(slow.back().points[firstRow * kColumns].intensity > 0);
        QCOMPARE(slow.back().points[lastRow * kColumns].intensity, 0);
        // Without presses the rows sink.
        const auto after = stepKeyboard(600);
        QCOMPARE(filled(after.back()), 0);
    }
}

void TestLightEngine::sideCollisionMeets()
{
    for (int full = 0; full <= 1; ++full) {
        CLumtarHid_SetSideColorInfoDataStu(record(LUMTAR_LIGHT_KIND_SIDE, SideLightMode_Collision, 0, full), 20,
                                           std::vector<int>(20, 1));
        int lastGap = 1000;
        bool met = false;
        for (int s = 0; s < 80 && !met; ++s) {
            CLumtarHid_sideLightColorRuning(&sideCallback);
            const SideCollisionLightConfigStu c = CLumtarHid_GetSideCollisionLightRuningConfig();
            const int gap = c.secondPosition - c.firstPosition;
            QVERIFY(gap <= lastGap); // the lights close in
            lastGap = gap;
            if (gap > 0) {
                QVERIFY(g_sideShot[c.firstPosition].intensity > 0);
                QVERIFY(g_sideShot[c.secondPosition].intensity > 0);
                continue;
            }
            // They meet in the middle and flash.
            met = true;
            QVERIFY(std::abs(c.firstPosition - 10) <= 1);
            QVERIFY(g_sideShot[c.firstPosition].stage >= 1 && g_sideShot[c.firstPosition].stage <= 9);
            if (full) {
                const LightFramePointStu &p = g_sideShot[c.firstPosition];
                QVERIFY(p.r != p.r2 || p.g != p.g2 || p.b != p.b2); // two colours meet
            }
        }
        QVERIFY(met);
    }
}

void TestLightEngine::sideSegmentsOutsideStayDark()
{
    std::vector<int> valid(12, 1);
    valid[3] = 0;
    valid[7] = 0;
    for (int mode = SideLightMode_Static; mode <= SideLightMode_Close; ++mode) {
        const auto shots = runSide(record(LUMTAR_LIGHT_KIND_SIDE, mode, 0, 1), 40, 12, valid);
        for (const SideShot &shot : shots) {
            for (int k : { 3, 7, 12, 30, 59 })
                QCOMPARE(shot[k].intensity + shot[k].r + shot[k].g + shot[k].b + shot[k].stage, 0);
        }
        const bool dark = mode == SideLightMode_Close;
        int lit = 0;
        for (const SideShot &shot : shots)
            lit += shot[0].intensity;
        QCOMPARE(lit == 0, dark);
    }
}

void TestLightEngine::everyModeLooksDifferent()
{
    for (int full = 0; full <= 1; ++full) {
        std::map<quint64, int> seen;
        for (int mode : keyboardEffectModes()) {
            const auto shots = runKeyboard(
                record(LUMTAR_LIGHT_KIND_KEYBOARD, mode, defaultDirection(mode), full, kRed, { 0, 0, 60 }), 60,
                standardPresses());
            const quint64 d = digest(shots);
            QVERIFY2(!seen.count(d), qPrintable(QStringLiteral("mode %1 looks like mode %2").arg(mode).arg(seen[d])));
            seen[d] = mode;
            int moving = 0;
            for (size_t s = 1; s < shots.size(); ++s)
                moving += std::memcmp(&shots[s], &shots[s - 1], sizeof(KeyShot)) != 0 ? 1 : 0;
            QCOMPARE(moving == 0, mode == LightMode_Static); // every other effect moves
        }
    }
    std::map<quint64, int> seen;
    for (int mode = SideLightMode_Static; mode <= SideLightMode_Close; ++mode) {
        const quint64 d = digest(runSide(record(LUMTAR_LIGHT_KIND_SIDE, mode), 60));
        QVERIFY2(!seen.count(d), qPrintable(QStringLiteral("side mode %1 looks like %2").arg(mode).arg(seen[d])));
        seen[d] = mode;
    }
}

void TestLightEngine::sameCallsGiveSameFrames()
{
    for (int mode : keyboardEffectModes()) {
        for (int full = 0; full <= 1; ++full) {
            const colorInfoData rec = record(LUMTAR_LIGHT_KIND_KEYBOARD, mode, defaultDirection(mode), full);
            const quint64 first = digest(runKeyboard(rec, 60, standardPresses()));
            QCOMPARE(digest(runKeyboard(rec, 60, standardPresses())), first);
        }
    }
    for (int mode = SideLightMode_Static; mode <= SideLightMode_Close; ++mode) {
        const colorInfoData rec = record(LUMTAR_LIGHT_KIND_SIDE, mode, 0, 1);
        QCOMPARE(digest(runSide(rec, 60)), digest(runSide(rec, 60)));
    }
}

void TestLightEngine::haveChangedKeepsThePhaseSetRestarts()
{
    const colorInfoData red = record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Wave);
    const colorInfoData green = record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Wave, 0, 0, { 0, 255, 0 });
    const auto reference = runKeyboard(red, 40);

    runKeyboard(red, 20);
    QCOMPARE(CLumtarHid_SetKeyboardColorInfoDataStuHaveChanged(green), 0);
    const auto changed = stepKeyboard(20);
    for (int s = 0; s < 20; ++s) {
        for (int key = 0; key < kKeys; ++key) {
            // Same place in the wave, new colour.
            QCOMPARE(changed[s].points[key].intensity, reference[20 + s].points[key].intensity);
            QCOMPARE(changed[s].points[key].g, 255);
            QCOMPARE(changed[s].points[key].r, 0);
        }
    }
    // A changed record does not change the mode: only Set... does.
    CLumtarHid_SetKeyboardColorInfoDataStuHaveChanged(record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Static));
    const auto stillWave = stepKeyboard(2);
    QVERIFY(std::memcmp(&stillWave[0].points, &stillWave[1].points, sizeof stillWave[0].points) != 0);

    const auto restarted = runKeyboard(red, 1);
    QVERIFY(std::memcmp(&restarted[0], &reference[0], sizeof(KeyShot)) == 0);

    // The side light likewise.
    const colorInfoData sideRed = record(LUMTAR_LIGHT_KIND_SIDE, SideLightMode_Wave);
    const auto sideReference = runSide(sideRed, 30);
    runSide(sideRed, 10);
    CLumtarHid_SetSideColorInfoDataStuHaveChanged(record(LUMTAR_LIGHT_KIND_SIDE, SideLightMode_Wave, 0, 0, { 0, 0, 255 }));
    CLumtarHid_sideLightColorRuning(&sideCallback);
    for (int k = 0; k < 20; ++k) {
        QCOMPARE(g_sideShot[k].intensity, sideReference[10][k].intensity);
        QCOMPARE(g_sideShot[k].b, 255);
    }
}

void TestLightEngine::oneCallbackPerStepAndMixFromInside()
{
    const colorInfoData rec = record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Ripple, 4, 1, kRed, { 0, 0, 100 });
    CLumtarHid_SetKeyboardColorInfoDataStu(rec, 1, "LT108HE", 1);
    CLumtarHid_SetSideColorInfoDataStu(record(LUMTAR_LIGHT_KIND_SIDE, SideLightMode_Wave), 20, std::vector<int>(20, 1));
    const int keyBefore = g_keyCallbacks;
    const int sideBefore = g_sideCallbacks;
    for (int s = 0; s < 25; ++s) {
        if (s % 5 == 0)
            CLumtarHid_keyClickedSendXY(s % kRows, s % kColumns);
        QCOMPARE(CLumtarHid_keyboardLightColorRuning(&keyCallback), 0);
        QCOMPARE(g_keyCallbacks, keyBefore + s + 1);
        QCOMPARE(CLumtarHid_sideLightColorRuning(&sideCallback), 0);
        QCOMPARE(g_sideCallbacks, sideBefore + s + 1);
        // The mixed colours asked for inside the callback belong to the
        // frame handed to it: the point's colour over colour 2.
        for (int key = 0; key < kKeys; ++key) {
            const LightFramePointStu &p = g_keyShot.points[key];
            const int i = p.intensity;
            QCOMPARE(g_keyShot.mix[key].r, (p.r * i + 0 * (255 - i) + 127) / 255);
            QCOMPARE(g_keyShot.mix[key].b, (p.b * i + 100 * (255 - i) + 127) / 255);
        }
    }
}

void TestLightEngine::pressSeenTwiceInOneStepCountsOnce()
{
    const colorInfoData rec = record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_SpeedRespond);
    auto fillAfter = [&rec](const std::vector<std::pair<int, int>> &presses) {
        return runKeyboard(rec, 1, { { 0, presses } }).back();
    };
    const KeyShot once = fillAfter({ { 2, 2 } });
    const KeyShot twice = fillAfter({ { 2, 2 }, { 2, 2 } }); // the keyboard's report and the desktop hook
    const KeyShot two = fillAfter({ { 2, 2 }, { 2, 3 } });
    QVERIFY(std::memcmp(&once, &twice, sizeof once) == 0);
    QVERIFY(std::memcmp(&once, &two, sizeof once) != 0);

    // The queue is bounded: past 16 waiting presses the oldest give way.
    std::vector<std::pair<int, int>> sixteen, forty;
    for (int i = 0; i < 40; ++i) {
        forty.push_back({ i / kColumns, i % kColumns });
        if (i >= 24)
            sixteen.push_back({ i / kColumns, i % kColumns });
    }
    const KeyShot lastSixteen = fillAfter(sixteen);
    const KeyShot allForty = fillAfter(forty);
    QVERIFY(std::memcmp(&lastSixteen, &allForty, sizeof(KeyShot)) == 0);

    // A press waits for the next step only: the step after it sees none.
    const auto shots = runKeyboard(record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Reactive), 3, { { 1, { { 0, 5 } } } });
    QCOMPARE(litKeys(shots[0]), 0);
    QCOMPARE(shots[1].points[5].stage, 1);
    QCOMPARE(shots[2].points[5].stage, 2);

    // Set... forgets waiting presses.
    CLumtarHid_keyClickedSendXY(1, 1);
    const auto fresh = runKeyboard(record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Reactive), 1);
    QCOMPARE(litKeys(fresh[0]), 0);
}

void TestLightEngine::rippleColourFollowsThePresses()
{
    // Not full colour: every press takes colour 1.
    runKeyboard(record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Ripple, 4, 0, { 10, 20, 30 }), 1);
    LightColorStu c = CLumtarHid_GetCurrentRippleLightColor();
    QCOMPARE((std::vector<int>{ c.r, c.g, c.b }), (std::vector<int>{ 10, 20, 30 }));

    // Full colour: each press its own rainbow colour, known as soon as it waits.
    runKeyboard(record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Ripple, 4, 1), 1);
    const LightColorStu first = CLumtarHid_GetCurrentRippleLightColor();
    CLumtarHid_keyClickedSendXY(2, 2);
    const LightColorStu waiting = CLumtarHid_GetCurrentRippleLightColor();
    QCOMPARE((std::vector<int>{ waiting.r, waiting.g, waiting.b }), (std::vector<int>{ first.r, first.g, first.b }));
    stepKeyboard(1);
    const LightColorStu atKey = g_keyShot.mix[2 * kColumns + 2];
    QCOMPARE((std::vector<int>{ atKey.r, atKey.g, atKey.b }), (std::vector<int>{ first.r, first.g, first.b }));
    CLumtarHid_keyClickedSendXY(3, 3);
    const LightColorStu second = CLumtarHid_GetCurrentRippleLightColor();
    QVERIFY(second.r != first.r || second.g != first.g || second.b != first.b);
}

void TestLightEngine::pathEffectsWalkTheModelKeys_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("full");
    // Every frame from this step lights a key (-1: not every frame).
    QTest::addColumn<int>("keyEveryFrameFrom");
    // Up to this step (exclusive) the frames light nothing but keys.
    QTest::addColumn<int>("onlyKeysUntil");
    // Auto ripples start at keys.
    QTest::addColumn<bool>("ripplesAtKeys");
    const struct {
        const char *name;
        int mode, direction, keyEveryFrameFrom, onlyKeysUntil;
        bool ripplesAtKeys;
    } rows[] = {
        { "snake cw", LightMode_Snake, LightDirection_CW, 0, 400, false },
        { "snake uncw", LightMode_Snake, LightDirection_UnCW, 0, 400, false },
        { "twinkle", LightMode_Twinkle, LightDirection_Right, -1, 400, false },
        { "auto ripple", LightMode_AutoRipple, LightDirection_Dispersion, 0, 1, true },
        // A press at (3, 2) before step 1; the band from the far edge is at
        // a key from the first step it moved until it has arrived.
        { "aurora gather", LightMode_Aurora, LightDirection_Gather, 2, 0, false },
    };
    for (const char *model : { "LT68HE", "LT108HE" }) {
        for (const auto &r : rows) {
            for (int full = 0; full <= 1; ++full) {
                QTest::newRow(qPrintable(QStringLiteral("%1 %2%3").arg(model, r.name, full ? " full colour" : "")))
                    << QByteArray(model) << r.mode << r.direction << full << r.keyEveryFrameFrom << r.onlyKeysUntil
                    << r.ripplesAtKeys;
            }
        }
    }
}

void TestLightEngine::pathEffectsWalkTheModelKeys()
{
    QFETCH(QByteArray, model);
    QFETCH(int, mode);
    QFETCH(int, direction);
    QFETCH(int, full);
    QFETCH(int, keyEveryFrameFrom);
    QFETCH(int, onlyKeysUntil);
    QFETCH(bool, ripplesAtKeys);
    const KeyColumns columns = modelKeys(model.constData());
    QVERIFY(std::any_of(columns.begin(), columns.end(), [](uint8_t c) { return c != 0; }));
    QCOMPARE(CLumtarHid_SetKeyboardKeyPositions(columns.data(), kColumns), 0);

    const bool aurora = mode == LightMode_Aurora;
    const int steps = 400;
    CLumtarHid_SetKeyboardColorInfoDataStu(record(LUMTAR_LIGHT_KIND_KEYBOARD, mode, direction, full), 1,
                                           model.constData(), 0);
    std::set<std::pair<int, int>> rippleStarts;
    std::vector<int> dark; // steps without a lit key
    int lastLit = -1;
    for (int s = 0; s < steps; ++s) {
        if (aurora && s == 1)
            QCOMPARE(CLumtarHid_keyClickedSendXY(3, 2), 0);
        CLumtarHid_keyboardLightColorRuning(&keyCallback);
        const auto lit = litOnAndOffKeys(g_keyShot, columns);
        if (lit.first > 0)
            lastLit = s;
        if (lit.first == 0)
            dark.push_back(s);
        if (s < onlyKeysUntil)
            QVERIFY2(lit.second == 0,
                     qPrintable(QStringLiteral("step %1: %2 lit without a key").arg(s).arg(lit.second)));
        if (ripplesAtKeys && g_keyShot.points[0].trigger == 1) {
            const AutoRippleLightConfigStu c = CLumtarHid_GetCurrentAutoRippleLightConfig();
            rippleStarts.insert({ c.row, c.column });
            QVERIFY2(hasKey(columns, c.row * kColumns + c.column),
                     qPrintable(QStringLiteral("ripple at %1, %2").arg(c.row).arg(c.column)));
        }
    }
    // No dark frame from the first step that must light a key until the
    // effect has ended (Aurora's band arrives; the others run on).
    if (keyEveryFrameFrom >= 0) {
        QVERIFY(lastLit >= keyEveryFrameFrom);
        std::vector<int> darkBetween;
        std::copy_if(dark.begin(), dark.end(), std::back_inserter(darkBetween),
                     [&](int s) { return s >= keyEveryFrameFrom && s <= lastLit; });
        QVERIFY2(darkBetween.empty(), qPrintable(QStringLiteral("%1 dark frames, the first at step %2")
                                                     .arg(darkBetween.size())
                                                     .arg(darkBetween.empty() ? -1 : darkBetween.front())));
    }
    if (ripplesAtKeys)
        QVERIFY(rippleStarts.size() > 5);
    if (mode == LightMode_Twinkle)
        QVERIFY(lastLit >= 0);
}

void TestLightEngine::snakePathOfOddKeySets()
{
    // The head (stage 1) visits the edge keys in order, one every two steps.
    auto headPath = [](const KeyColumns &columns, int direction, int keys) {
        CLumtarHid_SetKeyboardKeyPositions(columns.data(), kColumns);
        CLumtarHid_SetKeyboardColorInfoDataStu(record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Snake, direction), 1,
                                               nullptr, 0);
        std::vector<int> path;
        for (int s = 0; s < 2 * keys; s += 2) {
            CLumtarHid_keyboardLightColorRuning(&keyCallback);
            CLumtarHid_keyboardLightColorRuning(&keyCallback);
            int head = -1;
            for (int key = 0; key < kKeys; ++key) {
                if (g_keyShot.points[key].stage == 1)
                    head = head < 0 ? key : -2; // more than one head: wrong
            }
            path.push_back(head);
        }
        return path;
    };
    auto at = [](int row, int column) { return row * kColumns + column; };

    // A 3 x 3 block in rows 1..3, columns 4..6, with a hole in the middle.
    KeyColumns block{};
    block[4] = block[6] = 0x0E;
    block[5] = 0x0A;
    QCOMPARE(headPath(block, LightDirection_CW, 8),
             (std::vector<int>{ at(1, 4), at(1, 5), at(1, 6), at(2, 6), at(3, 6), at(3, 5), at(3, 4), at(2, 4) }));
    // Anticlockwise from the same first key, the other way round.
    QCOMPARE(headPath(block, LightDirection_UnCW, 4), (std::vector<int>{ at(1, 4), at(2, 4), at(3, 4), at(3, 5) }));

    // One row: along it and back.
    KeyColumns row{};
    row[2] = row[3] = row[5] = 0x10;
    QCOMPARE(headPath(row, LightDirection_CW, 5),
             (std::vector<int>{ at(4, 2), at(4, 3), at(4, 5), at(4, 3), at(4, 2) }));

    // A single key: the snake stays on it, every frame lit there only.
    KeyColumns one{};
    one[9] = 0x20;
    QCOMPARE(headPath(one, LightDirection_CW, 3), (std::vector<int>{ at(5, 9), at(5, 9), at(5, 9) }));
    QCOMPARE(litKeys(g_keyShot), 1);
}

void TestLightEngine::keyPositionArguments()
{
    const colorInfoData snake = record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Snake, LightDirection_CW, 1);
    const quint64 whole = digest(runKeyboard(snake, 120));
    const KeyColumns compact = modelKeys("LT68HE");
    QCOMPARE(CLumtarHid_SetKeyboardKeyPositions(compact.data(), kColumns), 0);
    const quint64 keys = digest(runKeyboard(snake, 120));
    QVERIFY(keys != whole);

    // A count other than the matrix's columns is refused and changes nothing.
    for (int count : { 0, 21, 23, -1, INT_MAX })
        QCOMPARE(CLumtarHid_SetKeyboardKeyPositions(compact.data(), count), -1);
    QCOMPARE(digest(runKeyboard(snake, 120)), keys);

    // Null, no key marked, or only bits that are not rows: the whole matrix.
    const KeyColumns none{};
    KeyColumns rowsNotThere{};
    rowsNotThere.fill(0xC0);
    const KeyColumns &notRows = rowsNotThere;
    for (const uint8_t *columns : { static_cast<const uint8_t *>(nullptr), none.data(), notRows.data() }) {
        QCOMPARE(CLumtarHid_SetKeyboardKeyPositions(compact.data(), kColumns), 0);
        QCOMPARE(CLumtarHid_SetKeyboardKeyPositions(columns, kColumns), 0);
        QCOMPARE(digest(runKeyboard(snake, 120)), whole);
    }

    // New keys do not restart the effect: the snake runs on from its step.
    QCOMPARE(CLumtarHid_SetKeyboardKeyPositions(nullptr, 0), 0);
    runKeyboard(snake, 10);
    QCOMPARE(CLumtarHid_SetKeyboardKeyPositions(compact.data(), kColumns), 0);
    CLumtarHid_keyboardLightColorRuning(&keyCallback);
    int head = -1;
    for (int key = 0; key < kKeys; ++key)
        head = g_keyShot.points[key].stage == 1 ? key : head;
    QVERIFY(head >= 0);
    QVERIFY(head != 1 * kColumns); // not back at the first edge key
}

void TestLightEngine::hostileArguments()
{
    // Positions outside the matrix are refused and never stored.
    for (auto p : std::vector<std::pair<int, int>>{
             { -1, 0 }, { 6, 0 }, { 0, -1 }, { 0, 22 }, { INT_MIN, INT_MAX }, { INT_MAX, 5 } }) {
        QCOMPARE(CLumtarHid_keyClickedSendXY(p.first, p.second), -1);
        const LightColorStu m = CLumtarHid_lightColorMix(p.first, p.second);
        QCOMPARE(m.r + m.g + m.b, 0);
    }
    const auto none = runKeyboard(record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Reactive), 1,
                                  { { 0, {} } });
    QCOMPARE(litKeys(none[0]), 0);
    QCOMPARE(CLumtarHid_keyClickedSendXY(5, 21), 0);

    // A null callback: refused, no step taken.
    const colorInfoData wave = record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Wave);
    const auto reference = runKeyboard(wave, 2);
    CLumtarHid_SetKeyboardColorInfoDataStu(wave, 1, nullptr, 0);
    QCOMPARE(CLumtarHid_keyboardLightColorRuning(nullptr), -1);
    QCOMPARE(CLumtarHid_sideLightColorRuning(nullptr), -1);
    const auto afterNull = stepKeyboard(2);
    QVERIFY(std::memcmp(&afterNull[0], &reference[0], sizeof(KeyShot)) == 0);

    // Colours outside 0..255 are held at the ends.
    const auto loud = runKeyboard(
        record(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Static, 0, 0, { 1000, -5, INT_MAX }, { INT_MIN, 300, 0 }), 1);
    for (const auto &p : loud[0].points) {
        QCOMPARE((std::vector<int>{ p.r, p.g, p.b }), (std::vector<int>{ 255, 0, 255 }));
        QVERIFY(p.intensity >= 0 && p.intensity <= 255);
    }

    // Unknown modes and modes painted by the host answer black.
    for (int mode : { -1, 13, 17, 99, int(LightMode_Custom), int(LightMode_MusicalRhythm), INT_MAX }) {
        const auto shots = runKeyboard(record(LUMTAR_LIGHT_KIND_KEYBOARD, mode, 0, 1, kRed, { 9, 9, 9 }), 3,
                                       { { 0, { { 1, 1 } } } });
        for (const KeyShot &shot : shots) {
            for (int key = 0; key < kKeys; ++key) {
                QCOMPARE(shot.points[key].r + shot.points[key].g + shot.points[key].b + shot.points[key].intensity, 0);
                QCOMPARE(brightness(shot.mix[key]), 0);
            }
        }
    }
    for (int mode : { -1, 6, 100 }) {
        for (const SideShot &shot : runSide(record(LUMTAR_LIGHT_KIND_SIDE, mode), 3))
            QCOMPARE(shot[0].intensity + shot[0].r, 0);
    }

    // An unknown direction runs the mode's own.
    for (int mode : { LightMode_Wave, LightMode_Radar, LightMode_SpeedRespond, LightMode_Aurora }) {
        const quint64 own = digest(runKeyboard(
            record(LUMTAR_LIGHT_KIND_KEYBOARD, mode, defaultDirection(mode), 1), 40, standardPresses()));
        for (int direction : { -1, 8, 1000 }) {
            QCOMPARE(digest(runKeyboard(record(LUMTAR_LIGHT_KIND_KEYBOARD, mode, direction, 1), 40, standardPresses())),
                     own);
        }
    }

    // Side counts outside 0..60.
    for (const SideShot &shot : runSide(record(LUMTAR_LIGHT_KIND_SIDE, SideLightMode_Static), 2, -5, { 1 })) {
        for (const auto &p : shot)
            QCOMPARE(p.intensity, 0);
    }
    const auto all = runSide(record(LUMTAR_LIGHT_KIND_SIDE, SideLightMode_Static), 2, 1000, { 1, 0 });
    QCOMPARE(all[0][0].intensity, 255);
    QCOMPARE(all[0][1].intensity, 0);  // its status says dark
    QCOMPARE(all[0][59].intensity, 255); // no status given: lit
    const auto tiny = runSide(record(LUMTAR_LIGHT_KIND_SIDE, SideLightMode_Collision, 0, 1), 50, 1, { 1 });
    QVERIFY(tiny.back()[1].intensity == 0);
}

void TestLightEngine::writesPicturesOfEveryMode()
{
    // One picture per mode in the build folder, to be looked at: frames
    // top to bottom, every 6th step of the standard press script; keyboard
    // pictures show colour 1 red over a dark blue colour 2 on the left and
    // full colour on the right.
    const QString dir = qEnvironmentVariable("LUMTAR_BIN_DIR", QDir::tempPath()) + QStringLiteral("/../light-effects");
    QVERIFY(QDir().mkpath(dir));
    constexpr int kCell = 10;
    constexpr int kFrames = 12;
    constexpr int kEvery = 6;
    constexpr int kGap = 4;
    const Colour bottom{ 0, 0, 80 };
    auto paint = [](QImage &image, int x, int y, const LightColorStu &c) {
        for (int dy = 1; dy < kCell; ++dy) {
            for (int dx = 1; dx < kCell; ++dx)
                image.setPixel(x + dx, y + dy, qRgb(c.r, c.g, c.b));
        }
    };
    const int frameW = kColumns * kCell;
    const int frameH = kRows * kCell;
    for (int mode : keyboardEffectModes()) {
        QImage image(2 * frameW + kGap, kFrames * (frameH + kGap), QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int full = 0; full <= 1; ++full) {
            const auto shots = runKeyboard(
                record(LUMTAR_LIGHT_KIND_KEYBOARD, mode, defaultDirection(mode), full, kRed, bottom),
                kFrames * kEvery, standardPresses());
            for (int f = 0; f < kFrames; ++f) {
                for (int key = 0; key < kKeys; ++key) {
                    paint(image, full * (frameW + kGap) + (key % kColumns) * kCell,
                          f * (frameH + kGap) + (key / kColumns) * kCell, shots[f * kEvery].mix[key]);
                }
            }
        }
        QVERIFY(image.save(dir + QStringLiteral("/keyboard-%1.png").arg(mode, 2, 10, QLatin1Char('0'))));
    }
    constexpr int kSegments = 20;
    for (int mode = SideLightMode_Static; mode <= SideLightMode_Close; ++mode) {
        QImage image(2 * kSegments * kCell + kGap, kFrames * (kCell + kGap), QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int full = 0; full <= 1; ++full) {
            const auto shots = runSide(record(LUMTAR_LIGHT_KIND_SIDE, mode, 0, full, kRed, bottom), kFrames * kEvery,
                                       kSegments);
            for (int f = 0; f < kFrames; ++f) {
                for (int k = 0; k < kSegments; ++k) {
                    const LightFramePointStu &p = shots[f * kEvery][k];
                    const int i = p.intensity;
                    const LightColorStu c{ (p.r * i + bottom.r * (255 - i)) / 255, (p.g * i + bottom.g * (255 - i)) / 255,
                                           (p.b * i + bottom.b * (255 - i)) / 255 };
                    paint(image, full * (kSegments * kCell + kGap) + k * kCell, f * (kCell + kGap), c);
                }
            }
        }
        QVERIFY(image.save(dir + QStringLiteral("/side-%1.png").arg(mode)));
    }
}

QTEST_GUILESS_MAIN(TestLightEngine)
#include "tst_lightengine.moc"
