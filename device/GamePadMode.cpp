#include "device/GamePadMode.h"

#include "sdk/include/LumtarHid.h"

#include <QObject>

QString GamePadMode::label(int mode)
{
    switch (mode) {
    case LUMTAR_GAMEPAD_DISABLED:
        return QObject::tr("GamePad Disable");
    case LUMTAR_GAMEPAD_XBOX360:
        return QObject::tr("GamePad Xbox360");
    case LUMTAR_GAMEPAD_CLASSICAL:
        return QObject::tr("GamePad Classical");
    default:
        return QString();
    }
}

QString GamePadMode::folderName(int mode)
{
    switch (mode) {
    case LUMTAR_GAMEPAD_DISABLED:
        return QStringLiteral("GamePadDisable");
    case LUMTAR_GAMEPAD_XBOX360:
        return QStringLiteral("GamePadXbox360");
    case LUMTAR_GAMEPAD_CLASSICAL:
        return QStringLiteral("GamePadClassical");
    default:
        return QString();
    }
}
