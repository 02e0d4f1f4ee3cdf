// The trigger settings page in the real main window against the simulated
// keyboard: keys selected on the keyboard view and their travel applied,
// quick trigger, a clicked key's stored settings shown, the refusals of an
// apply; one-key and all-keys calibration driven by key presses on the
// simulated keyboard, late replies and unplugging.
#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStackedWidget>

#include <string>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/ModalAnswer.h"
#include "support/SimMainWindow.h"
#include "support/SimReportLog.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/KeyLayoutFile.h"
#include "ui/mainwidget/devicePage/dragShowArea.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/trigger/DSensitivityShowWidget.h"
#include "ui/mainwidget/devicePage/trigger/DTriggerSettingPage.h"
#include "sdk/hid/DeviceTable.h"
#include "widgets/ArrowWidget.h"
#include "widgets/CbNotice.h"
#include "widgets/sliderCustomWidget.h"

using lumtar::sim::SimController;

namespace {

constexpr int kWait = 20000;

// The magnetic reports (0x29) the keyboard received with this byte 6.
QList<QByteArray> magneticReports(const std::string &path, int sub)
{
    QList<QByteArray> out;
    for (const QByteArray &r : SimReportLog::commands(path))
        if (quint8(r.at(1)) == 0x29 && quint8(r.at(6)) == sub)
            out << r;
    return out;
}

QStringList travelShown(const keyboardButCustom *key)
{
    QStringList shown;
    for (const auto &line : key->travelPlan())
        shown << line.text;
    return shown;
}

// A reply of the keyboard as it would send it.
std::array<uint8_t, 64> reply(std::initializer_list<std::pair<int, int>> bytes)
{
    std::array<uint8_t, 64> r{};
    r[0] = 0x01;
    r[1] = 0x21;
    for (const auto &b : bytes)
        r[size_t(b.first)] = uint8_t(b.second);
    return r;
}

} // namespace

class tst_TriggerPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void simKeyPositionsMatchTheLayouts();
    void pageOpensAtTheMiddleOfTheScale();
    void dragSelectsAndScaleApplies();
    void mouseDragLeavesTheKeysSelected();
    void quickClickOnTheScaleAppliesTheClickedStep();
    void helpPopupsStayOnTheScreen();
    void quickTriggerAndSeparateSensitivity();
    void clickedKeyShowsWhatTheKeyboardStored_data();
    void clickedKeyShowsWhatTheKeyboardStored();
    void applyRefusals();
    void reportRateShown_data();
    void reportRateShown();

    void calibrationRefusals();
    void oneKeyCalibration_data();
    void oneKeyCalibration();
    void unknownCalibrationStatus();
    void allKeysCalibration();
    void allKeysLateReplyAndUnplug();

private:
    void startOnTriggerPage(const char *model = "LT108HE");
    DTriggerSettingPage *trigger() const { return m_page->findChild<DTriggerSettingPage *>(); }
    hidDeviceJoinFrame *view() const { return m_page->findChild<hidDeviceJoinFrame *>(); }
    keyboardButCustom *key(int row, int column) const { return DevicePageProbe(m_page).gridKey(row, column); }
    template <typename T> T *on(const char *name) const
    {
        T *w = trigger()->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("missing %s", name);
        return w;
    }
    // Clicks the travel scale at a step.
    void clickScaleAt(int step);
    // A key clicked on the keyboard view (hover, then press and release).
    void clickKey(int row, int column);
    QPoint keyTopLeft(int row, int column) const;
    int checkedKeys() const;

    SimMainWindow m_window;
    DDevicePage *m_page = nullptr;
    std::string m_path;
};

void tst_TriggerPage::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
}

void tst_TriggerPage::cleanup()
{
    m_window.close();
    m_page = nullptr;
    DDataManager::getInstance()->setKeyCalibrationMode(false);
}

void tst_TriggerPage::startOnTriggerPage(const char *model)
{
    m_page = m_window.start(model);
    m_path = m_window.path();
    QVERIFY(m_page);
    m_page->window()->resize(1366, 768);
    m_page->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page->window()));
    QVERIFY(SimController::instance().setSelfPressing(m_path, false));
    QTRY_COMPARE_WITH_TIMEOUT(DDataManager::getInstance()->maxSensitivityNum(), 40, kWait);
    m_page->onCurIndexChangedMainPage(DDevicePage::TriggerSettingPage);
    QCOMPARE(m_page->currentMainPage(), int(DDevicePage::TriggerSettingPage));
    QTest::qWait(50); // the stack page lays out
    trigger()->initTriggerSettingData();
    trigger()->sensitivityShow()->repaint();
}

QPoint tst_TriggerPage::keyTopLeft(int row, int column) const
{
    return key(row, column)->mapTo(view(), QPoint(0, 0));
}

void tst_TriggerPage::clickScaleAt(int step)
{
    DSensitivityShowWidget *scale = trigger()->sensitivityShow();
    const QPoint at(scale->width() / 2, scale->positions().at(step - 1));
    // The marker is drawn where the press put it before the button comes up.
    QTest::mousePress(scale, Qt::LeftButton, Qt::NoModifier, at);
    scale->repaint();
    QTest::mouseRelease(scale, Qt::LeftButton, Qt::NoModifier, at);
}

void tst_TriggerPage::clickKey(int row, int column)
{
    const QPoint centre = keyTopLeft(row, column) + QPoint(key(row, column)->width() / 2, key(row, column)->height() / 2);
    m_page->onDragShowAreaMouseMovePoint(centre.x(), centre.y());
    m_page->onDragAreaMousePressOrRelease(true);
    m_page->onDragAreaMousePressOrRelease(false);
}

int tst_TriggerPage::checkedKeys() const
{
    int n = 0;
    for (const keyboardButCustom *k : DDataManager::getInstance()->keyButtonList())
        if (k && k->isKeyChecked())
            ++n;
    return n;
}

void tst_TriggerPage::simKeyPositionsMatchTheLayouts()
{
    lumtar::DeviceTable table;
    std::string error;
    QVERIFY2(table.loadDefault(&error, nullptr), error.c_str());
    for (const lumtar::DeviceModel &model : table.models()) {
        QFile file(QStringLiteral(":/images/configDir/KeyInfo_%1.config").arg(QString::fromStdString(model.model)));
        QVERIFY2(file.open(QIODevice::ReadOnly), model.model.c_str());
        KeyLayoutFile layout;
        QVERIFY2(layout.parse(file.readAll()), qPrintable(layout.errorText()));
        std::array<uint8_t, 22> columns{};
        for (const KeyLayoutFile::Key &k : layout.keys())
            if (k.record.code != 0)
                columns[size_t(k.column)] |= uint8_t(1u << k.row);
        QVERIFY2(columns == model.simKeyColumns, model.model.c_str());
    }
}

void tst_TriggerPage::pageOpensAtTheMiddleOfTheScale()
{
    startOnTriggerPage();
    DSensitivityShowWidget *scale = trigger()->sensitivityShow();
    QCOMPARE(scale->stepCount(), 41);
    trigger()->initTriggerSettingData();
    QCOMPARE(trigger()->centreValue(), 20);
    QCOMPARE(trigger()->pressValue(), 19);
    QCOMPARE(trigger()->releaseValue(), 20);
    QSignalSpy drawn(scale, &DSensitivityShowWidget::sigCurrentStrengthNumBack);
    scale->repaint();
    QCOMPARE(drawn.size(), 1);
    QCOMPARE(drawn.first().at(1).toInt(), 20);
    QCOMPARE(trigger()->pressValue(), 20);
    QCOMPARE(DSensitivityShowWidget::mmText(20), QStringLiteral("2.0mm"));
    QVERIFY(!on<QCheckBox>("checkBox_SecondarySensitivity")->isVisible());
    QVERIFY(on<QCheckBox>("checkBox_QuickTrigger")->isVisible());
    QVERIFY(!on<QWidget>("frame_CCC")->isVisible());
}

void tst_TriggerPage::dragSelectsAndScaleApplies()
{
    startOnTriggerPage();
    // A, S, D and F: row 3, columns 1 to 4.
    const QPoint from = keyTopLeft(3, 1) - QPoint(3, 3);
    const QPoint to = keyTopLeft(3, 4) + QPoint(3, 3);
    m_page->onDragArea_SelectKeys(to.x(), to.y(), from.x(), from.y());
    QList<keyboardButCustom *> selected;
    for (keyboardButCustom *k : DDataManager::getInstance()->keyButtonList())
        if (k && k->isKeySelected())
            selected << k;
    QCOMPARE(selected.size(), 4);
    for (int column = 1; column <= 4; ++column)
        QVERIFY(key(3, column)->isKeySelected());
    QTRY_COMPARE_WITH_TIMEOUT(magneticReports(m_path, 2).size(), 1, kWait);
    QCOMPARE(quint8(magneticReports(m_path, 2).last().at(7 + 1)), quint8(0x08));

    clickScaleAt(12);
    const std::array<int, 5> expected{0, 12, 12, 5, 5};
    QTRY_COMPARE_WITH_TIMEOUT(int(SimController::instance().state(m_path).travel.size()), 4, kWait);
    const auto travel = SimController::instance().state(m_path).travel;
    for (int column = 1; column <= 4; ++column) {
        QVERIFY(travel.count(3 * 22 + column));
        const auto &t = travel.at(3 * 22 + column);
        QVERIFY2(t == expected, qPrintable(QStringLiteral("%1 %2 %3 %4 %5").arg(t[0]).arg(t[1]).arg(t[2]).arg(t[3]).arg(t[4])));
        QVERIFY2(travelShown(key(3, column)).contains(QStringLiteral("1.2")),
                 qPrintable(travelShown(key(3, column)).join(QLatin1Char(' '))));
    }
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Operate successful"));
    QCOMPARE(magneticReports(m_path, 0).size(), 1);
}

void tst_TriggerPage::mouseDragLeavesTheKeysSelected()
{
    startOnTriggerPage();
    dragShowArea *overlay = m_page->findChild<dragShowArea *>();
    QVERIFY(overlay && overlay->isVisible());
    // A band from the gap above and left of A to inside F, with the mouse as
    // a user drags it over the overlay.
    auto onOverlay = [&](int row, int column, QPoint offset) {
        return overlay->mapFromGlobal(key(row, column)->mapToGlobal(QPoint(0, 0))) + offset;
    };
    const QPoint from = onOverlay(3, 1, QPoint(-2, -2));
    const QPoint to = onOverlay(3, 4, QPoint(key(3, 4)->width() / 2, key(3, 4)->height() / 2));
    QTest::mouseMove(overlay, from);
    QTest::mousePress(overlay, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(overlay, (from + to) / 2);
    QTest::mouseMove(overlay, to);
    QTest::mouseRelease(overlay, Qt::LeftButton, Qt::NoModifier, to);
    QTest::mouseMove(overlay, to + QPoint(0, 1));

    auto selectedColumns = [&] {
        QList<int> columns;
        for (keyboardButCustom *k : DDataManager::getInstance()->keyButtonList())
            if (k && k->isKeySelected())
                columns << (k->gridRow() == 3 ? k->gridColumn() : -1);
        std::sort(columns.begin(), columns.end());
        return columns;
    };
    const QList<int> asDragged{1, 2, 3, 4};
    QCOMPARE(selectedColumns(), asDragged);
    QCOMPARE(view()->selectedKeys().size(), 4);

    // The selection is drawn: a selected cap looks unlike the same cap unselected.
    keyboardButCustom *s = key(3, 2);
    const QImage selected = s->grab().toImage();
    s->setSelected(false);
    const QImage unselected = s->grab().toImage();
    s->setSelected(true);
    QVERIFY(selected != unselected);
    const QPoint inside(3, s->height() - 4);
    QVERIFY(selected.pixelColor(inside) != unselected.pixelColor(inside));

    // Still selected after the keyboard's answer to the selection and an apply.
    QTRY_COMPARE_WITH_TIMEOUT(magneticReports(m_path, 2).size(), 1, kWait);
    clickScaleAt(12);
    QTRY_COMPARE_WITH_TIMEOUT(int(SimController::instance().state(m_path).travel.size()), 4, kWait);
    QTest::qWait(100);
    QCOMPARE(selectedColumns(), asDragged);
}

void tst_TriggerPage::quickClickOnTheScaleAppliesTheClickedStep()
{
    startOnTriggerPage();
    const QPoint from = keyTopLeft(3, 1) - QPoint(3, 3);
    const QPoint to = keyTopLeft(3, 2) + QPoint(3, 3);
    m_page->onDragArea_SelectKeys(from.x(), from.y(), to.x(), to.y());
    // Press and release with no paint between them, as a quick click comes.
    DSensitivityShowWidget *scale = trigger()->sensitivityShow();
    for (int step : {12, 16}) {
        QTest::mouseClick(scale, Qt::LeftButton, Qt::NoModifier,
                          QPoint(scale->width() / 2, scale->positions().at(step - 1)));
        QCOMPARE(trigger()->centreValue(), step);
        QTRY_VERIFY_WITH_TIMEOUT(SimController::instance().state(m_path).travel.count(3 * 22 + 2)
                                     && SimController::instance().state(m_path).travel.at(3 * 22 + 2)[1] == step,
                                 kWait);
        QVERIFY(travelShown(key(3, 1)).contains(keyboardButCustom::travelText(step)));
    }
}

void tst_TriggerPage::helpPopupsStayOnTheScreen()
{
    startOnTriggerPage();
    const QRect screen = m_page->window()->screen()->availableGeometry();
    for (const char *name : {"toolButton_Explain", "toolButton_Explain_2", "toolButton_MagneticKeyExplain"}) {
        QWidget *button = on<QWidget>(name);
        // The button near the screen's right edge, as on a small screen,
        // with room above it for the popup.
        const QPoint global = button->mapToGlobal(QPoint(0, 0));
        const QPoint wanted(screen.right() - 40, screen.top() + 2 * screen.height() / 3);
        m_page->window()->move(m_page->window()->pos() + wanted - global);
        QTRY_COMPARE_WITH_TIMEOUT(button->mapToGlobal(QPoint(0, 0)), wanted, kWait);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button, &enter);
        ArrowWidget *popup = trigger()->popup();
        QVERIFY2(popup && popup->isVisible(), name);
        QVERIFY2(popup->geometry().left() >= screen.left() && popup->geometry().right() <= screen.right(), name);
        QCOMPARE(popup->geometry().bottom() + 1, button->mapToGlobal(QPoint(0, 0)).y() - 2);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QVERIFY(!popup->isVisible());
    }
}

void tst_TriggerPage::quickTriggerAndSeparateSensitivity()
{
    startOnTriggerPage();
    QSignalSpy applied(trigger(), &DTriggerSettingPage::sigMagnetsKeysApplyConfig);
    QCheckBox *quick = on<QCheckBox>("checkBox_QuickTrigger");
    QCheckBox *separate = on<QCheckBox>("checkBox_SecondarySensitivity");
    QTest::mouseClick(quick, Qt::LeftButton, Qt::NoModifier, QPoint(8, quick->height() / 2));
    QCOMPARE(applied.size(), 1);
    QCOMPARE(applied.last(), (QList<QVariant>{12, 20, 20, 5, 5}));
    QVERIFY(separate->isVisible());

    trigger()->sensitivityShow()->repaint();
    QTest::mouseClick(separate, Qt::LeftButton, Qt::NoModifier, QPoint(8, separate->height() / 2));
    QCOMPARE(applied.last(), (QList<QVariant>{13, 20, 20, 5, 5}));
    QCOMPARE(on<QStackedWidget>("stackedWidget")->currentWidget()->objectName(), QStringLiteral("page_SecondOpen"));

    QSlider *press = on<QSlider>("horizontalSlider_PressJourney");
    press->setValue(12);
    emit press->sliderReleased();
    QCOMPARE(applied.last(), (QList<QVariant>{13, 20, 20, 12, 5}));
    QCOMPARE(on<QLabel>("label_PressJourneySecond4")->text(), QStringLiteral("1.2mm"));

    QTest::mouseClick(quick, Qt::LeftButton, Qt::NoModifier, QPoint(8, quick->height() / 2));
    QCOMPARE(applied.last(), (QList<QVariant>{0, 20, 20, 5, 5}));
    QVERIFY(!separate->isVisible());

    // Without keys selected the keyboard gets nothing and the user is told.
    QCOMPARE(magneticReports(m_path, 12).size(), 0);
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Please select one Key first"));
}

void tst_TriggerPage::clickedKeyShowsWhatTheKeyboardStored_data()
{
    QTest::addColumn<QVector<int>>("stored");
    QTest::addColumn<bool>("quick");
    QTest::addColumn<bool>("separate");
    QTest::addColumn<QString>("stackPage");
    QTest::addColumn<int>("nextMode");
    QTest::newRow("13") << QVector<int>{13, 15, 25, 3, 7} << true << true << "page_SecondOpen" << 13;
    QTest::newRow("12") << QVector<int>{12, 8, 8, 4, 4} << true << false << "page_SecondClose" << 12;
    QTest::newRow("1") << QVector<int>{1, 15, 25, 3, 7} << false << true << "page_SecondOpen" << 1;
    QTest::newRow("0") << QVector<int>{0, 30, 30, 3, 3} << false << false << "page_SecondClose" << 0;
    QTest::newRow("travel 0") << QVector<int>{0, 0, 0, 0, 0} << false << false << "page_SecondClose" << 0;
    QTest::newRow("travel 255") << QVector<int>{0, 255, 255, 3, 3} << false << false << "page_SecondClose" << 0;
}

void tst_TriggerPage::clickedKeyShowsWhatTheKeyboardStored()
{
    QFETCH(QVector<int>, stored);
    QFETCH(bool, quick);
    QFETCH(bool, separate);
    QFETCH(QString, stackPage);
    QFETCH(int, nextMode);
    startOnTriggerPage();
    QVERIFY(SimController::instance().setKeyTravel(m_path, 3, 5, {stored[0], stored[1], stored[2], stored[3], stored[4]}));
    QSignalSpy applied(trigger(), &DTriggerSettingPage::sigMagnetsKeysApplyConfig);
    clickKey(3, 5);
    QVERIFY(key(3, 5)->isKeySelected());
    QTRY_COMPARE_WITH_TIMEOUT(on<QCheckBox>("checkBox_SecondarySensitivity")->isChecked(), separate, kWait);
    QTRY_COMPARE_WITH_TIMEOUT(on<QCheckBox>("checkBox_QuickTrigger")->isChecked(), quick, kWait);
    QTRY_COMPARE_WITH_TIMEOUT(on<QStackedWidget>("stackedWidget")->currentWidget()->objectName(), stackPage, kWait);
    QCOMPARE(applied.size(), 0);
    // The marker stands at the stored press travel, within the scale.
    QTRY_COMPARE_WITH_TIMEOUT(trigger()->centreValue(), qBound(1, stored[1], 40), kWait);
    if (stored[0] == 13) {
        QCOMPARE(on<QLabel>("label_PressJourneySecond4")->text(), QStringLiteral("0.3mm"));
        QCOMPARE(on<QLabel>("label_ReleaseJourneySecond5")->text(), QStringLiteral("0.7mm"));
    }
    emit trigger()->sensitivityShow()->sigMouseReleaseOperate();
    QCOMPARE(applied.size(), 1);
    QCOMPARE(applied.last().first().toInt(), nextMode);
}

void tst_TriggerPage::applyRefusals()
{
    startOnTriggerPage();
    clickKey(3, 1);
    QTRY_COMPARE_WITH_TIMEOUT(magneticReports(m_path, 2).size(), 1, kWait);

    // A closed keyboard: nothing queued, and the user is told it failed.
    DDeviceKeyboardLink *link = DevicePageProbe(m_page).currentLink();
    QVERIFY(link && link->hidInterface());
    link->hidInterface()->closeHid();
    clickScaleAt(12);
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Operate failed"));

    // No maximum known yet: nothing is applied at all.
    QSignalSpy applied(trigger(), &DTriggerSettingPage::sigMagnetsKeysApplyConfig);
    DDataManager::getInstance()->setMaxSensitivityNum(0);
    trigger()->initTriggerSettingData();
    QCOMPARE(trigger()->sensitivityShow()->stepCount(), 2);
    clickScaleAt(1);
    QCOMPARE(applied.size(), 0);
}

void tst_TriggerPage::reportRateShown_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::newRow("4") << 4 << "4K" << 2;
    QTest::newRow("3") << 3 << "3K" << 0;
    QTest::newRow("8") << 8 << "8K" << 3;
}

void tst_TriggerPage::reportRateShown()
{
    QFETCH(int, rate);
    QFETCH(QString, text);
    QFETCH(int, position);
    DTriggerSettingPage page;
    DDataManager::getInstance()->setKeyRateOfReturnNum(rate);
    QSignalSpy rates(&page, &DTriggerSettingPage::sigKeyRateOfReturnCurrentNum);
    page.initTriggerSettingData();
    QCOMPARE(page.findChild<QLabel *>("label_Rate")->text(), text);
    QCOMPARE(page.rateSlider()->knobX(), page.rateSlider()->ticks().value(position));
    QCOMPARE(rates.size(), 0);
}

void tst_TriggerPage::calibrationRefusals()
{
    startOnTriggerPage();
    QPushButton *start = on<QPushButton>("pushButton_KeyCalibration");
    start->click();
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Please switch to key calibration mode first"));
    on<QCheckBox>("checkBox_CalibrationMode")->click();
    QVERIFY(DDataManager::getInstance()->isKeyCalibrationMode());
    start->click();
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Please select one Key first"));
    QTest::qWait(200);
    QCOMPARE(magneticReports(m_path, 7).size(), 0);
    // Leaving calibration mode restores the trigger view.
    on<QCheckBox>("checkBox_CalibrationMode")->click();
    QVERIFY(!DDataManager::getInstance()->isKeyCalibrationMode());
    QTRY_COMPARE_WITH_TIMEOUT(magneticReports(m_path, 2).size(), 2, kWait);
}

void tst_TriggerPage::oneKeyCalibration_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("a key pressed") << 2 << 5 << "The key calibration successful";
    QTest::newRow("a position without a key") << 5 << 21 << "The key calibration failed";
}

void tst_TriggerPage::oneKeyCalibration()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, outcome);
    startOnTriggerPage();
    on<QCheckBox>("checkBox_CalibrationMode")->click();
    DDataManager::getInstance()->emitTheMagneticKeyboardCalibrationPoint(row, column);
    on<QPushButton>("pushButton_KeyCalibration")->click();
    QTRY_COMPARE_WITH_TIMEOUT(magneticReports(m_path, 7).size(), 1, kWait);
    QCOMPARE(quint8(magneticReports(m_path, 7).first().at(7)), quint8(row));
    QCOMPARE(quint8(magneticReports(m_path, 7).first().at(8)), quint8(column));
    if (outcome.endsWith(QLatin1String("successful"))) {
        QTRY_COMPARE_WITH_TIMEOUT(ModalAnswer::notice(m_page), QStringLiteral("The key calibration runing"), kWait);
        QVERIFY(SimController::instance().pressKey(m_path, row, column, 20));
        QTest::qWait(200);
        QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("The key calibration runing"));
        QVERIFY(SimController::instance().pressKey(m_path, row, column, 40));
    }
    QTRY_COMPARE_WITH_TIMEOUT(ModalAnswer::notice(m_page), outcome, kWait);
}

void tst_TriggerPage::unknownCalibrationStatus()
{
    startOnTriggerPage();
    QVERIFY(SimController::instance().sendInputReport(m_path, reply({{6, 7}, {7, 9}})));
    QTRY_COMPARE_WITH_TIMEOUT(ModalAnswer::notice(m_page), QStringLiteral("Unknow"), kWait);
}

void tst_TriggerPage::allKeysCalibration()
{
    startOnTriggerPage();
    QPushButton *all = on<QPushButton>("pushButton_KeyCalibration_AllKeys");
    QWidget *moveTip = m_page->findChild<QWidget *>("widget_MoveTip");
    all->click();
    QTRY_COMPARE_WITH_TIMEOUT(magneticReports(m_path, 8).size(), 1, kWait);
    QCOMPARE(quint8(magneticReports(m_path, 8).first().at(7)), quint8(0));
    QVERIFY(moveTip->isVisible());
    // The notice shown as it starts leaves the instruction readable.
    CbNotice *notice = m_page->findChild<CbNotice *>();
    QVERIFY(notice && notice->isVisible());
    const QRect tipRect(moveTip->mapTo(m_page, QPoint(0, 0)), moveTip->size());
    QVERIFY2(!notice->geometry().intersects(tipRect),
             qPrintable(QStringLiteral("notice at %1,%2 %3x%4 over the instruction at %5,%6 %7x%8")
                            .arg(notice->x()).arg(notice->y()).arg(notice->width()).arg(notice->height())
                            .arg(tipRect.x()).arg(tipRect.y()).arg(tipRect.width()).arg(tipRect.height())));
    QTRY_COMPARE_WITH_TIMEOUT(checkedKeys(), 108, kWait);
    QVERIFY(key(0, 0)->isKeyChecked());
    QVERIFY(DDataManager::getInstance()->isKeyCalibrationMode());

    QVERIFY(SimController::instance().pressKey(m_path, 0, 0, 40));
    QTRY_COMPARE_WITH_TIMEOUT(checkedKeys(), 107, kWait);
    QVERIFY(!key(0, 0)->isKeyChecked());

    // Every other key pressed: the keyboard says done, the view comes back.
    for (int column = 0; column < 22; ++column)
        for (int row = 0; row < 6; ++row)
            if (!(row == 0 && column == 0))
                SimController::instance().pressKey(m_path, row, column, 40);
    QTRY_COMPARE_WITH_TIMEOUT(ModalAnswer::notice(m_page), QStringLiteral("The key calibration successful"), kWait);
    QCOMPARE(checkedKeys(), 0);
    QVERIFY(!moveTip->isVisible());
    QVERIFY(!DDataManager::getInstance()->isKeyCalibrationMode());
    QVERIFY(!trigger()->isAllKeysCalibrationRunning());

    // Started again and stopped: [7] = 1, and the view is back at once.
    all->click();
    QTRY_COMPARE_WITH_TIMEOUT(checkedKeys(), 108, kWait);
    all->click();
    QTRY_COMPARE_WITH_TIMEOUT(magneticReports(m_path, 8).size(), 3, kWait);
    QCOMPARE(quint8(magneticReports(m_path, 8).last().at(7)), quint8(1));
    QCOMPARE(checkedKeys(), 0);
    QVERIFY(!DDataManager::getInstance()->isKeyCalibrationMode());
}

void tst_TriggerPage::allKeysLateReplyAndUnplug()
{
    startOnTriggerPage();
    QPushButton *all = on<QPushButton>("pushButton_KeyCalibration_AllKeys");
    all->click();
    QTRY_COMPARE_WITH_TIMEOUT(checkedKeys(), 108, kWait);
    all->click();
    QCOMPARE(checkedKeys(), 0);
    m_page->onEveryPageBackTip(QStringLiteral("-"));
    // A late reply after the stop marks nothing and claims nothing.
    std::initializer_list<std::pair<int, int>> running = {{6, 8}, {7, 1}, {8, 0x3F}, {9, 0x3F}};
    QVERIFY(SimController::instance().sendInputReport(m_path, reply(running)));
    QVERIFY(SimController::instance().sendInputReport(m_path, reply({{6, 8}, {7, 0}})));
    QTest::qWait(500);
    QCOMPARE(checkedKeys(), 0);
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("-"));

    // Unplugged while running: the calibration ends with the keyboard.
    all->click();
    QTRY_COMPARE_WITH_TIMEOUT(checkedKeys(), 108, kWait);
    QVERIFY(SimController::instance().unplug(m_path));
    QTRY_VERIFY_WITH_TIMEOUT(!DevicePageProbe(m_page).isKeyboardShown(), kWait);
    QVERIFY(!DDataManager::getInstance()->isKeyCalibrationMode());
    QVERIFY(!trigger()->isAllKeysCalibrationRunning());
    QVERIFY(!m_page->findChild<QWidget *>("widget_MoveTip")->isVisible());
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_TriggerPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_triggerpage.moc"
