// Speed of the profile store: a cached key-item select, a key-item replace
// (delete + add, one atomic write), and reading every key item and macro
// copy of a full profile file (10 profiles x 132 keys, each key bound to a
// macro whose copy the profile holds). Then the writes a keyboard's first
// open makes (three new profile files with their defaults, and the light
// records the keyboard reports), once with one atomic write per call and
// once with one batch per file: flushes (fsync) and time.
//
// Usage: bench_store [folder]   (default: a new folder below /tmp)
#include "bench/BenchProfileFile.h"
#include "device/ProfileFileNames.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/store/AtomicFileWriter.h"
#include "sdk/store/XmlDocumentCache.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using bench::kEventsPerMacro;
using bench::kKeys;
using bench::kProfiles;

using Clock = std::chrono::steady_clock;

double microseconds(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::micro>(b - a).count();
}

// What a first open of a magnetic keyboard (LT108HE) writes, call by call:
// for each of the three profile files the file, profile 1, the current
// profile, and in the first two the three default light records and the
// five custom-light schemes (with defaultKeys also the 34 + 8 keys of the
// default schemes 0 and 1); then the keyboard's two reported light records
// (record + current mode each) in the first file. batched: one batch per
// file for the defaults, one for the reported records, and the list add
// for the scheme keys.
void openTimeWrites(const std::string &folder, bool batched, bool defaultKeys)
{
    for (int f = 0; f < ProfileFileNames::FileCount; ++f) {
        const std::string path = folder + ProfileFileNames::fileName(static_cast<ProfileFileNames::File>(f));
        const char *p = path.c_str();
        std::unique_ptr<LumtarXmlBatch> batch;
        if (batched)
            batch = std::make_unique<LumtarXmlBatch>(p);
        CLumtarXML_CreateXMLFile(p);
        CLumtarXML_CreateProFileXmlParentNode(p, "1", "Profile1", 0);
        CLumtarXML_ModifyXMLFileProfileIndex(p, 1);
        if (f == 2)
            continue;
        for (int kind = 0; kind < 3; ++kind)
            CLumtarXML_AddProFileLightInfoItem(p, "1", lumtarDefaultColorInfo(kind));
        const char *const schemes[5] = {"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"};
        for (int n = 0; n < 5; ++n) {
            const std::string node = std::to_string(n);
            CLumtarXML_AddProFileCustomLightNode(p, "1", node.c_str(), schemes[n], n < 2 ? "Using" : "UnUsing",
                                                 n < 2 ? n : -1);
            if (!defaultKeys || n > 1)
                continue;
            std::list<CustomLightItemStu> items;
            for (int k = 0; k < (n == 0 ? 34 : 8); ++k) {
                CustomLightItemStu item;
                std::memset(&item, 0, sizeof item);
                std::snprintf(item.keyCode, sizeof item.keyCode, "%d", 4 + k);
                item.indexX = 1 + k / 11;
                item.indexY = 1 + k % 11;
                (n == 0 ? item.colorB : item.colorR) = 255;
                item.transparentNum = 128;
                items.push_back(item);
            }
            if (batched) {
                CLumtarXML_AddProFileCustomLightDataInfoList(p, "1", node.c_str(), items);
            } else {
                for (const CustomLightItemStu &item : items)
                    CLumtarXML_AddProFileCustomLightDataInfo(p, "1", node.c_str(), item);
            }
        }
    }
    const std::string first = folder + ProfileFileNames::fileName(ProfileFileNames::DefaultLayer);
    std::unique_ptr<LumtarXmlBatch> batch;
    if (batched)
        batch = std::make_unique<LumtarXmlBatch>(first.c_str());
    for (int kind = 0; kind < 2; ++kind) {
        colorInfoData reported = lumtarDefaultColorInfo(kind);
        reported.modeCode = 4;
        CLumtarXML_AddProFileLightInfoItem(first.c_str(), "1", reported);
        CLumtarXML_ModifyProFileMouseLightUsingIndex(first.c_str(), "1", kind, 4);
    }
}

void benchOpenTimeWrites(const std::string &folder)
{
    std::printf("\nfirst open of LT108HE, store writes on the GUI thread (median of 9):\n");
    using lumtar::store::AtomicFileWriter;
    for (int defaultKeys = 0; defaultKeys < 2; ++defaultKeys) {
        for (int batched = 0; batched < 2; ++batched) {
            std::vector<double> times;
            unsigned long long syncs = 0;
            for (int round = 0; round < 9; ++round) {
                const std::string sub = folder + "/open" + std::to_string(round);
                mkdir(sub.c_str(), 0700);
                lumtar::store::XmlDocumentCache::instance().clear();
                const unsigned long long before = AtomicFileWriter::syncCount();
                const auto a = Clock::now();
                openTimeWrites(sub, batched != 0, defaultKeys != 0);
                times.push_back(microseconds(a, Clock::now()) / 1000.0);
                syncs = AtomicFileWriter::syncCount() - before;
                for (int f = 0; f < ProfileFileNames::FileCount; ++f)
                    std::remove((sub + ProfileFileNames::fileName(static_cast<ProfileFileNames::File>(f))).c_str());
                rmdir(sub.c_str());
            }
            std::sort(times.begin(), times.end());
            std::printf("  %-34s %-9s %4llu fsyncs  %8.2f ms\n",
                        defaultKeys ? "with 34 + 8 default scheme keys," : "as today (no default scheme keys),",
                        batched ? "batched:" : "per call:", syncs, times[times.size() / 2]);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    const std::string folder = bench::benchFolder(argc, argv);
    if (folder.empty())
        return 0;
    CLumtarXML_Init();
    const std::string path = folder + ProfileFileNames::fileName(ProfileFileNames::DefaultLayer);
    bench::writeFullProfileFile(path);
    const char *p = path.c_str();

    // First read parses the file.
    lumtar::store::XmlDocumentCache::instance().clear();
    KeyOperateInfoStu item;
    auto t0 = Clock::now();
    CLumtarXML_SelectProFileKeyOperateInfo(p, "1", "1", &item);
    auto t1 = Clock::now();
    std::printf("file: %d profiles x %d keys, %d events per macro copy\n", kProfiles, kKeys, kEventsPerMacro);
    std::printf("first select (parse):          %10.1f us\n", microseconds(t0, t1));

    // Cached select, keys spread over the whole file.
    const int selects = 20000;
    char profile[16], code[16];
    t0 = Clock::now();
    for (int i = 0; i < selects; ++i) {
        std::snprintf(profile, sizeof profile, "%d", 1 + (i % kProfiles));
        std::snprintf(code, sizeof code, "%d", 1 + (i * 7) % kKeys);
        std::strcpy(item.type, "-1");
        CLumtarXML_SelectProFileKeyOperateInfo(p, profile, code, &item);
    }
    t1 = Clock::now();
    std::printf("cached key-item select:        %10.2f us  (mean of %d)\n", microseconds(t0, t1) / selects, selects);

    // Replace: delete + add, as every key page saves.
    const int replaces = 40;
    double writeTotal = 0;
    for (int i = 0; i < replaces; ++i) {
        std::snprintf(code, sizeof code, "%d", 1 + i % kKeys);
        const std::string value = std::to_string(1000 + i);
        auto a = Clock::now();
        CLumtarXML_DeleteProFileMacroWithKeyInfoItem(p, "5", code, "Key");
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "5", code, "Key", "0", "1", "1", value.c_str());
        writeTotal += microseconds(a, Clock::now());
    }
    std::printf("key-item replace (2 writes):   %10.1f us  (mean of %d)\n", writeTotal / replaces, replaces);

    // The part of a write that is not the disk: turning the document into text.
    {
        pugi::xml_document doc;
        doc.load_file(p, lumtar::store::XmlDocumentCache::parseOptions());
        const int rounds = 20;
        size_t bytes = 0;
        auto a = Clock::now();
        for (int i = 0; i < rounds; ++i)
            bytes = lumtar::store::XmlDocumentCache::serialise(doc).size();
        std::printf("  of which serialising:        %10.1f us  (%zu bytes, mean of %d)\n",
                    microseconds(a, Clock::now()) / rounds, bytes, rounds);
    }

    // Everything the onboard download reads, for every profile of the file.
    t0 = Clock::now();
    size_t items = 0, events = 0;
    for (int prof = 1; prof <= kProfiles; ++prof) {
        std::snprintf(profile, sizeof profile, "%d", prof);
        std::list<std::string> codes;
        CLumtarXML_ProFileKeyInfoSelectAll(p, profile, &codes);
        for (const std::string &c : codes) {
            std::strcpy(item.type, "-1");
            if (CLumtarXML_SelectProFileKeyOperateInfo(p, profile, c.c_str(), &item))
                ++items;
            std::list<KeyOrMouseEventStu> macro;
            CLumtarXML_ProFileMacroWithKeyInfoSelectAll(p, profile, item.value, "", &macro);
            events += macro.size();
        }
    }
    t1 = Clock::now();
    std::printf("read all key items + copies:   %10.1f us  (%zu items, %zu events)\n", microseconds(t0, t1),
                items, events);

    std::remove(path.c_str());
    benchOpenTimeWrites(folder);
    bench::removeBenchFolder(argc, folder);
    return 0;
}
