// The device page as the main window hosts it: its form at start, the
// main-page switch (button ids are not stack indices), and the theme and
// language refresh reaching its own widgets and every feature page.
#include <QtTest>

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cstring>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/sim/SimController.h"
#include "support/SimReportLog.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/trigger/DPerformancePage.h"
#include "ui/mainwidget/devicePage/trigger/DTriggerSettingPage.h"
#include "widgets/CbNotice.h"
#include "widgets/CustomButton.h"

class tst_DevicePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void formAtStart();
    void clickWithoutDeviceOnlyTellsSo();
    void mainPageSwitch_data();
    void mainPageSwitch();
    void leavingTriggerPageRefusedWhileCalibrating();
    void themeRefreshReachesEveryPage_data();
    void themeRefreshReachesEveryPage();
    void languageRefresh_data();
    void languageRefresh();
    void clearDeviceListKeepsTheStretch();
    void leavingTriggerPageTellsTheKeyboardOnce();
    void lightingKeepsNoInterfaceThatWent();

private:
    template <typename T> static T *child(QWidget *page, const char *name)
    {
        T *w = page->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("missing %s", name);
        return w;
    }
    // A shown keyboard, as far as the switch looks at it: a link that was
    // never opened.
    void pretendDeviceShown(DDevicePage &page) { page.m_currentKeyboardLink = &m_idleLink; }
    DDeviceKeyboardLink m_idleLink;
    static QStringList shownNotices(const DDevicePage &page);
};

QStringList tst_DevicePage::shownNotices(const DDevicePage &page)
{
    QStringList texts;
    for (const CbNotice *notice : page.findChildren<CbNotice *>())
        if (notice->isVisible())
            texts << notice->text();
    return texts;
}

void tst_DevicePage::initTestCase()
{
    DDataManager::getInstance();
    QCOMPARE(CLumtarHid_Init(), 0);
}

void tst_DevicePage::init()
{
    DDataManager::getInstance()->setKeyCalibrationMode(false);
    DDataManager::getInstance()->setGamePadMode(-1);
}

void tst_DevicePage::formAtStart()
{
    DDevicePage page;
    page.show();
    auto *stack = child<QStackedWidget>(&page, "stackedWidget_3");
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_TipShow"));
    QCOMPARE(child<QLabel>(&page, "label_Tip")->text(), QStringLiteral("Device not connected"));
    QCOMPARE(child<QLabel>(&page, "label")->text(), QStringLiteral("Device List"));
    for (const char *name : {"pushButton_Test", "pushButton_ChangModeTest", "label_ChangModeTest", "label_Multiple",
                             "pushButton_MoreBig", "pushButton_MoreSmall"})
        QVERIFY2(!child<QWidget>(&page, name)->isVisible(), name);

    // Each feature page is a child of its own stack page, in stack order.
    // The page shown at start is built with the window; the others follow
    // in the first turn of the event loop, the window on the screen by then.
    auto *features = child<QStackedWidget>(&page, "stackedWidget");
    QCOMPARE(features->count(), 4);
    QVERIFY(features->widget(0)->findChild<DCustomKeysPage *>());
    QVERIFY(!features->widget(1)->findChild<DLightsConfigPage *>());
    QTRY_VERIFY(features->widget(1)->findChild<DLightsConfigPage *>());
    QVERIFY(features->widget(2)->findChild<DPerformancePage *>());
    QVERIFY(features->widget(3)->findChild<DTriggerSettingPage *>());

    // Ids of the group; the macro and advanced-key buttons are outside it.
    auto *group = page.findChild<QButtonGroup *>();
    QVERIFY(group);
    QCOMPARE(group->id(child<QAbstractButton>(&page, "toolButton_CustomKey")), 0);
    QCOMPARE(group->id(child<QAbstractButton>(&page, "toolButton_LightConfig")), 1);
    QCOMPARE(group->id(child<QAbstractButton>(&page, "toolButton_Performance")), 2);
    QCOMPARE(group->id(child<QAbstractButton>(&page, "toolButton_TriggerSetting")), 4);
    QCOMPARE(group->id(child<QAbstractButton>(&page, "toolButton_MacroDialog")), -1);
    QCOMPARE(group->id(child<QAbstractButton>(&page, "toolButton_SeniorKey")), -1);
    QVERIFY(child<QAbstractButton>(&page, "toolButton_CustomKey")->isChecked());
    QCOMPARE(child<CustomButton>(&page, "toolButton_LightConfig")->caption(), QStringLiteral("Light Setting"));
}

void tst_DevicePage::clickWithoutDeviceOnlyTellsSo()
{
    DDevicePage page;
    page.resize(1517, 869);
    page.show();
    auto *features = child<QStackedWidget>(&page, "stackedWidget");
    auto *light = child<QAbstractButton>(&page, "toolButton_LightConfig");
    QTest::mouseClick(light, Qt::LeftButton);
    // The page without a keyboard tells it; no notice repeats it over its picture.
    QVERIFY(shownNotices(page).isEmpty());
    QVERIFY(child<QLabel>(&page, "label_Tip")->isVisible());
    QCOMPARE(child<QLabel>(&page, "label_Tip")->text(), QStringLiteral("Device not connected"));
    QCOMPARE(features->currentIndex(), 0);
    QCOMPARE(child<QStackedWidget>(&page, "stackedWidget_3")->currentWidget()->objectName(),
             QStringLiteral("page_TipShow"));
    QCOMPARE(page.currentMainPage(), -1);
    QVERIFY(light->isChecked());
}

void tst_DevicePage::mainPageSwitch_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("stackPage");
    QTest::addColumn<QString>("selectedButton");
    QTest::addColumn<bool>("profileBoxShown");
    QTest::addColumn<bool>("macroOpened");
    QTest::newRow("key custom") << 0 << "page_CustomKeys" << "toolButton_CustomKey" << true << false;
    QTest::newRow("lighting") << 1 << "page_LightsConfig" << "toolButton_LightConfig" << true << false;
    QTest::newRow("performance") << 2 << "page_Performance" << "toolButton_Performance" << true << false;
    QTest::newRow("macro") << 3 << "page_Performance" << "" << true << true;
    QTest::newRow("trigger") << 4 << "page_TriggerSetting" << "toolButton_TriggerSetting" << false << false;
}

void tst_DevicePage::mainPageSwitch()
{
    QFETCH(int, id);
    QFETCH(QString, stackPage);
    QFETCH(QString, selectedButton);
    QFETCH(bool, profileBoxShown);
    QFETCH(bool, macroOpened);

    DDevicePage page;
    page.show();
    pretendDeviceShown(page);
    auto *features = child<QStackedWidget>(&page, "stackedWidget");
    page.onCurIndexChangedMainPage(2); // start from a page that is none of the others
    QSignalSpy macro(&page, &DDevicePage::sigShowMacroPage);

    page.onCurIndexChangedMainPage(id);

    QCOMPARE(features->currentWidget()->objectName(), stackPage);
    QCOMPARE(macro.count(), macroOpened ? 1 : 0);
    QCOMPARE(page.currentMainPage(), id);
    QCOMPARE(!child<QWidget>(&page, "frame_4")->isHidden(), profileBoxShown);
    QCOMPARE(!child<QWidget>(&page, "frame_5")->isHidden(), profileBoxShown);
    QCOMPARE(child<QWidget>(&page, "frame_2")->contentsMargins().right(), profileBoxShown ? 0 : 182);
    for (CustomButton *button : child<QWidget>(&page, "frame_11")->findChildren<CustomButton *>())
        QCOMPARE(button->isSelected(), button->objectName() == selectedButton);
}

void tst_DevicePage::leavingTriggerPageRefusedWhileCalibrating()
{
    DDevicePage page;
    page.resize(1517, 869);
    page.show();
    pretendDeviceShown(page);
    auto *features = child<QStackedWidget>(&page, "stackedWidget");
    page.onCurIndexChangedMainPage(4);
    DDataManager::getInstance()->setKeyCalibrationMode(true);

    QTest::mouseClick(child<QAbstractButton>(&page, "toolButton_CustomKey"), Qt::LeftButton);

    QCOMPARE(features->currentWidget()->objectName(), QStringLiteral("page_TriggerSetting"));
    QCOMPARE(page.currentMainPage(), 4);
    QVERIFY(child<QAbstractButton>(&page, "toolButton_TriggerSetting")->isChecked());
    QCOMPARE(shownNotices(page), QStringList{QStringLiteral("Key calibration in progress, please wait a moment")});

    // Once calibration is over the switch goes through and leaves it off.
    DDataManager::getInstance()->setKeyCalibrationMode(false);
    page.onCurIndexChangedMainPage(0);
    QCOMPARE(features->currentWidget()->objectName(), QStringLiteral("page_CustomKeys"));
}

void tst_DevicePage::themeRefreshReachesEveryPage_data()
{
    QTest::addColumn<int>("theme");
    const char *names[] = {"Black", "Light", "Blue", "Pink", "Other"};
    for (int i = 0; i < 5; ++i)
        QTest::newRow(names[i]) << i;
}

void tst_DevicePage::themeRefreshReachesEveryPage()
{
    QFETCH(int, theme);
    DDataManager *data = DDataManager::getInstance();
    data->loadThemeConfig(theme);
    const ThemeColor colors = data->themeColor();

    DDevicePage page;
    page.show();
    QTRY_VERIFY(page.findChild<DTriggerSettingPage *>());
    const QString scrollBefore = child<QWidget>(&page, "widget_4")->styleSheet();
    page.updateAppTheme();

    const QString background = QStringLiteral("rgb(%1)").arg(colors.DeviceRightBgColor);
    for (QWidget *feature : QList<QWidget *>{page.findChild<DCustomKeysPage *>(), page.findChild<DLightsConfigPage *>(),
                                              page.findChild<DPerformancePage *>(),
                                              page.findChild<DTriggerSettingPage *>()})
        QVERIFY2(feature->styleSheet().contains(background), qPrintable(feature->objectName()));
    QVERIFY(child<QWidget>(&page, "frame_Right")->styleSheet().contains(background));
    QVERIFY(child<QWidget>(&page, "label_Tip")->styleSheet().contains(colors.TextCheckedColor));
    QVERIFY(child<QLabel>(&page, "label_Url")->text().contains(QStringLiteral("rgb(%1)").arg(colors.TextCheckedColor)));

    // The strip's scroll bar follows later, not at once.
    auto *strip = child<QWidget>(&page, "widget_4");
    QCOMPARE(strip->styleSheet(), scrollBefore);
    QTRY_VERIFY(strip->styleSheet().contains(colors.AllScrollBarColorDef));
}

void tst_DevicePage::languageRefresh_data()
{
    QTest::addColumn<int>("gamePadMode");
    QTest::addColumn<bool>("frameShown");
    QTest::addColumn<QString>("label");
    QTest::newRow("no gamepad") << -1 << false << "";
    QTest::newRow("gamepad off") << 0 << false << "GamePad Disable";
    QTest::newRow("Xbox360") << 1 << true << "GamePad Xbox360";
    QTest::newRow("Classical") << 2 << true << "GamePad Classical";
}

void tst_DevicePage::languageRefresh()
{
    QFETCH(int, gamePadMode);
    QFETCH(bool, frameShown);
    QFETCH(QString, label);

    DDevicePage page;
    page.show();
    pretendDeviceShown(page);
    page.onCurIndexChangedMainPage(1);
    child<QLabel>(&page, "label_Tip")->setText(QStringLiteral("stale"));
    child<QLabel>(&page, "label")->setText(QStringLiteral("stale"));
    DDataManager::getInstance()->setGamePadMode(gamePadMode);

    page.updateAllUI();

    QCOMPARE(child<QLabel>(&page, "label_Tip")->text(), QStringLiteral("Device not connected"));
    QCOMPARE(child<QLabel>(&page, "label")->text(), QStringLiteral("Device List"));
    QCOMPARE(!child<QWidget>(&page, "frame_10")->isHidden(), frameShown);
    QCOMPARE(child<QLabel>(&page, "label_GamePadMode")->text(), label);
    // The captions come back and the shown page's button stays marked.
    auto *light = child<CustomButton>(&page, "toolButton_LightConfig");
    QCOMPARE(light->caption(), QStringLiteral("Light Setting"));
    QVERIFY(light->isSelected());
    QVERIFY(!child<CustomButton>(&page, "toolButton_CustomKey")->isSelected());
}

void tst_DevicePage::clearDeviceListKeepsTheStretch()
{
    DDevicePage page;
    auto *layout = qobject_cast<QVBoxLayout *>(child<QWidget>(&page, "scrollAreaWidgetContents_2")->layout());
    QVERIFY(layout);
    QCOMPARE(layout->count(), 1);
    QList<QPointer<QLabel>> items;
    for (int i = 0; i < 3; ++i) {
        auto *item = new QLabel(QStringLiteral("item %1").arg(i));
        items << item;
        layout->insertWidget(layout->count() - 1, item);
    }
    page.clearDeviceList();
    QCOMPARE(layout->count(), 1);
    QVERIFY(layout->itemAt(0)->spacerItem());
    for (const QPointer<QLabel> &item : items)
        QVERIFY(item && !item->parent());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<QLabel> &item : items)
        QVERIFY(!item);
}

void tst_DevicePage::leavingTriggerPageTellsTheKeyboardOnce()
{
    const std::string path = lumtar::sim::SimController::instance().plug("LT108HE");
    QVERIFY(!path.empty());
    MainHidInterFace io(0, QStringLiteral("LT108HE"));
    QCOMPARE(io.openHid(QString::fromStdString(path)), 0);
    // The keyboard's replies are not looked at here; their copies are freed.
    connect(&io, &MainHidInterFace::sigHidDataArrived, this,
            [](unsigned char *data, int, int) { delete[] data; });
    connect(&io, &MainHidInterFace::sigHidSnGetOver, this, [](unsigned char *data, QString) { delete[] data; });
    io.start();

    DDevicePage page;
    pretendDeviceShown(page);
    page.m_currentHidInterface = &io;
    // Only the leave command (0x29 sub-command 3): showing the trigger page
    // sends queries of its own.
    auto leaveCommands = [&] {
        int count = 0;
        for (const QByteArray &r : SimReportLog::all(path))
            if (r.size() > 6 && quint8(r.at(1)) == 0x29 && quint8(r.at(6)) == 3)
                ++count;
        return count;
    };
    const QByteArray expected = SimReportLog::report({{0, 0x01}, {1, 0x29}, {5, 0x18}, {6, 3}});

    page.onCurIndexChangedMainPage(0);
    page.onCurIndexChangedMainPage(4);
    page.onCurIndexChangedMainPage(4);
    page.onCurIndexChangedMainPage(1);
    QTRY_COMPARE(leaveCommands(), 1);
    QVERIFY(SimReportLog::all(path).contains(expected));
    page.onCurIndexChangedMainPage(2);
    page.onCurIndexChangedMainPage(0);
    QTest::qWait(100);
    QCOMPARE(leaveCommands(), 1);

    page.m_currentHidInterface = nullptr;
    io.closeHid();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    lumtar::sim::SimController::instance().unplugAll();
}

void tst_DevicePage::lightingKeepsNoInterfaceThatWent()
{
    // The interface goes with its keyboard's link; the lighting engine and
    // the lighting page must not keep using it.
    lightDealMain engine;
    DLightsConfigPage lighting;
    auto *io = new MainHidInterFace(0, QStringLiteral("LT108HE"));
    engine.setHidInterface(io);
    lighting.setHidInterface(io);
    QCOMPARE(engine.hidInterface(), io);
    QCOMPARE(lighting.hidInterface(), io);
    delete io;
    QVERIFY(!engine.hidInterface());
    QVERIFY(!lighting.hidInterface());
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    tst_DevicePage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_devicepage.moc"
