// The "Key Combination" key-function page: makes the selected key send up to two
// modifiers with one key, picked on the pop-up virtual keyboard or captured.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DKEYCOMBINATIONPAGE_H
#define DKEYCOMBINATIONPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DTargetKeyPage.h"

class DKeyCombinationPage : public DTargetKeyPage
{
    Q_OBJECT

public:
    explicit DKeyCombinationPage(QWidget *parent = nullptr);
};

#endif
