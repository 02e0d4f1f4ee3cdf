#include "support/ProfileFileFixture.h"

#include <QFile>

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

bool ProfileFileFixture::addMacroCopy(const QByteArray &path, const char *profile, int macroIndex)
{
    KeyOrMouseEventStu down;
    std::memset(&down, 0, sizeof down);
    std::strcpy(down.mark, "0");
    std::strcpy(down.delay, "10");
    std::strcpy(down.type, "key");
    std::strcpy(down.keyCode, "4");
    std::strcpy(down.codeName, "A");
    std::strcpy(down.operateExplain, "down");
    const QByteArray index = QByteArray::number(macroIndex);
    const QByteArray name = "Macro" + index;
    return CLumtarXML_AddProFileBindMacroItem(path.constData(), profile, {down}, index.constData(),
                                              name.constData());
}

bool ProfileFileFixture::hasMacroCopy(const QByteArray &path, const char *profile, int macroIndex)
{
    std::list<KeyOrMouseEventStu> events;
    const QByteArray index = QByteArray::number(macroIndex);
    return CLumtarXML_ProFileMacroWithKeyInfoSelectAll(path.constData(), profile, index.constData(), "", &events);
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
