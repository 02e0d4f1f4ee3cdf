// The "Senior Keys" key-function page: binds an advanced key (DKS, MT, TGL)
// to the selected key.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DSENIORKEYSBINDINGPAGE_H
#define DSENIORKEYSBINDINGPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DSeniorKeysBindingPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DSeniorKeysBindingPage(QWidget *parent = nullptr);
};

#endif
