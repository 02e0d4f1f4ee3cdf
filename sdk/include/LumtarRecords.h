// Plain records and type codes shared by the application and the device SDK.
// They cross the SDK's C boundary by value or by pointer, so their layout is
// fixed: character arrays are NUL-terminated, integers are 32-bit.
#ifndef LUMTAR_RECORDS_H
#define LUMTAR_RECORDS_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#include <vector>
#endif

/* The function stored for one key of one profile. Every field is decimal text
 * except the name (UTF-8) and, depending on the type, the value (see
 * KeyOperateType). A caller pre-fills the fields it reads with "-1"; an
 * unchanged "-1" in the key-code or type field means no function is stored. */
typedef struct KeyOperateInfoStu {
    char keyCode[16];
    char keyName[64];
    char type[8];
    char count[8];
    char mode[8];
    char value[5120];
} KeyOperateInfoStu;

/* Type codes of a key function (KeyOperateInfoStu::type). */
enum KeyOperateType {
    KeyOperate_Remap = 0,
    KeyOperate_Macro = 1,
    KeyOperate_Combination = 2,
    KeyOperate_Multimedia = 3,
    KeyOperate_Mouse = 4,
    KeyOperate_Disable = 5,
    KeyOperate_Text = 6,
    KeyOperate_SwitchProfile = 7,
    KeyOperate_LaunchApp = 8,
    KeyOperate_Shortcut = 9,
    KeyOperate_NoFunction = 10,
    KeyOperate_DeviceFunction = 19,
    KeyOperate_KeyboardLightFirst = 20, /* 20-27 keyboard light events */
    KeyOperate_KeyboardLightLast = 27,
    KeyOperate_SideLightFirst = 30,     /* 30-34 side light events */
    KeyOperate_SideLightLast = 34,
    KeyOperate_SeniorKey = 40,
    KeyOperate_GamePadClassical = 45,
    KeyOperate_GamePadXbox360 = 46
};

/* The key code of the Fn key in a remap target. */
#define LUMTAR_FN_KEY_CODE (-10)

/* The settings of one light, fourteen 32-bit fields:
 * [0] kind (0 keyboard, 1 side light), [1] mode code, [2] brightness level,
 * [3] speed level, [4..6] first colour R, G, B, [7..9] second colour R, G, B,
 * [10] direction, [11] full-colour flag, [12], [13] two further values. */
typedef struct colorInfoData {
    int32_t lightKind;
    int32_t modeCode;
    int32_t brightness;
    int32_t speed;
    int32_t red1, green1, blue1;
    int32_t red2, green2, blue2;
    int32_t direction;
    int32_t fullColor;
    int32_t extra1;
    int32_t extra2;
} colorInfoData;

enum { LUMTAR_LIGHT_KIND_KEYBOARD = 0, LUMTAR_LIGHT_KIND_SIDE = 1 };
enum { LUMTAR_KEYBOARD_MODE_CUSTOM = 10 };

/* Keyboard light modes (colorInfoData::modeCode of kind 0). 13 is none. */
enum LightModeCode {
    LightMode_Static = 0,
    LightMode_Breath = 1,
    LightMode_Wave = 2,
    LightMode_Neon = 3,
    LightMode_Radar = 4,
    LightMode_Snake = 5,
    LightMode_Reactive = 6,
    LightMode_Aurora = 7,
    LightMode_Ripple = 8,
    LightMode_Twinkle = 9,
    LightMode_Custom = 10,        /* per-key scheme, painted by the host */
    LightMode_Cross = 11,
    LightMode_SpeedRespond = 12,
    LightMode_AutoRipple = 14,
    LightMode_Striation = 15,
    LightMode_Fireworks = 16,
    LightMode_MusicalRhythm = 100 /* music mode, painted by the host */
};

/* Side light modes (colorInfoData::modeCode of kind 1). */
enum SideLightModeCode {
    SideLightMode_Static = 0,
    SideLightMode_Breath = 1,
    SideLightMode_Wave = 2,
    SideLightMode_Collision = 3,
    SideLightMode_Neon = 4,
    SideLightMode_Close = 5
};

/* Movement directions (colorInfoData::direction). */
enum LightDirectionCode {
    LightDirection_Right = 0,
    LightDirection_Left = 1,
    LightDirection_Up = 2,
    LightDirection_Down = 3,
    LightDirection_Dispersion = 4, /* out from the centre */
    LightDirection_Gather = 5,     /* in to the centre */
    LightDirection_CW = 6,
    LightDirection_UnCW = 7
};

/* The record a new profile starts with for one light kind. */
static inline colorInfoData lumtarDefaultColorInfo(int32_t kind)
{
    colorInfoData d = { kind, 2, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0 };
    return d;
}

/* One keyboard or mouse event of a macro. Mouse events carry the window
 * message number as key code ("513"/"514" left down/up, "516"/"517" right,
 * "519"/"520" middle); operateExplain is "down" or "up". */
typedef struct KeyOrMouseEventStu {
    char mark[64];
    char delay[16];
    char type[16];
    char keyCode[16];
    char codeName[64];
    char operateExplain[64];
} KeyOrMouseEventStu;

/* One advanced key (DKS, MT or TGL) of the advanced-key store: 416 bytes. */
typedef struct SeniorKeyInfoStu {
    int32_t id;
    char name[256];
    int32_t kind;              /* 1 DKS, 2 MT, 3 TGL */
    char keySlot[4][16];       /* "" | "code" | "mask,code" */
    int32_t dksAction[4][4];   /* row: key slot, column: trigger point */
    int32_t triggerPoint[4];   /* 0.1 mm */
    int32_t holdDuration;      /* ms */
    int32_t toggleAssigned;
} SeniorKeyInfoStu;

enum { LUMTAR_SENIOR_DKS = 1, LUMTAR_SENIOR_MT = 2, LUMTAR_SENIOR_TGL = 3 };

#ifdef __cplusplus
static_assert(sizeof(KeyOperateInfoStu) == 16 + 64 + 8 + 8 + 8 + 5120, "KeyOperateInfoStu layout");
static_assert(sizeof(colorInfoData) == 14 * 4, "colorInfoData layout");
static_assert(sizeof(KeyOrMouseEventStu) == 240, "KeyOrMouseEventStu layout");
static_assert(sizeof(SeniorKeyInfoStu) == 416, "SeniorKeyInfoStu layout");
static_assert(offsetof(SeniorKeyInfoStu, kind) == 260, "SeniorKeyInfoStu layout");
static_assert(offsetof(SeniorKeyInfoStu, keySlot) == 264, "SeniorKeyInfoStu layout");
static_assert(offsetof(SeniorKeyInfoStu, dksAction) == 328, "SeniorKeyInfoStu layout");
static_assert(offsetof(SeniorKeyInfoStu, triggerPoint) == 392, "SeniorKeyInfoStu layout");
static_assert(offsetof(SeniorKeyInfoStu, holdDuration) == 408, "SeniorKeyInfoStu layout");

/* The light capabilities of one light (keyboard or side) as the device link
 * collects them from the keyboard. */
struct LightSupportInfo {
    std::vector<int> modeCodes;
    int speedLevels = 0;
    int brightnessLevels = 0;
};
#endif

#endif
