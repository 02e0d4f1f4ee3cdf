// The rules of an advanced key's record and key slots: the values of a new
// record, captions of slot texts (one rule for the list rows and the editor),
// key combinations picked key by key, where a picked key goes for each kind,
// and which slot a right click empties.
#include <QtTest>

#include <cstring>

#include "sdk/include/LumtarHid.h"
#include "ui/seniorKeys/ComboKeyRecorder.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "ui/seniorKeys/SeniorKeySlots.h"

namespace {

QMap<int, QString> keyNames()
{
    return {{4, QStringLiteral("A")},      {5, QStringLiteral("B")},      {224, QStringLiteral("L_Ctrl")},
            {225, QStringLiteral("L_Shift")}, {226, QStringLiteral("L_Alt")}, {230, QStringLiteral("R_Alt")},
            {49, QStringLiteral("\\|")}};
}

SeniorKeyInfoStu recordOf(int kind)
{
    SeniorKeyInfoStu r = SeniorKeyRecord::newRecord(7, kind);
    for (int slot = 1; slot <= 4; ++slot)
        SeniorKeyRecord::setSlotText(&r, slot, "9" + QByteArray::number(slot));
    r.toggleAssigned = kind == LUMTAR_SENIOR_TGL ? 1 : 0;
    return r;
}

QStringList slotsOf(const SeniorKeyInfoStu &r)
{
    QStringList out;
    for (int slot = 1; slot <= 4; ++slot)
        out << QString::fromLatin1(SeniorKeyRecord::slotText(r, slot));
    return out;
}

} // namespace

class tst_SeniorKeySlots : public QObject
{
    Q_OBJECT

private slots:
    void newRecord_data();
    void newRecord();
    void copiedRecord();
    void travelText_data();
    void travelText();
    void captions_data();
    void captions();
    void modifiers();
    void combinations_data();
    void combinations();
    void combinationAcrossSlots();
    void targets_data();
    void targets();
    void rightClicks_data();
    void rightClicks();
};

void tst_SeniorKeySlots::newRecord_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("DKS1") << 1 << 1 << "DKS1";
    QTest::newRow("MT1") << 1 << 2 << "MT1";
    QTest::newRow("TGL12") << 12 << 3 << "TGL12";
    QTest::newRow("other kind") << 4 << 9 << "4";
}

void tst_SeniorKeySlots::newRecord()
{
    QFETCH(int, id);
    QFETCH(int, kind);
    const SeniorKeyInfoStu r = SeniorKeyRecord::newRecord(id, kind);
    QCOMPARE(r.id, id);
    QCOMPARE(r.kind, kind);
    QTEST(SeniorKeyRecord::name(r), "name");
    QCOMPARE(slotsOf(r), QStringList({"", "", "", ""}));
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            QCOMPARE(r.dksAction[i][j], 0);
    QCOMPARE(QVector<int>({r.triggerPoint[0], r.triggerPoint[1], r.triggerPoint[2], r.triggerPoint[3]}),
             QVector<int>({15, 36, 36, 15}));
    QCOMPARE(r.holdDuration, 150);
    QCOMPARE(r.toggleAssigned, 0);
}

void tst_SeniorKeySlots::copiedRecord()
{
    // Texts that reach their field's end without a NUL are cut to fit.
    SeniorKeyInfoStu raw;
    std::memset(&raw, 'x', sizeof raw);
    raw.id = 3;
    raw.kind = 2;
    raw.holdDuration = 400;
    const SeniorKeyInfoStu r = SeniorKeyRecord::copied(raw);
    QCOMPARE(r.id, 3);
    QCOMPARE(r.kind, 2);
    QCOMPARE(r.holdDuration, 400);
    QCOMPARE(SeniorKeyRecord::name(r).size(), 255);
    QCOMPARE(SeniorKeyRecord::slotText(r, 1).size(), 15);
    QCOMPARE(r.keySlot[3][15], '\0');
    QCOMPARE(SeniorKeyRecord::slotText(r, 5), QByteArray());
}

void tst_SeniorKeySlots::travelText_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.5") << 15 << "1.5mm";
    QTest::newRow("3.6") << 36 << "3.6mm";
    QTest::newRow("2.3") << 23 << "2.3mm";
    QTest::newRow("0.1") << 1 << "0.1mm";
    QTest::newRow("4") << 40 << "4.0mm";
}

void tst_SeniorKeySlots::travelText()
{
    QFETCH(int, tenths);
    QTEST(SeniorKeyRecord::travelText(tenths), "text");
}

void tst_SeniorKeySlots::captions_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QString>("caption");
    QTest::newRow("single key") << QByteArray("4") << "A";
    QTest::newRow("single modifier") << QByteArray("224") << "L_Ctrl";
    QTest::newRow("unknown key") << QByteArray("200") << "";
    QTest::newRow("empty slot") << QByteArray() << "";
    QTest::newRow("not a number") << QByteArray("x") << "";
    QTest::newRow("L_CTRL and L_SHIFT") << QByteArray("3,4") << "L_CTRL+L_SHIFT+A";
    QTest::newRow("R_ALT") << QByteArray("64,4") << "R_ALT+A";
    QTest::newRow("mask 5 with a mapped key") << QByteArray("5,5") << "L_CTRL+L_ALT+B";
    QTest::newRow("mask 5 without a mapped key") << QByteArray("5,200") << "L_CTRL+L_ALT";
    QTest::newRow("mask 0") << QByteArray("0,4") << "A";
    QTest::newRow("bits above 7") << QByteArray("257,4") << "L_CTRL+A";
    QTest::newRow("all eight") << QByteArray("255,4")
                               << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+A";
    QTest::newRow("empty parts") << QByteArray(",") << "";
    QTest::newRow("mask not a number") << QByteArray("x,4") << "A";
    QTest::newRow("key not a number") << QByteArray("2,y") << "L_SHIFT";
    QTest::newRow("escaped caption") << QByteArray("49") << "\\|";
}

void tst_SeniorKeySlots::captions()
{
    QFETCH(QByteArray, slot);
    QTEST(SeniorKeySlots::caption(slot, keyNames()), "caption");
}

void tst_SeniorKeySlots::modifiers()
{
    const QStringList names = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};
    for (int code = 224; code <= 231; ++code) {
        QCOMPARE(SeniorKeySlots::modifierBit(code), 1 << (code - 224));
        QCOMPARE(SeniorKeySlots::modifierName(code - 224), names.at(code - 224));
    }
    QCOMPARE(SeniorKeySlots::modifierBit(223), 0);
    QCOMPARE(SeniorKeySlots::modifierBit(232), 0);
    QCOMPARE(SeniorKeySlots::modifierBit(4), 0);
    QCOMPARE(SeniorKeySlots::modifierName(8), QString());
}

void tst_SeniorKeySlots::combinations_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("captions"); // the button after each pick
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("recording");
    QTest::newRow("Ctrl, Shift, A") << QList<int>{224, 225, 4}
                                    << QStringList{"L_CTRL", "L_CTRL+L_SHIFT", "L_CTRL+L_SHIFT+A"}
                                    << QByteArray("3,4") << false;
    QTest::newRow("A first") << QList<int>{4} << QStringList{""} << QByteArray() << true;
    QTest::newRow("A first, then Ctrl, A") << QList<int>{4, 224, 4} << QStringList{"", "L_CTRL", "L_CTRL+A"}
                                          << QByteArray("1,4") << false;
    QTest::newRow("Ctrl, Alt, Shift, A") << QList<int>{224, 226, 225, 4}
                                         << QStringList{"L_CTRL", "L_CTRL+L_ALT", "", "L_CTRL+L_ALT+A"}
                                         << QByteArray("5,4") << false;
    QTest::newRow("Ctrl twice, A") << QList<int>{224, 224, 4} << QStringList{"L_CTRL", "", "L_CTRL+A"}
                                   << QByteArray("1,4") << false;
    QTest::newRow("R_Alt, A") << QList<int>{230, 4} << QStringList{"R_ALT", "R_ALT+A"} << QByteArray("64,4") << false;
    QTest::newRow("finishing key without caption") << QList<int>{224, 200} << QStringList{"L_CTRL", ""}
                                                   << QByteArray() << false;
    QTest::newRow("modifiers only") << QList<int>{224, 225} << QStringList{"L_CTRL", "L_CTRL+L_SHIFT"}
                                    << QByteArray() << true;
}

void tst_SeniorKeySlots::combinations()
{
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, captions);
    QFETCH(QByteArray, stored);
    ComboKeyRecorder recorder;
    QByteArray lastStored;
    for (int i = 0; i < keys.size(); ++i) {
        const ComboKeyRecorder::Step step = recorder.pick(keys.at(i), keyNames());
        QCOMPARE(step.captionChanged ? step.caption : QString(), captions.at(i));
        if (i + 1 < keys.size())
            QCOMPARE(step.slotText, QByteArray());
        lastStored = step.slotText;
    }
    QCOMPARE(lastStored, stored);
    QTEST(recorder.isRecording(), "recording");
}

void tst_SeniorKeySlots::combinationAcrossSlots()
{
    // A finished combination leaves nothing behind: the next one starts afresh.
    ComboKeyRecorder recorder;
    recorder.pick(224, keyNames());
    QCOMPARE(recorder.pick(4, keyNames()).slotText, QByteArray("1,4"));
    QCOMPARE(recorder.pick(225, keyNames()).caption, QStringLiteral("L_SHIFT"));
    QCOMPARE(recorder.pick(5, keyNames()).slotText, QByteArray("2,5"));
    QVERIFY(recorder.parts().isEmpty());
}

void tst_SeniorKeySlots::targets_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("currentSlot");
    QTest::addColumn<bool>("assigned");
    QTest::addColumn<QStringList>("slots");
    QTest::addColumn<int>("toggle");
    QTest::newRow("DKS slot 1") << 1 << 1 << true << QStringList{"4", "92", "93", "94"} << 0;
    QTest::newRow("DKS slot 3") << 1 << 3 << true << QStringList{"91", "92", "4", "94"} << 0;
    QTest::newRow("DKS slot 4") << 1 << 4 << true << QStringList{"91", "92", "93", "4"} << 0;
    QTest::newRow("DKS slot 5") << 1 << 5 << false << QStringList{"91", "92", "93", "94"} << 0;
    QTest::newRow("MT hold") << 2 << 1 << true << QStringList{"4", "92", "93", "94"} << 0;
    QTest::newRow("MT click") << 2 << 2 << true << QStringList{"91", "4", "93", "94"} << 0;
    QTest::newRow("MT slot 3") << 2 << 3 << false << QStringList{"91", "92", "93", "94"} << 0;
    QTest::newRow("TGL from slot 1") << 3 << 1 << true << QStringList{"4", "92", "93", "94"} << 1;
    QTest::newRow("TGL from slot 3") << 3 << 3 << true << QStringList{"4", "92", "93", "94"} << 1;
    QTest::newRow("other kind") << 5 << 1 << false << QStringList{"91", "92", "93", "94"} << 0;
}

void tst_SeniorKeySlots::targets()
{
    QFETCH(int, kind);
    QFETCH(int, currentSlot);
    SeniorKeyInfoStu r = recordOf(kind);
    r.toggleAssigned = 0;
    QTEST(SeniorKeySlots::assign(&r, currentSlot, "4"), "assigned");
    QTEST(slotsOf(r), "slots");
    QTEST(r.toggleAssigned, "toggle");
}

void tst_SeniorKeySlots::rightClicks_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("hover");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QStringList>("slots");
    QTest::addColumn<int>("toggle");
    QTest::newRow("DKS button 1") << 1 << 1 << true << QStringList{"", "92", "93", "94"} << 0;
    QTest::newRow("DKS button 4") << 1 << 4 << true << QStringList{"91", "92", "93", ""} << 0;
    QTest::newRow("Hold") << 2 << 5 << true << QStringList{"", "92", "93", "94"} << 0;
    QTest::newRow("Click") << 2 << 6 << true << QStringList{"91", "", "93", "94"} << 0;
    QTest::newRow("TGL") << 3 << 7 << true << QStringList{"", "92", "93", "94"} << 0;
    QTest::newRow("no button") << 3 << -1 << false << QStringList{"91", "92", "93", "94"} << 1;
    QTest::newRow("beyond the buttons") << 1 << 8 << false << QStringList{"91", "92", "93", "94"} << 0;
    QTest::newRow("zero") << 1 << 0 << false << QStringList{"91", "92", "93", "94"} << 0;
}

void tst_SeniorKeySlots::rightClicks()
{
    QFETCH(int, kind);
    QFETCH(int, hover);
    SeniorKeyInfoStu r = recordOf(kind);
    QTEST(SeniorKeySlots::clear(&r, hover), "cleared");
    QTEST(slotsOf(r), "slots");
    QTEST(r.toggleAssigned, "toggle");
}

QTEST_GUILESS_MAIN(tst_SeniorKeySlots)
#include "tst_seniorkeyslots.moc"
