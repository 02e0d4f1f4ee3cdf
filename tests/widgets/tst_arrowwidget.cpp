#include "widgets/ArrowWidget.h"

#include "core/DDataManager.h"
#include "support/TempHome.h"

#include <QLabel>
#include <QLayout>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class TestArrowWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void backgroundComesFromTheTheme();
    void themeColourText_data();
    void themeColourText();
    void contentMarginsFollowTheArrow_data();
    void contentMarginsFollowTheArrow();
    void placedWithinTheScreen_data();
    void placedWithinTheScreen();
    void deactivationHidesWithOneSignal();
    void anotherWindowTakingFocusHidesThePanel();
    void enterAndLeaveAreReported();
    void paintsBothDirections();

private:
    std::unique_ptr<TempHome> m_home;
};

void TestArrowWidget::initTestCase()
{
    m_home = std::make_unique<TempHome>();
    QVERIFY(m_home->isValid());
    DDataManager::getInstance()->loadThemeConfig(0);
}

void TestArrowWidget::backgroundComesFromTheTheme()
{
    const QString bg = DDataManager::getInstance()->themeColor().AllBgColor;
    QVERIFY(!bg.isEmpty());
    ArrowWidget panel(1);
    QCOMPARE(panel.backgroundColor(), ArrowWidget::opaqueThemeColor(bg));
    QCOMPARE(panel.backgroundColor().alpha(), 255);
    QCOMPARE(panel.arrowPos(), 50);
    QVERIFY(panel.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(panel.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(panel.testAttribute(Qt::WA_TranslucentBackground));
    panel.setBackgroundColor(1, 2, 3);
    QCOMPARE(panel.backgroundColor(), QColor(1, 2, 3, 255));
}

void TestArrowWidget::themeColourText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("rgb") << "42,42,70" << QColor(42, 42, 70, 255);
    QTest::newRow("rgba drops alpha") << "52,52,86,128" << QColor(52, 52, 86, 255);
    QTest::newRow("two sections") << "10,20" << QColor(10, 20, 0, 255);
    QTest::newRow("empty") << "" << QColor(0, 0, 0, 255);
    QTest::newRow("garbage") << "x,300,-4" << QColor(0, 255, 0, 255);
}

void TestArrowWidget::themeColourText()
{
    QFETCH(QString, text);
    QTEST(ArrowWidget::opaqueThemeColor(text), "colour");
}

void TestArrowWidget::contentMarginsFollowTheArrow_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QRect>("content");
    QTest::newRow("arrow on top") << 0 << QRect(15, 25, 230, 80);
    QTest::newRow("arrow at the bottom") << 1 << QRect(15, 15, 230, 90);
}

void TestArrowWidget::contentMarginsFollowTheArrow()
{
    QFETCH(int, direction);
    ArrowWidget panel(direction);
    panel.setWidgetSize(260, 120);
    panel.setArrowPos(123);
    auto *label = new QLabel(QStringLiteral("content"));
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    panel.setCenterWidget(label);
    panel.layout()->activate();
    QTEST(label->geometry(), "content");
    QCOMPARE(panel.size(), QSize(260, 120));
}

void TestArrowWidget::placedWithinTheScreen_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("wanted");
    QTest::addColumn<QPoint>("placed");
    QTest::addColumn<int>("arrow");
    // A 1050 x 345 panel, its arrow at 460, on 1366 x 768 with a 40-pixel
    // panel at the bottom.
    const QRect small(0, 0, 1366, 728);
    QTest::newRow("fits") << small << QPoint(100, 300) << QPoint(100, 300) << 460;
    QTest::newRow("touches the right edge") << small << QPoint(316, 300) << QPoint(316, 300) << 460;
    QTest::newRow("past the right edge") << small << QPoint(500, 300) << QPoint(316, 300) << 644;
    QTest::newRow("far past the right edge") << small << QPoint(1200, 300) << QPoint(316, 300) << 1015;
    QTest::newRow("past the left edge") << small << QPoint(-100, 300) << QPoint(0, 300) << 360;
    QTest::newRow("far past the left edge") << small << QPoint(-900, 300) << QPoint(0, 300) << 20;
    QTest::newRow("above the top") << small << QPoint(100, -50) << QPoint(100, 0) << 460;
    QTest::newRow("below the bottom") << small << QPoint(100, 500) << QPoint(100, 383) << 460;
    QTest::newRow("wider than the screen") << QRect(0, 0, 800, 600) << QPoint(233, 100) << QPoint(0, 100) << 693;
    QTest::newRow("second screen, past its right edge")
        << QRect(1366, 0, 1920, 1040) << QPoint(2500, 400) << QPoint(2236, 400) << 724;
    QTest::newRow("no screen") << QRect() << QPoint(5000, -5000) << QPoint(5000, -5000) << 460;
}

void TestArrowWidget::placedWithinTheScreen()
{
    QFETCH(QRect, area);
    QFETCH(QPoint, wanted);
    const ArrowWidget::Placement placement = ArrowWidget::placeWithin(wanted, QSize(1050, 345), 460, area);
    QTEST(placement.topLeft, "placed");
    QTEST(placement.arrowPos, "arrow");
}

void TestArrowWidget::deactivationHidesWithOneSignal()
{
    ArrowWidget panel(1);
    panel.setWidgetSize(250, 70);
    QSignalSpy hidden(&panel, &ArrowWidget::sigArrowWidgetHide);
    panel.show();
    QVERIFY(panel.isVisible());

    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&panel, &deactivate);
    QVERIFY(!panel.isVisible());
    QCOMPARE(hidden.count(), 1);
    QCoreApplication::sendEvent(&panel, &deactivate);
    QCOMPARE(hidden.count(), 1);

    // Hidden by its caller: no signal.
    panel.show();
    panel.hide();
    QCOMPARE(hidden.count(), 1);
}

void TestArrowWidget::anotherWindowTakingFocusHidesThePanel()
{
    ArrowWidget panel(0);
    panel.setWidgetSize(165, 130);
    QSignalSpy hidden(&panel, &ArrowWidget::sigArrowWidgetHide);
    panel.show();
    panel.activateWindow();
    QApplication::setActiveWindow(&panel);
    if (QApplication::activeWindow() != &panel)
        QSKIP("the platform does not activate tool-tip windows");

    QWidget other;
    other.resize(100, 100);
    other.show();
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY(!panel.isVisible());
    QCOMPARE(hidden.count(), 1);
}

void TestArrowWidget::enterAndLeaveAreReported()
{
    ArrowWidget panel(1);
    QSignalSpy entered(&panel, &ArrowWidget::sigArrowWidgetMouseEnter);
    QSignalSpy left(&panel, &ArrowWidget::sigArrowWidgetMouseLeave);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&panel, &enter);
    QCoreApplication::sendEvent(&panel, &leave);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 1);
}

void TestArrowWidget::paintsBothDirections()
{
    for (int direction : {0, 1}) {
        ArrowWidget panel(direction);
        panel.setWidgetSize(1050, 345);
        panel.setArrowPos(460);
        panel.setCenterWidget(new QLabel(QStringLiteral("keyboard")));
        const QImage image = panel.grab().toImage();
        QVERIFY(!image.isNull());
    }
}

QTEST_MAIN(TestArrowWidget)
#include "tst_arrowwidget.moc"
