// Key assignment end to end: the main window with simulated keyboards behind
// the real I/O thread. Keys are clicked on the keyboard view, functions
// removed on the Default page, the profile downloaded and the keyboard's
// memory read back; the Fn layer, heavy-press items and a disabled key's
// report to the computer.
#include <QtTest>

#include <QLabel>
#include <QMovie>
#include <QPushButton>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/KeyAssignmentWindow.h"
#include "support/ProfileFileFixture.h"
#include "support/RecordingHostInput.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CustomButton.h"

using lumtar::sim::SimController;
using Fixture = ProfileFileFixture;
using Table = CustomKeysPageTable;

namespace {

const int kDownloadMs = 30000;
const int kA = 4, kB = 5, kC = 6;

keyboardButCustom *viewKey(int code)
{
    return KeyAssignmentWindow::viewKey(code);
}

} // namespace

class tst_KeyAssignment : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void pageOfAMagneticKeyboard();
    void removeAndDownload();
    void heavyPressItemOnAMagneticKeyboard();
    void heavyPressItemOnAPlainKeyboard();
    void fnLayer();

private:
    DDevicePage *startWindow(const char *model) { return m_window.start(model); }
    DCustomKeysPage *host() const { return m_window.host(); }
    QString toast() const { return m_window.toast(); }
    QByteArray onboardKey(int layer, int code) const { return m_window.onboardKey(layer, code); }
    void clickViewKey(int code);
    void clickOk(int pageId);

    KeyAssignmentWindow m_window;
};

void tst_KeyAssignment::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
}

void tst_KeyAssignment::cleanup()
{
    m_window.stop();
}

void tst_KeyAssignment::clickViewKey(int code)
{
    keyboardButCustom *key = viewKey(code);
    QVERIFY(key);
    key->click();
}

void tst_KeyAssignment::clickOk(int pageId)
{
    host()->functionPage(pageId)->findChild<QPushButton *>(QStringLiteral("pushButton_OK"))->click();
}

void tst_KeyAssignment::pageOfAMagneticKeyboard()
{
    DDevicePage *page = startWindow("LT108HE");
    QVERIFY(DevicePageProbe(page).isKeyboardShown());
    DCustomKeysPage *keys = host();
    QVERIFY(keys->isVisible());
    QVERIFY(keys->functionButton(Table::SeniorKeysPage)->isVisible());
    QVERIFY(keys->functionButton(Table::SideLightPage)->isVisible());
    QVERIFY(!keys->functionButton(Table::GamePadPage)->isVisible());
    for (const char *name : {"pushButton_DefaultLayer", "pushButton_FnLayer", "pushButton_Download"})
        QVERIFY2(keys->findChild<QPushButton *>(QString::fromLatin1(name))->isVisible(), name);

    // The soft keyboards of the remap and key-combination pages filled the shared maps.
    QCOMPARE(DDataManager::getInstance()->vkToKeyCodeMap().size(), 112);
    QCOMPARE(DDataManager::getInstance()->keyCodeNameMap().size(), 112);

    // No key yet: every function button says so.
    for (const Table::Page &function : Table::pages()) {
        CustomButton *button = keys->functionButton(function.id);
        if (!button->isVisible())
            continue;
        button->click();
        QCOMPARE(toast(), QStringLiteral("Please select one Key first"));
        QCOMPARE(keys->shownFunctionPage(), keys->functionPage(Table::DefaultPage));
    }

    clickViewKey(kA);
    QCOMPARE(DDataManager::getInstance()->clickedKeyCode(), kA);
    QCOMPARE(keys->currentPageId(), int(Table::DefaultPage));
    QCOMPARE(keys->shownFunctionPage()->keyItem().keyCode(), kA);
    QCOMPARE(keys->shownFunctionPage()->findChild<QLabel *>(QStringLiteral("label_KeyChar"))->text(),
             QStringLiteral("A"));
}

void tst_KeyAssignment::removeAndDownload()
{
    DDevicePage *page = startWindow("LT108HE");
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    const QByteArray defaults = probe.xmlProfilePath();
    QVERIFY(Fixture::bind(defaults, "1", kA, "5", "-1"));
    QVERIFY(Fixture::bind(defaults, "1", kB, "1", "3"));
    QVERIFY(Fixture::addMacroCopy(defaults, "1", 3));
    QVERIFY(Fixture::bind(defaults, "1", kC, "6", "typed"));
    page->loadProfileKeyAndLightInfo();
    QVERIFY(viewKey(kA)->isMarked() && viewKey(kB)->isMarked());
    DCustomKeysPage *keys = host();

    clickViewKey(kA);
    QCOMPARE(keys->currentPageId(), int(Table::DisablePage));
    clickViewKey(kB);
    QCOMPARE(keys->currentPageId(), int(Table::MacroPage));
    keys->functionButton(Table::DefaultPage)->click();
    clickOk(Table::DefaultPage);
    QCOMPARE(toast(), QStringLiteral("Operate successful"));
    QCOMPARE(Fixture::keyCodes(defaults, "1"), QList<int>({kA, kC}));
    QVERIFY(!Fixture::hasMacroCopy(defaults, "1", 3));
    QVERIFY(!viewKey(kB)->isMarked());
    QVERIFY(viewKey(kA)->isMarked());

    // "Download": the movie plays, a second click while it runs sends nothing.
    QSignalSpy asked(keys, &DCustomKeysPage::sigTheKeyboardIntoDownloading);
    auto *download = keys->findChild<QPushButton *>(QStringLiteral("pushButton_Download"));
    auto *loading = keys->findChild<QLabel *>(QStringLiteral("label_Loading"));
    bool playedWhileRunning = false;
    QTimer::singleShot(10, this, [&]() {
        playedWhileRunning = loading->isVisible() && loading->movie()->state() == QMovie::Running;
        download->click();
    });
    download->click();
    QTRY_COMPARE_WITH_TIMEOUT(toast(), QStringLiteral("Download config successful"), kDownloadMs);
    QTRY_VERIFY(!keys->isDownloading());
    QVERIFY(playedWhileRunning);
    QCOMPARE(asked.count(), 1);
    QVERIFY(!loading->isVisible());
    QCOMPARE(onboardKey(0, kA), QByteArray("00000000"));
    QCOMPARE(onboardKey(0, kB), QByteArray("00050000"));

    // The disabled key's report runs nothing on the computer; the text key's does.
    RecordingHostInput recorder;
    probe.currentLink()->setHostInput(&recorder);
    QVERIFY(SimController::instance().sendFunctionKey(m_window.path(), 0, kA, true));
    QVERIFY(SimController::instance().sendFunctionKey(m_window.path(), 0, kC, true));
    QTRY_COMPARE(recorder.clipboardTexts, QStringList{QStringLiteral("typed")});
    QCOMPARE(recorder.keyEvents.size(), 4); // Ctrl+V for the text only
    QVERIFY(recorder.startedPrograms.isEmpty() && recorder.openedUrls.isEmpty());
    probe.currentLink()->setHostInput(nullptr);
}

void tst_KeyAssignment::heavyPressItemOnAMagneticKeyboard()
{
    DDevicePage *page = startWindow("LT108HE");
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    const QByteArray heavy = QFile::encodeName(probe.profileFolder() + QStringLiteral("/appProfile_Magnetic.xml"));
    QVERIFY(Fixture::bind(heavy, "1", kA, "0", "41"));
    page->loadProfileKeyAndLightInfo();
    QVERIFY(viewKey(kA)->isMarked());
    QCOMPARE(viewKey(kA)->outlinePlan().first().border, QColor(30, 200, 35));

    clickViewKey(kA);
    QCOMPARE(host()->currentPageId(), int(Table::RemapKeyPage));
}

void tst_KeyAssignment::heavyPressItemOnAPlainKeyboard()
{
    DDevicePage *page = startWindow("LT104RGB");
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    const QByteArray heavy = QFile::encodeName(probe.profileFolder() + QStringLiteral("/appProfile_Magnetic.xml"));
    QVERIFY(CLumtarXML_CreateXMLFile(heavy.constData()));
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(heavy.constData(), "1", "Profile1", 0));
    QVERIFY(Fixture::bind(heavy, "1", kA, "0", "41"));
    DDataManager::getInstance()->setMagneticXmlPath(heavy.constData());
    page->loadProfileKeyAndLightInfo();

    DCustomKeysPage *keys = host();
    QVERIFY(!keys->functionButton(Table::SeniorKeysPage)->isVisible());
    QVERIFY(!keys->functionButton(Table::SideLightPage)->isVisible());
    clickViewKey(kA);
    QCOMPARE(keys->currentPageId(), int(Table::DefaultPage));
    QVERIFY(!viewKey(kA)->isMarked());
}

void tst_KeyAssignment::fnLayer()
{
    DDevicePage *page = startWindow("LT108HE");
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    const QString folder = probe.profileFolder();
    const QByteArray fn = QFile::encodeName(folder + QStringLiteral("/appProfile_FN.xml"));
    QVERIFY(Fixture::bind(fn, "1", kA, "3", "3")); // play / pause on the Fn layer
    DCustomKeysPage *keys = host();
    auto *fnButton = keys->findChild<QPushButton *>(QStringLiteral("pushButton_FnLayer"));
    auto *defaultButton = keys->findChild<QPushButton *>(QStringLiteral("pushButton_DefaultLayer"));

    fnButton->click();
    QCOMPARE(probe.xmlProfilePath(), fn);
    char shared[DDataManager::PathBufferSize] = {};
    DDataManager::getInstance()->copyXmlProfilePath(shared);
    QCOMPARE(QByteArray(shared), fn);
    QVERIFY(fnButton->isChecked());
    QVERIFY(!DDataManager::getInstance()->isHeavyPressLayerEnabled());
    QVERIFY(viewKey(kA)->isMarked());
    // The keys the keyboard lists as custom keys (the simulated one: all) are
    // fixed on the Fn layer.
    const QList<QPair<int, int>> fixed = probe.currentLink()->customKeyPosList();
    QVERIFY(fixed.contains(qMakePair(viewKey(kA)->gridRow(), viewKey(kA)->gridColumn())));
    QVERIFY(!viewKey(kA)->isEditable());
    clickViewKey(kA);
    QCOMPARE(DDataManager::getInstance()->clickedKeyCode(), -1);
    QCOMPARE(keys->currentPageId(), int(Table::DefaultPage));

    // A download writes both layers, whichever is shown.
    keys->findChild<QPushButton *>(QStringLiteral("pushButton_Download"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(toast(), QStringLiteral("Download config successful"), kDownloadMs);
    QCOMPARE(onboardKey(2, kA), QByteArray("07130000"));
    QCOMPARE(onboardKey(0, kA), QByteArray("00040000"));

    defaultButton->click();
    QCOMPARE(probe.xmlProfilePath(), QFile::encodeName(folder + QStringLiteral("/appProfile_Default.xml")));
    QVERIFY(defaultButton->isChecked());
    QVERIFY(DDataManager::getInstance()->isHeavyPressLayerEnabled());
    QVERIFY(!viewKey(kA)->isMarked());
    QVERIFY(viewKey(kA)->isEditable());
    clickViewKey(kA);
    QCOMPARE(keys->currentPageId(), int(Table::DefaultPage));
    QCOMPARE(DDataManager::getInstance()->clickedKeyCode(), kA);
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_KeyAssignment test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keyassignment.moc"
