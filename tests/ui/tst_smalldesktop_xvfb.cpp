// The program on a small desktop without a compositing manager (a private
// 1366 x 768 Xvfb): the whole keyboard and the page below it fit the
// window, and popups are drawn opaque unless a compositing manager runs.
#include <QtTest>

#include <QDir>

#include "core/DDataManager.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/TempHome.h"
#include "support/XvfbServer.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/ArrowWidget.h"

#include <X11/Xlib.h>

using lumtar::sim::SimController;

namespace {

bool g_haveDisplay = false;
const QSize kScreen(1366, 768);

QRect rectInWindow(const QWidget *widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

} // namespace

class tst_SmallDesktopXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void wholeKeyboardFits_data();
    void wholeKeyboardFits();
    void popupsOpaqueWithoutCompositing();
};

void tst_SmallDesktopXvfb::initTestCase()
{
    if (!g_haveDisplay)
        QSKIP("no private X server");
    QApplication::setQuitOnLastWindowClosed(false);
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    SimController::instance().unplugAll();
}

void tst_SmallDesktopXvfb::cleanup()
{
    SimController::instance().unplugAll();
    QTest::qWait(50);
}

void tst_SmallDesktopXvfb::wholeKeyboardFits_data()
{
    QTest::addColumn<QString>("model");
    QTest::newRow("LT108HE") << "LT108HE";
    QTest::newRow("LT104RGB") << "LT104RGB";
    QTest::newRow("LT68HE") << "LT68HE";
}

void tst_SmallDesktopXvfb::wholeKeyboardFits()
{
    QFETCH(QString, model);
    SimController::instance().plug(model.toStdString());
    DMainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    DDevicePage *page = window.devicePage();
    QVERIFY(DevicePageProbe(page).waitUntilIdle(40000));
    QVERIFY(DevicePageProbe(page).isKeyboardShown());
    QTest::qWait(100); // the layout settles

    QVERIFY(window.height() <= kScreen.height());
    const QRect inside(QPoint(0, 0), window.size());
    auto *view = page->findChild<hidDeviceJoinFrame *>();
    QVERIFY(view);
    const QRect keyboard = rectInWindow(view->canvas());
    const QRect below = rectInWindow(page->findChild<QWidget *>(QStringLiteral("frame_9")));
    const QRect pages = rectInWindow(page->findChild<QWidget *>(QStringLiteral("widget_RightBottom")));
    QVERIFY2(inside.contains(keyboard), qPrintable(QStringLiteral("keyboard %1,%2 %3x%4")
                                                       .arg(keyboard.x()).arg(keyboard.y())
                                                       .arg(keyboard.width()).arg(keyboard.height())));
    QVERIFY2(keyboard.bottom() < below.top(), qPrintable(QString::number(keyboard.bottom())));
    QVERIFY(inside.contains(pages));
    // Nothing of the keyboard is hidden by the frame that holds it.
    const QRect holder = rectInWindow(page->findChild<QWidget *>(QStringLiteral("hidDeviceShowFrame")));
    QVERIFY(holder.contains(keyboard));

    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(window.grab().toImage().save(dir + QStringLiteral("/small_desktop_%1.png").arg(model)));
}

void tst_SmallDesktopXvfb::popupsOpaqueWithoutCompositing()
{
    {
        // Xvfb alone runs no compositing manager.
        ArrowWidget panel(1);
        QVERIFY(!panel.isTranslucent());
        QVERIFY(!panel.testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(panel.windowOpacity(), 1.0);
        panel.setWidgetSize(200, 80);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        // Cut to the panel and its arrow; the corners are not part of it.
        QVERIFY(!panel.mask().isEmpty());
        QVERIFY(panel.mask().contains(QPoint(100, 40)));
        QVERIFY(!panel.mask().contains(QPoint(1, 1)));
    }

    // A compositing manager starts: the next panel is translucent.
    Display *display = XOpenDisplay(nullptr);
    QVERIFY(display);
    const Window owner = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    XSetSelectionOwner(display, XInternAtom(display, selection.constData(), False), owner, CurrentTime);
    XSync(display, False);
    {
        ArrowWidget panel(1);
        QVERIFY(panel.isTranslucent());
        QVERIFY(panel.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(panel.mask().isEmpty());
    }
    XCloseDisplay(display);
}

int main(int argc, char **argv)
{
    TempHome home;
    XvfbServer xvfb(kScreen);
    g_haveDisplay = xvfb.startForApplication();
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_SmallDesktopXvfb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_smalldesktop_xvfb.moc"
