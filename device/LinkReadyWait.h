// Waits, without blocking the event loop, until a device link has the
// keyboard's first replies (DDeviceKeyboardLink::isDeviceInfoReady) or a
// time limit has passed, and then calls back once. A link that goes away
// ends the wait as not ready; cancel() ends it without a call.
#ifndef LINKREADYWAIT_H
#define LINKREADYWAIT_H

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <functional>

class DDeviceKeyboardLink;
class QTimer;

class LinkReadyWait : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(bool ready)>;

    explicit LinkReadyWait(QObject *parent = nullptr);
    ~LinkReadyWait() override;

    // Starts a wait, ending any earlier one without its call. A link that is
    // ready already, or none at all, is answered at once, before this returns.
    void start(DDeviceKeyboardLink *link, int limitMs, Done done);
    // Ends the wait now, as not ready, with its call.
    void giveUp();
    // Ends the wait without its call.
    void cancel();
    bool isWaiting() const { return static_cast<bool>(m_done); }
    DDeviceKeyboardLink *link() const;

private:
    void finish(bool ready);
    void disconnectLink();

    QPointer<DDeviceKeyboardLink> m_link;
    QTimer *m_timer = nullptr;
    Done m_done;
    QMetaObject::Connection m_readyConnection;
    QMetaObject::Connection m_goneConnection;
};

#endif
