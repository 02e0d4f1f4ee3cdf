// The lighting engine of the device page: it holds the shown keyboard's
// keyboard and side light settings, hands them to the SDK's light-effect
// engine, turns every frame the SDK computes into preview colours, paints
// them into the keyboard view and, while light synchronisation is on,
// streams them to the keyboard.
//
// Four threads pace it and do nothing else: the keyboard and side frame
// ticks (8..28 ms by the lights' speeds), the 30 ms paint tick and the 30 ms
// streaming tick. Their ticks reach the engine as queued calls; every slot,
// every SDK call and all frame and report work run in the GUI thread.
//
// Nothing ticks for nothing: a light without motion (keyboard Static or
// Custom, side Static or Close, no side light) gets one frame when its
// settings change and none after; the paint tick comes only when a preview
// changed (or the view asked for one). The streaming tick keeps its 30 ms:
// the keyboard gets every frame.
//
// While the stream runs, the frame and paint threads sleep and the streaming
// tick carries them: it computes the frames due since the last tick (at the
// lights' own pace), streams the newest and paints the previews if they
// changed, all in one wake-up of the GUI thread instead of one for each
// thread and tick.
//
// In Musical Rhythm (mode 100) the engine draws the keys itself: the music
// pipeline captures what the computer plays and turns it into bars, and each
// keyboard tick takes the bars' next frame in place of the SDK's.
//
// The work is split by job: lifecycle and settings (lightDealMain.cpp),
// frames and previews (lightDealMainPreview.cpp), reports to the keyboard
// (lightDealMainStream.cpp), the music mode (lightDealMainMusic.cpp).
#ifndef LIGHTDEALMAIN_H
#define LIGHTDEALMAIN_H

#include <QColor>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <array>

#include "device/EpochClock.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarLight.h"
#include "sdk/include/LumtarRecords.h"
#include "ui/mainwidget/devicePage/lightDeal/LightBrightness.h"
#include "ui/mainwidget/devicePage/lightDeal/LightEffectState.h"

class MainHidInterFace;
class MusicRhythmPipeline;
class QTimer;
class keyboardButCustom;
class sendLightUpdataThread;
class sideLightButtonCustom;
class updateLightMainThread;
class updateLightMainThreadSide;
class updateLightMainThreadUI;

class lightDealMain : public QObject
{
    Q_OBJECT

public:
    static constexpr int Rows = LUMTAR_LIGHT_ROWS;
    static constexpr int Columns = LUMTAR_LIGHT_COLUMNS;
    static constexpr int KeyCount = LUMTAR_LIGHT_KEY_POINTS;
    static constexpr int SidePoints = LUMTAR_LIGHT_SIDE_POINTS;
    // Previews: the keys row by row, then the side segments in list order.
    static constexpr int PreviewCount = KeyCount + SidePoints;
    static constexpr int SynchroniseIntervalMs = 3000;
    // A frame owed by a late tick is offered this often while the last batch
    // drains, at most OwedFrameTries times.
    static constexpr int OwedFrameRetryMs = 2;
    static constexpr int OwedFrameTries = 10;

    explicit lightDealMain(QObject *parent = nullptr);
    // Stops and joins the four threads before the engine goes.
    ~lightDealMain() override;

    // ---- what the device page hands over ----
    void setDeviceInfo(hidStructInfoAll info);
    void setLightSupportInfo(LightSupportInfo keyboard, LightSupportInfo side);
    // Guarded: the interface goes with its keyboard's link. Without one no
    // report is sent.
    void setHidInterface(MainHidInterFace *hidInterface);
    MainHidInterFace *hidInterface() const;
    // The music bands over the key columns; a layout the bars refuse (no
    // band, more bands than columns, an empty range) leaves the last one.
    void setMusicBandLayout(int keyCount, int bandCount, double lowFrequency, double highFrequency);
    // The key buttons of the keyboard view by their place in the matrix.
    void setKeyButton(int row, int column, keyboardButCustom *button);
    keyboardButCustom *keyButton(int row, int column) const;
    // The side segments in layout order; those past the 60 a frame has are
    // left out.
    void setSideLightButtons(const QList<sideLightButtonCustom *> &segments);
    // The clock of the frame ticks and the 2.4 GHz reports; set it before
    // the engine starts.
    void setClock(const EpochClock::Source &clock);

    // ---- lifecycle ----
    void loadProFileLightInfo();
    void setPreviewPaintEnabled(bool enabled);
    void setLightPreviewRunning(bool running);
    void setLightSynchronize(bool on);
    bool isKeyboardPreviewRunning() const { return m_keyFramesStarted; }
    bool isSidePreviewRunning() const { return m_sideFramesStarted; }
    bool isSynchronizing() const { return m_synchronize; }

    // ---- settings ----
    void setKeyboardColorInfo(colorInfoData data);
    void changeKeyboardColorInfo(colorInfoData data);
    void setSideColorInfo(colorInfoData data);
    void changeSideColorInfo(colorInfoData data);
    int keyboardMode() const { return m_keyboardState.mode; }

    // ---- the music mode (lightDealMainMusic.cpp) ----
    // Runs while the keyboard frames run in mode 100: starts or stops
    // capture, analysis and the output check; the keys are dimmed when
    // capture opens and when music that ran stops.
    void setMusicRhythmRunning(bool on);
    bool isMusicRhythmRunning() const;
    // Colours the bars (each band its palette colour in full colour, else
    // colour 1) and shows them unlit.
    void initMusicFrame();
    // One keyboard tick in mode 100: the bars' next frame to the previews.
    void buildMusicFrame();
    MusicRhythmPipeline *musicPipeline() const { return m_music; }

    // ---- the keyboard ----
    // A key press for the reactive effects of a keyboard behind its receiver.
    void setInteractLightPoint(int x, int y);
    // Takes the custom colours from the key buttons; behind a receiver a
    // scheme shown (origin 0), or colours painted into a scheme without a
    // slot of its own (origin 1, slot -1), are written to the keyboard.
    void writeCustomLightColors(int origin, int usingFlagIndex);

    // One paint of the previews at the next paint tick, also when none
    // changed: for a view that shows the light colours again.
    void requestPreviewPaint();
    // Computes the frames due so far while the stream carries the frame
    // threads: a key press then starts its effect at the frame after it,
    // as it would between two ticks of a frame thread.
    void runDueFrames();

    // ---- what the engine shows, for tests and benchmarks ----
    QColor previewColor(int index) const;
    int sideLedCount() const { return m_sideLedCount; }
    // Streaming ticks handled since the engine was made.
    long streamTicks() const { return m_streamTicks; }
    // Whole frames offered to the keyboard's light queue since then.
    long streamFramesOffered() const { return m_streamFramesOffered; }
    // Ticks the frame and paint threads emitted since the engine was made.
    long keyboardFrameTicks() const;
    long sideFrameTicks() const;
    long paintTicks() const;

    // Entered through the SDK's frame callbacks.
    void onKeyboardLightFrame(const LightFramePointStu *points);
    void onSideLightFrame(const LightFramePointStu *points);

public slots:
    void onDviceUpdateAllKeyColor();
    void onDviceUpdateAllSideLightColor();
    void onDviceUpdateAllKeyColorUI();
    void onDviceUpdateAllSideLightColorUI();
    void onDviceUpdateAllKeyColorSendKeyboardHid();
    void onSendLightSynchronize0x17Cmd();

private:
    // The SDK's frame callbacks: they hand the frame to the engine of the
    // process (set in its constructor, cleared when it goes).
    static void keyboardLightFrameCallback(const LightFramePointStu *points);
    static void sideLightFrameCallback(const LightFramePointStu *points);
    static lightDealMain *s_instance;

    // Settings (lightDealMain.cpp).
    void applyColorInfo(int kind);
    void pushKeyboardColorInfoToSdk();
    void pushSideColorInfoToSdk();
    void rebuildSideStates();
    void startPreviewThreads();
    void stopPreviewThreads();
    void startTickThread(QThread *thread);
    void restartRearmedThreads();
    void stopThreads();
    // The frame and paint threads sleep while the stream carries them.
    void carryFrameThreads(bool carried);
    // Motion of each light after a settings change, and one frame of it.
    void updateKeyboardMotion();
    void updateSideMotion();

    // Previews (lightDealMainPreview.cpp).
    void resetPreviews();
    void resetKeyPreview();
    void resetSidePreview();
    void dimKeyPreview();
    int sideSegmentCount() const;
    // Asks for a paint when the previews differ from `before`.
    void paintIfChanged(const std::array<QColor, PreviewCount> &before);

    // Reports (lightDealMainStream.cpp).
    void writeKeyboardColorUsb();
    // A tick that came while the last batch still drained (late, right
    // after the one before) offers its frame a moment later instead.
    void offerOwedFrame();
    void writeColorStreamReport(int zone, int packet, const QByteArray &rgb);
    void writeKeyboardColor24G();
    void writeCustomLedReport(int first, int packet, const QByteArray &rgb);
    void sendSynchronizeReport();
    QByteArray previewRgb(int first, int count) const;

    // Device.
    hidStructInfoAll m_deviceInfo{};
    QString m_modelName;
    QPointer<MainHidInterFace> m_hidInterface;
    int m_sideLedCount = 33;
    EpochClock::Source m_clock = EpochClock::system();

    // Views.
    std::array<QPointer<keyboardButCustom>, KeyCount> m_keyButtons;
    QVector<QPointer<sideLightButtonCustom>> m_sideButtons;
    std::vector<int> m_sideStates;

    // Capabilities.
    LightSupportInfo m_keyboardSupport;
    LightSupportInfo m_sideSupport;
    bool m_hasSideLight = false;
    LightBrightness m_keyboardBrightness;
    LightBrightness m_sideBrightness;

    // Settings.
    colorInfoData m_keyboardRecord{};
    colorInfoData m_sideRecord{};
    LightEffectState m_keyboardState;
    LightEffectState m_sideState;

    // Frames and previews.
    std::array<LightFramePointStu, KeyCount> m_keyFrame{};
    std::array<LightFramePointStu, SidePoints> m_sideFrame{};
    std::array<QColor, PreviewCount> m_previews;
    QMap<int, int> m_speedRespond; // Speed Respond: row rank -> strength

    // The music mode: capture, analysis and bars.
    MusicRhythmPipeline *m_music = nullptr; // child of the engine

    // 2.4 GHz: the press not reported yet.
    int m_pointX = -1;
    int m_pointY = -1;
    LightColorStu m_rippleColour{};

    // Flags.
    bool m_synchronize = false;
    bool m_keyFramesStarted = false;
    bool m_sideFramesStarted = false;
    bool m_paintStarted = false;
    bool m_previewPaintEnabled = false;
    bool m_streamBusy = false;
    int m_owedFrameTries = 0; // > 0 while a frame waits for the batch to drain
    bool m_reportBusy = false;
    long m_streamTicks = 0;
    long m_streamFramesOffered = 0;

    QTimer *m_synchroniseTimer = nullptr;
    updateLightMainThread *m_keyThread = nullptr;         // child of the engine
    updateLightMainThreadSide *m_sideThread = nullptr;    // child of the engine
    updateLightMainThreadUI *m_paintThread = nullptr;     // no parent
    sendLightUpdataThread *m_streamThread = nullptr;      // no parent
};

#endif
