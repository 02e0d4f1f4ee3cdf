// The "Remap Key" key-function page: makes the selected key send another key,
// picked on the pop-up virtual keyboard or captured from a pressed key.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DCHANGEKEYPAGE_H
#define DCHANGEKEYPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DTargetKeyPage.h"

class DChangeKeyPage : public DTargetKeyPage
{
    Q_OBJECT

public:
    explicit DChangeKeyPage(QWidget *parent = nullptr);
};

#endif
