// The soft keyboard: reading the US layout and the key maps it hands the
// application, layouts that are refused as a whole, the selection rules of
// single and multiple selection, and the virtual keyboard window around it.
#include <QtTest>

#include <QLabel>
#include <QTextCodec>

#include "core/DDataManager.h"
#include "support/LogCapture.h"
#include "ui/mainwidget/devicePage/SoftKeyboardButCustom.h"
#include "ui/mainwidget/devicePage/customKeys/DSoftKeyboardPage.h"
#include "ui/mainwidget/devicePage/customKeys/DVirtualKeyboardTool.h"
#include "ui/mainwidget/devicePage/customKeys/SoftKeyLayoutFile.h"

namespace {

// One element of a layout row.
QByteArray element(int code, int vk, const QByteArray &character, int x = 10)
{
    return QByteArrayLiteral("{\"PosX\": ") + QByteArray::number(x)
        + ", \"PosY\": 4, \"Width\": 30, \"Height\": 33, \"Dec\": " + QByteArray::number(code)
        + ", \"qtDec\": " + QByteArray::number(vk) + ", \"Character\": " + character + "}";
}

const QMap<int, int> kSentinelVk{{1, 2}};
const QMap<int, QString> kSentinelNames{{1, QStringLiteral("sentinel")}};

} // namespace

class tst_SoftKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void usLayout();
    void extraRowsAndMembersIgnored();
    void refusedLayoutsLeaveTheMaps_data();
    void refusedLayoutsLeaveTheMaps();
    void laterElementTakesTheKeysPlace();
    void labelsAreUtf8WhateverTheLocale();
    void variantLayoutNamesItsOwnKeys();

    void selection_data();
    void selection();
    void clearingLetsTwoNewModifiersIn();
    void selectKeyJoinsInItsNormalLook();
    void virtualKeyboardRelaysTheCode();
    void everyKeyShowsItsWholeName();
};

void tst_SoftKeyboard::init()
{
    DDataManager::getInstance()->setVkToKeyCodeMap(kSentinelVk);
    DDataManager::getInstance()->setKeyCodeNameMap(kSentinelNames);
}

void tst_SoftKeyboard::usLayout()
{
    DSoftKeyboardPage page;
    QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    page.loadKeyboardInfo(QStringLiteral("LT108HE"));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(page.layoutId(), 31);
    QCOMPARE(page.keyButtons().size(), 112);

    const QMap<int, int> vk = DDataManager::getInstance()->vkToKeyCodeMap();
    QCOMPARE(vk.size(), 112);
    QVERIFY(!vk.contains(13)); // both Enter keys have codes of their own
    QCOMPARE(vk.value(999), 40);
    QCOMPARE(vk.value(998), 88);
    QCOMPARE(vk.value(27), 41);
    QCOMPARE(vk.value(160), 225);
    QCOMPARE(vk.value(-1), -10);

    const QMap<int, QString> names = DDataManager::getInstance()->keyCodeNameMap();
    QCOMPARE(names.size(), 112); // the file's own Fn key and the added one coincide
    QCOMPARE(names.value(49), QStringLiteral("\\|"));
    QCOMPARE(names.value(36), QStringLiteral("7&"));
    QCOMPARE(names.value(52), QStringLiteral("' \""));
    QCOMPARE(names.value(-10), QStringLiteral("Fn"));
    QCOMPARE(names.value(145), QStringLiteral("Chinese"));
    QCOMPARE(names.value(144), QStringLiteral("Korean/English"));
    QVERIFY(!names.contains(401));

    SoftKeyboardButCustom *esc = page.keyButtons().value(41);
    QCOMPARE(esc->geometry(), QRect(19, 4, 30, 33));
    QCOMPARE(esc->parentWidget(), &page);
    QCOMPARE(page.keyButtons().value(87)->geometry(), QRect(951, 89, 30, 73));
    QCOMPARE(page.keyButtons().value(36)->text(), QStringLiteral("7&&"));
    QCOMPARE(page.keyButtons().value(36)->keyCharacter(), QStringLiteral("7&"));
    QCOMPARE(page.size(), QSize(1000, 245));
}

void tst_SoftKeyboard::extraRowsAndMembersIgnored()
{
    const QByteArray text = "{\"Keyboard\": {\"KeyboardIntroduction\": \"x\", \"flag\": 1},"
                            "\"EveryKeyInfo_Row00\": [" + element(401, 1401, "\"Mute\"") + "],"
                            "\"EveryKeyInfo_Row03\": [{\"PosX\": 1, \"PosY\": 2, \"Width\": 3, \"Height\": 4, "
                            "\"Dec\": 4, \"qtDec\": 65, \"Character\": \"A\", \"keyFlags\": 7}],"
                            "\"EveryKeyInfo_Row07\": [{\"PosX\": 1, \"PosY\": 2, \"Width\": 3, \"Height\": 4, "
                            "\"Dec\": 502, \"qtDec\": 1502, \"Character\": \"X\", \"keyFlags\": 1}]}";
    DSoftKeyboardPage page;
    page.parseSoftKeyInfo(text.constData());
    QCOMPARE(page.keyButtons().keys(), QList<int>({4}));
    QCOMPARE(page.keyButtons().value(4)->geometry(), QRect(1, 2, 3, 4));
    QCOMPARE(DDataManager::getInstance()->vkToKeyCodeMap(), (QMap<int, int>{{65, 4}}));
    QCOMPARE(DDataManager::getInstance()->keyCodeNameMap(),
             (QMap<int, QString>{{4, QStringLiteral("A")}, {-10, QStringLiteral("Fn")}}));
}

void tst_SoftKeyboard::refusedLayoutsLeaveTheMaps_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray good = element(4, 65, "\"A\"");
    auto row = [&](const QByteArray &bad) {
        return QByteArrayLiteral("{\"EveryKeyInfo_Row01\": [") + good + "], \"EveryKeyInfo_Row02\": [" + bad + "]}";
    };
    QTest::newRow("not JSON") << QByteArray("{\"EveryKeyInfo_Row01\": [");
    QTest::newRow("not an object") << QByteArray("[1, 2]");
    QTest::newRow("row not an array") << QByteArray("{\"EveryKeyInfo_Row01\": {\"Dec\": 4}}");
    QTest::newRow("element not an object") << row("5");
    QTest::newRow("no qtDec") << row("{\"PosX\": 1, \"PosY\": 1, \"Width\": 1, \"Height\": 1, \"Dec\": 5, "
                                     "\"Character\": \"B\"}");
    QTest::newRow("no Character") << row("{\"PosX\": 1, \"PosY\": 1, \"Width\": 1, \"Height\": 1, \"Dec\": 5, "
                                         "\"qtDec\": 66}");
    QTest::newRow("Dec not whole") << row(element(5, 66, "\"B\"").replace("\"Dec\": 5", "\"Dec\": 5.5"));
    QTest::newRow("PosX a text") << row(element(5, 66, "\"B\"").replace("\"PosX\": 10", "\"PosX\": \"10\""));
    QTest::newRow("Width negative") << row(element(5, 66, "\"B\"").replace("\"Width\": 30", "\"Width\": -3"));
    QTest::newRow("Character a number") << row(element(5, 66, "7"));
}

void tst_SoftKeyboard::refusedLayoutsLeaveTheMaps()
{
    QFETCH(QByteArray, text);
    DSoftKeyboardPage page;
    page.loadKeyboardInfo(QStringLiteral("LT108HE"));
    init();
    QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    LogCapture log;

    page.parseSoftKeyInfo(text.constData());

    QVERIFY(page.keyButtons().isEmpty());
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(DDataManager::getInstance()->vkToKeyCodeMap(), kSentinelVk);
    QCOMPARE(DDataManager::getInstance()->keyCodeNameMap(), kSentinelNames);
    QCOMPARE(log.countContaining(QStringLiteral("Soft keyboard layout 31 refused")), 1);
    SoftKeyLayoutFile file;
    QVERIFY(!file.parse(text));
    QVERIFY(!file.errorText().isEmpty());
    QVERIFY(file.keys().isEmpty());
}

void tst_SoftKeyboard::laterElementTakesTheKeysPlace()
{
    const QByteArray text = "{\"EveryKeyInfo_Row01\": [" + element(4, 65, "\"A\"", 10) + ","
                            + element(5, 66, "\"B\"", 50) + "], \"EveryKeyInfo_Row02\": ["
                            + element(4, 67, "\"A2\"", 90) + "]}";
    DSoftKeyboardPage page;
    page.parseSoftKeyInfo(text.constData());
    QCOMPARE(page.keyButtons().size(), 2);
    QCOMPARE(page.keyButtons().value(4)->keyCharacter(), QStringLiteral("A2"));
    QCOMPARE(page.keyButtons().value(4)->geometry().x(), 90);
    QCOMPARE(page.findChildren<SoftKeyboardButCustom *>().size(), 2);
    QCOMPARE(DDataManager::getInstance()->keyCodeNameMap().value(4), QStringLiteral("A2"));
    QCOMPARE(DDataManager::getInstance()->vkToKeyCodeMap(), (QMap<int, int>{{65, 4}, {66, 5}, {67, 4}}));
}

void tst_SoftKeyboard::labelsAreUtf8WhateverTheLocale()
{
    QTextCodec *before = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    SoftKeyLayoutFile file;
    const bool parsed = file.parse("{\"EveryKeyInfo_Row01\": [" + element(47, 219, "\"\xC3\xBC\\\"\"") + "]}");
    QTextCodec::setCodecForLocale(before);
    QVERIFY(parsed);
    QCOMPARE(file.keys().first().label, QStringLiteral("\u00FC\\"));
}

void tst_SoftKeyboard::variantLayoutNamesItsOwnKeys()
{
    const QByteArray text = "{\"EveryKeyInfo_Row01\": [" + element(47, 219, "\"[{\"") + "," + element(51, 186, "\"; :\"")
                            + "," + element(52, 222, "\"\\\"\"") + "," + element(100, 226, "\"x\"") + "]}";
    SoftKeyLayoutFile us, variant;
    QVERIFY(us.parse(text, 31));
    QVERIFY(variant.parse(text, 91));
    QCOMPARE(us.keyCodeNameMap().value(47), QStringLiteral("[{"));
    QCOMPARE(us.keyCodeNameMap().value(52), QStringLiteral("' \""));
    QCOMPARE(us.keyCodeNameMap().value(100), QStringLiteral("ISO \\|"));
    QCOMPARE(variant.keyCodeNameMap().value(47), QStringLiteral("\u00B4 `"));
    QCOMPARE(variant.keyCodeNameMap().value(51), QStringLiteral("\u00C7"));
    QCOMPARE(variant.keyCodeNameMap().value(52), QStringLiteral("~^"));
    QCOMPARE(SoftKeyLayoutFile::fileNameFor(31), QStringLiteral("softKeyInfoNormalUS.config"));
    QCOMPARE(SoftKeyLayoutFile::fileNameFor(91), QStringLiteral("softKeyInfoNormal_91.config"));
}

void tst_SoftKeyboard::selection_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("highlighted");
    QTest::addColumn<int>("modifiers");

    const int ctrl = 224, shift = 225, alt = 226, a = 4, b = 5;
    QTest::newRow("single: nothing stays") << 0 << true << QList<int>{a, ctrl} << QList<int>{} << 0;
    QTest::newRow("multiple: keys stay") << 1 << true << QList<int>{a, b} << QList<int>{a, b} << 0;
    QTest::newRow("multiple: two modifiers") << 1 << true << QList<int>{ctrl, shift, alt} << QList<int>{ctrl, shift}
                                             << 2;
    QTest::newRow("multiple: a modifier twice")
        << 1 << true << QList<int>{ctrl, ctrl, shift, a} << QList<int>{ctrl, ctrl, a} << 2;
    QTest::newRow("multiple, not enabled") << 1 << false << QList<int>{ctrl, a} << QList<int>{} << 0;
    QTest::newRow("Fn and keypad Enter") << 0 << true << QList<int>{-10, 88} << QList<int>{} << 0;
}

void tst_SoftKeyboard::selection()
{
    QFETCH(int, mode);
    QFETCH(bool, enabled);
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, highlighted);
    QFETCH(int, modifiers);

    DSoftKeyboardPage page;
    page.loadKeyboardInfo(QStringLiteral("LT108HE"));
    page.setMultiSelectMode(mode);
    page.setMultiSelectEnabled(enabled);
    QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
    for (int code : clicks)
        page.keyButtons().value(code)->click();

    // Every click is reported, highlighted or not.
    QCOMPARE(clicked.count(), clicks.size());
    for (int i = 0; i < clicks.size(); ++i) {
        QCOMPARE(clicked.at(i).at(0).toInt(), clicks.at(i));
        QCOMPARE(clicked.at(i).at(1).toString(), page.keyButtons().value(clicks.at(i))->keyCharacter());
    }
    QList<int> selected;
    for (SoftKeyboardButCustom *button : page.selectedButtons())
        selected << button->keyCode();
    QCOMPARE(selected, highlighted);
    QCOMPARE(page.modifierCount(), modifiers);
    for (SoftKeyboardButCustom *button : page.keyButtons())
        QCOMPARE(button->isKeySelected(), highlighted.contains(button->keyCode()));
}

void tst_SoftKeyboard::clearingLetsTwoNewModifiersIn()
{
    DSoftKeyboardPage page;
    page.loadKeyboardInfo(QStringLiteral("LT108HE"));
    page.setMultiSelectMode(1);
    page.setMultiSelectEnabled(true);
    QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
    for (int code : {224, 225, 4})
        page.keyButtons().value(code)->click();
    QCOMPARE(clicked.first(), (QList<QVariant>{224, QStringLiteral("Ctrl")}));

    page.clearSelectedKeys();
    QVERIFY(page.selectedButtons().isEmpty());
    QCOMPARE(page.modifierCount(), 0);
    for (SoftKeyboardButCustom *button : page.keyButtons())
        QVERIFY(!button->isKeySelected());

    for (int code : {230, 228})
        page.keyButtons().value(code)->click();
    QCOMPARE(page.selectedButtons().size(), 2);
    QCOMPARE(page.modifierCount(), 2);
}

void tst_SoftKeyboard::selectKeyJoinsInItsNormalLook()
{
    DSoftKeyboardPage page;
    page.loadKeyboardInfo(QStringLiteral("LT108HE"));
    page.setMultiSelectMode(1);
    page.selectKey(4); // selection not enabled: nothing
    QVERIFY(page.selectedButtons().isEmpty());

    page.setMultiSelectEnabled(true);
    page.selectKey(4);
    page.selectKey(4);
    page.selectKey(9999); // no such key
    QCOMPARE(page.selectedButtons().size(), 1);
    QVERIFY(!page.keyButtons().value(4)->isKeySelected());
    QCOMPARE(page.modifierCount(), 0);
}

void tst_SoftKeyboard::virtualKeyboardRelaysTheCode()
{
    DVirtualKeyboardTool tool(1);
    QSignalSpy relayed(&tool, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB);
    QCOMPARE(tool.findChild<QLabel *>(QStringLiteral("label"))->text(), QStringLiteral("Virtual Keyboard"));
    QCOMPARE(tool.softKeyboard()->parentWidget()->objectName(), QStringLiteral("frame_SoftKeyboard"));
    tool.setMultiSelectEnabled(true);
    tool.softKeyboard()->keyButtons().value(41)->click();
    QCOMPARE(relayed.count(), 1);
    QCOMPARE(relayed.first(), QList<QVariant>{41});
    QCOMPARE(tool.softKeyboard()->selectedButtons().size(), 1);
    tool.clearSelectedKeys();
    QVERIFY(tool.softKeyboard()->selectedButtons().isEmpty());
    tool.updateAllUI();
    QCOMPARE(tool.findChild<QLabel *>(QStringLiteral("label"))->text(), QStringLiteral("Virtual Keyboard"));
}

// Each key of the shipped layout, at the size the layout gives it, shows its
// whole name inside its edge: no key is named only by its place on the
// board ("K14"), and a long name takes two lines or a smaller font.
void tst_SoftKeyboard::everyKeyShowsItsWholeName()
{
    DSoftKeyboardPage page;
    page.loadKeyboardInfo(QStringLiteral("LT108HE"));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QStringList faults;
    for (SoftKeyboardButCustom *key : page.keyButtons()) {
        key->ensurePolished();
        QString shown = key->text();
        shown.replace(QLatin1String("&&"), QLatin1String("&"));
        if (QRegularExpression(QStringLiteral("^K\\d+$")).match(shown).hasMatch())
            faults << QStringLiteral("%1 is named by its place: %2").arg(key->keyCode()).arg(shown);
        const QFontMetrics metrics(key->font());
        const QStringList lines = shown.split(QLatin1Char('\n'));
        int widest = 0;
        for (const QString &line : lines)
            widest = qMax(widest, metrics.horizontalAdvance(line));
        if (widest > key->width() - 4 || metrics.lineSpacing() * lines.size() > key->height() - 4)
            faults << QStringLiteral("%1 \"%2\" needs %3 x %4 px in a key of %5 x %6")
                          .arg(key->keyCode())
                          .arg(shown)
                          .arg(widest)
                          .arg(metrics.lineSpacing() * lines.size())
                          .arg(key->width())
                          .arg(key->height());
        if (key->font().pixelSize() > 0 && key->font().pixelSize() < SoftKeyboardButCustom::MinCaptionPixels)
            faults << QStringLiteral("%1 \"%2\" in %3 px").arg(key->keyCode()).arg(shown).arg(key->font().pixelSize());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    // Two lines where a name breaks, whole where it fits.
    QCOMPARE(page.keyButtons().value(144)->text(), QStringLiteral("Korean/\nEnglish"));
    QCOMPARE(page.keyButtons().value(41)->text(), QStringLiteral("Esc"));
}

QTEST_MAIN(tst_SoftKeyboard)
#include "tst_softkeyboard.moc"
