// The "Remap Key" key-function page: makes the selected key send another key,
// picked on the pop-up virtual keyboard or captured from a pressed key.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DCHANGEKEYPAGE_H
#define DCHANGEKEYPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class ArrowWidget;
class DVirtualKeyboardTool;

class DChangeKeyPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DChangeKeyPage(QWidget *parent = nullptr);

    // Whether the Light Press / Heavy Press selector may be shown.
    void setLightHeavySelectVisible(bool visible) { m_selectorAllowed = visible; }

signals:
    // Asks the host to start or stop capturing pressed keys.
    void sigMesgStartOrStopHook(bool isStartHook);

private:
    ArrowWidget *m_popup = nullptr;
    DVirtualKeyboardTool *m_virtualKeyboard = nullptr;
    bool m_selectorAllowed = true;
};

#endif
