#include "ui/mainwidget/devicePage/MacroCopyRefresh.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "device/ProfileFileNames.h"
#include "sdk/include/LumtarXml.h"
#include "ui/mainwidget/devicePage/ProfileFolder.h"

namespace {

const QDir::Filters kFolders = QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden;

// The key item type of a key that plays a macro.
const char kMacroItemType[] = "1";

void addFilesIn(const QString &folder, QStringList *files)
{
    for (int kind = 0; kind < ProfileFileNames::FileCount; ++kind) {
        const QFileInfo file(folder + QLatin1String(ProfileFileNames::fileName(ProfileFileNames::File(kind))));
        // A link is not a profile file of ours, whatever it points to.
        if (file.isFile() && !file.isSymLink())
            files->append(file.filePath());
    }
}

} // namespace

QStringList MacroCopyRefresh::profileFiles(const QString &userConfigDir)
{
    QStringList files;
    if (userConfigDir.isEmpty())
        return files;
    const QStringList gamePadLevels = {ProfileFolder::gamePadFolderName(0), ProfileFolder::gamePadFolderName(1),
                                       ProfileFolder::gamePadFolderName(2)};
    const QDir root(userConfigDir);
    for (const QString &model : root.entryList(kFolders, QDir::Name)) {
        const QDir modelFolder(root.filePath(model));
        for (const QString &serial : modelFolder.entryList(kFolders, QDir::Name)) {
            const QString serialFolder = modelFolder.filePath(serial);
            addFilesIn(serialFolder, &files);
            const QStringList below = QDir(serialFolder).entryList(kFolders, QDir::Name);
            for (const QString &level : gamePadLevels)
                if (below.contains(level))
                    addFilesIn(serialFolder + QLatin1Char('/') + level, &files);
        }
    }
    return files;
}

bool MacroCopyRefresh::refreshFile(const QByteArray &path, int macroIndex, const std::list<KeyOrMouseEventStu> &events,
                                   int *refreshed)
{
    if (refreshed)
        *refreshed = 0;
    const QByteArray index = QByteArray::number(macroIndex);
    const QByteArray node = "Macro" + index;
    LumtarIndexNameList profiles;
    CLumtarXML_SelectProFileAllNodes(path.constData(), &profiles);
    QList<QByteArray> users;
    for (const auto &profile : profiles) {
        const QByteArray profileIndex = QByteArray::fromStdString(profile.first);
        if (CLumtarXML_GetProFileValueNum(path.constData(), profileIndex.constData(), kMacroItemType,
                                          index.constData()) > 0)
            users.append(profileIndex);
    }
    if (users.isEmpty())
        return true;
    bool written = true;
    LumtarXmlBatch batch(path.constData());
    for (const QByteArray &profileIndex : qAsConst(users)) {
        CLumtarXML_DeleteProFileBindMacroNode(path.constData(), profileIndex.constData(), index.constData(),
                                              node.constData());
        written = CLumtarXML_AddProFileBindMacroItem(path.constData(), profileIndex.constData(), events,
                                                     index.constData(), node.constData())
            && written;
    }
    written = batch.commit() && written;
    if (written && refreshed)
        *refreshed = users.size();
    return written;
}

MacroCopyRefresh::Outcome MacroCopyRefresh::refreshAll(const QString &userConfigDir, const QByteArray &macroStorePath,
                                                       int macroIndex)
{
    Outcome outcome;
    const QByteArray index = QByteArray::number(macroIndex);
    std::list<KeyOrMouseEventStu> events;
    if (macroIndex <= 0 || !CLumtarXML_SelectAllKeyOrMouseEvent(macroStorePath.constData(), index.constData(), &events))
        return outcome;
    outcome.macroRead = true;
    for (const QString &file : profileFiles(userConfigDir)) {
        int refreshed = 0;
        if (!refreshFile(QFile::encodeName(file), macroIndex, events, &refreshed)) {
            qDebug().noquote() << "Macro copy" << macroIndex << "not refreshed in" << file;
            outcome.failedFiles.append(file);
        }
        outcome.profilesRefreshed += refreshed;
    }
    return outcome;
}
