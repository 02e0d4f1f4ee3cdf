// The device SDK's light-effect engine: the keyboard and side light effects
// computed frame by frame, and the key presses that drive the reactive ones.
// C linkage; thin shims over sdk/lightfx/ (rules in sdk/lightfx/README.md).
//
// A caller hands each light its record (colorInfoData) with Set..., then
// calls ...Runing once per tick: every call advances the effect one step and
// calls back once, synchronously, with the whole frame. The effect's speed is
// the caller's tick interval; the engine does not read the record's speed or
// brightness. Frames depend only on the calls made since Set...: the same
// calls give the same frames.
//
// Threads: every call may come from any thread. The frame callback runs on
// the caller's thread with no lock held, so it may call
// CLumtarHid_lightColorMix and the Get... functions.
#ifndef LUMTAR_LIGHT_H
#define LUMTAR_LIGHT_H

#include <stddef.h>
#include <stdint.h>

#include "sdk/include/LumtarRecords.h"

#ifdef __cplusplus
#include <vector>
#endif

/* Rows and columns of the key matrix; a keyboard frame is row-major. */
#define LUMTAR_LIGHT_ROWS 6
#define LUMTAR_LIGHT_COLUMNS 22
#define LUMTAR_LIGHT_KEY_POINTS 132
/* Points of a side frame (the most segments a side light has). */
#define LUMTAR_LIGHT_SIDE_POINTS 60

/* One point of a frame (44 bytes). */
typedef struct LightFramePointStu {
    int32_t r, g, b;      /* the point's colour, 0..255 */
    int32_t r2, g2, b2;   /* side Collision: the other light's colour */
    int32_t intensity;    /* 0..255: weight of the colour against colour 2 */
    int32_t fadeMode;     /* 0 steady, 1 rising, 2 falling */
    int32_t stage;        /* 1..9: a point that keeps full strength (a fresh
                             press, Snake's head, a collision flash); else 0 */
    int32_t level;        /* Speed Respond, column 0: the row's fill rank 1..6 */
    int32_t trigger;      /* first key only: 1 in the step an Auto Ripple starts */
} LightFramePointStu;

/* A colour, each channel 0..255. */
typedef struct LightColorStu {
    int32_t r, g, b;
} LightColorStu;

/* The Auto Ripple started last: its key and colour. */
typedef struct AutoRippleLightConfigStu {
    int32_t row;
    int32_t column;
    int32_t r, g, b;
} AutoRippleLightConfigStu;

/* The side Collision's state: the segments of the two lights' heads (they
 * start at both ends and meet) and the colour of the light coming from
 * segment 0. */
typedef struct SideCollisionLightConfigStu {
    uint8_t firstPosition;
    uint8_t secondPosition;
    uint8_t r, g, b;
} SideCollisionLightConfigStu;

/* Receives one frame: LUMTAR_LIGHT_KEY_POINTS or LUMTAR_LIGHT_SIDE_POINTS
 * points, valid during the call only. */
typedef void (*LumtarLightFrameCallback)(const LightFramePointStu* points);

#ifdef __cplusplus
static_assert(sizeof(LightFramePointStu) == 44, "LightFramePointStu layout");
static_assert(offsetof(LightFramePointStu, intensity) == 24, "LightFramePointStu layout");
static_assert(offsetof(LightFramePointStu, trigger) == 40, "LightFramePointStu layout");
static_assert(sizeof(LightColorStu) == 12, "LightColorStu layout");
static_assert(sizeof(AutoRippleLightConfigStu) == 20, "AutoRippleLightConfigStu layout");
static_assert(sizeof(SideCollisionLightConfigStu) == 5, "SideCollisionLightConfigStu layout");

extern "C" {
#endif

/* The engine's start-up. Returns 0. */
int CLumtarLight_Init(void);

/* (Re)starts the keyboard effect of the record: phase 0, pending presses
 * dropped, the effect's random numbers started afresh. Colours are kept
 * within 0..255, an unknown direction becomes the mode's own. modelName
 * (Latin-1, may be null), the model value and the side-light flag name the
 * keyboard; which matrix positions carry its keys is told by
 * CLumtarHid_SetKeyboardKeyPositions. Returns 0. */
int CLumtarHid_SetKeyboardColorInfoDataStu(colorInfoData info, int modelValue, const char* modelName,
                                           int hasSideLight);
/* The running keyboard effect takes the record's colours, direction and
 * full-colour flag and keeps its phase (the mode stays). Returns 0. */
int CLumtarHid_SetKeyboardColorInfoDataStuHaveChanged(colorInfoData info);

/* The matrix positions that carry a key on the keyboard shown: count bytes
 * (LUMTAR_LIGHT_COLUMNS), byte c for column c, bit r set for row r (bits 6
 * and 7 are not rows). Frames still hold every position; the effects that
 * walk a path or pick keys (Snake's path round the edge, Twinkle's and Auto
 * Ripple's random keys, Aurora's far edge) keep to these keys from the next
 * step on, and the running effect keeps its phase. Null, or bytes marking
 * no position, give back the whole matrix (the state before the first
 * call). Returns 0, or -1 (nothing changed) for another count. */
int CLumtarHid_SetKeyboardKeyPositions(const uint8_t* keyColumns, int count);

/* Advances the keyboard effect one step and calls back once with
 * LUMTAR_LIGHT_KEY_POINTS points. Returns 0, or -1 (no step) for a null
 * callback. Modes without an effect of the engine (Custom, Musical Rhythm,
 * unknown codes) give black frames. */
int CLumtarHid_keyboardLightColorRuning(LumtarLightFrameCallback callback);

/* The colour the last keyboard step gave the key (the point's colour over
 * colour 2 by its intensity); black outside the matrix. */
LightColorStu CLumtarHid_lightColorMix(int row, int column);

/* A key press at that matrix position (row 0..5, column 0..21) for the
 * reactive effects: taken by the next keyboard step. A position already
 * waiting for that step counts once; at most 16 presses wait, the oldest
 * dropped first. Returns 0, or -1 for a position outside the matrix. */
int CLumtarHid_keyClickedSendXY(int row, int column);

/* The colour of the newest press (waiting or taken), or of the next one
 * before any press. */
LightColorStu CLumtarHid_GetCurrentRippleLightColor(void);
/* The Auto Ripple started last; all zero before the first. */
AutoRippleLightConfigStu CLumtarHid_GetCurrentAutoRippleLightConfig(void);

/* The running side effect takes the record's colours, direction and
 * full-colour flag and keeps its phase. Returns 0. */
int CLumtarHid_SetSideColorInfoDataStuHaveChanged(colorInfoData info);
/* Advances the side effect one step and calls back once with
 * LUMTAR_LIGHT_SIDE_POINTS points. Returns 0, or -1 for a null callback. */
int CLumtarHid_sideLightColorRuning(LumtarLightFrameCallback callback);
/* The side Collision's state after the last side step. */
SideCollisionLightConfigStu CLumtarHid_GetSideCollisionLightRuningConfig(void);

#ifdef __cplusplus
} /* extern "C" */

/* ---- side light (C linkage, C++ container) ------------------------------ */
extern "C" {
/* (Re)starts the side effect of the record (phase 0) for count segments
 * (kept within 0..LUMTAR_LIGHT_SIDE_POINTS); validStatus holds each
 * segment's status in order: 0 keeps the segment dark, a segment past the
 * list's end is lit. Returns 0. */
int CLumtarHid_SetSideColorInfoDataStu(colorInfoData info, int count, std::vector<int> validStatus);
}
#endif

#endif
