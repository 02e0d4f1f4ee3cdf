#include "core/DDataManager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>

#include <cstring>

#include "core/LumtarResources.h"
#include "platform/SystemInfo.h"

namespace {

const char kDefaultConfigResource[] = ":/images/configDir/LumtarDefaultConfig.ini";
const char kDefaultFontFamily[] = "Microsoft YaHei";

QString userSettingsPath(const QString &userConfigDir)
{
    return userConfigDir + QStringLiteral("/LumtarConfig.ini");
}

QString themeFilePath(int themeIndex, bool userThemeAllowed, const QString &appDir)
{
    switch (themeIndex) {
    case 1: return QStringLiteral(":/images/StyleQss/LightThemeConfig.ini");
    case 2: return QStringLiteral(":/images/StyleQss/BlueThemeConfig.ini");
    case 3: return QStringLiteral(":/images/StyleQss/PinkThemeConfig.ini");
    case 4:
        if (userThemeAllowed)
            return appDir + QStringLiteral("/configDir/OtherThemeConfig.ini");
        return QStringLiteral(":/images/StyleQss/OtherThemeConfig.ini");
    default: return QStringLiteral(":/images/StyleQss/BlackThemeConfig.ini");
    }
}

} // namespace

DDataManager *DDataManager::getInstance()
{
    // Created on first use and kept for the whole process.
    static DDataManager *instance = new DDataManager;
    return instance;
}

DDataManager::DDataManager(QObject *parent)
    : QObject(parent)
    , m_functionDetailText(QObject::tr("Unknow"))
{
    lumtarInitResources();

    m_appDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!QDir().mkpath(m_appDataDir))
        qDebug() << "Cannot create the application data folder" << m_appDataDir;
    m_userConfigDir = QStringLiteral("%1/UserConfig").arg(m_appDataDir);
    if (!QDir().mkpath(m_userConfigDir))
        qDebug() << "Cannot create the user configuration folder" << m_userConfigDir;

    readStartupSettings();
}

DDataManager::~DDataManager() = default;

void DDataManager::readStartupSettings()
{
    QSettings user(userSettingsPath(m_userConfigDir), QSettings::IniFormat);
    int themeIndex = 0;
    if (user.contains(QStringLiteral("Theme/selectThemeIndex"))) {
        themeIndex = user.value(QStringLiteral("Theme/selectThemeIndex")).toInt();
    } else {
        user.setValue(QStringLiteral("Theme/selectThemeIndex"), 0);
    }
    if (user.contains(QStringLiteral("ThemeBgImage/BgImageIsUsing"))) {
        m_bgImageUsing = user.value(QStringLiteral("ThemeBgImage/BgImageIsUsing")).toBool();
    } else {
        m_bgImageUsing = false;
        user.setValue(QStringLiteral("ThemeBgImage/BgImageIsUsing"), false);
    }

    QSettings defaults(QString::fromLatin1(kDefaultConfigResource), QSettings::IniFormat);
    defaults.setIniCodec("UTF-8");
    m_userThemeAllowed = defaults.value(QStringLiteral("MyselfConfig/userConfig"), false).toBool();
    if (!m_userThemeAllowed && themeIndex == 4) {
        themeIndex = 0;
        user.setValue(QStringLiteral("Theme/selectThemeIndex"), 0);
    }

    m_useLocalFont = true;
    loadThemeConfig(themeIndex);
    m_defaultFont = QGuiApplication::font();
    m_defaultFont.setFamily(QString::fromLatin1(kDefaultFontFamily));

    const QString currentVersion =
        defaults.value(QStringLiteral("AppVersion/Version"), QStringLiteral("V_1.00.00")).toString();
    QString storedVersion;
    if (user.contains(QStringLiteral("oldVersion/VersionInfo"))) {
        storedVersion = user.value(QStringLiteral("oldVersion/VersionInfo")).toString();
    } else {
        user.setValue(QStringLiteral("oldVersion/VersionInfo"), currentVersion);
    }
    m_versionChanged = storedVersion != currentVersion;
    if (m_versionChanged)
        user.setValue(QStringLiteral("oldVersion/VersionInfo"), currentVersion);

    m_lightSynchronize = defaults.value(QStringLiteral("LightSynchronize/isSynchronize"), false).toBool();

    qDebug() << "Current App Version:" << currentVersion;
}

void DDataManager::logSystemInfo() const
{
    qDebug() << "------------------------- *** App Runing *** ------------------------------";
    qDebug() << "UserConfig FullPath:" << m_userConfigDir;
    qDebug() << "System Cpu:" << SystemInfo::processorName();

    const SystemInfo::Memory memory = SystemInfo::physicalMemory();
    const double gib = 1073741824.0;
    qDebug() << "Memory Describe:"
             << QString::asprintf("freeMem %.2f GB / totalMem %.2f GB", memory.availableBytes / gib,
                                  memory.totalBytes / gib);
    qDebug() << "System Version:"
             << QStringLiteral("%1 %2bit").arg(QSysInfo::prettyProductName()).arg(SystemInfo::processBits());

    QString screenSize;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        screenSize = QStringLiteral("%1 * %2").arg(available.width()).arg(available.height());
    }
    qDebug() << "Screen Size:" << screenSize;
}

QString DDataManager::appDirPath() const
{
    return QCoreApplication::applicationDirPath();
}

void DDataManager::loadThemeConfig(int themeIndex)
{
    QSettings file(themeFilePath(themeIndex, m_userThemeAllowed, appDirPath()), QSettings::IniFormat);
    file.setIniCodec("UTF-8");

    // Only the Black theme names the travel colours of the trigger page; the
    // other themes borrow them rather than leave the page without colours.
    QSettings black(themeFilePath(0, false, QString()), QSettings::IniFormat);
    black.setIniCodec("UTF-8");

    ThemeColor theme;
    for (const QString &key : ThemeColor::colorKeys()) {
        const QString fullKey = QStringLiteral("ThemeColor/") + key;
        QString value = file.value(fullKey).toString();
        if (!file.contains(fullKey) && ThemeColor::travelColorKeys().contains(key))
            value = black.value(fullKey).toString();
        value.replace(QLatin1Char('.'), QLatin1Char(','));
        *theme.colorMember(key) = adjustThemeColorAlpha(value);
    }
    theme.TextFont = file.value(QStringLiteral("ThemeColor/TextFont")).toString();
    m_themeColor = theme;

    initBoldThemeFont();
    initNormalThemeFont();
}

QFont DDataManager::themeFont(int kind) const
{
    if (!m_useLocalFont)
        return m_defaultFont;
    switch (kind) {
    case 0: return m_boldThemeFont;
    case 1: return m_normalThemeFont;
    default: return m_defaultFont;
    }
}

QString DDataManager::adjustThemeColorAlpha(const QString &color) const
{
    // Translucent colours stay translucent only over a background image.
    if (m_bgImageUsing || color.count(QLatin1Char(',')) != 3)
        return color;
    return color.left(color.lastIndexOf(QLatin1Char(',')));
}

void DDataManager::initBoldThemeFont()
{
    m_boldThemeFont = QFont(m_themeColor.TextFont, 10, 75, false);
}

void DDataManager::initNormalThemeFont()
{
    m_normalThemeFont = QFont(m_themeColor.TextFont, 10, 50, false);
}

bool DDataManager::storePath(char *buffer, const char *path, const char *what)
{
    if (!path) {
        qDebug() << "Refused an empty" << what << "path";
        return false;
    }
    const size_t length = std::strlen(path);
    if (length >= static_cast<size_t>(PathBufferSize)) {
        qDebug() << "Refused a" << what << "path of" << length << "bytes (at most"
                 << PathBufferSize - 1 << "fit):" << QString::fromLocal8Bit(path);
        return false;
    }
    std::memcpy(buffer, path, length + 1);
    return true;
}

bool DDataManager::setXmlProfilePath(const char *path) { return storePath(m_xmlProfilePath, path, "profile"); }
bool DDataManager::setMacroXmlPath(const char *path) { return storePath(m_macroXmlPath, path, "macro"); }
bool DDataManager::setMagneticXmlPath(const char *path) { return storePath(m_magneticXmlPath, path, "magnetic profile"); }
bool DDataManager::setSeniorKeyXmlPath(const char *path) { return storePath(m_seniorKeyXmlPath, path, "advanced-key"); }

void DDataManager::copyXmlProfilePath(char *dest) const { std::memcpy(dest, m_xmlProfilePath, PathBufferSize); }
void DDataManager::copyMacroXmlPath(char *dest) const { std::memcpy(dest, m_macroXmlPath, PathBufferSize); }
void DDataManager::copyMagneticXmlPath(char *dest) const { std::memcpy(dest, m_magneticXmlPath, PathBufferSize); }
void DDataManager::copySeniorKeyXmlPath(char *dest) const { std::memcpy(dest, m_seniorKeyXmlPath, PathBufferSize); }

void DDataManager::setClickedKey(int keyCode, const QString &keyText)
{
    m_clickedKeyCode = keyCode;
    m_clickedKeyText = keyText;
    emit sigKeyButtonClickedReturnKeyCodeAndKeyChar(keyCode, keyText);
}

void DDataManager::clearClickedKey()
{
    m_clickedKeyCode = -1;
    m_clickedKeyText.clear();
}

int DDataManager::softKeyboardLayoutId(const QString &modelName) const
{
    Q_UNUSED(modelName);
    return 31; // QLocale::English: every model uses the English soft keyboard.
}

void DDataManager::queryDynamicDisplaySensitivityNum(int queryKind, int column, int row)
{
    m_sensitivityQueryKind = queryKind;
    emit sigQueryDynamicDisplaySensitivityNum(column, row);
}

void DDataManager::emitDynamicDisplaySensitivityBackInfo(int type, int pressNum, int releaseNum,
                                                         int quickTriggerPressNum, int quickTriggerReleaseNum)
{
    if (m_sensitivityQueryKind == 0) {
        emit sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo(type, pressNum, releaseNum);
    } else {
        emit sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(type, pressNum, releaseNum,
                                                                        quickTriggerPressNum,
                                                                        quickTriggerReleaseNum);
    }
}

bool DDataManager::emitHookRuningStrtusCtrlMacroRecord(bool start)
{
    // The listener starts or stops the hook inside the emission and stores
    // its outcome through setHookRunning(). Without a listener nothing ran:
    // the outcome of an earlier request must not answer this one.
    m_hookRequestResult = false;
    emit sigHookRuningStrtusCtrl_MacroRecord(start);
    return m_hookRequestResult;
}

void DDataManager::emitRecviveStreamExMacroKeyboard(int keyCode, int scCode, int flag, int hookFlag)
{
    emit sigRecviveStreamEX_MacroKeyboard(keyCode, scCode, flag, hookFlag);
}

void DDataManager::emitRecviveStreamExMacroMouse(int nCode, WPARAM wParam, LPARAM lParam)
{
    emit sigRecviveStreamEX_MacroMouse(nCode, wParam, lParam);
}

void DDataManager::emitBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum)
{
    emit sigBackDynamicDisplaySensitivityNum(indexX, indexY, sensitivityNum);
}

void DDataManager::emitTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY)
{
    emit sigTheMagneticKeyboardCalibrationPoint(keyPointX, keyPointY);
}

void DDataManager::emitTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus)
{
    emit sigTheMagneticKeyboardCalibrationStatusBack(keyCalibrationStatus);
}

void DDataManager::emitMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus)
{
    emit sigMagneticKeyboardAllKeysCalibrationStatusBack(keyCalibrationStatus);
}

void DDataManager::emitSeniorKeysListItemHaveChanged()
{
    emit sigSeniorKeysListItemHaveChanged();
}
