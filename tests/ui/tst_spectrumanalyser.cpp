// The spectrum analyser: the amplitude scale on silence and on a sine, the
// format it really gets, and the front object's busy and cancelled states.
#include <QtTest>

#include <QtEndian>

#include <cmath>

#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/spectrumanalyser.h"

namespace {

constexpr int N = SpectrumAnalyserThread::PointCount;

// frames of interleaved 16-bit LE samples; every channel carries the sine,
// except that channel 1 and up may be set apart.
QByteArray sineChunk(double frequency, int rate, int channels, double amplitude, int frames = N,
                     double otherChannelFrequency = -1.0)
{
    QByteArray bytes(frames * channels * 2, '\0');
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    for (int i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            const double f = c > 0 && otherChannelFrequency >= 0.0 ? otherChannelFrequency : frequency;
            const double value = amplitude * std::sin(2.0 * M_PI * f * i / rate);
            qToLittleEndian<qint16>(qint16(std::lround(qBound(-1.0, value, 32767.0 / 32768.0) * 32768.0)),
                                    data + (i * channels + c) * 2);
        }
    }
    return bytes;
}

int peakBin(const FrequencySpectrum &spectrum)
{
    int best = 0;
    for (int i = 0; i < spectrum.count(); ++i) {
        if (spectrum[i].amplitude > spectrum[best].amplitude)
            best = i;
    }
    return best;
}

FrequencySpectrum analyse(SpectrumAnalyser &analyser, const QByteArray &chunk, const QAudioFormat &format,
                          bool *emitted = nullptr)
{
    QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
    analyser.calculate(chunk, format);
    if (emitted)
        *emitted = spy.count() == 1;
    return spy.isEmpty() ? FrequencySpectrum() : spy.first().first().value<FrequencySpectrum>();
}

} // namespace

class TestSpectrumAnalyser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void silenceIsZeroAndNotClipped();
    void sinePeaksInItsBin_data();
    void sinePeaksInItsBin();
    void lowBinsAndNyquist();
    void refusedWork_data();
    void refusedWork();
    void chunkOfferedWhileBusyIsDropped();
    void cancelPending();
};

void TestSpectrumAnalyser::initTestCase()
{
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
}

void TestSpectrumAnalyser::silenceIsZeroAndNotClipped()
{
    SpectrumAnalyser analyser;
    bool emitted = false;
    const FrequencySpectrum spectrum =
        analyse(analyser, QByteArray(N * 4, '\0'), DSoundCardAudioCapture::packetFormat(44100, 2), &emitted);
    QVERIFY(emitted);
    QCOMPARE(spectrum.count(), N);
    for (const FrequencySpectrum::Element &element : spectrum) {
        QCOMPARE(element.amplitude, 0.0);
        QVERIFY(!element.clipped);
    }
    QVERIFY(analyser.isIdle());
}

void TestSpectrumAnalyser::sinePeaksInItsBin_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bin");
    // 441 * 4096 / 44100 = 40.96
    QTest::newRow("441 Hz at 44.1 kHz stereo") << 441.0 << 44100 << 2 << 41;
    // What the stream delivers decides the bins: 48 kHz puts 480 Hz in bin 41.
    QTest::newRow("480 Hz at 48 kHz stereo") << 480.0 << 48000 << 2 << 41;
    QTest::newRow("441 Hz at 44.1 kHz mono") << 441.0 << 44100 << 1 << 41;
    QTest::newRow("1000 Hz at 22.05 kHz six channels") << 1000.0 << 22050 << 6 << 186;
}

void TestSpectrumAnalyser::sinePeaksInItsBin()
{
    QFETCH(double, frequency);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, bin);
    SpectrumAnalyser analyser;
    // Only the first channel counts: the others carry another tone.
    const FrequencySpectrum spectrum =
        analyse(analyser, sineChunk(frequency, rate, channels, 1.0, N, 3000.0),
                DSoundCardAudioCapture::packetFormat(rate, channels));
    QCOMPARE(peakBin(spectrum), bin);
    QVERIFY(qAbs(spectrum[bin].frequency - double(bin) * rate / N) < 1e-9);
    // Full scale is above the top of the scale.
    QCOMPARE(spectrum[bin].amplitude, 1.0);
    QVERIFY(spectrum[bin].clipped);
    // Far from the tone the spectrum is low.
    QVERIFY(spectrum[bin * 3].amplitude < 0.3);
}

void TestSpectrumAnalyser::lowBinsAndNyquist()
{
    SpectrumAnalyser analyser;
    // A loud DC offset and the Nyquist tone (alternating samples).
    QByteArray bytes(N * 4, '\0');
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    for (int i = 0; i < N; ++i)
        qToLittleEndian<qint16>(qint16(i % 2 ? -20000 : 20000), data + i * 4);
    const FrequencySpectrum spectrum = analyse(analyser, bytes, DSoundCardAudioCapture::packetFormat(44100, 2));
    QCOMPARE(spectrum[0].amplitude, 0.0);
    QCOMPARE(spectrum[1].amplitude, 0.0);
    QCOMPARE(spectrum[0].frequency, 0.0);
    QCOMPARE(spectrum[N / 2].frequency, 22050.0);
    QVERIFY(spectrum[N / 2].amplitude > 0.9);
    // Elements above N/2 are never written.
    QCOMPARE(spectrum[N / 2 + 1].frequency, 0.0);
    QCOMPARE(spectrum[N - 1].amplitude, 0.0);
}

void TestSpectrumAnalyser::refusedWork_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<QAudioFormat>("format");
    const QAudioFormat stereo = DSoundCardAudioCapture::packetFormat(44100, 2);
    QTest::newRow("one byte short") << QByteArray(N * 4 - 1, '\0') << stereo;
    QTest::newRow("empty") << QByteArray() << stereo;
    QAudioFormat floats = stereo;
    floats.setSampleType(QAudioFormat::Float);
    floats.setSampleSize(32);
    QTest::newRow("float samples") << QByteArray(N * 8, '\0') << floats;
    QAudioFormat bigEndian = stereo;
    bigEndian.setByteOrder(QAudioFormat::BigEndian);
    QTest::newRow("big-endian") << QByteArray(N * 4, '\0') << bigEndian;
    QTest::newRow("no format") << QByteArray(N * 4, '\0') << QAudioFormat();
}

void TestSpectrumAnalyser::refusedWork()
{
    QFETCH(QByteArray, chunk);
    QFETCH(QAudioFormat, format);
    SpectrumAnalyser analyser;
    bool emitted = true;
    analyse(analyser, chunk, format, &emitted);
    QVERIFY(!emitted);
    QVERIFY(analyser.isIdle());
    // Refused work leaves it ready for the next chunk.
    analyse(analyser, QByteArray(N * 4, '\0'), DSoundCardAudioCapture::packetFormat(44100, 2), &emitted);
    QVERIFY(emitted);
}

void TestSpectrumAnalyser::chunkOfferedWhileBusyIsDropped()
{
    SpectrumAnalyser analyser;
    const QAudioFormat format = DSoundCardAudioCapture::packetFormat(44100, 2);
    const QByteArray chunk = sineChunk(441.0, 44100, 2, 0.5);
    int results = 0;
    bool idleInside = true;
    connect(&analyser, &SpectrumAnalyser::spectrumChanged, this, [&] {
        ++results;
        idleInside = analyser.isIdle();
        analyser.calculate(chunk, format); // while the first result is delivered
    });
    analyser.calculate(chunk, format);
    QCOMPARE(results, 1);
    QVERIFY(!idleInside);
    QVERIFY(analyser.isIdle());
}

void TestSpectrumAnalyser::cancelPending()
{
    SpectrumAnalyser analyser;
    const QAudioFormat format = DSoundCardAudioCapture::packetFormat(44100, 2);
    const QByteArray chunk = sineChunk(441.0, 44100, 2, 0.5);
    // Outside a calculation it changes nothing.
    analyser.cancelPending();
    QVERIFY(analyser.isIdle());
    bool emitted = false;
    analyse(analyser, chunk, format, &emitted);
    QVERIFY(emitted);

    // Cancelled while a calculation runs, its result is not passed on.
    // The calculation runs inside calculate(), so cancel from a receiver of
    // the worker's own signal, which runs before the front object's.
    auto *worker = analyser.findChild<SpectrumAnalyserThread *>();
    QVERIFY(worker);
    SpectrumAnalyser cancelling;
    auto *cancellingWorker = cancelling.findChild<SpectrumAnalyserThread *>();
    cancellingWorker->disconnect(&cancelling);
    connect(cancellingWorker, &SpectrumAnalyserThread::calculationComplete, &cancelling,
            [&cancelling] { cancelling.cancelPending(); });
    connect(cancellingWorker, SIGNAL(calculationComplete(FrequencySpectrum)), &cancelling,
            SLOT(calculationComplete(FrequencySpectrum)));
    analyse(cancelling, chunk, format, &emitted);
    QVERIFY(!emitted);
    QVERIFY(cancelling.isIdle());
    // The next result is passed on again.
    cancellingWorker->disconnect(&cancelling);
    connect(cancellingWorker, SIGNAL(calculationComplete(FrequencySpectrum)), &cancelling,
            SLOT(calculationComplete(FrequencySpectrum)));
    analyse(cancelling, chunk, format, &emitted);
    QVERIFY(emitted);
}

QTEST_GUILESS_MAIN(TestSpectrumAnalyser)
#include "tst_spectrumanalyser.moc"
