#include "ui/mainwidget/FirmwareUpgradeCheck.h"

#include <QDebug>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

#include "device/RecordFieldText.h"
#include "sdk/include/LumtarFirmware.h"
#include "ui/firmware/FirmwareImageCheck.h"
#include "ui/mainwidget/UfwLibrary.h"

using namespace FirmwareImageCheck;

namespace {

// The text a keyboard's new version starts as, replaced by every candidate's.
const char kNoVersion[] = "1.1.1.1.1";
// The image size of the 256 KB .bin family, told apart in the log.
const int kSmallBinImage = 262144;

} // namespace

FirmwareUpgradeCheck::FirmwareUpgradeCheck(UfwLibrary *library)
    : m_library(library)
{
}

QList<hidStructInfoAll> FirmwareUpgradeCheck::candidates(const QMap<QString, hidStructInfoAll> &devices)
{
    QList<hidStructInfoAll> out;
    for (const hidStructInfoAll &device : devices) {
        QString version = QLatin1String(kNoVersion);
        if (!selectFirmwareImage(device, &version))
            continue;
        hidStructInfoAll candidate = device;
        lumtarCopyField(candidate.newFirmwareVersion, version.toLatin1().constData());
        out.append(candidate);
    }
    return out;
}

bool FirmwareUpgradeCheck::examineUfw(const QString &fileName, UfwFacts *facts)
{
    const auto known = m_examined.constFind(fileName);
    if (known != m_examined.constEnd()) {
        *facts = *known;
        return true;
    }
    // Without the library the .ufw family is never offered.
    if (!m_library || !m_library->canExamine())
        return false;
    QTemporaryDir folder;
    const QString copy = copyImage(fileName, folder);
    if (copy.isEmpty())
        return false;
    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Open hex file error 01";
        return false;
    }
    const QByteArray image = file.readAll();
    file.close();
    if (image.isEmpty()) {
        qDebug() << "---------------- *** File error 01 JL *** ---------------";
        return false;
    }
    // A write holds the library's image: this one is examined at the next check.
    if (!m_library->imageLock().tryLock()) {
        qDebug() << "Firmware image" << fileName << "not examined while a firmware write runs";
        return false;
    }
    char id[17] = {};
    char version[4] = {};
    const bool examined = loadedFacts(image, id, version);
    m_library->imageLock().unlock();
    if (!examined)
        return false;
    facts->identity = QByteArray(id, int(strnlen(id, sizeof id)));
    facts->version = QByteArray(version, int(strnlen(version, sizeof version)));
    m_examined.insert(fileName, *facts);
    return true;
}

bool FirmwareUpgradeCheck::loadedFacts(const QByteArray &image, char (&id)[17], char (&version)[4])
{
    if (m_library->loadUfwData(reinterpret_cast<const unsigned char *>(image.constData()), image.size()) != 0) {
        qDebug() << "---------------- *** File error 02 JL *** ---------------";
        return false;
    }
    unsigned short crc = 0;
    unsigned int value = 0;
    if (m_library->getUfwCrc(&crc, &value) != 0) {
        qDebug() << "---------------- *** File error 03 JL *** ---------------";
        return false;
    }
    if (m_library->getUfwPidVid(id, int(sizeof id), version, int(sizeof version)) != 0) {
        qDebug() << "---------------- *** File error 04 JL *** ---------------";
        return false;
    }
    return true;
}

bool FirmwareUpgradeCheck::selectFirmwareImage(const hidStructInfoAll &record, QString *version)
{
    FirmwareFamilyStu family;
    if (!familyOf(QString::fromLatin1(recordFieldText(record.hidModel)), &family))
        return false;
    const QString fileName = imageFileName(family, record.connectType);

    if (family.format == LUMTAR_IMAGE_UFW) {
        UfwFacts facts;
        if (!examineUfw(fileName, &facts))
            return false;
        if (version)
            *version = QString::fromLatin1(facts.version);
        return facts.identity == recordFieldText(record.hidModel)
            && compareIgnoringAsciiCase(facts.version, recordFieldText(record.firmwareVersion)) > 0;
    }

    QTemporaryDir folder;
    const QString copy = copyImage(fileName, folder);
    if (copy.isEmpty())
        return false;
    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << (family.imageSize == kSmallBinImage ? "Open hex file error 02A" : "Open hex file error 02");
        return false;
    }
    return infoStringMatches(file.read(family.imageSize), family, record, version);
}
