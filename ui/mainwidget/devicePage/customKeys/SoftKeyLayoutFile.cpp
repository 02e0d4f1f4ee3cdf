#include "ui/mainwidget/devicePage/customKeys/SoftKeyLayoutFile.h"

#include <QCoreApplication>
#include <QHash>

#include <cjson/cJSON.h>

#include "ui/mainwidget/devicePage/LayoutJson.h"

#include <climits>
#include <memory>

namespace {

using PrintedPtr = std::unique_ptr<char, decltype(&cJSON_free)>;

// Where a problem is: one element of a row. The text is made only when
// there is a problem to tell.
struct Where {
    int index;
    const QByteArray &row;
    QString text() const { return QStringLiteral("key %1 of %2").arg(index).arg(layoutJsonQuoted(row.constData())); }
};

} // namespace

QString SoftKeyLayoutFile::fileNameFor(int layoutId)
{
    if (layoutId == UsLayoutId)
        return QStringLiteral("softKeyInfoNormalUS.config");
    return QStringLiteral("softKeyInfoNormal_%1.config").arg(layoutId);
}

QString SoftKeyLayoutFile::languageKeyName(int keyCode)
{
    const char *name = nullptr;
    switch (keyCode) {
    case 144: name = QT_TRANSLATE_NOOP("QObject", "Korean/English"); break;
    case 145: name = QT_TRANSLATE_NOOP("QObject", "Chinese"); break;
    // The keys of Japanese and ISO boards, by the names their caps carry
    // (their places on the board are K14, K45, K56, K131, K132 and K133).
    case 137: name = QT_TRANSLATE_NOOP("QObject", "Yen"); break;
    case 100: name = QT_TRANSLATE_NOOP("QObject", "ISO \\|"); break;
    case 135: name = QT_TRANSLATE_NOOP("QObject", "Ro"); break;
    // A soft hyphen marks where a key too narrow for the name breaks it.
    case 139: name = QT_TRANSLATE_NOOP("QObject", "Muhen\u00ADkan"); break;
    case 138: name = QT_TRANSLATE_NOOP("QObject", "Henkan"); break;
    case 136: name = QT_TRANSLATE_NOOP("QObject", "Kana"); break;
    default: return QString();
    }
    return QCoreApplication::translate("QObject", name);
}

QString SoftKeyLayoutFile::labelFor(int keyCode, const QByteArray &printedJson, int layoutId)
{
    QString label = QString::fromUtf8(printedJson);
    label.remove(QLatin1Char('"'));
    if (keyCode == 52)
        label = QStringLiteral("' \"");
    const QString fixed = languageKeyName(keyCode);
    if (!fixed.isNull())
        label = fixed;
    // The variant layout 91 names three keys of its own.
    if (layoutId == 91) {
        if (keyCode == 47)
            label = QStringLiteral("\u00B4 `");
        else if (keyCode == 51)
            label = QStringLiteral("\u00C7");
        else if (keyCode == 52)
            label = QStringLiteral("~^");
    }
    return label;
}

void SoftKeyLayoutFile::clear()
{
    m_keys.clear();
    m_vkToKeyCode.clear();
    m_names.clear();
}

bool SoftKeyLayoutFile::parse(const QByteArray &text, int layoutId)
{
    clear();
    m_error.clear();

    const LayoutJsonPtr root = parseLayoutObject(text, &m_error);
    if (!root)
        return false;

    QVector<Key> keys;
    QHash<int, int> placeOfCode;
    QMap<int, int> vkToKeyCode;
    QMap<int, QString> names;
    QString error;
    for (int row = 1; row <= Rows; ++row) {
        const QByteArray rowName = QByteArrayLiteral("EveryKeyInfo_Row0") + QByteArray::number(row);
        const cJSON *elements = cJSON_GetObjectItem(root.get(), rowName.constData());
        if (!elements)
            continue; // a row the layout does not have
        if (!cJSON_IsArray(elements)) {
            m_error = QStringLiteral("%1 is not an array").arg(layoutJsonQuoted(rowName.constData()));
            return false;
        }
        int index = 0;
        for (const cJSON *element = elements->child; element; element = element->next, ++index) {
            const Where where{index, rowName};
            if (!cJSON_IsObject(element)) {
                m_error = QStringLiteral("%1 is not an object").arg(where.text());
                return false;
            }
            Key key;
            int x = 0, y = 0, width = 0, height = 0;
            if (!readLayoutInt(element, "PosX", -MaxCoordinate, MaxCoordinate, where, &x, &error)
                || !readLayoutInt(element, "PosY", -MaxCoordinate, MaxCoordinate, where, &y, &error)
                || !readLayoutInt(element, "Width", 0, MaxCoordinate, where, &width, &error)
                || !readLayoutInt(element, "Height", 0, MaxCoordinate, where, &height, &error)
                || !readLayoutInt(element, "Dec", INT_MIN, INT_MAX, where, &key.keyCode, &error)
                || !readLayoutInt(element, "qtDec", INT_MIN, INT_MAX, where, &key.vkCode, &error)) {
                m_error = error;
                return false;
            }
            const cJSON *character = cJSON_GetObjectItem(element, "Character");
            if (!character) {
                m_error = QStringLiteral("%1 lacks %2").arg(where.text(), layoutJsonQuoted("Character"));
                return false;
            }
            if (!cJSON_IsString(character)) {
                m_error = QStringLiteral("%1 has a %2 that is not a text")
                              .arg(where.text(), layoutJsonQuoted("Character"));
                return false;
            }
            const PrintedPtr printed(cJSON_PrintUnformatted(character), cJSON_free);
            if (!printed) {
                m_error = QStringLiteral("%1 has a %2 that cannot be read")
                              .arg(where.text(), layoutJsonQuoted("Character"));
                return false;
            }
            key.label = labelFor(key.keyCode, QByteArray(printed.get()), layoutId);
            key.geometry = QRect(x, y, width, height);

            const auto known = placeOfCode.constFind(key.keyCode);
            if (known != placeOfCode.constEnd()) {
                keys[known.value()] = key;
            } else {
                placeOfCode.insert(key.keyCode, keys.size());
                keys.append(key);
            }
            vkToKeyCode.insert(key.vkCode, key.keyCode);
            names.insert(key.keyCode, key.label);
        }
    }
    names.insert(FnKeyCode, QStringLiteral("Fn"));

    m_keys = keys;
    m_vkToKeyCode = vkToKeyCode;
    m_names = names;
    return true;
}
