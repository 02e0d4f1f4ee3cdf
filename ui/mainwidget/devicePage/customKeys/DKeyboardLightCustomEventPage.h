// The "Keyboard Light" key-function page: gives the selected key a
// keyboard-light event (mode, brightness, speed ...).
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DKEYBOARDLIGHTCUSTOMEVENTPAGE_H
#define DKEYBOARDLIGHTCUSTOMEVENTPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DKeyboardLightCustomEventPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyboardLightCustomEventPage(QWidget *parent = nullptr);
};

#endif
