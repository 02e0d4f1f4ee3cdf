// The "Switch Profile" key-function page: makes the selected key switch to
// another profile.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DCHANGPROFILEPAGE_H
#define DCHANGPROFILEPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DChangProfilePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DChangProfilePage(QWidget *parent = nullptr);
};

#endif
