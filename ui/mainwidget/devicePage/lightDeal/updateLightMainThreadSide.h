// Paces the side light's frames (15 ms until a speed is set).
#ifndef UPDATELIGHTMAINTHREADSIDE_H
#define UPDATELIGHTMAINTHREADSIDE_H

#include "ui/mainwidget/devicePage/lightDeal/LightFrameTickThread.h"

class updateLightMainThreadSide : public LightFrameTickThread
{
    Q_OBJECT
public:
    static constexpr int DefaultInterval = 15;
    explicit updateLightMainThreadSide(QObject *parent = nullptr);

signals:
    void sigDviceUpdateAllKeyColorSide();

protected:
    void tick() override { emit sigDviceUpdateAllKeyColorSide(); }
};

#endif
