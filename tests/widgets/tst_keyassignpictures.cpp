// The pictures of the customise-keys page: every function button's icon in
// its normal and selected look, and the loading animation of "Download".
#include <QtTest>

#include <QImage>
#include <QMovie>

#include "core/LumtarResources.h"
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "widgets/CustomButton.h"

class tst_KeyAssignPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { lumtarInitResources(); }
    void functionButtonIcons();
    void loadingMovie();
};

void tst_KeyAssignPictures::functionButtonIcons()
{
    QCOMPARE(CustomKeysPageTable::pages().size(), 16);
    for (const CustomKeysPageTable::Page &page : CustomKeysPageTable::pages()) {
        const QString def = QString::fromLatin1(page.icon);
        const QString sel = CustomButton::selectedIconPath(def);
        QVERIFY2(sel.endsWith(QLatin1String("Sel.png")), qPrintable(sel));
        const QImage normal(def), selected(sel);
        QVERIFY2(!normal.isNull(), qPrintable(def));
        QVERIFY2(!selected.isNull(), qPrintable(sel));
        QCOMPARE(normal.size(), QSize(32, 32));
        QCOMPARE(selected.size(), normal.size());
        QVERIFY2(normal != selected, qPrintable(def));
    }
}

void tst_KeyAssignPictures::loadingMovie()
{
    QMovie movie(QStringLiteral(":/images/Loading.gif"));
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), 12);
    QCOMPARE(movie.loopCount(), -1); // for ever
    QVERIFY(movie.jumpToFrame(0));
    const QImage first = movie.currentImage();
    QCOMPARE(first.size(), QSize(140, 20));
    for (int i = 0; i < 6; ++i)
        QVERIFY(movie.jumpToNextFrame());
    const QImage middle = movie.currentImage();
    QVERIFY(first != middle); // it turns
    QVERIFY(movie.nextFrameDelay() > 0);
    // Transparent around the ring, drawn in it.
    QCOMPARE(qAlpha(first.pixel(2, 2)), 0);
    bool drawn = false;
    for (int x = 60; x < 80 && !drawn; ++x)
        for (int y = 0; y < 20 && !drawn; ++y)
            drawn = qAlpha(middle.pixel(x, y)) == 255;
    QVERIFY(drawn);
}

QTEST_MAIN(tst_KeyAssignPictures)
#include "tst_keyassignpictures.moc"
