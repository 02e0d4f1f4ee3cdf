#include "ui/mainwidget/devicePage/KeyLayoutFile.h"

#include "ui/mainwidget/devicePage/LayoutJson.h"

#include <QSet>

#include <cjson/cJSON.h>

#include <climits>
#include <memory>

namespace {

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

    const LayoutJsonPtr root = parseLayoutObject(text, &m_error);
    if (!root)
        return false;

    QString error;
    bool hasHeader = false, hasSideLights = false, specialEnter = false;
    int enterShape = 0, deviceType = 0;
    if (const cJSON *header = cJSON_GetObjectItem(root.get(), "Keyboard")) {
        const Where where{nullptr, 0, layoutJsonQuoted("Keyboard")};
        if (!cJSON_IsObject(header)) {
            m_error = QStringLiteral("%1 is not an object").arg(where.text());
            return false;
        }
        int sideLightHave = 0, specialEnterKey = 0;
        if (!readLayoutInt(header, "sideLightHave", 0, 1, where, &sideLightHave, &error)
            || !readLayoutInt(header, "specialEnterKey", 0, 1, where, &specialEnterKey, &error)
            || !readLayoutInt(header, "hidDeviceType", INT_MIN, INT_MAX, where, &deviceType, &error)
            || (specialEnterKey == 1
                && !readLayoutInt(header, "specialEnterKeyShape", INT_MIN, INT_MAX, where, &enterShape, &error))) {
            m_error = error;
            return false;
        }
        hasHeader = true;
        hasSideLights = sideLightHave == 1;
        specialEnter = specialEnterKey == 1;
    }

    QVector<Segment> segments;
    const QString segmentRow = layoutJsonQuoted("EveryKeyInfo_Row00");
    if (hasSideLights) {
        // A model may announce side lights and still list none.
        if (const cJSON *row = cJSON_GetObjectItem(root.get(), "EveryKeyInfo_Row00")) {
            if (!cJSON_IsArray(row)) {
                m_error = QStringLiteral("%1 is not an array").arg(layoutJsonQuoted("EveryKeyInfo_Row00"));
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
                if (!readLayoutInt(cell, "PosX", -MaxCoordinate, MaxCoordinate, where, &r.x, &error)
                    || !readLayoutInt(cell, "PosY", -MaxCoordinate, MaxCoordinate, where, &r.y, &error)
                    || !readLayoutInt(cell, "Width", 0, MaxCoordinate, where, &r.width, &error)
                    || !readLayoutInt(cell, "Height", 0, MaxCoordinate, where, &r.height, &error)
                    || !readLayoutInt(cell, "Index", 1, INT_MAX, where, &r.code, &error)
                    || !readLayoutInt(cell, "validStatus", 0, 1, where, &s.validStatus, &error)
                    || !readLayoutInt(cell, "SidePosition", 0, 4, where, &r.sidePosition, &error)) {
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
        const QString label = layoutJsonQuoted(name.constData());
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
            if (!readLayoutInt(cell, "PosX", -1, MaxCoordinate, where, &r.x, &error)
                || !readLayoutInt(cell, "PosY", -1, MaxCoordinate, where, &r.y, &error)
                || !readLayoutInt(cell, "Width", 0, MaxCoordinate, where, &r.width, &error)
                || !readLayoutInt(cell, "Height", 0, MaxCoordinate, where, &r.height, &error)
                || !readLayoutInt(cell, "Dec", INT_MIN, INT_MAX, where, &r.code, &error)) {
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
