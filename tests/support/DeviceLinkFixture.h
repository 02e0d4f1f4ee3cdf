// A device link opened on a freshly plugged simulated keyboard, with a
// profile file of one profile in a temporary folder. For device tests.
#ifndef DEVICELINKFIXTURE_H
#define DEVICELINKFIXTURE_H

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

class DDeviceKeyboardLink;

class DeviceLinkFixture
{
public:
    // Points the application-data folders into a temporary folder and starts
    // the SDK; call once per test program, before anything reads them.
    static bool prepareEnvironment();

    DeviceLinkFixture();
    ~DeviceLinkFixture();

    // Plugs `model` (after setting the faults, if any), opens a link on it,
    // and points the link at the profile file. False when any step failed.
    bool open(const char *model, int connectType = 0);
    // Waits until the open sequence ran to its end: serial number, both mode
    // lists and the custom-key bitmap.
    bool waitUntilReady(int timeoutMs = 5000);
    // Sends an input report from the keyboard and waits until the link
    // handled it.
    bool deliver(const QMap<int, int> &bytes);
    bool deliver(const QByteArray &report);
    // Waits until every input report sent so far has been handled.
    bool sync();

    DDeviceKeyboardLink *link() const { return m_link.get(); }
    const std::string &path() const { return m_path; }
    QByteArray profilePath() const { return m_profilePath; }
    void closeLink();

private:
    QTemporaryDir m_dir;
    QByteArray m_profilePath;
    std::string m_path;
    std::unique_ptr<DDeviceKeyboardLink> m_link;
    int m_syncCount = 0;
};

#endif
