// A private sound server for one test: a PulseAudio daemon that loads a null
// output (whose monitor plays back what it is sent) and a socket of its own,
// in a temporary folder that is also its home. While it runs PULSE_SERVER
// points this process at it; on destruction the server is ended by its pid
// and PULSE_SERVER restored. stop() and start() again bring the same server
// address back, as a restarted sound server does.
#ifndef PULSESERVER_H
#define PULSESERVER_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

class PulseServer
{
public:
    explicit PulseServer(const QString &sinkName = QStringLiteral("lumtar_speakers"));
    ~PulseServer();

    PulseServer(const PulseServer &) = delete;
    PulseServer &operator=(const PulseServer &) = delete;

    // Starts the server and waits until it accepts clients; false with a
    // reason when pulseaudio is missing or does not come up.
    bool start(QString *error = nullptr);
    // Ends the server at once (SIGKILL: as if it crashed) or politely.
    void stop(bool crash = false);
    bool isRunning() const { return m_pid > 0; }

    // "unix:<folder>/native".
    QString address() const;
    QString sinkName() const { return m_sinkName; }

    // Runs pactl against this server; false when it fails.
    bool pactl(const QStringList &arguments, QString *output = nullptr) const;
    bool addNullSink(const QString &name) const;
    bool setDefaultSink(const QString &name) const;
    bool suspendSink(const QString &name, bool suspend) const;

    // Whether pulseaudio and pactl are installed.
    static bool available();

private:
    QString m_sinkName;
    QTemporaryDir m_dir;
    pid_t m_pid = -1;
    bool m_hadServer = false;
    QByteArray m_previousServer;
    bool m_environmentSet = false;
};

#endif
