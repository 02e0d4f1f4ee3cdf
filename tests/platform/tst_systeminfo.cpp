// System information for the start-up log, read from kernel files.
#include <QtTest>

#include "platform/SystemInfo.h"

class tst_SystemInfo : public QObject
{
    Q_OBJECT

private slots:
    void processorName_data();
    void processorName();
    void memory();
    void liveMachine();
};

void tst_SystemInfo::processorName_data()
{
    QTest::addColumn<QString>("cpuinfo");
    QTest::addColumn<QString>("name");
    QTest::newRow("x86") << "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Core(TM) i7  \nflags\t: fpu\n"
                         << "Intel(R) Core(TM) i7";
    QTest::newRow("arm") << "processor\t: 0\nBogoMIPS\t: 108.00\nModel\t\t: Raspberry Pi 4\n" << "Raspberry Pi 4";
    QTest::newRow("nothing known") << "processor\t: 0\n" << "";
    QTest::newRow("empty") << "" << "";
}

void tst_SystemInfo::processorName()
{
    QFETCH(QString, cpuinfo);
    QFETCH(QString, name);
    QCOMPARE(SystemInfo::processorNameFrom(cpuinfo), name);
}

void tst_SystemInfo::memory()
{
    const SystemInfo::Memory memory = SystemInfo::physicalMemoryFrom(
        QStringLiteral("MemTotal:       16384000 kB\nMemFree:         1000 kB\nMemAvailable:    8192000 kB\n"));
    QCOMPARE(memory.totalBytes, 16384000.0 * 1024);
    QCOMPARE(memory.availableBytes, 8192000.0 * 1024);
}

void tst_SystemInfo::liveMachine()
{
    const SystemInfo::Memory memory = SystemInfo::physicalMemory();
    QVERIFY(memory.totalBytes > 0);
    QVERIFY(memory.availableBytes <= memory.totalBytes);
    QCOMPARE(SystemInfo::processBits(), int(sizeof(void *) * 8));
}

QTEST_GUILESS_MAIN(tst_SystemInfo)
#include "tst_systeminfo.moc"
