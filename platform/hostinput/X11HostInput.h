// The desktop side of HostInput on X11: the application clipboard, key
// events synthesised with XTest on the display named by DISPLAY, programs
// started detached and documents opened with the desktop's handler.
#ifndef X11HOSTINPUT_H
#define X11HOSTINPUT_H

#include "platform/hostinput/HostInput.h"

#include <QMutex>

struct _XDisplay;

class X11HostInput : public HostInput
{
public:
    X11HostInput();
    ~X11HostInput() override;

    // The X keysym a Windows virtual-key code is typed with, or 0.
    static unsigned long keysymForVirtualKey(int virtualKey);

protected:
    bool setClipboardText(const QString &text) override;
    bool sendKeyEvent(int virtualKey, bool down) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool openUrl(const QUrl &url) override;

private:
    _XDisplay *display();

    QMutex m_mutex;
    _XDisplay *m_display = nullptr;
    bool m_hasXTest = false;
};

#endif
