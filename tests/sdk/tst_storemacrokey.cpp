// A macro key with the profile's copy of its macro, stored in one write:
// both reach the file together, replace what was there, and neither does
// when the call or the write fails.
#include "sdk/include/LumtarXml.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/ProfileFileFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <list>
#include <string>

using lumtar::store::AtomicFileWriter;

namespace {

QByteArray fileBytes(const std::string &path)
{
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString item(const std::string &path, const char *keyCode)
{
    KeyOperateInfoStu record;
    std::memset(&record, 0, sizeof record);
    std::strcpy(record.keyCode, "-1");
    CLumtarXML_SelectProFileKeyOperateInfo(path.c_str(), "1", keyCode, &record);
    return QStringLiteral("%1:%2/%3/%4/%5")
        .arg(QString::fromUtf8(record.keyCode), QString::fromUtf8(record.type), QString::fromUtf8(record.count),
             QString::fromUtf8(record.mode), QString::fromUtf8(record.value));
}

int copyEvents(const std::string &path, const char *macroIndex)
{
    return ProfileFileFixture::macroCopySize(QByteArray::fromStdString(path), "1", atoi(macroIndex));
}

} // namespace

class tst_StoreMacroKey : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keyAndCopyInOneWrite();
    void keyAlone();
    void refusedCallsChangeNothing();
    void failedWriteKeepsBoth();

private:
    QTemporaryDir m_dir;
    std::string m_path;
};

void tst_StoreMacroKey::init()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QStringLiteral("appProfile_Default.xml")).toStdString();
    QFile::remove(QString::fromStdString(m_path));
    QVERIFY(CLumtarXML_CreateXMLFile(m_path.c_str()));
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(m_path.c_str(), "1", "Profile1", 0));
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(m_path.c_str(), "1", "4", "A", "0", "1", "1", "41"));
    QVERIFY(CLumtarXML_AddProFileBindMacroItem(m_path.c_str(), "1", ProfileFileFixture::keyStrokes(1), "3", "Macro3"));
}

void tst_StoreMacroKey::cleanup()
{
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
}

void tst_StoreMacroKey::keyAndCopyInOneWrite()
{
    const std::list<KeyOrMouseEventStu> events = ProfileFileFixture::keyStrokes(31); // 62 events
    const unsigned long long syncs = AtomicFileWriter::syncCount();
    QVERIFY(CLumtarXML_AddProFileMacroKeyWithCopy(m_path.c_str(), "1", "4", "Ä", "5", "2", "3", &events, "Macro3"));
    const unsigned long long oneWrite = AtomicFileWriter::syncCount() - syncs;
    QVERIFY(oneWrite > 0);
    // The key's earlier item and the earlier copy are replaced.
    QCOMPARE(item(m_path, "4"), QStringLiteral("4:1/5/2/3"));
    QCOMPARE(copyEvents(m_path, "3"), 62);
    std::list<std::string> codes;
    QVERIFY(CLumtarXML_ProFileKeyInfoSelectAll(m_path.c_str(), "1", &codes));
    QCOMPARE(int(codes.size()), 1);

    // As many flushes as one plain item write.
    const unsigned long long before = AtomicFileWriter::syncCount();
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(m_path.c_str(), "1", "5", "B", "0", "1", "1", "42"));
    QCOMPARE(AtomicFileWriter::syncCount() - before, oneWrite);
}

void tst_StoreMacroKey::keyAlone()
{
    QVERIFY(CLumtarXML_AddProFileMacroKeyWithCopy(m_path.c_str(), "1", "5", "B", "1", "4", "3", nullptr, nullptr));
    QCOMPARE(item(m_path, "5"), QStringLiteral("5:1/1/4/3"));
    QCOMPARE(copyEvents(m_path, "3"), 2); // the copy is left as it was
    // The same again changes nothing: no write.
    const QByteArray bytes = fileBytes(m_path);
    const unsigned long long syncs = AtomicFileWriter::syncCount();
    QVERIFY(CLumtarXML_AddProFileMacroKeyWithCopy(m_path.c_str(), "1", "5", "B", "1", "4", "3", nullptr, nullptr));
    QCOMPARE(AtomicFileWriter::syncCount(), syncs);
    QCOMPARE(fileBytes(m_path), bytes);
}

void tst_StoreMacroKey::refusedCallsChangeNothing()
{
    const QByteArray bytes = fileBytes(m_path);
    const std::list<KeyOrMouseEventStu> events = ProfileFileFixture::keyStrokes(2);
    QVERIFY(!CLumtarXML_AddProFileMacroKeyWithCopy(m_path.c_str(), "9", "4", "A", "1", "1", "3", &events, "Macro3"));
    QVERIFY(!CLumtarXML_AddProFileMacroKeyWithCopy(m_path.c_str(), "1", "4", "A", "1", "1", "", &events, "Macro"));
    QVERIFY(!CLumtarXML_AddProFileMacroKeyWithCopy(m_path.c_str(), "1", "4", "A", "1", "1", nullptr, &events, "M"));
    QVERIFY(!CLumtarXML_AddProFileMacroKeyWithCopy(m_path.c_str(), "1", "", "A", "1", "1", "3", &events, "Macro3"));
    // A text past what the store takes.
    const std::string huge((1 << 20) + 1, 'x');
    QVERIFY(!CLumtarXML_AddProFileMacroKeyWithCopy(m_path.c_str(), "1", "4", huge.c_str(), "1", "1", "3", &events,
                                                   "Macro3"));
    QCOMPARE(fileBytes(m_path), bytes);
    QCOMPARE(item(m_path, "4"), QStringLiteral("4:0/1/1/41"));
}

void tst_StoreMacroKey::failedWriteKeepsBoth()
{
    const QByteArray bytes = fileBytes(m_path);
    const std::list<KeyOrMouseEventStu> events = ProfileFileFixture::keyStrokes(5);
    for (AtomicFileWriter::Fault fault : {AtomicFileWriter::Fault::DiskFull, AtomicFileWriter::Fault::NoRename}) {
        AtomicFileWriter::setFaultForTesting(fault);
        QVERIFY(!CLumtarXML_AddProFileMacroKeyWithCopy(m_path.c_str(), "1", "4", "A", "1", "1", "7", &events,
                                                       "Macro7"));
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
        QCOMPARE(fileBytes(m_path), bytes);
        QCOMPARE(item(m_path, "4"), QStringLiteral("4:0/1/1/41"));
        QCOMPARE(copyEvents(m_path, "7"), -1);
    }
}

QTEST_GUILESS_MAIN(tst_StoreMacroKey)
#include "tst_storemacrokey.moc"
