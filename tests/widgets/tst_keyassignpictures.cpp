// The pictures of the customise-keys page: every function button's icon in
// its normal and selected look, the loading animation of "Download" and the
// pictures of the gamepad controls.
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
    void gamePadControls();
};

void tst_KeyAssignPictures::gamePadControls()
{
    // One picture per control of both sets, 40 x 40, no two alike.
    QList<QImage> seen;
    for (const auto &set : {qMakePair(QStringLiteral("Xbox360"), 25), qMakePair(QStringLiteral("Classical"), 33)}) {
        for (int n = 1; n <= set.second; ++n) {
            const QString path = QStringLiteral(":/images/GamePad/%1_%2.png").arg(set.first).arg(n);
            const QImage picture(path);
            QVERIFY2(!picture.isNull(), qPrintable(path));
            QCOMPARE(picture.size(), QSize(40, 40));
            for (const QImage &other : qAsConst(seen))
                QVERIFY2(picture != other, qPrintable(path));
            seen.append(picture);
        }
    }
    QVERIFY(QImage(QStringLiteral(":/images/GamePad/Xbox360_26.png")).isNull());
    QVERIFY(QImage(QStringLiteral(":/images/GamePad/Classical_34.png")).isNull());
}

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
