// The command builder: every operation's 64 bytes as the simulated keyboard
// receives them through the real I/O thread, and the failure texts on a
// closed device.
#include "device/DDeviceHidCmdSend.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/sim/SimController.h"
#include "support/LogCapture.h"
#include "support/SimReportLog.h"

#include <QRegularExpression>
#include <QtTest>

#include <functional>

using lumtar::sim::SimController;
using SimReportLog::report;

namespace {

using Call = std::function<void(DDeviceHidCmdSend &)>;

struct Row {
    const char *name;
    Call call;
    QMap<int, int> bytes;
};

QByteArray fullKeyInput()
{
    QByteArray in(64, '\0');
    in[0] = 0x01;
    in[1] = 0x05;
    for (int i = 6; i <= 18; ++i)
        in[i] = static_cast<char>(0x10 + i);
    in[19] = static_cast<char>(0xEE); // past the relayed bytes: must not travel
    in[63] = static_cast<char>(0xEE);
    return in;
}

QList<Row> builderRows()
{
    static const QByteArray fullKey = fullKeyInput();
    static const unsigned char sixKey[8] = {0x05, 0x00, 0x04, 0x16, 0x2B, 0, 0, 0x1A};
    QMap<int, int> fullKeyOut{{0, 1}, {1, 0x04}, {5, 21}};
    for (int i = 6; i <= 18; ++i)
        fullKeyOut[i] = 0x10 + i;
    QMap<int, int> serialOut{{0, 1}, {1, 0x15}, {5, 32}};
    const QByteArray serial("0123456789abcdefABCDEF0123456789");
    for (int i = 0; i < 32; ++i)
        serialOut[6 + i] = serial.at(i);
    QMap<int, int> longSerialOut = serialOut;
    QMap<int, int> shortSerialOut{{0, 1}, {1, 0x15}, {5, 32}, {6, 'A'}, {7, 'B'}, {8, 'C'}};

    return {
        {"writeSN 32 characters", [](DDeviceHidCmdSend &c) { c.sendWriteSN("0123456789abcdefABCDEF0123456789"); }, serialOut},
        {"writeSN longer text cut at 32", [](DDeviceHidCmdSend &c) { c.sendWriteSN("0123456789abcdefABCDEF0123456789XYZ"); }, longSerialOut},
        {"writeSN shorter text zero-filled", [](DDeviceHidCmdSend &c) { c.sendWriteSN("ABC"); }, shortSerialOut},
        {"writeSixKey", [](DDeviceHidCmdSend &c) { c.sendWriteSixKey(sixKey); },
         {{0, 1}, {1, 0x03}, {5, 9}, {6, 0x05}, {8, 0x04}, {9, 0x16}, {10, 0x2B}, {13, 0x1A}}},
        {"writeFullKey copies bytes 6..18 only",
         [](DDeviceHidCmdSend &c) { c.sendWriteFullKey(reinterpret_cast<const unsigned char *>(fullKey.constData())); },
         fullKeyOut},
        {"inquireLightMode", [](DDeviceHidCmdSend &c) { c.sendInquireLightMode(); }, {{0, 1}, {1, 0x09}}},
        {"inquireSideLightMode", [](DDeviceHidCmdSend &c) { c.sendInquireSideLightMode(); }, {{0, 1}, {1, 0x01}}},
        {"inquireKeyboardLightConfig", [](DDeviceHidCmdSend &c) { c.sendInquireKeyboardLightConfig(); },
         {{0, 1}, {1, 0x06}, {2, 1}}},
        {"inquireSideLightConfig", [](DDeviceHidCmdSend &c) { c.sendInquireSideLightConfig(); },
         {{0, 1}, {1, 0x07}, {2, 1}}},
        {"reset", [](DDeviceHidCmdSend &c) { c.sendReset(); }, {{0, 1}, {1, 0x13}, {5, 1}, {6, 1}}},
        {"sleep 300 s / 30 s / prohibit", [](DDeviceHidCmdSend &c) { c.sendSetSleepTime(300, 30, 1); },
         {{0, 1}, {1, 0x13}, {2, 1}, {5, 1}, {9, 0x01}, {10, 0x2C}, {12, 0x1E}, {13, 1}}},
        {"sleep 600 s / 1800 s", [](DDeviceHidCmdSend &c) { c.sendSetSleepTime(600, 1800, 0); },
         {{0, 1}, {1, 0x13}, {2, 1}, {5, 1}, {9, 0x02}, {10, 0x58}, {11, 0x07}, {12, 0x08}}},
        {"sleep 255 s has high byte 0", [](DDeviceHidCmdSend &c) { c.sendSetSleepTime(255, 0, 0); },
         {{0, 1}, {1, 0x13}, {2, 1}, {5, 1}, {10, 0xFF}}},
        {"sleep beyond 16 bits held at 65535, negative at 0", [](DDeviceHidCmdSend &c) { c.sendSetSleepTime(70000, -5, 0); },
         {{0, 1}, {1, 0x13}, {2, 1}, {5, 1}, {9, 0xFF}, {10, 0xFF}}},
        {"gamepad mode", [](DDeviceHidCmdSend &c) { c.sendSetGamePadMode(2); },
         {{0, 1}, {1, 0x13}, {2, 3}, {5, 1}, {6, 2}}},
        {"lockWin Windows key", [](DDeviceHidCmdSend &c) { c.sendLockWin(1, 0, 0, 0); },
         {{0, 1}, {1, 0x13}, {5, 1}, {13, 1}}},
        {"lockWin Shift+Tab", [](DDeviceHidCmdSend &c) { c.sendLockWin(0, 1, 0, 0); },
         {{0, 1}, {1, 0x13}, {5, 1}, {14, 1}}},
        {"lockWin third argument lands in byte 16", [](DDeviceHidCmdSend &c) { c.sendLockWin(0, 0, 1, 0); },
         {{0, 1}, {1, 0x13}, {5, 1}, {16, 1}}},
        {"lockWin fourth argument lands in byte 15", [](DDeviceHidCmdSend &c) { c.sendLockWin(0, 0, 0, 1); },
         {{0, 1}, {1, 0x13}, {5, 1}, {15, 1}}},
        {"checkLayoutSupportCustom", [](DDeviceHidCmdSend &c) { c.sendCheckLayoutSupportCustom(); }, {{0, 1}, {1, 0x0D}}},
        {"checkSleepTime", [](DDeviceHidCmdSend &c) { c.sendCheckSleepTime(); }, {{0, 1}, {1, 0x13}, {2, 2}, {5, 1}}},
        {"queryKeyboardSensitivity", [](DDeviceHidCmdSend &c) { c.sendQueryKeyboardSensitivity(); },
         {{0, 1}, {1, 0x29}, {5, 24}, {6, 4}}},
        {"queryKeyAntiShake", [](DDeviceHidCmdSend &c) { c.sendQueryKeyAntiShake(); },
         {{0, 1}, {1, 0x29}, {5, 24}, {6, 10}}},
        {"queryKeyRateOfReturn", [](DDeviceHidCmdSend &c) { c.sendQueryKeyRateOfReturn(); },
         {{0, 1}, {1, 0x29}, {5, 24}, {6, 9}}},
    };
}

struct FailureRow {
    const char *name;
    Call call;
    const char *text;
};

QList<FailureRow> failureRows()
{
    static const unsigned char keys[8] = {};
    static const unsigned char input[64] = {};
    return {
        {"writeSN", [](DDeviceHidCmdSend &c) { c.sendWriteSN(QString()); }, "USB serial port [Write SN] Failed ..."},
        {"writeSixKey", [](DDeviceHidCmdSend &c) { c.sendWriteSixKey(keys); }, "USB serial port [Write Key] Failed ..."},
        {"writeFullKey", [](DDeviceHidCmdSend &c) { c.sendWriteFullKey(input); }, "USB serial port [Write Key] Failed ..."},
        {"inquireLightMode", [](DDeviceHidCmdSend &c) { c.sendInquireLightMode(); },
         "---------- *** Inquire [Light Mode] Failed *** ----------"},
        {"inquireSideLightMode", [](DDeviceHidCmdSend &c) { c.sendInquireSideLightMode(); },
         "---------- *** Inquire [Side Light Mode] Failed *** ----------"},
        {"inquireKeyboardLightConfig", [](DDeviceHidCmdSend &c) { c.sendInquireKeyboardLightConfig(); },
         "---------- *** Inquire [Keyboard Light Config] Failed *** ----------"},
        {"inquireSideLightConfig", [](DDeviceHidCmdSend &c) { c.sendInquireSideLightConfig(); },
         "---------- *** Inquire [Side Light Config] Failed *** ----------"},
        {"reset", [](DDeviceHidCmdSend &c) { c.sendReset(); }, "---------- *** [Reset] Failed *** ----------"},
        {"setSleepTime", [](DDeviceHidCmdSend &c) { c.sendSetSleepTime(1, 2, 0); },
         "---------- *** [Set Sleep time] Failed *** ----------"},
        {"setGamePadMode", [](DDeviceHidCmdSend &c) { QCOMPARE(c.sendSetGamePadMode(1), -1); },
         "---------- *** [Set GamePad Mode] Failed *** ----------"},
        {"lockWin", [](DDeviceHidCmdSend &c) { QCOMPARE(c.sendLockWin(1, 1, 1, 1), -1); },
         "---------- *** [Lock Win] Failed *** ----------"},
        {"checkLayoutSupportCustom", [](DDeviceHidCmdSend &c) { c.sendCheckLayoutSupportCustom(); },
         "USB serial port [Check keyboard layout is support custom] Failed ..."},
        {"checkSleepTime", [](DDeviceHidCmdSend &c) { c.sendCheckSleepTime(); },
         "---------- *** [Check Sleep time] Failed *** ----------"},
        {"queryKeyboardSensitivity", [](DDeviceHidCmdSend &c) { c.sendQueryKeyboardSensitivity(); },
         "USB serial port [Query Keyboard Sensitivity] Failed ..."},
        {"queryKeyAntiShake", [](DDeviceHidCmdSend &c) { c.sendQueryKeyAntiShake(); },
         "USB serial port [Query Keyboard Sensitivity] Failed ..."},
        {"queryKeyRateOfReturn", [](DDeviceHidCmdSend &c) { c.sendQueryKeyRateOfReturn(); },
         "USB serial port [Query Keyboard Sensitivity] Failed ..."},
    };
}

} // namespace

class tst_HidCmdSend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reportBytes_data();
    void reportBytes();
    void generatedSerialNumber();
    void resetAndLockWinShareTheirCommand();
    void closedDeviceLogsOnceAndSendsNothing_data();
    void closedDeviceLogsOnceAndSendsNothing();

private:
    // Opens the I/O thread on a freshly plugged keyboard; input reports are freed.
    void openKeyboard(const char *model);
    // Waits for the one command a call sent; fails when it sent another count.
    void waitForOneCommand(QByteArray &sent);

    std::string m_path;
    MainHidInterFace *m_io = nullptr;
    DDeviceHidCmdSend m_cmd;
};

void tst_HidCmdSend::initTestCase()
{
    QCOMPARE(CLumtarHid_Init(), 0);
}

void tst_HidCmdSend::openKeyboard(const char *model)
{
    m_path = SimController::instance().plug(model);
    QVERIFY(!m_path.empty());
    m_io = new MainHidInterFace(0, QString::fromLatin1(model));
    connect(m_io, &MainHidInterFace::sigHidDataArrived, this, [](unsigned char *d, int, int) { delete[] d; });
    connect(m_io, &MainHidInterFace::sigHidSnGetOver, this, [](unsigned char *d, QString) { delete[] d; });
    QCOMPARE(m_io->openHid(QString::fromStdString(m_path)), 0);
    m_io->start();
    m_cmd.setHidInterface(m_io);
    // The serial-number inquiry is the first report written.
    QTRY_VERIFY(!SimReportLog::all(m_path).isEmpty());
    const QByteArray first = SimReportLog::all(m_path).first();
    QCOMPARE(int(first.at(0)), 0x00);
    QCOMPARE(int(first.at(1)), 0x14);
}

void tst_HidCmdSend::init()
{
    openKeyboard("LT104RGB");
}

void tst_HidCmdSend::cleanup()
{
    delete m_io;
    m_io = nullptr;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    SimController::instance().unplugAll();
}

void tst_HidCmdSend::waitForOneCommand(QByteArray &sent)
{
    // Queue a keep-alive behind the call's report: once it arrived, anything
    // the call queued has arrived too.
    const QByteArray marker = report({{0, 0}, {1, 0}, {5, 1}});
    const int markersBefore = SimReportLog::all(m_path).count(marker);
    m_io->writeHidCmd(marker.constData());
    QTRY_VERIFY_WITH_TIMEOUT(SimReportLog::all(m_path).count(marker) > markersBefore, 5000);
    const QList<QByteArray> commands = SimReportLog::commands(m_path);
    QCOMPARE(commands.size(), 1);
    sent = commands.first();
}

void tst_HidCmdSend::reportBytes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("expected");
    const QList<Row> rows = builderRows();
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(rows.at(i).name) << i << report(rows.at(i).bytes);
}

void tst_HidCmdSend::reportBytes()
{
    QFETCH(int, row);
    QFETCH(QByteArray, expected);
    builderRows().at(row).call(m_cmd);
    QByteArray sent;
    waitForOneCommand(sent);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(SimReportLog::hex(sent), SimReportLog::hex(expected));
    QCOMPARE(sent, expected);
}

void tst_HidCmdSend::generatedSerialNumber()
{
    const QString serial = m_cmd.sendWriteSN(QString());
    QVERIFY2(QRegularExpression("^[0-9a-f]{32}$").match(serial).hasMatch(), qPrintable(serial));
    QMap<int, int> bytes{{0, 1}, {1, 0x15}, {5, 32}};
    for (int i = 0; i < 32; ++i)
        bytes[6 + i] = serial.at(i).toLatin1();
    QByteArray sent;
    waitForOneCommand(sent);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(sent, report(bytes));
    QVERIFY(m_cmd.sendWriteSN(QString()) != serial);
}

void tst_HidCmdSend::resetAndLockWinShareTheirCommand()
{
    m_cmd.sendReset();
    QTRY_COMPARE(SimReportLog::commands(m_path).size(), 1);
    m_cmd.sendLockWin(1, 1, 1, 1);
    QTRY_COMPARE(SimReportLog::commands(m_path).size(), 2);
    const QByteArray reset = SimReportLog::commands(m_path).at(0);
    const QByteArray lock = SimReportLog::commands(m_path).at(1);
    QList<int> differing;
    for (int i = 0; i < 64; ++i) {
        if (reset.at(i) != lock.at(i))
            differing.append(i);
    }
    QCOMPARE(differing, (QList<int>{6, 13, 14, 15, 16}));
}

void tst_HidCmdSend::closedDeviceLogsOnceAndSendsNothing_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    const QList<FailureRow> rows = failureRows();
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(rows.at(i).name) << i << QString::fromLatin1(rows.at(i).text);
}

void tst_HidCmdSend::closedDeviceLogsOnceAndSendsNothing()
{
    QFETCH(int, row);
    QFETCH(QString, text);
    QCOMPARE(m_io->closeHid(), 0);
    QVERIFY(!m_io->isRunning());
    const int before = SimReportLog::all(m_path).size();

    LogCapture log;
    failureRows().at(row).call(m_cmd);
    QCOMPARE(log.count(text), 1);
    QCOMPARE(log.messages().size(), 1);
    QCOMPARE(m_io->writeHidCmd(report({{0, 1}, {1, 0x09}}).constData()), -1);
    QCOMPARE(SimReportLog::all(m_path).size(), before);
}

QTEST_GUILESS_MAIN(tst_HidCmdSend)
#include "tst_hidcmdsend.moc"
