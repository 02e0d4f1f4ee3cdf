// The main window on a freshly plugged simulated keyboard, for end-to-end
// tests of key assignment: the device page, its customise-keys page, the
// keys of the keyboard view, the toast it shows, a download and what the
// keyboard's memory holds afterwards.
#ifndef KEYASSIGNMENTWINDOW_H
#define KEYASSIGNMENTWINDOW_H

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>

class DCustomKeysPage;
class DDevicePage;
class DMainWidget;
class keyboardButCustom;

class KeyAssignmentWindow
{
public:
    KeyAssignmentWindow();
    ~KeyAssignmentWindow();

    // Plugs the model, shows the main window and waits until the first
    // enumeration has ended. Null when the window did not come up.
    DDevicePage *start(const char *model, int settleMs = 40000);
    // Closes the window and unplugs every simulated keyboard.
    void stop();

    DMainWidget *window() const { return m_window.get(); }
    DDevicePage *page() const;
    DCustomKeysPage *host() const;
    const std::string &path() const { return m_path; }

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
    std::unique_ptr<DMainWidget> m_window;
    std::string m_path;
};

#endif
