// The customise-keys page as the owner of the global hook: where one
// reported key goes (the report filter as a table), which mode runs and
// whether the keyboard is grabbed after every step of every order of
// capture, macro recording and light interaction, the macro editor's
// request through the shared state, and the capture ending with its pop-up
// however the pop-up goes. The operating system's hook is the scripted
// double; everything above it is real.
#include <QtTest>

#include <QLineEdit>

#include <algorithm>
#include <memory>

#include "core/DDataManager.h"
#include "core/WindowsHookInterface.h"
#include "sdk/include/LumtarLight.h"
#include "sdk/lightfx/LightEngine.h"
#include "support/ProfileFileFixture.h"
#include "support/ScriptedHookBackend.h"
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "ui/mainwidget/devicePage/customKeys/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyCombinationPage.h"
#include "ui/mainwidget/devicePage/customKeys/HookKeyRouter.h"
#include "ui/mainwidget/devicePage/customKeys/HookModePlan.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/ArrowWidget.h"

using Table = CustomKeysPageTable;
using Route = HookKeyRouter::Route;

namespace {

constexpr int kNone = HookModePlan::NoMode;
constexpr int kExt = 1, kAlt = 32, kUp = 128, kExtUp = 129;

// Virtual-key code -> layout key code, as the soft-keyboard layout fills it.
const QMap<int, int> kVkMap = {
    {65, 4},    // A
    {999, 40},  // main Enter
    {998, 88},  // keypad Enter
    {103, 95},  // keypad 7
    {36, 74},   // Home
    {97, 89},   // keypad 1
    {110, 99},  // keypad decimal point
    {46, 76},   // Delete
    {116, 62},  // F5
    {162, 224}, // left Ctrl
};

std::optional<QPoint> placeOf(int keyCode)
{
    // The view shows A, Enter, keypad 7 and Home only.
    switch (keyCode) {
    case 4: return QPoint(3, 1);
    case 40: return QPoint(3, 13);
    case 95: return QPoint(2, 18);
    case 74: return QPoint(2, 15);
    default: return std::nullopt;
    }
}

// Steps of a mode sequence.
enum Step { CaptureOn, CaptureOff, RecordOn, RecordOff, LightOn, LightOff };

} // namespace

Q_DECLARE_METATYPE(Route)

class tst_CustomKeysHook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void reportFilter_data();
    void reportFilter();
    void everyOrderOfModes();
    void recordingRequestThroughSharedState();
    void failedRecordingGivesTheHookBack();
    void captureOnPagesWithoutCapture();
    void lightInteractionCallsTheEngineOncePerPress();
    void capturedKeysReachThePageShown();
    void popupStartsAndStopsOnce_data();
    void popupStartsAndStopsOnce();
    void popupClosedByTheHost_data();
    void popupClosedByTheHost();
    void destroyedPageEndsItsCapture();

private:
    DChangeKeyPage *remapPage() const;
    DKeyCombinationPage *combinationPage() const;
    void showPage(int pageId);
    void apply(Step step, int captureMode);

    std::unique_ptr<ScriptedHookBackend> m_backend;
    std::unique_ptr<ProfileFileFixture> m_files;
    std::unique_ptr<DCustomKeysPage> m_host;
    std::unique_ptr<QWidget> m_view;
};

void tst_CustomKeysHook::initTestCase()
{
    m_backend = std::make_unique<ScriptedHookBackend>();
    WindowsHookInterface::setBackend(m_backend.get());
    m_host.reset(new DCustomKeysPage);
}

void tst_CustomKeysHook::cleanupTestCase()
{
    m_host.reset();
    WindowsHookInterface::setBackend(nullptr);
    m_backend.reset();
}

void tst_CustomKeysHook::init()
{
    m_files.reset(new ProfileFileFixture);
    QVERIFY(m_files->isValid());
    DDataManager *data = DDataManager::getInstance();
    m_view.reset(new QWidget);
    auto *keyA = new keyboardButCustom(m_view.get());
    keyA->setKeyInfo(4, QStringLiteral("A"));
    keyA->setGridIndex(3, 1);
    data->setKeyButtonMap({{4, keyA}});
    data->setVkToKeyCodeMap(kVkMap);
    m_host->setCurrentProfileIndex(1);
    m_host->setXmlProfilePath(m_files->profilePath().constData());
    m_host->initCustomKeysStatus(0);
    m_host->show();
    data->setClickedKey(4, QStringLiteral("A"));
    lumtar::lightfx::LightEngine::instance().takePresses();
}

void tst_CustomKeysHook::cleanup()
{
    m_host->closeCapturePopups();
    m_host->onMesgStartOrStopHook(false); // a capture asked for without a pop-up
    m_host->setMacroRecordHook(false);
    m_host->setLightInteractionHook(false);
    QCOMPARE(m_host->runningHookMode(), kNone);
    QVERIFY(!m_backend->keyboardGrabbed());
    QVERIFY(!m_backend->keyboardInstalled());
    DDataManager::getInstance()->setKeyButtonMap({});
    m_view.reset();
    m_files.reset();
}

DChangeKeyPage *tst_CustomKeysHook::remapPage() const
{
    return static_cast<DChangeKeyPage *>(m_host->functionPage(Table::RemapKeyPage));
}

DKeyCombinationPage *tst_CustomKeysHook::combinationPage() const
{
    return static_cast<DKeyCombinationPage *>(m_host->functionPage(Table::CombinationKeyPage));
}

void tst_CustomKeysHook::showPage(int pageId)
{
    m_host->onCurIndexChanged_Key(pageId);
    QCOMPARE(m_host->currentPageId(), pageId);
}

// ---- one reported key ---------------------------------------------------------------

void tst_CustomKeysHook::reportFilter_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("hookFlag");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("operateCode");
    QTest::addColumn<Route>("route");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<QPoint>("place");

    const QPoint none(-1, -1);
    QTest::newRow("A, remap") << 65 << 1 << 0 << 2 << 1 << Route::RemapTarget << 4 << none;
    QTest::newRow("A, combination") << 65 << 1 << 0 << 3 << 2 << Route::CombinationKey << 4 << none;
    QTest::newRow("A, light") << 65 << 1 << 0 << 5 << 10 << Route::LightPoint << 4 << QPoint(3, 1);
    QTest::newRow("A, Alt held") << 65 << 1 << kAlt << 2 << 1 << Route::RemapTarget << 4 << none;
    QTest::newRow("A released") << 65 << 0 << kUp << 2 << 1 << Route::Dropped << -1 << none;
    QTest::newRow("A, release flag only") << 65 << 1 << kUp << 2 << 1 << Route::Dropped << -1 << none;
    QTest::newRow("A, no press flag") << 65 << 0 << 0 << 5 << 1 << Route::Dropped << -1 << none;
    QTest::newRow("main Enter") << 13 << 1 << 0 << 2 << 1 << Route::RemapTarget << 40 << none;
    QTest::newRow("keypad Enter") << 13 << 1 << kExt << 2 << 1 << Route::RemapTarget << 88 << none;
    QTest::newRow("keypad Enter released") << 13 << 0 << kExtUp << 2 << 1 << Route::Dropped << -1 << none;
    QTest::newRow("main Enter, light") << 13 << 1 << 0 << 5 << 1 << Route::LightPoint << 40 << QPoint(3, 13);
    QTest::newRow("keypad Enter, light: not on the view") << 13 << 1 << kExt << 5 << 1 << Route::Dropped << -1
                                                           << none;
    QTest::newRow("keypad 7, Num Lock off") << 36 << 1 << 0 << 2 << 1 << Route::RemapTarget << 95 << none;
    QTest::newRow("keypad 7 with Alt") << 36 << 1 << kAlt << 3 << 2 << Route::CombinationKey << 95 << none;
    QTest::newRow("Home") << 36 << 1 << kExt << 2 << 1 << Route::RemapTarget << 74 << none;
    QTest::newRow("Home, light") << 36 << 1 << kExt << 5 << 1 << Route::LightPoint << 74 << QPoint(2, 15);
    QTest::newRow("keypad 7, light") << 36 << 1 << 0 << 5 << 1 << Route::LightPoint << 95 << QPoint(2, 18);
    QTest::newRow("keypad 1") << 35 << 1 << 0 << 2 << 1 << Route::RemapTarget << 89 << none;
    QTest::newRow("keypad point") << 46 << 1 << 0 << 2 << 1 << Route::RemapTarget << 99 << none;
    QTest::newRow("Delete") << 46 << 1 << kExt << 2 << 1 << Route::RemapTarget << 76 << none;
    QTest::newRow("keypad 7 with Num Lock on") << 103 << 1 << 0 << 2 << 1 << Route::RemapTarget << 95 << none;
    QTest::newRow("unknown code") << 255 << 1 << 0 << 2 << 1 << Route::Dropped << -1 << none;
    QTest::newRow("unknown code, light") << 255 << 1 << 0 << 5 << 1 << Route::Dropped << -1 << none;
    QTest::newRow("F5, light: not on the view") << 116 << 1 << 0 << 5 << 1 << Route::Dropped << -1 << none;
    QTest::newRow("left Ctrl, combination") << 162 << 1 << kExt << 3 << 2 << Route::CombinationKey << 224 << none;
    QTest::newRow("operate code 0 (macro page)") << 65 << 1 << 0 << 2 << 0 << Route::Dropped << -1 << none;
    QTest::newRow("operate code 10 (default page)") << 65 << 1 << 0 << 3 << 10 << Route::Dropped << -1 << none;
    QTest::newRow("remap page, combination mode") << 65 << 1 << 0 << 3 << 1 << Route::RemapTarget << 4 << none;
    QTest::newRow("macro recording") << 65 << 1 << 0 << 1 << 1 << Route::Dropped << -1 << none;
}

void tst_CustomKeysHook::reportFilter()
{
    QFETCH(int, vk);
    QFETCH(int, flag);
    QFETCH(int, hookFlag);
    QFETCH(int, mode);
    QFETCH(int, operateCode);
    QFETCH(Route, route);
    QFETCH(int, keyCode);
    QFETCH(QPoint, place);

    const HookKeyRouter::Outcome outcome = HookKeyRouter::route(vk, flag, hookFlag, mode, operateCode, kVkMap, placeOf);
    QCOMPARE(int(outcome.route), int(route));
    QCOMPARE(outcome.keyCode, keyCode);
    QCOMPARE(QPoint(outcome.row, outcome.column), place);
}

// ---- modes ------------------------------------------------------------------------

void tst_CustomKeysHook::apply(Step step, int captureMode)
{
    switch (step) {
    case CaptureOn: {
        const int pageId =
            captureMode == HookModePlan::RemapCaptureMode ? Table::RemapKeyPage : Table::CombinationKeyPage;
        if (m_host->currentPageId() != pageId)
            showPage(pageId);
        m_host->onMesgStartOrStopHook(true);
    }
        break;
    case CaptureOff: m_host->onMesgStartOrStopHook(false); break;
    case RecordOn: QVERIFY(DDataManager::getInstance()->emitHookRuningStrtusCtrlMacroRecord(true)); break;
    case RecordOff: QVERIFY(DDataManager::getInstance()->emitHookRuningStrtusCtrlMacroRecord(false)); break;
    case LightOn: m_host->setLightInteractionHook(true, 7); break;
    case LightOff: m_host->setLightInteractionHook(false, 7); break;
    }
}

void tst_CustomKeysHook::everyOrderOfModes()
{
    // Every order of the six steps, each with both captures; an "off" before
    // its "on" is a stop of something not running. One loop rather than 1440
    // rows: a row's set-up costs more than its steps.
    QVector<int> steps = {CaptureOn, CaptureOff, RecordOn, RecordOff, LightOn, LightOff};
    showPage(Table::RemapKeyPage);
    do {
        for (int captureMode : {HookModePlan::RemapCaptureMode, HookModePlan::CombinationCaptureMode}) {
            QString name;
            for (int s : steps)
                name += QStringLiteral("CcRrLl").at(s);
            name += QStringLiteral(" capture %1").arg(captureMode);
            bool capture = false, recording = false, light = false;
            for (int s : steps) {
                apply(Step(s), captureMode);
                capture = s == CaptureOn ? true : s == CaptureOff ? false : capture;
                recording = s == RecordOn ? true : s == RecordOff ? false : recording;
                light = s == LightOn ? true : s == LightOff ? false : light;
                // Recording first, then the open pop-up's capture, then light interaction.
                const int expected = recording ? 1 : capture ? captureMode : light ? 5 : kNone;
                const bool grabbed = expected == 1 || expected == 2 || expected == 3;
                QVERIFY2(m_host->runningHookMode() == expected, qPrintable(name));
                QVERIFY2(m_backend->keyboardInstalled() == (expected != kNone), qPrintable(name));
                QVERIFY2(m_backend->keyboardGrabbed() == grabbed, qPrintable(name));
                QVERIFY2(m_backend->mouseInstalled() == (expected == 1), qPrintable(name));
            }
            for (Step off : {CaptureOff, RecordOff, LightOff})
                apply(off, captureMode);
            QCOMPARE(m_host->runningHookMode(), kNone);
        }
    } while (std::next_permutation(steps.begin(), steps.end()));
}

void tst_CustomKeysHook::recordingRequestThroughSharedState()
{
    DDataManager *data = DDataManager::getInstance();
    m_host->setLightInteractionHook(true);
    QCOMPARE(m_host->runningHookMode(), 5);
    const int installs = m_backend->keyboardInstalls;
    QVERIFY(data->emitHookRuningStrtusCtrlMacroRecord(true));
    QCOMPARE(m_host->runningHookMode(), 1);
    QCOMPARE(m_host->hookMode(), 1);
    // Asked again while it records: it starts afresh.
    QVERIFY(data->emitHookRuningStrtusCtrlMacroRecord(true));
    QCOMPARE(m_host->runningHookMode(), 1);
    QVERIFY(m_backend->keyboardInstalls > installs);
    QVERIFY(data->emitHookRuningStrtusCtrlMacroRecord(false));
    QCOMPARE(m_host->runningHookMode(), 5);
    QVERIFY(!m_backend->keyboardGrabbed());
}

void tst_CustomKeysHook::failedRecordingGivesTheHookBack()
{
    DDataManager *data = DDataManager::getInstance();
    showPage(Table::RemapKeyPage);
    m_host->onMesgStartOrStopHook(true);
    QCOMPARE(m_host->runningHookMode(), 2);
    m_backend->failMouse = true;
    QVERIFY(!data->emitHookRuningStrtusCtrlMacroRecord(true));
    m_backend->failMouse = false;
    // The capture runs again, and a stop of the recording that never ran changes nothing.
    QCOMPARE(m_host->runningHookMode(), 2);
    QVERIFY(m_backend->keyboardGrabbed());
    QVERIFY(data->emitHookRuningStrtusCtrlMacroRecord(false));
    QCOMPARE(m_host->runningHookMode(), 2);
    m_host->onMesgStartOrStopHook(false);

    // Nothing can be installed at all: nothing runs, and a later change tries again.
    m_backend->failKeyboard = true;
    m_host->setLightInteractionHook(true);
    QCOMPARE(m_host->runningHookMode(), kNone);
    QVERIFY(!data->emitHookRuningStrtusCtrlMacroRecord(true));
    m_backend->failKeyboard = false;
    QVERIFY(data->emitHookRuningStrtusCtrlMacroRecord(false));
    QCOMPARE(m_host->runningHookMode(), 5);
}

void tst_CustomKeysHook::captureOnPagesWithoutCapture()
{
    for (int pageId : {int(Table::DefaultPage), int(Table::MacroPage), int(Table::MousePage)}) {
        m_host->setLightInteractionHook(true);
        showPage(pageId);
        m_host->onMesgStartOrStopHook(true);
        QCOMPARE(m_host->runningHookMode(), 5);
        QVERIFY(!m_backend->keyboardGrabbed());
        m_host->setLightInteractionHook(false);
        QCOMPARE(m_host->runningHookMode(), kNone);
    }
}

// ---- keys reaching their receivers ---------------------------------------------------

void tst_CustomKeysHook::lightInteractionCallsTheEngineOncePerPress()
{
    QSignalSpy points(m_host.get(), &DCustomKeysPage::sigInteractLightsPointXY);
    m_host->setLightInteractionHook(true);
    // Press and release of A, then a key the view lacks, then an unknown code.
    m_backend->key(65, 0x1E, 0);
    m_backend->key(65, 0x1E, kUp);
    m_backend->key(116, 0x3F, 0);
    m_backend->key(116, 0x3F, kUp);
    m_backend->key(255, 0, 0);
    QCOMPARE(points.count(), 1);
    QCOMPARE(points.first(), (QList<QVariant>{3, 1}));
    const lumtar::lightfx::PressQueue::Batch queued = lumtar::lightfx::LightEngine::instance().takePresses();
    QCOMPARE(queued.count, 1);
    QCOMPARE(queued.presses[0].row, 3);
    QCOMPARE(queued.presses[0].column, 1);
    // Nothing is withheld in light interaction.
    QVERIFY(!m_backend->key(65, 0x1E, 0));
    m_backend->key(65, 0x1E, kUp);
}

void tst_CustomKeysHook::capturedKeysReachThePageShown()
{
    const QByteArray path = m_files->profilePath();
    showPage(Table::RemapKeyPage);
    m_host->onMesgStartOrStopHook(true);
    // F5 is withheld from the other applications and stored as the target.
    QVERIFY(m_backend->key(116, 0x3F, 0));
    QVERIFY(m_backend->key(116, 0x3F, kUp));
    auto item = ProfileFileFixture::item(path, "1", 4);
    QVERIFY(item);
    QCOMPARE(QByteArray(item->type), QByteArray("0"));
    QCOMPARE(QByteArray(item->value), QByteArray("62"));
    m_host->onMesgStartOrStopHook(false);

    showPage(Table::CombinationKeyPage);
    m_host->onMesgStartOrStopHook(true);
    m_backend->key(162, 0x1D, 0); // left Ctrl: passes through, still captured
    m_backend->key(65, 0x1E, 0);
    m_backend->key(65, 0x1E, kUp);
    m_backend->key(162, 0x1D, kUp);
    item = ProfileFileFixture::item(path, "1", 4);
    QVERIFY(item);
    QCOMPARE(QByteArray(item->type), QByteArray("2"));
    QCOMPARE(QByteArray(item->value), QByteArray("1,4"));
    QCOMPARE(combinationPage()->fieldText(), QStringLiteral("L_CTRL+A"));
    m_host->onMesgStartOrStopHook(false);
}

// ---- the pop-up and its capture ------------------------------------------------------

void tst_CustomKeysHook::popupStartsAndStopsOnce_data()
{
    QTest::addColumn<int>("pageId");
    QTest::addColumn<int>("mode");
    QTest::newRow("remap") << int(Table::RemapKeyPage) << 2;
    QTest::newRow("combination") << int(Table::CombinationKeyPage) << 3;
}

void tst_CustomKeysHook::popupStartsAndStopsOnce()
{
    QFETCH(int, pageId);
    QFETCH(int, mode);

    showPage(pageId);
    auto *page = static_cast<DTargetKeyPage *>(m_host->functionPage(pageId));
    QSignalSpy hook(page, &DTargetKeyPage::sigMesgStartOrStopHook);
    QLineEdit *field = page->findChild<QLineEdit *>();
    QVERIFY(field);
    m_host->setLightInteractionHook(true);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(field, &focusIn);
    QCOMPARE(hook.count(), 1);
    QVERIFY(page->isPopupOpen());
    QCOMPARE(m_host->runningHookMode(), mode);
    // Focusing the field again while it is open opens nothing more.
    QFocusEvent again(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(field, &again);
    QCOMPARE(hook.count(), 1);
    // It loses activation: one stop, light interaction comes back.
    emit page->popup()->sigArrowWidgetHide();
    QCOMPARE(hook.count(), 2);
    QCOMPARE(hook.at(0).first().toBool(), true);
    QCOMPARE(hook.at(1).first().toBool(), false);
    QVERIFY(!page->isPopupOpen());
    QVERIFY(page->popup()->isHidden());
    QCOMPARE(m_host->runningHookMode(), 5);
    // Closing again says nothing.
    page->closePopup();
    QCOMPARE(hook.count(), 2);
}

void tst_CustomKeysHook::popupClosedByTheHost_data()
{
    QTest::addColumn<int>("pageId");
    QTest::addColumn<QString>("how");
    for (int pageId : {int(Table::RemapKeyPage), int(Table::CombinationKeyPage)}) {
        const char *name = pageId == Table::RemapKeyPage ? "remap" : "combination";
        for (const char *how : {"page hidden", "host hidden", "profile load", "layer switch", "host reset",
                                "other page"})
            QTest::addRow("%s, %s", name, how) << pageId << QString::fromLatin1(how);
    }
}

void tst_CustomKeysHook::popupClosedByTheHost()
{
    QFETCH(int, pageId);
    QFETCH(QString, how);

    showPage(pageId);
    auto *page = static_cast<DTargetKeyPage *>(m_host->functionPage(pageId));
    QLineEdit *field = page->findChild<QLineEdit *>();
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(field, &focusIn);
    QVERIFY(page->isPopupOpen());
    QVERIFY(m_backend->keyboardGrabbed());

    if (how == QLatin1String("page hidden"))
        page->hide();
    else if (how == QLatin1String("host hidden"))
        m_host->hide();
    else if (how == QLatin1String("profile load"))
        m_host->setXmlProfilePath(m_files->profilePath().constData());
    else if (how == QLatin1String("layer switch"))
        m_host->onCurIndexChanged_Mode(1);
    else if (how == QLatin1String("host reset"))
        m_host->initCustomKeysStatus(0);
    else
        showPage(Table::MousePage);

    QVERIFY(!page->isPopupOpen());
    QVERIFY(page->popup()->isHidden());
    QVERIFY(!m_backend->keyboardGrabbed());
    QCOMPARE(m_host->runningHookMode(), kNone);
    page->show();
    m_host->show();
}

void tst_CustomKeysHook::destroyedPageEndsItsCapture()
{
    // A remap page of its own, told to the host as its remap page would be.
    showPage(Table::RemapKeyPage);
    auto page = std::make_unique<DChangeKeyPage>();
    connect(page.get(), &DTargetKeyPage::sigMesgStartOrStopHook, m_host.get(), &DCustomKeysPage::onMesgStartOrStopHook);
    page->show();
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(page->findChild<QLineEdit *>(), &focusIn);
    QVERIFY(m_backend->keyboardGrabbed());
    page.reset();
    QVERIFY(!m_backend->keyboardGrabbed());
    QCOMPARE(m_host->runningHookMode(), kNone);

    // A whole host goes with a capture and light interaction on.
    auto host = std::make_unique<DCustomKeysPage>();
    host->setXmlProfilePath(m_files->profilePath().constData());
    host->show();
    host->onCurIndexChanged_Key(Table::CombinationKeyPage);
    host->setLightInteractionHook(true);
    QCoreApplication::sendEvent(host->functionPage(Table::CombinationKeyPage)->findChild<QLineEdit *>(), &focusIn);
    QCOMPARE(host->runningHookMode(), 3);
    QVERIFY(m_backend->keyboardGrabbed());
    host.reset();
    QVERIFY(!m_backend->keyboardGrabbed());
    QVERIFY(!m_backend->keyboardInstalled());
}

QTEST_MAIN(tst_CustomKeysHook)
#include "tst_customkeyshook.moc"
