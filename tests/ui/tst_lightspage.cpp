// The lighting page on the real main window, through the real I/O thread
// against the simulated keyboard: the buttons the keyboard offers, loading
// a profile, every edit stored and sent as a 0x06 or 0x07 report, the R/G/B
// entry, the wheel, the custom schemes with their 0x08 writes (choosing
// Custom sends the scheme shown), "Using" and renaming, the simulated
// keyboard keeping its state across starts, and the snake of a compact
// keyboard running over its own keys.
#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

#include <list>
#include <string>

#include "core/DDataManager.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "sdk/sim/SimStateFile.h"
#include "support/DevicePageProbe.h"
#include "support/SimMainWindow.h"
#include "support/SimReportLog.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DCustomLightListItem.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/SVColorArea.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "widgets/sliderCustomWidget.h"

using lumtar::sim::SimController;

Q_DECLARE_METATYPE(colorInfoData)

namespace {

constexpr int kWait = 20000;

QList<QByteArray> reportsOf(const std::string &path, int command)
{
    QList<QByteArray> out;
    for (const QByteArray &r : SimReportLog::commands(path))
        if (uchar(r[1]) == command)
            out << r;
    return out;
}

// Bytes 6..17 of the keyboard's last light setting: mode, brightness - 1,
// speed - 1, colour 1, colour 2, direction, full colour, device byte.
QVector<int> keyboardLight(const std::string &path)
{
    const auto s = SimController::instance().state(path).keyboardLight;
    return QVector<int>(s.begin(), s.end());
}

QVector<int> sideLight(const std::string &path)
{
    const auto s = SimController::instance().state(path).sideLight;
    return QVector<int>(s.begin(), s.end());
}

QColor slotColour(const std::string &path, int slot, int row, int column)
{
    const auto s = SimController::instance().state(path).customSlots[size_t(slot)];
    const size_t at = size_t(3 * (row * 22 + column));
    return QColor(s[at], s[at + 1], s[at + 2]);
}

// The keyboard got a scheme: eight 0x08 packets for one slot, then the
// light report that comes after them.
bool schemeWritten(const std::string &path, int slot)
{
    int packets = 0;
    bool reportAfter = false;
    for (const QByteArray &r : SimReportLog::commands(path)) {
        if (uchar(r[1]) == 0x08 && int(r[2]) == slot) {
            ++packets;
            reportAfter = false;
        } else if (uchar(r[1]) == 0x06 && packets == 8) {
            reportAfter = true;
        }
    }
    return packets == 8 && reportAfter;
}

template <typename T> T *child(QWidget *page, const char *name)
{
    return page->findChild<T *>(QLatin1String(name));
}

} // namespace

class tst_LightsPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void buttonsFollowTheModeLists_data();
    void buttonsFollowTheModeLists();
    void missingRecordStoredOnceAsDefault();
    void codesWithoutButtonSelectAndSendNothing_data();
    void codesWithoutButtonSelectAndSendNothing();
    void editsSendTheirBytes();
    void sideLightEdits();
    void wheelPressAndReleaseAppliesOnce();
    void knobMakesBlackAndZeroIsIgnored();
    void componentEntry();
    void customColourOrder();
    void choosingCustomSendsTheSchemeShown_data();
    void choosingCustomSendsTheSchemeShown();
    void snakeOnACompactKeyboardLightsItsKeys_data();
    void snakeOnACompactKeyboardLightsItsKeys();
    void noReportWithoutInterface();
    void schemesOnTheKeyboard();
    void renameSticks();
    void stateKeptAcrossStarts();
    void customColumnsFitAt1366();

private:
    DLightsConfigPage *startWindow(const char *model)
    {
        m_page = m_window.start(model);
        if (!m_page)
            return nullptr;
        m_path = m_window.path();
        m_lights = m_page->findChild<DLightsConfigPage *>();
        m_page->onCurIndexChangedMainPage(1);
        return m_lights;
    }
    QByteArray profilePath() const { return DevicePageProbe(m_page).xmlProfilePath(); }
    void clearReports() { SimController::instance().clearReceivedReports(m_path); }

    SimMainWindow m_window;
    DDevicePage *m_page = nullptr;
    DLightsConfigPage *m_lights = nullptr;
    std::string m_path;
};

void tst_LightsPage::initTestCase()
{
    qRegisterMetaType<colorInfoData>("colorInfoData");
    QVERIFY(SimMainWindow::initialise());
}

void tst_LightsPage::cleanup()
{
    m_window.close();
    m_page = nullptr;
    m_lights = nullptr;
}

void tst_LightsPage::buttonsFollowTheModeLists_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("side");
    QTest::newRow("LT108HE") << "LT108HE" << true;
    QTest::newRow("LT104RGB") << "LT104RGB" << false;
}

void tst_LightsPage::buttonsFollowTheModeLists()
{
    QFETCH(QString, model);
    QFETCH(bool, side);
    QVERIFY(startWindow(model.toLatin1().constData()));
    QCOMPARE(child<QWidget>(m_lights, "frame_B")->isVisibleTo(m_lights), side);
    QVERIFY(!child<QWidget>(m_lights, "toolButton_MouseDPI")->isVisibleTo(m_lights));
    QVERIFY(child<QWidget>(m_lights, "toolButton_MusicalRhythm")->isVisibleTo(m_lights));
    QVERIFY(child<QWidget>(m_lights, "toolButton_CustomLed")->isVisibleTo(m_lights));
    if (side) {
        QVERIFY(!child<QWidget>(m_lights, "toolButton_SideStatic")->isHidden());
        return;
    }
    // Without side light the switch tells so and the keyboard page stays.
    QSignalSpy tips(m_lights, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
    QMetaObject::invokeMethod(m_lights, "on_toolButton_LightSelectTypeChanged_clicked");
    QCOMPARE(tips.count(), 1);
    QCOMPARE(tips.at(0).at(0).toString(), QStringLiteral("The device has no atmosphere lamp"));
    QVERIFY(m_lights->isKeyboardPageShown());
    QCOMPARE(child<QStackedWidget>(m_lights, "stackedWidget")->currentWidget(),
             child<QWidget>(m_lights, "page_KeyboardLightMode"));
}

void tst_LightsPage::missingRecordStoredOnceAsDefault()
{
    QVERIFY(startWindow("LT108HE"));
    const QByteArray path = profilePath();
    QVERIFY(CLumtarXML_ModifyProFileMouseLightUsingIndex(path.constData(), "1", 0, LightMode_Radar));
    QVERIFY(!CLumtarXML_IsProFileAlreadyHaveLightInfo(path.constData(), "1", 0, LightMode_Radar));
    m_lights->reloadLightConfig();
    colorInfoData stored{};
    QVERIFY(CLumtarXML_SelectProfileColorDataInfo(path.constData(), "1", 0, LightMode_Radar, &stored));
    QCOMPARE(QVector<int>({stored.brightness, stored.speed, stored.red1, stored.green1, stored.blue1, stored.direction,
                           stored.fullColor}),
             QVector<int>({3, 3, 255, 0, 0, 6, 1}));
    QCOMPARE(m_lights->brightnessSlider()->knobX(), m_lights->brightnessSlider()->ticks().value(2));
    QVERIFY(child<QCheckBox>(m_lights, "checkBox_FullColorMode")->isChecked());
    QVERIFY(child<QAbstractButton>(m_lights, "toolButton_Radar")->isChecked());
    // A second load finds it: still one record.
    stored.speed = 5;
    QVERIFY(CLumtarXML_ModifyProFileLightInfoItem(path.constData(), "1", 0, LightMode_Radar, stored));
    m_lights->reloadLightConfig();
    QCOMPARE(m_lights->currentColorInfo().speed, 5);
}

void tst_LightsPage::codesWithoutButtonSelectAndSendNothing_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("13") << 13;
    QTest::newRow("17") << 17;
}

void tst_LightsPage::codesWithoutButtonSelectAndSendNothing()
{
    QFETCH(int, code);
    QVERIFY(startWindow("LT108HE"));
    QVERIFY(CLumtarXML_ModifyProFileMouseLightUsingIndex(profilePath().constData(), "1", 0, code));
    QSignalSpy modes(m_lights, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB);
    QTest::qWait(200);
    clearReports();
    m_lights->reloadLightConfig();
    QCOMPARE(modes.count(), 0);
    for (QAbstractButton *b : m_lights->findChildren<QAbstractButton *>(QRegularExpression("^toolButton_(?!Side|Light)")))
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    QVERIFY(!child<QWidget>(m_lights, "frame_D")->isVisibleTo(m_lights));
    QTest::qWait(300);
    QCOMPARE(reportsOf(m_path, 0x06).size(), 0);
}

void tst_LightsPage::editsSendTheirBytes()
{
    QVERIFY(startWindow("LT108HE"));
    const QByteArray path = profilePath();
    // Breath: its stored record goes out.
    child<QAbstractButton>(m_lights, "toolButton_Breath")->click();
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).value(0), int(LightMode_Breath), kWait);
    QCOMPARE(DevicePageProbe(m_page).currentProfileIndex(), 1);
    QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(path.constData(), "1", 0), int(LightMode_Breath));

    // A palette colour (label_Color12, 0,85,255) into the top colour.
    QTest::mouseClick(child<QWidget>(m_lights, "label_Color12"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).mid(3, 3), QVector<int>({0, 85, 255}), kWait);
    // The bottom colour from the palette.
    child<QAbstractButton>(m_lights, "pushButton_BottomColor")->click();
    QTest::mouseClick(child<QWidget>(m_lights, "label_Color04"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).mid(6, 3), QVector<int>({255, 255, 0}), kWait);
    QCOMPARE(keyboardLight(m_path).mid(3, 3), QVector<int>({0, 85, 255}));
    child<QAbstractButton>(m_lights, "pushButton_TopColor")->click();

    // Brightness and speed positions, a direction, full colour off.
    m_lights->brightnessSlider()->sigBackCurrentPositionNum(0);
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).value(1), 0, kWait);
    m_lights->speedSlider()->sigBackCurrentPositionNum(4);
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).value(2), 4, kWait);
    child<QAbstractButton>(m_lights, "toolButton_Wave")->click();
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).value(0), int(LightMode_Wave), kWait);
    child<QAbstractButton>(m_lights, "pushButton_Up")->click();
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).value(9), int(LightDirection_Up), kWait);
    child<QAbstractButton>(m_lights, "checkBox_FullColorMode")->click();
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).value(10), 0, kWait);
    child<QAbstractButton>(m_lights, "checkBox_FullColorMode")->click();
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).value(10), 1, kWait);

    // Every edit is in the profile.
    colorInfoData wave{};
    QVERIFY(CLumtarXML_SelectProfileColorDataInfo(path.constData(), "1", 0, LightMode_Wave, &wave));
    QCOMPARE(wave.direction, int(LightDirection_Up));
    QCOMPARE(wave.fullColor, 1);
    colorInfoData breath{};
    QVERIFY(CLumtarXML_SelectProfileColorDataInfo(path.constData(), "1", 0, LightMode_Breath, &breath));
    QCOMPARE(QVector<int>({breath.red1, breath.green1, breath.blue1, breath.red2, breath.green2, breath.blue2,
                           breath.brightness, breath.speed}),
             QVector<int>({0, 85, 255, 255, 255, 0, 1, 5}));

    // Static sends full colour 0 while its record keeps the flag.
    child<QAbstractButton>(m_lights, "toolButton_Static")->click();
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).value(0), int(LightMode_Static), kWait);
    QCOMPARE(keyboardLight(m_path).value(10), 0);
    QCOMPARE(m_lights->currentColorInfo().fullColor, 1);
    QVERIFY(!child<QWidget>(m_lights, "frame_23")->isVisibleTo(m_lights));
    QVERIFY(!child<QWidget>(m_lights, "frame_Speed")->isVisibleTo(m_lights));
}

void tst_LightsPage::sideLightEdits()
{
    QVERIFY(startWindow("LT108HE"));
    QSignalSpy changes(m_lights, &DLightsConfigPage::sigLightConfigHaveChanged);
    QMetaObject::invokeMethod(m_lights, "on_toolButton_LightSelectTypeChanged_clicked");
    QVERIFY(!m_lights->isKeyboardPageShown());
    QCOMPARE(changes.count(), 0);
    child<QAbstractButton>(m_lights, "toolButton_SideNeon")->click();
    QTRY_COMPARE_WITH_TIMEOUT(sideLight(m_path).value(0), int(SideLightMode_Neon), kWait);
    QTest::mouseClick(child<QWidget>(m_lights, "label_Color07"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(sideLight(m_path).mid(3, 3), QVector<int>({0, 255, 0}), kWait);
    child<QAbstractButton>(m_lights, "toolButton_SideClose")->click();
    QTRY_COMPARE_WITH_TIMEOUT(sideLight(m_path).value(0), int(SideLightMode_Close), kWait);
    QVERIFY(!child<QWidget>(m_lights, "frame_Brightness")->isVisibleTo(m_lights));
    QVERIFY(child<QWidget>(m_lights, "frame_24")->isVisibleTo(m_lights));
    QCOMPARE(reportsOf(m_path, 0x07).last().at(5), char(13));
}

void tst_LightsPage::wheelPressAndReleaseAppliesOnce()
{
    QVERIFY(startWindow("LT108HE"));
    SVColorArea *wheel = m_lights->colorWheel();
    QSignalSpy changes(m_lights, &DLightsConfigPage::sigLightConfigHaveChanged);
    QTest::qWait(200);
    clearReports();
    QTest::mousePress(wheel, Qt::LeftButton, {}, QPoint(35, 60));
    QTest::mouseClick(child<QWidget>(m_lights, "label_Color01"), Qt::LeftButton); // held back
    QCOMPARE(changes.count(), 0);
    QTest::mouseRelease(wheel, Qt::LeftButton, {}, QPoint(35, 60));
    QCOMPARE(changes.count(), 1);
    const colorInfoData r = m_lights->currentColorInfo();
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).mid(3, 3), QVector<int>({r.red1, r.green1, r.blue1}), kWait);
    QTest::qWait(200);
    QCOMPARE(reportsOf(m_path, 0x06).size(), 1);

    // A press whose release never comes does not block edits after a reload.
    QTest::mousePress(wheel, Qt::LeftButton, {}, QPoint(35, 60));
    QVERIFY(m_lights->isWheelPressed());
    m_lights->reloadLightConfig();
    QVERIFY(!m_lights->isWheelPressed());
    changes.clear();
    QTest::mouseClick(child<QWidget>(m_lights, "label_Color13"), Qt::LeftButton);
    QCOMPARE(changes.count(), 1);
}

void tst_LightsPage::knobMakesBlackAndZeroIsIgnored()
{
    QVERIFY(startWindow("LT108HE"));
    QTest::mouseClick(child<QWidget>(m_lights, "label_Color05"), Qt::LeftButton); // 170,255,170
    m_lights->onSVColorAreaMouseIsPress(true);
    m_lights->onMoveingStatus(100, -360);
    QCOMPARE(child<QLineEdit>(m_lights, "lineEdit_G")->text(), QStringLiteral("0"));
    m_lights->onMoveingStatus(0, 0);
    QCOMPARE(child<QLineEdit>(m_lights, "lineEdit_G")->text(), QStringLiteral("0"));
    m_lights->onSVColorAreaMouseIsPress(false);
    const colorInfoData r = m_lights->currentColorInfo();
    QCOMPARE(QVector<int>({r.red1, r.green1, r.blue1}), QVector<int>({0, 0, 0}));
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).mid(3, 3), QVector<int>({0, 0, 0}), kWait);
    // Half way from the picked colour, not from the black one.
    m_lights->onMoveingStatus(50, -180);
    QCOMPARE(child<QLineEdit>(m_lights, "lineEdit_G")->text(), QStringLiteral("127"));
}

void tst_LightsPage::componentEntry()
{
    QVERIFY(startWindow("LT108HE"));
    m_window.page()->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.page()->window()));
    auto *r = child<QLineEdit>(m_lights, "lineEdit_R");
    auto *g = child<QLineEdit>(m_lights, "lineEdit_G");
    QSignalSpy changes(m_lights, &DLightsConfigPage::sigLightConfigHaveChanged);

    // Without focus a text change applies nothing.
    r->setText(QStringLiteral("99"));
    QCOMPARE(changes.count(), 0);

    r->setFocus();
    QTRY_VERIFY(r->hasFocus());
    r->selectAll();
    QTest::keyClicks(r, QStringLiteral("12"));
    QCOMPARE(m_lights->currentColorInfo().red1, 12);

    // Pasting 300 over G puts the last accepted entry back and applies it.
    g->setFocus();
    QTRY_VERIFY(g->hasFocus());
    g->selectAll();
    g->insert(QStringLiteral("300"));
    QCOMPARE(g->text(), QStringLiteral("12"));
    QCOMPARE(m_lights->currentColorInfo().green1, 12);

    // Typing 300 digit by digit accepts 3 and 30, then puts 30 back.
    g->selectAll();
    QTest::keyClicks(g, QStringLiteral("300"));
    QCOMPARE(g->text(), QStringLiteral("30"));
    QCOMPARE(m_lights->currentColorInfo().green1, 30);

    // A negative entry is no colour: refused like one above 255.
    g->selectAll();
    QTest::keyClicks(g, QStringLiteral("-5"));
    QCOMPARE(g->text(), QStringLiteral("30"));
    QCOMPARE(m_lights->currentColorInfo().green1, 30);

    // Deleting the digits applies 0.
    g->selectAll();
    QTest::keyClick(g, Qt::Key_Backspace);
    QCOMPARE(m_lights->currentColorInfo().green1, 0);
    QTRY_COMPARE_WITH_TIMEOUT(keyboardLight(m_path).mid(3, 3), QVector<int>({12, 0, m_lights->currentColorInfo().blue1}),
                              kWait);
}

void tst_LightsPage::customColourOrder()
{
    QVERIFY(startWindow("LT108HE"));
    child<QAbstractButton>(m_lights, "toolButton_CustomLed")->click();
    QVERIFY(child<QWidget>(m_lights, "frame_D")->isVisibleTo(m_lights));
    QTRY_VERIFY_WITH_TIMEOUT(schemeWritten(m_path, 0), kWait); // the scheme chosen with Custom
    QStringList order;
    connect(m_lights, &DLightsConfigPage::sigLightConfigHaveChanged, this, [&] { order << "changed"; });
    connect(m_lights, &DLightsConfigPage::sigLightConfigHaveChanged_Custom, this, [&] { order << "custom"; });
    QTest::qWait(200);
    clearReports();
    QTest::mouseClick(child<QWidget>(m_lights, "label_Color02"), Qt::LeftButton);
    QCOMPARE(order, QStringList({"changed", "custom"}));
    // The light report first, then the scheme's eight packets and its report.
    QTRY_COMPARE_WITH_TIMEOUT(reportsOf(m_path, 0x08).size(), 8, kWait);
    QTRY_COMPARE_WITH_TIMEOUT(reportsOf(m_path, 0x06).size(), 2, kWait);
    QList<QByteArray> lights;
    for (const QByteArray &r : SimReportLog::commands(m_path))
        if (uchar(r[1]) == 0x06 || uchar(r[1]) == 0x08)
            lights << r;
    QCOMPARE(lights.size(), 10);
    QCOMPARE(uchar(lights.first().at(1)), uchar(0x06));
    QCOMPARE(uchar(lights.last().at(1)), uchar(0x06));
    QCOMPARE(uchar(lights.at(1).at(1)), uchar(0x08));
}

void tst_LightsPage::choosingCustomSendsTheSchemeShown_data()
{
    QTest::addColumn<bool>("fromKeyboard");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("colour");
    // "Alphabets" in slot 0 has Q blue; "WASD+Arrows" in slot 1 has W red.
    QTest::newRow("Custom clicked") << false << 0 << 2 << 1 << QColor(0, 0, 255);
    QTest::newRow("keyboard reports slot 1") << true << 1 << 2 << 2 << QColor(255, 0, 0);
}

void tst_LightsPage::choosingCustomSendsTheSchemeShown()
{
    QFETCH(bool, fromKeyboard);
    QFETCH(int, slot);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QColor, colour);
    QVERIFY(startWindow("LT108HE"));
    QTest::qWait(200);
    QCOMPARE(slotColour(m_path, slot, row, column), QColor(0, 0, 0)); // a new keyboard's slots are empty
    clearReports();
    if (fromKeyboard)
        m_lights->showCustomLightFromDevice(LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Custom, slot);
    else
        child<QAbstractButton>(m_lights, "toolButton_CustomLed")->click();
    QCOMPARE(m_lights->currentFlagIndex(), slot);
    QVERIFY(m_lights->selectedCustomItem());
    QCOMPARE(m_lights->selectedCustomItem()->usingFlagIndex(), slot);

    // Through the I/O thread the keyboard's slot gets what the keys show,
    // and only that slot is written.
    QTRY_VERIFY_WITH_TIMEOUT(schemeWritten(m_path, slot), kWait);
    for (const QByteArray &r : reportsOf(m_path, 0x08))
        QCOMPARE(int(r.at(2)), slot);
    QCOMPARE(slotColour(m_path, slot, row, column), colour);
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonList();
    QCOMPARE(keys.size(), 132);
    int coloured = 0;
    for (const keyboardButCustom *key : keys) {
        const QColor shown = key->customLightColor();
        QCOMPARE(slotColour(m_path, slot, key->gridRow(), key->gridColumn()),
                 QColor(shown.red(), shown.green(), shown.blue()));
        coloured += shown.rgb() != qRgb(0, 0, 0) ? 1 : 0;
    }
    QVERIFY(coloured > 0);
    QCOMPARE(keyboardLight(m_path).value(0), int(LightMode_Custom));
}

void tst_LightsPage::snakeOnACompactKeyboardLightsItsKeys_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<bool>("full");
    QTest::newRow("LT68HE") << QByteArray("LT68HE") << false;
    QTest::newRow("LT68HE full colour") << QByteArray("LT68HE") << true;
    QTest::newRow("LT108HE") << QByteArray("LT108HE") << false;
}

void tst_LightsPage::snakeOnACompactKeyboardLightsItsKeys()
{
    QFETCH(QByteArray, model);
    QFETCH(bool, full);
    QVERIFY(startWindow(model.constData()));
    child<QAbstractButton>(m_lights, "toolButton_Snack")->click();
    if (m_lights->currentColorInfo().fullColor != int(full))
        child<QAbstractButton>(m_lights, "checkBox_FullColorMode")->click();
    lightDealMain *engine = m_page->lightEngine();
    QCOMPARE(engine->keyboardMode(), int(LightMode_Snake));
    QVERIFY(engine->isKeyboardPreviewRunning());
    const DevicePageProbe probe(m_page);
    // Over twice round the edge, frame by frame: a key is lit in every one
    // and no place without a key.
    for (int frame = 0; frame < 240; ++frame) {
        engine->onDviceUpdateAllKeyColor();
        int onKeys = 0;
        QStringList elsewhere;
        for (int row = 0; row < lightDealMain::Rows; ++row) {
            for (int column = 0; column < lightDealMain::Columns; ++column) {
                const QColor c = engine->previewColor(row * lightDealMain::Columns + column);
                if (c.alpha() == 0 || c.rgb() == qRgb(0, 0, 0))
                    continue;
                const keyboardButCustom *key = probe.gridKey(row, column);
                if (key && key->keyCode() != 0)
                    ++onKeys;
                else
                    elsewhere << QStringLiteral("%1,%2").arg(row).arg(column);
            }
        }
        QVERIFY2(onKeys > 0, qPrintable(QStringLiteral("frame %1 is dark").arg(frame)));
        QVERIFY2(elsewhere.isEmpty(),
                 qPrintable(QStringLiteral("frame %1 lights %2").arg(frame).arg(elsewhere.join(' '))));
    }
}

void tst_LightsPage::noReportWithoutInterface()
{
    DLightsConfigPage page;
    QTest::ignoreMessage(QtDebugMsg, "USB serial port [Write Led] Failed ...");
    page.writeKeyboardLightConfig(lumtarDefaultColorInfo(LUMTAR_LIGHT_KIND_KEYBOARD));
    QTest::ignoreMessage(QtDebugMsg, "USB serial port [Write Side Led] Failed ...");
    page.writeSideLightConfig(lumtarDefaultColorInfo(LUMTAR_LIGHT_KIND_SIDE));
    // A path that would be cut is refused; the page keeps none.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("profile path of 300 bytes refused"));
    page.setXmlProfilePath(QByteArray(300, 'a').constData());
}

void tst_LightsPage::schemesOnTheKeyboard()
{
    QVERIFY(startWindow("LT108HE"));
    const QByteArray path = profilePath();
    child<QAbstractButton>(m_lights, "toolButton_CustomLed")->click();
    const QList<DCustomLightListItem *> rows = m_lights->customItems();
    QCOMPARE(rows.size(), 5);
    QStringList names;
    for (DCustomLightListItem *row : rows)
        names << row->customLightName();
    QCOMPARE(names, QStringList({"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"}));
    QCOMPARE(m_lights->selectedCustomItem(), rows.at(0));

    // Painting the selected keys sends scheme 0 to slot 0.
    const QMap<int, keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonMap();
    QTRY_VERIFY_WITH_TIMEOUT(schemeWritten(m_path, 0), kWait); // the scheme chosen with Custom
    clearReports();
    keys.value(41)->setSelected(true); // Esc
    m_page->findChild<QObject *>(); // keep the page alive in the lambda's eyes
    DevicePageProbe probe(m_page);
    Q_UNUSED(probe);
    emit m_lights->sigLightConfigHaveChanged_Custom(0, [&] {
        colorInfoData d = m_lights->currentColorInfo();
        d.red1 = 0;
        d.green1 = 200;
        d.blue1 = 10;
        return d;
    }());
    QTRY_COMPARE_WITH_TIMEOUT(reportsOf(m_path, 0x08).size(), 8, kWait);
    const QList<QByteArray> packets = reportsOf(m_path, 0x08);
    for (int p = 0; p < 8; ++p) {
        QCOMPARE(int(packets.at(p).at(2)), 0);
        QCOMPARE(int(packets.at(p).at(4)), p);
        QCOMPARE(int(uchar(packets.at(p).at(5))), p < 7 ? 54 : 18);
    }
    QTRY_COMPARE_WITH_TIMEOUT(slotColour(m_path, 0, 2, 1), QColor(0, 0, 255), kWait); // Q in blue

    // "WASD+Arrows" selected, then "Using" on "Custom 3": it takes slot 1.
    QTest::mouseClick(rows.at(1), Qt::LeftButton);
    QCOMPARE(m_lights->currentFlagIndex(), 1);
    QVERIFY(CLumtarXML_AddProFileCustomLightDataInfo(path.constData(), "1", "2", [] {
        CustomLightItemStu item{};
        lumtarCopyField(item.keyCode, "41");
        lumtarCopyField(item.codeName, "Esc");
        item.indexX = 0;
        item.indexY = 0;
        item.colorR = 9;
        item.colorG = 8;
        item.colorB = 7;
        item.transparentNum = 128;
        return item;
    }()));
    clearReports();
    rows.at(2)->findChild<QCheckBox *>(QStringLiteral("checkBox"))->click();
    std::list<CustomLightNodeStu> nodes;
    QVERIFY(CLumtarXML_SelectProFileCustomLightAllNodes(path.constData(), "1", &nodes));
    QStringList using_;
    for (const CustomLightNodeStu &n : nodes)
        using_ << QStringLiteral("%1:%2").arg(QString::fromUtf8(n.isUsing)).arg(n.usingFlagIndex);
    QCOMPARE(using_, QStringList({"Using:0", "UnUsing:-1", "Using:1", "UnUsing:-1", "UnUsing:-1"}));
    QTRY_COMPARE_WITH_TIMEOUT(reportsOf(m_path, 0x08).size(), 8, kWait);
    QCOMPARE(int(reportsOf(m_path, 0x08).first().at(2)), 1);
    QTRY_COMPARE_WITH_TIMEOUT(slotColour(m_path, 1, 0, 0), QColor(9, 8, 7), kWait);
    QCOMPARE(slotColour(m_path, 1, 2, 2), QColor(0, 0, 0)); // W is no longer in slot 1
}

void tst_LightsPage::renameSticks()
{
    QVERIFY(startWindow("LT108HE"));
    const QByteArray path = profilePath();
    child<QAbstractButton>(m_lights, "toolButton_CustomLed")->click();
    DCustomLightListItem *row = m_lights->customItems().at(3);
    QSignalSpy tips(m_lights, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
    QTest::mouseDClick(row, Qt::LeftButton);
    auto *edit = row->findChild<QLineEdit *>(QStringLiteral("lineEdit_CustomItemName"));
    auto *save = row->findChild<QAbstractButton *>(QStringLiteral("pushButton_Save"));
    edit->setText(QString());
    save->click();
    QCOMPARE(tips.last().at(0).toString(), QStringLiteral("Custom light name can't be empty"));
    edit->setText(QStringLiteral("Night"));
    save->click();
    QCOMPARE(tips.last().at(0).toString(), QStringLiteral("Modify custom light name successful"));
    std::list<CustomLightNodeStu> nodes;
    QVERIFY(CLumtarXML_SelectProFileCustomLightAllNodes(path.constData(), "1", &nodes));
    QCOMPARE(QString::fromUtf8(std::next(nodes.begin(), 3)->name), QStringLiteral("Night"));

    // A store that refuses the name: the row and the store stay as they were.
    QFile::setPermissions(QFile::decodeName(path), QFileDevice::ReadOwner);
    QFileInfo folder(QFile::decodeName(path));
    QFile::setPermissions(folder.absolutePath(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QTest::mouseDClick(row, Qt::LeftButton);
    edit->setText(QStringLiteral("Day"));
    save->click();
    QFile::setPermissions(folder.absolutePath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(QFile::decodeName(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(tips.last().at(0).toString(), QStringLiteral("Operate failed"));
    QCOMPARE(row->customLightName(), QStringLiteral("Night"));
    nodes.clear();
    QVERIFY(CLumtarXML_SelectProFileCustomLightAllNodes(path.constData(), "1", &nodes));
    QCOMPARE(QString::fromUtf8(std::next(nodes.begin(), 3)->name), QStringLiteral("Night"));
}

void tst_LightsPage::stateKeptAcrossStarts()
{
    using lumtar::sim::SimStateFile;
    TempHome home;
    const std::string file = SimStateFile::pathFor("LT108HE", 0);
    QVERIFY(file.find(QFile::encodeName(home.dataHome()).constData()) == 0);
    lumtar::sim::SimKeyboardState first;
    first.serialNumber = "0123456789ABCDEF0123456789ABCDEF";
    first.keyboardLight = {9, 1, 2, 3, 4, 5, 6, 7, 8, 0, 1, 0};
    first.customSlots[1][3] = 200;
    QVERIFY(SimStateFile::save(file, first));
    lumtar::sim::SimKeyboardState again;
    QVERIFY(SimStateFile::load(file, again));
    QCOMPARE(again.serialNumber, first.serialNumber);
    QVERIFY(again.keyboardLight == first.keyboardLight);
    QVERIFY(again.customSlots == first.customSlots);
    QVERIFY(!SimStateFile::load(file + ".missing", again));
    const std::array<uint8_t, 64> lightWrite{0x01, 0x06, 0x00};
    const std::array<uint8_t, 64> query{0x01, 0x06, 0x01};
    const std::array<uint8_t, 64> preview{0x01, 0x08, 0x02};
    QVERIFY(SimStateFile::changesKeptState(lightWrite.data()));
    QVERIFY(!SimStateFile::changesKeptState(query.data()));
    QVERIFY(!SimStateFile::changesKeptState(preview.data()));
}

// In mode Custom all four columns stand side by side: in a main window as
// wide as a 1366-pixel screen no control of the page runs past the left or
// right edge of the frame that holds it (a squeezed column lets its mode
// buttons run under the next one, cuts the colour wheel, pushes its swatches
// into the R/G/B edits or its scheme names off the list).
void tst_LightsPage::customColumnsFitAt1366()
{
    QVERIFY(startWindow("LT108HE"));
    QWidget *window = m_page->window();
    window->resize(1366, 768);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    child<QAbstractButton>(m_lights, "toolButton_CustomLed")->click();
    QWidget *schemes = child<QWidget>(m_lights, "frame_D");
    QVERIFY(schemes->isVisibleTo(m_lights));
    QTRY_VERIFY_WITH_TIMEOUT(schemes->width() > 0, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!m_lights->findChildren<DCustomLightListItem *>().isEmpty(), 20000);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(window->width(), 1366);
    QStringList overflows;
    for (QWidget *w : m_lights->findChildren<QWidget *>()) {
        QWidget *holder = w->parentWidget();
        if (!w->isVisible() || !holder || w->isWindow())
            continue;
        const QRect room = holder->rect();
        const QRect placed = w->geometry();
        if (placed.left() < room.left() || placed.right() > room.right())
            overflows << QStringLiteral("%1 %2,%3 %4x%5 in %6 %7 wide")
                             .arg(w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName())
                             .arg(placed.x())
                             .arg(placed.y())
                             .arg(placed.width())
                             .arg(placed.height())
                             .arg(holder->objectName())
                             .arg(room.width());
    }
    QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(QLatin1String("; "))));
}

QTEST_MAIN(tst_LightsPage)
#include "tst_lightspage.moc"
