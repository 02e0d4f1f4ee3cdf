// Paces the painting of the light previews into the keyboard view, every 30 ms.
#ifndef UPDATELIGHTMAINTHREADUI_H
#define UPDATELIGHTMAINTHREADUI_H

#include "ui/mainwidget/devicePage/lightDeal/LightPeriodicThread.h"

class updateLightMainThreadUI : public LightPeriodicThread
{
    Q_OBJECT
public:
    explicit updateLightMainThreadUI(QObject *parent = nullptr) : LightPeriodicThread(parent) {}

signals:
    void sigDviceUpdateAllKeyColorUI();

protected:
    void tick() override { emit sigDviceUpdateAllKeyColorUI(); }
};

#endif
