#include "support/DevicePageProbe.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLayout>
#include <QStackedWidget>
#include <QTest>

#include "device/DDeviceKeyboardLink.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

QList<DDeviceListItem *> DevicePageProbe::strip() const
{
    QList<DDeviceListItem *> items;
    QLayout *layout = m_page->findChild<QLayout *>(QStringLiteral("verticalLayout_17"));
    if (!layout)
        return items;
    for (int i = 0; i < layout->count(); ++i)
        if (auto *item = qobject_cast<DDeviceListItem *>(layout->itemAt(i)->widget()))
            items << item;
    return items;
}

QStringList DevicePageProbe::stripTexts() const
{
    QStringList texts;
    for (DDeviceListItem *item : strip())
        texts << item->deviceNameText();
    return texts;
}

DDeviceListItem *DevicePageProbe::currentItem() const
{
    return m_page->currentHidItem();
}

DDeviceKeyboardLink *DevicePageProbe::currentLink() const
{
    return m_page->currentKeyboardLink();
}

bool DevicePageProbe::isKeyboardShown() const
{
    return m_page->currentHidItem() && m_page->currentKeyboardLink();
}

bool DevicePageProbe::isDevicePageShown() const
{
    auto *stack = m_page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_3"));
    return stack && stack->currentWidget() && stack->currentWidget()->objectName() == QLatin1String("page_HaveDevice");
}

QMap<QString, DDeviceKeyboardLink *> DevicePageProbe::links() const
{
    return m_page->roster()->links();
}

QMap<QString, hidStructInfoAll> DevicePageProbe::infoMap() const
{
    return m_page->roster()->deviceInfoMap();
}

QMap<QString, DDeviceListItem *> DevicePageProbe::itemMap() const
{
    return m_page->deviceItemMap();
}

bool DevicePageProbe::isPlaceholderKey(const QString &key) const
{
    // A placeholder's item is kept under its model name, not under a device path.
    return m_page->deviceItemMap().contains(key) && !m_page->roster()->contains(key);
}

int DevicePageProbe::dongleStatus(const QString &path) const
{
    return m_page->roster()->dongleStatus(path);
}

QString DevicePageProbe::profileFolder() const
{
    return m_page->profileFolder();
}

QByteArray DevicePageProbe::xmlProfilePath() const
{
    return m_page->xmlProfilePath();
}

int DevicePageProbe::currentProfileIndex() const
{
    return m_page->currentProfileIndex();
}

QString DevicePageProbe::currentSerialNumber() const
{
    return m_page->currentSerialNumber();
}

keyboardButCustom *DevicePageProbe::gridKey(int row, int column) const
{
    return m_page->keyButtonAt(row, column);
}

QComboBox *DevicePageProbe::profileBox() const
{
    return m_page->findChild<QComboBox *>(QStringLiteral("comboBox_profileList"));
}

bool DevicePageProbe::sleepAcknowledged() const
{
    return m_page->isSleepTimeAcknowledged();
}

void DevicePageProbe::clearSleepAcknowledged()
{
    m_page->clearSleepTimeAcknowledged();
}

bool DevicePageProbe::isIdle() const
{
    return m_page->roster()->isIdle();
}

bool DevicePageProbe::waitUntilIdle(int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    // The first enumeration starts 200 ms after the page was built.
    QTest::qWait(250);
    while (!isIdle()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}
