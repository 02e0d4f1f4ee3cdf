// Speed of the advanced-key editor: the deferred load with forty stored
// records (the all-keys picker's 111 buttons, forty list rows, the DKS grid)
// and one edit (a key picked into a slot, through the row and the map up to
// the stored record) beside a bare CLumtarXML_SeniorKey_ModifyInfoItem of
// the same record in the same run.
//
// Targets: the load within 150 ms; an edit within 2 x the bare call.
//
// Usage: bench_seniorkeys   (offscreen; the store goes to a new folder below /tmp)
#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"

#include <QApplication>
#include <QMetaObject>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

DAllKeysItemKey *keyButton(DSeniorKeysPage *page, int code)
{
    for (DAllKeysItemKey *b : page->allKeysPage()->findChildren<DAllKeysItemKey *>())
        if (b->keyCode() == code)
            return b;
    return nullptr;
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

    const QByteArray path = QFile::encodeName(home.path() + QStringLiteral("/SeniorKeyConfig.xml"));
    CLumtarXML_SeniorKey_CreateXMLFile(path.constData());
    CLumtarXML_SeniorKey_CreateProFileXmlParentNode(path.constData());
    for (int id = 1; id <= SeniorKeyRecord::MaxRecords; ++id) {
        SeniorKeyInfoStu r = SeniorKeyRecord::newRecord(id, 1 + id % 3);
        SeniorKeyRecord::setSlotText(&r, 1, "4");
        SeniorKeyRecord::setSlotText(&r, 2, "3,5");
        CLumtarXML_SeniorKey_AddInfoItem(path.constData(), r.kind, r);
    }
    DDataManager *data = DDataManager::getInstance();
    data->setSeniorKeyXmlPath(path.constData());

    // The deferred load, called directly (the dialog's timer then finds it done).
    const int loads = 15;
    std::vector<double> loadTimes, paintTimes;
    for (int i = 0; i < loads; ++i) {
        auto *page = new DSeniorKeysPage;
        page->show();
        const auto a = Clock::now();
        QMetaObject::invokeMethod(page, "onLoadDksPage", Qt::DirectConnection);
        const auto b = Clock::now();
        page->grab(); // the first layout and paint of all of it
        const auto c = Clock::now();
        loadTimes.push_back(milliseconds(a, b));
        paintTimes.push_back(milliseconds(b, c));
        if (page->recordCount() != SeniorKeyRecord::MaxRecords)
            std::printf("unexpected: %d records listed\n", page->recordCount());
        delete page;
    }
    std::printf("deferred load, 40 records:      %8.2f ms median, %8.2f ms worst (of %d)   target 150 ms\n",
                median(loadTimes), *std::max_element(loadTimes.begin(), loadTimes.end()), loads);
    std::printf("  then first layout and paint:  %8.2f ms median\n", median(paintTimes));

    // One edit against the bare store call, interleaved so both see the same disk.
    auto *page = new DSeniorKeysPage;
    page->show();
    QMetaObject::invokeMethod(page, "onLoadDksPage", Qt::DirectConnection);
    DAllKeysItemKey *keys[2] = {keyButton(page, 4), keyButton(page, 5)};
    SeniorKeyInfoStu bare = page->currentRecord();
    bare.id = 2; // another record, so the two never undo each other's write
    const int rounds = 200;
    std::vector<double> edits, bares;
    for (int i = 0; i < rounds; ++i) {
        // Each round changes the record, so every call writes the file.
        auto a = Clock::now();
        keys[i % 2]->click();
        edits.push_back(milliseconds(a, Clock::now()));

        SeniorKeyRecord::setSlotText(&bare, 1, i % 2 ? "5" : "4");
        a = Clock::now();
        CLumtarXML_SeniorKey_ModifyInfoItem(path.constData(), bare.kind, bare);
        bares.push_back(milliseconds(a, Clock::now()));
    }
    const double edit = median(edits);
    const double bareCall = median(bares);
    std::printf("edit (key picked into a slot):  %8.3f ms median (of %d)\n", edit, rounds);
    std::printf("bare ModifyInfoItem:            %8.3f ms median (of %d)\n", bareCall, rounds);
    std::printf("edit / bare call:               %8.2f x   target 2 x\n", bareCall > 0 ? edit / bareCall : 0.0);
    delete page;
    return 0;
}
