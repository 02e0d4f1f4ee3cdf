// The onboard download against the simulated keyboard through the real I/O
// thread and device link: what the keyboard holds afterwards, the order of
// the reports, acknowledgements lost and the one repeat, layer files without
// a current profile, the pauses, profiles the keyboard cannot hold, and
// keyboards that go away in the middle.
#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/DOnboardDownloader.h"
#include "device/MainHidInterFace.h"
#include "device/OnboardKeyPacket.h"
#include "device/OnboardSeniorKeyPacket.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DeviceLinkFixture.h"
#include "support/LogCapture.h"
#include "support/SimReportLog.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <functional>
#include <list>
#include <memory>

using lumtar::sim::SimController;
using lumtar::sim::SimFaults;
using Outcome = DOnboardDownloader::Outcome;


namespace {

constexpr char kMagneticModel[] = "LT108HE";
constexpr char kPlainModel[] = "LT104RGB";

// A 6 x 22 layout: placeholders (code 0) at the end of every row, the Fn
// key and a code above 255 among the keys.
QVector<int> layoutCodes(int count)
{
    QVector<int> codes;
    for (int i = 0; i < count; ++i) {
        if (i % 22 == 21)
            codes << 0;
        else if (i == 100)
            codes << LUMTAR_FN_KEY_CODE;
        else if (i == 101)
            codes << 300;
        else
            codes << 4 + i;
    }
    return codes;
}

QList<QByteArray> reportsOf(const std::string &path, int command)
{
    QList<QByteArray> out;
    for (const QByteArray &r : SimReportLog::commands(path)) {
        if (static_cast<unsigned char>(r.at(1)) == command)
            out << r;
    }
    return out;
}

int byteAt(const QByteArray &r, int i)
{
    return static_cast<unsigned char>(r.at(i));
}

// The reports the keyboard received, a macro report sent again right after
// itself (a resend, which a busy machine may cost) counted once.
QList<QByteArray> sentWithoutResends(const std::string &path)
{
    QList<QByteArray> out;
    QByteArray lastMacroReport;
    for (const QByteArray &r : SimReportLog::commands(path)) {
        if (static_cast<unsigned char>(r.at(1)) == 0x18) {
            if (r == lastMacroReport)
                continue;
            lastMacroReport = r;
        }
        out << r;
    }
    return out;
}

// The macro reports the keyboard received, each resend folded into the
// report it repeats, as "slot.packet".
QStringList macroReportsTaken(const std::string &path)
{
    QStringList out;
    for (const QByteArray &r : reportsOf(path, 0x18)) {
        const QString name = QStringLiteral("%1.%2").arg(byteAt(r, 2)).arg(byteAt(r, 4));
        if (out.isEmpty() || out.last() != name)
            out << name;
    }
    return out;
}

QStringList allMacroReports()
{
    QStringList out;
    for (int i = 0; i < 50; ++i)
        out << QStringLiteral("%1.%2").arg(i / 5).arg(i % 5);
    return out;
}

QByteArray toBytes(const std::vector<uint8_t> &v)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), static_cast<int>(v.size()));
}

KeyOrMouseEventStu keyEvent(int code, const char *explain, int delay)
{
    KeyOrMouseEventStu e;
    std::memset(&e, 0, sizeof(e));
    lumtarCopyField(e.mark, "1");
    lumtarCopyField(e.delay, QByteArray::number(delay).constData());
    lumtarCopyField(e.type, "key");
    lumtarCopyField(e.keyCode, QByteArray::number(code).constData());
    lumtarCopyField(e.codeName, "A");
    lumtarCopyField(e.operateExplain, explain);
    return e;
}

std::list<KeyOrMouseEventStu> pressAndRelease(int code, int delay)
{
    return { keyEvent(code, "down", 0), keyEvent(code, "up", delay) };
}

} // namespace

class tst_Download : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void profileWithoutMacroKeys();
    void keyReportCounts_data();
    void keyReportCounts();
    void keyRecordsOfBothLayers();
    void macroKeys();
    void longMacroIsCut();
    void tenMacroKeysLeaveNoEmptySlot();
    void advancedKeys();
    void plainKeyboardSendsNoAdvancedKeyRecord();

    void lostAcknowledgements_data();
    void lostAcknowledgements();
    void lostAcknowledgementsKeepAdvancedKeys_data();
    void lostAcknowledgementsKeepAdvancedKeys();
    void lateAcknowledgementCountsForNoOtherReport();
    void pausesAreNeverShort();
    void refusedBeforeSending_data();
    void refusedBeforeSending();

    void layerFileWithoutProfile_data();
    void layerFileWithoutProfile();
    void keyboardGoesAway_data();
    void keyboardGoesAway();
    void closedDevice();
    void noKeyboard();
    void secondDownloadRefused();

private:
    bool openKeyboard(const char *model, bool magnetic);
    void bindKey(bool fnLayer, int code, int type, const QByteArray &value, int mode = 0, int count = 1);
    void bindMacro(bool fnLayer, int macroIndex, const std::list<KeyOrMouseEventStu> &events);
    int addSeniorKey(int id, int kind, const char *slot1, const char *slot2 = "");
    // Calls `hook` with the running count of acknowledgements the link passes on.
    void onAcknowledgement(std::function<void(int)> hook);
    Outcome download();
    Outcome runDownload(DDeviceKeyboardLink *link);
    bool waitForReports(int count);
    QString folder() const { return QFileInfo(QFile::decodeName(m_fx->profilePath())).path(); }

    std::unique_ptr<DeviceLinkFixture> m_fx;
    std::unique_ptr<DDataManager> m_data;
    std::unique_ptr<DOnboardDownloader> m_downloader;
    QVector<int> m_codes;
    QByteArray m_defaultPath;
    QByteArray m_fnPath;
    QByteArray m_seniorPath;
    int m_ackCount = 0;
};

void tst_Download::initTestCase()
{
    qRegisterMetaType<DOnboardDownloader::Outcome>();
    QVERIFY(DeviceLinkFixture::prepareEnvironment());
}

void tst_Download::init()
{
    m_fx = std::make_unique<DeviceLinkFixture>();
    m_data = std::make_unique<DDataManager>();
    m_downloader = std::make_unique<DOnboardDownloader>();
    m_downloader->setDataManager(m_data.get());
    m_downloader->setKeyCodeSource([this] { return m_codes; });
    m_codes = layoutCodes(132);
    m_ackCount = 0;

    m_defaultPath = m_fx->profilePath();
    m_fnPath = QFile::encodeName(folder() + QStringLiteral("/appProfile_FN.xml"));
    QVERIFY(CLumtarXML_CreateXMLFile(m_fnPath.constData()));
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(m_fnPath.constData(), "1", "Profile1", 0));
    QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(m_fnPath.constData(), 1));
    m_seniorPath = QFile::encodeName(folder() + QStringLiteral("/SeniorKeyConfig.xml"));
    QVERIFY(CLumtarXML_SeniorKey_CreateXMLFile(m_seniorPath.constData()));
    CLumtarXML_SeniorKey_CreateProFileXmlParentNode(m_seniorPath.constData());
    QVERIFY(m_data->setSeniorKeyXmlPath(m_seniorPath.constData()));
}

void tst_Download::cleanup()
{
    m_downloader.reset();
    m_fx.reset();
    m_data.reset();
}

bool tst_Download::openKeyboard(const char *model, bool magnetic)
{
    m_data->setMagneticKeyboard(magnetic);
    if (!m_fx->open(model) || !m_fx->waitUntilReady())
        return false;
    SimController::instance().clearReceivedReports(m_fx->path());
    return true;
}

void tst_Download::bindKey(bool fnLayer, int code, int type, const QByteArray &value, int mode, int count)
{
    const QByteArray path = fnLayer ? m_fnPath : m_fx->profilePath();
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(
        path.constData(), "1", QByteArray::number(code).constData(), "key", QByteArray::number(type).constData(),
        QByteArray::number(count).constData(), QByteArray::number(mode).constData(), value.constData()));
}

void tst_Download::bindMacro(bool fnLayer, int macroIndex, const std::list<KeyOrMouseEventStu> &events)
{
    const QByteArray path = fnLayer ? m_fnPath : m_fx->profilePath();
    const QByteArray index = QByteArray::number(macroIndex);
    QVERIFY(CLumtarXML_AddProFileBindMacroItem(path.constData(), "1", events, index.constData(),
                                               ("Macro" + index).constData()));
}

int tst_Download::addSeniorKey(int id, int kind, const char *slot1, const char *slot2)
{
    SeniorKeyInfoStu r;
    std::memset(&r, 0, sizeof(r));
    r.id = id;
    lumtarCopyField(r.name, "key");
    r.kind = kind;
    lumtarCopyField(r.keySlot[0], slot1);
    lumtarCopyField(r.keySlot[1], slot2);
    for (int p = 0; p < 4; ++p) {
        r.triggerPoint[p] = 5 + 5 * p;
        r.dksAction[0][p] = p + 1;
    }
    r.holdDuration = 150;
    return CLumtarXML_SeniorKey_AddInfoItem(m_seniorPath.constData(), kind, r) ? id : -1;
}

void tst_Download::onAcknowledgement(std::function<void(int)> hook)
{
    // Connected before the download connects its own slot, so the hook runs
    // before the next macro report is handed over.
    connect(m_fx->link(), &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, this, [this, hook] { hook(++m_ackCount); });
}

Outcome tst_Download::download()
{
    return runDownload(m_fx->link());
}

Outcome tst_Download::runDownload(DDeviceKeyboardLink *link)
{
    // The download runs from the event loop; its outcome comes as a signal.
    QSignalSpy finished(m_downloader.get(), &DOnboardDownloader::sigFinished);
    if (!m_downloader->download(link, folder()))
        return Outcome::AlreadyRunning;
    if (finished.isEmpty() && !finished.wait(60000))
        return Outcome::AlreadyRunning;
    return finished.first().first().value<Outcome>();
}

bool tst_Download::waitForReports(int count)
{
    // The last reports may still be on their way through the I/O thread
    // when the download returns.
    QDeadlineTimer deadline(30000);
    while (SimReportLog::commands(m_fx->path()).size() < count + m_downloader->macroReportsResent()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return SimReportLog::commands(m_fx->path()).size() == count + m_downloader->macroReportsResent();
}

void tst_Download::profileWithoutMacroKeys()
{
    QVERIFY(openKeyboard(kMagneticModel, false));
    QSignalSpy running(m_downloader.get(), &DOnboardDownloader::sigDownloadingChanged);
    QCOMPARE(download(), Outcome::Succeeded);
    QCOMPARE(m_downloader->attemptsMade(), 1);
    QCOMPARE(reportsOf(m_fx->path(), 0x18).size(), 50 + m_downloader->macroReportsResent());
    QCOMPARE(running.count(), 2);
    QCOMPARE(running.at(0).at(0).toBool(), true);
    QCOMPARE(running.at(1).at(0).toBool(), false);
    QVERIFY(!m_downloader->isRunning());

    // Both layers' key reports, then the ten empty slots, five reports each
    // in slot and packet order; no advanced-key record on this keyboard.
    const QList<QByteArray> sent = sentWithoutResends(m_fx->path());
    QCOMPARE(sent.size(), 20 + 50);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(byteAt(sent.at(i), 1), 0x17);
        QCOMPARE(byteAt(sent.at(i), 2), i < 10 ? 0 : 2);
    }
    for (int i = 0; i < 50; ++i) {
        const QByteArray &r = sent.at(20 + i);
        QCOMPARE(byteAt(r, 1), 0x18);
        QCOMPARE(byteAt(r, 2), i / 5);
        QCOMPARE(byteAt(r, 4), i % 5);
    }
    for (int slot = 0; slot < 10; ++slot)
        QCOMPARE(toBytes(SimController::instance().onboardMacro(m_fx->path(), slot)), QByteArray(256, '\0'));
}

void tst_Download::keyReportCounts_data()
{
    QTest::addColumn<int>("positions");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("132") << 132 << QList<int>{ 56, 56, 56, 56, 56, 56, 56, 56, 56, 24 };
    QTest::newRow("14") << 14 << QList<int>{ 56 };
    QTest::newRow("15") << 15 << QList<int>{ 56, 4 };
    QTest::newRow("0") << 0 << QList<int>{};
}

void tst_Download::keyReportCounts()
{
    QFETCH(int, positions);
    QFETCH(QList<int>, lengths);
    QVERIFY(openKeyboard(kPlainModel, false));
    m_codes = layoutCodes(positions);
    QCOMPARE(download(), Outcome::Succeeded);
    const QList<QByteArray> keyReports = reportsOf(m_fx->path(), 0x17);
    QCOMPARE(keyReports.size(), 2 * lengths.size());
    for (int layer = 0; layer < 2; ++layer) {
        for (int k = 0; k < lengths.size(); ++k) {
            const QByteArray &r = keyReports.at(layer * lengths.size() + k);
            QCOMPARE(byteAt(r, 2), layer == 0 ? 0 : 2);
            QCOMPARE(byteAt(r, 4), k);
            QCOMPARE(byteAt(r, 5), lengths.at(k));
        }
        const int stored = static_cast<int>(SimController::instance().onboardKeys(m_fx->path(), layer * 2).size());
        QCOMPARE(stored, 4 * positions);
    }
}

void tst_Download::keyRecordsOfBothLayers()
{
    QVERIFY(openKeyboard(kPlainModel, false));
    bindKey(false, 4, KeyOperate_Remap, "5");
    bindKey(true, 4, KeyOperate_Multimedia, "3");
    bindKey(false, 10, KeyOperate_Combination, "5,4");
    bindKey(true, 11, KeyOperate_Text, "hello");
    QCOMPARE(download(), Outcome::Succeeded);

    const QByteArray base = toBytes(SimController::instance().onboardKeys(m_fx->path(), 0));
    const QByteArray fn = toBytes(SimController::instance().onboardKeys(m_fx->path(), 2));
    QCOMPARE(base.size(), 528);
    QCOMPARE(fn.size(), 528);
    auto at = [](const QByteArray &layer, int position) { return layer.mid(4 * position, 4).toHex(); };
    QCOMPARE(at(base, 0), QByteArray("00050000"));   // code 4 remapped
    QCOMPARE(at(fn, 0), QByteArray("07130000"));     // play/pause on the Fn layer
    QCOMPARE(at(base, 6), QByteArray("13e0e204"));   // code 10
    QCOMPARE(at(fn, 6), QByteArray("000a0000"));
    QCOMPARE(at(fn, 7), QByteArray("1600000b"));     // code 11, typed by the application
    QCOMPARE(at(base, 1), QByteArray("00050000"));   // code 5 unbound
    QCOMPARE(at(base, 21), QByteArray("00000000"));  // placeholder
    QCOMPARE(at(base, 100), QByteArray("01000000")); // the Fn key
    QCOMPARE(at(base, 101), QByteArray("00ff0000")); // a code above 255
}

void tst_Download::macroKeys()
{
    QVERIFY(openKeyboard(kPlainModel, false));
    bindMacro(false, 1, pressAndRelease(4, 100));
    bindKey(false, 30, KeyOperate_Macro, "1", 2, 3);
    bindMacro(true, 2, pressAndRelease(5, 300));
    bindMacro(true, 1, pressAndRelease(4, 100));
    bindKey(true, 31, KeyOperate_Macro, "2", 1, 1);
    bindKey(true, 40, KeyOperate_Macro, "1", 1, 1); // the same macro again takes a slot of its own
    QCOMPARE(download(), Outcome::Succeeded);
    QCOMPARE(reportsOf(m_fx->path(), 0x18).size(), 50 + m_downloader->macroReportsResent());

    const QByteArray slot0 = toBytes(SimController::instance().onboardMacro(m_fx->path(), 0));
    QCOMPARE(slot0.left(16).toHex(), QByteArray("0001000800030000" "0410006404000000"));
    const QByteArray slot1 = toBytes(SimController::instance().onboardMacro(m_fx->path(), 1));
    QCOMPARE(slot1.left(16).toHex(), QByteArray("0000000800010000" "0510012c05000000"));
    const QByteArray slot2 = toBytes(SimController::instance().onboardMacro(m_fx->path(), 2));
    QCOMPARE(slot2.left(8).toHex(), QByteArray("0000000800010000"));
    QCOMPARE(slot2.mid(8), slot0.mid(8));
    for (int slot = 3; slot < 10; ++slot)
        QCOMPARE(toBytes(SimController::instance().onboardMacro(m_fx->path(), slot)), QByteArray(256, '\0'));

    const QByteArray base = toBytes(SimController::instance().onboardKeys(m_fx->path(), 0));
    const QByteArray fn = toBytes(SimController::instance().onboardKeys(m_fx->path(), 2));
    QCOMPARE(base.mid(4 * 26, 4).toHex(), QByteArray("101e0000"));
    QCOMPARE(fn.mid(4 * 27, 4).toHex(), QByteArray("101f0100"));
    QCOMPARE(fn.mid(4 * 36, 4).toHex(), QByteArray("10280200"));

    // A macro key's slot goes out before the key report that refers to it.
    const QList<QByteArray> sent = sentWithoutResends(m_fx->path());
    QStringList order;
    for (const QByteArray &r : sent) {
        if (byteAt(r, 1) == 0x17)
            order << QStringLiteral("K%1.%2").arg(byteAt(r, 2)).arg(byteAt(r, 4));
        else if (byteAt(r, 1) == 0x18 && byteAt(r, 4) == 0)
            order << QStringLiteral("M%1").arg(byteAt(r, 2));
    }
    QCOMPARE(order.mid(0, 4), QStringList({ "K0.0", "M0", "K0.1", "K0.2" }));
    QCOMPARE(order.mid(10, 6), QStringList({ "K0.9", "K2.0", "M1", "K2.1", "M2", "K2.2" }));
    QCOMPARE(order.mid(order.indexOf("K2.9") + 1), QStringList({ "M3", "M4", "M5", "M6", "M7", "M8", "M9" }));
}

void tst_Download::longMacroIsCut()
{
    QVERIFY(openKeyboard(kPlainModel, false));
    std::list<KeyOrMouseEventStu> events;
    for (int i = 0; i < 70; ++i)
        events.push_back(keyEvent(4 + i % 20, i % 2 ? "up" : "down", i == 0 ? 0 : 70000));
    bindMacro(false, 3, events);
    bindKey(false, 30, KeyOperate_Macro, "3");
    LogCapture log;
    QCOMPARE(download(), Outcome::Succeeded);
    // Once an attempt (a busy machine may cost the repeat).
    QCOMPARE(log.countContaining(QStringLiteral("Warning: macro 3 has 70 events")), m_downloader->attemptsMade());
    const QByteArray slot = toBytes(SimController::instance().onboardMacro(m_fx->path(), 0));
    QCOMPARE(byteAt(slot, 3), 248);
    QCOMPARE(slot.mid(8, 4).toHex(), QByteArray("0410ffff")); // 70 s held at 65.535 s
    QCOMPARE(slot.mid(252, 4).toHex(), QByteArray("05000000")); // the 62nd event ends the macro
}

void tst_Download::tenMacroKeysLeaveNoEmptySlot()
{
    QVERIFY(openKeyboard(kPlainModel, false));
    bindMacro(false, 1, pressAndRelease(4, 100));
    bindMacro(true, 1, pressAndRelease(4, 100));
    for (int i = 0; i < 10; ++i)
        bindKey(i >= 6, 30 + i, KeyOperate_Macro, "1");
    QCOMPARE(download(), Outcome::Succeeded);
    // A busy machine may cost resends; every report reaches the keyboard in
    // order all the same.
    QCOMPARE(macroReportsTaken(m_fx->path()), allMacroReports());
    QCOMPARE(reportsOf(m_fx->path(), 0x18).size(), 50 + m_downloader->macroReportsResent());
    for (int slot = 0; slot < 10; ++slot)
        QCOMPARE(byteAt(toBytes(SimController::instance().onboardMacro(m_fx->path(), slot)), 3), 8);
}

void tst_Download::advancedKeys()
{
    QVERIFY(openKeyboard(kMagneticModel, true));
    QCOMPARE(addSeniorKey(1, LUMTAR_SENIOR_DKS, "4", "1,5"), 1);
    QCOMPARE(addSeniorKey(2, LUMTAR_SENIOR_MT, "6", "7"), 2);
    QCOMPARE(addSeniorKey(3, LUMTAR_SENIOR_TGL, "5,4"), 3);
    bindKey(false, 30, KeyOperate_SeniorKey, "2");
    bindKey(false, 31, KeyOperate_SeniorKey, "1");
    bindKey(true, 30, KeyOperate_SeniorKey, "3");
    bindKey(true, 32, KeyOperate_SeniorKey, "99"); // deleted after it was bound
    QCOMPARE(download(), Outcome::Succeeded);
    QVERIFY(waitForReports(20 + 3 + 50 + 37));

    std::list<SeniorKeyInfoStu> stored;
    QVERIFY(CLumtarXML_SeniorKey_SelectAllInfoItem(m_seniorPath.constData(), &stored));
    QMap<int, SeniorKeyInfoStu> byId;
    for (const SeniorKeyInfoStu &r : stored)
        byId.insert(r.id, r);
    const int expectedIds[3] = { 2, 1, 3 };
    for (int index = 0; index < 3; ++index) {
        const HidReportBuff expected = OnboardSeniorKeyPacket::build(index, byId.value(expectedIds[index]));
        QCOMPARE(toBytes(SimController::instance().onboardSeniorKey(m_fx->path(), index)).toHex(),
                 QByteArray(reinterpret_cast<const char *>(expected.data()), 64).toHex());
    }
    const QByteArray tgl = toBytes(SimController::instance().onboardSeniorKey(m_fx->path(), 2));
    QCOMPARE(tgl.mid(5, 6).toHex(), QByteArray("320313e0e204"));
    for (int index = 3; index < 40; ++index) {
        const QByteArray r = toBytes(SimController::instance().onboardSeniorKey(m_fx->path(), index));
        QCOMPARE(r.left(7).toHex(), QByteArray("012a") + QByteArray::number(index, 16).rightJustified(2, '0')
                                        + QByteArray("00003200"));
        QCOMPARE(r.mid(7), QByteArray(57, '\0'));
    }

    const QByteArray base = toBytes(SimController::instance().onboardKeys(m_fx->path(), 0));
    const QByteArray fn = toBytes(SimController::instance().onboardKeys(m_fx->path(), 2));
    QCOMPARE(base.mid(4 * 26, 4).toHex(), QByteArray("17000000"));
    QCOMPARE(base.mid(4 * 27, 4).toHex(), QByteArray("17010000"));
    QCOMPARE(fn.mid(4 * 26, 4).toHex(), QByteArray("17020000"));
    QCOMPARE(fn.mid(4 * 28, 4).toHex(), QByteArray("00200000"));

    // Bound records go out with their keys; the empty ones come last, after
    // the macro slots.
    const QList<QByteArray> sent = sentWithoutResends(m_fx->path());
    QCOMPARE(byteAt(sent.at(0), 1), 0x17);
    QCOMPARE(sent.at(1).left(3).toHex(), QByteArray("012a00"));
    QCOMPARE(sent.at(2).left(3).toHex(), QByteArray("012a01"));
    QCOMPARE(sent.at(3).left(5).toHex(), QByteArray("0117000001"));
    for (int i = 0; i < 37; ++i)
        QCOMPARE(byteAt(sent.at(73 + i), 1), 0x2A);
}

void tst_Download::plainKeyboardSendsNoAdvancedKeyRecord()
{
    QVERIFY(openKeyboard(kPlainModel, false));
    QCOMPARE(addSeniorKey(1, LUMTAR_SENIOR_TGL, "4"), 1);
    bindKey(false, 30, KeyOperate_SeniorKey, "1");
    QCOMPARE(download(), Outcome::Succeeded);
    QVERIFY(reportsOf(m_fx->path(), 0x2A).isEmpty());
    const QByteArray base = toBytes(SimController::instance().onboardKeys(m_fx->path(), 0));
    QCOMPARE(base.mid(4 * 26, 4).toHex(), QByteArray("001e0000"));
}

void tst_Download::lostAcknowledgements_data()
{
    QTest::addColumn<int>("dropFromStart");  // acknowledgements lost from the first report on
    QTest::addColumn<int>("dropAfter49");    // lost of the last report alone (its 49 predecessors acked)
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("resent");
    QTest::newRow("one lost, resent") << 1 << 0 << Outcome::Succeeded << 1 << 1;
    QTest::newRow("first report never taken, the repeat succeeds") << 4 << 0 << Outcome::Succeeded << 2 << 3;
    QTest::newRow("never acknowledged") << -1 << 0 << Outcome::Failed << 2 << 6;
    QTest::newRow("last report lost once") << 0 << 1 << Outcome::Succeeded << 1 << 1;
    QTest::newRow("last report never taken, the repeat succeeds") << 0 << 4 << Outcome::Succeeded << 2 << 3;
    QTest::newRow("last report never acknowledged") << 0 << -1 << Outcome::Failed << 2 << 6;
}

void tst_Download::lostAcknowledgements()
{
    QFETCH(int, dropFromStart);
    QFETCH(int, dropAfter49);
    QFETCH(Outcome, outcome);
    QFETCH(int, attempts);
    QFETCH(int, resent);
    QVERIFY(openKeyboard(kPlainModel, false));
    SimFaults faults;
    faults.dropAcks = dropFromStart;
    if (dropAfter49 != 0) {
        // Keyed to the report, not to a count of acknowledgements: a busy
        // machine may cost resends, and so further acknowledgements.
        faults.dropAcks = dropAfter49;
        faults.dropAcksFromReport = 49;
    }
    QVERIFY(SimController::instance().setFaults(m_fx->path(), faults));
    QCOMPARE(download(), outcome);
    // A keyboard slowed down by a busy machine may cost further resends,
    // and even the repeat; never more than the two attempts.
    QVERIFY2(m_downloader->attemptsMade() >= attempts, qPrintable(QString::number(m_downloader->attemptsMade())));
    QVERIFY(m_downloader->attemptsMade() <= DOnboardDownloader::MaxAttempts);
    QVERIFY2(m_downloader->macroReportsResent() >= resent, qPrintable(QString::number(m_downloader->macroReportsResent())));
    QCOMPARE(DOnboardDownloader::outcomeText(outcome),
             outcome == Outcome::Succeeded ? QStringLiteral("Download config successful")
                                           : QStringLiteral("Download config failed, Please try again"));

    const QList<QByteArray> macroReports = reportsOf(m_fx->path(), 0x18);
    if (dropFromStart == -1) {
        // Per attempt: the first report and its three resends, nothing more.
        QCOMPARE(macroReports.size(), 8);
        for (const QByteArray &r : macroReports)
            QCOMPARE(r.left(6).toHex(), QByteArray("01180000003a"));
    }
    if (outcome == Outcome::Succeeded) {
        for (int slot = 0; slot < 10; ++slot)
            QCOMPARE(toBytes(SimController::instance().onboardMacro(m_fx->path(), slot)), QByteArray(256, '\0'));
        QCOMPARE(SimController::instance().onboardKeys(m_fx->path(), 2).size(), size_t(528));
    }
}

void tst_Download::lostAcknowledgementsKeepAdvancedKeys_data()
{
    QTest::addColumn<int>("dropFromReport"); // every acknowledgement lost from this macro report on
    QTest::addColumn<int>("keyReports");     // key reports an attempt sends before it is abandoned
    QTest::addColumn<int>("macroReports");   // macro reports of both attempts, resends included
    // The macro key's first report goes at once; the wait for the second
    // one abandons the attempt in the middle of the default layer.
    QTest::newRow("the macro key's slot never taken") << 0 << 1 << 2 * 4;
    // Every key and macro report gone; the last one's acknowledgement lost.
    QTest::newRow("the last macro report never taken") << 49 << 20 << 2 * (50 + 3);
}

void tst_Download::lostAcknowledgementsKeepAdvancedKeys()
{
    QFETCH(int, dropFromReport);
    QFETCH(int, keyReports);
    QFETCH(int, macroReports);
    QVERIFY(openKeyboard(kMagneticModel, true));
    // A macro key at position 26 of the default layer, then advanced keys
    // on both layers after it.
    bindMacro(false, 1, pressAndRelease(4, 100));
    bindKey(false, 30, KeyOperate_Macro, "1");
    QCOMPARE(addSeniorKey(1, LUMTAR_SENIOR_DKS, "4", "1,5"), 1);
    QCOMPARE(addSeniorKey(2, LUMTAR_SENIOR_MT, "6", "7"), 2);
    bindKey(false, 40, KeyOperate_SeniorKey, "1");
    bindKey(true, 30, KeyOperate_SeniorKey, "2");
    bindKey(true, 31, KeyOperate_SeniorKey, "1");
    SimFaults faults;
    faults.dropAcks = -1;
    faults.dropAcksFromReport = dropFromReport;
    QVERIFY(SimController::instance().setFaults(m_fx->path(), faults));

    QCOMPARE(download(), Outcome::Failed);
    QCOMPARE(m_downloader->attemptsMade(), 2);
    // Each attempt writes all forty advanced-key records: the three bound
    // ones, also those met after the stall, and the empty ones.
    QTRY_COMPARE_WITH_TIMEOUT(reportsOf(m_fx->path(), 0x2A).size(), 2 * 40, 30000);
    QCOMPARE(reportsOf(m_fx->path(), 0x17).size(), 2 * keyReports);
    QCOMPARE(reportsOf(m_fx->path(), 0x18).size(), macroReports);

    std::list<SeniorKeyInfoStu> stored;
    QVERIFY(CLumtarXML_SeniorKey_SelectAllInfoItem(m_seniorPath.constData(), &stored));
    QMap<int, SeniorKeyInfoStu> byId;
    for (const SeniorKeyInfoStu &r : stored)
        byId.insert(r.id, r);
    const int expectedIds[3] = { 1, 2, 1 };
    for (int index = 0; index < 40; ++index) {
        const HidReportBuff expected = index < 3 ? OnboardSeniorKeyPacket::build(index, byId.value(expectedIds[index]))
                                                 : OnboardSeniorKeyPacket::empty(index);
        QCOMPARE(toBytes(SimController::instance().onboardSeniorKey(m_fx->path(), index)).toHex(),
                 QByteArray(reinterpret_cast<const char *>(expected.data()), 64).toHex());
    }
}

void tst_Download::lateAcknowledgementCountsForNoOtherReport()
{
    QVERIFY(openKeyboard(kPlainModel, false));
    // The first report's acknowledgement comes late, so it is resent, and
    // both writes are acknowledged; the rest come at once.
    SimFaults faults;
    faults.ackDelayMs = 150;
    QVERIFY(SimController::instance().setFaults(m_fx->path(), faults));
    const std::string path = m_fx->path();
    onAcknowledgement([path](int count) {
        if (count == 1)
            SimController::instance().setFaults(path, SimFaults());
    });
    int acksAtFinish = -1;
    connect(m_downloader.get(), &DOnboardDownloader::sigFinished, this, [&] { acksAtFinish = m_ackCount; });
    QCOMPARE(download(), Outcome::Succeeded);
    QVERIFY(m_downloader->macroReportsResent() >= 1);
    // No report was taken for acknowledged on the strength of another's
    // acknowledgement: when the download ends, every write was answered
    // (none is lost here, so the last ones come in the end).
    QTRY_COMPARE_WITH_TIMEOUT(m_ackCount, reportsOf(m_fx->path(), 0x18).size(), 30000);
    QCOMPARE(acksAtFinish, m_ackCount);
    QCOMPARE(macroReportsTaken(m_fx->path()), allMacroReports());
}

void tst_Download::pausesAreNeverShort()
{
    // Each pause is watched from a moment before it starts: the Fn layer's
    // key codes are asked for before the first, the last macro report's
    // acknowledgement reaches this test before the download. A check less
    // than 400 ms after that moment finds no report of the next step yet.
    QVERIFY(openKeyboard(kMagneticModel, true));
    const std::string path = m_fx->path();
    struct Checks
    {
        int conclusive = 0;
        int early = 0;
    };
    const auto checks = std::make_shared<Checks>();
    auto watch = [this, checks, path](int command) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        QTimer::singleShot(390, Qt::PreciseTimer, this, [checks, clock, command, path] {
            if (clock->nsecsElapsed() >= qint64(DOnboardDownloader::PauseMs) * 1000000)
                return; // late: says nothing
            ++checks->conclusive;
            if (!reportsOf(path, command).isEmpty())
                ++checks->early;
        });
    };
    int layerCalls = 0;
    m_downloader->setKeyCodeSource([&] {
        if (++layerCalls % 2 == 0)
            watch(0x18);
        return m_codes;
    });
    bool lastTaken = false;
    onAcknowledgement([&](int) {
        if (!lastTaken && macroReportsTaken(path).size() == 50) {
            lastTaken = true;
            watch(0x2A);
        }
    });
    for (int run = 0; run < 3; ++run) {
        SimController::instance().clearReceivedReports(path);
        lastTaken = false;
        QElapsedTimer took;
        took.start();
        QCOMPARE(download(), Outcome::Succeeded);
        QVERIFY2(took.elapsed() >= 2 * DOnboardDownloader::PauseMs, qPrintable(QString::number(took.elapsed())));
        QCOMPARE(m_downloader->attemptsMade(), 1);
        QVERIFY(lastTaken);
        QTRY_COMPARE_WITH_TIMEOUT(reportsOf(path, 0x2A).size(), 40, 30000);
    }
    QCOMPARE(checks->early, 0);
    QVERIFY2(checks->conclusive > 0, "every check came too late to tell");
}

void tst_Download::refusedBeforeSending_data()
{
    QTest::addColumn<int>("macroKeys");
    QTest::addColumn<int>("advancedKeys");
    QTest::addColumn<Outcome>("outcome");
    QTest::newRow("eleven macro keys") << 11 << 0 << Outcome::TooManyMacroKeys;
    QTest::newRow("forty-one advanced keys") << 0 << 41 << Outcome::TooManySeniorKeys;
}

void tst_Download::refusedBeforeSending()
{
    QFETCH(int, macroKeys);
    QFETCH(int, advancedKeys);
    QFETCH(Outcome, outcome);
    QVERIFY(openKeyboard(kMagneticModel, true));
    bindMacro(false, 1, pressAndRelease(4, 100));
    bindMacro(true, 1, pressAndRelease(4, 100));
    QCOMPARE(addSeniorKey(1, LUMTAR_SENIOR_TGL, "4"), 1);
    // Half of the keys on each layer, the last one on the default layer.
    QVector<int> keys;
    for (int code : qAsConst(m_codes)) {
        if (code > 0 && code < 255)
            keys << code;
    }
    for (int i = 0; i < macroKeys; ++i)
        bindKey(i % 2 == 1, keys.at(i / 2), KeyOperate_Macro, "1");
    for (int i = 0; i < advancedKeys; ++i)
        bindKey(i % 2 == 1, keys.at(i / 2), KeyOperate_SeniorKey, "1");
    QCOMPARE(download(), outcome);
    QCOMPARE(m_downloader->attemptsMade(), 1);
    QVERIFY2(SimReportLog::commands(m_fx->path()).isEmpty(), "nothing reaches the keyboard");
    QVERIFY(!DOnboardDownloader::outcomeText(outcome).isEmpty());
    QVERIFY(DOnboardDownloader::outcomeText(outcome) != DOnboardDownloader::outcomeText(Outcome::Failed));
}

void tst_Download::layerFileWithoutProfile_data()
{
    // Which layer files are away when a layer is read, read by read: "D"
    // the default layer's, "F" the Fn layer's; the last entry holds on.
    QTest::addColumn<QStringList>("away");
    QTest::addColumn<int>("dropAcks");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("restarts");
    QTest::newRow("Fn file away throughout") << QStringList{ "F" } << 0 << Outcome::Failed << 1 << 1;
    QTest::newRow("default file away throughout") << QStringList{ "D" } << 0 << Outcome::Failed << 1 << 1;
    QTest::newRow("Fn file back for the restart") << QStringList{ "", "F", "" } << 0 << Outcome::Succeeded << 1 << 1;
    QTest::newRow("each layer once") << QStringList{ "", "F", "D", "" } << 0 << Outcome::Succeeded << 1 << 2;
    QTest::newRow("Fn file away twice") << QStringList{ "", "F", "", "F", "" } << 0 << Outcome::Failed << 1 << 1;
    // The restart is no attempt: the repeat of an abandoned one is still there.
    QTest::newRow("restart, then acknowledgements lost")
        << QStringList{ "", "F", "" } << 4 << Outcome::Succeeded << 2 << 1;
}

void tst_Download::layerFileWithoutProfile()
{
    QFETCH(QStringList, away);
    QFETCH(int, dropAcks);
    QFETCH(Outcome, outcome);
    QFETCH(int, attempts);
    QFETCH(int, restarts);
    QVERIFY(openKeyboard(kPlainModel, false));
    SimFaults faults;
    faults.dropAcks = dropAcks;
    QVERIFY(SimController::instance().setFaults(m_fx->path(), faults));
    const QString files[2] = { QFile::decodeName(m_defaultPath), QFile::decodeName(m_fnPath) };
    auto place = [&files](int file, bool present) {
        const QString aside = files[file] + QStringLiteral(".away");
        if (present && QFile::exists(aside))
            QFile::rename(aside, files[file]);
        else if (!present && QFile::exists(files[file]))
            QFile::rename(files[file], aside);
    };
    int reads = 0;
    m_downloader->setKeyCodeSource([&] {
        const QString now = away.at(qMin(reads++, away.size() - 1));
        place(0, !now.contains(QLatin1Char('D')));
        place(1, !now.contains(QLatin1Char('F')));
        return m_codes;
    });
    LogCapture log;
    QCOMPARE(download(), outcome);
    QCOMPARE(m_downloader->attemptsMade(), attempts);
    QCOMPARE(m_downloader->layerRestartsMade(), restarts);
    QCOMPARE(log.countContaining(QStringLiteral("starts again")), restarts);
    if (outcome == Outcome::Failed) {
        QVERIFY2(SimReportLog::commands(m_fx->path()).isEmpty(), "nothing reaches the keyboard");
    } else {
        QCOMPARE(SimController::instance().onboardKeys(m_fx->path(), 0).size(), size_t(528));
        QCOMPARE(SimController::instance().onboardKeys(m_fx->path(), 2).size(), size_t(528));
    }
    place(0, true);
    place(1, true);
}

void tst_Download::keyboardGoesAway_data()
{
    QTest::addColumn<bool>("linkDropped");
    QTest::addColumn<int>("attempts");
    QTest::newRow("unplugged") << false << 2;
    QTest::newRow("unplugged and its link closed") << true << 1;
}

void tst_Download::keyboardGoesAway()
{
    QFETCH(bool, linkDropped);
    QFETCH(int, attempts);
    QVERIFY(openKeyboard(kPlainModel, false));
    const std::string path = m_fx->path();
    DeviceLinkFixture *fx = m_fx.get();
    onAcknowledgement([path, linkDropped, fx](int count) {
        if (count != 20)
            return;
        SimController::instance().unplug(path);
        // The device page lets the link go from the event loop.
        if (linkDropped)
            QTimer::singleShot(0, [fx] { fx->closeLink(); });
    });
    QCOMPARE(download(), Outcome::Failed);
    QCOMPARE(m_downloader->attemptsMade(), attempts);
    QVERIFY(!m_downloader->isRunning());
}

void tst_Download::closedDevice()
{
    QVERIFY(openKeyboard(kPlainModel, false));
    m_fx->link()->hidInterface()->closeHid();
    LogCapture log;
    QCOMPARE(download(), Outcome::Failed);
    QCOMPARE(m_downloader->attemptsMade(), 1);
    QCOMPARE(log.count(QStringLiteral("USB serial port [Write keyboard Onboard-data] Failed ...")), 1);
}

void tst_Download::noKeyboard()
{
    LogCapture log;
    QCOMPARE(runDownload(nullptr), Outcome::Failed);
    QCOMPARE(log.countContaining(QStringLiteral("Failed ...")), 0);
}

void tst_Download::secondDownloadRefused()
{
    QVERIFY(openKeyboard(kPlainModel, false));
    Outcome second = Outcome::Succeeded;
    bool runningMeanwhile = false;
    onAcknowledgement([&](int count) {
        if (count != 5)
            return;
        runningMeanwhile = m_downloader->isRunning();
        second = download();
    });
    QCOMPARE(download(), Outcome::Succeeded);
    QVERIFY(runningMeanwhile);
    QCOMPARE(second, Outcome::AlreadyRunning);
    // The refused download sent nothing: each report once, bar resends.
    QCOMPARE(macroReportsTaken(m_fx->path()), allMacroReports());
    QCOMPARE(reportsOf(m_fx->path(), 0x18).size(), 50 + m_downloader->macroReportsResent());
    for (int slot = 0; slot < 10; ++slot)
        QCOMPARE(toBytes(SimController::instance().onboardMacro(m_fx->path(), slot)), QByteArray(256, '\0'));
}

QTEST_MAIN(tst_Download)
#include "tst_download.moc"
