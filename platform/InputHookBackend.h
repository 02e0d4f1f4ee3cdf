// The operating system's side of the global keyboard and mouse hook: observe
// every key and button event of the session, and withhold keys from the
// other applications while the caller asks for it. Events reach the sinks in
// the thread that installed them, one at a time, in the order they happened.
#ifndef INPUTHOOKBACKEND_H
#define INPUTHOOKBACKEND_H

#include <QString>

#include <functional>

#include "platform/LowLevelKeyRecord.h"
#include "platform/LowLevelMouseRecord.h"

class InputHookBackend
{
public:
    // Returns true when the key is to be withheld from the other applications.
    using KeySink = std::function<bool(const LowLevelKeyRecord &record)>;
    using MouseSink = std::function<void(int message, const LowLevelMouseRecord &record)>;

    // Error codes of a failed installation, kept in lastErrorCode().
    enum ErrorCode {
        NoError = 0,
        NoDisplay = 1,          // no X display in this session
        DisplayUnreachable = 2, // the display named cannot be opened
        NoRecordExtension = 3,  // the server cannot record input
        RecordSetupFailed = 4,  // recording could not be set up or started
        GrabFailed = 100,       // plus the server's grab status
    };

    virtual ~InputHookBackend();

    virtual bool installKeyboard(const KeySink &sink) = 0;
    virtual bool installMouse(const MouseSink &sink) = 0;
    virtual void uninstallKeyboard() = 0;
    virtual void uninstallMouse() = 0;
    // Withholds every key from the other applications (true) or stops doing so.
    virtual bool setKeyboardGrab(bool grab) = 0;

    virtual bool keyboardInstalled() const = 0;
    virtual bool mouseInstalled() const = 0;
    virtual bool keyboardGrabbed() const = 0;

    int lastErrorCode() const { return m_lastErrorCode; }
    QString lastErrorText() const { return m_lastErrorText; }

    // The implementation of this system (X11).
    static InputHookBackend *createDefault();

protected:
    bool fail(int code, const QString &text);
    void clearError();

private:
    int m_lastErrorCode = NoError;
    QString m_lastErrorText;
};

#endif
