// Reading the fields of our JSON data files (the device table, the firmware
// table) through cJSON: texts, whole numbers and hex ids, strictly.
#ifndef LUMTAR_JSON_FIELDS_H
#define LUMTAR_JSON_FIELDS_H

#include <memory>
#include <string>

struct cJSON;

namespace lumtar {
namespace json {

struct JsonDeleter {
    void operator()(cJSON* j) const;
};
using Document = std::unique_ptr<cJSON, JsonDeleter>;

// Parses a whole text; null when it is not valid JSON.
Document parse(const std::string& text);

// The text of a member; empty when missing or not a text.
std::string text(const cJSON* object, const char* key);
// A whole number that fits an int; false for anything else.
bool integerValue(const cJSON* value, int* out);
// A member that is a whole number; a missing member gives fallback.
bool integer(const cJSON* object, const char* key, int* out, int fallback);
// Four hex digits at most ("1209", "ff60"); -1 when malformed.
int hexId(const std::string& s);

} // namespace json
} // namespace lumtar

#endif
