// The profile folder helper on its own: which names may make a folder, the
// folder made level by level, the missing files made one write each with
// their defaults, a path that would not fit, and forgetting it all.
#include <QtTest>

#include <QTemporaryDir>

#include <list>

#include "sdk/include/LumtarXml.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/ProfileFolder.h"

using File = ProfileFolder::File;

class tst_ProfileFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void folderLevels_data();
    void folderLevels();
    void missingFilesMadeOneWriteEach();
    void pathThatWouldNotFit();
};

void tst_ProfileFolder::initTestCase()
{
    QCOMPARE(CLumtarXML_Init(), 0);
}

void tst_ProfileFolder::folderLevels_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("gamePadMode");
    QTest::addColumn<QStringList>("levels");
    const QString sn = "0123456789abcdefABCDEF0123456789";
    QTest::newRow("no gamepad mode") << "LT104RGB" << sn << -1 << QStringList{"LT104RGB", sn};
    QTest::newRow("gamepad off") << "LT108HE" << sn << 0 << QStringList{"LT108HE", sn, "GamePadDisable"};
    QTest::newRow("Xbox360") << "LT108HE" << sn << 1 << QStringList{"LT108HE", sn, "GamePadXbox360"};
    QTest::newRow("Classical") << "LT108HE" << sn << 2 << QStringList{"LT108HE", sn, "GamePadClassical"};
    QTest::newRow("empty serial") << "LT108HE" << "" << 0 << QStringList{};
    QTest::newRow("serial with a slash") << "LT108HE" << "../../etc" << 0 << QStringList{};
    QTest::newRow("serial with a space") << "LT108HE" << "AB CD" << 0 << QStringList{};
    QTest::newRow("empty model") << "" << sn << 0 << QStringList{};
    QTest::newRow("model with a slash") << "LT/108" << sn << 0 << QStringList{};
    QTest::newRow("model \"..\"") << ".." << sn << 0 << QStringList{};
    QTest::newRow("model \".\"") << "." << sn << 0 << QStringList{};
}

void tst_ProfileFolder::folderLevels()
{
    QFETCH(QString, model);
    QFETCH(QString, serial);
    QFETCH(int, gamePadMode);
    QFETCH(QStringList, levels);
    QCOMPARE(ProfileFolder::folderLevels(model, serial, gamePadMode), levels);
}

void tst_ProfileFolder::missingFilesMadeOneWriteEach()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ProfileFolder files;
    const QStringList levels = {"LT108HE", "SN1", "GamePadDisable"};
    QVERIFY(files.makeFolder(dir.path(), levels, 3));
    QCOMPARE(files.folder(), dir.path() + "/LT108HE/SN1/GamePadDisable");
    QVERIFY(QFileInfo(files.folder()).isDir());
    QCOMPARE(files.missingFiles(), (QVector<File>{File::DefaultLayer, File::FnLayer, File::HeavyPress}));
    QVERIFY(!files.hasProfileFile());

    // What one plain write of a store costs in flushes.
    const QByteArray other = QFile::encodeName(dir.path() + "/other.xml");
    QVERIFY(CLumtarXML_CreateXMLFile(other.constData()));
    unsigned long long before = lumtar::store::AtomicFileWriter::syncCount();
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(other.constData(), "1", "P", 0));
    const unsigned long long oneWrite = lumtar::store::AtomicFileWriter::syncCount() - before;
    QVERIFY(oneWrite > 0);

    ProfileFolder::Defaults defaults;
    defaults.keyCount = 108;
    for (File file : {File::DefaultLayer, File::HeavyPress}) {
        before = lumtar::store::AtomicFileWriter::syncCount();
        files.createFile(file, defaults);
        QCOMPARE(lumtar::store::AtomicFileWriter::syncCount() - before, oneWrite);
    }
    QCOMPARE(files.missingFiles(), QVector<File>{File::FnLayer});

    const QByteArray layer = files.filePath(File::DefaultLayer);
    LumtarIndexNameList profiles;
    QVERIFY(CLumtarXML_SelectProFileAllNodes(layer.constData(), &profiles));
    QCOMPARE(int(profiles.size()), 1);
    QCOMPARE(profiles.front().first, std::string("1"));
    QCOMPARE(profiles.front().second, std::string("Profile1"));
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(layer.constData()), 1);
    std::list<CustomLightNodeStu> nodes;
    CLumtarXML_SelectProFileCustomLightAllNodes(layer.constData(), "1", &nodes);
    QCOMPARE(int(nodes.size()), 5);
    // The heavy-press file holds the profile only.
    const QByteArray heavy = files.filePath(File::HeavyPress);
    nodes.clear();
    CLumtarXML_SelectProFileCustomLightAllNodes(heavy.constData(), "1", &nodes);
    QVERIFY(nodes.empty());
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(heavy.constData()), 1);

    QVERIFY(files.useDefaultLayerFile());
    QCOMPARE(QByteArray(files.xmlProfilePath()), layer);
    files.clear();
    QVERIFY(!files.hasProfileFile());
    QCOMPARE(files.folder(), QString());
    QVERIFY(files.missingFiles().isEmpty());
}

void tst_ProfileFolder::pathThatWouldNotFit()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ProfileFolder files;
    QVERIFY(files.makeFolder(dir.path(), {"LT104RGB", "SN2"}, 2));
    QVERIFY(files.useDefaultLayerFile());
    const QByteArray inUse = files.xmlProfilePath();

    // A serial number long enough that the file names would be cut.
    const QString longSerial(ProfileFolder::PathBufferSize, QLatin1Char('S'));
    QVERIFY(!files.makeFolder(dir.path(), {"LT104RGB", longSerial}, 2));
    QVERIFY(!QFileInfo::exists(dir.path() + "/LT104RGB/" + longSerial));
    QVERIFY(!files.hasProfileFile());
    QVERIFY(files.missingFiles().isEmpty());
    // A path that does not fit is refused; the one in use stays.
    QVERIFY(files.setXmlProfilePath(inUse));
    QVERIFY(!files.setXmlProfilePath(QByteArray(ProfileFolder::PathBufferSize, 'x')));
    QCOMPARE(QByteArray(files.xmlProfilePath()), inUse);
}

int main(int argc, char **argv)
{
    TempHome home;
    QCoreApplication app(argc, argv);
    tst_ProfileFolder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profilefolder.moc"
