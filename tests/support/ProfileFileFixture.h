// Profile files for the key-assignment tests, in a temporary folder: the
// default-layer file with profiles 1 and 2, the heavy-press file with
// profile 1, an empty macro store and an empty advanced-key store. The
// shared state is pointed at them (current profile 1 of the default-layer
// file), with no key selected and no facts of an opened device (not
// magnetic, no side light, no gamepad, no layout's device type).
#ifndef PROFILEFILEFIXTURE_H
#define PROFILEFILEFIXTURE_H

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <list>
#include <optional>

#include "sdk/include/LumtarRecords.h"

class ProfileFileFixture
{
public:
    ProfileFileFixture();

    bool isValid() const { return m_valid; }
    QByteArray profilePath() const { return m_profilePath; }
    QByteArray heavyPath() const { return m_heavyPath; }
    QByteArray macroPath() const { return m_macroPath; }
    QByteArray seniorKeyPath() const { return m_seniorKeyPath; }

    // Stores an item as a page would, straight through the store.
    static bool bind(const QByteArray &path, const char *profile, int keyCode, const char *type,
                     const char *value, const char *count = "1", const char *mode = "1");
    // Adds the profile's copy of a macro ("Macro<index>", one key press).
    static bool addMacroCopy(const QByteArray &path, const char *profile, int macroIndex);
    static bool hasMacroCopy(const QByteArray &path, const char *profile, int macroIndex);
    // How many events the profile's copy of a macro holds; -1 without one.
    static int macroCopySize(const QByteArray &path, const char *profile, int macroIndex);

    // A key event of a macro, and the down and up events of `keys` keys
    // (codes 4, 5, ...; one mark per key).
    static KeyOrMouseEventStu keyEvent(int mark, int keyCode, bool down);
    static std::list<KeyOrMouseEventStu> keyStrokes(int keys);
    // Adds a macro of `keys` key strokes to the macro store.
    static bool addMacro(const QByteArray &macroPath, int index, const char *name, int keys);
    // An advanced key (key slots "4" and "5", held 200 ms) of the given kind.
    static SeniorKeyInfoStu seniorKey(int id, const char *name, int kind);
    static bool addSeniorKey(const QByteArray &seniorKeyPath, const SeniorKeyInfoStu &record);
    // The key's item, or nothing.
    static std::optional<KeyOperateInfoStu> item(const QByteArray &path, const char *profile, int keyCode);
    // The key codes of every item of the profile, in store order.
    static QList<int> keyCodes(const QByteArray &path, const char *profile);

private:
    QTemporaryDir m_dir;
    QByteArray m_profilePath;
    QByteArray m_heavyPath;
    QByteArray m_macroPath;
    QByteArray m_seniorKeyPath;
    bool m_valid = false;
};

#endif
