#include "ui/mainwidget/UfwVolumeUpdate.h"

#include <QDebug>
#include <QFile>
#include <QMutexLocker>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include "sdk/include/LumtarFirmware.h"
#include "ui/firmware/FirmwareImageCheck.h"
#include "ui/firmware/FirmwareWorker.h"
#include "ui/mainwidget/UfwLibrary.h"

namespace {

// How often quitting asks the library again to end a write, while waiting
// for the writing thread.
const int kCancelAgainMs = 50;

// On the writing thread: the image given to the library, the keyboard's
// drive searched from "A:" to "Z:", and written. The library's image stays
// this write's to its end.
UfwVolumeUpdate::Outcome writeThroughVolume(UfwLibrary &library, const QString &fileName, JL_progress_t progress)
{
    UfwVolumeUpdate::Outcome out;
    QTemporaryDir folder;
    QFile file(FirmwareImageCheck::copyImage(fileName, folder));
    if (!file.open(QIODevice::ReadOnly)) {
        out.result = JL_ERR_NO_IMAGE;
        return out;
    }
    const QByteArray image = file.readAll();
    QMutexLocker lock(&library.imageLock());
    out.result = library.loadUfwData(reinterpret_cast<const unsigned char *>(image.constData()), image.size());
    if (out.result != JL_OK)
        return out;
    out.stage = UfwVolumeUpdate::Outcome::Search;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        char id[16] = {};
        char version[8] = {};
        out.result = library.queryDevicePidVid(letter, id, int(sizeof id), version, int(sizeof version));
        if (out.result == JL_ERR_NOT_THIS_DRIVE)
            continue;
        if (out.result != JL_OK)
            return out;
        qDebug() << "Keyboard in its update mode on drive" << QStringLiteral("%1:").arg(QLatin1Char(letter));
        out.stage = UfwVolumeUpdate::Outcome::Write;
        out.result = library.upgradeDevice(letter, 1, 1, progress);
        return out;
    }
    return out;
}

} // namespace

UfwVolumeUpdate::UfwVolumeUpdate(UfwLibrary *library, JL_progress_t progress, QObject *parent)
    : QObject(parent)
    , m_library(library)
    , m_progress(progress)
{
    m_startTimer = new QTimer(this);
    m_startTimer->setSingleShot(true);
    connect(m_startTimer, &QTimer::timeout, this, &UfwVolumeUpdate::runJlUpgrade);
}

UfwVolumeUpdate::~UfwVolumeUpdate()
{
    stop();
}

void UfwVolumeUpdate::start(const QString &model, int connectType)
{
    abandon();
    m_stopped = false;
    m_model = model;
    m_connectType = connectType;
    m_pending = true;
    m_waitClock.start();
    // The drive is searched after the delay, and again until the wait is over.
    m_startTimer->start(kStartDelayMs);
}

bool UfwVolumeUpdate::isWriting() const
{
    return bool(m_worker);
}

void UfwVolumeUpdate::abandon()
{
    m_pending = false;
    m_startTimer->stop();
}

void UfwVolumeUpdate::runJlUpgrade()
{
    if (!m_pending || m_worker || m_stopped)
        return;
    if (!m_library || !m_library->canWrite()) {
        qDebug() << "JL upgrade not available: the upgrade library is missing";
        finish(false);
        return;
    }
    FirmwareFamilyStu family;
    if (!FirmwareImageCheck::familyOf(m_model, &family))
        return;
    const QString fileName = FirmwareImageCheck::imageFileName(family, m_connectType);
    UfwLibrary *library = m_library;
    const JL_progress_t progress = m_progress;
    auto outcome = std::make_shared<Outcome>();
    auto *worker = new FirmwareWorker(
        [library, fileName, progress, outcome](FirmwareWorker &) {
            *outcome = writeThroughVolume(*library, fileName, progress);
            return outcome->result;
        },
        this);
    connect(worker, &FirmwareWorker::sigProgress, this, &UfwVolumeUpdate::progress);
    connect(worker, &QThread::finished, this, [this, worker, outcome]() {
        if (m_worker != worker)
            return;
        m_worker = nullptr;
        worker->deleteLater();
        onWorkFinished(*outcome);
    });
    m_worker = worker;
    worker->start();
}

void UfwVolumeUpdate::onWorkFinished(Outcome outcome)
{
    if (m_stopped || !m_pending)
        return;
    switch (outcome.stage) {
    case Outcome::Image:
        qDebug() << "---------------- *** File error 02 JL *** ---------------" << outcome.result;
        finish(false);
        break;
    case Outcome::Search:
        // Not on any drive yet: looked for again until the wait is over.
        if (outcome.result == JL_ERR_NOT_THIS_DRIVE && !m_waitClock.hasExpired(m_waitMs)) {
            m_startTimer->start(kSearchAgainMs);
            break;
        }
        qDebug() << "JL m_queryDevicePidVid()  csErrorText:" << FirmwareImageCheck::libraryErrorText(outcome.result, true);
        logRefusedVolume(outcome.result);
        finish(false);
        break;
    default:
        if (outcome.result == JL_OK) {
            finish(true);
            break;
        }
        qDebug() << "JL m_upgradeDevice()  csErrorText:" << FirmwareImageCheck::libraryErrorText(outcome.result, false);
        logRefusedVolume(outcome.result);
        finish(false);
        break;
    }
}

void UfwVolumeUpdate::logRefusedVolume(int result)
{
    // The library names the file it refused on its standard error.
    if (result == JL_ERR_VOLUME)
        qDebug() << "The update volume was refused or could not be read or written: only regular files of its own"
                    " are used there, nothing outside it is touched";
}

void UfwVolumeUpdate::finish(bool success)
{
    abandon();
    emit finished(success);
}

void UfwVolumeUpdate::stop()
{
    m_stopped = true;
    abandon();
    FirmwareWorker *worker = m_worker;
    if (!worker)
        return;
    m_worker = nullptr;
    worker->disconnect(this);
    // Asked again while the thread runs: a write that began just after a
    // request had not seen it.
    do {
        if (m_library)
            m_library->cancelWrites();
    } while (!worker->wait(kCancelAgainMs));
    delete worker;
}
