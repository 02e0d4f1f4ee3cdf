// The key layout parser of the keyboard view on arbitrary input: it either
// refuses the text with a reason or yields exactly 6 x 22 key cells, every
// value inside the bounds the view can scale, and unique segment indexes.
#include <QByteArray>
#include <QSet>

#include <cstdlib>

#include "ui/mainwidget/devicePage/KeyLayoutFile.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool inBounds(const KeyLayoutInfoStu &r)
{
    const int m = KeyLayoutFile::MaxCoordinate;
    return r.x >= -m && r.x <= m && r.y >= -m && r.y <= m && r.width >= 0 && r.width <= m && r.height >= 0
        && r.height <= m;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    KeyLayoutFile layout;
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<int>(size));
    if (!layout.parse(text)) {
        check(!layout.errorText().isEmpty());
        check(layout.keys().isEmpty() && layout.segments().isEmpty());
        return 0;
    }
    check(layout.keys().size() == KeyLayoutFile::KeyCount);
    for (int n = 0; n < layout.keys().size(); ++n) {
        const KeyLayoutFile::Key &k = layout.keys().at(n);
        check(k.row == n / KeyLayoutFile::Columns && k.column == n % KeyLayoutFile::Columns);
        check(k.record.kind == KeyLayoutInfoStu::KeyCell && inBounds(k.record));
        check(k.record.code == 0 || (k.record.x >= 0 && k.record.y >= 0));
    }
    check(layout.hasSideLights() || layout.segments().isEmpty());
    QSet<int> indexes;
    for (const KeyLayoutFile::Segment &s : layout.segments()) {
        check(s.record.kind == KeyLayoutInfoStu::SideLight && inBounds(s.record));
        check(s.record.sidePosition >= 0 && s.record.sidePosition <= 4);
        check(!indexes.contains(s.record.code));
        indexes.insert(s.record.code);
    }
    return 0;
}
