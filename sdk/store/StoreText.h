// Text helpers of the stores: bounded copies into the fixed record fields,
// strict number parsing and the comparison of index and code texts.
#ifndef LUMTAR_STORE_TEXT_H
#define LUMTAR_STORE_TEXT_H

#include <stddef.h>
#include <stdint.h>

#include <string>

namespace lumtar {
namespace store {

// Longest path a store accepts, in bytes.
constexpr size_t kMaxPathBytes = 4095;
// Longest single text (name, value) a store accepts from a caller, in bytes.
constexpr size_t kMaxTextBytes = 1024 * 1024;

// Copies src into dst (capacity cap, cap > 0): at most cap - 1 bytes, cut so
// that no UTF-8 sequence is split, always NUL-terminated.
void copyBounded(char *dst, size_t cap, const char *src);
inline void copyBounded(char *dst, size_t cap, const std::string &src) { copyBounded(dst, cap, src.c_str()); }

// The text of a fixed-size character field that may lack its NUL.
std::string fieldText(const char *field, size_t cap);

// Whole-text decimal integer (optional sign, surrounding blanks allowed).
bool parseInteger(const char *text, long long *value);
// A number read from a file: the integer when it parses, clamped to 32 bits;
// fallback otherwise.
int32_t toInt32(const char *text, int32_t fallback = 0);

// Index, key-code, type and value texts match as numbers when both are
// numbers ("01" is "1"), otherwise as exact texts.
bool sameNumberOrText(const char *a, const char *b);

// A caller's text argument: NULL reads as empty; false when it is absurdly long.
bool acceptText(const char *text, std::string *out);

// A caller's path: false (and a log line) when it is missing or does not fit.
bool acceptPath(const char *path, std::string *out);

} // namespace store
} // namespace lumtar

#endif
