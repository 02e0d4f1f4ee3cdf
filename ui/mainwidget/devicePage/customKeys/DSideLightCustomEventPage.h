// The "Atmosphere Light" key-function page: gives the selected key a side-light
// event.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DSIDELIGHTCUSTOMEVENTPAGE_H
#define DSIDELIGHTCUSTOMEVENTPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DSideLightCustomEventPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DSideLightCustomEventPage(QWidget *parent = nullptr);
};

#endif
