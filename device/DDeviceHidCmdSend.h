// Builds the 64-byte command reports of one keyboard and queues them on its
// I/O thread. It keeps no state besides the I/O thread it writes to.
#ifndef DDEVICEHIDCMDSEND_H
#define DDEVICEHIDCMDSEND_H

#include <QObject>
#include <QString>

class MainHidInterFace;
class HidReportBuff;

class DDeviceHidCmdSend : public QObject
{
    Q_OBJECT
public:
    explicit DDeviceHidCmdSend(QObject *parent = nullptr);

    void setHidInterface(MainHidInterFace *hidInterface);

    // Writes a serial number (an empty text makes a new one); returns the text sent.
    QString sendWriteSN(const QString &serialNumber);
    // Relays an 8-byte key report (modifier byte, 0, six key slots).
    void sendWriteSixKey(const unsigned char *keyReport);
    // Relays bytes 6..18 of the keyboard's full key report (a 64-byte input report).
    void sendWriteFullKey(const unsigned char *inputReport);
    void sendInquireLightMode();
    void sendInquireSideLightMode();
    void sendInquireKeyboardLightConfig();
    void sendInquireSideLightConfig();
    void sendReset();
    void sendSetSleepTime(int lightSleepSeconds, int keyboardSleepSeconds, int prohibitSleep);
    int sendSetGamePadMode(int mode);
    // The flags stand in the report as Windows key, Shift+Tab, Alt+F4, Alt+Tab
    // (bytes 13..16): the third argument lands in byte 16, the fourth in byte 15.
    int sendLockWin(int winKey, int shiftTab, int altTab, int altF4);
    void sendCheckLayoutSupportCustom();
    void sendCheckSleepTime();
    void sendQueryKeyboardSensitivity();
    void sendQueryKeyAntiShake();
    void sendQueryKeyRateOfReturn();

private:
    // Queues the report; on a closed device logs `failureText` once and returns -1.
    int send(const HidReportBuff &report, const char *failureText);

    MainHidInterFace *m_hidInterface = nullptr;
};

#endif
