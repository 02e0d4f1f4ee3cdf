// How the program names the connection of a device record beside the
// device's name: "(USB)", "(2.4G)" or "(OffLine)", in the interface
// language. The device strip and the firmware update window show it alike.
#ifndef CONNECTIONTEXT_H
#define CONNECTIONTEXT_H

#include <QString>

#include "sdk/include/LumtarHid.h"

namespace ConnectionText {

// "(OffLine)" unless the record's online flag is 1; then "(USB)" for a
// cable and "(2.4G)" for a receiver. Translated each time it is asked for,
// so a caller that sets it again on a language change shows the new one.
QString suffix(const hidStructInfoAll &record);

} // namespace ConnectionText

#endif
