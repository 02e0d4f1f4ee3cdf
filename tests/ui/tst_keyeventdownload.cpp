// Keys the keyboard carries out itself, end to end: the main window with a
// simulated keyboard behind the real I/O thread. A key is given another key
// or a key combination on the pop-up keyboard, a multimedia, mouse or
// shortcut function, a gamepad control (keyboard started in a gamepad mode),
// a keyboard light event or a side light event on its page, the profile is
// downloaded and the key's record read back from the keyboard's memory.
#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>

#include "core/DDataManager.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/FormActions.h"
#include "support/KeyAssignmentWindow.h"
#include "support/ProfileFileFixture.h"
#include "device/RecordFieldText.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/SoftKeyboardButCustom.h"
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DGamePadView.h"
#include "ui/mainwidget/devicePage/customKeys/DSoftKeyboardPage.h"
#include "ui/mainwidget/devicePage/customKeys/DTargetKeyPage.h"
#include "ui/mainwidget/devicePage/customKeys/DVirtualKeyboardTool.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CustomButton.h"

using Fixture = ProfileFileFixture;
using Table = CustomKeysPageTable;

namespace {

const int kA = 4;

QString fieldsOf(const KeyOperateInfoStu &item)
{
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromLatin1(recordFieldText(item.type)), QString::fromLatin1(recordFieldText(item.mode)),
             QString::fromLatin1(recordFieldText(item.value)));
}

// Opens the page's pop-up keyboard as focusing its field does, clicks the
// keys on it and closes it again.
void pickOnPopup(DTargetKeyPage *page, const QList<int> &keys)
{
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(page->findChild<QLineEdit *>(), &focusIn);
    QVERIFY(page->isPopupOpen());
    QTRY_VERIFY(page->popup()->isVisible());
    for (int code : keys) {
        SoftKeyboardButCustom *button = page->virtualKeyboard()->softKeyboard()->keyButtons().value(code);
        QVERIFY2(button && button->isVisible(), qPrintable(QString::number(code)));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    page->closePopup();
    QVERIFY(!page->popup()->isVisible());
}

} // namespace

class tst_KeyEventDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void gamePadControl_data();
    void gamePadControl();
    void gamePadHidden_data();
    void gamePadHidden();
    void lightEvents_data();
    void lightEvents();
    void targetAndChoiceKeys_data();
    void targetAndChoiceKeys();

private:
    DCustomKeysPage *host() const { return m_window.host(); }
    void clickViewKey(int code);

    KeyAssignmentWindow m_window;
};

void tst_KeyEventDownload::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
}

void tst_KeyEventDownload::cleanup()
{
    m_window.stop();
}

void tst_KeyEventDownload::clickViewKey(int code)
{
    keyboardButCustom *key = KeyAssignmentWindow::viewKey(code);
    QVERIFY(key);
    key->click();
    QCOMPARE(DDataManager::getInstance()->clickedKeyCode(), code);
}

void tst_KeyEventDownload::gamePadControl_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("controls");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("Xbox360: Button A") << 1 << "page_Xbox360" << "GamePad Xbox360" << 25 << 10 << QByteArray("46")
                                       << QByteArray("190a0000");
    QTest::newRow("Classical: Arrow Right") << 2 << "page_Classical" << "GamePad Classical" << 33 << 32
                                            << QByteArray("45") << QByteArray("18200000");
}

void tst_KeyEventDownload::gamePadControl()
{
    QFETCH(int, mode);
    QFETCH(QString, set);
    QFETCH(QString, heading);
    QFETCH(int, controls);
    QFETCH(int, value);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, record);
    DDevicePage *page = m_window.start("LT108HE", mode);
    QVERIFY(page);
    DevicePageProbe probe(page);
    QCOMPARE(DDataManager::getInstance()->gamePadMode(), mode);
    clickViewKey(kA);
    CustomButton *button = host()->functionButton(Table::GamePadPage);
    QVERIFY(button->isVisible());
    button->click();
    auto *gamePad = qobject_cast<DGamePadView *>(host()->shownFunctionPage());
    QVERIFY(gamePad);
    QCOMPARE(namedChild<QStackedWidget>(gamePad, "stackedWidget")->currentWidget()->objectName(), set);
    QCOMPARE(namedChild<QLabel>(gamePad, "label")->text(), heading);
    int visible = 0;
    for (QAbstractButton *control : gamePad->findChildren<QAbstractButton *>())
        visible += control->isVisible();
    QCOMPARE(visible, controls);

    QAbstractButton *control = mode == 1 ? gamePad->xbox360Button(value) : gamePad->classicalButton(value);
    QTest::mouseClick(control, Qt::LeftButton);
    QCOMPARE(m_window.toast(), QStringLiteral("Operate successful"));
    const std::optional<KeyOperateInfoStu> item = Fixture::item(probe.xmlProfilePath(), "1", kA);
    QVERIFY(item);
    QCOMPARE(recordFieldText(item->type), type);
    QCOMPARE(recordFieldText(item->value), QByteArray::number(value));
    QVERIFY(KeyAssignmentWindow::viewKey(kA)->isMarked());
    // The key opens its page again, its control checked.
    clickViewKey(kA + 1);
    clickViewKey(kA);
    QCOMPARE(host()->shownFunctionPage(), gamePad);
    QVERIFY(control->isChecked());

    QVERIFY(m_window.download());
    QCOMPARE(m_window.onboardKey(0, kA), record);
}

void tst_KeyEventDownload::gamePadHidden_data()
{
    QTest::addColumn<QString>("model");
    QTest::newRow("LT108HE, gamepad off") << "LT108HE";
    QTest::newRow("LT104RGB, no gamepad") << "LT104RGB";
}

void tst_KeyEventDownload::gamePadHidden()
{
    QFETCH(QString, model);
    QVERIFY(m_window.start(model.toLatin1().constData()));
    clickViewKey(kA);
    QVERIFY(!host()->functionButton(Table::GamePadPage)->isVisible());
    QVERIFY(host()->functionButton(Table::KeyboardLightPage)->isVisible());
}

void tst_KeyEventDownload::lightEvents_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("sideLight");
    QTest::newRow("LT108HE") << "LT108HE" << true;
    QTest::newRow("LT104RGB") << "LT104RGB" << false;
    QTest::newRow("LT68HE") << "LT68HE" << false;
}

void tst_KeyEventDownload::lightEvents()
{
    QFETCH(QString, model);
    QFETCH(bool, sideLight);
    DDevicePage *page = m_window.start(model.toLatin1().constData());
    QVERIFY(page);
    DevicePageProbe probe(page);
    QCOMPARE(host()->functionButton(Table::SideLightPage)->isVisible(), sideLight);

    // Keys A, B, C ... each with one event; then one download.
    struct Row {
        int pageId;
        const char *choice;
        const char *stored; // type mode value
        const char *record;
    };
    QVector<Row> rows = {
        {Table::KeyboardLightPage, "radioButton_BrightnessUp", "21 1 0", "03000000"},
        {Table::KeyboardLightPage, "radioButton_CloseAll", "26 0 0", "11040000"},
        {Table::KeyboardLightPage, "radioButton_StopBackLight", "26 1 0", "11050000"},
        {Table::KeyboardLightPage, "radioButton_LightRecording", "27 1 0", "09000000"},
        {Table::KeyboardLightPage, "radioButton_IntoCustomLight02", "25 1 1", "08010000"},
    };
    if (sideLight)
        rows += QVector<Row>{
            {Table::SideLightPage, "radioButton_CloseSideLight", "34 0 2", "11040200"},
            {Table::SideLightPage, "radioButton_StopSideLight", "34 1 0", "11060000"},
            {Table::SideLightPage, "radioButton_AllLightList", "30 1 2", "0a020000"},
        };
    for (int i = 0; i < rows.size(); ++i) {
        const int code = kA + i;
        clickViewKey(code);
        host()->functionButton(rows[i].pageId)->click();
        DKeyFunctionPage *lightPage = host()->shownFunctionPage();
        QCOMPARE(lightPage, host()->functionPage(rows[i].pageId));
        if (rows[i].pageId == Table::SideLightPage) {
            int visible = 0;
            for (QRadioButton *button : lightPage->findChildren<QRadioButton *>())
                visible += button->isVisible();
            QCOMPARE(visible, 10);
        }
        clickRadio(namedChild<QRadioButton>(lightPage, rows[i].choice));
        QCOMPARE(m_window.toast(), QStringLiteral("Operate successful"));
        const std::optional<KeyOperateInfoStu> item = Fixture::item(probe.xmlProfilePath(), "1", code);
        QVERIFY(item);
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(QString::fromLatin1(recordFieldText(item->type)),
                          QString::fromLatin1(recordFieldText(item->mode)),
                          QString::fromLatin1(recordFieldText(item->value))),
                 QString::fromLatin1(rows[i].stored));
    }
    QVERIFY(m_window.download());
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(m_window.onboardKey(0, kA + i), QByteArray(rows[i].record));
}

void tst_KeyEventDownload::targetAndChoiceKeys_data()
{
    QTest::addColumn<QString>("model");
    QTest::newRow("LT108HE") << "LT108HE";
    QTest::newRow("LT104RGB") << "LT104RGB";
}

void tst_KeyEventDownload::targetAndChoiceKeys()
{
    QFETCH(QString, model);
    DDevicePage *page = m_window.start(model.toLatin1().constData());
    QVERIFY(page);
    DevicePageProbe probe(page);
    QSignalSpy told(host(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);

    // Keys A, B, C ... each with one function: keys picked on the pop-up
    // keyboard (stored without a message) or a radio choice.
    struct Row {
        int pageId;
        QList<int> popupKeys;
        const char *choice;
        const char *shown;  // the field's text on the pop-up pages
        const char *stored; // type mode value
        const char *record;
    };
    const QVector<Row> rows = {
        {Table::RemapKeyPage, {41}, nullptr, "Esc", "0 1 41", "00290000"},
        {Table::RemapKeyPage, {-10}, nullptr, "Fn", "0 1 -10", "01000000"},
        {Table::CombinationKeyPage, {224, 225, 29}, nullptr, "L_CTRL+L_SHIFT+Z", "2 1 3,29", "13e0e11d"},
        {Table::MultimediaPage, {}, "radioButton_ScreenBrightnessLess", nullptr, "3 1 14", "07390000"},
        {Table::MousePage, {}, "radioButton_mouseScrollUp", nullptr, "4 1 3", "12010100"},
        {Table::ShortcutsPage, {}, "radioButton_Copy", nullptr, "9 1 5", "13e00600"},
    };
    for (int i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        const int code = kA + i;
        clickViewKey(code);
        host()->functionButton(row.pageId)->click();
        DKeyFunctionPage *shown = host()->shownFunctionPage();
        QCOMPARE(shown, host()->functionPage(row.pageId));
        told.clear();
        if (row.choice) {
            clickRadio(namedChild<QRadioButton>(shown, row.choice));
            QCOMPARE(told.count(), 1);
            QCOMPARE(told.first().first().toString(), QStringLiteral("Operate successful"));
        } else {
            auto *targetPage = qobject_cast<DTargetKeyPage *>(shown);
            QVERIFY(targetPage);
            pickOnPopup(targetPage, row.popupKeys);
            QCOMPARE(targetPage->findChild<QLineEdit *>()->text(), QString::fromLatin1(row.shown));
            QCOMPARE(told.count(), 0);
        }
        const std::optional<KeyOperateInfoStu> item = Fixture::item(probe.xmlProfilePath(), "1", code);
        QVERIFY(item);
        QCOMPARE(fieldsOf(*item), QString::fromLatin1(row.stored));
        QVERIFY(KeyAssignmentWindow::viewKey(code)->isMarked());
    }

    QVERIFY(m_window.download());
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(m_window.onboardKey(0, kA + i), QByteArray(rows[i].record));
    // The keys stay marked in the theme's colour: no heavy-press item was
    // written, so no key carries the heavy-press mark.
    const QRgb heavyMark = DDataManager::getInstance()->customizedKeyMarkColor().rgb() & 0xffffff;
    QList<int> marked;
    for (keyboardButCustom *key : DDataManager::getInstance()->keyButtonList()) {
        if (!key->isMarked())
            continue;
        marked << key->keyCode();
        QVERIFY2((key->outlinePlan().first().fill.rgb() & 0xffffff) != heavyMark,
                 qPrintable(key->keyCaption()));
    }
    std::sort(marked.begin(), marked.end());
    QList<int> chosen;
    for (int i = 0; i < rows.size(); ++i)
        chosen << kA + i;
    QCOMPARE(marked, chosen);
}

QTEST_MAIN(tst_KeyEventDownload)
#include "tst_keyeventdownload.moc"
