#include "support/ProfileFileFixture.h"

#include <QFile>

#include <cstdio>
#include <cstring>
#include <list>
#include <string>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"

ProfileFileFixture::ProfileFileFixture()
{
    if (!m_dir.isValid())
        return;
    m_profilePath = QFile::encodeName(m_dir.filePath(QStringLiteral("appProfile_Default.xml")));
    m_heavyPath = QFile::encodeName(m_dir.filePath(QStringLiteral("appProfile_Magnetic.xml")));
    m_macroPath = QFile::encodeName(m_dir.filePath(QStringLiteral("appMacro.xml")));
    m_seniorKeyPath = QFile::encodeName(m_dir.filePath(QStringLiteral("SeniorKeyConfig.xml")));
    m_valid = CLumtarXML_CreateXMLFile(m_profilePath.constData())
        && CLumtarXML_CreateProFileXmlParentNode(m_profilePath.constData(), "1", "Profile1", 0)
        && CLumtarXML_CreateProFileXmlParentNode(m_profilePath.constData(), "2", "Profile2", 0)
        && CLumtarXML_ModifyXMLFileProfileIndex(m_profilePath.constData(), 1)
        && CLumtarXML_CreateXMLFile(m_heavyPath.constData())
        && CLumtarXML_CreateProFileXmlParentNode(m_heavyPath.constData(), "1", "Profile1", 0)
        && CLumtarXML_CreateXMLFile(m_macroPath.constData())
        && CLumtarXML_SeniorKey_CreateXMLFile(m_seniorKeyPath.constData())
        && CLumtarXML_SeniorKey_CreateProFileXmlParentNode(m_seniorKeyPath.constData());

    DDataManager *data = DDataManager::getInstance();
    m_valid = m_valid && data->setXmlProfilePath(m_profilePath.constData())
        && data->setMagneticXmlPath(m_heavyPath.constData()) && data->setMacroXmlPath(m_macroPath.constData())
        && data->setSeniorKeyXmlPath(m_seniorKeyPath.constData());
    data->setCurrentProfileIndex(1);
    // No key selected and no device facts from an earlier test.
    data->clearClickedKey();
    data->setMagneticKeyboard(false);
    data->setHeavyPressLayerEnabled(true);
    data->setHasSideLight(false);
    data->setGamePadMode(-1);
    data->setHidDeviceType(1);
}

bool ProfileFileFixture::bind(const QByteArray &path, const char *profile, int keyCode, const char *type,
                              const char *value, const char *count, const char *mode)
{
    const QByteArray code = QByteArray::number(keyCode);
    return CLumtarXML_AddProFileMacroWithKeyInfoItem(path.constData(), profile, code.constData(), "key", type, count,
                                                     mode, value);
}

KeyOrMouseEventStu ProfileFileFixture::keyEvent(int mark, int keyCode, bool down)
{
    KeyOrMouseEventStu event;
    std::memset(&event, 0, sizeof event);
    std::snprintf(event.mark, sizeof event.mark, "%d", mark);
    std::strcpy(event.delay, "10");
    std::strcpy(event.type, "key");
    std::snprintf(event.keyCode, sizeof event.keyCode, "%d", keyCode);
    std::strcpy(event.codeName, "A");
    std::strcpy(event.operateExplain, down ? "down" : "up");
    return event;
}

std::list<KeyOrMouseEventStu> ProfileFileFixture::keyStrokes(int keys)
{
    std::list<KeyOrMouseEventStu> events;
    for (int k = 0; k < keys; ++k) {
        events.push_back(keyEvent(k, 4 + k, true));
        events.push_back(keyEvent(k, 4 + k, false));
    }
    return events;
}

bool ProfileFileFixture::addMacro(const QByteArray &macroPath, int index, const char *name, int keys)
{
    const QByteArray text = QByteArray::number(index);
    return CLumtarXML_CreateMacroXmlParentNode(macroPath.constData(), text.constData(), name)
        && CLumtarXML_AddKeyOrMouseEventItem(macroPath.constData(), keyStrokes(keys), text.constData());
}

SeniorKeyInfoStu ProfileFileFixture::seniorKey(int id, const char *name, int kind)
{
    SeniorKeyInfoStu record;
    std::memset(&record, 0, sizeof record);
    record.id = id;
    std::snprintf(record.name, sizeof record.name, "%s", name);
    record.kind = kind;
    std::strcpy(record.keySlot[0], "4");
    std::strcpy(record.keySlot[1], "5");
    record.holdDuration = 200;
    return record;
}

bool ProfileFileFixture::addSeniorKey(const QByteArray &seniorKeyPath, const SeniorKeyInfoStu &record)
{
    return CLumtarXML_SeniorKey_AddInfoItem(seniorKeyPath.constData(), record.kind, record);
}

bool ProfileFileFixture::addMacroCopy(const QByteArray &path, const char *profile, int macroIndex)
{
    const QByteArray index = QByteArray::number(macroIndex);
    const QByteArray name = "Macro" + index;
    return CLumtarXML_AddProFileBindMacroItem(path.constData(), profile, {keyEvent(0, 4, true)}, index.constData(),
                                              name.constData());
}

bool ProfileFileFixture::hasMacroCopy(const QByteArray &path, const char *profile, int macroIndex)
{
    return macroCopySize(path, profile, macroIndex) >= 0;
}

int ProfileFileFixture::macroCopySize(const QByteArray &path, const char *profile, int macroIndex)
{
    std::list<KeyOrMouseEventStu> events;
    const QByteArray index = QByteArray::number(macroIndex);
    if (!CLumtarXML_ProFileMacroWithKeyInfoSelectAll(path.constData(), profile, index.constData(), "", &events))
        return -1;
    return int(events.size());
}

std::optional<KeyOperateInfoStu> ProfileFileFixture::item(const QByteArray &path, const char *profile, int keyCode)
{
    KeyOperateInfoStu record;
    std::memset(&record, 0, sizeof record);
    std::strcpy(record.keyCode, "-1");
    const QByteArray code = QByteArray::number(keyCode);
    if (!CLumtarXML_SelectProFileKeyOperateInfo(path.constData(), profile, code.constData(), &record))
        return std::nullopt;
    return record;
}

QList<int> ProfileFileFixture::keyCodes(const QByteArray &path, const char *profile)
{
    std::list<std::string> codes;
    CLumtarXML_ProFileKeyInfoSelectAll(path.constData(), profile, &codes);
    QList<int> out;
    for (const std::string &code : codes)
        out << QByteArray::fromStdString(code).toInt();
    return out;
}
