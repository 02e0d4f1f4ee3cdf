#include "sdk/store/StoreLog.h"

#include <atomic>
#include <stdio.h>

namespace lumtar {
namespace store {

namespace {
std::atomic<StoreLog::Callback> g_callback{nullptr};
}

void StoreLog::setCallback(Callback callback)
{
    g_callback.store(callback);
}

void StoreLog::write(const std::string &line)
{
    Callback cb = g_callback.load();
    if (cb)
        cb(line.c_str());
    else
        fprintf(stderr, "lumtarSdk: %s\n", line.c_str());
}

} // namespace store
} // namespace lumtar
