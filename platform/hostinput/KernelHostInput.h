// The desktop side of HostInput below the display server: key events go
// through one virtual keyboard of the kernel (uinput), so they reach the
// focused program on Wayland and X11 alike. Each key is the one that types
// it in the user's layout (the X server's keymap, which under XWayland
// mirrors the compositor's; else the system's default), so Ctrl+V pastes on
// AZERTY or Dvorak too. Where /dev/uinput cannot be opened, the keys go
// through XTest as before (said once in the log). The clipboard, programs
// and documents are X11HostInput's.
#ifndef KERNELHOSTINPUT_H
#define KERNELHOSTINPUT_H

#include "platform/hostinput/UinputKeyboard.h"
#include "platform/hostinput/X11HostInput.h"
#include "platform/hostinput/XkbKeyFinder.h"

#include <QElapsedTimer>
#include <QMap>
#include <QMutex>

#include <memory>
#include <optional>

class KernelHostInput : public X11HostInput
{
public:
    // Makes the virtual keyboard on uinputNode; an empty node means XTest.
    explicit KernelHostInput(const QString &uinputNode = QStringLiteral("/dev/uinput"));
    ~KernelHostInput() override;

    bool usesUinput() const { return m_keyboard.isCreated(); }
    // The virtual keyboard's own input node.
    QString eventNode() const { return m_keyboard.eventNode(); }
    // Sends in this layout instead of the desktop's.
    void setLayout(const XkbKeyFinder::LayoutNames &names);

    // The kernel key code that types a virtual-key code in the layout, 0 for none.
    int evdevCodeFor(int virtualKey);

protected:
    bool sendKeyEvent(int virtualKey, bool down) override;

private:
    const XkbKeyFinder *finder();

    QMutex m_mutex;
    UinputKeyboard m_keyboard;
    std::optional<XkbKeyFinder::LayoutNames> m_names;
    std::unique_ptr<XkbKeyFinder> m_finder;
    std::unique_ptr<XkbKeyFinder> m_fallback; // US, for a layout without Latin letters
    QElapsedTimer m_finderAge;
    QString m_finderError;
    // The key each held virtual key went down with: its release uses the
    // same one, whatever happened to the layout meanwhile.
    QMap<int, int> m_heldCodes;
};

#endif
