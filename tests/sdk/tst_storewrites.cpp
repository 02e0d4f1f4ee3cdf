// How the stores put a file on disk: the user's file mode and umask, files
// the user made read-only, store paths that are symbolic links, file systems
// without hard links, and batches of changes written as one.
#include "sdk/include/LumtarXml.h"
#include "sdk/store/AtomicFileWriter.h"
#include "sdk/store/XmlDocumentCache.h"
#include "support/StoreTestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>

using lumtar::store::AtomicFileWriter;

namespace {

using storetest::collectLog;
using storetest::readFile;

// Permission bits of path (following links); -1 when it is missing.
int modeOf(const std::string &path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

bool isLink(const std::string &path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// Sets the process umask for the lifetime of the object.
class UmaskScope
{
public:
    explicit UmaskScope(mode_t mask) : m_old(::umask(mask)) {}
    ~UmaskScope() { ::umask(m_old); }

private:
    mode_t m_old;
};

} // namespace

class TestStoreWrites : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_no = 0;

    static void fromDisk() { lumtar::store::XmlDocumentCache::instance().clear(); }
    std::string newPath(const char *name)
    {
        return m_dir.path().toStdString() + "/" + std::to_string(++m_no) + name;
    }
    // A store with profile "1" holding key 4 = value.
    std::string newProfileFile(const char *value = "old")
    {
        const std::string path = newPath("appProfile_Default.xml");
        if (!CLumtarXML_CreateXMLFile(path.c_str())
            || !CLumtarXML_CreateProFileXmlParentNode(path.c_str(), "1", "Profile1", 0)
            || !CLumtarXML_AddProFileMacroWithKeyInfoItem(path.c_str(), "1", "4", "A", "0", "1", "1", value))
            return std::string();
        return path;
    }
    static bool holdsKey(const std::string &path, const char *code, const char *value)
    {
        KeyOperateInfoStu item;
        std::memset(&item, 0, sizeof item);
        return CLumtarXML_SelectProFileKeyOperateInfo(path.c_str(), "1", code, &item)
               && std::strcmp(item.value, value) == 0;
    }
    static int temporaryFilesIn(const QString &folder)
    {
        return QDir(folder).entryList(QStringList() << ".*.tmp-*", QDir::Files | QDir::Hidden).size();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QCOMPARE(CLumtarXML_Init(), 0);
        CLumtarXML_SetLogCallback(collectLog);
    }
    void cleanupTestCase() { CLumtarXML_SetLogCallback(nullptr); }
    void init() { storetest::log().clear(); }
    void cleanup() { AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None); }

    // A new store (or export) gets 0666 less the umask; a rewritten one keeps
    // the mode the user gave it, whatever the umask.
    void fileModes_data()
    {
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("userMode"); // -1: a new file
        QTest::addColumn<int>("expected");
        QTest::newRow("new, umask 022") << 022 << -1 << 0644;
        QTest::newRow("new, umask 077") << 077 << -1 << 0600;
        QTest::newRow("new, umask 002") << 002 << -1 << 0664;
        QTest::newRow("0600 kept, umask 022") << 022 << 0600 << 0600;
        QTest::newRow("0640 kept, umask 077") << 077 << 0640 << 0640;
        QTest::newRow("0664 kept, umask 022") << 022 << 0664 << 0664;
    }
    void fileModes()
    {
        QFETCH(int, umask);
        QFETCH(int, userMode);
        QFETCH(int, expected);
        UmaskScope mask(mode_t(umask & 0777));
        const std::string path = newProfileFile();
        QVERIFY(!path.empty());
        if (userMode < 0) {
            QCOMPARE(modeOf(path), expected);
            const std::string exported = newPath("export.xml");
            QVERIFY(CLumtarXML_ProFileExport(path.c_str(), exported.c_str(), "1", 0));
            QCOMPARE(modeOf(exported), expected);
            return;
        }
        QCOMPARE(::chmod(path.c_str(), mode_t(userMode)), 0);
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(path.c_str(), "1", "4", "A", "0", "1", "1", "new"));
        QCOMPARE(modeOf(path), expected);
        QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(path.c_str(), 1));
        QCOMPARE(modeOf(path), expected);
        fromDisk();
        QVERIFY(holdsKey(path, "4", "new"));
    }

    void ownerIsKept()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        const std::string path = newProfileFile();
        QVERIFY(!path.empty());
        QCOMPARE(::chown(path.c_str(), 65534, 65534), 0);
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(path.c_str(), "1", "4", "A", "0", "1", "1", "new"));
        struct stat st;
        QCOMPARE(::stat(path.c_str(), &st), 0);
        QCOMPARE(int(st.st_uid), 65534);
        QCOMPARE(int(st.st_gid), 65534);
    }

    void readOnlyFileIsRefused()
    {
        const std::string path = newProfileFile();
        QVERIFY(!path.empty());
        QCOMPARE(::chmod(path.c_str(), 0444), 0);
        const QByteArray before = readFile(path);
        QVERIFY(holdsKey(path, "4", "old"));
        QVERIFY(!CLumtarXML_AddProFileMacroWithKeyInfoItem(path.c_str(), "1", "4", "A", "0", "1", "1", "new"));
        QVERIFY(!CLumtarXML_CreateProFileXmlParentNode(path.c_str(), "2", "Profile2", 0));
        QCOMPARE(readFile(path), before);
        QCOMPARE(modeOf(path), 0444);
        QVERIFY(storetest::log().join('\n').contains(QString::fromStdString(path)));
        // Still read, and not served from a refused change.
        QVERIFY(holdsKey(path, "4", "old"));
        QCOMPARE(temporaryFilesIn(m_dir.path()), 0);
        // Writable again: written again.
        QCOMPARE(::chmod(path.c_str(), 0644), 0);
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(path.c_str(), "1", "4", "A", "0", "1", "1", "new"));
        fromDisk();
        QVERIFY(holdsKey(path, "4", "new"));
    }

    // The profile folder may hold a link to a file kept elsewhere (a synced
    // folder, a dotfiles repository): the link stays, its target gets the
    // change, written atomically beside the target.
    void symbolicLinkIsWrittenThrough_data()
    {
        QTest::addColumn<bool>("relative");
        QTest::addColumn<bool>("chain");
        QTest::newRow("absolute link") << false << false;
        QTest::newRow("relative link") << true << false;
        QTest::newRow("link to a link") << true << true;
    }
    void symbolicLinkIsWrittenThrough()
    {
        QFETCH(bool, relative);
        QFETCH(bool, chain);
        const std::string target = newProfileFile();
        QVERIFY(!target.empty());
        QCOMPARE(::chmod(target.c_str(), 0600), 0);
        const QString elsewhere = m_dir.path() + "/links" + QString::number(++m_no);
        QVERIFY(QDir().mkdir(elsewhere));
        const std::string link = elsewhere.toStdString() + "/appProfile_Default.xml";
        const std::string targetName = target.substr(target.rfind('/') + 1);
        const std::string linkText = relative ? "../" + targetName : target;
        if (chain) {
            const std::string middle = elsewhere.toStdString() + "/middle.xml";
            QCOMPARE(::symlink(linkText.c_str(), middle.c_str()), 0);
            QCOMPARE(::symlink("middle.xml", link.c_str()), 0);
        } else {
            QCOMPARE(::symlink(linkText.c_str(), link.c_str()), 0);
        }

        QVERIFY(holdsKey(link, "4", "old"));
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(link.c_str(), "1", "4", "A", "0", "1", "1", "new"));
        QVERIFY(CLumtarXML_CreateProFileXmlParentNode(link.c_str(), "2", "Profile2", 0));
        QVERIFY(isLink(link));
        QCOMPARE(modeOf(target), 0600);
        QCOMPARE(temporaryFilesIn(elsewhere), 0);
        QCOMPARE(temporaryFilesIn(m_dir.path()), 0);
        fromDisk();
        QVERIFY(holdsKey(target, "4", "new"));
        QVERIFY(holdsKey(link, "4", "new"));
        QVERIFY(CLumtarXML_IsExistenceSelectProfileNode(target.c_str(), "2"));
        // Creating a store never writes through a link, dangling or not.
        QVERIFY(!CLumtarXML_CreateXMLFile(link.c_str()));
        const std::string dangling = elsewhere.toStdString() + "/dangling.xml";
        QCOMPARE(::symlink("nowhere.xml", dangling.c_str()), 0);
        QVERIFY(!CLumtarXML_CreateXMLFile(dangling.c_str()));
        QVERIFY(!QFile::exists(elsewhere + "/nowhere.xml"));
    }

    // Where the file system refuses hard links, a new store is moved into
    // place in one step: a crash leaves no file or the whole file, never an
    // empty one that would stand for the store from then on.
    void noHardLinksNeverLeaveAnEmptyStore()
    {
        const QString folder = m_dir.path() + "/crash" + QString::number(++m_no);
        QVERIFY(QDir().mkdir(folder));
        const std::string path = folder.toStdString() + "/appMacro.xml";
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::NoHardLinksInterrupted);
        QVERIFY(!CLumtarXML_CreateXMLFile(path.c_str()));
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
        struct stat st;
        if (::stat(path.c_str(), &st) == 0)
            QVERIFY2(st.st_size > 0, "an empty store file was left behind");
        QVERIFY(CLumtarXML_CreateXMLFile(path.c_str()) || readFile(path).contains("lumtarStore"));
        fromDisk();
        LumtarIndexNameList profiles;
        QVERIFY(CLumtarXML_SelectProFileAllNodes(path.c_str(), &profiles));
    }

    // Many changes inside a batch: reads see them at once, the disk only at
    // the commit, in one write (a file flush and a folder flush).
    void batchWritesOnce()
    {
        const std::string path = newProfileFile();
        QVERIFY(!path.empty());
        const char *p = path.c_str();
        QVERIFY(CLumtarXML_AddProFileCustomLightNode(p, "1", "0", "Alphabets", "Using", 0));
        const QByteArray before = readFile(path);
        const unsigned long long syncs = AtomicFileWriter::syncCount();

        QVERIFY(CLumtarXML_BeginBatch(p));
        for (int kind = 0; kind < 3; ++kind)
            QVERIFY(CLumtarXML_AddProFileLightInfoItem(p, "1", lumtarDefaultColorInfo(kind)));
        QVERIFY(CLumtarXML_ModifyProFileMouseLightUsingIndex(p, "1", 0, 2));
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "0", "1", "1", "new"));
        std::list<CustomLightItemStu> items(30);
        int n = 0;
        for (CustomLightItemStu &item : items) {
            std::memset(&item, 0, sizeof item);
            std::snprintf(item.keyCode, sizeof item.keyCode, "%d", 4 + n++);
            item.colorB = 255;
        }
        for (const CustomLightItemStu &item : items)
            QVERIFY(CLumtarXML_AddProFileCustomLightDataInfo(p, "1", "0", item));
        QVERIFY(holdsKey(path, "4", "new"));
        QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(p, "1", 0), 2);
        QCOMPARE(readFile(path), before);
        QCOMPARE(AtomicFileWriter::syncCount(), syncs);

        QVERIFY(CLumtarXML_CommitBatch(p));
        QCOMPARE(AtomicFileWriter::syncCount(), syncs + 2);
        QVERIFY(!CLumtarXML_CommitBatch(p)); // none open any more
        fromDisk();
        QVERIFY(holdsKey(path, "4", "new"));
        QVERIFY(CLumtarXML_IsProFileAlreadyHaveLightInfo(p, "1", 2, 2));
        std::list<CustomLightItemStu> read;
        QVERIFY(CLumtarXML_ProFileCustomLightInfoSelectAll(p, "1", "0", &read));
        QCOMPARE(read.size(), items.size());
        // Outside a batch every change is its own write again.
        QVERIFY(CLumtarXML_ModifyProFileMouseLightUsingIndex(p, "1", 0, 3));
        QCOMPARE(AtomicFileWriter::syncCount(), syncs + 4);
    }

    // A store made in a batch appears on disk whole at the commit, with the
    // mode of a new file; before that, a crash leaves nothing.
    void batchCreatesTheFileWhole()
    {
        UmaskScope mask(027);
        const std::string path = newPath("appProfile_FN.xml");
        const char *p = path.c_str();
        {
            LumtarXmlBatch batch(p);
            QVERIFY(CLumtarXML_CreateXMLFile(p));
            QVERIFY(!CLumtarXML_CreateXMLFile(p));
            QVERIFY(CLumtarXML_CreateProFileXmlParentNode(p, "1", "Profile1", 0));
            QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(p, 1));
            QVERIFY(CLumtarXML_AddProFileCustomLightNode(p, "1", "0", "Alphabets", "Using", 0));
            QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(p), 1);
            QCOMPARE(modeOf(path), -1);
        }
        QCOMPARE(modeOf(path), 0640);
        fromDisk();
        QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(p), 1);
        std::list<CustomLightNodeStu> nodes;
        QVERIFY(CLumtarXML_SelectProFileCustomLightAllNodes(p, "1", &nodes));
        QCOMPARE(nodes.size(), size_t(1));

        // Something appeared at the path before the commit: it stays.
        const std::string raced = newPath("raced.xml");
        QVERIFY(CLumtarXML_BeginBatch(raced.c_str()));
        QVERIFY(CLumtarXML_CreateXMLFile(raced.c_str()));
        QVERIFY(CLumtarXML_CreateProFileXmlParentNode(raced.c_str(), "1", "Profile1", 0));
        {
            QFile other(QString::fromStdString(raced));
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.write("theirs");
        }
        QVERIFY(!CLumtarXML_CommitBatch(raced.c_str()));
        QCOMPARE(readFile(raced), QByteArray("theirs"));
    }

    // A call that fails inside a batch takes back only its own change.
    void batchKeepsEarlierChangesWhenACallFails()
    {
        const std::string path = newProfileFile();
        QVERIFY(!path.empty());
        const char *p = path.c_str();
        QVERIFY(CLumtarXML_BeginBatch(p));
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "5", "B", "0", "1", "1", "five"));
        QVERIFY(!CLumtarXML_ModifyProFileLightInfoItem(p, "1", 0, 7, lumtarDefaultColorInfo(0)));
        QVERIFY(!CLumtarXML_AddProFileCustomLightDataInfo(p, "1", "3", CustomLightItemStu{}));
        QVERIFY(!CLumtarXML_CreateProFileXmlParentNode(p, "1", "again", 0));
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "6", "C", "0", "1", "1", "six"));
        QVERIFY(CLumtarXML_CommitBatch(p));
        fromDisk();
        QVERIFY(holdsKey(path, "4", "old"));
        QVERIFY(holdsKey(path, "5", "five"));
        QVERIFY(holdsKey(path, "6", "six"));
        QVERIFY(!readFile(path).contains("<lights"));
    }

    void nestedBatchesWriteAtTheOutermostCommit()
    {
        const std::string path = newProfileFile();
        QVERIFY(!path.empty());
        const char *p = path.c_str();
        const QByteArray before = readFile(path);
        QVERIFY(CLumtarXML_BeginBatch(p));
        QVERIFY(CLumtarXML_BeginBatch(p));
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "0", "1", "1", "inner"));
        QVERIFY(CLumtarXML_CommitBatch(p));
        QCOMPARE(readFile(path), before);
        QVERIFY(CLumtarXML_CommitBatch(p));
        fromDisk();
        QVERIFY(holdsKey(path, "4", "inner"));
    }

    // A commit that cannot write reports it, and the disk version is what
    // the store serves from then on.
    void failedCommitLeavesTheOldFile_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("disk full") << false;
        QTest::newRow("made read-only meanwhile") << true;
    }
    void failedCommitLeavesTheOldFile()
    {
        QFETCH(bool, readOnly);
        const std::string path = newProfileFile();
        QVERIFY(!path.empty());
        const char *p = path.c_str();
        const QByteArray before = readFile(path);
        QVERIFY(CLumtarXML_BeginBatch(p));
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "0", "1", "1", "lost"));
        if (readOnly)
            QCOMPARE(::chmod(p, 0444), 0);
        else
            AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::DiskFull);
        QVERIFY(!CLumtarXML_CommitBatch(p));
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
        QCOMPARE(readFile(path), before);
        QVERIFY(holdsKey(path, "4", "old"));
        QVERIFY(storetest::log().join('\n').contains(QString::fromStdString(path)));
        QCOMPARE(temporaryFilesIn(m_dir.path()), 0);
    }

    // The list variant of the custom-light add: one write for the whole
    // scheme, keys in list order.
    void customLightItemsInOneWrite()
    {
        const std::string path = newProfileFile();
        QVERIFY(!path.empty());
        const char *p = path.c_str();
        QVERIFY(CLumtarXML_AddProFileCustomLightNode(p, "1", "2", "Custom 3", "UnUsing", -1));
        std::list<CustomLightItemStu> items;
        for (int i = 0; i < 108; ++i) {
            CustomLightItemStu item;
            std::memset(&item, 0, sizeof item);
            std::snprintf(item.keyCode, sizeof item.keyCode, "%d", 200 - i);
            std::snprintf(item.codeName, sizeof item.codeName, "K%d", i);
            item.indexX = i / 22;
            item.indexY = i % 22;
            item.colorR = i;
            item.transparentNum = 128;
            items.push_back(item);
        }
        const unsigned long long syncs = AtomicFileWriter::syncCount();
        QVERIFY(CLumtarXML_AddProFileCustomLightDataInfoList(p, "1", "2", items));
        QCOMPARE(AtomicFileWriter::syncCount(), syncs + 2);
        QVERIFY(!CLumtarXML_AddProFileCustomLightDataInfoList(p, "1", "4", items)); // no such scheme
        QVERIFY(CLumtarXML_AddProFileCustomLightDataInfoList(p, "1", "2", {}));
        QCOMPARE(AtomicFileWriter::syncCount(), syncs + 2);
        fromDisk();
        std::list<CustomLightItemStu> read;
        QVERIFY(CLumtarXML_ProFileCustomLightInfoSelectAll(p, "1", "2", &read));
        QCOMPARE(read.size(), items.size());
        auto want = items.begin();
        for (const CustomLightItemStu &item : read) {
            QVERIFY(std::memcmp(&item, &*want, sizeof item) == 0);
            ++want;
        }
    }
};

QTEST_GUILESS_MAIN(TestStoreWrites)
#include "tst_storewrites.moc"
