#include "ui/mainwidget/devicePage/DeviceOpenSequence.h"

#include "device/DDeviceKeyboardLink.h"
#include "device/LinkReadyWait.h"

DeviceOpenSequence::DeviceOpenSequence(QObject *parent)
    : QObject(parent)
    , m_linkWait(new LinkReadyWait(this))
    , m_travelReader(new KeyTravelReader(this))
{
    connect(m_travelReader, &KeyTravelReader::finished, this, [this](const QVector<KeyTravelReader::Travel> &travels) {
        if (m_stage != Stage::ReadingTravel)
            return;
        m_stage = Stage::LastStep;
        emit sigTravelRead(travels);
    });
}

void DeviceOpenSequence::start(DDeviceKeyboardLink *link)
{
    abort();
    m_link = link;
    m_stage = Stage::WaitingForLink;
    m_linkWait->start(link, LinkReadyWaitMs, [this](bool) {
        m_stage = Stage::ProfileStep;
        emit sigLinkSettled();
    });
}

void DeviceOpenSequence::readTravel(const QVector<KeyTravelReader::Key> &keys, KeyTravelReader::Sender send)
{
    if (m_stage == Stage::Idle)
        return;
    m_stage = Stage::ReadingTravel;
    if (m_link)
        connect(m_link.data(), &DDeviceKeyboardLink::sigQueryMagneticAxisOneKeyDataBack, m_travelReader,
                &KeyTravelReader::onReply, Qt::UniqueConnection);
    m_travelReader->start(m_link, keys, std::move(send));
}

void DeviceOpenSequence::finish()
{
    if (m_link)
        disconnect(m_link.data(), nullptr, m_travelReader, nullptr);
    m_stage = Stage::Idle;
    m_link.clear();
}

void DeviceOpenSequence::abort()
{
    m_linkWait->cancel();
    m_travelReader->abort();
    finish();
}

DDeviceKeyboardLink *DeviceOpenSequence::link() const
{
    return m_link;
}
