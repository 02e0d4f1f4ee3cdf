// The waits of opening one keyboard, as steps that replies and single-shot
// timers advance: first the link's first replies (up to 1.5 s), then pieces
// of work the page hands over, one per turn of the event loop (the new
// profile files, one write each), then, on a magnetic-switch keyboard, the
// travel values of every key. The device page runs the work between the
// waits when the sequence tells it to go on.
// Aborting at any step (quitting, the keyboard unplugged, another keyboard
// shown) ends it at once without a further signal. Widget-free; GUI thread.
#ifndef DEVICEOPENSEQUENCE_H
#define DEVICEOPENSEQUENCE_H

#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

#include "ui/mainwidget/devicePage/KeyTravelReader.h"

class DDeviceKeyboardLink;
class LinkReadyWait;
class QTimer;

class DeviceOpenSequence : public QObject
{
    Q_OBJECT
public:
    static constexpr int LinkReadyWaitMs = 1500;

    enum class Stage { Idle, WaitingForLink, ProfileStep, RunningSteps, ReadingTravel, LastStep };

    explicit DeviceOpenSequence(QObject *parent = nullptr);

    // Starts opening `link`, abandoning any open that runs. sigLinkSettled
    // follows once the link is ready or its wait ran out, in the next turn
    // of the event loop when it is ready already.
    void start(DDeviceKeyboardLink *link);
    // Runs each piece of work in a turn of the event loop of its own;
    // sigStepsDone follows the last.
    void runSteps(const QVector<std::function<void()>> &steps);
    // Reads the travel values of `keys` (magnetic-switch keyboards);
    // sigTravelRead follows.
    void readTravel(const QVector<KeyTravelReader::Key> &keys, KeyTravelReader::Sender send);
    // The page's last step ran: the open is over.
    void finish();
    // Ends the open at any step, without a further signal.
    void abort();

    bool isRunning() const { return m_stage != Stage::Idle; }
    Stage stage() const { return m_stage; }
    DDeviceKeyboardLink *link() const;

signals:
    void sigLinkSettled();
    void sigStepsDone();
    void sigTravelRead(QVector<KeyTravelReader::Travel> travels);

private:
    Stage m_stage = Stage::Idle;
    // Tells a late call of an open that was ended from one of the open that runs.
    int m_generation = 0;
    QPointer<DDeviceKeyboardLink> m_link;
    LinkReadyWait *m_linkWait = nullptr;
    QTimer *m_stepTimer = nullptr;
    QVector<std::function<void()>> m_steps;
    KeyTravelReader *m_travelReader = nullptr;
};

#endif
