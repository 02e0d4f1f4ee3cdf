// The lighting engine through the real I/O thread against the simulated
// keyboard, and its painting into key buttons and side segments offscreen:
// what the keyboard receives (whole frames of the previews by cable, one
// compact report a tick behind the receiver, light synchronisation, custom
// colours), stopping and starting at once, unplugging mid-stream, and the
// engine's limits (side segments past a frame, missing key buttons), and
// what it leaves undone: a light without motion is not ticked and previews
// that do not change are not painted, while the stream keeps its ticks; and
// while it streams, its tick alone wakes: the frame and paint threads sleep.
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarLight.h"
#include "sdk/sim/SimController.h"
#include "support/SimReportLog.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/sideLightButtonCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QtTest>

#include <QDir>
#include <QFile>

#include <cstring>
#include <memory>

using lumtar::sim::SimController;
using lumtar::sim::SimLightStreamView;

namespace {

struct Rgb {
    int r, g, b;
};

colorInfoData record(int kind, int mode, int brightness, Rgb c1, Rgb c2 = { 0, 0, 0 }, int full = 0)
{
    return { kind, mode, brightness, 3, c1.r, c1.g, c1.b, c2.r, c2.g, c2.b, 0, full, 0, 0 };
}

LightSupportInfo support(std::vector<int> modes)
{
    LightSupportInfo s;
    s.modeCodes = std::move(modes);
    s.speedLevels = 5;
    s.brightnessLevels = 5;
    return s;
}

QList<QByteArray> reportsOf(const std::string &path, int command)
{
    QList<QByteArray> out;
    for (const QByteArray &r : SimReportLog::all(path)) {
        if (static_cast<unsigned char>(r.at(1)) == command)
            out << r;
    }
    return out;
}

int byteAt(const QByteArray &r, int i)
{
    return static_cast<unsigned char>(r.at(i));
}

// An engine with its own key buttons and side segments, on an I/O thread of
// a simulated keyboard.
class EngineRig
{
public:
    static constexpr int SideSegments = 12;

    ~EngineRig() { close(); }

    bool open(const char *model, int connectType, int sideSegments = SideSegments, int keys = 132)
    {
        path = SimController::instance().plug(model, connectType);
        if (path.empty())
            return false;
        io = std::make_unique<MainHidInterFace>(0, QString::fromLatin1(model));
        QObject::connect(io.get(), &MainHidInterFace::sigHidDataArrived, [](unsigned char *d, int, int) { delete[] d; });
        QObject::connect(io.get(), &MainHidInterFace::sigHidSnGetOver, [](unsigned char *d, QString) { delete[] d; });
        if (io->openHid(QString::fromStdString(path)) != 0)
            return false;
        io->start();

        view = std::make_unique<QWidget>();
        engine = std::make_unique<lightDealMain>();
        hidStructInfoAll info{};
        std::strncpy(info.hidModel, model, sizeof info.hidModel - 1);
        info.connectType = connectType;
        info.modelValue1 = 1;
        engine->setDeviceInfo(info);
        engine->setLightSupportInfo(support({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16 }),
                                    sideSegments > 0 ? support({ 0, 1, 2, 3, 4, 5 }) : support({}));
        engine->setHidInterface(io.get());
        for (int i = 0; i < 132; ++i) {
            auto *key = new keyboardButCustom(view.get());
            key->setGridIndex(i / 22, i % 22);
            key->setLightColorShow(true);
            buttons << key;
            if (i < keys)
                engine->setKeyButton(i / 22, i % 22, key);
        }
        QList<sideLightButtonCustom *> segments;
        for (int k = 0; k < sideSegments; ++k) {
            auto *segment = new sideLightButtonCustom(view.get());
            segment->setIndexInfo(k, 1);
            segments << segment;
        }
        side = segments;
        engine->setSideLightButtons(segments);
        return true;
    }

    void start(const colorInfoData &keyboard, const colorInfoData &sideRecord)
    {
        engine->setKeyboardColorInfo(keyboard);
        engine->setSideColorInfo(sideRecord);
        engine->setPreviewPaintEnabled(true);
        engine->setLightPreviewRunning(true);
        engine->setLightSynchronize(true);
    }

    void stop()
    {
        engine->setLightSynchronize(false);
        engine->setPreviewPaintEnabled(false);
        engine->setLightPreviewRunning(false);
    }

    void close()
    {
        engine.reset();
        view.reset();
        buttons.clear();
        side.clear();
        if (io)
            io->closeHid();
        io.reset();
        SimController::instance().unplugAll();
    }

    SimLightStreamView stream() const { return SimController::instance().lightStream(path); }

    // Waits until `frames` more whole frames reached the keyboard.
    bool waitForFrames(long frames, int timeoutMs = 10000) const
    {
        const long target = stream().wholeFrames + frames;
        QElapsedTimer t;
        t.start();
        while (stream().wholeFrames < target) {
            if (t.elapsed() > timeoutMs)
                return false;
            QTest::qWait(10);
        }
        return true;
    }

    std::string path;
    std::unique_ptr<MainHidInterFace> io;
    std::unique_ptr<QWidget> view;
    QList<keyboardButCustom *> buttons;
    QList<sideLightButtonCustom *> side;
    std::unique_ptr<lightDealMain> engine;
};

// The context switches so far of this process's threads whose name starts
// with `name` (a thread's name is its class name cut to 15 characters).
long switchesOfThreads(const QByteArray &name)
{
    long switches = 0;
    const QStringList tasks = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &task : tasks) {
        QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(task));
        if (!comm.open(QIODevice::ReadOnly) || !comm.readAll().startsWith(name))
            continue;
        QFile status(QStringLiteral("/proc/self/task/%1/status").arg(task));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:") || line.startsWith("nonvoluntary_ctxt_switches:"))
                switches += line.mid(line.indexOf(':') + 1).trimmed().toLong();
        }
    }
    return switches;
}

const Rgb kRed{ 255, 0, 0 };
const Rgb kGreen{ 0, 255, 0 };
const Rgb kBlue{ 0, 0, 255 };

} // namespace

class TestLightEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void cableGetsWholeFramesOfThePreviews_data();
    void cableGetsWholeFramesOfThePreviews();
    void synchroniseOnceThenEveryThreeSeconds();
    void stopAndStartAtOnceKeepsStreaming_data();
    void stopAndStartAtOnceKeepsStreaming();
    void framesOfferedWhileABatchDrainsAreSkippedWhole();
    void unplugMidStream();
    void ticksAfterStopDoNothing();
    void receiverGetsOneCompactReportATick();
    void receiverReportsAPressOnce();
    void customColoursGoToAReceiverOnly_data();
    void customColoursGoToAReceiverOnly();
    void paintTickPaintsThePreviews();
    void customRewritesTheCustomColours();
    void nothingIsPaintedWhilePaintingIsOff();
    void sideSegmentsPastAFrameAndMissingKeys();
    void destroyedWhileRunning();
    void ticksOnlyForWhatChanges_data();
    void ticksOnlyForWhatChanges();
    void aStillLightShowsEachChange();
    void everyStreamedFrameArrivesWhole();
    void whileStreamingOnlyTheStreamTickWakes();

private:
    EngineRig m_rig;
};

void TestLightEngine::initTestCase()
{
    QCOMPARE(CLumtarHid_Init(), 0);
    QCOMPARE(CLumtarLight_Init(), 0);
    SimController::instance().unplugAll();
}

void TestLightEngine::cleanup()
{
    m_rig.close();
}

void TestLightEngine::cableGetsWholeFramesOfThePreviews_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("sideLeds");
    QTest::newRow("LT108HE: 41 side LEDs, batch of 11") << "LT108HE" << 41;
    QTest::newRow("LT104RGB: 33 side LEDs, batch of 10") << "LT104RGB" << 33;
}

void TestLightEngine::cableGetsWholeFramesOfThePreviews()
{
    QFETCH(QString, model);
    QFETCH(int, sideLeds);
    QVERIFY(m_rig.open(model.toLatin1().constData(), LUMTAR_CONNECT_USB));
    QCOMPARE(m_rig.engine->sideLedCount(), sideLeds);
    // Static, darkened by brightness 3 of 6: the same frame every tick.
    m_rig.start(record(0, LightMode_Static, 3, kRed), record(1, SideLightMode_Static, 2, kGreen));
    QVERIFY(m_rig.waitForFrames(20));
    const SimLightStreamView v = m_rig.stream();
    QCOMPARE(v.tornFrames, 0L);
    QCOMPARE(int(v.keyColours.size()), 3 * 132);
    QCOMPARE(int(v.sideColours.size()), 3 * sideLeds);
    for (int i = 0; i < 132; ++i) {
        const QColor c = m_rig.engine->previewColor(i);
        QCOMPARE(QColor(v.keyColours[3 * i], v.keyColours[3 * i + 1], v.keyColours[3 * i + 2]).rgb(), c.rgb());
    }
    for (int k = 0; k < sideLeds; ++k) {
        const QColor c = m_rig.engine->previewColor(132 + k);
        QCOMPARE(QColor(v.sideColours[3 * k], v.sideColours[3 * k + 1], v.sideColours[3 * k + 2]).rgb(), c.rgb());
    }
    // The keys are red darkened, not black; the LEDs past the segments stay black.
    QVERIFY(m_rig.engine->previewColor(0).red() > 0);
    QVERIFY(m_rig.engine->previewColor(0).red() < 255);
    QVERIFY(m_rig.engine->previewColor(132).green() > 0);
    QCOMPARE(m_rig.engine->previewColor(132 + EngineRig::SideSegments).rgb(), QColor(0, 0, 0).rgb());
    QCOMPARE(SimController::instance().state(m_rig.path).lightSync, 1);
}

void TestLightEngine::synchroniseOnceThenEveryThreeSeconds()
{
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    m_rig.start(record(0, LightMode_Wave, 6, kRed), record(1, SideLightMode_Wave, 6, kGreen));
    m_rig.engine->setLightSynchronize(true);
    QTRY_COMPARE(reportsOf(m_rig.path, 0x16).size(), 1);
    QTest::qWait(300);
    QCOMPARE(reportsOf(m_rig.path, 0x16).size(), 1);
    QCOMPARE(byteAt(reportsOf(m_rig.path, 0x16).first(), 6), 1);
    QElapsedTimer t;
    t.start();
    QTRY_COMPARE_WITH_TIMEOUT(reportsOf(m_rig.path, 0x16).size(), 2, 6000);
    QVERIFY(t.elapsed() >= 2000);
    QCOMPARE(byteAt(reportsOf(m_rig.path, 0x16).last(), 6), 1);

    m_rig.stop();
    m_rig.engine->setLightSynchronize(false);
    QTRY_COMPARE(reportsOf(m_rig.path, 0x16).size(), 3);
    QCOMPARE(byteAt(reportsOf(m_rig.path, 0x16).last(), 6), 0);
    QTRY_COMPARE(SimController::instance().state(m_rig.path).lightSync, 0);
}

void TestLightEngine::stopAndStartAtOnceKeepsStreaming_data()
{
    QTest::addColumn<int>("pauseMs");
    QTest::newRow("at once") << 0;
    QTest::newRow("5 ms") << 5;
    QTest::newRow("20 ms") << 20;
}

void TestLightEngine::stopAndStartAtOnceKeepsStreaming()
{
    QFETCH(int, pauseMs);
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    const colorInfoData keys = record(0, LightMode_Static, 6, kBlue);
    const colorInfoData side = record(1, SideLightMode_Static, 6, kGreen);
    m_rig.start(keys, side);
    QVERIFY(m_rig.waitForFrames(3));
    for (int round = 0; round < 3; ++round) {
        m_rig.stop();
        if (pauseMs > 0)
            QTest::qWait(pauseMs);
        m_rig.start(keys, side);
        QTest::qWait(35);
    }
    QVERIFY(m_rig.engine->isSynchronizing());
    QVERIFY(m_rig.engine->isKeyboardPreviewRunning());
    // Frames, painting and light synchronisation go on.
    QVERIFY(m_rig.waitForFrames(10));
    QCOMPARE(m_rig.stream().tornFrames, 0L);
    QTRY_COMPARE(m_rig.buttons.first()->lightColor(), m_rig.engine->previewColor(0));
    QTRY_COMPARE(SimController::instance().state(m_rig.path).lightSync, 1);
    QCOMPARE(byteAt(reportsOf(m_rig.path, 0x16).last(), 6), 1);
}

void TestLightEngine::framesOfferedWhileABatchDrainsAreSkippedWhole()
{
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    m_rig.start(record(0, LightMode_Wave, 6, kRed, kBlue, 1), record(1, SideLightMode_Wave, 6, kGreen));
    QVERIFY(m_rig.waitForFrames(2));
    // Stream ticks far faster than the I/O thread drains a batch: the light
    // queue runs empty at any moment, also while a frame is being offered.
    const long before = m_rig.stream().wholeFrames;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 1500)
        m_rig.engine->onDviceUpdateAllKeyColorSendKeyboardHid();
    QVERIFY(m_rig.waitForFrames(2));
    QVERIFY(m_rig.stream().wholeFrames - before > 20);
    QCOMPARE(m_rig.stream().tornFrames, 0L);
}

void TestLightEngine::unplugMidStream()
{
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    m_rig.start(record(0, LightMode_Wave, 6, kRed, kBlue, 1), record(1, SideLightMode_Wave, 6, kGreen));
    QVERIFY(m_rig.waitForFrames(3));
    QVERIFY(SimController::instance().unplug(m_rig.path));
    QTest::qWait(100);
    // The link deletes the interface while ticks are still queued.
    m_rig.io->closeHid();
    m_rig.io.reset();
    QCOMPARE(m_rig.engine->hidInterface(), nullptr);
    QTest::qWait(200);
    QVERIFY(m_rig.engine->isSynchronizing());
    m_rig.stop();
    QTest::qWait(50);
}

void TestLightEngine::ticksAfterStopDoNothing()
{
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    m_rig.start(record(0, LightMode_Static, 6, kRed), record(1, SideLightMode_Static, 6, kGreen));
    QVERIFY(m_rig.waitForFrames(2));
    m_rig.stop();
    QTest::qWait(100);
    const int before = SimReportLog::all(m_rig.path).size();
    // Ticks that were queued before the stop arrive after it.
    m_rig.engine->onDviceUpdateAllKeyColorSendKeyboardHid();
    m_rig.engine->onDviceUpdateAllKeyColor();
    m_rig.engine->onDviceUpdateAllKeyColorUI();
    m_rig.buttons.first()->setLightColor(QColor(1, 2, 3));
    m_rig.engine->onDviceUpdateAllKeyColorUI();
    QTest::qWait(100);
    QCOMPARE(SimReportLog::all(m_rig.path).size(), before);
    QCOMPARE(m_rig.buttons.first()->lightColor(), QColor(1, 2, 3));
}

void TestLightEngine::receiverGetsOneCompactReportATick()
{
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_RECEIVER));
    m_rig.start(record(0, LightMode_Static, 6, kRed), record(1, SideLightMode_Static, 6, kGreen));
    QTest::qWait(200);
    const long ticks0 = m_rig.engine->streamTicks();
    const size_t reports0 = m_rig.stream().compactReports.size();
    QTest::qWait(1000);
    const long ticks = m_rig.engine->streamTicks() - ticks0;
    const long reports = static_cast<long>(m_rig.stream().compactReports.size() - reports0);
    QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
    QVERIFY(qAbs(reports - ticks) <= 2);
    QCOMPARE(reportsOf(m_rig.path, 0x0E).size(), 0);
    QCOMPARE(m_rig.stream().wholeFrames, 0L);
    // Static: the first key's colour and the first side LED's colour.
    const auto last = m_rig.stream().compactReports.back();
    QCOMPARE(int(last[4]), int(LightMode_Static));
    QCOMPARE(QColor(last[5], last[6], last[7]).rgb(), m_rig.engine->previewColor(0).rgb());
    QCOMPARE(int(last[34]), int(SideLightMode_Static));
    QCOMPARE(QColor(last[35], last[36], last[37]).rgb(), m_rig.engine->previewColor(132).rgb());
}

void TestLightEngine::receiverReportsAPressOnce()
{
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_RECEIVER));
    m_rig.start(record(0, LightMode_Reactive, 6, kRed), record(1, SideLightMode_Wave, 6, kGreen));
    QTest::qWait(200);
    auto pressReports = [this] {
        QList<std::array<uint8_t, 64>> out;
        for (const auto &r : m_rig.stream().compactReports) {
            if (r[4] == LightMode_Reactive && (r[5] || r[6] || r[7] || r[8] || r[9]))
                out << r;
        }
        return out;
    };
    QCOMPARE(pressReports().size(), 0);
    const LightColorStu ripple = CLumtarHid_GetCurrentRippleLightColor();
    m_rig.engine->setInteractLightPoint(2, 3);
    QTRY_COMPARE(pressReports().size(), 1);
    QTest::qWait(300);
    QCOMPARE(pressReports().size(), 1);
    const auto r = pressReports().first();
    QCOMPARE(int(r[5]), 2);
    QCOMPARE(int(r[6]), 3);
    QCOMPARE(int(r[7]), ripple.r);
    QCOMPARE(int(r[8]), ripple.g);
    QCOMPARE(int(r[9]), ripple.b);
    // A place outside the matrix is no press.
    m_rig.engine->setInteractLightPoint(6, 0);
    m_rig.engine->setInteractLightPoint(0, -1);
    QTest::qWait(200);
    QCOMPARE(pressReports().size(), 1);
}

void TestLightEngine::customColoursGoToAReceiverOnly_data()
{
    QTest::addColumn<int>("connection");
    QTest::addColumn<int>("origin");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("written");
    QTest::newRow("receiver, scheme shown") << int(LUMTAR_CONNECT_RECEIVER) << 0 << 0 << true;
    QTest::newRow("receiver, painted into a scheme without a slot") << int(LUMTAR_CONNECT_RECEIVER) << 1 << -1 << true;
    QTest::newRow("receiver, painted into slot 1") << int(LUMTAR_CONNECT_RECEIVER) << 1 << 1 << false;
    QTest::newRow("cable, scheme shown") << int(LUMTAR_CONNECT_USB) << 0 << 0 << false;
}

void TestLightEngine::customColoursGoToAReceiverOnly()
{
    QFETCH(int, connection);
    QFETCH(int, origin);
    QFETCH(int, slot);
    QFETCH(bool, written);
    QVERIFY(m_rig.open("LT108HE", connection));
    for (int i = 0; i < 132; ++i)
        m_rig.buttons.at(i)->setCustomLightColor(QColor(i, 255 - i, i % 7));
    m_rig.engine->writeCustomLightColors(origin, slot);
    QTest::qWait(300);
    const QList<QByteArray> custom = reportsOf(m_rig.path, 0x08);
    QCOMPARE(custom.size(), written ? 8 : 0);
    for (int p = 0; p < custom.size(); ++p) {
        const QByteArray &r = custom.at(p);
        QCOMPARE(byteAt(r, 2), 0x02);
        QCOMPARE(byteAt(r, 4), p);
        QCOMPARE(byteAt(r, 5), p == 7 ? 18 : 54);
        const int key = p * 18;
        QCOMPARE(byteAt(r, 6), key);
        QCOMPARE(byteAt(r, 7), 255 - key);
        QCOMPARE(byteAt(r, 8), key % 7);
    }
}

void TestLightEngine::paintTickPaintsThePreviews()
{
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    m_rig.start(record(0, LightMode_Static, 4, kRed), record(1, SideLightMode_Static, 3, kGreen));
    QTest::qWait(300);
    for (int i = 0; i < 132; ++i)
        QCOMPARE(m_rig.buttons.at(i)->lightColor(), m_rig.engine->previewColor(i));
    for (int k = 0; k < m_rig.side.size(); ++k)
        QCOMPARE(m_rig.side.at(k)->lightColor(), m_rig.engine->previewColor(132 + k));
    QVERIFY(m_rig.side.at(0)->lightColor().green() > 0);
    QCOMPARE(m_rig.buttons.at(0)->lightColor().alpha(), 180);
    QCOMPARE(m_rig.side.at(0)->lightColor().alpha(), 250);
}

void TestLightEngine::customRewritesTheCustomColours()
{
    QVERIFY(m_rig.open("LT104RGB", LUMTAR_CONNECT_USB, 0));
    for (int i = 0; i < 132; ++i)
        m_rig.buttons.at(i)->setCustomLightColor(i % 2 ? QColor(0, 0, 0) : QColor(10 + i, 20, 30));
    m_rig.engine->writeCustomLightColors(0, -1);
    // Something else wrote the buttons' custom colours meanwhile: the next
    // keyboard tick writes the scheme's colours back.
    for (keyboardButCustom *b : qAsConst(m_rig.buttons))
        b->setCustomLightColor(QColor(1, 1, 1));
    m_rig.start(record(0, LightMode_Custom, 6, kRed), record(1, SideLightMode_Close, 6, kRed));
    QTest::qWait(300);
    for (int i = 0; i < 132; ++i) {
        const QColor expected = i % 2 ? QColor(0, 0, 0) : QColor(10 + i, 20, 30);
        QCOMPARE(m_rig.buttons.at(i)->customLightColor(), expected);
        QCOMPARE(m_rig.engine->previewColor(i).rgb(), expected.rgb());
        QCOMPARE(m_rig.engine->previewColor(i).alpha(), i % 2 ? 0 : 180);
    }
}

void TestLightEngine::nothingIsPaintedWhilePaintingIsOff()
{
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    m_rig.engine->setKeyboardColorInfo(record(0, LightMode_Static, 6, kRed));
    m_rig.engine->setSideColorInfo(record(1, SideLightMode_Static, 6, kGreen));
    m_rig.engine->setLightPreviewRunning(true);
    m_rig.engine->setLightSynchronize(true);
    QVERIFY(m_rig.waitForFrames(3));
    for (keyboardButCustom *b : qAsConst(m_rig.buttons))
        QCOMPARE(b->lightColor(), QColor(0, 0, 0, 0));
    for (sideLightButtonCustom *s : qAsConst(m_rig.side))
        QCOMPARE(s->lightColor(), QColor(0, 0, 0, 128));
    // The keyboard gets the frames all the same.
    QCOMPARE(QColor(m_rig.stream().keyColours[0], 0, 0).red(), m_rig.engine->previewColor(0).red());
}

void TestLightEngine::sideSegmentsPastAFrameAndMissingKeys()
{
    // 70 segments: a side frame has 60 points. 100 key buttons of 132.
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB, 70, 100));
    m_rig.start(record(0, LightMode_Static, 6, kRed), record(1, SideLightMode_Static, 6, kGreen));
    QTest::qWait(300);
    for (int k = 0; k < 60; ++k)
        QCOMPARE(m_rig.side.at(k)->lightColor(), m_rig.engine->previewColor(132 + k));
    QVERIFY(m_rig.side.at(0)->lightColor().green() > 0);
    for (int k = 60; k < 70; ++k)
        QCOMPARE(m_rig.side.at(k)->lightColor(), QColor(0, 0, 0, 128));
    QCOMPARE(m_rig.buttons.at(99)->lightColor(), m_rig.engine->previewColor(99));
    QCOMPARE(m_rig.buttons.at(100)->lightColor(), QColor(0, 0, 0, 0));
    // Custom colours of keys without a button are black.
    m_rig.engine->writeCustomLightColors(0, -1);
    m_rig.engine->setKeyboardColorInfo(record(0, LightMode_Custom, 6, kRed));
    QTest::qWait(100);
    QCOMPARE(m_rig.engine->previewColor(131).alpha(), 0);
    // A segment or key button that goes away is skipped.
    delete m_rig.side.takeAt(3);
    delete m_rig.buttons.takeAt(5);
    QTest::qWait(100);
    QVERIFY(m_rig.waitForFrames(2));
}

void TestLightEngine::destroyedWhileRunning()
{
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    m_rig.start(record(0, LightMode_Wave, 6, kRed, kBlue, 1), record(1, SideLightMode_Wave, 6, kGreen));
    QVERIFY(m_rig.waitForFrames(2));
    // The threads are stopped and joined before the engine goes; queued
    // ticks find no engine.
    m_rig.engine.reset();
    QTest::qWait(100);
    const long frames = m_rig.stream().wholeFrames;
    QTest::qWait(200);
    QCOMPARE(m_rig.stream().wholeFrames, frames);
    // A new engine takes the SDK's frames.
    m_rig.engine = std::make_unique<lightDealMain>();
    hidStructInfoAll info{};
    std::strncpy(info.hidModel, "LT108HE", sizeof info.hidModel - 1);
    m_rig.engine->setDeviceInfo(info);
    m_rig.engine->setLightSupportInfo(support({ 2 }), support({ 2 }));
    m_rig.engine->setHidInterface(m_rig.io.get());
    m_rig.start(record(0, LightMode_Static, 6, kRed), record(1, SideLightMode_Static, 6, kGreen));
    QVERIFY(m_rig.waitForFrames(2));
    QCOMPARE(m_rig.engine->previewColor(0).rgb(), QColor(255, 0, 0).rgb());
}

void TestLightEngine::ticksOnlyForWhatChanges_data()
{
    QTest::addColumn<int>("keyboardMode");
    QTest::addColumn<int>("sideMode");
    QTest::addColumn<bool>("keyboardMoves");
    QTest::addColumn<bool>("sideMoves");
    QTest::newRow("Static, side Static") << int(LightMode_Static) << int(SideLightMode_Static) << false << false;
    QTest::newRow("Custom, side Close") << int(LightMode_Custom) << int(SideLightMode_Close) << false << false;
    QTest::newRow("Wave, side Static") << int(LightMode_Wave) << int(SideLightMode_Static) << true << false;
    QTest::newRow("Static, side Wave") << int(LightMode_Static) << int(SideLightMode_Wave) << false << true;
}

void TestLightEngine::ticksOnlyForWhatChanges()
{
    QFETCH(int, keyboardMode);
    QFETCH(int, sideMode);
    QFETCH(bool, keyboardMoves);
    QFETCH(bool, sideMoves);
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    m_rig.start(record(0, keyboardMode, 6, kRed, kBlue, 1), record(1, sideMode, 6, kGreen, kBlue, 1));
    QVERIFY(m_rig.waitForFrames(3));
    // The first frames and their paint may still be on their way.
    QTest::qWait(300);
    lightDealMain &e = *m_rig.engine;
    const long key0 = e.keyboardFrameTicks();
    const long side0 = e.sideFrameTicks();
    const long paint0 = e.paintTicks();
    const long stream0 = e.streamTicks();
    const long frames0 = m_rig.stream().wholeFrames;
    QTest::qWait(600);
    const long key = e.keyboardFrameTicks() - key0;
    const long side = e.sideFrameTicks() - side0;
    const long paint = e.paintTicks() - paint0;
    const QByteArray figures =
        QStringLiteral("keyboard %1, side %2, paint %3 ticks").arg(key).arg(side).arg(paint).toLatin1();
    QVERIFY2(keyboardMoves ? key >= 10 : key == 0, figures.constData());
    QVERIFY2(sideMoves ? side >= 10 : side == 0, figures.constData());
    QVERIFY2((keyboardMoves || sideMoves) ? paint >= 5 : paint == 0, figures.constData());
    // The keyboard gets its frames all the same (everyStreamedFrameArrivesWhole
    // counts them against the ticks).
    QVERIFY(e.streamTicks() > stream0);
    QVERIFY(m_rig.stream().wholeFrames > frames0);
    QVERIFY(m_rig.waitForFrames(10));
    QCOMPARE(m_rig.stream().tornFrames, 0L);
}

void TestLightEngine::aStillLightShowsEachChange()
{
    // Without motion the frames stop, but every change of the settings is
    // computed, painted and streamed.
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    m_rig.start(record(0, LightMode_Static, 6, kRed), record(1, SideLightMode_Static, 6, kGreen));
    QTRY_COMPARE(m_rig.buttons.first()->lightColor().rgb(), QColor(255, 0, 0).rgb());
    QTest::qWait(200);
    m_rig.engine->changeKeyboardColorInfo(record(0, LightMode_Static, 6, kBlue));
    QTRY_COMPARE(m_rig.buttons.first()->lightColor().rgb(), QColor(0, 0, 255).rgb());
    QTRY_COMPARE(QColor(m_rig.stream().keyColours[0], m_rig.stream().keyColours[1], m_rig.stream().keyColours[2]).rgb(),
                 QColor(0, 0, 255).rgb());
    m_rig.engine->changeSideColorInfo(record(1, SideLightMode_Static, 6, kRed));
    QTRY_COMPARE(m_rig.side.first()->lightColor().rgb(), QColor(255, 0, 0).rgb());
    // A darker brightness is a new frame too.
    m_rig.engine->changeKeyboardColorInfo(record(0, LightMode_Static, 2, kBlue));
    QTRY_VERIFY(m_rig.buttons.first()->lightColor().blue() < 255);
    QCOMPARE(m_rig.buttons.first()->lightColor(), m_rig.engine->previewColor(0));
    // Painting switched back on paints what is there.
    m_rig.engine->setPreviewPaintEnabled(false);
    m_rig.buttons.first()->setLightColor(QColor(1, 2, 3));
    m_rig.engine->setPreviewPaintEnabled(true);
    QTRY_COMPARE(m_rig.buttons.first()->lightColor(), m_rig.engine->previewColor(0));
    // The lighting page switches the keys' light colours on and sends the
    // settings it shows: the same frame as before is painted again.
    keyboardButCustom *key = m_rig.buttons.first();
    key->setLightColorShow(false);
    key->setLightColor(m_rig.engine->previewColor(0));
    QCOMPARE(key->lightColor(), QColor(0, 0, 0, 0));
    key->setLightColorShow(true);
    m_rig.engine->setKeyboardColorInfo(record(0, LightMode_Static, 2, kBlue));
    QTRY_COMPARE(key->lightColor(), m_rig.engine->previewColor(0));
}

void TestLightEngine::everyStreamedFrameArrivesWhole()
{
    // A frame offered at a streaming tick reaches the keyboard whole, and a
    // tick offers one unless the last batch still drains.
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    m_rig.start(record(0, LightMode_Wave, 6, kRed, kBlue, 1), record(1, SideLightMode_Wave, 6, kGreen));
    QVERIFY(m_rig.waitForFrames(3));
    const long ticks0 = m_rig.engine->streamTicks();
    const long offered0 = m_rig.engine->streamFramesOffered();
    const long whole0 = m_rig.stream().wholeFrames;
    QTest::qWait(1500);
    const long ticks = m_rig.engine->streamTicks() - ticks0;
    const long offered = m_rig.engine->streamFramesOffered() - offered0;
    const long whole = m_rig.stream().wholeFrames - whole0;
    // At most one frame is on its way at any time.
    QVERIFY2(qAbs(whole - offered) <= 1, qPrintable(QStringLiteral("%1 whole of %2 offered").arg(whole).arg(offered)));
    QCOMPARE(m_rig.stream().tornFrames, 0L);
    QVERIFY2(offered >= ticks * 9 / 10, qPrintable(QStringLiteral("%1 of %2 ticks").arg(offered).arg(ticks)));
}

void TestLightEngine::whileStreamingOnlyTheStreamTickWakes()
{
    // Both lights move and the previews are painted: the stream's tick
    // computes the frames due, streams and paints them, and the frame and
    // paint threads sleep all along.
    QVERIFY(m_rig.open("LT108HE", LUMTAR_CONNECT_USB));
    m_rig.start(record(0, LightMode_Wave, 6, kRed, kBlue, 1), record(1, SideLightMode_Wave, 6, kGreen));
    QVERIFY(m_rig.waitForFrames(3));
    lightDealMain &e = *m_rig.engine;
    const long frameThreads0 = switchesOfThreads("updateLightMain");
    const long streamThread0 = switchesOfThreads("sendLightUpdata");
    const long key0 = e.keyboardFrameTicks();
    const long side0 = e.sideFrameTicks();
    const long paint0 = e.paintTicks();
    const QRgb before = m_rig.buttons.first()->lightColor().rgb();
    QTest::qWait(600);
    const long frameThreads = switchesOfThreads("updateLightMain") - frameThreads0;
    const long streamThread = switchesOfThreads("sendLightUpdata") - streamThread0;
    const QByteArray figures = QStringLiteral("frame and paint threads %1, stream thread %2 switches")
                                   .arg(frameThreads)
                                   .arg(streamThread)
                                   .toLatin1();
    QVERIFY2(streamThread >= 10, figures.constData());
    QVERIFY2(frameThreads <= 3, figures.constData());
    // The lights kept their pace (28 ms at the slowest) and the view its paints.
    const QByteArray ticks = QStringLiteral("keyboard %1, side %2, paint %3 ticks")
                                 .arg(e.keyboardFrameTicks() - key0)
                                 .arg(e.sideFrameTicks() - side0)
                                 .arg(e.paintTicks() - paint0)
                                 .toLatin1();
    QVERIFY2(e.keyboardFrameTicks() - key0 >= 600 / 28 - 1, ticks.constData());
    QVERIFY2(e.sideFrameTicks() - side0 >= 600 / 28 - 1, ticks.constData());
    QVERIFY2(e.paintTicks() - paint0 >= 10, ticks.constData());
    QVERIFY(m_rig.buttons.first()->lightColor().rgb() != before);
    QCOMPARE(m_rig.buttons.first()->lightColor(), e.previewColor(0));

    // Stopped streaming, the threads tick on their own again.
    e.setLightSynchronize(false);
    const long keyOwn0 = e.keyboardFrameTicks();
    QTest::qWait(600);
    QVERIFY(e.keyboardFrameTicks() - keyOwn0 >= 10);
    QVERIFY(switchesOfThreads("updateLightMain") - frameThreads0 - frameThreads >= 10);
}

QTEST_MAIN(TestLightEngine)
#include "tst_lightengine.moc"
