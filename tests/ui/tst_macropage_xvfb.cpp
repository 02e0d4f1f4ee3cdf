// Recording a macro on a real X display (a private Xvfb) through the real
// hook that the customise-keys page runs: keys and buttons faked with XTest
// become rows (main and keypad Enter apart), the click that starts the
// recording is not recorded, Esc is recorded and closes nothing, and no
// keyboard grab is left after the stop or after any close. A recorded macro,
// bound to a key and downloaded through the real I/O thread, lands in the
// simulated keyboard's macro slot, and so does each later edit of it.
#include <QtTest>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/FormActions.h"
#include "support/KeyAssignmentWindow.h"
#include "support/TempHome.h"
#include "support/XTestInput.h"
#include "support/XvfbServer.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CustomButton.h"

namespace {

bool g_haveDisplay = false;
constexpr int kWait = 20000;

// X key codes (evdev numbering).
constexpr int kKeyA = 38, kKeyB = 56, kReturn = 36, kKpEnter = 104, kEscape = 9;
// The keyboard's code of the key that plays the macro (C).
constexpr int kCodeC = 6;

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
    void recordedMacroReachesTheKeyboard();

private:
    DMacroPage *openEditor();
    DMacroListItem *openMacro(const QString &name);
    void closeEditor();
    QByteArray downloadedMacro(int keyCode);
    // Keys released 20 ms after their press, as typed.
    void fakeKey(int keyCode) { m_x.tap(keyCode, 20); }
    void clickRecord() { m_x.clickAt(m_page->findChild<QFrame *>(QStringLiteral("frame_Record"))->mapToGlobal(QPoint(30, 20))); }
    QStringList rows() const;

    KeyAssignmentWindow m_window;
    XTestInput m_x;
    QPointer<DMacroPage> m_page;
};

void tst_MacroPageXvfb::initTestCase()
{
    if (!g_haveDisplay)
        QSKIP("no private X server");
    QVERIFY(m_x.open());
    QVERIFY(SimMainWindow::initialise());
    QVERIFY(m_window.start("LT108HE"));
    // The firmware window would take the clicks meant for the editor.
    QVERIFY(m_window.dismissFirmwareOffer());
}

void tst_MacroPageXvfb::cleanupTestCase()
{
    delete m_page.data();
    m_window.stop();
    m_x.close();
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
    QVERIFY(m_x.othersCanGrab());
    clickRecord();
    QTRY_VERIFY_WITH_TIMEOUT(m_page->isRecording(), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(!m_x.othersCanGrab(), kWait);
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
    m_x.clickAt(QPoint(1530, 830));
    QTRY_COMPARE_WITH_TIMEOUT(m_page->eventRows().size(), 12, kWait);
    // The stop, as the record button's release reaches it.
    QTest::mouseClick(m_page->findChild<QFrame *>(QStringLiteral("frame_Record")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->isRecording(), kWait);
    QVERIFY(m_page); // Esc closed nothing
    QTRY_VERIFY_WITH_TIMEOUT(m_x.othersCanGrab(), kWait);
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
    QVERIFY(m_x.othersCanGrab());
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
    QTRY_VERIFY_WITH_TIMEOUT(!m_x.othersCanGrab(), kWait);
    if (how == QLatin1String("button"))
        m_page->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
    else
        m_page->close();
    QTRY_VERIFY_WITH_TIMEOUT(!m_page, kWait);
    QVERIFY(m_x.othersCanGrab());
}

DMacroListItem *tst_MacroPageXvfb::openMacro(const QString &name)
{
    for (DMacroListItem *row : m_page->macroRows()) {
        if (row->macroName() == name) {
            QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, QPoint(20, row->height() / 2));
            return m_page->currentMacroName() == name ? row : nullptr;
        }
    }
    return nullptr;
}

void tst_MacroPageXvfb::closeEditor()
{
    m_page->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!m_page, kWait);
}

// Downloads the profile and gives what the keyboard keeps in the macro slot
// of the key: the slot's 256 bytes in hex, empty when the key plays no macro.
QByteArray tst_MacroPageXvfb::downloadedMacro(int keyCode)
{
    if (!m_window.download())
        return QByteArray("download failed");
    const QByteArray record = m_window.onboardKey(0, keyCode);
    if (!record.startsWith("10"))
        return QByteArray("key record ") + record;
    const int slot = record.mid(4, 2).toInt(nullptr, 16);
    const std::vector<uint8_t> image = lumtar::sim::SimController::instance().onboardMacro(m_window.path(), slot);
    return QByteArray(reinterpret_cast<const char *>(image.data()), int(image.size())).toHex();
}

void tst_MacroPageXvfb::recordedMacroReachesTheKeyboard()
{
    // A new macro, recorded with a default delay of 40 ms between events.
    QVERIFY(openEditor());
    const int before = m_page->macroRows().size();
    m_page->findChild<QPushButton *>(QStringLiteral("pushButton_Add"))->click();
    QCOMPARE(m_page->macroRows().size(), before + 1);
    const QString name = m_page->macroRows().last()->macroName();
    QVERIFY(openMacro(name));
    QVERIFY(m_page->eventRows().isEmpty());
    clickRadio(m_page->findChild<QRadioButton *>(QStringLiteral("radioButton_DefaultDelay")));
    auto *defaultDelay = m_page->findChild<QLineEdit *>(QStringLiteral("lineEdit_DefaultDelayNum"));
    defaultDelay->selectAll();
    QTest::keyClicks(defaultDelay, QStringLiteral("40"));
    QCOMPARE(defaultDelay->text(), QStringLiteral("40"));
    clickRecord();
    QTRY_VERIFY_WITH_TIMEOUT(m_page->isRecording(), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(!m_x.othersCanGrab(), kWait);
    fakeKey(kKeyA);
    fakeKey(kKeyB);
    QTRY_COMPARE_WITH_TIMEOUT(m_page->eventRows().size(), 4, kWait);
    QTest::mouseClick(m_page->findChild<QFrame *>(QStringLiteral("frame_Record")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->isRecording(), kWait);
    QCOMPARE(rows(), (QStringList{"key 4 down", "key 4 up", "key 5 down", "key 5 up"}));
    closeEditor();

    // Key C plays it three times.
    keyboardButCustom *key = KeyAssignmentWindow::viewKey(kCodeC);
    QVERIFY(key);
    key->click();
    DCustomKeysPage *keys = m_window.host();
    keys->onCurIndexChanged_Key(CustomKeysPageTable::MacroPage);
    DKeyFunctionPage *macroPage = keys->shownFunctionPage();
    QCOMPARE(macroPage, keys->functionPage(CustomKeysPageTable::MacroPage));
    auto *combo = namedChild<QComboBox>(macroPage, "comboBox_Macro");
    const int entry = combo->findText(name);
    QVERIFY(entry >= 0);
    pickEntry(combo, entry);
    clickRadio(namedChild<QRadioButton>(macroPage, "radioButton_playMany"));
    auto *count = namedChild<QLineEdit>(macroPage, "lineEdit_playMany");
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("3"));

    // Slot header: play mode 2 - 1, 4 x 4 event bytes, three times. Each
    // event: code, 0x10 for a press, the delay to the next event (the last
    // one 0).
    const QByteArray zeros(2 * 256, '0');
    QByteArray expected = QByteArray("0001001000030000") + "04100028" "04000028" "05100028" "05000000";
    QCOMPARE(downloadedMacro(kCodeC), expected + zeros.mid(expected.size()));

    // Edited: A's release comes 300 ms after its press, and a right click
    // follows the last row.
    QVERIFY(openEditor());
    QVERIFY(openMacro(name));
    QCOMPARE(m_page->eventRows().size(), 4);
    QTest::mouseClick(m_page->eventRows().at(1), Qt::LeftButton);
    auto *delay = m_page->findChild<QLineEdit *>(QStringLiteral("lineEdit_DelayNum"));
    QCOMPARE(delay->text(), QStringLiteral("40"));
    delay->selectAll();
    QTest::keyClicks(delay, QStringLiteral("300"));
    m_page->findChild<QPushButton *>(QStringLiteral("pushButton_ModifyMacro"))->click();
    QTest::mouseClick(m_page->eventRows().at(3), Qt::LeftButton);
    clickRadio(m_page->findChild<QRadioButton *>(QStringLiteral("radioButton_Mouse")));
    clickRadio(m_page->findChild<QRadioButton *>(QStringLiteral("radioButton_MouseRight")));
    m_page->findChild<QPushButton *>(QStringLiteral("pushButton_InsertMacro"))->click();
    QCOMPARE(rows(), (QStringList{"key 4 down", "key 4 up", "key 5 down", "key 5 up", "mouse 516 down",
                                  "mouse 517 up"}));
    closeEditor();

    // Right button: code 2, 0x01 added to the flags of a mouse event.
    expected = QByteArray("0001001800030000") + "0410012c" "04000028" "05100028" "05000000" "02110000" "02010000";
    QCOMPARE(downloadedMacro(kCodeC), expected + zeros.mid(expected.size()));
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
