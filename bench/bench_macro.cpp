// Speed of the macro editor: opening a macro of 40 events (store read, rows
// built, styled and laid out), loading a list of 200 macros (which opens the
// first), and one recorded event from the hook's relay signal to its row.
//
// Targets: opening within 100 ms; the list within 300 ms; an event within 5 ms.
//
// Each figure is given as wall-clock time and as the GUI thread's CPU time;
// on a loaded machine the second tells the code's own cost.
//
// Usage: bench_macro   (offscreen; the store goes to a new folder below /tmp)
#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "ui/macro/DMacroPage.h"
#include "ui/macro/MacroEventText.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// CPU time of the calling thread, in milliseconds.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double maximum(const std::vector<double> &v)
{
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

std::list<KeyOrMouseEventStu> pairs(int count)
{
    std::list<KeyOrMouseEventStu> out;
    for (int i = 0; i < count; ++i)
        for (const char *op : {"down", "up"})
            out.push_back(macroEventRecord(QString::number(i), QStringLiteral("35"), QStringLiteral("key"),
                                           QString::number(4 + i), QStringLiteral("Key %1").arg(i), QLatin1String(op)));
    return out;
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home(QStringLiteral("/tmp/lumtar-bench-XXXXXX"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    QApplication app(argc, argv);
    CLumtarXML_Init();
    DDataManager *data = DDataManager::getInstance();
    data->loadThemeConfig(0);
    QMap<int, int> vk;
    QMap<int, QString> names;
    for (int i = 0; i < 26; ++i) {
        vk.insert(65 + i, 4 + i);
        names.insert(4 + i, QString(QChar('A' + i)));
    }
    data->setVkToKeyCodeMap(vk);
    data->setKeyCodeNameMap(names);
    // The hook's listener, answering at once.
    QObject::connect(data, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, data,
                     [data](bool) { data->setHookRunning(true); });

    const QByteArray path = QFile::encodeName(home.path() + QStringLiteral("/appMacro.xml"));
    CLumtarXML_CreateXMLFile(path.constData());
    for (int i = 1; i <= 200; ++i) {
        const QByteArray index = QByteArray::number(i);
        CLumtarXML_CreateMacroXmlParentNode(path.constData(), index.constData(),
                                            QStringLiteral("Macro%1").arg(i).toUtf8().constData());
        CLumtarXML_AddKeyOrMouseEventItem(path.constData(), pairs(i == 1 || i == 2 ? 20 : 2), index.constData());
    }
    for (int i = 201; i <= 210; ++i)
        CLumtarXML_CreateMacroXmlParentNode(path.constData(), QByteArray::number(i).constData(), "Empty");

    auto *page = new DMacroPage;
    page->setMacroXmlPath(path.constData());
    page->show();
    settle();

    std::vector<double> lists, listsCpu;
    for (int run = 0; run < 7; ++run) {
        const auto t0 = Clock::now();
        const double c0 = threadCpuMs();
        page->onLoadMacroList();
        settle();
        lists.push_back(milliseconds(t0, Clock::now()));
        listsCpu.push_back(threadCpuMs() - c0);
    }

    std::vector<double> opens, opensCpu;
    for (int run = 0; run < 20; ++run) {
        const QString index = run % 2 ? QStringLiteral("1") : QStringLiteral("2");
        const auto t0 = Clock::now();
        const double c0 = threadCpuMs();
        page->onMacroItemMouseClicked(index, QStringLiteral("Macro") + index);
        settle();
        opens.push_back(milliseconds(t0, Clock::now()));
        opensCpu.push_back(threadCpuMs() - c0);
    }

    std::vector<double> events;
    quint32 now = 1000;
    page->setTickSource([&now] { return now; });
    for (int macro = 201; macro <= 210; ++macro) {
        const QString index = QString::number(macro);
        page->onMacroItemMouseClicked(index, QStringLiteral("Empty"));
        // The recorder needs a highlighted row: the list's first one serves.
        page->onMacroItemMouseClicked(QStringLiteral("1"), QStringLiteral("Macro1"));
        CLumtarXML_ReplaceMacroEvents(path.constData(), index.toLatin1().constData(), "Empty", {});
        page->onMacroItemMouseClicked(index, QStringLiteral("Empty"));
        page->toggleRecording();
        for (int key = 0; key < 19; ++key) {
            for (int flag : {1, 0}) {
                now += 20;
                const auto t0 = Clock::now();
                data->emitRecviveStreamExMacroKeyboard(65 + key, 0, flag, flag ? 0 : 128);
                events.push_back(milliseconds(t0, Clock::now()));
            }
        }
        page->toggleRecording();
        settle();
    }

    std::printf("bench_macro\n");
    std::printf("  open a macro of 40 events:  median %.2f ms, max %.2f ms, CPU median %.2f ms   (target 100 ms)\n",
                median(opens), maximum(opens), median(opensCpu));
    std::printf("  load a list of 210 macros:  median %.2f ms, max %.2f ms, CPU median %.2f ms   (target 300 ms)\n",
                median(lists), maximum(lists), median(listsCpu));
    std::printf("  one recorded event:         median %.3f ms, max %.3f ms   (target 5 ms; %zu events)\n",
                median(events), maximum(events), events.size());
    delete page;
    return 0;
}
