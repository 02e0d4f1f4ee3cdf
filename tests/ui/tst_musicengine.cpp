// Musical Rhythm as the device page runs it, with the simulated LT108HE and a
// private sound server: a tone lights its band on the keyboard view and in
// the frames the keyboard receives (behind a receiver, in the compact
// report's band levels), silence lets the bars fall, another mode ends
// capture and the output check and dims the keys, and without a sound server
// one line says so while the keyboard streams on.
#include <QtTest>

#include <memory>

#include "core/DDataManager.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarLight.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/LogCapture.h"
#include "support/PulseServer.h"
#include "support/PulseTonePlayer.h"
#include "support/TempHome.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicRhythmPipeline.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

using lumtar::sim::SimController;

namespace {

const int kSettleMs = 40000;
const int kBottomRow = 5;
// 108 keys: eleven bands of two columns; 480 Hz is in band 5 (columns 10, 11).
const double kToneHz = 480.0;
const int kToneBand = 5;

const QString kCouldNotStart = QStringLiteral("Music capture could not start");

colorInfoData musicRecord()
{
    // Top colour white, bottom colour black, brightness at its top level.
    return { LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_MusicalRhythm, 5, 3, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0 };
}

colorInfoData waveRecord()
{
    return { LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Wave, 5, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0 };
}

int keyIndex(int row, int column)
{
    return row * lightDealMain::Columns + column;
}

// A bar cell is lit when its preview shows a colour; an unlit one is
// transparent black (the bottom colour is black).
bool previewLit(const lightDealMain *engine, int row, int column)
{
    const QColor c = engine->previewColor(keyIndex(row, column));
    return c.alpha() > 0 && (c.red() || c.green() || c.blue());
}

// The tone's band lit at the bottom and the bands two or more away dark.
bool toneAloneOnPreviews(const lightDealMain *engine)
{
    for (int column = 0; column < lightDealMain::Columns; ++column) {
        const int band = column / 2;
        if (qAbs(band - kToneBand) >= 2 && previewLit(engine, kBottomRow, column))
            return false;
    }
    return previewLit(engine, kBottomRow, 2 * kToneBand) && previewLit(engine, kBottomRow, 2 * kToneBand + 1);
}

bool anyBarLit(const lightDealMain *engine)
{
    for (int row = 0; row < lightDealMain::Rows; ++row) {
        for (int column = 0; column < lightDealMain::Columns; ++column) {
            if (previewLit(engine, row, column))
                return true;
        }
    }
    return false;
}

// The keyboard's last whole frame shows the preview's colour at (row, column).
bool frameMatchesPreview(const std::string &path, const lightDealMain *engine, int row, int column)
{
    const std::vector<uint8_t> keys = SimController::instance().lightStream(path).keyColours;
    const size_t at = static_cast<size_t>(3 * keyIndex(row, column));
    if (keys.size() < at + 3)
        return false;
    const QColor c = engine->previewColor(keyIndex(row, column));
    return keys[at] == c.red() && keys[at + 1] == c.green() && keys[at + 2] == c.blue();
}

bool frameCellLit(const std::string &path, int row, int column)
{
    const std::vector<uint8_t> keys = SimController::instance().lightStream(path).keyColours;
    const size_t at = static_cast<size_t>(3 * keyIndex(row, column));
    return keys.size() >= at + 3 && (keys[at] || keys[at + 1] || keys[at + 2]);
}

bool framesGrow(const std::string &path, long more)
{
    const long target = SimController::instance().lightStream(path).wholeFrames + more;
    QElapsedTimer t;
    t.start();
    while (SimController::instance().lightStream(path).wholeFrames < target) {
        if (t.elapsed() > kSettleMs)
            return false;
        QTest::qWait(20);
    }
    return true;
}

// The band levels of the keyboard's newest compact report in mode 100
// (bytes 5..15); empty when there is none.
QVector<int> lastMusicLevels(const std::string &path)
{
    const auto reports = SimController::instance().lightStream(path).compactReports;
    if (reports.empty() || reports.back()[4] != LightMode_MusicalRhythm)
        return {};
    QVector<int> levels;
    for (int band = 0; band < 11; ++band)
        levels << reports.back()[static_cast<size_t>(5 + band)];
    return levels;
}

bool levelsShowTheToneAlone(const QVector<int> &levels)
{
    if (levels.size() != 11 || levels[kToneBand] == 0)
        return false;
    for (int band = 0; band < levels.size(); ++band) {
        if (qAbs(band - kToneBand) >= 2 && levels[band] != 0)
            return false;
    }
    return true;
}

int recordStreamCount(const PulseServer &server)
{
    QString text;
    if (!server.pactl({ QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs") }, &text))
        return -1;
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size();
}

} // namespace

class tst_MusicEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void barsFollowTheToneOnTheViewAndTheKeyboard();
    void receiverGetsTheBandLevels();
    void withoutSoundServerOneLineAndStreamingGoesOn();

private:
    DDevicePage *openWindow(const std::string &path);
    TempHome m_home;
    std::unique_ptr<DMainWidget> m_window;
};

void tst_MusicEngine::initTestCase()
{
    if (!PulseServer::available())
        QSKIP("pulseaudio is not installed");
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    QCOMPARE(CLumtarLight_Init(), 0);
    SimController::instance().unplugAll();
}

void tst_MusicEngine::cleanup()
{
    m_window.reset();
    SimController::instance().unplugAll();
    QTest::qWait(50);
}

DDevicePage *tst_MusicEngine::openWindow(const std::string &path)
{
    m_window.reset(new DMainWidget);
    DDevicePage *page = m_window->devicePage();
    DevicePageProbe probe(page);
    if (!probe.waitUntilIdle(kSettleMs))
        qWarning("the first enumeration did not end");
    if (!QTest::qWaitFor([&] { return probe.links().key(probe.currentLink()) == QString::fromStdString(path); },
                         kSettleMs))
        qWarning("the keyboard was not shown");
    probe.waitUntilIdle(kSettleMs);
    return page;
}

void tst_MusicEngine::barsFollowTheToneOnTheViewAndTheKeyboard()
{
    PulseServer server;
    QString error;
    QVERIFY2(server.start(&error), qPrintable(error));
    PulseTonePlayer tone;
    QVERIFY2(tone.start(&error), qPrintable(error));
    tone.setTone(kToneHz, 0.5);

    const std::string path = SimController::instance().plug("LT108HE");
    DDevicePage *page = openWindow(path);
    DevicePageProbe probe(page);
    lightDealMain *engine = page->lightEngine();
    QVERIFY(engine->isSynchronizing());
    page->onCurIndexChangedMainPage(DDevicePage::LightsConfigPage);

    // The lighting page's choice of Musical Rhythm, relayed by the device page.
    page->onSelectCurrentLightTypeIndex_KB(LightMode_MusicalRhythm, musicRecord());
    QVERIFY(engine->isMusicRhythmRunning());
    QVERIFY(engine->musicPipeline()->isOutputCheckActive());

    // The previews, the keyboard view and the keyboard's frames show the band.
    QTRY_VERIFY_WITH_TIMEOUT(toneAloneOnPreviews(engine), kSettleMs);
    QTRY_VERIFY_WITH_TIMEOUT(probe.gridKey(kBottomRow, 2 * kToneBand)->lightColor().alpha() > 0, kSettleMs);
    QTRY_VERIFY_WITH_TIMEOUT(frameCellLit(path, kBottomRow, 2 * kToneBand), kSettleMs);
    QTRY_VERIFY_WITH_TIMEOUT(!frameCellLit(path, kBottomRow, 0) && !frameCellLit(path, kBottomRow, 21), kSettleMs);
    QCOMPARE(SimController::instance().lightStream(path).tornFrames, 0L);

    // Another tone, another band.
    tone.setTone(725.0, 0.5);
    QTRY_VERIFY_WITH_TIMEOUT(previewLit(engine, kBottomRow, 16) && !previewLit(engine, kBottomRow, 10), kSettleMs);

    // Silence lets every bar fall, on the view and on the keyboard.
    tone.setTone(0.0);
    QTRY_VERIFY_WITH_TIMEOUT(!anyBarLit(engine), kSettleMs);
    QTRY_VERIFY_WITH_TIMEOUT(frameMatchesPreview(path, engine, kBottomRow, 16) && !frameCellLit(path, kBottomRow, 16),
                             kSettleMs);

    // The engine stopped ends capture; started again, music goes on.
    engine->setLightPreviewRunning(false);
    QVERIFY(!engine->isMusicRhythmRunning());
    QVERIFY(!engine->musicPipeline()->capture().isCapturing());
    QVERIFY(!engine->musicPipeline()->isOutputCheckActive());
    engine->setLightPreviewRunning(true);
    QVERIFY(engine->isMusicRhythmRunning());
    tone.setTone(kToneHz, 0.5);
    QTRY_VERIFY_WITH_TIMEOUT(toneAloneOnPreviews(engine), kSettleMs);

    // Another mode ends capture and the output check and dims the keys
    // until the effect's frames repaint them.
    page->onSelectCurrentLightTypeIndex_KB(LightMode_Wave, waveRecord());
    QVERIFY(!engine->isMusicRhythmRunning());
    QVERIFY(!engine->musicPipeline()->capture().isCapturing());
    QVERIFY(!engine->musicPipeline()->isOutputCheckActive());
    QCOMPARE(engine->previewColor(keyIndex(kBottomRow, 2 * kToneBand)), QColor(0, 0, 0, 128));
    QTRY_COMPARE_WITH_TIMEOUT(recordStreamCount(server), 0, kSettleMs);
    QTRY_VERIFY_WITH_TIMEOUT(engine->previewColor(keyIndex(kBottomRow, 2 * kToneBand)).alpha() == 180, kSettleMs);
}

void tst_MusicEngine::receiverGetsTheBandLevels()
{
    PulseServer server;
    QString error;
    QVERIFY2(server.start(&error), qPrintable(error));
    PulseTonePlayer tone;
    QVERIFY2(tone.start(&error), qPrintable(error));
    tone.setTone(kToneHz, 0.5);

    const std::string path = SimController::instance().plug("LT108HE", LUMTAR_CONNECT_RECEIVER);
    QVERIFY(SimController::instance().setReceiverLink(path, true));
    DDevicePage *page = openWindow(path);
    lightDealMain *engine = page->lightEngine();
    QVERIFY(engine->isSynchronizing());
    page->onSelectCurrentLightTypeIndex_KB(LightMode_MusicalRhythm, musicRecord());
    QTRY_VERIFY_WITH_TIMEOUT(levelsShowTheToneAlone(lastMusicLevels(path)), kSettleMs);
    // The band's intensity travels with its level (bytes 16..26).
    QVERIFY(SimController::instance().lightStream(path).compactReports.back()[16 + kToneBand] > 0);
    QCOMPARE(SimController::instance().lightStream(path).wholeFrames, 0L);

    tone.setTone(0.0);
    QTRY_COMPARE_WITH_TIMEOUT(lastMusicLevels(path), QVector<int>(11, 0), kSettleMs);
}

void tst_MusicEngine::withoutSoundServerOneLineAndStreamingGoesOn()
{
    // A server address where nothing listens.
    QTemporaryDir nowhere;
    const QByteArray previous = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(nowhere.filePath(QStringLiteral("native"))));

    const std::string path = SimController::instance().plug("LT108HE");
    DDevicePage *page = openWindow(path);
    lightDealMain *engine = page->lightEngine();
    LogCapture log;
    page->onSelectCurrentLightTypeIndex_KB(LightMode_MusicalRhythm, musicRecord());
    QVERIFY(!engine->musicPipeline()->capture().isCapturing());
    QCOMPARE(log.countContaining(kCouldNotStart), 1);

    // The output check tries again every second, without a line each time;
    // the keyboard streams on, its keys dark.
    QVERIFY(framesGrow(path, 100));
    QCOMPARE(log.countContaining(kCouldNotStart), 1);
    QVERIFY(engine->isSynchronizing());
    QVERIFY(!anyBarLit(engine));
    QVERIFY(!frameCellLit(path, kBottomRow, 2 * kToneBand));
    QCOMPARE(SimController::instance().lightStream(path).tornFrames, 0L);

    qputenv("PULSE_SERVER", previous);
    if (previous.isEmpty())
        qunsetenv("PULSE_SERVER");
}

QTEST_MAIN(tst_MusicEngine)
#include "tst_musicengine.moc"
