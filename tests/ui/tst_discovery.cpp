// Which keyboards the device page lists and which one it shows: the first
// enumeration, hot-plug through the main window, receivers whose keyboard
// comes and goes, the order of the strip, switching by click, and device
// changes that come while an enumeration runs. Every case drives the real
// page and I/O threads against simulated keyboards.
#include <QMessageBox>
#include <QtTest>

#include <QPointer>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/TempHome.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "widgets/CbNotice.h"

#include <memory>

using lumtar::sim::SimController;

namespace {

const int kSettleMs = 20000;

QString qpath(const std::string &path)
{
    return QString::fromStdString(path);
}

// The text of the page's notice (the window is not shown in these tests).
QString noticeText(const QWidget *page)
{
    const CbNotice *notice = page->findChild<CbNotice *>();
    return notice ? notice->text() : QString();
}

} // namespace

class tst_Discovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void noDeviceListsEveryModelOffline();
    void oneKeyboardIsListedLinkedAndShown();
    void twoOfTheSameModel();
    void receiverKeyboardComesAndGoes_data();
    void receiverKeyboardComesAndGoes();
    void receiverKeyboardReachableAtStart_data();
    void receiverKeyboardReachableAtStart();
    void receiverWithoutReportIsNotReachable();
    void unplugShownKeyboard_data();
    void unplugShownKeyboard();
    void unplugKeyboardNotShown();
    void replugReusesThePlaceholder();
    void clickSwitchesAndCurrentItemComesFirst();
    void clicksOnOfflineAndShownItems();
    void oneRescanListsAndRemovesEveryChangedDevice();
    void changeDuringEnumerationIsNotLost();
    void arrivalBeforeTheFirstEnumeration();
    void inaccessibleKeyboardIsToldOnce();
    void keyboardThatCannotOpenIsTriedAtEachChange();
    void unplugDuringOpenLeavesNoLink();

private:
    // The window with its device page, after the first enumeration.
    DDevicePage *startWindow();
    std::unique_ptr<DMainWidget> m_window;
    std::unique_ptr<DDevicePage> m_page;
};

void tst_Discovery::initTestCase()
{
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    SimController::instance().unplugAll();
}

void tst_Discovery::cleanup()
{
    m_window.reset();
    m_page.reset();
    SimController::instance().unplugAll();
    QTest::qWait(50); // deferred deletions and hot-plug notices of the unplugging
}

DDevicePage *tst_Discovery::startWindow()
{
    m_window.reset(new DMainWidget);
    DDevicePage *page = m_window->devicePage();
    if (!DevicePageProbe(page).waitUntilIdle(kSettleMs))
        qWarning("the first enumeration did not end");
    return page;
}

void tst_Discovery::noDeviceListsEveryModelOffline()
{
    m_window.reset(new DMainWidget);
    DDevicePage *page = m_window->devicePage();
    QSignalSpy names(page, &DDevicePage::sigReturnHidLikeName);
    QSignalSpy firmwareCheck(page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
    DevicePageProbe probe(page);
    QVERIFY(probe.waitUntilIdle(kSettleMs));

    QCOMPARE(probe.stripTexts(), QStringList({"LT104 RGB(OffLine)", "LT108 HE(OffLine)", "LT68 HE(OffLine)"}));
    QVERIFY(probe.links().isEmpty());
    QVERIFY(probe.infoMap().isEmpty());
    for (const QString &model : {"LT104RGB", "LT108HE", "LT68HE"})
        QVERIFY2(probe.isPlaceholderKey(model), qPrintable(model));
    QVERIFY(!probe.isDevicePageShown());
    QVERIFY(!probe.isKeyboardShown());
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.first(), QVariantList({"RGB", "HID"}));
    QCOMPARE(firmwareCheck.count(), 1);
}

void tst_Discovery::oneKeyboardIsListedLinkedAndShown()
{
    const QString path = qpath(SimController::instance().plug("LT108HE"));
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);

    QCOMPARE(probe.stripTexts(), QStringList({"LT108 HE(USB)", "LT104 RGB(OffLine)", "LT68 HE(OffLine)"}));
    QCOMPARE(probe.links().keys(), QStringList({path}));
    QVERIFY(probe.isKeyboardShown());
    QCOMPARE(probe.currentLink(), probe.links().value(path));
    QVERIFY(probe.currentItem()->isSelected());
    QVERIFY(probe.isDevicePageShown());
    QVERIFY(probe.currentLink()->hidInterface()->isOpen());
    // Placeholders are flagged and carry no path; only real paths are devices.
    QVERIFY(!probe.isPlaceholderKey(path));
    QCOMPARE(probe.infoMap().keys(), QStringList({path}));
    QCOMPARE(QByteArray(probe.itemMap().value("LT68HE")->deviceInfo().hidPath), QByteArray());
}

void tst_Discovery::twoOfTheSameModel()
{
    auto &sim = SimController::instance();
    const QString first = qpath(sim.plug("LT108HE"));
    const QString second = qpath(sim.plug("LT108HE"));
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);

    QCOMPARE(probe.stripTexts(),
             QStringList({"LT108 HE(USB)", "LT108 HE(USB)", "LT104 RGB(OffLine)", "LT68 HE(OffLine)"}));
    QCOMPARE(probe.links().size(), 2);
    QVERIFY(probe.links().value(first) != probe.links().value(second));
    QVERIFY(probe.links().value(second)->hidInterface()->isOpen());
    QVERIFY(!probe.itemMap().contains("LT108HE"));
    QCOMPARE(probe.currentLink(), probe.links().value(first));
    QCOMPARE(probe.currentItem(), probe.itemMap().value(first));
}

void tst_Discovery::receiverKeyboardComesAndGoes_data()
{
    QTest::addColumn<bool>("withCable");
    QTest::newRow("receiver alone") << false;
    QTest::newRow("beside a keyboard by cable") << true;
}

void tst_Discovery::receiverKeyboardComesAndGoes()
{
    QFETCH(bool, withCable);
    auto &sim = SimController::instance();
    const std::string receiver = sim.plug("LT108HE", 1);
    QVERIFY(sim.setReceiverLink(receiver, false)); // its keyboard is out of reach
    const QString cable = withCable ? qpath(sim.plug("LT104RGB")) : QString();
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);

    DDeviceListItem *item = probe.itemMap().value(qpath(receiver));
    QVERIFY(item);
    QCOMPARE(item->deviceNameText(), QString("LT108 HE(OffLine)"));
    QVERIFY(probe.links().contains(qpath(receiver)));
    QCOMPARE(probe.isKeyboardShown(), withCable);

    // The keyboard behind the receiver becomes reachable.
    QVERIFY(sim.setReceiverLink(receiver, true));
    QTRY_COMPARE(item->deviceNameText(), QString("LT108 HE(2.4G)"));
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    if (withCable) {
        QCOMPARE(probe.currentLink(), probe.links().value(cable));
        QTest::mouseClick(item, Qt::LeftButton);
        QVERIFY(probe.waitUntilIdle(kSettleMs));
    }
    QCOMPARE(probe.currentItem(), item);
    QCOMPARE(probe.currentLink(), probe.links().value(qpath(receiver)));
    QVERIFY(probe.isDevicePageShown());
    if (!withCable)
        QCOMPARE(probe.strip().first(), item);

    // ... and goes again while it is shown.
    QVERIFY(sim.setReceiverLink(receiver, false));
    QTRY_COMPARE(item->deviceNameText(), QString("LT108 HE(OffLine)"));
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QVERIFY(probe.links().contains(qpath(receiver)));
    if (withCable) {
        QCOMPARE(probe.currentLink(), probe.links().value(cable));
        QVERIFY(probe.isDevicePageShown());
    } else {
        QVERIFY(!probe.isKeyboardShown());
        QVERIFY(!probe.isDevicePageShown());
    }
}

void tst_Discovery::receiverKeyboardReachableAtStart_data()
{
    QTest::addColumn<bool>("withCable");
    QTest::newRow("receiver alone") << false;
    QTest::newRow("beside a keyboard by cable") << true;
}

void tst_Discovery::receiverKeyboardReachableAtStart()
{
    // The receiver's first report comes while its link still waits for the
    // keyboard's first replies: it counts all the same.
    QFETCH(bool, withCable);
    auto &sim = SimController::instance();
    const std::string receiver = sim.plug("LT108HE", 1);
    const QString cable = withCable ? qpath(sim.plug("LT104RGB")) : QString();
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);

    DDeviceListItem *item = probe.itemMap().value(qpath(receiver));
    QVERIFY(item);
    QCOMPARE(item->deviceNameText(), QString("LT108 HE(2.4G)"));
    QCOMPARE(probe.dongleStatus(qpath(receiver)), 0);
    if (withCable) {
        QCOMPARE(probe.currentLink(), probe.links().value(cable));
        QTest::mouseClick(item, Qt::LeftButton);
        QVERIFY(probe.waitUntilIdle(kSettleMs));
    }
    QCOMPARE(probe.currentItem(), item);
    QCOMPARE(probe.currentLink(), probe.links().value(qpath(receiver)));
    QVERIFY(probe.isDevicePageShown());
    QVERIFY(!probe.profileFolder().isEmpty());
}

void tst_Discovery::receiverWithoutReportIsNotReachable()
{
    auto &sim = SimController::instance();
    const std::string cable = sim.plug("LT104RGB");
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());

    // A receiver arrives whose keyboard is out of reach.
    const std::string receiverPath = sim.plug("LT108HE", 1);
    QVERIFY(sim.setReceiverLink(receiverPath, false));
    const QString receiver = qpath(receiverPath);
    QTRY_VERIFY(probe.links().contains(receiver));
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.dongleStatus(receiver), 1);

    // The shown keyboard goes: the receiver is no replacement.
    QVERIFY(sim.unplug(cable));
    QTRY_VERIFY(!probe.links().contains(qpath(cable)));
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QVERIFY(!probe.isKeyboardShown());
    QVERIFY(!probe.isDevicePageShown());
    QVERIFY(noticeText(page) != QLatin1String("The device is offline"));
}

void tst_Discovery::unplugShownKeyboard_data()
{
    QTest::addColumn<bool>("withOther");
    QTest::newRow("alone") << false;
    QTest::newRow("another keyboard listed") << true;
}

void tst_Discovery::unplugShownKeyboard()
{
    QFETCH(bool, withOther);
    auto &sim = SimController::instance();
    const std::string shown = sim.plug("LT108HE");
    const QString other = withOther ? qpath(sim.plug("LT68HE")) : QString();
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QPointer<DDeviceKeyboardLink> link = probe.links().value(qpath(shown));
    QPointer<MainHidInterFace> io = link->hidInterface();
    DDeviceListItem *item = probe.currentItem();
    QCOMPARE(probe.currentLink(), link.data());
    QCOMPARE(page->findChild<DLightsConfigPage *>()->hidInterface(), io.data());
    QSignalSpy over(page, &DDevicePage::sigIntoOrRemoveHidOver);

    QVERIFY(sim.unplug(shown));
    QTRY_COMPARE(over.count(), 1);
    QVERIFY(probe.waitUntilIdle(kSettleMs));

    // The link was closed, its thread joined, and it is gone.
    QTRY_VERIFY(link.isNull());
    QVERIFY(io.isNull());
    QVERIFY(!probe.links().contains(qpath(shown)));
    QCOMPARE(probe.itemMap().value("LT108HE"), item);
    QVERIFY(probe.isPlaceholderKey("LT108HE"));
    QCOMPARE(item->deviceNameText(), QString("LT108 HE(OffLine)"));
    QCOMPARE(QByteArray(item->deviceInfo().hidPath), QByteArray());
    QVERIFY(!probe.infoMap().contains("LT108HE"));
    if (withOther) {
        QCOMPARE(probe.currentLink(), probe.links().value(other));
        QVERIFY(probe.isDevicePageShown());
        QCOMPARE(probe.strip().first(), probe.itemMap().value(other));
    } else {
        QVERIFY(!probe.isKeyboardShown());
        QVERIFY(!probe.isDevicePageShown());
        QVERIFY(probe.links().isEmpty());
        // The lighting page keeps no interface of the keyboard that went.
        QVERIFY(!page->findChild<DLightsConfigPage *>()->hidInterface());
    }
}

void tst_Discovery::unplugKeyboardNotShown()
{
    auto &sim = SimController::instance();
    const QString shown = qpath(sim.plug("LT108HE"));
    const std::string other = sim.plug("LT68HE");
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    DDeviceKeyboardLink *shownLink = probe.currentLink();
    DDeviceListItem *shownItem = probe.currentItem();
    QCOMPARE(shownLink, probe.links().value(shown));

    QVERIFY(sim.unplug(other));
    QTRY_VERIFY(!probe.links().contains(qpath(other)));
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.currentLink(), shownLink);
    QCOMPARE(probe.currentItem(), shownItem);
    QVERIFY(shownLink->hidInterface()->isOpen());
    QVERIFY(probe.isPlaceholderKey("LT68HE"));
    QCOMPARE(probe.itemMap().value("LT68HE")->deviceNameText(), QString("LT68 HE(OffLine)"));
    QCOMPARE(probe.strip().first(), shownItem);
}

void tst_Discovery::replugReusesThePlaceholder()
{
    auto &sim = SimController::instance();
    const std::string first = sim.plug("LT108HE");
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    DDeviceListItem *item = probe.currentItem();
    const int stripSize = probe.strip().size();

    QVERIFY(sim.unplug(first));
    QTRY_VERIFY(probe.links().isEmpty());
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.itemMap().value("LT108HE"), item);

    const QString again = qpath(sim.plug("LT108HE"));
    QTRY_VERIFY(probe.links().contains(again));
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.itemMap().value(again), item);
    QVERIFY(!probe.itemMap().contains("LT108HE"));
    QVERIFY(!probe.isPlaceholderKey("LT108HE"));
    QCOMPARE(probe.strip().size(), stripSize);
    QCOMPARE(item->deviceNameText(), QString("LT108 HE(USB)"));
    // Nothing was shown, so the keyboard that came back is opened.
    QCOMPARE(probe.currentItem(), item);
    QCOMPARE(probe.currentLink(), probe.links().value(again));
    QVERIFY(probe.isDevicePageShown());
}

void tst_Discovery::clickSwitchesAndCurrentItemComesFirst()
{
    auto &sim = SimController::instance();
    const QString first = qpath(sim.plug("LT108HE"));
    const QString second = qpath(sim.plug("LT104RGB"));
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QSignalSpy names(page, &DDevicePage::sigReturnHidLikeName);
    DDeviceKeyboardLink *firstLink = probe.currentLink();
    QCOMPARE(firstLink, probe.links().value(first));

    DDeviceListItem *secondItem = probe.itemMap().value(second);
    QTest::mouseClick(secondItem, Qt::LeftButton);
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.currentItem(), secondItem);
    QCOMPARE(probe.currentLink(), probe.links().value(second));
    QVERIFY(secondItem->isSelected());
    QVERIFY(!probe.itemMap().value(first)->isSelected());
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.first(), QVariantList({"Lumtar LT104 RGB", "LT104 RGB"}));
    // The keyboard shown before stays open.
    QVERIFY(firstLink->hidInterface()->isOpen());

    // After a hot-plug event the current item leads the strip.
    const QString third = qpath(sim.plug("LT68HE"));
    QTRY_VERIFY(probe.links().contains(third));
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.currentItem(), secondItem);
    QCOMPARE(probe.stripTexts(), QStringList({"LT104 RGB(USB)", "LT108 HE(USB)", "LT68 HE(USB)"}));
}

void tst_Discovery::clicksOnOfflineAndShownItems()
{
    SimController::instance().plug("LT108HE");
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    DDeviceKeyboardLink *link = probe.currentLink();

    QTest::mouseClick(probe.itemMap().value("LT68HE"), Qt::LeftButton);
    QCOMPARE(noticeText(page), QString("The device is offline"));
    QCOMPARE(probe.currentLink(), link);

    QTest::mouseClick(probe.currentItem(), Qt::LeftButton);
    QCOMPARE(noticeText(page), QString("The device has been turned on"));
    QCOMPARE(probe.currentLink(), link);
}

void tst_Discovery::oneRescanListsAndRemovesEveryChangedDevice()
{
    // The page alone, without the main window's notices: one rescan sees it all.
    auto &sim = SimController::instance();
    const QString shown = qpath(sim.plug("LT108HE"));
    m_page.reset(new DDevicePage);
    DevicePageProbe probe(m_page.get());
    QVERIFY(probe.waitUntilIdle(kSettleMs));

    const std::string b = sim.plug("LT68HE");
    const std::string c = sim.plug("LT104RGB");
    m_page->updateHidDeviceList(DDevicePage::DeviceArrived, QString());
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.links().keys(), QStringList({shown, qpath(b), qpath(c)}));
    // After the current item, by path: the LT68 HE's product id is the lower.
    QCOMPARE(probe.stripTexts(), QStringList({"LT108 HE(USB)", "LT68 HE(USB)", "LT104 RGB(USB)"}));
    QCOMPARE(probe.currentLink(), probe.links().value(shown));

    QVERIFY(sim.unplug(b));
    QVERIFY(sim.unplug(c));
    m_page->updateHidDeviceList(DDevicePage::DeviceRemoved, QString());
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.links().keys(), QStringList({shown}));
    QCOMPARE(probe.stripTexts(), QStringList({"LT108 HE(USB)", "LT104 RGB(OffLine)", "LT68 HE(OffLine)"}));
    QVERIFY(probe.isPlaceholderKey("LT68HE"));
    QVERIFY(probe.isPlaceholderKey("LT104RGB"));
}

void tst_Discovery::changeDuringEnumerationIsNotLost()
{
    auto &sim = SimController::instance();
    const std::string slow = sim.plug("LT108HE");
    lumtar::sim::SimFaults faults;
    faults.noSideLightList = true; // its link waits the whole time for it
    QVERIFY(sim.setFaults(slow, faults));
    m_page.reset(new DDevicePage);
    DevicePageProbe probe(m_page.get());

    // Two keyboards come while the first enumeration waits for the first link.
    std::string b, c;
    bool wasBusy = false;
    QTimer::singleShot(500, this, [&]() {
        wasBusy = !probe.isIdle();
        b = sim.plug("LT68HE");
        m_page->updateHidDeviceList(DDevicePage::DeviceArrived, QString());
        c = sim.plug("LT104RGB");
        m_page->updateHidDeviceList(DDevicePage::DeviceArrived, QString());
    });
    QTest::qWait(700);
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QVERIFY(wasBusy);
    QCOMPARE(probe.links().keys(), QStringList({qpath(slow), qpath(b), qpath(c)}));
    QCOMPARE(probe.strip().size(), 3);
    QCOMPARE(probe.currentLink(), probe.links().value(qpath(slow)));
}

void tst_Discovery::arrivalBeforeTheFirstEnumeration()
{
    // A keyboard announced before the first enumeration ran is listed by it,
    // beside the placeholders of the other models.
    m_window.reset(new DMainWidget);
    DDevicePage *page = m_window->devicePage();
    QSignalSpy firmwareCheck(page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
    const QString path = qpath(SimController::instance().plug("LT108HE"));
    DevicePageProbe probe(page);
    QTRY_VERIFY_WITH_TIMEOUT(probe.links().contains(path), kSettleMs);
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.stripTexts(), QStringList({"LT108 HE(USB)", "LT104 RGB(OffLine)", "LT68 HE(OffLine)"}));
    QCOMPARE(probe.links().size(), 1);
    QCOMPARE(probe.currentLink(), probe.links().value(path));
    QCOMPARE(firmwareCheck.count(), 1);
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_Discovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_discovery.moc"

void tst_Discovery::inaccessibleKeyboardIsToldOnce()
{
    m_window.reset(new DMainWidget);
    DDevicePage *page = m_window->devicePage();
    DevicePageProbe probe(page);
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    auto notices = [page] {
        return page->findChildren<QMessageBox *>(QStringLiteral("inaccessibleKeyboardNotice")).size();
    };
    QCOMPARE(notices(), 0); // the simulated keyboards are all accessible

    const QStringList paths{QStringLiteral("hid#vid_1209&pid_7472&mi_00#/dev/hidraw7")};
    QVERIFY(page->noticeInaccessibleKeyboards(paths));
    QCOMPARE(notices(), 1);
    QVERIFY(!page->noticeInaccessibleKeyboards(paths)); // the same keyboard again: nothing new
    QVERIFY(page->noticeInaccessibleKeyboards(paths + QStringList{QStringLiteral("hid#vid_1209&pid_7476&mi_00#/dev/hidraw9")}));
    QVERIFY(!page->noticeInaccessibleKeyboards({}));
}

void tst_Discovery::keyboardThatCannotOpenIsTriedAtEachChange()
{
    auto &sim = SimController::instance();
    const std::string refused = sim.plug("LT104RGB");
    lumtar::sim::SimFaults faults;
    faults.openRefused = true; // as for a user without access to it
    QVERIFY(sim.setFaults(refused, faults));
    const QString shown = qpath(sim.plug("LT108HE"));
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);

    // Listed, but no link waits for it; the other keyboard is shown.
    QVERIFY(probe.infoMap().contains(qpath(refused)));
    QVERIFY(!probe.links().contains(qpath(refused)));
    QCOMPARE(probe.currentLink(), probe.links().value(shown));

    // A change while it is still refused: still no link.
    const std::string other = sim.plug("LT68HE");
    QTRY_VERIFY_WITH_TIMEOUT(probe.links().contains(qpath(other)), kSettleMs);
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QVERIFY(!probe.links().contains(qpath(refused)));

    // Access granted: the next change opens it.
    QVERIFY(sim.setFaults(refused, lumtar::sim::SimFaults()));
    QVERIFY(sim.unplug(other));
    QTRY_VERIFY_WITH_TIMEOUT(probe.links().contains(qpath(refused)), kSettleMs);
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QVERIFY(probe.links().value(qpath(refused))->hidInterface()->isOpen());
    QCOMPARE(probe.currentLink(), probe.links().value(shown));
}

void tst_Discovery::unplugDuringOpenLeavesNoLink()
{
    // Every reply comes late, so the open reads the travel values for long.
    auto &sim = SimController::instance();
    const std::string path = sim.plug("LT108HE");
    lumtar::sim::SimFaults slow;
    slow.replyDelayMs = 300;
    QVERIFY(sim.setFaults(path, slow));
    m_window.reset(new DMainWidget);
    DDevicePage *page = m_window->devicePage();
    DevicePageProbe probe(page);
    QTRY_VERIFY_WITH_TIMEOUT(!probe.profileFolder().isEmpty(), kSettleMs);
    QVERIFY(page->isDeviceWorkRunning());
    QPointer<DDeviceKeyboardLink> link = probe.links().value(qpath(path));
    QVERIFY(link);
    QPointer<MainHidInterFace> io = link->hidInterface();

    QVERIFY(sim.unplug(path));
    QTRY_VERIFY_WITH_TIMEOUT(link.isNull(), kSettleMs);
    QVERIFY(io.isNull());
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QVERIFY(probe.links().isEmpty());
    QVERIFY(!probe.isKeyboardShown());
    QVERIFY(!probe.isDevicePageShown());
    QVERIFY(probe.isPlaceholderKey("LT108HE"));
}
