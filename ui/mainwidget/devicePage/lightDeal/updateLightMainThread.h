// Paces the keyboard light's frames (12 ms until a speed is set).
#ifndef UPDATELIGHTMAINTHREAD_H
#define UPDATELIGHTMAINTHREAD_H

#include "ui/mainwidget/devicePage/lightDeal/LightFrameTickThread.h"

class updateLightMainThread : public LightFrameTickThread
{
    Q_OBJECT
public:
    static constexpr int DefaultInterval = 12;
    explicit updateLightMainThread(QObject *parent = nullptr);

signals:
    void sigDviceUpdateAllKeyColor();

protected:
    void tick() override { emit sigDviceUpdateAllKeyColor(); }
};

#endif
