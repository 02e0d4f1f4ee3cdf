#include "ui/mainwidget/devicePage/lightDeal/LightModeTable.h"

#include <QCoreApplication>

namespace {

using Controls = LightModeTable::Controls;

const QVector<int> kWaveDirections = { LightDirection_Left,   LightDirection_Right,  LightDirection_Up,
                                       LightDirection_Down,   LightDirection_Gather, LightDirection_Dispersion };
const QVector<int> kTurnDirections = { LightDirection_CW, LightDirection_UnCW };

// Speed, no direction, colour choices: what most modes show.
Controls plain()
{
    return Controls{ true, true, {}, true };
}

Controls turning()
{
    return Controls{ true, true, kTurnDirections, true };
}

Controls bare()
{
    return Controls{ true, false, {}, false };
}

const LightModeTable::Mode *find(const QVector<LightModeTable::Mode> &modes, int code)
{
    for (const LightModeTable::Mode &m : modes) {
        if (m.code == code)
            return &m;
    }
    return nullptr;
}

const LightModeTable::Mode *findButton(const QVector<LightModeTable::Mode> &modes, int buttonId)
{
    for (const LightModeTable::Mode &m : modes) {
        if (m.buttonId == buttonId)
            return &m;
    }
    return nullptr;
}

QString translated(const char *source)
{
    return QCoreApplication::translate("QObject", source);
}

} // namespace

const QVector<LightModeTable::Mode> &LightModeTable::keyboardModes()
{
    static const QVector<Mode> modes = {
        { LightMode_Static, QT_TRANSLATE_NOOP("QObject", "Static"), "toolButton_Static", 0, 0, bare() },
        { LightMode_Breath, QT_TRANSLATE_NOOP("QObject", "Breath"), "toolButton_Breath", 2, 0, plain() },
        { LightMode_Wave, QT_TRANSLATE_NOOP("QObject", "Wave"), "toolButton_Wave", 3, 0,
          Controls{ true, true, kWaveDirections, true } },
        { LightMode_Neon, QT_TRANSLATE_NOOP("QObject", "Neon"), "toolButton_Neon", 1, 0, plain() },
        { LightMode_Radar, QT_TRANSLATE_NOOP("QObject", "Radar"), "toolButton_Radar", 6, 6, turning() },
        { LightMode_Snake, QT_TRANSLATE_NOOP("QObject", "Snake"), "toolButton_Snack", 5, 6, turning() },
        { LightMode_Reactive, QT_TRANSLATE_NOOP("QObject", "Reactive"), "toolButton_Reactive", 11, 0, plain() },
        { LightMode_Aurora, QT_TRANSLATE_NOOP("QObject", "Aurora"), "toolButton_Aurora", 9, 4,
          Controls{ true, true, { LightDirection_Gather, LightDirection_Dispersion }, true } },
        { LightMode_Ripple, QT_TRANSLATE_NOOP("QObject", "Ripple"), "toolButton_Ripple", 10, 4, plain() },
        { LightMode_Twinkle, QT_TRANSLATE_NOOP("QObject", "Twinkle"), "toolButton_Twinkle", 4, 0, plain() },
        { LightMode_Custom, QT_TRANSLATE_NOOP("QObject", "Custom"), "toolButton_CustomLed", 17, 0, bare() },
        { LightMode_Cross, QT_TRANSLATE_NOOP("QObject", "Cross"), "toolButton_Cross", 12, 0, plain() },
        { LightMode_SpeedRespond, QT_TRANSLATE_NOOP("QObject", "Speed Respond"), "toolButton_SpeedRespond", 15, 2,
          Controls{ true, false, { LightDirection_Up, LightDirection_Down }, true } },
        { LightMode_AutoRipple, QT_TRANSLATE_NOOP("QObject", "Auto Ripple"), "toolButton_AutoRipple", 7, 4, plain() },
        { LightMode_Striation, QT_TRANSLATE_NOOP("QObject", "Striation"), "toolButton_Striation", 8, 6, turning() },
        { LightMode_Fireworks, QT_TRANSLATE_NOOP("QObject", "Fireworks"), "toolButton_Fireworks", 14, 4, plain() },
        { LightMode_MusicalRhythm, QT_TRANSLATE_NOOP("QObject", "Musical Rhythm"), "toolButton_MusicalRhythm", 16, 2,
          Controls{ true, false, {}, true } },
    };
    return modes;
}

const QVector<LightModeTable::Mode> &LightModeTable::sideModes()
{
    static const QVector<Mode> modes = {
        { SideLightMode_Static, QT_TRANSLATE_NOOP("QObject", "Static"), "toolButton_SideStatic", 50, 0, bare() },
        { SideLightMode_Breath, QT_TRANSLATE_NOOP("QObject", "Breath"), "toolButton_SideBreath", 52, 0, plain() },
        { SideLightMode_Wave, QT_TRANSLATE_NOOP("QObject", "Wave"), "toolButton_SideWave", 53, 0, plain() },
        { SideLightMode_Collision, QT_TRANSLATE_NOOP("QObject", "Collision"), "toolButton_SideCollision", 54, 0,
          plain() },
        { SideLightMode_Neon, QT_TRANSLATE_NOOP("QObject", "Neon"), "toolButton_SideNeon", 51, 0, plain() },
        { SideLightMode_Close, QT_TRANSLATE_NOOP("QObject", "Close"), "toolButton_SideClose", 55, 0,
          Controls{ false, false, {}, false } },
    };
    return modes;
}

const LightModeTable::Mode *LightModeTable::keyboardMode(int code)
{
    return find(keyboardModes(), code);
}

const LightModeTable::Mode *LightModeTable::sideMode(int code)
{
    return find(sideModes(), code);
}

int LightModeTable::keyboardCodeForButton(int buttonId, int currentCode)
{
    if (buttonId == DpiButtonId)
        return currentCode;
    const Mode *m = findButton(keyboardModes(), buttonId);
    return m ? m->code : FallbackCode;
}

int LightModeTable::sideCodeForButton(int buttonId)
{
    const Mode *m = findButton(sideModes(), buttonId);
    return m ? m->code : FallbackCode;
}

int LightModeTable::keyboardButtonForCode(int code)
{
    const Mode *m = keyboardMode(code);
    return m ? m->buttonId : -1;
}

int LightModeTable::sideButtonForCode(int code)
{
    const Mode *m = sideMode(code);
    return m ? m->buttonId : -1;
}

QString LightModeTable::keyboardCaption(int code)
{
    if (code == DpiCode)
        return translated(QT_TRANSLATE_NOOP("QObject", "DPI"));
    const Mode *m = keyboardMode(code);
    return translated(m ? m->name : keyboardMode(FallbackCode)->name);
}

QString LightModeTable::sideCaption(int code)
{
    const Mode *m = sideMode(code);
    return translated(m ? m->name : sideMode(FallbackCode)->name);
}

LightModeTable::Controls LightModeTable::keyboardControls(int code)
{
    const Mode *m = keyboardMode(code);
    return m ? m->controls : Controls{ true, true, kWaveDirections + kTurnDirections, true };
}

LightModeTable::Controls LightModeTable::sideControls(int code)
{
    const Mode *m = sideMode(code);
    return m ? m->controls : Controls{ true, true, kWaveDirections + kTurnDirections, true };
}

colorInfoData LightModeTable::defaultRecord(int kind, int code)
{
    const bool side = kind == LUMTAR_LIGHT_KIND_SIDE;
    const Mode *m = side ? sideMode(code) : keyboardMode(code);
    const int red = side && code == SideLightMode_Close ? 0 : 255;
    const int direction = m ? m->defaultDirection : 0;
    return colorInfoData{ kind, code, 3, 3, red, 0, 0, 0, 0, 0, direction, 1, 0, 0 };
}

QVector<int> LightModeTable::offeredKeyboardModes(const std::vector<int> &modeList)
{
    QVector<int> offered;
    for (int code : modeList) {
        const bool light = (code >= 0 && code <= 12) || (code >= 14 && code <= 16);
        if (light && !offered.contains(code))
            offered.append(code);
    }
    for (int always : { int(LightMode_Custom), int(LightMode_MusicalRhythm) }) {
        if (!offered.contains(always))
            offered.append(always);
    }
    return offered;
}

QVector<int> LightModeTable::offeredSideModes(const std::vector<int> &modeList)
{
    QVector<int> offered;
    for (int code : modeList) {
        if (code >= SideLightMode_Static && code <= SideLightMode_Close && !offered.contains(code))
            offered.append(code);
    }
    return offered;
}

bool LightModeTable::isKeyPressReactive(int code)
{
    switch (code) {
    case LightMode_Reactive:
    case LightMode_Aurora:
    case LightMode_Ripple:
    case LightMode_Cross:
    case LightMode_SpeedRespond:
    case LightMode_Fireworks: return true;
    default: return false;
    }
}
