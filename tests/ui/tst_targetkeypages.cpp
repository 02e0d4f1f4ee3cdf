// The Remap Key and Key Combination pages on real profile files: entry
// sequences on the virtual keyboard and from captured keys as tables, what
// a stored value shows (malformed ones included), the light / heavy press
// fallback and the selector hidden for good, one start and one stop of the
// capture per pop-up, and a store that cannot write.
#include <QtTest>

#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

#include <memory>

#include "core/DDataManager.h"
#include "device/RecordFieldText.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/KeyPageSignals.h"
#include "support/ProfileFileFixture.h"
#include "ui/mainwidget/devicePage/SoftKeyboardButCustom.h"
#include "ui/mainwidget/devicePage/customKeys/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyCombinationPage.h"
#include "ui/mainwidget/devicePage/customKeys/DSoftKeyboardPage.h"
#include "ui/mainwidget/devicePage/customKeys/DVirtualKeyboardTool.h"
#include "widgets/ArrowWidget.h"

using lumtar::store::AtomicFileWriter;
using Fixture = ProfileFileFixture;

namespace {

const int kA = 4, kB = 5;
const int kCtrl = 224, kShift = 225, kAlt = 226, kRightAlt = 230;
const int kC = 6, kZ = 29, kEnter = 40, kEsc = 41, kFn = -10, kNoName = 9999;

QByteArray storedValue(const QByteArray &path, int keyCode, const char *profile = "1")
{
    const auto item = Fixture::item(path, profile, keyCode);
    return item ? recordFieldText(item->value) : QByteArray("<none>");
}

QByteArray storedType(const QByteArray &path, int keyCode)
{
    const auto item = Fixture::item(path, "1", keyCode);
    return item ? recordFieldText(item->type) : QByteArray("<none>");
}

void clickSoftKey(DTargetKeyPage *page, int keyCode)
{
    SoftKeyboardButCustom *button = page->virtualKeyboard()->softKeyboard()->keyButtons().value(keyCode);
    if (button)
        button->click();
    else // a key the layout lacks reaches the page all the same
        page->onSoftKeyboardClicked_VirtualKB(keyCode);
}

void focusField(DTargetKeyPage *page)
{
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(page->findChild<QLineEdit *>(), &focusIn);
}

// The field's bottom centre, the point the pop-up's arrow points at.
QPoint fieldPoint(DTargetKeyPage *page)
{
    const QLineEdit *field = page->findChild<QLineEdit *>();
    return field->mapToGlobal(QPoint(field->width() / 2, field->height()));
}

// Where the pop-up goes: 467 pixels left of and 375 above that point, kept
// on the screen.
QPoint popupPlace(DTargetKeyPage *page)
{
    const QRect screen = QGuiApplication::screenAt(fieldPoint(page))->availableGeometry();
    return ArrowWidget::placeWithin(fieldPoint(page) - QPoint(467, 375), QSize(1050, 345), 460, screen).topLeft;
}

} // namespace

class tst_TargetKeyPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void remapChoices_data();
    void remapChoices();
    void remapShowsStored_data();
    void remapShowsStored();
    void combinationEntries_data();
    void combinationEntries();
    void combinationShowsStored_data();
    void combinationShowsStored();
    void combinationEntryGoesOnAcrossThePopup();
    void lightHeavyFallbackAndSelector_data();
    void lightHeavyFallbackAndSelector();
    void oneStartAndOneStopPerPopup_data();
    void oneStartAndOneStopPerPopup();
    void popupStaysOnTheScreen_data();
    void popupStaysOnTheScreen();
    void pressElsewhereClosesAPopupNeverActivated_data();
    void pressElsewhereClosesAPopupNeverActivated();
    void failedStoreIsReported_data();
    void failedStoreIsReported();

private:
    std::unique_ptr<Fixture> m_files;
};

void tst_TargetKeyPages::init()
{
    m_files.reset(new Fixture);
    QVERIFY(m_files->isValid());
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
}

void tst_TargetKeyPages::cleanup()
{
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    DDataManager::getInstance()->setMagneticKeyboard(false);
    m_files.reset();
}

// ---- remap ---------------------------------------------------------------------------

void tst_TargetKeyPages::remapChoices_data()
{
    QTest::addColumn<QList<int>>("soft");     // soft-keyboard clicks
    QTest::addColumn<QList<int>>("captured"); // then captured keys
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("saves");

    QTest::newRow("Esc") << QList<int>{kEsc} << QList<int>{} << "Esc" << QByteArray("41") << 1;
    QTest::newRow("Fn") << QList<int>{kFn} << QList<int>{} << "Fn" << QByteArray("-10") << 1;
    QTest::newRow("same key twice") << QList<int>{kEsc, kEsc} << QList<int>{} << "Esc" << QByteArray("41") << 2;
    QTest::newRow("captured F5") << QList<int>{} << QList<int>{62} << "F5" << QByteArray("62") << 1;
    QTest::newRow("click, then capture") << QList<int>{kEsc} << QList<int>{kEnter} << "Enter" << QByteArray("40")
                                         << 2;
    QTest::newRow("key without a name") << QList<int>{} << QList<int>{kNoName} << "" << QByteArray("<none>") << 0;
    QTest::newRow("nameless after a key") << QList<int>{kEsc} << QList<int>{kNoName} << "Esc" << QByteArray("41")
                                          << 1;
}

void tst_TargetKeyPages::remapChoices()
{
    QFETCH(QList<int>, soft);
    QFETCH(QList<int>, captured);
    QFETCH(QString, shown);
    QFETCH(QByteArray, stored);
    QFETCH(int, saves);

    DChangeKeyPage page;
    page.show();
    page.loadKeyOperateInfo();
    KeyPageSignals told(&page);
    for (int code : soft)
        clickSoftKey(&page, code);
    for (int code : captured)
        page.setTargetKey(code);
    QCOMPARE(page.fieldText(), shown);
    if (!shown.isEmpty())
        QCOMPARE(page.findChild<QLineEdit *>()->maxLength(), shown.size());
    QCOMPARE(storedValue(m_files->profilePath(), kA), stored);
    if (saves)
        QCOMPARE(storedType(m_files->profilePath(), kA), QByteArray("0"));
    QCOMPARE(told.success.count(), saves);
    QCOMPARE(told.update.count(), saves);
    QVERIFY(told.failure.isEmpty());
}

void tst_TargetKeyPages::remapShowsStored_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Esc") << QByteArray("0") << QByteArray("41") << "Esc";
    QTest::newRow("Enter, whole") << QByteArray("0") << QByteArray("40") << "Enter";
    QTest::newRow("Fn") << QByteArray("0") << QByteArray("-10") << "Fn";
    QTest::newRow("not a key") << QByteArray("0") << QByteArray("9999") << "";
    QTest::newRow("not a number") << QByteArray("0") << QByteArray("Esc") << "";
    QTest::newRow("another type") << QByteArray("3") << QByteArray("4") << "";
}

void tst_TargetKeyPages::remapShowsStored()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);

    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kB, type.constData(), value.constData()));
    DChangeKeyPage page;
    page.show();
    // After "A" was shown for one key, the next key's whole name shows.
    page.loadKeyOperateInfo();
    clickSoftKey(&page, kA);
    QCOMPARE(page.fieldText(), QStringLiteral("A"));
    DDataManager::getInstance()->setClickedKey(kB, QStringLiteral("B"));
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    QCOMPARE(page.fieldText(), shown);
    QCOMPARE(page.findChild<QLineEdit *>()->placeholderText(), QStringLiteral("Remap with key?"));
    // Loading stores nothing.
    QVERIFY(told.silent());
    QCOMPARE(storedValue(m_files->profilePath(), kB), value);
}

// ---- key combination ------------------------------------------------------------------

void tst_TargetKeyPages::combinationEntries_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("captured");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("inProgress");
    QTest::addColumn<int>("saves");

    for (bool captured : {false, true}) {
        const char *how = captured ? "captured" : "clicked";
        QTest::addRow("%s: Ctrl C", how) << QList<int>{kCtrl, kC} << captured << "L_CTRL+C" << QByteArray("1,6")
                                         << false << 1;
        QTest::addRow("%s: Ctrl Shift Z", how) << QList<int>{kCtrl, kShift, kZ} << captured << "L_CTRL+L_SHIFT+Z"
                                               << QByteArray("3,29") << false << 1;
        QTest::addRow("%s: Ctrl Ctrl C", how) << QList<int>{kCtrl, kCtrl, kC} << captured << "L_CTRL+C"
                                              << QByteArray("1,6") << false << 1;
        QTest::addRow("%s: third modifier refused", how) << QList<int>{kCtrl, kShift, kAlt, kA} << captured
                                                         << "L_CTRL+L_SHIFT+A" << QByteArray("3,4") << false << 1;
        QTest::addRow("%s: right Alt Enter", how) << QList<int>{kRightAlt, kEnter} << captured << "R_ALT+Enter"
                                                  << QByteArray("64,40") << false << 1;
        QTest::addRow("%s: ordinary key first", how) << QList<int>{kC} << captured << "" << QByteArray("<none>")
                                                     << true << 0;
        QTest::addRow("%s: C, then Ctrl C", how) << QList<int>{kC, kCtrl, kC} << captured << "L_CTRL+C"
                                                 << QByteArray("1,6") << false << 1;
        QTest::addRow("%s: only modifiers", how) << QList<int>{kCtrl, kShift} << captured << "L_CTRL+L_SHIFT"
                                                 << QByteArray("<none>") << true << 0;
        QTest::addRow("%s: nameless key abandons", how) << QList<int>{kCtrl, kNoName} << captured << "L_CTRL"
                                                        << QByteArray("<none>") << false << 0;
        QTest::addRow("%s: abandoned, then Alt A", how) << QList<int>{kCtrl, kNoName, kAlt, kA} << captured
                                                        << "L_ALT+A" << QByteArray("4,4") << false << 1;
        QTest::addRow("%s: two combinations", how) << QList<int>{kCtrl, kC, kShift, kZ} << captured << "L_SHIFT+Z"
                                                   << QByteArray("2,29") << false << 2;
    }
}

void tst_TargetKeyPages::combinationEntries()
{
    QFETCH(QList<int>, keys);
    QFETCH(bool, captured);
    QFETCH(QString, shown);
    QFETCH(QByteArray, stored);
    QFETCH(bool, inProgress);
    QFETCH(int, saves);

    DKeyCombinationPage page;
    page.show();
    page.loadKeyOperateInfo();
    focusField(&page); // multiple selection on, as while the pop-up is open
    KeyPageSignals told(&page);
    for (int code : keys) {
        if (captured)
            page.addCapturedKey(code);
        else
            clickSoftKey(&page, code);
    }
    QCOMPARE(page.fieldText(), shown);
    if (!shown.isEmpty())
        QCOMPARE(page.findChild<QLineEdit *>()->maxLength(), shown.size());
    QCOMPARE(storedValue(m_files->profilePath(), kA), stored);
    QCOMPARE(told.success.count(), saves);
    QCOMPARE(told.update.count(), saves);
    QCOMPARE(page.isEntryInProgress(), inProgress);
    QVERIFY(told.failure.isEmpty());
    if (stored != "<none>") {
        QCOMPARE(storedType(m_files->profilePath(), kA), QByteArray("2"));
        // A saved entry leaves no highlighted key on the soft keyboard.
        QVERIFY(page.virtualKeyboard()->softKeyboard()->selectedButtons().isEmpty());
    }
    page.closePopup();
}

void tst_TargetKeyPages::combinationShowsStored_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Ctrl Alt Tab") << QByteArray("2") << QByteArray("5,43") << "L_CTRL+L_ALT+Tab";
    QTest::newRow("Ctrl Shift Z, whole") << QByteArray("2") << QByteArray("3,29") << "L_CTRL+L_SHIFT+Z";
    QTest::newRow("key without a name") << QByteArray("2") << QByteArray("3,9999") << "L_CTRL+L_SHIFT";
    QTest::newRow("one part") << QByteArray("2") << QByteArray("5") << "";
    QTest::newRow("three parts") << QByteArray("2") << QByteArray("1,6,7") << "";
    QTest::newRow("empty") << QByteArray("2") << QByteArray("") << "";
    QTest::newRow("not numbers") << QByteArray("2") << QByteArray("ctrl,c") << "";
    QTest::newRow("trailing comma") << QByteArray("2") << QByteArray("1,") << "";
    QTest::newRow("another type") << QByteArray("0") << QByteArray("41") << "";
}

void tst_TargetKeyPages::combinationShowsStored()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);

    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kB, type.constData(), value.constData()));
    DKeyCombinationPage page;
    page.show();
    // After "Ctrl" and "C" were entered for one key ...
    page.loadKeyOperateInfo();
    focusField(&page);
    clickSoftKey(&page, kCtrl);
    clickSoftKey(&page, kC);
    QCOMPARE(page.fieldText(), QStringLiteral("L_CTRL+C"));
    page.closePopup();
    // ... the next key shows its own whole text and stores nothing.
    DDataManager::getInstance()->setClickedKey(kB, QStringLiteral("B"));
    KeyPageSignals told(&page);
    page.loadKeyOperateInfo();
    QCOMPARE(page.fieldText(), shown);
    QCOMPARE(page.findChild<QLineEdit *>()->placeholderText(), QStringLiteral("Enter key?"));
    QVERIFY(told.silent());
    QCOMPARE(storedValue(m_files->profilePath(), kB), value);
    // The next key entered starts a new combination.
    page.addCapturedKey(kAlt);
    page.addCapturedKey(kA);
    QCOMPARE(storedValue(m_files->profilePath(), kB), QByteArray("4,4"));
    QCOMPARE(page.fieldText(), QStringLiteral("L_ALT+A"));
}

void tst_TargetKeyPages::combinationEntryGoesOnAcrossThePopup()
{
    DKeyCombinationPage page;
    page.show();
    page.loadKeyOperateInfo();
    focusField(&page);
    clickSoftKey(&page, kCtrl);
    page.closePopup();
    // Highlighted keys stay highlighted; the entry goes on with the next key.
    QCOMPARE(page.virtualKeyboard()->softKeyboard()->selectedButtons().size(), 1);
    QVERIFY(page.isEntryInProgress());
    focusField(&page);
    clickSoftKey(&page, kC);
    QCOMPARE(storedValue(m_files->profilePath(), kA), QByteArray("1,6"));
    page.closePopup();
}

// ---- both pages ----------------------------------------------------------------------

void tst_TargetKeyPages::lightHeavyFallbackAndSelector_data()
{
    QTest::addColumn<bool>("combination");
    QTest::newRow("remap") << false;
    QTest::newRow("combination") << true;
}

void tst_TargetKeyPages::lightHeavyFallbackAndSelector()
{
    QFETCH(bool, combination);

    DDataManager *data = DDataManager::getInstance();
    data->setMagneticKeyboard(true);
    const char *type = combination ? "2" : "0";
    QVERIFY(Fixture::bind(m_files->heavyPath(), "1", kA, type, combination ? "1,6" : "41"));
    std::unique_ptr<DTargetKeyPage> page;
    if (combination)
        page = std::make_unique<DKeyCombinationPage>();
    else
        page = std::make_unique<DChangeKeyPage>();
    page->show();
    auto *selector = page->findChild<QFrame *>(QStringLiteral("frame_Top2"));
    auto *heavy = page->findChild<QRadioButton *>(QStringLiteral("radioButton_HeavyPress"));
    auto *light = page->findChild<QRadioButton *>(QStringLiteral("radioButton_LightPress"));
    const QString text = combination ? QStringLiteral("L_CTRL+C") : QStringLiteral("Esc");
    const auto shown = [&] { return page->findChild<QLineEdit *>()->text(); };

    // Only the heavy press holds an item: the load falls back to it.
    page->loadKeyOperateInfo();
    QVERIFY(selector->isVisible());
    QVERIFY(heavy->isChecked());
    QCOMPARE(shown(), text);
    // Neither holds one on key B: back to the light press.
    data->setClickedKey(kB, QStringLiteral("B"));
    page->loadKeyOperateInfo();
    QVERIFY(light->isChecked());
    QCOMPARE(shown(), QString());
    // A choice on the heavy press goes to the heavy-press file.
    QTest::mouseClick(heavy, Qt::LeftButton, Qt::NoModifier, QPoint(6, heavy->height() / 2));
    QVERIFY(heavy->isChecked());
    if (combination) {
        page->onSoftKeyboardClicked_VirtualKB(kShift);
        page->onSoftKeyboardClicked_VirtualKB(kZ);
    } else {
        page->onSoftKeyboardClicked_VirtualKB(kEnter);
    }
    QCOMPARE(storedValue(m_files->heavyPath(), kB), combination ? QByteArray("2,29") : QByteArray("40"));
    QCOMPARE(storedValue(m_files->profilePath(), kB), QByteArray("<none>"));

    // Whatever the argument, the selector is hidden for good.
    static_cast<DTargetKeyPage *>(page.get())->setLightHeavySelectVisible(true);
    QVERIFY(!selector->isVisible());
    data->setClickedKey(kA, QStringLiteral("A"));
    page->loadKeyOperateInfo();
    QVERIFY(!selector->isVisible());
    QVERIFY(light->isChecked());
    QCOMPARE(shown(), QString()); // the heavy press is no longer read
}

void tst_TargetKeyPages::oneStartAndOneStopPerPopup_data()
{
    lightHeavyFallbackAndSelector_data();
}

void tst_TargetKeyPages::oneStartAndOneStopPerPopup()
{
    QFETCH(bool, combination);

    std::unique_ptr<DTargetKeyPage> page;
    if (combination)
        page = std::make_unique<DKeyCombinationPage>();
    else
        page = std::make_unique<DChangeKeyPage>();
    page->show();
    page->loadKeyOperateInfo();
    QSignalSpy hook(page.get(), &DTargetKeyPage::sigMesgStartOrStopHook);
    for (int round = 0; round < 2; ++round) {
        focusField(page.get());
        QVERIFY(page->popup()->isVisible());
        const QPoint pos = page->popup()->pos();
        QCOMPARE(pos, popupPlace(page.get()));
        focusField(page.get()); // while open: nothing moves, nothing is said
        QCOMPARE(page->popup()->pos(), pos);
        emit page->popup()->sigArrowWidgetHide();
        page->closePopup(); // closed already: nothing more
        QVERIFY(page->popup()->isHidden());
    }
    QCOMPARE(hook.count(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(hook.at(i).first().toBool(), i % 2 == 0);
    // Destroyed while open: the capture is ended.
    focusField(page.get());
    page.reset();
    QCOMPARE(hook.count(), 6);
    QCOMPARE(hook.last().first().toBool(), false);
}

void tst_TargetKeyPages::popupStaysOnTheScreen_data()
{
    QTest::addColumn<bool>("combination");
    QTest::addColumn<int>("edge"); // the window's place: 0 left edge, 1 right edge, 2 bottom right
    for (int edge : {0, 1, 2}) {
        QTest::addRow("Remap, edge %d", edge) << false << edge;
        QTest::addRow("Key Combination, edge %d", edge) << true << edge;
    }
}

void tst_TargetKeyPages::popupStaysOnTheScreen()
{
    QFETCH(bool, combination);
    QFETCH(int, edge);

    std::unique_ptr<DTargetKeyPage> page;
    if (combination)
        page = std::make_unique<DKeyCombinationPage>();
    else
        page = std::make_unique<DChangeKeyPage>();
    page->resize(300, 362);
    page->show();
    const QRect screen = page->screen()->availableGeometry();
    const int x = edge == 0 ? screen.left() : screen.left() + screen.width() - page->frameGeometry().width();
    const int y = edge == 2 ? screen.top() + screen.height() - page->frameGeometry().height() : screen.top() + 100;
    page->move(x, y);
    QTRY_COMPARE(page->pos(), QPoint(x, y));
    page->loadKeyOperateInfo();

    focusField(page.get());
    const QRect popup = page->popup()->geometry();
    QVERIFY(page->popup()->isVisible());
    QCOMPARE(popup.size(), QSize(1050, 345));
    // On the screen, as far as it fits; a screen narrower than the pop-up
    // shows its left part.
    if (popup.width() <= screen.width())
        QVERIFY2(screen.contains(popup), qPrintable(QStringLiteral("%1,%2").arg(popup.x()).arg(popup.y())));
    else
        QCOMPARE(popup.left(), screen.left());
    QVERIFY(popup.top() >= screen.top() && popup.bottom() <= screen.bottom());
    // Where it fits, as far from the field as ever.
    const QPoint wanted = fieldPoint(page.get()) - QPoint(467, 375);
    if (screen.contains(QRect(wanted, popup.size())))
        QCOMPARE(popup.topLeft(), wanted);
    // Its arrow's tip, 7 pixels right of the arrow's place, still points at
    // the field.
    QCOMPARE(popup.left() + page->popup()->arrowPos() + 7, fieldPoint(page.get()).x());
    page->closePopup();
}

void tst_TargetKeyPages::pressElsewhereClosesAPopupNeverActivated_data()
{
    lightHeavyFallbackAndSelector_data();
}

namespace {

// Keeps activation changes from a window, as a window manager that never
// gives tool-tip windows the focus does.
class NoActivation : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate;
    }
};

} // namespace

void tst_TargetKeyPages::pressElsewhereClosesAPopupNeverActivated()
{
    QFETCH(bool, combination);

    std::unique_ptr<DTargetKeyPage> page;
    if (combination)
        page = std::make_unique<DKeyCombinationPage>();
    else
        page = std::make_unique<DChangeKeyPage>();
    page->show();
    page->loadKeyOperateInfo();
    NoActivation noActivation;
    page->popup()->installEventFilter(&noActivation);
    QSignalSpy hook(page.get(), &DTargetKeyPage::sigMesgStartOrStopHook);
    focusField(page.get());
    QApplication::setActiveWindow(page.get());
    QVERIFY(page->popup()->isVisible());
    QVERIFY(QApplication::activeWindow() != page->popup());

    // Presses in the pop-up and on its field keep it open.
    SoftKeyboardButCustom *esc = page->virtualKeyboard()->softKeyboard()->keyButtons().value(kEsc);
    QTest::mousePress(esc, Qt::LeftButton);
    QTest::mouseRelease(esc, Qt::LeftButton);
    QTest::mouseClick(page->findChild<QLineEdit *>(), Qt::LeftButton);
    QVERIFY(page->popup()->isVisible());
    QCOMPARE(hook.count(), 1);

    // A press elsewhere in the program closes it and ends the capture, once.
    QTest::mouseClick(page->findChild<QFrame *>(QStringLiteral("frame")), Qt::LeftButton);
    QVERIFY(!page->popup()->isVisible());
    QVERIFY(!page->isPopupOpen());
    QCOMPARE(hook.count(), 2);
    QCOMPARE(hook.last().first().toBool(), false);
    QTest::mouseClick(page->findChild<QFrame *>(QStringLiteral("frame")), Qt::LeftButton);
    QCOMPARE(hook.count(), 2);
}

void tst_TargetKeyPages::failedStoreIsReported_data()
{
    lightHeavyFallbackAndSelector_data();
}

void tst_TargetKeyPages::failedStoreIsReported()
{
    QFETCH(bool, combination);

    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "3", "2"));
    std::unique_ptr<DTargetKeyPage> page;
    if (combination)
        page = std::make_unique<DKeyCombinationPage>();
    else
        page = std::make_unique<DChangeKeyPage>();
    page->show();
    page->loadKeyOperateInfo();
    KeyPageSignals told(page.get());
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::DiskFull);
    if (combination)
        page->onSoftKeyboardClicked_VirtualKB(kCtrl);
    page->onSoftKeyboardClicked_VirtualKB(combination ? kC : kEsc);
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    QCOMPARE(told.failures(), (QList<int>{combination ? 2 : 0, 1}));
    QVERIFY(told.success.isEmpty() && told.update.isEmpty());
    QCOMPARE(storedValue(m_files->profilePath(), kA), QByteArray("2"));
}

QTEST_MAIN(tst_TargetKeyPages)
#include "tst_targetkeypages.moc"
