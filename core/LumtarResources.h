#ifndef LUMTARRESOURCES_H
#define LUMTARRESOURCES_H

// Registers the embedded files (themes, default settings, pictures, firmware
// images) of the static resources library. Safe to call more than once.
void lumtarInitResources();

#endif
