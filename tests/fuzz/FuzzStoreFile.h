// Shared part of the store fuzz targets: puts the input into a file the
// stores read, and checks that what they parse survives a write unchanged.
#ifndef LUMTAR_FUZZ_STORE_FILE_H
#define LUMTAR_FUZZ_STORE_FILE_H

#include "sdk/include/LumtarXml.h"
#include "sdk/store/XmlDocumentCache.h"

#include <pugixml.hpp>

#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <unistd.h>

namespace fuzzstore {

inline void quietLog(const char *) {}

// A file in a private folder holding the input; the parse cache forgets the
// previous input.
inline const char *inputFile(const uint8_t *data, size_t size)
{
    static std::string path;
    if (path.empty()) {
        // A memory file system when there is one: the input is rewritten
        // for every run.
        char shm[] = "/dev/shm/lumtar-fuzz-XXXXXX";
        char tmp[] = "/tmp/lumtar-fuzz-XXXXXX";
        char *folder = mkdtemp(shm);
        if (!folder)
            folder = mkdtemp(tmp);
        if (!folder)
            abort();
        path = std::string(folder) + "/store.xml";
        static std::string folderPath = folder;
        atexit([] {
            unlink(path.c_str());
            rmdir(folderPath.c_str());
        });
        CLumtarXML_SetLogCallback(quietLog);
    }
    FILE *f = fopen(path.c_str(), "wb");
    if (!f)
        abort();
    if (size && fwrite(data, 1, size, f) != size)
        abort();
    fclose(f);
    lumtar::store::XmlDocumentCache::instance().clear();
    return path.c_str();
}

// Whatever parses must serialise to a text that parses to the same text.
inline void checkWriteRoundTrip(const uint8_t *data, size_t size)
{
    using lumtar::store::XmlDocumentCache;
    pugi::xml_document doc;
    if (!doc.load_buffer(data, size, XmlDocumentCache::parseOptions(), pugi::encoding_auto)
        || XmlDocumentCache::nestedTooDeep(doc))
        return;
    const std::string once = XmlDocumentCache::serialise(doc);
    pugi::xml_document again;
    if (!again.load_buffer(once.data(), once.size(), XmlDocumentCache::parseOptions(), pugi::encoding_utf8))
        abort();
    if (XmlDocumentCache::serialise(again) != once)
        abort();
}

} // namespace fuzzstore

#endif
