#include "sdk/store/StoreText.h"

#include "sdk/store/StoreLog.h"

#include <errno.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>

namespace lumtar {
namespace store {

void copyBounded(char *dst, size_t cap, const char *src)
{
    if (!dst || cap == 0)
        return;
    if (!src)
        src = "";
    size_t len = strnlen(src, cap);
    size_t n = len;
    if (len >= cap) {
        n = cap - 1;
        // Step back over continuation bytes so the cut falls before the lead
        // byte of the character it would split (at most three steps).
        size_t steps = 0;
        while (n > 0 && steps < 3 && (static_cast<unsigned char>(src[n]) & 0xC0) == 0x80) {
            --n;
            ++steps;
        }
        if (steps == 3 && (static_cast<unsigned char>(src[n]) & 0xC0) == 0x80)
            n = cap - 1; // not UTF-8 at all: a plain byte cut
    }
    memcpy(dst, src, n);
    dst[n] = '\0';
}

std::string fieldText(const char *field, size_t cap)
{
    return std::string(field, strnlen(field, cap));
}

bool parseInteger(const char *text, long long *value)
{
    if (!text)
        return false;
    while (*text == ' ' || *text == '\t')
        ++text;
    if (!*text)
        return false;
    const char *p = text;
    if (*p == '+' || *p == '-')
        ++p;
    if (*p < '0' || *p > '9')
        return false;
    errno = 0;
    char *end = nullptr;
    long long v = strtoll(text, &end, 10);
    if (errno == ERANGE)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end)
        return false;
    if (value)
        *value = v;
    return true;
}

int32_t toInt32(const char *text, int32_t fallback)
{
    long long v = 0;
    if (!parseInteger(text, &v)) {
        // Out of range for 64 bits: clamp by sign.
        if (text) {
            const char *p = text;
            while (*p == ' ' || *p == '\t')
                ++p;
            bool neg = *p == '-';
            if (neg || *p == '+')
                ++p;
            if (*p >= '0' && *p <= '9') {
                const char *q = p;
                while (*q >= '0' && *q <= '9')
                    ++q;
                while (*q == ' ' || *q == '\t')
                    ++q;
                if (!*q)
                    return neg ? INT32_MIN : INT32_MAX;
            }
        }
        return fallback;
    }
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(v);
}

bool sameNumberOrText(const char *a, const char *b)
{
    if (!a || !b)
        return false;
    long long x = 0, y = 0;
    if (parseInteger(a, &x) && parseInteger(b, &y))
        return x == y;
    return strcmp(a, b) == 0;
}

bool acceptText(const char *text, std::string *out)
{
    if (!text) {
        out->clear();
        return true;
    }
    size_t len = strnlen(text, kMaxTextBytes + 1);
    if (len > kMaxTextBytes) {
        StoreLog::write("store: refused a text of more than " + std::to_string(kMaxTextBytes) + " bytes");
        return false;
    }
    out->assign(text, len);
    return true;
}

bool acceptPath(const char *path, std::string *out)
{
    if (!path || !*path) {
        StoreLog::write("store: no file path given");
        return false;
    }
    size_t len = strnlen(path, kMaxPathBytes + 1);
    if (len > kMaxPathBytes) {
        StoreLog::write("store: file path longer than " + std::to_string(kMaxPathBytes) + " bytes refused");
        return false;
    }
    out->assign(path, len);
    return true;
}

} // namespace store
} // namespace lumtar
