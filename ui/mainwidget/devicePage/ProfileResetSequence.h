// The waits of resetting the current profile, as steps that single-shot
// timers and the keyboard's replies advance: a pause of 250 ms for the
// keyboard to restore its default travel, on a magnetic-switch keyboard the
// travel values of every key read back, another pause of 250 ms, and then
// the page restores the profile. The page does the work between the waits
// when the sequence tells it to go on; aborting at any step ends the
// sequence at once without a further signal. Widget-free; GUI thread.
#ifndef PROFILERESETSEQUENCE_H
#define PROFILERESETSEQUENCE_H

#include <QObject>
#include <QPointer>
#include <QVector>

#include "ui/mainwidget/devicePage/KeyTravelReader.h"

class DDeviceKeyboardLink;
class QTimer;

class ProfileResetSequence : public QObject
{
    Q_OBJECT
public:
    static constexpr int PauseMs = 250;

    enum class Stage { Idle, FirstPause, ReadingTravel, SecondPause };

    explicit ProfileResetSequence(QObject *parent = nullptr);

    // Starts the waits of a reset of `link`'s keyboard. The travel values of
    // `keys` are read back between the pauses (none: no read-back); `send`
    // asks the keyboard for one key's values. A reset that runs is abandoned.
    void start(DDeviceKeyboardLink *link, const QVector<KeyTravelReader::Key> &keys, KeyTravelReader::Sender send);
    // Ends the sequence at any step, without a further signal.
    void abort();

    bool isRunning() const { return m_stage != Stage::Idle; }
    Stage stage() const { return m_stage; }
    // The keyboard being reset; null once its link went away.
    DDeviceKeyboardLink *link() const;

signals:
    // The travel values read back (only when keys were given).
    void sigTravelRead(QVector<KeyTravelReader::Travel> travels);
    // The last pause is over: the page restores the profile now. The
    // sequence is idle when this is emitted.
    void sigRestoreDue();

private:
    void afterFirstPause();

    Stage m_stage = Stage::Idle;
    QPointer<DDeviceKeyboardLink> m_link;
    QVector<KeyTravelReader::Key> m_keys;
    KeyTravelReader::Sender m_send;
    QTimer *m_timer = nullptr;
    KeyTravelReader *m_travelReader = nullptr;
};

#endif
