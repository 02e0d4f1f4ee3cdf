#include "ui/mainwidget/UfwLibrary.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibrary>

namespace {

const char kFirmwareLibraryName[] = "jl_firmware_upgrade";

} // namespace

void UfwLibrary::load()
{
    QLibrary library(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(kFirmwareLibraryName));
    if (!library.load()) {
        library.setFileName(QLatin1String(kFirmwareLibraryName));
        library.load();
    }
    if (library.isLoaded()) {
        loadUfwData = reinterpret_cast<JL_loadUfwData_t>(library.resolve("JL_loadUfwData"));
        getUfwCrc = reinterpret_cast<JL_getUfwCrc_t>(library.resolve("JL_getUfwCrc"));
        getUfwPidVid = reinterpret_cast<JL_getUfwPidVid_t>(library.resolve("JL_getUfwPidVid"));
        upgradeDevice = reinterpret_cast<JL_upgradeDevice_t>(library.resolve("JL_upgradeDevice"));
        queryDevicePidVid = reinterpret_cast<JL_queryDevicePidVid_t>(library.resolve("JL_queryDevicePidVid"));
        cancelUpgrade = reinterpret_cast<JL_cancelUpgrade_t>(library.resolve("JL_cancelUpgrade"));
    }
    if (!library.isLoaded() || !loadUfwData || !getUfwCrc || !getUfwPidVid || !upgradeDevice || !queryDevicePidVid)
        qDebug() << "-------------------- *** [ Load JL dll Failed ] *** -----------------------";
}

void UfwLibrary::cancelWrites() const
{
    if (cancelUpgrade)
        cancelUpgrade();
}
