// Function keys whose stored function runs on the computer: the keyboard
// reports the key (input report 0x20) and this reads the key's function from
// the current profile and types its text, launches its program or asks for a
// profile switch. Disabled keys and every other function run in the keyboard.
// GUI thread only.
#ifndef HOSTFUNCTIONRUNNER_H
#define HOSTFUNCTIONRUNNER_H

#include "sdk/include/LumtarRecords.h"

#include <QObject>

class HostInput;

class HostFunctionRunner : public QObject
{
    Q_OBJECT
public:
    explicit HostFunctionRunner(QObject *parent = nullptr);

    // Where typing and launching go; the system's own when none is given.
    void setHostInput(HostInput *hostInput);

    // Runs the function that profile `profileIndex` of the file stores for the
    // key, when the key went down; a key without a function runs nothing.
    void runKey(const char *profilePath, int profileIndex, int keyId, bool pressed);

    void runDisableFunction(const KeyOperateInfoStu &item, bool pressed);
    void runTextFunction(const KeyOperateInfoStu &item, bool pressed);
    void runSwitchProfileFunction(const KeyOperateInfoStu &item, bool pressed);
    void runLaunchAppFunction(const KeyOperateInfoStu &item, bool pressed);

signals:
    void sigSwitchProfile(int profileIndex);

private:
    HostInput *hostInput();

    HostInput *m_hostInput = nullptr;
};

#endif
