#include "device/DeviceModelLists.h"

const QStringList &DeviceModelLists::magneticModels()
{
    static const QStringList models{QStringLiteral("LT-M98"), QStringLiteral("LT-M68")};
    return models;
}

const QStringList &DeviceModelLists::largeLightBatchModels()
{
    static const QStringList models{QStringLiteral("LT-M98")};
    return models;
}

const QStringList &DeviceModelLists::keyboardModeModels()
{
    static const QStringList models{QStringLiteral("LT-M98")};
    return models;
}
