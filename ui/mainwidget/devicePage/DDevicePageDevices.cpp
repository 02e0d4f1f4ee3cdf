// The half of the device page that knows the attached keyboards: the first
// enumeration and re-enumeration after hot-plug, receivers and the presence
// of their keyboard, the order of the device strip and switching the shown
// keyboard. The keyboard roster holds the records and the links and keeps
// the device work in order; this file shows what it lists in the strip and
// decides which keyboard is shown.
//
// Everything runs in the GUI thread and nothing here waits: new links wait
// for their keyboards side by side and the roster tells when they are done.
// A device change, a receiver report or a click that comes while an
// enumeration or an open runs is looked at once that is over; a removal ends
// at once the waits that are about the device that went.
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui_DDevicePage.h"

#include <QDebug>
#include <QMessageBox>

#include <cstring>
#include <list>
#include <string>

#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "device/RecordFieldText.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DeviceOpenSequence.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "widgets/CbNotice.h"

using Task = KeyboardRoster::Task;
using Work = KeyboardRoster::Work;

namespace {

QString pathOf(const hidStructInfoAll &record)
{
    return QString::fromLatin1(recordFieldText(record.hidPath));
}

QString modelOf(const hidStructInfoAll &record)
{
    return QString::fromLocal8Bit(recordFieldText(record.hidModel));
}

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

// ---- what the page lists --------------------------------------------------------

QMap<QString, hidStructInfoAll> DDevicePage::deviceInfoMap() const
{
    return m_roster->deviceInfoMap();
}

QMap<QString, QString> DDevicePage::likeNameMap() const
{
    return m_roster->likeNameMap();
}

QMap<QString, DDeviceKeyboardLink *> DDevicePage::keyboardLinkListMap() const
{
    return m_roster->links();
}

QMap<QString, DDeviceListItem *> DDevicePage::deviceItemMap() const
{
    return m_hidItemMap;
}

DDeviceKeyboardLink *DDevicePage::currentKeyboardLink() const
{
    return m_currentKeyboardLink;
}

DDeviceListItem *DDevicePage::currentHidItem() const
{
    return m_currentHidItem;
}

bool DDevicePage::isDeviceWorkRunning() const
{
    return m_roster->isBusy() || isProfileResetRunning();
}

bool DDevicePage::isShownLink(const DDeviceKeyboardLink *link) const
{
    return link && m_currentHidItem && m_currentKeyboardLink == link;
}

void DDevicePage::showNoDevice()
{
    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
    emit sigReturnHidLikeName(QStringLiteral("RGB"), QStringLiteral("HID"));
}

DDeviceListItem *DDevicePage::createDeviceListItem(const hidStructInfoAll &record)
{
    auto *item = new DDeviceListItem(ui->scrollAreaWidgetContents_2);
    connect(item, &DDeviceListItem::sigHidItemMouseClicked, this, &DDevicePage::onHidItemMouseClicked);
    ui->verticalLayout_17->insertWidget(ui->verticalLayout_17->count() - 1, item);
    item->setDeviceInfo(record);
    return item;
}

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

// ---- device work that had to wait -------------------------------------------------

void DDevicePage::runDeferredTask(KeyboardRoster::Task task)
{
    switch (task) {
    case Task::LoadList: onLoadDeviceList(); break;
    case Task::Arrival: updateHidDeviceList(DeviceArrived, QString()); break;
    case Task::Removal: updateHidDeviceList(DeviceRemoved, QString()); break;
    case Task::DongleRecheck: recheckReceivers(); break;
    }
}

void DDevicePage::onLinksSettled()
{
    // Only an enumeration waits for its links; it goes on now.
    if (m_roster->isWorking(Work::Loading))
        finishLoadDeviceList();
    else if (m_roster->isWorking(Work::Updating))
        finishRescan();
}

// ---- enumeration ------------------------------------------------------------

void DDevicePage::onLoadDeviceList()
{
    if (m_roster->isBusy()) {
        m_roster->defer(Task::LoadList);
        return;
    }
    m_roster->setWorking(Work::Loading, true);
    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
    const QList<hidStructInfoAll> merged = m_roster->enumerateAll();

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

    // Every listed device gets its link; the first keyboard opens once no
    // link waits for its keyboard any more.
    m_listedFirst = merged;
    const QList<hidStructInfoAll> records = m_roster->deviceInfoMap().values();
    for (const hidStructInfoAll &record : records)
        createKeyboardLink(record);
    if (!m_roster->isSettling())
        finishLoadDeviceList();
}

void DDevicePage::finishLoadDeviceList()
{
    const QList<hidStructInfoAll> listed = m_listedFirst;
    m_listedFirst.clear();
    // The first keyboard by cable opens; one whose link could not open is
    // passed over, it would only fail.
    bool opened = false;
    for (const hidStructInfoAll &record : listed) {
        if (record.connectType != LUMTAR_CONNECT_USB || record.isOnline != 1)
            break;
        if (!m_roster->link(pathOf(record)))
            continue;
        qDebug().noquote() << "Start open first device, HidName:" << recordFieldText(record.hidModel)
                           << " LikeName:" << recordFieldText(record.productName) << recordFieldText(record.likeName);
        openTheUsingDevice(record);
        qDebug() << "Over open first device";
        opened = true;
        break;
    }
    if (!opened)
        showNoDevice();
    emit sigHaveCheckUpgradeFirmwareNUC();
    m_roster->setListLoaded();
    m_roster->setWorking(Work::Loading, false);
    noticeInaccessibleKeyboards(inaccessibleKeyboardPaths());
}

void DDevicePage::updateHidDeviceList(int changeType, QString hidPath)
{
    Q_UNUSED(hidPath);
    if (!m_roster->isListLoaded() || m_roster->isBusy()) {
        // Looked at again, over the whole difference, once the running
        // enumeration or open is over.
        if (changeType == DeviceArrived) {
            m_roster->defer(Task::Arrival);
        } else if (changeType == DeviceRemoved) {
            m_roster->defer(Task::Removal);
            // Nothing waits any longer for a keyboard that went.
            m_roster->giveUpVanished();
            if (m_isOpeningDevice && !KeyboardRoster::attachedPaths().contains(pathOf(m_openingRecord)))
                abortOpen();
        }
        return;
    }
    m_roster->setWorking(Work::Updating, true);
    rescanDevices(changeType);
    if (!m_roster->isSettling())
        finishRescan();
}

void DDevicePage::rescanDevices(int changeType)
{
    if (changeType == DeviceArrived)
        qDebug() << "-------------------- *** [Insert Start] *** --------------------";
    else if (changeType == DeviceRemoved)
        qDebug() << "--------------- *** [OutPut Start] *** ---------------";

    m_rescanType = changeType;
    m_rescanArrived.clear();
    m_rescanRemoved = false;
    if (changeType != DeviceArrived && changeType != DeviceRemoved)
        return;
    const KeyboardRoster::Difference difference = m_roster->compareWithAttached();
    for (const QString &path : difference.gone)
        unlistRemovedDevice(path);
    m_rescanRemoved = !difference.gone.isEmpty();
    if (m_rescanRemoved)
        qDebug() << "-------------------- *** [OutPut end] *** --------------------";
    for (const hidStructInfoAll &record : difference.arrived) {
        listArrivedDevice(record);
        m_rescanArrived << pathOf(record);
    }
    // A link that could not open before is tried again at every change.
    m_roster->relinkUnlinked();
    if (changeType == DeviceArrived)
        noticeInaccessibleKeyboards(inaccessibleKeyboardPaths());
}

void DDevicePage::finishRescan()
{
    const QStringList arrived = m_rescanArrived;
    m_rescanArrived.clear();
    for (const QString &path : arrived) {
        // A device gone again, or whose link could not open, is left to the
        // next change.
        if (!m_roster->contains(path) || !m_roster->link(path))
            continue;
        const hidStructInfoAll record = m_roster->record(path);
        const bool nothingShown = !m_currentHidItem || !m_currentKeyboardLink;
        if (record.connectType == LUMTAR_CONNECT_USB && (m_roster->deviceInfoMap().size() == 1 || nothingShown))
            onHidItemMouseClicked(record);
    }
    if (!arrived.isEmpty()) {
        if (!m_currentHidItem || !m_currentKeyboardLink)
            showNoDevice();
        qDebug() << "-------------------- *** [Insert end] *** --------------------";
    }
    const bool listChange = m_rescanType == DeviceArrived || m_rescanType == DeviceRemoved;
    if (!listChange || !arrived.isEmpty() || m_rescanRemoved) {
        qDebug() << "-------------------- *** [Update hid list] Start *** -------------------";
        arrangeDeviceStrip(false);
        qDebug() << "-------------------- *** [Update hid list] End *** -------------------";
        if (listChange && (m_rescanRemoved || m_rescanType == DeviceRemoved))
            emit sigIntoOrRemoveHidOver();
    }
    m_rescanRemoved = false;
    m_roster->setWorking(Work::Updating, false);
}

void DDevicePage::listArrivedDevice(const hidStructInfoAll &arrived)
{
    const QString path = pathOf(arrived);
    m_roster->addDevice(arrived);
    const hidStructInfoAll record = m_roster->record(path);
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
}

void DDevicePage::leaveShownKeyboard()
{
    endCalibrationOfShownKeyboard();
    closeProfileRename();
    if (m_isOpeningDevice)
        abortOpen();
    if (m_hidDeviceJoinFrame)
        m_hidDeviceJoinFrame->setLightShowMode(false);
    if (m_lightDealMain->isKeyboardPreviewRunning() || m_lightDealMain->isSidePreviewRunning())
        stopLightEngine();
    // The lighting keeps no interface of a keyboard that is not shown.
    m_lightDealMain->setHidInterface(nullptr);
    if (m_lightsConfigPage)
        m_lightsConfigPage->setHidInterface(nullptr);
    m_currentHidItem = nullptr;
    m_currentKeyboardLink = nullptr;
    m_currentHidInterface = nullptr;
    setShownKeyboardCharging(false);
}

void DDevicePage::unlistRemovedDevice(const QString &path)
{
    const hidStructInfoAll old = m_roster->record(path);
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

    DDeviceKeyboardLink *link = m_roster->link(path);
    if (item && item == m_currentHidItem) {
        leaveShownKeyboard();
        m_customKeysPage->closeCapturePopups();
        m_customKeysPage->setLightInteractionHook(false, 0);
        m_roster->removeDevice(path);
        chooseReplacementKeyboard();
        if (!m_currentHidItem || !m_currentKeyboardLink || m_roster->deviceInfoMap().isEmpty())
            showNoDevice();
        resetMainPageButtons();
    } else {
        if (link && link == m_currentKeyboardLink)
            leaveShownKeyboard();
        m_roster->removeDevice(path);
    }
}

void DDevicePage::chooseReplacementKeyboard()
{
    hidStructInfoAll record;
    if (m_roster->findReplacement(&record))
        onHidItemMouseClicked(record);
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
    // The items' records are written back into the roster, and the
    // selection follows the shown item.
    for (auto it = m_hidItemMap.cbegin(); it != m_hidItemMap.cend(); ++it) {
        if (!it.value() || m_placeholderKeys.contains(it.key()))
            continue;
        m_roster->updateRecord(it.key(), it.value()->deviceInfo());
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
    if (!m_roster->contains(strCurrentHidPath))
        return; // a receiver that is no longer listed
    m_roster->setDongleStatus(strCurrentHidPath, is24GValid);
    if (m_roster->isBusy()) {
        m_roster->defer(Task::DongleRecheck);
        return;
    }
    applyDongleStatus(strCurrentHidPath, is24GValid);
    onUpdateDeviceListShow();
}

void DDevicePage::recheckReceivers()
{
    const QStringList receivers = m_roster->receiverPaths();
    for (const QString &path : receivers) {
        if (m_roster->contains(path))
            applyDongleStatus(path, m_roster->dongleStatus(path));
        if (m_roster->isBusy())
            break; // the rest once the open that started is over
    }
    onUpdateDeviceListShow();
}

void DDevicePage::applyDongleStatus(const QString &path, int status)
{
    DDeviceListItem *item = m_hidItemMap.value(path);
    if (!item || !m_roster->contains(path))
        return;
    hidStructInfoAll record = m_roster->record(path);
    if (status == KeyboardRoster::DongleAbsent) {
        record.isOnline = 0;
        m_roster->updateRecord(path, record);
        item->setDeviceInfo(record);
        if (item == m_currentHidItem) {
            leaveShownKeyboard();
            chooseReplacementKeyboard();
            if (!m_currentHidItem || !m_currentKeyboardLink || m_roster->deviceInfoMap().isEmpty())
                showNoDevice();
        }
        return;
    }
    record.isOnline = 1;
    m_roster->updateRecord(path, record);
    item->setDeviceInfo(record);
    if (status == KeyboardRoster::DonglePresent && (!m_currentHidItem || !m_currentKeyboardLink)) {
        onHidItemMouseClicked(record);
        DDeviceKeyboardLink *link = m_roster->link(path);
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
    // A click while a device sequence or a download runs is ignored; the
    // sequences themselves call this directly.
    if (m_isOpeningDevice || (clicked && (isDeviceWorkRunning() || isDownloadRunning())))
        return;
    const QString path = pathOf(hidStuInfo);
    DDeviceListItem *item = clicked ? clicked : m_hidItemMap.value(path);
    if (!item || m_placeholderKeys.contains(path) || !m_hidItemMap.values().contains(item))
        return;
    if (item == m_currentHidItem) {
        m_notice->showNotice(QObject::tr("The device has been turned on"), noticePoint());
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
