#include "platform/hostinput/HostInput.h"

#include "platform/hostinput/DesktopEntry.h"
#include "platform/hostinput/KernelHostInput.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

HostInput::~HostInput() = default;

bool HostInput::typeText(const QString &text)
{
    if (!setClipboardText(text)) {
        qDebug() << "Type text: the clipboard could not take the text";
        return false;
    }
    // All four events go out even when one fails, so no key is left held down.
    bool ok = sendKeyEvent(VkControl, true);
    ok = sendKeyEvent(VkV, true) && ok;
    ok = sendKeyEvent(VkV, false) && ok;
    ok = sendKeyEvent(VkControl, false) && ok;
    if (!ok)
        qDebug() << "Type text: the paste keys could not be sent";
    return ok;
}

bool HostInput::launch(const QString &target)
{
    const QString path = target.trimmed();
    if (path.isEmpty()) {
        qDebug() << "Launch: no program or document is stored";
        return false;
    }
    const QFileInfo info(path);
    bool ok = false;
    if (info.isAbsolute() && info.exists()) {
        // A launcher starts its program, a program file is started as it
        // is; anything else opens with the desktop's handler for it. No
        // shell ever sees the stored text.
        if (info.isFile() && info.suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0)
            ok = launchDesktopEntry(info.absoluteFilePath());
        else if (info.isFile() && info.isExecutable())
            ok = startProgram(info.absoluteFilePath(), QStringList());
        else
            ok = openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    } else if (!info.isAbsolute() && !path.contains(QLatin1Char('/'))
               && !QStandardPaths::findExecutable(path).isEmpty()) {
        // A bare program name is looked up on the search path.
        ok = startProgram(QStandardPaths::findExecutable(path), QStringList());
    } else {
        const QUrl url(path, QUrl::StrictMode);
        if (url.isValid() && url.scheme().size() > 1)
            ok = openUrl(url);
        else
            qDebug().noquote() << "Launch: no such program or document:" << path;
    }
    if (!ok)
        qDebug().noquote() << "Launch failed:" << path;
    return ok;
}

bool HostInput::launchDesktopEntry(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Launch: cannot read the launcher" << path << file.errorString();
        return false;
    }
    const DesktopEntry entry = DesktopEntry::parse(file.read(DesktopEntry::MaxFileSize));
    if (!entry.isApplication()) {
        qDebug().noquote() << "Launch: the launcher" << path << "starts no application (Type" << entry.type() << ")";
        return false;
    }
    const std::optional<QStringList> arguments = entry.arguments();
    if (!arguments) {
        qDebug().noquote() << "Launch: the launcher" << path << "has no usable Exec line:" << entry.exec();
        return false;
    }
    // A program named without a folder is looked up on the search path.
    const QString named = arguments->first();
    const QString program = named.contains(QLatin1Char('/')) ? named : QStandardPaths::findExecutable(named);
    if (program.isEmpty() || !QFileInfo(program).isAbsolute()) {
        qDebug().noquote() << "Launch: the launcher" << path << "names no program that can be found:" << named;
        return false;
    }
    return startProgram(program, arguments->mid(1));
}

HostInput *HostInput::systemInput()
{
    // LUMTAR_NO_UINPUT keeps the keys on the X display, so that a test on a
    // private X server never types into the desktop around it.
    static KernelHostInput instance(qEnvironmentVariableIsSet("LUMTAR_NO_UINPUT") ? QString()
                                                                                   : QStringLiteral("/dev/uinput"));
    return &instance;
}
