// Speed of the music mode, against a private sound server with a tone
// playing into its default output.
//
// - One analysis (the FFT and 2047 logarithms) and one music frame (the fade
//   step of 132 cells and the per-column lists): median microseconds.
// - CPU: the whole process over a run with music on and the keyboard tick
//   running, less the same run with music off (the tone player's thread is
//   in both). Target: under 3 % of one core.
// - Audio to frame: 20 tone onsets after silence, from writing the tone's
//   first samples to the first tick whose frame lights the tone's band;
//   median and max beside the analysis period measured in the same run.
//   Target: max under 2 periods plus 2 ticks.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

#include "support/PulseServer.h"
#include "support/PulseTonePlayer.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicRhythmPipeline.h"

namespace {

constexpr int kTickMs = 16;
constexpr double kToneHz = 480.0;
constexpr int kToneBand = 5; // 104 keys: columns 10 and 11
constexpr int kCpuRunMs = 10000;
constexpr int kOnsets = 20;

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

// Runs the event loop for ms milliseconds.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until done() or timeoutMs; false on timeout.
template<typename Done>
bool runUntil(Done done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

bool bandLit(const MusicRhythmPipeline &music)
{
    return music.bars().weight(MusicBarFrame::Rows - 1, 2 * kToneBand) > 0;
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

    MusicBandLayout layout;
    layout.set(104, 11, 30.0, 930.0);
    MusicBarFrame bars;
    bars.setLayout(layout);
    bars.initMusicFrame(true, Qt::white);
    std::vector<double> frames;
    for (int i = 0; i < 20000; ++i) {
        if (i % 12 == 0) {
            int first = 0;
            for (int band = 0; band < 11; ++band) {
                bars.fillMusicColumns((i / 12 + band) % 6, first, layout.columnsOfBand(band));
                first += layout.columnsOfBand(band);
            }
        }
        QElapsedTimer clock;
        clock.start();
        bars.buildMusicFrame();
        if (i >= 1000)
            frames.push_back(clock.nsecsElapsed() / 1000.0);
    }
    std::printf("one analysis (FFT + 2047 logarithms): median %.1f us\n", median(analysis));
    std::printf("one music frame (132 cells, fade and column lists): median %.2f us\n", median(frames));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
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

    MusicRhythmPipeline music;
    music.setMusicBandLayout(104, 11, 30.0, 930.0);
    music.bars().initMusicFrame(false, Qt::white);
    // The keyboard tick as the light engine runs it in music mode.
    std::vector<qint64> litAtNs;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &music, [&] {
        if (!music.isMusicRhythmRunning())
            return;
        music.bars().buildMusicFrame();
        if (bandLit(music))
            litAtNs.push_back(PulseTonePlayer::nowNs());
    });
    tick.start(kTickMs);

    // CPU: music off, then on, over the same time with the tone playing.
    runFor(1000);
    double start = processCpuSeconds();
    runFor(kCpuRunMs);
    const double idleCpu = processCpuSeconds() - start;
    music.setMusicRhythmRunning(true);
    runFor(1000);
    const int spectraBefore = music.spectrumCount();
    QElapsedTimer periodClock;
    periodClock.start();
    start = processCpuSeconds();
    runFor(kCpuRunMs);
    const double musicCpu = processCpuSeconds() - start;
    const double periodMs = double(periodClock.elapsed()) / qMax(1, music.spectrumCount() - spectraBefore);
    std::printf("CPU with music off: %.2f %% of one core\n", 100.0 * idleCpu / (kCpuRunMs / 1000.0));
    std::printf("CPU with music on:  %.2f %% of one core\n", 100.0 * musicCpu / (kCpuRunMs / 1000.0));
    std::printf("music mode costs %.2f %% of one core (target under 3 %%)\n",
                100.0 * (musicCpu - idleCpu) / (kCpuRunMs / 1000.0));
    std::printf("analysis period: %.1f ms (%d spectra in %d ms)\n", periodMs, music.spectrumCount() - spectraBefore,
                kCpuRunMs);

    // Audio to frame.
    std::vector<double> latencies;
    for (int onset = 0; onset < kOnsets; ++onset) {
        tone.setTone(0.0);
        // Silence until a spectrum has put the band out, then a little more.
        if (!runUntil([&] { return !bandLit(music); }, 5000)) {
            std::printf("the band did not fall silent\n");
            break;
        }
        runFor(300 + 37 * onset % 200);
        litAtNs.clear();
        const qint64 before = tone.toneWrittenAtNs();
        tone.setTone(kToneHz, 0.5);
        if (!runUntil([&] { return tone.toneWrittenAtNs() != before && !litAtNs.empty(); }, 5000)) {
            std::printf("onset %d: the band did not light\n", onset);
            continue;
        }
        latencies.push_back((litAtNs.front() - tone.toneWrittenAtNs()) / 1e6);
    }
    music.setMusicRhythmRunning(false);
    if (!latencies.empty()) {
        const double worst = *std::max_element(latencies.begin(), latencies.end());
        std::printf("audio to frame over %zu onsets: median %.0f ms, max %.0f ms; target max under %.0f ms "
                    "(2 analysis periods of %.0f ms plus 2 ticks of %d ms)\n",
                    latencies.size(), median(latencies), worst, 2 * periodMs + 2 * kTickMs, periodMs, kTickMs);
    }
    return 0;
}
