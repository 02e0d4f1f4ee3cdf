// The default custom-light files ("customLight" > "customLed" > "item").
#include "tests/fuzz/FuzzStoreFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *path = fuzzstore::inputFile(data, size);
    for (const char *node : {"0", "1", "2", "3", "4"}) {
        std::list<CustomLightItemStu> items;
        CLumtarXML_XmlCustomLightInfoSelectAll(path, node, &items);
    }
    return 0;
}
