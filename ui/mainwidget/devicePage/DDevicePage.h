// The central page of the main window: the strip of attached keyboards, the
// page shown while none is attached, the connection and battery indicators,
// the profile box, the keyboard view, the main-page buttons and the stack of
// the four feature pages. It owns the lighting engine, the device links and
// the records of the listed devices, and relays between the feature pages,
// the shared state and the open keyboard. GUI thread only.
#ifndef DDEVICEPAGE_H
#define DDEVICEPAGE_H

#include <QList>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QVector>
#include <QWidget>

#include <functional>

#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarRecords.h"
#include "ui/mainwidget/devicePage/KeyTravelReader.h"
#include "ui/mainwidget/devicePage/KeyboardRoster.h"
#include "ui/mainwidget/devicePage/ProfileFolder.h"
#include "ui/mainwidget/devicePage/SleepTimeRequest.h"

namespace Ui {
class DDevicePage;
}

class ThemeColor;

class ArrowWidget;
class HidReportBuff;
class CbNotice;
class DCustomKeysPage;
class DDeviceKeyboardLink;
class DeviceOpenSequence;
class DDeviceListItem;
class DLightsConfigPage;
class DOnboardDownloader;
class DPerformancePage;
class DTriggerSettingPage;
class MainHidInterFace;
class ProfileResetSequence;
class QButtonGroup;
class QTimer;
class dragShowArea;
class hidDeviceJoinFrame;
class keyboardButCustom;
class lightDealMain;

class DDevicePage : public QWidget
{
    Q_OBJECT

public:
    // Ids of the main-page button group; they are not indices of the feature stack.
    enum MainPage { CustomKeysPage = 0, LightsConfigPage = 1, PerformancePage = 2, MacroPage = 3, TriggerSettingPage = 4 };
    // Change codes of a hot-plug notification.
    enum { DeviceArrived = 11, DeviceRemoved = 12 };

    explicit DDevicePage(QWidget *parent = nullptr);
    ~DDevicePage() override;

    void updateAllUI();
    void updateAppTheme();
    // Stops the light engine when a preview runs; called before the window closes.
    void stopBeforeClose();
    // Closes every listed device and waits for its I/O thread; the page shows
    // no keyboard afterwards. Called before the process ends.
    void closeAllDevices();
    QPoint noticePoint() const;

    void resetMainPageButtons();
    void clearDeviceList();

    QMap<QString, hidStructInfoAll> deviceInfoMap() const;
    QMap<QString, QString> likeNameMap() const;
    // The link of every listed device, by device path (the keys of deviceInfoMap
    // whose link could open).
    QMap<QString, DDeviceKeyboardLink *> keyboardLinkListMap() const;

    int currentMainPage() const { return m_currentMainPage; }

    void stopLightEngine();
    lightDealMain *lightEngine() const { return m_lightDealMain; }

    // While the onboard download runs, keyboard, profile and layer stay as they are.
    bool isDownloadRunning() const;

signals:
    void sigShowMacroPage();
    void sigShowSeniorKeysPage();
    void sigReturnHidLikeName(QString productName, QString likeName);
    void sigHaveCheckUpgradeFirmwareNUC();
    void sigIntoOrRemoveHidOver();
    void sigMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void sigUpdateDeviceListShow();

public slots:
    void onCurIndexChangedMainPage(int selIndex);
    void onEveryPageBackTip(QString strTip);

    // Device list and hot-plug.
    void onLoadDeviceList();
    void updateHidDeviceList(int changeType, QString hidPath);

    // Device status.
    void onTimerChangingBatteryNum();

    // Magnetic-switch relays of the shared state.
    void onQueryDynamicDisplaySensitivityNum(int indexX, int indexY);
    void onTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY);
    void onTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus);
    void onMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus);

    // Key-assignment page.
    void onDefaultLayerAndFnLayerSwitch(int pageIndex);
    void onTheKeyboardIntoDownloading();
    void onRuningOnboard0x19Cmd();
    void onRuningOnboard0x18Cmd();
    void onRuningOnboardDownloadStatus(int statusNun);
    void onQN9080Recv0x0bCmd(int recvNum);
    void onAutoIntoCustomKeysPage();
    void onInteractLightsPointXY(int indexX, int indexY);
    // A key pressed on the shown keyboard (HID usage): its place in the key
    // grid drives the reactive light effects.
    void onKeyboardKeyPressed(int usage);

    // Lighting page.
    void onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data);
    void onSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData data);
    void onLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData data);
    void onCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void onLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData data);

    // Profile menu.
    void onCloseMenuWidow();
    void onProfileCreate();
    void onProfileDelete();
    void onProfileExport();
    void onProfileImport();
    void onProfileModifyName();

    // Performance page.
    void onResetoreCurrentProfile();
    void onLightAndKeyboardSleepTime(int lightSleepSeconds, int keyboardSleepSeconds, int prohibitSleepStatus);
    void onLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void onSetCurrentGamePadModeIndex(int gamePadIndex);

    // Trigger settings page.
    void onMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R, int strengthNum_QuickTrigger_L,
                                  int strengthNum_QuickTrigger_R);
    void onMagnetsKeyboardDefaultSensitivity();
    void onKeyAntiShakeCurrentNum(int KeyAntiShakeNum);
    void onKeyRateOfReturnCurrentNum(int rateOfReturnNumDel);
    void onCalibrationMode(int selMode);
    void onKeyCalibrationStartRuning();
    void onAllKeysCalibrationMode(int selMode);

    // Coordination.
    void onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void onLickActivited(QString link);
    void onScrollSheetSet();

private slots:
    void on_toolButton_MacroDialog_clicked();
    void on_toolButton_SeniorKey_clicked();
    void on_pushButton_Test_clicked();
    void on_pushButton_ChangModeTest_clicked();
    void on_pushButton_MoreBig_clicked();
    void on_pushButton_MoreSmall_clicked();
    void on_pushButton_ProfileOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();
    void on_comboBox_profileList_currentIndexChanged(QString text);
    void on_pushButton_Reset_clicked();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    friend class tst_DevicePage;

    void initSubPages();
    // The feature pages not shown at start (lighting, performance, trigger
    // setting): built once, after the window is shown or when one is first
    // needed, whichever comes first; the accessors build them.
    void buildFeaturePages();
    DLightsConfigPage *lightsConfigPage();
    DPerformancePage *performancePage();
    DTriggerSettingPage *triggerSettingPage();
    // The style sheets and fonts of the page's own widgets (DDevicePageTheme.cpp).
    void applyPageSheets(const ThemeColor &theme);
    QString companyLinkRichText(const QString &color) const;
    void markCurrentMainPageButton();
    QString calibrationTipText() const;

    // Magnetic switches (DDevicePageMagnetic.cpp).
    // Queues a 0x29 report on the shown keyboard; false, with the numbered
    // failure line, when there is none or it is closed.
    bool writeMagnetic(const HidReportBuff &report, int sender);
    // "Operate successful" when the report was queued, else "Operate failed".
    void showOperateOutcome(bool queued);
    void showCalibrationView(bool lightShow, bool hoverEnabled);
    void restoreTriggerView();
    void clearAllKeysCalibrationMarks();
    void endAllKeysCalibration();
    // Unplugging or switching the shown keyboard ends any calibration.
    void endCalibrationOfShownKeyboard();
    // The all-keys calibration was started here and has not ended.
    bool m_allKeysCalibrationRunning = false;
    QList<QPointer<keyboardButCustom>> m_allKeysCalibrationKeys;

    Ui::DDevicePage *ui;

    DCustomKeysPage *m_customKeysPage = nullptr;
    DLightsConfigPage *m_lightsConfigPage = nullptr;
    DPerformancePage *m_performancePage = nullptr;
    DTriggerSettingPage *m_triggerSettingPage = nullptr;
    lightDealMain *m_lightDealMain = nullptr;
    CbNotice *m_notice = nullptr;
    DOnboardDownloader *m_onboardDownloader = nullptr;

    QString m_companyLink;
    QString m_scrollBarStyleSheet;
    int m_currentMainPage = -1;
    int m_keyboardLightMode = -1;
    int m_currentLayerIndex = -1;
    int m_currentProfileIndex = 1;
    float m_zoomFactor = 1.0f;
    bool m_lightViewTest = false;
    bool m_sleepTimeAcked = false;
    bool m_oneKeyReplied = false;
    int m_customLightUsingIndex = -1;
    int m_chargingStep = 0;
    // The 50 ms charging animation of the battery gauge runs only while the
    // shown keyboard charges and the page can be seen.
    QTimer *m_chargingTimer = nullptr;
    bool m_shownKeyboardCharging = false;
    bool m_pageShown = false;
    QButtonGroup *m_mainPageButtonGroup = nullptr;
    QPointer<hidDeviceJoinFrame> m_hidDeviceJoinFrame;
    QPointer<dragShowArea> m_dragShowArea;
    int m_calibrationKeyRow = -1;
    int m_calibrationKeyColumn = -1;

    hidStructInfoAll m_currentHidInfo{};
    QPointer<DDeviceListItem> m_currentHidItem;
    QPointer<DDeviceKeyboardLink> m_currentKeyboardLink;
    QPointer<MainHidInterFace> m_currentHidInterface;
    keyboardButCustom *m_keyButtonGrid[6][22] = {};

    QMap<QString, DDeviceListItem *> m_hidItemMap;
    bool m_isOpeningDevice = false;

    // ---- attached keyboards: discovery, hot-plug, the open sequence and
    // loading a profile into the pages (DDevicePageDevices.cpp,
    // DDevicePageLinkSignals.cpp, DDevicePageOpen.cpp and
    // DDevicePageProfileLoad.cpp). The widget-free work lives in
    // KeyboardRoster, DeviceOpenSequence and ProfileFolder. ----
public:
    void createKeyboardLink(hidStructInfoAll record);
    void openTheUsingDevice(hidStructInfoAll record);
    void initProfileXmlFiles(hidStructInfoAll record, int unused);
    void loadProfileKeyAndLightInfo();
    void loadProfileList();
    void startLightEngine();
    void addDefaultLightInfo(int profileIndex);
    void addDefaultCustomLightNodes(int profileIndex);
    void importDefaultCustomLight(int profileIndex, int nodeIndex);

    // Tells the user, once per device, about keyboards that are attached but
    // that this user may not open. Returns true when a message was shown.
    bool noticeInaccessibleKeyboards(const QStringList &paths);

    // What the page lists and links, and the state of its device work.
    const KeyboardRoster *roster() const { return m_roster; }
    // An enumeration, a re-enumeration, an open or a profile reset runs.
    bool isDeviceWorkRunning() const;
    // The shown keyboard, its item and the files of its profiles.
    DDeviceKeyboardLink *currentKeyboardLink() const;
    DDeviceListItem *currentHidItem() const;
    QString profileFolder() const { return m_profileFiles.folder(); }
    QByteArray xmlProfilePath() const { return QByteArray(m_profileFiles.xmlProfilePath()); }
    int currentProfileIndex() const { return m_currentProfileIndex; }
    QString currentSerialNumber() const { return m_currentSN; }
    keyboardButCustom *keyButtonAt(int row, int column) const;
    // The strip's items, by device path or, for a placeholder, by model name.
    QMap<QString, DDeviceListItem *> deviceItemMap() const;
    // The keyboard acknowledged a sleep-time setting since it was last cleared.
    bool isSleepTimeAcknowledged() const { return m_sleepTimeAcked; }
    void clearSleepTimeAcknowledged() { m_sleepTimeAcked = false; }

public slots:
    void onHidItemMouseClicked(hidStructInfoAll hidStuInfo);
    void onDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void onUpdateDeviceListShow();

    // Signals of the device links.
    void onSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode, int is24GValid,
                                            QString strCurrentSN);
    void onWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void onSleepTimeSetSuccessful();
    void onCustomEventChangProfile(int changeProfileIndex);
    void onLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);
    void onTheKeyboardModeChanged(int mode);
    void onQueryMagneticAxisOneKeyDataBack();

    // Signals of the keyboard view.
    void onDragAreaMoveOneKey(bool isSelectedOneKey);
    void onTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY);
    void onDragArea_SelectKeys(int startX, int startY, int endX, int endY);
    void onDragShowAreaMouseMovePoint(int moveX, int moveY);
    void onDragAreaMousePressOrRelease(bool isMousePress);

private:
    // Keys are selected on the keyboard view: the trigger page, or the
    // lighting page in its custom mode.
    bool isKeySelectionActive() const;
    // Gives every key button of the shown keyboard the theme's travel and
    // state colours and shows light colours again.
    void restyleKeyButtons();
    // The gamepad-mode label of the shown keyboard (hidden without one).
    void showGamePadMode();

    // The battery gauge (DDevicePageLinkSignals.cpp): the animation starts
    // from an empty gauge when the shown keyboard begins to charge.
    void setShownKeyboardCharging(bool charging);
    void runChargingAnimationWhenSeen();

    // Listing (DDevicePageDevices.cpp).
    DDeviceListItem *createDeviceListItem(const hidStructInfoAll &record);
    void finishLoadDeviceList();
    void rescanDevices(int changeType);
    void finishRescan();
    void onLinksSettled();
    void runDeferredTask(KeyboardRoster::Task task);
    void recheckReceivers();
    void listArrivedDevice(const hidStructInfoAll &record);
    void unlistRemovedDevice(const QString &path);
    void leaveShownKeyboard();
    void chooseReplacementKeyboard();
    void showNoDevice();
    void arrangeDeviceStrip(bool offlineReceiversWithReceivers);
    void applyDongleStatus(const QString &path, int status);
    bool isShownLink(const DDeviceKeyboardLink *link) const;
    // Connects a new link's signals to the page (DDevicePageLinkSignals.cpp).
    void wireKeyboardLink(DDeviceKeyboardLink *link);

    // Opening (DDevicePageOpen.cpp).
    void setOpeningDevice(bool opening);
    void failOpen(const char *logLine);
    void abortOpen();
    void buildKeyboardView(const hidStructInfoAll &record);
    void showDeviceKindControls(const DDeviceKeyboardLink *link);
    void onOpenLinkSettled();
    void onProfileFilesMade();
    ProfileFolder::Defaults openingDefaults() const;
    void onKeyTravelRead(const QVector<KeyTravelReader::Travel> &travels);
    void finishOpen();
    void fitKeyboardViewToScreen();

    KeyboardRoster *m_roster = nullptr;
    DeviceOpenSequence *m_openSequence = nullptr;
    ProfileFolder m_profileFiles;
    // Keys of m_hidItemMap whose item is an offline placeholder of a model.
    QSet<QString> m_placeholderKeys;
    bool m_isFirstOpen = true;
    QSet<QString> m_toldInaccessible;
    // The strip's records while the first enumeration waits for its links.
    QList<hidStructInfoAll> m_listedFirst;
    // A re-enumeration waiting for the links of the devices that arrived.
    QStringList m_rescanArrived;
    bool m_rescanRemoved = false;
    int m_rescanType = 0;
    hidStructInfoAll m_openingRecord{};
    // New profile files made after the profile is loaded, a turn each.
    QVector<ProfileFolder::File> m_filesToMake;
    QString m_currentSN;
    QPointer<QWidget> m_keyboardViewContainer;
    int m_keyboardLightIndex = 2;
    int m_sideLightIndex = 2;
    int m_lightRunningStatus = 0;
    int m_lightSyncStatus = 0;

    // ---- profiles and the coordination of the feature pages
    // (DDevicePageProfileMenu.cpp, DDevicePageReset.cpp, DDevicePageCoordination.cpp).
    // The widget-free rules live in ProfileListRules, ProfileResetSequence,
    // SleepTimeRequest, CustomLightScheme and DefaultCustomLightFile. ----
public:
    // Stores the key colours of the scheme the lighting page shows.
    void rewriteCustomLightData();
    // The profile reset runs (its question answered, its waits not over).
    bool isProfileResetRunning() const;

private:
    void initProfileWork();
    // Refuses profile work while the keyboard is busy or none is shown, and
    // says so; true when refused.
    bool refuseProfileWork();
    void setProfileControlsEnabled(bool enabled);
    QString fileDialogFolder() const;
    // A question with "Yes" and "No" that does not wait: `answered` runs with
    // true for "Yes" once the user answered, unless the page went away.
    void askYesNo(const QString &title, const QString &text, std::function<void(bool)> answered);
    void handKeyGridToLightEngine();
    void applyKeyTravels(const QVector<KeyTravelReader::Travel> &travels);
    void exportProfile(const QString &folder, const QByteArray &profilePath, int profileIndex);
    void importProfile(const QString &file, const QByteArray &profilePath);
    // Makes the first listed profile current when the file's current one is
    // not listed.
    void keepListedProfileCurrent(const QByteArray &profilePath);
    // The name field of Modify Name: open for the file and profile it was
    // opened with; closed when the page shows another keyboard, layer or
    // profile, so its tick never renames one the page does not show.
    bool isProfileRenameOpen() const;
    void closeProfileRename();
    void closeStaleProfileRename();
    bool restoreProfile(const QByteArray &profilePath, int profileIndex);
    void startProfileReset();
    void onProfileResetTravelRead(const QVector<KeyTravelReader::Travel> &travels);
    void onProfileResetRestoreDue();
    void endProfileReset();
    void onSleepTimeRequestFinished(bool confirmed, const SleepTimeRequest::Request &request);
    QString defaultCustomLightFile() const;

    QPointer<ArrowWidget> m_popup;
    QByteArray m_renameProfilePath;
    int m_renameProfileIndex = -1;
    ProfileResetSequence *m_profileReset = nullptr;
    QByteArray m_resetProfilePath;
    int m_resetProfileIndex = 0;
    SleepTimeRequest *m_sleepTimeRequest = nullptr;
};

#endif
