// The host-side representative of one listed keyboard: opens it, owns its
// I/O thread and command builder, asks for its serial number and lighting
// capabilities, and acts on every input report it sends. The bytes are
// decoded by InputReportDecoder; key reports are relayed by KeyReportRelay
// and function keys run by HostFunctionRunner. GUI thread only.
#ifndef DDEVICEKEYBOARDLINK_H
#define DDEVICEKEYBOARDLINK_H

#include "device/InputReport.h"
#include "device/KeyReportRelay.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarRecords.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>

class DDeviceHidCmdSend;
class HostFunctionRunner;
class HostInput;
class MainHidInterFace;

class DDeviceKeyboardLink : public QObject
{
    Q_OBJECT
public:
    static constexpr int ProfilePathSize = 256;

    explicit DDeviceKeyboardLink(QObject *parent = nullptr);
    ~DDeviceKeyboardLink() override;

    void openDevice(int index, hidStructInfoAll record);

    void setProfileIndex(int index);
    // The profile file the keyboard's own replies are written into (light
    // records, the custom scheme in use, sleep times) and its function locks
    // read from. The page that shows this keyboard owns the rule: it hands
    // over the file of the profile it loads, and an empty path (nullptr or
    // "") before it opens another keyboard or stops using the file; with no
    // path, replies are written nowhere. Copies the path; a path that does
    // not fit the buffer is refused and logged, and the path in use stays.
    void setXmlProfilePath(const char *path);
    void setDongleTracking(bool on);
    void queryDeviceInfo();
    void saveLightInfoToProFile(int ledType);

    // Forwarders to the command builder; they do nothing when the device never opened.
    void sendReset();
    void sendCheckSleepTime();
    int sendSetGamePadMode(int mode);
    void sendSetSleepTime(int lightSleepSeconds, int keyboardSleepSeconds, int prohibitSleep);
    int sendLockWin(int winKey, int shiftTab, int altTab, int altF4);

    MainHidInterFace *hidInterface() const { return m_hidInterface; }
    QString serialNumber() const { return m_serialNumber; }
    LightSupportInfo lightModeList() const { return m_lightModeList; }
    LightSupportInfo sideLightModeList() const { return m_sideLightModeList; }
    QList<QPair<int, int>> customKeyPosList() const { return m_customKeyPosList; }
    bool isDeviceInfoReady() const { return m_deviceInfoReady; }
    bool isLightInfoSaved() const { return m_lightInfoSaved; }
    void setLightInfoSaved(bool saved) { m_lightInfoSaved = saved; }
    void setOneKeyQueryPending(bool pending);
    void setOneKeyQueryContext(int context1, int context2, int context3);
    QList<QVector<int>> oneKeySensitivityList() const { return m_oneKeySensitivityList; }
    QMap<int, int> allKeysCalibrationMap() const { return m_allKeysCalibrationMap; }

    // The two light records as the keyboard last reported them.
    colorInfoData keyboardLightConfig() const { return m_keyboardLightConfig; }
    colorInfoData sideLightConfig() const { return m_sideLightConfig; }

    // Key-report relay (the relay report holds modifier bits and six key slots).
    void updatePendingKey(int usage, bool pressed);
    static int modifierBitToUsage(int mask);
    void handleFunctionKeyEvent(const unsigned char *d);
    void runDisableFunction(const KeyOperateInfoStu &item, bool pressed);
    void runTextFunction(const KeyOperateInfoStu &item, bool pressed);
    void runSwitchProfileFunction(const KeyOperateInfoStu &item, bool pressed);
    void runLaunchAppFunction(const KeyOperateInfoStu &item, bool pressed);

    // Where typing and launching go; the system's own when none is given.
    void setHostInput(HostInput *hostInput);

    // The count of bytes a reply must hold before it is read (2: not a reply we read).
    static int requiredReplyLength(const unsigned char *d, int length);

signals:
    void sigCustomEventChangProfile(int changeProfileIndex);
    void sigSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode,
                                             int is24GValid, QString strCurrentSN);
    void sigDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void sigWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void sigSleepTimeSetSuccessful();
    void sigRuningOnboard0x19Cmd();
    void sigRuningOnboard0x18Cmd();
    void sigRuningOnboardDownloadStatus(int statusNun);
    void sigQN9080Recv0x0bCmd(int recvNum);
    void sigLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void sigCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);
    void sigTheKeyboardModeChanged(int mode);
    void sigQueryMagneticAxisOneKeyDataBack();
    // isDeviceInfoReady() turned true: the keyboard answered its first queries.
    void sigDeviceInfoReady();
    // A key the keyboard's key report (0x04) newly presses, by its HID usage.
    void sigKeyUsagePressed(int usage);

public slots:
    void onOpenHidSuccessful();
    void onHidWriteErrorInfo(QString errorInfo);
    void onHidSNDataArrived(unsigned char *data, QString strHidName);
    void onHidDataArrived(unsigned char *data, int length, int threadIndex);

private:
    void dispatch(const InputReport::Event &event);
    void handleStatusReport(const InputReport::Status &status);
    void handleKeyReport(const InputReport::KeyReport &report);
    void handleModeList(const InputReport::LightModeList &list);
    void handleLightConfig(const colorInfoData &config);
    void handleCustomKeyBitmap(const InputReport::CustomKeyBitmap &bitmap);
    void handleSleepTimes(const InputReport::SleepTimes &times);
    void handleSerialNumber(const QString &serial, const QString &hidName);
    KeyReportRelay::Locks profileLocks() const;
    QString profileIndexText() const;
    bool hasProfileFile() const { return m_xmlProfilePath[0] != '\0'; }
    QString devicePath() const;

    hidStructInfoAll m_deviceInfo{};
    QString m_hidName;
    MainHidInterFace *m_hidInterface = nullptr;
    DDeviceHidCmdSend *m_cmdSend = nullptr;
    HostFunctionRunner *m_hostFunctions = nullptr;
    // Empty until the page hands a path over, and again when it takes it
    // back (setXmlProfilePath): replies are never written into the file of
    // a profile or keyboard no longer shown.
    char m_xmlProfilePath[ProfilePathSize] = {};
    int m_profileIndex = 1;
    bool m_deviceInfoReady = false;
    QString m_serialNumber;
    bool m_keyRelayFilter = false;
    KeyReportRelay m_keyRelay;
    LightSupportInfo m_lightModeList;
    bool m_keyboardConfigReceived = false;
    LightSupportInfo m_sideLightModeList;
    bool m_sideConfigReceived = false;
    QMap<int, int> m_customKeyMap;
    QList<QPair<int, int>> m_customKeyPosList;
    colorInfoData m_keyboardLightConfig;
    colorInfoData m_sideLightConfig;
    bool m_lightSync = false;
    int m_lastDongleLinkState = -1;
    bool m_dongleTracking = false;
    int m_lastKeyboardMode = -1;
    bool m_lightInfoSaved = false;
    QMap<int, int> m_allKeysCalibrationMap;
    bool m_oneKeyQueryPending = false;
    int m_oneKeyContext[3] = {0, 0, 0};
    QList<QVector<int>> m_oneKeySensitivityList;

    // Set while the link goes away: reports still on their way are only freed.
    bool m_discardInput = false;
};

#endif
