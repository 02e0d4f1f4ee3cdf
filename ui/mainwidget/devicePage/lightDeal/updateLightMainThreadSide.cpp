#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadSide.h"

#include "ui/mainwidget/devicePage/lightDeal/LightTickRule.h"

updateLightMainThreadSide::updateLightMainThreadSide(QObject *parent)
    : LightFrameTickThread(DefaultInterval, LightTickRule::SideDigits, parent)
{
}
