// Reading the JSON layout files (the keyboard view's key layouts and the
// soft keyboard's): the text must be one JSON object, and a number member
// must be there, be a number, be whole and lie within its bounds. Problem
// texts name the member and the place; they are made only when there is a
// problem (where.text()).
#ifndef LAYOUTJSON_H
#define LAYOUTJSON_H

#include <QByteArray>
#include <QString>

#include <cjson/cJSON.h>

#include <cmath>
#include <memory>

using LayoutJsonPtr = std::unique_ptr<cJSON, decltype(&cJSON_Delete)>;

// The text parsed as one JSON object; null, with the problem in *error, for
// a text that is not JSON or not an object.
inline LayoutJsonPtr parseLayoutObject(const QByteArray &text, QString *error)
{
    LayoutJsonPtr root(cJSON_ParseWithLength(text.constData(), static_cast<size_t>(text.size())), cJSON_Delete);
    if (!root) {
        *error = QStringLiteral("the text is not valid JSON");
        return root;
    }
    if (!cJSON_IsObject(root.get())) {
        *error = QStringLiteral("the text is not a JSON object");
        root.reset();
    }
    return root;
}

// A member name in double quotes, as problem texts show it.
inline QString layoutJsonQuoted(const char *name)
{
    return QStringLiteral("\"%1\"").arg(QLatin1String(name));
}

// Reads one whole number of an object (member names ignore letter case);
// false, with the problem in *error, when the member is missing, not a
// number, not whole or outside [low, high].
template <typename Where>
bool readLayoutInt(const cJSON *object, const char *name, int low, int high, const Where &where, int *value,
                   QString *error)
{
    const cJSON *item = cJSON_GetObjectItem(object, name);
    if (item && cJSON_IsNumber(item)) {
        const double d = item->valuedouble;
        if (std::isfinite(d) && d == std::floor(d) && d >= low && d <= high) {
            *value = static_cast<int>(d);
            return true;
        }
    }
    if (!item)
        *error = QStringLiteral("%1 lacks %2").arg(where.text(), layoutJsonQuoted(name));
    else if (!cJSON_IsNumber(item))
        *error = QStringLiteral("%1 has a %2 that is not a number").arg(where.text(), layoutJsonQuoted(name));
    else
        *error = QStringLiteral("%1 has %2 %3, outside %4..%5 or not whole")
                     .arg(where.text(), layoutJsonQuoted(name), QString::number(item->valuedouble, 'g', 12))
                     .arg(low)
                     .arg(high);
    return false;
}

#endif
