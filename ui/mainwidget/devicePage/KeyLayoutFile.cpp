#include "ui/mainwidget/devicePage/KeyLayoutFile.h"

#include <QSet>

#include <cjson/cJSON.h>

#include <climits>
#include <cmath>
#include <memory>

namespace {

using JsonPtr = std::unique_ptr<cJSON, decltype(&cJSON_Delete)>;

QString quoted(const char *name)
{
    return QStringLiteral("\"%1\"").arg(QLatin1String(name));
}

QString rowName(int row)
{
    return QStringLiteral("EveryKeyInfo_Row0%1").arg(row);
}

// What a problem is about: the header, or one element of a row. The text
// is only made when there is a problem to tell.
struct Where {
    const char *element; // "cell", "side light" or null for the header
    int index;
    QString container;
    QString text() const
    {
        return element ? QStringLiteral("%1 %2 of %3").arg(QLatin1String(element)).arg(index).arg(container)
                       : container;
    }
};

// Reads one whole number of an object; false (with the problem in *error)
// when the member is missing, not a number, not whole or out of [low, high].
bool readInt(const cJSON *object, const char *name, int low, int high, const Where &place, int *value,
             QString *error)
{
    const cJSON *item = cJSON_GetObjectItem(object, name); // letter case ignored
    if (item && cJSON_IsNumber(item)) {
        const double d = item->valuedouble;
        if (std::isfinite(d) && d == std::floor(d) && d >= low && d <= high) {
            *value = static_cast<int>(d);
            return true;
        }
    }
    const QString where = place.text();
    if (!item) {
        *error = QStringLiteral("%1 lacks %2").arg(where, quoted(name));
        return false;
    }
    if (!cJSON_IsNumber(item)) {
        *error = QStringLiteral("%1 has a %2 that is not a number").arg(where, quoted(name));
        return false;
    }
    *error = QStringLiteral("%1 has %2 %3, outside %4..%5 or not whole")
                 .arg(where, quoted(name), QString::number(item->valuedouble, 'g', 12))
                 .arg(low)
                 .arg(high);
    return false;
}

} // namespace

QString KeyLayoutFile::captionFor(int code, const QByteArray &printedJson)
{
    if (code == 52 || code == 504)
        return QStringLiteral("' \"");
    QString caption = QString::fromLocal8Bit(printedJson);
    caption.remove(QLatin1Char('"'));
    return caption;
}

void KeyLayoutFile::clear()
{
    m_hasHeader = false;
    m_hasSideLights = false;
    m_specialEnterKey = false;
    m_specialEnterKeyShape = 0;
    m_hidDeviceType = 0;
    m_keys.clear();
    m_segments.clear();
}

bool KeyLayoutFile::parse(const QByteArray &text)
{
    clear();
    m_error.clear();

    const JsonPtr root(cJSON_ParseWithLength(text.constData(), static_cast<size_t>(text.size())),
                       cJSON_Delete);
    if (!root) {
        m_error = QStringLiteral("the text is not valid JSON");
        return false;
    }
    if (!cJSON_IsObject(root.get())) {
        m_error = QStringLiteral("the text is not a JSON object");
        return false;
    }

    QString error;
    bool hasHeader = false, hasSideLights = false, specialEnter = false;
    int enterShape = 0, deviceType = 0;
    if (const cJSON *header = cJSON_GetObjectItem(root.get(), "Keyboard")) {
        const Where where{nullptr, 0, quoted("Keyboard")};
        if (!cJSON_IsObject(header)) {
            m_error = QStringLiteral("%1 is not an object").arg(where.text());
            return false;
        }
        int sideLightHave = 0, specialEnterKey = 0;
        if (!readInt(header, "sideLightHave", 0, 1, where, &sideLightHave, &error)
            || !readInt(header, "specialEnterKey", 0, 1, where, &specialEnterKey, &error)
            || !readInt(header, "hidDeviceType", INT_MIN, INT_MAX, where, &deviceType, &error)
            || (specialEnterKey == 1
                && !readInt(header, "specialEnterKeyShape", INT_MIN, INT_MAX, where, &enterShape, &error))) {
            m_error = error;
            return false;
        }
        hasHeader = true;
        hasSideLights = sideLightHave == 1;
        specialEnter = specialEnterKey == 1;
    }

    QVector<Segment> segments;
    const QString segmentRow = quoted("EveryKeyInfo_Row00");
    if (hasSideLights) {
        // A model may announce side lights and still list none.
        if (const cJSON *row = cJSON_GetObjectItem(root.get(), "EveryKeyInfo_Row00")) {
            if (!cJSON_IsArray(row)) {
                m_error = QStringLiteral("%1 is not an array").arg(quoted("EveryKeyInfo_Row00"));
                return false;
            }
            QSet<int> indexes;
            int i = 0;
            for (const cJSON *cell = row->child; cell; cell = cell->next, ++i) {
                const Where where{"side light", i, segmentRow};
                if (!cJSON_IsObject(cell)) {
                    m_error = QStringLiteral("%1 is not an object").arg(where.text());
                    return false;
                }
                Segment s;
                KeyLayoutInfoStu &r = s.record;
                if (!readInt(cell, "PosX", -MaxCoordinate, MaxCoordinate, where, &r.x, &error)
                    || !readInt(cell, "PosY", -MaxCoordinate, MaxCoordinate, where, &r.y, &error)
                    || !readInt(cell, "Width", 0, MaxCoordinate, where, &r.width, &error)
                    || !readInt(cell, "Height", 0, MaxCoordinate, where, &r.height, &error)
                    || !readInt(cell, "Index", 1, INT_MAX, where, &r.code, &error)
                    || !readInt(cell, "validStatus", 0, 1, where, &s.validStatus, &error)
                    || !readInt(cell, "SidePosition", 0, 4, where, &r.sidePosition, &error)) {
                    m_error = error;
                    return false;
                }
                if (indexes.contains(r.code)) {
                    m_error = QStringLiteral("%1 repeats the index %2").arg(where.text()).arg(r.code);
                    return false;
                }
                indexes.insert(r.code);
                r.kind = KeyLayoutInfoStu::SideLight;
                segments.append(s);
            }
        }
    }

    QVector<Key> keys;
    keys.reserve(KeyCount);
    for (int j = 1; j <= Rows; ++j) {
        const QByteArray name = rowName(j).toLatin1();
        const QString label = quoted(name.constData());
        const cJSON *row = cJSON_GetObjectItem(root.get(), name.constData());
        if (!row) {
            m_error = QStringLiteral("%1 is missing").arg(label);
            return false;
        }
        if (!cJSON_IsArray(row)) {
            m_error = QStringLiteral("%1 is not an array").arg(label);
            return false;
        }
        const int cells = cJSON_GetArraySize(row);
        if (cells != Columns) {
            m_error = QStringLiteral("%1 has %2 cells instead of %3")
                          .arg(label)
                          .arg(cells)
                          .arg(Columns);
            return false;
        }
        int i = 0;
        for (const cJSON *cell = row->child; cell; cell = cell->next, ++i) {
            const Where where{"cell", i, label};
            if (!cJSON_IsObject(cell)) {
                m_error = QStringLiteral("%1 is not an object").arg(where.text());
                return false;
            }
            Key k;
            KeyLayoutInfoStu &r = k.record;
            if (!readInt(cell, "PosX", -1, MaxCoordinate, where, &r.x, &error)
                || !readInt(cell, "PosY", -1, MaxCoordinate, where, &r.y, &error)
                || !readInt(cell, "Width", 0, MaxCoordinate, where, &r.width, &error)
                || !readInt(cell, "Height", 0, MaxCoordinate, where, &r.height, &error)
                || !readInt(cell, "Dec", INT_MIN, INT_MAX, where, &r.code, &error)) {
                m_error = error;
                return false;
            }
            if (r.code != 0 && (r.x < 0 || r.y < 0)) {
                m_error = QStringLiteral("%1 places the key %2 at a negative position").arg(where.text()).arg(r.code);
                return false;
            }
            r.kind = KeyLayoutInfoStu::KeyCell;
            k.row = j - 1;
            k.column = i;
            if (const cJSON *character = cJSON_GetObjectItem(cell, "Character")) {
                const std::unique_ptr<char, decltype(&cJSON_free)> printed(cJSON_PrintUnformatted(character),
                                                                           cJSON_free);
                k.caption = captionFor(r.code, QByteArray(printed ? printed.get() : ""));
            } else {
                k.caption = captionFor(r.code, QByteArray());
            }
            keys.append(k);
        }
    }

    m_hasHeader = hasHeader;
    m_hasSideLights = hasSideLights;
    m_specialEnterKey = specialEnter;
    m_specialEnterKeyShape = enterShape;
    m_hidDeviceType = deviceType;
    m_keys = keys;
    m_segments = segments;
    return true;
}
