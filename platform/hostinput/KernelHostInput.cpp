#include "platform/hostinput/KernelHostInput.h"

#include <QDebug>
#include <QMutexLocker>

namespace {

// A keymap read from the X server is used for this long; the keys of one
// text (four events) share it, a layout switched later is seen.
constexpr qint64 kKeymapLifetimeMs = 1000;

} // namespace

KernelHostInput::KernelHostInput(const QString &uinputNode)
{
    if (uinputNode.isEmpty()) {
        qDebug() << "Host input: no virtual keyboard; keys go through XTest, to X programs only";
        return;
    }
    if (!m_keyboard.create(uinputNode))
        qDebug().noquote() << "Host input:" << m_keyboard.errorText()
                           << "- keys go through XTest, to X programs only (install 70-lumtar.rules)";
}

KernelHostInput::~KernelHostInput() = default;

void KernelHostInput::setLayout(const XkbKeyFinder::LayoutNames &names)
{
    QMutexLocker lock(&m_mutex);
    m_names = names;
    m_finder.reset();
}

const XkbKeyFinder *KernelHostInput::finder()
{
    if (m_finder && (m_names || m_finderAge.elapsed() < kKeymapLifetimeMs))
        return m_finder.get();
    m_finder.reset();
    if (m_names) {
        m_finder = XkbKeyFinder::fromNames(*m_names);
        if (!m_finder)
            qDebug().noquote() << "Host input: unknown keyboard layout" << m_names->layout << m_names->variant;
    } else {
        QString error;
        m_finder = XkbKeyFinder::fromDisplay(&error);
        if (!m_finder) {
            // No X server: the system's default layout.
            if (error != m_finderError)
                qDebug().noquote() << "Host input: the desktop's layout is unknown:" << error;
            m_finderError = error;
            m_finder = XkbKeyFinder::fromNames({});
        }
    }
    m_finderAge.start();
    return m_finder.get();
}

int KernelHostInput::evdevCodeFor(int virtualKey)
{
    QMutexLocker lock(&m_mutex);
    const unsigned long keysym = keysymForVirtualKey(virtualKey);
    if (!keysym)
        return 0;
    if (const XkbKeyFinder *layout = finder())
        if (const int code = layout->evdevCodeFor(uint32_t(keysym)))
            return code;
    // Programs find their shortcuts on a layout without Latin letters by
    // the key of the US layout.
    if (!m_fallback)
        m_fallback = XkbKeyFinder::fromNames({QStringLiteral("us"), QString(), QString(), QString()});
    return m_fallback ? m_fallback->evdevCodeFor(uint32_t(keysym)) : 0;
}

bool KernelHostInput::sendKeyEvent(int virtualKey, bool down)
{
    if (!m_keyboard.isCreated())
        return X11HostInput::sendKeyEvent(virtualKey, down);
    int code = 0;
    if (down) {
        code = evdevCodeFor(virtualKey);
        if (code == 0) {
            qDebug() << "Host input: no key for virtual-key code" << virtualKey;
            return false;
        }
        QMutexLocker lock(&m_mutex);
        m_heldCodes.insert(virtualKey, code);
    } else {
        QMutexLocker lock(&m_mutex);
        code = m_heldCodes.take(virtualKey);
        if (code == 0)
            return true; // never went down
    }
    QMutexLocker lock(&m_mutex);
    return m_keyboard.sendKey(code, down);
}
