// The application's only top-level window: frameless, with its own title
// bar, edge resizing, the tray icon, the device-change notification, the
// device SDK start-up, the device page and the window-modal dialogs over a
// dimming overlay.
#ifndef DMAINWIDGET_H
#define DMAINWIDGET_H

#include <QList>
#include <QPair>
#include <QPoint>
#include <QPointer>
#include <QSettings>
#include <QString>
#include <QSystemTrayIcon>
#include <QWidget>

#include <list>

#include "sdk/include/LumtarHid.h"
#include "ui/mainwidget/LumtarSdkStartup.h"
#include "ui/mainwidget/UfwLibrary.h"

namespace Ui {
class DMainWidget;
}

class BootloaderUpdate;
class DDevicePage;
class DUpdateFirmwareDia;
class DeviceChangeMonitor;
class DeviceChangeRouter;
class FirmwareUpgradeCheck;
class FirmwareWindowHost;
class UfwVolumeUpdate;
class QAction;
class QMenu;
class QTimer;

class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    // Region under the pointer for resizing; the values are the stored codes.
    enum ResizeRegion { Up = 0, Down, Left, Right, LeftTop, LeftBottom, RightBottom, RightTop, None };

    explicit DMainWidget(QWidget *parent = nullptr);
    DMainWidget(const LumtarSdkStartup &sdk, QWidget *parent = nullptr);
    ~DMainWidget() override;

    // Sets the resize cursor when the pointer is over an edge of the frameless window.
    void hitTestResizeEdge(int globalX, int globalY);
    // The region of a global position (first match of the corner and edge bands).
    ResizeRegion resizeRegionAt(const QPoint &global) const;

    // Firmware engine (DMainWidgetFirmware.cpp): thin callers of the check
    // (FirmwareUpgradeCheck), the update window (FirmwareWindowHost), the
    // bootloader path (BootloaderUpdate) and the .ufw path (UfwVolumeUpdate).
    bool checkUpgradeableDevices(bool openNow);
    bool selectFirmwareImage(hidStructInfoAll record);
    void runJlUpgrade();
    void openBootloaderAndFlash();
    void retryOrFail();
    // The C progress functions handed to the device SDK and the firmware
    // library; they reach the update window through the writing thread's worker.
    static void onHidUpgradeProgress(int total, int done);
    static void onJlUpgradeProgress(int percent);
    DUpdateFirmwareDia *updateFirmwareDia() const;

    DDevicePage *devicePage() const { return m_devicePage; }

signals:
    void sigHidDeviceConnectChanging_Into(QString hidPath);
    void sigHidDeviceConnectChanging_Remove(QString hidPath);

public slots:
    void onMinApp();
    void onQuitApp();
    void onShowMacroPage();
    void onMacroPageClose();
    void onShowSeniorKeysPage();
    void onSeniorKeysPageClose();
    void onReturnHidLikeName(QString productName, QString likeName);
    void onHaveCheckUpgradeFirmwareNUC();
    void ontheHidIntoFirmwareUpgradeWait();
    void onIntoOrRemoveHidOver();
    void onSettingsWindowClose();
    void omUpdataAllUI();
    void onUpdateApp();
    void onChangAppTheme(int themeIndex);
    void onFirmwareUpgradeCheck();
    void onHidDeviceConnectChanging_Into(QString hidPath);
    void onHidDeviceConnectChanging_Remove(QString hidPath);
    void onUpdateFirmwareWindowOpen();
    void onUpdateFirmwareWindowClose();
    void onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle);
    void ontheHidIntoFirmwareUpgrade();
    void on_pushButton_Close_clicked();
    void on_pushButton_Max_clicked();
    void on_pushButton_Min_clicked();
    void on_pushButton_Setting_clicked();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

    // A device interface arrived (true) or went (false); the name holds its
    // vendor and product ids. Passed on by the device-change router.
    void onDeviceChangeNotify(bool arrived, QString interfaceName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    friend class tst_MainWidget;
    friend class tst_FirmwareUpdate;

    void construct();
    void registerDeviceNotify();
    void initSdk();
    void initWidgets();
    void createTray();
    void writeFirstRunDefaults();
    void updateResizeRegion(const QPoint &global);
    void applyRegionCursor(ResizeRegion region);
    QWidget *createOverlay(const QString &styleSheet);
    void placeDialog(QWidget *dialog);
    bool overlayDialogOpen() const;
    // Dims the window for a dialog; false while another dialog is open.
    bool dimForDialog();
    // Shows the dialog window-modal over the overlay and remembers it.
    void hostDialog(QWidget *dialog, void (DMainWidget::*onClosed)());
    void routeDeviceChanges();
    void quitApplication();

    // Firmware engine.
    void createFirmwareEngine();
    void onBootloaderArrived(const QString &interfaceName);
    void onUpgradeFinished(bool success);
    // Stops every wait and ends a write under way, joining its thread.
    void stopFirmwareWork();

    Ui::DMainWidget *ui;
    LumtarSdkStartup m_sdk;

    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_leftButtonHeld = false;
    int m_resizeRegion = None;

    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    QAction *m_minimizeAction = nullptr;
    QAction *m_maximizeAction = nullptr;
    QAction *m_restoreAction = nullptr;
    QAction *m_quitAction = nullptr;

    DDevicePage *m_devicePage = nullptr;
    QPointer<QWidget> m_overlay;
    QPointer<QWidget> m_overlayDialog;

    QString m_titleText = QStringLiteral("CompanyName");
    char m_macroXmlPath[256] = {};
    char m_seniorKeyXmlPath[256] = {};
    QString m_userConfigPath;
    QSettings *m_userSettings = nullptr;
    // The shown keyboard's names in the header; empty while none is shown.
    QString m_productName;
    QString m_likeName;

    // SDK start-up result and the supported devices.
    bool m_sdkReady = false;
    std::list<SupportInfoStu> m_supportInfoList;
    DeviceChangeMonitor *m_deviceMonitor = nullptr;
    DeviceChangeRouter *m_deviceChangeRouter = nullptr;

    // Firmware engine: the last check's candidates, the firmware library
    // and the four parts of the engine.
    QList<hidStructInfoAll> m_upgradeableHidList;
    QString m_strNewFirmwareVersion;
    bool m_isShowUpgradeNow = false;
    QTimer *m_upgradeCheckTimer = nullptr;
    QTimer *m_firmwareOpenTimer = nullptr;
    UfwLibrary m_ufwLibrary;
    FirmwareUpgradeCheck *m_upgradeCheck = nullptr;
    FirmwareWindowHost *m_firmwareWindow = nullptr;
    BootloaderUpdate *m_bootloaderUpdate = nullptr;
    UfwVolumeUpdate *m_ufwUpdate = nullptr;

    bool m_quitting = false;
};

#endif
