// Recording a macro on a real X display (a private Xvfb) through the real
// hook that the customise-keys page runs: keys and buttons faked with XTest
// become rows (main and keypad Enter apart), the click that starts the
// recording is not recorded, Esc is recorded and closes nothing, and no
// keyboard grab is left after the stop or after any close.
#include <QtTest>

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "support/KeyAssignmentWindow.h"
#include "support/TempHome.h"
#include "support/XvfbServer.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

bool g_haveDisplay = false;
constexpr int kWait = 20000;

// X key codes (evdev numbering).
constexpr int kKeyA = 38, kKeyB = 56, kReturn = 36, kKpEnter = 104, kEscape = 9;

} // namespace

class tst_MacroPageXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void recordsFromTheDesktop();
    void closingWhileRecordingLeavesNoGrab_data();
    void closingWhileRecordingLeavesNoGrab();

private:
    DMacroPage *openEditor();
    void fakeKey(int keyCode);
    void clickAt(QPoint global, int button = 1);
    void clickRecord() { clickAt(m_page->findChild<QFrame *>(QStringLiteral("frame_Record"))->mapToGlobal(QPoint(30, 20))); }
    bool othersCanGrab();
    QStringList rows() const;

    KeyAssignmentWindow m_window;
    Display *m_x = nullptr;
    QPointer<DMacroPage> m_page;
};

void tst_MacroPageXvfb::initTestCase()
{
    if (!g_haveDisplay)
        QSKIP("no private X server");
    m_x = XOpenDisplay(nullptr);
    QVERIFY(m_x);
    QVERIFY(SimMainWindow::initialise());
    QVERIFY(m_window.start("LT108HE"));
}

void tst_MacroPageXvfb::cleanupTestCase()
{
    delete m_page.data();
    m_window.stop();
    if (m_x)
        XCloseDisplay(m_x);
}

DMacroPage *tst_MacroPageXvfb::openEditor()
{
    emit m_window.page()->sigShowMacroPage();
    QWidget *main = m_window.page()->window();
    m_page = main->findChild<DMacroPage *>();
    if (m_page)
        m_page->activateWindow();
    if (!m_page || !QTest::qWaitForWindowExposed(m_page))
        return nullptr;
    if (m_page->macroRows().isEmpty()) {
        QTest::qWait(400); // the list comes 200 ms after the dialog
        if (m_page->macroRows().isEmpty())
            m_page->findChild<QPushButton *>(QStringLiteral("pushButton_Add"))->click();
    }
    if (!QTest::qWaitFor([this] { return !m_page->macroRows().isEmpty(); }, kWait))
        return nullptr;
    return m_page;
}

void tst_MacroPageXvfb::fakeKey(int keyCode)
{
    XTestFakeKeyEvent(m_x, unsigned(keyCode), True, CurrentTime);
    XTestFakeKeyEvent(m_x, unsigned(keyCode), False, 20);
    XSync(m_x, False);
}

void tst_MacroPageXvfb::clickAt(QPoint global, int button)
{
    XTestFakeMotionEvent(m_x, -1, global.x(), global.y(), CurrentTime);
    XSync(m_x, False);
    QTest::qWait(400); // the pointer's crossing reaches the dialog
    XTestFakeButtonEvent(m_x, unsigned(button), True, CurrentTime);
    XTestFakeButtonEvent(m_x, unsigned(button), False, 20);
    XSync(m_x, False);
}

bool tst_MacroPageXvfb::othersCanGrab()
{
    const int status = XGrabKeyboard(m_x, DefaultRootWindow(m_x), False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (status == GrabSuccess) {
        XUngrabKeyboard(m_x, CurrentTime);
        XSync(m_x, False);
    }
    return status == GrabSuccess;
}

QStringList tst_MacroPageXvfb::rows() const
{
    QStringList out;
    for (const DCatchKeyAndMouseItem *r : m_page->eventRows())
        out << QStringLiteral("%1 %2 %3").arg(r->type(), r->keyCode(), r->operateExplain());
    return out;
}

void tst_MacroPageXvfb::recordsFromTheDesktop()
{
    QVERIFY(openEditor());
    QVERIFY(othersCanGrab());
    clickRecord();
    QTRY_VERIFY_WITH_TIMEOUT(m_page->isRecording(), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(!othersCanGrab(), kWait);
    fakeKey(kKeyA);
    fakeKey(kKeyB);
    fakeKey(kReturn);
    fakeKey(kKpEnter);
    fakeKey(kEscape);
    QTRY_COMPARE_WITH_TIMEOUT(m_page->eventRows().size(), 10, kWait);
    // A click outside the dialog is recorded; the clicks on the record
    // button are not.
    // (On another program's window: a press on the blocked main window would
    // bring it above the dialog when no window manager runs.)
    QWidget other;
    other.setWindowFlags(Qt::ToolTip);
    other.setGeometry(1480, 780, 100, 100);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    clickAt(QPoint(1530, 830));
    QTRY_COMPARE_WITH_TIMEOUT(m_page->eventRows().size(), 12, kWait);
    // The stop, as the record button's release reaches it.
    QTest::mouseClick(m_page->findChild<QFrame *>(QStringLiteral("frame_Record")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->isRecording(), kWait);
    QVERIFY(m_page); // Esc closed nothing
    QTRY_VERIFY_WITH_TIMEOUT(othersCanGrab(), kWait);
    QCOMPARE(rows(), (QStringList{"key 4 down", "key 4 up", "key 5 down", "key 5 up", "key 40 down", "key 40 up",
                                  "key 88 down", "key 88 up", "key 41 down", "key 41 up", "mouse 513 down",
                                  "mouse 514 up"}));
    int sum = 0;
    for (const DCatchKeyAndMouseItem *r : m_page->eventRows())
        sum += r->delay().toInt();
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("label_TotalTime"))->text(),
             QString::number(sum) + QStringLiteral(" MS"));
    m_page->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!m_page, kWait);
    QVERIFY(othersCanGrab());
}

void tst_MacroPageXvfb::closingWhileRecordingLeavesNoGrab_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("button") << "button";
    QTest::newRow("window close") << "window close";
}

void tst_MacroPageXvfb::closingWhileRecordingLeavesNoGrab()
{
    QFETCH(QString, how);
    QVERIFY(openEditor());
    clickRecord();
    QTRY_VERIFY_WITH_TIMEOUT(m_page->isRecording(), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(!othersCanGrab(), kWait);
    if (how == QLatin1String("button"))
        m_page->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
    else
        m_page->close();
    QTRY_VERIFY_WITH_TIMEOUT(!m_page, kWait);
    QVERIFY(othersCanGrab());
}

int main(int argc, char **argv)
{
    TempHome home;
    XvfbServer xvfb(QSize(1600, 900));
    g_haveDisplay = xvfb.startForApplication();
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_MacroPageXvfb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_macropage_xvfb.moc"
