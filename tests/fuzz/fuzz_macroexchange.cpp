// The macro exchange file reader on arbitrary input: a file is refused with a
// reason and yields nothing, or yields at most forty events in whole
// down-then-up pairs with every field terminated inside its record; what it
// yields is written back and read again unchanged.
#include <QByteArray>

#include <cstdlib>
#include <cstring>

#include "ui/macro/MacroExchangeFile.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

template <size_t N>
bool terminated(const char (&field)[N])
{
    return std::memchr(field, 0, N) != nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const MacroExchangeFile::ReadResult read = MacroExchangeFile::read(text);
    if (!read.ok) {
        check(!read.error.isEmpty() && read.events.empty());
        return 0;
    }
    check(read.events.size() <= size_t(MacroExchangeFile::kMaxEvents));
    check(read.events.size() % 2 == 0);
    for (const KeyOrMouseEventStu &e : read.events)
        check(terminated(e.mark) && terminated(e.delay) && terminated(e.type) && terminated(e.keyCode)
              && terminated(e.codeName) && terminated(e.operateExplain));
    const MacroExchangeFile::ReadResult again =
        MacroExchangeFile::read(MacroExchangeFile::write(QStringLiteral("1"), QStringLiteral("x"), read.events));
    check(again.ok && again.events.size() == read.events.size());
    auto a = again.events.begin();
    for (const KeyOrMouseEventStu &e : read.events)
        check(std::memcmp(&e, &*a++, sizeof e) == 0);
    return 0;
}
