#include "ui/mainwidget/devicePage/ProfileFolder.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstring>
#include <list>

#include "device/DeviceSerialNumber.h"
#include "sdk/include/LumtarXml.h"
#include "ui/mainwidget/devicePage/DefaultCustomLightFile.h"

const char *ProfileFolder::fileName(File file)
{
    return ProfileFileNames::fileName(static_cast<ProfileFileNames::File>(file));
}

int ProfileFolder::gamePadModeFromPath(const QString &path)
{
    // Only the id part between the first two '#' is read: the system's own
    // path after it may hold any digits.
    const QString ids = path.section(QLatin1Char('#'), 1, 1);
    for (const QString &field : ids.split(QLatin1Char('&'))) {
        if (!field.startsWith(QLatin1String("pid_"), Qt::CaseInsensitive))
            continue;
        bool ok = false;
        const int product = field.mid(4).toInt(&ok, 16);
        if (!ok)
            return -1;
        switch (product) {
        case 0x7472: return 0;
        case 0x7473: return 1;
        case 0x7474: return 2;
        default: return -1;
        }
    }
    return -1;
}

QString ProfileFolder::gamePadFolderName(int gamePadMode)
{
    switch (gamePadMode) {
    case 0: return QStringLiteral("GamePadDisable");
    case 1: return QStringLiteral("GamePadXbox360");
    case 2: return QStringLiteral("GamePadClassical");
    default: return QString();
    }
}

bool ProfileFolder::isModelNameFolderSafe(const QString &model)
{
    return !model.isEmpty() && !model.contains(QLatin1Char('/')) && model != QLatin1String(".")
        && model != QLatin1String("..");
}

QStringList ProfileFolder::folderLevels(const QString &model, const QString &serial, int gamePadMode)
{
    if (!isModelNameFolderSafe(model) || !DeviceSerialNumber::isUsable(serial))
        return {};
    QStringList levels = {model, serial};
    const QString gamePad = gamePadFolderName(gamePadMode);
    if (!gamePad.isEmpty())
        levels << gamePad;
    return levels;
}

QByteArray ProfileFolder::filePathIn(const QString &userConfigDir, const QStringList &levels, File file)
{
    QString folder = userConfigDir;
    for (const QString &level : levels)
        folder += QLatin1Char('/') + level;
    return (folder + QLatin1String(fileName(file))).toLocal8Bit();
}

void ProfileFolder::clear()
{
    m_folder.clear();
    m_fileCount = 0;
    std::memset(m_xmlProfilePath, 0, sizeof m_xmlProfilePath);
}

QByteArray ProfileFolder::filePath(File file) const
{
    if (m_folder.isEmpty())
        return QByteArray();
    return (m_folder + QLatin1String(fileName(file))).toLocal8Bit();
}

bool ProfileFolder::setXmlProfilePath(const QByteArray &path)
{
    if (path.size() >= PathBufferSize) {
        qDebug().noquote() << "Profile path too long, not used:" << path;
        return false;
    }
    std::memset(m_xmlProfilePath, 0, sizeof m_xmlProfilePath);
    std::memcpy(m_xmlProfilePath, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

bool ProfileFolder::makeFolder(const QString &userConfigDir, const QStringList &levels, int fileCount)
{
    clear();
    if (levels.isEmpty())
        return false;
    // Every path must fit before anything is made: a cut path names another file.
    for (int i = 0; i < fileCount; ++i) {
        const QByteArray path = filePathIn(userConfigDir, levels, File(i));
        if (path.size() >= PathBufferSize) {
            qDebug().noquote() << "Profile path too long, not used:" << path;
            return false;
        }
    }
    QString level = userConfigDir;
    for (const QString &name : levels) {
        level += QLatin1Char('/') + name;
        if (!QFileInfo(level).isDir() && !QDir().mkdir(level))
            qDebug().noquote() << "Cannot create the profile folder" << level;
    }
    m_folder = level;
    m_fileCount = fileCount;
    return true;
}

QVector<ProfileFolder::File> ProfileFolder::missingFiles() const
{
    QVector<File> missing;
    for (int i = 0; i < m_fileCount; ++i)
        if (!QFileInfo(QString::fromLocal8Bit(filePath(File(i)))).isFile())
            missing.append(File(i));
    return missing;
}

void ProfileFolder::createFile(File file, const Defaults &defaults) const
{
    const QByteArray path = filePath(file);
    if (path.isEmpty())
        return;
    // The new file and its defaults reach the disk in one write.
    LumtarXmlBatch batch(path.constData());
    CLumtarXML_CreateXMLFile(path.constData());
    const QByteArray name = QStringLiteral("Profile%1").arg(1).toUtf8();
    CLumtarXML_CreateProFileXmlParentNode(path.constData(), "1", name.constData(), 0);
    CLumtarXML_ModifyXMLFileProfileIndex(path.constData(), 1);
    if (file != HeavyPress) {
        addDefaultLightInfo(path.constData(), 1, defaults.lightSynchronized);
        addDefaultCustomLightNodes(path.constData(), 1,
                                   DefaultCustomLightFile::fileName(defaults.keyCount, defaults.model));
    }
    if (!batch.commit())
        qDebug().noquote() << "Cannot write the new profile file" << path;
}

bool ProfileFolder::useDefaultLayerFile()
{
    return setXmlProfilePath(filePath(DefaultLayer));
}

void ProfileFolder::addDefaultLightInfo(const char *path, int profileIndex, bool lightSynchronized)
{
    const QByteArray index = QByteArray::number(profileIndex);
    for (int kind = 0; kind < 3; ++kind) {
        const colorInfoData record = lumtarDefaultColorInfo(kind);
        CLumtarXML_AddProFileLightInfoItem(path, index.constData(), record);
    }
    if (lightSynchronized)
        CLumtarXML_ModifyProFileLightSynchronizeStatus(path, index.constData(), 1);
}

void ProfileFolder::addDefaultCustomLightNodes(const char *path, int profileIndex, const QString &defaultsFile)
{
    const QByteArray index = QByteArray::number(profileIndex);
    CLumtarXML_AddProFileCustomLightNode(path, index.constData(), "0", "Alphabets", "Using", 0);
    importDefaultCustomLight(path, profileIndex, 0, defaultsFile);
    CLumtarXML_AddProFileCustomLightNode(path, index.constData(), "1", "WASD+Arrows", "Using", 1);
    importDefaultCustomLight(path, profileIndex, 1, defaultsFile);
    for (int node = 2; node < 5; ++node) {
        const QByteArray nodeText = QByteArray::number(node);
        const QByteArray name = QStringLiteral("Custom %1").arg(node + 1).toUtf8();
        CLumtarXML_AddProFileCustomLightNode(path, index.constData(), nodeText.constData(), name.constData(),
                                             "UnUsing", -1);
    }
}

bool ProfileFolder::importDefaultCustomLight(const char *path, int profileIndex, int nodeIndex,
                                             const QString &defaultsFile)
{
    QTemporaryDir dir;
    QByteArray filePath;
    if (dir.isValid()) {
        const QString target = dir.filePath(defaultsFile);
        if (QFile::copy(QLatin1String(DefaultCustomLightFile::resourceFolder()) + defaultsFile, target))
            filePath = target.toLocal8Bit();
    }
    if (filePath.isEmpty()) {
        qDebug().noquote() << "No default custom-light file" << defaultsFile << "; the scheme stays empty";
        return false;
    }
    const QByteArray node = QByteArray::number(nodeIndex);
    const QByteArray index = QByteArray::number(profileIndex);
    std::list<CustomLightItemStu> items;
    CLumtarXML_XmlCustomLightInfoSelectAll(filePath.constData(), node.constData(), &items);
    if (items.empty())
        return true;
    return CLumtarXML_AddProFileCustomLightDataInfoList(path, index.constData(), node.constData(), items);
}
