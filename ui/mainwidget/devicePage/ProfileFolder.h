// The profile files of the shown keyboard: the folder named after its model,
// serial number and gamepad mode below the user-configuration folder, the
// layer files created with one profile and the default light data when they
// are missing, and the path of the profile file in use (at most 255 bytes of
// local 8-bit text). Widget-free; the device page owns one.
#ifndef PROFILEFOLDER_H
#define PROFILEFOLDER_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "device/ProfileFileNames.h"

class ProfileFolder
{
public:
    static constexpr int PathBufferSize = 256;
    enum File {
        DefaultLayer = ProfileFileNames::DefaultLayer,
        FnLayer = ProfileFileNames::FnLayer,
        HeavyPress = ProfileFileNames::HeavyPress,
    };

    // What a new layer file starts with.
    struct Defaults
    {
        int keyCount = 0;
        QString model;
        bool lightSynchronized = false;
    };

    // The file's name, with its leading "/" (ProfileFileNames holds them).
    static const char *fileName(File file);
    // The gamepad mode named by the product id of a device path text
    // ("hid#vid_VVVV&pid_PPPP&mi_NN#…"): 7472 off (0), 7473 Xbox360 (1),
    // 7474 Classical (2); -1 for any other product id or text.
    static int gamePadModeFromPath(const QString &path);
    // The folder level of a gamepad mode, empty for -1.
    static QString gamePadFolderName(int gamePadMode);
    // A model name names one folder level: not empty, no "/", not "." or "..".
    static bool isModelNameFolderSafe(const QString &model);
    // The folder levels below the user-configuration folder; empty when the
    // model or the serial number (DeviceSerialNumber's rule) cannot name a
    // folder.
    static QStringList folderLevels(const QString &model, const QString &serial, int gamePadMode);
    // The path of a file in the folder of these levels.
    static QByteArray filePathIn(const QString &userConfigDir, const QStringList &levels, File file);

    // Forgets the folder and the profile file: no keyboard's files are in use.
    void clear();
    // Takes the folder of `levels` below `userConfigDir` and makes it, one
    // level at a time, for a keyboard with `fileCount` files (2, or 3 with
    // the heavy-press file). False, with nothing in use, when the names
    // cannot make a folder or a file's path would not fit.
    bool makeFolder(const QString &userConfigDir, const QStringList &levels, int fileCount);
    // The keyboard's files that are not there yet, in file order.
    QVector<File> missingFiles() const;
    // Makes a missing file in one write: the single profile "Profile1",
    // made current, and for the two layer files the default light data.
    void createFile(File file, const Defaults &defaults) const;
    // The default-layer file becomes the profile file in use.
    bool useDefaultLayerFile();

    QString folder() const { return m_folder; }
    QByteArray filePath(File file) const;
    // The profile file in use, NUL-terminated; empty when none is.
    const char *xmlProfilePath() const { return m_xmlProfilePath; }
    bool hasProfileFile() const { return m_xmlProfilePath[0] != '\0'; }
    // Takes a path that fits the buffer; a longer one is refused (logged)
    // and the path in use stays.
    bool setXmlProfilePath(const QByteArray &path);

    // The default light data of a new profile, written into `path`: the
    // light records, and the five custom-light schemes of which the first
    // two take their keys from the embedded file `defaultsFile`
    // (DefaultCustomLightFile names it).
    static void addDefaultLightInfo(const char *path, int profileIndex, bool lightSynchronized);
    static void addDefaultCustomLightNodes(const char *path, int profileIndex, const QString &defaultsFile);
    // False when the file is missing or the keys could not be stored.
    static bool importDefaultCustomLight(const char *path, int profileIndex, int nodeIndex,
                                         const QString &defaultsFile);

private:
    QString m_folder;
    int m_fileCount = 0;
    char m_xmlProfilePath[PathBufferSize] = {};
};

#endif
