// SIGTERM, SIGINT and SIGHUP (logout, kill, Ctrl+C) as a Qt signal in the
// thread that created the notifier, so that the program ends through its
// normal quit path instead of dying in the middle of its work. The signal
// handler only writes the signal's number into a pipe (the self-pipe); a
// socket notifier on the pipe's other end emits sigTerminationRequested.
// A second such signal, while the first is still being handled, ends the
// program at once. One notifier at a time.
#ifndef TERMINATIONSIGNALNOTIFIER_H
#define TERMINATIONSIGNALNOTIFIER_H

#include <QObject>

class QSocketNotifier;

class TerminationSignalNotifier : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignalNotifier(QObject *parent = nullptr);
    // Gives the three signals their earlier actions back.
    ~TerminationSignalNotifier() override;

    // False when the pipe or the handlers could not be set up (logged).
    bool isActive() const { return m_notifier != nullptr; }

    // "SIGTERM", "SIGINT", "SIGHUP", or the number.
    static QString signalName(int signalNumber);

signals:
    void sigTerminationRequested(int signalNumber);

private slots:
    void onPipeReadable();

private:
    int m_readEnd = -1;
    int m_writeEnd = -1;
    QSocketNotifier *m_notifier = nullptr;
};

#endif
