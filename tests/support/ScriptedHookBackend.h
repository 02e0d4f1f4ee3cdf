// The operating system's side of the global input hook, scripted by a test:
// installations and the keyboard grab can be made to fail, key and mouse
// events are fed by hand, and what is installed or grabbed can be asked.
#ifndef SCRIPTEDHOOKBACKEND_H
#define SCRIPTEDHOOKBACKEND_H

#include "platform/InputHookBackend.h"

class ScriptedHookBackend : public InputHookBackend
{
public:
    bool failKeyboard = false;
    bool failMouse = false;
    bool failGrab = false;
    int keyboardInstalls = 0;

    bool installKeyboard(const KeySink &sink) override
    {
        if (failKeyboard)
            return fail(RecordSetupFailed, QStringLiteral("scripted keyboard failure"));
        ++keyboardInstalls;
        m_keySink = sink;
        return true;
    }
    bool installMouse(const MouseSink &sink) override
    {
        if (failMouse)
            return fail(RecordSetupFailed, QStringLiteral("scripted mouse failure"));
        m_mouseSink = sink;
        return true;
    }
    void uninstallKeyboard() override { m_keySink = nullptr; }
    void uninstallMouse() override { m_mouseSink = nullptr; }
    bool setKeyboardGrab(bool grab) override
    {
        if (grab && failGrab)
            return fail(GrabFailed + 1, QStringLiteral("scripted grab failure"));
        m_grabbed = grab;
        return true;
    }
    bool keyboardInstalled() const override { return bool(m_keySink); }
    bool mouseInstalled() const override { return bool(m_mouseSink); }
    bool keyboardGrabbed() const override { return m_grabbed; }

    // Feeds one key event; returns whether it was to be withheld.
    bool key(int vk, int scan, int flags)
    {
        if (!m_keySink)
            return false;
        LowLevelKeyRecord record;
        record.vkCode = vk;
        record.scanCode = scan;
        record.flags = flags;
        return m_keySink(record);
    }
    void mouse(int message, int x = 0, int y = 0, uint32_t data = 0)
    {
        if (!m_mouseSink)
            return;
        LowLevelMouseRecord record;
        record.x = x;
        record.y = y;
        record.mouseData = data;
        m_mouseSink(message, record);
    }

private:
    KeySink m_keySink;
    MouseSink m_mouseSink;
    bool m_grabbed = false;
};

#endif
