#include "ui/mainwidget/devicePage/MusicalRhythmAbout/spectrumanalyser.h"

#include <QtEndian>

#include <cmath>

// -------------------------------------------------------------------------
// SpectrumAnalyserThread

SpectrumAnalyserThread::SpectrumAnalyserThread(QObject *parent)
    : QObject(parent), m_window(PointCount), m_input(PointCount), m_output(PointCount), m_spectrum(PointCount)
{
    buildWindow();
}

void SpectrumAnalyserThread::setWindowFunction(WindowFunction type)
{
    m_windowFunction = type;
    buildWindow();
}

void SpectrumAnalyserThread::buildWindow()
{
    for (int i = 0; i < PointCount; ++i) {
        float value = 0.0f;
        switch (m_windowFunction) {
        case NoWindow:
            value = 1.0f;
            break;
        case HannWindow:
            value = float(0.5 * (1.0 - std::cos(2.0 * M_PI * i / (PointCount - 1))));
            break;
        }
        m_window[i] = value;
    }
}

void SpectrumAnalyserThread::calculateSpectrum(const QByteArray &buffer, int inputFrequency, int bytesPerSample)
{
    Q_ASSERT(bytesPerSample >= 2 && buffer.size() >= PointCount * bytesPerSample);
    const auto *data = reinterpret_cast<const uchar *>(buffer.constData());
    for (int i = 0; i < PointCount; ++i) {
        const qint16 sample = qFromLittleEndian<qint16>(data + i * bytesPerSample);
        m_input[i] = float(sample / 32768.0) * m_window[i];
    }
    m_fft.calculateFFT(m_output.data(), m_input.constData());

    // Bins 0 and 1 (DC and the lowest bin) are left out.
    constexpr int half = PointCount / 2;
    for (int i = 2; i <= half; ++i) {
        FrequencySpectrum::Element &element = m_spectrum[i];
        element.frequency = double(i) * inputFrequency / PointCount;
        const double re = m_output[i];
        const double im = i < half ? double(m_output[half + i]) : 0.0;
        const double magnitude = std::sqrt(re * re + im * im);
        double amplitude = magnitude > 0.0 ? 0.15 * std::log(magnitude) : 0.0;
        element.clipped = amplitude > 1.0;
        element.amplitude = qBound(0.0, amplitude, 1.0);
    }
    emit calculationComplete(m_spectrum);
}

// -------------------------------------------------------------------------
// SpectrumAnalyser

SpectrumAnalyser::SpectrumAnalyser(QObject *parent) : QObject(parent), m_thread(new SpectrumAnalyserThread(this))
{
    const bool connected = connect(m_thread, &SpectrumAnalyserThread::calculationComplete, this,
                                   &SpectrumAnalyser::calculationComplete);
    if (!connected)
        qFatal("CHECKED_CONNECT failed");
}

int SpectrumAnalyser::chunkBytes(const QAudioFormat &format)
{
    const bool pcm16 = format.codec() == QLatin1String("audio/pcm") && format.sampleSize() == 16 &&
                       format.sampleType() == QAudioFormat::SignedInt &&
                       format.byteOrder() == QAudioFormat::LittleEndian;
    if (!pcm16 || format.channelCount() < 1 || format.sampleRate() < 1)
        return 0;
    return SpectrumAnalyserThread::PointCount * format.bytesPerFrame();
}

void SpectrumAnalyser::calculate(const QByteArray &buffer, const QAudioFormat &format)
{
    if (m_state != Idle)
        return;
    const int needed = chunkBytes(format);
    if (needed == 0 || buffer.size() < needed)
        return;
    const int bytesPerSample = format.sampleSize() * format.channelCount() / 8;
    m_state = Busy;
    QMetaObject::invokeMethod(m_thread, "calculateSpectrum", Qt::AutoConnection, Q_ARG(QByteArray, buffer),
                              Q_ARG(int, format.sampleRate()), Q_ARG(int, bytesPerSample));
}

void SpectrumAnalyser::cancelPending()
{
    if (m_state == Busy)
        m_state = Cancelled;
}

void SpectrumAnalyser::setWindowFunction(WindowFunction type)
{
    QMetaObject::invokeMethod(m_thread, "setWindowFunction", Qt::AutoConnection, Q_ARG(WindowFunction, type));
}

void SpectrumAnalyser::calculationComplete(const FrequencySpectrum &spectrum)
{
    // Receivers run while the state is still busy: a chunk they offer is
    // dropped rather than analysed inside this one.
    if (m_state == Busy)
        emit spectrumChanged(spectrum);
    m_state = Idle;
}
