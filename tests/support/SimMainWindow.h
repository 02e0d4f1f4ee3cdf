// The main window over a simulated keyboard, for tests of the device page:
// the stores and the SDK started once, a keyboard of a model plugged, the
// window built and its first enumeration and open waited for; everything
// closed and unplugged again between test functions.
#ifndef SIMMAINWINDOW_H
#define SIMMAINWINDOW_H

#include <memory>
#include <string>

class DDevicePage;
class DMainWidget;

class SimMainWindow
{
public:
    static constexpr int SettleMs = 40000;

    SimMainWindow();
    ~SimMainWindow();

    // Starts the shared state, the stores and the SDK; false when one fails.
    static bool initialise();

    // Plugs a keyboard of `model` by cable in a gamepad mode (0 off), builds
    // the window and waits until its first enumeration and open are over.
    DDevicePage *start(const char *model, int gamepadMode = 0);
    // Builds the window without waiting, over the keyboard `path` plugged
    // by the test.
    DDevicePage *startOver(const std::string &path);
    // A fresh home counts as a new program version, so a while after the
    // first open the firmware window offers the keyboard's update on top of
    // everything: waits for it and closes it, for tests that click on the
    // screen. False when it did not come.
    bool dismissFirmwareOffer(int timeoutMs = 20000);
    // Closes the window and unplugs every simulated device.
    void close();

    DDevicePage *page() const { return m_page; }
    const std::string &path() const { return m_path; }

private:
    std::unique_ptr<DMainWidget> m_window;
    DDevicePage *m_page = nullptr;
    std::string m_path;
};

#endif
