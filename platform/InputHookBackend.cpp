#include "platform/InputHookBackend.h"

#include "platform/x11/X11InputHook.h"

InputHookBackend::~InputHookBackend() = default;

InputHookBackend *InputHookBackend::createDefault()
{
    return new X11InputHook();
}

bool InputHookBackend::fail(int code, const QString &text)
{
    m_lastErrorCode = code;
    m_lastErrorText = text;
    return false;
}

void InputHookBackend::clearError()
{
    m_lastErrorCode = NoError;
    m_lastErrorText.clear();
}
