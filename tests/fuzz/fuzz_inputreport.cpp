// The input-report decoder on arbitrary bytes: only the delivered bytes are
// read, a decode is a pure function of them, and what it yields stays
// inside the report.
#include "device/InputReportDecoder.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The delivered bytes in a block of exactly their size, so that the
    // sanitizer sees a read past them; a count past 64 is taken as 64.
    const int length = static_cast<int>(size < 64 ? size : 64);
    std::unique_ptr<unsigned char[]> report(new unsigned char[static_cast<size_t>(length) + 1]);
    std::memcpy(report.get(), data, static_cast<size_t>(length));

    const InputReport::Event event = InputReportDecoder::decode(report.get(), static_cast<int>(size));
    check(event == InputReportDecoder::decode(report.get(), length));
    if (const auto *s = std::get_if<InputReport::Short>(&event))
        check(s->length == length && (length < 2 ? s->id == -1 : s->id == report[1]));
    if (const auto *list = std::get_if<InputReport::LightModeList>(&event))
        check(list->modes.size() <= 58);
    if (const auto *text = std::get_if<InputReport::TextReply>(&event))
        check(text->text.size() <= 58 && text->fifthField().size() <= text->text.size());
    if (const auto *serial = std::get_if<InputReport::SerialNumber>(&event))
        check(serial->text.size() <= 32);
    return 0;
}
