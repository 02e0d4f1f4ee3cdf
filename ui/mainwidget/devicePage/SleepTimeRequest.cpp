#include "ui/mainwidget/devicePage/SleepTimeRequest.h"

#include <QTimer>

#include "device/DDeviceKeyboardLink.h"

SleepTimeRequest::Check SleepTimeRequest::check(int lightSeconds, int keyboardSeconds)
{
    if (lightSeconds > keyboardSeconds)
        return Check::LightLongerThanKeyboard;
    if (keyboardSeconds < ShortestKeyboardSeconds)
        return Check::KeyboardTooShort;
    return Check::Accepted;
}

int SleepTimeRequest::keyboardMinutes(int keyboardSeconds)
{
    return keyboardSeconds / 60;
}

SleepTimeRequest::SleepTimeRequest(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { finish(false); });
}

bool SleepTimeRequest::start(DDeviceKeyboardLink *link, const Request &request)
{
    if (isWaiting() || !link)
        return false;
    m_request = request;
    m_timer->start(ConfirmWaitMs);
    link->sendSetSleepTime(request.lightSeconds, request.keyboardSeconds, request.prohibitSleep);
    return true;
}

bool SleepTimeRequest::isWaiting() const
{
    return m_timer->isActive();
}

void SleepTimeRequest::cancel()
{
    m_timer->stop();
}

void SleepTimeRequest::onConfirmed()
{
    // A confirmation that comes after the wait ran out counts for nothing.
    if (isWaiting())
        finish(true);
}

void SleepTimeRequest::finish(bool confirmed)
{
    m_timer->stop();
    emit finished(confirmed, m_request);
}
