// The "Macro" key-function page: binds a macro of the macro store to the
// selected key, with its play mode.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DMACROCMDPAGE_H
#define DMACROCMDPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DMacroCmdPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DMacroCmdPage(QWidget *parent = nullptr);
};

#endif
