// The open sequence and the key travel reader on their own, through a real
// link to simulated keyboards: the page's work runs in turns of its own,
// every key is asked in turn and each reply kept for its key (also when
// replies come late), and aborting at any step ends it without a further
// signal.
#include <QtTest>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/HidReportBuff.h"
#include "device/MainHidInterFace.h"
#include "sdk/sim/SimController.h"
#include "support/DeviceLinkFixture.h"
#include "ui/mainwidget/devicePage/DeviceOpenSequence.h"
#include "ui/mainwidget/devicePage/KeyTravelReader.h"

#include <memory>

using lumtar::sim::SimController;
using Stage = DeviceOpenSequence::Stage;

Q_DECLARE_METATYPE(QVector<KeyTravelReader::Travel>)

namespace {

// The one-key travel query, as the device page sends it.
KeyTravelReader::Sender querySender(DDeviceKeyboardLink *link)
{
    return [link](int row, int column) {
        HidReportBuff report(0x29, 0x00, 0x18);
        report[6] = 5;
        report[7] = static_cast<uint8_t>(row);
        report[8] = static_cast<uint8_t>(column);
        link->hidInterface()->writeHidCmd(report.constData());
    };
}

// Gives the key at (row, column) a press travel of its own.
void storeTravel(DDeviceKeyboardLink *link, int row, int column, int travel)
{
    HidReportBuff report(0x29, 0x00, 0x18);
    report[6] = 13;
    report[7 + column] = static_cast<uint8_t>(1u << row);
    report[29] = static_cast<uint8_t>(travel);
    report[30] = static_cast<uint8_t>(travel);
    report[31] = 1;
    report[32] = 7;
    link->hidInterface()->writeHidCmd(report.constData());
}

const QVector<KeyTravelReader::Key> kKeys = {{4, 0, 1}, {5, 1, 2}, {6, 2, 3}, {7, 3, 4}, {8, 4, 5}};

} // namespace

class tst_DeviceOpenSequence : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void readerKeepsEachReplyWithItsKey_data();
    void readerKeepsEachReplyWithItsKey();
    void stepsRunInTurnsOfTheirOwn();
    void linkSettledInATurnOfItsOwn();
    void abortAtEachStage_data();
    void abortAtEachStage();

private:
    std::unique_ptr<DeviceLinkFixture> m_fx;
};

void tst_DeviceOpenSequence::initTestCase()
{
    qRegisterMetaType<QVector<KeyTravelReader::Travel>>();
    QVERIFY(DeviceLinkFixture::prepareEnvironment());
    DDataManager::getInstance();
}

void tst_DeviceOpenSequence::cleanup()
{
    m_fx.reset();
}

void tst_DeviceOpenSequence::readerKeepsEachReplyWithItsKey_data()
{
    QTest::addColumn<int>("replyDelayMs");
    QTest::newRow("prompt replies") << 0;
    QTest::newRow("every reply later than its wait") << 300;
}

void tst_DeviceOpenSequence::readerKeepsEachReplyWithItsKey()
{
    QFETCH(int, replyDelayMs);
    m_fx = std::make_unique<DeviceLinkFixture>();
    QVERIFY(m_fx->open("LT68HE"));
    QVERIFY(m_fx->waitUntilReady());
    DDeviceKeyboardLink *link = m_fx->link();
    for (int i = 0; i < kKeys.size(); ++i)
        storeTravel(link, kKeys.at(i).row, kKeys.at(i).column, 20 + i);
    QTest::qWait(100);
    lumtar::sim::SimFaults faults;
    faults.replyDelayMs = replyDelayMs;
    QVERIFY(SimController::instance().setFaults(m_fx->path(), faults));

    KeyTravelReader reader;
    connect(link, &DDeviceKeyboardLink::sigQueryMagneticAxisOneKeyDataBack, &reader, &KeyTravelReader::onReply);
    QSignalSpy finished(&reader, &KeyTravelReader::finished);
    reader.start(link, kKeys, querySender(link));
    QVERIFY(reader.isRunning());
    QVERIFY(finished.wait(20000));
    QVERIFY(!reader.isRunning());
    const auto travels = finished.first().first().value<QVector<KeyTravelReader::Travel>>();
    QCOMPARE(travels.size(), kKeys.size());
    // The press travel stored for a key comes back for that key, whatever
    // the position of the value in the reply.
    int valueIndex = -1;
    for (int v = 0; v < travels.first().values.size(); ++v)
        if (travels.first().values.at(v) == 20)
            valueIndex = v;
    QVERIFY(valueIndex >= 0);
    for (int i = 0; i < travels.size(); ++i) {
        QCOMPARE(travels.at(i).row, kKeys.at(i).row);
        QCOMPARE(travels.at(i).column, kKeys.at(i).column);
        QCOMPARE(travels.at(i).values.at(valueIndex), 20 + i);
    }
}

void tst_DeviceOpenSequence::stepsRunInTurnsOfTheirOwn()
{
    m_fx = std::make_unique<DeviceLinkFixture>();
    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    DeviceOpenSequence sequence;
    QSignalSpy settled(&sequence, &DeviceOpenSequence::sigLinkSettled);
    QSignalSpy done(&sequence, &DeviceOpenSequence::sigStepsDone);
    sequence.start(m_fx->link());
    QVERIFY(settled.wait(5000));

    QStringList ran;
    int turnsSeen = 0;
    QVector<std::function<void()>> steps;
    for (int i = 0; i < 3; ++i)
        steps.append([&, i] {
            ran << QString::number(i);
            // Work posted by a step runs before the next step.
            QTimer::singleShot(0, [&] { ++turnsSeen; });
        });
    sequence.runSteps(steps);
    QVERIFY(ran.isEmpty());
    QCOMPARE(sequence.stage(), Stage::RunningSteps);
    QVERIFY(done.wait(5000));
    QCOMPARE(ran, (QStringList{"0", "1", "2"}));
    QVERIFY(turnsSeen >= 2);
    QCOMPARE(sequence.stage(), Stage::ProfileStep);
    sequence.finish();
    QVERIFY(!sequence.isRunning());
}

void tst_DeviceOpenSequence::linkSettledInATurnOfItsOwn()
{
    // A link that is ready already is answered from the event loop, so
    // what the page built first is painted before the work that follows.
    m_fx = std::make_unique<DeviceLinkFixture>();
    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    DeviceOpenSequence sequence;
    QSignalSpy settled(&sequence, &DeviceOpenSequence::sigLinkSettled);
    sequence.start(m_fx->link());
    QCOMPARE(settled.count(), 0);
    QCOMPARE(sequence.stage(), Stage::WaitingForLink);
    QVERIFY(settled.wait(5000));
    QCOMPARE(sequence.stage(), Stage::ProfileStep);

    // A link that goes away while waited for ends the wait.
    auto slow = std::make_unique<DeviceLinkFixture>();
    lumtar::sim::SimFaults faults;
    faults.noSideLightList = true;
    QVERIFY(slow->open("LT108HE"));
    QVERIFY(SimController::instance().setFaults(slow->path(), faults));
    settled.clear();
    sequence.start(slow->link());
    QTest::qWait(50);
    if (!slow->link()->isDeviceInfoReady()) {
        slow->closeLink();
        QVERIFY(settled.wait(1000));
        QCOMPARE(sequence.link(), nullptr);
    }
}

void tst_DeviceOpenSequence::abortAtEachStage_data()
{
    QTest::addColumn<int>("stage");
    QTest::newRow("waiting for the link") << int(Stage::WaitingForLink);
    QTest::newRow("running the page's steps") << int(Stage::RunningSteps);
    QTest::newRow("reading travel values") << int(Stage::ReadingTravel);
}

void tst_DeviceOpenSequence::abortAtEachStage()
{
    QFETCH(int, stage);
    m_fx = std::make_unique<DeviceLinkFixture>();
    QVERIFY(m_fx->open("LT68HE"));
    if (stage == int(Stage::WaitingForLink)) {
        lumtar::sim::SimFaults faults;
        faults.noSideLightList = true;
        QVERIFY(SimController::instance().setFaults(m_fx->path(), faults));
    } else {
        QVERIFY(m_fx->waitUntilReady());
    }
    DeviceOpenSequence sequence;
    QSignalSpy settled(&sequence, &DeviceOpenSequence::sigLinkSettled);
    QSignalSpy done(&sequence, &DeviceOpenSequence::sigStepsDone);
    QSignalSpy read(&sequence, &DeviceOpenSequence::sigTravelRead);
    bool stepRan = false;
    sequence.start(m_fx->link());
    if (stage != int(Stage::WaitingForLink)) {
        QVERIFY(settled.wait(5000));
        settled.clear();
        if (stage == int(Stage::RunningSteps))
            sequence.runSteps({[&] { stepRan = true; }});
        else
            sequence.readTravel(kKeys, querySender(m_fx->link()));
    }
    QCOMPARE(int(sequence.stage()), stage);

    sequence.abort();
    QVERIFY(!sequence.isRunning());
    QTest::qWait(DeviceOpenSequence::LinkReadyWaitMs + 300);
    QCOMPARE(settled.count(), 0);
    QCOMPARE(done.count(), 0);
    QCOMPARE(read.count(), 0);
    QVERIFY(!stepRan);
}

QTEST_MAIN(tst_DeviceOpenSequence)
#include "tst_deviceopensequence.moc"
