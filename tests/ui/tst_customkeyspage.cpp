// The customise-keys page as a host: which page a key's stored type opens,
// what the function buttons do without a key, the heavy-press fallback, the
// key marks after a save or a removal on each layer, which buttons a keyboard
// offers, the messages, the layer buttons, "Download", and a store that
// cannot write. Real profile files in a temporary home.
#include <QtTest>

#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QStackedWidget>

#include <memory>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/ProfileFileFixture.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CustomButton.h"
#include "widgets/ThemeColorText.h"

using lumtar::store::AtomicFileWriter;
using Fixture = ProfileFileFixture;
using Table = CustomKeysPageTable;

namespace {

const int kA = 4, kB = 5;

template <typename T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

// A widget of the host's own form: the function pages use some of its names too.
template <typename T>
T *hostChild(DCustomKeysPage *host, const char *name)
{
    for (T *widget : host->findChildren<T *>(QString::fromLatin1(name))) {
        QObject *up = widget->parent();
        while (up && up != host && !qobject_cast<DKeyFunctionPage *>(up))
            up = up->parent();
        if (up == host)
            return widget;
    }
    return nullptr;
}

QStringList messages(const QSignalSpy &spy)
{
    QStringList texts;
    for (const QList<QVariant> &m : spy)
        texts << m.first().toString();
    return texts;
}

} // namespace

class tst_CustomKeysPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void storedTypeOpensItsPage_data();
    void storedTypeOpensItsPage();
    void functionButtonsWithoutKey();
    void functionButtonOpensItsPageForTheKey();
    void heavyOnlyItemFallback_data();
    void heavyOnlyItemFallback();
    void marksAfterSaveAndRemoval_data();
    void marksAfterSaveAndRemoval();
    void keyNotOnTheViewIsLeftAlone();
    void buttonsTheKeyboardOffers_data();
    void buttonsTheKeyboardOffers();
    void saveMessages();
    void failingStoreKeepsTheItemAndTells();
    void cancelWithoutKey();
    void resetAndLayers();
    void downloadOnce();
    void languageChangeKeepsTheSelectedButton();
    void advancedKeyListChange();

private:
    void pressKey(int code, const QString &name);
    void clickOk(int pageId);

    std::unique_ptr<Fixture> m_files;
    std::unique_ptr<DCustomKeysPage> m_host;
    std::unique_ptr<QWidget> m_view;
    keyboardButCustom *m_keyA = nullptr;
};

// One host serves every test (building one takes a while under the
// sanitizers); each test starts from its reset. Tests that need a host that
// never showed a page build their own.
void tst_CustomKeysPage::initTestCase()
{
    m_host.reset(new DCustomKeysPage);
}

void tst_CustomKeysPage::cleanupTestCase()
{
    m_host.reset();
}

void tst_CustomKeysPage::init()
{
    m_files.reset(new Fixture);
    QVERIFY(m_files->isValid());
    DDataManager *data = DDataManager::getInstance();

    // The keyboard view shows key A only.
    m_view.reset(new QWidget);
    m_keyA = new keyboardButCustom(m_view.get());
    m_keyA->setKeyInfo(kA, QStringLiteral("A"));
    data->setKeyButtonMap({{kA, m_keyA}});
    data->setKeyButtonList({m_keyA});

    m_host->setCurrentProfileIndex(1);
    m_host->setXmlProfilePath(m_files->profilePath().constData());
    m_host->stopDownloadingAnimation();
    m_host->initCustomKeysStatus(0);
}

void tst_CustomKeysPage::cleanup()
{
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    DDataManager::getInstance()->setKeyButtonMap({});
    DDataManager::getInstance()->setKeyButtonList({});
    m_view.reset();
    m_files.reset();
}

void tst_CustomKeysPage::pressKey(int code, const QString &name)
{
    DDataManager::getInstance()->setClickedKey(code, name);
}

void tst_CustomKeysPage::clickOk(int pageId)
{
    QTest::mouseClick(child<QPushButton>(m_host->functionPage(pageId), "pushButton_OK"), Qt::LeftButton);
}

void tst_CustomKeysPage::storedTypeOpensItsPage_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("operateCode");

    const QList<int> pageOfType = {2,  1,  7,  6,  3,  5,  4,  10, 8,  9,  0,  0,  0,  0,  0,  0,
                                   0,  0,  0,  19, 20, 20, 20, 20, 20, 20, 20, 20, 0,  0,  30, 30,
                                   30, 30, 30, 0,  0,  0,  0,  0,  40, 0,  0,  0,  0,  45, 45, 0};
    for (int type = 0; type < pageOfType.size(); ++type) {
        const int page = pageOfType.at(type);
        QTest::addRow("type %d", type) << QByteArray::number(type) << page << Table::page(page)->operateCode;
    }
    QTest::newRow("type 99") << QByteArray("99") << 0 << 10;
    QTest::newRow("type not a number") << QByteArray("x") << 0 << 10;
}

void tst_CustomKeysPage::storedTypeOpensItsPage()
{
    QFETCH(QByteArray, type);
    QFETCH(int, page);
    QFETCH(int, operateCode);
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, type, "1"));
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kB, "0", "41"));
    QSignalSpy autoInto(m_host.get(), &DCustomKeysPage::sigAutoIntoCustomKeysPage);

    // First key B (a remap), then key A: the page shown holds A, whatever it is.
    pressKey(kB, QStringLiteral("B"));
    QCOMPARE(m_host->currentPageId(), int(Table::RemapKeyPage));
    pressKey(kA, QStringLiteral("A"));

    QCOMPARE(autoInto.count(), 2);
    QCOMPARE(hostChild<QLabel>(m_host.get(), "label_KeyChar")->text(), QStringLiteral("A"));
    QCOMPARE(m_host->currentPageId(), page);
    QCOMPARE(m_host->operateCode(), operateCode);
    QCOMPARE(m_host->shownFunctionPage(), m_host->functionPage(page));
    QCOMPARE(m_host->shownFunctionPage()->keyItem().keyCode(), kA);
    QVERIFY(m_host->functionButton(page)->isChecked());
    QVERIFY(m_host->functionButton(page)->isSelected());
    for (const Table::Page &other : Table::pages())
        if (other.id != page)
            QVERIFY(!m_host->functionButton(other.id)->isSelected());
    // The Disable and Switch Profile pages open although their buttons never show.
    QVERIFY(m_host->functionButton(Table::DisablePage)->isHidden());
    QVERIFY(m_host->functionButton(Table::SwitchProfilePage)->isHidden());
    if (page == Table::DefaultPage)
        QCOMPARE(child<QLabel>(m_host->functionPage(page), "label_KeyChar")->text(), QStringLiteral("A"));
}

void tst_CustomKeysPage::functionButtonsWithoutKey()
{
    DCustomKeysPage host; // no page opened yet
    QSignalSpy told(&host, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
    auto *stack = hostChild<QStackedWidget>(&host, "stackedWidget_Customize");
    for (const Table::Page &page : Table::pages()) {
        stack->setCurrentIndex(3);
        host.onCurIndexChanged_Key(page.id);
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_Default"));
        QVERIFY(host.functionButton(Table::DefaultPage)->isChecked());
        QCOMPARE(host.currentPageId(), -1);
    }
    // A click on a shown button does the same.
    QTest::mouseClick(host.functionButton(Table::MousePage), Qt::LeftButton);
    QCOMPARE(messages(told), QStringList(QVector<QString>(17, QStringLiteral("Please select one Key first")).toList()));
    QVERIFY(host.functionButton(Table::DefaultPage)->isChecked());
}

void tst_CustomKeysPage::functionButtonOpensItsPageForTheKey()
{
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "3", "2"));
    pressKey(kA, QStringLiteral("A"));
    QCOMPARE(m_host->currentPageId(), int(Table::MultimediaPage));
    QTest::mouseClick(m_host->functionButton(Table::MousePage), Qt::LeftButton);
    QCOMPARE(m_host->currentPageId(), int(Table::MousePage));
    QCOMPARE(m_host->operateCode(), 4);
    QCOMPARE(m_host->shownFunctionPage()->keyItem().keyCode(), kA);
    // The page of another type loaded the key's item without touching it.
    QVERIFY(m_host->shownFunctionPage()->storedItem());
    QCOMPARE(Fixture::keyCodes(m_files->profilePath(), "1"), QList<int>{kA});
    // The button of the page shown loads it again.
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "4", "1"));
    QTest::mouseClick(m_host->functionButton(Table::MousePage), Qt::LeftButton);
    QCOMPARE(KeyItemIO::fieldNumber(m_host->shownFunctionPage()->storedItem()->type), 4);
}

void tst_CustomKeysPage::heavyOnlyItemFallback_data()
{
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<int>("page");
    QTest::newRow("magnetic") << true << int(Table::RemapKeyPage);
    QTest::newRow("not magnetic") << false << int(Table::DefaultPage);
}

void tst_CustomKeysPage::heavyOnlyItemFallback()
{
    QFETCH(bool, magnetic);
    QFETCH(int, page);
    DDataManager::getInstance()->setMagneticKeyboard(magnetic);
    QVERIFY(Fixture::bind(m_files->heavyPath(), "1", kA, "0", "41"));
    pressKey(kA, QStringLiteral("A"));
    QCOMPARE(m_host->currentPageId(), page);
}

void tst_CustomKeysPage::marksAfterSaveAndRemoval_data()
{
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<bool>("defaultLayer");
    QTest::addColumn<bool>("heavyItem");
    QTest::addColumn<bool>("greenMark");        // after Disable's OK
    QTest::addColumn<bool>("markedAfterReset"); // after Default's OK

    QTest::newRow("plain keyboard") << false << true << true << false << false;
    QTest::newRow("magnetic, default layer") << true << true << false << false << false;
    QTest::newRow("magnetic, default layer, heavy item") << true << true << true << true << true;
    QTest::newRow("magnetic, Fn layer, heavy item") << true << false << true << false << false;
}

void tst_CustomKeysPage::marksAfterSaveAndRemoval()
{
    QFETCH(bool, magnetic);
    QFETCH(bool, defaultLayer);
    QFETCH(bool, heavyItem);
    QFETCH(bool, greenMark);
    QFETCH(bool, markedAfterReset);
    DDataManager *data = DDataManager::getInstance();
    data->setMagneticKeyboard(magnetic);
    data->setHeavyPressLayerEnabled(defaultLayer);
    if (heavyItem)
        QVERIFY(Fixture::bind(m_files->heavyPath(), "1", kA, "0", "41"));
    data->loadThemeConfig(0);
    const QColor theme = themeRgb(data->themeColor().TextCheckedColor, 255);
    const QColor green = data->customizedKeyMarkColor();

    pressKey(kA, QStringLiteral("A"));
    m_host->onCurIndexChanged_Key(Table::DisablePage);
    clickOk(Table::DisablePage);
    QVERIFY(m_keyA->isMarked());
    QCOMPARE(m_keyA->outlinePlan().first().border.rgb(), (greenMark ? green : theme).rgb());

    m_host->onCurIndexChanged_Key(Table::DefaultPage);
    clickOk(Table::DefaultPage);
    QVERIFY(Fixture::keyCodes(m_files->profilePath(), "1").isEmpty());
    QCOMPARE(m_keyA->isMarked(), markedAfterReset);
}

void tst_CustomKeysPage::keyNotOnTheViewIsLeftAlone()
{
    pressKey(kB, QStringLiteral("B"));
    m_host->onCurIndexChanged_Key(Table::DisablePage);
    clickOk(Table::DisablePage);
    QCOMPARE(Fixture::keyCodes(m_files->profilePath(), "1"), QList<int>{kB});
    QVERIFY(!m_keyA->isMarked());
}

void tst_CustomKeysPage::buttonsTheKeyboardOffers_data()
{
    QTest::addColumn<bool>("sideLight");
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<int>("gamePadMode");
    for (bool side : {false, true})
        for (bool magnetic : {false, true})
            for (int mode : {-1, 0, 1, 2})
                QTest::addRow("side %d magnetic %d gamepad %d", side, magnetic, mode) << side << magnetic << mode;
}

void tst_CustomKeysPage::buttonsTheKeyboardOffers()
{
    QFETCH(bool, sideLight);
    QFETCH(bool, magnetic);
    QFETCH(int, gamePadMode);
    DDataManager *data = DDataManager::getInstance();
    data->setHasSideLight(sideLight);
    data->setMagneticKeyboard(magnetic);
    data->setGamePadMode(gamePadMode);

    m_host->showDefaultFunctionPage();
    m_host->initCustomKeysStatus(0);

    QCOMPARE(!m_host->functionButton(Table::SideLightPage)->isHidden(), sideLight);
    QCOMPARE(!m_host->functionButton(Table::SeniorKeysPage)->isHidden(), magnetic);
    QCOMPARE(!m_host->functionButton(Table::GamePadPage)->isHidden(), gamePadMode == 1 || gamePadMode == 2);
    QVERIFY(m_host->functionButton(Table::DisablePage)->isHidden());
    QVERIFY(m_host->functionButton(Table::SwitchProfilePage)->isHidden());
    for (int always : {0, 1, 2, 3, 4, 6, 7, 8, 9, 19, 20})
        QVERIFY(!m_host->functionButton(always)->isHidden());
    QCOMPARE(m_host->operateCode(), 10);
    QCOMPARE(m_host->shownFunctionPage(), m_host->functionPage(Table::DefaultPage));
}

void tst_CustomKeysPage::saveMessages()
{
    QSignalSpy told(m_host.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
    for (const Table::Page &page : Table::pages())
        emit m_host->functionPage(page.id)->sigCustomKeyInfoSaveSuccessful();
    // A remap and a key combination are stored without a message.
    QCOMPARE(messages(told), QStringList(QVector<QString>(14, QStringLiteral("Operate successful")).toList()));

    told.clear();
    emit m_host->functionPage(Table::TextPage)->sigCustomKeyInfoSaveFailed(6, 0);
    emit m_host->functionPage(Table::DefaultPage)->sigCustomKeyInfoSaveFailed(10, 0);
    emit m_host->functionPage(Table::MacroPage)->sigCustomKeyInfoSaveFailed(1, 1);
    emit m_host->functionPage(Table::RemapKeyPage)->sigCustomKeyInfoSaveFailed(0, 1);
    emit m_host->functionPage(Table::TextPage)->sigCustomKeyInfoSaveFailed(6, 7);
    QCOMPARE(messages(told), QStringList({QStringLiteral("Setting failed because the text is empty"),
                                          QStringLiteral("Please select one Key first"),
                                          QStringLiteral("Setting failed, the profile could not be written"),
                                          QStringLiteral("Setting failed, the profile could not be written"),
                                          QStringLiteral("Unknow")}));
}

void tst_CustomKeysPage::failingStoreKeepsTheItemAndTells()
{
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "1", "3"));
    QVERIFY(Fixture::addMacroCopy(m_files->profilePath(), "1", 3));
    pressKey(kA, QStringLiteral("A"));
    QSignalSpy told(m_host.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);

    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::DiskFull);
    m_host->onCurIndexChanged_Key(Table::DisablePage);
    clickOk(Table::DisablePage);
    m_host->onCurIndexChanged_Key(Table::DefaultPage);
    clickOk(Table::DefaultPage);
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);

    QCOMPARE(messages(told), QStringList({QStringLiteral("Setting failed, the profile could not be written"),
                                          QStringLiteral("Setting failed, the profile could not be written")}));
    QVERIFY(!m_keyA->isMarked()); // the mark stays as it was
    const std::optional<KeyOperateInfoStu> item = Fixture::item(m_files->profilePath(), "1", kA);
    QVERIFY(item);
    QCOMPARE(QByteArray(item->type), QByteArray("1"));
    QVERIFY(Fixture::hasMacroCopy(m_files->profilePath(), "1", 3));

    // Once the disk takes it again, so does the page.
    clickOk(Table::DefaultPage);
    QCOMPARE(told.last().first().toString(), QStringLiteral("Operate successful"));
    QVERIFY(Fixture::keyCodes(m_files->profilePath(), "1").isEmpty());
    QVERIFY(!Fixture::hasMacroCopy(m_files->profilePath(), "1", 3));
}

void tst_CustomKeysPage::cancelWithoutKey()
{
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "5", "-1"));
    pressKey(kA, QStringLiteral("A"));
    QCOMPARE(m_host->currentPageId(), int(Table::DisablePage));
    DDataManager::getInstance()->clearClickedKey();
    QSignalSpy told(m_host.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);

    QTest::mouseClick(child<QPushButton>(m_host->functionPage(Table::DisablePage), "pushButton_Cancel"),
                      Qt::LeftButton);
    QVERIFY(told.isEmpty());
    QCOMPARE(m_host->currentPageId(), int(Table::DefaultPage));
    QCOMPARE(m_host->shownFunctionPage(), m_host->functionPage(Table::DefaultPage));
    QVERIFY(m_host->functionButton(Table::DefaultPage)->isChecked());
    QCOMPARE(Fixture::keyCodes(m_files->profilePath(), "1"), QList<int>{kA});
}

void tst_CustomKeysPage::resetAndLayers()
{
    pressKey(kA, QStringLiteral("A"));
    QSignalSpy layer(m_host.get(), &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch);
    auto *fnLayer = hostChild<QPushButton>(m_host.get(), "pushButton_FnLayer");
    auto *defaultLayer = hostChild<QPushButton>(m_host.get(), "pushButton_DefaultLayer");
    QVERIFY(defaultLayer->isChecked());
    QTest::mouseClick(fnLayer, Qt::LeftButton);
    QCOMPARE(layer.count(), 1);
    QCOMPARE(layer.first().first().toInt(), 1);
    QVERIFY(fnLayer->isChecked() && !defaultLayer->isChecked());

    m_host->initCustomKeysStatus(0);
    QVERIFY(defaultLayer->isChecked());
    QCOMPARE(hostChild<QLabel>(m_host.get(), "label_KeyChar")->text(), QStringLiteral("NULL"));
    QCOMPARE(DDataManager::getInstance()->clickedKeyCode(), -1);
    QVERIFY(DDataManager::getInstance()->clickedKeyChar().isEmpty());
    QCOMPARE(child<QLabel>(m_host->functionPage(Table::DefaultPage), "label_KeyChar")->text(),
             QStringLiteral("NULL"));
    QCOMPARE(m_host->shownFunctionPage(), m_host->functionPage(Table::DefaultPage));
    m_host->initCustomKeysStatus(1);
    QVERIFY(fnLayer->isChecked());
    m_host->initCustomKeysStatus(-1); // no layer yet: the buttons stay
    QVERIFY(fnLayer->isChecked());
    QCOMPARE(layer.count(), 1);
}

void tst_CustomKeysPage::downloadOnce()
{
    QSignalSpy download(m_host.get(), &DCustomKeysPage::sigTheKeyboardIntoDownloading);
    auto *button = hostChild<QPushButton>(m_host.get(), "pushButton_Download");
    auto *loading = hostChild<QLabel>(m_host.get(), "label_Loading");
    QVERIFY(loading->isHidden());
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(download.count(), 1);
    QVERIFY(m_host->isDownloading());
    QVERIFY(!loading->isHidden());
    QVERIFY(loading->movie() && loading->movie()->state() == QMovie::Running);

    m_host->stopDownloadingAnimation();
    QVERIFY(loading->isHidden());
    QVERIFY(!m_host->isDownloading());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(download.count(), 2);
    m_host->stopDownloadingAnimation();
}

void tst_CustomKeysPage::languageChangeKeepsTheSelectedButton()
{
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "23", "1"));
    pressKey(kA, QStringLiteral("A"));
    QCOMPARE(m_host->currentPageId(), int(Table::KeyboardLightPage));
    m_host->updateAllUI();
    QVERIFY(m_host->functionButton(Table::KeyboardLightPage)->isSelected());
    QCOMPARE(m_host->functionButton(Table::KeyboardLightPage)->caption(), QStringLiteral("Keyboard Light"));
    QCOMPARE(hostChild<QLabel>(m_host.get(), "label_KeyChar")->text(), QStringLiteral("A"));
    QCOMPARE(hostChild<QPushButton>(m_host.get(), "pushButton_FnLayer")->text(), QStringLiteral("FN layer"));
}

void tst_CustomKeysPage::advancedKeyListChange()
{
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "40", "1"));
    pressKey(kA, QStringLiteral("A"));
    DKeyFunctionPage *advanced = m_host->functionPage(Table::SeniorKeysPage);
    QCOMPARE(m_host->shownFunctionPage(), advanced);

    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "40", "2"));
    DDataManager::getInstance()->emitSeniorKeysListItemHaveChanged();
    QCOMPARE(QByteArray(advanced->storedItem()->value), QByteArray("2"));

    // Another page shown: the list change reloads nothing.
    m_host->onCurIndexChanged_Key(Table::MousePage);
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "40", "3"));
    DDataManager::getInstance()->emitSeniorKeysListItemHaveChanged();
    QCOMPARE(QByteArray(advanced->storedItem()->value), QByteArray("2"));
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    CLumtarXML_Init();
    tst_CustomKeysPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_customkeyspage.moc"
