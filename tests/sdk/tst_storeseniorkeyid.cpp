// New ids of the advanced-key store: never one a record had before, so keys
// still bound to a deleted record never play a new one.
#include <QtTest>

#include <QTemporaryDir>

#include <climits>
#include <cstring>
#include <fstream>

#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/store/XmlDocumentCache.h"

namespace {

SeniorKeyInfoStu record(int id)
{
    SeniorKeyInfoStu r;
    std::memset(&r, 0, sizeof r);
    r.id = id;
    r.kind = LUMTAR_SENIOR_DKS;
    lumtarCopyField(r.name, ("DKS" + std::to_string(id)).c_str());
    return r;
}

} // namespace

class tst_StoreSeniorKeyId : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newIds_data();
    void newIds();
    void handWrittenFiles_data();
    void handWrittenFiles();
    void unreadableStore();

private:
    QByteArray writeFile(const char *text);

    QTemporaryDir m_dir;
    QByteArray m_path;
    int m_no = 0;
};

void tst_StoreSeniorKeyId::init()
{
    lumtar::store::XmlDocumentCache::instance().clear();
    m_path = QFile::encodeName(m_dir.filePath(QStringLiteral("SeniorKeyConfig%1.xml").arg(++m_no)));
    QVERIFY(CLumtarXML_SeniorKey_CreateXMLFile(m_path.constData()));
    QVERIFY(CLumtarXML_SeniorKey_CreateProFileXmlParentNode(m_path.constData()));
}

QByteArray tst_StoreSeniorKeyId::writeFile(const char *text)
{
    const QByteArray path = QFile::encodeName(m_dir.filePath(QStringLiteral("hand%1.xml").arg(++m_no)));
    std::ofstream(path.constData(), std::ios::binary) << text;
    return path;
}

void tst_StoreSeniorKeyId::newIds_data()
{
    // Ids to add (positive) and delete (negative), in order, then the new id.
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty store") << QList<int>{} << 1;
    QTest::newRow("1, 2, 5") << QList<int>{1, 2, 5} << 6;
    QTest::newRow("highest deleted") << QList<int>{1, 2, 5, 6, -5, -6} << 7;
    QTest::newRow("all deleted") << QList<int>{1, 2, -1, -2} << 3;
    QTest::newRow("lower deleted") << QList<int>{1, 2, 3, -1} << 4;
    QTest::newRow("added out of order") << QList<int>{9, 3} << 10;
}

void tst_StoreSeniorKeyId::newIds()
{
    QFETCH(QList<int>, steps);
    for (int step : steps) {
        if (step > 0)
            QVERIFY(CLumtarXML_SeniorKey_AddInfoItem(m_path.constData(), LUMTAR_SENIOR_DKS, record(step)));
        else
            QVERIFY(CLumtarXML_SeniorKey_DeleteInfoItem(m_path.constData(), LUMTAR_SENIOR_DKS, -step));
    }
    int id = -1;
    QVERIFY(CLumtarXML_SeniorKey_NewId(m_path.constData(), &id));
    QTEST(id, "expected");

    // Asking does not use the id up: the record made with it is the one kept.
    int again = -1;
    QVERIFY(CLumtarXML_SeniorKey_NewId(m_path.constData(), &again));
    QCOMPARE(again, id);

    // The kept id survives a fresh read of the file.
    lumtar::store::XmlDocumentCache::instance().clear();
    QVERIFY(CLumtarXML_SeniorKey_NewId(m_path.constData(), &again));
    QCOMPARE(again, id);
}

void tst_StoreSeniorKeyId::handWrittenFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("expected");
    QTest::newRow("no kept id") << QByteArray("<lumtarStore version=\"1\"><seniorKeys>"
                                              "<seniorKey id=\"4\"/><seniorKey id=\"2\"/></seniorKeys></lumtarStore>")
                                << true << 5;
    QTest::newRow("kept id above the records")
        << QByteArray("<lumtarStore version=\"1\"><seniorKeys highestId=\"12\"><seniorKey id=\"4\"/>"
                      "</seniorKeys></lumtarStore>")
        << true << 13;
    QTest::newRow("record above the kept id")
        << QByteArray("<lumtarStore version=\"1\"><seniorKeys highestId=\"2\"><seniorKey id=\"8\"/>"
                      "</seniorKeys></lumtarStore>")
        << true << 9;
    QTest::newRow("kept id not a number")
        << QByteArray("<lumtarStore version=\"1\"><seniorKeys highestId=\"x\"/></lumtarStore>") << true << 1;
    QTest::newRow("negative ids") << QByteArray("<lumtarStore version=\"1\"><seniorKeys highestId=\"-7\">"
                                                "<seniorKey id=\"-3\"/></seniorKeys></lumtarStore>")
                                  << true << 1;
    QTest::newRow("no parent element") << QByteArray("<lumtarStore version=\"1\"/>") << true << 1;
    QTest::newRow("no id left") << QByteArray("<lumtarStore version=\"1\"><seniorKeys highestId=\"2147483647\"/>"
                                              "</lumtarStore>")
                                << false << 0;
    QTest::newRow("damaged") << QByteArray("<lumtarStore version=\"1\"><seniorKeys") << false << 0;
}

void tst_StoreSeniorKeyId::handWrittenFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    const QByteArray path = writeFile(text.constData());
    int id = 0;
    QCOMPARE(CLumtarXML_SeniorKey_NewId(path.constData(), &id), ok);
    QTEST(id, "expected");
}

void tst_StoreSeniorKeyId::unreadableStore()
{
    int id = 0;
    QVERIFY(!CLumtarXML_SeniorKey_NewId((m_path + ".missing").constData(), &id));
    QVERIFY(!CLumtarXML_SeniorKey_NewId(nullptr, &id));
    QVERIFY(!CLumtarXML_SeniorKey_NewId(m_path.constData(), nullptr));
    QCOMPARE(id, 0);
}

QTEST_GUILESS_MAIN(tst_StoreSeniorKeyId)
#include "tst_storeseniorkeyid.moc"
