// The widget-free rules behind the profile menu and the device page's
// coordination: the index, name and capacity of a profile file's list, the
// export file name, the sleep-time rule and its wait, the default
// custom-light file of a keyboard (and the shipped files themselves against
// our layouts), a new profile's schemes, and rewriting a scheme.
#include <QtTest>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <list>
#include <map>
#include <string>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/CustomLightScheme.h"
#include "ui/mainwidget/devicePage/DefaultCustomLightFile.h"
#include "ui/mainwidget/devicePage/KeyLayoutFile.h"
#include "ui/mainwidget/devicePage/ProfileFolder.h"
#include "ui/mainwidget/devicePage/ProfileListRules.h"
#include "ui/mainwidget/devicePage/SleepTimeRequest.h"

namespace {

LumtarIndexNameList listOf(const QList<int> &indexes)
{
    LumtarIndexNameList list;
    for (int index : indexes)
        list.emplace_back(std::to_string(index), "P" + std::to_string(index));
    return list;
}

std::list<CustomLightItemStu> schemeItems(const QByteArray &path, const char *profile, const char *scheme)
{
    std::list<CustomLightItemStu> items;
    CLumtarXML_ProFileCustomLightInfoSelectAll(path.constData(), profile, scheme, &items);
    return items;
}

// (code, row, column) of every key of a model's layout file.
QMap<int, QPair<int, int>> layoutPlaces(const QString &model, bool *ok)
{
    QMap<int, QPair<int, int>> places;
    QFile file(QStringLiteral(":/images/configDir/KeyInfo_%1.config").arg(model));
    KeyLayoutFile layout;
    *ok = file.open(QIODevice::ReadOnly) && layout.parse(file.readAll());
    for (const KeyLayoutFile::Key &key : layout.keys())
        if (key.record.code != 0)
            places.insert(key.record.code, qMakePair(key.row, key.column));
    return places;
}

} // namespace

class tst_ProfileRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void nextIndex_data();
    void nextIndex();
    void capacityAndImportIndex();
    void names_data();
    void names();
    void exportFilePath_data();
    void exportFilePath();

    void sleepTimeCheck_data();
    void sleepTimeCheck();
    void sleepTimeRequestWaitsOnATimer();

    void defaultFileByKeyCountAndModel_data();
    void defaultFileByKeyCountAndModel();
    void everyModelHasAShippedFileOfItsLayout();
    void newProfileGetsFiveSchemes();

    void itemsOfNonBlackKeys();
    void rewriteReplacesTheScheme();

private:
    QTemporaryDir m_dir;
};

void tst_ProfileRules::initTestCase()
{
    DDataManager::getInstance(); // the embedded files
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    QVERIFY(m_dir.isValid());
}

void tst_ProfileRules::nextIndex_data()
{
    QTest::addColumn<QList<int>>("listed");
    QTest::addColumn<int>("next");
    QTest::newRow("1,2,3") << QList<int>{1, 2, 3} << 4;
    // A restore puts profile 1 last; the last listed one plus one would be 2 again.
    QTest::newRow("2,3,1 after a restore") << QList<int>{2, 3, 1} << 4;
    QTest::newRow("5,2") << QList<int>{5, 2} << 6;
    QTest::newRow("none") << QList<int>{} << 2;
    QTest::newRow("one") << QList<int>{1} << 2;
    QTest::newRow("highest possible") << QList<int>{1, 2147483647} << -1;
}

void tst_ProfileRules::nextIndex()
{
    QFETCH(QList<int>, listed);
    QFETCH(int, next);
    QCOMPARE(ProfileListRules::nextIndex(listOf(listed)), next);
}

void tst_ProfileRules::capacityAndImportIndex()
{
    QVERIFY(!ProfileListRules::isFull(listOf({1, 2, 3, 4, 5, 6, 7, 8, 9})));
    QVERIFY(ProfileListRules::isFull(listOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})));
    QVERIFY(ProfileListRules::isFull(listOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})));
    QCOMPARE(ProfileListRules::defaultName(4), QStringLiteral("Profile4"));
    QCOMPARE(ProfileListRules::importIndex(listOf({1, 7})), QByteArray("7"));
    QCOMPARE(ProfileListRules::importIndex(listOf({7, 1})), QByteArray("1"));
    QCOMPARE(ProfileListRules::importIndex(listOf({})), QByteArray("1"));
}

void tst_ProfileRules::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("check");
    const int accepted = int(ProfileListRules::NameCheck::Accepted);
    QTest::newRow("plain") << "Gaming" << accepted;
    QTest::newRow("blanks") << "   " << accepted;
    QTest::newRow("non-ASCII") << QStringLiteral("Spiel ü 游戏") << accepted;
    QTest::newRow("empty") << "" << int(ProfileListRules::NameCheck::Empty);
    QTest::newRow("639 bytes") << QString(639, QLatin1Char('a')) << accepted;
    QTest::newRow("640 bytes") << QString(640, QLatin1Char('a')) << int(ProfileListRules::NameCheck::TooLong);
    // 213 three-byte characters are 639 bytes, one more is too many.
    QTest::newRow("639 bytes of CJK") << QString(213, QChar(0x6E38)) << accepted;
    QTest::newRow("642 bytes of CJK") << QString(214, QChar(0x6E38)) << int(ProfileListRules::NameCheck::TooLong);
}

void tst_ProfileRules::names()
{
    QFETCH(QString, name);
    QFETCH(int, check);
    QCOMPARE(int(ProfileListRules::checkName(name)), check);
}

void tst_ProfileRules::exportFilePath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain") << "Gaming" << "Gaming.xml";
    QTest::newRow("slash") << "a/b" << "a_b.xml";
    QTest::newRow("backslash") << "a\\b" << "a_b.xml";
    QTest::newRow("dot dot") << ".." << "_..xml";
    QTest::newRow("hidden") << ".profile" << "_profile.xml";
    QTest::newRow("control characters") << QStringLiteral("a\nb\tc\x7f") << "a_b_c_.xml";
    QTest::newRow("non-ASCII") << QStringLiteral("Spiel ü") << QStringLiteral("Spiel ü.xml");
    QTest::newRow("nothing left") << "" << "Profile3.xml";
}

void tst_ProfileRules::exportFilePath()
{
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    const QByteArray path = ProfileListRules::exportFilePath(QStringLiteral("/home/u/Desktop"), name, 3);
    QCOMPARE(QString::fromLocal8Bit(path), QStringLiteral("/home/u/Desktop/") + fileName);

    // A path over 255 bytes is refused, never cut.
    const QString folder = QStringLiteral("/") + QString(255 - 1 - 1 - fileName.toUtf8().size(), QLatin1Char('f'));
    QCOMPARE(ProfileListRules::exportFilePath(folder, name, 3).size(), 255);
    QVERIFY(ProfileListRules::exportFilePath(folder + QLatin1Char('f'), name, 3).isEmpty());
}

void tst_ProfileRules::sleepTimeCheck_data()
{
    QTest::addColumn<int>("light");
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<int>("check");
    QTest::addColumn<int>("minutes");
    const int ok = int(SleepTimeRequest::Check::Accepted);
    QTest::newRow("equal times pass") << 300 << 300 << ok << 5;
    QTest::newRow("light longer") << 600 << 300 << int(SleepTimeRequest::Check::LightLongerThanKeyboard) << 5;
    QTest::newRow("299 s") << 60 << 299 << int(SleepTimeRequest::Check::KeyboardTooShort) << 4;
    QTest::newRow("300 s") << 60 << 300 << ok << 5;
    QTest::newRow("359 s") << 60 << 359 << ok << 5;
    QTest::newRow("60000 s") << 600 << 60000 << ok << 1000;
}

void tst_ProfileRules::sleepTimeCheck()
{
    QFETCH(int, light);
    QFETCH(int, keyboard);
    QFETCH(int, check);
    QFETCH(int, minutes);
    QCOMPARE(int(SleepTimeRequest::check(light, keyboard)), check);
    QCOMPARE(SleepTimeRequest::keyboardMinutes(keyboard), minutes);
}

void tst_ProfileRules::sleepTimeRequestWaitsOnATimer()
{
    // A link that never opened sends nothing: only the wait is looked at.
    DDeviceKeyboardLink link;
    SleepTimeRequest request;
    QSignalSpy finished(&request, &SleepTimeRequest::finished);
    SleepTimeRequest::Request asked;
    asked.lightSeconds = 300;
    asked.keyboardSeconds = 600;
    QVERIFY(!request.start(nullptr, asked));
    QVERIFY(request.start(&link, asked));
    QVERIFY(request.isWaiting());
    // A second request while one waits is refused, not nested.
    QVERIFY(!request.start(&link, asked));
    request.onConfirmed();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QVERIFY(!request.isWaiting());
    // A late confirmation counts for nothing.
    request.onConfirmed();
    QCOMPARE(finished.count(), 1);

    QVERIFY(request.start(&link, asked));
    QVERIFY(finished.wait(SleepTimeRequest::ConfirmWaitMs * 4));
    QCOMPARE(finished.count(), 2);
    QCOMPARE(finished.at(1).at(0).toBool(), false);
}

void tst_ProfileRules::defaultFileByKeyCountAndModel_data()
{
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("file");
    QTest::newRow("84") << 84 << "LT84" << "customLightDefaultConfig_84.xml";
    QTest::newRow("69") << 69 << "LT69" << "customLightDefaultConfig_84.xml";
    QTest::newRow("83") << 83 << "X" << "customLightDefaultConfig_83.xml";
    QTest::newRow("97") << 97 << "X" << "customLightDefaultConfig_98.xml";
    QTest::newRow("99") << 99 << "X" << "customLightDefaultConfig_98.xml";
    QTest::newRow("100") << 100 << "X" << "customLightDefaultConfig_98.xml";
    QTest::newRow("68") << 68 << "LT68HE" << "customLightDefaultConfig_68.xml";
    QTest::newRow("61") << 61 << "X" << "customLightDefaultConfig_61.xml";
    QTest::newRow("34") << 34 << "X" << "customLightDefaultConfig_34.xml";
    QTest::newRow("18") << 18 << "X" << "customLightDefaultConfig_18.xml";
    QTest::newRow("82") << 82 << "X" << "customLightDefaultConfig_82.xml";
    QTest::newRow("108") << 108 << "LT108HE" << "customLightDefaultConfig.xml";
    QTest::newRow("104") << 104 << "LT104RGB" << "customLightDefaultConfig.xml";
}

void tst_ProfileRules::defaultFileByKeyCountAndModel()
{
    QFETCH(int, keyCount);
    QFETCH(QString, model);
    QFETCH(QString, file);
    QCOMPARE(DefaultCustomLightFile::fileName(keyCount, model), file);

    // Model rows come first, the first match wins, names compare whole and
    // with their case, and only for the row's key counts.
    const QVector<DefaultCustomLightFile::ModelRow> rows = {
        {{84, 69}, {QStringLiteral("LT84A")}, QStringLiteral("customLightDefaultConfig_LT84A.xml")},
        {{84}, {QStringLiteral("LT84A"), QStringLiteral("LT84B")}, QStringLiteral("customLightDefaultConfig_B.xml")},
    };
    QCOMPARE(DefaultCustomLightFile::fileName(69, QStringLiteral("LT84A"), rows),
             QStringLiteral("customLightDefaultConfig_LT84A.xml"));
    QCOMPARE(DefaultCustomLightFile::fileName(84, QStringLiteral("LT84A"), rows),
             QStringLiteral("customLightDefaultConfig_LT84A.xml"));
    QCOMPARE(DefaultCustomLightFile::fileName(84, QStringLiteral("LT84B"), rows),
             QStringLiteral("customLightDefaultConfig_B.xml"));
    QCOMPARE(DefaultCustomLightFile::fileName(84, QStringLiteral("lt84b"), rows),
             QStringLiteral("customLightDefaultConfig_84.xml"));
    QCOMPARE(DefaultCustomLightFile::fileName(84, QStringLiteral("LT84"), rows),
             QStringLiteral("customLightDefaultConfig_84.xml"));
    QCOMPARE(DefaultCustomLightFile::fileName(68, QStringLiteral("LT84A"), rows),
             QStringLiteral("customLightDefaultConfig_68.xml"));
    QCOMPARE(DefaultCustomLightFile::fileName(keyCount, model, {}), DefaultCustomLightFile::genericFileName(keyCount));
}

void tst_ProfileRules::everyModelHasAShippedFileOfItsLayout()
{
    std::map<std::string, HidInfoStu> models;
    QVERIFY(CLumtarHid_GetHidInfoStuMapList(&models) > 0);
    const QList<int> alphabets = {20, 26, 8, 21, 23, 28, 24, 12, 18, 19, 47, 48, 49, 4, 22, 7, 9,
                                  10, 11, 13, 14, 15, 51, 52, 29, 27, 6, 25, 5, 17, 16, 54, 55, 56};
    const QList<int> wasdArrows = {26, 4, 22, 7, 82, 80, 81, 79};
    for (const auto &entry : models) {
        const QString model = QString::fromStdString(entry.first);
        const QString fileName = DefaultCustomLightFile::fileName(entry.second.keyCount, model);
        const QString resource = QLatin1String(DefaultCustomLightFile::resourceFolder()) + fileName;
        QVERIFY2(QFile::exists(resource), qPrintable(model + " has no " + fileName));
        const QString copy = m_dir.filePath(model + fileName);
        QFile::remove(copy);
        QVERIFY(QFile::copy(resource, copy));
        bool layoutRead = false;
        const QMap<int, QPair<int, int>> places = layoutPlaces(model, &layoutRead);
        QVERIFY2(layoutRead, qPrintable(model));

        for (int scheme = 0; scheme < 5; ++scheme) {
            std::list<CustomLightItemStu> items;
            const QByteArray node = QByteArray::number(scheme);
            CLumtarXML_XmlCustomLightInfoSelectAll(QFile::encodeName(copy).constData(), node.constData(), &items);
            QList<int> codes;
            for (const CustomLightItemStu &item : items) {
                const int code = QByteArray(item.keyCode).toInt();
                codes << code;
                const QString what = QStringLiteral("%1 scheme %2 key %3").arg(model).arg(scheme).arg(code);
                QVERIFY2(places.contains(code), qPrintable(what + " is not a key of the layout"));
                QCOMPARE(qMakePair(item.indexX, item.indexY), places.value(code));
                QCOMPARE(item.transparentNum, 128);
                const bool blue = item.colorR == 0 && item.colorG == 0 && item.colorB == 255;
                const bool red = item.colorR == 255 && item.colorG == 0 && item.colorB == 0;
                QVERIFY2(scheme == 0 ? blue : red, qPrintable(what));
            }
            if (scheme == 0)
                QCOMPARE(codes, alphabets);
            else if (scheme == 1)
                QCOMPARE(codes, wasdArrows);
            else
                QVERIFY(codes.isEmpty());
        }
    }
    // Our layouts put A at row 3, column 1.
    bool read = false;
    QCOMPARE(layoutPlaces(QStringLiteral("LT108HE"), &read).value(4), qMakePair(3, 1));
}

void tst_ProfileRules::newProfileGetsFiveSchemes()
{
    const QByteArray path = QFile::encodeName(m_dir.filePath(QStringLiteral("schemes.xml")));
    QVERIFY(CLumtarXML_CreateXMLFile(path.constData()));
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(path.constData(), "3", "Profile3", 0));
    ProfileFolder::addDefaultCustomLightNodes(path.constData(), 3, DefaultCustomLightFile::fileName(108, "LT108HE"));
    std::list<CustomLightNodeStu> nodes;
    QVERIFY(CLumtarXML_SelectProFileCustomLightAllNodes(path.constData(), "3", &nodes));
    QCOMPARE(int(nodes.size()), 5);
    const QStringList names = {"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"};
    int n = 0;
    for (const CustomLightNodeStu &node : nodes) {
        QCOMPARE(QString(node.index), QString::number(n));
        QCOMPARE(QString::fromUtf8(node.name), names.at(n));
        QCOMPARE(QString(node.isUsing), QString(n < 2 ? "Using" : "UnUsing"));
        QCOMPARE(node.usingFlagIndex, n < 2 ? n : -1);
        QCOMPARE(int(schemeItems(path, "3", node.index).size()), n == 0 ? 34 : n == 1 ? 8 : 0);
        ++n;
    }
    // A key count without a file of ours: the schemes are there, empty.
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(path.constData(), "4", "Profile4", 0));
    ProfileFolder::addDefaultCustomLightNodes(path.constData(), 4, DefaultCustomLightFile::fileName(84, "LT84"));
    nodes.clear();
    QVERIFY(CLumtarXML_SelectProFileCustomLightAllNodes(path.constData(), "4", &nodes));
    QCOMPARE(int(nodes.size()), 5);
    QVERIFY(schemeItems(path, "4", "0").empty());
}

void tst_ProfileRules::itemsOfNonBlackKeys()
{
    const QVector<CustomLightScheme::Key> keys = {
        {20, QStringLiteral("Q"), 2, 1, QColor(0, 0, 255)},
        {26, QStringLiteral("W"), 2, 2, QColor(0, 0, 0)},
        {52, QStringLiteral("' \""), 3, 11, QColor(1, 0, 0)},
        {4, QString(100, QLatin1Char('x')), 3, 1, QColor(0, 0, 0, 0)},
        {7, QStringLiteral("D"), 3, 3, QColor(0, 200, 0, 0)},
    };
    const std::list<CustomLightItemStu> items = CustomLightScheme::itemsOf(keys);
    QCOMPARE(int(items.size()), 3);
    auto it = items.begin();
    QCOMPARE(QByteArray(it->keyCode), QByteArray("20"));
    QCOMPARE(QByteArray(it->codeName), QByteArray("Q"));
    QCOMPARE(it->colorB, 255);
    QCOMPARE(it->transparentNum, 128);
    ++it;
    QCOMPARE(QByteArray(it->codeName), QByteArray("' \""));
    QCOMPARE(qMakePair(it->indexX, it->indexY), qMakePair(3, 11));
    ++it;
    // Only the colour counts, not its alpha.
    QCOMPARE(QByteArray(it->keyCode), QByteArray("7"));
    QCOMPARE(it->colorG, 200);
}

void tst_ProfileRules::rewriteReplacesTheScheme()
{
    const QByteArray path = QFile::encodeName(m_dir.filePath(QStringLiteral("rewrite.xml")));
    QVERIFY(CLumtarXML_CreateXMLFile(path.constData()));
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0));
    ProfileFolder::addDefaultCustomLightNodes(path.constData(), 1, DefaultCustomLightFile::fileName(108, "LT108HE"));
    const std::list<CustomLightItemStu> items = CustomLightScheme::itemsOf(
        {{41, QStringLiteral("Esc"), 0, 0, QColor(10, 20, 30)}, {58, QStringLiteral("F1"), 0, 1, QColor(0, 0, 0)}});
    QVERIFY(CustomLightScheme::rewrite(path.constData(), 1, 1, items));
    const std::list<CustomLightItemStu> stored = schemeItems(path, "1", "1");
    QCOMPARE(int(stored.size()), 1);
    QCOMPARE(QByteArray(stored.front().codeName), QByteArray("Esc"));
    QCOMPARE(stored.front().colorR, 10);
    QCOMPARE(int(schemeItems(path, "1", "0").size()), 34);
    // Nothing painted: the scheme is emptied.
    QVERIFY(CustomLightScheme::rewrite(path.constData(), 1, 1, {}));
    QVERIFY(schemeItems(path, "1", "1").empty());
    // A scheme or profile the file lacks: nothing is written.
    QFile file(QFile::decodeName(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QVERIFY(!CustomLightScheme::rewrite(path.constData(), 1, 7, items));
    QVERIFY(!CustomLightScheme::rewrite(path.constData(), 2, 0, items));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_ProfileRules test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_profilerules.moc"
