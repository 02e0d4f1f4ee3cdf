// One key's item in one profile of one profile file. A key-function page
// takes a KeyItemIO when it loads (the selected key, the profile and a copy
// of the file path) and acts on that copy until its next load: it reads the
// item, replaces it in one store write or removes it, and learns whether the
// store took the change. Numbers go to the store as decimal text, the key
// name as UTF-8. No item is ever written or removed for "no key" (-1).
#ifndef KEYITEMIO_H
#define KEYITEMIO_H

#include <QByteArray>
#include <QString>

#include <list>
#include <optional>

#include "core/DDataManager.h"
#include "sdk/include/LumtarRecords.h"
#include "device/RecordFieldText.h"

class KeyItemIO
{
public:
    // No key, profile 1, no file.
    KeyItemIO();
    KeyItemIO(int keyCode, const QString &keyName, int profileIndex, const char *path);

    // The key selected on the keyboard view, with the light-press pair (the
    // current profile of the current profile file) or the heavy-press pair
    // (profile 1 of the heavy-press file).
    static KeyItemIO selectedKeyLightPress();
    static KeyItemIO selectedKeyHeavyPress();
    // The same key with the other pair.
    KeyItemIO withLightPress() const;
    KeyItemIO withHeavyPress() const;

    bool hasKey() const { return m_keyCode != NoKey; }
    int keyCode() const { return m_keyCode; }
    QString keyName() const { return m_keyName; }
    int profileIndex() const { return m_profileIndex; }
    const char *path() const { return m_path; }

    // The key's item, read with "-1" pre-filled into its key code and type;
    // nothing when the profile holds none or cannot be read.
    std::optional<KeyOperateInfoStu> read() const;
    // Stores the item in place of the key's earlier one, in one write. False
    // when there is no key or the store did not take it; the earlier item
    // then stays.
    bool replace(const QByteArray &type, const QByteArray &count, const QByteArray &mode,
                 const QByteArray &value) const;
    // Removes the key's item; true also when there was none.
    bool remove() const;
    // How many items of this profile hold exactly that type and value.
    int countItems(const QByteArray &type, const QByteArray &value) const;
    // Stores the key as a macro key (type 1) in place of its earlier item
    // and, given the macro's events, the profile's copy of the macro
    // ("Macro%1") with it, in one write: both or neither.
    bool replaceWithMacro(int count, int mode, int macroIndex,
                          const std::list<KeyOrMouseEventStu> *copyEvents) const;
    // Whether the profile holds a copy of the macro; removing it.
    bool hasMacroCopy(int macroIndex) const;
    bool removeMacroCopy(int macroIndex) const;

    // Whether a value (UTF-8 text) comes back whole from an item: the
    // record's value field holds 5119 bytes and the terminating NUL.
    static bool valueFits(const QByteArray &value);

    // A decimal field of an item as a number; fallback when it holds none.
    template <size_t N>
    static int fieldNumber(const char (&field)[N], int fallback = -1)
    {
        return textNumber(recordFieldText(field), fallback);
    }
    static int textNumber(const QByteArray &text, int fallback);

    static constexpr int NoKey = -1;

private:
    // Profile index and key code as decimal text, the key name in UTF-8.
    struct StoreTexts {
        QByteArray profile, code, name;
    };
    StoreTexts storeTexts() const;

    int m_keyCode = NoKey;
    QString m_keyName;
    int m_profileIndex = 1;
    char m_path[DDataManager::PathBufferSize] = {};
};

#endif
