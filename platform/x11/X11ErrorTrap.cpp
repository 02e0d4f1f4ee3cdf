#include "platform/x11/X11ErrorTrap.h"

#include <X11/Xlib.h>

#include <map>
#include <mutex>

namespace {

std::mutex g_mutex;
std::map<Display *, int> g_errors;
XErrorHandler g_previous = nullptr;
bool g_installed = false;

int trapError(Display *display, XErrorEvent *event)
{
    XErrorHandler previous = nullptr;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        auto it = g_errors.find(display);
        if (it != g_errors.end()) {
            it->second = event->error_code;
            return 0;
        }
        previous = g_previous;
    }
    return previous ? previous(display, event) : 0;
}

} // namespace

void X11ErrorTrap::watch(Display *display)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!g_installed) {
        g_installed = true;
        g_previous = XSetErrorHandler(trapError);
    }
    g_errors[display] = 0;
}

void X11ErrorTrap::unwatch(Display *display)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_errors.erase(display);
}

int X11ErrorTrap::takeError(Display *display)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_errors.find(display);
    if (it == g_errors.end())
        return 0;
    const int code = it->second;
    it->second = 0;
    return code;
}
