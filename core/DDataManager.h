// The process-wide shared state: folders and start-up flags, the theme, the
// paths of the XML stores, the key maps of the keyboard shown, the facts of
// the opened device, and the signal hub between pages that do not know each
// other. Lives in the GUI thread for the whole process.
#ifndef DDATAMANAGER_H
#define DDATAMANAGER_H

#include <QColor>
#include <QFont>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include "core/LumtarWinTypes.h"
#include "core/ThemeColor.h"
#include "sdk/include/LumtarRecords.h"

class keyboardButCustom;
class keySelectFrame;

class DDataManager : public QObject
{
    Q_OBJECT

public:
    // Size of every store path buffer, terminating zero included.
    static constexpr int PathBufferSize = 256;

    static DDataManager *getInstance();

    // The application reaches the shared state through getInstance(); tests
    // build their own instances over temporary folders.
    explicit DDataManager(QObject *parent = nullptr);
    ~DDataManager() override;

    void logSystemInfo() const;

    // Folders and start-up flags.
    QString appDirPath() const;
    QString userConfigDir() const { return m_userConfigDir; }
    void setUseLocalFont(bool use) { m_useLocalFont = use; }
    bool isUserConfig() const { return m_userThemeAllowed; }
    bool isBgImageUsing() const { return m_bgImageUsing; }
    void setBgImageUsing(bool using_) { m_bgImageUsing = using_; }
    bool isVersionChanged() const { return m_versionChanged; }
    bool isLightSynchronize() const { return m_lightSynchronize; }

    // Theme.
    void loadThemeConfig(int themeIndex);
    ThemeColor themeColor() const { return m_themeColor; }
    QFont themeFont(int kind) const;
    QString adjustThemeColorAlpha(const QString &color) const;
    void initBoldThemeFont();
    void initNormalThemeFont();

    // Store paths: zero-terminated 8-bit texts of at most 255 bytes. A path
    // that does not fit is refused (false, logged) and the buffer keeps its
    // previous path: a cut path would name another file.
    bool setXmlProfilePath(const char *path);
    bool setMacroXmlPath(const char *path);
    bool setMagneticXmlPath(const char *path);
    bool setSeniorKeyXmlPath(const char *path);
    // Copy a path into a caller buffer of PathBufferSize bytes.
    void copyXmlProfilePath(char *dest) const;
    void copyMacroXmlPath(char *dest) const;
    void copyMagneticXmlPath(char *dest) const;
    void copySeniorKeyXmlPath(char *dest) const;

    // Profile and keyboard shown.
    void setCurrentProfileIndex(int index) { m_currentProfileIndex = index; }
    int currentProfileIndex() const { return m_currentProfileIndex; }
    void setKeyCodeNameMap(const QMap<int, QString> &map) { m_keyCodeNameMap = map; }
    QMap<int, QString> keyCodeNameMap() const { return m_keyCodeNameMap; }
    void setVkToKeyCodeMap(const QMap<int, int> &map) { m_vkToKeyCodeMap = map; }
    QMap<int, int> vkToKeyCodeMap() const { return m_vkToKeyCodeMap; }
    void setKeyButtonMap(const QMap<int, keyboardButCustom *> &map) { m_keyButtonMap = map; }
    QMap<int, keyboardButCustom *> keyButtonMap() const { return m_keyButtonMap; }
    void setKeyButtonList(const QList<keyboardButCustom *> &list) { m_keyButtonList = list; }
    QList<keyboardButCustom *> keyButtonList() const { return m_keyButtonList; }
    void setCurrentKeySelectFrame(keySelectFrame *frame) { m_currentKeySelectFrame = frame; }
    keySelectFrame *currentKeySelectFrame() const { return m_currentKeySelectFrame; }
    void setHidDeviceType(int type) { m_hidDeviceType = type; }
    int hidDeviceType() const { return m_hidDeviceType; }
    void setSpecialEnterKey(bool special) { m_specialEnterKey = special; }
    bool hasSpecialEnterKey() const { return m_specialEnterKey; }

    // Opened device.
    void setCurrentDeviceModelName(const QString &name) { m_deviceModelName = name; }
    QString currentDeviceModelName() const { return m_deviceModelName; }
    void setMagneticKeyboard(bool magnetic) { m_magneticKeyboard = magnetic; }
    bool isMagneticKeyboard() const { return m_magneticKeyboard; }
    void setHeavyPressLayerEnabled(bool enabled) { m_heavyPressLayerEnabled = enabled; }
    bool isHeavyPressLayerEnabled() const { return m_heavyPressLayerEnabled; }
    void setHasSideLight(bool has) { m_hasSideLight = has; }
    bool hasSideLight() const { return m_hasSideLight; }
    void setGamePadMode(int mode) { m_gamePadMode = mode; }
    int gamePadMode() const { return m_gamePadMode; }
    void setProhibitSleepStatus(int status) { m_prohibitSleepStatus = status; }
    int prohibitSleepStatus() const { return m_prohibitSleepStatus; }

    // Magnetic-switch values and modes.
    void setMaxSensitivityNum(int num) { m_maxSensitivityNum = num; }
    int maxSensitivityNum() const { return m_maxSensitivityNum; }
    void setKeyAntiShakeNum(int num) { m_keyAntiShakeNum = num; }
    int keyAntiShakeNum() const { return m_keyAntiShakeNum; }
    void setKeyRateOfReturnNum(int num) { m_keyRateOfReturnNum = num; }
    int keyRateOfReturnNum() const { return m_keyRateOfReturnNum; }
    void setKeyCalibrationMode(bool on) { m_keyCalibrationMode = on; }
    bool isKeyCalibrationMode() const { return m_keyCalibrationMode; }
    void setHookRunning(bool result) { m_hookRequestResult = result; }

    // Clicked key.
    void setClickedKey(int keyCode, const QString &keyText);
    void clearClickedKey();
    int clickedKeyCode() const { return m_clickedKeyCode; }
    QString clickedKeyChar() const { return m_clickedKeyText; }

    // Key-function display texts: returns the function-type name of the item
    // and leaves its detail text for currentFunctionDetailText().
    QString keyFunctionDisplayText(KeyOperateInfoStu item);
    QString currentFunctionDetailText() const { return m_functionDetailText; }

    // Constants.
    QColor customizedKeyMarkColor() const { return QColor(30, 200, 35, 255); }
    int softKeyboardLayoutId(const QString &modelName) const;

    // Relays.
    void queryDynamicDisplaySensitivityNum(int queryKind, int column, int row);
    void emitDynamicDisplaySensitivityBackInfo(int type, int pressNum, int releaseNum,
                                               int quickTriggerPressNum, int quickTriggerReleaseNum);
    bool emitHookRuningStrtusCtrlMacroRecord(bool start);
    void emitRecviveStreamExMacroKeyboard(int keyCode, int scCode, int flag, int hookFlag);
    void emitRecviveStreamExMacroMouse(int nCode, WPARAM wParam, LPARAM lParam);
    void emitBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void emitTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY);
    void emitTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus);
    void emitMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus);
    void emitSeniorKeysListItemHaveChanged();

signals:
    void sigKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void sigHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void sigRecviveStreamEX_MacroKeyboard(int keyCode, int scCode, int flag, int hookFlag);
    void sigRecviveStreamEX_MacroMouse(int nCode, WPARAM wParam, LPARAM lParam);
    void sigBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void sigQueryDynamicDisplaySensitivityNum(int indexX, int indexY);
    void sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo(int type, int pressNum, int releaseNum);
    void sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(int type, int pressNum, int releaseNum,
                                                                    int QuickTriggerPressNum,
                                                                    int QuickTriggerReleaseNum);
    void sigTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY);
    void sigTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus);
    void sigMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus);
    void sigSeniorKeysListItemHaveChanged();

private:
    static bool storePath(char *buffer, const char *path, const char *what);
    void readStartupSettings();

    QString m_appDataDir;
    QString m_userConfigDir;
    bool m_useLocalFont = false;
    bool m_userThemeAllowed = false;
    bool m_bgImageUsing = false;
    bool m_versionChanged = false;
    bool m_lightSynchronize = false;

    ThemeColor m_themeColor;
    QFont m_boldThemeFont;
    QFont m_normalThemeFont;
    QFont m_defaultFont;

    char m_xmlProfilePath[PathBufferSize] = {};
    char m_macroXmlPath[PathBufferSize] = {};
    char m_magneticXmlPath[PathBufferSize] = {};
    char m_seniorKeyXmlPath[PathBufferSize] = {};

    int m_currentProfileIndex = 1;
    QMap<int, QString> m_keyCodeNameMap;
    QMap<int, int> m_vkToKeyCodeMap;
    QMap<int, keyboardButCustom *> m_keyButtonMap;
    QList<keyboardButCustom *> m_keyButtonList;
    keySelectFrame *m_currentKeySelectFrame = nullptr;
    int m_hidDeviceType = 1;
    bool m_specialEnterKey = false;

    QString m_deviceModelName;
    bool m_magneticKeyboard = false;
    bool m_heavyPressLayerEnabled = false;
    bool m_hasSideLight = false;
    int m_gamePadMode = -1;
    int m_prohibitSleepStatus = 0;

    int m_maxSensitivityNum = 0;
    int m_keyAntiShakeNum = 0;
    int m_keyRateOfReturnNum = 0;
    bool m_keyCalibrationMode = false;
    int m_sensitivityQueryKind = -1;
    bool m_hookRequestResult = false;

    int m_clickedKeyCode = -1;
    QString m_clickedKeyText;
    QString m_functionDetailText;
};

#endif
