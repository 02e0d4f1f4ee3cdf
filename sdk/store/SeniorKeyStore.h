// The advanced-key store "SeniorKeyConfig.xml": at most 40 records with
// unique ids, in store order.
#ifndef LUMTAR_SENIOR_KEY_STORE_H
#define LUMTAR_SENIOR_KEY_STORE_H

#include "sdk/include/LumtarXml.h"

#include <list>

namespace lumtar {
namespace store {

class SeniorKeyStore
{
public:
    static constexpr int kMaxRecords = 40;

    static bool createFile(const char *path);
    static bool prepare(const char *path);
    static bool records(const char *path, std::list<SeniorKeyInfoStu> *records);
    static bool add(const char *path, const SeniorKeyInfoStu &record);
    // An id no record of the store has ever had: one more than the highest
    // id it has held, deleted records included (the file keeps that id).
    static bool newId(const char *path, int *id);
    static bool modify(const char *path, const SeniorKeyInfoStu &record);
    static bool remove(const char *path, int id);
};

} // namespace store
} // namespace lumtar

#endif
