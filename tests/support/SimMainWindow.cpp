#include "support/SimMainWindow.h"

#include <QTest>

#include "core/DDataManager.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

using lumtar::sim::SimController;

SimMainWindow::SimMainWindow() = default;

SimMainWindow::~SimMainWindow()
{
    close();
}

bool SimMainWindow::initialise()
{
    DDataManager::getInstance();
    const bool ready = CLumtarXML_Init() == 0 && CLumtarHid_Init() == 0;
    SimController::instance().unplugAll();
    return ready;
}

DDevicePage *SimMainWindow::start(const char *model, int gamepadMode)
{
    startOver(SimController::instance().plug(model, 0, gamepadMode));
    if (!DevicePageProbe(m_page).waitUntilIdle(SettleMs))
        qWarning("the first enumeration did not end");
    return m_page;
}

DDevicePage *SimMainWindow::startOver(const std::string &path)
{
    m_path = path;
    m_window.reset(new DMainWidget);
    m_page = m_window->devicePage();
    return m_page;
}

bool SimMainWindow::dismissFirmwareOffer(int timeoutMs)
{
    const auto offer = [this] { return m_window ? m_window->findChild<DUpdateFirmwareDia *>() : nullptr; };
    if (!QTest::qWaitFor([&] { return offer() && offer()->isVisible(); }, timeoutMs))
        return false;
    delete offer();
    return true;
}

void SimMainWindow::close()
{
    if (!m_window && m_path.empty())
        return;
    m_window.reset();
    m_page = nullptr;
    m_path.clear();
    SimController::instance().unplugAll();
    QTest::qWait(50);
}
