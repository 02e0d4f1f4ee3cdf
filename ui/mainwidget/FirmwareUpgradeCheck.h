// The firmware check: which listed keyboards have a newer image among those
// the program carries. A .bin image is read by its info string; a .ufw image
// is examined by the firmware library, once per run (the carried images do
// not change), and never while a write holds the library's image: the
// check neither waits for a write nor changes the image it sends.
#ifndef FIRMWAREUPGRADECHECK_H
#define FIRMWAREUPGRADECHECK_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include "sdk/include/LumtarHid.h"

class UfwLibrary;

class FirmwareUpgradeCheck
{
public:
    explicit FirmwareUpgradeCheck(UfwLibrary *library);

    // The keyboards with a newer image, in the order of their paths, each
    // copy carrying the image's version in its new-version field.
    QList<hidStructInfoAll> candidates(const QMap<QString, hidStructInfoAll> &devices);
    // Whether the carried image of this keyboard is newer than its firmware;
    // the image's version goes to version then.
    bool selectFirmwareImage(const hidStructInfoAll &record, QString *version);

private:
    struct UfwFacts
    {
        QByteArray identity;
        QByteArray version;
    };
    // The identity and version of a carried .ufw image, from the library.
    bool examineUfw(const QString &fileName, UfwFacts *facts);
    // Loads the image into the library (its lock held) and reads back its facts.
    bool loadedFacts(const QByteArray &image, char (&id)[17], char (&version)[4]);

    UfwLibrary *m_library;
    QHash<QString, UfwFacts> m_examined;
};

#endif
