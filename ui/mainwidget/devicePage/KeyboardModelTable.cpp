#include "ui/mainwidget/devicePage/KeyboardModelTable.h"

namespace {

struct CanvasRow {
    const char *model;
    int width;
    int height;
};

// One row per model of the supported-device table; a receiver shares the
// row of its keyboard (same model name).
const CanvasRow kCanvasRows[] = {
    {"LT108HE", 723, 229},
    {"LT68HE", 521, 182},
    {"LT104RGB", 723, 229},
};

// Models whose notched Enter key has a 35-pixel top. None of ours has a
// notched Enter key; the table stays for layouts that do.
const char *const kTallNotchModels[] = {nullptr};

} // namespace

QSize KeyboardModelTable::canvasBaseSize(const QString &modelName)
{
    for (const CanvasRow &row : kCanvasRows) {
        if (modelName == QLatin1String(row.model))
            return QSize(row.width, row.height);
    }
    return QSize(0, 0);
}

int KeyboardModelTable::enterNotchTopHeight(const QString &modelName)
{
    for (const char *model : kTallNotchModels) {
        if (model && modelName == QLatin1String(model))
            return 35;
    }
    return 30;
}
