// The half of the device page that knows the attached keyboards: the first
// enumeration and re-enumeration after hot-plug, receivers and the presence
// of their keyboard, the order of the device strip, switching the shown
// keyboard, the open sequence with the profile folders, loading the current
// profile into the feature pages, and the lighting engine's start and stop.
//
// Everything runs in the GUI thread. The waits let the event loop run, so a
// device change, a receiver report or a click can arrive in the middle of an
// enumeration or an open: such work is remembered and done once the running
// sequence is over, and nothing that a waiting sequence still uses is
// deleted under it (links are closed and deleted later, strip items are
// moved, not rebuilt).
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QStackedLayout>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarXml.h"
#include "ui/RecordFieldText.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/dragShowArea.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/trigger/DPerformancePage.h"
#include "widgets/CbNotice.h"
#include "widgets/ThemeColorText.h"

namespace {

const int kLinkReadyWaitMs = 1300;
const int kProfileReadyWaitMs = 1500;
const int kOneKeyWaitMs = 250;
// A travel reply this much later than its query is taken as lost: the next
// reply answers a later query.
const int kOneKeyReplyLostMs = 1000;
const int kDongleAbsent = 1;
const int kDonglePresent = 0;

QString pathOf(const hidStructInfoAll &record)
{
    return QString::fromLatin1(recordFieldText(record.hidPath));
}

QString modelOf(const hidStructInfoAll &record)
{
    return QString::fromLocal8Bit(recordFieldText(record.hidModel));
}

// The default custom-light file of a keyboard with this many keys.
QString defaultCustomLightFile(int keyCount)
{
    switch (keyCount) {
    case 84:
    case 69: return QStringLiteral("customLightDefaultConfig_84.xml");
    case 83: return QStringLiteral("customLightDefaultConfig_83.xml");
    case 97:
    case 98:
    case 99:
    case 100: return QStringLiteral("customLightDefaultConfig_98.xml");
    case 68: return QStringLiteral("customLightDefaultConfig_68.xml");
    case 61: return QStringLiteral("customLightDefaultConfig_61.xml");
    case 34: return QStringLiteral("customLightDefaultConfig_34.xml");
    case 18: return QStringLiteral("customLightDefaultConfig_18.xml");
    case 82: return QStringLiteral("customLightDefaultConfig_82.xml");
    default: return QStringLiteral("customLightDefaultConfig.xml");
    }
}

} // namespace

// ---- helpers ------------------------------------------------------------------

int DDevicePage::gamePadModeFromPath(const QString &path)
{
    // A marker counts only after the first character of the path.
    if (path.indexOf(QLatin1String("7472"), 1) > 0)
        return 0;
    if (path.indexOf(QLatin1String("7473"), 1) > 0)
        return 1;
    if (path.indexOf(QLatin1String("7474"), 1) > 0)
        return 2;
    return -1;
}

bool DDevicePage::isSerialNumberFolderSafe(const QString &serial)
{
    if (serial.isEmpty())
        return false;
    for (const QChar c : serial) {
        const ushort u = c.unicode();
        const bool ok = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!ok)
            return false;
    }
    return true;
}

bool DDevicePage::isShownLink(const DDeviceKeyboardLink *link) const
{
    return link && m_currentHidItem && m_currentKeyboardLink == link;
}

int DDevicePage::dongleStatus(const QString &path) const
{
    // A receiver that has not reported yet has no reachable keyboard.
    return m_dongleStatusMap.value(path, kDongleAbsent);
}

bool DDevicePage::waitFor(const std::function<bool()> &done, int limitMs)
{
    m_waitTimer.start();
    while (!done()) {
        if (m_waitTimer.elapsed() >= limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

bool DDevicePage::isDeviceWorkRunning() const
{
    return m_isLoadingList || m_isUpdatingHidList || m_isOpeningDevice;
}

void DDevicePage::scheduleDeviceWork()
{
    if (m_deviceWorkScheduled || isDeviceWorkRunning())
        return;
    if (!m_loadListPending && !m_arrivalPending && !m_removalPending && !m_dongleRecheckPending)
        return;
    // Run from the event loop, out of the stack of whatever just ended.
    m_deviceWorkScheduled = true;
    QTimer::singleShot(0, this, &DDevicePage::runPendingDeviceWork);
}

void DDevicePage::runPendingDeviceWork()
{
    m_deviceWorkScheduled = false;
    if (isDeviceWorkRunning())
        return; // the running sequence schedules it again when it ends
    if (m_loadListPending) {
        m_loadListPending = false;
        onLoadDeviceList();
    } else if (!m_deviceListLoaded) {
        return; // changes wait for the first enumeration, which sees them all
    } else if (m_arrivalPending) {
        m_arrivalPending = false;
        updateHidDeviceList(DeviceArrived, QString());
    } else if (m_removalPending) {
        m_removalPending = false;
        updateHidDeviceList(DeviceRemoved, QString());
    } else if (m_dongleRecheckPending) {
        m_dongleRecheckPending = false;
        const QStringList receivers = m_dongleStatusMap.keys();
        for (const QString &path : receivers) {
            if (m_hidInfoMap.contains(path))
                applyDongleStatus(path, m_dongleStatusMap.value(path));
            if (isDeviceWorkRunning())
                break;
        }
        onUpdateDeviceListShow();
    }
    scheduleDeviceWork();
}

void DDevicePage::retireKeyboardLink(const QString &path)
{
    DDeviceKeyboardLink *link = KeyboardLinkListMap.take(path);
    if (!link)
        return;
    // Closing stops the I/O thread and waits for it; the link itself goes
    // once no code on the stack can still hold it.
    if (MainHidInterFace *io = link->hidInterface())
        io->closeHid();
    m_retiredLinks.append(link);
    link->deleteLater();
}

void DDevicePage::deleteRetiredLinks()
{
    const QList<QPointer<DDeviceKeyboardLink>> links = m_retiredLinks;
    m_retiredLinks.clear();
    for (const QPointer<DDeviceKeyboardLink> &link : links)
        delete link.data();
}

void DDevicePage::showNoDevice()
{
    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
    emit sigReturnHidLikeName(QStringLiteral("RGB"), QStringLiteral("HID"));
}

// ---- enumeration ------------------------------------------------------------

bool DDevicePage::buildDeviceRecord(const std::string &path, const std::map<std::string, HidInfoStu> &models,
                                    hidStructInfoAll *record) const
{
    HidDeviceInfoStu device = {};
    FirmwareInfoStu firmware = {};
    if (!CLumtarHid_GetHidAndFirmwareInfoStu(path.c_str(), &device, &firmware))
        return false;
    const auto model = models.find(std::string(recordFieldText(device.hidModel).constData()));
    if (model == models.end())
        return false;
    *record = lumtarDeviceRecord(device, firmware, model->second);
    return true;
}

DDeviceListItem *DDevicePage::createDeviceListItem(const hidStructInfoAll &record)
{
    auto *item = new DDeviceListItem(ui->scrollAreaWidgetContents_2);
    connect(item, &DDeviceListItem::sigHidItemMouseClicked, this, &DDevicePage::onHidItemMouseClicked);
    ui->verticalLayout_17->insertWidget(ui->verticalLayout_17->count() - 1, item);
    item->setDeviceInfo(record);
    return item;
}

namespace {

QStringList inaccessibleKeyboardPaths()
{
    std::list<std::string> paths;
    CLumtarHid_GetInaccessibleList(&paths);
    QStringList out;
    for (const std::string &path : paths)
        out << QString::fromLatin1(path.c_str());
    return out;
}

} // namespace

bool DDevicePage::noticeInaccessibleKeyboards(const QStringList &paths)
{
    bool fresh = false;
    for (const QString &path : paths) {
        if (!m_toldInaccessible.contains(path)) {
            m_toldInaccessible.insert(path);
            fresh = true;
            qDebug() << "Keyboard present but not accessible to this user:" << path;
        }
    }
    if (!fresh)
        return false;
    auto *box = new QMessageBox(QMessageBox::Warning, QObject::tr("Keyboard not accessible"),
                                QObject::tr("A keyboard is connected, but this user is not allowed to open it. "
                                            "Install the program's device rule (70-lumtar.rules) and plug the "
                                            "keyboard in again."),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("inaccessibleKeyboardNotice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
    return true;
}

void DDevicePage::onLoadDeviceList()
{
    if (isDeviceWorkRunning()) {
        m_loadListPending = true;
        return;
    }
    m_isLoadingList = true;
    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);

    std::list<std::string> paths;
    std::map<std::string, HidInfoStu> models;
    CLumtarHid_GetHidInfoList(&paths);
    CLumtarHid_GetHidInfoStuMapList(&models);
    const std::map<std::string, HidInfoStu> allModels = models;
    m_hidInfoMap.clear();

    QList<hidStructInfoAll> usbList;
    QList<hidStructInfoAll> receiverList;
    for (const std::string &path : paths) {
        hidStructInfoAll record;
        if (!buildDeviceRecord(path, allModels, &record))
            continue;
        models.erase(std::string(recordFieldText(record.hidModel).constData()));
        if (record.connectType == LUMTAR_CONNECT_RECEIVER) {
            receiverList.append(record);
            // Its keyboard counts as absent until the receiver reports it.
            m_dongleStatusMap.insert(pathOf(record), kDongleAbsent);
        } else {
            usbList.append(record);
        }
        m_hidInfoMap.insert(pathOf(record), record);
    }
    QList<hidStructInfoAll> placeholders;
    for (const auto &model : models)
        placeholders.append(lumtarPlaceholderRecord(model.second));
    const QList<hidStructInfoAll> merged = usbList + receiverList + placeholders;

    clearDeviceList();
    m_hidItemMap.clear();
    m_placeholderKeys.clear();
    ui->verticalLayout_17->setContentsMargins(12, 0, 0, 0);
    ui->verticalLayout_17->setSpacing(10);
    for (const hidStructInfoAll &record : merged) {
        DDeviceListItem *item = createDeviceListItem(record);
        const QString path = pathOf(record);
        if (path.isEmpty()) {
            m_hidItemMap.insert(modelOf(record), item);
            m_placeholderKeys.insert(modelOf(record));
        } else {
            m_hidItemMap.insert(path, item);
        }
    }

    bool opened = false;
    if (!m_hidInfoMap.isEmpty()) {
        // Snapshot: a link creation waits, and the map may change meanwhile.
        const QList<hidStructInfoAll> records = m_hidInfoMap.values();
        for (const hidStructInfoAll &record : records)
            createKeyboardLink(record);
        const hidStructInfoAll first = merged.first();
        if (first.connectType == LUMTAR_CONNECT_USB && first.isOnline == 1) {
            qDebug().noquote() << "Start open first device, HidName:" << recordFieldText(first.hidModel)
                               << " LikeName:" << recordFieldText(first.productName) << recordFieldText(first.likeName);
            openTheUsingDevice(first);
            qDebug() << "Over open first device";
            opened = true;
        }
    }
    if (!opened)
        showNoDevice();
    emit sigHaveCheckUpgradeFirmwareNUC();
    m_isLoadingList = false;
    m_deviceListLoaded = true;
    noticeInaccessibleKeyboards(inaccessibleKeyboardPaths());
    scheduleDeviceWork();
}

void DDevicePage::updateHidDeviceList(int changeType, QString hidPath)
{
    Q_UNUSED(hidPath);
    if (!m_deviceListLoaded || isDeviceWorkRunning()) {
        // Looked at again, over the whole difference, once the running
        // enumeration or open is over.
        if (changeType == DeviceArrived)
            m_arrivalPending = true;
        else if (changeType == DeviceRemoved)
            m_removalPending = true;
        return;
    }
    m_isUpdatingHidList = true;
    rescanDevices(changeType);
    m_isUpdatingHidList = false;
    scheduleDeviceWork();
}

void DDevicePage::rescanDevices(int changeType)
{
    if (changeType == DeviceArrived)
        qDebug() << "-------------------- *** [Insert Start] *** --------------------";
    else if (changeType == DeviceRemoved)
        qDebug() << "--------------- *** [OutPut Start] *** ---------------";

    bool changed = false;
    bool removed = false;
    if (changeType == DeviceArrived || changeType == DeviceRemoved) {
        std::list<std::string> paths;
        std::map<std::string, HidInfoStu> models;
        CLumtarHid_GetHidInfoList(&paths);
        CLumtarHid_GetHidInfoStuMapList(&models);
        QMap<QString, hidStructInfoAll> fresh;
        for (const std::string &path : paths) {
            hidStructInfoAll record;
            if (buildDeviceRecord(path, models, &record)) {
                record.isOnline = 1;
                fresh.insert(pathOf(record), record);
            }
        }
        QStringList gone;
        for (const QString &path : m_hidInfoMap.keys())
            if (!fresh.contains(path))
                gone << path;
        QList<hidStructInfoAll> arrived;
        for (auto it = fresh.cbegin(); it != fresh.cend(); ++it)
            if (!m_hidInfoMap.contains(it.key()))
                arrived << it.value();

        for (const QString &path : gone) {
            unlistRemovedDevice(path);
            changed = removed = true;
        }
        if (!gone.isEmpty())
            qDebug() << "-------------------- *** [OutPut end] *** --------------------";
        for (const hidStructInfoAll &record : arrived) {
            // A device gone again while an earlier one opened is left to the
            // next rescan.
            listArrivedDevice(record);
            changed = true;
        }
        if (!arrived.isEmpty()) {
            if (!m_currentHidItem || !m_currentKeyboardLink)
                showNoDevice();
            qDebug() << "-------------------- *** [Insert end] *** --------------------";
        }
        if (changeType == DeviceArrived)
            noticeInaccessibleKeyboards(inaccessibleKeyboardPaths());
        if (!changed)
            return;
    }

    qDebug() << "-------------------- *** [Update hid list] Start *** -------------------";
    arrangeDeviceStrip(false);
    qDebug() << "-------------------- *** [Update hid list] End *** -------------------";
    if (removed || changeType == DeviceRemoved)
        emit sigIntoOrRemoveHidOver();
}

void DDevicePage::listArrivedDevice(const hidStructInfoAll &arrived)
{
    hidStructInfoAll record = arrived;
    const QString path = pathOf(record);
    if (record.connectType == LUMTAR_CONNECT_RECEIVER) {
        record.isOnline = 0;
        m_dongleStatusMap.insert(path, kDongleAbsent);
    }
    m_hidInfoMap.insert(path, record);
    ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);

    const QString model = modelOf(record);
    DDeviceListItem *item = nullptr;
    if (m_placeholderKeys.contains(model) && m_hidItemMap.contains(model)) {
        item = m_hidItemMap.take(model);
        m_placeholderKeys.remove(model);
        item->setDeviceInfo(record);
    } else {
        item = createDeviceListItem(record);
    }
    m_hidItemMap.insert(path, item);

    createKeyboardLink(record);
    // The device may have gone again while its link waited.
    if (!m_hidInfoMap.contains(path) || !KeyboardLinkListMap.contains(path))
        return;
    const bool nothingShown = !m_currentHidItem || !m_currentKeyboardLink;
    if (record.connectType == LUMTAR_CONNECT_USB && (m_hidInfoMap.size() == 1 || nothingShown))
        onHidItemMouseClicked(record);
}

void DDevicePage::leaveShownKeyboard()
{
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->setLightShowMode(false);
    if (m_lightDealMain->isKeyboardPreviewRunning() || m_lightDealMain->isSidePreviewRunning())
        stopLightEngine();
    m_currentHidItem = nullptr;
    m_currentKeyboardLink = nullptr;
    m_currentHidInterface = nullptr;
}

void DDevicePage::unlistRemovedDevice(const QString &path)
{
    const hidStructInfoAll old = m_hidInfoMap.take(path);
    m_dongleStatusMap.remove(path);
    DDeviceListItem *item = m_hidItemMap.take(path);
    const QString model = modelOf(old);
    if (item) {
        // The item becomes its model's offline placeholder; a path is never
        // made up for it.
        hidStructInfoAll placeholder = old;
        std::memset(placeholder.hidPath, 0, sizeof placeholder.hidPath);
        placeholder.isOnline = 0;
        placeholder.connectType = LUMTAR_CONNECT_USB;
        item->setDeviceInfo(placeholder);
        item->setSelected(false);
        m_hidItemMap.insert(model, item);
        m_placeholderKeys.insert(model);
    }

    DDeviceKeyboardLink *link = KeyboardLinkListMap.value(path);
    if (item && item == m_currentHidItem) {
        leaveShownKeyboard();
        m_customKeysPage->setLightInteractionHook(false, 0);
        retireKeyboardLink(path);
        chooseReplacementKeyboard();
        if (!m_currentHidItem || !m_currentKeyboardLink || m_hidInfoMap.isEmpty())
            showNoDevice();
        resetMainPageButtons();
    } else {
        if (link && link == m_currentKeyboardLink)
            leaveShownKeyboard();
        retireKeyboardLink(path);
    }
}

void DDevicePage::chooseReplacementKeyboard()
{
    for (const hidStructInfoAll &record : m_hidInfoMap) {
        const bool usable = record.connectType == LUMTAR_CONNECT_USB
            || (record.connectType == LUMTAR_CONNECT_RECEIVER && dongleStatus(pathOf(record)) == kDonglePresent);
        if (!usable)
            continue;
        onHidItemMouseClicked(record);
        return;
    }
}

// ---- the device strip ---------------------------------------------------------

void DDevicePage::arrangeDeviceStrip(bool offlineReceiversWithReceivers)
{
    QList<QPair<QString, DDeviceListItem *>> usb;
    QList<QPair<QString, DDeviceListItem *>> receivers;
    QList<QPair<QString, DDeviceListItem *>> offline;
    QString currentKey;
    for (auto it = m_hidItemMap.cbegin(); it != m_hidItemMap.cend(); ++it) {
        DDeviceListItem *item = it.value();
        if (!item)
            continue;
        if (item == m_currentHidItem) {
            currentKey = it.key();
            continue;
        }
        const hidStructInfoAll record = item->deviceInfo();
        const bool placeholder = m_placeholderKeys.contains(it.key());
        if (record.isOnline == 1 && record.connectType == LUMTAR_CONNECT_USB)
            usb.append(qMakePair(it.key(), item));
        else if (record.connectType == LUMTAR_CONNECT_RECEIVER && !placeholder
                 && (record.isOnline == 1 || offlineReceiversWithReceivers))
            receivers.append(qMakePair(it.key(), item));
        else
            offline.append(qMakePair(it.key(), item));
    }
    QList<QPair<QString, DDeviceListItem *>> ordered;
    if (!currentKey.isEmpty())
        ordered.append(qMakePair(currentKey, m_hidItemMap.value(currentKey)));
    ordered += usb + receivers + offline;

    // Take every widget out of the strip; the mapped ones go back in order,
    // any other item is destroyed once control is back in the event loop.
    QSet<QWidget *> kept;
    for (const auto &entry : ordered)
        kept.insert(entry.second);
    QLayout *strip = ui->verticalLayout_17;
    while (strip->count() > 1) {
        QLayoutItem *layoutItem = strip->takeAt(0);
        QWidget *widget = layoutItem->widget();
        delete layoutItem;
        if (widget && !kept.contains(widget)) {
            widget->hide();
            widget->deleteLater();
        }
    }
    ui->verticalLayout_17->setContentsMargins(12, 0, 0, 0);
    ui->verticalLayout_17->setSpacing(10);
    for (const auto &entry : ordered)
        ui->verticalLayout_17->insertWidget(ui->verticalLayout_17->count() - 1, entry.second);
}

void DDevicePage::onUpdateDeviceListShow()
{
    arrangeDeviceStrip(true);
    // The items' records are written back into the device map, and the
    // selection follows the shown item.
    for (auto it = m_hidItemMap.cbegin(); it != m_hidItemMap.cend(); ++it) {
        if (!it.value() || m_placeholderKeys.contains(it.key()))
            continue;
        m_hidInfoMap.insert(it.key(), it.value()->deviceInfo());
    }
    const bool shown = m_currentHidItem && m_currentKeyboardLink;
    for (DDeviceListItem *item : qAsConst(m_hidItemMap))
        if (item)
            item->setSelected(shown && item == m_currentHidItem);
    if (!shown)
        m_currentHidItem = nullptr;
}

// ---- receivers ----------------------------------------------------------------

void DDevicePage::onDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName)
{
    Q_UNUSED(strCurrentHidName);
    if (!m_hidInfoMap.contains(strCurrentHidPath))
        return; // a receiver that is no longer listed
    m_dongleStatusMap.insert(strCurrentHidPath, is24GValid);
    if (isDeviceWorkRunning()) {
        m_dongleRecheckPending = true;
        return;
    }
    applyDongleStatus(strCurrentHidPath, is24GValid);
    onUpdateDeviceListShow();
    scheduleDeviceWork();
}

void DDevicePage::applyDongleStatus(const QString &path, int status)
{
    DDeviceListItem *item = m_hidItemMap.value(path);
    if (!item || !m_hidInfoMap.contains(path))
        return;
    hidStructInfoAll record = m_hidInfoMap.value(path);
    if (status == kDongleAbsent) {
        record.isOnline = 0;
        m_hidInfoMap.insert(path, record);
        item->setDeviceInfo(record);
        if (item == m_currentHidItem) {
            leaveShownKeyboard();
            chooseReplacementKeyboard();
            if (!m_currentHidItem || !m_currentKeyboardLink || m_hidInfoMap.isEmpty())
                showNoDevice();
        }
        return;
    }
    record.isOnline = 1;
    m_hidInfoMap.insert(path, record);
    item->setDeviceInfo(record);
    if (status == kDonglePresent && (!m_currentHidItem || !m_currentKeyboardLink)) {
        onHidItemMouseClicked(record);
        DDeviceKeyboardLink *link = KeyboardLinkListMap.value(path);
        if (link && m_currentKeyboardLink == link) {
            link->queryDeviceInfo();
            ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);
        }
    }
}

// ---- switching the shown keyboard ---------------------------------------------

void DDevicePage::onHidItemMouseClicked(hidStructInfoAll hidStuInfo)
{
    if (hidStuInfo.isOnline != 1) {
        m_notice->showNotice(QObject::tr("The device is offline"), noticePoint());
        return;
    }
    auto *clicked = qobject_cast<DDeviceListItem *>(sender());
    // A click while a device sequence runs is ignored; the sequences
    // themselves call this directly.
    if (m_isOpeningDevice || (clicked && (isDeviceWorkRunning() || isDownloadRunning())))
        return;
    const QString path = pathOf(hidStuInfo);
    DDeviceListItem *item = clicked ? clicked : m_hidItemMap.value(path);
    if (!item || m_placeholderKeys.contains(path) || !m_hidItemMap.values().contains(item))
        return;
    m_isOpeningDevice = true;
    if (item == m_currentHidItem) {
        m_notice->showNotice(QObject::tr("The device has been turned on"), noticePoint());
        m_isOpeningDevice = false;
        scheduleDeviceWork();
        return;
    }

    leaveShownKeyboard();
    emit sigReturnHidLikeName(QString::fromLocal8Bit(recordFieldText(hidStuInfo.productName)),
                              QString::fromLocal8Bit(recordFieldText(hidStuInfo.likeName)));
    for (DDeviceListItem *other : qAsConst(m_hidItemMap))
        if (other)
            other->setSelected(other == item);
    m_currentHidItem = item;

    qDebug().noquote() << "Start chang device, HidName:" << recordFieldText(hidStuInfo.hidModel)
                       << " LikeName:" << recordFieldText(hidStuInfo.productName) << recordFieldText(hidStuInfo.likeName);
    openTheUsingDevice(hidStuInfo);
    qDebug() << "Over chang device";
}

// ---- device links -------------------------------------------------------------

void DDevicePage::createKeyboardLink(hidStructInfoAll record)
{
    const QString path = pathOf(record);
    if (path.isEmpty() || KeyboardLinkListMap.contains(path))
        return;
    auto *link = new DDeviceKeyboardLink(nullptr);

    // Only the shown keyboard acts on the page; a receiver's presence and
    // the text reply are looked at for every keyboard.
    connect(link, &DDeviceKeyboardLink::sigCustomEventChangProfile, this, [this, link](int index) {
        if (isShownLink(link))
            onCustomEventChangProfile(index);
    });
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, this, [this, link]() {
        if (isShownLink(link))
            onRuningOnboard0x19Cmd();
    });
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd, this, [this, link]() {
        if (isShownLink(link))
            onRuningOnboard0x18Cmd();
    });
    connect(link, &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd, this, [this, link](int value) {
        if (isShownLink(link))
            onQN9080Recv0x0bCmd(value);
    });
    connect(link, &DDeviceKeyboardLink::sigRuningOnboardDownloadStatus, this, [this, link](int status) {
        if (isShownLink(link))
            onRuningOnboardDownloadStatus(status);
    });
    connect(link, &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity, this,
            [this, link](int charging, int level, int mode, int valid, QString serial) {
                if (isShownLink(link))
                    onSendChargingStatusAndElectricity(charging, level, mode, valid, serial);
            });
    connect(link, &DDeviceKeyboardLink::sigDongleStatus, this, &DDevicePage::onDongleStatus);
    connect(link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d, this, &DDevicePage::onWaitForDataReturn_0x0d);
    connect(link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful, this, [this, link]() {
        if (isShownLink(link))
            onSleepTimeSetSuccessful();
    });
    connect(link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend, this, [this, link](int hidType, int ledType) {
        if (isShownLink(link))
            onLightConfigHaveChanged_HidSend(hidType, ledType);
    });
    connect(link, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09, this,
            [this, link](int hidType, int ledType, int usingIndex) {
                if (isShownLink(link))
                    onCustomLight_ConfigHaveChanged_HidSend0x09(hidType, ledType, usingIndex);
            });
    connect(link, &DDeviceKeyboardLink::sigTheKeyboardModeChanged, this, [this, link](int mode) {
        if (isShownLink(link))
            onTheKeyboardModeChanged(mode);
    });
    connect(link, &DDeviceKeyboardLink::sigQueryMagneticAxisOneKeyDataBack, this, [this, link]() {
        if (m_currentKeyboardLink == link)
            onQueryMagneticAxisOneKeyDataBack();
    });

    KeyboardLinkListMap.insert(path, link);
    ++m_linkCount;
    link->openDevice(m_linkCount, record);
    QPointer<DDeviceKeyboardLink> guard(link);
    if (!link->isDeviceInfoReady())
        waitFor([guard]() { return !guard || guard->isDeviceInfoReady(); }, kLinkReadyWaitMs);
    if (guard)
        guard->setDongleTracking(true);
}

// ---- the open sequence ----------------------------------------------------------

void DDevicePage::failOpen(const char *logLine)
{
    m_isOpeningDevice = false;
    m_currentHidItem = nullptr;
    m_currentKeyboardLink = nullptr;
    m_currentHidInterface = nullptr;
    showNoDevice();
    m_notice->showNotice(QObject::tr("Failed to open the device, please try again"), noticePoint());
    qDebug() << logLine;
    scheduleDeviceWork();
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
    m_isOpeningDevice = true;
    const QString path = pathOf(record);
    data->setGamePadMode(gamePadModeFromPath(path));
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

    DDeviceKeyboardLink *link = KeyboardLinkListMap.value(path);
    if (!link || path.isEmpty()) {
        failOpen("openTheUsingDevice  Step1 [KeyboardLinkListMap Find ERROR]");
        return;
    }
    m_currentKeyboardLink = link;
    m_currentHidInterface = link->hidInterface();
    // The serial number names a folder: only letters and digits are taken.
    if (!isSerialNumberFolderSafe(link->serialNumber()) || !m_currentHidInterface
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
    const int deviceType = data->hidDeviceType();
    if (deviceType == 4) {
        ui->frame_7->setMinimumWidth(295);
        ui->toolButton_TriggerSetting->show();
        ui->toolButton_SeniorKey->show();
        ui->frame_6->hide();
        ui->frame_8->hide();
        ui->frame_Battery->hide();
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
        ui->frame_Battery->show();
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
        ui->frame_Battery->hide();
    }
    const int gamePadMode = data->gamePadMode();
    if (gamePadMode == -1) {
        ui->frame_10->hide();
    } else {
        ui->frame_10->show();
        if (gamePadMode == 0) {
            ui->label_GamePadMode->setText(QObject::tr("GamePad Disable"));
            ui->frame_10->hide();
        } else if (gamePadMode == 1) {
            ui->label_GamePadMode->setText(QObject::tr("GamePad Xbox360"));
        } else {
            ui->label_GamePadMode->setText(QObject::tr("GamePad Classical"));
        }
    }
    data->setHasSideLight(!link->sideLightModeList().modeCodes.empty());
    qDebug() << "openTheUsingDevice  Step6";

    data->setCurrentDeviceModelName(modelOf(record));
    initProfileXmlFiles(record, 0);
    qDebug() << "openTheUsingDevice  Step7";

    if (deviceType == 4 && m_currentKeyboardLink == link)
        readKeyTravelValues();

    qDebug() << "openTheUsingDevice  Step7B";
    startLightEngine();
    qDebug() << "openTheUsingDevice  Step8";
    m_isOpeningDevice = false;
    scheduleDeviceWork();
}

void DDevicePage::readKeyTravelValues()
{
    DDeviceKeyboardLink *link = m_currentKeyboardLink;
    DDataManager *data = DDataManager::getInstance();
    // Replies carry no key: the keyboard answers in order, so each reply
    // belongs to the oldest query still open. A reply that comes after its
    // wait ran out is thus kept for its own key, never taken for the next.
    m_oneKeyQueries.clear();
    m_oneKeyAnswers.clear();
    m_readingKeyTravel = true;
    m_oneKeyReplied = true;
    link->setOneKeyQueryPending(true);
    m_oneKeyClock.start();
    const QList<keyboardButCustom *> keys = data->keyButtonList();
    for (keyboardButCustom *key : keys) {
        if (!key || key->keyCode() == 0)
            continue;
        waitFor([this]() { return m_oneKeyReplied; }, kOneKeyWaitMs);
        if (!m_currentKeyboardLink || m_currentKeyboardLink != link)
            break;
        link->setOneKeyQueryContext(key->keyCode(), key->gridRow(), key->gridColumn());
        m_oneKeyQueries.append({key->keyCode(), key->gridRow(), key->gridColumn(), m_oneKeyClock.elapsed()});
        m_oneKeyReplied = false;
        onQueryDynamicDisplaySensitivityNum(key->gridRow(), key->gridColumn());
    }
    // The last replies: a late one still counts while it is not overdue.
    waitFor([this]() { return m_oneKeyQueries.isEmpty(); }, kOneKeyReplyLostMs);
    m_oneKeyReplied = false;
    m_readingKeyTravel = false;
    if (!m_currentKeyboardLink || m_currentKeyboardLink != link)
        return;
    link->setOneKeyQueryPending(false);

    const QList<QVector<int>> records = link->oneKeySensitivityList();
    for (int i = 0; i < records.size() && i < m_oneKeyAnswers.size(); ++i) {
        const OneKeyQuery &query = m_oneKeyAnswers.at(i);
        const QVector<int> &values = records.at(i);
        if (query.row < 0 || query.row >= 6 || query.column < 0 || query.column >= 22 || values.size() < 9)
            continue;
        if (keyboardButCustom *key = m_keyButtonGrid[query.row][query.column])
            key->setTravelValues(values.at(3), values.at(4), values.at(5), values.at(6), values.at(7), values.at(8),
                                 false);
    }
    m_oneKeyQueries.clear();
    m_oneKeyAnswers.clear();

    qDebug() << "openTheUsingDevice  Step7A";
    restyleKeyButtons();
}

void DDevicePage::onQueryMagneticAxisOneKeyDataBack()
{
    if (m_readingKeyTravel) {
        // Match the reply to the oldest open query; a query whose reply is
        // long overdue is taken as lost.
        OneKeyQuery answered = {0, -1, -1, 0};
        const qint64 now = m_oneKeyClock.elapsed();
        while (m_oneKeyQueries.size() > 1 && now - m_oneKeyQueries.first().sentAtMs > kOneKeyReplyLostMs)
            m_oneKeyQueries.removeFirst();
        if (!m_oneKeyQueries.isEmpty())
            answered = m_oneKeyQueries.takeFirst();
        m_oneKeyAnswers.append(answered);
        // Only the answer to the newest query lets the next one go.
        if (m_oneKeyQueries.isEmpty())
            m_oneKeyReplied = true;
        return;
    }
    m_oneKeyReplied = true;
}

bool DDevicePage::storeProfilePath(const QByteArray &path)
{
    if (path.size() >= int(sizeof m_xmlProfilePath)) {
        qDebug().noquote() << "Profile path too long, not used:" << path;
        return false;
    }
    std::memset(m_xmlProfilePath, 0, sizeof m_xmlProfilePath);
    std::memcpy(m_xmlProfilePath, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

void DDevicePage::initProfileXmlFiles(hidStructInfoAll record, int unused)
{
    Q_UNUSED(unused);
    DDataManager *data = DDataManager::getInstance();
    QPointer<DDeviceKeyboardLink> link = m_currentKeyboardLink;
    if (!link)
        return;
    if (!link->isDeviceInfoReady())
        waitFor([link]() { return !link || link->isDeviceInfoReady(); }, kProfileReadyWaitMs);
    if (!link || link != m_currentKeyboardLink)
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
    if (!isSerialNumberFolderSafe(m_currentSN) || model.isEmpty() || model.contains(QLatin1Char('/'))
        || model == QLatin1String(".") || model == QLatin1String("..")) {
        qDebug().noquote() << "openTheUsingDevice  Step6, no profile folder for" << model << m_currentSN;
        return;
    }
    QStringList levels = {model, m_currentSN};
    switch (data->gamePadMode()) {
    case 0: levels << QStringLiteral("GamePadDisable"); break;
    case 1: levels << QStringLiteral("GamePadXbox360"); break;
    case 2: levels << QStringLiteral("GamePadClassical"); break;
    default: break;
    }
    QString folder = data->userConfigDir();
    for (const QString &level : levels) {
        folder += QLatin1Char('/') + level;
        if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder))
            qDebug().noquote() << "Cannot create the profile folder" << folder;
    }
    m_profileFolder = folder;

    const int fileCount = data->isMagneticKeyboard() ? 3 : 2;
    qDebug() << "openTheUsingDevice  Step6, profileNum:" << fileCount;
    const char *const names[3] = {"/appProfile_Default.xml", "/appProfile_FN.xml", "/appProfile_Magnetic.xml"};
    for (int i = 0; i < fileCount; ++i) {
        const QByteArray path = (folder + QLatin1String(names[i])).toLocal8Bit();
        if (path.size() >= DDataManager::PathBufferSize) {
            qDebug().noquote() << "Profile path too long, not used:" << path;
            continue;
        }
        if (i == 2)
            data->setMagneticXmlPath(path.constData());
        if (QFileInfo(QString::fromLocal8Bit(path)).isFile())
            continue;
        CLumtarXML_CreateXMLFile(path.constData());
        m_currentProfileIndex = 1;
        const QByteArray name = QStringLiteral("Profile%1").arg(1).toUtf8();
        CLumtarXML_CreateProFileXmlParentNode(path.constData(), "1", name.constData(), 0);
        CLumtarXML_ModifyXMLFileProfileIndex(path.constData(), 1);
        storeProfilePath(path);
        if (i < 2) {
            addDefaultLightInfo(1);
            addDefaultCustomLightNodes(1);
        }
    }
    qDebug() << "openTheUsingDevice  Step6, XML Init End...";
    if (!storeProfilePath((folder + QLatin1String(names[0])).toLocal8Bit()))
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

// ---- default light data of a new profile -----------------------------------------

void DDevicePage::addDefaultLightInfo(int profileIndex)
{
    const QByteArray index = QByteArray::number(profileIndex);
    for (int kind = 0; kind < 3; ++kind) {
        const colorInfoData record = lumtarDefaultColorInfo(kind);
        CLumtarXML_AddProFileLightInfoItem(m_xmlProfilePath, index.constData(), record);
    }
    if (DDataManager::getInstance()->isLightSynchronize())
        CLumtarXML_ModifyProFileLightSynchronizeStatus(m_xmlProfilePath, index.constData(), 1);
}

void DDevicePage::addDefaultCustomLightNodes(int profileIndex)
{
    const QByteArray index = QByteArray::number(profileIndex);
    CLumtarXML_AddProFileCustomLightNode(m_xmlProfilePath, index.constData(), "0", "Alphabets", "Using", 0);
    importDefaultCustomLight(profileIndex, 0);
    CLumtarXML_AddProFileCustomLightNode(m_xmlProfilePath, index.constData(), "1", "WASD+Arrows", "Using", 1);
    importDefaultCustomLight(profileIndex, 1);
    for (int node = 2; node < 5; ++node) {
        const QByteArray nodeText = QByteArray::number(node);
        const QByteArray name = QStringLiteral("Custom %1").arg(node + 1).toUtf8();
        CLumtarXML_AddProFileCustomLightNode(m_xmlProfilePath, index.constData(), nodeText.constData(),
                                             name.constData(), "UnUsing", -1);
    }
}

void DDevicePage::importDefaultCustomLight(int profileIndex, int nodeIndex)
{
    const QString fileName = defaultCustomLightFile(m_currentHidInfo.keyCount);
    QTemporaryDir dir;
    QByteArray filePath;
    if (dir.isValid()) {
        const QString target = dir.filePath(fileName);
        if (QFile::copy(QStringLiteral(":/images/configDir/") + fileName, target))
            filePath = target.toLocal8Bit();
    }
    if (filePath.isEmpty()) {
        qDebug().noquote() << "No default custom-light file" << fileName << "; the scheme stays empty";
        return;
    }
    const QByteArray node = QByteArray::number(nodeIndex);
    const QByteArray index = QByteArray::number(profileIndex);
    std::list<CustomLightItemStu> items;
    CLumtarXML_XmlCustomLightInfoSelectAll(filePath.constData(), node.constData(), &items);
    for (const CustomLightItemStu &item : items)
        CLumtarXML_AddProFileCustomLightDataInfo(m_xmlProfilePath, index.constData(), node.constData(), item);
}

// ---- loading the current profile -------------------------------------------------

void DDevicePage::loadProfileKeyAndLightInfo()
{
    DDataManager *data = DDataManager::getInstance();
    data->clearClickedKey();
    ui->toolButton_CustomKey->setChecked(true);
    onCurIndexChangedMainPage(CustomKeysPage);
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->resetKeyStates();
    qDebug().noquote() << "openTheUsingDevice  Step6A  001, m_xmlProfilePath:" << m_xmlProfilePath;

    m_currentProfileIndex = CLumtarXML_GetCreateXMLFileProfileIndex(m_xmlProfilePath);
    if (m_currentKeyboardLink) {
        m_currentKeyboardLink->setProfileIndex(m_currentProfileIndex);
        m_currentKeyboardLink->setXmlProfilePath(m_xmlProfilePath);
    }
    qDebug() << "openTheUsingDevice  Step6A  002";
    data->setCurrentProfileIndex(m_currentProfileIndex);
    data->setXmlProfilePath(m_xmlProfilePath);
    const QByteArray index = QByteArray::number(m_currentProfileIndex);
    qDebug() << "openTheUsingDevice  Step6A  003";
    m_keyboardLightIndex = CLumtarXML_SelectProFileMouseLightTypeUsingIndex(m_xmlProfilePath, index.constData(), 0);
    m_sideLightIndex = CLumtarXML_SelectProFileMouseLightTypeUsingIndex(m_xmlProfilePath, index.constData(), 1);
    qDebug() << "openTheUsingDevice  Step6A  004";
    m_lightRunningStatus = CLumtarXML_SelectProFileLightTypeRuningStatus(m_xmlProfilePath, index.constData());
    m_lightSyncStatus = CLumtarXML_SelectProFileLightSynchronizeStatus(m_xmlProfilePath, index.constData());
    qDebug() << "openTheUsingDevice  Step6A  005";
    m_customKeysPage->setCurrentProfileIndex(m_currentProfileIndex);
    m_customKeysPage->setXmlProfilePath(m_xmlProfilePath);
    qDebug() << "openTheUsingDevice  Step6A  006";
    m_lightsConfigPage->setCurrentProfileIndex(m_currentProfileIndex);
    m_lightsConfigPage->setXmlProfilePath(m_xmlProfilePath);
    m_lightsConfigPage->setHidInterface(m_currentHidInterface);
    qDebug() << "openTheUsingDevice  Step6A  007";
    if (m_currentKeyboardLink)
        m_lightsConfigPage->setLightSupportInfo(m_currentKeyboardLink->lightModeList(),
                                                m_currentKeyboardLink->sideLightModeList());
    qDebug() << "openTheUsingDevice  Step6A  008";
    m_performancePage->setCurrentProfileIndex(m_currentProfileIndex);
    m_performancePage->setXmlProfilePath(m_xmlProfilePath);
    qDebug() << "openTheUsingDevice  Step6A  009";
    m_lightDealMain->setHidInterface(m_currentHidInterface);
    qDebug() << "openTheUsingDevice  Step6A  010";
    loadProfileList();
    qDebug() << "openTheUsingDevice  Step6A  011";

    if (data->isMagneticKeyboard() && m_currentLayerIndex == 0) {
        char heavyPath[DDataManager::PathBufferSize] = {};
        data->copyMagneticXmlPath(heavyPath);
        qDebug() << "openTheUsingDevice  Step6C  001";
        std::list<std::string> codes;
        CLumtarXML_ProFileKeyInfoSelectAll(heavyPath, "1", &codes);
        qDebug() << "openTheUsingDevice  Step6C  002";
        const QMap<int, keyboardButCustom *> buttons = data->keyButtonMap();
        const QColor mark = data->customizedKeyMarkColor();
        for (const std::string &code : codes) {
            keyboardButCustom *key = buttons.value(QByteArray::fromStdString(code).toInt(), nullptr);
            if (!key)
                continue;
            key->setMarkFillColor(mark);
            key->setMarkBorderColor(mark);
            key->setMarked(true);
        }
        qDebug() << "openTheUsingDevice  Step6C  003";
    }
}

void DDevicePage::loadProfileList()
{
    LumtarIndexNameList profiles;
    CLumtarXML_SelectProFileAllNodes(m_xmlProfilePath, &profiles);
    qDebug().noquote() << "openTheUsingDevice  Step6B  001, m_currentProfileIndex:" << m_currentProfileIndex
                       << "  ArraySize:" << profiles.size();

    ui->comboBox_profileList->blockSignals(true);
    ui->comboBox_profileList->clear();
    qDebug() << "openTheUsingDevice  Step6B  001 A";
    QMap<int, QString> names;
    for (const auto &profile : profiles) {
        const QString indexText = QString::fromStdString(profile.first);
        const QString name = QString::fromUtf8(profile.second.c_str());
        qDebug().noquote() << "Key:" << indexText << " Valus:" << name;
        ui->comboBox_profileList->addItem(name, indexText.toInt());
        names.insert(indexText.toInt(), name);
    }
    qDebug() << "openTheUsingDevice  Step6B  001 B, tempList.Len:" << names.size();
    const QString selected = names.value(m_currentProfileIndex);
    qDebug().noquote() << "openTheUsingDevice  Step6B  001 C, strSelectName:" << selected;
    ui->comboBox_profileList->setCurrentText(selected);
    ui->comboBox_profileList->blockSignals(false);
    qDebug() << "openTheUsingDevice  Step6B  002";

    DDataManager *data = DDataManager::getInstance();
    const QColor checked = themeRgb(data->themeColor().TextCheckedColor, 255);
    qDebug() << "openTheUsingDevice  Step6B  002A";
    const QByteArray index = QByteArray::number(m_currentProfileIndex);
    std::list<std::string> codes;
    CLumtarXML_ProFileKeyInfoSelectAll(m_xmlProfilePath, index.constData(), &codes);
    qDebug() << "openTheUsingDevice  Step6B  003";
    const QMap<int, keyboardButCustom *> buttons = data->keyButtonMap();
    for (keyboardButCustom *key : buttons) {
        if (!key)
            continue;
        key->setMarkFillColor(checked);
        key->setMarkBorderColor(checked);
        key->setMarked(false);
    }
    qDebug() << "openTheUsingDevice  Step6B  004";
    for (const std::string &code : codes)
        if (keyboardButCustom *key = buttons.value(QByteArray::fromStdString(code).toInt(), nullptr))
            key->setMarked(true);
    qDebug() << "openTheUsingDevice  Step6B  005";
}

// ---- the lighting engine ----------------------------------------------------------

void DDevicePage::startLightEngine()
{
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 22; ++column)
            m_lightDealMain->setKeyButton(row, column, m_keyButtonGrid[row][column]);
    if (keySelectFrame *frame = DDataManager::getInstance()->currentKeySelectFrame())
        m_lightDealMain->setKeyButtonList(frame->keyButtonList());
    else
        m_lightDealMain->setKeyButtonList({});
    m_lightDealMain->setMusicBandLayout(m_currentHidInfo.keyCount, 11, 30.0, 930.0);
    m_lightDealMain->loadProFileLightInfo();
    m_lightDealMain->setPreviewPaintEnabled(true);
    m_lightDealMain->setLightPreviewRunning(true);
    m_lightDealMain->setLightSynchronize(true);
}

void DDevicePage::stopLightEngine()
{
    m_lightDealMain->setLightSynchronize(false);
    m_lightDealMain->setPreviewPaintEnabled(false);
    m_lightDealMain->setLightPreviewRunning(false);
}

// ---- signals of the device links --------------------------------------------------

void DDevicePage::onSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode,
                                                     int is24GValid, QString strCurrentSN)
{
    if (KeyboardMode == 1 && is24GValid == 1)
        return; // no keyboard behind the receiver
    if (strCurrentSN != m_currentSN)
        return;
    if (ChargingStatus == 2)
        Electricity = 100;
    if (ChargingStatus == 1 || ChargingStatus == 2) {
        ui->label_Charging->show();
        ui->label_ElectricityNum->setShowText(false);
        if (ChargingStatus == 1) {
            if (!m_chargingTimer->isActive()) {
                m_chargingStep = 0;
                m_chargingTimer->start();
            }
        } else {
            if (m_chargingTimer->isActive())
                m_chargingTimer->stop();
            ui->label_ElectricityNum->setShowText(true);
            ui->label_ElectricityNum->setBatteryLevel(Electricity);
        }
    } else {
        ui->label_Charging->hide();
        ui->label_ElectricityNum->setShowText(true);
        if (m_chargingTimer->isActive())
            m_chargingTimer->stop();
        ui->label_ElectricityNum->setBatteryLevel(Electricity);
    }
    ui->label_Mode->setText(KeyboardMode == 0 ? QStringLiteral("USB") : QStringLiteral("2.4G"));
}

void DDevicePage::onWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName)
{
    Q_UNUSED(strCurrentHidPath);
    Q_UNUSED(strHidName);
}

void DDevicePage::onSleepTimeSetSuccessful()
{
    m_sleepTimeAcked = true;
}

void DDevicePage::onCustomEventChangProfile(int changeProfileIndex)
{
    // While a download, an enumeration or an open runs, the shown keyboard
    // and its profile file may change under the switch: ignore it.
    if (!m_currentKeyboardLink || isDownloadRunning() || isDeviceWorkRunning())
        return;
    m_currentProfileIndex = changeProfileIndex;
    CLumtarXML_ModifyXMLFileProfileIndex(m_xmlProfilePath, changeProfileIndex);
    loadProfileKeyAndLightInfo();
}

void DDevicePage::onLightConfigHaveChanged_HidSend(int hidType, int ledType)
{
    m_lightsConfigPage->showLightTypeFromDevice(hidType, ledType);
    keySelectFrame *keyLayer = DDataManager::getInstance()->currentKeySelectFrame();
    if (hidType == 0) {
        if (m_currentMainPage != TriggerSettingPage) {
            if (m_hidDeviceJoinFrame)
                m_hidDeviceJoinFrame->selectKeysInRect(0, 0, 0, 0);
            if (m_dragShowArea)
                m_dragShowArea->setDragEnabled(false);
            if (keyLayer)
                keyLayer->setKeysHoverEnabled(false);
        }
        const bool reactive = ledType == 6 || ledType == 7 || ledType == 8 || ledType == 11 || ledType == 12
            || ledType == 16;
        m_customKeysPage->setLightInteractionHook(reactive, 0);
    }
    if (m_currentMainPage == CustomKeysPage && keyLayer)
        keyLayer->setKeysHoverEnabled(true);
}

void DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex)
{
    if (m_currentMainPage != TriggerSettingPage) {
        if (m_hidDeviceJoinFrame)
            m_hidDeviceJoinFrame->selectKeysInRect(0, 0, 0, 0);
        if (m_dragShowArea)
            m_dragShowArea->setDragEnabled(true);
        if (keySelectFrame *keyLayer = DDataManager::getInstance()->currentKeySelectFrame())
            keyLayer->setKeysHoverEnabled(true);
    }
    m_lightsConfigPage->showCustomLightFromDevice(hidType, ledType, usingCustomIndex);
}

void DDevicePage::onTheKeyboardModeChanged(int mode)
{
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->setPictureVariant(mode);
}

// ---- signals of the keyboard view (the magnetic-switch handling takes them) ----

void DDevicePage::onDragAreaMoveOneKey(bool isSelectedOneKey)
{
    Q_UNUSED(isSelectedOneKey);
}

void DDevicePage::onTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY)
{
    Q_UNUSED(operateType);
    Q_UNUSED(selectedStatus);
    Q_UNUSED(indexX);
    Q_UNUSED(indexY);
}

void DDevicePage::onDragArea_SelectKeys(int startX, int startY, int endX, int endY)
{
    Q_UNUSED(startX);
    Q_UNUSED(startY);
    Q_UNUSED(endX);
    Q_UNUSED(endY);
}

void DDevicePage::onDragShowAreaMouseMovePoint(int moveX, int moveY)
{
    Q_UNUSED(moveX);
    Q_UNUSED(moveY);
}

void DDevicePage::onDragAreaMousePressOrRelease(bool isMousePress)
{
    Q_UNUSED(isMousePress);
}
