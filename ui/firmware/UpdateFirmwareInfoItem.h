// One keyboard of the firmware update window: its names, both versions, the
// progress of its update and the button that sends it into its update mode.
// The button finds the keyboard's I/O interface when it is pressed; a
// keyboard no longer listed (gone, or already in its bootloader) is not
// sent the report, and its update starts all the same.
#ifndef UPDATEFIRMWAREINFOITEM_H
#define UPDATEFIRMWAREINFOITEM_H

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "core/ThemeColor.h"
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

    // The colour of the progress bar's filled part in a theme.
    static QColor progressFillColor(const ThemeColor &theme);

signals:
    void sigStartUpgradeing();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_pushButton_Update_clicked();

private:
    friend class tst_UpdateFirmwareDia;
    void applyTheme();
    // The keyboard's names and its connection.
    void showName();
    // The name's least height: all its lines at the width it has (the list
    // then never asks for the height of the name at its narrowest).
    void fitNameHeight();

    Ui::UpdateFirmwareInfoItem *ui;
    QPointer<MainHidInterFace> m_hidInterface;
    std::function<MainHidInterFace *()> m_interfaceLookup;
    QString m_hidPath;
    QString m_hidSn;
    QString m_hidName;
    hidStructInfoAll m_record = {};
    int m_usbOrDongle = 0;
    bool m_updateSent = false;
};

#endif
