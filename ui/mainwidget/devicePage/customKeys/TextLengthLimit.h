// How a text box keeps at most a number of UTF-16 code units: whatever goes
// past the limit is cut where it was typed or pasted, that is just before
// the cursor, so a long paste keeps its beginning. When the cursor lies
// before the excess (a long text put in whole, cursor at its start), the
// end of the text is cut instead. A cut never splits a surrogate pair: it
// then takes the whole character, one code unit more than needed.
// Widget-free; the Text page applies the cut to its box.
#ifndef TEXTLENGTHLIMIT_H
#define TEXTLENGTHLIMIT_H

#include <QString>

#include <optional>

class TextLengthLimit
{
public:
    struct Cut {
        int position; // first code unit removed
        int length;   // code units removed
        int cursor;   // the cursor afterwards
    };

    // The cut that brings the text within limit units, with the cursor at
    // cursor (0 to the text's length); nothing when it fits already.
    static std::optional<Cut> cut(const QString &text, int cursor, int limit);
    // The text after the cut.
    static QString apply(const QString &text, const Cut &cut);
};

#endif
