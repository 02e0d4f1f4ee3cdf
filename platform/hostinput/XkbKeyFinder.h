// Which kernel key gives a key symbol in a keyboard layout: the key whose
// lowest level holds the symbol, in the active layout first and then in the
// others. The layout is the desktop's (the X server's keymap, which under
// XWayland mirrors the compositor's) or one named by its rules, model,
// layout, variant and options.
#ifndef XKBKEYFINDER_H
#define XKBKEYFINDER_H

#include <QString>

#include <cstdint>
#include <memory>

struct xkb_context;
struct xkb_keymap;

class XkbKeyFinder
{
public:
    struct LayoutNames {
        QString layout; // "us", "fr", "de"; empty for the system's default
        QString variant; // "dvorak"
        QString model;
        QString options;
    };

    ~XkbKeyFinder();
    XkbKeyFinder(const XkbKeyFinder &) = delete;
    XkbKeyFinder &operator=(const XkbKeyFinder &) = delete;

    // The keymap of the core keyboard of the X server named by DISPLAY, with
    // its active layout; null (and the reason in error) without one.
    static std::unique_ptr<XkbKeyFinder> fromDisplay(QString *error = nullptr);
    // A keymap compiled from layout names; null when the names are unknown.
    static std::unique_ptr<XkbKeyFinder> fromNames(const LayoutNames &names);

    // The kernel key code (KEY_*) of the key that types keysym, 0 for none.
    int evdevCodeFor(uint32_t keysym) const;
    int layoutCount() const;
    int activeLayout() const { return m_activeLayout; }

private:
    XkbKeyFinder(xkb_context *context, xkb_keymap *keymap, int activeLayout);
    int findInLayout(uint32_t keysym, unsigned layout) const;

    xkb_context *m_context;
    xkb_keymap *m_keymap;
    int m_activeLayout;
};

#endif
