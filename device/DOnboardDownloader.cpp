#include "device/DOnboardDownloader.h"

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "device/OnboardKeyPacket.h"
#include "device/OnboardMacroPacket.h"
#include "device/OnboardSeniorKeyPacket.h"
#include "device/ProfileFileNames.h"
#include "device/ProfileIndexCheck.h"
#include "sdk/include/LumtarXml.h"

#include <QDebug>
#include <QFile>
#include <QTimer>

#include <cstring>
#include <list>
#include <memory>

namespace {

struct LayerFile
{
    ProfileFileNames::File file;
    uint8_t layerByte;
};

const LayerFile kLayers[DOnboardDownloader::LayerCount] = {
    { ProfileFileNames::DefaultLayer, OnboardKeyPacket::DefaultLayer },
    { ProfileFileNames::FnLayer, OnboardKeyPacket::FnLayer },
};

const char kKeyWriteFailed[] = "USB serial port [Write keyboard Onboard-data] Failed ...";
const char kMacroWriteFailed[] = "USB serial port [Write keyboard Macro-data list Failed ...";
const char kSeniorWriteFailed[] = "USB serial port [Write SeniorKes-data] Failed ...";
const char kEmptySeniorWriteFailed[] = "USB serial port [Write ADD SeniorKes-data] Failed ...";

void appendRecord(QVector<uint8_t> &bytes, const OnboardKeyPacket::KeyRecord &record)
{
    for (uint8_t b : record)
        bytes.append(b);
}

} // namespace

DOnboardDownloader::DOnboardDownloader(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    // The pauses must not end early: a coarse timer may fire 5 % before time.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &DOnboardDownloader::onWaitOver);
}

DOnboardDownloader::~DOnboardDownloader()
{
    for (const QMetaObject::Connection &c : qAsConst(m_connections))
        disconnect(c);
}

void DOnboardDownloader::setKeyCodeSource(std::function<QVector<int>()> source)
{
    m_keyCodeSource = std::move(source);
}

void DOnboardDownloader::setDataManager(DDataManager *dataManager)
{
    m_dataManager = dataManager;
}

QString DOnboardDownloader::outcomeText(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Succeeded:
        return tr("Download config successful");
    case Outcome::TooManyMacroKeys:
        return tr("More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded", nullptr,
                  OnboardMacroPacket::SlotCount);
    case Outcome::TooManySeniorKeys:
        return tr("More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded",
                  nullptr, OnboardSeniorKeyPacket::RecordCount);
    case Outcome::AlreadyRunning:
        return tr("A download is already running");
    case Outcome::Failed:
        break;
    }
    return tr("Download config failed, Please try again");
}

bool DOnboardDownloader::download(DDeviceKeyboardLink *link, const QString &profileFolder)
{
    if (m_running) {
        qDebug() << "Onboard download already running: the new request is refused";
        return false;
    }
    m_running = true;
    emit sigDownloadingChanged(true);

    m_attemptsMade = 0;
    m_resendCount = 0;
    for (bool &restarted : m_layerRestarted)
        restarted = false;
    m_layerRestarts = 0;
    m_deviceLost = false;
    m_writeRefused = false;
    m_link = link;
    m_hid = link ? link->hidInterface() : nullptr;
    m_profileFolder = profileFolder;
    if (m_link) {
        m_connections << connect(m_link.data(), &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, this,
                                 &DOnboardDownloader::onRuningOnboard0x19Cmd);
        m_connections << connect(m_link.data(), &QObject::destroyed, this, &DOnboardDownloader::onDeviceGone);
    }
    if (m_hid)
        m_connections << connect(m_hid.data(), &QObject::destroyed, this, &DOnboardDownloader::onDeviceGone);

    if (!m_hid) {
        qDebug() << "Onboard download: no open keyboard";
        finish(Outcome::Failed);
        return true;
    }
    readSeniorKeys();
    startAttempt();
    return true;
}

void DOnboardDownloader::cancel()
{
    if (!m_running)
        return;
    qDebug() << "Onboard download: cancelled";
    finish(Outcome::Failed);
}

void DOnboardDownloader::readSeniorKeys()
{
    DDataManager *data = m_dataManager ? m_dataManager.data() : DDataManager::getInstance();
    m_magnetic = data->isMagneticKeyboard();
    m_seniorKeys.clear();
    if (!m_magnetic)
        return;
    char path[DDataManager::PathBufferSize] = {};
    data->copySeniorKeyXmlPath(path);
    std::list<SeniorKeyInfoStu> records;
    if (CLumtarXML_SeniorKey_SelectAllInfoItem(path, &records) && !records.empty()) {
        for (const SeniorKeyInfoStu &record : records)
            m_seniorKeys.insert(record.id, record);
    }
}

void DOnboardDownloader::startAttempt()
{
    ++m_attemptsMade;
    const AttemptResult planned = planAttemptWithRestarts();
    if (planned != AttemptResult::Done) {
        endAttempt(planned);
        return;
    }
    advance();
}

DOnboardDownloader::AttemptResult DOnboardDownloader::planAttemptWithRestarts()
{
    // A layer file without a current profile restarts the attempt without
    // counting it, once per layer in a download: the file may have been in
    // the middle of a write. A loop, so that restarts never nest.
    for (;;) {
        const AttemptResult planned = planAttempt();
        if (planned != AttemptResult::NoProfileIndex)
            return planned;
        const int layer = m_layerWithoutProfile;
        if (layer < 0 || layer >= LayerCount || m_layerRestarted[layer])
            return planned;
        m_layerRestarted[layer] = true;
        ++m_layerRestarts;
        qDebug() << "Onboard download: attempt" << m_attemptsMade << "starts again";
    }
}

DOnboardDownloader::AttemptResult DOnboardDownloader::planAttempt()
{
    m_steps.clear();
    m_nextStep = 0;
    m_macroSlot = -1;
    m_alive = true;
    m_layerWithoutProfile = -1;
    m_acknowledged = true;
    m_writesOfLastReport = 0;
    m_stragglers = 0;
    m_timeouts = 0;
    m_lastMacroReport = HidReportBuff();
    m_macroReportSent = false;
    m_seniorIndex = -1;

    // Read and encode both layers first: a profile the keyboard cannot
    // hold is refused before anything reaches it.
    for (int layer = 0; layer < LayerCount; ++layer) {
        const AttemptResult planned = planLayer(layer);
        if (planned == AttemptResult::NoProfileIndex)
            m_layerWithoutProfile = layer;
        if (planned != AttemptResult::Done)
            return planned;
    }
    // The keyboard needs the pause to store what it received.
    m_steps.append({ Step::Pause, HidReportBuff() });
    // Macro slots that no key took are written empty.
    for (int slot = m_macroSlot + 1; slot < OnboardMacroPacket::SlotCount; ++slot)
        for (const HidReportBuff &report : OnboardMacroPacket::emptyReports(slot))
            m_steps.append({ Step::MacroReport, report, kMacroWriteFailed });
    // The last macro report counts only once the keyboard has taken it.
    m_steps.append({ Step::LastAcknowledgement, HidReportBuff() });
    if (m_magnetic) {
        m_steps.append({ Step::Pause, HidReportBuff() });
        for (int index = m_seniorIndex + 1; index < OnboardSeniorKeyPacket::RecordCount; ++index)
            m_steps.append({ Step::SeniorReport, OnboardSeniorKeyPacket::empty(index), kEmptySeniorWriteFailed });
    }
    return AttemptResult::Done;
}

void DOnboardDownloader::advance()
{
    while (m_running && m_nextStep < m_steps.size()) {
        const Step &step = m_steps.at(m_nextStep);
        switch (step.kind) {
        case Step::KeyReport:
            if (m_alive)
                writeReport(step.report, step.failureText);
            break;
        case Step::SeniorReport:
            // Written also in an abandoned attempt: the indexes this
            // profile leaves empty must not keep an earlier download's keys.
            writeReport(step.report, step.failureText);
            break;
        case Step::MacroReport:
            if (!m_alive)
                break;
            // Stop and wait: a macro report goes once the one before it was taken.
            if (!m_acknowledged) {
                waitForAcknowledgement();
                return;
            }
            m_lastMacroReport = step.report;
            m_acknowledged = false;
            m_writesOfLastReport = 1;
            m_stragglers = 0;
            m_macroReportSent = true;
            writeReport(step.report, step.failureText);
            break;
        case Step::Pause:
            ++m_nextStep;
            startPause();
            return;
        case Step::LastAcknowledgement:
            if (m_alive && m_macroReportSent && !m_acknowledged) {
                waitForAcknowledgement();
                return;
            }
            break;
        }
        ++m_nextStep;
        if (!deviceUsable()) {
            endAttempt(AttemptResult::DeviceLost);
            return;
        }
    }
    if (m_running)
        endAttempt(m_alive ? AttemptResult::Done : AttemptResult::Abandoned);
}

void DOnboardDownloader::startPause()
{
    m_waiting = Waiting::Pause;
    m_pauseClock.start();
    m_timer->start(PauseMs);
}

void DOnboardDownloader::waitForAcknowledgement()
{
    if (!deviceUsable()) {
        endAttempt(AttemptResult::DeviceLost);
        return;
    }
    m_timeouts = 0;
    m_waiting = Waiting::Acknowledgement;
    m_timer->start(AckWaitMs);
}

void DOnboardDownloader::onRuningOnboard0x19Cmd()
{
    // The acknowledgement names no report. Once a resent report is taken,
    // the acknowledgements of its earlier writes may still come; counted
    // for the next report they would let it pass untaken, so the next
    // report waits for them (or for as long as they were apart).
    if (m_acknowledged) {
        if (m_stragglers > 0)
            --m_stragglers;
        if (m_waiting == Waiting::Stragglers && m_stragglers == 0) {
            m_timer->stop();
            m_waiting = Waiting::Nothing;
            advance();
        }
        return;
    }
    m_acknowledged = true;
    m_stragglers = m_writesOfLastReport - 1;
    if (m_waiting != Waiting::Acknowledgement)
        return;
    m_timer->stop();
    m_waiting = Waiting::Nothing;
    if (m_stragglers > 0) {
        m_waiting = Waiting::Stragglers;
        m_timer->start(m_writesOfLastReport * AckWaitMs);
        return;
    }
    advance();
}

void DOnboardDownloader::onWaitOver()
{
    const Waiting waiting = m_waiting;
    m_waiting = Waiting::Nothing;
    if (!m_running)
        return;
    if (waiting == Waiting::Pause) {
        // The keyboard needs the whole pause to store what it received.
        const qint64 leftNs = qint64(PauseMs) * 1000000 - m_pauseClock.nsecsElapsed();
        if (leftNs > 0) {
            m_waiting = Waiting::Pause;
            m_timer->start(static_cast<int>((leftNs + 999999) / 1000000));
            return;
        }
        advance();
        return;
    }
    if (m_acknowledged) {
        advance();
        return;
    }
    if (!deviceUsable()) {
        endAttempt(AttemptResult::DeviceLost);
        return;
    }
    if (++m_timeouts > MaxResends) {
        abandonAttempt();
        return;
    }
    ++m_resendCount;
    ++m_writesOfLastReport;
    writeReport(m_lastMacroReport, kMacroWriteFailed);
    if (!deviceUsable()) {
        endAttempt(AttemptResult::DeviceLost);
        return;
    }
    m_waiting = Waiting::Acknowledgement;
    m_timer->start(AckWaitMs);
}

void DOnboardDownloader::abandonAttempt()
{
    qDebug() << "Onboard download: attempt" << m_attemptsMade
             << "was abandoned for want of an acknowledgement; its advanced-key records are still written";
    m_alive = false;
    advance();
}

void DOnboardDownloader::onDeviceGone()
{
    m_deviceLost = true;
    if (m_running)
        endAttempt(AttemptResult::DeviceLost);
}

void DOnboardDownloader::endAttempt(AttemptResult result)
{
    m_timer->stop();
    m_waiting = Waiting::Nothing;
    switch (result) {
    case AttemptResult::Done:
        finish(Outcome::Succeeded);
        return;
    case AttemptResult::TooManyMacroKeys:
        finish(Outcome::TooManyMacroKeys);
        return;
    case AttemptResult::TooManySeniorKeys:
        finish(Outcome::TooManySeniorKeys);
        return;
    case AttemptResult::DeviceLost:
        qDebug() << "Onboard download: the keyboard went away";
        finish(Outcome::Failed);
        return;
    case AttemptResult::NoProfileIndex:
        qDebug() << "Onboard download: a layer file is still without a current profile";
        finish(Outcome::Failed);
        return;
    case AttemptResult::Abandoned:
        break;
    }
    if (m_attemptsMade < MaxAttempts)
        startAttempt();
    else
        finish(Outcome::Failed);
}

void DOnboardDownloader::finish(Outcome outcome)
{
    m_timer->stop();
    m_waiting = Waiting::Nothing;
    for (const QMetaObject::Connection &c : qAsConst(m_connections))
        disconnect(c);
    m_connections.clear();
    m_link.clear();
    m_hid.clear();
    m_steps.clear();
    m_running = false;
    emit sigDownloadingChanged(false);
    emit sigFinished(outcome);
}

DOnboardDownloader::AttemptResult DOnboardDownloader::planLayer(int layer)
{
    const QVector<int> codes = m_keyCodeSource ? m_keyCodeSource() : QVector<int>();
    const QByteArray path =
        QFile::encodeName(m_profileFolder + QLatin1String(ProfileFileNames::fileName(kLayers[layer].file)));
    const int profileIndex = CLumtarXML_GetCreateXMLFileProfileIndex(path.constData());
    if (profileIndex == -1 || !profileFileHasProfile(path.constData(), profileIndex)) {
        // Sending the keys of a profile that is not there would fill the
        // keyboard with defaults.
        qDebug().noquote() << "Onboard download: no current profile in" << QFile::decodeName(path);
        return AttemptResult::NoProfileIndex;
    }
    m_layerFilePath = path;
    m_layerProfileIndex = profileIndex;
    const QByteArray indexText = QByteArray::number(profileIndex);
    const uint8_t layerByte = kLayers[layer].layerByte;

    auto item = std::make_unique<KeyOperateInfoStu>();
    std::memset(item.get(), 0, sizeof(KeyOperateInfoStu));
    QVector<uint8_t> bytes;
    int reportNumber = 0;
    for (int position = 0; position < codes.size(); ++position) {
        const int code = codes.at(position);
        OnboardKeyPacket::KeyRecord record{};
        if (code != 0) {
            lumtarCopyField(item->type, "-1");
            CLumtarXML_SelectProFileKeyOperateInfo(path.constData(), indexText.constData(),
                                                   QByteArray::number(code).constData(), item.get());
            const int type = OnboardKeyPacket::fieldNumber(item->type);
            int macroSlot = -1;
            int seniorIndex = -1;
            if (type == KeyOperate_Macro) {
                if (m_macroSlot + 1 >= OnboardMacroPacket::SlotCount) {
                    qDebug() << "Onboard download refused: more than" << OnboardMacroPacket::SlotCount
                             << "keys are bound to macros";
                    return AttemptResult::TooManyMacroKeys;
                }
                macroSlot = ++m_macroSlot;
                appendMacroSlot(*item);
            } else if (type == KeyOperate_SeniorKey) {
                const int seniorId = OnboardKeyPacket::fieldNumber(item->value);
                const auto found = m_seniorKeys.constFind(seniorId);
                if (found == m_seniorKeys.constEnd()) {
                    qDebug() << "Onboard download: key" << code << "is bound to the advanced key" << seniorId
                             << "that is not stored; it stays the key itself";
                } else {
                    if (m_seniorIndex + 1 >= OnboardSeniorKeyPacket::RecordCount) {
                        qDebug() << "Onboard download refused: more than" << OnboardSeniorKeyPacket::RecordCount
                                 << "keys are bound to advanced keys";
                        return AttemptResult::TooManySeniorKeys;
                    }
                    seniorIndex = ++m_seniorIndex;
                    m_steps.append({ Step::SeniorReport, OnboardSeniorKeyPacket::build(seniorIndex, found.value()),
                                      kSeniorWriteFailed });
                }
            }
            record = OnboardKeyPacket::keyRecord(code, *item, macroSlot, seniorIndex);
        }
        appendRecord(bytes, record);
        if (bytes.size() == OnboardKeyPacket::KeysPerReport * OnboardKeyPacket::RecordSize
            || position + 1 == codes.size()) {
            m_steps.append({ Step::KeyReport, OnboardKeyPacket::build(layerByte, reportNumber, bytes), kKeyWriteFailed });
            bytes.clear();
            ++reportNumber;
        }
    }
    return AttemptResult::Done;
}

void DOnboardDownloader::appendMacroSlot(const KeyOperateInfoStu &item)
{
    const int slot = m_macroSlot;
    const QByteArray macroIndex = QByteArray(item.value, static_cast<int>(strnlen(item.value, sizeof(item.value))));
    std::list<KeyOrMouseEventStu> events;
    CLumtarXML_ProFileMacroWithKeyInfoSelectAll(m_layerFilePath.constData(),
                                                QByteArray::number(m_layerProfileIndex).constData(),
                                                macroIndex.constData(), "", &events);
    int dropped = 0;
    const OnboardMacroPacket::SlotImage image =
        OnboardMacroPacket::slotImage(events, OnboardKeyPacket::fieldNumber(item.mode),
                                      OnboardKeyPacket::fieldNumber(item.count), &dropped);
    if (dropped > 0) {
        qDebug() << "Warning: macro" << macroIndex.constData() << "has" << events.size() << "events; only the first"
                 << OnboardMacroPacket::MaxEvents << "fit the keyboard's slot" << slot;
    }
    for (const HidReportBuff &report : OnboardMacroPacket::reports(slot, image))
        m_steps.append({ Step::MacroReport, report, kMacroWriteFailed });
}

bool DOnboardDownloader::writeReport(const HidReportBuff &report, const char *failureText)
{
    if (!m_hid) {
        m_deviceLost = true;
        return false;
    }
    if (m_hid->writeHidCmd(report.constData()) != 0) {
        qDebug() << failureText;
        m_writeRefused = true;
        return false;
    }
    return true;
}

bool DOnboardDownloader::deviceUsable() const
{
    return !m_deviceLost && !m_writeRefused && m_hid && m_hid->isOpen();
}

