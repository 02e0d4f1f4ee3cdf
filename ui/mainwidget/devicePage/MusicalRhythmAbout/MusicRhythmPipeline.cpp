#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicRhythmPipeline.h"

#include <QDebug>

MusicRhythmPipeline::MusicRhythmPipeline(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    qRegisterMetaType<WindowFunction>("WindowFunction");
    connect(&m_capture, &DSoundCardAudioCapture::sigSendCaptureAudioData, this,
            &MusicRhythmPipeline::onSendCaptureAudioData);
    if (!connect(&m_analyser, &SpectrumAnalyser::spectrumChanged, this, &MusicRhythmPipeline::onSpectrumChanged))
        qFatal("CHECKED_CONNECT failed");
    m_outputCheck.setInterval(OutputCheckMs);
    connect(&m_outputCheck, &QTimer::timeout, this, &MusicRhythmPipeline::onAudioOutputDevListChanging);
}

MusicRhythmPipeline::~MusicRhythmPipeline()
{
    m_capture.stopCapture();
    m_output.stop();
}

bool MusicRhythmPipeline::setMusicBandLayout(int keyCount, int bandCount, double low, double high)
{
    MusicBandLayout layout;
    if (!layout.set(keyCount, bandCount, low, high)) {
        qDebug() << "Music band layout refused:" << bandCount << "bands from" << low << "to" << high << "Hz";
        return false;
    }
    m_bars.setLayout(layout);
    return true;
}

bool MusicRhythmPipeline::setMusicRhythmRunning(bool on)
{
    const bool wasRunning = m_running;
    m_running = on;
    if (on) {
        if (m_capture.isCapturing())
            return false;
        m_lastOutputName.clear();
        m_outputCheck.start();
        m_output.start();
        m_analyser.cancelPending();
        m_capture.startCapture();
        return true;
    }
    // Whatever state a failed start left, music off ends all of it.
    m_outputCheck.stop();
    m_capture.stopCapture();
    m_analyser.cancelPending();
    m_output.stop();
    m_audio.clear();
    return wasRunning;
}

void MusicRhythmPipeline::onSendCaptureAudioData(const QByteArray &packet, const QAudioFormat &format)
{
    if (!m_running)
        return; // a packet queued before capture stopped
    QByteArray chunk;
    if (m_audio.append(packet, format, &chunk))
        m_analyser.calculate(chunk, format);
}

void MusicRhythmPipeline::onSpectrumChanged(const FrequencySpectrum &spectrum)
{
    if (!m_running)
        return;
    m_lastSpectrum = spectrum;
    ++m_spectrumCount;
    m_bars.applySpectrum(spectrum);
}

void MusicRhythmPipeline::onAudioOutputDevListChanging()
{
    if (!m_running) {
        m_outputCheck.stop();
        return;
    }
    // One connection watches the default output while music runs; only one
    // that was lost (the server went or restarted) is made again.
    if (!m_output.isConnected())
        m_output.start();
    const QString name = m_output.name();
    if (!m_capture.isCapturing()) {
        // A failed start, or a stream that ended: try again on whatever
        // output is the default now.
        restartCapture();
    } else if (!name.isEmpty() && !m_lastOutputName.isEmpty() && name != m_lastOutputName) {
        restartCapture();
    }
    if (!name.isEmpty())
        m_lastOutputName = name;
}

void MusicRhythmPipeline::restartCapture()
{
    m_capture.stopCapture();
    m_analyser.cancelPending();
    m_audio.clear();
    m_capture.startCapture();
}
