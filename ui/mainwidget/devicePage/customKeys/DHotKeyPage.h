// The "Shortcuts" key-function page: gives the selected key a system
// shortcut such as copying or showing the desktop (type 9). "Switch windows"
// (value 1) is neither offered nor shown.
#ifndef DHOTKEYPAGE_H
#define DHOTKEYPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DRadioChoicePage.h"

namespace Ui {
class DHotKeyPage;
}

class DHotKeyPage : public DRadioChoicePage
{
    Q_OBJECT

public:
    explicit DHotKeyPage(QWidget *parent = nullptr);
    ~DHotKeyPage() override;

    void updateAllUI() override;

private:
    Ui::DHotKeyPage *ui;
};

#endif
