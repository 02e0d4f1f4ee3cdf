// What the remap and key-combination pages share: the target keys are
// picked on a virtual keyboard in a pop-up panel, or captured from pressed
// keys by the host while the panel is open, and the page may offer a
// Light Press / Heavy Press choice.
#ifndef DTARGETKEYPAGE_H
#define DTARGETKEYPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class ArrowWidget;
class DVirtualKeyboardTool;

class DTargetKeyPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    // multiSelectMode: 1 lets several keys be picked, anything else one.
    DTargetKeyPage(int multiSelectMode, QWidget *parent = nullptr);

    // Whether the Light Press / Heavy Press selector may be shown.
    void setLightHeavySelectVisible(bool visible) { m_selectorAllowed = visible; }

signals:
    // Asks the host to start or stop capturing pressed keys.
    void sigMesgStartOrStopHook(bool isStartHook);

protected:
    ArrowWidget *m_popup = nullptr;
    DVirtualKeyboardTool *m_virtualKeyboard = nullptr;
    bool m_selectorAllowed = true;
};

#endif
