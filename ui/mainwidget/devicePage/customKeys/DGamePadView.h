// The "GamePad" key-function page: gives the selected key a gamepad
// control.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DGAMEPADVIEW_H
#define DGAMEPADVIEW_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DGamePadView : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DGamePadView(QWidget *parent = nullptr);
};

#endif
