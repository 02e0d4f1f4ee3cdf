#include "ui/mainwidget/devicePage/customKeys/HookModePlan.h"

void HookModePlan::setCapture(int mode)
{
    m_capture = (mode == RemapCaptureMode || mode == CombinationCaptureMode) ? mode : NoMode;
}

int HookModePlan::wantedMode() const
{
    if (m_recording)
        return MacroRecordMode;
    if (m_capture != NoMode)
        return m_capture;
    if (m_lightInteraction)
        return LightInteractionMode;
    return NoMode;
}
