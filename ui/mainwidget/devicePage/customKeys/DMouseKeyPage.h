// The "Mouse" key-function page: gives the selected key a mouse button or
// wheel action.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DMOUSEKEYPAGE_H
#define DMOUSEKEYPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DMouseKeyPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DMouseKeyPage(QWidget *parent = nullptr);
};

#endif
