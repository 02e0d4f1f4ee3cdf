// The firmware information dialog: the listing key and value of a firmware
// record (read within each field, also when a field is not terminated),
// one row per identity in key order, the row's two lines, and the listing
// of attached simulated keyboards 200 ms after the dialog is made.
#include <QtTest>

#include <QLabel>
#include <QLayout>

#include <cstring>

#include "core/DDataManager.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/sim/SimController.h"
#include "support/TempHome.h"
#include "ui/firmware/DFirwareInfoItem.h"
#include "ui/firmware/DFirwareInfoShow.h"

using lumtar::sim::SimController;

namespace {

FirmwareInfoStu firmware(const char *family, const char *code, const char *cls, const char *customer,
                         const char *model, const char *version, const char *date)
{
    FirmwareInfoStu f = {};
    lumtarCopyField(f.chipFamily, family);
    lumtarCopyField(f.chipCode, code);
    lumtarCopyField(f.deviceClass, cls);
    lumtarCopyField(f.customerCode, customer);
    lumtarCopyField(f.model, model);
    lumtarCopyField(f.firmwareVersion, version);
    lumtarCopyField(f.dateTime, date);
    return f;
}

QList<DFirwareInfoItem *> rowsOf(DFirwareInfoShow *dialog)
{
    QList<DFirwareInfoItem *> rows;
    QLayout *layout = dialog->findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents_2"))->layout();
    for (int i = 0; i < layout->count(); ++i)
        if (auto *row = qobject_cast<DFirwareInfoItem *>(layout->itemAt(i)->widget()))
            rows << row;
    return rows;
}

QStringList linesOf(DFirwareInfoItem *row)
{
    return {row->findChild<QLabel *>(QStringLiteral("label_HidInfo"))->text(),
            row->findChild<QLabel *>(QStringLiteral("label_DataTimeInfo"))->text()};
}

} // namespace

class tst_FirmwareInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void listingEntryOfARecord();
    void unterminatedFieldsStayInside();
    void rowLines_data();
    void rowLines();
    void rowsInKeyOrderAndCleared();
    void listsTheAttachedKeyboards();

private:
    TempHome m_home;
};

void tst_FirmwareInfo::initTestCase()
{
    QVERIFY(m_home.isValid());
    DDataManager::getInstance();
    QCOMPARE(CLumtarHid_Init(), 0);
}

void tst_FirmwareInfo::cleanup()
{
    SimController::instance().unplugAll();
}

void tst_FirmwareInfo::listingEntryOfARecord()
{
    const auto entry = DFirwareInfoShow::listingEntry(firmware("AB", "01", "KB", "CD", "M1", "V1.0", "T"));
    QCOMPARE(entry.first, QStringLiteral("AB01KBCD,M1"));
    QCOMPARE(entry.second, QStringLiteral("V1.0---T"));
    // Texts are UTF-8.
    const auto utf8 = DFirwareInfoShow::listingEntry(firmware("", "", "", "", "Täst", "", ""));
    QCOMPARE(utf8.first, QStringLiteral(",Täst"));
    QCOMPARE(utf8.second, QStringLiteral("---"));
}

void tst_FirmwareInfo::unterminatedFieldsStayInside()
{
    // Every byte set: each text ends with its field, the date with the record.
    auto *record = static_cast<FirmwareInfoStu *>(std::malloc(sizeof(FirmwareInfoStu)));
    std::memset(record, 'x', sizeof(FirmwareInfoStu));
    const auto entry = DFirwareInfoShow::listingEntry(*record);
    std::free(record);
    QCOMPARE(entry.first.size(), 64 * 4 + 1 + 128);
    QCOMPARE(entry.second.size(), 64 + 3 + 384);
}

void tst_FirmwareInfo::rowLines_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("first");
    QTest::newRow("no dash") << "AB01KBCD,M1" << "AB01KBCD,M1";
    QTest::newRow("after the first dash") << "AB-01-KBCD,M1" << "01-KBCD,M1";
    QTest::newRow("dash at the end") << "ABCD,M1-" << "";
}

void tst_FirmwareInfo::rowLines()
{
    QFETCH(QString, key);
    QFETCH(QString, first);
    DFirwareInfoItem row;
    row.setInfo(key, QStringLiteral("V1.0---T"));
    QCOMPARE(linesOf(&row), QStringList({first, QStringLiteral("V1.0---T")}));
}

void tst_FirmwareInfo::rowsInKeyOrderAndCleared()
{
    DFirwareInfoShow dialog;
    QCOMPARE(dialog.size(), QSize(350, 370));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Firmware Info"));
    dialog.fillRows({{"b,2", "v2"}, {"a,1", "v1"}, {"c,3", "v3"}});
    auto rows = rowsOf(&dialog);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(linesOf(rows[0]).first(), QStringLiteral("a,1"));
    QCOMPARE(linesOf(rows[2]).last(), QStringLiteral("v3"));
    dialog.fillRows({{"z", "v"}});
    QCOMPARE(rowsOf(&dialog).size(), 1);
    dialog.clearRows();
    QVERIFY(rowsOf(&dialog).isEmpty());
    QLayout *layout = dialog.findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents_2"))->layout();
    QCOMPARE(layout->count(), 1);
    QVERIFY(layout->itemAt(0)->spacerItem());
}

void tst_FirmwareInfo::listsTheAttachedKeyboards()
{
    auto &sim = SimController::instance();
    sim.plug("LT108HE");
    sim.plug("LT104RGB");
    sim.plug("LT108HE"); // the same identity: one row
    DFirwareInfoShow dialog;
    QVERIFY(rowsOf(&dialog).isEmpty());
    QTRY_COMPARE(rowsOf(&dialog).size(), 2);
    const auto rows = rowsOf(&dialog);
    // In key order, not in the order they were attached.
    QCOMPARE(linesOf(rows[0]),
             QStringList({QStringLiteral("LTK1603KBLUMTAR,LT104RGB"), QStringLiteral("V2.01.00---Jan 15 2024,08:45:00")}));
    QCOMPARE(linesOf(rows[1]),
             QStringList({QStringLiteral("LTK3201KBLUMTAR,LT108HE"), QStringLiteral("V1.00.06---Mar 26 2024,20:50:50")}));

    // Nothing attached: an empty list.
    sim.unplugAll();
    DFirwareInfoShow empty;
    QTest::qWait(DFirwareInfoShow::LoadDelayMs * 2);
    QVERIFY(rowsOf(&empty).isEmpty());
}

QTEST_MAIN(tst_FirmwareInfo)
#include "tst_firmwareinfo.moc"
