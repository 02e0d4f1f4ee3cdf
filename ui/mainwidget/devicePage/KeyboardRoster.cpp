#include "ui/mainwidget/devicePage/KeyboardRoster.h"

#include <QDebug>
#include <QTimer>

#include <algorithm>
#include <list>
#include <map>
#include <string>

#include "device/DDeviceKeyboardLink.h"
#include "device/LinkReadyWait.h"
#include "device/MainHidInterFace.h"
#include "device/RecordFieldText.h"

namespace {

QString pathOf(const hidStructInfoAll &record)
{
    return QString::fromLatin1(recordFieldText(record.hidPath));
}

std::map<std::string, HidInfoStu> modelMap()
{
    std::map<std::string, HidInfoStu> models;
    CLumtarHid_GetHidInfoStuMapList(&models);
    return models;
}

// The record of one attached path; false when its information cannot be
// read or its model is not known.
bool buildDeviceRecord(const std::string &path, const std::map<std::string, HidInfoStu> &models,
                       hidStructInfoAll *record)
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

std::list<std::string> attachedPathList()
{
    std::list<std::string> paths;
    CLumtarHid_GetHidInfoList(&paths);
    return paths;
}

} // namespace

KeyboardRoster::KeyboardRoster(QObject *parent)
    : QObject(parent)
{
}

KeyboardRoster::~KeyboardRoster()
{
    closeAll();
}

// ---- listing --------------------------------------------------------------------

QList<hidStructInfoAll> KeyboardRoster::enumerateAll()
{
    const std::list<std::string> paths = attachedPathList();
    const std::map<std::string, HidInfoStu> allModels = modelMap();
    std::map<std::string, HidInfoStu> unlisted = allModels;
    m_hidInfoMap.clear();

    QList<hidStructInfoAll> usb;
    QList<hidStructInfoAll> receivers;
    for (const std::string &path : paths) {
        hidStructInfoAll record;
        if (!buildDeviceRecord(path, allModels, &record))
            continue;
        unlisted.erase(std::string(recordFieldText(record.hidModel).constData()));
        if (record.connectType == LUMTAR_CONNECT_RECEIVER) {
            receivers.append(record);
            // Its keyboard counts as absent until the receiver reports it.
            m_dongleStatusMap.insert(pathOf(record), DongleAbsent);
        } else {
            usb.append(record);
        }
        m_hidInfoMap.insert(pathOf(record), record);
    }
    QList<hidStructInfoAll> placeholders;
    for (const auto &model : unlisted)
        placeholders.append(lumtarPlaceholderRecord(model.second));
    return usb + receivers + placeholders;
}

KeyboardRoster::Difference KeyboardRoster::compareWithAttached() const
{
    const std::map<std::string, HidInfoStu> models = modelMap();
    QMap<QString, hidStructInfoAll> fresh;
    for (const std::string &path : attachedPathList()) {
        hidStructInfoAll record;
        if (buildDeviceRecord(path, models, &record)) {
            record.isOnline = 1;
            fresh.insert(pathOf(record), record);
        }
    }
    Difference difference;
    for (auto it = m_hidInfoMap.cbegin(); it != m_hidInfoMap.cend(); ++it)
        if (!fresh.contains(it.key()))
            difference.gone << it.key();
    for (auto it = fresh.cbegin(); it != fresh.cend(); ++it)
        if (!m_hidInfoMap.contains(it.key()))
            difference.arrived << it.value();
    return difference;
}

QStringList KeyboardRoster::attachedPaths()
{
    QStringList out;
    for (const std::string &path : attachedPathList())
        out << QString::fromLatin1(path.c_str());
    return out;
}

void KeyboardRoster::addDevice(hidStructInfoAll record)
{
    const QString path = pathOf(record);
    if (record.connectType == LUMTAR_CONNECT_RECEIVER) {
        record.isOnline = 0;
        m_dongleStatusMap.insert(path, DongleAbsent);
    }
    m_hidInfoMap.insert(path, record);
}

hidStructInfoAll KeyboardRoster::removeDevice(const QString &path)
{
    const hidStructInfoAll old = m_hidInfoMap.take(path);
    m_dongleStatusMap.remove(path);
    retireLink(path);
    return old;
}

void KeyboardRoster::updateRecord(const QString &path, const hidStructInfoAll &record)
{
    if (m_hidInfoMap.contains(path))
        m_hidInfoMap.insert(path, record);
}

QMap<QString, QString> KeyboardRoster::likeNameMap() const
{
    QMap<QString, QString> names;
    for (auto it = m_hidInfoMap.cbegin(); it != m_hidInfoMap.cend(); ++it)
        names.insert(it.key(), QString::fromLocal8Bit(recordFieldText(it.value().likeName)));
    return names;
}

bool KeyboardRoster::findReplacement(hidStructInfoAll *record) const
{
    for (auto it = m_hidInfoMap.cbegin(); it != m_hidInfoMap.cend(); ++it) {
        const hidStructInfoAll &candidate = it.value();
        const bool usable = candidate.connectType == LUMTAR_CONNECT_USB
            || (candidate.connectType == LUMTAR_CONNECT_RECEIVER && dongleStatus(it.key()) == DonglePresent);
        if (usable) {
            *record = candidate;
            return true;
        }
    }
    return false;
}

// ---- links ----------------------------------------------------------------------

void KeyboardRoster::createLink(const hidStructInfoAll &record)
{
    const QString path = pathOf(record);
    if (path.isEmpty() || KeyboardLinkListMap.contains(path))
        return;
    auto *link = new DDeviceKeyboardLink(nullptr);
    emit linkCreated(link);
    KeyboardLinkListMap.insert(path, link);
    ++m_linkCount;
    // Before it opens: the receiver's first status report, which may come
    // while the link waits, already counts.
    link->setDongleTracking(true);
    link->openDevice(m_linkCount, record);
    MainHidInterFace *io = link->hidInterface();
    if (!io || !io->isOpen()) {
        // Nothing to wait for; the next device change tries again.
        qDebug().noquote() << "Keyboard link not opened, dropped until the next device change:" << path;
        KeyboardLinkListMap.remove(path);
        delete link;
        return;
    }
    if (link->isDeviceInfoReady())
        return;
    auto *wait = new LinkReadyWait(this);
    m_settling.insert(path, wait);
    wait->start(link, LinkReadyWaitMs, [this, path](bool) { settle(path); });
}

void KeyboardRoster::relinkUnlinked()
{
    const QList<hidStructInfoAll> records = m_hidInfoMap.values();
    for (const hidStructInfoAll &record : records)
        if (!KeyboardLinkListMap.contains(pathOf(record)))
            createLink(record);
}

void KeyboardRoster::settle(const QString &path)
{
    LinkReadyWait *wait = m_settling.take(path);
    if (!wait)
        return;
    wait->cancel();
    wait->deleteLater();
    if (m_settling.isEmpty())
        emit linksSettled();
}

void KeyboardRoster::giveUpVanished()
{
    if (m_settling.isEmpty())
        return;
    const QStringList attached = attachedPaths();
    const QStringList waiting = m_settling.keys();
    for (const QString &path : waiting)
        if (!attached.contains(path))
            settle(path);
}

void KeyboardRoster::retireLink(const QString &path)
{
    if (m_settling.contains(path))
        settle(path);
    DDeviceKeyboardLink *link = KeyboardLinkListMap.take(path);
    if (!link)
        return;
    // Closing stops the I/O thread and waits for it; the link itself goes
    // once no code on the stack can still hold it.
    if (MainHidInterFace *io = link->hidInterface())
        io->closeHid();
    m_retired.erase(std::remove_if(m_retired.begin(), m_retired.end(),
                                   [](const QPointer<DDeviceKeyboardLink> &gone) { return gone.isNull(); }),
                    m_retired.end());
    m_retired.append(link);
    link->deleteLater();
}

void KeyboardRoster::closeAll()
{
    for (LinkReadyWait *wait : qAsConst(m_settling)) {
        wait->cancel();
        wait->deleteLater();
    }
    m_settling.clear();
    const QMap<QString, DDeviceKeyboardLink *> links = KeyboardLinkListMap;
    KeyboardLinkListMap.clear();
    for (DDeviceKeyboardLink *link : links) {
        if (!link)
            continue;
        // The I/O thread is stopped and joined before its handle is released.
        if (MainHidInterFace *io = link->hidInterface())
            io->closeHid();
        delete link;
    }
    // Links retired earlier and not deleted yet go now.
    const QList<QPointer<DDeviceKeyboardLink>> retired = m_retired;
    m_retired.clear();
    for (const QPointer<DDeviceKeyboardLink> &link : retired)
        delete link.data();
    m_hidInfoMap.clear();
    m_dongleStatusMap.clear();
    m_working.clear();
    m_deferred.clear();
}

// ---- device work ------------------------------------------------------------------

void KeyboardRoster::setWorking(Work work, bool on)
{
    if (on)
        m_working.insert(work);
    else if (m_working.remove(work))
        schedule();
}

void KeyboardRoster::setListLoaded()
{
    m_listLoaded = true;
    schedule();
}

void KeyboardRoster::defer(Task task)
{
    m_deferred.insert(task);
    schedule();
}

bool KeyboardRoster::isIdle() const
{
    return m_listLoaded && m_working.isEmpty() && m_deferred.isEmpty() && !m_scheduled && m_settling.isEmpty();
}

void KeyboardRoster::schedule()
{
    if (m_scheduled || isBusy() || m_deferred.isEmpty())
        return;
    // Run from the event loop, out of the stack of whatever just ended.
    m_scheduled = true;
    QTimer::singleShot(0, this, &KeyboardRoster::runDue);
}

void KeyboardRoster::runDue()
{
    m_scheduled = false;
    if (isBusy())
        return; // the running work schedules again when it ends
    Task task;
    if (m_deferred.contains(Task::LoadList))
        task = Task::LoadList;
    else if (!m_listLoaded)
        return; // changes wait for the first enumeration, which sees them all
    else if (m_deferred.contains(Task::Arrival))
        task = Task::Arrival;
    else if (m_deferred.contains(Task::Removal))
        task = Task::Removal;
    else if (m_deferred.contains(Task::DongleRecheck))
        task = Task::DongleRecheck;
    else
        return;
    m_deferred.remove(task);
    emit taskDue(task);
    schedule();
}
