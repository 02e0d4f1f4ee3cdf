#include "support/LogCapture.h"



namespace {
LogCapture *g_current = nullptr;
std::mutex g_currentMutex;
} // namespace

LogCapture::LogCapture()
{
    std::lock_guard<std::mutex> lock(g_currentMutex);
    g_current = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    std::lock_guard<std::mutex> lock(g_currentMutex);
    qInstallMessageHandler(m_previous);
    g_current = nullptr;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    std::lock_guard<std::mutex> lock(g_currentMutex);
    if (!g_current)
        return;
    {
        std::lock_guard<std::mutex> own(g_current->m_mutex);
        g_current->m_messages.append(message);
    }
    if (g_current->m_previous)
        g_current->m_previous(type, context, message);
}

QStringList LogCapture::messages() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages;
}

int LogCapture::count(const QString &text) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages.count(text);
}

int LogCapture::countContaining(const QString &text) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int n = 0;
    for (const QString &m : m_messages)
        n += m.contains(text) ? 1 : 0;
    return n;
}

void LogCapture::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.clear();
}
