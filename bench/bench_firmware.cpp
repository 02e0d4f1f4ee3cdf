// Figures of the firmware update.
//
// Flashing: a 512 KB image written into the simulated bootloader through
// CLumtarHid_FirmwareUpgrade, against the protocol floor measured in the
// same run: the image's block reports written back to back through the same
// transport into a bootloader (until it has taken the last one), plus the
// simulated flash's own preparing and verifying time. Target: 1.3 x the floor.
//
// The check: DMainWidget::checkUpgradeableDevices with three keyboards
// attached, one of each image family, in the GUI thread. Target: 100 ms.
#include "sdk/firmware/BootloaderProtocol.h"
#include "sdk/include/LumtarFirmware.h"
#include "sdk/include/lumtarSdk.h"
#include "sdk/sim/SimBootloader.h"
#include "sdk/sim/SimController.h"

#include "BenchGui.h"
#include "core/LumtarResources.h"
#include "sdk/include/LumtarXml.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using lumtar::sim::SimBootloader;
using lumtar::sim::SimController;
namespace boot = lumtar::firmware::boot;

namespace {

constexpr int kRuns = 5;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds to write every block report of the image back to back into a
// bootloader, until it answered the identify request sent after the last.
double transportFloorMs(const QByteArray& image)
{
    const std::string path = SimController::instance().plugInUpdateMode("LT108HE");
    const int h = CLumtarHid_OpenPath(path.c_str());
    const auto* bytes = reinterpret_cast<const uint8_t*>(image.constData());
    const uint32_t blocks = boot::blockCount(static_cast<uint32_t>(image.size()));
    QElapsedTimer t;
    t.start();
    for (uint32_t b = 0; b < blocks; ++b) {
        const size_t at = size_t(b) * boot::kBlockData;
        const size_t n = std::min(boot::kBlockData, size_t(image.size()) - at);
        CLumtarHid_HidWriteBuff(h, boot::block(b, bytes + at, n).data(), nullptr);
    }
    CLumtarHid_HidWriteBuff(h, boot::identify().data(), nullptr);
    unsigned char reply[64];
    boot::Reply r;
    while (CLumtarHid_HidReadBuff(h, reply) >= 0)
        if (boot::decodeReply(reply, 64, &r) && r.kind == boot::ReplyKind::Identity)
            break;
    const double ms = bench::millis(t);
    CLumtarHid_Close(h);
    SimController::instance().unplugAll();
    return ms;
}

double flashMs(const QString& file)
{
    const std::string path = SimController::instance().plugInUpdateMode("LT108HE");
    const int h = CLumtarHid_OpenPath(path.c_str());
    QElapsedTimer t;
    t.start();
    const int result = CLumtarHid_FirmwareUpgrade(h, QFile::encodeName(file).constData(), 262144, 0, 0, nullptr);
    const double ms = bench::millis(t);
    CLumtarHid_Close(h);
    SimController::instance().unplugAll();
    if (result != LUMTAR_FW_OK)
        std::printf("  flash failed: %d\n", result);
    return ms;
}

void benchFlashing()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("LT108HE.bin");
    QFile::copy(":/images/UpdateFirmwareFile/LT108HE.bin", file);
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    const QByteArray image = f.readAll();
    const double flashTime = double(SimBootloader::prepareMs(size_t(image.size())) + SimBootloader::verifyMs(size_t(image.size())));

    std::vector<double> floors, flashes;
    for (int i = 0; i < kRuns; ++i) {
        floors.push_back(transportFloorMs(image) + flashTime);
        flashes.push_back(flashMs(file));
    }
    const double floor = median(floors);
    const double flash = median(flashes);
    std::printf("Flashing a %d KB image into the simulated bootloader (median of %d)\n", int(image.size() / 1024), kRuns);
    std::printf("  protocol floor (reports back to back + %.0f ms flash time): %8.1f ms\n", flashTime, floor);
    std::printf("  CLumtarHid_FirmwareUpgrade:                               %8.1f ms\n", flash);
    std::printf("  ratio %.2f x the floor (target 1.3); without the flash time %.1f ms against %.1f ms\n",
                flash / floor, flash - flashTime, floor - flashTime);
}

void benchCheck()
{
    for (const char* model : { "LT108HE", "LT68HE", "LT104RGB" })
        SimController::instance().plug(model);
    DMainWidget window;
    bench::idleUntil([&window] { return window.devicePage()->deviceInfoMap().size() == 3; }, 20000);
    std::vector<double> times;
    int candidates = 0;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        candidates = window.checkUpgradeableDevices(false) ? 3 : 0;
        times.push_back(bench::millis(t));
    }
    std::printf("Firmware check with three keyboards attached, GUI thread (median of %d)\n", kRuns);
    std::printf("  checkUpgradeableDevices: %8.1f ms, candidates found: %s (target 100 ms)\n", median(times),
                candidates ? "yes" : "no");
    SimController::instance().unplugAll();
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    bench::prepareApplication(home, "");
    QApplication app(argc, argv);
    lumtarInitResources();
    if (CLumtarXML_Init() != 0 || CLumtarHid_Init() != 0) {
        std::printf("bench_firmware: the SDK did not start\n");
        return 0;
    }
    benchFlashing();
    benchCheck();
    return 0;
}
