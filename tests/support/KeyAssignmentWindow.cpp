#include "support/KeyAssignmentWindow.h"

#include <QPushButton>
#include <QtTest>

#include <vector>

#include "core/DDataManager.h"
#include "sdk/sim/SimController.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CbNotice.h"

using lumtar::sim::SimController;

DDevicePage *KeyAssignmentWindow::start(const char *model, int gamepadMode)
{
    DDevicePage *devicePage = m_window.start(model, gamepadMode);
    if (devicePage)
        devicePage->window()->show();
    return devicePage;
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
    const std::vector<uint8_t> keys = SimController::instance().onboardKeys(path(), layer);
    const int position = DDataManager::getInstance()->keyButtonList().indexOf(viewKey(code));
    if (position < 0 || size_t(4 * position + 4) > keys.size())
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(keys.data()) + 4 * position, 4).toHex();
}
