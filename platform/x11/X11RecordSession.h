// Observes one range of device events (key or button events) of every client
// with the X RECORD extension. Recording blocks a display connection of its
// own, so it runs in a small thread of this class; the handler is called in
// that thread for every event, in order. The control connection belongs to
// the caller's thread and is only used from there.
#ifndef X11RECORDSESSION_H
#define X11RECORDSESSION_H

#include <QString>
#include <QThread>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

struct _XDisplay;

class X11RecordSession : public QThread
{
    Q_OBJECT

public:
    // type is the X event type (key or button, press or release), detail the
    // key code or button number, time the server time, the position the
    // pointer's on the root window.
    using Handler = std::function<void(int type, int detail, uint32_t time, int rootX, int rootY)>;

    X11RecordSession(_XDisplay *control, int firstEventType, int lastEventType, Handler handler);
    ~X11RecordSession() override;

    // Sets recording up and returns once the server has started it, so that
    // every event from then on reaches the handler.
    bool begin(QString *error);
    // Stops recording; no handler call runs or follows once it returns.
    void end();

protected:
    void run() override;

private:
    friend struct X11RecordIntercept;
    enum class State { Idle, Starting, Running, Failed };

    void setState(State state);
    void release();

    _XDisplay *m_control;
    _XDisplay *m_data = nullptr;
    unsigned long m_context = 0;
    int m_firstEventType;
    int m_lastEventType;
    Handler m_handler;

    std::mutex m_mutex;
    std::condition_variable m_stateChanged;
    State m_state = State::Idle;
};

#endif
