// Collects the log messages written while it lives (any thread), and passes
// them on to the handler that was installed before it.
#ifndef LOGCAPTURE_H
#define LOGCAPTURE_H

#include <mutex>
#include <QStringList>
#include <QtGlobal>

class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList messages() const;
    // How many messages are exactly this text.
    int count(const QString &text) const;
    // How many messages contain this text.
    int countContaining(const QString &text) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);

    mutable std::mutex m_mutex;
    QStringList m_messages;
    QtMessageHandler m_previous = nullptr;
};

#endif
