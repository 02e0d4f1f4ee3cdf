#include "device/MainHidInterFace.h"

#include "device/DeviceModelLists.h"
#include "device/HidReportBuff.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QMetaType>
#include <QTimer>

#include <cstring>

namespace {

unsigned char *heapCopy(const unsigned char *src, int count)
{
    auto *copy = new unsigned char[HidReportBuff::Size]();
    if (count > 0)
        std::memcpy(copy, src, static_cast<size_t>(qMin(count, HidReportBuff::Size)));
    return copy;
}

// The serial-number reply carries its 32 characters in bytes 6..37.
constexpr int kSerialReplyLength = 38;

} // namespace

MainHidInterFace::MainHidInterFace(int threadIndex, const QString &hidName, QObject *parent)
    : QThread(parent)
    , m_threadIndex(threadIndex)
    , m_hidName(hidName)
{
    qRegisterMetaType<unsigned char *>("unsigned char*");
    m_lightBatchLimit = DeviceModelLists::lightBatchLimit(hidName);

    m_shakeHandsTimer = new QTimer(this);
    m_shakeHandsTimer->setInterval(1000);
    connect(m_shakeHandsTimer, &QTimer::timeout, this, &MainHidInterFace::onShakeHandsRuning);

    CLumtarHid_highPrecisionTimerInit(&m_timerContext);
    CLumtarHid_highPrecisionTimerStart(m_timerContext);
    m_timerStarted = true;
}

MainHidInterFace::~MainHidInterFace()
{
    qDebug() << "________________________ MainHidInterFace::~MainHidInterFace() ........";
    // A QThread must not be destroyed while it runs: close first, which waits.
    closeHid();
    stopTimer();
    // What is still queued (light frames, commands the close had no time
    // for) is never sent.
    std::unique_lock<std::mutex> cmdLock(m_cmdMutex);
    for (unsigned char *report : qAsConst(m_cmdQueue))
        delete[] report;
    m_cmdQueue.clear();
    cmdLock.unlock();
    std::lock_guard<std::mutex> lightLock(m_lightMutex);
    for (unsigned char *report : qAsConst(m_lightQueue))
        delete[] report;
    m_lightQueue.clear();
}

int MainHidInterFace::openHid(const QString &path)
{
    if (m_isOpen.load())
        return 0;
    m_hidPath = path;
    m_hidPathLatin1 = path.toLatin1();
    const int handle = CLumtarHid_OpenPath(m_hidPathLatin1.constData());
    if (handle <= 0) {
        qDebug() << "Unable to open device [Error]";
        return -1;
    }
    m_handle = handle;
    qDebug().noquote() << "Open device success; HidName:" << m_hidName;
    m_isOpen.store(true);

    HidReportBuff serialInquiry;
    serialInquiry[0] = 0x00;
    serialInquiry[1] = 0x14;
    writeHidCmd(serialInquiry.constData());

    m_shakeHandsTimer->start();
    CLumtarHid_SetNonblocking(m_handle, 1);
    emit sigOpenHidSuccessful();
    return 0;
}

int MainHidInterFace::closeHid()
{
    if (!m_isOpen.exchange(false))
        return 0;
    if (m_shakeHandsTimer->isActive())
        m_shakeHandsTimer->stop();
    // An idle thread would see the cleared flag only after its long wait.
    CLumtarHid_highPrecisionTimerWake(m_timerContext);
    // The loop sees the cleared flag at its next check; the handle is released
    // only once no read or write on it can be under way.
    if (isRunning())
        wait();
    CLumtarHid_Close(m_handle);
    m_handle = 0;
    stopTimer();
    return 0;
}

bool MainHidInterFace::isOpen() const
{
    return m_isOpen.load();
}

void MainHidInterFace::stopTimer()
{
    if (!m_timerStarted)
        return;
    m_timerStarted = false;
    CLumtarHid_highPrecisionTimerStop(m_timerContext);
}

int MainHidInterFace::writeHidCmd(const char *report)
{
    if (!m_isOpen.load() || !report)
        return -1;
    unsigned char *copy = heapCopy(reinterpret_cast<const unsigned char *>(report), HidReportBuff::Size);
    {
        std::lock_guard<std::mutex> lock(m_cmdMutex);
        m_cmdQueue.append(copy);
        if (m_cmdQueue.size() > m_cmdQueuePeak.load())
            m_cmdQueuePeak.store(m_cmdQueue.size());
    }
    wakeIfIdle();
    return 0;
}

int MainHidInterFace::writeHidLightCmd(const char *report)
{
    if (!m_isOpen.load() || !report)
        return -1;
    bool batchComplete = false;
    {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        if (m_lightQueue.isEmpty())
            m_lightAccepting = true;
        if (!m_lightSendEnabled.load() || !m_lightAccepting)
            return 0;
        if (m_lightQueue.size() >= m_lightBatchLimit) {
            m_lightAccepting = false;
            batchComplete = true;
        }
        m_lightQueue.append(heapCopy(reinterpret_cast<const unsigned char *>(report), HidReportBuff::Size));
    }
    // Frames of a batch still filling are not sent yet: only a complete
    // batch needs the thread.
    if (batchComplete)
        wakeIfIdle();
    return 0;
}

void MainHidInterFace::setLightSendEnabled(bool enabled)
{
    m_lightSendEnabled.store(enabled);
    if (enabled)
        wakeIfIdle();
}

bool MainHidInterFace::isLightQueueEmpty()
{
    std::lock_guard<std::mutex> lock(m_lightMutex);
    return m_lightQueue.isEmpty();
}

void MainHidInterFace::wakeIfIdle()
{
    if (m_idleWaiting.exchange(false))
        CLumtarHid_highPrecisionTimerWake(m_timerContext);
}

void MainHidInterFace::onShakeHandsRuning()
{
    if (!m_isOpen.load())
        return;
    HidReportBuff shakeHands(0x00, 0, 1, 0x00);
    writeHidCmd(shakeHands.constData());
}

void MainHidInterFace::run()
{
    m_turnIsWrite = true;
    while (m_isOpen.load()) {
        const bool wasWrite = m_turnIsWrite;
        const bool moved = wasWrite ? writeTurn() : readTurn();
        m_turnIsWrite = !m_turnIsWrite;
        ++m_turns;
        // A read turn follows each write turn at once; a write turn keeps
        // its distance from the last report itself (waitForWriteSlot).
        if (wasWrite)
            continue;
        // A report read may have company; a report waiting is written next.
        if (moved || hasReportToWrite())
            continue;
        idleWait();
    }
    flushCommands();
}

void MainHidInterFace::flushCommands()
{
    QElapsedTimer spent;
    spent.start();
    while (spent.elapsed() < CloseFlushMs) {
        unsigned char *report = nullptr;
        {
            std::lock_guard<std::mutex> lock(m_cmdMutex);
            if (!m_cmdQueue.isEmpty())
                report = m_cmdQueue.takeFirst();
        }
        if (!report)
            return;
        const int written = CLumtarHid_HidWriteBuff(m_handle, report, m_hidPathLatin1.constData());
        delete[] report;
        // A keyboard that is gone takes nothing more.
        if (written < 0)
            return;
    }
}

bool MainHidInterFace::hasReportToWrite()
{
    {
        std::lock_guard<std::mutex> lock(m_cmdMutex);
        if (!m_cmdQueue.isEmpty())
            return true;
    }
    if (!m_lightSendEnabled.load())
        return false;
    std::lock_guard<std::mutex> lock(m_lightMutex);
    return !m_lightAccepting && !m_lightQueue.isEmpty();
}

void MainHidInterFace::idleWait()
{
    // Announce the wait first, then look once more: a report queued in
    // between either is seen here or wakes the timer (a wake before the wait
    // ends it at once).
    m_idleWaiting.store(true);
    if (hasReportToWrite() || !m_isOpen.load()) {
        m_idleWaiting.store(false);
        return;
    }
    // Until a report arrives or one is queued. A device that is gone reads
    // at once: then only a queued report (or the close) ends the wait.
    if (m_inputGone || CLumtarHid_HidWaitInput(m_handle, -1, m_timerContext) < 0)
        CLumtarHid_highPrecisionTimerRuning(IdleTimerUnits, m_timerContext);
    m_idleWaiting.store(false);
}

void MainHidInterFace::waitForWriteSlot()
{
    using namespace std::chrono;
    const microseconds spacing(WriteSpacingUnits * LUMTAR_TIMER_UNIT_US);
    // A wake left over from an idle wait may cut a wait short: wait again.
    for (;;) {
        const auto since = duration_cast<microseconds>(steady_clock::now() - m_lastWrite);
        if (since >= spacing || !m_isOpen.load())
            return;
        const long long left = (spacing - since).count();
        CLumtarHid_highPrecisionTimerRuning(static_cast<int>((left + LUMTAR_TIMER_UNIT_US - 1) / LUMTAR_TIMER_UNIT_US),
                                            m_timerContext);
    }
}

bool MainHidInterFace::writeTurn()
{
    if (!hasReportToWrite())
        return false;
    // The report is chosen after the wait: a command queued meanwhile still
    // goes before light frames.
    waitForWriteSlot();
    // Closed meanwhile: the commands still queued go out on the way out
    // (flushCommands), light frames never.
    if (!m_isOpen.load())
        return false;
    unsigned char *report = nullptr;
    bool isCommand = false;
    {
        std::lock_guard<std::mutex> lock(m_cmdMutex);
        if (!m_cmdQueue.isEmpty()) {
            report = m_cmdQueue.takeFirst();
            isCommand = true;
        }
    }
    if (!report && m_lightSendEnabled.load()) {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        if (!m_lightAccepting && !m_lightQueue.isEmpty())
            report = m_lightQueue.takeFirst();
    }
    if (!report)
        return false;
    // A command taken is written also when the close came just now: the
    // handle is released only after this thread ended.
    if (isCommand || m_isOpen.load()) {
        // Spaced from the start of the last write: a keyboard that takes
        // its time over a report (a USB interrupt endpoint takes up to a
        // millisecond) has paced the next one already.
        m_lastWrite = std::chrono::steady_clock::now();
        CLumtarHid_HidWriteBuff(m_handle, report, m_hidPathLatin1.constData());
    }
    delete[] report;
    return true;
}

bool MainHidInterFace::readTurn()
{
    if (!m_isOpen.load())
        return false;
    unsigned char buffer[HidReportBuff::Size] = {};
    const int count = CLumtarHid_HidReadBuff(m_handle, buffer);
    if (count < 0) {
        m_inputGone = true;
        if (!m_readFailureLogged) {
            m_readFailureLogged = true;
            qDebug().noquote() << "HID read failed, the device is gone:" << m_hidName;
        }
        return false;
    }
    if (count == 0)
        return false;
    const int length = qMin(count, HidReportBuff::Size);
    if (length >= 2 && buffer[1] == 0x15) {
        if (length < kSerialReplyLength) {
            qDebug().noquote() << "Short serial number report ignored, length:" << length;
            return true;
        }
        emit sigHidSnGetOver(heapCopy(buffer, length), m_hidName);
        return true;
    }
    emit sigHidDataArrived(heapCopy(buffer, length), length, m_threadIndex);
    return true;
}
