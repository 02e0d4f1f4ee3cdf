// The radio-choice pages (Multimedia, Mouse Key, Shortcuts) on real profile
// files: what each click stores, which stored item checks which choice,
// holes, hidden and out-of-range values, the reset before every load, the
// same choice clicked twice and a store that cannot write; the frames of
// these pages and of the Remap and Key Combination pages draw no border in
// any theme.
#include <QtTest>

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QRadioButton>

#include <functional>
#include <memory>

#include "core/DDataManager.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/FormActions.h"
#include "support/KeyPageSignals.h"
#include "support/ProfileFileFixture.h"
#include "device/RecordFieldText.h"
#include "ui/mainwidget/devicePage/customKeys/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/customKeys/DHotKeyPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyCombinationPage.h"
#include "ui/mainwidget/devicePage/customKeys/DMouseKeyPage.h"
#include "ui/mainwidget/devicePage/customKeys/DMultimediaPage.h"

using lumtar::store::AtomicFileWriter;
using Fixture = ProfileFileFixture;

namespace {

const int kA = 4, kB = 5;

std::unique_ptr<DRadioChoicePage> makePage(const QString &name)
{
    if (name == QLatin1String("multimedia"))
        return std::make_unique<DMultimediaPage>();
    if (name == QLatin1String("mouse"))
        return std::make_unique<DMouseKeyPage>();
    return std::make_unique<DHotKeyPage>();
}

QString checkedName(QWidget *page)
{
    QString name;
    for (QRadioButton *b : page->findChildren<QRadioButton *>())
        if (b->isChecked()) {
            if (!name.isEmpty())
                return QStringLiteral("two checked");
            name = b->objectName();
        }
    return name;
}

QString checkedVisibleName(QWidget *page)
{
    for (QRadioButton *b : page->findChildren<QRadioButton *>())
        if (b->isChecked() && !b->isHidden())
            return b->objectName();
    return QString();
}

} // namespace

class tst_RadioPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clickStores_data();
    void clickStores();
    void loadChecks_data();
    void loadChecks();
    void loadResetsTheEarlierChoice_data();
    void loadResetsTheEarlierChoice();
    void sameChoiceTwiceStoresTwice();
    void failedStoreIsReported();
    void formAndTexts_data();
    void formAndTexts();
    void framesDrawNoBorder_data();
    void framesDrawNoBorder();

private:
    std::unique_ptr<Fixture> m_files;
};

void tst_RadioPages::init()
{
    m_files.reset(new Fixture);
    QVERIFY(m_files->isValid());
}

void tst_RadioPages::cleanup()
{
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    m_files.reset();
}

void tst_RadioPages::clickStores_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");

    const struct {
        const char *page, *button, *type, *value;
    } rows[] = {
        {"multimedia", "radioButton_volAdd", "3", "0"},
        {"multimedia", "radioButton_volLower", "3", "1"},
        {"multimedia", "radioButton_mute", "3", "2"},
        {"multimedia", "radioButton_playOrPause", "3", "3"},
        {"multimedia", "radioButton_next", "3", "4"},
        {"multimedia", "radioButton_previous", "3", "5"},
        {"multimedia", "radioButton_videoStop", "3", "6"},
        {"multimedia", "radioButton_Player", "3", "8"},
        {"multimedia", "radioButton_Calculator", "3", "9"},
        {"multimedia", "radioButton_Computer", "3", "10"},
        {"multimedia", "radioButton_Browser", "3", "11"},
        {"multimedia", "radioButton_Email", "3", "12"},
        {"multimedia", "radioButton_ScreenBrightnessAdd", "3", "13"},
        {"multimedia", "radioButton_ScreenBrightnessLess", "3", "14"},
        {"multimedia", "radioButton_wwwSearch", "3", "15"},
        {"mouse", "radioButton_mouseLeft", "4", "0"},
        {"mouse", "radioButton_mouseCenter", "4", "1"},
        {"mouse", "radioButton_mouseRight", "4", "2"},
        {"mouse", "radioButton_mouseScrollUp", "4", "3"},
        {"mouse", "radioButton_mouseScrollDown", "4", "4"},
        {"mouse", "radioButton_Forward", "4", "5"},
        {"mouse", "radioButton_Backward", "4", "6"},
        {"shortcuts", "radioButton_CloseWindow", "9", "0"},
        {"shortcuts", "radioButton_ShowDesktop", "9", "2"},
        {"shortcuts", "radioButton_OpenMyComputer", "9", "3"},
        {"shortcuts", "radioButton_LockingComputer", "9", "4"},
        {"shortcuts", "radioButton_Copy", "9", "5"},
        {"shortcuts", "radioButton_Cut", "9", "6"},
        {"shortcuts", "radioButton_Paste", "9", "7"},
        {"shortcuts", "radioButton_Find", "9", "8"},
        {"shortcuts", "radioButton_CreateNew", "9", "9"},
        {"shortcuts", "radioButton_Print", "9", "10"},
        {"shortcuts", "radioButton_Save", "9", "11"},
    };
    for (const auto &r : rows)
        QTest::addRow("%s %s", r.page, r.button)
            << QString::fromLatin1(r.page) << QString::fromLatin1(r.button) << QByteArray(r.type) << QByteArray(r.value);
}

void tst_RadioPages::clickStores()
{
    QFETCH(QString, page);
    QFETCH(QString, button);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);

    // The key held an item of another type: the click replaces it.
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "0", "41"));
    std::unique_ptr<DRadioChoicePage> p = makePage(page);
    p->show();
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
    p->loadKeyOperateInfo();
    KeyPageSignals told(p.get());
    QRadioButton *choice = p->findChild<QRadioButton *>(button);
    QVERIFY(choice && choice->isVisible());
    clickRadio(choice);

    const auto item = Fixture::item(m_files->profilePath(), "1", kA);
    QVERIFY(item);
    QCOMPARE(recordFieldText(item->type), type);
    QCOMPARE(recordFieldText(item->count), QByteArray("1"));
    QCOMPARE(recordFieldText(item->mode), QByteArray("1"));
    QCOMPARE(recordFieldText(item->value), value);
    QCOMPARE(recordFieldText(item->keyName), QByteArray("A"));
    QCOMPARE(Fixture::keyCodes(m_files->profilePath(), "1"), QList<int>{kA});
    QCOMPARE(told.update.count(), 1);
    QCOMPARE(told.update.first().first().toInt(), kA);
    QCOMPARE(told.success.count(), 1);
    QVERIFY(told.failure.isEmpty());
    QCOMPARE(checkedName(p.get()), button);
}

void tst_RadioPages::loadChecks_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("checked");        // any choice, hidden ones included
    QTest::addColumn<QString>("checkedVisible"); // what the user sees

    const struct {
        const char *page, *type, *value, *checked, *visible;
    } rows[] = {
        {"multimedia", "3", "14", "radioButton_ScreenBrightnessLess", "radioButton_ScreenBrightnessLess"},
        {"multimedia", "3", "3", "radioButton_playOrPause", "radioButton_playOrPause"},
        {"multimedia", "3", "7", "", ""},  // the hole
        {"multimedia", "3", "16", "", ""}, // past the end
        {"multimedia", "3", "-1", "", ""},
        {"multimedia", "3", "loud", "radioButton_volAdd", "radioButton_volAdd"}, // read as 0, as downloaded
        {"multimedia", "4", "3", "", ""},  // another type
        {"mouse", "4", "3", "radioButton_mouseScrollUp", "radioButton_mouseScrollUp"},
        {"mouse", "4", "6", "radioButton_Backward", "radioButton_Backward"},
        {"mouse", "4", "7", "radioButton_SniperKey", ""}, // hidden, yet checked
        {"mouse", "4", "8", "", ""},
        {"mouse", "3", "3", "", ""},
        {"shortcuts", "9", "5", "radioButton_Copy", "radioButton_Copy"},
        {"shortcuts", "9", "0", "radioButton_CloseWindow", "radioButton_CloseWindow"},
        {"shortcuts", "9", "11", "radioButton_Save", "radioButton_Save"},
        {"shortcuts", "9", "1", "", ""}, // "Switch windows" is not offered
        {"shortcuts", "9", "12", "", ""},
        {"shortcuts", "x", "5", "", ""}, // a type that is not a number
    };
    for (const auto &r : rows)
        QTest::addRow("%s type %s value %s", r.page, r.type, r.value)
            << QString::fromLatin1(r.page) << QByteArray(r.type) << QByteArray(r.value)
            << QString::fromLatin1(r.checked) << QString::fromLatin1(r.visible);
}

void tst_RadioPages::loadChecks()
{
    QFETCH(QString, page);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(QString, checked);
    QFETCH(QString, checkedVisible);

    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, type.constData(), value.constData()));
    std::unique_ptr<DRadioChoicePage> p = makePage(page);
    p->show();
    KeyPageSignals told(p.get());
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
    p->loadKeyOperateInfo();
    QCOMPARE(checkedName(p.get()), checked);
    QCOMPARE(checkedVisibleName(p.get()), checkedVisible);
    // Loading stores nothing and tells nothing.
    QVERIFY(told.silent());
    QCOMPARE(recordFieldText(Fixture::item(m_files->profilePath(), "1", kA)->value), value);
}

void tst_RadioPages::loadResetsTheEarlierChoice_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("multimedia") << QStringLiteral("multimedia") << QByteArray("3") << QByteArray("9");
    QTest::newRow("mouse") << QStringLiteral("mouse") << QByteArray("4") << QByteArray("1");
    QTest::newRow("mouse, hidden sniper") << QStringLiteral("mouse") << QByteArray("4") << QByteArray("7");
    QTest::newRow("shortcuts") << QStringLiteral("shortcuts") << QByteArray("9") << QByteArray("10");
}

void tst_RadioPages::loadResetsTheEarlierChoice()
{
    QFETCH(QString, page);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);

    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, type.constData(), value.constData()));
    std::unique_ptr<DRadioChoicePage> p = makePage(page);
    p->show();
    DDataManager *data = DDataManager::getInstance();
    data->setClickedKey(kA, QStringLiteral("A"));
    p->loadKeyOperateInfo();
    QVERIFY(p->checkedChoice() != -1);

    // B has no item, then an item of another type: nothing stays checked.
    data->setClickedKey(kB, QStringLiteral("B"));
    p->loadKeyOperateInfo();
    QCOMPARE(checkedName(p.get()), QString());
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kB, "6", "hello"));
    data->setClickedKey(kA, QStringLiteral("A"));
    p->loadKeyOperateInfo();
    data->setClickedKey(kB, QStringLiteral("B"));
    p->loadKeyOperateInfo();
    QCOMPARE(checkedName(p.get()), QString());

    // After the reset the buttons are still exclusive: one click, one checked.
    p->loadKeyOperateInfo();
    clickRadio(p->choiceButton(0));
    clickRadio(p->choiceButton(1));
    QCOMPARE(checkedName(p.get()), p->choiceButton(1)->objectName());
    QCOMPARE(recordFieldText(Fixture::item(m_files->profilePath(), "1", kB)->type), type);
}

void tst_RadioPages::sameChoiceTwiceStoresTwice()
{
    DMultimediaPage page;
    page.show();
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
    page.loadKeyOperateInfo();
    KeyPageSignals told(&page);
    QRadioButton *mute = namedChild<QRadioButton>(&page, "radioButton_mute");
    clickRadio(mute);
    // The item is replaced from outside between the clicks: the second click
    // writes it again.
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "0", "41"));
    clickRadio(mute);
    QVERIFY(mute->isChecked());
    QCOMPARE(told.success.count(), 2);
    QCOMPARE(told.update.count(), 2);
    QCOMPARE(recordFieldText(Fixture::item(m_files->profilePath(), "1", kA)->value), QByteArray("2"));
    QCOMPARE(recordFieldText(Fixture::item(m_files->profilePath(), "1", kA)->type), QByteArray("3"));
}

void tst_RadioPages::failedStoreIsReported()
{
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "4", "0"));
    DMouseKeyPage page;
    page.show();
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
    page.loadKeyOperateInfo();
    KeyPageSignals told(&page);
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::DiskFull);
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_Forward"));
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    QCOMPARE(told.failures(), QList<int>({4, 1}));
    QVERIFY(told.success.isEmpty() && told.update.isEmpty());
    QCOMPARE(recordFieldText(Fixture::item(m_files->profilePath(), "1", kA)->value), QByteArray("0"));

    // Without a selected key nothing is written.
    DDataManager::getInstance()->clearClickedKey();
    page.loadKeyOperateInfo();
    told.clear();
    clickRadio(namedChild<QRadioButton>(&page, "radioButton_Forward"));
    QCOMPARE(told.failures(), QList<int>({10, 0}));
}

void tst_RadioPages::formAndTexts_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("titleText");
    QTest::addColumn<int>("visibleChoices");
    QTest::addColumn<QString>("sampleButton");
    QTest::addColumn<QString>("sampleText");
    QTest::newRow("multimedia") << "multimedia" << "label_6" << "Multimedia" << 15
                                << "radioButton_ScreenBrightnessLess" << "Screen brightness-";
    QTest::newRow("mouse") << "mouse" << "label_7" << "Mouse Key" << 7 << "radioButton_mouseScrollUp"
                           << "Scroll Up";
    QTest::newRow("shortcuts") << "shortcuts" << "label" << "Shortcuts" << 11 << "radioButton_CreateNew" << "New";
}

void tst_RadioPages::formAndTexts()
{
    QFETCH(QString, page);
    QFETCH(QString, title);
    QFETCH(QString, titleText);
    QFETCH(int, visibleChoices);
    QFETCH(QString, sampleButton);
    QFETCH(QString, sampleText);

    std::unique_ptr<DRadioChoicePage> p = makePage(page);
    p->show();
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(p->findChild<QLabel *>(title)->text(), titleText);
        QCOMPARE(p->findChild<QRadioButton *>(sampleButton)->text(), sampleText);
        int visible = 0;
        for (QRadioButton *b : p->findChildren<QRadioButton *>())
            visible += b->isVisible() ? 1 : 0;
        QCOMPARE(visible, visibleChoices);
        // The form's own texts and sheets are replaced, and stay replaced.
        p->updateAllUI();
        p->updateAppTheme();
    }
    QVERIFY(p->styleSheet().contains(QStringLiteral("QRadioButton")));
    QVERIFY(p->findChild<QLabel *>(title)->styleSheet().contains(QStringLiteral("QLabel#") + title));
}

void tst_RadioPages::framesDrawNoBorder_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("theme");
    for (const char *page : {"multimedia", "mouse", "shortcuts", "remap", "combination"})
        for (int theme : {0, 1}) // Dark, Light
            QTest::addRow("%s, theme %d", page, theme) << QString::fromLatin1(page) << theme;
}

void tst_RadioPages::framesDrawNoBorder()
{
    QFETCH(QString, page);
    QFETCH(int, theme);
    DDataManager::getInstance()->loadThemeConfig(theme);
    std::unique_ptr<DKeyFunctionPage> p;
    if (page == QLatin1String("remap"))
        p = std::make_unique<DChangeKeyPage>();
    else if (page == QLatin1String("combination"))
        p = std::make_unique<DKeyCombinationPage>();
    else
        p = makePage(page);
    p->updateAppTheme();
    p->resize(715, 400);
    p->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.get()));

    int frames = 0;
    for (QFrame *frame : p->findChildren<QFrame *>()) {
        // Plain frames of the form only; labels and line edits are frames too.
        if (frame->metaObject() != &QFrame::staticMetaObject || !frame->isVisible())
            continue;
        ++frames;
        // The frame alone, drawn over one background colour: its edges keep it.
        QImage image(frame->size(), QImage::Format_ARGB32);
        const QColor background(1, 2, 3);
        image.fill(background);
        frame->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        for (int x = 0; x < image.width(); ++x)
            for (int y : {0, 1, image.height() - 2, image.height() - 1})
                QVERIFY2(image.pixelColor(x, y) == background, qPrintable(frame->objectName()));
        for (int y = 0; y < image.height(); ++y)
            for (int x : {0, 1, image.width() - 2, image.width() - 1})
                QVERIFY2(image.pixelColor(x, y) == background, qPrintable(frame->objectName()));
    }
    QVERIFY(frames > 0);
    DDataManager::getInstance()->loadThemeConfig(0);
}

QTEST_MAIN(tst_RadioPages)
#include "tst_radiopages.moc"
