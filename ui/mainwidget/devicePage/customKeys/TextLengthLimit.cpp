#include "ui/mainwidget/devicePage/customKeys/TextLengthLimit.h"

#include <algorithm>

namespace {

// Whether position p (0 < p < size) falls between the two halves of a pair.
bool insidePair(const QString &text, int p)
{
    return p > 0 && p < text.size() && text.at(p - 1).isHighSurrogate() && text.at(p).isLowSurrogate();
}

} // namespace

std::optional<TextLengthLimit::Cut> TextLengthLimit::cut(const QString &text, int cursor, int limit)
{
    const int excess = text.size() - std::max(limit, 0);
    if (excess <= 0)
        return std::nullopt;
    cursor = std::clamp(cursor, 0, int(text.size()));

    int end = cursor;
    int start = cursor - excess;
    if (start < 0) {
        // The cursor lies before the excess: the end of the text goes.
        end = text.size();
        start = end - excess;
    }
    if (insidePair(text, end))
        ++end;
    if (insidePair(text, start))
        --start;
    const int length = end - start;
    return Cut{start, length, cursor >= end ? cursor - length : std::min(cursor, start)};
}

QString TextLengthLimit::apply(const QString &text, const Cut &cut)
{
    QString out = text;
    out.remove(cut.position, cut.length);
    return out;
}
