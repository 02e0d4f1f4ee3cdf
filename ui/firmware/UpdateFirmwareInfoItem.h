// One keyboard of the firmware update window: its names, both versions, the
// progress of its update and the button that sends it into its update mode.
// The button finds the keyboard's I/O interface when it is pressed; a
// keyboard no longer listed (gone, or already in its bootloader) is not
// sent the report, and its update starts all the same.
#ifndef UPDATEFIRMWAREINFOITEM_H
#define UPDATEFIRMWAREINFOITEM_H

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "sdk/include/LumtarHid.h"

class MainHidInterFace;

namespace Ui {
class UpdateFirmwareInfoItem;
}

class UpdateFirmwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateFirmwareInfoItem(QWidget *parent = nullptr);
    ~UpdateFirmwareInfoItem() override;

    void setDeviceInfo(hidStructInfoAll record, MainHidInterFace *hidInterface, QString serialNumber);
    // Where the button finds the keyboard's I/O interface when pressed; null
    // when the keyboard is not listed. Without it, the interface given to
    // setDeviceInfo, for as long as it exists.
    void setInterfaceLookup(std::function<MainHidInterFace *()> lookup);

    QString hidPath() const { return m_hidPath; }
    QString hidSn() const { return m_hidSn; }
    QString hidName() const { return m_hidName; }
    int usbOrDongle() const { return m_usbOrDongle; }
    bool isUpdateSent() const { return m_updateSent; }

    void setUpdateEnabled(bool enabled);
    void setProgress(int percent);
    void showComplete();
    void showUpdatePage();

signals:
    void sigStartUpgradeing();

private slots:
    void on_pushButton_Update_clicked();

private:
    friend class tst_UpdateFirmwareDia;
    void applyTheme();

    Ui::UpdateFirmwareInfoItem *ui;
    QPointer<MainHidInterFace> m_hidInterface;
    std::function<MainHidInterFace *()> m_interfaceLookup;
    QString m_hidPath;
    QString m_hidSn;
    QString m_hidName;
    int m_usbOrDongle = 0;
    bool m_updateSent = false;
};

#endif
