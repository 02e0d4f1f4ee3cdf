// The two message-parameter types of the input hook. The values they carry
// keep their Windows meaning (virtual-key codes, mouse message numbers), since
// the macro store, the soft-keyboard layout and the onboard encoders speak in them.
#ifndef LUMTAR_WIN_TYPES_H
#define LUMTAR_WIN_TYPES_H

#include <QtGlobal>

using WPARAM = quintptr;
using LPARAM = qintptr;

#endif
