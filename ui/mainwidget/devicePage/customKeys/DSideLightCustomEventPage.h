// The "Atmosphere Light" key-function page: the selected key carries one of
// the events on the side light (types 30-34), which the keyboard carries
// out itself once the profile is downloaded. Each choice is stored at once.
// The host offers it only on keyboards with a side light.
#ifndef DSIDELIGHTCUSTOMEVENTPAGE_H
#define DSIDELIGHTCUSTOMEVENTPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DRadioChoicePage.h"

namespace Ui {
class DSideLightCustomEventPage;
}

class DSideLightCustomEventPage : public DRadioChoicePage
{
    Q_OBJECT

public:
    explicit DSideLightCustomEventPage(QWidget *parent = nullptr);
    ~DSideLightCustomEventPage() override;

    void updateAllUI() override;

private:
    Ui::DSideLightCustomEventPage *ui;
};

#endif
