#include "ui/firmware/FirmwareWorker.h"

namespace {

thread_local FirmwareWorker *t_worker = nullptr;

} // namespace

FirmwareWorker::FirmwareWorker(Work work, QObject *parent)
    : QThread(parent)
    , m_work(std::move(work))
{
}

FirmwareWorker::~FirmwareWorker()
{
    cancelAndWait();
}

void FirmwareWorker::run()
{
    t_worker = this;
    m_result = m_work(*this);
    t_worker = nullptr;
}

void FirmwareWorker::cancelAndWait()
{
    std::function<void()> hook;
    {
        std::lock_guard<std::mutex> lock(m_hookMutex);
        m_cancelled = true;
        hook = std::move(m_cancelHook);
        m_cancelHook = nullptr;
    }
    if (hook)
        hook();
    wait();
}

void FirmwareWorker::setCancelHook(std::function<void()> hook)
{
    {
        std::lock_guard<std::mutex> lock(m_hookMutex);
        if (!m_cancelled) {
            m_cancelHook = std::move(hook);
            return;
        }
    }
    if (hook)
        hook();
}

bool FirmwareWorker::takeCancelHook()
{
    std::lock_guard<std::mutex> lock(m_hookMutex);
    const bool had = bool(m_cancelHook);
    m_cancelHook = nullptr;
    return had;
}

FirmwareWorker *FirmwareWorker::current()
{
    return t_worker;
}

void FirmwareWorker::reportProgress(int total, int done)
{
    emit sigProgress(total, done);
}
