// A text key on a real X display (a private Xvfb), as a user meets it: the
// text is given to key A on the Text page of the main window, the profile
// downloaded to the simulated keyboard, and when the keyboard reports A the
// text appears in the window that has the keyboard focus, through the
// clipboard and Ctrl+V sent with XTest.
#include <QtTest>

#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "platform/hostinput/X11HostInput.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/KeyAssignmentWindow.h"
#include "support/TempHome.h"
#include "support/XvfbServer.h"
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CustomButton.h"

using lumtar::sim::SimController;
using Table = CustomKeysPageTable;

namespace {

bool g_haveDisplay = false;
const int kA = 4;

} // namespace

class tst_TextTypingXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textAppearsInTheFocusedWindow();
};

void tst_TextTypingXvfb::initTestCase()
{
    if (!g_haveDisplay)
        QSKIP("no private X server");
    QVERIFY(SimMainWindow::initialise());
}

void tst_TextTypingXvfb::textAppearsInTheFocusedWindow()
{
    KeyAssignmentWindow window;
    QVERIFY(window.start("LT108HE"));
    KeyAssignmentWindow::viewKey(kA)->click();
    window.host()->functionButton(Table::TextPage)->click();
    DKeyFunctionPage *textPage = window.host()->shownFunctionPage();
    const QString text = QStringLiteral("héllo wörld");
    textPage->findChild<QTextEdit *>(QStringLiteral("textEdit_keyText"))->insertPlainText(text);
    textPage->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
    QCOMPARE(window.toast(), QStringLiteral("Operate successful"));
    QVERIFY(window.download());
    QCOMPARE(window.onboardKey(0, kA), QByteArray("16000004"));

    // Another window has the keyboard focus.
    QLineEdit target;
    target.setWindowTitle(QStringLiteral("target"));
    target.resize(400, 40);
    target.show();
    target.activateWindow();
    target.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&target));
    QTRY_VERIFY(target.hasFocus());

    // The desktop's own host input, held here so that its X connection
    // closes before the private server ends.
    X11HostInput host;
    DDeviceKeyboardLink *link = DevicePageProbe(window.page()).currentLink();
    link->setHostInput(&host);
    QVERIFY(SimController::instance().sendFunctionKey(window.path(), 0, kA, true));
    QVERIFY(SimController::instance().sendFunctionKey(window.path(), 0, kA, false));
    QTRY_COMPARE_WITH_TIMEOUT(target.text(), text, 10000);
    QTest::qWait(200);
    QCOMPARE(target.text(), text); // once
    link->setHostInput(nullptr);
}

int main(int argc, char **argv)
{
    TempHome home;
    XvfbServer xvfb(QSize(1600, 900));
    g_haveDisplay = xvfb.startForApplication();
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_TextTypingXvfb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_texttyping_xvfb.moc"
