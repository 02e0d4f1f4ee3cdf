// The names of key functions, in one place: the name of each function type
// and the names of the stored values of the multimedia, mouse, shortcut,
// device-function, light-event and gamepad functions. The key-function pages
// offer their choices under these names and the keyboard view's hover card
// names a stored function with the same texts. Names are translated in the
// context "QObject"; a value without a name reads "Unknow".
#ifndef KEYFUNCTIONNAMES_H
#define KEYFUNCTIONNAMES_H

#include <QString>

#include <optional>

namespace KeyFunctionNames {

// A table of names by stored value (0, 1, 2 ...); a gap is a value without a name.
class Table
{
public:
    constexpr Table(const char *const *names, int size) : m_names(names), m_size(size) {}

    int size() const { return m_size; }
    bool hasName(int value) const { return value >= 0 && value < m_size && m_names[value]; }
    // The untranslated name, or nullptr.
    const char *sourceText(int value) const { return hasName(value) ? m_names[value] : nullptr; }
    // The translated name, or "Unknow" (also for no value at all).
    QString text(std::optional<int> value) const;

private:
    const char *const *m_names;
    int m_size;
};

// The translated "Unknow".
QString unknownText();

// The name of a function type as the program shows it (hover card title and
// function-button caption): "Remap Key", "Macro" ...; nullptr for a type no
// page stores (10-18, 28, 29, 35-39, 41-44, above 46).
const char *typeSourceText(int type);

Table multimedia();
Table mouse();
Table shortcuts();

// Device-function settings by sub-code: Windows-key lock (2), layer (8) and
// the Bluetooth channel of a connection switch (11).
Table winLock();
Table layers();
Table bluetooth();

// Light events: the table of values of keyboard-light event types 20-25 and
// side-light event types 30-33; an empty table for other types.
Table keyboardLightEvent(int type);
Table sideLightEvent(int type);
// Keyboard-light event 26 in mode 0.
Table closeLight();

Table classicalGamePad();
Table xbox360GamePad();

// Modifier names of a key combination, bit 0 (L_CTRL) to bit 7 (R_WIN).
const char *modifierName(int bit);

} // namespace KeyFunctionNames

#endif
