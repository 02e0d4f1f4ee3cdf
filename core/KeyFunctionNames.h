// The names of key functions, in one place: the name of each function type
// and the names of the stored values of the multimedia, mouse, shortcut,
// device-function, light-event and gamepad functions. The key-function pages
// offer their choices under these names and the keyboard view's hover card
// names a stored function with the same texts. Names are translated in the
// context "QObject"; a value without a name reads "Unknow".
#ifndef KEYFUNCTIONNAMES_H
#define KEYFUNCTIONNAMES_H

#include <QByteArray>
#include <QMap>
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

// The device functions a key can carry (type 19): the sub-code stored as the
// item's mode, the value stored with it and the function's name.
struct DeviceFunction {
    int subCode;
    const char *value;
    const char *name;
};
enum DeviceFunctionIndex {
    LockKeyboard,
    SwitchLoopWin,
    LockWin,
    UnlockWin,
    DefaultLayer,
    FnLayer,
    Fn1Layer,
    PowerQuery,
    UsbSwitching,
    Wireless24GSwitching,
    Bluetooth1,
    Bluetooth2,
    Bluetooth3,
    DeviceFunctionCount
};
const DeviceFunction &deviceFunction(int index);
// The device function a stored sub-code and value mean, -1 for none: sub-codes
// 0 and 10 whatever the value; 2 and 8 with the value 0, 1 or 2; 11 with
// "kind,channel", both numbers, where USB and 2.4G take any channel and
// Bluetooth the channels 0 to 2.
int deviceFunctionOf(std::optional<int> subCode, const QByteArray &value);

// Light events: the table of values of keyboard-light event types 20-25 and
// side-light event types 30-33; an empty table for other types.
Table keyboardLightEvent(int type);
Table sideLightEvent(int type);
// Keyboard-light event 26 in mode 0.
Table closeLight();
// Keyboard-light event 26 in mode 1 (stopping the backlight) and event 27
// (light recording), whatever their value.
const char *stopBackLight();
const char *lightRecording();
// Side-light event 34 by its mode: 0 closes the side light, 1 stops it.
Table sideLightOff();

Table classicalGamePad();
Table xbox360GamePad();

// Modifier names of a key combination, bit 0 (L_CTRL) to bit 7 (R_WIN).
const char *modifierName(int bit);
// A stored key combination "mask,code": the names of the mask's modifiers
// (bits 0 to 7) and the key's name from the map, joined by "+". A value that
// is not exactly two decimal numbers has no text.
std::optional<QString> combinationText(const QByteArray &value, const QMap<int, QString> &keyNames);

} // namespace KeyFunctionNames

#endif
