// Keeps the name of the sound server's default output (sink) at hand over one
// connection: the server is asked once when connected and again whenever it
// reports a change, so reading the name never waits on the server.
#ifndef PULSEDEFAULTOUTPUT_H
#define PULSEDEFAULTOUTPUT_H

#include <atomic>
#include <memory>
#include <mutex>

#include <QString>

class PulseConnection;

class PulseDefaultOutput
{
public:
    PulseDefaultOutput();
    ~PulseDefaultOutput();

    PulseDefaultOutput(const PulseDefaultOutput &) = delete;
    PulseDefaultOutput &operator=(const PulseDefaultOutput &) = delete;

    // Connects unless connected. False, with the reason, when no server can
    // be reached at once.
    bool start(QString *error = nullptr);
    void stop();
    // Started, and the connection has not failed since.
    bool isConnected() const;

    // The default output's name as last reported; empty before the server's
    // first answer and after the connection failed.
    QString name() const;

private:
    void onContextState(int state);
    void askServer();
    void setName(const QString &name);

    std::unique_ptr<PulseConnection> m_connection;
    std::atomic<bool> m_failed{false};
    mutable std::mutex m_nameMutex;
    QString m_name;
};

#endif
