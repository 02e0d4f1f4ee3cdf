// Profile files: profiles, key items, light records, settings, macro copies,
// custom-light schemes, export and import, through the SDK's C surface.
#include "sdk/include/LumtarXml.h"
#include "sdk/store/XmlDocumentCache.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <string>

namespace {

KeyOperateInfoStu prefilledItem()
{
    KeyOperateInfoStu item;
    std::memset(&item, 0x5A, sizeof item); // garbage beyond the pre-fills
    std::strcpy(item.keyCode, "-1");
    std::strcpy(item.keyName, "-1");
    std::strcpy(item.type, "-1");
    std::strcpy(item.count, "-1");
    std::strcpy(item.mode, "-1");
    std::strcpy(item.value, "-1");
    return item;
}

KeyOrMouseEventStu makeEvent(const char *mark, const char *delay, const char *code, const char *name,
                         const char *operate)
{
    KeyOrMouseEventStu e;
    std::memset(&e, 0, sizeof e);
    std::strcpy(e.mark, mark);
    std::strcpy(e.delay, delay);
    std::strcpy(e.type, "key");
    std::strcpy(e.keyCode, code);
    std::strcpy(e.codeName, name);
    std::strcpy(e.operateExplain, operate);
    return e;
}

} // namespace

class TestStoreProfile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::string m_path;
    int m_fileNo = 0;

    std::string newFile()
    {
        std::string p = m_dir.path().toStdString() + "/appProfile_" + std::to_string(++m_fileNo) + ".xml";
        return p;
    }
    // A profile file with one profile "1", as the open sequence creates it.
    std::string newProfileFile()
    {
        std::string p = newFile();
        CLumtarXML_CreateXMLFile(p.c_str());
        CLumtarXML_CreateProFileXmlParentNode(p.c_str(), "1", "Profile1", 0);
        CLumtarXML_ModifyXMLFileProfileIndex(p.c_str(), 1);
        return p;
    }
    // Drops the parsed copies so the next call reads what is on disk.
    static void fromDisk() { lumtar::store::XmlDocumentCache::instance().clear(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QCOMPARE(CLumtarXML_Init(), 0);
    }

    void init() { m_path = newProfileFile(); }

    void createRefusesAnExistingFile()
    {
        QVERIFY(!CLumtarXML_CreateXMLFile(m_path.c_str()));
        LumtarIndexNameList profiles;
        QVERIFY(CLumtarXML_SelectProFileAllNodes(m_path.c_str(), &profiles));
        QCOMPARE(profiles.size(), size_t(1));
    }

    void profilesKeepCreationOrder()
    {
        const char *p = m_path.c_str();
        QVERIFY(CLumtarXML_CreateProFileXmlParentNode(p, "5", "Five", 0));
        QVERIFY(CLumtarXML_CreateProFileXmlParentNode(p, "2", "Two", 0));
        QVERIFY(!CLumtarXML_CreateProFileXmlParentNode(p, "2", "Again", 0));
        QVERIFY(!CLumtarXML_CreateProFileXmlParentNode(p, "02", "Again", 0)); // same number
        fromDisk();
        LumtarIndexNameList profiles;
        QVERIFY(CLumtarXML_SelectProFileAllNodes(p, &profiles));
        QCOMPARE(profiles.size(), size_t(3));
        QCOMPARE(profiles[0].first, std::string("1"));
        QCOMPARE(profiles[1], std::make_pair(std::string("5"), std::string("Five")));
        QCOMPARE(profiles[2], std::make_pair(std::string("2"), std::string("Two")));
        QVERIFY(CLumtarXML_IsExistenceSelectProfileNode(p, "5"));
        QVERIFY(!CLumtarXML_IsExistenceSelectProfileNode(p, "3"));

        QVERIFY(CLumtarXML_DeleteProFileSelectedNode(p, "5"));
        profiles.clear();
        CLumtarXML_SelectProFileAllNodes(p, &profiles);
        QCOMPARE(profiles.size(), size_t(2));
        QCOMPARE(profiles[1].first, std::string("2"));
    }

    void currentProfileIndex()
    {
        QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(m_path.c_str()), 1);
        QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(m_path.c_str(), 7));
        fromDisk();
        QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(m_path.c_str()), 7);
        std::string empty = newFile();
        QVERIFY(CLumtarXML_CreateXMLFile(empty.c_str()));
        QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(empty.c_str()), -1);
        QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex((empty + ".missing").c_str()), -1);
    }

    void profileNodeAndRename()
    {
        const char *p = m_path.c_str();
        const std::string name = "Profil \xC3\xA9t\xC3\xA9 \xE6\x96\x87\xF0\x9F\x8E\xAE";
        QVERIFY(CLumtarXML_ModifyProfileNodeInfo(p, "1", name.c_str()));
        fromDisk();
        unsigned char buffer[648];
        std::memset(buffer, 0x77, sizeof buffer);
        QVERIFY(CLumtarXML_SelectProfileNodeInfo(p, "1", reinterpret_cast<ProfileNodeInfoStu *>(buffer)));
        QCOMPARE(std::string(reinterpret_cast<char *>(buffer) + 8), name);

        ProfileNodeInfoStu untouched;
        std::memset(&untouched, 0x33, sizeof untouched);
        ProfileNodeInfoStu copy = untouched;
        QVERIFY(!CLumtarXML_SelectProfileNodeInfo(p, "9", &copy));
        QVERIFY(std::memcmp(&copy, &untouched, sizeof copy) == 0);
    }

    void keyItemRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("plain") << QByteArray("Esc") << QByteArray("41");
        QTest::newRow("non-ASCII text") << QByteArray("\xC3\x84") << QByteArray("Gr\xC3\xBC\xC3\x9F" "e \xE4\xBD\xA0\xE5\xA5\xBD\nline two\r\n\ttab");
        QTest::newRow("markup characters") << QByteArray("<&>\"'") << QByteArray("a<b & c>\"d\" 'e' ]]>");
        QTest::newRow("control characters") << QByteArray("x") << QByteArray("\x01\x02\x1f end");
        QTest::newRow("Latin-1 name") << QByteArray("\xE9\xE8") << QByteArray("C:/Tools/app.exe");
        QTest::newRow("5119 bytes") << QByteArray("Text") << QByteArray(5119, 'v');
    }
    void keyItemRoundTrip()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, value);
        const char *p = m_path.c_str();
        QVERIFY(CLumtarXML_DeleteProFileMacroWithKeyInfoItem(p, "1", "41", name.constData()));
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "41", name.constData(), "6", "1",
                                                          "1", value.constData()));
        fromDisk();
        KeyOperateInfoStu item = prefilledItem();
        QVERIFY(CLumtarXML_SelectProFileKeyOperateInfo(p, "1", "41", &item));
        QCOMPARE(QByteArray(item.keyCode), QByteArray("41"));
        QCOMPARE(QByteArray(item.keyName), name);
        QCOMPARE(QByteArray(item.type), QByteArray("6"));
        QCOMPARE(QByteArray(item.count), QByteArray("1"));
        QCOMPARE(QByteArray(item.mode), QByteArray("1"));
        QCOMPARE(QByteArray(item.value), value);
    }

    void longTextIsKeptWholeAndCutOnRead()
    {
        // 5000 characters of a three-byte character: 15000 bytes stored,
        // read back cut at a character boundary.
        std::string text;
        for (int i = 0; i < 5000; ++i)
            text += "\xE6\x96\x87";
        const char *p = m_path.c_str();
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "6", "1", "1", text.c_str()));
        fromDisk();
        KeyOperateInfoStu item = prefilledItem();
        QVERIFY(CLumtarXML_SelectProFileKeyOperateInfo(p, "1", "4", &item));
        const size_t len = std::strlen(item.value);
        QCOMPARE(len, size_t(5118)); // 1706 whole characters
        QCOMPARE(std::string(item.value), text.substr(0, len));
    }

    void selectOnAbsentLeavesPrefills()
    {
        const char *p = m_path.c_str();
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "41", "Esc", "0", "1", "1", "42");
        const KeyOperateInfoStu before = prefilledItem();
        KeyOperateInfoStu item = before;
        QVERIFY(!CLumtarXML_SelectProFileKeyOperateInfo(p, "1", "42", &item));   // other key
        QVERIFY(!CLumtarXML_SelectProFileKeyOperateInfo(p, "2", "41", &item));   // other profile
        QVERIFY(!CLumtarXML_SelectProFileKeyOperateInfo((m_path + "x").c_str(), "1", "41", &item));
        QVERIFY(std::memcmp(&item, &before, sizeof item) == 0);

        char flags[4][8] = {"0", "0", "0", "0"};
        QVERIFY(!CLumtarXML_GetProFileFunctionInfo(p, "1", flags));
        for (auto &f : flags)
            QCOMPARE(QByteArray(f), QByteArray("0"));
        int light = 600, keyboard = 30;
        QVERIFY(!CLumtarXML_GetProFileIntoSleepTimeInfo(p, "1", &light, &keyboard));
        QCOMPARE(light, 600);
        QCOMPARE(keyboard, 30);
        colorInfoData c = lumtarDefaultColorInfo(1);
        const colorInfoData c0 = c;
        QVERIFY(!CLumtarXML_SelectProfileColorDataInfo(p, "1", 1, 4, &c));
        QVERIFY(std::memcmp(&c, &c0, sizeof c) == 0);
    }

    void keyItemsFoundByCodeAlone()
    {
        const char *p = m_path.c_str();
        // UTF-8 name on add, Latin-1 name on delete: still the same item.
        QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "51", "\xC3\xB6", "0", "1", "1", "4"));
        QVERIFY(CLumtarXML_DeleteProFileMacroWithKeyInfoItem(p, "1", "51", "\xF6"));
        KeyOperateInfoStu item = prefilledItem();
        QVERIFY(!CLumtarXML_SelectProFileKeyOperateInfo(p, "1", "51", &item));
        QVERIFY(CLumtarXML_DeleteProFileMacroWithKeyInfoItem(p, "1", "51", "")); // none: no error

        // Saving twice leaves one item, the second; an add without the delete replaces too.
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "20", "Q", "0", "1", "1", "4");
        CLumtarXML_DeleteProFileMacroWithKeyInfoItem(p, "1", "20", "Q");
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "20", "Q", "5", "1", "1", "-1");
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "020", "Q", "3", "1", "1", "7");
        std::list<std::string> codes;
        QVERIFY(CLumtarXML_ProFileKeyInfoSelectAll(p, "1", &codes));
        QCOMPARE(codes.size(), size_t(1));
        QVERIFY(CLumtarXML_SelectProFileKeyOperateInfo(p, "1", "20", &item));
        QCOMPARE(QByteArray(item.type), QByteArray("3"));
        QCOMPARE(QByteArray(item.value), QByteArray("7"));
    }

    void keyCodesInStoreOrderAndPerProfile()
    {
        const char *p = m_path.c_str();
        CLumtarXML_CreateProFileXmlParentNode(p, "2", "Profile2", 0);
        for (const char *code : {"41", "4", "224", "-10"})
            CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", code, "k", "0", "1", "1", "4");
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "2", "30", "k", "0", "1", "1", "4");
        std::list<std::string> codes;
        QVERIFY(CLumtarXML_ProFileKeyInfoSelectAll(p, "1", &codes));
        QCOMPARE(codes, (std::list<std::string>{"41", "4", "224", "-10"}));
        codes.clear();
        QVERIFY(CLumtarXML_ProFileKeyInfoSelectAll(p, "2", &codes));
        QCOMPARE(codes, std::list<std::string>{"30"});
    }

    void countingComparesNumbers()
    {
        const char *p = m_path.c_str();
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "1", "1", "1", "3");
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "5", "B", "1", "2", "2", "03");
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "6", "C", "1", "1", "1", "13");
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "7", "D", "0", "1", "1", "3");
        QCOMPARE(CLumtarXML_GetProFileValueNum(p, "1", "1", "3"), 2);
        QCOMPARE(CLumtarXML_GetProFileValueNum(p, "1", "01", "3"), 2);
        QCOMPARE(CLumtarXML_GetProFileValueNum(p, "1", "1", "13"), 1);
        QCOMPARE(CLumtarXML_GetProFileValueNum(p, "1", "1", "4"), 0);
        QCOMPARE(CLumtarXML_GetProFileValueNum(p, "2", "1", "3"), 0);
        QCOMPARE(CLumtarXML_GetProFileValueNum((m_path + "x").c_str(), "1", "1", "3"), 0);
    }

    void macroCopies()
    {
        const char *p = m_path.c_str();
        std::list<KeyOrMouseEventStu> events{makeEvent("0", "10", "4", "A", "down"),
                                             makeEvent("0", "25", "4", "A", "up"),
                                             makeEvent("1", "", "5", "\xE9\x94\xAE", "down")};
        QVERIFY(CLumtarXML_AddProFileBindMacroItem(p, "1", events, "3", "Macro3"));
        QVERIFY(CLumtarXML_AddProFileBindMacroItem(p, "1", {}, "4", "Macro4"));
        fromDisk();
        std::list<KeyOrMouseEventStu> read;
        QVERIFY(CLumtarXML_ProFileMacroWithKeyInfoSelectAll(p, "1", "3", "", &read));
        QCOMPARE(read.size(), size_t(3));
        auto a = events.begin();
        for (const KeyOrMouseEventStu &e : read) {
            QVERIFY(std::memcmp(&e, &*a, sizeof e) == 0);
            ++a;
        }
        read.clear();
        QVERIFY(CLumtarXML_ProFileMacroWithKeyInfoSelectAll(p, "1", "4", "", &read));
        QVERIFY(read.empty());

        // Replacing a copy keeps one copy with the new events.
        QVERIFY(CLumtarXML_DeleteProFileBindMacroNode(p, "1", "3", "Macro3"));
        QVERIFY(CLumtarXML_AddProFileBindMacroItem(p, "1", {makeEvent("7", "1", "6", "C", "down")}, "3", "Macro3"));
        read.clear();
        QVERIFY(CLumtarXML_ProFileMacroWithKeyInfoSelectAll(p, "1", "3", "", &read));
        QCOMPARE(read.size(), size_t(1));
        QCOMPARE(QByteArray(read.front().mark), QByteArray("7"));

        QVERIFY(CLumtarXML_DeleteProFileBindMacroNode(p, "1", "3", "Macro3"));
        read.clear();
        QVERIFY(!CLumtarXML_ProFileMacroWithKeyInfoSelectAll(p, "1", "3", "", &read));
        QVERIFY(read.empty());
    }

    void lightRecords()
    {
        const char *p = m_path.c_str();
        for (int kind = 0; kind < 3; ++kind) {
            colorInfoData d = {kind, 2, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0};
            QVERIFY(CLumtarXML_AddProFileLightInfoItem(p, "1", d));
        }
        // A profile that never chose a mode reports none (-1), records or not.
        QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(p, "1", 0), -1);
        QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(p, "1", 1), -1);
        QVERIFY(!CLumtarXML_IsProFileAlreadyHaveLightInfo(p, "1", 0, 7));
        colorInfoData seven = {0, 7, 4, 1, 1, 2, 3, 4, 5, 6, -1, 0, 123456789, -2147483647 - 1};
        QVERIFY(!CLumtarXML_ModifyProFileLightInfoItem(p, "1", 0, 7, seven)); // none yet
        QVERIFY(CLumtarXML_AddProFileLightInfoItem(p, "1", seven));
        QVERIFY(CLumtarXML_IsProFileAlreadyHaveLightInfo(p, "1", 0, 7));
        seven.brightness = 1;
        QVERIFY(CLumtarXML_ModifyProFileLightInfoItem(p, "1", 0, 7, seven));
        QVERIFY(CLumtarXML_ModifyProFileMouseLightUsingIndex(p, "1", 0, 7));
        QVERIFY(CLumtarXML_ModifyProFileMouseLightUsingIndex(p, "1", 1, 4));
        QVERIFY(CLumtarXML_ModifyProFileLightSynchronizeStatus(p, "1", 1));
        fromDisk();
        colorInfoData out;
        std::memset(&out, 0, sizeof out);
        QVERIFY(CLumtarXML_SelectProfileColorDataInfo(p, "1", 0, 7, &out));
        QVERIFY(std::memcmp(&out, &seven, sizeof out) == 0);
        QVERIFY(CLumtarXML_SelectProfileColorDataInfo(p, "1", 2, 2, &out));
        QCOMPARE(out.lightKind, 2);
        QCOMPARE(out.red1, 255);
        QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(p, "1", 0), 7);
        QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(p, "1", 1), 4);
        QCOMPARE(CLumtarXML_SelectProFileLightSynchronizeStatus(p, "1"), 1);
        QCOMPARE(CLumtarXML_SelectProFileLightTypeRuningStatus(p, "1"), 1);
        QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(p, "9", 0), -1);
        QCOMPARE(CLumtarXML_SelectProFileLightSynchronizeStatus(p, "9"), -1);
        // One record per (kind, mode): adding again replaces.
        colorInfoData again = seven;
        again.speed = 9;
        QVERIFY(CLumtarXML_AddProFileLightInfoItem(p, "1", again));
        QVERIFY(CLumtarXML_SelectProfileColorDataInfo(p, "1", 0, 7, &out));
        QCOMPARE(out.speed, 9);
    }

    void settings()
    {
        const char *p = m_path.c_str();
        QVERIFY(CLumtarXML_AddProFileFunctionInfo(p, "1", "1", "0", "1", "1"));
        QVERIFY(CLumtarXML_SetProFileIntoSleepTimeInfo(p, "1", 120, 15));
        fromDisk();
        char flags[4][8] = {"0", "0", "0", "0"};
        QVERIFY(CLumtarXML_GetProFileFunctionInfo(p, "1", flags));
        QCOMPARE(QByteArray(flags[0]), QByteArray("1"));
        QCOMPARE(QByteArray(flags[1]), QByteArray("0"));
        QCOMPARE(QByteArray(flags[2]), QByteArray("1"));
        QCOMPARE(QByteArray(flags[3]), QByteArray("1"));
        int light = 600, keyboard = 30;
        QVERIFY(CLumtarXML_GetProFileIntoSleepTimeInfo(p, "1", &light, &keyboard));
        QCOMPARE(light, 120);
        QCOMPARE(keyboard, 15);
        // A flag text longer than its slot comes back cut and terminated.
        QVERIFY(CLumtarXML_AddProFileFunctionInfo(p, "1", "123456789", "0", "0", "0"));
        QVERIFY(CLumtarXML_GetProFileFunctionInfo(p, "1", flags));
        QCOMPARE(QByteArray(flags[0]), QByteArray("1234567"));
    }

    void customLightSchemes()
    {
        const char *p = m_path.c_str();
        QVERIFY(CLumtarXML_AddProFileCustomLightNode(p, "1", "0", "Alphabets", "Using", 0));
        QVERIFY(CLumtarXML_AddProFileCustomLightNode(p, "1", "1", "WASD+Arrows", "Using", 1));
        for (const char *i : {"2", "3", "4"})
            QVERIFY(CLumtarXML_AddProFileCustomLightNode(p, "1", i, (std::string("Custom ") + char(i[0] + 1)).c_str(), "UnUsing", -1));
        QVERIFY(!CLumtarXML_AddProFileCustomLightNode(p, "1", "4", "dup", "UnUsing", -1));
        CustomLightItemStu w;
        std::memset(&w, 0, sizeof w);
        std::strcpy(w.keyCode, "26");
        std::strcpy(w.codeName, "<W>");
        w.indexX = 2; w.indexY = 2; w.colorR = 255; w.transparentNum = 128;
        QVERIFY(CLumtarXML_AddProFileCustomLightDataInfo(p, "1", "1", w));
        CustomLightItemStu a = w;
        std::strcpy(a.keyCode, "4");
        a.indexX = 3; a.indexY = 2;
        QVERIFY(CLumtarXML_AddProFileCustomLightDataInfo(p, "1", "1", a));
        QVERIFY(!CLumtarXML_AddProFileCustomLightDataInfo(p, "1", "7", a)); // no such scheme
        QVERIFY(CLumtarXML_ModifyProFileCustomLightNodeName(p, "1", "2", "Mein \xC3\xBC"));
        QVERIFY(CLumtarXML_ModifyProFileCustomLightNodeUsingStatus(p, "1", "0", "UnUsing", -1));
        QVERIFY(CLumtarXML_ModifyProFileCustomLightNodeUsingStatus(p, "1", "2", "Using", 0));
        fromDisk();

        std::list<CustomLightNodeStu> nodes;
        QVERIFY(CLumtarXML_SelectProFileCustomLightAllNodes(p, "1", &nodes));
        QCOMPARE(nodes.size(), size_t(5));
        auto it = nodes.begin();
        QCOMPARE(QByteArray(it->index), QByteArray("0"));
        QCOMPARE(QByteArray(it->isUsing), QByteArray("UnUsing"));
        QCOMPARE(it->usingFlagIndex, -1);
        ++it; ++it;
        QCOMPARE(QByteArray(it->name), QByteArray("Mein \xC3\xBC"));
        QCOMPARE(it->usingFlagIndex, 0);

        std::list<CustomLightItemStu> items;
        QVERIFY(CLumtarXML_ProFileCustomLightInfoSelectAll(p, "1", "1", &items));
        QCOMPARE(items.size(), size_t(2));
        QVERIFY(std::memcmp(&items.front(), &w, sizeof w) == 0);
        QVERIFY(std::memcmp(&items.back(), &a, sizeof a) == 0);

        QVERIFY(CLumtarXML_ClearProFileCustomLightNode(p, "1", "1"));
        QVERIFY(CLumtarXML_ClearProFileCustomLightNode(p, "1", "1")); // empty but exists
        QVERIFY(!CLumtarXML_ClearProFileCustomLightNode(p, "1", "8"));
        items.clear();
        QVERIFY(CLumtarXML_ProFileCustomLightInfoSelectAll(p, "1", "1", &items));
        QVERIFY(items.empty());
    }

    void defaultCustomLightFile()
    {
        const std::string file = qEnvironmentVariable("LUMTAR_TEST_DATA").toStdString()
                                 + "/store/customLightDefaultConfig.xml";
        std::list<CustomLightItemStu> items;
        QVERIFY(CLumtarXML_XmlCustomLightInfoSelectAll(file.c_str(), "1", &items));
        QCOMPARE(items.size(), size_t(8));
        QCOMPARE(QByteArray(items.front().keyCode), QByteArray("26"));
        QCOMPARE(items.front().indexX, 2);
        QCOMPARE(items.front().colorR, 255);
        QCOMPARE(items.front().transparentNum, 128);
        items.clear();
        QVERIFY(CLumtarXML_XmlCustomLightInfoSelectAll(file.c_str(), "0", &items));
        QCOMPARE(items.size(), size_t(34));
        bool sawEscapedName = false;
        for (const auto &i : items)
            sawEscapedName |= QByteArray(i.codeName) == QByteArray("; :") || QByteArray(i.codeName) == QByteArray("' \"");
        QVERIFY(sawEscapedName);
        items.clear();
        QVERIFY(CLumtarXML_XmlCustomLightInfoSelectAll(file.c_str(), "3", &items));
        QVERIFY(items.empty());
        QVERIFY(!CLumtarXML_XmlCustomLightInfoSelectAll(file.c_str(), "5", &items));
        // A profile store is not a custom-light file.
        QVERIFY(!CLumtarXML_XmlCustomLightInfoSelectAll(m_path.c_str(), "0", &items));
    }

    void exportAndImport()
    {
        const char *p = m_path.c_str();
        const std::string name = "Spiel \xE6\xB8\xB8\xE6\x88\x8F";
        CLumtarXML_ModifyProfileNodeInfo(p, "1", name.c_str());
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "1", "1", "1", "3");
        CLumtarXML_AddProFileBindMacroItem(p, "1", {makeEvent("0", "5", "5", "B", "down")}, "3", "Macro3");
        CLumtarXML_SetProFileIntoSleepTimeInfo(p, "1", 60, 5);

        const std::string exported = m_dir.path().toStdString() + "/" + name + ".xml";
        QVERIFY(CLumtarXML_CreateXMLFile(exported.c_str()));
        QVERIFY(CLumtarXML_ProFileExport(p, exported.c_str(), "1", 0));
        QVERIFY(CLumtarXML_ProFileExport(p, exported.c_str(), "1", 0)); // again: a further node
        QVERIFY(!CLumtarXML_ProFileExport(p, exported.c_str(), "9", 0));
        fromDisk();
        LumtarIndexNameList inExport;
        QVERIFY(CLumtarXML_SelectProFileAllNodes(exported.c_str(), &inExport));
        QCOMPARE(inExport.size(), size_t(2));
        QCOMPARE(inExport[0], std::make_pair(std::string("1"), name));
        QCOMPARE(inExport[1], std::make_pair(std::string("2"), name));

        // Import the last listed profile of the export into another file.
        const std::string target = newProfileFile();
        const char *t = target.c_str();
        CLumtarXML_CreateProFileXmlParentNode(t, "4", "Profile4", 0);
        QVERIFY(CLumtarXML_ProFileImport(t, exported.c_str(), inExport.back().first.c_str()));
        QVERIFY(!CLumtarXML_ProFileImport(t, exported.c_str(), "9"));
        QVERIFY(!CLumtarXML_ProFileImport(t, (exported + ".none").c_str(), "1"));
        fromDisk();
        LumtarIndexNameList profiles;
        QVERIFY(CLumtarXML_SelectProFileAllNodes(t, &profiles));
        QCOMPARE(profiles.size(), size_t(3));
        QCOMPARE(profiles.back(), std::make_pair(std::string("5"), name));
        QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(t), 1); // not made current
        KeyOperateInfoStu item = prefilledItem();
        QVERIFY(CLumtarXML_SelectProFileKeyOperateInfo(t, "5", "4", &item));
        QCOMPARE(QByteArray(item.value), QByteArray("3"));
        std::list<KeyOrMouseEventStu> events;
        QVERIFY(CLumtarXML_ProFileMacroWithKeyInfoSelectAll(t, "5", "3", "", &events));
        QCOMPARE(events.size(), size_t(1));
        int light = 0, keyboard = 0;
        QVERIFY(CLumtarXML_GetProFileIntoSleepTimeInfo(t, "5", &light, &keyboard));
        QCOMPARE(light, 60);

        // Import from the file itself adds a copy too.
        QVERIFY(CLumtarXML_ProFileImport(t, t, "5"));
        profiles.clear();
        CLumtarXML_SelectProFileAllNodes(t, &profiles);
        QCOMPARE(profiles.back().first, std::string("6"));
    }

    void restoreRemovesEverything()
    {
        const char *p = m_path.c_str();
        CLumtarXML_AddProFileMacroWithKeyInfoItem(p, "1", "4", "A", "1", "1", "1", "3");
        CLumtarXML_AddProFileLightInfoItem(p, "1", lumtarDefaultColorInfo(0));
        QVERIFY(CLumtarXML_DeleteProFileSelectedNode(p, "1"));
        QVERIFY(CLumtarXML_CreateProFileXmlParentNode(p, "1", "Profile1", 0));
        std::list<std::string> codes;
        QVERIFY(CLumtarXML_ProFileKeyInfoSelectAll(p, "1", &codes));
        QVERIFY(codes.empty());
        QVERIFY(!CLumtarXML_IsProFileAlreadyHaveLightInfo(p, "1", 0, 2));
    }
};

QTEST_GUILESS_MAIN(TestStoreProfile)
#include "tst_storeprofile.moc"
