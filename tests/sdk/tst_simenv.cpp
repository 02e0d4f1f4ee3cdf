// Simulated keyboards named in the environment are attached at start-up.
#include "sdk/include/lumtarSdk.h"
#include "sdk/sim/SimController.h"

#include <QtTest>

class TestSimEnv : public QObject {
    Q_OBJECT
private slots:
    void environmentPlugsKeyboards();
};

void TestSimEnv::environmentPlugsKeyboards()
{
    qputenv("LUMTAR_SIMULATED_DEVICES", " LT108HE,LT68HE , Bogus,LT108HE@receiver,LT68HE@receiver,,");
    QCOMPARE(CLumtarHid_Init(), 0);
    std::list<std::string> paths;
    QCOMPARE(CLumtarHid_GetHidInfoList(&paths), 3);
    std::vector<int> connections;
    std::vector<std::string> models;
    for (const std::string& p : paths) {
        HidDeviceInfoStu dev;
        FirmwareInfoStu fw;
        QVERIFY(CLumtarHid_GetHidAndFirmwareInfoStu(p.c_str(), &dev, &fw));
        connections.push_back(dev.connectType);
        models.push_back(dev.hidModel);
    }
    QCOMPARE(connections, (std::vector<int>{ 0, 0, 1 }));
    QCOMPARE(models, (std::vector<std::string>{ "LT108HE", "LT68HE", "LT108HE" }));
    lumtar::sim::SimController::instance().unplugAll();
}

QTEST_GUILESS_MAIN(TestSimEnv)
#include "tst_simenv.moc"
