// The music mode against a private sound server: what capture delivers, how
// it stops, how it follows the default output and a server that goes away,
// and tones that light their bands.
#include <QtTest>

#include <QElapsedTimer>

#include <algorithm>
#include <atomic>

#include "support/LogCapture.h"
#include "support/PulseServer.h"
#include "support/PulseTonePlayer.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicRhythmPipeline.h"

namespace {

// Generous: the machine may be loaded.
constexpr int kSettleMs = 15000;

const QString kCouldNotStart = QStringLiteral("Music capture could not start");
const QString kEnded = QStringLiteral("Music capture ended");

// Plays a tone at half of full scale. The reason when it cannot, else empty.
QString play(PulseTonePlayer &tone, double frequency)
{
    QString error;
    if (!tone.start(&error))
        return error;
    tone.setTone(frequency, 0.5);
    return QString();
}

// Starts the server and, with a tone player, plays the tone into the
// server's default output. The reason when something fails, else empty.
QString startServer(PulseServer &server, PulseTonePlayer *tone = nullptr, double frequency = 0.0)
{
    QString error;
    if (!server.start(&error))
        return error;
    return tone ? play(*tone, frequency) : QString();
}

// The pipeline of a 104-key keyboard (band b lights columns 2b and 2b + 1),
// its bars in one colour.
class Music104 : public MusicRhythmPipeline
{
public:
    Music104()
    {
        setMusicBandLayout(104, 11, 30.0, 930.0);
        bars().initMusicFrame(false, Qt::white);
    }
};

// The bottom cells of a band's columns (104 keys: band b has columns 2b, 2b + 1).
bool bandLit(const MusicRhythmPipeline &music, int band)
{
    return music.bars().weight(MusicBarFrame::Rows - 1, 2 * band) > 0 &&
           music.bars().weight(MusicBarFrame::Rows - 1, 2 * band + 1) > 0;
}

// The band of a steady tone lit, and bands two or more away dark. (The
// first spectrum of a stream may hold the step from silence into the tone,
// which reaches every band.)
bool toneAlone(const MusicRhythmPipeline &music, int band)
{
    const QVector<MusicBarFrame::Band> &bands = music.bars().bands();
    for (int other = 0; other < bands.size(); ++other) {
        if (qAbs(other - band) >= 2 && MusicBarFrame::musicLevel(bands[other].value) != 0)
            return false;
    }
    return bandLit(music, band);
}

// The record streams the server has, as "index source" lines.
QStringList recordStreams(const PulseServer &server)
{
    QString text;
    if (!server.pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")}, &text))
        return {QStringLiteral("pactl failed")};
    QStringList streams;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() >= 2)
            streams << fields[0] + QLatin1Char(' ') + fields[1];
    }
    return streams;
}

QString sourceName(const PulseServer &server, const QString &index)
{
    QString text;
    server.pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sources")}, &text);
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() >= 2 && fields[0] == index)
            return fields[1];
    }
    return QString();
}

} // namespace

class TestMusicCapture : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void packetsAreWholeFramesOfTheStreamFormat();
    void stopReturnsAtOnceOnASuspendedOutput();
    void nothingArrivesAfterStop();
    void noServer();
    void toneLightsItsBand_data();
    void toneLightsItsBand();
    void silenceLetsTheBarsFall();
    void firstOutputCheckOnlyRecordsTheName();
    void newDefaultOutputRestartsCapture();
    void serverRestartedWhileMusicRuns();
    void musicOffAfterAFailedStartEndsEverything();

private:
    QString m_noServer;
};

void TestMusicCapture::init()
{
    if (!PulseServer::available())
        QSKIP("pulseaudio and pactl are not installed");
    m_noServer = QStringLiteral("unix:%1/no-such-server/native").arg(QDir::tempPath());
}

void TestMusicCapture::packetsAreWholeFramesOfTheStreamFormat()
{
    PulseServer server;
    PulseTonePlayer tone;
    QCOMPARE(startServer(server, &tone, 440.0), QString());

    DSoundCardAudioCapture capture;
    QSignalSpy packets(&capture, &DSoundCardAudioCapture::sigSendCaptureAudioData);
    QCOMPARE(capture.startCapture(), 0);
    QVERIFY(capture.isCapturing());
    QTRY_VERIFY_WITH_TIMEOUT(packets.count() >= 50, kSettleMs);
    capture.stopCapture();
    QVERIFY(!capture.isCapturing());

    QVector<int> sizes;
    bool sound = false;
    for (const QList<QVariant> &arguments : packets) {
        const QByteArray packet = arguments.at(0).toByteArray();
        const QAudioFormat format = arguments.at(1).value<QAudioFormat>();
        QCOMPARE(format.sampleRate(), 44100);
        QCOMPARE(format.channelCount(), 2);
        QCOMPARE(format.sampleSize(), 16);
        QCOMPARE(format.sampleType(), QAudioFormat::SignedInt);
        QCOMPARE(format.byteOrder(), QAudioFormat::LittleEndian);
        QVERIFY(!packet.isEmpty());
        QCOMPARE(packet.size() % 4, 0);
        sizes << packet.size();
        sound = sound || packet.count('\0') < packet.size() / 2;
    }
    QVERIFY(sound);
    // Fragments of about 10 ms (1764 bytes); a loaded machine may batch a few.
    std::sort(sizes.begin(), sizes.end());
    QVERIFY2(sizes[sizes.size() / 2] <= 4 * 1764, qPrintable(QString::number(sizes[sizes.size() / 2])));
}

void TestMusicCapture::stopReturnsAtOnceOnASuspendedOutput()
{
    PulseServer server;
    QCOMPARE(startServer(server), QString());
    QVERIFY(server.suspendSink(server.sinkName(), true));

    DSoundCardAudioCapture capture;
    QSignalSpy packets(&capture, &DSoundCardAudioCapture::sigSendCaptureAudioData);
    QCOMPARE(capture.startCapture(), 0);
    // The stream opens, but a suspended output's monitor delivers nothing.
    QTRY_VERIFY_WITH_TIMEOUT(recordStreams(server).size() == 1, kSettleMs);
    QTest::qWait(300);
    QCOMPARE(packets.count(), 0);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(capture.stopCapture(), 0);
    QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
    QTRY_VERIFY_WITH_TIMEOUT(recordStreams(server).isEmpty(), kSettleMs);
}

void TestMusicCapture::nothingArrivesAfterStop()
{
    PulseServer server;
    PulseTonePlayer tone;
    QCOMPARE(startServer(server, &tone, 440.0), QString());

    DSoundCardAudioCapture capture;
    // Counted on the capture thread, where the signal is emitted.
    std::atomic<int> emitted{0};
    connect(&capture, &DSoundCardAudioCapture::sigSendCaptureAudioData, this, [&emitted] { ++emitted; },
            Qt::DirectConnection);
    for (int round = 0; round < 3; ++round) {
        const int before = emitted.load();
        QCOMPARE(capture.startCapture(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(emitted.load() >= before + 5, kSettleMs);
        capture.stopCapture();
        const int atStop = emitted.load();
        QTest::qWait(150);
        QCOMPARE(emitted.load(), atStop);
    }
    // Stop twice, and stop on an object that never started, return at once.
    QCOMPARE(capture.stopCapture(), 0);
    DSoundCardAudioCapture idle;
    QCOMPARE(idle.stopCapture(), 0);
}

void TestMusicCapture::noServer()
{
    qputenv("PULSE_SERVER", m_noServer.toLocal8Bit());
    LogCapture log;
    DSoundCardAudioCapture capture;
    QCOMPARE(capture.startCapture(), -1);
    QVERIFY(!capture.isCapturing());
    QCOMPARE(log.countContaining(kCouldNotStart), 1);
    // Failing again writes no more lines.
    QCOMPARE(capture.startCapture(), -1);
    QCOMPARE(log.countContaining(kCouldNotStart), 1);

    // Music mode without a server: one line, nothing lit, and it keeps
    // trying quietly while music runs.
    Music104 music;
    log.clear();
    QVERIFY(music.setMusicRhythmRunning(true));
    QVERIFY(!music.capture().isCapturing());
    QVERIFY(music.isOutputCheckActive());
    QTest::qWait(2500);
    QCOMPARE(log.countContaining(kCouldNotStart), 1);
    QCOMPARE(log.messages().size(), 1);
    for (int column = 0; column < 22; ++column)
        QCOMPARE(music.bars().weight(5, column), 0);
    qunsetenv("PULSE_SERVER");
}

void TestMusicCapture::toneLightsItsBand_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("band");
    QTest::newRow("480 Hz") << 480.0 << 5;
    QTest::newRow("725 Hz") << 725.0 << 8;
}

void TestMusicCapture::toneLightsItsBand()
{
    QFETCH(double, frequency);
    QFETCH(int, band);
    PulseServer server;
    PulseTonePlayer tone;
    QCOMPARE(startServer(server, &tone, frequency), QString());

    Music104 music;
    QVERIFY(music.setMusicRhythmRunning(true));
    QTRY_VERIFY_WITH_TIMEOUT(toneAlone(music, band) && music.bars().bands()[band].value >= 0.7, kSettleMs);
    QVERIFY(!music.setMusicRhythmRunning(true)); // already capturing: nothing more
    QVERIFY(music.setMusicRhythmRunning(false));
    QVERIFY(!music.capture().isCapturing());
    QVERIFY(!music.isOutputCheckActive());
}

void TestMusicCapture::silenceLetsTheBarsFall()
{
    PulseServer server;
    PulseTonePlayer tone;
    QCOMPARE(startServer(server, &tone, 480.0), QString());

    Music104 music;
    music.setMusicRhythmRunning(true);
    // The keyboard tick, as the engine runs it.
    QTimer tick;
    connect(&tick, &QTimer::timeout, &music, [&music] { music.bars().buildMusicFrame(); });
    tick.start(16);
    QTRY_VERIFY_WITH_TIMEOUT(bandLit(music, 5), kSettleMs);
    tone.setTone(0.0);
    QTRY_VERIFY_WITH_TIMEOUT(!bandLit(music, 5) && music.bars().bands()[5].value < 0.1, kSettleMs);
}

void TestMusicCapture::firstOutputCheckOnlyRecordsTheName()
{
    PulseServer server;
    QCOMPARE(startServer(server), QString());
    Music104 music;
    music.setMusicRhythmRunning(true);
    QTRY_COMPARE_WITH_TIMEOUT(recordStreams(server).size(), 1, kSettleMs);
    const QStringList stream = recordStreams(server);
    QTRY_COMPARE_WITH_TIMEOUT(music.lastOutputName(), server.sinkName(), kSettleMs);
    QTest::qWait(2200);
    // The same stream: the checks restarted nothing.
    QCOMPARE(recordStreams(server), stream);
}

void TestMusicCapture::newDefaultOutputRestartsCapture()
{
    PulseServer server;
    QCOMPARE(startServer(server), QString());
    const QString second = QStringLiteral("lumtar_headset");
    QVERIFY(server.addNullSink(second));
    // The server may make a new output the default by itself: say which.
    QVERIFY(server.setDefaultSink(server.sinkName()));
    PulseTonePlayer first(server.sinkName());
    PulseTonePlayer other(second);
    QCOMPARE(play(first, 480.0), QString());
    QCOMPARE(play(other, 725.0), QString());

    Music104 music;
    music.setMusicRhythmRunning(true);
    QTRY_VERIFY_WITH_TIMEOUT(bandLit(music, 5), kSettleMs);
    QTRY_COMPARE_WITH_TIMEOUT(music.lastOutputName(), server.sinkName(), kSettleMs);
    QTRY_VERIFY_WITH_TIMEOUT(toneAlone(music, 5), kSettleMs);

    const QStringList before = recordStreams(server);
    QCOMPARE(before.size(), 1);

    // The server moves the streams that follow the default output by itself
    // (the tone on the old output too, so that one ends here); capture is
    // opened again on the new output all the same.
    first.stop();
    QVERIFY(server.setDefaultSink(second));
    QElapsedTimer clock;
    clock.start();
    auto onNewOutput = [&] {
        const QStringList streams = recordStreams(server);
        return streams.size() == 1 && streams.first().section(' ', 0, 0) != before.first().section(' ', 0, 0) &&
               sourceName(server, streams.first().section(' ', 1)) == second + QStringLiteral(".monitor");
    };
    QTRY_VERIFY_WITH_TIMEOUT(onNewOutput(), kSettleMs);
    qInfo() << "capture restarted on the new output after" << clock.elapsed() << "ms";
    QTRY_VERIFY_WITH_TIMEOUT(toneAlone(music, 8), kSettleMs);
    QCOMPARE(music.lastOutputName(), second);
}

void TestMusicCapture::serverRestartedWhileMusicRuns()
{
    PulseServer server;
    QCOMPARE(startServer(server), QString());
    LogCapture log;
    Music104 music;
    {
        PulseTonePlayer tone;
        QCOMPARE(play(tone, 480.0), QString());
        music.setMusicRhythmRunning(true);
        QTRY_VERIFY_WITH_TIMEOUT(bandLit(music, 5), kSettleMs);

        server.stop(true);
    }
    // The ended stream no longer counts as capturing and is logged once.
    QTRY_VERIFY_WITH_TIMEOUT(!music.capture().isCapturing(), kSettleMs);
    QTRY_COMPARE_WITH_TIMEOUT(log.countContaining(kEnded), 1, kSettleMs);
    // While the server is away the checks fail quietly after one line.
    QTest::qWait(2200);
    QCOMPARE(log.countContaining(kEnded), 1);
    QVERIFY(log.countContaining(kCouldNotStart) <= 1);

    PulseTonePlayer tone;
    QCOMPARE(startServer(server, &tone, 725.0), QString());
    QTRY_VERIFY_WITH_TIMEOUT(music.capture().isCapturing(), kSettleMs);
    QTRY_VERIFY_WITH_TIMEOUT(bandLit(music, 8), kSettleMs);
    QCOMPARE(log.countContaining(kEnded), 1);
}

void TestMusicCapture::musicOffAfterAFailedStartEndsEverything()
{
    PulseServer server;
    qputenv("PULSE_SERVER", m_noServer.toLocal8Bit());
    Music104 music;
    QVERIFY(music.setMusicRhythmRunning(true));
    QVERIFY(!music.capture().isCapturing());
    QVERIFY(music.isOutputCheckActive());
    QVERIFY(music.setMusicRhythmRunning(false));
    QVERIFY(!music.isOutputCheckActive());

    // A server that appears later is left alone while music is off.
    QCOMPARE(startServer(server), QString());
    QTest::qWait(2200);
    QVERIFY(!music.capture().isCapturing());
    QVERIFY(recordStreams(server).isEmpty());
    // Packets that were queued before music went off are ignored.
    music.onSendCaptureAudioData(QByteArray(40000, '\1'), DSoundCardAudioCapture::packetFormat(44100, 2));
    QCOMPARE(music.lastSpectrum().count(), 0);
}

QTEST_GUILESS_MAIN(TestMusicCapture)
#include "tst_musiccapture.moc"
