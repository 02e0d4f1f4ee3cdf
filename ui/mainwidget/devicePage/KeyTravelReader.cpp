#include "ui/mainwidget/devicePage/KeyTravelReader.h"

#include <QTimer>

#include "device/DDeviceKeyboardLink.h"

KeyTravelReader::KeyTravelReader(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_lastSent)
            finish(); // the last replies are overdue
        else
            sendNext(); // no reply in time: the next key goes all the same
    });
}

void KeyTravelReader::start(DDeviceKeyboardLink *link, const QVector<Key> &keys, Sender send)
{
    abort();
    m_link = link;
    m_keys = keys;
    m_send = std::move(send);
    m_next = 0;
    m_open.clear();
    m_answered.clear();
    m_lastSent = false;
    m_running = true;
    if (m_link)
        m_link->setOneKeyQueryPending(true);
    m_clock.start();
    sendNext();
}

void KeyTravelReader::abort()
{
    m_timer->stop();
    if (m_running && m_link)
        m_link->setOneKeyQueryPending(false);
    m_running = false;
    m_open.clear();
    m_answered.clear();
}

void KeyTravelReader::sendNext()
{
    if (!m_link) {
        finish();
        return;
    }
    if (m_next >= m_keys.size()) {
        m_lastSent = true;
        if (m_open.isEmpty())
            finish();
        else
            m_timer->start(ReplyLostMs);
        return;
    }
    const Key key = m_keys.at(m_next++);
    m_link->setOneKeyQueryContext(key.code, key.row, key.column);
    m_open.append({key, m_clock.elapsed()});
    if (m_send)
        m_send(key.row, key.column);
    m_timer->start(ReplyWaitMs);
}

void KeyTravelReader::onReply()
{
    if (!m_running)
        return;
    // Match the reply to the oldest open query; a query whose reply is long
    // overdue is taken as lost.
    const qint64 now = m_clock.elapsed();
    while (m_open.size() > 1 && now - m_open.first().sentAtMs > ReplyLostMs)
        m_open.removeFirst();
    m_answered.append(m_open.isEmpty() ? Key() : m_open.takeFirst().key);
    // Only the answer to the newest query lets the next one go.
    if (!m_open.isEmpty())
        return;
    m_timer->stop();
    if (m_lastSent)
        finish();
    else
        sendNext();
}

void KeyTravelReader::finish()
{
    m_timer->stop();
    QVector<Travel> travels;
    if (m_link) {
        m_link->setOneKeyQueryPending(false);
        const QList<QVector<int>> records = m_link->oneKeySensitivityList();
        for (int i = 0; i < records.size() && i < m_answered.size(); ++i) {
            const Key &key = m_answered.at(i);
            const QVector<int> &record = records.at(i);
            if (key.row < 0 || record.size() < 9)
                continue;
            travels.append({key.row, key.column, record.mid(3, 6)});
        }
    }
    m_running = false;
    m_open.clear();
    m_answered.clear();
    emit finished(travels);
}
