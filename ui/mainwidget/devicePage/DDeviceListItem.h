// One tile of the device strip: the keyboard's picture, its product name, its
// display name with the connection kind, a border for the selected device and
// a dark veil while the device is offline. A click hands over the tile's record.
#ifndef DDEVICELISTITEM_H
#define DDEVICELISTITEM_H

#include <QWidget>

#include "sdk/include/LumtarHid.h"

namespace Ui {
class DDeviceListItem;
}

class DDeviceListItem : public QWidget
{
    Q_OBJECT
public:
    explicit DDeviceListItem(QWidget *parent = nullptr);
    ~DDeviceListItem() override;

    void setDeviceInfo(hidStructInfoAll info);
    void setSelected(bool selected);
    void setOnlineStatus(int online);
    void updateAppTheme();

    hidStructInfoAll deviceInfo() const { return m_info; }
    int isOnline() const { return m_info.isOnline; }
    bool isSelected() const { return m_selected; }
    // The caption of the display-name line: like name and connection kind.
    QString deviceNameText() const;
    bool isVeilShown() const;

signals:
    void sigHidItemMouseClicked(hidStructInfoAll info);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void applyFrameStyle(bool selected);
    // The like name with the connection kind, in the interface language.
    void showDeviceName();

    Ui::DDeviceListItem *ui;
    QWidget *m_veil = nullptr;
    int m_online = 0;
    hidStructInfoAll m_info;
    QString m_accentColor;
    bool m_selected = false;
};

#endif
