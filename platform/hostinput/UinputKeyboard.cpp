#include "platform/hostinput/UinputKeyboard.h"

#include <QDir>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

UinputKeyboard::~UinputKeyboard()
{
    destroy();
}

bool UinputKeyboard::fail(const QString &what, int error)
{
    m_errorText = what + QStringLiteral(" (") + QString::fromLocal8Bit(strerror(error)) + QLatin1Char(')');
    destroy();
    return false;
}

bool UinputKeyboard::create(const QString &uinputNode)
{
    destroy();
    m_errorText.clear();
    const QByteArray path = uinputNode.toLocal8Bit();
    m_fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY);
    if (m_fd < 0)
        return fail(QStringLiteral("cannot open ") + uinputNode, errno);
    struct stat st {};
    if (fstat(m_fd, &st) != 0 || !S_ISCHR(st.st_mode))
        return fail(uinputNode + QStringLiteral(" is no device"), ENODEV);
    if (ioctl(m_fd, UI_SET_EVBIT, EV_KEY) < 0 || ioctl(m_fd, UI_SET_EVBIT, EV_SYN) < 0)
        return fail(uinputNode + QStringLiteral(" takes no key events"), errno);
    // Every key of a full keyboard, so that the desktop takes it for one.
    for (int code = KEY_ESC; code <= KEY_MICMUTE; ++code)
        if (ioctl(m_fd, UI_SET_KEYBIT, code) < 0)
            return fail(uinputNode + QStringLiteral(" takes no key events"), errno);
    uinput_setup setup{};
    setup.id.bustype = BUS_VIRTUAL;
    setup.id.version = 1;
    std::strncpy(setup.name, DeviceName, UINPUT_MAX_NAME_SIZE - 1);
    if (ioctl(m_fd, UI_DEV_SETUP, &setup) < 0 || ioctl(m_fd, UI_DEV_CREATE) < 0)
        return fail(QStringLiteral("cannot make the virtual keyboard on ") + uinputNode, errno);
    return true;
}

void UinputKeyboard::destroy()
{
    if (m_fd < 0)
        return;
    ioctl(m_fd, UI_DEV_DESTROY);
    ::close(m_fd);
    m_fd = -1;
}

bool UinputKeyboard::sendKey(int evdevCode, bool down)
{
    if (m_fd < 0 || evdevCode <= 0 || evdevCode > KEY_MICMUTE)
        return false;
    input_event events[2]{};
    events[0].type = EV_KEY;
    events[0].code = static_cast<__u16>(evdevCode);
    events[0].value = down ? 1 : 0;
    events[1].type = EV_SYN;
    events[1].code = SYN_REPORT;
    const ssize_t written = ::write(m_fd, events, sizeof(events));
    return written == ssize_t(sizeof(events));
}

QString UinputKeyboard::eventNode() const
{
    if (m_fd < 0)
        return QString();
    char name[64] = {};
    if (ioctl(m_fd, UI_GET_SYSNAME(sizeof(name) - 1), name) < 0)
        return QString();
    const QDir device(QStringLiteral("/sys/devices/virtual/input/") + QString::fromLatin1(name));
    const QStringList events = device.entryList({QStringLiteral("event*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    return events.isEmpty() ? QString() : QStringLiteral("/dev/input/") + events.first();
}
