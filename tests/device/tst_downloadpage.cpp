// The "Download" request reaching the device page through the
// key-assignment page's signal: the outcome is told in the page's toast and
// the page is free again afterwards.
#include "core/DDataManager.h"
#include "sdk/include/LumtarHid.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "widgets/CbNotice.h"

#include <QComboBox>
#include <QtTest>

class tst_DownloadPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void downloadWithoutKeyboardTellsOfTheFailure();
};

void tst_DownloadPage::initTestCase()
{
    DDataManager::getInstance();
    QCOMPARE(CLumtarHid_Init(), 0);
}

void tst_DownloadPage::downloadWithoutKeyboardTellsOfTheFailure()
{
    DDevicePage page;
    page.show();
    auto *customKeys = page.findChild<DCustomKeysPage *>();
    QVERIFY(customKeys);
    emit customKeys->sigTheKeyboardIntoDownloading();

    QStringList shown;
    for (const CbNotice *notice : page.findChildren<CbNotice *>()) {
        if (notice->isVisible())
            shown << notice->text();
    }
    QCOMPARE(shown, QStringList{ QStringLiteral("Download config failed, Please try again") });
    QVERIFY(!page.isDownloadRunning());
    auto *profiles = page.findChild<QComboBox *>(QStringLiteral("comboBox_profileList"));
    QVERIFY(profiles);
    QVERIFY(profiles->isEnabled());
}

QTEST_MAIN(tst_DownloadPage)
#include "tst_downloadpage.moc"
