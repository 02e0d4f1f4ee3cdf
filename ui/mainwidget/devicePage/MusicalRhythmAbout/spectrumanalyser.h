// The spectrum analysis of the music mode. SpectrumAnalyser is the front
// object: it takes one chunk of 16-bit PCM at a time, refuses new work while a
// calculation runs and re-emits the result. SpectrumAnalyserThread does the
// calculation: a Hann-windowed 4096-point real FFT of the first channel and a
// logarithmic amplitude per bin. Both live in the calling thread; a chunk is
// analysed, and spectrumChanged delivered, inside the call of calculate().
#ifndef SPECTRUMANALYSER_H
#define SPECTRUMANALYSER_H

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QVector>

#include "platform/fft/FFTRealWrapper.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencySpectrum.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/WindowFunction.h"

class SpectrumAnalyserThread : public QObject
{
    Q_OBJECT

public:
    static constexpr int PointCount = FFTRealWrapper::PointCount;

    explicit SpectrumAnalyserThread(QObject *parent = nullptr);

public slots:
    void setWindowFunction(WindowFunction type);
    // buffer holds at least PointCount frames of bytesPerSample bytes each,
    // the first channel of a frame being its first signed 16-bit LE sample.
    void calculateSpectrum(const QByteArray &buffer, int inputFrequency, int bytesPerSample);

signals:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    void buildWindow();

    FFTRealWrapper m_fft;
    WindowFunction m_windowFunction = HannWindow;
    QVector<float> m_window;
    QVector<float> m_input;
    QVector<float> m_output;
    FrequencySpectrum m_spectrum;
};

class SpectrumAnalyser : public QObject
{
    Q_OBJECT

public:
    explicit SpectrumAnalyser(QObject *parent = nullptr);

    // Analyses the first PointCount frames of buffer unless a calculation
    // runs. A buffer that is too short, or not signed 16-bit little-endian
    // PCM, is refused.
    void calculate(const QByteArray &buffer, const QAudioFormat &format);
    bool isIdle() const { return m_state == Idle; }
    // A running calculation's result is not re-emitted; outside a
    // calculation this does nothing.
    void cancelPending();
    void setWindowFunction(WindowFunction type);

    // The bytes one analysis needs in this format; 0 for a format it refuses.
    static int chunkBytes(const QAudioFormat &format);

signals:
    void spectrumChanged(const FrequencySpectrum &spectrum);

private slots:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    enum State { Idle, Busy, Cancelled };

    SpectrumAnalyserThread *m_thread = nullptr;
    State m_state = Idle;
};

#endif
