#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtTest>

class TestImages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void namedPicturesExist_data();
    void namedPicturesExist();
    void everyDefHasItsSelTwin();
    void missingPictureIsEmpty();
};

void TestImages::initTestCase()
{
    Q_INIT_RESOURCE(lumtar_images);
}

void TestImages::namedPicturesExist_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("default icon") << ":/images/device/defaultDef.png" << QSize(32, 32);
    QTest::newRow("main buttons") << ":/images/customMadeSel.png" << QSize(32, 32);
    QTest::newRow("light mode") << ":/images/deviceLed/keyboard/WaveDef.png" << QSize(32, 32);
    QTest::newRow("no device") << ":/images/NoConnect.png" << QSize(160, 160);
    QTest::newRow("charging") << ":/images/publicIco/Charging.png" << QSize(12, 22);
    QTest::newRow("combo arrow") << ":/images/publicIco/comboxSel.png" << QSize(10, 10);
    QTest::newRow("logo") << ":/images/lumtarLogo.png" << QSize(64, 64);
    QTest::newRow("tray") << ":/images/trayLogo.ico" << QSize(32, 32);
    QTest::newRow("title logo") << ":/images/mainpage/leftTopLogo_Pink.png" << QSize(200, 30);
    QTest::newRow("reset") << ":/images/Reset.png" << QSize(32, 32);
    QTest::newRow("about logo") << ":/images/aboutLogo.png" << QSize(130, 130);
    QTest::newRow("check box") << ":/images/publicIco/checkBoxDef.png" << QSize(13, 13);
    QTest::newRow("check box ticked") << ":/images/publicIco/checkBoxSel.png" << QSize(13, 13);
    QTest::newRow("DKS point") << ":/images/DKS/addEventSel.png" << QSize(16, 16);
    QTest::newRow("DKS travel") << ":/images/DKS/Up01Def.png" << QSize(18, 18);
    QTest::newRow("slider handle") << ":/images/DKS/slider.png" << QSize(16, 16);
    QTest::newRow("help") << ":/images/publicIco/question.png" << QSize(16, 16);
    QTest::newRow("delete") << ":/images/macro/deleteDef.png" << QSize(22, 22);
}

void TestImages::namedPicturesExist()
{
    QFETCH(QString, path);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QTEST(image.size(), "size");

    // Not blank: some pixel is drawn.
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y)
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = qAlpha(image.pixel(x, y)) > 0;
    QVERIFY(drawn);
}

void TestImages::everyDefHasItsSelTwin()
{
    int pairs = 0;
    QDirIterator it(QStringLiteral(":/images"), QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.contains(QLatin1String("Def.")))
            continue;
        QString twin = path;
        twin.replace(twin.lastIndexOf(QLatin1String("Def.")), 3, QStringLiteral("Sel"));
        QVERIFY2(QFile::exists(twin), qPrintable(path));
        const QImage def(path), sel(twin);
        QCOMPARE(def.size(), sel.size());
        QVERIFY2(def != sel, qPrintable(path)); // the selected look differs
        ++pairs;
    }
    QVERIFY(pairs >= 12);
}

void TestImages::missingPictureIsEmpty()
{
    QVERIFY(QPixmap(QStringLiteral(":/images/device/noSuchPictureDef.png")).isNull());
    QVERIFY(QIcon(QStringLiteral(":/images/noSuch.png")).pixmap(16, 16).isNull());
}

QTEST_MAIN(TestImages)
#include "tst_images.moc"
