// The content of one key layout file ("KeyInfo_<model>.config"): the header
// flags, the 6 x 22 key cells in file order and the side-light segments.
// The text is checked completely before anything is taken from it, so a
// caller never builds keys from a malformed file. Needs only QtCore and
// cJSON: the keyboard-picture renderer reads the same files with it.
#ifndef KEYLAYOUTFILE_H
#define KEYLAYOUTFILE_H

#include <QByteArray>
#include <QString>
#include <QVector>

#include "ui/mainwidget/devicePage/KeyLayoutInfoStu.h"

class KeyLayoutFile
{
public:
    static constexpr int Rows = 6;
    static constexpr int Columns = 22;
    static constexpr int KeyCount = Rows * Columns;
    // Geometry values outside these bounds are refused: they cannot describe
    // a keyboard picture and would overflow once scaled.
    static constexpr int MaxCoordinate = 10000;

    struct Key {
        KeyLayoutInfoStu record;
        QString caption;
        int row = 0;
        int column = 0;
    };
    struct Segment {
        KeyLayoutInfoStu record; // code is the segment's index
        int validStatus = 0;
    };

    // Reads the text of a layout file. On failure returns false, keeps
    // nothing of the text and tells the problem through errorText().
    bool parse(const QByteArray &text);
    QString errorText() const { return m_error; }

    bool hasHeader() const { return m_hasHeader; }
    bool hasSideLights() const { return m_hasSideLights; }
    bool hasSpecialEnterKey() const { return m_specialEnterKey; }
    int specialEnterKeyShape() const { return m_specialEnterKeyShape; }
    int hidDeviceType() const { return m_hidDeviceType; }
    // The 132 key cells, row by row (empty cells included, code 0).
    const QVector<Key> &keys() const { return m_keys; }
    // The side-light segments in file order (only when the header has them).
    const QVector<Segment> &segments() const { return m_segments; }

    // The caption shown for a key: the JSON text of its "Character" value
    // without any double quote, or apostrophe, space, double quote for the
    // codes 52 and 504. printedJson is the value as the JSON printer writes it.
    static QString captionFor(int code, const QByteArray &printedJson);

private:
    void clear();

    QString m_error;
    bool m_hasHeader = false;
    bool m_hasSideLights = false;
    bool m_specialEnterKey = false;
    int m_specialEnterKeyShape = 0;
    int m_hidDeviceType = 0;
    QVector<Key> m_keys;
    QVector<Segment> m_segments;
};

#endif
