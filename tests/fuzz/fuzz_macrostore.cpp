// The macro store: list and events of every macro on arbitrary input.
#include "tests/fuzz/FuzzStoreFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *path = fuzzstore::inputFile(data, size);
    LumtarIndexNameList macros;
    CLumtarXML_SelectMacroAllNodes(path, &macros);
    macros.emplace_back("1", "");
    for (const auto &m : macros) {
        std::list<KeyOrMouseEventStu> events;
        CLumtarXML_SelectAllKeyOrMouseEvent(path, m.first.c_str(), &events);
    }
    fuzzstore::checkWriteRoundTrip(data, size);
    return 0;
}
