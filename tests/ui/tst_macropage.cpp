// The macro editor offscreen on a real macro store: listing, opening and
// deleting macros, the change signal, every way of closing, the editing
// commands and what each does on a store that refuses writes, export and
// import, and recording with the hook's relays called directly and an
// injected clock (the hook itself stands in as a listener that answers like
// the real one).
#include <QtTest>

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <list>
#include <memory>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/FormActions.h"
#include "support/LogCapture.h"
#include "support/ModalAnswer.h"
#include "support/TempHome.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/macro/MacroEventText.h"
#include "widgets/ArrowWidget.h"
#include "widgets/CbNotice.h"

using lumtar::store::AtomicFileWriter;

namespace {

// Windows virtual-key codes the tests press, with the key codes and names
// the soft keyboard's tables give them.
constexpr int VK_A = 65, VK_B = 66, VK_ESC = 27, VK_HOME = 36, VK_NUMPAD7 = 103, VK_ENTER = 13, VK_NOCODE = 200;

QString row(const DCatchKeyAndMouseItem *r)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(r->mark(), r->delay(), r->type(), r->keyCode(), r->codeName(), r->operateExplain());
}

KeyOrMouseEventStu ev(const QString &line)
{
    const QStringList f = line.split(QLatin1Char('|'));
    return macroEventRecord(f.value(0), f.value(1), f.value(2), f.value(3), f.value(4), f.value(5));
}

std::list<KeyOrMouseEventStu> pairs(int count, int firstMark = 0, int delay = 0)
{
    std::list<KeyOrMouseEventStu> out;
    for (int i = 0; i < count; ++i) {
        const QString m = QString::number(firstMark + i), d = QString::number(delay);
        out.push_back(ev(m + QStringLiteral("|") + d + QStringLiteral("|key|4|A|down")));
        out.push_back(ev(m + QStringLiteral("|") + d + QStringLiteral("|key|4|A|up")));
    }
    return out;
}

} // namespace

class tst_MacroPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsAsStoredAndOpensFirst();
    void emptyStore();
    void totalTimeAndPressCount();
    void rowLooksFollowSelection();
    void deleteCases_data();
    void deleteCases();
    void addTakesIndexNeverUsed();
    void changeSignal_data();
    void changeSignal();
    void refusedWrites_data();
    void refusedWrites();
    void rowMenuOneAtATime();
    void closePaths_data();
    void closePaths();
    void insertPosition_data();
    void insertPosition();
    void insertLimit_data();
    void insertLimit();
    void modifyMouseUpToRight();
    void moves_data();
    void moves();
    void exportAndImport();
    void exportKeepsToFolder_data();
    void exportKeepsToFolder();
    void importRefusesDamagedFile();
    void importThroughFileDialog();

    void recordsKeysAndButtons();
    void substitutionTable_data();
    void substitutionTable();
    void delayPolicy_data();
    void delayPolicy();
    void pressLimit();
    void rowLimitKeepsPairs();
    void unpairedAndUnknownDropped();
    void ignoredWhileRecording();
    void keyFieldCapture();

private:
    void useStore(const QList<QPair<QString, QString>> &macros);
    void fill(const char *index, const std::list<KeyOrMouseEventStu> &events);
    DMacroPage *openPage(int rows);
    QStringList rows() const;
    QStringList stored(const char *index) const;
    template <typename T>
    T *child(const char *name) const
    {
        return m_page->findChild<T *>(QLatin1String(name));
    }
    QString notice() const { return ModalAnswer::notice(m_page); }
    void press(int vk, int sc = 0, int hookFlag = 0) { m_data->emitRecviveStreamExMacroKeyboard(vk, sc, 1, hookFlag); }
    void release(int vk, int sc = 0, int hookFlag = 128)
    {
        m_data->emitRecviveStreamExMacroKeyboard(vk, sc, 0, hookFlag);
    }
    void mouse(int message) { m_data->emitRecviveStreamExMacroMouse(0, static_cast<WPARAM>(message), 0); }
    void clickRecord() { QTest::mouseClick(child<QFrame>("frame_Record"), Qt::LeftButton); }
    void selectRow(int position);

    DDataManager *m_data = nullptr;
    std::unique_ptr<TempHome> m_home;
    QByteArray m_path;
    int m_no = 0;
    QPointer<DMacroPage> m_page;
    quint32 m_now = 1000;
    bool m_hookAnswer = true;
    QStringList m_hookCalls;
    QMetaObject::Connection m_hook;
};

void tst_MacroPage::initTestCase()
{
    m_home = std::make_unique<TempHome>();
    m_data = DDataManager::getInstance();
    m_data->loadThemeConfig(0);
    m_data->setVkToKeyCodeMap({{VK_A, 4}, {VK_B, 5}, {VK_ESC, 41}, {VK_HOME, 74}, {VK_NUMPAD7, 95}, {999, 40},
                               {998, 88}, {984, 135}, {988, 136}, {981, 137}, {987, 138}, {986, 139}});
    m_data->setKeyCodeNameMap({{4, QStringLiteral("A")}, {5, QStringLiteral("B")}, {41, QStringLiteral("Esc")},
                               {74, QStringLiteral("Home")}, {95, QStringLiteral("Num 7")},
                               {40, QStringLiteral("Enter")}, {88, QStringLiteral("Num Enter")},
                               {135, QStringLiteral("Ro")}, {136, QStringLiteral("Katakana")},
                               {137, QStringLiteral("Yen")}, {138, QStringLiteral("Henkan")},
                               {139, QStringLiteral("Muhenkan")}});
}

void tst_MacroPage::init()
{
    m_now = 1000;
    m_hookAnswer = true;
    m_hookCalls.clear();
    // The key-assignment page's part: start or stop the hook and answer.
    m_hook = connect(m_data, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this, [this](bool on) {
        m_hookCalls << (on ? QStringLiteral("on") : QStringLiteral("off"));
        m_data->setHookRunning(on ? m_hookAnswer : true);
    });
}

void tst_MacroPage::cleanup()
{
    delete m_page.data();
    disconnect(m_hook);
}

void tst_MacroPage::useStore(const QList<QPair<QString, QString>> &macros)
{
    m_path = QFile::encodeName(m_home->path() + QStringLiteral("/appMacro%1.xml").arg(++m_no));
    QVERIFY(CLumtarXML_CreateXMLFile(m_path.constData()));
    for (const auto &m : macros)
        QVERIFY(CLumtarXML_CreateMacroXmlParentNode(m_path.constData(), m.first.toLatin1().constData(),
                                                    m.second.toUtf8().constData()));
}

void tst_MacroPage::fill(const char *index, const std::list<KeyOrMouseEventStu> &events)
{
    QVERIFY(CLumtarXML_AddKeyOrMouseEventItem(m_path.constData(), events, index));
}

DMacroPage *tst_MacroPage::openPage(int macros)
{
    m_page = new DMacroPage;
    m_page->setMacroXmlPath(m_path.constData());
    m_page->setTickSource([this] { return m_now; });
    m_page->show();
    QApplication::setActiveWindow(m_page);
    // The list is read 200 ms after the dialog is built.
    if (macros == 0) {
        QTest::qWait(400);
        return m_page;
    }
    if (!QTest::qWaitFor([this, macros] { return m_page->macroRows().size() == macros; }, 20000))
        return nullptr;
    return m_page;
}

QStringList tst_MacroPage::rows() const
{
    QStringList out;
    for (const DCatchKeyAndMouseItem *r : m_page->eventRows())
        out << row(r);
    return out;
}

QStringList tst_MacroPage::stored(const char *index) const
{
    std::list<KeyOrMouseEventStu> events;
    CLumtarXML_SelectAllKeyOrMouseEvent(m_path.constData(), index, &events);
    QStringList out;
    for (const KeyOrMouseEventStu &e : events)
        out << QStringLiteral("%1|%2|%3|%4|%5|%6")
                   .arg(macroLatin1Field(e.mark), macroLatin1Field(e.delay), macroLatin1Field(e.type),
                        macroLatin1Field(e.keyCode), macroCodeName(e), macroLatin1Field(e.operateExplain));
    return out;
}

void tst_MacroPage::selectRow(int position)
{
    QTest::mousePress(m_page->eventRows().at(position), Qt::LeftButton);
}

// ---- list, open, delete -------------------------------------------------------------

void tst_MacroPage::listsAsStoredAndOpensFirst()
{
    useStore({{QStringLiteral("1"), QStringLiteral("B")}, {QStringLiteral("2"), QStringLiteral("A")},
              {QStringLiteral("3"), QStringLiteral("C")}});
    fill("1", pairs(1, 0, 7));
    QVERIFY(openPage(3));
    QStringList names;
    for (DMacroListItem *r : m_page->macroRows())
        names << r->macroName();
    QCOMPARE(names, (QStringList{"B", "A", "C"}));
    QCOMPARE(m_page->currentMacroName(), QStringLiteral("B"));
    QCOMPARE(rows(), (QStringList{"0|7|key|4|A|down", "0|7|key|4|A|up"}));
    QCOMPARE(m_page->size(), QSize(1050, 750));
    QCOMPARE(child<QLabel>("label")->text(), QStringLiteral("Start record"));

    // A press on another row opens it; clicking it again reads the store anew.
    QTest::mousePress(m_page->macroRows().at(2), Qt::RightButton);
    QCOMPARE(m_page->currentMacroName(), QStringLiteral("C"));
    QCOMPARE(child<QStackedWidget>("stackedWidget_2")->currentWidget(), child<QWidget>("page_isEmpty"));
    fill("3", pairs(1, 4));
    QTest::mousePress(m_page->macroRows().at(2), Qt::LeftButton);
    QCOMPARE(rows().size(), 2);
}

void tst_MacroPage::emptyStore()
{
    useStore({});
    QVERIFY(openPage(0));
    QCOMPARE(child<QStackedWidget>("stackedWidget_2")->currentWidget(), child<QWidget>("page_isEmpty"));
    QCOMPARE(child<QLabel>("label_14")->text(), QStringLiteral("Record is empty"));
    // Recording needs a macro: nothing happens, the hook stays off.
    clickRecord();
    QVERIFY(!m_page->isRecording());
    QVERIFY(m_hookCalls.isEmpty());
}

void tst_MacroPage::totalTimeAndPressCount()
{
    useStore({{QStringLiteral("1"), QStringLiteral("M")}});
    fill("1", {ev("0|500|key|4|A|down"), ev("0|400|key|4|A|up"), ev("1|600|mouse|513|Left Click|down"),
               ev("1||mouse|514|Left Click|up")});
    QVERIFY(openPage(1));
    QCOMPARE(child<QLabel>("label_TotalTime")->text(), QStringLiteral("1500 MS"));
    QCOMPARE(m_page->pressCount(), 2);
    QCOMPARE(m_page->eventRows().at(3)->delay(), QStringLiteral("0"));
}

void tst_MacroPage::rowLooksFollowSelection()
{
    LogCapture log;
    useStore({{QStringLiteral("1"), QStringLiteral("M1")}, {QStringLiteral("2"), QStringLiteral("M2")}});
    fill("1", pairs(2));
    QVERIFY(openPage(2));
    const ThemeColor theme = m_data->themeColor();
    const auto colour = [](const QString &text) {
        const QStringList c = text.split(QLatin1Char(','));
        return QColor(c.value(0).trimmed().toInt(), c.value(1).trimmed().toInt(), c.value(2).trimmed().toInt()).rgb();
    };
    // The background drawn near a row's right end, where no child lies.
    const auto background = [](QWidget *row) {
        return row->grab().toImage().pixelColor(row->width() - 6, 10).rgb();
    };

    QList<DMacroListItem *> macros = m_page->macroRows();
    QVERIFY(macros.at(0)->isSelectedStyle());
    QCOMPARE(background(macros.at(0)), colour(theme.MacroListItemSelectedColor));
    QVERIFY(background(macros.at(1)) != colour(theme.MacroListItemSelectedColor));
    QTest::mousePress(macros.at(1), Qt::LeftButton);
    QVERIFY(!macros.at(0)->isSelectedStyle());
    QCOMPARE(background(macros.at(1)), colour(theme.MacroListItemSelectedColor));
    QVERIFY(background(macros.at(0)) != colour(theme.MacroListItemSelectedColor));

    QTest::mousePress(macros.at(0), Qt::LeftButton);
    QCOMPARE(m_page->eventRows().size(), 4);
    selectRow(1); // A's release: checked, its press the highlighted partner
    const QList<DCatchKeyAndMouseItem *> events = m_page->eventRows();
    const QStringList looks{"partner", "checked", "normal", "normal"};
    for (int i = 0; i < events.size(); ++i) {
        DCatchKeyAndMouseItem *r = events.at(i);
        QCOMPARE(r->look(), looks.at(i));
        const bool lit = looks.at(i) != QLatin1String("normal");
        QCOMPARE(background(r), colour(lit ? theme.MacroListItemSelectedColor : theme.MacroCenterBgColor));
        const QColor text = r->findChild<QLabel *>(QStringLiteral("label_CatchEventExplain"))->palette().color(QPalette::WindowText);
        QCOMPARE(text.rgb(), colour(i == 1 ? theme.TextCheckedColor : theme.MacroListItemTextColor));
    }
    QCOMPARE(log.countContaining(QStringLiteral("QCssParser")), 0); // every sheet parses
}

void tst_MacroPage::deleteCases_data()
{
    QTest::addColumn<int>("macros");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<QString>("openAfter");
    QTest::addColumn<int>("changeSignals");
    QTest::newRow("another than the open one") << 3 << 2 << "M1" << 0;
    QTest::newRow("the open one of several") << 3 << 0 << "M2" << 0;
    QTest::newRow("the last one") << 1 << 0 << "" << 1;
}

void tst_MacroPage::deleteCases()
{
    QFETCH(int, macros);
    QFETCH(int, deleted);
    QList<QPair<QString, QString>> list;
    for (int i = 1; i <= macros; ++i)
        list.append({QString::number(i), QStringLiteral("M%1").arg(i)});
    useStore(list);
    fill("1", pairs(1));
    QVERIFY(openPage(macros));
    QSignalSpy changed(m_page.data(), &DMacroPage::sigMacroListHaveChanged);
    DMacroListItem *victim = m_page->macroRows().at(deleted);
    victim->onMacroDelete();
    QCOMPARE(notice(), QStringLiteral("Delete macro successful"));
    QCOMPARE(m_page->macroRows().size(), macros - 1);
    QTEST(m_page->currentMacroName(), "openAfter");
    QTEST(int(changed.size()), "changeSignals");
    if (!changed.isEmpty()) {
        QCOMPARE(changed.first(), (QVariantList{QString(), QString()}));
        QCOMPARE(m_page->currentMacroIndex(), QString());
        QCOMPARE(child<QLabel>("label_TotalTime")->text(), QStringLiteral("0 MS"));
        QCOMPARE(child<QStackedWidget>("stackedWidget_2")->currentWidget(), child<QWidget>("page_isEmpty"));
    } else if (deleted == 0) {
        QCOMPARE(m_page->macroRows().first()->macroName(), QStringLiteral("M2"));
    } else {
        QCOMPARE(rows().size(), 2); // the open macro stays as it was
    }
    LumtarIndexNameList left;
    CLumtarXML_SelectMacroAllNodes(m_path.constData(), &left);
    QCOMPARE(int(left.size()), macros - 1);
}

void tst_MacroPage::addTakesIndexNeverUsed()
{
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}, {QStringLiteral("3"), QStringLiteral("Macro3")}});
    QVERIFY(openPage(2));
    QSignalSpy changed(m_page.data(), &DMacroPage::sigMacroListHaveChanged);
    m_page->macroRows().at(1)->onMacroDelete(); // keys may still name 3
    child<QPushButton>("pushButton_Add")->click();
    QCOMPARE(notice(), QStringLiteral("Add macro successful"));
    QStringList names;
    for (DMacroListItem *r : m_page->macroRows())
        names << r->macroIndex() + QLatin1Char(':') + r->macroName();
    QCOMPARE(names, (QStringList{"1:Macro1", "4:Macro4"}));
    QCOMPARE(m_page->currentMacroName(), QStringLiteral("Macro1"));
    QVERIFY(changed.isEmpty());
}

// ---- the change signal -------------------------------------------------------------

void tst_MacroPage::changeSignal_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("emits");
    QTest::newRow("add") << "add" << false;
    QTest::newRow("rename") << "rename" << false;
    QTest::newRow("select") << "select" << false;
    QTest::newRow("clear") << "clear" << true;
    QTest::newRow("delete pair") << "delete pair" << true;
    QTest::newRow("insert") << "insert" << true;
    QTest::newRow("modify") << "modify" << true;
    QTest::newRow("move") << "move" << true;
    QTest::newRow("record") << "record" << true;
}

void tst_MacroPage::changeSignal()
{
    QFETCH(QString, command);
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    fill("1", pairs(2));
    QVERIFY(openPage(1));
    QSignalSpy changed(m_page.data(), &DMacroPage::sigMacroListHaveChanged);
    if (command == QLatin1String("add")) {
        child<QPushButton>("pushButton_Add")->click();
    } else if (command == QLatin1String("rename")) {
        DMacroListItem *item = m_page->macroRows().first();
        item->onMacroModifyNanme();
        item->findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->setText(QStringLiteral("Renamed"));
        item->findChild<QPushButton *>(QStringLiteral("pushButton_Save"))->click();
        QCOMPARE(notice(), QStringLiteral("Modify macro name successful"));
    } else if (command == QLatin1String("select")) {
        selectRow(1);
    } else if (command == QLatin1String("clear")) {
        child<QPushButton>("pushButton_ClearMacroLst")->click();
        QCOMPARE(stored("1"), QStringList());
        QCOMPARE(notice(), QStringLiteral("Clear record macro successful"));
    } else if (command == QLatin1String("delete pair")) {
        emit m_page->eventRows().at(1)->sigDeleteKeyAndMouseEvent();
        QCOMPARE(stored("1").size(), 2);
    } else if (command == QLatin1String("insert")) {
        selectRow(0);
        clickRadio(child<QRadioButton>("radioButton_Mouse"));
        child<QPushButton>("pushButton_InsertMacro")->click();
    } else if (command == QLatin1String("modify")) {
        selectRow(0);
        child<QLineEdit>("lineEdit_DelayNum")->setText(QStringLiteral("9"));
        child<QPushButton>("pushButton_ModifyMacro")->click();
    } else if (command == QLatin1String("move")) {
        selectRow(2);
        child<QPushButton>("pushButton_MoveUp")->click();
    } else {
        clickRecord();
        clickRecord();
    }
    QTEST(!changed.isEmpty(), "emits");
    if (!changed.isEmpty())
        QCOMPARE(changed.last(), (QVariantList{QStringLiteral("1"), QStringLiteral("Macro1")}));
}

// A store that takes no writes (a read-only file, a full disk): every command
// says it failed, never that it worked, announces no change, and leaves the
// screen showing the store.
void tst_MacroPage::refusedWrites_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("diskFull");
    const QList<QPair<const char *, const char *>> commands = {
        {"add", "Add macro failed"},          {"rename", "Modify macro name failed"},
        {"delete macro", "Delete macro failed"}, {"clear", "Clear record macro failed"},
        {"delete pair", "Delete event failed"}, {"insert", "Insert failed"},
        {"modify", "Modify failed"},           {"move up", "Move failed"},
        {"move down", "Move failed"},          {"record", "Save record macro failed"}};
    for (const auto &c : commands) {
        QTest::addRow("%s, read-only store", c.first) << c.first << c.second << false;
        QTest::addRow("%s, full disk", c.first) << c.first << c.second << true;
    }
}

void tst_MacroPage::refusedWrites()
{
    QFETCH(QString, command);
    QFETCH(QString, failure);
    QFETCH(bool, diskFull);
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}, {QStringLiteral("2"), QStringLiteral("Macro2")}});
    fill("1", pairs(2, 0, 30));
    QVERIFY(openPage(2));
    const QStringList before = stored("1");
    QCOMPARE(rows(), before);
    if (diskFull)
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::DiskFull);
    else
        QVERIFY(QFile::setPermissions(QFile::decodeName(m_path),
                                      QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    struct FaultOff
    {
        ~FaultOff() { AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None); }
    } faultOff;
    QSignalSpy changed(m_page.data(), &DMacroPage::sigMacroListHaveChanged);

    if (command == QLatin1String("add")) {
        child<QPushButton>("pushButton_Add")->click();
    } else if (command == QLatin1String("rename")) {
        DMacroListItem *item = m_page->macroRows().first();
        item->onMacroModifyNanme();
        item->findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName"))->setText(QStringLiteral("Renamed"));
        item->findChild<QPushButton *>(QStringLiteral("pushButton_Save"))->click();
        QCOMPARE(item->macroName(), QStringLiteral("Macro1"));
        QCOMPARE(item->findChild<QLabel *>(QStringLiteral("label_MacroName"))->text(), QStringLiteral("Macro1"));
    } else if (command == QLatin1String("delete macro")) {
        emit m_page->macroRows().at(1)->sigDeleteMacro(QStringLiteral("2"), QStringLiteral("Macro2"));
    } else if (command == QLatin1String("clear")) {
        child<QPushButton>("pushButton_ClearMacroLst")->click();
    } else if (command == QLatin1String("delete pair")) {
        emit m_page->eventRows().at(1)->sigDeleteKeyAndMouseEvent();
    } else if (command == QLatin1String("insert")) {
        selectRow(0);
        clickRadio(child<QRadioButton>("radioButton_Mouse"));
        child<QPushButton>("pushButton_InsertMacro")->click();
    } else if (command == QLatin1String("modify")) {
        selectRow(0);
        child<QLineEdit>("lineEdit_DelayNum")->setText(QStringLiteral("9"));
        child<QPushButton>("pushButton_ModifyMacro")->click();
    } else if (command == QLatin1String("move up")) {
        selectRow(2);
        child<QPushButton>("pushButton_MoveUp")->click();
    } else if (command == QLatin1String("move down")) {
        selectRow(1);
        child<QPushButton>("pushButton_MoveDown")->click();
    } else {
        clickRecord();
        m_now += 50;
        press(VK_B);
        m_now += 50;
        release(VK_B);
        clickRecord();
        QVERIFY(!m_page->isRecording());
    }

    QCOMPARE(notice(), failure);
    QVERIFY(changed.isEmpty());
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    QCOMPARE(stored("1"), before);
    LumtarIndexNameList macros;
    QVERIFY(CLumtarXML_SelectMacroAllNodes(m_path.constData(), &macros));
    QCOMPARE(int(macros.size()), m_page->macroRows().size());
    for (int i = 0; i < m_page->macroRows().size(); ++i)
        QCOMPARE(m_page->macroRows().at(i)->macroIndex(), QString::fromStdString(macros.at(i).first));
    QCOMPARE(m_page->currentMacroIndex(), QStringLiteral("1"));
    QCOMPARE(rows(), before);
    QCOMPARE(m_page->pressCount(), 2);
    QCOMPARE(child<QLabel>("label_TotalTime")->text(), QStringLiteral("120 MS"));
}

// Opening a row's menu again and again keeps one menu, not one per opening.
void tst_MacroPage::rowMenuOneAtATime()
{
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    QVERIFY(openPage(1));
    DMacroListItem *item = m_page->macroRows().first();
    auto *button = item->findChild<QPushButton *>(QStringLiteral("pushButton_MacroOperate"));
    for (int i = 0; i < 5; ++i) {
        button->click();
        QVERIFY(item->menuPopup() && item->menuPopup()->isVisible());
        item->menuPopup()->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCOMPARE(item->findChildren<ArrowWidget *>().size(), 1);
}

// ---- closing ------------------------------------------------------------------------

void tst_MacroPage::closePaths_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("recording");
    for (const char *how : {"button", "Esc", "window close", "parent destroyed"}) {
        QTest::addRow("%s", how) << how << false;
        QTest::addRow("%s while recording", how) << how << true;
    }
}

void tst_MacroPage::closePaths()
{
    QFETCH(QString, how);
    QFETCH(bool, recording);
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    auto parent = std::make_unique<QWidget>();
    m_page = new DMacroPage(parent.get());
    m_page->setMacroXmlPath(m_path.constData());
    m_page->show();
    QTRY_COMPARE_WITH_TIMEOUT(m_page->macroRows().size(), 1, 20000);
    QSignalSpy closed(m_page.data(), &DMacroPage::sigMacroPageClose);
    QSignalSpy changed(m_page.data(), &DMacroPage::sigMacroListHaveChanged);
    if (recording) {
        clickRecord();
        QVERIFY(m_page->isRecording());
        press(VK_A);
        release(VK_A);
    }
    m_hookCalls.clear();

    if (how == QLatin1String("button")) {
        QTest::mouseClick(child<QPushButton>("pushButton_Close"), Qt::LeftButton);
    } else if (how == QLatin1String("Esc")) {
        QTest::keyClick(m_page, Qt::Key_Escape);
        if (recording) {
            // The key belongs to the recording; the button still closes.
            QVERIFY(m_page);
            QVERIFY(m_hookCalls.isEmpty());
            QTest::mouseClick(child<QPushButton>("pushButton_Close"), Qt::LeftButton);
        }
    } else if (how == QLatin1String("window close")) {
        m_page->close();
    } else {
        parent.reset();
        QVERIFY(!m_page);
        QCOMPARE(m_hookCalls, QStringList{"off"});
        QCOMPARE(stored("1"), QStringList());
        return;
    }
    if (m_page)
        m_page->close(); // a second request changes nothing
    QCOMPARE(m_hookCalls, QStringList{"off"});
    QCOMPARE(closed.size(), 1);
    QVERIFY(changed.isEmpty());
    QCOMPARE(stored("1"), QStringList()); // a recording still running is dropped
    QTRY_VERIFY_WITH_TIMEOUT(!m_page, 20000);
}

// ---- commands -----------------------------------------------------------------------

void tst_MacroPage::insertPosition_data()
{
    QTest::addColumn<int>("select");
    QTest::addColumn<bool>("before");
    QTest::addColumn<int>("inserts");
    QTest::addColumn<QStringList>("marks");
    QTest::newRow("before the first") << 0 << true << 1 << QStringList{"2d", "2u", "0d", "0u", "1d", "1u"};
    QTest::newRow("after the last") << 3 << false << 1 << QStringList{"0d", "0u", "1d", "1u", "2d", "2u"};
    QTest::newRow("two after in a row") << 0 << false << 2
                                        << QStringList{"0d", "3d", "3u", "2d", "2u", "0u", "1d", "1u"};
}

void tst_MacroPage::insertPosition()
{
    QFETCH(int, select);
    QFETCH(bool, before);
    QFETCH(int, inserts);
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    fill("1", pairs(2));
    QVERIFY(openPage(1));
    // A key captured into the insert field: the hook delivers B.
    QLineEdit *field = child<QLineEdit>("lineEdit_EnterKey");
    field->setFocus();
    press(VK_B);
    release(VK_B);
    QCOMPARE(field->text(), QStringLiteral("B"));
    field->clearFocus();

    selectRow(select);
    if (before)
        clickRadio(child<QRadioButton>("radioButton_InsertBefore"));
    for (int i = 0; i < inserts; ++i) {
        child<QPushButton>("pushButton_InsertMacro")->click();
        QCOMPARE(notice(), QStringLiteral("Insert successful"));
    }
    QStringList marks;
    for (const DCatchKeyAndMouseItem *r : m_page->eventRows())
        marks << r->mark() + (r->operateExplain() == QLatin1String("down") ? QLatin1Char('d') : QLatin1Char('u'));
    QTEST(marks, "marks");
    QCOMPARE(stored("1"), rows());
    QCOMPARE(m_page->pressCount(), 2 + inserts);
    // The selected row stays selected where it went.
    QCOMPARE(m_page->eventRows().at(m_page->selectedEventPosition())->mark(), QString::number(select / 2));
}

void tst_MacroPage::insertLimit_data()
{
    QTest::addColumn<int>("pairCount");
    QTest::addColumn<QString>("noticeText");
    QTest::addColumn<int>("rowsAfter");
    QTest::newRow("38 rows") << 19 << "Insert successful" << 40;
    QTest::newRow("40 rows") << 20 << "The record of events has reached the limit" << 40;
}

void tst_MacroPage::insertLimit()
{
    QFETCH(int, pairCount);
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    fill("1", pairs(pairCount));
    QVERIFY(openPage(1));
    child<QPushButton>("pushButton_InsertMacro")->click();
    QCOMPARE(notice(), QStringLiteral("Please select a specific location first"));
    selectRow(0);
    child<QPushButton>("pushButton_InsertMacro")->click();
    QCOMPARE(notice(), QStringLiteral("Please enter a key"));
    clickRadio(child<QRadioButton>("radioButton_Mouse"));
    clickRadio(child<QRadioButton>("radioButton_MouseRight"));
    child<QPushButton>("pushButton_InsertMacro")->click();
    QTEST(notice(), "noticeText");
    QTEST(int(m_page->eventRows().size()), "rowsAfter");
    QCOMPARE(int(stored("1").size()), m_page->eventRows().size());
}

void tst_MacroPage::modifyMouseUpToRight()
{
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    fill("1", {ev("3|10|mouse|513|Left Click|down"), ev("3|20|mouse|514|Left Click|up")});
    QVERIFY(openPage(1));
    selectRow(1);
    QVERIFY(child<QRadioButton>("radioButton_MouseEvent")->isChecked());
    QVERIFY(child<QRadioButton>("radioButton_1left")->isChecked());
    clickRadio(child<QRadioButton>("radioButton_3right"));
    child<QLineEdit>("lineEdit_DelayNum")->setText(QStringLiteral("25"));
    child<QPushButton>("pushButton_ModifyMacro")->click();
    QCOMPARE(notice(), QStringLiteral("Modify successful"));
    const QStringList expected{"3|10|mouse|516|Right Click|down", "3|25|mouse|517|Right Click|up"};
    QCOMPARE(stored("1"), expected);
    QCOMPARE(rows(), expected);
    QCOMPARE(child<QLabel>("label_TotalTime")->text(), QStringLiteral("35 MS"));

    // After deleting the pair nothing is selected any more.
    emit m_page->eventRows().at(0)->sigDeleteKeyAndMouseEvent();
    child<QPushButton>("pushButton_ModifyMacro")->click();
    QCOMPARE(notice(), QStringLiteral("Please select a specific location first"));
    QCOMPARE(child<QLabel>("label_TotalTime")->text(), QStringLiteral("0 MS"));
}

void tst_MacroPage::moves_data()
{
    QTest::addColumn<int>("select");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QStringList>("marks");
    const QStringList same{"0d", "0u", "1d", "1u"};
    QTest::newRow("up at the top") << 0 << true << same;
    QTest::newRow("down at the bottom") << 3 << false << same;
    QTest::newRow("up past its own press") << 1 << true << same;
    QTest::newRow("down past its own release") << 2 << false << same;
    QTest::newRow("up past another") << 2 << true << QStringList{"0d", "1d", "0u", "1u"};
    QTest::newRow("down past another") << 1 << false << QStringList{"0d", "1d", "0u", "1u"};
}

void tst_MacroPage::moves()
{
    QFETCH(int, select);
    QFETCH(bool, up);
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    fill("1", pairs(2));
    QVERIFY(openPage(1));
    selectRow(select);
    child<QPushButton>(up ? "pushButton_MoveUp" : "pushButton_MoveDown")->click();
    QStringList marks;
    for (const DCatchKeyAndMouseItem *r : m_page->eventRows())
        marks << r->mark() + (r->operateExplain() == QLatin1String("down") ? QLatin1Char('d') : QLatin1Char('u'));
    QTEST(marks, "marks");
    QCOMPARE(stored("1"), rows());
}

// ---- export and import -----------------------------------------------------------------

void tst_MacroPage::exportAndImport()
{
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}, {QStringLiteral("5"), QStringLiteral("Game.Mode")}});
    const std::list<KeyOrMouseEventStu> events{ev("1|0|key|4|\u00c4|down"), ev("2|5|mouse|519|Center Click|down"),
                                               ev("2|6|mouse|520|Center Click|up"), ev("1|70|key|4|\u00c4|up")};
    fill("5", events);
    QVERIFY(openPage(2));
    QSignalSpy changed(m_page.data(), &DMacroPage::sigMacroListHaveChanged);
    const QString folder = m_home->path() + QStringLiteral("/export");
    QVERIFY(QDir().mkpath(folder));
    m_page->exportMacroTo(folder, QStringLiteral("5"), QStringLiteral("Game.Mode"));
    QCOMPARE(notice(), QStringLiteral("Export macro successful"));
    const QString file = folder + QStringLiteral("/Game.Mode.xml");
    QVERIFY(QFile::exists(file));

    m_page->importMacroFrom(file);
    QCOMPARE(notice(), QStringLiteral("Import macro successful"));
    QCOMPARE(m_page->macroRows().size(), 3);
    DMacroListItem *imported = m_page->macroRows().last();
    QCOMPARE(imported->macroIndex(), QStringLiteral("6"));
    QCOMPARE(imported->macroName(), QStringLiteral("Game"));
    QCOMPARE(stored("6"), stored("5"));
    QVERIFY(changed.isEmpty());

    // An export without a folder writes nothing.
    m_page->exportMacroTo(QString(), QStringLiteral("1"), QStringLiteral("Macro1"));
    QCOMPARE(notice(), QStringLiteral("Please select save directory first"));
    // A macro the store no longer has is no success.
    m_page->exportMacroTo(folder, QStringLiteral("9"), QStringLiteral("Gone"));
    QCOMPARE(notice(), QStringLiteral("Export macro failed"));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/Gone.xml")));
}

void tst_MacroPage::exportKeepsToFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("parent folder") << "../x" << "x.xml";
    QTest::newRow("sub folder") << "a/b" << "ab.xml";
    QTest::newRow("hidden") << ".hidden" << "hidden.xml";
    QTest::newRow("nothing left") << "/.." << "Macro1.xml";
}

void tst_MacroPage::exportKeepsToFolder()
{
    QFETCH(QString, name);
    useStore({{QStringLiteral("1"), name}});
    fill("1", pairs(1));
    QVERIFY(openPage(1));
    const QString folder = m_home->path() + QStringLiteral("/inner%1/out").arg(m_no);
    QVERIFY(QDir().mkpath(folder));
    m_page->exportMacroTo(folder, QStringLiteral("1"), name);
    QCOMPARE(notice(), QStringLiteral("Export macro successful"));
    QFETCH(QString, file);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{file});
    QCOMPARE(QDir(folder + QStringLiteral("/..")).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void tst_MacroPage::importRefusesDamagedFile()
{
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    QVERIFY(openPage(1));
    const QString dir = QString::fromLocal8Bit(qgetenv("LUMTAR_TEST_DATA")) + QStringLiteral("/macro/refused/");
    const QByteArray before = [this] {
        QFile f(QFile::decodeName(m_path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    for (const char *name : {"errorAfterEvents.xml", "loneDown.xml", "keyCode256.xml", "missing.xml"}) {
        m_page->importMacroFrom(dir + QLatin1String(name));
        QCOMPARE(notice(), QStringLiteral("Import macro failed"));
        QCOMPARE(m_page->macroRows().size(), 1);
    }
    QFile f(QFile::decodeName(m_path));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void tst_MacroPage::importThroughFileDialog()
{
    useStore({});
    QVERIFY(openPage(0));
    const QString file = m_home->path() + QStringLiteral("/.x.xml");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QString::fromLatin1(
                  "<Parameters profileIndex=\"1\"><macro index=\"4\" name=\"n\">"
                  "<item mark=\"1\" delay=\"3\" type=\"key\" keyCode=\"4\" codeName=\"A\" operateExplain=\"down\"/>"
                  "<item mark=\"1\" delay=\"4\" type=\"key\" keyCode=\"4\" codeName=\"A\" operateExplain=\"up\"/>"
                  "</macro></Parameters>")
                  .toUtf8());
    out.close();
    child<QPushButton>("pushButton_Import")->click();
    // Also where the home has no desktop folder, the dialog opens on a
    // folder that exists and offers no missing folder's name to open.
    auto *dialog = m_page->findChild<QFileDialog *>(QStringLiteral("macroImportDialog"));
    QVERIFY(dialog);
    QVERIFY(dialog->directory().exists());
    QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text(), QString());
    QVERIFY(ModalAnswer::choose(file, 20000));
    QTRY_COMPARE_WITH_TIMEOUT(m_page->macroRows().size(), 1, 20000);
    QCOMPARE(m_page->macroRows().first()->macroName(), QStringLiteral("Macro1"));
    QCOMPARE(rows(), (QStringList{"1|3|key|4|A|down", "1|4|key|4|A|up"}));

    // Cancelling the directory dialog of an export says so.
    m_page->macroRows().first()->onMacroExport();
    QVERIFY(ModalAnswer::cancel(20000));
    QTRY_COMPARE_WITH_TIMEOUT(notice(), QStringLiteral("Please select save directory first"), 20000);
}

// ---- recording ---------------------------------------------------------------------

void tst_MacroPage::recordsKeysAndButtons()
{
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    fill("1", {ev("5|0|key|4|A|down"), ev("5|0|key|4|A|up")});
    QVERIFY(openPage(1));
    QSignalSpy changed(m_page.data(), &DMacroPage::sigMacroListHaveChanged);
    clickRecord();
    QVERIFY(m_page->isRecording());
    QCOMPARE(m_hookCalls, QStringList{"on"});
    QCOMPARE(child<QLabel>("label")->text(), QStringLiteral("Stop record"));
    QCOMPARE(notice(), QStringLiteral("Start record macro"));
    QVERIFY(!child<QWidget>("frame_Right")->isEnabled());
    QVERIFY(child<QWidget>("frame_Record")->isEnabled());

    m_now = 5000;
    press(VK_A);
    m_now += 120;
    release(VK_A);
    m_now += 30;
    press(VK_ESC);
    m_now += 40;
    release(VK_ESC);
    m_now += 50;
    mouse(513);
    m_now += 60;
    mouse(514);
    mouse(517); // a release without its press
    QVERIFY(m_page); // Esc was recorded, nothing closed
    clickRecord();
    QVERIFY(!m_page->isRecording());
    QCOMPARE(m_hookCalls, (QStringList{"on", "off"}));
    QCOMPARE(notice(), QStringLiteral("Stop record macro"));
    const QStringList expected{"5|0|key|4|A|down",        "5|0|key|4|A|up",         "7|0|key|4|A|down",
                               "7|120|key|4|A|up",        "8|30|key|41|Esc|down",   "8|40|key|41|Esc|up",
                               "9|50|mouse|513|Left Click|down", "9|60|mouse|514|Left Click|up"};
    QCOMPARE(stored("1"), expected);
    QCOMPARE(rows(), expected);
    QCOMPARE(child<QLabel>("label_TotalTime")->text(), QStringLiteral("300 MS"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m_page->pressCount(), 4);
    QVERIFY(child<QWidget>("frame_Right")->isEnabled());

    // Stopping an empty recording still reloads and announces.
    clickRecord();
    clickRecord();
    QCOMPARE(changed.size(), 2);
    QCOMPARE(stored("1"), expected);
}

void tst_MacroPage::substitutionTable_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("pressFlag");
    QTest::addColumn<int>("releaseFlag");
    QTest::addColumn<int>("pressArg");
    QTest::addColumn<QString>("recorded");
    // Where the table decides the direction from the hook's flag bits, the
    // flag argument is given the other way round.
    QTest::newRow("main Enter") << VK_ENTER << 28 << 0 << 128 << 0 << "key|40|Enter";
    QTest::newRow("keypad Enter") << VK_ENTER << 28 << 1 << 129 << 0 << "key|88|Num Enter";
    QTest::newRow("255 scan 125") << 255 << 125 << 0 << 128 << 0 << "key|137|Yen";
    QTest::newRow("255 scan 121") << 255 << 121 << 0 << 128 << 0 << "key|138|Henkan";
    QTest::newRow("255 scan 112") << 255 << 112 << 0 << 128 << 0 << "key|136|Katakana";
    QTest::newRow("193") << 193 << 115 << 0 << 128 << 0 << "key|135|Ro";
    QTest::newRow("235") << 235 << 123 << 0 << 128 << 0 << "key|139|Muhenkan";
    QTest::newRow("keypad 7, Num Lock off") << VK_HOME << 71 << 0 << 128 << 1 << "key|95|Num 7";
    QTest::newRow("Home") << VK_HOME << 71 << 1 << 129 << 1 << "key|74|Home";
}

void tst_MacroPage::substitutionTable()
{
    QFETCH(int, vk);
    QFETCH(int, scan);
    QFETCH(int, pressFlag);
    QFETCH(int, releaseFlag);
    QFETCH(int, pressArg);
    QFETCH(QString, recorded);
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    QVERIFY(openPage(1));
    clickRecord();
    m_data->emitRecviveStreamExMacroKeyboard(vk, scan, pressArg, pressFlag);
    m_data->emitRecviveStreamExMacroKeyboard(vk, scan, 1 - pressArg, releaseFlag);
    clickRecord();
    QCOMPARE(stored("1"), (QStringList{"1|0|" + recorded + "|down", "1|0|" + recorded + "|up"}));
}

void tst_MacroPage::delayPolicy_data()
{
    QTest::addColumn<QString>("policy");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QStringList>("delays");
    QTest::newRow("recording delay") << "radioButton_RecordDelay" << "" << QStringList{"0", "65535", "65535", "12"};
    QTest::newRow("no delay") << "radioButton_NoDelay" << "" << QStringList{"0", "0", "0", "0"};
    QTest::newRow("default delay") << "radioButton_DefaultDelay" << "100" << QStringList{"100", "100", "100", "100"};
    QTest::newRow("default delay, empty") << "radioButton_DefaultDelay" << "" << QStringList{"0", "0", "0", "0"};
}

void tst_MacroPage::delayPolicy()
{
    QFETCH(QString, policy);
    QFETCH(QString, defaultText);
    QFETCH(QStringList, delays);
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    QVERIFY(openPage(1));
    clickRadio(m_page->findChild<QRadioButton *>(policy));
    child<QLineEdit>("lineEdit_DefaultDelayNum")->setText(defaultText);
    clickRecord();
    m_now = 0xffffff00u; // the clock wraps during the recording
    press(VK_A);
    m_now += 70000;
    release(VK_A);
    m_now += 70000;
    press(VK_B);
    m_now += 12;
    release(VK_B);
    clickRecord();
    QStringList got;
    int sum = 0;
    for (const QString &line : stored("1")) {
        got << line.section(QLatin1Char('|'), 1, 1);
        sum += got.last().toInt();
    }
    QCOMPARE(got, delays);
    QCOMPARE(child<QLabel>("label_TotalTime")->text(), QString::number(sum) + QStringLiteral(" MS"));
}

void tst_MacroPage::pressLimit()
{
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    fill("1", pairs(19));
    QVERIFY(openPage(1));
    clickRecord();
    press(VK_A);
    press(VK_B); // the 21st press
    QCOMPARE(notice(), QStringLiteral("The record of events has reached the limit"));
    release(VK_B); // its release is dropped with it
    release(VK_A);
    clickRecord();
    QCOMPARE(stored("1").size(), 40);
    QCOMPARE(stored("1").mid(38), (QStringList{"20|0|key|4|A|down", "20|0|key|4|A|up"}));
}

void tst_MacroPage::rowLimitKeepsPairs()
{
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    fill("1", pairs(18));
    QVERIFY(openPage(1));
    clickRecord();
    // 36 rows: a press fits while its release and the owed ones do.
    mouse(513);  // 37, owes 1
    press(VK_A); // 38, owes 2: 40 once released
    mouse(516);  // would leave no room for the releases
    QCOMPARE(notice(), QStringLiteral("The record of events has reached the limit"));
    mouse(517);
    release(VK_A);
    mouse(514);
    mouse(519);
    clickRecord();
    const QStringList all = stored("1");
    QCOMPARE(all.size(), 40);
    QCOMPARE(all.mid(36), (QStringList{"19|0|mouse|513|Left Click|down", "20|0|key|4|A|down", "20|0|key|4|A|up",
                                       "19|0|mouse|514|Left Click|up"}));
}

void tst_MacroPage::unpairedAndUnknownDropped()
{
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    QVERIFY(openPage(1));
    clickRecord();
    release(VK_B); // pressed before the recording
    m_now += 10;
    press(VK_NOCODE); // the keyboard has no code for it
    m_now += 10;
    press(VK_A);
    m_now += 10;
    release(VK_NOCODE);
    m_now += 10;
    press(VK_B); // still held at the stop
    m_now += 25;
    release(VK_A);
    clickRecord();
    // The held press goes; its wait is kept by the event after it.
    QCOMPARE(stored("1"), (QStringList{"1|0|key|4|A|down", "1|45|key|4|A|up"}));
    QCOMPARE(rows(), stored("1"));
}

void tst_MacroPage::ignoredWhileRecording()
{
    useStore({{QStringLiteral("1"), QStringLiteral("M1")}, {QStringLiteral("2"), QStringLiteral("M2")}});
    fill("1", pairs(1));
    QVERIFY(openPage(2));
    clickRecord();
    QTest::mousePress(m_page->macroRows().at(1), Qt::LeftButton);
    m_page->macroRows().at(0)->onMacroDelete();
    emit m_page->eventRows().at(0)->sigDeleteKeyAndMouseEvent();
    QCOMPARE(m_page->currentMacroName(), QStringLiteral("M1"));
    QCOMPARE(m_page->macroRows().size(), 2);
    QCOMPARE(notice(), QStringLiteral("Start record macro"));
    // Focus moving to and from a key field never touches the hook now.
    QLineEdit *field = child<QLineEdit>("lineEdit_PressKey");
    QFocusEvent in(QEvent::FocusIn), out(QEvent::FocusOut);
    QCoreApplication::sendEvent(field, &in);
    QCoreApplication::sendEvent(field, &out);
    QCOMPARE(m_hookCalls, QStringList{"on"});
    clickRecord();
    QCOMPARE(stored("1").size(), 2);

    // A hook that cannot start: nothing starts.
    m_hookAnswer = false;
    clickRecord();
    QVERIFY(!m_page->isRecording());
    QCOMPARE(child<QLabel>("label")->text(), QStringLiteral("Start record"));
}

void tst_MacroPage::keyFieldCapture()
{
    useStore({{QStringLiteral("1"), QStringLiteral("Macro1")}});
    fill("1", pairs(19));
    QVERIFY(openPage(1));
    QLineEdit *field = child<QLineEdit>("lineEdit_EnterKey");
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QCOMPARE(m_hookCalls, QStringList{"on"});
    press(VK_ESC);
    QCOMPARE(field->text(), QStringLiteral("Esc"));
    release(VK_ESC);
    press(VK_NOCODE);
    QCOMPARE(field->text(), QString()); // a key without a caption empties it
    press(VK_B);
    QCOMPARE(field->text(), QStringLiteral("B"));

    // 20 presses in the macro: a press is refused, the field keeps its text.
    selectRow(0);
    clickRadio(child<QRadioButton>("radioButton_Mouse"));
    child<QPushButton>("pushButton_InsertMacro")->click();
    QCOMPARE(m_page->pressCount(), 20);
    field->setFocus();
    press(VK_A);
    QCOMPARE(notice(), QStringLiteral("The record of events has reached the limit"));
    QCOMPARE(field->text(), QStringLiteral("B"));
    field->clearFocus();
    QCOMPARE(m_hookCalls.last(), QStringLiteral("off"));
}

QTEST_MAIN(tst_MacroPage)
#include "tst_macropage.moc"
