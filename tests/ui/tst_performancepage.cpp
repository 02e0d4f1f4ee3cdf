// The performance page in the real main window against the simulated
// keyboard: the lock flags in their store order and their signal order,
// loading without side effects, what each model shows, the sleep-time
// submit, the gamepad question answered "No", the keyboard settings program
// started without waiting, and a profile path too long for the page.
#include <QtTest>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/ModalAnswer.h"
#include "support/SimMainWindow.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/trigger/DPerformancePage.h"

using lumtar::sim::SimController;

class tst_PerformancePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void lockFlagsStoreOrderAndSignalOrder();
    void loadingShowsDefaultsAndEmitsNothing();
    void visibilityByModel_data();
    void visibilityByModel();
    void submitSleepTimes();
    void gamePadNoRestoresTheRadio();
    void keyboardPropertiesDoesNotWait();
    void profilePathTooLongIsRefused();

private:
    DPerformancePage *startOnPerformancePage(const char *model);
    template <typename T> T *on(const char *name) const
    {
        T *w = m_page->findChild<DPerformancePage *>()->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("missing %s", name);
        return w;
    }

    SimMainWindow m_window;
    DDevicePage *m_page = nullptr;
};

void tst_PerformancePage::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
}

void tst_PerformancePage::cleanup()
{
    m_window.close();
    m_page = nullptr;
}

DPerformancePage *tst_PerformancePage::startOnPerformancePage(const char *model)
{
    m_page = m_window.start(model);
    if (!m_page)
        return nullptr;
    m_page->window()->resize(1366, 768);
    m_page->window()->show();
    m_page->onCurIndexChangedMainPage(DDevicePage::PerformancePage);
    return m_page->findChild<DPerformancePage *>();
}

void tst_PerformancePage::lockFlagsStoreOrderAndSignalOrder()
{
    DPerformancePage *page = startOnPerformancePage("LT104RGB");
    QVERIFY(page);
    QSignalSpy locks(page, &DPerformancePage::sigLockWinKeyAbout);
    on<QCheckBox>("checkBox_disableALT_TAB")->click();
    QCOMPARE(locks.size(), 1);
    QCOMPARE(locks.last(), (QList<QVariant>{0, 0, 1, 0}));
    char flags[4][8] = {};
    const QByteArray path = DevicePageProbe(m_page).xmlProfilePath();
    QVERIFY(CLumtarXML_GetProFileFunctionInfo(path.constData(), "1", flags));
    QCOMPARE((QStringList{flags[0], flags[1], flags[2], flags[3]}), (QStringList{"1", "0", "0", "0"}));
    // The keyboard gets the signal's order in its Win-lock report.
    QTRY_VERIFY_WITH_TIMEOUT(SimController::instance().state(m_window.path()).lockFlags != (std::array<int, 4>{}),
                             20000);

    on<QCheckBox>("checkBox_disableWindowsKey")->click();
    QCOMPARE(locks.last(), (QList<QVariant>{1, 0, 1, 0}));
    QVERIFY(CLumtarXML_GetProFileFunctionInfo(path.constData(), "1", flags));
    QCOMPARE((QStringList{flags[0], flags[1], flags[2], flags[3]}), (QStringList{"1", "0", "0", "1"}));
}

void tst_PerformancePage::loadingShowsDefaultsAndEmitsNothing()
{
    DPerformancePage page;
    QSignalSpy locks(&page, &DPerformancePage::sigLockWinKeyAbout);
    QSignalSpy sleep(&page, &DPerformancePage::sigLightAndKeyboardSleepTime);
    page.setXmlProfilePath("/nonexistent/profile.xml");
    page.loadPerformanceInfo();
    QCOMPARE(page.findChild<QLineEdit *>("lineEdit_LightSleep")->text(), QStringLiteral("600"));
    QCOMPARE(page.findChild<QLineEdit *>("lineEdit_KeyboardSleep")->text(), QStringLiteral("30"));
    for (const char *box : {"checkBox_disableWindowsKey", "checkBox_disableSHIFT_TAB", "checkBox_disableALT_TAB",
                            "checkBox_disableALT_F4"})
        QVERIFY(!page.findChild<QCheckBox *>(box)->isChecked());
    QCOMPARE(locks.size(), 0);
    QCOMPARE(sleep.size(), 0);
    QVERIFY(page.findChild<QPushButton *>("pushButton_Restore")->isHidden());
}

void tst_PerformancePage::visibilityByModel_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<bool>("sleep");
    QTest::addColumn<bool>("prohibit");
    QTest::newRow("magnetic") << QByteArray("LT108HE") << false << false;
    QTest::newRow("prohibit-sleep model") << QByteArray("LT104RGB") << true << true;
}

void tst_PerformancePage::visibilityByModel()
{
    QFETCH(QByteArray, model);
    QFETCH(bool, sleep);
    QFETCH(bool, prohibit);
    QVERIFY(startOnPerformancePage(model.constData()));
    QCOMPARE(on<QWidget>("frame_Center")->isVisible(), sleep);
    QCOMPARE(on<QWidget>("frame_ProhibitSleep")->isVisibleTo(on<QWidget>("frame_Center")), prohibit);
    QCOMPARE(on<QWidget>("frame_GamePad")->isVisible(), DDataManager::getInstance()->gamePadMode() != -1);

    // A layout of type 5 has no sleep settings either; gamepad -1 no gamepad block.
    DPerformancePage *page = m_page->findChild<DPerformancePage *>();
    const int type = DDataManager::getInstance()->hidDeviceType();
    const int gamepad = DDataManager::getInstance()->gamePadMode();
    DDataManager::getInstance()->setHidDeviceType(5);
    DDataManager::getInstance()->setGamePadMode(-1);
    page->loadPerformanceInfo();
    QVERIFY(!on<QWidget>("frame_Center")->isVisible());
    QVERIFY(!on<QWidget>("frame_GamePad")->isVisible());
    DDataManager::getInstance()->setHidDeviceType(type);
    DDataManager::getInstance()->setGamePadMode(gamepad);
}

void tst_PerformancePage::submitSleepTimes()
{
    DPerformancePage *page = startOnPerformancePage("LT104RGB");
    QVERIFY(page);
    QSignalSpy sleep(page, &DPerformancePage::sigLightAndKeyboardSleepTime);
    QLineEdit *light = on<QLineEdit>("lineEdit_LightSleep");
    QLineEdit *keyboard = on<QLineEdit>("lineEdit_KeyboardSleep");
    light->clear();
    keyboard->clear();
    QTest::keyClicks(keyboard, QStringLiteral("1"));
    on<QPushButton>("pushButton_SubmitSleepTime")->click();
    QCOMPARE(sleep.size(), 1);
    QCOMPARE(sleep.last(), (QList<QVariant>{0, 60, 0}));
    QTRY_COMPARE_WITH_TIMEOUT(ModalAnswer::notice(m_page), QStringLiteral("Keyboard enters sleep time is too short"),
                              20000);

    light->clear();
    QTest::keyClicks(light, QStringLiteral("60001"));
    QCOMPARE(light->text(), QStringLiteral("6000"));
    keyboard->clear();
    QTest::keyClicks(keyboard, QStringLiteral("1001"));
    QCOMPARE(keyboard->text(), QStringLiteral("100"));

    // With "Prohibit Sleep" the keyboard field is read-only but still sent.
    on<QCheckBox>("checkBox_ProhibitSleep")->click();
    QVERIFY(keyboard->isReadOnly());
    light->setText(QStringLiteral("300"));
    keyboard->setText(QStringLiteral("5"));
    on<QPushButton>("pushButton_SubmitSleepTime")->click();
    QCOMPARE(sleep.last(), (QList<QVariant>{300, 300, 1}));
    QTRY_COMPARE_WITH_TIMEOUT(SimController::instance().state(m_window.path()).keyboardSleepSeconds, 300, 20000);
    QCOMPARE(SimController::instance().state(m_window.path()).lightSleepSeconds, 300);
    QCOMPARE(SimController::instance().state(m_window.path()).prohibitSleep, 1);
}

void tst_PerformancePage::gamePadNoRestoresTheRadio()
{
    QVERIFY(startOnPerformancePage("LT108HE"));
    QCOMPARE(DDataManager::getInstance()->gamePadMode(), 0);
    QRadioButton *xbox = on<QRadioButton>("radioButton_GamePadXbox360");
    QVERIFY(on<QRadioButton>("radioButton_GamePadDisable")->isChecked());
    QTimer::singleShot(0, this, [] { ModalAnswer::clickButton(QStringLiteral("No")); });
    QTest::mouseClick(xbox, Qt::LeftButton, Qt::NoModifier, QPoint(6, xbox->height() / 2));
    QTRY_VERIFY_WITH_TIMEOUT(on<QRadioButton>("radioButton_GamePadDisable")->isChecked(), 20000);
    QVERIFY(!xbox->isChecked());
    QCOMPARE(SimController::instance().state(m_window.path()).gamepadMode, 0);
}

void tst_PerformancePage::keyboardPropertiesDoesNotWait()
{
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    // The settings program records its arguments and stays open a long while.
    const QString script = bin.path() + QStringLiteral("/xfce4-keyboard-settings");
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\necho \"$@\" > \"$0.args\"\nsleep 60\n");
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

    QCOMPARE(KeyboardProperties::find(QStringLiteral("XFCE"), bin.path()).program, script);
    QVERIFY(!KeyboardProperties::find(QStringLiteral("XFCE"), bin.path() + QStringLiteral("/none")).isValid());

    DPerformancePage page;
    page.setKeyboardProperties(KeyboardProperties::Command());
    QVERIFY(page.findChild<QPushButton *>("pushButton_keyboardProperties")->isHidden());
    // Its panel holds nothing else: no empty frame stays behind.
    QVERIFY(page.findChild<QWidget *>("frame_Right")->isHidden());
    page.setKeyboardProperties(KeyboardProperties::find(QStringLiteral("ubuntu:GNOME"), bin.path()));
    QVERIFY(!page.findChild<QPushButton *>("pushButton_keyboardProperties")->isHidden());
    QVERIFY(!page.findChild<QWidget *>("frame_Right")->isHidden());
    // Returns while the program still runs (it sleeps a minute).
    page.findChild<QPushButton *>("pushButton_keyboardProperties")->click();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(script + QStringLiteral(".args")), 20000);

    // A desktop with an argument: recorded as given.
    const QString gnome = bin.path() + QStringLiteral("/gnome-control-center");
    QVERIFY(QFile::copy(script, gnome));
    QVERIFY(QFile(gnome).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const KeyboardProperties::Command command = KeyboardProperties::find(QStringLiteral("ubuntu:GNOME"), bin.path());
    QCOMPARE(command.program, gnome);
    QCOMPARE(command.arguments, QStringList{QStringLiteral("keyboard")});
    QVERIFY(KeyboardProperties::open(command));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(gnome + QStringLiteral(".args")), 20000);
    const auto recorded = [&gnome] {
        QFile args(gnome + QStringLiteral(".args"));
        return args.open(QIODevice::ReadOnly) ? args.readAll().trimmed() : QByteArray();
    };
    QTRY_COMPARE_WITH_TIMEOUT(recorded(), QByteArray("keyboard"), 20000);
}

void tst_PerformancePage::profilePathTooLongIsRefused()
{
    DPerformancePage page;
    page.setXmlProfilePath("/tmp/ok.xml");
    QCOMPARE(QByteArray(page.xmlProfilePath()), QByteArray("/tmp/ok.xml"));
    const QByteArray tooLong(DPerformancePage::PathCapacity, 'a');
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("profile path of 256 bytes")));
    page.setXmlProfilePath(tooLong.constData());
    QCOMPARE(QByteArray(page.xmlProfilePath()), QByteArray());
    const QByteArray fits(DPerformancePage::PathCapacity - 1, 'b');
    page.setXmlProfilePath(fits.constData());
    QCOMPARE(QByteArray(page.xmlProfilePath()), fits);
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_PerformancePage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_performancepage.moc"
