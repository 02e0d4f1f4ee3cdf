#include "sdk/hid/JsonFields.h"

#include <cjson/cJSON.h>

#include <climits>

namespace lumtar {
namespace json {

void JsonDeleter::operator()(cJSON* j) const
{
    cJSON_Delete(j);
}

Document parse(const std::string& text)
{
    return Document(cJSON_ParseWithLength(text.data(), text.size()));
}

std::string text(const cJSON* object, const char* key)
{
    const cJSON* v = cJSON_GetObjectItemCaseSensitive(object, key);
    return cJSON_IsString(v) && v->valuestring ? std::string(v->valuestring) : std::string();
}

bool integerValue(const cJSON* value, int* out)
{
    if (!cJSON_IsNumber(value) || !(value->valuedouble >= INT_MIN && value->valuedouble <= INT_MAX))
        return false;
    *out = static_cast<int>(value->valuedouble);
    return static_cast<double>(*out) == value->valuedouble;
}

bool integer(const cJSON* object, const char* key, int* out, int fallback)
{
    const cJSON* v = cJSON_GetObjectItemCaseSensitive(object, key);
    if (!v) {
        *out = fallback;
        return true;
    }
    return integerValue(v, out);
}

int hexId(const std::string& s)
{
    if (s.empty() || s.size() > 4)
        return -1;
    int v = 0;
    for (char c : s) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return -1;
        v = v * 16 + d;
    }
    return v;
}

} // namespace json
} // namespace lumtar
