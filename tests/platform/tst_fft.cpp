// The 4096-point real FFT against a plain DFT: the layout of real and
// imaginary parts, the Nyquist bin, and the unnormalised scale.
#include <QtTest>

#include <cmath>
#include <random>
#include <vector>

#include "platform/fft/FFTRealWrapper.h"

namespace {

constexpr int N = FFTRealWrapper::PointCount;

struct Bin
{
    double re;
    double im;
};

std::vector<Bin> naiveDft(const std::vector<float> &in)
{
    std::vector<Bin> bins(N / 2 + 1);
    for (int k = 0; k <= N / 2; ++k) {
        double re = 0.0;
        double im = 0.0;
        for (int n = 0; n < N; ++n) {
            // k * n mod N keeps the angle small and exact.
            const double angle = 2.0 * M_PI * double((qint64(k) * n) % N) / N;
            re += in[n] * std::cos(angle);
            im -= in[n] * std::sin(angle);
        }
        bins[k] = {re, im};
    }
    return bins;
}

} // namespace

class TestFft : public QObject
{
    Q_OBJECT

private slots:
    void matchesDftOnRandomInput_data();
    void matchesDftOnRandomInput();
    void sineHasItsEnergyInItsBin();
    void inPlaceGivesTheSameResult();
    void twoTransformsAtOnce();
};

void TestFft::matchesDftOnRandomInput_data()
{
    QTest::addColumn<uint>("seed");
    QTest::addColumn<float>("scale");
    QTest::newRow("full scale") << 1u << 1.0f;
    QTest::newRow("quiet") << 7u << 0.001f;
    QTest::newRow("offset") << 42u << 0.5f;
}

void TestFft::matchesDftOnRandomInput()
{
    QFETCH(uint, seed);
    QFETCH(float, scale);
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> sample(-scale, scale);
    std::vector<float> in(N);
    for (float &value : in)
        value = sample(random);
    if (QByteArray(QTest::currentDataTag()) == "offset") {
        for (float &value : in)
            value += 0.25f; // a DC part
    }

    FFTRealWrapper fft;
    std::vector<float> out(N, -1.0f);
    fft.calculateFFT(out.data(), in.data());
    const std::vector<Bin> expected = naiveDft(in);

    // float against double over 4096 terms: compare with the input's size.
    const double tolerance = 2e-3 * scale * std::sqrt(double(N)) + 1e-4;
    for (int k = 0; k <= N / 2; ++k) {
        QVERIFY2(std::abs(out[k] - expected[k].re) < tolerance, qPrintable(QStringLiteral("Re bin %1").arg(k)));
        if (k >= 1 && k < N / 2)
            QVERIFY2(std::abs(out[N / 2 + k] - expected[k].im) < tolerance,
                     qPrintable(QStringLiteral("Im bin %1").arg(k)));
    }
    // The DC and Nyquist bins have no imaginary part.
    QVERIFY(std::abs(expected[0].im) < tolerance);
    QVERIFY(std::abs(expected[N / 2].im) < tolerance);
}

void TestFft::sineHasItsEnergyInItsBin()
{
    // Exactly bin 100, and the Nyquist bin's alternating signal.
    std::vector<float> in(N);
    for (int n = 0; n < N; ++n)
        in[n] = float(std::sin(2.0 * M_PI * 100 * n / N) + ((n % 2) ? -0.5 : 0.5));
    FFTRealWrapper fft;
    std::vector<float> out(N);
    fft.calculateFFT(out.data(), in.data());
    // Unnormalised: a unit sine gives N/2 in its bin, as -N/2 in Im.
    QVERIFY(std::abs(out[100]) < 0.05);
    QVERIFY(std::abs(out[N / 2 + 100] + N / 2.0) < 0.5);
    QVERIFY(std::abs(out[N / 2] - 0.5 * N) < 0.5);
    QVERIFY(std::abs(out[99]) < 0.05 && std::abs(out[N / 2 + 99]) < 0.05);
}

void TestFft::inPlaceGivesTheSameResult()
{
    std::mt19937 random(3);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    std::vector<float> in(N);
    for (float &value : in)
        value = sample(random);
    FFTRealWrapper fft;
    std::vector<float> out(N);
    fft.calculateFFT(out.data(), in.data());
    std::vector<float> same = in;
    fft.calculateFFT(same.data(), same.data());
    QCOMPARE(same, out);
}

void TestFft::twoTransformsAtOnce()
{
    // Each object plans once; two of them may run in two threads.
    std::vector<float> in(N, 0.0f);
    in[1] = 1.0f;
    std::vector<float> first(N);
    std::vector<float> second(N);
    std::thread other([&] {
        FFTRealWrapper fft;
        for (int i = 0; i < 50; ++i)
            fft.calculateFFT(first.data(), in.data());
    });
    FFTRealWrapper fft;
    for (int i = 0; i < 50; ++i)
        fft.calculateFFT(second.data(), in.data());
    other.join();
    QCOMPARE(first, second);
    QVERIFY(std::abs(first[0] - 1.0f) < 1e-6);
}

QTEST_GUILESS_MAIN(TestFft)
#include "tst_fft.moc"
