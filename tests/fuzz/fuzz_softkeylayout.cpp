// The soft-keyboard layout parser on arbitrary input: it either refuses the
// text with a reason and keeps nothing, or yields keys with unique codes,
// geometry inside the bounds and maps that agree with the keys.
#include <QByteArray>
#include <QSet>

#include <cstdlib>

#include "ui/mainwidget/devicePage/customKeys/SoftKeyLayoutFile.h"

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
    for (int layoutId : {SoftKeyLayoutFile::UsLayoutId, 91}) {
        SoftKeyLayoutFile layout;
        if (!layout.parse(text, layoutId)) {
            check(!layout.errorText().isEmpty());
            check(layout.keys().isEmpty() && layout.vkToKeyCodeMap().isEmpty() && layout.keyCodeNameMap().isEmpty());
            continue;
        }
        const int m = SoftKeyLayoutFile::MaxCoordinate;
        QSet<int> codes;
        for (const SoftKeyLayoutFile::Key &key : layout.keys()) {
            check(!codes.contains(key.keyCode));
            codes.insert(key.keyCode);
            const QRect &g = key.geometry;
            check(g.x() >= -m && g.x() <= m && g.y() >= -m && g.y() <= m);
            check(g.width() >= 0 && g.width() <= m && g.height() >= 0 && g.height() <= m);
            // The Fn key is always named "Fn", whatever its label.
            check(layout.keyCodeNameMap().value(key.keyCode)
                  == (key.keyCode == SoftKeyLayoutFile::FnKeyCode ? QStringLiteral("Fn") : key.label));
            check(!key.label.contains(QLatin1Char('"')) || key.keyCode == 52);
        }
        check(layout.keyCodeNameMap().value(SoftKeyLayoutFile::FnKeyCode) == QLatin1String("Fn"));
        check(layout.keyCodeNameMap().size() <= layout.keys().size() + 1);
        for (int code : layout.vkToKeyCodeMap())
            check(codes.contains(code));
    }
    return 0;
}
