// Wall time of a full onboard download against the simulated keyboard: two
// layers of 132 keys, ten macros of 62 events, forty advanced keys, on a
// magnetic model, through the real device link and I/O thread. Printed
// beside the protocol's floor for the same work: the two fixed pauses plus
// one I/O turn (one write turn and one read turn of the I/O loop, each ended
// by one wait of the SDK timer) per report.
#include "bench/BenchMacroEvent.h"
#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/DOnboardDownloader.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <list>
#include <memory>
#include <vector>

using lumtar::sim::SimController;

namespace {

constexpr char kModel[] = "LT108HE";
constexpr int kKeys = 132;
constexpr int kMacroKeys = 10;
constexpr int kMacroEvents = 62;
constexpr int kSeniorKeys = 40;
constexpr int kRuns = 5;

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

int onboardReports(const std::string &path)
{
    int count = 0;
    for (const auto &r : SimController::instance().receivedReports(path)) {
        if (r[1] == 0x17 || r[1] == 0x18 || r[1] == 0x2A)
            ++count;
    }
    return count;
}

bool makeProfile(const QByteArray &path)
{
    return CLumtarXML_CreateXMLFile(path.constData())
           && CLumtarXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0)
           && CLumtarXML_ModifyXMLFileProfileIndex(path.constData(), 1);
}

// Mean length of one SDK timer wait as the I/O loop makes it.
double timerWaitMs()
{
    LumtarTimerContext context = 0;
    CLumtarHid_highPrecisionTimerInit(&context);
    CLumtarHid_highPrecisionTimerStart(context);
    constexpr int n = 200;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < n; ++i)
        CLumtarHid_highPrecisionTimerRuning(100, context);
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6 / n;
    CLumtarHid_highPrecisionTimerStop(context);
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + QStringLiteral("/cache")));
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    if (CLumtarXML_Init() != 0 || CLumtarHid_Init() != 0) {
        std::printf("bench_download: the SDK did not start\n");
        return 0;
    }

    const QString folder = home.path();
    const QByteArray defaultPath = QFile::encodeName(folder + QStringLiteral("/appProfile_Default.xml"));
    const QByteArray fnPath = QFile::encodeName(folder + QStringLiteral("/appProfile_FN.xml"));
    const QByteArray seniorPath = QFile::encodeName(folder + QStringLiteral("/SeniorKeyConfig.xml"));
    if (!makeProfile(defaultPath) || !makeProfile(fnPath) || !CLumtarXML_SeniorKey_CreateXMLFile(seniorPath.constData())) {
        std::printf("bench_download: cannot create the profile files\n");
        return 0;
    }
    CLumtarXML_SeniorKey_CreateProFileXmlParentNode(seniorPath.constData());

    QVector<int> codes;
    for (int i = 0; i < kKeys; ++i)
        codes << 4 + i;
    // Ten macro keys and forty advanced keys, half of each on either layer.
    for (int m = 0; m < kMacroKeys; ++m) {
        const QByteArray &path = m % 2 ? fnPath : defaultPath;
        std::list<KeyOrMouseEventStu> events;
        for (int e = 0; e < kMacroEvents; ++e)
            events.push_back(benchKeyEvent(4 + e / 2, e % 2 == 0, e == 0 ? 0 : 20));
        const QByteArray index = QByteArray::number(m + 1);
        CLumtarXML_AddProFileBindMacroItem(path.constData(), "1", events, index.constData(), ("Macro" + index).constData());
        CLumtarXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1", QByteArray::number(codes.at(m)).constData(),
                                                  "K", "1", "1", "1", index.constData());
    }
    for (int s = 0; s < kSeniorKeys; ++s) {
        SeniorKeyInfoStu r;
        std::memset(&r, 0, sizeof(r));
        r.id = s + 1;
        lumtarCopyField(r.name, "key");
        r.kind = 1 + s % 3;
        lumtarCopyField(r.keySlot[0], "4");
        lumtarCopyField(r.keySlot[1], "1,5");
        r.triggerPoint[0] = 10;
        r.holdDuration = 150;
        CLumtarXML_SeniorKey_AddInfoItem(seniorPath.constData(), r.kind, r);
        const QByteArray &path = s % 2 ? fnPath : defaultPath;
        CLumtarXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1",
                                                  QByteArray::number(codes.at(kMacroKeys + s)).constData(), "K", "40",
                                                  "1", "0", QByteArray::number(s + 1).constData());
    }

    const std::string simPath = SimController::instance().plug(kModel);
    hidStructInfoAll record = {};
    lumtarCopyField(record.deviceKind, "keyboard");
    lumtarCopyField(record.hidPath, simPath.c_str());
    lumtarCopyField(record.hidModel, kModel);
    record.isOnline = 1;
    auto link = std::make_unique<DDeviceKeyboardLink>();
    link->setXmlProfilePath(defaultPath.constData());
    link->setProfileIndex(1);
    link->openDevice(0, record);
    if (!link->hidInterface() || !waitUntil([&] {
            return link->isDeviceInfoReady() && !link->customKeyPosList().isEmpty();
        }, 5000)) {
        std::printf("bench_download: the simulated keyboard did not open\n");
        return 0;
    }

    DDataManager data;
    data.setMagneticKeyboard(true);
    data.setSeniorKeyXmlPath(seniorPath.constData());
    DOnboardDownloader downloader;
    downloader.setDataManager(&data);
    downloader.setKeyCodeSource([&codes] { return codes; });

    const int reports = 2 * 10 + kMacroKeys * 5 + kSeniorKeys;
    const double turnMs = 2 * timerWaitMs();
    const double floorMs = 2.0 * DOnboardDownloader::PauseMs + reports * turnMs;

    std::vector<double> returned, stored;
    for (int run = 0; run < kRuns; ++run) {
        SimController::instance().clearReceivedReports(simPath);
        QElapsedTimer t;
        t.start();
        DOnboardDownloader::Outcome outcome = DOnboardDownloader::Outcome::Failed;
        bool over = false;
        const QMetaObject::Connection done =
            QObject::connect(&downloader, &DOnboardDownloader::sigFinished, [&](DOnboardDownloader::Outcome o) {
                outcome = o;
                over = true;
            });
        downloader.download(link.get(), folder);
        waitUntil([&] { return over; }, 60000);
        QObject::disconnect(done);
        const double returnMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
        const bool all = waitUntil([&] { return onboardReports(simPath) >= reports; }, 5000);
        const double storedMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
        if (outcome != DOnboardDownloader::Outcome::Succeeded || !all) {
            std::printf("bench_download: run %d did not complete (outcome %d, %d of %d reports)\n", run,
                        static_cast<int>(outcome), onboardReports(simPath), reports);
            continue;
        }
        returned.push_back(returnMs);
        stored.push_back(storedMs);
    }
    if (stored.empty())
        return 0;
    std::sort(returned.begin(), returned.end());
    std::sort(stored.begin(), stored.end());
    const double median = stored[stored.size() / 2];
    std::printf("onboard download, %d reports (%d key, %d macro, %d advanced-key), magnetic model, %zu runs\n",
                reports, 20, kMacroKeys * 5, kSeniorKeys, stored.size());
    std::printf("  I/O turn (write + read turn)      %8.2f ms\n", turnMs);
    std::printf("  protocol floor (2 x %d ms + %d turns) %8.1f ms\n", DOnboardDownloader::PauseMs, reports, floorMs);
    std::printf("  download finished, median         %8.1f ms (min %.1f)\n", returned[returned.size() / 2],
                returned.front());
    std::printf("  keyboard stored all, median       %8.1f ms (min %.1f, max %.1f)\n", median, stored.front(),
                stored.back());
    std::printf("  ratio to the floor                %8.2f (target 1.20)\n", median / floorMs);
    const double waitFloorMs = 2.0 * DOnboardDownloader::PauseMs + reports * turnMs / 2;
    std::printf("  ratio to a floor of one timer wait per report (%.1f ms) %.2f\n", waitFloorMs, median / waitFloorMs);
    std::fflush(stdout);

    link.reset();
    SimController::instance().unplugAll();
    return 0;
}
