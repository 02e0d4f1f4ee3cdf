// The firmware update window and its rows: the rows in the candidates'
// order with their texts, the progress rule, which buttons a start, a
// success and a failure leave enabled, the enter-update-mode report sent
// once through the keyboard's I/O thread and looked up when pressed,
// reports from other threads, names shown whole with their connection, the
// progress bar's filled part and every text readable in every shipped
// theme, and the warning line moving without repainting the window.
#include <QtTest>

#include <QLabel>
#include <QLayout>
#include <QPaintEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>

#include <thread>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/sim/SimController.h"
#include "support/DeviceLinkFixture.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "widgets/CbNotice.h"
#include "widgets/TextMoveWidget.h"
#include "widgets/ThemeColorText.h"

using lumtar::sim::SimController;
using Reports = QList<QPair<int, int>>;

namespace {

hidStructInfoAll candidate(const char *path, const char *model, const char *product, const char *like,
                           const char *version, const char *newVersion, int connectType = 0)
{
    hidStructInfoAll r = {};
    lumtarCopyField(r.hidPath, path);
    lumtarCopyField(r.hidModel, model);
    lumtarCopyField(r.productName, product);
    lumtarCopyField(r.likeName, like);
    lumtarCopyField(r.firmwareVersion, version);
    lumtarCopyField(r.newFirmwareVersion, newVersion);
    r.connectType = connectType;
    r.isOnline = 1;
    return r;
}

QList<hidStructInfoAll> threeCandidates()
{
    return {candidate("p/2", "LT104RGB", "Lumtar LT104 RGB", "LT104 RGB", "V2.01.00", "V2.01.01"),
            candidate("p/1", "LT108HE", "Lumtar LT108 HE", "LT108 HE", "V1.00.06", "V1.00.07", 1),
            candidate("p/3", "LT68HE", "Lumtar LT68 HE", "LT68 HE", "V103", "V104")};
}

// A widget of a form by its object name.
template <typename T>
T *child(QObject *parent, const char *name)
{
    T *w = parent->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

QPushButton *button(UpdateFirmwareInfoItem *row)
{
    return child<QPushButton>(row, "pushButton_Update");
}
QProgressBar *bar(UpdateFirmwareInfoItem *row)
{
    return child<QProgressBar>(row, "progressBar");
}
bool showsComplete(UpdateFirmwareInfoItem *row)
{
    return child<QStackedWidget>(row, "stackedWidget")->currentWidget()->objectName() == QStringLiteral("page_2");
}

int enterUpdateReports(const std::string &path)
{
    int n = 0;
    for (const auto &r : SimController::instance().receivedReports(path))
        n += r[0] == 0x01 && r[1] == 0x0A ? 1 : 0;
    return n;
}

} // namespace

class tst_UpdateFirmwareDia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsInTheCandidatesOrder();
    void windowBodyShowsItsBackground();
    void progress_data();
    void progress();
    void buttonsWithTwoRows();
    void sameRowStartsAgainAfterFailure();
    void doublePressSendsTheReportOnce();
    void goneKeyboardIsNotSentTheReport();
    void reportsFromAnotherThread();
    void closeButton();
    void namesShownWholeWithTheirConnection();
    void readableInEveryTheme_data();
    void readableInEveryTheme();
    void warningLineRepaintsNothingBehindIt();

private:
    static CbNotice *notice(DUpdateFirmwareDia *d) { return d->m_notice; }
    static void press(UpdateFirmwareInfoItem *row) { QTest::mouseClick(button(row), Qt::LeftButton); }
};

void tst_UpdateFirmwareDia::initTestCase()
{
    QVERIFY(DeviceLinkFixture::prepareEnvironment());
    DDataManager::getInstance();
}

void tst_UpdateFirmwareDia::rowsInTheCandidatesOrder()
{
    DUpdateFirmwareDia dialog;
    dialog.setDevices(threeCandidates(), {});
    QCOMPARE(dialog.size(), QSize(740, 520));
    QCOMPARE(child<QLabel>(&dialog, "label_Title")->text(), QStringLiteral("Update Firmware"));
    const auto rows = dialog.rows();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0]->hidName(), QStringLiteral("LT104RGB"));
    QCOMPARE(rows[1]->hidName(), QStringLiteral("LT108HE"));
    QCOMPARE(rows[1]->usbOrDongle(), 1);
    QCOMPARE(rows[1]->hidPath(), QStringLiteral("p/1"));
    QCOMPARE(rows[2]->hidName(), QStringLiteral("LT68HE"));
    UpdateFirmwareInfoItem *row1 = rows[1];
    QCOMPARE(child<QLabel>(row1, "label_HidLikeName")->text(), QStringLiteral("Lumtar LT108 HE LT108 HE(2.4G)"));
    QCOMPARE(child<QLabel>(row1, "label_OldVer")->text(), QStringLiteral("V1.00.06"));
    QCOMPARE(child<QLabel>(row1, "label_NewVer")->text(), QStringLiteral("V1.00.07"));
    QCOMPARE(child<QLabel>(row1, "label_ProgressNum")->text(), QStringLiteral("0%"));
    QVERIFY(!showsComplete(row1));
    QCOMPARE(button(row1)->text(), QStringLiteral("Update"));
    // At the top of the scroll area, in that order, the spacer last.
    QLayout *layout = child<QWidget>(&dialog, "scrollAreaWidgetContents_2")->layout();
    QCOMPARE(layout->count(), 4);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(layout->itemAt(i)->widget(), rows[i]);
    QVERIFY(layout->itemAt(3)->spacerItem());

    // Every row fits the window: nothing hangs over its right edge.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget *viewport = child<QScrollArea>(&dialog, "scrollArea_2")->viewport();
    for (UpdateFirmwareInfoItem *row : rows) {
        QVERIFY2(row->geometry().right() < viewport->width(),
                 qPrintable(QStringLiteral("row %1 wide, list %2").arg(row->width()).arg(viewport->width())));
        QVERIFY(button(row)->geometry().right() < child<QWidget>(row, "frame_Right")->width());
    }
    dialog.setDevices(threeCandidates().mid(0, 1), {});
    QCOMPARE(dialog.rows().size(), 1);
    QCOMPARE(layout->count(), 2);
}

void tst_UpdateFirmwareDia::windowBodyShowsItsBackground()
{
    // The window is translucent: the empty part of the row list must show
    // the window's background, not black.
    DUpdateFirmwareDia dialog;
    dialog.setDevices(threeCandidates().mid(0, 1), {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage shot = dialog.grab().toImage();
    const QColor background = themeRgb(DDataManager::getInstance()->themeColor().UpgradeBgColor);
    const QColor body = shot.pixelColor(370, 400);
    QVERIFY2(qAbs(body.red() - background.red()) + qAbs(body.green() - background.green())
                     + qAbs(body.blue() - background.blue()) < 12,
             qPrintable(QStringLiteral("body %1, background %2").arg(body.name(), background.name())));
}

void tst_UpdateFirmwareDia::progress_data()
{
    QTest::addColumn<Reports>("reports");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("only larger values pass")
        << Reports{{100, 5}, {100, 5}, {100, 4}, {100, 7}} << QList<int>{5, 7};
    QTest::newRow("total 0 shows nothing") << Reports{{0, 5}, {-3, 1}} << QList<int>{};
    QTest::newRow("truncated, not rounded") << Reports{{262144, 262144 / 2 - 1}} << QList<int>{49};
    QTest::newRow("bytes of a 512 KB image")
        << Reports{{524288, 0}, {524288, 5242}, {524288, 524288}} << QList<int>{0, 100};
}

void tst_UpdateFirmwareDia::progress()
{
    QFETCH(Reports, reports);
    QFETCH(QList<int>, shown);
    DUpdateFirmwareDia dialog;
    dialog.setDevices(threeCandidates(), {});
    press(dialog.rows()[0]);
    QSignalSpy spy(&dialog, &DUpdateFirmwareDia::sigUpgradeProgress);
    for (const auto &r : reports)
        dialog.reportProgress(r.first, r.second);
    QList<int> got;
    for (const auto &args : spy)
        got << args.at(0).toInt();
    QCOMPARE(got, shown);
    // The active row shows the last of them.
    if (!shown.isEmpty()) {
        QCOMPARE(bar(dialog.rows()[0])->value(), shown.last());
        QCOMPARE(child<QLabel>(dialog.rows()[0], "label_ProgressNum")->text(), QString::number(shown.last()) + "%");
    }
    QCOMPARE(bar(dialog.rows()[1])->value(), 0);
}

void tst_UpdateFirmwareDia::buttonsWithTwoRows()
{
    DUpdateFirmwareDia dialog;
    dialog.setDevices(threeCandidates().mid(0, 2), {});
    const auto rows = dialog.rows();
    QSignalSpy started(&dialog, &DUpdateFirmwareDia::sigStartHidUpgrade);
    press(rows[1]);
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.at(0).at(0).toString(), QStringLiteral("p/1"));
    QCOMPARE(started.at(0).at(2).toString(), QStringLiteral("LT108HE"));
    QCOMPARE(started.at(0).at(3).toInt(), 1);
    QVERIFY(button(rows[1])->isEnabled());
    QVERIFY(!button(rows[0])->isEnabled());

    dialog.reportSuccess();
    QVERIFY(showsComplete(rows[1]));
    QCOMPARE(child<QLabel>(rows[1], "label_SuccessfulTip")->text(), QStringLiteral("Complete"));
    QVERIFY(button(rows[0])->isEnabled());
    QCOMPARE(notice(&dialog)->text(), QStringLiteral("Update successful"));

    press(rows[0]);
    dialog.reportFailure();
    QVERIFY(!showsComplete(rows[0]));
    QVERIFY(button(rows[0])->isEnabled());
    QVERIFY(!button(rows[1])->isEnabled());
    QCOMPARE(notice(&dialog)->text(), QStringLiteral("Update failed"));
}

void tst_UpdateFirmwareDia::sameRowStartsAgainAfterFailure()
{
    DUpdateFirmwareDia dialog;
    dialog.setDevices(threeCandidates(), {});
    UpdateFirmwareInfoItem *row = dialog.rows()[2];
    QSignalSpy started(&dialog, &DUpdateFirmwareDia::sigStartHidUpgrade);
    press(row);
    dialog.reportProgress(100, 60);
    dialog.reportFailure();
    QVERIFY(!row->isUpdateSent());
    press(row);
    QCOMPARE(started.count(), 2);
    // The old value stays until the new write reports; its first report shows.
    QCOMPARE(bar(row)->value(), 60);
    dialog.reportProgress(100, 2);
    QCOMPARE(bar(row)->value(), 2);
}

void tst_UpdateFirmwareDia::doublePressSendsTheReportOnce()
{
    DeviceLinkFixture fx;
    QVERIFY(fx.open("LT104RGB"));
    QVERIFY(fx.waitUntilReady());
    const QString path = QString::fromStdString(fx.path());
    SimController::instance().clearReceivedReports(fx.path());

    DUpdateFirmwareDia dialog;
    dialog.setDevices({candidate(fx.path().c_str(), "LT104RGB", "P", "L", "V2.01.00", "V2.01.01")},
                      {{path, fx.link()}});
    QSignalSpy started(&dialog, &DUpdateFirmwareDia::sigStartHidUpgrade);
    UpdateFirmwareInfoItem *row = dialog.rows()[0];
    QCOMPARE(row->hidSn(), fx.link()->serialNumber());
    press(row);
    press(row);
    QCOMPARE(started.count(), 1);
    QTRY_COMPARE(SimController::instance().bootloaderPaths().size(), size_t(1));
    // The keyboard is its bootloader now, with what it received.
    QCOMPARE(enterUpdateReports(SimController::instance().bootloaderPaths().front()), 1);
}

void tst_UpdateFirmwareDia::goneKeyboardIsNotSentTheReport()
{
    // The row looks its keyboard up when pressed: one that went since the
    // window opened gets nothing, and its update starts all the same (it
    // may be waiting in its bootloader).
    DeviceLinkFixture fx;
    QVERIFY(fx.open("LT104RGB"));
    QVERIFY(fx.waitUntilReady());
    const QString path = QString::fromStdString(fx.path());
    bool listed = true;
    DUpdateFirmwareDia dialog;
    dialog.setDevices({candidate(fx.path().c_str(), "LT104RGB", "P", "L", "V2.01.00", "V2.01.01")},
                      {{path, fx.link()}});
    dialog.setLinkLookup([&](const QString &p) { return listed && p == path ? fx.link() : nullptr; });
    SimController::instance().clearReceivedReports(fx.path());
    listed = false;
    QSignalSpy started(&dialog, &DUpdateFirmwareDia::sigStartHidUpgrade);
    press(dialog.rows()[0]);
    QCOMPARE(started.count(), 1);
    QTest::qWait(100);
    QCOMPARE(enterUpdateReports(fx.path()), 0);

    // Without a lookup, a link deleted meanwhile is not used either.
    DUpdateFirmwareDia second;
    second.setDevices({candidate(fx.path().c_str(), "LT104RGB", "P", "L", "V2.01.00", "V2.01.01")},
                      {{path, fx.link()}});
    fx.closeLink();
    press(second.rows()[0]);
    QCOMPARE(enterUpdateReports(fx.path()), 0);
}

void tst_UpdateFirmwareDia::reportsFromAnotherThread()
{
    DUpdateFirmwareDia dialog;
    dialog.setDevices(threeCandidates(), {});
    press(dialog.rows()[1]);
    std::thread worker([&dialog] {
        for (int done = 0; done <= 1000; done += 100)
            dialog.reportProgress(1000, done);
        dialog.reportSuccess();
    });
    worker.join();
    UpdateFirmwareInfoItem *row = dialog.rows()[1];
    QTRY_COMPARE(bar(row)->value(), 100);
    QTRY_VERIFY(showsComplete(row));
}

void tst_UpdateFirmwareDia::closeButton()
{
    QPointer<DUpdateFirmwareDia> dialog = new DUpdateFirmwareDia;
    dialog->show();
    QSignalSpy closed(dialog.data(), &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose);
    QTest::mouseClick(child<QPushButton>(dialog, "pushButton_Close"), Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
}

void tst_UpdateFirmwareDia::namesShownWholeWithTheirConnection()
{
    // The same model on its cable and on its receiver: each name is shown
    // whole, and the two rows are told apart.
    DUpdateFirmwareDia dialog;
    dialog.setDevices({candidate("p/1", "LT108HE", "Lumtar LT108 HE", "LT108 HE", "V1.00.06", "V1.00.07", 0),
                       candidate("p/2", "LT108HE", "Lumtar LT108 HE", "LT108 HE", "V1.00.06", "V1.00.07", 1),
                       candidate("p/3", "LT68HE", "Lumtar LT68 HE", "My desk keyboard at home", "V103", "V104", 0)},
                      {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QStringList names;
    for (UpdateFirmwareInfoItem *row : dialog.rows()) {
        QLabel *name = child<QLabel>(row, "label_HidLikeName");
        names << name->text();
        const QRect needs = name->fontMetrics().boundingRect(QRect(0, 0, name->width(), 1000),
                                                             Qt::TextWordWrap, name->text());
        QVERIFY2(needs.width() <= name->width() && needs.height() <= name->height(),
                 qPrintable(QStringLiteral("\"%1\" needs %2 x %3, has %4 x %5")
                                .arg(name->text())
                                .arg(needs.width())
                                .arg(needs.height())
                                .arg(name->width())
                                .arg(name->height())));
        // Nothing of the row hangs past the list.
        QVERIFY(row->geometry().bottom() < row->parentWidget()->height());
    }
    QCOMPARE(names, QStringList({"Lumtar LT108 HE LT108 HE(USB)", "Lumtar LT108 HE LT108 HE(2.4G)",
                                 "Lumtar LT68 HE My desk keyboard at home(USB)"}));
}

void tst_UpdateFirmwareDia::readableInEveryTheme_data()
{
    QTest::addColumn<int>("theme");
    QTest::newRow("Black") << 0;
    QTest::newRow("Light") << 1;
    QTest::newRow("Blue") << 2;
    QTest::newRow("Pink") << 3;
    QTest::newRow("Other") << 4;
}

void tst_UpdateFirmwareDia::readableInEveryTheme()
{
    QFETCH(int, theme);
    DDataManager *data = DDataManager::getInstance();
    data->loadThemeConfig(theme);
    const QColor background = themeRgb(data->themeColor().UpgradeBgColor);
    DUpdateFirmwareDia dialog;
    dialog.setDevices(threeCandidates().mid(0, 1), {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    UpdateFirmwareInfoItem *row = dialog.rows()[0];

    // A half-filled bar: its filled part stands out from its groove, as drawn.
    row->setProgress(50);
    QProgressBar *progress = bar(row);
    const QImage drawn = progress->grab().toImage();
    const int y = drawn.height() / 2;
    const QColor filled = drawn.pixelColor(drawn.width() / 4, y);
    const QColor groove = drawn.pixelColor(drawn.width() * 3 / 4, y);
    QVERIFY2(contrastRatio(filled, groove) >= 3.0,
             qPrintable(QStringLiteral("filled %1 on groove %2: %3")
                            .arg(filled.name(), groove.name())
                            .arg(contrastRatio(filled, groove))));

    // Every text on the window's background.
    QList<QWidget *> texts{child<QLabel>(&dialog, "label_Title"), button(row)};
    for (const char *name : {"label", "label_2", "label_3", "label_5", "label_HidLikeName", "label_OldVer",
                             "label_NewVer", "label_ProgressNum"})
        texts << child<QLabel>(row, name);
    texts << child<TextMoveWidget>(&dialog, "widget_Tip")->findChild<QLabel *>();
    for (QWidget *w : texts) {
        w->ensurePolished();
        const QColor text = w->palette().color(w->foregroundRole());
        QVERIFY2(contrastRatio(text, background) >= 4.5,
                 qPrintable(QStringLiteral("%1: %2 on %3: %4")
                                .arg(w->objectName(), text.name(), background.name())
                                .arg(contrastRatio(text, background))));
    }
    data->loadThemeConfig(0);
}

void tst_UpdateFirmwareDia::warningLineRepaintsNothingBehindIt()
{
    DUpdateFirmwareDia dialog;
    dialog.setDevices(threeCandidates(), {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *line = child<TextMoveWidget>(&dialog, "widget_Tip");
    QTRY_VERIFY(line->isMoving());
    // Steps by hand: the window behind the line is never painted again.
    struct Count : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } behind;
    QCoreApplication::processEvents();
    for (const char *name : {"frame_Bg", "frame"})
        child<QWidget>(&dialog, name)->installEventFilter(&behind);
    const int x = line->textX();
    for (int i = 0; i < 20; ++i) {
        line->updatePos();
        QCoreApplication::processEvents();
    }
    QVERIFY(line->textX() != x);
    QCOMPARE(behind.paints, 0);
}

QTEST_MAIN(tst_UpdateFirmwareDia)
#include "tst_updatefirmwaredia.moc"
