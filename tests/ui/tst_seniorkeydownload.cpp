// An advanced key built in the editor as a user would (DKS1 with a key, a
// combination, grid actions and trigger points), bound to a key through the
// profile store and downloaded: the simulated keyboard holds its 0x2A record.
#include <QtTest>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>

#include <list>
#include <memory>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/DOnboardDownloader.h"
#include "device/OnboardSeniorKeyPacket.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DeviceLinkFixture.h"
#include "support/SimReportLog.h"
#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "widgets/MySlider.h"

using lumtar::sim::SimController;

class tst_SeniorKeyDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void builtInTheEditorAndDownloaded();

private:
    void pick(DSeniorKeysPage *page, int code);
    static void gridPress(DDksShowWidget *grid, const QPoint &pos, const QPoint &releaseAt);
};

void tst_SeniorKeyDownload::initTestCase()
{
    qRegisterMetaType<DOnboardDownloader::Outcome>();
    QVERIFY(DeviceLinkFixture::prepareEnvironment());
    DDataManager::getInstance()->loadThemeConfig(0);
}

void tst_SeniorKeyDownload::pick(DSeniorKeysPage *page, int code)
{
    for (DAllKeysItemKey *b : page->allKeysPage()->findChildren<DAllKeysItemKey *>()) {
        if (b->keyCode() == code) {
            b->click();
            return;
        }
    }
    QFAIL("no such key");
}

void tst_SeniorKeyDownload::gridPress(DDksShowWidget *grid, const QPoint &pos, const QPoint &releaseAt)
{
    QMouseEvent hover(QEvent::MouseMove, pos, grid->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid, &hover);
    QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, pos);
    if (releaseAt != pos) {
        QMouseEvent drag(QEvent::MouseMove, releaseAt, grid->mapToGlobal(releaseAt), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &drag);
    }
    QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, releaseAt);
}

void tst_SeniorKeyDownload::builtInTheEditorAndDownloaded()
{
    DeviceLinkFixture fx;
    DDataManager *data = DDataManager::getInstance();
    const QString folder = QFileInfo(QFile::decodeName(fx.profilePath())).path();
    const QByteArray seniorPath = QFile::encodeName(folder + QStringLiteral("/SeniorKeyConfig.xml"));
    QVERIFY(CLumtarXML_SeniorKey_CreateXMLFile(seniorPath.constData()));
    QVERIFY(CLumtarXML_SeniorKey_CreateProFileXmlParentNode(seniorPath.constData()));
    QVERIFY(data->setSeniorKeyXmlPath(seniorPath.constData()));
    const QByteArray fnPath = QFile::encodeName(folder + QStringLiteral("/appProfile_FN.xml"));
    QVERIFY(CLumtarXML_CreateXMLFile(fnPath.constData()));
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(fnPath.constData(), "1", "Profile1", 0));
    QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(fnPath.constData(), 1));

    // The editor: Create with DKS, A into slot 1, L_Ctrl L_Shift B into
    // slot 2, a tap and a dragged hold on the grid, points 1 and 4 at 2.3 mm.
    QPointer<DSeniorKeysPage> page = new DSeniorKeysPage;
    page->show();
    QTRY_VERIFY(page->allKeysPage());
    page->findChild<QPushButton *>(QStringLiteral("pushButton_NewCreate"))->click();
    QCOMPARE(SeniorKeyRecord::name(page->currentRecord()), QStringLiteral("DKS1"));
    pick(page, 4);
    QTest::mouseClick(page->findChild<QToolButton *>(QStringLiteral("toolButton_SeniorKey02")), Qt::LeftButton);
    QTest::mouseClick(page->findChild<QRadioButton *>(QStringLiteral("radioButton_CombinationKeys")), Qt::LeftButton);
    pick(page, 224);
    pick(page, 225);
    pick(page, 5);

    DDksShowWidget *grid = page->dksShowWidget();
    QTRY_VERIFY(grid->height() >= 100);
    const DksGridGeometry &g = grid->gridGeometry();
    const QPoint lastPoint = g.point(DksGridGeometry::Cell{0, 3});
    gridPress(grid, lastPoint, lastPoint); // a tap at point 4 of key 1
    const QPoint first = g.point(DksGridGeometry::Cell{1, 0});
    gridPress(grid, first, first); // a tap at point 1 of key 2 ...
    const QPoint handle = first + QPoint(6, 0);
    gridPress(grid, handle, QPoint(g.pointX(2) - 6, first.y())); // ... dragged into a hold to point 3

    emit page->findChild<QLabel *>(QStringLiteral("label_Stroke01"))->linkActivated(QString());
    auto *slider = page->strokeConfigView()->findChild<MySlider *>();
    slider->setValue(23);
    emit slider->sliderReleased();
    page->strokeConfigView()->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!page);

    // Bound to key 30 of the default layer, then downloaded.
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(fx.profilePath().constData(), "1", "30", "key", "40", "1", "0",
                                                      "1"));
    data->setMagneticKeyboard(true);
    QVERIFY(fx.open("LT108HE"));
    QVERIFY(fx.waitUntilReady());
    SimController::instance().clearReceivedReports(fx.path());
    DOnboardDownloader downloader;
    downloader.setDataManager(data);
    downloader.setKeyCodeSource([] {
        QVector<int> codes;
        for (int i = 0; i < 132; ++i)
            codes << (i % 22 == 21 ? 0 : 4 + i);
        return codes;
    });
    QSignalSpy finished(&downloader, &DOnboardDownloader::sigFinished);
    QVERIFY(downloader.download(fx.link(), folder));
    QVERIFY(!finished.isEmpty() || finished.wait(60000));
    QCOMPARE(finished.first().first().value<DOnboardDownloader::Outcome>(), DOnboardDownloader::Outcome::Succeeded);
    QDeadlineTimer deadline(5000);
    while (SimReportLog::commands(fx.path()).size() < 20 + 50 + 40 && !deadline.hasExpired())
        QTest::qWait(5);

    const std::vector<uint8_t> onboard = SimController::instance().onboardSeniorKey(fx.path(), 0);
    const QByteArray r(reinterpret_cast<const char *>(onboard.data()), int(onboard.size()));
    QCOMPARE(r.size(), 64);
    QCOMPARE(r.left(7).toHex(), QByteArray("012a0000003201"));          // record 0, DKS
    QCOMPARE(r.mid(7, 4).toHex(), QByteArray("17242417"));               // 2.3, 3.6, 3.6, 2.3 mm
    QCOMPARE(r.mid(11, 8).toHex(), QByteArray("0004000000000001"));      // A; a tap at point 4
    QCOMPARE(r.mid(19, 8).toHex(), QByteArray("13e0e10502020000"));      // L_CTRL+L_SHIFT+B; hold 1 to 3
    QCOMPARE(r.mid(27, 16), QByteArray(16, '\0'));                         // slots 3 and 4 empty
    std::list<SeniorKeyInfoStu> stored;
    QVERIFY(CLumtarXML_SeniorKey_SelectAllInfoItem(seniorPath.constData(), &stored));
    QCOMPARE(stored.size(), size_t(1));
    const HidReportBuff expected = OnboardSeniorKeyPacket::build(0, stored.front());
    QCOMPARE(r.toHex(), QByteArray(reinterpret_cast<const char *>(expected.data()), 64).toHex());
}

QTEST_MAIN(tst_SeniorKeyDownload)
#include "tst_seniorkeydownload.moc"
