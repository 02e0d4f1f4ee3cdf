#include "device/DDeviceHidCmdSend.h"

#include "device/DeviceSerialNumber.h"
#include "device/HidReportBuff.h"
#include "device/MainHidInterFace.h"

#include <QDebug>

#include <algorithm>

namespace {

uint16_t clampWord(int value)
{
    return static_cast<uint16_t>(std::clamp(value, 0, 0xFFFF));
}

HidReportBuff writeSNReport(const QByteArray &serialLocal8Bit)
{
    HidReportBuff r(0x15, 0, DeviceSerialNumber::Length);
    const int n = std::min(serialLocal8Bit.size(), DeviceSerialNumber::Length);
    for (int i = 0; i < n; ++i)
        r[6 + i] = static_cast<uint8_t>(serialLocal8Bit.at(i));
    return r;
}

HidReportBuff sleepTimeReport(int lightSleepSeconds, int keyboardSleepSeconds, int prohibitSleep)
{
    HidReportBuff r(0x13, 1, 1);
    // The keyboard takes 16-bit seconds; longer times are held at the largest one.
    r.setWord(9, clampWord(lightSleepSeconds));
    r.setWord(11, clampWord(keyboardSleepSeconds));
    r[13] = static_cast<uint8_t>(prohibitSleep);
    return r;
}

HidReportBuff lockWinReport(int winKey, int shiftTab, int altTab, int altF4)
{
    HidReportBuff r(0x13, 0, 1);
    r[6] = 0;
    r[13] = static_cast<uint8_t>(winKey);
    r[14] = static_cast<uint8_t>(shiftTab);
    r[15] = static_cast<uint8_t>(altF4);
    r[16] = static_cast<uint8_t>(altTab);
    return r;
}

} // namespace

DDeviceHidCmdSend::DDeviceHidCmdSend(QObject *parent)
    : QObject(parent)
{
}

void DDeviceHidCmdSend::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

int DDeviceHidCmdSend::send(const HidReportBuff &report, const char *failureText)
{
    const int result = m_hidInterface ? m_hidInterface->writeHidCmd(report.constData()) : -1;
    if (result < 0)
        qDebug().noquote() << failureText;
    return result;
}

QString DDeviceHidCmdSend::sendWriteSN(const QString &serialNumber)
{
    const QString text = serialNumber.isEmpty() ? DeviceSerialNumber::generate() : serialNumber;
    send(writeSNReport(text.toLocal8Bit()), "USB serial port [Write SN] Failed ...");
    return text;
}

void DDeviceHidCmdSend::sendWriteSixKey(const unsigned char *keyReport)
{
    HidReportBuff r(0x03, 0, 9);
    if (keyReport)
        std::copy(keyReport, keyReport + 8, r.data() + 6);
    send(r, "USB serial port [Write Key] Failed ...");
}

void DDeviceHidCmdSend::sendWriteFullKey(const unsigned char *inputReport)
{
    HidReportBuff r(0x04, 0, 21);
    if (inputReport)
        std::copy(inputReport + 6, inputReport + 19, r.data() + 6);
    send(r, "USB serial port [Write Key] Failed ...");
}

void DDeviceHidCmdSend::sendInquireLightMode()
{
    send(HidReportBuff(0x09, 0, 0), "---------- *** Inquire [Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::sendInquireSideLightMode()
{
    send(HidReportBuff(0x01, 0, 0), "---------- *** Inquire [Side Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::sendInquireKeyboardLightConfig()
{
    send(HidReportBuff(0x06, 1, 0), "---------- *** Inquire [Keyboard Light Config] Failed *** ----------");
}

void DDeviceHidCmdSend::sendInquireSideLightConfig()
{
    send(HidReportBuff(0x07, 1, 0), "---------- *** Inquire [Side Light Config] Failed *** ----------");
}

void DDeviceHidCmdSend::sendReset()
{
    HidReportBuff r(0x13, 0, 1);
    r[6] = 1;
    send(r, "---------- *** [Reset] Failed *** ----------");
}

void DDeviceHidCmdSend::sendSetSleepTime(int lightSleepSeconds, int keyboardSleepSeconds, int prohibitSleep)
{
    send(sleepTimeReport(lightSleepSeconds, keyboardSleepSeconds, prohibitSleep),
         "---------- *** [Set Sleep time] Failed *** ----------");
}

int DDeviceHidCmdSend::sendSetGamePadMode(int mode)
{
    HidReportBuff r(0x13, 3, 1);
    r[6] = static_cast<uint8_t>(mode);
    return send(r, "---------- *** [Set GamePad Mode] Failed *** ----------");
}

int DDeviceHidCmdSend::sendLockWin(int winKey, int shiftTab, int altTab, int altF4)
{
    return send(lockWinReport(winKey, shiftTab, altTab, altF4), "---------- *** [Lock Win] Failed *** ----------");
}

void DDeviceHidCmdSend::sendCheckLayoutSupportCustom()
{
    send(HidReportBuff(0x0D, 0, 0), "USB serial port [Check keyboard layout is support custom] Failed ...");
}

void DDeviceHidCmdSend::sendCheckSleepTime()
{
    send(HidReportBuff(0x13, 2, 1), "---------- *** [Check Sleep time] Failed *** ----------");
}

void DDeviceHidCmdSend::sendQueryKeyboardSensitivity()
{
    HidReportBuff r(0x29, 0, 24);
    r[6] = 4;
    send(r, "USB serial port [Query Keyboard Sensitivity] Failed ...");
}

void DDeviceHidCmdSend::sendQueryKeyAntiShake()
{
    HidReportBuff r(0x29, 0, 24);
    r[6] = 10;
    r[7] = 0;
    send(r, "USB serial port [Query Keyboard Sensitivity] Failed ...");
}

void DDeviceHidCmdSend::sendQueryKeyRateOfReturn()
{
    HidReportBuff r(0x29, 0, 24);
    r[6] = 9;
    r[7] = 0;
    send(r, "USB serial port [Query Keyboard Sensitivity] Failed ...");
}
