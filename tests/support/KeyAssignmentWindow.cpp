#include "support/KeyAssignmentWindow.h"

#include <QPushButton>
#include <QtTest>

#include <vector>

#include "core/DDataManager.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CbNotice.h"

using lumtar::sim::SimController;

KeyAssignmentWindow::KeyAssignmentWindow() = default;

KeyAssignmentWindow::~KeyAssignmentWindow()
{
    stop();
}

DDevicePage *KeyAssignmentWindow::start(const char *model, int settleMs)
{
    m_path = SimController::instance().plug(model);
    m_window.reset(new DMainWidget);
    m_window->show();
    DDevicePage *devicePage = m_window->devicePage();
    if (!DevicePageProbe(devicePage).waitUntilIdle(settleMs)) {
        qWarning("the first enumeration did not end");
        return nullptr;
    }
    return devicePage;
}

void KeyAssignmentWindow::stop()
{
    if (!m_window)
        return;
    m_window.reset();
    SimController::instance().unplugAll();
    QTest::qWait(50);
}

DDevicePage *KeyAssignmentWindow::page() const
{
    return m_window ? m_window->devicePage() : nullptr;
}

DCustomKeysPage *KeyAssignmentWindow::host() const
{
    return page() ? page()->findChild<DCustomKeysPage *>() : nullptr;
}

QString KeyAssignmentWindow::toast() const
{
    const QList<CbNotice *> notices = page() ? page()->findChildren<CbNotice *>() : QList<CbNotice *>();
    return notices.isEmpty() ? QString() : notices.first()->text();
}

bool KeyAssignmentWindow::download(int timeoutMs)
{
    DCustomKeysPage *keys = host();
    keys->findChild<QPushButton *>(QStringLiteral("pushButton_Download"))->click();
    if (!keys->isDownloading())
        return false;
    // The page stops its movie when the download has ended, then the toast tells how.
    QElapsedTimer timer;
    timer.start();
    while (keys->isDownloading() && !timer.hasExpired(timeoutMs))
        QTest::qWait(20);
    return !keys->isDownloading() && toast() == QLatin1String("Download config successful");
}

keyboardButCustom *KeyAssignmentWindow::viewKey(int code)
{
    return DDataManager::getInstance()->keyButtonMap().value(code, nullptr);
}

QByteArray KeyAssignmentWindow::onboardKey(int layer, int code) const
{
    const std::vector<uint8_t> keys = SimController::instance().onboardKeys(m_path, layer);
    const int position = DDataManager::getInstance()->keyButtonList().indexOf(viewKey(code));
    if (position < 0 || size_t(4 * position + 4) > keys.size())
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(keys.data()) + 4 * position, 4).toHex();
}
