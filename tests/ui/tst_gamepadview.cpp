// The "GamePad" key page on real profile files: which control set it shows
// in each gamepad mode, what a click on a control stores, which control a
// stored item checks, and the hover popup with the control's name.
#include <QtTest>

#include <QScopeGuard>

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QStackedWidget>

#include <memory>

#include "core/DDataManager.h"
#include "core/KeyFunctionNames.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/FormActions.h"
#include "support/KeyPageSignals.h"
#include "support/ProfileFileFixture.h"
#include "device/RecordFieldText.h"
#include "ui/mainwidget/devicePage/customKeys/DGamePadView.h"
#include "widgets/ArrowWidget.h"

using lumtar::store::AtomicFileWriter;
using Fixture = ProfileFileFixture;

namespace {

const int kA = 4, kB = 5;

// "Xbox360 10", "Classical 32"; "none" when nothing is checked.
QString checkedControl(const DGamePadView &page)
{
    QStringList checked;
    for (int v = 0; v < DGamePadView::Xbox360Count; ++v)
        if (page.xbox360Button(v)->isChecked())
            checked << QStringLiteral("Xbox360 %1").arg(v);
    for (int v = 0; v < DGamePadView::ClassicalCount; ++v)
        if (page.classicalButton(v)->isChecked())
            checked << QStringLiteral("Classical %1").arg(v);
    return checked.isEmpty() ? QStringLiteral("none") : checked.join(QLatin1Char(','));
}

QString shownSet(DGamePadView &page)
{
    return namedChild<QStackedWidget>(&page, "stackedWidget")->currentWidget()->objectName();
}

QString heading(DGamePadView &page)
{
    return namedChild<QLabel>(&page, "label")->text();
}

int arrowWindows()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<ArrowWidget *>(w) ? 1 : 0;
    return n;
}

void hover(QWidget *button, QEvent::Type type)
{
    QEvent event(type);
    QCoreApplication::sendEvent(button, &event);
}

} // namespace

class tst_GamePadView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shownSetFollowsTheMode_data();
    void shownSetFollowsTheMode();
    void clickStoresTheControl_data();
    void clickStoresTheControl();
    void sameControlTwiceStoresTwice();
    void failedStoreIsReported();
    void loadChecksTheStoredControl_data();
    void loadChecksTheStoredControl();
    void keyWithoutControlShowsNoneChecked();
    void picturesAndNames();
    void popupStandsAboveTheControl();
    void onePopupAcrossHovers();
    void noPopupLeftAfterThePage();
    void themedControlsAndHeading_data();
    void themedControlsAndHeading();

private:
    std::unique_ptr<Fixture> m_files;
};

void tst_GamePadView::init()
{
    m_files.reset(new Fixture);
    QVERIFY(m_files->isValid());
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
}

void tst_GamePadView::cleanup()
{
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    DDataManager::getInstance()->setGamePadMode(-1);
    m_files.reset();
}

void tst_GamePadView::shownSetFollowsTheMode_data()
{
    QTest::addColumn<QList<int>>("modes"); // loaded one after the other
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("heading");
    QTest::newRow("no device") << QList<int>{-1} << "page_Classical" << "Xbox360";
    QTest::newRow("gamepad off") << QList<int>{0} << "page_Classical" << "Xbox360";
    QTest::newRow("Xbox360") << QList<int>{1} << "page_Xbox360" << "GamePad Xbox360";
    QTest::newRow("Classical") << QList<int>{2} << "page_Classical" << "GamePad Classical";
    QTest::newRow("Xbox360, then off") << QList<int>{1, 0} << "page_Xbox360" << "GamePad Xbox360";
    QTest::newRow("Classical, then gone") << QList<int>{2, -1} << "page_Classical" << "GamePad Classical";
    QTest::newRow("Classical, then Xbox360") << QList<int>{2, 1} << "page_Xbox360" << "GamePad Xbox360";
}

void tst_GamePadView::shownSetFollowsTheMode()
{
    QFETCH(QList<int>, modes);
    QFETCH(QString, set);
    QFETCH(QString, heading);
    DGamePadView page;
    for (int mode : modes) {
        DDataManager::getInstance()->setGamePadMode(mode);
        page.loadKeyOperateInfo();
    }
    QCOMPARE(shownSet(page), set);
    QCOMPARE(::heading(page), heading);
    // A language change keeps them.
    page.updateAllUI();
    QCOMPARE(shownSet(page), set);
    if (modes.last() == 1 || modes.last() == 2)
        QCOMPARE(::heading(page), heading);
}

void tst_GamePadView::clickStoresTheControl_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("type");
    for (int v : {0, 9, 10, 24})
        QTest::addRow("Xbox360 %d", v) << 1 << v << QByteArray("46");
    for (int v : {0, 16, 17, 32})
        QTest::addRow("Classical %d", v) << 2 << v << QByteArray("45");
}

void tst_GamePadView::clickStoresTheControl()
{
    QFETCH(int, mode);
    QFETCH(int, value);
    QFETCH(QByteArray, type);
    DDataManager::getInstance()->setGamePadMode(mode);
    DGamePadView page;
    page.show();
    page.loadKeyOperateInfo();
    KeyPageSignals told(&page);
    QAbstractButton *button = mode == 1 ? page.xbox360Button(value) : page.classicalButton(value);
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);

    const auto item = Fixture::item(m_files->profilePath(), "1", kA);
    QVERIFY(item);
    QCOMPARE(recordFieldText(item->type), type);
    QCOMPARE(recordFieldText(item->count), QByteArray("1"));
    QCOMPARE(recordFieldText(item->mode), QByteArray("1"));
    QCOMPARE(recordFieldText(item->value), QByteArray::number(value));
    QCOMPARE(told.update.size(), 1);
    QCOMPARE(told.update.first().first().toInt(), kA);
    QCOMPARE(told.success.size(), 1);
    QVERIFY(told.failure.isEmpty());
    QVERIFY(button->isChecked());
}

void tst_GamePadView::sameControlTwiceStoresTwice()
{
    DDataManager::getInstance()->setGamePadMode(1);
    DGamePadView page;
    page.show();
    page.loadKeyOperateInfo();
    KeyPageSignals told(&page);
    QTest::mouseClick(page.xbox360Button(10), Qt::LeftButton);
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "3", "2")); // changed behind the page
    QTest::mouseClick(page.xbox360Button(10), Qt::LeftButton);
    QCOMPARE(told.success.size(), 2);
    QCOMPARE(told.update.size(), 2);
    QCOMPARE(recordFieldText(Fixture::item(m_files->profilePath(), "1", kA)->type), QByteArray("46"));
    QVERIFY(page.xbox360Button(10)->isChecked());
}

void tst_GamePadView::failedStoreIsReported()
{
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "45", "3"));
    DDataManager::getInstance()->setGamePadMode(2);
    DGamePadView page;
    page.show();
    page.loadKeyOperateInfo();
    KeyPageSignals told(&page);
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::DiskFull);
    QTest::mouseClick(page.classicalButton(20), Qt::LeftButton);
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    QCOMPARE(told.failures(), QList<int>({45, DKeyFunctionPage::ErrorStoreWriteFailed}));
    QVERIFY(told.update.isEmpty() && told.success.isEmpty());
    QCOMPARE(recordFieldText(Fixture::item(m_files->profilePath(), "1", kA)->value), QByteArray("3"));
}

void tst_GamePadView::loadChecksTheStoredControl_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("checked");
    QTest::newRow("Xbox360 first") << 1 << QByteArray("46") << QByteArray("0") << "Xbox360 0";
    QTest::newRow("Xbox360 last") << 1 << QByteArray("46") << QByteArray("24") << "Xbox360 24";
    QTest::newRow("Xbox360 past the set") << 1 << QByteArray("46") << QByteArray("25") << "none";
    QTest::newRow("Classical last") << 2 << QByteArray("45") << QByteArray("32") << "Classical 32";
    QTest::newRow("Classical past the set") << 2 << QByteArray("45") << QByteArray("33") << "none";
    QTest::newRow("negative") << 2 << QByteArray("45") << QByteArray("-1") << "none";
    QTest::newRow("not a number reads 0") << 1 << QByteArray("46") << QByteArray("abc") << "Xbox360 0";
    QTest::newRow("Classical not a number") << 2 << QByteArray("45") << QByteArray("x") << "Classical 0";
    QTest::newRow("Classical item in mode 1") << 1 << QByteArray("45") << QByteArray("5") << "Classical 5";
    QTest::newRow("Xbox360 item in mode 0") << 0 << QByteArray("46") << QByteArray("3") << "Xbox360 3";
    QTest::newRow("other type") << 1 << QByteArray("3") << QByteArray("2") << "none";
}

void tst_GamePadView::loadChecksTheStoredControl()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(QString, checked);
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, type.constData(), value.constData()));
    DDataManager::getInstance()->setGamePadMode(mode);
    DGamePadView page;
    page.loadKeyOperateInfo();
    QCOMPARE(checkedControl(page), checked);
    // The shown set stays the mode's.
    if (mode == 1)
        QCOMPARE(shownSet(page), QStringLiteral("page_Xbox360"));
}

void tst_GamePadView::keyWithoutControlShowsNoneChecked()
{
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::bind(path, "1", kA, "46", "10"));
    DDataManager::getInstance()->setGamePadMode(1);
    DGamePadView page;
    page.loadKeyOperateInfo();
    QCOMPARE(checkedControl(page), QStringLiteral("Xbox360 10"));

    // Key B: no item, then an item of another page, then a Classical one.
    DDataManager::getInstance()->setClickedKey(kB, QStringLiteral("B"));
    page.loadKeyOperateInfo();
    QCOMPARE(checkedControl(page), QStringLiteral("none"));
    QVERIFY(Fixture::bind(path, "1", kB, "20", "1"));
    page.loadKeyOperateInfo();
    QCOMPARE(checkedControl(page), QStringLiteral("none"));
    QVERIFY(Fixture::bind(path, "1", kB, "45", "7"));
    page.loadKeyOperateInfo();
    QCOMPARE(checkedControl(page), QStringLiteral("Classical 7"));
    // Back to A: only A's control.
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
    page.loadKeyOperateInfo();
    QCOMPARE(checkedControl(page), QStringLiteral("Xbox360 10"));
}

void tst_GamePadView::picturesAndNames()
{
    DGamePadView page;
    QSet<qint64> pictures;
    for (int v = 0; v < DGamePadView::Xbox360Count + DGamePadView::ClassicalCount; ++v) {
        const bool xbox = v < DGamePadView::Xbox360Count;
        const int value = xbox ? v : v - DGamePadView::Xbox360Count;
        QAbstractButton *button = xbox ? page.xbox360Button(value) : page.classicalButton(value);
        QVERIFY(button);
        QVERIFY(button->isCheckable());
        QVERIFY(button->text().isEmpty());
        QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
        pictures.insert(button->icon().pixmap(40, 40).cacheKey());
        const KeyFunctionNames::Table names =
            xbox ? KeyFunctionNames::xbox360GamePad() : KeyFunctionNames::classicalGamePad();
        QVERIFY2(names.hasName(value), qPrintable(button->objectName()));
    }
    QCOMPARE(KeyFunctionNames::xbox360GamePad().size(), int(DGamePadView::Xbox360Count));
    QCOMPARE(KeyFunctionNames::classicalGamePad().size(), int(DGamePadView::ClassicalCount));
    QVERIFY(!page.xbox360Button(DGamePadView::Xbox360Count));
    QVERIFY(!page.classicalButton(DGamePadView::ClassicalCount));
}

void tst_GamePadView::popupStandsAboveTheControl()
{
    DDataManager::getInstance()->setGamePadMode(2);
    DGamePadView page;
    page.updateAppTheme();
    page.show();
    page.loadKeyOperateInfo();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QAbstractButton *button = page.classicalButton(32);
    hover(button, QEvent::Enter);
    ArrowWidget *popup = page.hoverPopup();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->size(), QSize(250, 70));
    QCOMPARE(popup->arrowDirection(), 1);
    QCOMPARE(popup->arrowPos(), 30);
    const QPoint top = button->mapToGlobal(QPoint(0, 0));
    QCOMPARE(popup->pos(), QPoint(top.x() + button->width() / 2 - 38, top.y() - 74));
    QCOMPARE(page.hoverText(), QStringLiteral("Arrow Right"));
}

void tst_GamePadView::onePopupAcrossHovers()
{
    DDataManager::getInstance()->setGamePadMode(1);
    const int before = arrowWindows();
    DGamePadView page;
    page.show();
    page.loadKeyOperateInfo();
    // A Leave with no popup does nothing.
    hover(page.xbox360Button(0), QEvent::Leave);
    QVERIFY(!page.hoverPopup());

    hover(page.xbox360Button(10), QEvent::Enter);
    ArrowWidget *popup = page.hoverPopup();
    QCOMPARE(page.hoverText(), QStringLiteral("Button A"));
    const QPoint first = popup->pos();
    // Straight to the next control: the popup is refilled and moved.
    hover(page.xbox360Button(11), QEvent::Enter);
    hover(page.xbox360Button(10), QEvent::Leave);
    QVERIFY(!popup->isVisible()); // Qt may deliver the Leave last
    hover(page.xbox360Button(11), QEvent::Enter);
    QCOMPARE(page.hoverPopup(), popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(page.hoverText(), QStringLiteral("Button B"));
    QVERIFY(popup->pos().x() > first.x());
    hover(page.xbox360Button(11), QEvent::Leave);
    QVERIFY(!popup->isVisible());
    for (int v = 0; v < DGamePadView::Xbox360Count; ++v) {
        hover(page.xbox360Button(v), QEvent::Enter);
        hover(page.xbox360Button(v), QEvent::Leave);
    }
    QCOMPARE(page.hoverPopup(), popup);
    QCOMPARE(arrowWindows(), before + 1);
    // Other events pass on; the page's own widgets are left alone.
    hover(namedChild<QLabel>(&page, "label"), QEvent::Enter);
    QVERIFY(!popup->isVisible());
}

void tst_GamePadView::noPopupLeftAfterThePage()
{
    DDataManager::getInstance()->setGamePadMode(2);
    const int before = arrowWindows();
    QPointer<ArrowWidget> popup;
    {
        DGamePadView page;
        page.show();
        page.loadKeyOperateInfo();
        hover(page.classicalButton(3), QEvent::Enter);
        popup = page.hoverPopup();
        QVERIFY(popup && popup->isVisible());
    }
    QVERIFY(!popup);
    QCOMPARE(arrowWindows(), before);
}

void tst_GamePadView::themedControlsAndHeading_data()
{
    QTest::addColumn<int>("theme");
    QTest::newRow("Dark") << 0;
    QTest::newRow("Light") << 1;
    QTest::newRow("Blue") << 2;
    QTest::newRow("Pink") << 3;
}

// Every control is a 30 x 30 tile with the theme's 2-pixel border, the
// highlight colour when checked; a line of the border colour parts the two
// groups; the heading panel draws no frame.
void tst_GamePadView::themedControlsAndHeading()
{
    QFETCH(int, theme);
    DDataManager *data = DDataManager::getInstance();
    data->loadThemeConfig(theme);
    const auto backToDark = qScopeGuard([data] { data->loadThemeConfig(0); });
    const ThemeColor colors = data->themeColor();
    data->setGamePadMode(1);
    DGamePadView page;
    page.updateAppTheme();
    page.resize(965, 310);
    page.show();
    page.loadKeyOperateInfo();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QAbstractButton *plain = page.xbox360Button(0);
    QAbstractButton *checked = page.xbox360Button(1);
    checked->setChecked(true);
    // 30 x 30 inside the 2-pixel border.
    QCOMPARE(plain->size(), QSize(34, 34));
    const QImage shot = page.grab().toImage();
    const auto colourAt = [&](QAbstractButton *button, int x, int y) {
        return shot.pixelColor(button->mapTo(&page, QPoint(x, y))).rgb();
    };
    const auto rgbOf = [](const QString &text) {
        const QStringList parts = text.split(QLatin1Char(','));
        return qRgb(parts.value(0).trimmed().toInt(), parts.value(1).trimmed().toInt(), parts.value(2).trimmed().toInt());
    };
    // The middle of the left and the top edge: away from the rounded corners.
    QCOMPARE(colourAt(plain, 0, 15), rgbOf(colors.DeviceBorderColor));
    QCOMPARE(colourAt(plain, 15, 1), rgbOf(colors.DeviceBorderColor));
    QCOMPARE(colourAt(checked, 0, 15), rgbOf(colors.TextCheckedColor));
    // The separator between the sticks and the buttons: one line of the border colour.
    auto *line = page.findChild<QFrame *>(QStringLiteral("frame_LineBg01"));
    QVERIFY(line);
    QCOMPARE(line->height(), 1);
    QCOMPARE(shot.pixelColor(line->mapTo(&page, QPoint(line->width() / 2, 0))).rgb(), rgbOf(colors.DeviceBorderColor));
    auto *panel = page.findChild<QFrame *>(QStringLiteral("frame_388"));
    QVERIFY(panel);
    QCOMPARE(panel->frameWidth(), 0);
}

QTEST_MAIN(tst_GamePadView)
#include "tst_gamepadview.moc"
