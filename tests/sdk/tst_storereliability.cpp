// What the stores do with damaged files, interrupted writes, files changed
// behind their back, bad arguments and texts longer than the record fields.
#include "sdk/include/LumtarXml.h"
#include "sdk/store/AtomicFileWriter.h"
#include "sdk/store/XmlDocumentCache.h"
#include "support/StoreTestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <cstring>
#include <string>

using lumtar::store::AtomicFileWriter;

namespace {

using storetest::collectLog;
using storetest::readFile;

void writeFile(const std::string &path, const QByteArray &data)
{
    QFile f(QString::fromStdString(path));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

ino_t inodeOf(const std::string &path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Bytes of a text that repeats a piece up to a length.
QByteArray repeated(const QByteArray &piece, int bytes)
{
    QByteArray out;
    while (out.size() + piece.size() <= bytes)
        out += piece;
    return out;
}

QByteArray xmlEscaped(const QByteArray &text)
{
    return QString::fromUtf8(text).toHtmlEscaped().toUtf8();
}

} // namespace

class TestStoreReliability : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::string m_path;
    int m_no = 0;

    static void fromDisk() { lumtar::store::XmlDocumentCache::instance().clear(); }
    std::string newPath(const char *name)
    {
        return m_dir.path().toStdString() + "/" + std::to_string(++m_no) + name;
    }
    bool holdsKey(const std::string &path, const char *code, const char *value)
    {
        KeyOperateInfoStu item;
        std::memset(&item, 0, sizeof item);
        std::strcpy(item.type, "-1");
        return CLumtarXML_SelectProFileKeyOperateInfo(path.c_str(), "1", code, &item)
               && std::strcmp(item.value, value) == 0;
    }
    int leftoverTemporaryFiles()
    {
        return QDir(m_dir.path()).entryList(QStringList() << ".*.tmp-*", QDir::Files | QDir::Hidden).size();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QCOMPARE(CLumtarXML_Init(), 0);
        CLumtarXML_SetLogCallback(collectLog);
    }
    void cleanupTestCase() { CLumtarXML_SetLogCallback(nullptr); }

    void init()
    {
        storetest::log().clear();
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
        m_path = newPath("appProfile_Default.xml");
        QVERIFY(CLumtarXML_CreateXMLFile(m_path.c_str()));
        QVERIFY(CLumtarXML_CreateProFileXmlParentNode(m_path.c_str(), "1", "Profile1", 0));
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(m_path.c_str(), "1", "4", "A", "0", "1", "1", "old"));
    }
    void cleanup() { AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None); }

    void damagedFileIsRefusedAndLeftUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("cut off") << QByteArray("<?xml version=\"1.0\"?>\n<lumtarStore version=\"1\"><profile index=\"1\" na");
        QTest::newRow("not XML") << QByteArray("\x00\x01\x02 garbage", 12);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("nested far too deep")
            << QByteArray("<lumtarStore version=\"1\"><profile index=\"1\" name=\"x\"/>") + QByteArray(100000, 'x').replace("x", "<a>")
                   + QByteArray(100000, 'x').replace("x", "</a>") + "</lumtarStore>";
        QTest::newRow("another program's file") << QByteArray("<settings><profile index=\"1\" name=\"x\"/></settings>");
    }
    void damagedFileIsRefusedAndLeftUntouched()
    {
        QFETCH(QByteArray, content);
        const char *p = m_path.c_str();
        CLumtarXML_GetCreateXMLFileProfileIndex(p); // the good version is cached
        writeFile(m_path, content);
        const QByteArray before = readFile(m_path);

        LumtarIndexNameList profiles;
        QVERIFY(!CLumtarXML_SelectProFileAllNodes(p, &profiles));
        QVERIFY(!holdsKey(m_path, "4", "old"));
        QVERIFY(!CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "5", "B", "0", "1", "1", "new"));
        QVERIFY(!CLumtarXML_DeleteProFileSelectedNode(p, "1"));
        QVERIFY(!CLumtarXML_ModifyXMLFileProfileIndex(p, 3));
        QVERIFY(!CLumtarXML_CreateProFileXmlParentNode(p, "2", "Profile2", 0));
        QVERIFY(!CLumtarXML_CreateXMLFile(p));
        QCOMPARE(readFile(m_path), before);
        QVERIFY(storetest::log().join('\n').contains(QString::fromStdString(m_path)));
    }

    void pipeOrFolderIsRefusedWithoutWaiting_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("named pipe") << true;
        QTest::newRow("folder") << false;
    }
    void pipeOrFolderIsRefusedWithoutWaiting()
    {
        // Nobody writes to the pipe: opening it for reading would wait for good.
        QFETCH(bool, pipe);
        const std::string path = newPath(pipe ? "pipe.xml" : "folder.xml");
        QCOMPARE(pipe ? ::mkfifo(path.c_str(), 0600) : ::mkdir(path.c_str(), 0700), 0);
        const char *p = path.c_str();
        LumtarIndexNameList profiles;
        QVERIFY(!CLumtarXML_SelectProFileAllNodes(p, &profiles));
        QVERIFY(!CLumtarXML_CreateProFileXmlParentNode(p, "1", "Profile1", 0));
        QVERIFY(!CLumtarXML_ProFileImport(m_path.c_str(), p, "1"));
        QVERIFY(!CLumtarXML_ProFileExport(m_path.c_str(), p, "1", 0));
        QVERIFY(!CLumtarXML_CreateXMLFile(p));
        QVERIFY(storetest::log().join('\n').contains(QString::fromStdString(path)));
        struct stat st;
        QCOMPARE(::stat(p, &st), 0);
        QCOMPARE(bool(S_ISFIFO(st.st_mode)), pipe);
    }

    void interruptedWriteLeavesTheOldFile_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("rename never happens") << int(AtomicFileWriter::Fault::NoRename);
        QTest::newRow("disk full") << int(AtomicFileWriter::Fault::DiskFull);
    }
    void interruptedWriteLeavesTheOldFile()
    {
        QFETCH(int, fault);
        const char *p = m_path.c_str();
        const QByteArray before = readFile(m_path);
        const int temporaries = leftoverTemporaryFiles();
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault(fault));
        QVERIFY(!CLumtarXML_DeleteProFileMacroWithKeyInfoItem(p, "1", "4", "A"));
        QVERIFY(!CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "0", "1", "1", "new"));
        QVERIFY(!CLumtarXML_CreateXMLFile(newPath("never.xml").c_str()));
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
        QCOMPARE(readFile(m_path), before);
        // The failed change is not served from memory either.
        QVERIFY(holdsKey(m_path, "4", "old"));
        if (fault == int(AtomicFileWriter::Fault::DiskFull))
            QCOMPARE(leftoverTemporaryFiles(), temporaries);
        // A later write works and replaces the file whole.
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "0", "1", "1", "new"));
        fromDisk();
        QVERIFY(holdsKey(m_path, "4", "new"));
    }

    void newFilesWhereHardLinksAreRefused_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("rename refusing to replace") << int(AtomicFileWriter::Fault::NoHardLinks);
        QTest::newRow("neither") << int(AtomicFileWriter::Fault::NoHardLinksNoRenameat2);
    }
    void newFilesWhereHardLinksAreRefused()
    {
        // As on a FAT-formatted stick: a new store or an export is still
        // made, and an existing file is still never replaced.
        QFETCH(int, fault);
        const int temporaries = leftoverTemporaryFiles();
        const QByteArray before = readFile(m_path);
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault(fault));
        QVERIFY(!CLumtarXML_CreateXMLFile(m_path.c_str()));
        const std::string fresh = newPath("fresh.xml");
        QVERIFY(CLumtarXML_CreateXMLFile(fresh.c_str()));
        const std::string exported = newPath("export.xml");
        QVERIFY(CLumtarXML_ProFileExport(m_path.c_str(), exported.c_str(), "1", 0));
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
        QCOMPARE(readFile(m_path), before);
        QCOMPARE(leftoverTemporaryFiles(), temporaries);
        fromDisk();
        LumtarIndexNameList profiles;
        QVERIFY(CLumtarXML_SelectProFileAllNodes(fresh.c_str(), &profiles));
        QVERIFY(profiles.empty());
        QVERIFY(CLumtarXML_SelectProFileAllNodes(exported.c_str(), &profiles));
        QCOMPARE(profiles.size(), size_t(1));
        QVERIFY(holdsKey(exported, "4", "old"));
    }

    void fileChangedOnDiskIsReadAgain()
    {
        QVERIFY(holdsKey(m_path, "4", "old"));
        // Another copy of the file, changed elsewhere, replaces it on disk.
        const std::string other = newPath("copy.xml");
        QVERIFY(QFile::copy(QString::fromStdString(m_path), QString::fromStdString(other)));
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(other.c_str(), "1", "4", "A", "0", "1", "1", "elsewhere"));
        QVERIFY(::rename(other.c_str(), m_path.c_str()) == 0);
        QVERIFY(holdsKey(m_path, "4", "elsewhere"));
        // Removed on disk: gone for the store too.
        QVERIFY(QFile::remove(QString::fromStdString(m_path)));
        QVERIFY(!holdsKey(m_path, "4", "elsewhere"));
        QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(m_path.c_str()), -1);
    }

    // A file edited by hand may hold an element twice (or once as "4" and
    // once as "04"): every store acts on the first match, the rest stays.
    void handEditedDuplicates_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("remains");
        const QByteArray keys = "<profile index=\"1\" name=\"P\"><keys>"
                                "<key code=\"4\" name=\"A\" type=\"0\" count=\"1\" mode=\"1\" value=\"first\"/>"
                                "<key code=\"04\" name=\"A\" type=\"0\" count=\"1\" mode=\"1\" value=\"second\"/>"
                                "</keys><macros><macro index=\"3\" name=\"first\"/>"
                                "<macro index=\"03\" name=\"second\"><event mark=\"0\"/></macro></macros></profile>";
        QTest::newRow("profile") << QByteArray("<profile index=\"1\" name=\"first\"/><profile index=\"01\" name=\"second\"/>")
                                 << 0 << "01 second";
        QTest::newRow("key item") << keys << 1 << "second";
        QTest::newRow("macro copy") << keys << 2 << "1 event";
        QTest::newRow("macro") << QByteArray("<macro index=\"7\" name=\"first\"/><macro index=\"007\" name=\"second\"/>")
                               << 3 << "007 second";
        QTest::newRow("advanced key") << QByteArray("<seniorKeys><seniorKey id=\"5\" name=\"first\"/>"
                                                    "<seniorKey id=\"5\" name=\"second\"/></seniorKeys>")
                                      << 4 << "5 second";
        QTest::newRow("key item added as 4 over 04")
            << QByteArray("<profile index=\"1\" name=\"P\"><keys>"
                          "<key code=\"04\" name=\"A\" type=\"0\" count=\"1\" mode=\"1\" value=\"old\"/>"
                          "<key code=\"5\" name=\"B\" type=\"0\" count=\"1\" mode=\"1\" value=\"other\"/>"
                          "</keys></profile>")
            << 5 << "4 new, 5 other";
    }
    void handEditedDuplicates()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, operation);
        QFETCH(QString, remains);
        const std::string path = newPath("edited.xml");
        writeFile(path, "<lumtarStore version=\"1\">" + content + "</lumtarStore>");
        const char *p = path.c_str();
        QStringList left;
        KeyOperateInfoStu item;
        std::memset(&item, 0, sizeof item);
        switch (operation) {
        case 0: {
            QVERIFY(CLumtarXML_DeleteProFileSelectedNode(p, "1"));
            LumtarIndexNameList profiles;
            QVERIFY(CLumtarXML_SelectProFileAllNodes(p, &profiles));
            for (const auto &pr : profiles)
                left << QString::fromStdString(pr.first + " " + pr.second);
            break;
        }
        case 1:
            QVERIFY(CLumtarXML_DeleteProFileMacroWithKeyInfoItem(p, "1", "4", "A"));
            QVERIFY(CLumtarXML_SelectProFileKeyOperateInfo(p, "1", "4", &item));
            left << QString::fromUtf8(item.value);
            break;
        case 2: {
            QVERIFY(CLumtarXML_DeleteProFileBindMacroNode(p, "1", "3", "Macro3"));
            std::list<KeyOrMouseEventStu> events;
            QVERIFY(CLumtarXML_ProFileMacroWithKeyInfoSelectAll(p, "1", "3", "", &events));
            left << QString::number(events.size()) + " event";
            break;
        }
        case 3: {
            QVERIFY(CLumtarXML_DeleteMacroNode(p, "7"));
            LumtarIndexNameList macros;
            QVERIFY(CLumtarXML_SelectMacroAllNodes(p, &macros));
            for (const auto &m : macros)
                left << QString::fromStdString(m.first + " " + m.second);
            break;
        }
        case 4: {
            QVERIFY(CLumtarXML_SeniorKey_DeleteInfoItem(p, 1, 5));
            std::list<SeniorKeyInfoStu> records;
            QVERIFY(CLumtarXML_SeniorKey_SelectAllInfoItem(p, &records));
            for (const auto &r : records)
                left << QString::number(r.id) + " " + QString::fromUtf8(r.name);
            break;
        }
        case 5: {
            QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "0", "1", "1", "new"));
            std::list<std::string> codes;
            QVERIFY(CLumtarXML_ProFileKeyInfoSelectAll(p, "1", &codes));
            for (const std::string &code : codes) {
                QVERIFY(CLumtarXML_SelectProFileKeyOperateInfo(p, "1", code.c_str(), &item));
                left << QString::fromStdString(code) + " " + QString::fromUtf8(item.value);
            }
            break;
        }
        }
        QCOMPARE(left.join(", "), remains);
    }

    void writesOnlyOnChange()
    {
        const char *p = m_path.c_str();
        QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(p, 1));
        QVERIFY(CLumtarXML_SetProFileIntoSleepTimeInfo(p, "1", 600, 30));
        QVERIFY(CLumtarXML_AddProFileFunctionInfo(p, "1", "0", "0", "0", "1"));
        const ino_t inode = inodeOf(m_path);
        // Every write replaces the file by a new one, so an unchanged inode
        // means nothing was written.
        QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(p, 1));
        QVERIFY(CLumtarXML_SetProFileIntoSleepTimeInfo(p, "1", 600, 30));
        QVERIFY(CLumtarXML_AddProFileFunctionInfo(p, "1", "0", "0", "0", "1"));
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "0", "1", "1", "old"));
        QVERIFY(CLumtarXML_DeleteProFileMacroWithKeyInfoItem(p, "1", "99", "x"));
        QVERIFY(CLumtarXML_ModifyProfileNodeInfo(p, "1", "Profile1"));
        QCOMPARE(inodeOf(m_path), inode);
        QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(p, 2));
        QVERIFY(inodeOf(m_path) != inode);
    }

    void badArguments()
    {
        const char *p = m_path.c_str();
        const std::string longPath(5000, 'a');
        KeyOperateInfoStu item;
        std::memset(&item, 0, sizeof item);
        QVERIFY(!CLumtarXML_CreateXMLFile(nullptr));
        QVERIFY(!CLumtarXML_CreateXMLFile(""));
        QVERIFY(!CLumtarXML_CreateXMLFile(longPath.c_str()));
        QVERIFY(!CLumtarXML_CreateXMLFile((m_dir.path().toStdString() + "/no/such/folder.xml").c_str()));
        QVERIFY(!CLumtarXML_SelectProFileKeyOperateInfo(longPath.c_str(), "1", "4", &item));
        QVERIFY(!CLumtarXML_SelectProFileKeyOperateInfo(p, nullptr, "4", &item));
        QVERIFY(!CLumtarXML_SelectProFileKeyOperateInfo(p, "1", nullptr, &item));
        QVERIFY(!CLumtarXML_SelectProFileKeyOperateInfo(p, "1", "4", nullptr));
        QVERIFY(!CLumtarXML_SelectProFileKeyOperateInfo(p, "99999999999999999999999", "4", &item));
        QVERIFY(!CLumtarXML_SelectProFileKeyOperateInfo(p, "one", "4", &item));
        QVERIFY(!CLumtarXML_SelectProFileAllNodes(p, nullptr));
        QVERIFY(!CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "", "A", "0", "1", "1", "x"));
        QVERIFY(!CLumtarXML_CreateProFileXmlParentNode(p, "", "x", 0));
        const std::string huge(2 * 1024 * 1024, 'h');
        QVERIFY(!CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "5", "B", "6", "1", "1", huge.c_str()));
        QVERIFY(!CLumtarXML_GetProFileIntoSleepTimeInfo(p, "1", nullptr, nullptr));
        QCOMPARE(CLumtarXML_GetProFileValueNum(p, "1", nullptr, "3"), 0);
        QVERIFY(!CLumtarXML_SeniorKey_AddInfoItem(p, 1, SeniorKeyInfoStu{})); // id 0
        QVERIFY(!CLumtarXML_UpdateEventItem(p, "1", "0", 7, KeyOrMouseEventStu{}));
        QVERIFY(holdsKey(m_path, "4", "old"));
    }

    void absurdNumbersInAFile()
    {
        const std::string path = newPath("numbers.xml");
        writeFile(path, "<lumtarStore version=\"1\" currentProfile=\"99999999999999999999\">"
                        "<profile index=\"1\" name=\"n\"><lights>"
                        "<current kind=\"0\" mode=\"-99999999999999999999\"/>"
                        "<light kind=\"0\" mode=\"2\" brightness=\"4294967296\" speed=\"x\" red1=\"-5\"/>"
                        "</lights><sleep lightSeconds=\"1e9\" keyboardMinutes=\"2147483648\"/></profile>"
                        "</lumtarStore>");
        QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(path.c_str()), INT32_MAX);
        QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(path.c_str(), "1", 0), INT32_MIN);
        colorInfoData d;
        std::memset(&d, 0x11, sizeof d);
        QVERIFY(CLumtarXML_SelectProfileColorDataInfo(path.c_str(), "1", 0, 2, &d));
        QCOMPARE(d.brightness, INT32_MAX);
        QCOMPARE(d.speed, 0);
        QCOMPARE(d.red1, -5);
        QCOMPARE(d.extra2, 0);
        int light = 600, keyboard = 30;
        QVERIFY(CLumtarXML_GetProFileIntoSleepTimeInfo(path.c_str(), "1", &light, &keyboard));
        QCOMPARE(light, 600); // not a number: left as it was
        QCOMPARE(keyboard, INT32_MAX);
    }

    // Texts longer than their fields, in every record a select fills: whole
    // when they fit, cut at a character boundary otherwise, always ending in NUL.
    void boundedCopies_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("expected");
        const int caps[] = {8, 16, 64, 256, 640, 5120};
        for (int cap : caps) {
            const QByteArray c = QByteArray::number(cap);
            QTest::newRow(c + " exact") << cap << QByteArray("a") << cap - 1 << cap - 1;
            QTest::newRow(c + " one over") << cap << QByteArray("a") << cap << cap - 1;
            // A two-byte character whose second byte would be the last one.
            QTest::newRow(c + " split 2") << cap << QByteArray("\xC3\xA9") << cap << ((cap - 1) / 2) * 2;
            QTest::newRow(c + " split 4") << cap << QByteArray("\xF0\x9F\x8E\xAE") << cap + 8 << ((cap - 1) / 4) * 4;
        }
    }
    void boundedCopies()
    {
        QFETCH(int, capacity);
        QFETCH(QByteArray, piece);
        QFETCH(int, length);
        QFETCH(int, expected);
        const QByteArray text = repeated(piece, length);
        const QByteArray esc = xmlEscaped(text);
        const std::string path = newPath("edges.xml");
        writeFile(path,
                  "<lumtarStore version=\"1\">"
                  "<profile index=\"1\" name=\"" + esc + "\">"
                  "<keys><key code=\"4\" name=\"" + esc + "\" type=\"" + esc + "\" count=\"" + esc
                      + "\" mode=\"" + esc + "\" value=\"" + esc + "\"/></keys>"
                  "<locks altTab=\"" + esc + "\" altF4=\"1\" shiftTab=\"1\" winKey=\"1\"/>"
                  "<macros><macro index=\"1\" name=\"m\"><event mark=\"" + esc + "\" delay=\"" + esc
                      + "\" type=\"" + esc + "\" keyCode=\"" + esc + "\" codeName=\"" + esc
                      + "\" operateExplain=\"" + esc + "\"/></macro></macros>"
                  "<customLights><scheme index=\"0\" name=\"" + esc + "\" isUsing=\"" + esc
                      + "\" usingFlagIndex=\"0\"><item keyCode=\"" + esc + "\" codeName=\"" + esc
                      + "\" indexX=\"1\"/></scheme></customLights>"
                  "</profile>"
                  "<seniorKeys><seniorKey id=\"1\" name=\"" + esc + "\" kind=\"1\" slot1=\"" + esc
                      + "\"/></seniorKeys>"
                  "</lumtarStore>");
        const char *p = path.c_str();

        // Checks one field of the given width against the expected cut.
        auto check = [&](const char *field, int width) {
            const QByteArray got(field);
            if (width != capacity)
                return true;
            if (got.size() != expected || !text.startsWith(got))
                qWarning() << "width" << width << "got" << got.size() << "bytes, expected" << expected;
            return got.size() == expected && text.startsWith(got);
        };

        KeyOperateInfoStu item;
        std::memset(&item, 0x41, sizeof item);
        QVERIFY(CLumtarXML_SelectProFileKeyOperateInfo(p, "1", "4", &item));
        QVERIFY(check(item.keyName, 64));
        QVERIFY(check(item.type, 8));
        QVERIFY(check(item.count, 8));
        QVERIFY(check(item.mode, 8));
        QVERIFY(check(item.value, 5120));

        ProfileNodeInfoStu node;
        std::memset(&node, 0x41, sizeof node);
        QVERIFY(CLumtarXML_SelectProfileNodeInfo(p, "1", &node));
        QVERIFY(check(node.name, 640));

        char flags[4][8];
        std::memset(flags, 0x41, sizeof flags);
        QVERIFY(CLumtarXML_GetProFileFunctionInfo(p, "1", flags));
        QVERIFY(check(flags[0], 8));
        QCOMPARE(QByteArray(flags[1]), QByteArray("1"));

        std::list<KeyOrMouseEventStu> events;
        QVERIFY(CLumtarXML_ProFileMacroWithKeyInfoSelectAll(p, "1", "1", "", &events));
        QCOMPARE(events.size(), size_t(1));
        const KeyOrMouseEventStu &e = events.front();
        QVERIFY(check(e.mark, 64));
        QVERIFY(check(e.delay, 16));
        QVERIFY(check(e.type, 16));
        QVERIFY(check(e.keyCode, 16));
        QVERIFY(check(e.codeName, 64));
        QVERIFY(check(e.operateExplain, 64));

        std::list<CustomLightNodeStu> nodes;
        QVERIFY(CLumtarXML_SelectProFileCustomLightAllNodes(p, "1", &nodes));
        QVERIFY(check(nodes.front().name, 64));
        QVERIFY(check(nodes.front().isUsing, 16));
        std::list<CustomLightItemStu> items;
        QVERIFY(CLumtarXML_ProFileCustomLightInfoSelectAll(p, "1", "0", &items));
        QVERIFY(check(items.front().keyCode, 16));
        QVERIFY(check(items.front().codeName, 64));

        std::list<SeniorKeyInfoStu> records;
        QVERIFY(CLumtarXML_SeniorKey_SelectAllInfoItem(p, &records));
        QVERIFY(check(records.front().name, 256));
        QVERIFY(check(records.front().keySlot[0], 16));
    }
};

QTEST_GUILESS_MAIN(TestStoreReliability)
#include "tst_storereliability.moc"
