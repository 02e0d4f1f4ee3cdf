#include "ui/mainwidget/devicePage/ProfileResetSequence.h"

#include <QTimer>

#include "device/DDeviceKeyboardLink.h"

ProfileResetSequence::ProfileResetSequence(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_travelReader(new KeyTravelReader(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_stage == Stage::FirstPause) {
            afterFirstPause();
        } else if (m_stage == Stage::SecondPause) {
            abort();
            emit sigRestoreDue();
        }
    });
    connect(m_travelReader, &KeyTravelReader::finished, this, [this](const QVector<KeyTravelReader::Travel> &travels) {
        if (m_stage != Stage::ReadingTravel)
            return;
        if (m_link)
            disconnect(m_link.data(), nullptr, m_travelReader, nullptr);
        m_stage = Stage::SecondPause;
        m_timer->start(PauseMs);
        emit sigTravelRead(travels);
    });
}

void ProfileResetSequence::start(DDeviceKeyboardLink *link, const QVector<KeyTravelReader::Key> &keys,
                                 KeyTravelReader::Sender send)
{
    abort();
    m_link = link;
    m_keys = keys;
    m_send = std::move(send);
    m_stage = Stage::FirstPause;
    m_timer->start(PauseMs);
}

void ProfileResetSequence::afterFirstPause()
{
    if (m_keys.isEmpty() || !m_link) {
        m_stage = Stage::SecondPause;
        m_timer->start(PauseMs);
        return;
    }
    m_stage = Stage::ReadingTravel;
    connect(m_link.data(), &DDeviceKeyboardLink::sigQueryMagneticAxisOneKeyDataBack, m_travelReader,
            &KeyTravelReader::onReply, Qt::UniqueConnection);
    m_travelReader->start(m_link, m_keys, m_send);
}

void ProfileResetSequence::abort()
{
    m_timer->stop();
    m_travelReader->abort();
    if (m_link)
        disconnect(m_link.data(), nullptr, m_travelReader, nullptr);
    m_stage = Stage::Idle;
    m_keys.clear();
    m_send = nullptr;
}

DDeviceKeyboardLink *ProfileResetSequence::link() const
{
    return m_link;
}
