#include "ui/firmware/FirmwareImageCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "device/RecordFieldText.h"

namespace FirmwareImageCheck {

QString resourceFolder()
{
    return QStringLiteral(":/images/UpdateFirmwareFile/");
}

bool familyOf(const QString &model, FirmwareFamilyStu *family)
{
    return CLumtarHid_GetFirmwareFamily(model.toLatin1().constData(), family);
}

QString imageFileName(const FirmwareFamilyStu &family, int connectType)
{
    return QString::fromLatin1(connectType == LUMTAR_CONNECT_USB ? recordFieldText(family.fileName)
                                                                  : recordFieldText(family.receiverFileName));
}

QString copyImage(const QString &fileName, const QTemporaryDir &folder)
{
    if (!folder.isValid() || fileName.isEmpty())
        return QString();
    const QString copy = folder.filePath(fileName);
    if (!QFile::copy(resourceFolder() + fileName, copy) || !QFileInfo(copy).isFile())
        return QString();
    return copy;
}

int compareIgnoringAsciiCase(const QByteArray &a, const QByteArray &b)
{
    const auto fold = [](char c) { return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); };
    const int n = qMin(a.size(), b.size());
    for (int i = 0; i < n; ++i) {
        const int d = int(fold(a.at(i))) - int(fold(b.at(i)));
        if (d != 0)
            return d;
    }
    return a.size() - b.size();
}

bool infoStringMatches(const QByteArray &head, const FirmwareFamilyStu &family, const hidStructInfoAll &record,
                       QString *version)
{
    if (family.infoOffset < 0 || family.infoOffset >= head.size())
        return false;
    const auto fields = lumtarInfoStringFields(reinterpret_cast<const unsigned char *>(head.constData()) + family.infoOffset,
                                               static_cast<size_t>(head.size() - family.infoOffset));
    const auto field = [&fields](int i) { return QByteArray::fromStdString(fields[size_t(i)]); };
    // In this order, up to the first that differs.
    if (compareIgnoringAsciiCase(field(0), recordFieldText(record.chipFamily)) != 0
        || compareIgnoringAsciiCase(field(1), recordFieldText(record.chipCode)) != 0
        || compareIgnoringAsciiCase(field(3), recordFieldText(record.customerCode)) != 0
        || compareIgnoringAsciiCase(field(4), recordFieldText(record.hidModel)) != 0
        || compareIgnoringAsciiCase(field(5), recordFieldText(record.firmwareVersion)) <= 0)
        return false;
    if (version)
        *version = QString::fromLatin1(field(5));
    return true;
}

QString libraryErrorText(int result, bool driveSearch)
{
    static const int named[] = {0, -3, -5, -6, -9, -10, -18, -20, -21, -22, -23, -24, -25, -26};
    for (int code : named)
        if (result == code && !(driveSearch && code == -10))
            return QStringLiteral("Error %1").arg(code);
    return QStringLiteral("Error -1");
}

} // namespace FirmwareImageCheck
