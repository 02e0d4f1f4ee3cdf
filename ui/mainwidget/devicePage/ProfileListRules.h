// The rules of a profile file's list of profiles: how many it may hold, the
// index and name of a new profile, the profile an import takes from a file,
// the names a rename accepts and the file an export writes. Pure functions
// of the list and the texts; widget-free.
#ifndef PROFILELISTRULES_H
#define PROFILELISTRULES_H

#include <QByteArray>
#include <QString>

#include "sdk/include/LumtarXml.h"

class ProfileListRules
{
public:
    // A profile file holds at most this many profiles.
    static constexpr int MaxProfiles = 10;
    // The longest name, in UTF-8 bytes, the profile record carries whole.
    static constexpr int MaxNameBytes = static_cast<int>(sizeof(ProfileNodeInfoStu::name)) - 1;
    // The longest export file path, in local 8-bit bytes.
    static constexpr int MaxExportPathBytes = 255;

    static bool isFull(const LumtarIndexNameList &profiles);
    // One more than the highest index listed, so an index freed by a delete
    // in the middle or taken by a restore is never handed out twice; 2 for a
    // file that lists none.
    static int nextIndex(const LumtarIndexNameList &profiles);
    static QString defaultName(int index);
    // The index text of the profile an import takes from a file: the last
    // listed, "1" when the file lists none.
    static QByteArray importIndex(const LumtarIndexNameList &profiles);

    enum class NameCheck { Accepted, Empty, TooLong };
    // Blanks and any script are accepted; the name is never cut.
    static NameCheck checkName(const QString &name);

    // The profile name as one file-name component: every "/", "\" and
    // control character becomes "_", a leading "." becomes "_", so the name
    // can neither leave the folder nor hide the file. `fallback` stands for a
    // name that leaves nothing.
    static QString safeFileName(const QString &name, const QString &fallback);
    // folder + "/" + the safe name + ".xml" as local 8-bit text; empty when
    // it would be longer than MaxExportPathBytes.
    static QByteArray exportFilePath(const QString &folder, const QString &name, int index);
};

#endif
