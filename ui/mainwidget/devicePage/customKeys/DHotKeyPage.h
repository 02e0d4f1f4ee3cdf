// The "Shortcuts" key-function page: gives the selected key a system
// shortcut.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DHOTKEYPAGE_H
#define DHOTKEYPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DHotKeyPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DHotKeyPage(QWidget *parent = nullptr);
};

#endif
