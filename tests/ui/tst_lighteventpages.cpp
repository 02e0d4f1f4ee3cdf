// The "Keyboard Light" and "Atmosphere Light" key pages on real profile
// files: what each choice stores, which choice a stored item checks, the
// hidden side-light choices, and store failures.
#include <QtTest>

#include <QRadioButton>

#include <memory>

#include "core/DDataManager.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/FormActions.h"
#include "support/KeyPageSignals.h"
#include "support/ProfileFileFixture.h"
#include "device/RecordFieldText.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyboardLightCustomEventPage.h"
#include "ui/mainwidget/devicePage/customKeys/DSideLightCustomEventPage.h"

using lumtar::store::AtomicFileWriter;
using Fixture = ProfileFileFixture;

namespace {

const int kA = 4, kB = 5;

// The stored item as "type mode value".
QString storedItem(const QByteArray &path)
{
    const auto item = Fixture::item(path, "1", kA);
    if (!item)
        return QStringLiteral("none");
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromLatin1(recordFieldText(item->type)), QString::fromLatin1(recordFieldText(item->mode)),
             QString::fromLatin1(recordFieldText(item->value)));
}

template <typename Page>
QString checkedName(const Page &page)
{
    const int i = page.checkedChoice();
    return i < 0 ? QStringLiteral("none") : QString::fromLatin1(page.choice(i).objectName);
}

} // namespace

class tst_LightEventPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keyboardLightClick_data();
    void keyboardLightClick();
    void keyboardLightLoad_data();
    void keyboardLightLoad();
    void sideLightClick_data();
    void sideLightClick();
    void sideLightLoad_data();
    void sideLightLoad();
    void sideLightShowsTen();
    void keyWithoutItemShowsNoneChecked();
    void sameChoiceTwiceStoresTwice();
    void failedStoreIsReported();

private:
    std::unique_ptr<Fixture> m_files;
};

void tst_LightEventPages::init()
{
    m_files.reset(new Fixture);
    QVERIFY(m_files->isValid());
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
}

void tst_LightEventPages::cleanup()
{
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    m_files.reset();
}

void tst_LightEventPages::keyboardLightClick_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("stored"); // type mode value
    const char *rows[][2] = {
        {"radioButton_OverallLightList", "20 1 0"},   {"radioButton_InteractionLightList", "20 1 1"},
        {"radioButton_AllLightList", "20 1 2"},       {"radioButton_StaticMode", "20 1 3"},
        {"radioButton_BrightnessUp", "21 1 0"},       {"radioButton_BrightnessDown", "21 1 1"},
        {"radioButton_SpeedAdd", "22 1 0"},           {"radioButton_SpeedLessen", "22 1 1"},
        {"radioButton_DirectionAddOne", "23 1 0"},    {"radioButton_DirectionLessenOne", "23 1 1"},
        {"radioButton_DirectionLoop", "23 1 2"},      {"radioButton_FullColor", "24 1 0"},
        {"radioButton_TopColor", "24 1 1"},           {"radioButton_BottomColor", "24 1 2"},
        {"radioButton_CloseAll", "26 0 0"},           {"radioButton_CloseBackLight", "26 0 1"},
        {"radioButton_StopBackLight", "26 1 0"},      {"radioButton_LightRecording", "27 1 0"},
        {"radioButton_IntoCustomLight01", "25 1 0"},  {"radioButton_IntoCustomLight02", "25 1 1"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void tst_LightEventPages::keyboardLightClick()
{
    QFETCH(QString, choice);
    QFETCH(QString, stored);
    DKeyboardLightCustomEventPage page;
    page.show();
    page.loadKeyOperateInfo();
    QCOMPARE(page.choiceCount(), 20);
    KeyPageSignals told(&page);
    auto *button = namedChild<QRadioButton>(&page, choice.toLatin1().constData());
    QVERIFY(button && button->isVisible());
    clickRadio(button);
    QCOMPARE(storedItem(m_files->profilePath()), stored);
    QCOMPARE(recordFieldText(Fixture::item(m_files->profilePath(), "1", kA)->count), QByteArray("1"));
    QCOMPARE(told.success.size(), 1);
    QCOMPARE(told.update.size(), 1);
    // The stored item checks the same choice again.
    page.loadKeyOperateInfo();
    QCOMPARE(checkedName(page), choice);
}

void tst_LightEventPages::keyboardLightLoad_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("checked");
    QTest::newRow("20/4: none") << QByteArray("20") << QByteArray("1") << QByteArray("4") << "none";
    QTest::newRow("20/3") << QByteArray("20") << QByteArray("1") << QByteArray("3") << "radioButton_StaticMode";
    QTest::newRow("26 mode 1, any value") << QByteArray("26") << QByteArray("1") << QByteArray("9")
                                          << "radioButton_StopBackLight";
    QTest::newRow("26 mode 0 value 1") << QByteArray("26") << QByteArray("0") << QByteArray("1")
                                       << "radioButton_CloseBackLight";
    QTest::newRow("26 mode 0 value 2: none") << QByteArray("26") << QByteArray("0") << QByteArray("2") << "none";
    QTest::newRow("27 whatever") << QByteArray("27") << QByteArray("0") << QByteArray("7")
                                 << "radioButton_LightRecording";
    QTest::newRow("25/1") << QByteArray("25") << QByteArray("1") << QByteArray("1")
                          << "radioButton_IntoCustomLight02";
    QTest::newRow("value not a number reads 0") << QByteArray("21") << QByteArray("1") << QByteArray("up")
                                                << "radioButton_BrightnessUp";
    QTest::newRow("side light type") << QByteArray("30") << QByteArray("1") << QByteArray("2") << "none";
    QTest::newRow("other type") << QByteArray("3") << QByteArray("1") << QByteArray("0") << "none";
}

void tst_LightEventPages::keyboardLightLoad()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, value);
    QFETCH(QString, checked);
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, type.constData(), value.constData(), "1",
                          mode.constData()));
    DKeyboardLightCustomEventPage page;
    page.loadKeyOperateInfo();
    QCOMPARE(checkedName(page), checked);
}

void tst_LightEventPages::sideLightClick_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("stored");
    const char *rows[][2] = {
        {"radioButton_AllLightList", "30 1 2"},  {"radioButton_BrightnessUp", "31 1 0"},
        {"radioButton_BrightnessDown", "31 1 1"}, {"radioButton_SpeedAdd", "32 1 0"},
        {"radioButton_SpeedLessen", "32 1 1"},   {"radioButton_FullColor", "33 1 0"},
        {"radioButton_TopColor", "33 1 1"},      {"radioButton_BottomColor", "33 1 2"},
        {"radioButton_CloseSideLight", "34 0 2"}, {"radioButton_StopSideLight", "34 1 0"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void tst_LightEventPages::sideLightClick()
{
    QFETCH(QString, choice);
    QFETCH(QString, stored);
    DSideLightCustomEventPage page;
    page.show();
    page.loadKeyOperateInfo();
    KeyPageSignals told(&page);
    clickRadio(namedChild<QRadioButton>(&page, choice.toLatin1().constData()));
    QCOMPARE(storedItem(m_files->profilePath()), stored);
    QCOMPARE(told.success.size(), 1);
    page.loadKeyOperateInfo();
    QCOMPARE(checkedName(page), choice);
}

void tst_LightEventPages::sideLightLoad_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<bool>("visibleChecked");
    QTest::newRow("30/0 hidden") << QByteArray("30") << QByteArray("1") << QByteArray("0")
                                 << "radioButton_OverallLightList" << false;
    QTest::newRow("30/1 hidden") << QByteArray("30") << QByteArray("1") << QByteArray("1")
                                 << "radioButton_InteractionLightList" << false;
    QTest::newRow("30/2") << QByteArray("30") << QByteArray("1") << QByteArray("2") << "radioButton_AllLightList"
                          << true;
    QTest::newRow("34 mode 0, any value") << QByteArray("34") << QByteArray("0") << QByteArray("5")
                                          << "radioButton_CloseSideLight" << true;
    QTest::newRow("34 mode 1") << QByteArray("34") << QByteArray("1") << QByteArray("2")
                               << "radioButton_StopSideLight" << true;
    QTest::newRow("34 mode 2: none") << QByteArray("34") << QByteArray("2") << QByteArray("0") << "none" << false;
    QTest::newRow("33/3: none") << QByteArray("33") << QByteArray("1") << QByteArray("3") << "none" << false;
    QTest::newRow("keyboard light type") << QByteArray("20") << QByteArray("1") << QByteArray("2") << "none"
                                         << false;
}

void tst_LightEventPages::sideLightLoad()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, value);
    QFETCH(QString, checked);
    QFETCH(bool, visibleChecked);
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, type.constData(), value.constData(), "1",
                          mode.constData()));
    DSideLightCustomEventPage page;
    page.show();
    page.loadKeyOperateInfo();
    QCOMPARE(checkedName(page), checked);
    bool anyVisible = false;
    for (QRadioButton *button : page.findChildren<QRadioButton *>())
        anyVisible = anyVisible || (button->isVisible() && button->isChecked());
    QCOMPARE(anyVisible, visibleChecked);
}

void tst_LightEventPages::sideLightShowsTen()
{
    DSideLightCustomEventPage page;
    page.show();
    for (int round = 0; round < 2; ++round) {
        int visible = 0;
        for (QRadioButton *button : page.findChildren<QRadioButton *>())
            visible += button->isVisible();
        QCOMPARE(visible, 10);
        page.updateAllUI();
    }
    QCOMPARE(namedChild<QRadioButton>(&page, "radioButton_CloseSideLight")->text(), QStringLiteral("Close side light"));
}

void tst_LightEventPages::keyWithoutItemShowsNoneChecked()
{
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::bind(path, "1", kA, "21", "1"));
    QVERIFY(Fixture::bind(path, "1", kB, "3", "1"));
    DKeyboardLightCustomEventPage page;
    page.loadKeyOperateInfo();
    QCOMPARE(checkedName(page), QStringLiteral("radioButton_BrightnessDown"));
    DDataManager::getInstance()->setClickedKey(kB, QStringLiteral("B"));
    page.loadKeyOperateInfo();
    QCOMPARE(checkedName(page), QStringLiteral("none"));
    DDataManager::getInstance()->setClickedKey(kB + 1, QStringLiteral("C"));
    page.loadKeyOperateInfo();
    QCOMPARE(checkedName(page), QStringLiteral("none"));
}

void tst_LightEventPages::sameChoiceTwiceStoresTwice()
{
    DKeyboardLightCustomEventPage page;
    page.show();
    page.loadKeyOperateInfo();
    KeyPageSignals told(&page);
    auto *button = namedChild<QRadioButton>(&page, "radioButton_CloseAll");
    clickRadio(button);
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "3", "2")); // changed behind the page
    clickRadio(button);
    QCOMPARE(told.success.size(), 2);
    QCOMPARE(storedItem(m_files->profilePath()), QStringLiteral("26 0 0"));
}

void tst_LightEventPages::failedStoreIsReported()
{
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "31", "0"));
    DSideLightCustomEventPage page;
    page.show();
    page.loadKeyOperateInfo();
    KeyPageSignals told(&page);
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::DiskFull);
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_StopSideLight"));
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    QCOMPARE(told.failures(), QList<int>({34, DKeyFunctionPage::ErrorStoreWriteFailed}));
    QVERIFY(told.success.isEmpty());
    QCOMPARE(storedItem(m_files->profilePath()), QStringLiteral("31 1 0"));
}

QTEST_MAIN(tst_LightEventPages)
#include "tst_lighteventpages.moc"
