// The advanced-key editor offscreen on a real store: which record a reload
// shows, creating and deleting (ids never come back, forty at most), key
// slots filled by single keys and combinations and emptied by right clicks,
// grid, trigger-point and hold-duration edits stored at once, the help
// popup, a store that cannot be read or written, every way of closing, and
// the editor going with its trigger-point popup open.
#include <QtTest>

#include <QButtonGroup>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstring>
#include <fstream>
#include <list>
#include <memory>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "support/TempHome.h"
#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/seniorKeys/KeyCaptionView.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "widgets/ArrowWidget.h"
#include "widgets/CbNotice.h"
#include "widgets/MySlider.h"

namespace {

SeniorKeyInfoStu record(int id, int kind)
{
    return SeniorKeyRecord::newRecord(id, kind);
}

} // namespace

class tst_SeniorKeysPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void emptyStore();
    void reloadShows_data();
    void reloadShows();
    void createKinds_data();
    void createKinds();
    void idsNeverComeBack();
    void kindChoiceKeepsShownRecord();
    void fortyAtMost();
    void singleKeyIntoSlot();
    void combinationIntoSlot();
    void mtSlotsAndRightClicks();
    void tglKey();
    void rightClickAwayFromButtons();
    void storeCannotBeRead();
    void closePaths_data();
    void closePaths();
    void gridEditsStored();
    void triggerPoints();
    void holdDuration();
    void helpPopup();
    void refusedWrites_data();
    void refusedWrites();
    void goneWithTriggerPopupOpen_data();
    void goneWithTriggerPopupOpen();

private:
    void useStore(const QList<SeniorKeyInfoStu> &records);
    DSeniorKeysPage *openPage();
    std::list<SeniorKeyInfoStu> stored() const;
    SeniorKeyInfoStu stored(int id) const;
    template <typename T>
    T *child(const char *name) const
    {
        return m_page->findChild<T *>(QLatin1String(name));
    }
    void pick(int code) const;
    void hover(QWidget *button, bool enter) const;
    QString buttonCaption(const char *name) const { return KeyCaptionView::caption(child<QToolButton>(name)); }
    QString rowCaption(int id, int slot) const;
    QString noticeText() const { return m_page->findChild<CbNotice *>()->text(); }

    std::unique_ptr<TempHome> m_home;
    QByteArray m_path;
    int m_no = 0;
    QPointer<DSeniorKeysPage> m_page;
};

void tst_SeniorKeysPage::initTestCase()
{
    m_home = std::make_unique<TempHome>();
    DDataManager::getInstance()->loadThemeConfig(0);
}

void tst_SeniorKeysPage::cleanup()
{
    delete m_page.data();
}

void tst_SeniorKeysPage::useStore(const QList<SeniorKeyInfoStu> &records)
{
    m_path = QFile::encodeName(m_home->path() + QStringLiteral("/SeniorKeyConfig%1.xml").arg(++m_no));
    QVERIFY(CLumtarXML_SeniorKey_CreateXMLFile(m_path.constData()));
    QVERIFY(CLumtarXML_SeniorKey_CreateProFileXmlParentNode(m_path.constData()));
    for (const SeniorKeyInfoStu &r : records)
        QVERIFY(CLumtarXML_SeniorKey_AddInfoItem(m_path.constData(), r.kind, r));
    QVERIFY(DDataManager::getInstance()->setSeniorKeyXmlPath(m_path.constData()));
}

DSeniorKeysPage *tst_SeniorKeysPage::openPage()
{
    m_page = new DSeniorKeysPage;
    m_page->show();
    // The grid, the picker and the list come 200 ms after the dialog.
    if (!QTest::qWaitFor([this] { return m_page->allKeysPage() != nullptr; }, 5000))
        return nullptr;
    return m_page;
}

std::list<SeniorKeyInfoStu> tst_SeniorKeysPage::stored() const
{
    std::list<SeniorKeyInfoStu> records;
    CLumtarXML_SeniorKey_SelectAllInfoItem(m_path.constData(), &records);
    return records;
}

SeniorKeyInfoStu tst_SeniorKeysPage::stored(int id) const
{
    for (const SeniorKeyInfoStu &r : stored())
        if (r.id == id)
            return r;
    return SeniorKeyInfoStu{};
}

void tst_SeniorKeysPage::pick(int code) const
{
    for (DAllKeysItemKey *b : m_page->allKeysPage()->findChildren<DAllKeysItemKey *>()) {
        if (b->keyCode() == code) {
            b->click();
            return;
        }
    }
    QFAIL("no such key in the picker");
}

void tst_SeniorKeysPage::hover(QWidget *button, bool enter) const
{
    QEvent event(enter ? QEvent::Enter : QEvent::Leave);
    QCoreApplication::sendEvent(button, &event);
}

QString tst_SeniorKeysPage::rowCaption(int id, int slot) const
{
    DSeniorKeyEventListItem *row = m_page->rowOf(id);
    if (!row)
        return QStringLiteral("<no row>");
    return KeyCaptionView::caption(row->findChild<QLabel *>(QStringLiteral("label_SeniorKey0%1").arg(slot)));
}

void tst_SeniorKeysPage::emptyStore()
{
    useStore({});
    QVERIFY(openPage());
    QCOMPARE(child<QStackedWidget>("stackedWidget_Left")->currentWidget(), child<QWidget>("page_EmptyTipAll"));
    QCOMPARE(child<QLabel>("label_TipInfo")->text(), QStringLiteral("Senior keys is empty"));
    QCOMPARE(child<QLabel>("label_EventTotalNum")->text(), QStringLiteral("0/40"));
    QVERIFY(child<QLabel>("label_EventTotalNum")->isVisible());
    QVERIFY(!m_page->isRecordShown());
    QCOMPARE(m_page->size(), QSize(930, 650));

    // Picks and releases while nothing is shown change nothing.
    pick(4);
    QVERIFY(stored().empty());
}

void tst_SeniorKeysPage::reloadShows_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("select");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("notice");
    QTest::newRow("first load") << "load" << 0 << 0 << 2 << "3/40" << "";
    QTest::newRow("create") << "create" << 5 << 0 << 10 << "4/40" << "Create senior keys successful";
    QTest::newRow("deleting the shown one") << "delete" << 5 << 5 << 2 << "2/40" << "Delete senior keys successful";
    QTest::newRow("deleting another") << "delete" << 5 << 9 << 5 << "2/40" << "Delete senior keys successful";
    QTest::newRow("deleting the lowest") << "delete" << 9 << 2 << 9 << "2/40" << "Delete senior keys successful";
}

void tst_SeniorKeysPage::reloadShows()
{
    QFETCH(QString, action);
    QFETCH(int, select);
    QFETCH(int, target);
    useStore({record(2, 1), record(5, 2), record(9, 3)});
    QVERIFY(openPage());
    if (select) {
        QTest::mouseClick(m_page->rowOf(select), Qt::RightButton); // any button selects
        QCOMPARE(m_page->currentRecord().id, select);
    }
    if (action == QLatin1String("create"))
        child<QPushButton>("pushButton_NewCreate")->click();
    else if (action == QLatin1String("delete"))
        m_page->rowOf(target)->findChild<QPushButton *>(QStringLiteral("pushButton_DeleteEvent"))->click();

    QTEST(m_page->currentRecord().id, "shown");
    QFETCH(int, shown);
    QVERIFY(m_page->isRecordShown());
    QVERIFY(m_page->rowOf(shown));
    QTEST(child<QLabel>("label_EventTotalNum")->text(), "counter");
    QTEST(noticeText(), "notice");
    if (action == QLatin1String("delete"))
        QVERIFY(!m_page->rowOf(target));
    // The rows stack from the top in id order, above the trailing spacer.
    QWidget *content = child<QWidget>("scrollAreaWidgetContents_2");
    auto *layout = qobject_cast<QVBoxLayout *>(content->layout());
    QVERIFY(layout->itemAt(layout->count() - 1)->spacerItem());
    QCOMPARE(layout->count() - 1, child<QLabel>("label_EventTotalNum")->text().section('/', 0, 0).toInt());
}

void tst_SeniorKeysPage::createKinds_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");
    QTest::newRow("DKS") << "radioButton_DKS" << "DKS1" << "page_DKS";
    QTest::newRow("MT") << "radioButton_MT" << "MT1" << "page_MT";
    QTest::newRow("TGL") << "radioButton_TGL" << "TGL1" << "page_TGL";
}

void tst_SeniorKeysPage::createKinds()
{
    QFETCH(QString, radio);
    useStore({});
    QVERIFY(openPage());
    QTest::mouseClick(m_page->findChild<QRadioButton *>(radio), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("pushButton_NewCreate"), Qt::LeftButton);
    QCOMPARE(stored().size(), size_t(1));
    QTEST(SeniorKeyRecord::name(stored(1)), "name");
    QTEST(SeniorKeyRecord::name(m_page->currentRecord()), "name");
    QCOMPARE(child<QStackedWidget>("stackedWidget_Left")->currentWidget(), child<QWidget>("page_SeniorKesOperate"));
    QTEST(child<QStackedWidget>("stackedWidget_2")->currentWidget()->objectName(), "page");
    QCOMPARE(child<QLabel>("label_EventTotalNum")->text(), QStringLiteral("1/40"));
    QCOMPARE(m_page->rowOf(1)->findChild<QLabel *>(QStringLiteral("label_Type"))->text(),
             SeniorKeyRecord::name(stored(1)));

    if (radio == QLatin1String("radioButton_DKS")) {
        QVERIFY(child<QLabel>("label_Stroke01")->text().contains(QLatin1String(">1.5mm</a>")));
        QCOMPARE(child<QLabel>("label_Stroke02")->text(), QStringLiteral("3.6mm"));
        QCOMPARE(child<QLabel>("label_Stroke03")->text(), QStringLiteral("3.6mm"));
        QVERIFY(child<QLabel>("label_Stroke04")->text().contains(QLatin1String(">1.5mm</a>")));
        QVERIFY(child<QToolButton>("toolButton_SeniorKey01")->isChecked());
    } else if (radio == QLatin1String("radioButton_MT")) {
        QCOMPARE(child<MySlider>("horizontalSlider_HoldDuration")->value(), 15);
        QCOMPARE(child<QLabel>("label_HoldDuration")->text(), QStringLiteral("150ms"));
    }
}

void tst_SeniorKeysPage::idsNeverComeBack()
{
    useStore({record(1, 1), record(2, 1), record(3, 1)});
    QVERIFY(openPage());
    m_page->rowOf(3)->findChild<QPushButton *>(QStringLiteral("pushButton_DeleteEvent"))->click();
    child<QPushButton>("pushButton_NewCreate")->click();
    QCOMPARE(m_page->currentRecord().id, 4);
    QCOMPARE(SeniorKeyRecord::name(stored(4)), QStringLiteral("DKS4"));
    QVERIFY(stored(3).id == 0);
}

void tst_SeniorKeysPage::kindChoiceKeepsShownRecord()
{
    useStore({record(1, 2)});
    QVERIFY(openPage());
    QTest::mouseClick(child<QRadioButton>("radioButton_TGL"), Qt::LeftButton);
    QCOMPARE(m_page->currentRecord().kind, 2);
    QCOMPARE(child<QStackedWidget>("stackedWidget_2")->currentWidget(), child<QWidget>("page_MT"));
    child<QPushButton>("pushButton_NewCreate")->click();
    QCOMPARE(stored(2).kind, 3);
}

void tst_SeniorKeysPage::fortyAtMost()
{
    QList<SeniorKeyInfoStu> forty;
    for (int id = 1; id <= 40; ++id)
        forty << record(id, 1 + id % 3);
    useStore(forty);
    QVERIFY(openPage());
    QCOMPARE(child<QLabel>("label_EventTotalNum")->text(), QStringLiteral("40/40"));
    child<QPushButton>("pushButton_NewCreate")->click();
    QCOMPARE(noticeText(), QStringLiteral("The number of senior keys has reached the maximum"));
    QCOMPARE(stored().size(), size_t(40));
    QCOMPARE(m_page->currentRecord().id, 1);
}

void tst_SeniorKeysPage::singleKeyIntoSlot()
{
    useStore({record(1, 1)});
    QVERIFY(openPage());
    QTest::mouseClick(child<QToolButton>("toolButton_SeniorKey03"), Qt::LeftButton);
    pick(4);
    QCOMPARE(buttonCaption("toolButton_SeniorKey03"), QStringLiteral("A"));
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 3), QByteArray("4"));
    QCOMPARE(rowCaption(1, 3), QStringLiteral("A"));
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 1), QByteArray());

    // A modifier picked as a single key shows the picker's caption.
    QTest::mouseClick(child<QToolButton>("toolButton_SeniorKey01"), Qt::LeftButton);
    pick(224);
    QCOMPARE(buttonCaption("toolButton_SeniorKey01"), QStringLiteral("L_Ctrl"));
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 1), QByteArray("224"));
}

void tst_SeniorKeysPage::combinationIntoSlot()
{
    useStore({record(1, 1)});
    QVERIFY(openPage());
    QTest::mouseClick(child<QToolButton>("toolButton_SeniorKey02"), Qt::LeftButton);
    QTest::mouseClick(child<QRadioButton>("radioButton_CombinationKeys"), Qt::LeftButton);
    pick(224);
    QCOMPARE(buttonCaption("toolButton_SeniorKey02"), QStringLiteral("L_CTRL"));
    pick(225);
    QCOMPARE(buttonCaption("toolButton_SeniorKey02"), QStringLiteral("L_CTRL+L_SHIFT"));
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 2), QByteArray());
    pick(5);
    QCOMPARE(buttonCaption("toolButton_SeniorKey02"), QStringLiteral("L_CTRL+L_SHIFT+B"));
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 2), QByteArray("3,5"));
    QCOMPARE(rowCaption(1, 2), QStringLiteral("L_CTRL+L_SHIFT+B"));
    QCOMPARE(child<QToolButton>("toolButton_SeniorKey02")->toolTip(), QStringLiteral("L_CTRL+L_SHIFT+B"));

    // A recording goes on across a change of slot.
    pick(226);
    QTest::mouseClick(child<QToolButton>("toolButton_SeniorKey04"), Qt::LeftButton);
    pick(4);
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 4), QByteArray("4,4"));
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 2), QByteArray("3,5"));
}

void tst_SeniorKeysPage::mtSlotsAndRightClicks()
{
    SeniorKeyInfoStu mt = record(1, 2);
    SeniorKeyRecord::setSlotText(&mt, 1, "6");
    useStore({mt});
    QVERIFY(openPage());
    QCOMPARE(buttonCaption("toolButton_HoldKey"), QStringLiteral("C"));
    QTest::mouseClick(child<QToolButton>("toolButton_ClickKey"), Qt::LeftButton);
    pick(4);
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 2), QByteArray("4"));
    QCOMPARE(buttonCaption("toolButton_ClickKey"), QStringLiteral("A"));
    QCOMPARE(rowCaption(1, 2), QStringLiteral("A"));

    // A right click on Hold empties slot 1 though Click is chosen.
    QToolButton *holdButton = child<QToolButton>("toolButton_HoldKey");
    hover(holdButton, true);
    QTest::mousePress(holdButton, Qt::RightButton);
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 1), QByteArray());
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 2), QByteArray("4"));
    QCOMPARE(buttonCaption("toolButton_HoldKey"), QString());
    QCOMPARE(rowCaption(1, 1), QString());
    QVERIFY(child<QToolButton>("toolButton_ClickKey")->isChecked());
    hover(holdButton, false);
}

void tst_SeniorKeysPage::tglKey()
{
    SeniorKeyInfoStu tgl = record(1, 3);
    SeniorKeyRecord::setSlotText(&tgl, 1, "4");
    useStore({tgl});
    QVERIFY(openPage());
    // Not assigned: the key is not shown, though slot 1 holds one.
    QCOMPARE(buttonCaption("toolButton_TglKey"), QString());
    QCOMPARE(rowCaption(1, 1), QString());

    pick(5);
    QCOMPARE(stored(1).toggleAssigned, 1);
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 1), QByteArray("5"));
    QCOMPARE(buttonCaption("toolButton_TglKey"), QStringLiteral("B"));
    QCOMPARE(rowCaption(1, 1), QStringLiteral("B"));

    QToolButton *button = child<QToolButton>("toolButton_TglKey");
    hover(button, true);
    QTest::mousePress(button, Qt::RightButton);
    QCOMPARE(stored(1).toggleAssigned, 0);
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 1), QByteArray());
    QCOMPARE(buttonCaption("toolButton_TglKey"), QString());
}

void tst_SeniorKeysPage::rightClickAwayFromButtons()
{
    SeniorKeyInfoStu dks = record(1, 1);
    SeniorKeyRecord::setSlotText(&dks, 1, "4");
    useStore({dks});
    QVERIFY(openPage());
    QToolButton *button = child<QToolButton>("toolButton_SeniorKey01");
    hover(button, true);
    hover(button, false);
    QTest::mousePress(m_page, Qt::RightButton, Qt::NoModifier, QPoint(5, 300));
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 1), QByteArray("4"));
    // A left press on the hovered button only chooses it.
    hover(button, true);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(SeniorKeyRecord::slotText(stored(1), 1), QByteArray("4"));
}

void tst_SeniorKeysPage::storeCannotBeRead()
{
    useStore({});
    std::ofstream(m_path.constData(), std::ios::trunc) << "<lumtarStore version=\"1\"><seniorKeys";
    QVERIFY(openPage());
    QCOMPARE(child<QLabel>("label_EventTotalNum")->text(), QStringLiteral("0/40"));
    QVERIFY(!m_page->isRecordShown());
    QVERIFY(!m_page->rowOf(1));
    pick(4);
    child<QPushButton>("pushButton_NewCreate")->click();
    QCOMPARE(noticeText(), QStringLiteral("Create senior keys failed"));
    child<MySlider>("horizontalSlider_HoldDuration")->setValue(40);
    emit child<MySlider>("horizontalSlider_HoldDuration")->sliderReleased();
    QTest::mouseClick(m_page->dksShowWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
    std::ifstream in(m_path.constData());
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    QCOMPARE(QByteArray::fromStdString(text), QByteArray("<lumtarStore version=\"1\"><seniorKeys"));
}

void tst_SeniorKeysPage::closePaths_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("events");
    const QStringList both = {"records changed", "closed"};
    const QStringList closeOnly = {"closed"};
    for (const char *how : {"button", "Esc", "window close"}) {
        QTest::addRow("%s, nothing", how) << how << "nothing" << closeOnly;
        QTest::addRow("%s, edit", how) << how << "edit" << closeOnly;
        QTest::addRow("%s, create", how) << how << "create" << both;
        QTest::addRow("%s, delete", how) << how << "delete" << both;
    }
}

void tst_SeniorKeysPage::closePaths()
{
    QFETCH(QString, how);
    QFETCH(QString, change);
    useStore({record(1, 1), record(2, 2)});
    QVERIFY(openPage());
    QStringList events;
    QMetaObject::Connection hub = connect(DDataManager::getInstance(), &DDataManager::sigSeniorKeysListItemHaveChanged,
                                          this, [&events] { events << QStringLiteral("records changed"); });
    connect(m_page, &DSeniorKeysPage::sigSeniorKeysPageClose, this, [&events] { events << QStringLiteral("closed"); });

    if (change == QLatin1String("edit"))
        pick(4);
    else if (change == QLatin1String("create"))
        child<QPushButton>("pushButton_NewCreate")->click();
    else if (change == QLatin1String("delete"))
        m_page->rowOf(2)->findChild<QPushButton *>(QStringLiteral("pushButton_DeleteEvent"))->click();
    QVERIFY(events.isEmpty());

    if (how == QLatin1String("button"))
        QTest::mouseClick(child<QPushButton>("pushButton_Close"), Qt::LeftButton);
    else if (how == QLatin1String("Esc"))
        QTest::keyClick(m_page, Qt::Key_Escape);
    else
        m_page->close();
    // A second request before the dialog is gone announces nothing more.
    if (m_page)
        m_page->close();
    disconnect(hub);
    QTEST(events, "events");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_page);
}

void tst_SeniorKeysPage::gridEditsStored()
{
    useStore({record(1, 1)});
    QVERIFY(openPage());
    DDksShowWidget *grid = m_page->dksShowWidget();
    QTRY_VERIFY(grid->width() >= 100 && grid->height() >= 100); // once laid out
    const DksGridGeometry &g = grid->gridGeometry();
    const QPoint tap = g.point(DksGridGeometry::Cell{2, 0});
    auto moveTo = [grid](const QPoint &pos, Qt::MouseButtons buttons) {
        QMouseEvent move(QEvent::MouseMove, pos, grid->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &move);
    };
    moveTo(tap, Qt::NoButton);
    QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, tap);
    QCOMPARE(stored(1).dksAction[2][0], 1); // stored at the press
    QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, tap);

    const QPoint handle = tap + QPoint(6, 0);
    moveTo(handle, Qt::NoButton);
    QCOMPARE(grid->cursor().shape(), Qt::SizeHorCursor);
    QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, handle);
    const QPoint end(g.pointX(2) - 6, tap.y());
    moveTo(end, Qt::LeftButton);
    QCOMPARE(stored(1).dksAction[2][0], 1);
    QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, end);
    const SeniorKeyInfoStu r = stored(1);
    QCOMPARE(QVector<int>({r.dksAction[2][0], r.dksAction[2][1], r.dksAction[2][2], r.dksAction[2][3]}),
             QVector<int>({2, 2, 0, 0}));
    QCOMPARE(m_page->currentRecord().dksAction[2][1], 2);

    // A key picked afterwards keeps the grid's edits.
    pick(4);
    QCOMPARE(stored(1).dksAction[2][1], 2);
}

void tst_SeniorKeysPage::triggerPoints()
{
    useStore({record(1, 1)});
    QVERIFY(openPage());
    emit child<QLabel>("label_Stroke04")->linkActivated(QStringLiteral("Company|1.5mm|"));
    DStrokeConfigView *view = m_page->strokeConfigView();
    QVERIFY(view);
    QVERIFY(m_page->strokeOverlay()->isVisible());
    QCOMPARE(m_page->strokeOverlay()->size(), m_page->size());
    QCOMPARE(view->windowModality(), Qt::WindowModal);
    auto *slider = view->findChild<MySlider *>();
    QCOMPARE(slider->value(), 15);
    // Another link while the popup is open opens nothing more.
    emit child<QLabel>("label_Stroke01")->linkActivated(QString());
    QCOMPARE(m_page->findChildren<DStrokeConfigView *>().size(), 1);

    slider->setValue(23);
    emit slider->sliderReleased();
    const SeniorKeyInfoStu r = stored(1);
    QCOMPARE(QVector<int>({r.triggerPoint[0], r.triggerPoint[1], r.triggerPoint[2], r.triggerPoint[3]}),
             QVector<int>({23, 36, 36, 23}));
    QVERIFY(child<QLabel>("label_Stroke01")->text().contains(QLatin1String(">2.3mm</a>")));
    QVERIFY(child<QLabel>("label_Stroke04")->text().contains(QLatin1String(">2.3mm</a>")));
    QCOMPARE(child<QLabel>("label_Stroke02")->text(), QStringLiteral("3.6mm"));
    QCOMPARE(m_page->dksShowWidget()->seniorKeyInfo().triggerPoint[3], 23);
    QCOMPARE(m_page->currentRecord().triggerPoint[0], 23);

    view->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
    QVERIFY(!m_page->strokeOverlay()->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_page->strokeConfigView());

    // Closed some other way, the popup still lifts the overlay.
    emit child<QLabel>("label_Stroke01")->linkActivated(QString());
    QVERIFY(m_page->strokeOverlay()->isVisible());
    QCOMPARE(m_page->strokeConfigView()->findChild<MySlider *>()->value(), 23);
    m_page->strokeConfigView()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_page->strokeOverlay()->isVisible());
    QCOMPARE(m_page->findChildren<QWidget *>(QStringLiteral("widget")).size(), 1);
}

void tst_SeniorKeysPage::holdDuration()
{
    SeniorKeyInfoStu slow = record(2, 2);
    slow.holdDuration = 1000;
    useStore({record(1, 2), slow});
    QVERIFY(openPage());
    auto *slider = child<MySlider>("horizontalSlider_HoldDuration");
    QCOMPARE(slider->minimum(), 15);
    QCOMPARE(slider->maximum(), 100);
    slider->setValue(40);
    QCOMPARE(child<QLabel>("label_HoldDuration")->text(), QStringLiteral("400ms"));
    QCOMPARE(stored(1).holdDuration, 150); // only a release stores
    emit slider->sliderReleased();
    QCOMPARE(stored(1).holdDuration, 400);
    QCOMPARE(stored(2).holdDuration, 1000);

    QTest::mouseClick(m_page->rowOf(2), Qt::LeftButton);
    QCOMPARE(slider->value(), 100);
    QCOMPARE(child<QLabel>("label_HoldDuration")->text(), QStringLiteral("1000ms"));
    QTest::mouseClick(m_page->rowOf(1), Qt::LeftButton);
    QCOMPARE(slider->value(), 40);
    QCOMPARE(child<QLabel>("label_HoldDuration")->text(), QStringLiteral("400ms"));
}

void tst_SeniorKeysPage::helpPopup()
{
    useStore({});
    QVERIFY(openPage());
    QWidget *modes = child<QWidget>("toolButton_ExplainInfo");
    QWidget *kinds = child<QWidget>("toolButton_ExplainInfo02");
    QVERIFY(!m_page->explainPopup());
    for (int round = 0; round < 20; ++round) {
        hover(modes, true);
        QVERIFY(m_page->explainPopup()->isVisible());
        QCOMPARE(m_page->explainPopup()->arrowPos(), 353);
        QCOMPARE(m_page->explainPopup()->size(), QSize(395, 320));
        hover(modes, false);
        QVERIFY(!m_page->explainPopup()->isVisible());
        hover(kinds, true);
        QVERIFY(m_page->explainPopup()->isVisible());
        QCOMPARE(m_page->explainPopup()->arrowPos(), 193);
        hover(kinds, false);
        QVERIFY(!m_page->explainPopup()->isVisible());
    }
    QCOMPARE(m_page->findChildren<ArrowWidget *>().size(), 1);
    QPointer<ArrowWidget> popup(m_page->explainPopup());
    delete m_page.data();
    QVERIFY(!popup);
}

// A store that takes no writes: every change says it failed, never that it
// worked, and the editor goes back to what the store holds.
void tst_SeniorKeysPage::refusedWrites_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("failure");
    QTest::newRow("create") << "create" << "Create senior keys failed";
    QTest::newRow("delete") << "delete" << "Delete senior keys failed";
    QTest::newRow("pick a key") << "pick" << "Modify senior keys failed";
    QTest::newRow("empty a slot") << "right click" << "Modify senior keys failed";
    QTest::newRow("grid") << "grid" << "Modify senior keys failed";
    QTest::newRow("trigger points") << "trigger points" << "Modify senior keys failed";
    QTest::newRow("hold duration") << "hold duration" << "Modify senior keys failed";
}

void tst_SeniorKeysPage::refusedWrites()
{
    QFETCH(QString, command);
    QFETCH(QString, failure);
    SeniorKeyInfoStu dks = record(1, LUMTAR_SENIOR_DKS);
    QVERIFY(SeniorKeyRecord::setSlotText(&dks, 1, "5"));
    useStore({dks, record(2, LUMTAR_SENIOR_MT)});
    QVERIFY(openPage());
    if (command == QLatin1String("hold duration"))
        QTest::mouseClick(m_page->rowOf(2), Qt::LeftButton);
    const int shown = m_page->currentRecord().id;
    const std::list<SeniorKeyInfoStu> before = stored();
    QVERIFY(QFile::setPermissions(QFile::decodeName(m_path),
                                  QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    QSignalSpy changes(DDataManager::getInstance(), &DDataManager::sigSeniorKeysListItemHaveChanged);

    if (command == QLatin1String("create")) {
        child<QPushButton>("pushButton_NewCreate")->click();
    } else if (command == QLatin1String("delete")) {
        m_page->rowOf(2)->findChild<QPushButton *>(QStringLiteral("pushButton_DeleteEvent"))->click();
    } else if (command == QLatin1String("pick")) {
        child<QToolButton>("toolButton_SeniorKey02")->click();
        pick(4);
    } else if (command == QLatin1String("right click")) {
        QWidget *button = child<QWidget>("toolButton_SeniorKey01");
        hover(button, true);
        QTest::mousePress(button, Qt::RightButton);
        hover(button, false);
    } else if (command == QLatin1String("grid")) {
        DDksShowWidget *grid = m_page->dksShowWidget();
        QTRY_VERIFY(grid->width() >= 100 && grid->height() >= 100);
        const QPoint tap = grid->gridGeometry().point(DksGridGeometry::Cell{2, 0});
        QMouseEvent move(QEvent::MouseMove, tap, grid->mapToGlobal(tap), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &move);
        QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, tap);
        QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, tap);
    } else if (command == QLatin1String("trigger points")) {
        emit child<QLabel>("label_Stroke01")->linkActivated(QStringLiteral("Company|1.5mm|"));
        auto *slider = m_page->strokeConfigView()->findChild<MySlider *>();
        slider->setValue(23);
        emit slider->sliderReleased();
        QCOMPARE(slider->value(), 15); // back on the stored travel
    } else {
        auto *slider = child<MySlider>("horizontalSlider_HoldDuration");
        slider->setValue(40);
        emit slider->sliderReleased();
    }

    QCOMPARE(noticeText(), failure);
    const std::list<SeniorKeyInfoStu> after = stored();
    QCOMPARE(after.size(), before.size());
    QVERIFY(std::equal(after.begin(), after.end(), before.begin(), [](const SeniorKeyInfoStu &a, const SeniorKeyInfoStu &b) {
        const SeniorKeyInfoStu x = SeniorKeyRecord::copied(a), y = SeniorKeyRecord::copied(b);
        return std::memcmp(&x, &y, sizeof x) == 0;
    }));
    // The editor shows the store: the rows, the record and its controls.
    QCOMPARE(m_page->recordCount(), int(before.size()));
    for (const SeniorKeyInfoStu &r : before)
        QVERIFY(m_page->rowOf(r.id));
    QCOMPARE(m_page->currentRecord().id, shown);
    const SeniorKeyInfoStu x = SeniorKeyRecord::copied(m_page->currentRecord()), y = SeniorKeyRecord::copied(stored(shown));
    QVERIFY(std::memcmp(&x, &y, sizeof x) == 0);
    if (shown == 1) {
        QCOMPARE(buttonCaption("toolButton_SeniorKey01"), QStringLiteral("B"));
        QCOMPARE(buttonCaption("toolButton_SeniorKey02"), QString());
        QCOMPARE(rowCaption(1, 1), QStringLiteral("B"));
        QCOMPARE(rowCaption(1, 2), QString());
        QCOMPARE(m_page->dksShowWidget()->seniorKeyInfo().dksAction[2][0], 0);
        QVERIFY(child<QLabel>("label_Stroke01")->text().contains(QLatin1String(">1.5mm</a>")));
    } else {
        QCOMPARE(child<MySlider>("horizontalSlider_HoldDuration")->value(), 15);
        QCOMPARE(child<QLabel>("label_HoldDuration")->text(), QStringLiteral("150ms"));
    }
    // Nothing was created or deleted: closing announces no change.
    m_page->close();
    QVERIFY(changes.isEmpty());
}

// The editor destroyed (the program quitting) while the trigger-point popup
// is open, its overlay made first or last: nothing of the editor is touched
// once it is going.
void tst_SeniorKeysPage::goneWithTriggerPopupOpen_data()
{
    QTest::addColumn<bool>("reopened");
    QTest::newRow("first popup") << false;
    QTest::newRow("popup opened again") << true;
}

void tst_SeniorKeysPage::goneWithTriggerPopupOpen()
{
    QFETCH(bool, reopened);
    useStore({record(1, LUMTAR_SENIOR_DKS)});
    auto parent = std::make_unique<QWidget>();
    m_page = new DSeniorKeysPage(parent.get());
    m_page->show();
    QTRY_VERIFY(m_page->allKeysPage());
    emit child<QLabel>("label_Stroke01")->linkActivated(QStringLiteral("Company|1.5mm|"));
    if (reopened) {
        m_page->strokeConfigView()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        emit child<QLabel>("label_Stroke04")->linkActivated(QStringLiteral("Company|1.5mm|"));
    }
    QPointer<DStrokeConfigView> view(m_page->strokeConfigView());
    QPointer<QWidget> overlay(m_page->strokeOverlay());
    QVERIFY(view && view->isVisible() && overlay->isVisible());
    parent.reset();
    QVERIFY(!m_page);
    QVERIFY(!view);
    QVERIFY(!overlay);
}

QTEST_MAIN(tst_SeniorKeysPage)
#include "tst_seniorkeyspage.moc"
