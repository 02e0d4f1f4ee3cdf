#include "ui/mainwidget/devicePage/DeviceOpenSequence.h"

#include "device/DDeviceKeyboardLink.h"
#include "device/LinkReadyWait.h"

#include <QTimer>

DeviceOpenSequence::DeviceOpenSequence(QObject *parent)
    : QObject(parent)
    , m_linkWait(new LinkReadyWait(this))
    , m_stepTimer(new QTimer(this))
    , m_travelReader(new KeyTravelReader(this))
{
    m_stepTimer->setSingleShot(true);
    connect(m_stepTimer, &QTimer::timeout, this, [this] {
        if (m_stage != Stage::RunningSteps)
            return;
        if (m_steps.isEmpty()) {
            m_stage = Stage::ProfileStep;
            emit sigStepsDone();
            return;
        }
        const std::function<void()> step = m_steps.takeFirst();
        m_stepTimer->start(0);
        step();
    });
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
    const int generation = ++m_generation;
    m_linkWait->start(link, LinkReadyWaitMs, [this, generation](bool) {
        // Always from the event loop, never inside start().
        QTimer::singleShot(0, this, [this, generation] {
            if (generation != m_generation || m_stage != Stage::WaitingForLink)
                return;
            m_stage = Stage::ProfileStep;
            emit sigLinkSettled();
        });
    });
}

void DeviceOpenSequence::runSteps(const QVector<std::function<void()>> &steps)
{
    if (m_stage == Stage::Idle)
        return;
    m_stage = Stage::RunningSteps;
    m_steps = steps;
    m_stepTimer->start(0);
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
    ++m_generation;
    m_linkWait->cancel();
    m_stepTimer->stop();
    m_steps.clear();
    m_travelReader->abort();
    finish();
}

DDeviceKeyboardLink *DeviceOpenSequence::link() const
{
    return m_link;
}
