#include "device/DOnboardDownloader.h"

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "device/OnboardKeyPacket.h"
#include "device/OnboardMacroPacket.h"
#include "device/OnboardSeniorKeyPacket.h"
#include "sdk/include/LumtarXml.h"

#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <cstring>
#include <list>
#include <memory>

namespace {

struct LayerFile
{
    const char *fileName;
    uint8_t layerByte;
};

const LayerFile kLayers[] = {
    { "/appProfile_Default.xml", OnboardKeyPacket::DefaultLayer },
    { "/appProfile_FN.xml", OnboardKeyPacket::FnLayer },
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
{
}

DOnboardDownloader::~DOnboardDownloader() = default;

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
        return tr("More than %1 keys are bound to macros; the keyboard holds %1 macros. Nothing was downloaded")
            .arg(OnboardMacroPacket::SlotCount);
    case Outcome::TooManySeniorKeys:
        return tr("More than %1 keys are bound to advanced keys; the keyboard holds %1. Nothing was downloaded")
            .arg(OnboardSeniorKeyPacket::RecordCount);
    case Outcome::AlreadyRunning:
        return tr("A download is already running");
    case Outcome::Failed:
        break;
    }
    return tr("Download config failed, Please try again");
}

void DOnboardDownloader::onRuningOnboard0x19Cmd()
{
    m_acknowledged = true;
    if (m_waitLoop)
        m_waitLoop->quit();
}

void DOnboardDownloader::onDeviceGone()
{
    m_deviceLost = true;
    if (m_waitLoop)
        m_waitLoop->quit();
}

DOnboardDownloader::Outcome DOnboardDownloader::download(DDeviceKeyboardLink *link, const QString &profileFolder)
{
    if (m_running) {
        qDebug() << "Onboard download already running: the new request is refused";
        return Outcome::AlreadyRunning;
    }
    m_running = true;
    emit sigDownloadingChanged(true);

    m_attemptsMade = 0;
    m_resendCount = 0;
    m_deviceLost = false;
    m_writeRefused = false;
    m_link = link;
    m_hid = link ? link->hidInterface() : nullptr;

    QVector<QMetaObject::Connection> connections;
    if (m_link) {
        connections << connect(m_link.data(), &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, this,
                               &DOnboardDownloader::onRuningOnboard0x19Cmd);
        connections << connect(m_link.data(), &QObject::destroyed, this, &DOnboardDownloader::onDeviceGone);
    }
    if (m_hid)
        connections << connect(m_hid.data(), &QObject::destroyed, this, &DOnboardDownloader::onDeviceGone);

    Outcome outcome = Outcome::Failed;
    if (!m_hid) {
        qDebug() << "Onboard download: no open keyboard";
    } else {
        DDataManager *data = m_dataManager ? m_dataManager.data() : DDataManager::getInstance();
        m_magnetic = data->isMagneticKeyboard();
        m_seniorKeys.clear();
        if (m_magnetic) {
            char path[DDataManager::PathBufferSize] = {};
            data->copySeniorKeyXmlPath(path);
            std::list<SeniorKeyInfoStu> records;
            if (CLumtarXML_SeniorKey_SelectAllInfoItem(path, &records) && !records.empty()) {
                for (const SeniorKeyInfoStu &record : records)
                    m_seniorKeys.insert(record.id, record);
            }
        }

        while (m_attemptsMade < MaxAttempts) {
            ++m_attemptsMade;
            const AttemptResult result = runAttempt(profileFolder);
            if (result == AttemptResult::Done) {
                outcome = Outcome::Succeeded;
                break;
            }
            if (result == AttemptResult::TooManyMacroKeys) {
                outcome = Outcome::TooManyMacroKeys;
                break;
            }
            if (result == AttemptResult::TooManySeniorKeys) {
                outcome = Outcome::TooManySeniorKeys;
                break;
            }
            if (result == AttemptResult::DeviceLost) {
                qDebug() << "Onboard download: the keyboard went away";
                break;
            }
            qDebug() << "Onboard download: attempt" << m_attemptsMade
                     << (result == AttemptResult::NoProfileIndex ? "found a layer file without a current profile"
                                                                 : "was abandoned for want of an acknowledgement");
        }
    }

    for (const QMetaObject::Connection &c : qAsConst(connections))
        disconnect(c);
    m_link.clear();
    m_hid.clear();
    m_running = false;
    emit sigDownloadingChanged(false);
    return outcome;
}

DOnboardDownloader::AttemptResult DOnboardDownloader::runAttempt(const QString &profileFolder)
{
    m_macroSlot = -1;
    m_acknowledged = true;
    m_alive = true;
    m_lastMacroReport = HidReportBuff();
    m_macroReportSent = false;
    m_seniorIndex = -1;

    // Read and encode both layers first: a profile the keyboard cannot
    // hold is refused before anything reaches it.
    QVector<Step> steps;
    for (int layer = 0; layer < 2; ++layer) {
        const AttemptResult planned = planLayer(profileFolder, layer, steps);
        if (planned != AttemptResult::Done)
            return planned;
    }

    for (const Step &step : qAsConst(steps)) {
        switch (step.kind) {
        case Step::KeyReport:
            if (m_alive)
                writeReport(step.report, kKeyWriteFailed);
            break;
        case Step::MacroReport:
            sendAckedPacket(step.report);
            break;
        case Step::SeniorReport:
            writeReport(step.report, kSeniorWriteFailed);
            break;
        }
        if (!deviceUsable())
            return AttemptResult::DeviceLost;
    }

    pause();

    // Macro slots that no key took are written empty.
    for (int slot = m_macroSlot + 1; slot < OnboardMacroPacket::SlotCount; ++slot) {
        for (const HidReportBuff &report : OnboardMacroPacket::emptyReports(slot)) {
            sendAckedPacket(report);
            if (!deviceUsable())
                return AttemptResult::DeviceLost;
        }
    }
    // The last macro report counts only once the keyboard has taken it.
    if (m_alive && m_macroReportSent)
        waitForAcknowledgement();
    if (!deviceUsable())
        return AttemptResult::DeviceLost;

    if (m_magnetic) {
        pause();
        for (int index = m_seniorIndex + 1; index < OnboardSeniorKeyPacket::RecordCount; ++index) {
            writeReport(OnboardSeniorKeyPacket::empty(index), kEmptySeniorWriteFailed);
            if (!deviceUsable())
                return AttemptResult::DeviceLost;
        }
    }
    return m_alive ? AttemptResult::Done : AttemptResult::Abandoned;
}

DOnboardDownloader::AttemptResult DOnboardDownloader::planLayer(const QString &profileFolder, int layer,
                                                                QVector<Step> &steps)
{
    const QVector<int> codes = m_keyCodeSource ? m_keyCodeSource() : QVector<int>();
    const QByteArray path = QFile::encodeName(profileFolder + QLatin1String(kLayers[layer].fileName));
    const int profileIndex = CLumtarXML_GetCreateXMLFileProfileIndex(path.constData());
    if (profileIndex == -1) {
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
                appendMacroSlot(*item, steps);
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
                    steps.append({ Step::SeniorReport, OnboardSeniorKeyPacket::build(seniorIndex, found.value()) });
                }
            }
            record = OnboardKeyPacket::keyRecord(code, *item, macroSlot, seniorIndex);
        }
        appendRecord(bytes, record);
        if (bytes.size() == OnboardKeyPacket::KeysPerReport * OnboardKeyPacket::RecordSize
            || position + 1 == codes.size()) {
            steps.append({ Step::KeyReport, OnboardKeyPacket::build(layerByte, reportNumber, bytes) });
            bytes.clear();
            ++reportNumber;
        }
    }
    return AttemptResult::Done;
}

void DOnboardDownloader::appendMacroSlot(const KeyOperateInfoStu &item, QVector<Step> &steps)
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
        steps.append({ Step::MacroReport, report });
}

void DOnboardDownloader::sendAckedPacket(const HidReportBuff &report)
{
    if (m_alive)
        waitForAcknowledgement();
    if (!m_alive)
        return;
    m_lastMacroReport = report;
    m_acknowledged = false;
    m_macroReportSent = true;
    writeReport(report, kMacroWriteFailed);
}

bool DOnboardDownloader::waitForAcknowledgement()
{
    int timeouts = 0;
    while (m_alive) {
        if (!m_acknowledged && deviceUsable()) {
            QEventLoop loop;
            QTimer timeout;
            timeout.setSingleShot(true);
            connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
            timeout.start(AckWaitMs);
            m_waitLoop = &loop;
            loop.exec();
            m_waitLoop = nullptr;
        }
        if (m_acknowledged)
            return true;
        if (!deviceUsable()) {
            m_alive = false;
            return false;
        }
        ++timeouts;
        if (timeouts > MaxResends) {
            m_alive = false;
            return false;
        }
        ++m_resendCount;
        writeReport(m_lastMacroReport, kMacroWriteFailed);
    }
    return false;
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

void DOnboardDownloader::pause()
{
    // The keyboard needs the pause to store what it received; events that
    // arrive meanwhile are handled at the next wait.
    QThread::msleep(PauseMs);
}
