#include "ui/mainwidget/devicePage/DefaultCustomLightFile.h"

const QVector<DefaultCustomLightFile::ModelRow> &DefaultCustomLightFile::modelRows()
{
    // No keyboard of ours needs a file of its own yet; a row looks like
    // {{84, 69}, {"LT84X", "LT84Y"}, "customLightDefaultConfig_LT84X.xml"}.
    static const QVector<ModelRow> rows;
    return rows;
}

QString DefaultCustomLightFile::fileName(int keyCount, const QString &model, const QVector<ModelRow> &rows)
{
    for (const ModelRow &row : rows)
        if (row.keyCounts.contains(keyCount) && row.models.contains(model, Qt::CaseSensitive))
            return row.fileName;
    return genericFileName(keyCount);
}

QString DefaultCustomLightFile::genericFileName(int keyCount)
{
    switch (keyCount) {
    case 84:
    case 69: return QStringLiteral("customLightDefaultConfig_84.xml");
    case 83: return QStringLiteral("customLightDefaultConfig_83.xml");
    case 97:
    case 98:
    case 99:
    case 100: return QStringLiteral("customLightDefaultConfig_98.xml");
    case 68: return QStringLiteral("customLightDefaultConfig_68.xml");
    case 61: return QStringLiteral("customLightDefaultConfig_61.xml");
    case 34: return QStringLiteral("customLightDefaultConfig_34.xml");
    case 18: return QStringLiteral("customLightDefaultConfig_18.xml");
    case 82: return QStringLiteral("customLightDefaultConfig_82.xml");
    default: return QStringLiteral("customLightDefaultConfig.xml");
    }
}
