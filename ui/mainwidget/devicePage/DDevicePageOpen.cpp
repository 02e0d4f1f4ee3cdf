// The half of the device page that opens one linked keyboard and shows it:
// the open sequence with its keyboard view, the controls of the kind of
// keyboard, the profile folder and files, loading the current profile into
// the feature pages, the travel values of every key, the lighting engine,
// and the slots of the shown keyboard's link.
//
// The open runs as steps: the page builds the view at once, the open
// sequence waits for the link's first replies and then reads the travel
// values, and the page goes on each time the sequence tells it to. Nothing
// of the keyboard shown before is used from the start of an open on.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>
#include <QStackedLayout>
#include <QTimer>

#include <cstring>
#include <list>
#include <string>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/DeviceModelLists.h"
#include "device/DeviceSerialNumber.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarXml.h"
#include "device/RecordFieldText.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DefaultCustomLightFile.h"
#include "ui/mainwidget/devicePage/DeviceOpenSequence.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/dragShowArea.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/trigger/DPerformancePage.h"
#include "widgets/BatteryItem.h"
#include "widgets/CbNotice.h"
#include "widgets/ThemeColorText.h"

namespace {

QString pathOf(const hidStructInfoAll &record)
{
    return QString::fromLatin1(recordFieldText(record.hidPath));
}

QString modelOf(const hidStructInfoAll &record)
{
    return QString::fromLocal8Bit(recordFieldText(record.hidModel));
}

// Room left and right of the keyboard view in the page.
const int kViewSideMargin = 40;

} // namespace

keyboardButCustom *DDevicePage::keyButtonAt(int row, int column) const
{
    if (row < 0 || row >= 6 || column < 0 || column >= 22)
        return nullptr;
    return m_keyButtonGrid[row][column];
}

// ---- the open sequence ----------------------------------------------------------

void DDevicePage::setOpeningDevice(bool opening)
{
    m_isOpeningDevice = opening;
    m_roster->setWorking(KeyboardRoster::Work::Opening, opening);
}

void DDevicePage::failOpen(const char *logLine)
{
    m_openSequence->abort();
    m_currentHidItem = nullptr;
    m_currentKeyboardLink = nullptr;
    m_currentHidInterface = nullptr;
    showNoDevice();
    m_notice->showNotice(QObject::tr("Failed to open the device, please try again"), noticePoint());
    qDebug() << logLine;
    setOpeningDevice(false);
}

void DDevicePage::abortOpen()
{
    // The keyboard went away or the page closes: the waits end here, and
    // the removal that follows takes the keyboard off the page.
    if (!m_isOpeningDevice)
        return;
    qDebug() << "openTheUsingDevice  [Ended before its last step]";
    m_openSequence->abort();
    setOpeningDevice(false);
}

void DDevicePage::buildKeyboardView(const hidStructInfoAll &record)
{
    // The old view goes once control is back in the event loop.
    if (m_keyboardViewContainer) {
        m_keyboardViewContainer->hide();
        if (QLayout *frameLayout = ui->hidDeviceShowFrame->layout())
            frameLayout->removeWidget(m_keyboardViewContainer);
        m_keyboardViewContainer->deleteLater();
    }
    m_hidDeviceJoinFrame = nullptr;
    m_dragShowArea = nullptr;

    QLayout *frameLayout = ui->horizontalLayout_17;
    m_keyboardViewContainer = new QWidget(ui->hidDeviceShowFrame);
    qDebug() << "openTheUsingDevice  Step2";

    m_hidDeviceJoinFrame = new hidDeviceJoinFrame(m_keyboardViewContainer);
    connect(m_hidDeviceJoinFrame, &hidDeviceJoinFrame::sigDragAreaMoveOneKey, this,
            &DDevicePage::onDragAreaMoveOneKey);
    connect(m_hidDeviceJoinFrame, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged, this,
            &DDevicePage::onTheDragAreaHaveChanged);
    m_dragShowArea = new dragShowArea(m_keyboardViewContainer);
    connect(m_dragShowArea, &dragShowArea::sigDragArea, this, &DDevicePage::onDragArea_SelectKeys);
    connect(m_dragShowArea, &dragShowArea::sigDragShowAreaMouseMovePoint, this,
            &DDevicePage::onDragShowAreaMouseMovePoint);
    connect(m_dragShowArea, &dragShowArea::sigDragAreaMousePressOrRelease, this,
            &DDevicePage::onDragAreaMousePressOrRelease);
    const QColor band = themeRgb(DDataManager::getInstance()->themeColor().TextCheckedColor, 255);
    m_dragShowArea->setColor(band.red(), band.green(), band.blue());

    m_hidDeviceJoinFrame->setWindowFlags(m_hidDeviceJoinFrame->windowFlags() | Qt::WindowStaysOnTopHint);
    m_hidDeviceJoinFrame->loadKeyboard(record);
    auto *stack = new QStackedLayout;
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(m_hidDeviceJoinFrame);
    stack->addWidget(m_dragShowArea);
    m_keyboardViewContainer->setLayout(stack);
    frameLayout->addWidget(m_keyboardViewContainer);
    qDebug() << "openTheUsingDevice  Step3";

    // The key grid in matrix order, 22 keys a row.
    for (auto &row : m_keyButtonGrid)
        for (keyboardButCustom *&cell : row)
            cell = nullptr;
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonList();
    for (int n = 0; n < keys.size() && n < 6 * 22; ++n)
        m_keyButtonGrid[n / 22][n % 22] = keys.at(n);
    qDebug() << "openTheUsingDevice  Step4";
}

void DDevicePage::openTheUsingDevice(hidStructInfoAll record)
{
    DDataManager *data = DDataManager::getInstance();
    ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);
    m_openSequence->abort();
    setOpeningDevice(true);
    m_openingRecord = record;
    // Whatever becomes of this open, no file of the keyboard shown before is
    // used from here on.
    m_profileFiles.clear();
    closeProfileRename();
    m_currentSN.clear();
    data->setXmlProfilePath("");
    data->setMagneticXmlPath("");
    m_customKeysPage->setXmlProfilePath("");
    if (m_lightsConfigPage) {
        m_lightsConfigPage->setXmlProfilePath("");
        m_performancePage->setXmlProfilePath("");
    }
    if (m_currentKeyboardLink)
        m_currentKeyboardLink->setXmlProfilePath("");

    const QString path = pathOf(record);
    data->setGamePadMode(ProfileFolder::gamePadModeFromPath(path));
    if (m_isFirstOpen) {
        m_isFirstOpen = false;
        emit sigReturnHidLikeName(QString::fromLocal8Bit(recordFieldText(record.productName)),
                                  QString::fromLocal8Bit(recordFieldText(record.likeName)));
        DDeviceListItem *item = m_hidItemMap.value(path);
        for (DDeviceListItem *other : qAsConst(m_hidItemMap))
            if (other)
                other->setSelected(other == item);
        m_currentHidItem = item;
    }
    qDebug().noquote() << "openTheUsingDevice  Step1, hidFirmwareVer:" << recordFieldText(record.firmwareVersion);

    DDeviceKeyboardLink *link = m_roster->link(path);
    if (!link || path.isEmpty()) {
        failOpen("openTheUsingDevice  Step1 [KeyboardLinkListMap Find ERROR]");
        return;
    }
    m_currentKeyboardLink = link;
    m_currentHidInterface = link->hidInterface();
    // The serial number names a folder: only a usable one is taken.
    if (!DeviceSerialNumber::isUsable(link->serialNumber()) || !m_currentHidInterface
        || !m_currentHidInterface->isOpen()) {
        failOpen("openTheUsingDevice  Step1 [SN == NULL]");
        return;
    }
    m_zoomFactor = 1.3f;
    ui->label_Multiple->setText(QStringLiteral("1.3"));

    buildKeyboardView(record);

    m_dragShowArea->lower();
    m_hidDeviceJoinFrame->raise();
    m_hidDeviceJoinFrame->show();
    on_pushButton_MoreBig_clicked();
    fitKeyboardViewToScreen();
    showDeviceKindControls(link);

    data->setCurrentDeviceModelName(modelOf(record));
    // Step 6 once the keyboard has answered its first queries.
    m_openSequence->start(link);
}

void DDevicePage::showDeviceKindControls(const DDeviceKeyboardLink *link)
{
    DDataManager *data = DDataManager::getInstance();
    const int deviceType = data->hidDeviceType();
    // The battery gauge shows once the keyboard reports a battery.
    ui->frame_Battery->hide();
    // Magnetic switches are a fact of the device table, not of the layout file.
    if (DeviceModelLists::isMagneticModel(modelOf(m_openingRecord))) {
        ui->frame_7->setMinimumWidth(295);
        ui->toolButton_TriggerSetting->show();
        ui->toolButton_SeniorKey->show();
        ui->frame_6->hide();
        ui->frame_8->hide();
        data->setMagneticKeyboard(true);
        data->setHeavyPressLayerEnabled(true);
        m_customKeysPage->setLightHeavySelectVisible(0);
        m_customKeysPage->showDefaultFunctionPage();
        ui->frame_FillSpace->setMinimumWidth(60);
    } else {
        ui->frame_7->setMinimumWidth(200);
        ui->toolButton_TriggerSetting->hide();
        ui->toolButton_SeniorKey->hide();
        ui->frame_6->show();
        ui->frame_8->show();
        data->setMagneticKeyboard(false);
        data->setHeavyPressLayerEnabled(true);
        m_customKeysPage->setLightHeavySelectVisible(999);
        m_customKeysPage->showDefaultFunctionPage();
        ui->frame_FillSpace->setMinimumWidth(20);
    }
    qDebug() << "openTheUsingDevice  Step5";

    if (deviceType == 5) {
        ui->frame_6->hide();
        ui->frame_8->hide();
    }
    showGamePadMode();
    data->setHasSideLight(!link->sideLightModeList().modeCodes.empty());
    qDebug() << "openTheUsingDevice  Step6";
}

ProfileFolder::Defaults DDevicePage::openingDefaults() const
{
    ProfileFolder::Defaults defaults;
    defaults.keyCount = m_openingRecord.keyCount;
    defaults.model = modelOf(m_openingRecord);
    defaults.lightSynchronized = DDataManager::getInstance()->isLightSynchronize();
    return defaults;
}

void DDevicePage::onOpenLinkSettled()
{
    if (!m_isOpeningDevice)
        return;
    m_filesToMake.clear();
    initProfileXmlFiles(m_openingRecord, 0);
    // The profile files still missing, one write in each turn.
    QVector<std::function<void()>> steps;
    const ProfileFolder::Defaults defaults = openingDefaults();
    for (const ProfileFolder::File file : qAsConst(m_filesToMake))
        steps.append([this, file, defaults] { m_profileFiles.createFile(file, defaults); });
    m_filesToMake.clear();
    m_openSequence->runSteps(steps);
}

void DDevicePage::onProfileFilesMade()
{
    qDebug() << "openTheUsingDevice  Step7";
    DDeviceKeyboardLink *link = m_openSequence->link();
    if (DDataManager::getInstance()->hidDeviceType() == 4 && link && m_currentKeyboardLink == link) {
        QVector<KeyTravelReader::Key> keys;
        for (keyboardButCustom *key : DDataManager::getInstance()->keyButtonList())
            if (key && key->keyCode() != 0)
                keys.append({key->keyCode(), key->gridRow(), key->gridColumn()});
        m_openSequence->readTravel(keys, [this](int row, int column) {
            onQueryDynamicDisplaySensitivityNum(row, column);
        });
        return;
    }
    finishOpen();
}

void DDevicePage::onKeyTravelRead(const QVector<KeyTravelReader::Travel> &travels)
{
    applyKeyTravels(travels);
    qDebug() << "openTheUsingDevice  Step7A";
    restyleKeyButtons();
    finishOpen();
}

void DDevicePage::finishOpen()
{
    qDebug() << "openTheUsingDevice  Step7B";
    startLightEngine();
    qDebug() << "openTheUsingDevice  Step8";
    m_openSequence->finish();
    setOpeningDevice(false);
}

void DDevicePage::fitKeyboardViewToScreen()
{
    QWidget *top = window();
    QScreen *screen = top->screen() ? top->screen() : QGuiApplication::primaryScreen();
    if (!screen || !m_hidDeviceJoinFrame)
        return;
    // What the window needs besides the keyboard view, against the screen:
    // on a screen lower than that plus the view at its zoom, the view is
    // made smaller so the keyboard and the page below it fit.
    const QSize available = screen->availableGeometry().size();
    QWidget *frame = ui->hidDeviceShowFrame;
    const int frameMinimum = qMax(frame->minimumHeight(), frame->minimumSizeHint().height());
    const int rest = top->minimumSizeHint().height() - frameMinimum;
    const QSize room(available.width() - ui->frame_left->minimumWidth() - kViewSideMargin,
                     available.height() - rest);
    const float fitting = m_hidDeviceJoinFrame->zoomToFit(room, m_zoomFactor);
    if (fitting >= m_zoomFactor)
        return;
    m_zoomFactor = fitting;
    ui->label_Multiple->setText(QString::number(m_zoomFactor, 'f', 1));
    m_hidDeviceJoinFrame->setZoom(m_zoomFactor);
}

// ---- step 6: profile folder and files ------------------------------------------

void DDevicePage::initProfileXmlFiles(hidStructInfoAll record, int unused)
{
    Q_UNUSED(unused);
    DDataManager *data = DDataManager::getInstance();
    QPointer<DDeviceKeyboardLink> link = m_currentKeyboardLink;
    if (!link)
        return;
    m_currentSN = link->serialNumber();
    qDebug().noquote() << "openTheUsingDevice  Step6, SN:" << m_currentSN;
    m_currentHidInfo = record;
    m_currentLayerIndex = 0;
    m_lightDealMain->setDeviceInfo(record);
    m_lightDealMain->setLightSupportInfo(link->lightModeList(), link->sideLightModeList());

    if (std::strcmp(recordFieldText(record.deviceKind).constData(), "keyboard") != 0)
        return;
    qDebug() << "openTheUsingDevice  Step6, XML Init Start...";
    const QString model = modelOf(record);
    const QStringList levels = ProfileFolder::folderLevels(model, m_currentSN, data->gamePadMode());
    if (levels.isEmpty()) {
        qDebug().noquote() << "openTheUsingDevice  Step6, no profile folder for" << model << m_currentSN;
        return;
    }
    const int fileCount = data->isMagneticKeyboard() ? 3 : 2;
    qDebug() << "openTheUsingDevice  Step6, profileNum:" << fileCount;
    if (!m_profileFiles.makeFolder(data->userConfigDir(), levels, fileCount))
        return;
    if (fileCount == 3)
        data->setMagneticXmlPath(m_profileFiles.filePath(ProfileFolder::HeavyPress).constData());
    m_filesToMake = m_profileFiles.missingFiles();
    // The default-layer file, new or not, takes its defaults and the
    // keyboard's own light records in one write; the other new files follow
    // in turns of their own, once the profile is loaded.
    LumtarXmlBatch defaultFileBatch(m_profileFiles.filePath(ProfileFolder::DefaultLayer).constData());
    if (m_filesToMake.removeOne(ProfileFolder::DefaultLayer))
        m_profileFiles.createFile(ProfileFolder::DefaultLayer, openingDefaults());
    qDebug() << "openTheUsingDevice  Step6, XML Init End...";
    if (!m_profileFiles.useDefaultLayerFile())
        return;
    qDebug() << "openTheUsingDevice  Step6, Update data Start...";
    loadProfileKeyAndLightInfo();
    qDebug() << "openTheUsingDevice  Step6, Update data End...";

    if (!link->isLightInfoSaved()) {
        qDebug() << "openTheUsingDevice  Step6D  001";
        if (!link->sideLightModeList().modeCodes.empty()) {
            link->saveLightInfoToProFile(0);
            link->saveLightInfoToProFile(1);
            qDebug() << "openTheUsingDevice  Step6D  002";
        } else {
            link->saveLightInfoToProFile(0);
            qDebug() << "openTheUsingDevice  Step6D  003";
        }
        link->setLightInfoSaved(true);
        qDebug() << "openTheUsingDevice  Step6D  004";
    }
    if (data->hidDeviceType() == 3)
        link->sendCheckSleepTime();
    qDebug() << "openTheUsingDevice  Step6D  005";
}

void DDevicePage::addDefaultLightInfo(int profileIndex)
{
    ProfileFolder::addDefaultLightInfo(m_profileFiles.xmlProfilePath(), profileIndex,
                                       DDataManager::getInstance()->isLightSynchronize());
}

void DDevicePage::addDefaultCustomLightNodes(int profileIndex)
{
    ProfileFolder::addDefaultCustomLightNodes(m_profileFiles.xmlProfilePath(), profileIndex, defaultCustomLightFile());
}

void DDevicePage::importDefaultCustomLight(int profileIndex, int nodeIndex)
{
    ProfileFolder::importDefaultCustomLight(m_profileFiles.xmlProfilePath(), profileIndex, nodeIndex,
                                            defaultCustomLightFile());
}

QString DDevicePage::defaultCustomLightFile() const
{
    return DefaultCustomLightFile::fileName(m_currentHidInfo.keyCount, modelOf(m_currentHidInfo));
}
