#include "support/RecordingHostInput.h"

void RecordingHostInput::clear()
{
    clipboardTexts.clear();
    keyEvents.clear();
    startedPrograms.clear();
    startedArguments.clear();
    openedUrls.clear();
}

bool RecordingHostInput::setClipboardText(const QString &text)
{
    clipboardTexts.append(text);
    return succeed;
}

bool RecordingHostInput::sendKeyEvent(int virtualKey, bool down)
{
    keyEvents.append({virtualKey, down});
    return succeed;
}

bool RecordingHostInput::startProgram(const QString &program, const QStringList &arguments)
{
    startedPrograms.append(program);
    startedArguments.append(arguments);
    return succeed;
}

bool RecordingHostInput::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    return succeed;
}
