// The battery gauge of the device page on the real main window, against the
// simulated keyboard: while the shown keyboard charges the gauge fills up
// from empty again and again, one step each 50 ms; full, not charging, a
// hidden window or a keyboard that went stop the animation, which costs
// nothing while it does not run.
#include <QtTest>

#include <QLabel>
#include <QTimer>

#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/SimMainWindow.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "widgets/BatteryItem.h"

using lumtar::sim::SimController;

class tst_BatteryGauge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void chargingAnimatesTheGauge();
    void animationStepsRoundFromEmptyToFull();
    void animationRunsOnlyWhileAChargingKeyboardIsSeen();

private:
    DDevicePage *startShown();
    BatteryItem *gauge() const { return m_page->findChild<BatteryItem *>(QStringLiteral("label_ElectricityNum")); }
    QTimer *animation() const { return m_page->findChild<QTimer *>(QStringLiteral("chargingAnimationTimer")); }

    SimMainWindow m_window;
    DDevicePage *m_page = nullptr;
};

void tst_BatteryGauge::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
}

void tst_BatteryGauge::cleanup()
{
    m_window.close();
    m_page = nullptr;
}

DDevicePage *tst_BatteryGauge::startShown()
{
    m_page = m_window.start("LT104RGB");
    if (!m_page || !DevicePageProbe(m_page).isKeyboardShown())
        return nullptr;
    m_page->window()->show();
    if (!QTest::qWaitForWindowExposed(m_page->window()))
        return nullptr;
    return m_page;
}

void tst_BatteryGauge::chargingAnimatesTheGauge()
{
    QVERIFY(startShown());
    auto &sim = SimController::instance();
    QVERIFY(gauge() && animation());
    QVERIFY(!animation()->isActive());
    QCOMPARE(animation()->interval(), 50);

    QVERIFY(sim.setBattery(m_window.path(), 55, 1));
    QTRY_VERIFY(animation()->isActive());
    QVERIFY(m_page->findChild<QLabel *>(QStringLiteral("label_Charging"))->isVisible());
    QVERIFY(!gauge()->showText());
    // The gauge moves on by itself, whatever level the keyboard reported.
    QTRY_VERIFY(gauge()->batteryLevel() >= 3 && gauge()->batteryLevel() != 55);
    const int earlier = gauge()->batteryLevel();
    QTRY_VERIFY(gauge()->batteryLevel() != earlier);

    // Full: the level stands at 100 with its text.
    QVERIFY(sim.setBattery(m_window.path(), 100, 2));
    QTRY_VERIFY(!animation()->isActive());
    QCOMPARE(gauge()->batteryLevel(), 100);
    QVERIFY(gauge()->showText());

    // Charging again starts from an empty gauge at its first tick.
    QVERIFY(sim.setBattery(m_window.path(), 60, 1));
    QTRY_VERIFY(animation()->isActive());
    QTRY_VERIFY(gauge()->batteryLevel() != 100);
    QVERIFY(gauge()->batteryLevel() < 20);

    // Not charging: the reported level, no animation.
    QVERIFY(sim.setBattery(m_window.path(), 40, 0));
    QTRY_VERIFY(!animation()->isActive());
    QCOMPARE(gauge()->batteryLevel(), 40);
    QVERIFY(!m_page->findChild<QLabel *>(QStringLiteral("label_Charging"))->isVisible());
    QTest::qWait(200);
    QCOMPARE(gauge()->batteryLevel(), 40);
}

void tst_BatteryGauge::animationStepsRoundFromEmptyToFull()
{
    QVERIFY(startShown());
    QVERIFY(SimController::instance().setBattery(m_window.path(), 55, 1));
    QTRY_VERIFY(animation()->isActive());
    animation()->stop();
    // Each tick shows the next level; after 99 comes 0.
    QList<int> levels;
    for (int tick = 0; tick < 150; ++tick) {
        m_page->onTimerChangingBatteryNum();
        levels << gauge()->batteryLevel();
    }
    for (int n = 1; n < levels.size(); ++n)
        QCOMPARE(levels.at(n), (levels.at(n - 1) + 1) % 100);
    QVERIFY(levels.contains(99) && levels.contains(0));
}

void tst_BatteryGauge::animationRunsOnlyWhileAChargingKeyboardIsSeen()
{
    QVERIFY(startShown());
    auto &sim = SimController::instance();
    QVERIFY(sim.setBattery(m_window.path(), 55, 1));
    QTRY_VERIFY(animation()->isActive());

    // A hidden window animates nothing, and goes on where it was when shown.
    m_page->window()->hide();
    QVERIFY(!animation()->isActive());
    const int level = gauge()->batteryLevel();
    QTest::qWait(200);
    QCOMPARE(gauge()->batteryLevel(), level);
    m_page->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page->window()));
    QVERIFY(animation()->isActive());

    // The charging keyboard went: nothing is left running.
    QVERIFY(sim.unplug(m_window.path()));
    QTRY_VERIFY(!DevicePageProbe(m_page).isKeyboardShown());
    QVERIFY(!animation()->isActive());
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_BatteryGauge test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_batterygauge.moc"
