#include "device/DDeviceKeyboardLink.h"

#include "core/DDataManager.h"
#include "core/hook/OwnKeyboardInput.h"
#include "device/DDeviceHidCmdSend.h"
#include "device/DeviceModelLists.h"
#include "device/DeviceSerialNumber.h"
#include "device/HidReportBuff.h"
#include "device/HostFunctionRunner.h"
#include "device/InputReportDecoder.h"
#include "device/MainHidInterFace.h"
#include "device/RecordFieldText.h"
#include "sdk/include/LumtarXml.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>

#include <cstring>
#include <memory>

using namespace InputReport;

namespace {

// Frees an input report whatever branch the dispatcher takes.
struct ReportDeleter {
    void operator()(unsigned char *p) const { delete[] p; }
};
using ReportPtr = std::unique_ptr<unsigned char[], ReportDeleter>;

QString latin1(const std::string &text)
{
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

DDeviceKeyboardLink::DDeviceKeyboardLink(QObject *parent)
    : QObject(parent)
    , m_hostFunctions(new HostFunctionRunner(this))
    , m_keyboardLightConfig(lumtarDefaultColorInfo(LUMTAR_LIGHT_KIND_KEYBOARD))
    , m_sideLightConfig(lumtarDefaultColorInfo(LUMTAR_LIGHT_KIND_SIDE))
{
    connect(m_hostFunctions, &HostFunctionRunner::sigSwitchProfile, this,
            &DDeviceKeyboardLink::sigCustomEventChangProfile);
}

DDeviceKeyboardLink::~DDeviceKeyboardLink()
{
    // Stop the I/O thread first (closing waits for it), then free the
    // reports it already handed over and that still wait in the event queue.
    m_discardInput = true;
    delete m_cmdSend;
    m_cmdSend = nullptr;
    if (m_hidInterface) {
        OwnKeyboardInput::instance().keyboardClosed(devicePath());
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
    m_hidName = QString::fromUtf8(recordFieldText(m_deviceInfo.hidModel));

    m_hidInterface = new MainHidInterFace(index, m_hidName);
    connect(m_hidInterface, &MainHidInterFace::sigOpenHidSuccessful, this, &DDeviceKeyboardLink::onOpenHidSuccessful);
    connect(m_hidInterface, &MainHidInterFace::sigHidDataArrived, this, &DDeviceKeyboardLink::onHidDataArrived);
    connect(m_hidInterface, &MainHidInterFace::sigHidSnGetOver, this, &DDeviceKeyboardLink::onHidSNDataArrived);

    const QString path = QString::fromLatin1(recordFieldText(m_deviceInfo.hidPath));
    if (m_hidInterface->openHid(path) != 0) {
        qDebug() << "Open the device-failed";
        return;
    }
    m_hidInterface->start();
    // Its presses reach the light effects also from its own input nodes.
    OwnKeyboardInput::instance().keyboardOpened(path);
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
    if (hasProfileFile()) {
        // The record and the current mode reach the disk in one write.
        LumtarXmlBatch batch(m_xmlProfilePath);
        if (CLumtarXML_IsProFileAlreadyHaveLightInfo(m_xmlProfilePath, index.constData(), kind, mode))
            CLumtarXML_ModifyProFileLightInfoItem(m_xmlProfilePath, index.constData(), kind, mode, config);
        else
            CLumtarXML_AddProFileLightInfoItem(m_xmlProfilePath, index.constData(), config);
        CLumtarXML_ModifyProFileMouseLightUsingIndex(m_xmlProfilePath, index.constData(), kind, mode);
    }
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
    m_hostFunctions->setHostInput(hostInput);
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
    // The I/O thread hands over whole 64-byte copies of serial-number replies.
    const Event event = InputReportDecoder::decode(data, HidReportBuff::Size);
    if (const auto *serial = std::get_if<SerialNumber>(&event))
        handleSerialNumber(latin1(serial->text), strHidName);
}

void DDeviceKeyboardLink::handleSerialNumber(const QString &serial, const QString &hidName)
{
    if (DeviceSerialNumber::isUsable(serial)) {
        m_serialNumber = serial;
    } else if (m_cmdSend) {
        // The serial number names the keyboard's profile folder: anything
        // but the full length of letters and digits is replaced.
        qDebug().noquote() << "Unusable serial number replaced:" << serial;
        m_serialNumber = m_cmdSend->sendWriteSN(QString());
    }
    if (!m_cmdSend)
        return;
    m_cmdSend->sendInquireKeyboardLightConfig();
    m_cmdSend->sendInquireSideLightConfig();
    m_cmdSend->sendInquireLightMode();
    if (DeviceModelLists::isMagneticModel(hidName)) {
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
    dispatch(InputReportDecoder::decode(data, length));
}

int DDeviceKeyboardLink::requiredReplyLength(const unsigned char *d, int length)
{
    return InputReportDecoder::requiredLength(d, length);
}

QString DDeviceKeyboardLink::devicePath() const
{
    return QString::fromLatin1(recordFieldText(m_deviceInfo.hidPath));
}

void DDeviceKeyboardLink::dispatch(const Event &event)
{
    DDataManager *shared = DDataManager::getInstance();
    std::visit(
        Overloaded{
            [](const Short &r) {
                qDebug().noquote() << QStringLiteral("Short input report 0x%1 ignored, length %2")
                                          .arg(qMax(r.id, 0), 2, 16, QLatin1Char('0'))
                                          .arg(r.length);
            },
            [this](const Status &r) { handleStatusReport(r); },
            [this](const SleepTimeAcknowledged &) { emit sigSleepTimeSetSuccessful(); },
            [this](const SleepTimes &r) { handleSleepTimes(r); },
            [this](const KeyReport &r) { handleKeyReport(r); },
            [this](const FullKeyReport &r) {
                if (!m_cmdSend)
                    return;
                HidReportBuff input;
                std::copy(r.bytes.begin(), r.bytes.end(), input.data() + HidReportBuff::PayloadStart);
                m_cmdSend->sendWriteFullKey(input.data());
            },
            [this](const LightModeList &r) { handleModeList(r); },
            [this](const LightConfig &r) { handleLightConfig(r.config); },
            [this](const CustomSchemeInUse &r) {
                const QByteArray index = profileIndexText().toLatin1();
                if (hasProfileFile())
                    CLumtarXML_ModifyProFileMouseLightUsingIndex(m_xmlProfilePath, index.constData(),
                                                                 LUMTAR_LIGHT_KIND_KEYBOARD,
                                                                 LUMTAR_KEYBOARD_MODE_CUSTOM);
                emit sigCustomLight_ConfigHaveChanged_HidSend0x09(LUMTAR_LIGHT_KIND_KEYBOARD,
                                                                  LUMTAR_KEYBOARD_MODE_CUSTOM, r.schemeIndex);
            },
            [this](const CustomKeyBitmap &r) { handleCustomKeyBitmap(r); },
            [this](const MacroPacketAcknowledged &) { emit sigRuningOnboard0x19Cmd(); },
            [this](const MacroSlotReply &) { emit sigRuningOnboard0x18Cmd(); },
            [this](const TextReply &r) {
                emit sigWaitForDataReturn_0x0d(devicePath(), latin1(r.fifthField()));
            },
            [this](const ReceiverReply &r) { emit sigQN9080Recv0x0bCmd(r.value); },
            [this](const FunctionKey &r) {
                m_hostFunctions->runKey(m_xmlProfilePath, m_profileIndex, r.keyId, r.pressed);
            },
            [shared](const KeyTravelSample &r) {
                shared->emitBackDynamicDisplaySensitivityNum(r.row, r.column, r.travel);
            },
            [shared](const MaxTravel &r) { shared->setMaxSensitivityNum(r.travel); },
            [this, shared](const KeyTravelSettings &r) {
                if (m_oneKeyQueryPending) {
                    m_oneKeySensitivityList.append(QVector<int>{m_oneKeyContext[0], m_oneKeyContext[1],
                                                                m_oneKeyContext[2], r.mode, r.pressTravel,
                                                                r.releaseTravel, r.rapidPressTravel,
                                                                r.rapidPressTravel, r.rapidReleaseTravel});
                    emit sigQueryMagneticAxisOneKeyDataBack();
                } else {
                    shared->emitDynamicDisplaySensitivityBackInfo(r.mode, r.pressTravel, r.releaseTravel,
                                                                  r.rapidPressTravel, r.rapidReleaseTravel);
                }
            },
            [shared](const KeyCalibrationStatus &r) {
                shared->emitTheMagneticKeyboardCalibrationStatusBack(r.status);
            },
            [this, shared](const AllKeysCalibrationStatus &r) {
                m_allKeysCalibrationMap.clear();
                if (r.status == 0 || r.status == 1) {
                    for (int column = 0; column < 22; ++column) {
                        if (r.columns[column] != 0)
                            m_allKeysCalibrationMap.insert(column, r.columns[column]);
                    }
                }
                shared->emitMagneticKeyboardAllKeysCalibrationStatusBack(r.status);
            },
            [shared](const ReportRate &r) { shared->setKeyRateOfReturnNum(r.value); },
            [shared](const AntiShake &r) { shared->setKeyAntiShakeNum(r.value); },
            // Serial numbers come through their own signal; the rest is not acted on.
            [](const SerialNumber &) {},
            [](const Ignored &) {},
        },
        event);
}

void DDeviceKeyboardLink::handleStatusReport(const Status &r)
{
    m_keyRelayFilter = r.keyRelayFilter;
    emit sigSendChargingStatusAndElectricity(r.charging, r.battery, r.connection, r.receiverLink, m_serialNumber);
    if (m_dongleTracking) {
        if (r.connection == LUMTAR_CONNECT_RECEIVER && r.receiverLink != m_lastDongleLinkState)
            emit sigDongleStatus(r.receiverLink, devicePath(), m_hidName);
        m_lastDongleLinkState = r.receiverLink;
    }
    if (r.downloadStatus != 0)
        emit sigRuningOnboardDownloadStatus(r.downloadStatus);
    if (DeviceModelLists::tracksKeyboardMode(m_hidName) && r.keyboardMode != m_lastKeyboardMode) {
        m_lastKeyboardMode = r.keyboardMode;
        emit sigTheKeyboardModeChanged(r.keyboardMode);
    }
}

void DDeviceKeyboardLink::handleModeList(const LightModeList &r)
{
    LightSupportInfo &list = r.kind == LUMTAR_LIGHT_KIND_KEYBOARD ? m_lightModeList : m_sideLightModeList;
    list.modeCodes = r.modes;
    list.speedLevels = r.speedLevels;
    list.brightnessLevels = r.brightnessLevels;
    // The keyboard's list leads to the side light's, and that one to the
    // custom-key bitmap.
    if (r.kind == LUMTAR_LIGHT_KIND_KEYBOARD) {
        if (m_cmdSend)
            m_cmdSend->sendInquireSideLightMode();
        return;
    }
    DDataManager::getInstance()->setHasSideLight(!m_sideLightModeList.modeCodes.empty());
    const bool fresh = !m_deviceInfoReady;
    m_deviceInfoReady = true;
    if (m_cmdSend)
        m_cmdSend->sendCheckLayoutSupportCustom();
    if (fresh)
        emit sigDeviceInfoReady();
}

void DDeviceKeyboardLink::handleLightConfig(const colorInfoData &config)
{
    const int kind = config.lightKind;
    if (kind == LUMTAR_LIGHT_KIND_KEYBOARD) {
        m_keyboardLightConfig = config;
        m_keyboardConfigReceived = true;
    } else {
        m_sideLightConfig = config;
        m_sideConfigReceived = true;
    }
    if (m_lightSync)
        saveLightInfoToProFile(kind);
}

void DDeviceKeyboardLink::handleCustomKeyBitmap(const CustomKeyBitmap &r)
{
    // Each reply describes the whole keyboard: the list is built anew.
    m_customKeyMap.clear();
    m_customKeyPosList.clear();
    for (int column = 0; column < 22; ++column)
        m_customKeyMap.insert(column, r.columns[column]);
    for (int column = 0; column < 22; ++column) {
        for (int row = 0; row < 6; ++row) {
            if (r.columns[column] & (1 << row))
                m_customKeyPosList.append(qMakePair(row, column));
        }
    }
}

void DDeviceKeyboardLink::handleSleepTimes(const SleepTimes &r)
{
    DDataManager::getInstance()->setProhibitSleepStatus(r.prohibitSleep);
    const QByteArray index = profileIndexText().toLatin1();
    if (hasProfileFile())
        CLumtarXML_SetProFileIntoSleepTimeInfo(m_xmlProfilePath, index.constData(), r.lightSeconds,
                                               r.keyboardSeconds / 60);
}

// ---- key-report relay -----------------------------------------------------

int DDeviceKeyboardLink::modifierBitToUsage(int mask)
{
    return KeyReportRelay::modifierBitToUsage(mask);
}

void DDeviceKeyboardLink::updatePendingKey(int usage, bool pressed)
{
    m_keyRelay.updatePendingKey(usage, pressed);
}

KeyReportRelay::Locks DDeviceKeyboardLink::profileLocks() const
{
    // Stored in this order: Alt+Tab, Alt+F4, Shift+Tab, Windows key; "1"
    // locks. A profile without stored flags locks nothing.
    char flags[4][8];
    for (auto &flag : flags)
        lumtarCopyField(flag, "0");
    const QByteArray index = profileIndexText().toLatin1();
    CLumtarXML_GetProFileFunctionInfo(m_xmlProfilePath, index.constData(), flags);
    auto locked = [&flags](int i) { return recordFieldText(flags[i]) == "1"; };
    KeyReportRelay::Locks locks;
    locks.altTab = locked(0);
    locks.altF4 = locked(1);
    locks.shiftTab = locked(2);
    locks.windowsKey = locked(3);
    return locks;
}

void DDeviceKeyboardLink::handleKeyReport(const KeyReport &r)
{
    KeyReportRelay::Locks locks;
    if (m_keyRelayFilter)
        locks = profileLocks();
    const KeyReportRelay::Report &relayed = m_keyRelay.relay(r.keys, m_keyRelayFilter ? &locks : nullptr);
    if (m_cmdSend)
        m_cmdSend->sendWriteSixKey(relayed.data());
    const std::vector<int> pressed = m_keyRelay.lastPressed(); // a receiver may run another report
    for (int usage : pressed)
        emit sigKeyUsagePressed(usage);
}

// ---- function keys run on the computer --------------------------------------

void DDeviceKeyboardLink::handleFunctionKeyEvent(const unsigned char *d)
{
    const Event event = InputReportDecoder::decode(d, HidReportBuff::Size);
    if (const auto *key = std::get_if<FunctionKey>(&event))
        m_hostFunctions->runKey(m_xmlProfilePath, m_profileIndex, key->keyId, key->pressed);
}

void DDeviceKeyboardLink::runDisableFunction(const KeyOperateInfoStu &item, bool pressed)
{
    m_hostFunctions->runDisableFunction(item, pressed);
}

void DDeviceKeyboardLink::runTextFunction(const KeyOperateInfoStu &item, bool pressed)
{
    m_hostFunctions->runTextFunction(item, pressed);
}

void DDeviceKeyboardLink::runSwitchProfileFunction(const KeyOperateInfoStu &item, bool pressed)
{
    m_hostFunctions->runSwitchProfileFunction(item, pressed);
}

void DDeviceKeyboardLink::runLaunchAppFunction(const KeyOperateInfoStu &item, bool pressed)
{
    m_hostFunctions->runLaunchAppFunction(item, pressed);
}
