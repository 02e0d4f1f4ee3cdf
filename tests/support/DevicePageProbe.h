// A look at the device page for tests of the attached keyboards, through
// its public surface: the strip in its order, the roster's devices and
// links, the shown keyboard, its profile and key grid, and whether device
// work is running.
#ifndef DEVICEPAGEPROBE_H
#define DEVICEPAGEPROBE_H

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include "sdk/include/LumtarHid.h"

class DDeviceKeyboardLink;
class DDeviceListItem;
class DDevicePage;
class QComboBox;
class keyboardButCustom;

class DevicePageProbe
{
public:
    explicit DevicePageProbe(DDevicePage *page) : m_page(page) {}

    // Items of the device strip, top to bottom, and their captions.
    QList<DDeviceListItem *> strip() const;
    QStringList stripTexts() const;

    DDeviceListItem *currentItem() const;
    DDeviceKeyboardLink *currentLink() const;
    bool isKeyboardShown() const;
    // The page shows a keyboard, not the "Device not connected" page.
    bool isDevicePageShown() const;
    QMap<QString, DDeviceKeyboardLink *> links() const;
    QMap<QString, hidStructInfoAll> infoMap() const;
    QMap<QString, DDeviceListItem *> itemMap() const;
    bool isPlaceholderKey(const QString &key) const;
    int dongleStatus(const QString &path) const;
    QString profileFolder() const;
    QByteArray xmlProfilePath() const;
    int currentProfileIndex() const;
    QString currentSerialNumber() const;
    keyboardButCustom *gridKey(int row, int column) const;
    QComboBox *profileBox() const;
    bool sleepAcknowledged() const;
    void clearSleepAcknowledged();

    // No enumeration, open or deferred device work runs or waits.
    bool isIdle() const;
    // Waits until the first enumeration has run and the page is idle.
    bool waitUntilIdle(int timeoutMs = 20000) const;

private:
    DDevicePage *m_page;
};

#endif
