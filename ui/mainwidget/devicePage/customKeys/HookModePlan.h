// Which mode the customise-keys page runs its global hook in, from what is
// wanted at the moment: a macro recording for the macro editor (mode 1)
// comes first, then a key capture while a remap or key-combination pop-up
// is open (modes 2 and 3), then light interaction (mode 5). Ending one of
// them brings back the next one still wanted, so a recording started while
// a capture pop-up is open gives the capture back afterwards, and light
// interaction resumes after a capture or a recording. Widget-free.
#ifndef HOOKMODEPLAN_H
#define HOOKMODEPLAN_H

class HookModePlan
{
public:
    static constexpr int NoMode = 999;
    static constexpr int MacroRecordMode = 1;
    static constexpr int RemapCaptureMode = 2;
    static constexpr int CombinationCaptureMode = 3;
    static constexpr int LightInteractionMode = 5;

    // RemapCaptureMode, CombinationCaptureMode, or NoMode for no capture.
    void setCapture(int mode);
    void setRecording(bool on) { m_recording = on; }
    void setLightInteraction(bool on) { m_lightInteraction = on; }

    int capture() const { return m_capture; }
    bool recording() const { return m_recording; }
    bool lightInteraction() const { return m_lightInteraction; }

    // The mode the hook should run in now, NoMode for none.
    int wantedMode() const;

private:
    int m_capture = NoMode;
    bool m_recording = false;
    bool m_lightInteraction = false;
};

#endif
