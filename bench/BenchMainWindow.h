// The main window as the application shows it on a 1366 x 768 screen over a
// simulated keyboard, for the benchmarks of its pages.
#ifndef BENCHMAINWINDOW_H
#define BENCHMAINWINDOW_H

#include <cstdio>

#include "BenchGui.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

namespace bench {

// Shows the window and waits until its keyboard is open and no device work
// runs; null (with a line saying so) when the keyboard did not open.
inline DDevicePage *showWithOpenKeyboard(DMainWidget &window)
{
    window.setGeometry(0, 0, 1366, 768);
    window.show();
    DDevicePage *page = window.devicePage();
    if (!idleUntil([page] { return page->currentKeyboardLink() != nullptr && !page->isDeviceWorkRunning(); }, 20000)) {
        std::printf("the simulated keyboard did not open\n");
        return nullptr;
    }
    return page;
}

} // namespace bench

#endif
