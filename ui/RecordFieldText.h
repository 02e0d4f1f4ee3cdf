// The helper now lives with the device record; kept so that includes of the
// old place still build.
#include "device/RecordFieldText.h"
