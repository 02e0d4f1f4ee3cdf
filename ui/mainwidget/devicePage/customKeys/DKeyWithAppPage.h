// The "Launch Application" key-function page: makes the selected key start a program
// on the computer.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DKEYWITHAPPPAGE_H
#define DKEYWITHAPPPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DKeyWithAppPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyWithAppPage(QWidget *parent = nullptr);
};

#endif
