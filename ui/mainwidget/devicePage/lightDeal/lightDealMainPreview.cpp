// The lighting engine's frames and previews: each tick asks the SDK for the
// next frame of a light, the frame becomes preview colours (the on-screen
// picture and the streamed frame alike), and the paint tick hands the
// previews to the key buttons and side segments.
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/sideLightButtonCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/LightPreviewBuilder.h"

void lightDealMain::keyboardLightFrameCallback(const LightFramePointStu *points)
{
    if (s_instance && points)
        s_instance->onKeyboardLightFrame(points);
}

void lightDealMain::sideLightFrameCallback(const LightFramePointStu *points)
{
    if (s_instance && points)
        s_instance->onSideLightFrame(points);
}

void lightDealMain::onDviceUpdateAllKeyColor()
{
    if (!m_keyFramesStarted)
        return;
    const std::array<QColor, PreviewCount> before = m_previews;
    if (m_keyboardState.mode == LightMode_MusicalRhythm)
        buildMusicFrame();
    else
        CLumtarHid_keyboardLightColorRuning(&lightDealMain::keyboardLightFrameCallback);
    paintIfChanged(before);
}

void lightDealMain::onDviceUpdateAllSideLightColor()
{
    if (!m_sideFramesStarted)
        return;
    const std::array<QColor, PreviewCount> before = m_previews;
    CLumtarHid_sideLightColorRuning(&lightDealMain::sideLightFrameCallback);
    paintIfChanged(before);
}

void lightDealMain::paintIfChanged(const std::array<QColor, PreviewCount> &before)
{
    // The paint thread ticks only when asked: a frame that changes nothing
    // wakes nobody.
    if (before != m_previews)
        requestPreviewPaint();
}

void lightDealMain::onKeyboardLightFrame(const LightFramePointStu *points)
{
    const LightEffectState &light = m_keyboardState;
    if (light.mode == LightMode_Custom) {
        // The SDK draws nothing for Custom: the key frame keeps the colours
        // writeCustomLightColors took from the key buttons.
        for (int i = 0; i < KeyCount; ++i) {
            const LightFramePointStu &p = m_keyFrame[static_cast<size_t>(i)];
            if (keyboardButCustom *button = m_keyButtons[static_cast<size_t>(i)])
                button->setCustomLightColor(QColor(qBound(0, p.r, 255), qBound(0, p.g, 255), qBound(0, p.b, 255)));
            LightPreviewBuilder::keyPreview(light, p, LightColorStu{}, m_keyboardBrightness,
                                            &m_previews[static_cast<size_t>(i)]);
        }
        return;
    }

    std::copy(points, points + KeyCount, m_keyFrame.begin());
    const bool speedRespond = light.mode == LightMode_SpeedRespond;
    if (speedRespond)
        m_speedRespond.clear();
    const bool needsMix = LightPreviewBuilder::needsMix(light);
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const size_t i = static_cast<size_t>(row * Columns + column);
            const LightFramePointStu &p = m_keyFrame[i];
            const LightColorStu mix = needsMix ? CLumtarHid_lightColorMix(row, column) : LightColorStu{};
            if (!LightPreviewBuilder::keyPreview(light, p, mix, m_keyboardBrightness, &m_previews[i]))
                return; // a mode without previews leaves them as they are
            if (speedRespond && column == 0) {
                const int strength = LightPreviewBuilder::speedRespondStrength(light, p);
                if (strength > 0)
                    m_speedRespond.insert(p.level, strength);
            }
        }
    }
}

void lightDealMain::onSideLightFrame(const LightFramePointStu *points)
{
    std::copy(points, points + SidePoints, m_sideFrame.begin());
    const int segments = sideSegmentCount();
    for (int k = 0; k < segments; ++k) {
        if (!LightPreviewBuilder::sidePreview(m_sideState, m_sideFrame[static_cast<size_t>(k)], m_sideBrightness,
                                              &m_previews[static_cast<size_t>(KeyCount + k)]))
            return;
    }
}

int lightDealMain::sideSegmentCount() const
{
    return qMin(m_sideButtons.size(), int(SidePoints));
}

namespace {

// Whether the view's window shows anything: a minimised window keeps the
// colours for when it comes back, unpainted. Asked once a paint tick.
bool windowShown(const QWidget *view)
{
    return view && !view->window()->isMinimized();
}

} // namespace

void lightDealMain::onDviceUpdateAllKeyColorUI()
{
    if (!m_keyFramesStarted || !m_previewPaintEnabled)
        return;
    // Each key repaints only when what it draws changed and can be seen.
    int shown = -1;
    for (int i = 0; i < KeyCount; ++i) {
        if (keyboardButCustom *button = m_keyButtons[static_cast<size_t>(i)]) {
            if (shown < 0)
                shown = windowShown(button) ? 1 : 0;
            button->setLightColor(m_previews[static_cast<size_t>(i)], shown == 1);
        }
    }
}

void lightDealMain::onDviceUpdateAllSideLightColorUI()
{
    if (!m_sideFramesStarted || !m_hasSideLight || !m_previewPaintEnabled)
        return;
    const int segments = sideSegmentCount();
    int shown = -1;
    for (int k = 0; k < segments; ++k) {
        if (sideLightButtonCustom *segment = m_sideButtons.at(k)) {
            if (shown < 0)
                shown = windowShown(segment) ? 1 : 0;
            segment->setLightColor(m_previews[static_cast<size_t>(KeyCount + k)], shown == 1);
        }
    }
}

QColor lightDealMain::previewColor(int index) const
{
    if (index < 0 || index >= PreviewCount)
        return QColor();
    return m_previews[static_cast<size_t>(index)];
}

void lightDealMain::resetPreviews()
{
    m_previews.fill(QColor(0, 0, 0));
    requestPreviewPaint();
}

void lightDealMain::resetKeyPreview()
{
    std::fill(m_previews.begin(), m_previews.begin() + KeyCount, QColor(0, 0, 0));
    requestPreviewPaint();
}

void lightDealMain::resetSidePreview()
{
    std::fill(m_previews.begin() + KeyCount, m_previews.end(), QColor(0, 0, 0));
    requestPreviewPaint();
}

void lightDealMain::dimKeyPreview()
{
    std::fill(m_previews.begin(), m_previews.begin() + KeyCount, QColor(0, 0, 0, 128));
    requestPreviewPaint();
}
