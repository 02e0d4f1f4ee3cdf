// The main window: the SDK start-up order and its failure, the first-run
// defaults, the edge hit-test, closing to the tray or quitting, the dialogs
// over the dimming overlay, and the device-change handler.
#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

#include <cstring>

#include "core/DDataManager.h"
#include "platform/autostart/AutoStartEntry.h"
#include "sdk/sim/SimController.h"
#include "support/TempHome.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/BootloaderUpdate.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/DeviceChangeRouter.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/settings/DSettingsDia.h"

namespace {

// A device SDK whose start-up calls are recorded and whose results are set
// by the test.
QStringList g_calls;
int g_hidInitResult = 0;
QList<QPair<QByteArray, QByteArray>> g_supported;

int fakeVersion(char *buffer)
{
    g_calls << "version";
    std::strcpy(buffer, "9.8.7");
    return 0;
}
int fakeXmlInit()
{
    g_calls << "xmlInit";
    return 0;
}
int fakeHidInit()
{
    g_calls << "hidInit";
    return g_hidInitResult;
}
int fakeLightInit()
{
    g_calls << "lightInit";
    return 0;
}
bool fakeCreateMacro(const char *path)
{
    g_calls << QStringLiteral("createMacro %1").arg(QFileInfo(QString::fromLocal8Bit(path)).fileName());
    return true;
}
bool fakeCreateSenior(const char *path)
{
    g_calls << QStringLiteral("createSenior %1").arg(QFileInfo(QString::fromLocal8Bit(path)).fileName());
    return true;
}
bool fakeSeniorParent(const char *path)
{
    g_calls << QStringLiteral("seniorParent %1").arg(QFileInfo(QString::fromLocal8Bit(path)).fileName());
    return true;
}
int fakeSupportList(std::list<SupportInfoStu> *list)
{
    g_calls << "supportList";
    for (const auto &ids : g_supported) {
        SupportInfoStu info = {};
        lumtarCopyField(info.vendorId, ids.first.constData());
        lumtarCopyField(info.productId, ids.second.constData());
        list->push_back(info);
    }
    return int(g_supported.size());
}

LumtarSdkStartup fakeSdk()
{
    LumtarSdkStartup sdk;
    sdk.versionStr = &fakeVersion;
    sdk.xmlInit = &fakeXmlInit;
    sdk.hidInit = &fakeHidInit;
    sdk.lightInit = &fakeLightInit;
    sdk.createMacroXmlFile = &fakeCreateMacro;
    sdk.createSeniorKeyXmlFile = &fakeCreateSenior;
    sdk.createSeniorKeyParentNode = &fakeSeniorParent;
    sdk.getSupportInfoList = &fakeSupportList;
    return sdk;
}

const int kBootloaderDelayMs = 600;

QString userSettingsPath()
{
    return DDataManager::getInstance()->userConfigDir() + QStringLiteral("/LumtarConfig.ini");
}

// Counts how often a widget was shown and hidden.
class VisibilityCounter : public QObject
{
public:
    int shows = 0;
    int hides = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        else if (event->type() == QEvent::Hide)
            ++hides;
        return false;
    }
};

} // namespace

class tst_MainWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void sdkStartUp_data();
    void sdkStartUp();
    void firstRunDefaultsWrittenOnce();
    void minimumSizeFitsTheScreen();
    void edgeHitTest_data();
    void edgeHitTest();
    void closeButton_data();
    void closeButton();
    void dialogOverOverlay_data();
    void dialogOverOverlay();
    void deviceChangeMatching_data();
    void deviceChangeMatching();
    void simulatedKeyboardReachesDevicePage();
    void headerNamesOnlyAShownKeyboard();

private:
    static QWidget *overlayOf(DMainWidget &w) { return w.m_overlay; }
};

void tst_MainWidget::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    DDataManager::getInstance();
}

void tst_MainWidget::init()
{
    g_calls.clear();
    g_hidInitResult = 0;
    g_supported.clear();
}

void tst_MainWidget::sdkStartUp_data()
{
    QTest::addColumn<int>("hidInitResult");
    QTest::addColumn<bool>("storesExist");
    QTest::addColumn<QStringList>("calls");
    const QStringList init = {"version", "xmlInit", "hidInit", "lightInit"};
    QTest::newRow("ready, new stores") << 0 << false
                                       << init + QStringList{"createMacro appMacro.xml",
                                                             "createSenior SeniorKeyConfig.xml",
                                                             "seniorParent SeniorKeyConfig.xml", "supportList"};
    QTest::newRow("ready, stores kept") << 0 << true << init + QStringList{"supportList"};
    QTest::newRow("HID start-up fails") << 1 << false << init;
}

void tst_MainWidget::sdkStartUp()
{
    QFETCH(int, hidInitResult);
    QFETCH(bool, storesExist);
    QFETCH(QStringList, calls);

    const QString userDir = DDataManager::getInstance()->userConfigDir();
    for (const char *name : {"/appMacro.xml", "/SeniorKeyConfig.xml"}) {
        QFile file(userDir + QLatin1String(name));
        if (storesExist) {
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            file.remove();
        }
    }
    g_hidInitResult = hidInitResult;
    g_supported = {{"1209", "7472"}};

    DMainWidget w(fakeSdk());
    QCOMPARE(g_calls, calls);

    char macroPath[DDataManager::PathBufferSize];
    DDataManager::getInstance()->copyMacroXmlPath(macroPath);
    char seniorPath[DDataManager::PathBufferSize];
    DDataManager::getInstance()->copySeniorKeyXmlPath(seniorPath);
    QVERIFY(w.devicePage());
    if (hidInitResult == 0) {
        QCOMPARE(QString::fromLocal8Bit(macroPath), userDir + QStringLiteral("/appMacro.xml"));
        QCOMPARE(QString::fromLocal8Bit(seniorPath), userDir + QStringLiteral("/SeniorKeyConfig.xml"));
        QCOMPARE(int(w.m_supportInfoList.size()), 1);
        QVERIFY(!w.findChild<QMessageBox *>(QStringLiteral("sdkFailureNotice")));
    } else {
        QCOMPARE(QString::fromLocal8Bit(macroPath), QString());
        QCOMPARE(QString::fromLocal8Bit(seniorPath), QString());
        QVERIFY(w.m_supportInfoList.empty());
        // The user is told, without the window being blocked.
        w.show();
        QMessageBox *notice = w.findChild<QMessageBox *>(QStringLiteral("sdkFailureNotice"));
        QVERIFY(notice);
        QTRY_VERIFY(notice->isVisible());
        QCOMPARE(notice->windowModality(), Qt::WindowModal);
        // No arrival is passed on without the supported list.
        QSignalSpy into(&w, &DMainWidget::sigHidDeviceConnectChanging_Into);
        w.onDeviceChangeNotify(true, QStringLiteral("hid#vid_1209&pid_7472&mi_01#sim/1"));
        QTest::qWait(2 * DeviceChangeRouter::SettleDelayMs);
        QCOMPARE(into.count(), 0);
    }
}

void tst_MainWidget::firstRunDefaultsWrittenOnce()
{
    QFile::remove(userSettingsPath());
    const QString entry = AutoStartEntry::entryPath(QCoreApplication::applicationName());
    QFile::remove(entry);
    {
        DMainWidget w(fakeSdk());
    }
    QSettings user(userSettingsPath(), QSettings::IniFormat);
    for (const char *key : {"AutoStart/isAutoStart", "MinimizeToTray/isMinimizeToTray", "CloseToTray/isCloseToTray"}) {
        QVERIFY2(user.contains(QLatin1String(key)), key);
        QCOMPARE(user.value(QLatin1String(key)).toBool(), true);
    }
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(text.contains(QStringLiteral("\nExec=\"%1\" --AutoUp\n").arg(QCoreApplication::applicationFilePath())),
             qPrintable(text));
    file.close();

    // A second start writes nothing, even after the user removed the entry
    // and turned the options off.
    QVERIFY(QFile::remove(entry));
    user.setValue(QStringLiteral("CloseToTray/isCloseToTray"), false);
    user.setValue(QStringLiteral("AutoStart/isAutoStart"), false);
    user.sync();
    {
        DMainWidget w(fakeSdk());
    }
    user.sync();
    QVERIFY(!QFile::exists(entry));
    QCOMPARE(user.value(QStringLiteral("CloseToTray/isCloseToTray")).toBool(), false);
    QCOMPARE(user.value(QStringLiteral("AutoStart/isAutoStart")).toBool(), false);
}

void tst_MainWidget::minimumSizeFitsTheScreen()
{
    DMainWidget w(fakeSdk());
    const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
    QCOMPARE(w.minimumSize(), QSize(1700, 950).boundedTo(available));
}

void tst_MainWidget::edgeHitTest_data()
{
    QTest::addColumn<QPoint>("offset"); // from the top-left pixel; negative values count from the bottom-right
    QTest::addColumn<bool>("fromBottomRight");
    QTest::addColumn<int>("region");
    QTest::addColumn<int>("cursor");
    using R = DMainWidget;
    QTest::newRow("top-left corner") << QPoint(0, 0) << false << int(R::LeftTop) << int(Qt::SizeFDiagCursor);
    QTest::newRow("L+4, T+4 is still the corner") << QPoint(4, 4) << false << int(R::LeftTop)
                                                  << int(Qt::SizeFDiagCursor);
    QTest::newRow("L+5, T+5 is inside") << QPoint(5, 5) << false << int(R::None) << int(Qt::ArrowCursor);
    QTest::newRow("bottom-right corner") << QPoint(0, 0) << true << int(R::RightBottom) << int(Qt::SizeFDiagCursor);
    QTest::newRow("R-4, B-4") << QPoint(-4, -4) << true << int(R::RightBottom) << int(Qt::SizeFDiagCursor);
    QTest::newRow("left edge") << QPoint(2, 300) << false << int(R::Left) << int(Qt::SizeHorCursor);
    QTest::newRow("top edge") << QPoint(300, 3) << false << int(R::Up) << int(Qt::SizeVerCursor);
    QTest::newRow("right edge") << QPoint(-4, -300) << true << int(R::Right) << int(Qt::SizeHorCursor);
    QTest::newRow("bottom edge") << QPoint(-300, -1) << true << int(R::Down) << int(Qt::SizeVerCursor);
    QTest::newRow("R-5 is inside") << QPoint(-5, -300) << true << int(R::None) << int(Qt::ArrowCursor);
}

void tst_MainWidget::edgeHitTest()
{
    QFETCH(QPoint, offset);
    QFETCH(bool, fromBottomRight);
    QFETCH(int, region);
    QFETCH(int, cursor);

    DMainWidget w(fakeSdk());
    w.setGeometry(50, 40, 700, 500);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint topLeft = w.mapToGlobal(w.rect().topLeft());
    const QPoint bottomRight = w.mapToGlobal(w.rect().bottomRight());
    const QPoint bottomLeft(topLeft.x(), bottomRight.y());
    const QPoint topRight(bottomRight.x(), topLeft.y());
    const QPoint global = (fromBottomRight ? bottomRight : topLeft) + offset;

    QCOMPARE(int(w.resizeRegionAt(global)), region);
    w.hitTestResizeEdge(global.x(), global.y());
    QCOMPARE(int(w.cursor().shape()), cursor);

    // The other two corners.
    QCOMPARE(int(w.resizeRegionAt(bottomLeft)), int(DMainWidget::LeftBottom));
    QCOMPARE(int(w.resizeRegionAt(topRight)), int(DMainWidget::RightTop));

    // While the left button is held the cursor stays as it is.
    w.setCursor(Qt::WaitCursor);
    QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    w.hitTestResizeEdge(global.x(), global.y());
    QCOMPARE(w.cursor().shape(), Qt::WaitCursor);
    QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
}

void tst_MainWidget::closeButton_data()
{
    QTest::addColumn<QVariant>("closeToTray");
    QTest::addColumn<bool>("quits");
    // This display has no tray: hiding would leave nothing to bring the window back.
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    QTest::newRow("close to tray, no tray") << QVariant(true) << true;
    QTest::newRow("close ends the program") << QVariant(false) << true;
    QTest::newRow("setting missing") << QVariant() << true;
}

void tst_MainWidget::closeButton()
{
    QFETCH(QVariant, closeToTray);
    QFETCH(bool, quits);

    DMainWidget w(fakeSdk());
    {
        QSettings user(userSettingsPath(), QSettings::IniFormat);
        if (closeToTray.isValid())
            user.setValue(QStringLiteral("CloseToTray/isCloseToTray"), closeToTray);
        else
            user.remove(QStringLiteral("CloseToTray/isCloseToTray"));
    }
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(77); });
    QTimer::singleShot(0, &w, [&] {
        w.findChild<QAbstractButton *>(QStringLiteral("pushButton_Close"))->click();
        // Ends the loop when the click did not; a quit ends it long before.
        stillRunning.start(1000);
    });
    const int code = QCoreApplication::exec();
    QCOMPARE(code, quits ? 0 : 77);
    QVERIFY(!w.isVisible());
}

void tst_MainWidget::dialogOverOverlay_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QSize>("size");
    QTest::newRow("macro editor") << "DMacroPage" << QSize(1050, 750);
    QTest::newRow("advanced keys") << "DSeniorKeysPage" << QSize(930, 650);
    QTest::newRow("settings") << "DSettingsDia" << QSize(700, 500);
}

void tst_MainWidget::dialogOverOverlay()
{
    QFETCH(QString, dialog);
    QFETCH(QSize, size);

    DMainWidget w(fakeSdk());
    w.setGeometry(0, 0, 1200, 800);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto open = [&] {
        if (dialog == QLatin1String("DMacroPage"))
            emit w.devicePage()->sigShowMacroPage();
        else if (dialog == QLatin1String("DSeniorKeysPage"))
            emit w.devicePage()->sigShowSeniorKeysPage();
        else
            w.findChild<QAbstractButton *>(QStringLiteral("pushButton_Setting"))->click();
    };

    VisibilityCounter counter;
    for (int round = 0; round < 2; ++round) {
        open();
        QWidget *overlay = overlayOf(w);
        QVERIFY(overlay);
        if (round == 0)
            overlay->installEventFilter(&counter); // it was shown before it could be watched
        QVERIFY(overlay->isVisible());
        QCOMPARE(overlay->size(), w.size());

        QWidget *shown = w.findChild<QWidget *>(dialog);
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->size(), size);
        QCOMPARE(shown->windowModality(), Qt::WindowModal);
        QCOMPARE(shown->pos(), QPoint(w.x() + (w.width() - size.width()) / 2, w.y() + (w.height() - size.height()) / 2));

        // A second request while the dialog is open opens nothing more.
        open();
        QCOMPARE(w.findChildren<QWidget *>(dialog).size(), 1);

        QPointer<QWidget> guard(shown);
        shown->findChild<QAbstractButton *>(QStringLiteral("pushButton_Close"))->click();
        QVERIFY(!overlay->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard);
        QCOMPARE(counter.shows, round);
        QCOMPARE(counter.hides, round + 1);
        QCOMPARE(overlayOf(w), overlay);
    }
}

void tst_MainWidget::deviceChangeMatching_data()
{
    QTest::addColumn<bool>("arrived");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("into");
    QTest::addColumn<int>("remove");
    QTest::addColumn<bool>("bootloader");
    QTest::newRow("lower-case ids") << true << "hidraw#vid_1a2b&pid_4c5d#/devices/x" << 1 << 0 << false;
    QTest::newRow("upper-case ids") << true << "USB#VID_1A2B&PID_4C5D#X" << 1 << 0 << false;
    QTest::newRow("two entries match, one notice") << true << "usb#vid_1209&pid_7472#/d" << 1 << 0 << false;
    QTest::newRow("removal") << false << "hid#vid_1209&pid_7472&mi_01#sim/4" << 0 << 1 << false;
    QTest::newRow("vendor only") << true << "usb#vid_1209&pid_0001#/d" << 0 << 0 << false;
    QTest::newRow("bootloader") << true << "usb#vid_0416&pid_3f00#/d" << 0 << 0 << true;
    QTest::newRow("supported bootloader") << true << "usb#vid_1fc9&pid_f7df#/d" << 1 << 0 << true;
    QTest::newRow("bootloader gone") << false << "usb#vid_0416&pid_3f01#/d" << 0 << 0 << false;
    QTest::newRow("0416 alone") << true << "usb#vid_0416&pid_3f02#/d" << 0 << 0 << false;
}

void tst_MainWidget::deviceChangeMatching()
{
    QFETCH(bool, arrived);
    QFETCH(QString, name);
    QFETCH(int, into);
    QFETCH(int, remove);
    QFETCH(bool, bootloader);

    g_supported = {{"1A2B", "4c5d"}, {"1209", "7472"}, {"1209", "7472"}, {"1FC9", "F7DF"}};
    DMainWidget w(fakeSdk());
    QSignalSpy intoSpy(&w, &DMainWidget::sigHidDeviceConnectChanging_Into);
    QSignalSpy removeSpy(&w, &DMainWidget::sigHidDeviceConnectChanging_Remove);

    // An update started from the update window waits for its bootloader.
    w.m_bootloaderUpdate->m_pending = true;
    w.onDeviceChangeNotify(arrived, name);
    QCOMPARE(w.m_bootloaderUpdate->m_arrivalTimer->isActive(), bootloader);
    if (bootloader) {
        // A second arrival of the bootloader does not start another upgrade.
        QSignalSpy fired(w.m_bootloaderUpdate->m_arrivalTimer, &QTimer::timeout);
        w.onDeviceChangeNotify(true, name);
        QVERIFY(fired.wait());
        QTest::qWait(kBootloaderDelayMs * 2);
        QCOMPARE(fired.count(), 1);
    }

    // Passed on once the burst has settled.
    if (into || remove) {
        QTRY_COMPARE(intoSpy.count() + removeSpy.count(), into + remove);
    } else {
        QTest::qWait(2 * DeviceChangeRouter::SettleDelayMs);
    }
    QCOMPARE(intoSpy.count(), into);
    QCOMPARE(removeSpy.count(), remove);
    if (into)
        QCOMPARE(intoSpy.at(0).at(0).toString(), name);
    if (remove)
        QCOMPARE(removeSpy.at(0).at(0).toString(), name);
}

namespace {

QStringList g_log;
QtMessageHandler g_previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    g_log << text;
    g_previousHandler(type, context, text);
}

} // namespace

void tst_MainWidget::simulatedKeyboardReachesDevicePage()
{
    DMainWidget w; // the SDK linked into the program
    QVERIFY(w.m_sdkReady);
    QVERIFY(!w.m_supportInfoList.empty());
    g_log.clear();
    g_previousHandler = qInstallMessageHandler(recordMessage);
    auto count = [](const char *line) { return int(g_log.count(QString::fromLatin1(line))); };
    const char *insert = "-------------------- *** [Insert Start] *** --------------------";
    const char *removal = "--------------- *** [OutPut Start] *** ---------------";

    auto &sim = lumtar::sim::SimController::instance();
    const std::string path = sim.plug("LT108HE");
    QVERIFY(!path.empty());
    QTRY_COMPARE(count(insert), 1);
    QVERIFY(sim.unplug(path));
    QTRY_COMPARE(count(removal), 1);
    QTest::qWait(400);
    qInstallMessageHandler(g_previousHandler);
    QCOMPARE(count(insert), 1);
    QCOMPARE(count(removal), 1);
}

void tst_MainWidget::headerNamesOnlyAShownKeyboard()
{
    g_supported = {{"1209", "7472"}};
    DMainWidget w(fakeSdk());
    auto *product = w.findChild<QLabel *>(QStringLiteral("label_ProductName"));
    auto *like = w.findChild<QLabel *>(QStringLiteral("label_DeviceName"));
    QVERIFY(product && like);
    QCOMPARE(product->text(), QString());
    QCOMPARE(like->text(), QString());

    emit w.devicePage()->sigReturnHidLikeName(QStringLiteral("Lumtar LT104 RGB"), QStringLiteral("LT104 RGB"));
    QCOMPARE(product->text(), QStringLiteral("Lumtar LT104 RGB"));
    QCOMPARE(like->text(), QStringLiteral("LT104 RGB"));

    // The device page's words for no keyboard put no placeholder in the header.
    emit w.devicePage()->sigReturnHidLikeName(QStringLiteral("RGB"), QStringLiteral("HID"));
    QCOMPARE(product->text(), QString());
    QCOMPARE(like->text(), QString());
    w.omUpdataAllUI();
    QCOMPARE(product->text(), QString());
    QCOMPARE(like->text(), QString());
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_MainWidget test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwidget.moc"
