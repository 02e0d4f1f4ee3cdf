// The lighting engine's reports to the keyboard: light synchronisation
// (0x16), the previews streamed every 30 ms (0x0E through the light queue on
// a cable, one compact 0x28 through the command queue behind a receiver) and
// the custom colours of a keyboard behind its receiver (0x08).
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "device/CustomLedPacket.h"
#include "device/LightCompactPacket.h"
#include "device/LightStreamPacket.h"
#include "device/LightSyncPacket.h"
#include "device/MainHidInterFace.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicRhythmPipeline.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThread.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadSide.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadUI.h"

#include <QDebug>
#include <QTimer>

namespace {

LightCompactFrame::Rgb rgbOf(const QColor &c)
{
    return { c.red(), c.green(), c.blue() };
}

} // namespace

void lightDealMain::sendSynchronizeReport()
{
    if (!m_hidInterface)
        return;
    if (m_hidInterface->writeHidCmd(LightSyncPacket::report(m_synchronize).constData()) < 0)
        qDebug() << "USB serial port [ Into Light Synchronous ] Failed ...";
}

void lightDealMain::onSendLightSynchronize0x17Cmd()
{
    sendSynchronizeReport();
}

void lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid()
{
    // A tick queued before the stream stopped finds nothing to do.
    if (!m_synchronize)
        return;
    // The frames due since the last tick, then the newest to the keyboard,
    // then to the screen when it changed.
    runDueFrames();
    ++m_streamTicks;
    if (m_deviceInfo.connectType == LUMTAR_CONNECT_USB)
        writeKeyboardColorUsb();
    else if (m_deviceInfo.connectType == LUMTAR_CONNECT_RECEIVER)
        writeKeyboardColor24G();
    if (m_paintThread->takeDueTick()) {
        onDviceUpdateAllKeyColorUI();
        onDviceUpdateAllSideLightColorUI();
    }
}

QByteArray lightDealMain::previewRgb(int first, int count) const
{
    QByteArray rgb;
    rgb.reserve(3 * count);
    for (int i = first; i < first + count; ++i) {
        const QColor &c = m_previews[static_cast<size_t>(i)];
        rgb.append(static_cast<char>(c.red()));
        rgb.append(static_cast<char>(c.green()));
        rgb.append(static_cast<char>(c.blue()));
    }
    return rgb;
}

void lightDealMain::writeKeyboardColorUsb()
{
    if (m_streamBusy || !m_hidInterface)
        return;
    // A batch still draining would drop this frame's first packets and then,
    // once empty, take its later ones as the start of a batch: the keyboard
    // would get a torn frame. The tick came late (the GUI thread was busy
    // and the ticks bunched): offer the frame as soon as the batch drained.
    if (!m_hidInterface->isLightQueueEmpty()) {
        if (m_owedFrameTries == 0) {
            m_owedFrameTries = OwedFrameTries;
            QTimer::singleShot(OwedFrameRetryMs, this, &lightDealMain::offerOwedFrame);
        }
        return;
    }
    m_owedFrameTries = 0;
    m_streamBusy = true;
    // One whole frame: the keys, then the side LEDs whatever the side light
    // (the light queue takes exactly one frame as a batch).
    const QVector<QByteArray> keys = LightStreamPacket::payloads(previewRgb(0, KeyCount));
    for (int p = 0; p < keys.size(); ++p)
        writeColorStreamReport(LightStreamPacket::KeyZone, p, keys.at(p));
    const QVector<QByteArray> side = LightStreamPacket::payloads(previewRgb(KeyCount, m_sideLedCount));
    for (int p = 0; p < side.size(); ++p)
        writeColorStreamReport(LightStreamPacket::SideZone, p, side.at(p));
    ++m_streamFramesOffered;
    m_streamBusy = false;
}

void lightDealMain::offerOwedFrame()
{
    // Paid meanwhile by a tick, or the stream stopped.
    if (m_owedFrameTries == 0)
        return;
    if (!m_synchronize || !m_hidInterface || m_deviceInfo.connectType != LUMTAR_CONNECT_USB) {
        m_owedFrameTries = 0;
        return;
    }
    if (m_hidInterface->isLightQueueEmpty()) {
        m_owedFrameTries = 0;
        writeKeyboardColorUsb();
        return;
    }
    // Still draining: look again, a few times; then the next tick offers a newer frame.
    if (--m_owedFrameTries > 0)
        QTimer::singleShot(OwedFrameRetryMs, this, &lightDealMain::offerOwedFrame);
}

void lightDealMain::writeColorStreamReport(int zone, int packet, const QByteArray &rgb)
{
    if (m_reportBusy || !m_synchronize)
        return;
    m_reportBusy = true;
    if (m_hidInterface
        && m_hidInterface->writeHidLightCmd(LightStreamPacket::report(zone, packet, rgb).constData()) < 0)
        qDebug() << "USB serial port [Write keyboard Color] Failed ... USB";
    m_reportBusy = false;
}

void lightDealMain::writeKeyboardColor24G()
{
    LightCompactFrame f;
    f.timeMs = EpochClock::read(m_clock);
    f.keyboardMode = m_keyboardRecord.modeCode;
    f.firstKey = rgbOf(m_previews[0]);
    f.pointRow = m_pointX;
    f.pointColumn = m_pointY;
    f.ripple = { m_rippleColour.r, m_rippleColour.g, m_rippleColour.b };
    if (!m_speedRespond.isEmpty()) {
        f.hasSpeedRespond = true;
        f.speedRespondLevel = m_speedRespond.lastKey();
        f.speedRespondValue = m_speedRespond.last();
    }
    if (f.keyboardMode == LightMode_AutoRipple && m_keyFrame[0].trigger == 1) {
        f.autoRippleTrigger = true;
        const AutoRippleLightConfigStu a = CLumtarHid_GetCurrentAutoRippleLightConfig();
        f.autoRipple = { a.row, a.column, a.r, a.g, a.b };
    }
    if (f.keyboardMode == LightMode_MusicalRhythm) {
        static_assert(MusicBarFrame::ReportBands == LightCompactFrame::MusicBands, "one music byte per band");
        const QByteArray music = m_music->bars().reportBytes();
        for (int band = 0; band < LightCompactFrame::MusicBands; ++band) {
            f.musicLevels[static_cast<size_t>(band)] = static_cast<uint8_t>(music.at(band));
            f.musicIntensities[static_cast<size_t>(band)] =
                static_cast<uint8_t>(music.at(LightCompactFrame::MusicBands + band));
        }
    }
    f.hasSideLight = m_hasSideLight;
    f.sideMode = m_sideRecord.modeCode;
    f.firstSide = rgbOf(m_previews[KeyCount]);
    if (m_hasSideLight && f.sideMode == SideLightMode_Collision) {
        const SideCollisionLightConfigStu c = CLumtarHid_GetSideCollisionLightRuningConfig();
        f.collision = { c.firstPosition, c.secondPosition, c.r, c.g, c.b };
    }
    // A press is reported once, by the first report of a mode that carries it.
    if (LightCompactPacket::carriesPress(f.keyboardMode)) {
        m_pointX = -1;
        m_pointY = -1;
    }
    if (!m_hidInterface)
        return;
    if (m_hidInterface->writeHidCmd(LightCompactPacket::report(f).constData()) < 0)
        qDebug() << "USB serial port [Write keyboard Color] Failed ... 2.4G";
}

void lightDealMain::setInteractLightPoint(int x, int y)
{
    if (m_deviceInfo.connectType != LUMTAR_CONNECT_RECEIVER)
        return;
    // A place outside the key matrix is no key.
    if (x < 0 || x >= Rows || y < 0 || y >= Columns)
        return;
    m_pointX = x;
    m_pointY = y;
    m_rippleColour = CLumtarHid_GetCurrentRippleLightColor();
}

void lightDealMain::writeCustomLightColors(int origin, int usingFlagIndex)
{
    QByteArray rgb;
    rgb.reserve(3 * KeyCount);
    for (int i = 0; i < KeyCount; ++i) {
        keyboardButCustom *button = m_keyButtons[static_cast<size_t>(i)];
        const QColor c = button ? button->customLightColor() : QColor(0, 0, 0);
        LightFramePointStu point{};
        point.r = c.red();
        point.g = c.green();
        point.b = c.blue();
        point.intensity = 255;
        m_keyFrame[static_cast<size_t>(i)] = point;
        rgb.append(static_cast<char>(c.red()));
        rgb.append(static_cast<char>(c.green()));
        rgb.append(static_cast<char>(c.blue()));
    }
    // The Custom previews are made of these points at the next keyboard tick.
    m_keyThread->requestFrame();
    // The keyboard's own slots 0 and 1 are written by the lighting page.
    const bool written = origin == 0 || (origin == 1 && usingFlagIndex == -1);
    if (m_deviceInfo.connectType != LUMTAR_CONNECT_RECEIVER || !written)
        return;
    const QVector<QByteArray> payloads = LightStreamPacket::payloads(rgb);
    for (int p = 0; p < payloads.size(); ++p)
        writeCustomLedReport(CustomLedPacket::HostColours, p, payloads.at(p));
}

void lightDealMain::writeCustomLedReport(int first, int packet, const QByteArray &rgb)
{
    if (!m_hidInterface)
        return;
    if (m_hidInterface->writeHidCmd(CustomLedPacket::report(static_cast<uint8_t>(first), packet, rgb).constData()) < 0)
        qDebug() << "USB serial port [Write custom-Led] Failed ...";
}
