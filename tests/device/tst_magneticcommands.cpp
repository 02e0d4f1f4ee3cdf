// The 0x29 reports and their key bitmap, and the drag rectangle's
// normalisation, as tables; the bytes are fuzzed against the report shape.
#include <QtTest>

#include "device/MagneticCommands.h"
#include "sdk/hid/DeviceTable.h"

class tst_MagneticCommands : public QObject
{
    Q_OBJECT

private slots:
    void bitmap_data();
    void bitmap();
    void everyKeyOfAModelGivesItsMatrix();
    void normalisedDrag_data();
    void normalisedDrag();
    void reports_data();
    void reports();
    void randomPositionsRoundTrip();
};

using Bitmap = MagneticCommands::KeyBitmap;
Q_DECLARE_METATYPE(QVector<QPoint>)
Q_DECLARE_METATYPE(HidReportBuff)
using ByteMap = QMap<int, int>;

static QByteArray bytesOf(const HidReportBuff &r)
{
    return QByteArray(reinterpret_cast<const char *>(r.data()), HidReportBuff::Size);
}

void tst_MagneticCommands::bitmap_data()
{
    QTest::addColumn<QVector<QPoint>>("positions");
    QTest::addColumn<ByteMap>("reportBytes"); // report byte -> value; all others 0
    QTest::newRow("row 2 column 5") << QVector<QPoint>{{2, 5}} << QMap<int, int>{{12, 0x04}};
    QTest::newRow("all rows of column 0") << QVector<QPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}
                                          << QMap<int, int>{{7, 0x3F}};
    QTest::newRow("last column, top and bottom row") << QVector<QPoint>{{0, 21}, {5, 21}}
                                                     << QMap<int, int>{{28, 0x21}};
    QTest::newRow("the same key twice") << QVector<QPoint>{{3, 1}, {3, 1}} << QMap<int, int>{{8, 0x08}};
    QTest::newRow("outside the matrix") << QVector<QPoint>{{6, 0}, {-1, 3}, {0, 22}, {2, -1}} << QMap<int, int>{};
    QTest::newRow("none") << QVector<QPoint>{} << QMap<int, int>{};
}

void tst_MagneticCommands::bitmap()
{
    QFETCH(QVector<QPoint>, positions);
    QFETCH(ByteMap, reportBytes);
    const HidReportBuff r = MagneticCommands::selectKeys(MagneticCommands::keyBitmap(positions));
    HidReportBuff expected(0x29, 0, 0x18);
    expected[6] = 2;
    for (auto it = reportBytes.cbegin(); it != reportBytes.cend(); ++it)
        expected[it.key()] = static_cast<uint8_t>(it.value());
    QCOMPARE(bytesOf(r).toHex(' '), bytesOf(expected).toHex(' '));
}

void tst_MagneticCommands::everyKeyOfAModelGivesItsMatrix()
{
    lumtar::DeviceTable table;
    std::string error;
    QVERIFY2(table.loadDefault(&error, nullptr), error.c_str());
    const lumtar::DeviceModel *model = table.findModel("LT108HE");
    QVERIFY(model);
    QVector<QPoint> all;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 22; ++column)
            if (model->simHasKey(row, column))
                all.append(QPoint(row, column));
    QCOMPARE(all.size(), 108);
    QVERIFY(MagneticCommands::keyBitmap(all) == model->simKeyColumns);
}

void tst_MagneticCommands::normalisedDrag_data()
{
    QTest::addColumn<QVector<int>>("drag");
    QTest::addColumn<bool>("selects");
    QTest::addColumn<QVector<int>>("rect");
    QTest::newRow("up and left") << QVector<int>{300, 200, 100, 50} << true << QVector<int>{100, 50, 300, 200};
    QTest::newRow("up and right") << QVector<int>{100, 200, 300, 50} << true << QVector<int>{100, 50, 300, 200};
    QTest::newRow("down and left") << QVector<int>{300, 50, 100, 200} << true << QVector<int>{100, 50, 300, 200};
    QTest::newRow("down and right") << QVector<int>{100, 50, 300, 200} << true << QVector<int>{100, 50, 300, 200};
    QTest::newRow("vertical line") << QVector<int>{100, 50, 100, 200} << true << QVector<int>{0, 0, 0, 0};
    QTest::newRow("horizontal line") << QVector<int>{100, 50, 300, 50} << true << QVector<int>{0, 0, 0, 0};
    QTest::newRow("click") << QVector<int>{100, 50, 100, 50} << false << QVector<int>{};
    QTest::newRow("release outside") << QVector<int>{0, 0, 0, 0} << true << QVector<int>{0, 0, 0, 0};
}

void tst_MagneticCommands::normalisedDrag()
{
    QFETCH(QVector<int>, drag);
    QFETCH(bool, selects);
    QFETCH(QVector<int>, rect);
    int out[4] = {-1, -1, -1, -1};
    QCOMPARE(MagneticCommands::normalisedDrag(drag[0], drag[1], drag[2], drag[3], out), selects);
    if (selects)
        QCOMPARE((QVector<int>{out[0], out[1], out[2], out[3]}), rect);
}

void tst_MagneticCommands::reports_data()
{
    QTest::addColumn<HidReportBuff>("report");
    QTest::addColumn<ByteMap>("bytes"); // from byte 6 on; all others 0
    Bitmap one{};
    one[5] = 0x04;
    QTest::newRow("apply 13") << MagneticCommands::apply(13, one, 15, 20, 3, 5)
                              << QMap<int, int>{{6, 13}, {12, 4}, {29, 15}, {30, 20}, {31, 3}, {32, 5}};
    QTest::newRow("apply clamps to a byte") << MagneticCommands::apply(0, Bitmap{}, 300, -4, 0, 255)
                                            << QMap<int, int>{{29, 255}, {32, 255}};
    QTest::newRow("one key's travel") << MagneticCommands::queryKeyTravel(3, 17) << QMap<int, int>{{6, 5}, {7, 3}, {8, 17}};
    QTest::newRow("calibrate a key") << MagneticCommands::calibrateKey(2, 5) << QMap<int, int>{{6, 7}, {7, 2}, {8, 5}};
    QTest::newRow("all keys: start") << MagneticCommands::calibrateAllKeys(true) << QMap<int, int>{{6, 8}};
    QTest::newRow("all keys: stop") << MagneticCommands::calibrateAllKeys(false) << QMap<int, int>{{6, 8}, {7, 1}};
    QTest::newRow("report rate") << MagneticCommands::setValue(MagneticCommands::ReportRate, 4)
                                 << QMap<int, int>{{6, 9}, {7, 1}, {8, 4}};
    QTest::newRow("anti-shake") << MagneticCommands::setValue(MagneticCommands::AntiShake, 7)
                                << QMap<int, int>{{6, 10}, {7, 1}, {8, 7}};
    QTest::newRow("default travel") << MagneticCommands::report(MagneticCommands::DefaultTravel) << QMap<int, int>{{6, 6}};
}

void tst_MagneticCommands::reports()
{
    QFETCH(HidReportBuff, report);
    QFETCH(ByteMap, bytes);
    HidReportBuff expected(0x29, 0, 0x18);
    for (auto it = bytes.cbegin(); it != bytes.cend(); ++it)
        expected[it.key()] = static_cast<uint8_t>(it.value());
    QCOMPARE(bytesOf(report).toHex(' '), bytesOf(expected).toHex(' '));
}

void tst_MagneticCommands::randomPositionsRoundTrip()
{
    // Any set of matrix positions comes back from its bitmap, in column
    // order, and the report keeps everything past byte 32 clear.
    QRandomGenerator random(17);
    for (int round = 0; round < 2000; ++round) {
        QVector<QPoint> positions;
        const int count = random.bounded(0, 40);
        for (int i = 0; i < count; ++i)
            positions.append(QPoint(random.bounded(-2, 8), random.bounded(-2, 24)));
        const Bitmap bitmap = MagneticCommands::keyBitmap(positions);
        QVector<QPoint> expected;
        for (int column = 0; column < 22; ++column)
            for (int row = 0; row < 6; ++row)
                if (positions.contains(QPoint(row, column)))
                    expected.append(QPoint(row, column));
        QCOMPARE(MagneticCommands::positionsOf(bitmap), expected);
        const HidReportBuff r = MagneticCommands::apply(random.bounded(0, 256), bitmap, random.bounded(-5, 300),
                                                        random.bounded(-5, 300), random.bounded(-5, 300),
                                                        random.bounded(-5, 300));
        for (int i = 33; i < HidReportBuff::Size; ++i)
            QCOMPARE(int(r[i]), 0);
    }
}

QTEST_GUILESS_MAIN(tst_MagneticCommands)
#include "tst_magneticcommands.moc"
