// Keys the keyboard carries out itself, end to end: the main window with a
// simulated keyboard behind the real I/O thread. A key is given a gamepad
// control (keyboard started in a gamepad mode), a keyboard light event or a
// side light event on its page, the profile is downloaded and the key's
// record read back from the keyboard's memory.
#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
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
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DGamePadView.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CustomButton.h"

using Fixture = ProfileFileFixture;
using Table = CustomKeysPageTable;

namespace {

const int kA = 4;

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

QTEST_MAIN(tst_KeyEventDownload)
#include "tst_keyeventdownload.moc"
