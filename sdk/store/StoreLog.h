// Where the stores' log lines go: the callback the application installs, or
// standard error.
#ifndef LUMTAR_STORE_LOG_H
#define LUMTAR_STORE_LOG_H

#include <string>

namespace lumtar {
namespace store {

class StoreLog
{
public:
    typedef void (*Callback)(const char *line);
    static void setCallback(Callback callback);
    static void write(const std::string &line);
};

} // namespace store
} // namespace lumtar

#endif
