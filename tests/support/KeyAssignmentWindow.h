// The main window over a simulated keyboard (SimMainWindow), shown, for
// end-to-end tests of key assignment: its customise-keys page, the keys of
// the keyboard view, the toast of the device page, a download and what the
// keyboard's memory holds afterwards.
#ifndef KEYASSIGNMENTWINDOW_H
#define KEYASSIGNMENTWINDOW_H

#include <QByteArray>
#include <QString>

#include <string>

#include "support/SimMainWindow.h"

class DCustomKeysPage;
class DDevicePage;
class keyboardButCustom;

class KeyAssignmentWindow
{
public:
    // Plugs the model (by cable, in a gamepad mode: 0 off), builds the main
    // window, waits until its first enumeration and open are over and shows
    // it.
    DDevicePage *start(const char *model, int gamepadMode = 0);
    // Closes the window and unplugs every simulated keyboard.
    void stop() { m_window.close(); }

    DDevicePage *page() const { return m_window.page(); }
    DCustomKeysPage *host() const;
    bool dismissFirmwareOffer() { return m_window.dismissFirmwareOffer(); }
    const std::string &path() const { return m_window.path(); }

    // The text of the device page's toast.
    QString toast() const;
    // Clicks "Download" and waits for its outcome's toast; true on success.
    bool download(int timeoutMs = 30000);

    // The keyboard view's button of a key code.
    static keyboardButCustom *viewKey(int code);
    // The 4 bytes the keyboard keeps for a key of the view on a layer
    // (0 default, 2 Fn), in hex.
    QByteArray onboardKey(int layer, int code) const;

private:
    SimMainWindow m_window;
};

#endif
