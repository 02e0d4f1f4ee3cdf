// The macro store and the advanced-key store through the SDK's C surface.
#include "sdk/include/LumtarXml.h"
#include "sdk/store/AtomicFileWriter.h"
#include "sdk/store/XmlDocumentCache.h"

#include <QFile>

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <string>
#include <vector>

namespace {

KeyOrMouseEventStu makeEvent(const char *mark, const char *delay, const char *type,
                             const char *code, const char *name, const char *operate)
{
    KeyOrMouseEventStu e;
    std::memset(&e, 0, sizeof e);
    std::strcpy(e.mark, mark);
    std::strcpy(e.delay, delay);
    std::strcpy(e.type, type);
    std::strcpy(e.keyCode, code);
    std::strcpy(e.codeName, name);
    std::strcpy(e.operateExplain, operate);
    return e;
}

// "mark/operate" of every event, in store order.
std::vector<std::string> sequence(const std::string &path, const char *index)
{
    std::list<KeyOrMouseEventStu> events;
    CLumtarXML_SelectAllKeyOrMouseEvent(path.c_str(), index, &events);
    std::vector<std::string> out;
    for (const auto &e : events)
        out.push_back(std::string(e.mark) + "/" + e.operateExplain);
    return out;
}

SeniorKeyInfoStu newRecord(int id, int kind)
{
    SeniorKeyInfoStu r;
    std::memset(&r, 0, sizeof r);
    r.id = id;
    r.kind = kind;
    std::snprintf(r.name, sizeof r.name, "%s%d", kind == 1 ? "DKS" : kind == 2 ? "MT" : "TGL", id);
    r.triggerPoint[0] = 15;
    r.triggerPoint[1] = 36;
    r.triggerPoint[2] = 36;
    r.triggerPoint[3] = 15;
    r.holdDuration = 150;
    return r;
}

} // namespace

class TestStoreMacro : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::string m_macros;
    std::string m_senior;
    int m_no = 0;

    static void fromDisk() { lumtar::store::XmlDocumentCache::instance().clear(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QCOMPARE(CLumtarXML_Init(), 0);
    }

    void init()
    {
        ++m_no;
        m_macros = m_dir.path().toStdString() + "/appMacro" + std::to_string(m_no) + ".xml";
        m_senior = m_dir.path().toStdString() + "/SeniorKeyConfig" + std::to_string(m_no) + ".xml";
        QVERIFY(CLumtarXML_CreateXMLFile(m_macros.c_str()));
        QVERIFY(CLumtarXML_SeniorKey_CreateXMLFile(m_senior.c_str()));
        QVERIFY(CLumtarXML_SeniorKey_CreateProFileXmlParentNode(m_senior.c_str()));
    }

    void macrosListInAscendingIndexOrder()
    {
        const char *p = m_macros.c_str();
        for (const char *i : {"10", "2", "1", "33", "9"})
            QVERIFY(CLumtarXML_CreateMacroXmlParentNode(p, i, (std::string("Macro") + i).c_str()));
        QVERIFY(!CLumtarXML_CreateMacroXmlParentNode(p, "9", "dup"));
        QVERIFY(CLumtarXML_ModifyMacroNodeName(p, "2", "Zwei \xC3\xA4"));
        QVERIFY(!CLumtarXML_ModifyMacroNodeName(p, "5", "none"));
        fromDisk();
        LumtarIndexNameList macros;
        QVERIFY(CLumtarXML_SelectMacroAllNodes(p, &macros));
        std::vector<std::string> order;
        for (const auto &m : macros)
            order.push_back(m.first);
        QCOMPARE(order, (std::vector<std::string>{"1", "2", "9", "10", "33"}));
        QCOMPARE(macros[1].second, std::string("Zwei \xC3\xA4"));

        QVERIFY(CLumtarXML_DeleteMacroNode(p, "9"));
        macros.clear();
        CLumtarXML_SelectMacroAllNodes(p, &macros);
        QCOMPARE(macros.size(), size_t(4));
        QCOMPARE(macros.back().first, std::string("33"));
    }

    void eventsRoundTripAndAppend()
    {
        const char *p = m_macros.c_str();
        QVERIFY(CLumtarXML_CreateMacroXmlParentNode(p, "1", "Macro1"));
        std::list<KeyOrMouseEventStu> first{makeEvent("0", "0", "key", "4", "A", "down"),
                                            makeEvent("0", "65535", "key", "4", "A", "up")};
        std::list<KeyOrMouseEventStu> second{makeEvent("2", "", "mouse", "516", "Right Click", "down"),
                                             makeEvent("2", "7", "mouse", "517", "Right Click", "up")};
        QVERIFY(CLumtarXML_AddKeyOrMouseEventItem(p, first, "1"));
        QVERIFY(CLumtarXML_AddKeyOrMouseEventItem(p, second, "1"));
        QVERIFY(CLumtarXML_AddKeyOrMouseEventItem(p, {}, "1"));
        QVERIFY(!CLumtarXML_AddKeyOrMouseEventItem(p, first, "4")); // no such macro
        fromDisk();
        std::list<KeyOrMouseEventStu> events;
        QVERIFY(CLumtarXML_SelectAllKeyOrMouseEvent(p, "1", &events));
        QCOMPARE(events.size(), size_t(4));
        std::list<KeyOrMouseEventStu> expected = first;
        expected.insert(expected.end(), second.begin(), second.end());
        auto e = expected.begin();
        for (const auto &got : events)
            QVERIFY(std::memcmp(&got, &*e++, sizeof got) == 0);

        std::list<KeyOrMouseEventStu> none;
        QVERIFY(!CLumtarXML_SelectAllKeyOrMouseEvent(p, "8", &none));
        QVERIFY(none.empty());
    }

    void fieldsAtTheirEdge()
    {
        // Every field full (63 or 15 bytes); a record without NULs is read
        // up to its width and never beyond.
        const char *p = m_macros.c_str();
        CLumtarXML_CreateMacroXmlParentNode(p, "1", "Macro1");
        KeyOrMouseEventStu full;
        std::memset(&full, 'x', sizeof full);
        full.mark[63] = full.codeName[63] = full.operateExplain[63] = '\0';
        full.delay[15] = full.type[15] = full.keyCode[15] = '\0';
        KeyOrMouseEventStu unterminated;
        std::memset(&unterminated, 'y', sizeof unterminated);
        QVERIFY(CLumtarXML_AddKeyOrMouseEventItem(p, {full, unterminated}, "1"));
        fromDisk();
        std::list<KeyOrMouseEventStu> events;
        QVERIFY(CLumtarXML_SelectAllKeyOrMouseEvent(p, "1", &events));
        QCOMPARE(events.size(), size_t(2));
        QVERIFY(std::memcmp(&events.front(), &full, sizeof full) == 0);
        const KeyOrMouseEventStu &cut = events.back();
        QCOMPARE(std::strlen(cut.mark), size_t(63));
        QCOMPARE(std::strlen(cut.delay), size_t(15));
        QCOMPARE(std::strlen(cut.operateExplain), size_t(63));
    }

    void editingCommands()
    {
        const char *p = m_macros.c_str();
        CLumtarXML_CreateMacroXmlParentNode(p, "1", "Macro1");
        CLumtarXML_AddKeyOrMouseEventItem(p,
                                          {makeEvent("0", "1", "key", "4", "A", "down"),
                                           makeEvent("1", "1", "key", "5", "B", "down"),
                                           makeEvent("0", "1", "key", "4", "A", "up"),
                                           makeEvent("1", "1", "key", "5", "B", "up")},
                                          "1");
        // Move the up of mark 0 earlier, then the down of mark 1 later.
        QVERIFY(CLumtarXML_MacroEventItemUpOrDownOperate(p, "1", "0", 1, 1));
        QCOMPARE(sequence(m_macros, "1"), (std::vector<std::string>{"0/down", "0/up", "1/down", "1/up"}));
        QVERIFY(CLumtarXML_MacroEventItemUpOrDownOperate(p, "1", "1", 0, 0));
        QCOMPARE(sequence(m_macros, "1"), (std::vector<std::string>{"0/down", "0/up", "1/up", "1/down"}));
        QVERIFY(!CLumtarXML_MacroEventItemUpOrDownOperate(p, "1", "0", 1, 0)); // already first
        QVERIFY(!CLumtarXML_MacroEventItemUpOrDownOperate(p, "1", "1", 0, 0)); // already last
        QVERIFY(!CLumtarXML_MacroEventItemUpOrDownOperate(p, "1", "9", 0, 0));

        // Replace the up event of mark 1 only.
        QVERIFY(CLumtarXML_UpdateEventItem(p, "1", "1", 1, makeEvent("1", "250", "key", "6", "C", "up")));
        QVERIFY(!CLumtarXML_UpdateEventItem(p, "1", "7", 0, makeEvent("7", "1", "key", "6", "C", "down")));
        fromDisk();
        std::list<KeyOrMouseEventStu> events;
        CLumtarXML_SelectAllKeyOrMouseEvent(p, "1", &events);
        auto third = std::next(events.begin(), 2);
        QCOMPARE(QByteArray(third->delay), QByteArray("250"));
        QCOMPARE(QByteArray(third->keyCode), QByteArray("6"));
        QCOMPARE(QByteArray(std::next(third)->keyCode), QByteArray("5"));

        // Deleting a mark removes both its events.
        QVERIFY(CLumtarXML_DeleteEventItem(p, "1", "0"));
        QCOMPARE(sequence(m_macros, "1"), (std::vector<std::string>{"1/up", "1/down"}));
    }

    // The whole list is replaced in one write, or the store stays as it was.
    void replaceIsAllOrNothing()
    {
        using lumtar::store::AtomicFileWriter;
        const char *p = m_macros.c_str();
        QVERIFY(CLumtarXML_CreateMacroXmlParentNode(p, "2", "Two"));
        QVERIFY(CLumtarXML_AddKeyOrMouseEventItem(p, {makeEvent("0", "5", "key", "4", "A", "down"),
                                                       makeEvent("0", "6", "key", "4", "A", "up")}, "2"));
        const std::list<KeyOrMouseEventStu> fresh{makeEvent("3", "1", "mouse", "513", "Left Click", "down"),
                                                  makeEvent("4", "2", "key", "5", "B", "down"),
                                                  makeEvent("4", "3", "key", "5", "B", "up"),
                                                  makeEvent("3", "4", "mouse", "514", "Left Click", "up")};
        QFile file(QString::fromStdString(m_macros));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        for (AtomicFileWriter::Fault fault : {AtomicFileWriter::Fault::DiskFull, AtomicFileWriter::Fault::NoRename}) {
            AtomicFileWriter::setFaultForTesting(fault);
            QVERIFY(!CLumtarXML_ReplaceMacroEvents(p, "2", "ignored", fresh));
            QVERIFY(!CLumtarXML_ReplaceMacroEvents(p, "7", "Seven", fresh));
            AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
            file.close();
            QCOMPARE(sequence(m_macros, "2"), (std::vector<std::string>{"0/down", "0/up"}));
            LumtarIndexNameList macros;
            CLumtarXML_SelectMacroAllNodes(p, &macros);
            QCOMPARE(macros.size(), size_t(1));
        }

        QVERIFY(CLumtarXML_ReplaceMacroEvents(p, "2", "ignored", fresh));
        QVERIFY(CLumtarXML_ReplaceMacroEvents(p, "7", "Seven", fresh));
        QVERIFY(CLumtarXML_ReplaceMacroEvents(p, "1", "One", {}));
        fromDisk();
        const std::vector<std::string> order{"3/down", "4/down", "4/up", "3/up"};
        QCOMPARE(sequence(m_macros, "2"), order);
        QCOMPARE(sequence(m_macros, "7"), order);
        std::list<KeyOrMouseEventStu> none;
        QVERIFY(CLumtarXML_SelectAllKeyOrMouseEvent(p, "1", &none));
        QVERIFY(none.empty());
        LumtarIndexNameList macros;
        CLumtarXML_SelectMacroAllNodes(p, &macros);
        QCOMPARE(macros, (LumtarIndexNameList{{"1", "One"}, {"2", "Two"}, {"7", "Seven"}}));
    }

    // A new index is above every index the store has held: a deleted macro's
    // index, which keys may still name, never comes back.
    void newIndexIsNeverReused()
    {
        const char *p = m_macros.c_str();
        int index = 0;
        QVERIFY(CLumtarXML_NewMacroIndex(p, &index));
        QCOMPARE(index, 1);
        QVERIFY(CLumtarXML_CreateMacroXmlParentNode(p, "1", "Macro1"));
        QVERIFY(CLumtarXML_CreateMacroXmlParentNode(p, "5", "Macro5"));
        QVERIFY(CLumtarXML_NewMacroIndex(p, &index));
        QCOMPARE(index, 6);
        QVERIFY(CLumtarXML_DeleteMacroNode(p, "5"));
        fromDisk();
        QVERIFY(CLumtarXML_NewMacroIndex(p, &index));
        QCOMPARE(index, 6);
        QVERIFY(CLumtarXML_DeleteMacroNode(p, "1"));
        QVERIFY(CLumtarXML_NewMacroIndex(p, &index));
        QCOMPARE(index, 6);
        QVERIFY(CLumtarXML_ReplaceMacroEvents(p, "9", "Macro9", {}));
        QVERIFY(CLumtarXML_NewMacroIndex(p, &index));
        QCOMPARE(index, 10);

        // A file from before the highest index was kept starts from its macros,
        // and deleting its highest macro keeps that index taken.
        const QString old = QString::fromStdString(m_macros) + QStringLiteral(".old");
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<lumtarStore version=\"1\"><macro index=\"3\" name=\"a\"/><macro index=\"12\" name=\"b\"/>"
                   "</lumtarStore>");
        file.close();
        const std::string oldPath = old.toStdString();
        QVERIFY(CLumtarXML_NewMacroIndex(oldPath.c_str(), &index));
        QCOMPARE(index, 13);
        QVERIFY(CLumtarXML_DeleteMacroNode(oldPath.c_str(), "12"));
        fromDisk();
        QVERIFY(CLumtarXML_NewMacroIndex(oldPath.c_str(), &index));
        QCOMPARE(index, 13);
        QVERIFY(!CLumtarXML_NewMacroIndex((m_macros + ".missing").c_str(), &index));
    }

    void seniorKeysRoundTrip()
    {
        const char *p = m_senior.c_str();
        std::list<SeniorKeyInfoStu> records;
        QVERIFY(CLumtarXML_SeniorKey_SelectAllInfoItem(p, &records));
        QVERIFY(records.empty());

        SeniorKeyInfoStu dks = newRecord(1, 1);
        std::strcpy(dks.keySlot[0], "4");
        std::strcpy(dks.keySlot[1], "3,4");
        std::strcpy(dks.keySlot[3], "64,4");
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                dks.dksAction[r][c] = (r * 4 + c) % 4;
        dks.triggerPoint[0] = dks.triggerPoint[3] = 1;
        SeniorKeyInfoStu mt = newRecord(2, 2);
        mt.holdDuration = 1000;
        std::memset(mt.name, 'n', sizeof mt.name - 1); // 255-byte name
        SeniorKeyInfoStu tgl = newRecord(5, 3);
        tgl.toggleAssigned = 1;
        QVERIFY(CLumtarXML_SeniorKey_AddInfoItem(p, 1, dks));
        QVERIFY(CLumtarXML_SeniorKey_AddInfoItem(p, 2, mt));
        QVERIFY(CLumtarXML_SeniorKey_AddInfoItem(p, 3, tgl));
        QVERIFY(!CLumtarXML_SeniorKey_AddInfoItem(p, 1, newRecord(2, 1))); // id taken
        fromDisk();
        QVERIFY(CLumtarXML_SeniorKey_SelectAllInfoItem(p, &records));
        QCOMPARE(records.size(), size_t(3));
        const SeniorKeyInfoStu *want[3] = {&dks, &mt, &tgl};
        int i = 0;
        for (const auto &r : records)
            QVERIFY(std::memcmp(&r, want[i++], sizeof r) == 0);

        dks.triggerPoint[0] = dks.triggerPoint[3] = 36;
        std::strcpy(dks.keySlot[2], "5");
        QVERIFY(CLumtarXML_SeniorKey_ModifyInfoItem(p, 1, dks));
        QVERIFY(!CLumtarXML_SeniorKey_ModifyInfoItem(p, 1, newRecord(9, 1)));
        QVERIFY(CLumtarXML_SeniorKey_DeleteInfoItem(p, 2, 2));
        QVERIFY(!CLumtarXML_SeniorKey_DeleteInfoItem(p, 2, 2));
        fromDisk();
        records.clear();
        QVERIFY(CLumtarXML_SeniorKey_SelectAllInfoItem(p, &records));
        QCOMPARE(records.size(), size_t(2));
        QVERIFY(std::memcmp(&records.front(), &dks, sizeof dks) == 0);
        QCOMPARE(records.back().id, 5);
    }

    void seniorKeysAtMostForty()
    {
        const char *p = m_senior.c_str();
        for (int id = 1; id <= 40; ++id)
            QVERIFY(CLumtarXML_SeniorKey_AddInfoItem(p, 1, newRecord(id, 1)));
        QVERIFY(!CLumtarXML_SeniorKey_AddInfoItem(p, 1, newRecord(41, 1)));
        std::list<SeniorKeyInfoStu> records;
        QVERIFY(CLumtarXML_SeniorKey_SelectAllInfoItem(p, &records));
        QCOMPARE(records.size(), size_t(40));
    }

    void seniorStoreUnreadable()
    {
        std::list<SeniorKeyInfoStu> records;
        QVERIFY(!CLumtarXML_SeniorKey_SelectAllInfoItem((m_senior + ".missing").c_str(), &records));
        QVERIFY(!CLumtarXML_SeniorKey_AddInfoItem((m_senior + ".missing").c_str(), 1, newRecord(1, 1)));
    }
};

QTEST_GUILESS_MAIN(TestStoreMacro)
#include "tst_storemacro.moc"
