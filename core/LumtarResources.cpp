#include "core/LumtarResources.h"

#include <QtGlobal>

void lumtarInitResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(lumtar);
        Q_INIT_RESOURCE(lumtar_images);
        Q_INIT_RESOURCE(layouts);
        Q_INIT_RESOURCE(lumtar_firmware);
        Q_INIT_RESOURCE(lumtar_customlights);
        return true;
    }();
    Q_UNUSED(done);
}
