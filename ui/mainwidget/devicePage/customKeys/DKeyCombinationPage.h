// The "Key Combination" key-function page: makes the selected key send up to two
// modifiers with one key, picked on the pop-up virtual keyboard or captured.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DKEYCOMBINATIONPAGE_H
#define DKEYCOMBINATIONPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class ArrowWidget;
class DVirtualKeyboardTool;

class DKeyCombinationPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyCombinationPage(QWidget *parent = nullptr);

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
