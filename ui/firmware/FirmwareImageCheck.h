// The widget-free rules of the firmware check and update: which file of the
// embedded images belongs to a keyboard, copying it out to a temporary
// folder, reading a .bin image's info string and comparing it with the
// keyboard's record, and the texts of the firmware library's results.
#ifndef FIRMWAREIMAGECHECK_H
#define FIRMWAREIMAGECHECK_H

#include <QByteArray>
#include <QString>

#include "sdk/include/LumtarFirmware.h"

class QTemporaryDir;

namespace FirmwareImageCheck {

// Where the embedded images lie.
QString resourceFolder();

// The image family of a model (exact name); false for a model of none.
bool familyOf(const QString &model, FirmwareFamilyStu *family);
// The image's file name for a keyboard on this connection (0 USB, any
// other value the 2.4 GHz receiver): the one rule of the check and the write.
QString imageFileName(const FirmwareFamilyStu &family, int connectType);

// Copies the embedded image into the temporary folder; the copy's path, or
// an empty text when the folder is not usable, the image is missing or the
// copy is not a regular file.
QString copyImage(const QString &fileName, const QTemporaryDir &folder);

// The C library's case-insensitive byte comparison: A-Z folded to a-z.
int compareIgnoringAsciiCase(const QByteArray &a, const QByteArray &b);

// Compares the info string of a .bin image (head: the image's first bytes,
// a shorter one counts as zero-filled) with a keyboard's record: chip
// family, two-digit code, customer code and model equal, the version
// strictly greater, each ignoring ASCII case; the device class is not
// compared. On a match the image's version goes to version.
bool infoStringMatches(const QByteArray &head, const FirmwareFamilyStu &family, const hidStructInfoAll &record,
                       QString *version);

// The text of a firmware library result: "Error <r>" for the codes it names,
// "Error -1" for any other. In the drive search -10 too is "Error -1".
QString libraryErrorText(int result, bool driveSearch);

} // namespace FirmwareImageCheck

#endif
