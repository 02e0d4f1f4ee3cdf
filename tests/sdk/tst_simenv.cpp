// Simulated keyboards named in the environment are attached at start-up.
#include "sdk/include/lumtarSdk.h"
#include "sdk/sim/SimController.h"

#include <QtTest>

class TestSimEnv : public QObject {
    Q_OBJECT
private slots:
    void environmentPlugsKeyboards();
    void gamepadModes();
};

void TestSimEnv::environmentPlugsKeyboards()
{
    qputenv("LUMTAR_SIMULATED_DEVICES",
            " LT108HE,LT68HE , Bogus,LT108HE@receiver,LT68HE@receiver,,LT108HE@gamepad2,LT68HE@gamepad1,LT108HE@pad");
    QCOMPARE(CLumtarHid_Init(), 0);
    std::list<std::string> paths;
    QCOMPARE(CLumtarHid_GetHidInfoList(&paths), 4);
    std::vector<int> connections;
    std::vector<std::string> models;
    std::vector<int> productIds;
    for (const std::string& p : paths) {
        HidDeviceInfoStu dev;
        FirmwareInfoStu fw;
        QVERIFY(CLumtarHid_GetHidAndFirmwareInfoStu(p.c_str(), &dev, &fw));
        connections.push_back(dev.connectType);
        models.push_back(dev.hidModel);
        productIds.push_back(dev.productId);
    }
    QCOMPARE(connections, (std::vector<int>{ 0, 0, 1, 0 }));
    QCOMPARE(models, (std::vector<std::string>{ "LT108HE", "LT68HE", "LT108HE", "LT108HE" }));
    QCOMPARE(productIds.back(), 0x7474); // Classical
    lumtar::sim::SimController::instance().unplugAll();
}

void TestSimEnv::gamepadModes()
{
    // Started from the environment (read once, above) or plugged by a test:
    // the product id names the mode.
    auto& sim = lumtar::sim::SimController::instance();
    const struct {
        const char* model;
        int connectType, mode;
        int productId; // 0 when refused
    } rows[] = {
        { "LT108HE", 0, 0, 0x7472 }, { "LT108HE", 0, 1, 0x7473 }, { "LT108HE", 0, 2, 0x7474 },
        { "LT108HE", 0, 3, 0 },      { "LT108HE", 1, 1, 0 },      { "LT104RGB", 0, 1, 0 },
    };
    for (const auto& row : rows) {
        const std::string path = sim.plug(row.model, row.connectType, row.mode);
        int productId = 0;
        HidDeviceInfoStu dev;
        FirmwareInfoStu fw;
        if (!path.empty() && CLumtarHid_GetHidAndFirmwareInfoStu(path.c_str(), &dev, &fw))
            productId = dev.productId;
        QCOMPARE(productId, row.productId);
        if (row.productId)
            QCOMPARE(sim.state(path).gamepadMode, row.mode);
        sim.unplugAll();
    }
}

QTEST_GUILESS_MAIN(TestSimEnv)
#include "tst_simenv.moc"
