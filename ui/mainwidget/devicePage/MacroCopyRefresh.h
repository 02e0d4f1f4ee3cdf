// The copies of a macro's events that profiles keep for the onboard
// download. A key bound to a macro plays the profile's own copy, so once the
// macro changes in the macro store every copy of it is written anew: in
// every profile whose keys play it, in each layer file of every keyboard's
// profile folder, attached or not. Widget-free; the device page runs it when
// the macro editor reports a change.
#ifndef MACROCOPYREFRESH_H
#define MACROCOPYREFRESH_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <list>

#include "sdk/include/LumtarRecords.h"

class MacroCopyRefresh
{
public:
    struct Outcome
    {
        // The macro store held the macro; without it every copy stays.
        bool macroRead = false;
        // Profiles whose copy was written anew.
        int profilesRefreshed = 0;
        // Files whose new copies could not be written.
        QStringList failedFiles;
    };

    // The profile files of every keyboard's folder below `userConfigDir`
    // (model, serial number and, for a keyboard with a gamepad mode, that
    // mode's level), in path order. Links are not followed.
    static QStringList profileFiles(const QString &userConfigDir);

    // Writes `events` as the copy of macro `macroIndex` into every profile of
    // the file whose keys play that macro, in one write. Profiles none of
    // whose keys play it keep their file untouched. False when the write
    // failed; `refreshed` counts the profiles written.
    static bool refreshFile(const QByteArray &path, int macroIndex, const std::list<KeyOrMouseEventStu> &events,
                            int *refreshed = nullptr);

    // Reads macro `macroIndex` from the macro store and refreshes its copies
    // in every profile file below `userConfigDir`.
    static Outcome refreshAll(const QString &userConfigDir, const QByteArray &macroStorePath, int macroIndex);
};

#endif
