// The Key Config, Switch Profile, Macro and Senior Keys pages on real store
// files: what each choice stores, how a stored item is shown again, what a
// load leaves alone, and the profile's copy of a bound macro.
#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <cstring>
#include <list>
#include <memory>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/FormActions.h"
#include "support/KeyPageSignals.h"
#include "support/ProfileFileFixture.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/customKeys/DChangProfilePage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyConfigFunctionPage.h"
#include "ui/mainwidget/devicePage/customKeys/DMacroCmdPage.h"
#include "ui/mainwidget/devicePage/customKeys/DSeniorKeysBindingPage.h"

using lumtar::store::AtomicFileWriter;
using Fixture = ProfileFileFixture;

namespace {

const int kA = 4, kB = 5;

// "type/count/mode/value" of the key's item in profile 1, or "" without one.
QString itemText(const QByteArray &path, int keyCode, const char *profile = "1")
{
    const std::optional<KeyOperateInfoStu> item = Fixture::item(path, profile, keyCode);
    if (!item || QByteArray(item->keyCode) == "-1")
        return QString();
    return QStringLiteral("%1/%2/%3/%4")
        .arg(QString::fromUtf8(item->type), QString::fromUtf8(item->count), QString::fromUtf8(item->mode),
             QString::fromUtf8(item->value));
}

QStringList entries(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i) + QLatin1Char('=') + combo->itemData(i).toString();
    return texts;
}

const char *const kKeyConfigChoices[] = {
    "radioButton_LockKeyboard", "radioButton_SwitchLoopWin", "radioButton_LockWin",   "radioButton_UnlockWin",
    "radioButton_DefaultLayer", "radioButton_FNLayer",       "radioButton_FN1Layer",  "radioButton_PowerQuery",
    "radioButton_USB",          "radioButton_24G",           "radioButton_Pattern1",  "radioButton_Pattern2",
    "radioButton_Pattern3",
};

QStringList checkedChoices(QWidget *page)
{
    QStringList checked;
    for (const char *name : kKeyConfigChoices)
        if (namedChild<QRadioButton>(page, name)->isChecked())
            checked << QString::fromLatin1(name);
    return checked;
}

QStringList offeredChoices(QWidget *page)
{
    QStringList shown;
    for (const char *name : kKeyConfigChoices)
        if (!namedChild<QRadioButton>(page, name)->isHidden())
            shown << QString::fromLatin1(name);
    return shown;
}

} // namespace

class tst_BindingPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keyConfigClick_data();
    void keyConfigClick();
    void keyConfigLoad_data();
    void keyConfigLoad();
    void keyConfigChoicesByDeviceType_data();
    void keyConfigChoicesByDeviceType();

    void switchProfile();
    void switchProfileShownEntryAndLoads();
    void switchProfileWithoutKey();

    void macroFirstAndSecondBinding();
    void macroRebinding();
    void macroPlayModeBeforeAPick();
    void macroWithoutMacros();
    void macroUnknownStoredIndex();
    void macroCountField();
    void macroLoad_data();
    void macroLoad();
    void macroFailingCopyWrite();

    void seniorKeys();
    void seniorKeysLoad_data();
    void seniorKeysLoad();
    void seniorKeysEmptyStore();

private:
    void select(int keyCode, const char *name = "A");
    std::unique_ptr<Fixture> m_files;
};

void tst_BindingPages::init()
{
    m_files.reset(new Fixture);
    QVERIFY(m_files->isValid());
    select(kA);
}

void tst_BindingPages::cleanup()
{
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    m_files.reset();
}

void tst_BindingPages::select(int keyCode, const char *name)
{
    DDataManager::getInstance()->setClickedKey(keyCode, QString::fromUtf8(name));
}

// ---- Key Config --------------------------------------------------------------------

void tst_BindingPages::keyConfigClick_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("item");
    QTest::newRow("Lock keyboard") << "radioButton_LockKeyboard" << "19/1/0/0";
    QTest::newRow("Lock/Unlock Win") << "radioButton_SwitchLoopWin" << "19/1/2/0";
    QTest::newRow("Power query") << "radioButton_PowerQuery" << "19/1/10/0";
    QTest::newRow("USB switching") << "radioButton_USB" << "19/1/11/2,0";
    QTest::newRow("2.4G switching") << "radioButton_24G" << "19/1/11/1,0";
    QTest::newRow("Bluetooth 1") << "radioButton_Pattern1" << "19/1/11/0,0";
    QTest::newRow("Bluetooth 2") << "radioButton_Pattern2" << "19/1/11/0,1";
    QTest::newRow("Bluetooth 3") << "radioButton_Pattern3" << "19/1/11/0,2";
}

void tst_BindingPages::keyConfigClick()
{
    QFETCH(QString, choice);
    QFETCH(QString, item);
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::bind(path, "1", kA, "6", "text"));
    DDataManager::getInstance()->setHidDeviceType(2);
    DKeyConfigFunctionPage page;
    page.show();
    page.loadKeyOperateInfo();
    KeyPageSignals told(&page);
    auto *button = namedChild<QRadioButton>(&page, choice.toLatin1().constData());
    QVERIFY(button->isVisible());
    clickRadio(button);
    QCOMPARE(itemText(path, kA), item);
    QCOMPARE(told.update.count(), 1);
    QCOMPARE(told.update.first().first().toInt(), kA);
    QCOMPARE(told.success.count(), 1);
    QCOMPARE(checkedChoices(&page), QStringList{choice});

    // Again on the checked choice: stored again, still one item.
    clickRadio(button);
    QCOMPARE(told.success.count(), 2);
    QCOMPARE(Fixture::keyCodes(path, "1"), QList<int>{kA});
    page.loadKeyOperateInfo();
    QCOMPARE(checkedChoices(&page), QStringList{choice});
}

void tst_BindingPages::keyConfigLoad_data()
{
    QTest::addColumn<QString>("stored"); // "type/mode/value", or "" for no item
    QTest::addColumn<QString>("checked");

    QTest::newRow("no item") << "" << "";
    QTest::newRow("another type") << "1/1/3" << "";
    QTest::newRow("lock keyboard, any value") << "19/0/junk" << "radioButton_LockKeyboard";
    QTest::newRow("lock/unlock win") << "19/2/0" << "radioButton_SwitchLoopWin";
    QTest::newRow("lock win, not offered") << "19/2/1" << "radioButton_LockWin";
    QTest::newRow("win setting 3") << "19/2/3" << "";
    QTest::newRow("FN1 layer, not offered") << "19/8/2" << "radioButton_FN1Layer";
    QTest::newRow("power query") << "19/10/" << "radioButton_PowerQuery";
    QTest::newRow("2.4G") << "19/11/1,0" << "radioButton_24G";
    QTest::newRow("Bluetooth 3") << "19/11/0,2" << "radioButton_Pattern3";
    QTest::newRow("USB on channel 1") << "19/11/2,1" << "radioButton_USB";
    QTest::newRow("Bluetooth channel 5") << "19/11/0,5" << "";
    QTest::newRow("connection without a channel") << "19/11/2" << "";
    QTest::newRow("connection without a value") << "19/11/" << "";
    QTest::newRow("connection, not numbers") << "19/11/a,b" << "";
    QTest::newRow("sub-code not a number") << "19/x/0" << "";
    QTest::newRow("unknown sub-code") << "19/5/0" << "";
}

void tst_BindingPages::keyConfigLoad()
{
    QFETCH(QString, stored);
    QFETCH(QString, checked);
    const QByteArray path = m_files->profilePath();
    if (!stored.isEmpty()) {
        const QStringList f = stored.split('/');
        QVERIFY(Fixture::bind(path, "1", kA, f[0].toLatin1(), f[2].toLatin1(), "1", f[1].toLatin1()));
    }
    QVERIFY(Fixture::bind(path, "1", kB, "19", "0", "1", "10"));
    DKeyConfigFunctionPage page;
    KeyPageSignals told(&page);
    // Right after another key whose function was shown checked.
    select(kB, "B");
    page.loadKeyOperateInfo();
    QCOMPARE(checkedChoices(&page), QStringList{"radioButton_PowerQuery"});
    select(kA);
    page.loadKeyOperateInfo();
    QCOMPARE(checkedChoices(&page), checked.isEmpty() ? QStringList() : QStringList{checked});
    QVERIFY(told.silent());
    QCOMPARE(itemText(path, kA).isEmpty(), stored.isEmpty());
}

void tst_BindingPages::keyConfigChoicesByDeviceType_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<bool>("magnetic");
    QTest::newRow("no layout yet") << 1 << false;
    QTest::newRow("type 2") << 2 << false;
    QTest::newRow("type 3") << 3 << false;
    QTest::newRow("magnetic-switch type 4") << 4 << true;
    QTest::newRow("type 5") << 5 << true;
}

void tst_BindingPages::keyConfigChoicesByDeviceType()
{
    QFETCH(int, deviceType);
    QFETCH(bool, magnetic);
    DKeyConfigFunctionPage page;
    const QStringList two{"radioButton_LockKeyboard", "radioButton_SwitchLoopWin"};
    const QStringList eight = two
        + QStringList{"radioButton_PowerQuery", "radioButton_USB",      "radioButton_24G",
                      "radioButton_Pattern1",   "radioButton_Pattern2", "radioButton_Pattern3"};
    // The set follows the keyboard at the next load.
    DDataManager::getInstance()->setHidDeviceType(magnetic ? 2 : 4);
    page.loadKeyOperateInfo();
    QCOMPARE(offeredChoices(&page), magnetic ? eight : two);
    DDataManager::getInstance()->setHidDeviceType(deviceType);
    page.loadKeyOperateInfo();
    QCOMPARE(offeredChoices(&page), magnetic ? two : eight);
}

// ---- Switch Profile -------------------------------------------------------------------

void tst_BindingPages::switchProfile()
{
    const QByteArray path = m_files->profilePath();
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(path.constData(), "5", "Gäme", 0));
    DChangProfilePage page;
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    auto *combo = namedChild<QComboBox>(&page, "comboBox_Profile");
    QCOMPARE(entries(combo), QStringList({"Profile1=1", "Profile2=2", "Gäme=5"}));
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(told.silent());
    QVERIFY(Fixture::keyCodes(path, "1").isEmpty());

    // The third entry stores its profile's index, not its place.
    pickEntry(combo, 2);
    QCOMPARE(itemText(path, kA), QStringLiteral("7/1/1/5"));
    QCOMPARE(told.update.count(), 1);
    QCOMPARE(told.success.count(), 1);
    page.loadKeyOperateInfo();
    QCOMPARE(combo->currentIndex(), 2);

    // Two profiles of one name: the stored one is shown, by its index.
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(path.constData(), "6", "Profile2", 0));
    QVERIFY(Fixture::bind(path, "1", kA, "7", "6"));
    page.loadKeyOperateInfo();
    QCOMPARE(combo->currentData().toString(), QStringLiteral("6"));

    // A deleted profile: the list no longer has it, the first is shown, the
    // item stays until the user picks.
    QVERIFY(CLumtarXML_DeleteProFileSelectedNode(path.constData(), "6"));
    page.loadKeyOperateInfo();
    QCOMPARE(entries(combo), QStringList({"Profile1=1", "Profile2=2", "Gäme=5"}));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(itemText(path, kA), QStringLiteral("7/1/1/6"));
    QCOMPARE(told.success.count(), 1);
}

void tst_BindingPages::switchProfileShownEntryAndLoads()
{
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::bind(path, "1", kA, "0", "41"));
    DChangProfilePage page;
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    auto *combo = namedChild<QComboBox>(&page, "comboBox_Profile");
    // A remap item: the first profile is shown, nothing stored.
    QCOMPARE(combo->currentIndex(), 0);
    page.loadKeyOperateInfo();
    QVERIFY(told.silent());
    QCOMPARE(itemText(path, kA), QStringLiteral("0/1/1/41"));
    // Choosing the entry shown stores it.
    pickEntry(combo, 0);
    QCOMPARE(itemText(path, kA), QStringLiteral("7/1/1/1"));
    QCOMPARE(told.success.count(), 1);
    pickEntry(combo, 0);
    QCOMPARE(told.success.count(), 2);
    QCOMPARE(Fixture::keyCodes(path, "1"), QList<int>{kA});
}

void tst_BindingPages::switchProfileWithoutKey()
{
    DDataManager::getInstance()->clearClickedKey();
    DChangProfilePage page;
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    pickEntry(namedChild<QComboBox>(&page, "comboBox_Profile"), 1);
    QCOMPARE(told.failures(), QList<int>({10, 0}));
    QVERIFY(Fixture::keyCodes(m_files->profilePath(), "1").isEmpty());
}

// ---- Macro ----------------------------------------------------------------------------

void tst_BindingPages::macroFirstAndSecondBinding()
{
    const QByteArray path = m_files->profilePath();
    const QByteArray macros = m_files->macroPath();
    QVERIFY(Fixture::addMacro(macros, 2, "Jump", 1));
    QVERIFY(Fixture::addMacro(macros, 3, "Combo", 3));
    QVERIFY(Fixture::addMacro(macros, 5, "Reload", 2));

    DMacroCmdPage page;
    page.show();
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    auto *combo = namedChild<QComboBox>(&page, "comboBox_Macro");
    auto *count = namedChild<QLineEdit>(&page, "lineEdit_playMany");
    QCOMPARE(entries(combo), QStringList({"Jump=2", "Combo=3", "Reload=5"}));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(page.macroIndex(), 0);
    QVERIFY(namedChild<QRadioButton>(&page, "radioButton_playOne")->isChecked());
    QCOMPARE(count->text(), QStringLiteral("1"));
    QVERIFY(!count->isEnabled());

    pickEntry(combo, 1);
    QCOMPARE(itemText(path, kA), QStringLiteral("1/1/1/3"));
    QCOMPARE(Fixture::macroCopySize(path, "1", 3), 6);
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_playMany"));
    QVERIFY(count->isEnabled());
    QCOMPARE(itemText(path, kA), QStringLiteral("1/1/2/3"));
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("5"));
    QCOMPARE(itemText(path, kA), QStringLiteral("1/5/2/3"));
    QCOMPARE(told.success.count(), 3);
    QCOMPARE(told.update.count(), 3);
    QVERIFY(told.failure.isEmpty());

    // The copy is named after the index.
    std::list<KeyOrMouseEventStu> copy;
    QVERIFY(CLumtarXML_ProFileMacroWithKeyInfoSelectAll(path.constData(), "1", "3", "Macro3", &copy));
    QCOMPARE(QByteArray(copy.front().keyCode), QByteArray("4"));
    QCOMPARE(QByteArray(copy.back().operateExplain), QByteArray("up"));

    // A second key bound to macro 3 writes no new copy: the profile keeps
    // the copy it has, though the macro has changed since.
    std::list<KeyOrMouseEventStu> more{Fixture::keyEvent(9, 9, true), Fixture::keyEvent(9, 9, false)};
    QVERIFY(CLumtarXML_AddKeyOrMouseEventItem(macros.constData(), more, "3"));
    select(kB, "B");
    page.loadKeyOperateInfo();
    pickEntry(combo, 1);
    QCOMPARE(itemText(path, kB), QStringLiteral("1/1/1/3"));
    QCOMPARE(Fixture::macroCopySize(path, "1", 3), 6);
    QCOMPARE(Fixture::keyCodes(path, "1"), QList<int>({kA, kB}));
}

void tst_BindingPages::macroRebinding()
{
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::addMacro(m_files->macroPath(), 2, "Jump", 1));
    QVERIFY(Fixture::addMacro(m_files->macroPath(), 5, "Reload", 2));
    DMacroCmdPage page;
    page.loadKeyOperateInfo();
    auto *combo = namedChild<QComboBox>(&page, "comboBox_Macro");
    pickEntry(combo, 0);
    QCOMPARE(itemText(path, kA), QStringLiteral("1/1/1/2"));
    QCOMPARE(Fixture::macroCopySize(path, "1", 2), 2);

    page.loadKeyOperateInfo();
    QCOMPARE(page.macroIndex(), 2);
    pickEntry(combo, 1);
    QCOMPARE(itemText(path, kA), QStringLiteral("1/1/1/5"));
    QCOMPARE(Fixture::macroCopySize(path, "1", 5), 4);
    QCOMPARE(Fixture::macroCopySize(path, "1", 2), 2); // stays; the Default page removes unused copies
    QVERIFY(Fixture::keyCodes(path, "2").isEmpty());
}

void tst_BindingPages::macroPlayModeBeforeAPick()
{
    // No macro 1: the list shows macro 2 first, and that is what a play
    // mode binds.
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::addMacro(m_files->macroPath(), 2, "Jump", 1));
    QVERIFY(Fixture::addMacro(m_files->macroPath(), 3, "Combo", 3));
    DMacroCmdPage page;
    page.show();
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_playKeyPressRelStop"));
    QCOMPARE(itemText(path, kA), QStringLiteral("1/1/3/2"));
    QCOMPARE(page.macroIndex(), 2);
    QCOMPARE(Fixture::macroCopySize(path, "1", 2), 2);
    QCOMPARE(Fixture::macroCopySize(path, "1", 1), -1);
    QCOMPARE(told.success.count(), 1);
}

void tst_BindingPages::macroWithoutMacros()
{
    const QByteArray path = m_files->profilePath();
    DMacroCmdPage page;
    page.show();
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    QCOMPARE(namedChild<QComboBox>(&page, "comboBox_Macro")->count(), 0);
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_playOne"));
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_playWhellKeyPress"));
    QVERIFY(told.silent());
    QVERIFY(Fixture::keyCodes(path, "1").isEmpty());
    QCOMPARE(Fixture::macroCopySize(path, "1", 1), -1);
}

void tst_BindingPages::macroUnknownStoredIndex()
{
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::addMacro(m_files->macroPath(), 2, "Jump", 1));
    QVERIFY(Fixture::bind(path, "1", kA, "1", "9", "1", "1"));
    QVERIFY(Fixture::addMacroCopy(path, "1", 9));
    DMacroCmdPage page;
    page.show();
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    QCOMPARE(namedChild<QComboBox>(&page, "comboBox_Macro")->currentIndex(), 0);
    QCOMPARE(page.macroIndex(), 9);
    // A play-mode click keeps the stored macro and its copy.
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_playWhellKeyPress"));
    QCOMPARE(itemText(path, kA), QStringLiteral("1/1/4/9"));
    QCOMPARE(Fixture::macroCopySize(path, "1", 9), 1);
    QCOMPARE(told.success.count(), 1);

    // Without its copy and gone from the store, it cannot be bound again:
    // the key keeps its item and the user is told.
    QVERIFY(CLumtarXML_DeleteProFileBindMacroNode(path.constData(), "1", "9", "Macro9"));
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_playOne"));
    QCOMPARE(told.failures(), QList<int>({1, DMacroCmdPage::ErrorNoSuchMacro}));
    QCOMPARE(itemText(path, kA), QStringLiteral("1/1/4/9"));
    QCOMPARE(DCustomKeysPage::saveFailedText(1, DMacroCmdPage::ErrorNoSuchMacro),
             QStringLiteral("The macro is no longer stored"));

    // A key whose copy went missing gets it back with its next choice.
    QVERIFY(Fixture::bind(path, "1", kA, "1", "2", "1", "1"));
    page.loadKeyOperateInfo();
    QCOMPARE(Fixture::macroCopySize(path, "1", 2), -1);
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_playOne"));
    QCOMPARE(Fixture::macroCopySize(path, "1", 2), 2);
}

void tst_BindingPages::macroCountField()
{
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::addMacro(m_files->macroPath(), 3, "Combo", 3));
    DMacroCmdPage page;
    page.show();
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    auto *count = namedChild<QLineEdit>(&page, "lineEdit_playMany");
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_playMany"));
    QCOMPARE(told.success.count(), 1);

    // Two keystrokes, two stores.
    count->clear(); // an empty field stores nothing
    QCOMPARE(told.success.count(), 1);
    QTest::keyClicks(count, QStringLiteral("25"));
    QCOMPARE(told.success.count(), 3);
    QCOMPARE(itemText(path, kA), QStringLiteral("1/25/2/3"));
    // 0 on the way, and what the validator refuses, store nothing.
    count->clear();
    QTest::keyClicks(count, QStringLiteral("0"));
    QTest::keyClicks(count, QStringLiteral("x"));
    count->setText(QStringLiteral("256")); // past the validator, by a program
    QCOMPARE(told.success.count(), 3);
    QCOMPARE(itemText(path, kA), QStringLiteral("1/25/2/3"));

    count->setText(QStringLiteral("7"));
    QCOMPARE(itemText(path, kA), QStringLiteral("1/7/2/3"));
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_playOne"));
    QCOMPARE(itemText(path, kA), QStringLiteral("1/1/1/3"));
    QCOMPARE(count->text(), QStringLiteral("7"));
    QVERIFY(!count->isEnabled());
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_playMany"));
    QCOMPARE(itemText(path, kA), QStringLiteral("1/7/2/3"));
    QVERIFY(told.failure.isEmpty());
}

void tst_BindingPages::macroLoad_data()
{
    QTest::addColumn<QString>("stored"); // "type/count/mode/value", or "" for no item
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("countEnabled");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("macroIndex");

    QTest::newRow("no item") << "" << "radioButton_playOne" << "1" << false << 0 << 0;
    QTest::newRow("a remap") << "0/1/1/5" << "radioButton_playOne" << "1" << false << 0 << 0;
    QTest::newRow("play 7 times") << "1/7/2/5" << "radioButton_playMany" << "7" << true << 2 << 5;
    QTest::newRow("toggle") << "1/1/3/3" << "radioButton_playKeyPressRelStop" << "1" << false << 1 << 3;
    QTest::newRow("while held") << "1/1/4/2" << "radioButton_playWhellKeyPress" << "1" << false << 0 << 2;
    QTest::newRow("mode outside 1-4") << "1/1/9/3" << "radioButton_playOne" << "1" << false << 1 << 3;
    QTest::newRow("two macros of one name") << "1/1/1/7" << "radioButton_playOne" << "1" << false << 3 << 7;
}

void tst_BindingPages::macroLoad()
{
    QFETCH(QString, stored);
    QFETCH(QString, checked);
    QFETCH(QString, count);
    QFETCH(bool, countEnabled);
    QFETCH(int, entry);
    QFETCH(int, macroIndex);
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::addMacro(m_files->macroPath(), 2, "Jump", 1));
    QVERIFY(Fixture::addMacro(m_files->macroPath(), 3, "Combo", 3));
    QVERIFY(Fixture::addMacro(m_files->macroPath(), 5, "Reload", 2));
    QVERIFY(Fixture::addMacro(m_files->macroPath(), 7, "Reload", 1));
    if (!stored.isEmpty()) {
        const QStringList f = stored.split('/');
        QVERIFY(Fixture::bind(path, "1", kA, f[0].toLatin1(), f[3].toLatin1(), f[1].toLatin1(), f[2].toLatin1()));
    }
    DMacroCmdPage page;
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    QVERIFY(namedChild<QRadioButton>(&page, checked.toLatin1().constData())->isChecked());
    auto *field = namedChild<QLineEdit>(&page, "lineEdit_playMany");
    QCOMPARE(field->text(), count);
    QCOMPARE(field->isEnabled(), countEnabled);
    QCOMPARE(namedChild<QComboBox>(&page, "comboBox_Macro")->currentIndex(), entry);
    QCOMPARE(page.macroIndex(), macroIndex);
    QVERIFY(told.silent());
    QCOMPARE(itemText(path, kA), stored.isEmpty() ? QString() : stored);
}

void tst_BindingPages::macroFailingCopyWrite()
{
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::addMacro(m_files->macroPath(), 3, "Combo", 3));
    QVERIFY(Fixture::bind(path, "1", kA, "0", "41"));
    DMacroCmdPage page;
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    for (AtomicFileWriter::Fault fault : {AtomicFileWriter::Fault::DiskFull, AtomicFileWriter::Fault::NoRename}) {
        AtomicFileWriter::setFaultForTesting(fault);
        pickEntry(namedChild<QComboBox>(&page, "comboBox_Macro"), 0);
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
        // Neither the copy nor the item: the key keeps its remap.
        QCOMPARE(itemText(path, kA), QStringLiteral("0/1/1/41"));
        QCOMPARE(Fixture::macroCopySize(path, "1", 3), -1);
    }
    QCOMPARE(told.failures(), QList<int>({1, 1, 1, 1}));
    QVERIFY(told.success.isEmpty() && told.update.isEmpty());

    pickEntry(namedChild<QComboBox>(&page, "comboBox_Macro"), 0);
    QCOMPARE(itemText(path, kA), QStringLiteral("1/1/1/3"));
    QCOMPARE(Fixture::macroCopySize(path, "1", 3), 6);
}

// ---- Senior Keys ------------------------------------------------------------------------

void tst_BindingPages::seniorKeys()
{
    const QByteArray path = m_files->profilePath();
    const QByteArray store = m_files->seniorKeyPath();
    QVERIFY(Fixture::addSeniorKey(store, Fixture::seniorKey(7, "Seven", LUMTAR_SENIOR_MT)));
    QVERIFY(Fixture::addSeniorKey(store, Fixture::seniorKey(2, "Two", LUMTAR_SENIOR_MT)));
    QVERIFY(Fixture::addSeniorKey(store, Fixture::seniorKey(5, "Fünf", LUMTAR_SENIOR_MT)));
    DSeniorKeysBindingPage page;
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    auto *combo = namedChild<QComboBox>(&page, "comboBox_SeniorKeys");
    QCOMPARE(entries(combo), QStringList({"Two=2", "Fünf=5", "Seven=7"}));
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(told.silent());

    pickEntry(combo, 1);
    QCOMPARE(itemText(path, kA), QStringLiteral("40/1/1/5"));
    page.loadKeyOperateInfo();
    QCOMPARE(combo->currentIndex(), 1);
    // Rebinding, and the entry shown stores again.
    pickEntry(combo, 0);
    QCOMPARE(itemText(path, kA), QStringLiteral("40/1/1/2"));
    pickEntry(combo, 0);
    QCOMPARE(told.success.count(), 3);
    QCOMPARE(told.update.count(), 3);
    QCOMPARE(Fixture::keyCodes(path, "1"), QList<int>{kA});

    // A deleted advanced key: the first entry is shown, the item stays.
    QVERIFY(Fixture::bind(path, "1", kA, "40", "5"));
    QVERIFY(CLumtarXML_SeniorKey_DeleteInfoItem(store.constData(), LUMTAR_SENIOR_MT, 5));
    page.loadKeyOperateInfo();
    QCOMPARE(entries(combo), QStringList({"Two=2", "Seven=7"}));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(itemText(path, kA), QStringLiteral("40/1/1/5"));
}

void tst_BindingPages::seniorKeysLoad_data()
{
    QTest::addColumn<QString>("stored"); // "type/value"
    QTest::addColumn<int>("entry");
    QTest::newRow("bound to 5") << "40/5" << 1;
    QTest::newRow("bound to the second of one name") << "40/9" << 3;
    QTest::newRow("an id no record has") << "40/4" << 0;
    QTest::newRow("a macro item whose value is an id") << "1/5" << 0;
    QTest::newRow("a remap whose value is an id") << "0/7" << 0;
}

void tst_BindingPages::seniorKeysLoad()
{
    QFETCH(QString, stored);
    QFETCH(int, entry);
    const QByteArray store = m_files->seniorKeyPath();
    for (int id : {2, 5, 7})
        QVERIFY(Fixture::addSeniorKey(store, Fixture::seniorKey(id, id == 7 ? "Same" : "Other", 2)));
    QVERIFY(Fixture::addSeniorKey(store, Fixture::seniorKey(9, "Same", LUMTAR_SENIOR_MT)));
    const QStringList f = stored.split('/');
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, f[0].toLatin1(), f[1].toLatin1()));
    DSeniorKeysBindingPage page;
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    QCOMPARE(namedChild<QComboBox>(&page, "comboBox_SeniorKeys")->currentIndex(), entry);
    QVERIFY(told.silent());
}

void tst_BindingPages::seniorKeysEmptyStore()
{
    DSeniorKeysBindingPage page;
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    auto *combo = namedChild<QComboBox>(&page, "comboBox_SeniorKeys");
    QCOMPARE(combo->count(), 0);
    emit combo->activated(0);
    emit combo->activated(-1);
    QVERIFY(told.silent());
    QVERIFY(Fixture::keyCodes(m_files->profilePath(), "1").isEmpty());
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    CLumtarXML_Init();
    tst_BindingPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bindingpages.moc"
