#include "ui/mainwidget/DMainWidget.h"
#include "ui_DMainWidget.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "core/DDataManager.h"
#include "platform/autostart/AutoStartEntry.h"
#include "platform/udev/DeviceChangeMonitor.h"
#include "sdk/include/LumtarFirmware.h"
#include "ui/mainwidget/DeviceChangeRouter.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/mainwidget/FirmwareUpgradeCheck.h"
#include "ui/mainwidget/FirmwareWindowHost.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/settings/DSettingsDia.h"
#include "device/RecordFieldText.h"
#include "widgets/LanguageChangeHook.h"
#include "widgets/StyleSheetUpdate.h"
#include "widgets/ThemeColorText.h"

namespace {

const char kDefaultConfigResource[] = ":/images/configDir/LumtarDefaultConfig.ini";
const int kMinimumWidth = 1700;
const int kMinimumHeight = 950;

QString themeName(int themeIndex)
{
    switch (themeIndex) {
    case 0: return QStringLiteral("Black");
    case 1: return QStringLiteral("Light");
    case 2: return QStringLiteral("Blue");
    case 3: return QStringLiteral("Pink");
    case 4: return QStringLiteral("Other");
    default: return QString();
    }
}

QString buttonPictureSheet(const QString &normal, const QString &active)
{
    return QStringLiteral("QPushButton{border-image: url(%1);}"
                          "QPushButton:hover{border-image: url(%2);}"
                          "QPushButton:pressed{border-image: url(%2);}")
        .arg(normal, active);
}

// Copies a path's local 8-bit form into a 256-byte buffer; a path that does
// not fit is refused (logged) and the buffer stays empty: a cut path would
// name another file.
bool storePath(char (&buffer)[256], const QString &path)
{
    const QByteArray local = path.toLocal8Bit();
    if (local.size() >= int(sizeof(buffer))) {
        qDebug() << "Store path too long, not used:" << path;
        buffer[0] = '\0';
        return false;
    }
    lumtarCopyField(buffer, local.constData());
    return true;
}

// The window's own part of a theme: title, frames and header labels. Sheets
// that did not change are left alone, so applying it again costs nothing.
void applyWindowTheme(Ui::DMainWidget *ui, int themeIndex)
{
    // The font choice of the shipped defaults was read when the window was built.
    DDataManager *data = DDataManager::getInstance();
    const ThemeColor theme = data->themeColor();

    QFont titleFont = data->themeFont(0);
    titleFont.setPointSize(16);
    ui->label_AppName->setFont(titleFont);
    setStyleSheetIfChanged(ui->label_AppName,
                           QStringLiteral("QLabel#label_AppName{color: rgb(%1);}").arg(theme.TextCheckedColor));

    const QString name = themeName(themeIndex);
    setStyleSheetIfChanged(
        ui->pushButton, QStringLiteral("QPushButton{border-image: url(:/images/mainpage/leftTopLogo_%1.png);}").arg(name));

    if (data->isBgImageUsing()) {
        const QString titlePicture = data->appDirPath() + QStringLiteral("/images/bgImageTitle_") + name
            + QStringLiteral(".png");
        const QString mainPicture = data->appDirPath() + QStringLiteral("/images/bgImageMain_") + name
            + QStringLiteral(".png");
        setStyleSheetIfChanged(ui->frame_Title,
                               QStringLiteral("QFrame#frame_Title{border-image:url(%1);}").arg(titlePicture));
        setStyleSheetIfChanged(ui->frame_Main, QStringLiteral("QFrame#frame_Main{border-image:url(%1);}").arg(mainPicture));
        return;
    }
    setStyleSheetIfChanged(ui->frame_Title, QStringLiteral("QFrame#frame_Title{ background-color: rgb(%1);}")
                                                .arg(theme.MainWidgetTitleColorStart));
    setStyleSheetIfChanged(ui->frame_Bg,
                           QStringLiteral("QFrame#frame_Bg{border: none; border:1px solid rgb(%1);background:transparent;}")
                               .arg(theme.MainWidgetBorderColor));
    setStyleSheetIfChanged(ui->frame_Main, QStringLiteral("QFrame#frame_Main{ border: none; border-top: 3px solid rgb(%1); }")
                                               .arg(theme.MainWidgetBorderColor));
    setStyleSheetIfChanged(ui->label_ProductName,
                           QStringLiteral("QLabel#label_ProductName{color: rgb(%1);}").arg(theme.TextCheckedColor));
    setStyleSheetIfChanged(ui->label_DeviceName,
                           QStringLiteral("QLabel#label_DeviceName{color: rgb(%1);}").arg(theme.TextDefaultColor));
    QFont labelFont = data->themeFont(0);
    labelFont.setPointSize(14);
    ui->label_ProductName->setFont(labelFont);
    ui->label_DeviceName->setFont(labelFont);
}

} // namespace

DMainWidget::DMainWidget(QWidget *parent)
    : DMainWidget(LumtarSdkStartup::linked(), parent)
{
}

DMainWidget::DMainWidget(const LumtarSdkStartup &sdk, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DMainWidget)
    , m_sdk(sdk)
{
    construct();
}

DMainWidget::~DMainWidget()
{
    // A firmware write ends at its next block and its thread is joined.
    stopFirmwareWork();
    // An open dialog reports its end to this window: it goes while the window is whole.
    delete m_overlayDialog;
    m_firmwareWindow->destroy();
    delete m_upgradeCheck;
    if (m_devicePage)
        m_devicePage->closeAllDevices();
    delete ui;
}

void DMainWidget::construct()
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint);
    // Never ask for more than the screen can show.
    QSize minimum(kMinimumWidth, kMinimumHeight);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        minimum = minimum.boundedTo(screen->availableGeometry().size());
    setMinimumSize(minimum);
    ui->stackedWidget_Main->setCurrentWidget(ui->page_Device);

    ui->frame_Bg->setMouseTracking(true);
    ui->frame_Title->setMouseTracking(true);
    ui->frame_Main->setMouseTracking(true);
    ui->stackedWidget_Main->setMouseTracking(true);
    setMouseTracking(true);
    m_leftButtonHeld = false;
    m_resizeRegion = None;
    setCursor(Qt::ArrowCursor);
    installEventFilter(this);
    ui->frame_Bg->installEventFilter(this);
    ui->frame_Title->installEventFilter(this);
    ui->frame_Main->installEventFilter(this);
    // The window and its device page follow every language change, whoever
    // installed the new translation.
    LanguageChangeHook::install(this, [this] { omUpdataAllUI(); });

    DDataManager *data = DDataManager::getInstance();
    QSettings defaults(QString::fromLatin1(kDefaultConfigResource), QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    data->setUseLocalFont(defaults.value(QStringLiteral("UseLocalFont/useFontStatus"), false).toBool());
    if (defaults.contains(QStringLiteral("CompanyName/ComName")))
        m_titleText = defaults.value(QStringLiteral("CompanyName/ComName")).toString();
    setWindowTitle(m_titleText);

    QFont titleFont = data->themeFont(0);
    titleFont.setPointSize(16);
    ui->label_AppName->setFont(titleFont);
    ui->label_AppName->setText(m_titleText);
    ui->appLogo->setStyleSheet(QStringLiteral("QPushButton{border-image: url(%1);}")
                                   .arg(QStringLiteral(":/images/lumtarLogo.png")));
    setWindowIcon(QIcon(QStringLiteral(":/images/lumtarLogo.png")));
    ui->pushButton_Close->setStyleSheet(buttonPictureSheet(QStringLiteral(":/images/mainpage/closeWindowDef.png"),
                                                           QStringLiteral(":/images/mainpage/closeWindowSel.png")));
    ui->pushButton_Max->setStyleSheet(buttonPictureSheet(QStringLiteral(":/images/mainpage/maxWindowDef.png"),
                                                         QStringLiteral(":/images/mainpage/maxWindowSel.png")));
    ui->pushButton_Min->setStyleSheet(buttonPictureSheet(QStringLiteral(":/images/mainpage/minWindowDef.png"),
                                                         QStringLiteral(":/images/mainpage/minWindowSel.png")));
    ui->pushButton_Setting->setStyleSheet(buttonPictureSheet(QStringLiteral(":/images/mainpage/settingDef.png"),
                                                             QStringLiteral(":/images/mainpage/settingSel.png")));

    m_userConfigPath = data->userConfigDir() + QStringLiteral("/LumtarConfig.ini");
    m_userSettings = new QSettings(m_userConfigPath, QSettings::IniFormat, this);
    writeFirstRunDefaults();

    createFirmwareEngine();

    qDebug() << "1.CreatTrayIcon  and  registerDevice";
    createTray();
    registerDeviceNotify();
    qDebug() << "2.Init Lumtar Sdk";
    initSdk();
    routeDeviceChanges();

    // The window's frames take the theme before the device page is built
    // under them: a sheet set on a frame later would polish the whole page
    // again.
    const int themeIndex = m_userSettings->value(QStringLiteral("Theme/selectThemeIndex"), 0).toInt();
    qDebug() << "Start Chang App Theme ... ThemeSelectIndex:" << themeIndex;
    applyWindowTheme(ui, themeIndex);
    qDebug() << "3.Init Widgets";
    initWidgets();

    data->setMacroXmlPath(m_macroXmlPath);
    data->setSeniorKeyXmlPath(m_seniorKeyXmlPath);
    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Into, this, &DMainWidget::onHidDeviceConnectChanging_Into);
    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Remove, this,
            &DMainWidget::onHidDeviceConnectChanging_Remove);
    // Whatever ends the event loop, the devices are closed before the process goes.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this]() {
        if (m_devicePage)
            m_devicePage->closeAllDevices();
    });

    onChangAppTheme(themeIndex);

    if (!m_sdkReady) {
        // Without the SDK no keyboard is ever found: say so instead of
        // showing an empty page.
        auto *box = new QMessageBox(QMessageBox::Warning, QObject::tr("Tip"),
                                    QObject::tr("The device service could not be started, no keyboard can be found. "
                                                "Please restart the program."),
                                    QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("sdkFailureNotice"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        QTimer::singleShot(0, box, &QMessageBox::show);
    }
}

void DMainWidget::writeFirstRunDefaults()
{
    if (!m_userSettings->contains(QStringLiteral("AutoStart/isAutoStart"))) {
        m_userSettings->beginGroup(QStringLiteral("AutoStart"));
        m_userSettings->setValue(QStringLiteral("isAutoStart"), true);
        m_userSettings->endGroup();
        if (!AutoStartEntry::write(QCoreApplication::applicationName(), QCoreApplication::applicationFilePath(),
                                   QStringLiteral("--AutoUp")))
            qDebug() << "Autostart entry not written:" << AutoStartEntry::entryPath(QCoreApplication::applicationName());
    }
    if (!m_userSettings->contains(QStringLiteral("MinimizeToTray/isMinimizeToTray"))) {
        m_userSettings->beginGroup(QStringLiteral("MinimizeToTray"));
        m_userSettings->setValue(QStringLiteral("isMinimizeToTray"), true);
        m_userSettings->endGroup();
    }
    if (!m_userSettings->contains(QStringLiteral("CloseToTray/isCloseToTray"))) {
        m_userSettings->beginGroup(QStringLiteral("CloseToTray"));
        m_userSettings->setValue(QStringLiteral("isCloseToTray"), true);
        m_userSettings->endGroup();
    }
    m_userSettings->sync();
}

void DMainWidget::createTray()
{
    m_minimizeAction = new QAction(QObject::tr("Minimize(&N)"), this);
    connect(m_minimizeAction, &QAction::triggered, this, &DMainWidget::onMinApp);
    m_maximizeAction = new QAction(QObject::tr("Maximize(&X)"), this);
    connect(m_maximizeAction, &QAction::triggered, this, &QWidget::showMaximized);
    m_restoreAction = new QAction(QObject::tr("Revert(&R)"), this);
    connect(m_restoreAction, &QAction::triggered, this, &QWidget::showNormal);
    m_quitAction = new QAction(QIcon(QStringLiteral(":/images/mainpage/closeWindowSel.png")),
                               QObject::tr("Quit(&Q)"), this);
    connect(m_quitAction, &QAction::triggered, this, &DMainWidget::onQuitApp);

    m_trayMenu = new QMenu(this);
    m_trayMenu->addAction(m_minimizeAction);
    m_trayMenu->addAction(m_maximizeAction);
    m_trayMenu->addAction(m_restoreAction);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_quitAction);

    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setIcon(QIcon(QStringLiteral(":/images/trayLogo.ico")));
    m_trayIcon->setToolTip(m_titleText);
    m_trayIcon->setContextMenu(m_trayMenu);
    m_trayIcon->show();
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &DMainWidget::iconActivated);
}

void DMainWidget::registerDeviceNotify()
{
    m_deviceChangeRouter = new DeviceChangeRouter(this);
    m_deviceMonitor = new DeviceChangeMonitor(this);
    connect(m_deviceMonitor, &DeviceChangeMonitor::sigDeviceChanged, this, &DMainWidget::onDeviceChangeNotify);
    if (!m_deviceMonitor->start())
        qDebug() << "registerDeviceNotify failed, GetLastError:" << m_deviceMonitor->errorText();
}

void DMainWidget::initSdk()
{
    char version[LUMTAR_VERSION_BUFFER_SIZE] = {};
    m_sdk.versionStr(version);
    ui->label_SdkVer->setText(QString::fromLocal8Bit(version));
    ui->label_SdkVer->hide();

    const int xmlResult = m_sdk.xmlInit();
    const int hidResult = m_sdk.hidInit();
    const int lightResult = m_sdk.lightInit();
    if (xmlResult != 0 || hidResult != 0 || lightResult != 0) {
        qDebug() << "Init Lumtar Sdk Failed, XML:" << xmlResult << "HID:" << hidResult << "Light:" << lightResult;
        m_sdkReady = false;
        return;
    }
    m_sdkReady = true;

    const QString userDir = DDataManager::getInstance()->userConfigDir();
    const QString macroPath = userDir + QStringLiteral("/appMacro.xml");
    if (storePath(m_macroXmlPath, macroPath) && !QFileInfo(macroPath).isFile())
        m_sdk.createMacroXmlFile(m_macroXmlPath);

    const QString seniorKeyPath = userDir + QStringLiteral("/SeniorKeyConfig.xml");
    if (storePath(m_seniorKeyXmlPath, seniorKeyPath) && !QFileInfo::exists(seniorKeyPath)) {
        m_sdk.createSeniorKeyXmlFile(m_seniorKeyXmlPath);
        m_sdk.createSeniorKeyParentNode(m_seniorKeyXmlPath);
    }

    m_supportInfoList.clear();
    m_sdk.getSupportInfoList(&m_supportInfoList);

    m_ufwLibrary.load();
}

void DMainWidget::initWidgets()
{
    m_devicePage = new DDevicePage(ui->page_Device);
    ui->page_Device->layout()->addWidget(m_devicePage);
    connect(m_devicePage, &DDevicePage::sigShowMacroPage, this, &DMainWidget::onShowMacroPage);
    connect(m_devicePage, &DDevicePage::sigReturnHidLikeName, this, &DMainWidget::onReturnHidLikeName);
    connect(m_devicePage, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC, this,
            &DMainWidget::onHaveCheckUpgradeFirmwareNUC);
    connect(m_devicePage, &DDevicePage::sigIntoOrRemoveHidOver, this, &DMainWidget::onIntoOrRemoveHidOver);
    connect(m_devicePage, &DDevicePage::sigShowSeniorKeysPage, this, &DMainWidget::onShowSeniorKeysPage);
}

// ---- device-change notification ---------------------------------------------

void DMainWidget::onDeviceChangeNotify(bool arrived, QString interfaceName)
{
    m_deviceChangeRouter->onDeviceChangeNotify(arrived, interfaceName);
}

void DMainWidget::routeDeviceChanges()
{
    QList<QPair<QString, QString>> supported;
    for (const SupportInfoStu &info : m_supportInfoList)
        supported.append(qMakePair(QString::fromLatin1(recordFieldText(info.vendorId)),
                                   QString::fromLatin1(recordFieldText(info.productId))));
    m_deviceChangeRouter->setSupportedIds(supported);
    std::list<SupportInfoStu> bootloaderIds;
    CLumtarHid_GetBootloaderIdList(&bootloaderIds);
    QList<QPair<QString, QString>> bootloaders;
    for (const SupportInfoStu &ids : bootloaderIds)
        bootloaders.append(qMakePair(QString::fromLatin1(recordFieldText(ids.vendorId)),
                                     QString::fromLatin1(recordFieldText(ids.productId))));
    m_deviceChangeRouter->setBootloaderIds(bootloaders);
    connect(m_deviceChangeRouter, &DeviceChangeRouter::sigDeviceArrived, this,
            &DMainWidget::sigHidDeviceConnectChanging_Into);
    connect(m_deviceChangeRouter, &DeviceChangeRouter::sigDeviceRemoved, this,
            &DMainWidget::sigHidDeviceConnectChanging_Remove);
    connect(m_deviceChangeRouter, &DeviceChangeRouter::sigBootloaderArrived, this, &DMainWidget::onBootloaderArrived);
}

void DMainWidget::onHidDeviceConnectChanging_Into(QString hidPath)
{
    if (m_devicePage)
        m_devicePage->updateHidDeviceList(DDevicePage::DeviceArrived, hidPath);
}

void DMainWidget::onHidDeviceConnectChanging_Remove(QString hidPath)
{
    if (m_devicePage)
        m_devicePage->updateHidDeviceList(DDevicePage::DeviceRemoved, hidPath);
}

// ---- theme and language -------------------------------------------------------

void DMainWidget::onChangAppTheme(int themeIndex)
{
    applyWindowTheme(ui, themeIndex);
    if (m_devicePage)
        m_devicePage->updateAppTheme();
    update();
}

void DMainWidget::omUpdataAllUI()
{
    ui->retranslateUi(this);
    setWindowTitle(m_titleText);
    ui->label_AppName->setText(m_titleText);
    ui->label_ProductName->setText(m_productName);
    ui->label_DeviceName->setText(m_likeName);
    m_minimizeAction->setText(QObject::tr("Minimize(&N)"));
    m_maximizeAction->setText(QObject::tr("Maximize(&X)"));
    m_restoreAction->setText(QObject::tr("Revert(&R)"));
    m_quitAction->setText(QObject::tr("Quit(&Q)"));
    if (m_devicePage)
        m_devicePage->updateAllUI();
}

void DMainWidget::onReturnHidLikeName(QString productName, QString likeName)
{
    // "RGB" and "HID" are the device page's words for no keyboard: the
    // header then names none.
    const bool noKeyboard = productName == QLatin1String("RGB") && likeName == QLatin1String("HID");
    m_productName = noKeyboard ? QString() : productName;
    m_likeName = noKeyboard ? QString() : likeName;
    ui->label_ProductName->setText(m_productName);
    ui->label_DeviceName->setText(m_likeName);
}

// ---- dialogs over the overlay -------------------------------------------------

QWidget *DMainWidget::createOverlay(const QString &styleSheet)
{
    auto *overlay = new QWidget(this, Qt::FramelessWindowHint);
    overlay->setObjectName(QStringLiteral("widget"));
    overlay->setStyleSheet(styleSheet);
    overlay->resize(size());
    overlay->raise();
    return overlay;
}

void DMainWidget::placeDialog(QWidget *dialog)
{
    dialog->move(pos().x() + (width() - dialog->width()) / 2, pos().y() + (height() - dialog->height()) / 2);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

bool DMainWidget::overlayDialogOpen() const
{
    return m_overlayDialog && m_overlayDialog->isVisible();
}

bool DMainWidget::dimForDialog()
{
    if (overlayDialogOpen())
        return false;
    if (!m_overlay)
        m_overlay = createOverlay(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100); border-radius:0px;}"));
    m_overlay->resize(size());
    m_overlay->show();
    return true;
}

void DMainWidget::hostDialog(QWidget *dialog, void (DMainWidget::*onClosed)())
{
    // Closing or destroying the dialog lifts the overlay either way.
    connect(dialog, &QObject::destroyed, this, onClosed);
    m_overlayDialog = dialog;
    placeDialog(dialog);
}

void DMainWidget::onShowMacroPage()
{
    if (!dimForDialog())
        return;

    auto *dialog = new DMacroPage(this);
    connect(dialog, &DMacroPage::sigMacroPageClose, this, &DMainWidget::onMacroPageClose);
    connect(dialog, &DMacroPage::sigMacroListHaveChanged, m_devicePage,
            &DDevicePage::sigMacroListHaveChangedSendToDevice);
    dialog->setMacroXmlPath(m_macroXmlPath);
    hostDialog(dialog, &DMainWidget::onMacroPageClose);
}

void DMainWidget::onMacroPageClose()
{
    if (m_overlay)
        m_overlay->hide();
}

void DMainWidget::onShowSeniorKeysPage()
{
    if (!dimForDialog())
        return;

    auto *dialog = new DSeniorKeysPage(this);
    connect(dialog, &DSeniorKeysPage::sigSeniorKeysPageClose, this, &DMainWidget::onSeniorKeysPageClose);
    hostDialog(dialog, &DMainWidget::onSeniorKeysPageClose);
}

void DMainWidget::onSeniorKeysPageClose()
{
    if (m_overlay)
        m_overlay->hide();
}

void DMainWidget::on_pushButton_Setting_clicked()
{
    if (!dimForDialog())
        return;

    auto *dialog = new DSettingsDia(this);
    connect(dialog, &DSettingsDia::sigSettingsWindowClose, this, &DMainWidget::onSettingsWindowClose);
    connect(dialog, &DSettingsDia::sigUpdateApp, this, &DMainWidget::onUpdateApp);
    connect(dialog, &DSettingsDia::sigChangAppTheme, this, &DMainWidget::onChangAppTheme);
    connect(dialog, &DSettingsDia::sigFirmwareUpgradeCheck, this, &DMainWidget::onFirmwareUpgradeCheck);
    hostDialog(dialog, &DMainWidget::onSettingsWindowClose);
}

void DMainWidget::onSettingsWindowClose()
{
    if (m_overlay)
        m_overlay->hide();
}

// ---- window buttons, tray and quitting -------------------------------------------

void DMainWidget::onMinApp()
{
    hide();
}

void DMainWidget::onQuitApp()
{
    qDebug() << "------------------------- *** App Exit (Normal) *** ------------------------------ \n";
    quitApplication();
}

void DMainWidget::quitApplication()
{
    if (m_quitting)
        return;
    m_quitting = true;
    m_deviceChangeRouter->clear();
    stopFirmwareWork();
    // Every device is closed and its I/O thread joined before the process ends.
    if (m_devicePage) {
        m_devicePage->stopBeforeClose();
        m_devicePage->closeAllDevices();
    }
    close();
    QCoreApplication::exit(0);
}

void DMainWidget::on_pushButton_Close_clicked()
{
    QSettings settings(m_userConfigPath, QSettings::IniFormat);
    const bool closeToTray = settings.value(QStringLiteral("CloseToTray/isCloseToTray"), false).toBool();
    // Hiding without a tray icon would leave nothing to bring the window back.
    if (closeToTray && m_trayIcon && m_trayIcon->isVisible()) {
        hide();
        return;
    }
    qDebug() << "------------------------- *** App Exit (Normal) *** ------------------------------ \n";
    quitApplication();
}

void DMainWidget::on_pushButton_Max_clicked()
{
    if (isMaximized() || isFullScreen()) {
        ui->pushButton_Max->setStyleSheet(buttonPictureSheet(QStringLiteral(":/images/mainpage/maxWindowDef.png"),
                                                             QStringLiteral(":/images/mainpage/maxWindowSel.png")));
        showNormal();
        setCursor(Qt::ArrowCursor);
    } else {
        ui->pushButton_Max->setStyleSheet(
            buttonPictureSheet(QStringLiteral(":/images/mainpage/intoMaxWindowDef.png"),
                               QStringLiteral(":/images/mainpage/intoMaxWindowSel.png")));
        showMaximized();
    }
}

void DMainWidget::on_pushButton_Min_clicked()
{
    showMinimized();
}

void DMainWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        showNormal();
}
