// The advanced-key store on arbitrary input.
#include "tests/fuzz/FuzzStoreFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *path = fuzzstore::inputFile(data, size);
    std::list<SeniorKeyInfoStu> records;
    CLumtarXML_SeniorKey_SelectAllInfoItem(path, &records);
    int id = 0;
    if (CLumtarXML_SeniorKey_NewId(path, &id) && id < 1)
        __builtin_trap();
    fuzzstore::checkWriteRoundTrip(data, size);
    return 0;
}
