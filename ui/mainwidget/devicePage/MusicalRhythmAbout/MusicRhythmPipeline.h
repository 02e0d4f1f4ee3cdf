// The music mode from sound to bars: the loopback capture feeds an audio
// buffer, chunks of it go through the spectrum analyser, and each spectrum
// refills the bars of the music frame. While music runs, a check every second
// follows the default output: a change restarts capture on the new output,
// and a capture that is not running (failed start, ended stream) is started
// again. Everything but the capture thread runs in the owner's thread.
#ifndef MUSICRHYTHMPIPELINE_H
#define MUSICRHYTHMPIPELINE_H

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include "platform/audio/PulseDefaultOutput.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencySpectrum.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicAudioBuffer.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBarFrame.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/spectrumanalyser.h"

class MusicRhythmPipeline : public QObject
{
    Q_OBJECT

public:
    static constexpr int OutputCheckMs = 1000;

    explicit MusicRhythmPipeline(QObject *parent = nullptr);
    ~MusicRhythmPipeline() override;

    // Lays the bands over the key columns; refused (false) as
    // MusicBandLayout::set refuses.
    bool setMusicBandLayout(int keyCount, int bandCount, double low, double high);

    // Starts or stops the pipeline. Returns true when the keys should be
    // dimmed: on a start that opened capture, and when music that ran stops.
    bool setMusicRhythmRunning(bool on);
    bool isMusicRhythmRunning() const { return m_running; }

    MusicBarFrame &bars() { return m_bars; }
    const MusicBarFrame &bars() const { return m_bars; }
    const FrequencySpectrum &lastSpectrum() const { return m_lastSpectrum; }
    // Spectra taken into the bars since construction.
    int spectrumCount() const { return m_spectrumCount; }

    const DSoundCardAudioCapture &capture() const { return m_capture; }
    bool isOutputCheckActive() const { return m_outputCheck.isActive(); }
    QString lastOutputName() const { return m_lastOutputName; }

public slots:
    void onSendCaptureAudioData(const QByteArray &packet, const QAudioFormat &format);
    void onSpectrumChanged(const FrequencySpectrum &spectrum);
    void onAudioOutputDevListChanging();

private:
    void restartCapture();

    DSoundCardAudioCapture m_capture;
    SpectrumAnalyser m_analyser;
    MusicAudioBuffer m_audio;
    MusicBarFrame m_bars;
    FrequencySpectrum m_lastSpectrum;
    PulseDefaultOutput m_output;
    QTimer m_outputCheck;
    QString m_lastOutputName;
    int m_spectrumCount = 0;
    bool m_running = false;
};

#endif
