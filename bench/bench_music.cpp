// Speed of the music mode as the application runs it: the main window
// offscreen with the simulated LT108HE open on the lighting page, a private
// sound server, and a tone playing into its default output.
//
// - One analysis (the FFT and 2047 logarithms) and one music frame (the fade
//   step of 132 cells, the per-column lists and the 132 previews): median
//   microseconds.
// - CPU: the whole process over a run in Musical Rhythm less the same run in
//   Static (the tone player's thread is in both). Target: under 3 % of one
//   core.
// - Audio to frame: 20 tone onsets after silence, from writing the tone's
//   first samples to the first preview with a lit cell in the tone's band;
//   median and max beside the analysis period measured in the same run.
//   Target: max under 2 periods plus 2 keyboard ticks.
#include "BenchCpu.h"
#include "BenchGui.h"
#include "BenchMainWindow.h"
#include "core/QtLinguist.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/sim/SimController.h"
#include "support/PulseServer.h"
#include "support/PulseTonePlayer.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicRhythmPipeline.h"
#include "ui/mainwidget/devicePage/lightDeal/LightSpeedTable.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using lumtar::sim::SimController;
using namespace bench;

namespace {

constexpr double kToneHz = 480.0;
constexpr int kToneColumn = 10; // 108 keys: band 5 has columns 10 and 11
constexpr int kBottomRow = 5;
constexpr int kSpeed = 3;
constexpr int kCpuRunMs = 15000;
constexpr int kOnsets = 20;

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

colorInfoData keyboardRecord(int mode)
{
    return { LUMTAR_LIGHT_KIND_KEYBOARD, mode, 6, kSpeed, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0 };
}

bool bandLit(const lightDealMain *engine)
{
    const QColor c = engine->previewColor(kBottomRow * lightDealMain::Columns + kToneColumn);
    return c.alpha() > 0 && (c.red() || c.green() || c.blue());
}

void measureAnalysisAndFrame()
{
    QByteArray chunk(4096 * 4, '\0');
    auto *data = reinterpret_cast<uchar *>(chunk.data());
    for (int i = 0; i < 4096; ++i) {
        const auto s = qint16(20000 * std::sin(2.0 * M_PI * kToneHz * i / 44100));
        qToLittleEndian<qint16>(s, data + i * 4);
        qToLittleEndian<qint16>(s, data + i * 4 + 2);
    }
    const QAudioFormat format = DSoundCardAudioCapture::packetFormat(44100, 2);
    SpectrumAnalyser analyser;
    std::vector<double> analysis;
    for (int i = 0; i < 600; ++i) {
        QElapsedTimer clock;
        clock.start();
        analyser.calculate(chunk, format);
        if (i >= 100)
            analysis.push_back(clock.nsecsElapsed() / 1000.0);
    }

    // The engine's frame in mode 100 (not started: no capture), its bars
    // refilled as spectra would.
    lightDealMain engine;
    engine.setMusicBandLayout(108, 11, 30.0, 930.0);
    engine.setKeyboardColorInfo(keyboardRecord(LightMode_MusicalRhythm));
    MusicBarFrame &bars = engine.musicPipeline()->bars();
    std::vector<double> frames;
    for (int i = 0; i < 20000; ++i) {
        if (i % 12 == 0) {
            int first = 0;
            for (int band = 0; band < 11; ++band) {
                const int count = bars.layout().columnsOfBand(band);
                bars.fillMusicColumns((i / 12 + band) % 6, first, count);
                first += count;
            }
        }
        QElapsedTimer clock;
        clock.start();
        engine.buildMusicFrame();
        if (i >= 1000)
            frames.push_back(clock.nsecsElapsed() / 1000.0);
    }
    std::printf("one analysis (FFT + 2047 logarithms): median %.1f us\n", median(analysis));
    std::printf("one music frame (132 cells: fade, column lists, previews): median %.2f us\n", median(frames));
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    prepareApplication(home, "LT108HE");

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    new QtLinguist(&app);
    measureAnalysisAndFrame();

    if (!PulseServer::available()) {
        std::printf("pulseaudio is not installed: no capture figures\n");
        return 0;
    }
    PulseServer server;
    QString error;
    if (!server.start(&error)) {
        std::printf("no sound server: %s\n", qPrintable(error));
        return 0;
    }
    PulseTonePlayer tone;
    if (!tone.start(&error)) {
        std::printf("no tone: %s\n", qPrintable(error));
        return 0;
    }
    tone.setTone(kToneHz, 0.5);

    DMainWidget window;
    DDevicePage *page = showWithOpenKeyboard(window);
    if (!page)
        return 1;
    page->onCurIndexChangedMainPage(DDevicePage::LightsConfigPage);
    lightDealMain *engine = page->lightEngine();
    MusicRhythmPipeline *music = engine->musicPipeline();
    // LT108HE has five speed levels: the ten-step table.
    const int tickMs = LightSpeedTable::keyboardInterval(5, kSpeed - 1);
    std::printf("LT108HE by cable, lighting page shown, tone of %.0f Hz, keyboard tick %d ms\n", kToneHz, tickMs);

    // CPU: Static, then Musical Rhythm, over the same time with the tone playing.
    page->onSelectCurrentLightTypeIndex_KB(LightMode_Static, keyboardRecord(LightMode_Static));
    idle(1000);
    double start = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    idle(kCpuRunMs);
    const double staticCpu = 100.0 * (processCpuSeconds() - start) / (wall.nsecsElapsed() / 1e9);

    page->onSelectCurrentLightTypeIndex_KB(LightMode_MusicalRhythm, keyboardRecord(LightMode_MusicalRhythm));
    idle(1000);
    if (!music->capture().isCapturing()) {
        std::printf("capture did not start\n");
        return 1;
    }
    const int spectraBefore = music->spectrumCount();
    start = processCpuSeconds();
    wall.restart();
    idle(kCpuRunMs);
    const double musicCpu = 100.0 * (processCpuSeconds() - start) / (wall.nsecsElapsed() / 1e9);
    const int spectra = music->spectrumCount() - spectraBefore;
    const double periodMs = double(wall.elapsed()) / qMax(1, spectra);
    std::printf("CPU in Static:          %5.2f %% of one core\n", staticCpu);
    std::printf("CPU in Musical Rhythm:  %5.2f %% of one core\n", musicCpu);
    std::printf("music mode costs %.2f %% of one core (target under 3 %%)\n", musicCpu - staticCpu);
    std::printf("analysis period: %.1f ms (%d spectra in %d ms)\n", periodMs, spectra, int(wall.elapsed()));

    // Audio to frame: the first preview with the band lit, looked at every
    // millisecond.
    qint64 litAtNs = -1;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (litAtNs < 0 && bandLit(engine))
            litAtNs = PulseTonePlayer::nowNs();
    });
    std::vector<double> latencies;
    for (int onset = 0; onset < kOnsets; ++onset) {
        tone.setTone(0.0);
        // Silence until a spectrum has put the band out, then a little more.
        if (!idleUntil([&] { return !bandLit(engine); }, 5000)) {
            std::printf("the band did not fall silent\n");
            break;
        }
        idle(300 + 37 * onset % 200);
        watch.stop();
        litAtNs = -1;
        const qint64 before = tone.toneWrittenAtNs();
        watch.start(1);
        tone.setTone(kToneHz, 0.5);
        if (!idleUntil([&] { return tone.toneWrittenAtNs() != before && litAtNs >= 0; }, 5000, 5)) {
            std::printf("onset %d: the band did not light\n", onset);
            continue;
        }
        latencies.push_back((litAtNs - tone.toneWrittenAtNs()) / 1e6);
    }
    watch.stop();
    page->onSelectCurrentLightTypeIndex_KB(LightMode_Static, keyboardRecord(LightMode_Static));
    if (!latencies.empty()) {
        const double worst = *std::max_element(latencies.begin(), latencies.end());
        std::printf("audio to frame over %zu onsets: median %.0f ms, max %.0f ms; target max under %.0f ms "
                    "(2 analysis periods of %.0f ms plus 2 ticks of %d ms)\n",
                    latencies.size(), median(latencies), worst, 2 * periodMs + 2 * tickMs, periodMs, tickMs);
    }
    window.close();
    SimController::instance().unplugAll();
    return 0;
}
