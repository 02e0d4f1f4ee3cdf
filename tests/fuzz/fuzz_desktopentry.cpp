// The desktop-launcher reader on arbitrary input: it never fails, and an
// Exec line it splits always yields a program name, with no field code
// left over as an argument of its own.
#include <QByteArray>

#include <cstdlib>

#include "platform/hostinput/DesktopEntry.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const DesktopEntry entry = DesktopEntry::parse(text);
    for (const QString &exec : {entry.exec(), QString::fromUtf8(text)}) {
        const std::optional<QStringList> arguments = DesktopEntry::splitExec(exec);
        if (!arguments)
            continue;
        check(!arguments->isEmpty() && !arguments->first().isEmpty());
        check(arguments->size() <= exec.size());
        for (const QString &argument : *arguments)
            check(argument.size() <= exec.size());
    }
    return 0;
}
