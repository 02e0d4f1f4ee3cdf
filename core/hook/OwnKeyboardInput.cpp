#include "core/hook/OwnKeyboardInput.h"

#include "platform/evdev/EvdevKeyReader.h"
#include "platform/evdev/KeyboardInputNodes.h"

#include <QCoreApplication>

OwnKeyboardInput &OwnKeyboardInput::instance()
{
    static OwnKeyboardInput *input = [] {
        auto *created = new OwnKeyboardInput;
        // The reader's thread ends with the application object.
        qAddPostRoutine([] { OwnKeyboardInput::instance().stop(); });
        return created;
    }();
    return *input;
}

OwnKeyboardInput::OwnKeyboardInput(QObject *parent) : QObject(parent), m_reader(new EvdevKeyReader(this))
{
    connect(m_reader, &EvdevKeyReader::keyEvent, this, [this](int vkCode, int scanCode, int flags) {
        if (!m_sink)
            return;
        ++m_delivered;
        m_sink(vkCode, scanCode, flags);
    }, Qt::QueuedConnection);
}

void OwnKeyboardInput::keyboardOpened(const QString &devicePath)
{
    if (KeyboardInputNodes::hidrawNodeOf(devicePath).isEmpty() || m_keyboards.contains(devicePath))
        return;
    m_keyboards << devicePath;
    if (isStarted())
        reread();
}

void OwnKeyboardInput::keyboardClosed(const QString &devicePath)
{
    if (!m_keyboards.removeAll(devicePath))
        return;
    if (isStarted())
        reread();
}

void OwnKeyboardInput::start(const KeySink &sink)
{
    m_sink = sink;
    reread();
}

void OwnKeyboardInput::stop()
{
    m_sink = nullptr;
    if (m_reader)
        m_reader->stop();
}

QStringList OwnKeyboardInput::nodes() const
{
    return m_reader ? m_reader->nodes() : QStringList();
}

void OwnKeyboardInput::reread()
{
    if (!m_reader)
        return;
    QStringList nodes;
    for (const QString &keyboard : qAsConst(m_keyboards))
        for (const QString &node : KeyboardInputNodes::forHidraw(keyboard))
            if (!nodes.contains(node))
                nodes << node;
    if (nodes == m_reader->nodes() && m_reader->isReading())
        return;
    m_reader->readNodes(nodes);
}
