// The firmware update dialog: one row per keyboard with a newer firmware
// image, flashing with progress.
#ifndef DUPDATEFIRMWAREDIA_H
#define DUPDATEFIRMWAREDIA_H

#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

#include "sdk/include/LumtarHid.h"

class DUpdateFirmwareDia : public QWidget
{
    Q_OBJECT

public:
    explicit DUpdateFirmwareDia(QWidget *parent = nullptr);
    ~DUpdateFirmwareDia() override;

    void setDevices(QMap<QString, QString> likeNames, QList<hidStructInfoAll> candidates);

signals:
    void sigStartHidUpgrade(QString strHidPath, QString strSn, QString strHidName, int hidUsbOrDongle);
    void sigUpdateFirmwareWindowClose();

private slots:
    void on_pushButton_Close_clicked();

private:
    QMap<QString, QString> m_likeNames;
    QList<hidStructInfoAll> m_candidates;
};

#endif
