#include "widgets/BatteryItem.h"
#include "widgets/CustomButton.h"
#include "widgets/DCustomEventTipExplain.h"
#include "widgets/DToolTipExplain.h"
#include "widgets/TextMoveWidget.h"

#include <QFontMetrics>
#include <QLabel>
#include <QtTest>

class TestSmallWidgets : public QObject
{
    Q_OBJECT
private slots:
    void batteryLevels_data();
    void batteryLevels();
    void customButtonSelectedIconPath_data();
    void customButtonSelectedIconPath();
    void customButtonPaintUsesSelTwinAndKeepsIt();
    void customButtonHoverOnlyWhileUnselected();
    void keyCardHighlightAndElision_data();
    void keyCardHighlightAndElision();
    void toolTipText();
    void marqueeShortTextBounces();
    void marqueeLongTextSwings();
    void marqueeNewTextRestartsAtTheLeft();
    void marqueeMovesOnlyWhileShown();
    void everyWidgetPaints();
};

void TestSmallWidgets::batteryLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("showText");
    QTest::addColumn<int>("shownLevel");
    QTest::addColumn<int>("fillWidth");
    QTest::addColumn<QColor>("colour");
    const QColor red(255, 60, 0), amber(200, 140, 0), green(100, 150, 100);
    QTest::newRow("3") << 3 << true << 3 << 0 << red;
    QTest::newRow("25") << 25 << true << 25 << 6 << red;
    QTest::newRow("26") << 26 << true << 26 << 6 << amber;
    QTest::newRow("50") << 50 << true << 50 << 12 << amber;
    QTest::newRow("51") << 51 << true << 51 << 12 << green;
    QTest::newRow("100") << 100 << true << 100 << 25 << green;
    QTest::newRow("above 100 clamped") << 180 << true << 100 << 25 << green;
    QTest::newRow("negative clamped") << -7 << true << 0 << 0 << red;
    QTest::newRow("charging look") << 10 << false << 10 << 2 << green;
}

void TestSmallWidgets::batteryLevels()
{
    QFETCH(int, level);
    QFETCH(bool, showText);
    BatteryItem battery;
    battery.setShowText(showText);
    battery.setBatteryLevel(level);
    QTEST(battery.batteryLevel(), "shownLevel");
    QTEST(battery.fillWidth(), "fillWidth");
    QTEST(battery.fillColor(), "colour");
}

void TestSmallWidgets::customButtonSelectedIconPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("selected");
    QTest::newRow("led") << ":/images/ledDef.png" << ":/images/ledSel.png";
    QTest::newRow("nested") << ":/images/deviceLed/keyboard/WaveDef.png" << ":/images/deviceLed/keyboard/WaveSel.png";
    QTest::newRow("already Sel") << ":/images/ledSel.png" << ":/images/ledSel.png";
    QTest::newRow("no dot") << "icon" << "icon";
    QTest::newRow("dot too early") << "ab.png" << "ab.png";
    QTest::newRow("empty") << "" << "";
}

void TestSmallWidgets::customButtonSelectedIconPath()
{
    QFETCH(QString, path);
    QTEST(CustomButton::selectedIconPath(path), "selected");
}

void TestSmallWidgets::customButtonPaintUsesSelTwinAndKeepsIt()
{
    CustomButton button;
    button.resize(200, 40);
    QCOMPARE(button.iconPath(), QStringLiteral(":/images/device/defaultDef.png"));
    button.setIconAndText(QStringLiteral(":/images/macroDef.png"), QStringLiteral("Macro"));
    button.grab();
    QCOMPARE(button.iconPath(), QStringLiteral(":/images/macroDef.png"));

    button.setSelected(true);
    button.grab();
    QCOMPARE(button.iconPath(), QStringLiteral(":/images/macroSel.png"));
    button.setSelected(false);
    button.grab();
    QCOMPARE(button.iconPath(), QStringLiteral(":/images/macroSel.png"));

    button.setIconAndText(QStringLiteral(":/images/macroDef.png"), QStringLiteral("Macro"));
    QCOMPARE(button.iconPath(), QStringLiteral(":/images/macroDef.png"));
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);
}

void TestSmallWidgets::customButtonHoverOnlyWhileUnselected()
{
    CustomButton button;
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &enter);
    QVERIFY(button.isHovered());
    QCoreApplication::sendEvent(&button, &leave);
    QVERIFY(!button.isHovered());

    button.setSelected(true);
    QCoreApplication::sendEvent(&button, &enter);
    QVERIFY(!button.isHovered());

    // Selecting clears a hover that was there before.
    button.setSelected(false);
    QCoreApplication::sendEvent(&button, &enter);
    QVERIFY(button.isHovered());
    button.setSelected(true);
    QVERIFY(!button.isHovered());
}

void TestSmallWidgets::keyCardHighlightAndElision_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<bool>("normal");
    QTest::addColumn<bool>("orange");
    QTest::addColumn<bool>("elided");
    QTest::newRow("plain key") << "A" << "L_CTRL+A" << true << false << false;
    QTest::newRow("Fn") << "Fn" << "Fn" << true << true << false;
    QTest::newRow("fn") << "fn" << "fn" << true << true << false;
    QTest::newRow("FN") << "FN" << "FN" << true << true << false;
    QTest::newRow("fN is not Fn") << "fN" << "x" << true << false << false;
    QTest::newRow("cannot be changed") << "Esc" << "Cannot remapped" << false << true << false;
    QTest::newRow("long detail")
        << "F1" << "C:/Program Files/Some Vendor/Some Very Long Application Name/bin/launcher.exe" << true
        << false << true;
    // A Text key's text of several lines: one line on the card, its breaks marked.
    QTest::newRow("text of two lines") << "F2" << "Hello\nworld" << true << false << false;
    QTest::newRow("text of many lines")
        << "F3" << "Dear Sir or Madam,\r\nthank you for your letter\nof the third.\n\nYours faithfully" << true
        << false << true;
}

void TestSmallWidgets::keyCardHighlightAndElision()
{
    QFETCH(QString, title);
    QFETCH(QString, detail);
    QFETCH(bool, normal);
    QFETCH(bool, orange);
    QFETCH(bool, elided);

    DCustomEventTipExplain card;
    card.setInfo(title, QStringLiteral("Macro"), detail, normal);
    QCOMPARE(card.titleText(), title);
    QCOMPARE(card.typeText(), QStringLiteral("Macro"));
    QCOMPARE(card.isDetailElided(), elided);

    auto *titleLabel = card.findChild<QLabel *>(QStringLiteral("label_Title"));
    auto *detailLabel = card.findChild<QLabel *>(QStringLiteral("label_Detail"));
    auto *typeLabel = card.findChild<QLabel *>(QStringLiteral("label_Type"));
    QVERIFY(titleLabel && detailLabel && typeLabel);

    // Measured in the font the label paints in (bold, from its style sheet).
    const QFontMetrics metrics(detailLabel->font());
    const bool multiLine = detail.contains(QLatin1Char('\n'));
    if (elided) {
        QVERIFY(card.detailText().endsWith(QChar(0x2026)));
        QVERIFY(metrics.horizontalAdvance(card.detailText()) <= 215);
    } else if (multiLine) {
        QCOMPARE(card.detailText(), QString(detail).replace(QLatin1Char('\n'), QStringLiteral(" \u21B5 ")));
    } else {
        QCOMPARE(card.detailText(), detail);
    }
    // The detail stays one line inside its label: nothing runs past the card.
    QVERIFY(!card.detailText().contains(QLatin1Char('\n')) && !card.detailText().contains(QLatin1Char('\r')));
    const QRect painted = metrics.boundingRect(detailLabel->contentsRect(), int(detailLabel->alignment()),
                                               card.detailText());
    QVERIFY2(detailLabel->contentsRect().contains(painted),
             qPrintable(QStringLiteral("detail needs %1 x %2").arg(painted.width()).arg(painted.height())));
    const QString colour = orange ? QStringLiteral("255,143,31") : QStringLiteral("245,245,245");
    QVERIFY(titleLabel->styleSheet().contains(colour));
    QVERIFY(detailLabel->styleSheet().contains(colour));
    QCOMPARE(typeLabel->styleSheet(),
             QStringLiteral("color: rgb(245, 245, 245); font: 75 12pt \"Microsoft YaHei\";"));
}

void TestSmallWidgets::toolTipText()
{
    DToolTipExplain tip;
    tip.setText(QStringLiteral("Restore factory settings"));
    QCOMPARE(tip.text(), QStringLiteral("Restore factory settings"));
    QVERIFY(!tip.grab().isNull());
}

void TestSmallWidgets::marqueeShortTextBounces()
{
    TextMoveWidget marquee;
    marquee.resize(200, 30);
    marquee.setText(QStringLiteral("abc"));
    const int t = QFontMetrics(marquee.font()).horizontalAdvance(QStringLiteral("abc"));
    int minX = 1000, maxX = -1000;
    bool turnedLeft = false;
    for (int i = 0; i < 400; ++i) {
        marquee.updatePos();
        minX = qMin(minX, marquee.textX());
        maxX = qMax(maxX, marquee.textX());
        turnedLeft = turnedLeft || !marquee.isMovingRight();
    }
    QVERIFY(turnedLeft);
    QVERIFY(minX >= -2);
    QVERIFY(maxX + t <= 200 + 2);
    QVERIFY(maxX + t >= 200 - 2);
}

void TestSmallWidgets::marqueeMovesOnlyWhileShown()
{
    // A hidden marquee (the device page's tip is hidden until a calibration)
    // must not wake the program every 20 ms.
    QWidget page;
    auto *marquee = new TextMoveWidget(&page);
    marquee->resize(200, 30);
    marquee->hide();
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(!marquee->isMoving());
    marquee->show();
    QVERIFY(marquee->isMoving());
    const int start = marquee->textX();
    QTRY_VERIFY(marquee->textX() != start);
    marquee->hide();
    QVERIFY(!marquee->isMoving());
    const int stopped = marquee->textX();
    QTest::qWait(100);
    QCOMPARE(marquee->textX(), stopped);
    marquee->show();
    page.hide();
    QVERIFY(!marquee->isMoving());
}

void TestSmallWidgets::marqueeLongTextSwings()
{
    TextMoveWidget marquee;
    marquee.resize(60, 30);
    const QString text = QStringLiteral("If the firmware is being updated, do not unplug the device!");
    marquee.setText(text);
    const int t = QFontMetrics(marquee.font()).horizontalAdvance(text);
    int minX = 1000, maxX = -1000;
    for (int i = 0; i < 2000; ++i) {
        marquee.updatePos();
        minX = qMin(minX, marquee.textX());
        maxX = qMax(maxX, marquee.textX());
    }
    QCOMPARE(maxX, 10);
    QVERIFY(minX <= 60 - t - 10);
    QVERIFY(minX >= 60 - t - 10 - 2);
}

void TestSmallWidgets::marqueeNewTextRestartsAtTheLeft()
{
    TextMoveWidget marquee;
    marquee.resize(200, 30);
    for (int i = 0; i < 7; ++i)
        marquee.updatePos();
    QCOMPARE(marquee.textX(), 14);
    marquee.setText(QStringLiteral("new"));
    QCOMPARE(marquee.textX(), 0);
    QCOMPARE(marquee.text(), QStringLiteral("new"));
    marquee.resize(200, 40);
    marquee.show(); // the resize reaches a hidden widget only when it is shown
    QVERIFY(QTest::qWaitForWindowExposed(&marquee));
    QCOMPARE(marquee.textY(), (40 - QFontMetrics(marquee.font()).height()) / 2);
}

void TestSmallWidgets::everyWidgetPaints()
{
    BatteryItem battery;
    battery.resize(40, 20);
    battery.setBatteryLevel(60);
    QVERIFY(!battery.grab().isNull());
    battery.setShowText(false);
    battery.setBatteryLevel(30);
    QVERIFY(!battery.grab().isNull());

    CustomButton button;
    button.resize(200, 40);
    button.setIconAndText(QStringLiteral(":/images/does/notExistDef.png"), QStringLiteral("Missing"));
    button.setSelected(true);
    QVERIFY(!button.grab().isNull());

    DCustomEventTipExplain card;
    card.setInfo(QStringLiteral("A"), QStringLiteral("Default"), QStringLiteral("A"), true);
    QVERIFY(!card.grab().isNull());

    TextMoveWidget marquee;
    marquee.setTextFont(QStringLiteral("Microsoft Yahei"), 12);
    marquee.setForeground(QColor(255, 143, 31));
    marquee.setBackground(QColor(30, 30, 30));
    marquee.resize(300, 33);
    QVERIFY(!marquee.grab().isNull());
}

QTEST_MAIN(TestSmallWidgets)
#include "tst_smallwidgets.moc"
