// Key functions end to end: the main window with a simulated keyboard behind
// the real I/O thread. A key is given a text, a program, a profile switch, a
// device function, a macro or an advanced key on its page, the profile is
// downloaded and the keyboard's memory read back, and the keyboard's report
// of the key (0x20) types, starts or switches on the computer.
#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <cstring>
#include <list>
#include <optional>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/OnboardMacroPacket.h"
#include "device/OnboardSeniorKeyPacket.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/FormActions.h"
#include "support/DevicePageProbe.h"
#include "support/KeyAssignmentWindow.h"
#include "support/ProfileFileFixture.h"
#include "support/RecordingHostInput.h"
#include "support/SimReportLog.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CustomButton.h"
#include "widgets/OpenFileDialog.h"

using lumtar::sim::SimController;
using Fixture = ProfileFileFixture;
using Table = CustomKeysPageTable;

namespace {

const int kA = 4, kB = 5;

void pick(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    pickEntry(combo, index);
}

bool writeProgram(const QString &path, const QString &marker)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // One line per start, with its first argument.
    file.write("#!/bin/sh\nprintf 'run %s\\n' \"$1\" >> '" + QFile::encodeName(marker) + "'\n");
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList lines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

int seniorKeyReports(const std::string &path)
{
    int count = 0;
    for (const QByteArray &r : SimReportLog::commands(path))
        count += r.size() > 1 && quint8(r.at(1)) == OnboardSeniorKeyPacket::Command;
    return count;
}

} // namespace

class tst_KeyFunctionDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void textIsTyped();
    void programIsStarted();
    void profileIsSwitched();
    void deviceFunctions_data();
    void deviceFunctions();
    void macroPlaysFromItsSlot();
    void advancedKey();

private:
    DCustomKeysPage *host() const { return m_window.host(); }
    void clickViewKey(int code);
    DKeyFunctionPage *open(int pageId);

    KeyAssignmentWindow m_window;
};

void tst_KeyFunctionDownload::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
}

void tst_KeyFunctionDownload::cleanup()
{
    OpenFileDialog::setAnswerForTesting({});
    m_window.stop();
}

void tst_KeyFunctionDownload::clickViewKey(int code)
{
    keyboardButCustom *key = KeyAssignmentWindow::viewKey(code);
    QVERIFY(key);
    key->click();
    QCOMPARE(DDataManager::getInstance()->clickedKeyCode(), code);
}

DKeyFunctionPage *tst_KeyFunctionDownload::open(int pageId)
{
    CustomButton *button = host()->functionButton(pageId);
    if (button->isVisible())
        button->click();
    else // its page opens only for a key of its type; opened as a click would
        host()->onCurIndexChanged_Key(pageId);
    return host()->shownFunctionPage();
}

void tst_KeyFunctionDownload::textIsTyped()
{
    DDevicePage *page = m_window.start("LT108HE");
    QVERIFY(page);
    DevicePageProbe probe(page);
    clickViewKey(kA);
    DKeyFunctionPage *textPage = open(Table::TextPage);
    QCOMPARE(textPage, host()->functionPage(Table::TextPage));
    const QString text = QStringLiteral("héllo wörld");
    // Typed key by key, each key with its text.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, namedChild<QTextEdit>(textPage, "textEdit_keyText"), Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    namedChild<QPushButton>(textPage, "pushButton_OK")->click();
    QCOMPARE(m_window.toast(), QStringLiteral("Operate successful"));
    const std::optional<KeyOperateInfoStu> item = Fixture::item(probe.xmlProfilePath(), "1", kA);
    QCOMPARE(QByteArray(item->type), QByteArray("6"));
    QCOMPARE(QByteArray(item->value), text.toUtf8());
    QVERIFY(KeyAssignmentWindow::viewKey(kA)->isMarked());

    QVERIFY(m_window.download());
    QCOMPARE(m_window.onboardKey(0, kA), QByteArray("16000004"));

    RecordingHostInput recorder;
    probe.currentLink()->setHostInput(&recorder);
    QVERIFY(SimController::instance().sendFunctionKey(m_window.path(), 0, kA, true));
    QVERIFY(SimController::instance().sendFunctionKey(m_window.path(), 0, kA, false));
    QTRY_COMPARE(recorder.clipboardTexts, QStringList{text});
    QCOMPARE(recorder.keyEvents.size(), 4); // Ctrl+V, once
    probe.currentLink()->setHostInput(nullptr);
}

void tst_KeyFunctionDownload::programIsStarted()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("my apps; $(touch pwned) & more"));
    QVERIFY(QDir().mkpath(folder));
    const QString marker = dir.filePath(QStringLiteral("runs"));
    const QString program = folder + QStringLiteral("/count runs");
    QVERIFY(writeProgram(program, marker));
    const QString launcher = folder + QStringLiteral("/counter.desktop");
    QFile desktop(launcher);
    QVERIFY(desktop.open(QIODevice::WriteOnly));
    desktop.write("[Desktop Entry]\nType=Application\nName=Counter\nExec=\"" + QFile::encodeName(program)
                  + "\" \"from a launcher\" %U\n");
    desktop.close();

    DDevicePage *page = m_window.start("LT108HE");
    QVERIFY(page);
    DevicePageProbe probe(page);
    QString answer = program;
    OpenFileDialog::setAnswerForTesting([&](const OpenFileDialog::Request &) { return answer; });
    for (int code : {kA, kB}) {
        clickViewKey(code);
        DKeyFunctionPage *appPage = open(Table::OpenAppPage);
        namedChild<QPushButton>(appPage, "pushButton_selectAppPath")->click();
        // The dialog answers after the click.
        // The item is absent until then: never read an empty optional.
        const auto storedValue = [&] {
            const std::optional<KeyOperateInfoStu> item = Fixture::item(probe.xmlProfilePath(), "1", code);
            return item ? QString::fromUtf8(item->value) : QString();
        };
        QTRY_COMPARE(storedValue(), answer);
        QCOMPARE(QByteArray(Fixture::item(probe.xmlProfilePath(), "1", code)->type), QByteArray("8"));
        QCOMPARE(m_window.toast(), QStringLiteral("Operate successful"));
        answer = launcher;
    }

    QVERIFY(m_window.download());
    QCOMPARE(m_window.onboardKey(0, kA), QByteArray("16000004"));
    QCOMPARE(m_window.onboardKey(0, kB), QByteArray("16000005"));

    // The system's own host input: the program really starts, once per press.
    QVERIFY(SimController::instance().sendFunctionKey(m_window.path(), 0, kA, true));
    QVERIFY(SimController::instance().sendFunctionKey(m_window.path(), 0, kA, false));
    QTRY_COMPARE_WITH_TIMEOUT(lines(marker), QStringList{QStringLiteral("run ")}, 10000);
    QVERIFY(SimController::instance().sendFunctionKey(m_window.path(), 0, kB, true));
    QTRY_COMPARE_WITH_TIMEOUT(lines(marker).size(), 2, 10000);
    QTest::qWait(300);
    QCOMPARE(lines(marker), QStringList({QStringLiteral("run "), QStringLiteral("run from a launcher")}));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/pwned")));
    QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("pwned"))));
}

void tst_KeyFunctionDownload::profileIsSwitched()
{
    DDevicePage *page = m_window.start("LT108HE");
    QVERIFY(page);
    DevicePageProbe probe(page);
    const QByteArray profiles = probe.xmlProfilePath();
    // Profile management comes later: the second profile by the store call.
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(profiles.constData(), "2", "Profile2", 0));
    QCOMPARE(probe.currentProfileIndex(), 1);

    clickViewKey(kB);
    DKeyFunctionPage *switchPage = open(Table::SwitchProfilePage);
    QCOMPARE(switchPage, host()->functionPage(Table::SwitchProfilePage));
    pick(namedChild<QComboBox>(switchPage, "comboBox_Profile"), QStringLiteral("Profile2"));
    QCOMPARE(m_window.toast(), QStringLiteral("Operate successful"));
    const std::optional<KeyOperateInfoStu> item = Fixture::item(profiles, "1", kB);
    QCOMPARE(QByteArray(item->type), QByteArray("7"));
    QCOMPARE(QByteArray(item->value), QByteArray("2"));
    // The key opens its page again.
    clickViewKey(kB);
    QCOMPARE(host()->currentPageId(), int(Table::SwitchProfilePage));

    QVERIFY(m_window.download());
    QCOMPARE(m_window.onboardKey(0, kB), QByteArray("16000005"));
    QVERIFY(SimController::instance().sendFunctionKey(m_window.path(), 0, kB, true));
    QTRY_COMPARE(probe.currentProfileIndex(), 2);
    QCOMPARE(DDataManager::getInstance()->currentProfileIndex(), 2);
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(profiles.constData()), 2);
}

void tst_KeyFunctionDownload::deviceFunctions_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("offered");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("LT108HE: lock keyboard") << "LT108HE" << 2 << "radioButton_LockKeyboard" << QByteArray("11000000");
    QTest::newRow("LT104RGB: USB switching") << "LT104RGB" << 8 << "radioButton_USB" << QByteArray("110b0200");
}

void tst_KeyFunctionDownload::deviceFunctions()
{
    QFETCH(QString, model);
    QFETCH(int, offered);
    QFETCH(QString, choice);
    QFETCH(QByteArray, record);
    DDevicePage *page = m_window.start(model.toLatin1().constData());
    QVERIFY(page);
    clickViewKey(kA);
    DKeyFunctionPage *configPage = open(Table::KeyConfigPage);
    QCOMPARE(configPage, host()->functionPage(Table::KeyConfigPage));
    int visible = 0;
    for (QRadioButton *button : configPage->findChildren<QRadioButton *>())
        visible += button->isVisible();
    QCOMPARE(visible, offered);
    clickRadio(namedChild<QRadioButton>(configPage, choice.toLatin1().constData()));
    QCOMPARE(m_window.toast(), QStringLiteral("Operate successful"));

    QVERIFY(m_window.download());
    QCOMPARE(m_window.onboardKey(0, kA), record);
    // Advanced keys belong to magnetic-switch keyboards only.
    const bool magnetic = model == QLatin1String("LT108HE");
    QCOMPARE(host()->functionButton(Table::SeniorKeysPage)->isVisible(), magnetic);
    QCOMPARE(seniorKeyReports(m_window.path()) > 0, magnetic);
}

void tst_KeyFunctionDownload::macroPlaysFromItsSlot()
{
    DDevicePage *page = m_window.start("LT108HE");
    QVERIFY(page);
    DevicePageProbe probe(page);
    char buffer[DDataManager::PathBufferSize] = {};
    DDataManager::getInstance()->copyMacroXmlPath(buffer);
    const QByteArray macros(buffer);
    QVERIFY(Fixture::addMacro(macros, 2, "Two keys", 2));
    QVERIFY(Fixture::addMacro(macros, 3, "Three keys", 3)); // six events

    clickViewKey(kA);
    DKeyFunctionPage *macroPage = open(Table::MacroPage);
    QCOMPARE(macroPage, host()->functionPage(Table::MacroPage));
    pick(namedChild<QComboBox>(macroPage, "comboBox_Macro"), QStringLiteral("Three keys"));
    clickRadio(namedChild<QRadioButton>(macroPage, "radioButton_playMany"));
    auto *count = namedChild<QLineEdit>(macroPage, "lineEdit_playMany");
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("5"));
    QCOMPARE(m_window.toast(), QStringLiteral("Operate successful"));
    const QByteArray profiles = probe.xmlProfilePath();
    const std::optional<KeyOperateInfoStu> item = Fixture::item(profiles, "1", kA);
    QCOMPARE(QByteArray(item->type) + "/" + item->count + "/" + item->mode + "/" + item->value,
             QByteArray("1/5/2/3"));
    std::list<KeyOrMouseEventStu> copy;
    QVERIFY(CLumtarXML_ProFileMacroWithKeyInfoSelectAll(profiles.constData(), "1", "3", "Macro3", &copy));
    QCOMPARE(int(copy.size()), 6);
    QVERIFY(!Fixture::hasMacroCopy(profiles, "1", 2));

    // A second key on macro 3 writes no new copy, though the macro grew.
    std::list<KeyOrMouseEventStu> more{Fixture::keyEvent(8, 30, true), Fixture::keyEvent(8, 30, false)};
    QVERIFY(CLumtarXML_AddKeyOrMouseEventItem(macros.constData(), more, "3"));
    clickViewKey(kB);
    macroPage = open(Table::MacroPage);
    pick(namedChild<QComboBox>(macroPage, "comboBox_Macro"), QStringLiteral("Three keys"));
    std::list<KeyOrMouseEventStu> after;
    QVERIFY(CLumtarXML_ProFileMacroWithKeyInfoSelectAll(profiles.constData(), "1", "3", "Macro3", &after));
    QCOMPARE(int(after.size()), 6);

    QVERIFY(m_window.download());
    const QByteArray record = m_window.onboardKey(0, kA);
    QCOMPARE(record.left(4), QByteArray("1004"));
    QCOMPARE(record.right(2), QByteArray("00"));
    const int slot = record.mid(4, 2).toInt(nullptr, 16);
    const std::vector<uint8_t> image = SimController::instance().onboardMacro(m_window.path(), slot);
    QCOMPARE(int(image.size()), OnboardMacroPacket::SlotSize);
    QCOMPARE(int(image[1]), 1);  // mode 2
    QCOMPARE(int(image[3]), 24); // six events of four bytes
    QCOMPARE(int(image[5]), 5);  // five times
    const OnboardMacroPacket::SlotImage expected = OnboardMacroPacket::slotImage(copy, 2, 5);
    QVERIFY(std::equal(image.begin(), image.end(), expected.begin()));
    QVERIFY(image[8 + 4 * 6] == 0 && image[8 + 4 * 6 + 1] == 0); // nothing after the sixth
}

void tst_KeyFunctionDownload::advancedKey()
{
    DDevicePage *page = m_window.start("LT108HE");
    QVERIFY(page);
    DevicePageProbe probe(page);
    char buffer[DDataManager::PathBufferSize] = {};
    DDataManager::getInstance()->copySeniorKeyXmlPath(buffer);
    const QByteArray store(buffer);
    CLumtarXML_SeniorKey_CreateXMLFile(store.constData());
    CLumtarXML_SeniorKey_CreateProFileXmlParentNode(store.constData());
    SeniorKeyInfoStu five = Fixture::seniorKey(5, "Crouch", LUMTAR_SENIOR_MT);
    std::strcpy(five.keySlot[1], "2,7");
    five.holdDuration = 300;
    QVERIFY(Fixture::addSeniorKey(store, Fixture::seniorKey(7, "Seven", LUMTAR_SENIOR_TGL)));
    QVERIFY(Fixture::addSeniorKey(store, Fixture::seniorKey(2, "Two", LUMTAR_SENIOR_TGL)));
    QVERIFY(Fixture::addSeniorKey(store, five));

    clickViewKey(kA);
    DKeyFunctionPage *seniorPage = open(Table::SeniorKeysPage);
    QCOMPARE(seniorPage, host()->functionPage(Table::SeniorKeysPage));
    auto *combo = namedChild<QComboBox>(seniorPage, "comboBox_SeniorKeys");
    QStringList listed;
    for (int i = 0; i < combo->count(); ++i)
        listed << combo->itemData(i).toString();
    QCOMPARE(listed, QStringList({"2", "5", "7"}));
    pick(combo, QStringLiteral("Crouch"));
    QCOMPARE(m_window.toast(), QStringLiteral("Operate successful"));
    const std::optional<KeyOperateInfoStu> item = Fixture::item(probe.xmlProfilePath(), "1", kA);
    QCOMPARE(QByteArray(item->type) + "/" + item->value, QByteArray("40/5"));

    QVERIFY(m_window.download());
    const QByteArray record = m_window.onboardKey(0, kA);
    QCOMPARE(record.left(2), QByteArray("17"));
    QCOMPARE(record.right(4), QByteArray("0000"));
    const int index = record.mid(2, 2).toInt(nullptr, 16);
    const std::vector<uint8_t> onboard = SimController::instance().onboardSeniorKey(m_window.path(), index);
    QVERIFY(onboard.size() > 15);
    QCOMPARE(int(onboard[6]), LUMTAR_SENIOR_MT);
    // The record as the key's own report carried it: kind, slots, hold time.
    const HidReportBuff sent = OnboardSeniorKeyPacket::build(index, five);
    for (int b = 0; b < HidReportBuff::Size && b < int(onboard.size()); ++b)
        QCOMPARE(int(onboard[size_t(b)]), int(sent[b]));
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_KeyFunctionDownload test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keyfunctiondownload.moc"
