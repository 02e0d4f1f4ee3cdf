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
