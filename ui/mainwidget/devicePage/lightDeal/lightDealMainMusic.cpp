// The lighting engine in Musical Rhythm: the music pipeline runs while the
// keyboard frames do, and each keyboard tick turns its bars into the key
// previews (and so into the streamed frame and the compact report's levels).
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicRhythmPipeline.h"
#include "ui/mainwidget/devicePage/lightDeal/LightPreviewBuilder.h"

void lightDealMain::setMusicRhythmRunning(bool on)
{
    if (m_music->setMusicRhythmRunning(on))
        dimKeyPreview();
}

bool lightDealMain::isMusicRhythmRunning() const
{
    return m_music->isMusicRhythmRunning();
}

void lightDealMain::initMusicFrame()
{
    const LightEffectState::Rgb &c1 = m_keyboardState.colour1;
    MusicBarFrame &bars = m_music->bars();
    bars.initMusicFrame(m_keyboardState.fullColour, QColor(c1.r, c1.g, c1.b));
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const size_t i = static_cast<size_t>(row * Columns + column);
            const LightFramePointStu &point = bars.point(row, column);
            const QColor colour(point.r, point.g, point.b);
            m_keyFrame[i] = point;
            m_previews[i] = colour;
            if (!m_previewPaintEnabled)
                continue;
            if (keyboardButCustom *button = m_keyButtons[i]) {
                QColor shown = colour;
                shown.setAlpha(LightPreviewBuilder::KeyAlpha);
                button->setLightColor(shown);
            }
        }
    }
}

void lightDealMain::buildMusicFrame()
{
    MusicBarFrame &bars = m_music->bars();
    bars.buildMusicFrame();
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const size_t i = static_cast<size_t>(row * Columns + column);
            const LightFramePointStu &point = bars.point(row, column);
            m_keyFrame[i] = point;
            m_previews[i] = LightPreviewBuilder::musicPreview(m_keyboardState, point, bars.weight(row, column),
                                                              m_keyboardBrightness);
        }
    }
}
