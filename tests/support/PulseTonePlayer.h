// Plays a sine tone into a sink of the test's sound server from a thread of
// its own, in 5 ms blocks with little buffering, so what it writes reaches
// the sink's monitor soon after. The tone can be silenced and changed while
// it plays.
#ifndef PULSETONEPLAYER_H
#define PULSETONEPLAYER_H

#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <thread>

class PulseTonePlayer
{
public:
    // sink empty: the server's default output.
    explicit PulseTonePlayer(const QString &sink = QString());
    ~PulseTonePlayer();

    PulseTonePlayer(const PulseTonePlayer &) = delete;
    PulseTonePlayer &operator=(const PulseTonePlayer &) = delete;

    // Connects and starts playing (silence until a frequency is set); false
    // when the server cannot be reached.
    bool start(QString *error = nullptr);
    void stop();

    // 0 plays silence. amplitude is 0..1 of full scale.
    void setTone(double frequency, double amplitude = 0.8);
    // The time (of clock()) at which the first samples of the current tone
    // were written after silence; -1 before.
    qint64 toneWrittenAtNs() const { return m_toneWrittenAtNs.load(); }
    // The clock the writing times are taken with.
    static qint64 nowNs();

private:
    void run(void *stream);

    QString m_sink;
    std::thread m_thread;
    std::atomic<bool> m_quit{false};
    std::atomic<double> m_frequency{0.0};
    std::atomic<double> m_amplitude{0.8};
    std::atomic<qint64> m_toneWrittenAtNs{-1};
};

#endif
