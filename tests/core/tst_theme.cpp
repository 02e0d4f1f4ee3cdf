// Theme loading: the embedded theme files by index and key, the alpha rule
// over a background image, the travel colours the other themes borrow, and
// the fonts handed out.
#include <QtTest>

#include "core/ColorPresets.h"
#include "core/DDataManager.h"
#include "support/TempHome.h"

class tst_Theme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void themeColors_data();
    void themeColors();
    void everyThemeIsComplete_data();
    void everyThemeIsComplete();
    void alphaKeptOverBackgroundImage();
    void fonts();
    void colorPresets_data();
    void colorPresets();

private:
    TempHome m_home;
    DDataManager *m_data = nullptr;
};

void tst_Theme::initTestCase()
{
    m_data = new DDataManager(this);
}

void tst_Theme::themeColors_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("Black text") << 0 << "TextDefaultColor" << "205,205,205";
    QTest::newRow("Black border loses alpha") << 0 << "DeviceBorderColor" << "52,52,86";
    QTest::newRow("Black travel") << 0 << "MagneticAxisTravelValueColor" << "56,149,245";
    QTest::newRow("Black quick-trigger bg") << 0 << "QuickTriggerPressAndReleaseBgColor" << "40,40,40";
    QTest::newRow("Light main bg") << 1 << "MainWidgetBgColor" << "240,240,240";
    QTest::newRow("Light accent") << 1 << "AllThemeColor" << "255,143,31";
    QTest::newRow("Light borrows travel") << 1 << "MagneticAxisTravelValueColor" << "56,149,245";
    QTest::newRow("Blue control border") << 2 << "SettingsControlBorderColor" << "65,105,255";
    QTest::newRow("Blue borrows release") << 2 << "QuickTriggerReleaseColor" << "0,255,0";
    QTest::newRow("Pink text") << 3 << "TextDefaultColor" << "50,0,60";
    QTest::newRow("Pink progress top") << 3 << "UpgradeProgressBarTopColor" << "225,70,225";
    QTest::newRow("Other accent") << 4 << "AllThemeColor" << "255,143,31";
    QTest::newRow("Other borrows press") << 4 << "QuickTriggerPressColor" << "255,96,96";
    QTest::newRow("index 7 is Black") << 7 << "AllThemeColor" << "56,149,245";
    QTest::newRow("index -1 is Black") << -1 << "TextCheckedColor" << "80,165,255";
}

void tst_Theme::themeColors()
{
    QFETCH(int, index);
    QFETCH(QString, key);
    QFETCH(QString, value);

    m_data->setBgImageUsing(false);
    m_data->loadThemeConfig(index);
    const ThemeColor theme = m_data->themeColor();
    QVERIFY(theme.colorMember(key));
    QCOMPARE(*theme.colorMember(key), value);
    QCOMPARE(theme.TextFont, QStringLiteral("Microsoft YaHei"));
}

void tst_Theme::everyThemeIsComplete_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i <= 4; ++i)
        QTest::addRow("theme %d", i) << i;
}

void tst_Theme::everyThemeIsComplete()
{
    QFETCH(int, index);
    m_data->loadThemeConfig(index);
    const ThemeColor theme = m_data->themeColor();
    const QStringList keys = ThemeColor::colorKeys();
    QCOMPARE(keys.size(), 45);
    for (const QString &key : keys) {
        const QString value = *theme.colorMember(key);
        const QStringList parts = value.split(QLatin1Char(','));
        QVERIFY2(parts.size() == 3, qPrintable(key + QLatin1String(" = ") + value));
        for (const QString &part : parts) {
            bool ok = false;
            const int component = part.toInt(&ok);
            QVERIFY2(ok && component >= 0 && component <= 255, qPrintable(key));
        }
    }
}

void tst_Theme::alphaKeptOverBackgroundImage()
{
    m_data->setBgImageUsing(true);
    m_data->loadThemeConfig(0);
    QCOMPARE(m_data->themeColor().DeviceBorderColor, QStringLiteral("52,52,86,128"));
    QCOMPARE(m_data->adjustThemeColorAlpha(QStringLiteral("1,2,3,4")), QStringLiteral("1,2,3,4"));
    m_data->setBgImageUsing(false);
    QCOMPARE(m_data->adjustThemeColorAlpha(QStringLiteral("1,2,3,4")), QStringLiteral("1,2,3"));
    QCOMPARE(m_data->adjustThemeColorAlpha(QStringLiteral("1,2,3")), QStringLiteral("1,2,3"));
    QCOMPARE(m_data->adjustThemeColorAlpha(QString()), QString());
}

void tst_Theme::fonts()
{
    m_data->loadThemeConfig(0);
    m_data->setUseLocalFont(true);
    QCOMPARE(m_data->themeFont(0).weight(), 75);
    QCOMPARE(m_data->themeFont(0).pointSize(), 10);
    QCOMPARE(m_data->themeFont(1).weight(), 50);
    QCOMPARE(m_data->themeFont(1).family(), QStringLiteral("Microsoft YaHei"));
    QCOMPARE(m_data->themeFont(2).family(), QStringLiteral("Microsoft YaHei"));

    m_data->setUseLocalFont(false);
    QCOMPARE(m_data->themeFont(0), m_data->themeFont(5));
    QCOMPARE(m_data->themeFont(1), m_data->themeFont(5));
    m_data->setUseLocalFont(true);
}

void tst_Theme::colorPresets_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("rainbow");
    QTest::addColumn<QColor>("primaryFirst");
    QTest::newRow("0") << 0 << QColor(255, 0, 0) << QColor(255, 0, 0);
    QTest::newRow("3") << 3 << QColor(128, 255, 0) << QColor(255, 0, 255);
    QTest::newRow("10") << 10 << QColor(255, 0, 255) << QColor(128, 0, 255);
    QTest::newRow("below range") << -1 << QColor() << QColor();
    QTest::newRow("above range") << 11 << QColor() << QColor();
}

void tst_Theme::colorPresets()
{
    QFETCH(int, index);
    QFETCH(QColor, rainbow);
    QFETCH(QColor, primaryFirst);
    QCOMPARE(ColorPresets::presetColorsRainbow(index), rainbow);
    QCOMPARE(ColorPresets::presetColorsPrimaryFirst(index), primaryFirst);
}

QTEST_MAIN(tst_Theme)
#include "tst_theme.moc"
