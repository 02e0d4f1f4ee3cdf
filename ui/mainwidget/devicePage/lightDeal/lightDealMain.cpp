#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "core/DDataManager.h"
#include "device/DeviceModelLists.h"
#include "device/MagneticCommands.h"
#include "device/MainHidInterFace.h"
#include "device/RecordFieldText.h"
#include "sdk/include/LumtarXml.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicRhythmPipeline.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/sideLightButtonCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/LightSpeedTable.h"
#include "ui/mainwidget/devicePage/lightDeal/sendLightUpdataThread.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThread.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadSide.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadUI.h"

#include <QTimer>

lightDealMain *lightDealMain::s_instance = nullptr;

lightDealMain::lightDealMain(QObject *parent)
    : QObject(parent)
{
    resetPreviews();
    s_instance = this;

    m_synchroniseTimer = new QTimer(this);
    m_synchroniseTimer->setInterval(SynchroniseIntervalMs);
    connect(m_synchroniseTimer, &QTimer::timeout, this, &lightDealMain::onSendLightSynchronize0x17Cmd);

    m_keyThread = new updateLightMainThread(this);
    connect(m_keyThread, &updateLightMainThread::sigDviceUpdateAllKeyColor, this,
            &lightDealMain::onDviceUpdateAllKeyColor);
    m_sideThread = new updateLightMainThreadSide(this);
    connect(m_sideThread, &updateLightMainThreadSide::sigDviceUpdateAllKeyColorSide, this,
            &lightDealMain::onDviceUpdateAllSideLightColor);
    m_paintThread = new updateLightMainThreadUI(nullptr);
    // A paint only when a preview changed.
    m_paintThread->setOnDemand(true);
    // Keys first, then the side segments, on every paint tick.
    connect(m_paintThread, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, this,
            &lightDealMain::onDviceUpdateAllKeyColorUI);
    connect(m_paintThread, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, this,
            &lightDealMain::onDviceUpdateAllSideLightColorUI);
    m_streamThread = new sendLightUpdataThread(nullptr);
    connect(m_streamThread, &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid, this,
            &lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid);

    // Nothing to show yet: Static, no side light.
    updateKeyboardMotion();
    updateSideMotion();

    m_music = new MusicRhythmPipeline(this);
    m_music->setMusicBandLayout(104, 11, 30.0, 930.0);

    // A thread started again while its loop was ending may still end: start
    // it anew once it has.
    for (QThread *thread : { static_cast<QThread *>(m_keyThread), static_cast<QThread *>(m_sideThread),
                             static_cast<QThread *>(m_paintThread), static_cast<QThread *>(m_streamThread) })
        connect(thread, &QThread::finished, this, &lightDealMain::restartRearmedThreads, Qt::QueuedConnection);
}

lightDealMain::~lightDealMain()
{
    m_music->setMusicRhythmRunning(false);
    stopThreads();
    delete m_paintThread;
    delete m_streamThread;
    if (s_instance == this)
        s_instance = nullptr;
}

void lightDealMain::stopThreads()
{
    m_keyThread->setRunning(false);
    m_sideThread->setRunning(false);
    m_paintThread->setRunning(false);
    m_streamThread->setRunning(false);
    // Each loop ends after its sleep, 30 ms at most.
    m_keyThread->wait();
    m_sideThread->wait();
    m_paintThread->wait();
    m_streamThread->wait();
}

// ---- what the device page hands over ---------------------------------------------

void lightDealMain::setDeviceInfo(hidStructInfoAll info)
{
    m_deviceInfo = info;
    m_modelName = QString::fromLatin1(recordFieldText(info.hidModel));
    m_sideLedCount = qBound(0, DeviceModelLists::sideLedCount(m_modelName), int(SidePoints));
}

void lightDealMain::setLightSupportInfo(LightSupportInfo keyboard, LightSupportInfo side)
{
    m_keyboardSupport = keyboard;
    m_sideSupport = side;
    m_hasSideLight = !side.modeCodes.empty();
    m_keyboardBrightness.setLevelCount(keyboard.brightnessLevels);
    m_sideBrightness.setLevelCount(side.brightnessLevels);
    // The brightness steps are the previews' too.
    m_keyThread->requestFrame();
    updateSideMotion();
}

void lightDealMain::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
    // An interface handed over while streaming takes the light frames at once.
    if (m_hidInterface && m_synchronize)
        m_hidInterface->setLightSendEnabled(true);
}

MainHidInterFace *lightDealMain::hidInterface() const
{
    return m_hidInterface;
}

void lightDealMain::setMusicBandLayout(int keyCount, int bandCount, double lowFrequency, double highFrequency)
{
    m_music->setMusicBandLayout(keyCount, bandCount, lowFrequency, highFrequency);
}

void lightDealMain::setKeyButton(int row, int column, keyboardButCustom *button)
{
    if (row < 0 || row >= Rows || column < 0 || column >= Columns)
        return;
    m_keyButtons[static_cast<size_t>(row * Columns + column)] = button;
    requestPreviewPaint();
}

keyboardButCustom *lightDealMain::keyButton(int row, int column) const
{
    if (row < 0 || row >= Rows || column < 0 || column >= Columns)
        return nullptr;
    return m_keyButtons[static_cast<size_t>(row * Columns + column)];
}

void lightDealMain::setSideLightButtons(const QList<sideLightButtonCustom *> &segments)
{
    m_sideButtons.clear();
    for (sideLightButtonCustom *segment : segments) {
        if (m_sideButtons.size() == SidePoints)
            break;
        m_sideButtons.append(segment);
    }
    rebuildSideStates();
    m_sideThread->requestFrame();
    requestPreviewPaint();
}

void lightDealMain::rebuildSideStates()
{
    m_sideStates.clear();
    for (const QPointer<sideLightButtonCustom> &segment : qAsConst(m_sideButtons))
        m_sideStates.push_back(segment ? segment->validStatus() : 0);
}

void lightDealMain::setClock(const EpochClock::Source &clock)
{
    m_clock = clock ? clock : EpochClock::system();
    if (!m_keyThread->isRunning())
        m_keyThread->setClock(m_clock);
    if (!m_sideThread->isRunning())
        m_sideThread->setClock(m_clock);
}

// ---- settings ---------------------------------------------------------------------

void lightDealMain::applyColorInfo(int kind)
{
    if (kind == LUMTAR_LIGHT_KIND_KEYBOARD) {
        m_keyboardState = LightEffectState::fromRecord(m_keyboardRecord);
        m_keyThread->setInterval(
            LightSpeedTable::keyboardInterval(m_keyboardSupport.speedLevels, m_keyboardState.speedIndex));
        if (m_keyboardState.mode == LightMode_MusicalRhythm) {
            initMusicFrame();
            // Music runs with the keyboard frames; stopped ones start it.
            if (m_keyFramesStarted)
                setMusicRhythmRunning(true);
        } else {
            setMusicRhythmRunning(false);
        }
        updateKeyboardMotion();
    } else if (kind == LUMTAR_LIGHT_KIND_SIDE && m_hasSideLight) {
        m_sideState = LightEffectState::fromRecord(m_sideRecord);
        m_sideThread->setInterval(LightSpeedTable::sideInterval(m_sideSupport.speedLevels, m_sideState.speedIndex));
        updateSideMotion();
    }
}

void lightDealMain::updateKeyboardMotion()
{
    // Static and Custom show the same frame tick after tick (Custom the
    // colours writeCustomLightColors took); every other mode moves, also
    // the reactive ones, whose presses arrive between ticks.
    const int mode = m_keyboardState.mode;
    m_keyThread->setMotion(mode != LightMode_Static && mode != LightMode_Custom);
    m_keyThread->requestFrame();
    // Painted also when the frame comes out as before: the page that sent
    // the settings may have just switched the keys' light colours on.
    requestPreviewPaint();
}

void lightDealMain::updateSideMotion()
{
    const int mode = m_sideState.mode;
    m_sideThread->setMotion(m_hasSideLight && mode != SideLightMode_Static && mode != SideLightMode_Close);
    m_sideThread->requestFrame();
    requestPreviewPaint();
}

void lightDealMain::pushKeyboardColorInfoToSdk()
{
    // The effects walk the keys the view has: a cell of the layout without a
    // key (code 0) is no place for the snake or a twinkle.
    QVector<QPoint> keys;
    for (int i = 0; i < KeyCount; ++i) {
        const keyboardButCustom *button = m_keyButtons[static_cast<size_t>(i)];
        if (button && button->keyCode() != 0)
            keys.append(QPoint(i / Columns, i % Columns));
    }
    const MagneticCommands::KeyBitmap positions = MagneticCommands::keyBitmap(keys);
    CLumtarHid_SetKeyboardKeyPositions(positions.data(), static_cast<int>(positions.size()));
    const QByteArray model = m_modelName.toLatin1();
    CLumtarHid_SetKeyboardColorInfoDataStu(m_keyboardRecord, m_deviceInfo.modelValue1, model.constData(),
                                           m_hasSideLight ? 1 : 0);
}

void lightDealMain::pushSideColorInfoToSdk()
{
    CLumtarHid_SetSideColorInfoDataStu(m_sideRecord, static_cast<int>(m_sideStates.size()), m_sideStates);
}

void lightDealMain::setKeyboardColorInfo(colorInfoData data)
{
    m_keyboardRecord = data;
    applyColorInfo(LUMTAR_LIGHT_KIND_KEYBOARD);
    pushKeyboardColorInfoToSdk();
}

void lightDealMain::changeKeyboardColorInfo(colorInfoData data)
{
    m_keyboardRecord = data;
    resetKeyPreview();
    applyColorInfo(LUMTAR_LIGHT_KIND_KEYBOARD);
    CLumtarHid_SetKeyboardColorInfoDataStuHaveChanged(data);
}

void lightDealMain::setSideColorInfo(colorInfoData data)
{
    m_sideRecord = data;
    applyColorInfo(LUMTAR_LIGHT_KIND_SIDE);
    pushSideColorInfoToSdk();
}

void lightDealMain::changeSideColorInfo(colorInfoData data)
{
    m_sideRecord = data;
    resetSidePreview();
    applyColorInfo(LUMTAR_LIGHT_KIND_SIDE);
    CLumtarHid_SetSideColorInfoDataStuHaveChanged(data);
}

void lightDealMain::loadProFileLightInfo()
{
    resetPreviews();
    DDataManager *data = DDataManager::getInstance();
    char path[DDataManager::PathBufferSize] = {};
    data->copyXmlProfilePath(path);
    const QByteArray index = QByteArray::number(data->currentProfileIndex());

    const int keyboardMode = CLumtarXML_SelectProFileMouseLightTypeUsingIndex(path, index.constData(),
                                                                              LUMTAR_LIGHT_KIND_KEYBOARD);
    colorInfoData record = m_keyboardRecord;
    if (CLumtarXML_SelectProfileColorDataInfo(path, index.constData(), LUMTAR_LIGHT_KIND_KEYBOARD, keyboardMode,
                                              &record)) {
        m_keyboardRecord = record;
        applyColorInfo(LUMTAR_LIGHT_KIND_KEYBOARD);
    }
    const int sideMode = CLumtarXML_SelectProFileMouseLightTypeUsingIndex(path, index.constData(),
                                                                          LUMTAR_LIGHT_KIND_SIDE);
    record = m_sideRecord;
    if (CLumtarXML_SelectProfileColorDataInfo(path, index.constData(), LUMTAR_LIGHT_KIND_SIDE, sideMode, &record)) {
        m_sideRecord = record;
        applyColorInfo(LUMTAR_LIGHT_KIND_SIDE);
    }

    pushKeyboardColorInfoToSdk();
    if (m_hasSideLight) {
        rebuildSideStates();
        pushSideColorInfoToSdk();
    }
}

// ---- lifecycle --------------------------------------------------------------------

void lightDealMain::setPreviewPaintEnabled(bool enabled)
{
    m_previewPaintEnabled = enabled;
    if (enabled)
        requestPreviewPaint();
}

void lightDealMain::requestPreviewPaint()
{
    // The constructor clears the previews before the thread exists.
    if (m_paintThread)
        m_paintThread->requestTick();
}

long lightDealMain::keyboardFrameTicks() const
{
    return m_keyThread->ticks();
}

long lightDealMain::sideFrameTicks() const
{
    return m_sideThread->ticks();
}

long lightDealMain::paintTicks() const
{
    return m_paintThread->ticks();
}

void lightDealMain::setLightPreviewRunning(bool running)
{
    if (running)
        startPreviewThreads();
    else
        stopPreviewThreads();
}

void lightDealMain::startTickThread(QThread *thread)
{
    // A thread whose loop still ends after a stop has its flag set again
    // and goes on; one that ended meanwhile is started anew when it has
    // (restartRearmedThreads).
    if (!thread->isRunning())
        thread->start(QThread::TimeCriticalPriority);
}

void lightDealMain::restartRearmedThreads()
{
    if (m_keyFramesStarted && m_keyThread->runFlag())
        startTickThread(m_keyThread);
    if (m_sideFramesStarted && m_sideThread->runFlag())
        startTickThread(m_sideThread);
    if (m_paintStarted && m_paintThread->runFlag())
        startTickThread(m_paintThread);
    if (m_synchronize && m_streamThread->runFlag())
        startTickThread(m_streamThread);
}

void lightDealMain::startPreviewThreads()
{
    if (!m_keyFramesStarted) {
        m_keyFramesStarted = true;
        m_keyThread->setRunning(true);
        startTickThread(m_keyThread);
        if (m_keyboardState.mode == LightMode_MusicalRhythm)
            setMusicRhythmRunning(true);
    }
    // The side frames run also without a side light: its previews stay black.
    if (!m_sideFramesStarted) {
        m_sideFramesStarted = true;
        m_sideThread->setRunning(true);
        startTickThread(m_sideThread);
    }
    if (!m_paintStarted) {
        m_paintStarted = true;
        m_paintThread->setRunning(true);
        startTickThread(m_paintThread);
    }
}

void lightDealMain::stopPreviewThreads()
{
    m_paintStarted = false;
    m_paintThread->setRunning(false);
    m_keyFramesStarted = false;
    m_sideFramesStarted = false;
    // Nothing shows the bars any more: capture and the output check end.
    setMusicRhythmRunning(false);
    m_keyThread->setRunning(false);
    m_sideThread->setRunning(false);
}

void lightDealMain::setLightSynchronize(bool on)
{
    if (on == m_synchronize)
        return;
    if (on) {
        if (m_hidInterface)
            m_hidInterface->setLightSendEnabled(true);
        m_synchronize = true;
        sendSynchronizeReport();
        m_synchroniseTimer->start();
        carryFrameThreads(true);
        m_streamThread->setRunning(true);
        startTickThread(m_streamThread);
        return;
    }
    if (m_hidInterface)
        m_hidInterface->setLightSendEnabled(false);
    m_streamThread->setRunning(false);
    // The frames due meanwhile are the threads' own again.
    carryFrameThreads(false);
    m_synchroniseTimer->stop();
    m_synchronize = false;
    sendSynchronizeReport();
}

void lightDealMain::carryFrameThreads(bool carried)
{
    m_keyThread->setCarried(carried);
    m_sideThread->setCarried(carried);
    m_paintThread->setCarried(carried);
}

void lightDealMain::runDueFrames()
{
    if (!m_synchronize)
        return;
    for (int due = m_keyThread->takeDueTicks(); due > 0; --due)
        onDviceUpdateAllKeyColor();
    for (int due = m_sideThread->takeDueTicks(); due > 0; --due)
        onDviceUpdateAllSideLightColor();
}
