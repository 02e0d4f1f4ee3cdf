// The key-button layer: reading layout files (the fixture and the shipped
// ones), the registry it hands the shared state, captions, clicks in and
// out of calibration, the hover card and refusing malformed layout files.
#include <QtTest>

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/KeyLayoutFile.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/sideLightButtonCustom.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DCustomEventTipExplain.h"

namespace {

const char kFixtureName[] = "KeyInfo_Fixture.config";

QByteArray readFixture()
{
    QFile f(qEnvironmentVariable("LUMTAR_TEST_DATA") + QLatin1Char('/') + QLatin1String(kFixtureName));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// Replaces exactly one occurrence of a fragment of the fixture.
QByteArray mutated(const QByteArray &text, const QByteArray &from, const QByteArray &to)
{
    if (text.count(from) != 1)
        return QByteArray("fragment not found once: ") + from;
    QByteArray out = text;
    return out.replace(from, to);
}

HidDeviceInfoStu deviceOf(const char *model)
{
    HidDeviceInfoStu d = {};
    lumtarCopyField(d.hidModel, model);
    return d;
}

} // namespace

class TestKeySelectFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fixtureBuildsTheRegistry();
    void sideLightsAndHeader();
    void captions_data();
    void captions();
    void layoutWithoutHeader();
    void malformedLayoutsAreRefused_data();
    void malformedLayoutsAreRefused();
    void refusedReloadLeavesNoKeys();
    void shippedLayoutsLoadFromResources_data();
    void shippedLayoutsLoadFromResources();
    void missingLayoutBuildsNothing();

    void clicks_data();
    void clicks();
    void clickingTheClickedKeyAgainReportsNothing();
    void modesUncheckTheClickedKey();
    void hoverCard_data();
    void hoverCard();
    void hoverCardInCalibrationSkipsTheStore();
    void destroyedLayerLeavesNoKeysBehind();

private:
    std::unique_ptr<keySelectFrame> loadedFixture();
    keyboardButCustom *keyByCaption(keySelectFrame *layer, const QString &caption);

    std::unique_ptr<TempHome> m_home;
    QTemporaryDir m_dir;
    QByteArray m_fixture;
    QByteArray m_profilePath;
    DDataManager *m_data = nullptr;
};

void TestKeySelectFrame::initTestCase()
{
    m_home = std::make_unique<TempHome>();
    QVERIFY(m_dir.isValid());
    m_data = DDataManager::getInstance();
    m_data->loadThemeConfig(0);
    m_fixture = readFixture();
    QVERIFY(!m_fixture.isEmpty());

    m_profilePath = QFile::encodeName(m_dir.filePath(QStringLiteral("appProfile_Default.xml")));
    QVERIFY(CLumtarXML_CreateXMLFile(m_profilePath.constData()));
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(m_profilePath.constData(), "1", "Office", 0));
    // F1 (58) carries "Disable"; the other keys have no function.
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(m_profilePath.constData(), "1", "58", "F1", "5", "1", "0", "0"));
    QVERIFY(m_data->setXmlProfilePath(m_profilePath.constData()));
    m_data->setCurrentProfileIndex(1);
}

void TestKeySelectFrame::init()
{
    m_data->setKeyCalibrationMode(false);
}

void TestKeySelectFrame::cleanup()
{
    m_data->setKeyCalibrationMode(false);
}

std::unique_ptr<keySelectFrame> TestKeySelectFrame::loadedFixture()
{
    auto layer = std::make_unique<keySelectFrame>();
    layer->resize(300, 260);
    if (!layer->parseKeyboardInfo(m_fixture, QLatin1String(kFixtureName)))
        return nullptr;
    return layer;
}

keyboardButCustom *TestKeySelectFrame::keyByCaption(keySelectFrame *layer, const QString &caption)
{
    for (keyboardButCustom *key : layer->keyButtonList()) {
        if (key->keyCaption() == caption)
            return key;
    }
    return nullptr;
}

void TestKeySelectFrame::fixtureBuildsTheRegistry()
{
    keySelectFrame layer;
    QSignalSpy loaded(&layer, &keySelectFrame::sigKeyboardAlreadyLoad);
    QVERIFY(layer.parseKeyboardInfo(m_fixture, QLatin1String(kFixtureName)));
    QCOMPARE(loaded.count(), 1);

    // 132 buttons and records in file order; the place in the list is the
    // key's (row, column) of the 6 x 22 matrix.
    const QList<keyboardButCustom *> list = layer.keyButtonList();
    const QVector<KeyLayoutInfoStu> records = layer.keyLayoutRecords();
    QCOMPARE(list.size(), 132);
    QCOMPARE(records.size(), 132);
    for (int n = 0; n < 132; ++n) {
        keyboardButCustom *key = list.at(n);
        QCOMPARE(key->gridRow(), n / 22);
        QCOMPARE(key->gridColumn(), n % 22);
        QCOMPARE(layer.keyButtonAt(n / 22, n % 22), key);
        QCOMPARE(key->keyCode(), records.at(n).code);
        QCOMPARE(records.at(n).kind, int(KeyLayoutInfoStu::KeyCell));
        QCOMPARE(records.at(n).sidePosition, 0);
        if (records.at(n).code != 0) {
            QCOMPARE(key->geometry(), QRect(records.at(n).x + 10, records.at(n).y + 10, records.at(n).width,
                                            records.at(n).height));
            QCOMPARE(key->keyPos(), key->geometry().topLeft());
        }
    }
    QCOMPARE(records.at(22 * 5 + 1).x, 60); // leading zeros and letter case of members
    QCOMPARE(records.at(22 * 5 + 1).width, 40);
    QCOMPARE(records.at(22 * 5 + 1).code, 226);

    // One map entry per distinct code, the later key of a repeated code, and
    // code 0 for the empty cells.
    const QMap<int, keyboardButCustom *> map = layer.keyButtonMap();
    QSet<int> codes;
    for (const KeyLayoutInfoStu &r : records)
        codes.insert(r.code);
    QCOMPARE(map.size(), codes.size());
    QVERIFY(map.contains(0));
    QCOMPARE(map.value(4), layer.keyButtonAt(2, 3));
    QCOMPARE(map.value(-10)->keyCaption(), QStringLiteral("Fn"));

    // The shared state holds the same registry.
    QCOMPARE(m_data->keyButtonMap(), map);
    QCOMPARE(m_data->keyButtonList(), list);
    QCOMPARE(m_data->currentKeySelectFrame(), &layer);

    // Only the Enter key gets the notched outline (10 x 30 at the load).
    for (keyboardButCustom *key : list) {
        if (key->keyCode() == 40) {
            QCOMPARE(key->notchRemainingWidth(), 50 - 10);
            QCOMPARE(key->notchRemainingHeight(), 60 - 30);
        } else {
            QCOMPARE(key->notchRemainingWidth(), 0);
        }
    }
}

void TestKeySelectFrame::sideLightsAndHeader()
{
    auto layer = loadedFixture();
    QVERIFY(layer);
    QVERIFY(layer->hasSideLights());
    QVERIFY(layer->hasSpecialEnterKey());
    QCOMPARE(layer->specialEnterKeyShape(), 1);
    QCOMPARE(m_data->hidDeviceType(), 4);
    QVERIFY(m_data->hasSpecialEnterKey());

    const QVector<KeyLayoutInfoStu> segs = layer->sideLightRecords();
    QCOMPARE(segs.size(), 5);
    QCOMPARE(segs.at(1).code, 2);
    QCOMPARE(segs.at(1).kind, int(KeyLayoutInfoStu::SideLight));
    QCOMPARE(segs.at(1).sidePosition, int(KeyLayoutInfoStu::SideRight));
    const QMap<int, sideLightButtonCustom *> map = layer->sideLightMap();
    QCOMPARE(map.size(), 5);
    QCOMPARE(map.value(2)->geometry(), QRect(260, 10, 6, 60));
    QCOMPARE(layer->sideLightButtons().size(), 5);

    // Hidden after the load; shown (valid ones only) on request.
    layer->show();
    for (sideLightButtonCustom *s : layer->sideLightButtons())
        QVERIFY(!s->isVisible());
    layer->setSideLightsVisible(true);
    for (sideLightButtonCustom *s : layer->sideLightButtons())
        QCOMPARE(s->isVisible(), s->validStatus() == 1);
    layer->setSideLightsVisible(false);
    for (sideLightButtonCustom *s : layer->sideLightButtons())
        QVERIFY(!s->isVisible());

    // Row 07 never makes keys.
    QVERIFY(!layer->keyButtonMap().contains(999));

    // Without "sideLightHave" row 00 is not read.
    keySelectFrame plain;
    QVERIFY(plain.parseKeyboardInfo(mutated(m_fixture, "\"sideLightHave\": 1", "\"sideLightHave\": 0"),
                                    QStringLiteral("plain")));
    QVERIFY(!plain.hasSideLights());
    QVERIFY(plain.sideLightRecords().isEmpty());
    QVERIFY(plain.sideLightButtons().isEmpty());
}

void TestKeySelectFrame::captions_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("caption");

    QTest::newRow("plain") << 0 << 0 << QStringLiteral("Esc");
    QTest::newRow("quote and bar") << 1 << 1 << QStringLiteral("\\|");
    QTest::newRow("code 52") << 1 << 2 << QStringLiteral("' \"");
    QTest::newRow("code 504") << 1 << 4 << QStringLiteral("' \"");
    QTest::newRow("no Character") << 2 << 4 << QString();
    QTest::newRow("empty cell") << 0 << 21 << QStringLiteral("-");
}

void TestKeySelectFrame::captions()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, caption);
    auto layer = loadedFixture();
    QVERIFY(layer);
    QCOMPARE(layer->keyButtonAt(row, column)->keyCaption(), caption);
}

void TestKeySelectFrame::layoutWithoutHeader()
{
    QByteArray text = m_fixture;
    const int start = text.indexOf("\"Keyboard\"");
    const int end = text.indexOf("\"EveryKeyInfo_Row00\"");
    QVERIFY(start > 0 && end > start);
    text.remove(start, end - start);

    m_data->setHidDeviceType(1);
    keySelectFrame layer;
    QVERIFY(layer.parseKeyboardInfo(text, QStringLiteral("headless")));
    QVERIFY(!layer.hasSideLights());
    QVERIFY(!layer.hasSpecialEnterKey());
    QVERIFY(layer.sideLightButtons().isEmpty());
    QCOMPARE(layer.keyButtonList().size(), 132);
    QCOMPARE(layer.keyButtonMap().value(40)->notchRemainingWidth(), 0);
    QCOMPARE(m_data->hidDeviceType(), 1);
}

void TestKeySelectFrame::malformedLayoutsAreRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("problem");

    const QByteArray &f = m_fixture;
    const QByteArray tab = "    {\"PosX\": 10, \"PosY\": 90, \"Width\": 43, \"Height\": 28, \"Dec\": 43, \"qtDec\": 0, "
                           "\"Character\": \"Tab\"},\n";
    QTest::newRow("not JSON") << f.left(f.size() / 2) << QStringLiteral("not valid JSON");
    QTest::newRow("not an object") << QByteArray("[1, 2]") << QStringLiteral("not a JSON object");
    QTest::newRow("row of 21 cells") << mutated(f, tab, "")
                                     << QStringLiteral("\"EveryKeyInfo_Row03\" has 21 cells instead of 22");
    QTest::newRow("row of 23 cells") << mutated(f, tab, tab + tab)
                                     << QStringLiteral("\"EveryKeyInfo_Row03\" has 23 cells instead of 22");
    QTest::newRow("row missing") << mutated(f, "\"EveryKeyInfo_Row04\"", "\"EveryKeyInfo_Row4\"")
                                 << QStringLiteral("\"EveryKeyInfo_Row04\" is missing");
    QTest::newRow("row not an array") << mutated(f, "\"EveryKeyInfo_Row01\": [", "\"EveryKeyInfo_Row01\": 1, \"x\": [")
                                      << QStringLiteral("\"EveryKeyInfo_Row01\" is not an array");
    QTest::newRow("cell without Dec") << mutated(f, "\"Dec\": 58, ", "")
                                      << QStringLiteral("cell 1 of \"EveryKeyInfo_Row01\" lacks \"Dec\"");
    QTest::newRow("width as text") << mutated(f, "\"Width\": 28, \"Height\": 28, \"Dec\": 41",
                                              "\"Width\": \"28\", \"Height\": 28, \"Dec\": 41")
                                   << QStringLiteral("\"Width\" that is not a number");
    QTest::newRow("fraction") << mutated(f, "\"Height\": 28, \"Dec\": 41", "\"Height\": 28.5, \"Dec\": 41")
                              << QStringLiteral("\"Height\" 28.5");
    QTest::newRow("negative width") << mutated(f, "\"Width\": 28, \"Height\": 28, \"Dec\": 58",
                                               "\"Width\": -28, \"Height\": 28, \"Dec\": 58")
                                    << QStringLiteral("\"Width\" -28");
    QTest::newRow("far position") << mutated(f, "\"PosX\": 50, \"PosY\": 10,", "\"PosX\": 5e10, \"PosY\": 10,")
                                  << QStringLiteral("\"PosX\" 50000000000");
    QTest::newRow("key at negative place") << mutated(f, "\"PosX\": 10, \"PosY\": 10,", "\"PosX\": -1, \"PosY\": 10,")
                                           << QStringLiteral("places the key 41 at a negative position");
    QTest::newRow("header without device type") << mutated(f, "\"hidDeviceType\": 4,", "")
                                                << QStringLiteral("\"Keyboard\" lacks \"hidDeviceType\"");
    QTest::newRow("notch without shape") << mutated(f, "\"specialEnterKeyShape\": 1,", "")
                                         << QStringLiteral("lacks \"specialEnterKeyShape\"");
    QTest::newRow("header not an object") << mutated(f, "\"Keyboard\": {", "\"Keyboard\": 1, \"k\": {")
                                          << QStringLiteral("\"Keyboard\" is not an object");
    QTest::newRow("segment without side") << mutated(f, "\"SidePosition\": 2, ", "")
                                          << QStringLiteral("side light 1 of \"EveryKeyInfo_Row00\" lacks \"SidePosition\"");
    QTest::newRow("segment index twice") << mutated(f, "\"Index\": 2,", "\"Index\": 1,")
                                         << QStringLiteral("repeats the index 1");
}

void TestKeySelectFrame::malformedLayoutsAreRefused()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, problem);
    QVERIFY2(!text.startsWith("fragment not found"), text.constData());

    keySelectFrame layer;
    QSignalSpy loaded(&layer, &keySelectFrame::sigKeyboardAlreadyLoad);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^keySelectFrame: layout file broken\\.config "
                                                                       "rejected: .*")
                                                        + QRegularExpression::escape(problem)));
    QVERIFY(!layer.parseKeyboardInfo(text, QStringLiteral("broken.config")));
    QCOMPARE(loaded.count(), 0);
    QVERIFY(layer.keyButtonList().isEmpty());
    QVERIFY(layer.keyButtonMap().isEmpty());
    QVERIFY(layer.keyLayoutRecords().isEmpty());
    QVERIFY(layer.sideLightButtons().isEmpty());
    QVERIFY(layer.findChildren<keyboardButCustom *>().isEmpty());
    QVERIFY(m_data->keyButtonMap().isEmpty());
    QVERIFY(m_data->keyButtonList().isEmpty());
}

void TestKeySelectFrame::refusedReloadLeavesNoKeys()
{
    auto layer = loadedFixture();
    QVERIFY(layer);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("rejected")));
    QVERIFY(!layer->parseKeyboardInfo("{", QStringLiteral("again.config")));
    QVERIFY(layer->findChildren<keyboardButCustom *>().isEmpty());
    QVERIFY(layer->findChildren<sideLightButtonCustom *>().isEmpty());
    QVERIFY(m_data->keyButtonList().isEmpty());
}

void TestKeySelectFrame::shippedLayoutsLoadFromResources_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("segments");
    QTest::addColumn<int>("deviceType");
    QTest::newRow("LT108HE") << QByteArray("LT108HE") << 108 << 12 << 4;
    QTest::newRow("LT68HE") << QByteArray("LT68HE") << 68 << 0 << 4;
    QTest::newRow("LT104RGB") << QByteArray("LT104RGB") << 104 << 0 << 1;
}

void TestKeySelectFrame::shippedLayoutsLoadFromResources()
{
    QFETCH(QByteArray, model);
    QFETCH(int, keys);
    QFETCH(int, segments);
    QFETCH(int, deviceType);

    keySelectFrame layer;
    QSignalSpy loaded(&layer, &keySelectFrame::sigKeyboardAlreadyLoad);
    layer.setKeyboardModel(deviceOf(model.constData()));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(layer.modelName(), QString::fromLatin1(model));
    QCOMPARE(m_data->hidDeviceType(), deviceType);
    QCOMPARE(layer.sideLightButtons().size(), segments);

    // Every key code once (the map holds code 0 besides), key codes as the
    // keyboard reports them, and every row led by a key or left empty.
    QMap<int, int> seen;
    for (const KeyLayoutInfoStu &r : layer.keyLayoutRecords()) {
        if (r.code != 0)
            ++seen[r.code];
    }
    QCOMPARE(seen.size(), keys);
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        QVERIFY2(it.value() == 1, qPrintable(QStringLiteral("code %1 repeated").arg(it.key())));
    for (int row = 0; row < 6; ++row) {
        bool any = false;
        for (int column = 0; column < 22; ++column)
            any |= layer.keyButtonAt(row, column)->keyCode() != 0;
        QCOMPARE(layer.keyButtonAt(row, 0)->keyCode() != 0, any);
    }
    QVERIFY(seen.contains(-10));
    QVERIFY(seen.contains(40) && seen.contains(44) && seen.contains(224));
}

void TestKeySelectFrame::missingLayoutBuildsNothing()
{
    keySelectFrame layer;
    QSignalSpy loaded(&layer, &keySelectFrame::sigKeyboardAlreadyLoad);
    const char line[] = "------------------------ NormalKeyboard loadKeyboardInfo => fp == NULL -------------------------";
    QTest::ignoreMessage(QtDebugMsg, line);
    layer.setKeyboardModel(deviceOf("NoSuchModel"));
    QTest::ignoreMessage(QtDebugMsg, line);
    layer.loadKeyboardInfo(QStringLiteral("../StyleQss/BlackThemeConfig"));
    QCOMPARE(loaded.count(), 0);
    QVERIFY(layer.keyButtonList().isEmpty());
}

void TestKeySelectFrame::clicks_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("calibrating");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("reported");

    QTest::newRow("key") << "Esc" << true << false << true << "Esc";
    QTest::newRow("quote key") << "' \"" << true << false << true << "' \"";
    QTest::newRow("quote and bar") << "\\|" << true << false << true << "\\|";
    QTest::newRow("Fn") << "Fn" << true << false << false << "";
    QTest::newRow("Win+D") << "Win+D" << true << false << false << "";
    QTest::newRow("not editable") << "F1" << false << false << false << "";
    QTest::newRow("Fn calibrating") << "Fn" << true << true << true << "";
    QTest::newRow("not editable calibrating") << "F1" << false << true << true << "";
}

void TestKeySelectFrame::clicks()
{
    QFETCH(QString, caption);
    QFETCH(bool, editable);
    QFETCH(bool, calibrating);
    QFETCH(bool, taken);
    QFETCH(QString, reported);

    auto layer = loadedFixture();
    QVERIFY(layer);
    keyboardButCustom *key = keyByCaption(layer.get(), caption);
    QVERIFY(key);
    key->setEditable(editable);
    m_data->setKeyCalibrationMode(calibrating);

    QSignalSpy clicked(m_data, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
    QSignalSpy point(m_data, &DDataManager::sigTheMagneticKeyboardCalibrationPoint);
    keyboardButCustom *earlier = layer->keyButtonMap().value(43);
    earlier->click();
    QCOMPARE(layer->clickedKey(), earlier);
    clicked.clear();
    point.clear();

    key->click();
    QCOMPARE(key->isKeyChecked(), taken);
    QCOMPARE(earlier->isKeyChecked(), !taken);
    QCOMPARE(layer->clickedKey(), taken ? key : earlier);
    if (!taken) {
        QCOMPARE(clicked.count() + point.count(), 0);
    } else if (calibrating) {
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(point.count(), 1);
        QCOMPARE(point.at(0).at(0).toInt(), key->gridRow());
        QCOMPARE(point.at(0).at(1).toInt(), key->gridColumn());
    } else {
        QCOMPARE(point.count(), 0);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), key->keyCode());
        QCOMPARE(clicked.at(0).at(1).toString(), reported);
    }
}

void TestKeySelectFrame::clickingTheClickedKeyAgainReportsNothing()
{
    auto layer = loadedFixture();
    QVERIFY(layer);
    QSignalSpy clicked(m_data, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
    keyboardButCustom *key = layer->keyButtonMap().value(41);
    key->click();
    key->click();
    QCOMPARE(clicked.count(), 1);
    QVERIFY(key->isKeyChecked());
}

void TestKeySelectFrame::modesUncheckTheClickedKey()
{
    auto layer = loadedFixture();
    QVERIFY(layer);
    keyboardButCustom *key = layer->keyButtonMap().value(41);
    key->click();
    layer->clearHoverTip(); // forgets the key, which keeps its look
    QVERIFY(key->isKeyChecked());
    QVERIFY(!layer->clickedKey());

    key = layer->keyButtonMap().value(43);
    key->click();
    layer->setKeysMode(true, false);
    QVERIFY(!key->isKeyChecked());
    QVERIFY(!layer->clickedKey());

    key->click();
    key->setSelected(true);
    layer->setLightShowMode(false);
    QVERIFY(!key->isKeyChecked());
    QVERIFY(!key->isKeySelected());
    QVERIFY(!layer->clickedKey());
}

void TestKeySelectFrame::hoverCard_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("no function") << 41 << true << QStringList{"Esc", "Default", "Esc"};
    QTest::newRow("stored function") << 58 << true << QStringList{"F1", "Disable", "Disable"};
    QTest::newRow("Win+D") << 252 << true << QStringList{"Win+D", "Default", "Cannot remapped"};
    QTest::newRow("Fn") << -10 << true << QStringList{"Fn", "Default", "Cannot remapped"};
    QTest::newRow("not editable") << 43 << false << QStringList{"Tab", "Default", "Cannot remapped"};
    QTest::newRow("quote and bar") << 49 << true << QStringList{"\\|", "Default", "\\|"};
}

void TestKeySelectFrame::hoverCard()
{
    QFETCH(int, code);
    QFETCH(bool, editable);
    QFETCH(QStringList, lines);

    auto layer = loadedFixture();
    QVERIFY(layer);
    layer->show();
    keyboardButCustom *key = layer->keyButtonMap().value(code);
    key->setEditable(editable);

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(key, &enter);
    QVERIFY(layer->hoverTip());
    QVERIFY(layer->hoverTip()->isVisible());
    QCOMPARE(layer->hoverTip()->size(), QSize(260, 120));
    const QPoint keyTop = key->mapToGlobal(QPoint(key->width() / 2, 0));
    QCOMPARE(layer->hoverTip()->pos(), keyTop - QPoint(130, 120));
    DCustomEventTipExplain *card = layer->hoverTipContent();
    QCOMPARE((QStringList{card->titleText(), card->typeText(), card->detailText()}), lines);

    // Entering again without leaving keeps one card.
    QApplication::sendEvent(key, &enter);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.cbegin(), windows.cend(),
                           [](QWidget *w) { return qobject_cast<ArrowWidget *>(w) && w->isVisible(); }),
             1);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(key, &leave);
    QVERIFY(!layer->hoverTip());
    QVERIFY(!layer->hoverTipContent());
}

void TestKeySelectFrame::hoverCardInCalibrationSkipsTheStore()
{
    auto layer = loadedFixture();
    QVERIFY(layer);
    m_data->setKeyCalibrationMode(true);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(layer->keyButtonMap().value(58), &enter);
    QVERIFY(layer->hoverTipContent());
    QCOMPARE(layer->hoverTipContent()->typeText(), QStringLiteral("Default"));
    QCOMPARE(layer->hoverTipContent()->detailText(), QStringLiteral("F1"));
}

void TestKeySelectFrame::destroyedLayerLeavesNoKeysBehind()
{
    auto layer = loadedFixture();
    QVERIFY(layer);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(layer->keyButtonMap().value(41), &enter);
    QVERIFY(layer->hoverTip());
    layer.reset();
    QVERIFY(m_data->keyButtonMap().isEmpty());
    QVERIFY(m_data->keyButtonList().isEmpty());
    QVERIFY(!m_data->currentKeySelectFrame());
}

QTEST_MAIN(TestKeySelectFrame)
#include "tst_keyselectframe.moc"
