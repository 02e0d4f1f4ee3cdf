// Paces the light frames streamed to the keyboard, every 30 ms.
#ifndef SENDLIGHTUPDATATHREAD_H
#define SENDLIGHTUPDATATHREAD_H

#include "ui/mainwidget/devicePage/lightDeal/LightPeriodicThread.h"

class sendLightUpdataThread : public LightPeriodicThread
{
    Q_OBJECT
public:
    explicit sendLightUpdataThread(QObject *parent = nullptr) : LightPeriodicThread(parent) {}

signals:
    void sigDviceUpdateAllKeyColorSendKeyboardHid();

protected:
    void tick() override { emit sigDviceUpdateAllKeyColorSendKeyboardHid(); }
};

#endif
