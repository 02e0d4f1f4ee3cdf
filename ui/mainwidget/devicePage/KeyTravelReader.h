// Reads the travel settings of every key of a magnetic-switch keyboard, one
// key at a time, without blocking: a key's query goes out once the keyboard
// answered the query before it, or 250 ms after that one went out; after
// the last query, replies still count for up to a second.
//
// Replies carry no key. The keyboard answers in order, so each reply
// belongs to the oldest query still open, and a reply that comes after its
// wait ran out is kept for its own key, never taken for the next. A query
// whose reply is a second overdue is taken as lost. Widget-free; GUI thread.
#ifndef KEYTRAVELREADER_H
#define KEYTRAVELREADER_H

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

class DDeviceKeyboardLink;
class QTimer;

class KeyTravelReader : public QObject
{
    Q_OBJECT
public:
    static constexpr int ReplyWaitMs = 250;
    static constexpr int ReplyLostMs = 1000;

    struct Key
    {
        int code = 0;
        int row = -1;
        int column = -1;
    };
    // The six travel values of the key at (row, column), in the keyboard's order.
    struct Travel
    {
        int row = -1;
        int column = -1;
        QVector<int> values;
    };
    // Sends the one-key query for the key at (row, column).
    using Sender = std::function<void(int row, int column)>;

    explicit KeyTravelReader(QObject *parent = nullptr);

    // Asks for every key in turn; finished() tells the outcome. An earlier
    // reading is abandoned.
    void start(DDeviceKeyboardLink *link, const QVector<Key> &keys, Sender send);
    // Ends the reading without finished().
    void abort();
    bool isRunning() const { return m_running; }

public slots:
    // The link received a one-key reply.
    void onReply();

signals:
    // The travel values of every key that answered; none when the link went away.
    void finished(QVector<KeyTravelReader::Travel> travels);

private:
    struct Query
    {
        Key key;
        qint64 sentAtMs = 0;
    };

    void sendNext();
    void finish();

    QPointer<DDeviceKeyboardLink> m_link;
    QVector<Key> m_keys;
    Sender m_send;
    int m_next = 0;
    bool m_running = false;
    bool m_lastSent = false;
    QList<Query> m_open;
    QVector<Key> m_answered;
    QElapsedTimer m_clock;
    QTimer *m_timer = nullptr;
};

#endif
