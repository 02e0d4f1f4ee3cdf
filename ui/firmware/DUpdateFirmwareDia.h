// The firmware update window: one row per keyboard for which the firmware
// check found a newer image, the update of one keyboard at a time, its
// progress and its result. The writing reports here through reportProgress,
// reportSuccess and reportFailure, callable on any thread; they turn into
// queued signals for the GUI thread.
#ifndef DUPDATEFIRMWAREDIA_H
#define DUPDATEFIRMWAREDIA_H

#include <QDialog>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>

#include "sdk/include/LumtarHid.h"

class CbNotice;
class DDeviceKeyboardLink;
class MainHidInterFace;
class QVBoxLayout;
class UpdateFirmwareInfoItem;

namespace Ui {
class DUpdateFirmwareDia;
}

class DUpdateFirmwareDia : public QDialog
{
    Q_OBJECT

public:
    explicit DUpdateFirmwareDia(QWidget *parent = nullptr);
    ~DUpdateFirmwareDia() override;

    // One row per candidate, in their order; links: the device page's links
    // by device path when the window opens.
    void setDevices(QList<hidStructInfoAll> candidates, QMap<QString, DDeviceKeyboardLink *> links);
    // Where a row finds its keyboard's link by device path when its button
    // is pressed (null: not listed). Without it, the links given to
    // setDevices, for as long as they exist.
    void setLinkLookup(std::function<DDeviceKeyboardLink *(const QString &path)> lookup);
    void clearRows();
    QList<UpdateFirmwareInfoItem *> rows() const;

    // Any thread. A total of 0 or less reports nothing.
    void reportProgress(int total, int done);
    void reportSuccess();
    void reportFailure();

signals:
    void sigUpdateFirmwareWindowClose();
    void sigStartHidUpgrade(QString strHidPath, QString strSn, QString strHidName, int hidUsbOrDongle);
    void sigUpgradeProgress(int ProgressNum);
    void sigUpgradeFirmwareSuc();
    void sigUpgradeFirmwareFailed();

public slots:
    void onStartUpgradeing();
    void onUpgradeProgress(int ProgressNum);
    void onUpgradeFirmwareSuc();
    void onUpgradeFirmwareFailed();

private slots:
    void on_pushButton_Close_clicked();

private:
    friend class tst_UpdateFirmwareDia;

    void applyTheme();
    MainHidInterFace *interfaceOf(const QString &path) const;

    Ui::DUpdateFirmwareDia *ui;
    QVBoxLayout *m_rowsLayout = nullptr;
    QList<QPointer<UpdateFirmwareInfoItem>> m_rows;
    QPointer<UpdateFirmwareInfoItem> m_activeRow;
    QMap<QString, QPointer<DDeviceKeyboardLink>> m_links;
    std::function<DDeviceKeyboardLink *(const QString &)> m_linkLookup;
    CbNotice *m_notice = nullptr;
    // Reset by the GUI thread before a write starts, then written only by
    // the thread that reports.
    std::atomic<int> m_lastProgress{-1};
};

#endif
