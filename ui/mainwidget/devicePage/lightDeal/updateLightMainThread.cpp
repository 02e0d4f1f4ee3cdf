#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThread.h"

#include "ui/mainwidget/devicePage/lightDeal/LightTickRule.h"

updateLightMainThread::updateLightMainThread(QObject *parent)
    : LightFrameTickThread(DefaultInterval, LightTickRule::KeyboardDigits, parent)
{
}
