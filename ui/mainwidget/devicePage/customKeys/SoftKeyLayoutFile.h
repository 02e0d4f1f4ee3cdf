// The content of one soft-keyboard layout file ("softKeyInfoNormalUS.config"):
// the keys of rows 1 to 6 with their position, size, key code, virtual-key
// code and label, and the two key maps the application takes from them. The
// text is checked completely before anything is taken from it: an element
// that lacks one of its seven members, or holds a value of the wrong kind,
// refuses the whole file. Needs only QtCore and cJSON, so the fuzzer and the
// hook tests read the same files with it.
#ifndef SOFTKEYLAYOUTFILE_H
#define SOFTKEYLAYOUTFILE_H

#include <QByteArray>
#include <QMap>
#include <QRect>
#include <QString>
#include <QVector>

class SoftKeyLayoutFile
{
public:
    // The layout every model uses (the US keyboard).
    static constexpr int UsLayoutId = 31;
    static constexpr int Rows = 6;
    // Geometry values outside these bounds are refused.
    static constexpr int MaxCoordinate = 10000;
    // The code of the Fn key, which the name map always holds.
    static constexpr int FnKeyCode = -10;

    struct Key {
        int keyCode = 0;
        int vkCode = 0;
        QString label;
        QRect geometry;
    };

    // "softKeyInfoNormalUS.config" for the US layout, otherwise
    // "softKeyInfoNormal_<id>.config".
    static QString fileNameFor(int layoutId);

    // Reads the text of a layout file as UTF-8. On failure returns false,
    // keeps nothing of the text and tells the problem through errorText().
    bool parse(const QByteArray &text, int layoutId = UsLayoutId);
    QString errorText() const { return m_error; }

    // One key per key code, in file order; an element that repeats a key
    // code takes the place of the earlier one.
    const QVector<Key> &keys() const { return m_keys; }
    // Virtual-key code to key code, and key code to label (with -10 "Fn"),
    // every element entered in file order.
    QMap<int, int> vkToKeyCodeMap() const { return m_vkToKeyCode; }
    QMap<int, QString> keyCodeNameMap() const { return m_names; }

    // The label of a key: the JSON text of its "Character" value without any
    // double quote, with the fixed names of the language keys and of key 52.
    static QString labelFor(int keyCode, const QByteArray &printedJson, int layoutId);
    // The translated fixed name of a language key (144, 145, 100, 135-139),
    // or a null string for any other key.
    static QString languageKeyName(int keyCode);

private:
    void clear();

    QString m_error;
    QVector<Key> m_keys;
    QMap<int, int> m_vkToKeyCode;
    QMap<int, QString> m_names;
};

#endif
