// The shared state's names for the function stored on a key: the function-type
// name and a detail text (macro name, key combination, multimedia action ...),
// shown by the keyboard view's hover card. The names themselves are those of
// KeyFunctionNames, which the key-function pages offer.
#include "core/DDataManager.h"

#include "core/KeyFunctionNames.h"
#include "sdk/include/LumtarXml.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include <cstring>
#include <list>
#include <optional>

namespace {

// The text of a fixed-size field: up to its first NUL, never past its end.
template <size_t N>
QByteArray fieldText(const char (&field)[N])
{
    return QByteArray(field, static_cast<int>(strnlen(field, N)));
}

// A stored decimal number: optional blanks around an optionally signed run of
// digits that fits an int. Anything else is no number.
std::optional<int> parseNumber(const QByteArray &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

QString deviceFunctionText(std::optional<int> subCode, const QByteArray &value)
{
    const int function = KeyFunctionNames::deviceFunctionOf(subCode, value);
    if (function < 0)
        return translated("Unknow");
    return translated(KeyFunctionNames::deviceFunction(function).name);
}

} // namespace

QString DDataManager::keyFunctionDisplayText(KeyOperateInfoStu item)
{
    m_functionDetailText = translated("Unknow");

    const std::optional<int> type = parseNumber(fieldText(item.type));
    if (!type)
        return translated("Default");
    if (*type == KeyOperate_NoFunction)
        return translated("Unknow");
    const char *typeName = KeyFunctionNames::typeSourceText(*type);
    if (!typeName)
        return translated("Default");

    const QByteArray valueText = fieldText(item.value);
    const std::optional<int> value = parseNumber(valueText);
    const std::optional<int> mode = parseNumber(fieldText(item.mode));
    switch (*type) {
    case KeyOperate_Remap:
        if (value)
            m_functionDetailText = m_keyCodeNameMap.value(*value);
        break;

    case KeyOperate_Macro:
        if (value) {
            char path[PathBufferSize];
            copyMacroXmlPath(path);
            LumtarIndexNameList macros;
            if (CLumtarXML_SelectMacroAllNodes(path, &macros)) {
                const std::string wanted = QByteArray::number(*value).toStdString();
                for (const auto &macro : macros) {
                    if (macro.first == wanted) {
                        m_functionDetailText = QString::fromStdString(macro.second);
                        break;
                    }
                }
            }
        }
        break;

    case KeyOperate_Combination:
        if (const std::optional<QString> text = KeyFunctionNames::combinationText(valueText, m_keyCodeNameMap))
            m_functionDetailText = *text;
        break;

    case KeyOperate_Multimedia: m_functionDetailText = KeyFunctionNames::multimedia().text(value); break;
    case KeyOperate_Mouse: m_functionDetailText = KeyFunctionNames::mouse().text(value); break;
    case KeyOperate_Disable: m_functionDetailText = translated("Disable"); break;
    case KeyOperate_Text:
    case KeyOperate_LaunchApp: m_functionDetailText = QString::fromUtf8(valueText); break;

    case KeyOperate_SwitchProfile:
        if (value) {
            char path[PathBufferSize];
            copyXmlProfilePath(path);
            ProfileNodeInfoStu node;
            std::memset(&node, 0, sizeof node);
            if (CLumtarXML_SelectProfileNodeInfo(path, valueText.trimmed().constData(), &node))
                m_functionDetailText = QString::fromUtf8(fieldText(node.name));
        }
        break;

    case KeyOperate_Shortcut: m_functionDetailText = KeyFunctionNames::shortcuts().text(value); break;
    case KeyOperate_DeviceFunction: m_functionDetailText = deviceFunctionText(mode, valueText); break;

    case 26:
        if (mode && *mode == 1)
            m_functionDetailText = translated(KeyFunctionNames::stopBackLight());
        else if (mode && *mode == 0)
            m_functionDetailText = KeyFunctionNames::closeLight().text(value);
        break;
    case 27: m_functionDetailText = translated(KeyFunctionNames::lightRecording()); break;

    case 34:
        if (mode)
            m_functionDetailText = KeyFunctionNames::sideLightOff().text(*mode);
        break;

    case KeyOperate_SeniorKey:
        if (value) {
            char path[PathBufferSize];
            copySeniorKeyXmlPath(path);
            std::list<SeniorKeyInfoStu> records;
            if (CLumtarXML_SeniorKey_SelectAllInfoItem(path, &records)) {
                for (const SeniorKeyInfoStu &record : records) {
                    if (record.id == *value) {
                        m_functionDetailText = QString::fromUtf8(fieldText(record.name));
                        break;
                    }
                }
            }
        }
        break;

    case KeyOperate_GamePadClassical: m_functionDetailText = KeyFunctionNames::classicalGamePad().text(value); break;
    case KeyOperate_GamePadXbox360: m_functionDetailText = KeyFunctionNames::xbox360GamePad().text(value); break;

    default:
        if (*type >= KeyOperate_KeyboardLightFirst && *type <= KeyOperate_KeyboardLightLast)
            m_functionDetailText = KeyFunctionNames::keyboardLightEvent(*type).text(value);
        else if (*type >= KeyOperate_SideLightFirst && *type <= KeyOperate_SideLightLast)
            m_functionDetailText = KeyFunctionNames::sideLightEvent(*type).text(value);
        break;
    }
    return translated(typeName);
}
