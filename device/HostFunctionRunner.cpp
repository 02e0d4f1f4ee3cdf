#include "device/HostFunctionRunner.h"

#include "device/RecordFieldText.h"
#include "platform/hostinput/HostInput.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"

#include <QDebug>

#include <cstring>

HostFunctionRunner::HostFunctionRunner(QObject *parent)
    : QObject(parent)
{
}

void HostFunctionRunner::setHostInput(HostInput *hostInput)
{
    m_hostInput = hostInput;
}

HostInput *HostFunctionRunner::hostInput()
{
    return m_hostInput ? m_hostInput : HostInput::systemInput();
}

void HostFunctionRunner::runKey(const char *profilePath, int profileIndex, int keyId, bool pressed)
{
    if (!pressed)
        return;
    // The store leaves the pre-filled "-1" in place when the key has no item.
    KeyOperateInfoStu item;
    std::memset(&item, 0, sizeof(item));
    lumtarCopyField(item.keyCode, "-1");
    lumtarCopyField(item.keyName, "-1");
    lumtarCopyField(item.type, "-1");
    lumtarCopyField(item.count, "-1");
    lumtarCopyField(item.mode, "-1");
    lumtarCopyField(item.value, "-1");
    const QByteArray index = QByteArray::number(profileIndex);
    const QByteArray keyCode = QByteArray::number(keyId);
    CLumtarXML_SelectProFileKeyOperateInfo(profilePath, index.constData(), keyCode.constData(), &item);
    bool ok = false;
    const int type = recordFieldText(item.type).trimmed().toInt(&ok);
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

void HostFunctionRunner::runDisableFunction(const KeyOperateInfoStu &item, bool pressed)
{
    Q_UNUSED(item)
    Q_UNUSED(pressed)
}

void HostFunctionRunner::runTextFunction(const KeyOperateInfoStu &item, bool pressed)
{
    if (!pressed)
        return;
    hostInput()->typeText(QString::fromUtf8(recordFieldText(item.value)));
}

void HostFunctionRunner::runSwitchProfileFunction(const KeyOperateInfoStu &item, bool pressed)
{
    if (!pressed)
        return;
    bool ok = false;
    const int profileIndex = recordFieldText(item.value).trimmed().toInt(&ok);
    if (!ok) {
        qDebug().noquote() << "Switch profile: stored profile index is not a number:"
                           << QString::fromUtf8(recordFieldText(item.value));
        return;
    }
    emit sigSwitchProfile(profileIndex);
}

void HostFunctionRunner::runLaunchAppFunction(const KeyOperateInfoStu &item, bool pressed)
{
    if (!pressed)
        return;
    hostInput()->launch(QString::fromUtf8(recordFieldText(item.value)));
}
