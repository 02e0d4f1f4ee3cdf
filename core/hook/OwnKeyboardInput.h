// Our keyboards' own presses, read from their kernel input nodes while the
// global hook runs for light interaction. The desktop's hook sees a key only
// while an X program has the focus; these reports come whatever has it (a
// Wayland program, the desktop itself). The device links say which
// keyboards are open; the nodes are read only while started. Process-wide,
// GUI thread only.
#ifndef OWNKEYBOARDINPUT_H
#define OWNKEYBOARDINPUT_H

#include "platform/evdev/EvdevKeyReader.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class OwnKeyboardInput : public QObject
{
    Q_OBJECT

public:
    // vkCode, scanCode and flags as the hook's keyboard records.
    using KeySink = std::function<void(int vkCode, int scanCode, int flags)>;

    static OwnKeyboardInput &instance();

    // A keyboard was opened or closed; devicePath is its SDK path text.
    void keyboardOpened(const QString &devicePath);
    void keyboardClosed(const QString &devicePath);
    QStringList openKeyboards() const { return m_keyboards; }

    // Reads the open keyboards' nodes (and those opened later) into sink.
    void start(const KeySink &sink);
    void stop();
    bool isStarted() const { return bool(m_sink); }
    // The nodes read now.
    QStringList nodes() const;

    // The reader, for measuring it with descriptors of its own.
    EvdevKeyReader *reader() const { return m_reader; }
    // Key events handed to the sink so far.
    int eventsDelivered() const { return m_delivered; }

private:
    explicit OwnKeyboardInput(QObject *parent = nullptr);
    void reread();

    QStringList m_keyboards;
    KeySink m_sink;
    int m_delivered = 0;
    QPointer<EvdevKeyReader> m_reader;
};

#endif
