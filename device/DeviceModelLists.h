// The fixed lists of keyboard models that some device behaviour depends on.
#ifndef DEVICEMODELLISTS_H
#define DEVICEMODELLISTS_H

#include <QString>
#include <QStringList>

class DeviceModelLists
{
public:
    // Models with magnetic (Hall-effect) switches: after the serial number the
    // link asks them for their travel range, anti-shake and report rate.
    static const QStringList &magneticModels();
    // Models whose light frames are streamed in batches of 10 rather than 9.
    static const QStringList &largeLightBatchModels();
    // The model whose status report carries its keyboard mode in byte 14.
    static const QStringList &keyboardModeModels();

    static bool isMagneticModel(const QString &model) { return magneticModels().contains(model); }
    static bool hasLargeLightBatch(const QString &model) { return largeLightBatchModels().contains(model); }
    static bool tracksKeyboardMode(const QString &model) { return keyboardModeModels().contains(model); }
};

#endif
