// Setting the light and keyboard sleep times of the shown keyboard: the
// rule the two times must keep, and one request sent to the keyboard that
// waits, on a single-shot timer, up to 1400 ms for its confirmation. One
// request at a time; a second one while the first waits is refused.
// Widget-free; GUI thread.
#ifndef SLEEPTIMEREQUEST_H
#define SLEEPTIMEREQUEST_H

#include <QByteArray>
#include <QObject>
#include <QPointer>

class DDeviceKeyboardLink;
class QTimer;

class SleepTimeRequest : public QObject
{
    Q_OBJECT
public:
    static constexpr int ConfirmWaitMs = 1400;
    static constexpr int ShortestKeyboardSeconds = 300;

    enum class Check { Accepted, LightLongerThanKeyboard, KeyboardTooShort };
    // Equal times pass; the keyboard must not sleep before 300 s.
    static Check check(int lightSeconds, int keyboardSeconds);
    // The keyboard time as the profile keeps it: whole minutes, rounded down.
    static int keyboardMinutes(int keyboardSeconds);

    // What was asked, and of which profile the times are.
    struct Request
    {
        QByteArray profilePath;
        int profileIndex = 0;
        int lightSeconds = 0;
        int keyboardSeconds = 0;
        int prohibitSleep = 0;
    };

    explicit SleepTimeRequest(QObject *parent = nullptr);

    // Sends the times through `link` and waits for the confirmation. False,
    // with nothing sent, while a request waits or without a link.
    bool start(DDeviceKeyboardLink *link, const Request &request);
    bool isWaiting() const;
    // Ends the wait without finished().
    void cancel();

public slots:
    // The keyboard confirmed a sleep-time setting.
    void onConfirmed();

signals:
    // The keyboard confirmed within the wait, or did not.
    void finished(bool confirmed, SleepTimeRequest::Request request);

private:
    void finish(bool confirmed);

    QTimer *m_timer = nullptr;
    Request m_request;
};

#endif
