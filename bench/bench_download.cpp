// Wall time of a full onboard download against the simulated keyboard: two
// layers of 132 keys, ten macros of 62 events, forty advanced keys, on a
// magnetic model, through the real device link and I/O thread. Printed
// beside the protocol's floor for the same work, which no implementation
// can beat: the two 400 ms pauses plus 1 ms per 64-byte report, the rate of
// a full-speed USB interrupt endpoint. Target: at most 1.2 times the floor.
// Also printed: the shortest download, which the two pauses alone keep at
// 800 ms or more.
#include "bench/BenchMacroEvent.h"
#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/DOnboardDownloader.h"
#include "device/MainHidInterFace.h"
#include "device/ProfileFileNames.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

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
// A full-speed USB interrupt endpoint moves one 64-byte report a millisecond.
constexpr double kReportMs = 1.0;

// Runs the event loop until `done` holds, looked at every millisecond, or
// until the time is up; the loop stays free for the download meanwhile.
bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer look;
    look.setTimerType(Qt::PreciseTimer);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    look.start(1);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
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
    const QByteArray defaultPath =
        QFile::encodeName(folder + QLatin1String(ProfileFileNames::fileName(ProfileFileNames::DefaultLayer)));
    const QByteArray fnPath =
        QFile::encodeName(folder + QLatin1String(ProfileFileNames::fileName(ProfileFileNames::FnLayer)));
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
    const double floorMs = 2.0 * DOnboardDownloader::PauseMs + reports * kReportMs;

    std::vector<double> returned, stored;
    for (int run = 0; run < kRuns; ++run) {
        SimController::instance().clearReceivedReports(simPath);
        QElapsedTimer t;
        t.start();
        DOnboardDownloader::Outcome outcome = DOnboardDownloader::Outcome::Failed;
        bool over = false;
        double returnMs = 0;
        QEventLoop loop;
        const QMetaObject::Connection done =
            QObject::connect(&downloader, &DOnboardDownloader::sigFinished, [&](DOnboardDownloader::Outcome o) {
                returnMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
                outcome = o;
                over = true;
                loop.quit();
            });
        downloader.download(link.get(), folder);
        if (!over) {
            QTimer::singleShot(60000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        QObject::disconnect(done);
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
    std::printf("  protocol floor (2 x %d ms + %d x %.0f ms)  %8.1f ms\n", DOnboardDownloader::PauseMs, reports,
                kReportMs, floorMs);
    std::printf("  download finished, median             %8.1f ms (min %.1f; the pauses alone take %d)\n",
                returned[returned.size() / 2], returned.front(), 2 * DOnboardDownloader::PauseMs);
    std::printf("  keyboard stored all, median           %8.1f ms (min %.1f, max %.1f)\n", median, stored.front(),
                stored.back());
    std::printf("  ratio to the floor                    %8.2f (target <= 1.20%s)\n", median / floorMs,
                median / floorMs <= 1.2 ? "" : ", MISSED");
    if (median < floorMs)
        std::printf("  (below the floor: the simulated keyboard takes reports faster than a USB endpoint)\n");
    std::fflush(stdout);

    link.reset();
    SimController::instance().unplugAll();
    return 0;
}
