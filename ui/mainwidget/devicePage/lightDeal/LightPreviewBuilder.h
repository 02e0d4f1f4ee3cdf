// The preview colour of one key or side segment, from the frame point the
// SDK computed for it and the light's state: an RGB colour with an alpha,
// darkened by the light's brightness. Keys show alpha 180 (the colour over
// the key cap), side segments 250; effects that fade through a black bottom
// colour take the point's intensity, held at 200, as their alpha.
//
// Notation: I the point's intensity; blend(X, Y, a) = (X * a + (255 - a) *
// Y) / 256 per channel; scale(X, a) = X * a / 256; MIX the key's colour from
// CLumtarHid_lightColorMix. Frame values are held within 0..255 first.
#ifndef LIGHTPREVIEWBUILDER_H
#define LIGHTPREVIEWBUILDER_H

#include "sdk/include/LumtarLight.h"
#include "ui/mainwidget/devicePage/lightDeal/LightEffectState.h"

#include <QColor>

class LightBrightness;

class LightPreviewBuilder
{
public:
    static constexpr int KeyAlpha = 180;
    static constexpr int SideAlpha = 250;
    static constexpr int FadeAlphaLimit = 200;

    // The preview of a key in the keyboard light's mode; false for a mode
    // without one (13, above 16, and Musical Rhythm, which paints itself):
    // the key keeps its preview.
    static bool keyPreview(const LightEffectState &light, const LightFramePointStu &point,
                           const LightColorStu &mix, const LightBrightness &brightness, QColor *out);
    // The preview of a side segment; false for a side mode above 5. Close
    // gives transparent black whatever the brightness.
    static bool sidePreview(const LightEffectState &light, const LightFramePointStu &point,
                            const LightBrightness &brightness, QColor *out);
    // A cell of the music bars: its colour blended over colour 2 by weight
    // (its intensity while its bar is lit, else 0). Over a black colour 2
    // the cell is as opaque as its intensity, held at 200, and a black cell
    // is transparent; over any other colour 2 it shows alpha 180.
    static QColor musicPreview(const LightEffectState &light, const LightFramePointStu &point, int weight,
                               const LightBrightness &brightness);
    // The keyboard modes whose previews read MIX.
    static bool needsMix(const LightEffectState &light);
    // What Speed Respond keeps of a key in column 0: I, or I held at 200
    // when colour 2 is black.
    static int speedRespondStrength(const LightEffectState &light, const LightFramePointStu &point);
};

#endif
