#include "device/DeviceModelLists.h"

const QStringList &DeviceModelLists::magneticModels()
{
    static const QStringList models{QStringLiteral("LT108HE"), QStringLiteral("LT68HE")};
    return models;
}

const QStringList &DeviceModelLists::largeLightBatchModels()
{
    static const QStringList models{QStringLiteral("LT108HE")};
    return models;
}

const QStringList &DeviceModelLists::keyboardModeModels()
{
    static const QStringList models{QStringLiteral("LT108HE")};
    return models;
}
