#include "device/LinkReadyWait.h"

#include "device/DDeviceKeyboardLink.h"

#include <QTimer>

LinkReadyWait::LinkReadyWait(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { finish(m_link && m_link->isDeviceInfoReady()); });
}

LinkReadyWait::~LinkReadyWait()
{
    disconnectLink();
}

void LinkReadyWait::start(DDeviceKeyboardLink *link, int limitMs, Done done)
{
    cancel();
    if (!link || link->isDeviceInfoReady()) {
        if (done)
            done(link != nullptr);
        return;
    }
    m_link = link;
    m_done = std::move(done);
    m_readyConnection = connect(link, &DDeviceKeyboardLink::sigDeviceInfoReady, this, [this] { finish(true); });
    m_goneConnection = connect(link, &QObject::destroyed, this, [this] { finish(false); });
    m_timer->start(limitMs);
}

void LinkReadyWait::giveUp()
{
    if (isWaiting())
        finish(false);
}

void LinkReadyWait::cancel()
{
    m_timer->stop();
    disconnectLink();
    m_link.clear();
    m_done = nullptr;
}

void LinkReadyWait::finish(bool ready)
{
    // The call may start the next wait on this object: take it out first.
    Done done = std::move(m_done);
    cancel();
    if (done)
        done(ready);
}

void LinkReadyWait::disconnectLink()
{
    disconnect(m_readyConnection);
    disconnect(m_goneConnection);
}

DDeviceKeyboardLink *LinkReadyWait::link() const
{
    return m_link;
}
