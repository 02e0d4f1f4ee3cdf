#include "ui/mainwidget/devicePage/SoftKeyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/sideLightButtonCustom.h"

#include <QSignalSpy>
#include <QtTest>

using Outline = keyboardButCustom::Outline;
using Outlines = QVector<Outline>;
Q_DECLARE_METATYPE(Outlines)

namespace {
const QColor kTransparent(0, 0, 0, 0);
const QColor kPrimary(220, 40, 45);
const QColor kAccent(56, 149, 245);
const QColor kLight(10, 200, 30);
const QColor kMarkFill(0, 0, 255, 50);
const QColor kMarkBorder(0, 0, 255);

QColor a50(QColor c)
{
    c.setAlpha(50);
    return c;
}

// The state flags of one key, as the pages set them.
struct KeyState {
    bool hovered = false, selected = false, marked = false, checked = false, editable = true;
    bool hoverEnabled = true, lightMode = false, calibration = false, specialShape = false;
    int code = 4;
    QColor light = kTransparent;
};
} // namespace
Q_DECLARE_METATYPE(KeyState)

class TestKeyButtons : public QObject
{
    Q_OBJECT
private slots:
    void outlinePlan_data();
    void outlinePlan();
    void lightColourWhileNotShownIsCleared();
    void lightColourShownAgainWithoutANewFrame();
    void travelPlan_data();
    void travelPlan();
    void quickTriggerValuesApart_data();
    void quickTriggerValuesApart();
    void legendAndTravelApart_data();
    void legendAndTravelApart();
    void travelColorsFromTheTheme();
    void travelText_data();
    void travelText();
    void notchUsesTheSizeAtTheTimeOfTheCall();
    void notchedKeyPaintsOnlyShapeTypeOne();
    void hoverSignalsAndKeyInfo();
    void keyButtonsPaintInEveryMode();

    void sideSegmentPaintsOnlyWhenLong_data();
    void sideSegmentPaintsOnlyWhenLong();

    void softKeyDisplayText_data();
    void softKeyDisplayText();
    void softKeyStates_data();
    void softKeyStates();
    void softKeyThemeFollowsThePresentState();
    void softKeyHoverAndRightClick();
};

static void apply(keyboardButCustom &key, const KeyState &s)
{
    key.setThemeColors(kPrimary, kAccent);
    key.setMarkFillColor(kMarkFill);
    key.setMarkBorderColor(kMarkBorder);
    key.setKeyInfo(s.code, QStringLiteral("K"));
    key.setLightColorShow(true);
    key.setLightColor(s.light);
    key.setHovered(s.hovered);
    key.setSelected(s.selected);
    key.setMarked(s.marked);
    key.setChecked(s.checked, false);
    key.setEditable(s.editable);
    key.setHoverEnabled(s.hoverEnabled);
    key.setLightMode(s.lightMode);
    key.setCalibrationShow(s.calibration);
    key.setSpecialShape(s.specialShape);
}

void TestKeyButtons::outlinePlan_data()
{
    QTest::addColumn<KeyState>("state");
    QTest::addColumn<Outlines>("plan");
    const Outline hover{a50(kAccent), kAccent};
    const Outline checked{a50(kPrimary), kPrimary};
    const Outline mark{kMarkFill, kMarkBorder};
    const Outline red{QColor(200, 0, 0, 50), QColor(200, 0, 0)};

    KeyState s;
    QTest::newRow("plain") << s << Outlines{};
    s.hovered = true;
    QTest::newRow("hovered") << s << Outlines{hover};
    s.hoverEnabled = false;
    QTest::newRow("hovered, hover off") << s << Outlines{};
    s = KeyState();
    s.checked = true;
    QTest::newRow("checked") << s << Outlines{checked};
    s.hovered = true;
    QTest::newRow("checked and hovered") << s << Outlines{hover};
    s = KeyState();
    s.checked = true;
    s.editable = false;
    QTest::newRow("checked, not editable: no red") << s << Outlines{checked};
    s.checked = false;
    QTest::newRow("not editable") << s << Outlines{red};
    s.marked = true;
    s.hovered = true;
    QTest::newRow("marked, hovered, not editable") << s << Outlines{mark, hover, red};
    s = KeyState();
    s.marked = true;
    s.checked = true;
    QTest::newRow("marked and checked") << s << Outlines{mark, checked};

    s = KeyState();
    s.calibration = true;
    s.light = kLight;
    QTest::newRow("calibration") << s << Outlines{{kLight, kTransparent}};
    s.checked = true;
    s.marked = true;
    QTest::newRow("calibration, checked: ends there") << s << Outlines{{kLight, kAccent}};
    s.lightMode = true;
    QTest::newRow("calibration wins over light mode") << s << Outlines{{kLight, kAccent}};

    s = KeyState();
    s.lightMode = true;
    s.light = kLight;
    QTest::newRow("light") << s << Outlines{{kLight, kLight}};
    s.selected = true;
    QTest::newRow("light, selected") << s << Outlines{{kLight, kAccent}};
    s.light = QColor(0, 0, 0, 255);
    QTest::newRow("black light, selected") << s << Outlines{{kTransparent, kAccent}};
    s.selected = false;
    QTest::newRow("black light") << s << Outlines{{kTransparent, kTransparent}};
    s.light = kLight;
    s.hoverEnabled = false;
    s.hovered = true;
    QTest::newRow("light without hover") << s << Outlines{{kLight, kLight}};
    s.code = 851;
    QTest::newRow("roller without hover stays clear") << s << Outlines{{kTransparent, kTransparent}};
    s.code = 950;
    QTest::newRow("wheel without hover stays clear") << s << Outlines{{kTransparent, kTransparent}};
    s.specialShape = true;
    QTest::newRow("notched wheel code is lit") << s << Outlines{{kLight, kLight}};
    s.specialShape = false;
    s.hoverEnabled = true;
    s.hovered = false;
    QTest::newRow("wheel with hover is lit") << s << Outlines{{kLight, kLight}};
}

void TestKeyButtons::outlinePlan()
{
    QFETCH(KeyState, state);
    keyboardButCustom key;
    apply(key, state);
    QTEST(key.outlinePlan(), "plan");
}

void TestKeyButtons::lightColourWhileNotShownIsCleared()
{
    keyboardButCustom key;
    key.setThemeColors(kPrimary, kAccent);
    key.setLightMode(true);
    key.setLightColor(kLight); // light colour shown is off at first
    QCOMPARE(key.lightColor(), kTransparent);
    QCOMPARE(key.outlinePlan(), (Outlines{{kTransparent, kTransparent}}));
    key.setHovered(true);
    QCOMPARE(key.outlinePlan(), (Outlines{{kTransparent, kAccent}}));
    key.setLightColorShow(true);
    key.setLightColor(kLight);
    QCOMPARE(key.lightColor(), kLight);
}

void TestKeyButtons::lightColourShownAgainWithoutANewFrame()
{
    // A still effect sends its colours once: a key whose light display is
    // turned back on (leaving the key-assignment page) shows them at once.
    keyboardButCustom key;
    key.setThemeColors(kPrimary, kAccent);
    key.setLightMode(true);
    key.setLightColorShow(true);
    key.setLightColor(kLight);
    key.setLightColorShow(false);
    QCOMPARE(key.lightColor(), kTransparent);
    key.setLightColorShow(true);
    QCOMPARE(key.lightColor(), kLight);
}

void TestKeyButtons::travelPlan_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<QColor>>("colours");
    const QColor text(255, 143, 31), press(255, 0, 0), release(0, 255, 0);
    QTest::newRow("off") << false << 12 << QStringList{} << QList<QColor>{};
    QTest::newRow("one travel") << true << 0 << QStringList{"1.5"} << QList<QColor>{text};
    QTest::newRow("separate press and release") << true << 1 << QStringList{"1.5"} << QList<QColor>{text};
    QTest::newRow("rapid trigger: same value twice")
        << true << 12 << QStringList{"0.3", "0.3", "1.5"} << QList<QColor>{press, press, text};
    QTest::newRow("both: press and release")
        << true << 13 << QStringList{"0.4", "0.6", "1.5"} << QList<QColor>{press, release, text};
}

void TestKeyButtons::travelPlan()
{
    QFETCH(bool, shown);
    QFETCH(int, mode);
    QFETCH(QStringList, texts);
    QFETCH(QList<QColor>, colours);
    keyboardButCustom key;
    key.setKeySize(40, 38);
    key.setTravelValues(mode, 15, 20, 3, 4, 6, false);
    key.setTravelShow(shown);
    const auto plan = key.travelPlan();
    QCOMPARE(plan.size(), texts.size());
    for (int i = 0; i < plan.size(); ++i) {
        QCOMPARE(plan.at(i).text, texts.at(i));
        QCOMPARE(plan.at(i).color, colours.at(i));
    }
    if (shown && mode >= 12) {
        // The quick-trigger values share one row, press on the left.
        QCOMPARE(plan.at(0).rect.top(), plan.at(1).rect.top());
        QVERIFY(plan.at(0).rect.right() < plan.at(1).rect.left());
        QVERIFY(plan.at(0).rect.top() > plan.last().rect.bottom());
    }
}

void TestKeyButtons::quickTriggerValuesApart_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("mode");
    // A one-unit key (28 px) at the zoom buttons' smallest factor, at the
    // default one and at the largest.
    for (const auto &zoom : {std::make_pair("1.0", 28), std::make_pair("1.3", 36), std::make_pair("2.0", 56)}) {
        for (int mode : {12, 13})
            QTest::addRow("%s, mode %d", zoom.first, mode) << zoom.second << mode;
    }
}

// The press and release values under a key read as two numbers: the gap
// between their inks is at least two pixels and grows with their size
// ("0.50.5" at the default zoom was one word).
void TestKeyButtons::quickTriggerValuesApart()
{
    QFETCH(int, side);
    QFETCH(int, mode);
    keyboardButCustom key;
    key.setKeySize(side, side);
    key.setKeyInfo(4, QStringLiteral("A"));
    key.setTravelValues(mode, 20, 20, 5, 5, 5, false);
    key.setTravelShow(true);
    const auto plan = key.travelPlan();
    QCOMPARE(plan.size(), 3);
    const auto &press = plan.at(0);
    const auto &release = plan.at(1);
    QCOMPARE(press.pixelSize, release.pixelSize);
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(press.pixelSize);
    const QFontMetricsF metrics(font);
    const qreal pressWidth = metrics.horizontalAdvance(press.text);
    const qreal releaseWidth = metrics.horizontalAdvance(release.text);
    QVERIFY(pressWidth <= press.rect.width() && releaseWidth <= release.rect.width());
    // Centred in their halves, as painted.
    const qreal pressRight = press.rect.left() + (press.rect.width() + pressWidth) / 2;
    const qreal releaseLeft = release.rect.left() + (release.rect.width() - releaseWidth) / 2;
    const qreal gap = releaseLeft - pressRight;
    QVERIFY2(gap >= qMax(2.0, press.pixelSize / 3.5),
             qPrintable(QStringLiteral("%1 and %2 at %3 px, %4 px apart")
                            .arg(press.text, release.text)
                            .arg(press.pixelSize)
                            .arg(gap)));
}

void TestKeyButtons::legendAndTravelApart_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("minPixels");
    // Key cells of the layouts (28 px a unit) at the zoom factors the view
    // uses: 1.0 is the smallest the zoom buttons reach, 1.3 the default;
    // 0.7 is where a low screen can take the view.
    struct Cell { const char *name; int w, h; const char *caption; };
    const Cell cells[] = {{"letter", 28, 28, "A"},     {"pair", 28, 28, "1!"},    {"PrtSc", 28, 28, "PrtSc"},
                          {"Win+D", 28, 28, "Win+D"}, {"PgUp", 28, 28, "PgUp"}, {"Caps", 51, 28, "Caps"},
                          {"Space", 183, 28, "Space"}, {"numpad +", 28, 59, "+"}};
    const struct { const char *name; double factor; int minPixels; } zooms[] = {
        {"0.7", 0.7, 6}, {"1.0", 1.0, 7}, {"1.3", 1.3, 8}, {"2.0", 2.0, 9}};
    for (const auto &z : zooms) {
        for (const Cell &c : cells) {
            const QSize size(qRound(c.w * z.factor), qRound(c.h * z.factor));
            for (int mode : {0, 12, 13})
                QTest::addRow("%s at %s, mode %d", c.name, z.name, mode)
                    << size << QString::fromLatin1(c.caption) << mode << z.minPixels;
        }
    }
}

void TestKeyButtons::legendAndTravelApart()
{
    QFETCH(QSize, size);
    QFETCH(QString, caption);
    QFETCH(int, mode);
    QFETCH(int, minPixels);
    keyboardButCustom key;
    key.setKeySize(size.width(), size.height());
    key.setKeyInfo(30, caption);
    key.setTravelValues(mode, 20, 20, 15, 15, 7, false);
    key.setTravelShow(true);

    QVector<keyboardButCustom::TravelLine> lines = key.travelPlan();
    lines.prepend(key.legendLine());
    const QRect cap = key.travelCapRect();
    QVERIFY(QRect(0, 0, size.width(), size.height()).contains(cap));
    for (int i = 0; i < lines.size(); ++i) {
        const auto &line = lines.at(i);
        QVERIFY2(cap.contains(line.rect), qPrintable(line.text));
        QVERIFY2(line.pixelSize >= minPixels, qPrintable(QStringLiteral("%1 at %2 px").arg(line.text).arg(line.pixelSize)));
        QFont font(QStringLiteral("Microsoft YaHei"));
        font.setPixelSize(line.pixelSize);
        font.setBold(line.bold);
        // Below the smallest zoom the view offers, a text may be elided.
        if (minPixels >= 7)
            QVERIFY2(QFontMetrics(font).horizontalAdvance(line.text) <= line.rect.width(), qPrintable(line.text));
        for (int j = i + 1; j < lines.size(); ++j)
            QVERIFY2(!line.rect.intersects(lines.at(j).rect),
                     qPrintable(line.text + QLatin1String(" / ") + lines.at(j).text));
    }
    QCOMPARE(lines.first().text, caption);
    QVERIFY(!key.grab().isNull());
}

void TestKeyButtons::travelColorsFromTheTheme()
{
    keyboardButCustom key;
    key.setKeySize(40, 38);
    key.setTravelValues(13, 15, 20, 3, 4, 6, false);
    key.setTravelShow(true);
    key.setTravelColors(QColor(1, 2, 3), QColor(4, 5, 6), QColor(7, 8, 9), QColor(10, 11, 12), QColor(13, 14, 15),
                        QStringLiteral("Some Family"));
    const auto plan = key.travelPlan();
    QCOMPARE(plan.size(), 3);
    QCOMPARE(plan.at(0).color, QColor(4, 5, 6));  // rapid-trigger press
    QCOMPARE(plan.at(1).color, QColor(7, 8, 9));  // rapid-trigger release
    QCOMPARE(plan.at(2).color, QColor(1, 2, 3));  // travel value
    QVERIFY(!key.grab().isNull());
}

void TestKeyButtons::travelText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("15") << 15 << "1.5";
    QTest::newRow("0") << 0 << "0.0";
    QTest::newRow("40") << 40 << "4.0";
    QTest::newRow("1") << 1 << "0.1";
}

void TestKeyButtons::travelText()
{
    QFETCH(int, value);
    QTEST(keyboardButCustom::travelText(value), "text");
}

void TestKeyButtons::notchUsesTheSizeAtTheTimeOfTheCall()
{
    keyboardButCustom key;
    key.setKeySize(60, 80);
    key.setEnterNotch(12, 38);
    QCOMPARE(key.notchRemainingWidth(), 48);
    QCOMPARE(key.notchRemainingHeight(), 42);
    key.setKeySize(70, 90);
    QCOMPARE(key.notchRemainingWidth(), 48);
    QCOMPARE(key.notchRemainingHeight(), 42);
    QCOMPARE(key.size(), QSize(70, 90));
}

void TestKeyButtons::notchedKeyPaintsOnlyShapeTypeOne()
{
    keyboardButCustom key;
    key.setKeySize(60, 80);
    key.setEnterNotch(12, 38);
    key.setSpecialShape(true);
    key.setShapeType(0);
    key.setHovered(true);
    key.grab();
    QVERIFY(key.mask().isEmpty()); // shape type 0 draws nothing, not even the mask

    key.setShapeType(1);
    key.grab();
    QVERIFY(!key.mask().isEmpty());
    QVERIFY(key.mask().contains(QPoint(30, 10)));  // wide top
    QVERIFY(key.mask().contains(QPoint(40, 70)));  // right of the notch
    QVERIFY(!key.mask().contains(QPoint(3, 70))); // inside the notch
}

void TestKeyButtons::hoverSignalsAndKeyInfo()
{
    keyboardButCustom key;
    key.setKeyInfo(41, QStringLiteral("Esc"));
    key.setGridIndex(0, 0);
    key.setKeyPos(10, 12);
    key.setGridIndex(2, 5);
    QCOMPARE(key.keyCode(), 41);
    QCOMPARE(key.keyCaption(), QStringLiteral("Esc"));
    QCOMPARE(key.gridRow(), 2);
    QCOMPARE(key.gridColumn(), 5);
    QCOMPARE(key.keyPos(), QPoint(10, 12));
    QCOMPARE(key.keySize(), QSize(34, 38));
    QVERIFY(key.isEditable());

    bool hoveredAtEnter = false;
    connect(&key, &keyboardButCustom::sigCustomButMouseEnter, this,
            [&] { hoveredAtEnter = key.isHovered(); });
    QSignalSpy left(&key, &keyboardButCustom::sigCustomButMouseLeave);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&key, &enter);
    QVERIFY(hoveredAtEnter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&key, &leave);
    QCOMPARE(left.count(), 1);
    QVERIFY(!key.isHovered());
}

void TestKeyButtons::keyButtonsPaintInEveryMode()
{
    keyboardButCustom key;
    key.setKeySize(40, 38);
    key.setThemeColors(kPrimary, kAccent);
    key.setLightColorShow(true);
    key.setLightColor(kLight);
    key.setTravelValues(13, 15, 20, 3, 4, 6, true);
    key.setTravelShow(true);
    key.setMarked(true);
    key.setEditable(false);
    QVERIFY(!key.grab().isNull());
    key.setLightMode(true);
    QVERIFY(!key.grab().isNull());
    key.setCalibrationShow(true);
    QVERIFY(!key.grab().isNull());
    key.setModelName(QStringLiteral("LT-RoundCap"));
    key.setCalibrationShow(false);
    key.setLightMode(false);
    QVERIFY(keyboardButCustom::modelOutlineRadius(QStringLiteral("LT-RoundCap")) == 22);
    QVERIFY(keyboardButCustom::modelOutlineRadius(QStringLiteral("other")) == 0);
    QVERIFY(!key.grab().isNull());
    key.refresh();
}

void TestKeyButtons::sideSegmentPaintsOnlyWhenLong_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("rounded");
    QTest::addColumn<bool>("painted");
    QTest::newRow("horizontal") << QSize(40, 8) << false << true;
    QTest::newRow("horizontal rounded") << QSize(40, 8) << true << true;
    QTest::newRow("vertical") << QSize(8, 40) << true << true;
    QTest::newRow("square") << QSize(12, 12) << false << false;
}

void TestKeyButtons::sideSegmentPaintsOnlyWhenLong()
{
    QFETCH(QSize, size);
    QFETCH(bool, rounded);
    sideLightButtonCustom segment;
    segment.setSegmentSize(size.width(), size.height());
    segment.setSegmentPos(5, 6);
    segment.setIndexInfo(3, 1);
    segment.setRounded(rounded);
    segment.setLightColor(QColor(255, 0, 0));
    QTEST(segment.isPainted(), "painted");
    QCOMPARE(segment.validStatus(), 1);
    QCOMPARE(segment.segmentPos(), QPoint(5, 6));
    QCOMPARE(segment.size(), size);

    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    segment.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    const QColor centre = image.pixelColor(size.width() / 2, size.height() / 2);
    QFETCH(bool, painted);
    QCOMPARE(centre.alpha() > 0, painted);
}

void TestKeyButtons::softKeyDisplayText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << 4 << "A" << "A";
    QTest::newRow("ampersand") << 36 << "7&" << "7&&";
    QTest::newRow("left alt") << 226 << "L_ALT" << "Alt";
    QTest::newRow("right alt") << 230 << "R_ALT" << "Alt";
    QTest::newRow("Chinese") << 145 << "LANG" << "Chinese";
    QTest::newRow("Korean") << 144 << "LANG" << "Korean/English";
    QTest::newRow("K14") << 137 << "x" << "Yen";
    QTest::newRow("K45") << 100 << "x" << "ISO \\|";
    QTest::newRow("K56") << 135 << "x" << "Ro";
    QTest::newRow("K131") << 139 << "x" << "Muhen\u00ADkan";
    QTest::newRow("K132") << 138 << "x" << "Henkan";
    QTest::newRow("K133") << 136 << "x" << "Kana";
}

void TestKeyButtons::softKeyDisplayText()
{
    QFETCH(int, code);
    QFETCH(QString, caption);
    SoftKeyboardButCustom key(1);
    key.setKeyInfo(code, caption);
    QTEST(key.text(), "shown");
    QCOMPARE(key.keyCaption(), caption);

    QSignalSpy right(&key, &SoftKeyboardButCustom::sigButtonMouseRightKeyClicked);
    QTest::mousePress(&key, Qt::RightButton, {}, QPoint(2, 2));
    QCOMPARE(right.count(), 1);
    QCOMPARE(right.at(0).at(0).toInt(), code);
    QCOMPARE(right.at(0).at(1).toString(), caption);
}

void TestKeyButtons::softKeyStates_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("styleStart");
    QTest::addColumn<QString>("styleEnd");
    QTest::addColumn<bool>("flag"); // selected for kind 0, marked for kind 1
    QTest::newRow("0/0") << 0 << 0 << "color:#c3c3c3;" << "background-color:#4b4b4b;" << false;
    QTest::newRow("0/1") << 0 << 1 << "color:#FF3135;" << "background-color:#4b4b4b;" << true;
    QTest::newRow("0/2") << 0 << 2 << "color:#c3c3c3;" << "background-color:#2c74c1;" << false;
    QTest::newRow("0/3") << 0 << 3 << "color:#c3c3c3;" << "background-color:#22ba20;" << false;
    QTest::newRow("0/4") << 0 << 4 << "color:#c3c3c3;" << "background-color:#E81122;" << false;
    QTest::newRow("0/9 nothing") << 0 << 9 << "color:#c3c3c3;" << "background-color:#4b4b4b;" << false;
    QTest::newRow("1/0") << 1 << 0 << "color:#f5f5f5;" << "background-color:#1e1e1e;" << false;
    QTest::newRow("1/1") << 1 << 1 << "color:#FF3135;" << "background-color:#1e1e1e;" << true;
    QTest::newRow("1/2 nothing") << 1 << 2 << "color:#f5f5f5;" << "background-color:#1e1e1e;" << false;
}

void TestKeyButtons::softKeyStates()
{
    QFETCH(int, kind);
    QFETCH(int, state);
    QFETCH(QString, styleStart);
    QFETCH(QString, styleEnd);
    QFETCH(bool, flag);
    SoftKeyboardButCustom key(kind);
    key.setKeyState(state);
    QVERIFY2(key.styleSheet().startsWith(styleStart), qPrintable(key.styleSheet()));
    QVERIFY2(key.styleSheet().endsWith(styleEnd), qPrintable(key.styleSheet()));
    QCOMPARE(kind == 0 ? key.isKeySelected() : key.isMarked(), flag);
    QCOMPARE(key.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

void TestKeyButtons::softKeyThemeFollowsThePresentState()
{
    SoftKeyboardButCustom picker(0);
    picker.setKeyState(1);
    picker.setThemeColors(QStringLiteral("1,2,3"), QStringLiteral("4,5,6"), QStringLiteral("7,8,9"));
    QCOMPARE(picker.styleSheet(),
             QStringLiteral("color:rgb(4,5,6); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 1px solid rgb(4,5,6); "
                            "border-radius:3px;background-color:rgb(7,8,9);"));
    picker.setKeyState(0);
    QCOMPARE(picker.styleSheet(),
             QStringLiteral("color:rgb(1,2,3); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid #7F8386; "
                            "border-radius:3px;background-color:rgb(7,8,9);"));

    SoftKeyboardButCustom marker(1);
    marker.setThemeColors(QStringLiteral("1,2,3"), QStringLiteral("4,5,6"), QStringLiteral("7,8,9"));
    QVERIFY(marker.styleSheet().startsWith(QStringLiteral("color:rgb(1,2,3);")));
    marker.setKeyState(1);
    QVERIFY(marker.styleSheet().startsWith(QStringLiteral("color:rgb(4,5,6); font: 75 7pt \"Microsoft YaHei\"; border: 1px")));
}

void TestKeyButtons::softKeyHoverAndRightClick()
{
    SoftKeyboardButCustom picker(0);
    picker.setKeyInfo(4, QStringLiteral("A"));
    QSignalSpy pickerRight(&picker, &SoftKeyboardButCustom::sigButtonMouseRightKeyClicked);
    QSignalSpy pickerEnter(&picker, &SoftKeyboardButCustom::sigCustomButMouseEnter);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&picker, &enter);
    QVERIFY(picker.styleSheet().startsWith(QStringLiteral("color:#FF3135;")));
    QCoreApplication::sendEvent(&picker, &leave);
    QVERIFY(picker.styleSheet().startsWith(QStringLiteral("color:#c3c3c3;")));
    QTest::mousePress(&picker, Qt::RightButton, {}, QPoint(2, 2));
    QCOMPARE(pickerRight.count(), 0);
    QCOMPARE(pickerEnter.count(), 0);

    // A key that cannot be edited keeps its hover look after the pointer leaves.
    picker.setEditable(false);
    QCoreApplication::sendEvent(&picker, &enter);
    QCoreApplication::sendEvent(&picker, &leave);
    QVERIFY(picker.styleSheet().startsWith(QStringLiteral("color:#FF3135;")));

    SoftKeyboardButCustom marker(1);
    QSignalSpy markerEnter(&marker, &SoftKeyboardButCustom::sigCustomButMouseEnter);
    QSignalSpy markerLeave(&marker, &SoftKeyboardButCustom::sigCustomButMouseLeave);
    marker.setKeyState(1);
    QCoreApplication::sendEvent(&marker, &enter);
    QCoreApplication::sendEvent(&marker, &leave);
    QCOMPARE(markerEnter.count(), 1);
    QCOMPARE(markerLeave.count(), 1);
    QVERIFY(marker.styleSheet().startsWith(QStringLiteral("color:#FF3135;"))); // still marked
    marker.setKeyState(0);
    QCoreApplication::sendEvent(&marker, &enter);
    QCoreApplication::sendEvent(&marker, &leave);
    QVERIFY(marker.styleSheet().startsWith(QStringLiteral("color:#f5f5f5;")));

    marker.setKeySize(30, 30);
    marker.setKeyInfo(36, QStringLiteral("7&"));
    QVERIFY(!marker.grab().isNull());
}

QTEST_MAIN(TestKeyButtons)
#include "tst_keybuttons.moc"
