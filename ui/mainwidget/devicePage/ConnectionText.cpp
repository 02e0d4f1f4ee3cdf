#include "ui/mainwidget/devicePage/ConnectionText.h"

#include <QObject>

QString ConnectionText::suffix(const hidStructInfoAll &record)
{
    if (record.isOnline != 1)
        return QObject::tr("(OffLine)");
    return record.connectType == LUMTAR_CONNECT_USB ? QObject::tr("(USB)") : QObject::tr("(2.4G)");
}
