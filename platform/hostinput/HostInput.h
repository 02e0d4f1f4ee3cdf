// What a function key run on the computer may do to the host: type a text
// (clipboard, then Ctrl+V) and open a program or document. The decisions
// live here; the calls that reach the desktop are the virtual edge, so a
// recording double can stand in for them where there is no desktop.
#ifndef HOSTINPUT_H
#define HOSTINPUT_H

#include <QString>
#include <QStringList>
#include <QUrl>

class HostInput
{
public:
    // Virtual-key codes of the keys typeText presses.
    enum VirtualKey { VkControl = 0x11, VkV = 0x56 };

    virtual ~HostInput();

    // Puts the text on the clipboard and sends Ctrl down, V down, V up, Ctrl up.
    // Returns false (and logs why) when the desktop cannot take it.
    bool typeText(const QString &text);

    // Starts a program file directly (never through a shell), the program of
    // a desktop launcher (".desktop", type Application) from its Exec line,
    // or opens a document or URL with the desktop's handler. Returns false,
    // with a log line, when nothing could be started.
    bool launch(const QString &target);

    // The desktop's own implementation, created on first use. The program
    // asks for it at start, so that its virtual keyboard (KernelHostInput)
    // is known to the desktop before the first key.
    static HostInput *systemInput();

protected:
    virtual bool setClipboardText(const QString &text) = 0;
    // One key event of a Windows virtual-key code: down or up.
    virtual bool sendKeyEvent(int virtualKey, bool down) = 0;
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
    virtual bool openUrl(const QUrl &url) = 0;

private:
    bool launchDesktopEntry(const QString &path);
};

#endif
