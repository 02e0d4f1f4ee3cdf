// The main window on a real X display (a private Xvfb): closing to the tray
// when the desktop offers one, and pictures of the empty window in the five
// themes, saved under the build folder for a look by eye.
#include <QtTest>

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QStackedWidget>

#include "core/DDataManager.h"
#include "support/TempHome.h"
#include "support/XvfbServer.h"
#include "ui/mainwidget/DMainWidget.h"

#include <X11/Xlib.h>

namespace {

bool g_haveDisplay = false;

} // namespace

class tst_MainWidgetXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void closeButtonWithTray_data();
    void closeButtonWithTray();
    void emptyWindowInEveryTheme_data();
    void emptyWindowInEveryTheme();

private:
    Display *m_trayDisplay = nullptr;
};

void tst_MainWidgetXvfb::initTestCase()
{
    if (!g_haveDisplay)
        QSKIP("no private X server");
    QApplication::setQuitOnLastWindowClosed(false);
    // A desktop with a tray: some client owns the tray selection.
    m_trayDisplay = XOpenDisplay(nullptr);
    QVERIFY(m_trayDisplay);
    const Window owner = XCreateSimpleWindow(m_trayDisplay, DefaultRootWindow(m_trayDisplay), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(m_trayDisplay, XInternAtom(m_trayDisplay, "_NET_SYSTEM_TRAY_S0", False), owner, CurrentTime);
    XSync(m_trayDisplay, False);
    QTRY_VERIFY(QSystemTrayIcon::isSystemTrayAvailable());
}

void tst_MainWidgetXvfb::cleanupTestCase()
{
    if (m_trayDisplay)
        XCloseDisplay(m_trayDisplay);
}

void tst_MainWidgetXvfb::closeButtonWithTray_data()
{
    QTest::addColumn<bool>("closeToTray");
    QTest::newRow("to the tray") << true;
    QTest::newRow("end the program") << false;
}

void tst_MainWidgetXvfb::closeButtonWithTray()
{
    QFETCH(bool, closeToTray);
    DMainWidget w;
    QSettings(DDataManager::getInstance()->userConfigDir() + QStringLiteral("/LumtarConfig.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("CloseToTray/isCloseToTray"), closeToTray);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(77); });
    QTimer::singleShot(0, &w, [&] {
        w.findChild<QAbstractButton *>(QStringLiteral("pushButton_Close"))->click();
        stillRunning.start(1000);
    });
    QCOMPARE(QCoreApplication::exec(), closeToTray ? 77 : 0);
    QVERIFY(!w.isVisible());
    if (closeToTray) {
        // The tray brings it back.
        w.iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(w.isVisible());
    }
}

void tst_MainWidgetXvfb::emptyWindowInEveryTheme_data()
{
    QTest::addColumn<int>("theme");
    const char *names[] = {"Black", "Light", "Blue", "Pink", "Other"};
    for (int i = 0; i < 5; ++i)
        QTest::newRow(names[i]) << i;
}

void tst_MainWidgetXvfb::emptyWindowInEveryTheme()
{
    QFETCH(int, theme);
    DDataManager::getInstance()->loadThemeConfig(theme);
    DMainWidget w;
    w.onChangAppTheme(theme);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *pages = w.findChild<QStackedWidget *>(QStringLiteral("stackedWidget_3"));
    QVERIFY(pages);
    QTRY_COMPARE(pages->currentWidget()->objectName(), QStringLiteral("page_TipShow"));
    auto *tip = w.findChild<QLabel *>(QStringLiteral("label_Tip"));
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->text(), QStringLiteral("Device not connected"));
    QTest::qWait(300); // the scroll-bar sheet follows the theme

    const QImage picture = w.grab().toImage();
    QVERIFY(!picture.isNull());
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(picture.save(dir + QStringLiteral("/mainwidget_%1.png").arg(QLatin1String(QTest::currentDataTag()))));
}

int main(int argc, char **argv)
{
    TempHome home;
    XvfbServer xvfb(QSize(1920, 1080));
    g_haveDisplay = xvfb.startForApplication();
    QApplication app(argc, argv);
    tst_MainWidgetXvfb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwidget_xvfb.moc"
