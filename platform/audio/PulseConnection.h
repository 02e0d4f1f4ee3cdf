// One connection to the sound server: a libpulse context on a threaded main
// loop of its own. The server is never started for us (no autospawn): with
// none running, open() fails at once. Every callback of the context and of
// its streams runs on the loop's thread with the loop's lock held.
#ifndef PULSECONNECTION_H
#define PULSECONNECTION_H

#include <functional>

#include <QString>

#include <pulse/context.h>
#include <pulse/thread-mainloop.h>

class PulseConnection
{
public:
    // Called on the loop thread on every change of the context's state.
    using StateHandler = std::function<void(pa_context *context, pa_context_state_t state)>;

    explicit PulseConnection(const char *clientName);
    ~PulseConnection();

    PulseConnection(const PulseConnection &) = delete;
    PulseConnection &operator=(const PulseConnection &) = delete;

    // Connects to the default server and starts the loop thread. False, with
    // the server's reason, when no server can be reached at once.
    bool open(StateHandler onState, QString *error);
    // Ends the connection and joins the loop thread without waiting for the
    // server. beforeDisconnect runs first, under the loop lock, so the owner
    // can take its streams down while no callback can run.
    void close(const std::function<void()> &beforeDisconnect = {});

    bool isOpen() const { return m_loop != nullptr; }
    pa_context *context() const { return m_context; }

    // The text of a libpulse error code.
    static QString errorText(int error);

private:
    static void stateCallback(pa_context *context, void *self);

    QByteArray m_clientName;
    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    StateHandler m_onState;
};

#endif
