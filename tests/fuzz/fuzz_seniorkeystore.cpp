// The advanced-key store on arbitrary input.
#include "tests/fuzz/FuzzStoreFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *path = fuzzstore::inputFile(data, size);
    std::list<SeniorKeyInfoStu> records;
    CLumtarXML_SeniorKey_SelectAllInfoItem(path, &records);
    fuzzstore::checkWriteRoundTrip(data, size);
    return 0;
}
