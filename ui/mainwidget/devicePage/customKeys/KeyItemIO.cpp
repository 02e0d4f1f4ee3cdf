#include "ui/mainwidget/devicePage/customKeys/KeyItemIO.h"

#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"

#include <cstring>

KeyItemIO::KeyItemIO() = default;

KeyItemIO::KeyItemIO(int keyCode, const QString &keyName, int profileIndex, const char *path)
    : m_keyCode(keyCode)
    , m_keyName(keyName)
    , m_profileIndex(profileIndex)
{
    lumtarCopyField(m_path, path);
}

KeyItemIO KeyItemIO::selectedKeyLightPress()
{
    const DDataManager *data = DDataManager::getInstance();
    KeyItemIO io(data->clickedKeyCode(), data->clickedKeyChar(), 1, nullptr);
    return io.withLightPress();
}

KeyItemIO KeyItemIO::selectedKeyHeavyPress()
{
    return selectedKeyLightPress().withHeavyPress();
}

KeyItemIO KeyItemIO::withLightPress() const
{
    const DDataManager *data = DDataManager::getInstance();
    KeyItemIO io = *this;
    io.m_profileIndex = data->currentProfileIndex();
    data->copyXmlProfilePath(io.m_path);
    io.m_path[sizeof io.m_path - 1] = '\0';
    return io;
}

KeyItemIO KeyItemIO::withHeavyPress() const
{
    KeyItemIO io = *this;
    io.m_profileIndex = 1;
    DDataManager::getInstance()->copyMagneticXmlPath(io.m_path);
    io.m_path[sizeof io.m_path - 1] = '\0';
    return io;
}

int KeyItemIO::textNumber(const QByteArray &text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

KeyItemIO::StoreTexts KeyItemIO::storeTexts() const
{
    return {QByteArray::number(m_profileIndex), QByteArray::number(m_keyCode), m_keyName.toUtf8()};
}

std::optional<KeyOperateInfoStu> KeyItemIO::read() const
{
    KeyOperateInfoStu item;
    std::memset(&item, 0, sizeof item);
    std::strcpy(item.keyCode, "-1");
    std::strcpy(item.type, "-1");
    const StoreTexts t = storeTexts();
    if (!CLumtarXML_SelectProFileKeyOperateInfo(m_path, t.profile.constData(), t.code.constData(), &item))
        return std::nullopt;
    if (fieldNumber(item.keyCode) == NoKey)
        return std::nullopt;
    return item;
}

bool KeyItemIO::replace(const QByteArray &type, const QByteArray &count, const QByteArray &mode,
                        const QByteArray &value) const
{
    if (!hasKey())
        return false;
    const StoreTexts t = storeTexts();
    // The store replaces the key's earlier item in the same write.
    return CLumtarXML_AddProFileMacroWithKeyInfoItem(m_path, t.profile.constData(), t.code.constData(),
                                                     t.name.constData(), type.constData(), count.constData(),
                                                     mode.constData(), value.constData());
}

bool KeyItemIO::remove() const
{
    if (!hasKey())
        return false;
    const StoreTexts t = storeTexts();
    return CLumtarXML_DeleteProFileMacroWithKeyInfoItem(m_path, t.profile.constData(), t.code.constData(),
                                                        t.name.constData());
}

int KeyItemIO::countItems(const QByteArray &type, const QByteArray &value) const
{
    const QByteArray profile = QByteArray::number(m_profileIndex);
    return CLumtarXML_GetProFileValueNum(m_path, profile.constData(), type.constData(), value.constData());
}

namespace {

QByteArray macroCopyName(int macroIndex)
{
    return "Macro" + QByteArray::number(macroIndex);
}

} // namespace

bool KeyItemIO::hasMacroCopy(int macroIndex) const
{
    const QByteArray profile = QByteArray::number(m_profileIndex);
    const QByteArray index = QByteArray::number(macroIndex);
    std::list<KeyOrMouseEventStu> events;
    return CLumtarXML_ProFileMacroWithKeyInfoSelectAll(m_path, profile.constData(), index.constData(),
                                                       macroCopyName(macroIndex).constData(), &events);
}

bool KeyItemIO::replaceWithMacro(int count, int mode, int macroIndex,
                                 const std::list<KeyOrMouseEventStu> *copyEvents) const
{
    if (!hasKey())
        return false;
    const StoreTexts t = storeTexts();
    return CLumtarXML_AddProFileMacroKeyWithCopy(m_path, t.profile.constData(), t.code.constData(),
                                                 t.name.constData(), QByteArray::number(count).constData(),
                                                 QByteArray::number(mode).constData(),
                                                 QByteArray::number(macroIndex).constData(), copyEvents,
                                                 macroCopyName(macroIndex).constData());
}

bool KeyItemIO::removeMacroCopy(int macroIndex) const
{
    const QByteArray profile = QByteArray::number(m_profileIndex);
    const QByteArray index = QByteArray::number(macroIndex);
    return CLumtarXML_DeleteProFileBindMacroNode(m_path, profile.constData(), index.constData(),
                                                 macroCopyName(macroIndex).constData());
}

bool KeyItemIO::valueFits(const QByteArray &value)
{
    return value.size() < int(sizeof(KeyOperateInfoStu::value));
}
