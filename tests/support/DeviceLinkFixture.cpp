#include "support/DeviceLinkFixture.h"

#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/SimReportLog.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <functional>

using lumtar::sim::SimController;

namespace {

bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qSleep(1);
    }
    return true;
}

} // namespace

bool DeviceLinkFixture::prepareEnvironment()
{
    static QTemporaryDir home;
    if (!home.isValid())
        return false;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + QStringLiteral("/cache")));
    return CLumtarXML_Init() == 0 && CLumtarHid_Init() == 0;
}

DeviceLinkFixture::DeviceLinkFixture()
{
    m_profilePath = QFile::encodeName(m_dir.path() + QStringLiteral("/appProfile_Default.xml"));
    CLumtarXML_CreateXMLFile(m_profilePath.constData());
    CLumtarXML_CreateProFileXmlParentNode(m_profilePath.constData(), "1", "Profile1", 0);
    CLumtarXML_ModifyXMLFileProfileIndex(m_profilePath.constData(), 1);
}

DeviceLinkFixture::~DeviceLinkFixture()
{
    closeLink();
    SimController::instance().unplugAll();
}

void DeviceLinkFixture::closeLink()
{
    m_link.reset();
}

bool DeviceLinkFixture::open(const char *model, int connectType)
{
    m_path = SimController::instance().plug(model, connectType);
    if (m_path.empty())
        return false;
    hidStructInfoAll record = {};
    lumtarCopyField(record.deviceKind, "keyboard");
    lumtarCopyField(record.hidPath, m_path.c_str());
    lumtarCopyField(record.hidModel, model);
    record.isOnline = 1;
    record.connectType = connectType;
    m_link = std::make_unique<DDeviceKeyboardLink>();
    m_link->setXmlProfilePath(m_profilePath.constData());
    m_link->setProfileIndex(1);
    m_link->openDevice(0, record);
    return m_link->hidInterface() && m_link->hidInterface()->isOpen();
}

bool DeviceLinkFixture::waitUntilReady(int timeoutMs)
{
    // The last reply of the chain is the custom-key bitmap (every simulated
    // model has keys with custom colours).
    return waitFor([this] {
        return m_link->isDeviceInfoReady() && !m_link->serialNumber().isEmpty()
               && !m_link->customKeyPosList().isEmpty();
    }, timeoutMs);
}

bool DeviceLinkFixture::sync()
{
    // A 0x0B report only passes its count on: a running count in it marks
    // the end of everything the keyboard sent before.
    QSignalSpy handled(m_link.get(), &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd);
    m_syncCount = (m_syncCount + 1) & 0xFF;
    const int tag = m_syncCount;
    std::array<uint8_t, 64> marker{};
    marker[0] = 0x01;
    marker[1] = 0x0B;
    marker[2] = static_cast<uint8_t>(tag);
    if (!SimController::instance().sendInputReport(m_path, marker))
        return false;
    return waitFor([&] {
        for (const QList<QVariant> &args : qAsConst(handled)) {
            if (args.at(0).toInt() == tag)
                return true;
        }
        return false;
    }, 5000);
}

bool DeviceLinkFixture::deliver(const QByteArray &report)
{
    std::array<uint8_t, 64> r{};
    for (int i = 0; i < 64 && i < report.size(); ++i)
        r[static_cast<size_t>(i)] = static_cast<uint8_t>(report.at(i));
    if (!SimController::instance().sendInputReport(m_path, r))
        return false;
    return sync();
}

bool DeviceLinkFixture::deliver(const QMap<int, int> &bytes)
{
    return deliver(SimReportLog::report(bytes));
}
