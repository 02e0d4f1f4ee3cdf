// A virtual keyboard made through the kernel's uinput device. Its key
// events enter the kernel's input layer like those of a real keyboard, so
// the display server (a Wayland compositor or an X server) hands them to
// whatever program has the focus, in the layout the desktop uses. A desktop
// takes a moment to add a new keyboard: make it well before the first key.
#ifndef UINPUTKEYBOARD_H
#define UINPUTKEYBOARD_H

#include <QString>

class UinputKeyboard
{
public:
    static constexpr const char *DeviceName = "Lumtar virtual keyboard";

    UinputKeyboard() = default;
    ~UinputKeyboard();
    UinputKeyboard(const UinputKeyboard &) = delete;
    UinputKeyboard &operator=(const UinputKeyboard &) = delete;

    // Makes the keyboard on the uinput node (not through a link, a character
    // device only); false with the reason in errorText().
    bool create(const QString &uinputNode = QStringLiteral("/dev/uinput"));
    void destroy();
    bool isCreated() const { return m_fd >= 0; }
    QString errorText() const { return m_errorText; }

    // One key event (KEY_* code) and the report that ends it.
    bool sendKey(int evdevCode, bool down);

    // The keyboard's own input node ("/dev/input/event7"), empty when the
    // kernel does not say.
    QString eventNode() const;

private:
    bool fail(const QString &what, int error);

    int m_fd = -1;
    QString m_errorText;
};

#endif
