#include "ui/mainwidget/DeviceChangeRouter.h"

#include <QTimer>

DeviceChangeRouter::DeviceChangeRouter(QObject *parent)
    : QObject(parent)
    , m_settleTimer(new QTimer(this))
{
    m_settleTimer->setSingleShot(true);
    m_settleTimer->setTimerType(Qt::PreciseTimer);
    m_settleTimer->setInterval(SettleDelayMs);
    connect(m_settleTimer, &QTimer::timeout, this, &DeviceChangeRouter::passOn);
}

void DeviceChangeRouter::setSupportedIds(const QList<QPair<QString, QString>> &ids)
{
    m_supportedIds = ids;
}

void DeviceChangeRouter::setBootloaderIds(const QList<QPair<QString, QString>> &ids)
{
    m_bootloaderIds = ids;
}

void DeviceChangeRouter::clear()
{
    m_settleTimer->stop();
    m_pending.clear();
}

bool DeviceChangeRouter::nameHoldsIds(const QString &name, const QString &vendor, const QString &product)
{
    return !vendor.isEmpty() && !product.isEmpty() && name.contains(vendor, Qt::CaseInsensitive)
        && name.contains(product, Qt::CaseInsensitive);
}

bool DeviceChangeRouter::matchesAny(const QString &name, const QList<QPair<QString, QString>> &ids)
{
    for (const auto &pair : ids)
        if (nameHoldsIds(name, pair.first, pair.second))
            return true;
    return false;
}

void DeviceChangeRouter::onDeviceChangeNotify(bool arrived, const QString &interfaceName)
{
    if (matchesAny(interfaceName, m_supportedIds)) {
        // A run of notices of one kind is one change: the page finds out
        // itself which devices came or went.
        if (m_pending.isEmpty() || m_pending.last().first != arrived)
            m_pending.append(qMakePair(arrived, interfaceName));
        m_settleTimer->start();
    }
    if (arrived && matchesAny(interfaceName, m_bootloaderIds))
        emit sigBootloaderArrived(interfaceName);
}

void DeviceChangeRouter::passOn()
{
    // A receiver may start another burst: take the list first.
    const QList<QPair<bool, QString>> changes = m_pending;
    m_pending.clear();
    for (const auto &change : changes) {
        if (change.first)
            emit sigDeviceArrived(change.second);
        else
            emit sigDeviceRemoved(change.second);
    }
}
