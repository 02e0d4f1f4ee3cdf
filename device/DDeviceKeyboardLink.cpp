#include "device/DDeviceKeyboardLink.h"

#include "core/DDataManager.h"
#include "device/DDeviceHidCmdSend.h"
#include "device/DeviceModelLists.h"
#include "device/HidReportBuff.h"
#include "device/MainHidInterFace.h"
#include "platform/hostinput/HostInput.h"
#include "sdk/include/LumtarXml.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QStringList>

#include <cstring>
#include <memory>

namespace {

constexpr int kReportSize = HidReportBuff::Size;
constexpr int kUsageTab = 43;
constexpr int kUsageF4 = 61;
constexpr int kSerialLength = 32;

// Frees an input report whatever branch the dispatcher takes.
struct ReportDeleter {
    void operator()(unsigned char *p) const { delete[] p; }
};
using ReportPtr = std::unique_ptr<unsigned char[], ReportDeleter>;

bool isMarker(unsigned char b)
{
    return b == 0xA5 || b == 0x5A;
}

// The text of a fixed-size field up to its first zero byte, never past its end.
QByteArray fieldText(const char *field, size_t size)
{
    size_t n = 0;
    while (n < size && field[n] != '\0')
        ++n;
    return QByteArray(field, static_cast<int>(n));
}

template <size_t N>
QByteArray fieldText(const char (&field)[N])
{
    return fieldText(field, N);
}

template <size_t N>
void setField(char (&field)[N], const char *text)
{
    std::strncpy(field, text, N - 1);
    field[N - 1] = '\0';
}

bool isSerialNumberUsable(const QString &serial)
{
    if (serial.size() != kSerialLength)
        return false;
    for (const QChar c : serial) {
        const ushort u = c.unicode();
        const bool alnum = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!alnum)
            return false;
    }
    return true;
}

} // namespace

DDeviceKeyboardLink::DDeviceKeyboardLink(QObject *parent)
    : QObject(parent)
    , m_modifierUsages({224, 225, 226, 227, 228, 229, 230, 231})
    , m_keyboardLightConfig(lumtarDefaultColorInfo(LUMTAR_LIGHT_KIND_KEYBOARD))
    , m_sideLightConfig(lumtarDefaultColorInfo(LUMTAR_LIGHT_KIND_SIDE))
{
}

DDeviceKeyboardLink::~DDeviceKeyboardLink()
{
    // Stop the I/O thread first (closing waits for it), then free the
    // reports it already handed over and that still wait in the event queue.
    m_discardInput = true;
    delete m_cmdSend;
    m_cmdSend = nullptr;
    if (m_hidInterface) {
        m_hidInterface->closeHid();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        delete m_hidInterface;
        m_hidInterface = nullptr;
    }
}

void DDeviceKeyboardLink::openDevice(int index, hidStructInfoAll record)
{
    if (m_hidInterface) {
        qDebug() << "Open the device-failed: the link is already open";
        return;
    }
    m_deviceInfo = record;
    m_hidName = QString::fromUtf8(fieldText(m_deviceInfo.hidModel));

    m_hidInterface = new MainHidInterFace(index, m_hidName);
    connect(m_hidInterface, &MainHidInterFace::sigOpenHidSuccessful, this, &DDeviceKeyboardLink::onOpenHidSuccessful);
    connect(m_hidInterface, &MainHidInterFace::sigHidDataArrived, this, &DDeviceKeyboardLink::onHidDataArrived);
    connect(m_hidInterface, &MainHidInterFace::sigHidSnGetOver, this, &DDeviceKeyboardLink::onHidSNDataArrived);

    const QString path = QString::fromLatin1(fieldText(m_deviceInfo.hidPath));
    if (m_hidInterface->openHid(path) != 0) {
        qDebug() << "Open the device-failed";
        return;
    }
    m_hidInterface->start();
    m_cmdSend = new DDeviceHidCmdSend();
    m_cmdSend->setHidInterface(m_hidInterface);
}

void DDeviceKeyboardLink::setProfileIndex(int index)
{
    m_profileIndex = index;
}

void DDeviceKeyboardLink::setXmlProfilePath(const char *path)
{
    if (!path) {
        m_xmlProfilePath[0] = '\0';
        return;
    }
    const size_t length = std::strlen(path);
    if (length >= sizeof(m_xmlProfilePath)) {
        qDebug().noquote() << "Profile path too long, not taken:" << QString::fromLocal8Bit(path);
        return;
    }
    std::memcpy(m_xmlProfilePath, path, length + 1);
}

void DDeviceKeyboardLink::setDongleTracking(bool on)
{
    m_dongleTracking = on;
}

void DDeviceKeyboardLink::queryDeviceInfo()
{
    if (!m_cmdSend)
        return;
    m_cmdSend->sendInquireKeyboardLightConfig();
    m_cmdSend->sendInquireSideLightConfig();
    m_cmdSend->sendCheckLayoutSupportCustom();
    m_lightSync = true;
}

QString DDeviceKeyboardLink::profileIndexText() const
{
    return QString::number(m_profileIndex);
}

void DDeviceKeyboardLink::saveLightInfoToProFile(int ledType)
{
    if (ledType != LUMTAR_LIGHT_KIND_KEYBOARD && ledType != LUMTAR_LIGHT_KIND_SIDE)
        return;
    const bool received = ledType == LUMTAR_LIGHT_KIND_KEYBOARD ? m_keyboardConfigReceived : m_sideConfigReceived;
    if (!received)
        return;
    const colorInfoData &config = ledType == LUMTAR_LIGHT_KIND_KEYBOARD ? m_keyboardLightConfig : m_sideLightConfig;
    const int kind = ledType;
    const int mode = config.modeCode;
    const QByteArray index = profileIndexText().toLatin1();
    if (CLumtarXML_IsProFileAlreadyHaveLightInfo(m_xmlProfilePath, index.constData(), kind, mode))
        CLumtarXML_ModifyProFileLightInfoItem(m_xmlProfilePath, index.constData(), kind, mode, config);
    else
        CLumtarXML_AddProFileLightInfoItem(m_xmlProfilePath, index.constData(), config);
    CLumtarXML_ModifyProFileMouseLightUsingIndex(m_xmlProfilePath, index.constData(), kind, mode);
    if (m_lightSync)
        emit sigLightConfigHaveChanged_HidSend(kind, mode);
    m_lightSync = true;
}

void DDeviceKeyboardLink::sendReset()
{
    if (m_cmdSend)
        m_cmdSend->sendReset();
}

void DDeviceKeyboardLink::sendCheckSleepTime()
{
    if (m_cmdSend)
        m_cmdSend->sendCheckSleepTime();
}

int DDeviceKeyboardLink::sendSetGamePadMode(int mode)
{
    return m_cmdSend ? m_cmdSend->sendSetGamePadMode(mode) : -1;
}

void DDeviceKeyboardLink::sendSetSleepTime(int lightSleepSeconds, int keyboardSleepSeconds, int prohibitSleep)
{
    if (m_cmdSend)
        m_cmdSend->sendSetSleepTime(lightSleepSeconds, keyboardSleepSeconds, prohibitSleep);
}

int DDeviceKeyboardLink::sendLockWin(int winKey, int shiftTab, int altTab, int altF4)
{
    return m_cmdSend ? m_cmdSend->sendLockWin(winKey, shiftTab, altTab, altF4) : -1;
}

void DDeviceKeyboardLink::setOneKeyQueryPending(bool pending)
{
    if (pending)
        m_oneKeySensitivityList.clear();
    m_oneKeyQueryPending = pending;
}

void DDeviceKeyboardLink::setOneKeyQueryContext(int context1, int context2, int context3)
{
    m_oneKeyContext[0] = context1;
    m_oneKeyContext[1] = context2;
    m_oneKeyContext[2] = context3;
}

void DDeviceKeyboardLink::setHostInput(HostInput *hostInput)
{
    m_hostInput = hostInput;
}

HostInput *DDeviceKeyboardLink::hostInput()
{
    return m_hostInput ? m_hostInput : HostInput::systemInput();
}

void DDeviceKeyboardLink::onOpenHidSuccessful()
{
}

void DDeviceKeyboardLink::onHidWriteErrorInfo(QString errorInfo)
{
    Q_UNUSED(errorInfo)
}

void DDeviceKeyboardLink::onHidSNDataArrived(unsigned char *data, QString strHidName)
{
    ReportPtr report(data);
    if (m_discardInput || !data)
        return;
    const QByteArray raw = fieldText(reinterpret_cast<const char *>(data + 6), kSerialLength);
    const QString serial = QString::fromLatin1(raw);
    if (isSerialNumberUsable(serial)) {
        m_serialNumber = serial;
    } else if (m_cmdSend) {
        // The serial number names the keyboard's profile folder: only letters
        // and digits of the full length are taken, anything else is replaced.
        qDebug().noquote() << "Unusable serial number replaced:" << serial;
        m_serialNumber = m_cmdSend->sendWriteSN(QString());
    }
    if (!m_cmdSend)
        return;
    m_cmdSend->sendInquireKeyboardLightConfig();
    m_cmdSend->sendInquireSideLightConfig();
    m_cmdSend->sendInquireLightMode();
    if (DeviceModelLists::isMagneticModel(strHidName)) {
        m_cmdSend->sendQueryKeyboardSensitivity();
        m_cmdSend->sendQueryKeyAntiShake();
        m_cmdSend->sendQueryKeyRateOfReturn();
    }
}

void DDeviceKeyboardLink::onHidDataArrived(unsigned char *data, int length, int threadIndex)
{
    Q_UNUSED(threadIndex)
    ReportPtr report(data);
    if (m_discardInput || !data)
        return;
    dispatch(data, qBound(0, length, kReportSize));
}

int DDeviceKeyboardLink::requiredReplyLength(const unsigned char *d, int length)
{
    if (length < 2)
        return 2;
    switch (d[1]) {
    case 0x01:
        return 15;
    case 0x02:
    case 0x0A:
    case 0x0D:
        return 6; // read up to the count; see handleModeList and handleTextReply
    case 0x04:
        return 14;
    case 0x05:
        return 19;
    case 0x07:
    case 0x08:
        return 18;
    case 0x09:
    case 0x0B:
        return 3;
    case 0x0E:
        return 28;
    case 0x14:
        if (length < 3)
            return 3;
        return d[2] == 2 ? 14 : 3;
    case 0x20:
        return 11;
    case 0x21:
        if (length < 7)
            return 7;
        switch (d[6]) {
        case 1: return 10;
        case 5: return 12;
        case 8: return 30;
        case 4:
        case 7:
        case 9:
        case 10: return 8;
        default: return 7;
        }
    default:
        return 2;
    }
}

void DDeviceKeyboardLink::dispatch(const unsigned char *d, int length)
{
    if (length < requiredReplyLength(d, length)) {
        qDebug().noquote() << QStringLiteral("Short input report 0x%1 ignored, length %2")
                                  .arg(length >= 2 ? d[1] : 0, 2, 16, QLatin1Char('0'))
                                  .arg(length);
        return;
    }
    const QByteArray index = profileIndexText().toLatin1();
    switch (d[1]) {
    case 0x01:
        if (d[5] != 0)
            handleStatusReport(d);
        break;
    case 0x14:
        if (d[2] == 0)
            emit sigSleepTimeSetSuccessful();
        else if (d[2] == 2)
            handleSleepTimeInfo(d);
        break;
    case 0x04:
        handleKeyReport(d);
        break;
    case 0x0A:
        if (handleModeList(d, length, m_lightModeList) && m_cmdSend)
            m_cmdSend->sendInquireSideLightMode();
        break;
    case 0x02:
        handleSideLightModeList(d, length);
        break;
    case 0x07:
        handleLightConfig(d, LUMTAR_LIGHT_KIND_KEYBOARD);
        break;
    case 0x08:
        handleLightConfig(d, LUMTAR_LIGHT_KIND_SIDE);
        break;
    case 0x09:
        CLumtarXML_ModifyProFileMouseLightUsingIndex(m_xmlProfilePath, index.constData(), LUMTAR_LIGHT_KIND_KEYBOARD,
                                                     LUMTAR_KEYBOARD_MODE_CUSTOM);
        emit sigCustomLight_ConfigHaveChanged_HidSend0x09(LUMTAR_LIGHT_KIND_KEYBOARD, LUMTAR_KEYBOARD_MODE_CUSTOM, d[2]);
        break;
    case 0x0E:
        handleCustomKeyBitmap(d);
        break;
    case 0x05:
        if (m_cmdSend)
            m_cmdSend->sendWriteFullKey(d);
        break;
    case 0x19:
        emit sigRuningOnboard0x19Cmd();
        break;
    case 0x18:
        emit sigRuningOnboard0x18Cmd();
        break;
    case 0x0D:
        handleTextReply(d, length);
        break;
    case 0x0B:
        emit sigQN9080Recv0x0bCmd(d[2]);
        break;
    case 0x20:
        handleFunctionKeyEvent(d);
        break;
    case 0x21:
        handleMagneticReply(d);
        break;
    default:
        break;
    }
}

void DDeviceKeyboardLink::handleStatusReport(const unsigned char *d)
{
    m_keyRelayFilter = d[6] == 1;
    emit sigSendChargingStatusAndElectricity(d[9], d[10], d[11], d[12], m_serialNumber);
    if (m_dongleTracking) {
        if (d[11] == 1 && d[12] != m_lastDongleLinkState)
            emit sigDongleStatus(d[12], QString::fromLatin1(fieldText(m_deviceInfo.hidPath)), m_hidName);
        m_lastDongleLinkState = d[12];
    }
    if (d[13] != 0)
        emit sigRuningOnboardDownloadStatus(d[13]);
    if (DeviceModelLists::tracksKeyboardMode(m_hidName) && d[14] != m_lastKeyboardMode) {
        m_lastKeyboardMode = d[14];
        emit sigTheKeyboardModeChanged(d[14]);
    }
}

bool DDeviceKeyboardLink::handleModeList(const unsigned char *d, int length, LightSupportInfo &list)
{
    // Mode codes up to the first marker, then two values. Only what the
    // keyboard delivered is read: a cut-off list is not taken.
    std::vector<int> modes;
    int value1 = 0;
    int value2 = 0;
    bool marker = false;
    bool complete = false;
    for (int i = HidReportBuff::PayloadStart; i < length; ++i) {
        const unsigned char b = d[i];
        if (!marker) {
            if (isMarker(b))
                marker = true;
            else
                modes.push_back(b);
            continue;
        }
        if (isMarker(b))
            continue;
        value1 = b;
        if (i + 1 < length)
            value2 = d[i + 1];
        else if (i + 1 < kReportSize)
            break; // the second value was not delivered
        complete = true;
        break;
    }
    if (!complete && length == kReportSize)
        complete = true; // a full report without marker, or without values after it
    if (!complete) {
        qDebug() << "Light mode list cut short, ignored; length" << length;
        return false;
    }
    list.modeCodes = modes;
    list.speedLevels = value1;
    list.brightnessLevels = value2;
    return true;
}

void DDeviceKeyboardLink::handleSideLightModeList(const unsigned char *d, int length)
{
    if (!handleModeList(d, length, m_sideLightModeList))
        return;
    DDataManager::getInstance()->setHasSideLight(!m_sideLightModeList.modeCodes.empty());
    m_deviceInfoReady = true;
    if (m_cmdSend)
        m_cmdSend->sendCheckLayoutSupportCustom();
}

void DDeviceKeyboardLink::handleLightConfig(const unsigned char *d, int kind)
{
    colorInfoData &c = kind == LUMTAR_LIGHT_KIND_KEYBOARD ? m_keyboardLightConfig : m_sideLightConfig;
    c.lightKind = kind;
    c.modeCode = d[6];
    c.brightness = d[7] + 1;
    c.speed = d[8] + 1;
    c.red1 = d[9];
    c.green1 = d[10];
    c.blue1 = d[11];
    c.red2 = d[12];
    c.green2 = d[13];
    c.blue2 = d[14];
    c.direction = d[15];
    c.fullColor = d[16];
    c.extra1 = d[17];
    c.extra2 = 0;
    if (kind == LUMTAR_LIGHT_KIND_KEYBOARD)
        m_keyboardConfigReceived = true;
    else
        m_sideConfigReceived = true;
    if (m_lightSync)
        saveLightInfoToProFile(kind);
}

void DDeviceKeyboardLink::handleCustomKeyBitmap(const unsigned char *d)
{
    // Each reply describes the whole keyboard: the list is built anew.
    m_customKeyMap.clear();
    m_customKeyPosList.clear();
    for (int column = 0; column < 22; ++column)
        m_customKeyMap.insert(column, d[6 + column]);
    for (int column = 0; column < 22; ++column) {
        const int bits = m_customKeyMap.value(column);
        for (int row = 0; row < 6; ++row) {
            if (bits & (1 << row))
                m_customKeyPosList.append(qMakePair(row, column));
        }
    }
}

void DDeviceKeyboardLink::handleSleepTimeInfo(const unsigned char *d)
{
    const int lightSeconds = d[9] * 256 + d[10];
    const int keyboardSeconds = d[11] * 256 + d[12];
    DDataManager::getInstance()->setProhibitSleepStatus(d[13]);
    const QByteArray index = profileIndexText().toLatin1();
    CLumtarXML_SetProFileIntoSleepTimeInfo(m_xmlProfilePath, index.constData(), lightSeconds, keyboardSeconds / 60);
}

void DDeviceKeyboardLink::handleTextReply(const unsigned char *d, int length)
{
    int end = HidReportBuff::PayloadStart;
    while (end < length && d[end] != 0)
        ++end;
    if (end == length && length < kReportSize) {
        qDebug() << "Text reply cut short, ignored; length" << length;
        return;
    }
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(d + HidReportBuff::PayloadStart),
                                             end - HidReportBuff::PayloadStart);
    const QStringList fields = text.split(QLatin1Char(','));
    const QString field = fields.size() > 4 ? fields.at(4) : QString();
    emit sigWaitForDataReturn_0x0d(QString::fromLatin1(fieldText(m_deviceInfo.hidPath)), field);
}

void DDeviceKeyboardLink::handleMagneticReply(const unsigned char *d)
{
    DDataManager *shared = DDataManager::getInstance();
    switch (d[6]) {
    case 1:
        shared->emitBackDynamicDisplaySensitivityNum(d[7], d[8], d[9]);
        break;
    case 4:
        shared->setMaxSensitivityNum(d[7]);
        break;
    case 5:
        if (m_oneKeyQueryPending) {
            m_oneKeySensitivityList.append(QVector<int>{m_oneKeyContext[0], m_oneKeyContext[1], m_oneKeyContext[2],
                                                        d[7], d[8], d[9], d[10], d[10], d[11]});
            emit sigQueryMagneticAxisOneKeyDataBack();
        } else {
            shared->emitDynamicDisplaySensitivityBackInfo(d[7], d[8], d[9], d[10], d[11]);
        }
        break;
    case 7:
        shared->emitTheMagneticKeyboardCalibrationStatusBack(d[7]);
        break;
    case 8:
        m_allKeysCalibrationMap.clear();
        if (d[7] == 0 || d[7] == 1) {
            for (int column = 0; column < 22; ++column) {
                if (d[8 + column] != 0)
                    m_allKeysCalibrationMap.insert(column, d[8 + column]);
            }
        }
        shared->emitMagneticKeyboardAllKeysCalibrationStatusBack(d[7]);
        break;
    case 9:
        shared->setKeyRateOfReturnNum(d[7]);
        break;
    case 10:
        shared->setKeyAntiShakeNum(d[7]);
        break;
    default:
        break;
    }
}

// ---- key-report relay -----------------------------------------------------

int DDeviceKeyboardLink::modifierBitToUsage(int mask)
{
    for (int bit = 0; bit < 8; ++bit) {
        if (mask == (1 << bit))
            return 224 + bit;
    }
    return -1;
}

void DDeviceKeyboardLink::updatePendingKey(int usage, bool pressed)
{
    const int modifierBit = m_modifierUsages.indexOf(usage);
    if (modifierBit >= 0) {
        if (pressed)
            m_relayReport[0] = static_cast<unsigned char>(m_relayReport[0] | (1 << modifierBit));
        else
            m_relayReport[0] = static_cast<unsigned char>(m_relayReport[0] & ~(1 << modifierBit));
        return;
    }
    // Key slots hold usages 1..255; 0 marks a free slot and is never a key.
    if (usage <= 0 || usage > 255)
        return;
    if (pressed) {
        if (m_relayNextSlot < 8)
            m_relayReport[m_relayNextSlot++] = static_cast<unsigned char>(usage);
        return;
    }
    int slot = 2;
    while (slot < 8) {
        if (m_relayReport[slot] == usage) {
            for (int i = slot; i < 7; ++i)
                m_relayReport[i] = m_relayReport[i + 1];
            m_relayReport[7] = 0;
            if (m_relayNextSlot > 2)
                --m_relayNextSlot;
        } else {
            ++slot;
        }
    }
}

void DDeviceKeyboardLink::handleKeyReport(const unsigned char *d)
{
    unsigned char now[8];
    std::memcpy(now, d + 6, sizeof(now));
    const unsigned char *last = m_lastKeyReport;
    auto holds = [](const unsigned char *report, unsigned char usage) {
        for (int i = 2; i < 8; ++i) {
            if (report[i] == usage)
                return true;
        }
        return false;
    };
    for (int bit = 0; bit < 8; ++bit) {
        if ((now[0] & (1 << bit)) && !(last[0] & (1 << bit)))
            updatePendingKey(m_modifierUsages.at(bit), true);
    }
    for (int i = 2; i < 8; ++i) {
        if (now[i] != 0 && !holds(last, now[i]))
            updatePendingKey(now[i], true);
    }
    for (int bit = 0; bit < 8; ++bit) {
        if (!(now[0] & (1 << bit)) && (last[0] & (1 << bit)))
            updatePendingKey(m_modifierUsages.at(bit), false);
    }
    for (int i = 2; i < 8; ++i) {
        if (last[i] != 0 && !holds(now, last[i]))
            updatePendingKey(last[i], false);
    }
    std::memcpy(m_lastKeyReport, now, sizeof(now));
    if (m_keyRelayFilter)
        filterRelayReport();
    if (m_cmdSend)
        m_cmdSend->sendWriteSixKey(m_relayReport);
}

void DDeviceKeyboardLink::filterRelayReport()
{
    char flags[4][8];
    for (auto &flag : flags)
        setField(flag, "0");
    const QByteArray index = profileIndexText().toLatin1();
    CLumtarXML_GetProFileFunctionInfo(m_xmlProfilePath, index.constData(), flags);
    auto locked = [&flags](int i) { return fieldText(flags[i]) == "1"; };
    const bool altTabLocked = locked(0);
    const bool altF4Locked = locked(1);
    const bool shiftTabLocked = locked(2);
    const bool winLocked = locked(3);

    const unsigned char winBits = 0x08 | 0x80;
    if (m_relayReport[0] & winBits) {
        if (winLocked)
            m_relayReport[0] = static_cast<unsigned char>(m_relayReport[0] & ~winBits);
        return;
    }
    const unsigned char modifiers = m_relayReport[0];
    for (int bit = 0; bit < 8; ++bit) {
        if (!(modifiers & (1 << bit)))
            continue;
        const int usage = m_modifierUsages.at(bit);
        if (usage == 226 || usage == 230) { // L_ALT, R_ALT
            if (altTabLocked)
                updatePendingKey(kUsageTab, false);
            if (altF4Locked)
                updatePendingKey(kUsageF4, false);
        } else if (usage == 225 || usage == 229) { // L_SHIFT, R_SHIFT
            if (shiftTabLocked)
                updatePendingKey(kUsageTab, false);
        }
    }
}

// ---- function keys run on the computer --------------------------------------

void DDeviceKeyboardLink::handleFunctionKeyEvent(const unsigned char *d)
{
    const int keyId = d[9];
    const bool pressed = d[10] != 0;
    if (!pressed)
        return;
    KeyOperateInfoStu item;
    std::memset(&item, 0, sizeof(item));
    setField(item.keyCode, "-1");
    setField(item.keyName, "-1");
    setField(item.type, "-1");
    setField(item.count, "-1");
    setField(item.mode, "-1");
    setField(item.value, "-1");
    const QByteArray index = profileIndexText().toLatin1();
    const QByteArray keyCode = QByteArray::number(keyId);
    CLumtarXML_SelectProFileKeyOperateInfo(m_xmlProfilePath, index.constData(), keyCode.constData(), &item);
    bool ok = false;
    const int type = fieldText(item.type).trimmed().toInt(&ok);
    if (!ok)
        return;
    switch (type) {
    case KeyOperate_Disable:
        runDisableFunction(item, pressed);
        break;
    case KeyOperate_Text:
        runTextFunction(item, pressed);
        break;
    case KeyOperate_SwitchProfile:
        runSwitchProfileFunction(item, pressed);
        break;
    case KeyOperate_LaunchApp:
        runLaunchAppFunction(item, pressed);
        break;
    default:
        break;
    }
}

void DDeviceKeyboardLink::runDisableFunction(const KeyOperateInfoStu &item, bool pressed)
{
    Q_UNUSED(item)
    Q_UNUSED(pressed)
}

void DDeviceKeyboardLink::runTextFunction(const KeyOperateInfoStu &item, bool pressed)
{
    if (!pressed)
        return;
    hostInput()->typeText(QString::fromUtf8(fieldText(item.value)));
}

void DDeviceKeyboardLink::runSwitchProfileFunction(const KeyOperateInfoStu &item, bool pressed)
{
    if (!pressed)
        return;
    bool ok = false;
    const int profileIndex = fieldText(item.value).trimmed().toInt(&ok);
    if (!ok) {
        qDebug().noquote() << "Switch profile: stored profile index is not a number:"
                           << QString::fromUtf8(fieldText(item.value));
        return;
    }
    emit sigCustomEventChangProfile(profileIndex);
}

void DDeviceKeyboardLink::runLaunchAppFunction(const KeyOperateInfoStu &item, bool pressed)
{
    if (!pressed)
        return;
    hostInput()->launch(QString::fromUtf8(fieldText(item.value)));
}
