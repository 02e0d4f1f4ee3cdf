#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QButtonGroup>
#include <QDebug>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLayoutItem>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>
#include <QUrl>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/DOnboardDownloader.h"
#include "device/HidReportBuff.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarLight.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DeviceOpenSequence.h"
#include "ui/mainwidget/devicePage/dragShowArea.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/LightModeTable.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/trigger/DPerformancePage.h"
#include "ui/mainwidget/devicePage/trigger/DTriggerSettingPage.h"
#include "device/RecordFieldText.h"
#include "widgets/CbNotice.h"
#include "widgets/ThemeColorText.h"

namespace {

const char kDefaultConfigResource[] = ":/images/configDir/LumtarDefaultConfig.ini";
const char kBuiltInCompanyLink[] = "https://lumtar.example.org";
const char kLinkColor[] = "255,143,31";
const char kLinkFontFamily[] = "Microsoft YaHei";
// A notice's height before its first showing sets it.
constexpr int kNoticeHeight = 40;

} // namespace

DDevicePage::DDevicePage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DDevicePage)
{
    ui->setupUi(this);

    // The developer row of the keyboard view stays hidden.
    ui->pushButton_Test->hide();
    ui->pushButton_ChangModeTest->hide();
    ui->label_ChangModeTest->hide();
    ui->label_Multiple->hide();
    ui->pushButton_MoreBig->hide();
    ui->pushButton_MoreSmall->hide();

    ui->label->setText(QObject::tr("Device List"));
    ui->label_Tip->setText(QObject::tr("Device not connected"));
    ui->pushButton_Reset->setText(QObject::tr("Reset"));

    QSettings defaults(QString::fromLatin1(kDefaultConfigResource), QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    m_companyLink = QString::fromLatin1(kBuiltInCompanyLink);
    if (defaults.contains(QStringLiteral("CompanyLink/ComLink")))
        m_companyLink = defaults.value(QStringLiteral("CompanyLink/ComLink")).toString();

    ui->label_Url->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    ui->label_Url->setText(companyLinkRichText(QString::fromLatin1(kLinkColor)));
    const bool showLink = defaults.contains(QStringLiteral("MainPageCompanyLinkFrame/showStatus"))
        && defaults.value(QStringLiteral("MainPageCompanyLinkFrame/showStatus")).toBool();
    ui->frame_Url->setVisible(showLink);
    connect(ui->label_Url, &QLabel::linkActivated, this, &DDevicePage::onLickActivited, Qt::DirectConnection);

    m_notice = new CbNotice(this);
    m_notice->setFontPixelSize(24);

    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);

    m_lightDealMain = new lightDealMain(nullptr);

    // The page's frames take the theme before the feature pages are built
    // under them; the main window's theme step then finds them done.
    applyPageSheets(DDataManager::getInstance()->themeColor());
    initSubPages();
    // The pages not shown at start follow in the first turn of the event
    // loop, once the window is on the screen.
    QTimer::singleShot(0, this, &DDevicePage::buildFeaturePages);

    m_roster = new KeyboardRoster(this);
    connect(m_roster, &KeyboardRoster::linkCreated, this, &DDevicePage::wireKeyboardLink);
    connect(m_roster, &KeyboardRoster::linksSettled, this, &DDevicePage::onLinksSettled);
    connect(m_roster, &KeyboardRoster::taskDue, this, &DDevicePage::runDeferredTask);
    m_openSequence = new DeviceOpenSequence(this);
    connect(m_openSequence, &DeviceOpenSequence::sigLinkSettled, this, &DDevicePage::onOpenLinkSettled);
    connect(m_openSequence, &DeviceOpenSequence::sigStepsDone, this, &DDevicePage::onProfileFilesMade);
    connect(m_openSequence, &DeviceOpenSequence::sigTravelRead, this, &DDevicePage::onKeyTravelRead);
    initProfileWork();

    m_onboardDownloader = new DOnboardDownloader(this);
    m_onboardDownloader->setKeyCodeSource([] {
        QVector<int> codes;
        for (keyboardButCustom *button : DDataManager::getInstance()->keyButtonList())
            codes << (button ? button->keyCode() : 0);
        return codes;
    });
    connect(m_onboardDownloader, &DOnboardDownloader::sigFinished, this, [this](DOnboardDownloader::Outcome outcome) {
        m_customKeysPage->stopDownloadingAnimation();
        m_notice->showNotice(DOnboardDownloader::outcomeText(outcome), noticePoint());
    });
    connect(m_onboardDownloader, &DOnboardDownloader::sigDownloadingChanged, this, [this](bool running) {
        ui->scrollAreaWidgetContents_2->setEnabled(!running);
        ui->comboBox_profileList->setEnabled(!running);
        ui->pushButton_ProfileOperate->setEnabled(!running);
    });

    m_mainPageButtonGroup = new QButtonGroup(this);
    m_mainPageButtonGroup->addButton(ui->toolButton_CustomKey, CustomKeysPage);
    m_mainPageButtonGroup->addButton(ui->toolButton_LightConfig, LightsConfigPage);
    m_mainPageButtonGroup->addButton(ui->toolButton_Performance, PerformancePage);
    m_mainPageButtonGroup->addButton(ui->toolButton_TriggerSetting, TriggerSettingPage);
    ui->toolButton_CustomKey->setChecked(true);
    connect(m_mainPageButtonGroup, &QButtonGroup::idClicked, this,
            &DDevicePage::onCurIndexChangedMainPage);

    resetMainPageButtons();
    ui->label_Charging->hide();
    m_chargingStep = 0;
    m_chargingTimer = new QTimer(this);
    m_chargingTimer->setObjectName(QStringLiteral("chargingAnimationTimer"));
    m_chargingTimer->setInterval(50);
    connect(m_chargingTimer, &QTimer::timeout, this, &DDevicePage::onTimerChangingBatteryNum);

    connect(this, &DDevicePage::sigMacroListHaveChangedSendToDevice, this,
            &DDevicePage::onMacroListHaveChangedSendToDevice);
    DDataManager *data = DDataManager::getInstance();
    connect(data, &DDataManager::sigQueryDynamicDisplaySensitivityNum, this,
            &DDevicePage::onQueryDynamicDisplaySensitivityNum);
    connect(data, &DDataManager::sigTheMagneticKeyboardCalibrationPoint, this,
            &DDevicePage::onTheMagneticKeyboardCalibrationPoint);
    connect(data, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack, this,
            &DDevicePage::onTheMagneticKeyboardCalibrationStatusBack);
    connect(data, &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack, this,
            &DDevicePage::onMagneticKeyboardAllKeysCalibrationStatusBack);

    // The first enumeration runs once the main window is up.
    QTimer::singleShot(200, this, &DDevicePage::onLoadDeviceList);
}

DDevicePage::~DDevicePage()
{
    closeAllDevices();
    delete m_lightDealMain;
    delete ui;
}

void DDevicePage::initSubPages()
{
    m_customKeysPage = new DCustomKeysPage(ui->page_CustomKeys);
    ui->page_CustomKeys->layout()->addWidget(m_customKeysPage);
    connect(m_customKeysPage, &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch, this,
            &DDevicePage::onDefaultLayerAndFnLayerSwitch);
    connect(m_customKeysPage, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage, this,
            &DDevicePage::onEveryPageBackTip);
    connect(m_customKeysPage, &DCustomKeysPage::sigTheKeyboardIntoDownloading, this,
            &DDevicePage::onTheKeyboardIntoDownloading);
    connect(m_customKeysPage, &DCustomKeysPage::sigAutoIntoCustomKeysPage, this,
            &DDevicePage::onAutoIntoCustomKeysPage);
    connect(m_customKeysPage, &DCustomKeysPage::sigInteractLightsPointXY, this,
            &DDevicePage::onInteractLightsPointXY);
}

void DDevicePage::buildFeaturePages()
{
    if (m_lightsConfigPage)
        return;
    m_lightsConfigPage = new DLightsConfigPage(ui->page_LightsConfig);
    ui->page_LightsConfig->layout()->addWidget(m_lightsConfigPage);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage, this,
            &DDevicePage::onEveryPageBackTip);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB, this,
            &DDevicePage::onSelectCurrentLightTypeIndex_KB);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_Side, this,
            &DDevicePage::onSelectCurrentLightTypeIndex_Side);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigLightConfigHaveChanged, this,
            &DDevicePage::onLightConfigHaveChanged);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigCustomLightItemHaveChanged, this,
            &DDevicePage::onCustomLightItemHaveChanged);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigLightConfigHaveChanged_Custom, this,
            &DDevicePage::onLightConfigHaveChanged_Custom);

    m_performancePage = new DPerformancePage(ui->page_Performance);
    ui->page_Performance->layout()->addWidget(m_performancePage);
    connect(m_performancePage, &DPerformancePage::sigResetoreCurrentProfile, this,
            &DDevicePage::onResetoreCurrentProfile);
    connect(m_performancePage, &DPerformancePage::sigLightAndKeyboardSleepTime, this,
            &DDevicePage::onLightAndKeyboardSleepTime);
    connect(m_performancePage, &DPerformancePage::sigLockWinKeyAbout, this, &DDevicePage::onLockWinKeyAbout);
    connect(m_performancePage, &DPerformancePage::sigSetCurrentGamePadModeIndex, this,
            &DDevicePage::onSetCurrentGamePadModeIndex);

    m_triggerSettingPage = new DTriggerSettingPage(ui->page_TriggerSetting);
    ui->page_TriggerSetting->layout()->addWidget(m_triggerSettingPage);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigMagnetsKeysApplyConfig, this,
            &DDevicePage::onMagnetsKeysApplyConfig);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigMagnetsKeyboardDefaultSensitivity, this,
            &DDevicePage::onMagnetsKeyboardDefaultSensitivity);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigKeyAntiShakeCurrentNum, this,
            &DDevicePage::onKeyAntiShakeCurrentNum);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigKeyRateOfReturnCurrentNum, this,
            &DDevicePage::onKeyRateOfReturnCurrentNum);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigCalibrationMode, this, &DDevicePage::onCalibrationMode);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigKeyCalibrationStartRuning, this,
            &DDevicePage::onKeyCalibrationStartRuning);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigAllKeysCalibrationMode, this,
            &DDevicePage::onAllKeysCalibrationMode);

    // Built after the window's theme pass: each takes the theme of now.
    m_lightsConfigPage->updateAppTheme();
    m_performancePage->updateAppTheme();
    m_triggerSettingPage->updateAppTheme();
}

DLightsConfigPage *DDevicePage::lightsConfigPage()
{
    buildFeaturePages();
    return m_lightsConfigPage;
}

DPerformancePage *DDevicePage::performancePage()
{
    buildFeaturePages();
    return m_performancePage;
}

DTriggerSettingPage *DDevicePage::triggerSettingPage()
{
    buildFeaturePages();
    return m_triggerSettingPage;
}

QString DDevicePage::companyLinkRichText(const QString &color) const
{
    return QStringLiteral("<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span>"
                          "<a href=\"Company|%1|\"><span style=\"font-size:10pt; text-decoration:underline; "
                          "color:rgb(%2);\">%1</span>")
        .arg(m_companyLink, color, QString::fromLatin1(kLinkFontFamily));
}

QPoint DDevicePage::noticePoint() const
{
    QPoint point(rect().center().x(), ui->frame_Right->height() - ui->widget_RightBottom->height() - 60);
    // While the all-keys calibration runs its instruction stays readable: a
    // notice that would cover it is shown just above it.
    QWidget *tip = ui->widget_MoveTip;
    if (tip->isVisible()) {
        const QRect tipRect(tip->mapTo(this, QPoint(0, 0)), tip->size());
        const int half = qMax(m_notice->minimumHeight(), kNoticeHeight) / 2;
        const int gap = 6;
        if (point.y() + half + gap > tipRect.top() && point.y() - half - gap < tipRect.bottom())
            point.setY(tipRect.top() - half - gap);
    }
    return point;
}

void DDevicePage::onEveryPageBackTip(QString strTip)
{
    m_notice->showNotice(strTip, noticePoint());
}

void DDevicePage::resetMainPageButtons()
{
    ui->toolButton_CustomKey->setIconAndText(QStringLiteral(":/images/customMadeDef.png"), QObject::tr("Key Custom"));
    ui->toolButton_TriggerSetting->setIconAndText(QStringLiteral(":/images/triggerSettingDef.png"),
                                                  QObject::tr("Trigger Setting"));
    ui->toolButton_SeniorKey->setIconAndText(QStringLiteral(":/images/SeniorKeyDef.png"), QObject::tr("Senior Keys"));
    ui->toolButton_LightConfig->setIconAndText(QStringLiteral(":/images/ledDef.png"), QObject::tr("Light Setting"));
    ui->toolButton_Performance->setIconAndText(QStringLiteral(":/images/performanceDef.png"),
                                               QObject::tr("Performance"));
    ui->toolButton_MacroDialog->setIconAndText(QStringLiteral(":/images/macroDef.png"), QObject::tr("Macro"));
    const QList<CustomButton *> buttons = {ui->toolButton_CustomKey,  ui->toolButton_TriggerSetting,
                                           ui->toolButton_SeniorKey,  ui->toolButton_LightConfig,
                                           ui->toolButton_Performance, ui->toolButton_MacroDialog};
    for (CustomButton *button : buttons)
        button->setSelected(false);
}

void DDevicePage::markCurrentMainPageButton()
{
    switch (m_currentMainPage) {
    case CustomKeysPage: ui->toolButton_CustomKey->setSelected(true); break;
    case LightsConfigPage: ui->toolButton_LightConfig->setSelected(true); break;
    case PerformancePage: ui->toolButton_Performance->setSelected(true); break;
    case TriggerSettingPage: ui->toolButton_TriggerSetting->setSelected(true); break;
    default: break;
    }
}

void DDevicePage::clearDeviceList()
{
    QLayout *strip = ui->verticalLayout_17;
    while (strip->count() > 1) {
        QLayoutItem *item = strip->takeAt(0);
        if (QWidget *widget = item->widget()) {
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
}

void DDevicePage::onCurIndexChangedMainPage(int selIndex)
{
    if (!m_currentKeyboardLink) {
        // The page without a keyboard says so already; a notice over its
        // picture would say it twice.
        if (ui->stackedWidget_3->currentWidget() != ui->page_TipShow)
            onEveryPageBackTip(QObject::tr("Device not connected"));
        return;
    }

    if (selIndex == TriggerSettingPage) {
        ui->frame_4->hide();
        ui->frame_5->hide();
        ui->frame_2->setContentsMargins(9, 0, 182, 0);
    } else {
        ui->frame_4->show();
        ui->frame_5->show();
        ui->frame_2->setContentsMargins(9, 0, 0, 0);
    }

    DDataManager *data = DDataManager::getInstance();
    if (m_currentMainPage == TriggerSettingPage && data->isKeyCalibrationMode()) {
        ui->toolButton_TriggerSetting->setChecked(true);
        onEveryPageBackTip(QObject::tr("Key calibration in progress, please wait a moment"));
        return;
    }

    if (m_currentMainPage == TriggerSettingPage && selIndex != TriggerSettingPage && m_currentHidInterface) {
        // Tell the keyboard the trigger page is left.
        HidReportBuff report(0x29, 0x00, 0x18);
        report[6] = 3;
        if (m_currentHidInterface->writeHidCmd(report.constData()) < 0)
            qDebug() << "USB serial port [Write Sensitivity-data] Failed ... 11";
        else
            qDebug() << "USB serial port [Write Sensitivity-data] Successful ...";
    }

    m_keyboardLightMode = -1;
    m_currentMainPage = selIndex;
    keySelectFrame *keyLayer = data->currentKeySelectFrame();
    if (keyLayer)
        keyLayer->setCalibrationShowMode(false);
    m_calibrationKeyRow = -1;
    m_calibrationKeyColumn = -1;

    if (m_hidDeviceJoinFrame && m_dragShowArea) {
        if (selIndex == LightsConfigPage) {
            m_hidDeviceJoinFrame->lower();
            m_dragShowArea->raise();
            m_dragShowArea->show();
            m_hidDeviceJoinFrame->setLightShowMode(true);
            if (keyLayer)
                keyLayer->setSideLightsVisible(true);
        } else {
            m_dragShowArea->lower();
            m_hidDeviceJoinFrame->raise();
            m_hidDeviceJoinFrame->show();
            m_hidDeviceJoinFrame->setLightShowMode(false);
            if (keyLayer) {
                keyLayer->setSideLightsVisible(false);
                keyLayer->setKeysHoverEnabled(true);
            }
        }
        if (selIndex == TriggerSettingPage) {
            m_dragShowArea->raise();
            m_dragShowArea->show();
            m_hidDeviceJoinFrame->setLightShowMode(true);
            m_dragShowArea->setDragEnabled(true);
            if (keyLayer) {
                keyLayer->setSideLightsVisible(false);
                keyLayer->setKeysHoverEnabled(true);
            }
        }
    }

    const QList<keyboardButCustom *> keys = data->keyButtonList();
    if (selIndex == TriggerSettingPage) {
        for (keyboardButCustom *key : keys) {
            if (!key)
                continue;
            key->setTravelShow(true);
            key->setLightColorShow(false);
            key->setLightColor(QColor(0, 0, 0, 0));
        }
    } else {
        for (keyboardButCustom *key : keys) {
            if (key)
                key->setTravelShow(false);
        }
    }

    triggerSettingPage()->exitCalibrationMode();
    resetMainPageButtons();

    switch (selIndex) {
    case CustomKeysPage:
        ui->stackedWidget->setCurrentWidget(ui->page_CustomKeys);
        m_customKeysPage->initCustomKeysStatus(m_currentLayerIndex);
        ui->label_ChangModeTest->setText(QStringLiteral("CustomKeys"));
        break;
    case LightsConfigPage:
        ui->stackedWidget->setCurrentWidget(ui->page_LightsConfig);
        lightsConfigPage()->reloadLightConfig();
        ui->label_ChangModeTest->setText(QStringLiteral("LightsConfig"));
        break;
    case PerformancePage:
        ui->stackedWidget->setCurrentWidget(ui->page_Performance);
        performancePage()->loadPerformanceInfo();
        ui->label_ChangModeTest->setText(QStringLiteral("Performance"));
        break;
    case MacroPage:
        emit sigShowMacroPage();
        break;
    case TriggerSettingPage:
        ui->stackedWidget->setCurrentWidget(ui->page_TriggerSetting);
        triggerSettingPage()->initTriggerSettingData();
        ui->label_ChangModeTest->setText(QStringLiteral("TriggerSetting"));
        break;
    default:
        break;
    }
    markCurrentMainPageButton();

    qDebug() << "Operate changed:" << ui->label_ChangModeTest->text();
}

void DDevicePage::stopBeforeClose()
{
    if (m_lightDealMain->isKeyboardPreviewRunning() || m_lightDealMain->isSidePreviewRunning())
        stopLightEngine();
}

void DDevicePage::closeAllDevices()
{
    // The light engine lets the keyboard run its own light again first,
    // whichever way the application ends.
    stopBeforeClose();
    // Every sequence ends where it is, then every I/O thread is joined.
    m_openSequence->abort();
    m_isOpeningDevice = false;
    m_onboardDownloader->cancel();
    m_lightDealMain->setHidInterface(nullptr);
    // A page not built yet holds no keyboard.
    if (m_lightsConfigPage)
        m_lightsConfigPage->setHidInterface(nullptr);
    m_currentHidItem = nullptr;
    m_currentKeyboardLink = nullptr;
    m_currentHidInterface = nullptr;
    setShownKeyboardCharging(false);
    m_roster->closeAll();
}

// ---- slots whose work belongs to the device status, magnetic-switch and
// coordination code of the page ---------------------------------------------

void DDevicePage::onDefaultLayerAndFnLayerSwitch(int pageIndex)
{
    if (pageIndex == m_currentLayerIndex)
        return;
    if (!m_currentKeyboardLink || !m_profileFiles.hasProfileFile() || isDownloadRunning() || isDeviceWorkRunning()) {
        // The layer shown stays: the layer buttons say so again.
        m_customKeysPage->initCustomKeysStatus(m_currentLayerIndex);
        if (m_currentKeyboardLink)
            m_notice->showNotice(QObject::tr("The keyboard is busy, please try again"), noticePoint());
        return;
    }
    const QByteArray path =
        m_profileFiles.filePath(pageIndex == 0 ? ProfileFolder::DefaultLayer : ProfileFolder::FnLayer);
    if (!m_profileFiles.setXmlProfilePath(path))
        return;
    m_currentLayerIndex = pageIndex;
    qDebug() << "Operate changed Start [CustomKeys->DefaultLayerAndFnLayerSwitch] 0Default 1Fn:" << pageIndex;

    DDataManager *data = DDataManager::getInstance();
    if (data->isMagneticKeyboard()) {
        data->setHeavyPressLayerEnabled(pageIndex == 0);
        m_customKeysPage->setLightHeavySelectVisible(pageIndex);
    }
    loadProfileKeyAndLightInfo();
    // Keys that only the default layer may change are drawn as fixed on the Fn layer.
    for (const QPair<int, int> &position : m_currentKeyboardLink->customKeyPosList()) {
        if (position.first < 0 || position.first >= 6 || position.second < 0 || position.second >= 22)
            continue;
        if (keyboardButCustom *key = m_keyButtonGrid[position.first][position.second])
            key->setEditable(pageIndex == 0);
    }
    qDebug() << "Operate changed Over [CustomKeys->DefaultLayerAndFnLayerSwitch]";
}

bool DDevicePage::isDownloadRunning() const
{
    return m_onboardDownloader && m_onboardDownloader->isRunning();
}

void DDevicePage::onTheKeyboardIntoDownloading()
{
    if (isDeviceWorkRunning()) {
        // The keyboard list or an open sequence is talking to the keyboards:
        // a download now would mix its reports with theirs.
        m_customKeysPage->stopDownloadingAnimation();
        m_notice->showNotice(QObject::tr("The keyboard is busy, please try again"), noticePoint());
        return;
    }
    const QString profileFolder = m_profileFiles.hasProfileFile()
        ? QFileInfo(QFile::decodeName(m_profileFiles.xmlProfilePath())).path()
        : QString();
    // A second request leaves the running download's busy state alone; the
    // outcome is told when the download finishes.
    m_onboardDownloader->download(m_currentKeyboardLink, profileFolder);
}

void DDevicePage::onRuningOnboard0x19Cmd()
{
    m_onboardDownloader->onRuningOnboard0x19Cmd();
}

// Neither the keyboard's own 0x18 report, its download status nor a 0x0B
// count is waited for by the download.
void DDevicePage::onRuningOnboard0x18Cmd() {}

void DDevicePage::onRuningOnboardDownloadStatus(int statusNun)
{
    Q_UNUSED(statusNun);
}

void DDevicePage::onQN9080Recv0x0bCmd(int recvNum)
{
    Q_UNUSED(recvNum);
}

void DDevicePage::onAutoIntoCustomKeysPage()
{
    ui->toolButton_CustomKey->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_CustomKeys);
}

void DDevicePage::onKeyboardKeyPressed(int usage)
{
    const keyboardButCustom *key = DDataManager::getInstance()->keyButtonMap().value(usage);
    if (!key)
        return;
    // The frames due before the press are computed without it.
    m_lightDealMain->runDueFrames();
    CLumtarHid_keyClickedSendXY(key->gridRow(), key->gridColumn());
    // Behind a receiver the keyboard also hears of the press (compact report).
    if (LightModeTable::isKeyPressReactive(m_lightDealMain->keyboardMode()))
        m_lightDealMain->setInteractLightPoint(key->gridRow(), key->gridColumn());
}

void DDevicePage::onLickActivited(QString link)
{
    Q_UNUSED(link);
    QDesktopServices::openUrl(QUrl(m_companyLink, QUrl::TolerantMode));
}

void DDevicePage::on_toolButton_MacroDialog_clicked()
{
    qDebug() << "Operate changed:" << "MacroDialog";
    m_customKeysPage->setLightInteractionHook(false, 0);
    emit sigShowMacroPage();
}

void DDevicePage::on_toolButton_SeniorKey_clicked()
{
    qDebug() << "Operate changed:" << "SeniorKeyDialog";
    emit sigShowSeniorKeysPage();
}

void DDevicePage::on_pushButton_MoreBig_clicked()
{
    // The limits compare the label, whatever rounding the factor carries.
    if (ui->label_Multiple->text() == QLatin1String("2.0"))
        return;
    m_zoomFactor += 0.1f;
    ui->label_Multiple->setText(QString::number(m_zoomFactor, 'f', 1));
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->setZoom(m_zoomFactor);
}

void DDevicePage::on_pushButton_MoreSmall_clicked()
{
    if (ui->label_Multiple->text() == QLatin1String("1.0"))
        return;
    m_zoomFactor -= 0.1f;
    ui->label_Multiple->setText(QString::number(m_zoomFactor, 'f', 1));
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->setZoom(m_zoomFactor);
}
