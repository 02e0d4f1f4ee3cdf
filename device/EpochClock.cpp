#include "device/EpochClock.h"

#include <QDateTime>

qint64 EpochClock::now()
{
    return QDateTime::currentMSecsSinceEpoch();
}
