#include "ui/mainwidget/devicePage/DDeviceListItem.h"

#include "core/DDataManager.h"
#include "support/LogCapture.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QTranslator>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

hidStructInfoAll record(const char *model, const char *product, const char *like, int online, int connect)
{
    hidStructInfoAll r;
    std::memset(&r, 0, sizeof r);
    qstrncpy(r.deviceKind, "keyboard", sizeof r.deviceKind);
    qstrncpy(r.hidModel, model, sizeof r.hidModel);
    qstrncpy(r.productName, product, sizeof r.productName);
    qstrncpy(r.likeName, like, sizeof r.likeName);
    qstrncpy(r.hidPath, "/dev/hidraw7", sizeof r.hidPath);
    r.isOnline = online;
    r.connectType = connect;
    r.keyCount = 82;
    return r;
}

} // namespace

class TestDeviceListItem : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void captionSuffix_data();
    void captionSuffix();
    void emptyProductNameCentresTheName();
    void selectedBorderAndOfflineVeil();
    void anyPressHandsOverTheRecord_data();
    void anyPressHandsOverTheRecord();
    void pictureIsScaledIntoTheBoxOrLeftEmpty();
    void fieldsWithoutTerminatorStayWithinTheRecord();
    void connectionFollowsTheLanguage();

private:
    std::unique_ptr<TempHome> m_home;
    QString m_accent;
};

void TestDeviceListItem::initTestCase()
{
    m_home = std::make_unique<TempHome>();
    DDataManager::getInstance()->loadThemeConfig(0);
    m_accent = DDataManager::getInstance()->themeColor().TextCheckedColor;
    QVERIFY(!m_accent.isEmpty());
}

void TestDeviceListItem::captionSuffix_data()
{
    QTest::addColumn<int>("online");
    QTest::addColumn<int>("connect");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("veil");
    QTest::newRow("cable") << 1 << 0 << "Lumtar K75(USB)" << false;
    QTest::newRow("receiver") << 1 << 1 << "Lumtar K75(2.4G)" << false;
    QTest::newRow("offline cable") << 0 << 0 << "Lumtar K75(OffLine)" << true;
    QTest::newRow("offline receiver") << 0 << 1 << "Lumtar K75(OffLine)" << true;
    QTest::newRow("online flag 2") << 2 << 0 << "Lumtar K75(OffLine)" << false;
}

void TestDeviceListItem::captionSuffix()
{
    QFETCH(int, online);
    QFETCH(int, connect);
    DDeviceListItem tile;
    tile.setDeviceInfo(record("K75", "Magnetic 75", "Lumtar K75", online, connect));
    QTEST(tile.deviceNameText(), "caption");
    QTEST(tile.isVeilShown(), "veil");
    QCOMPARE(tile.size(), QSize(190, 140));
    QCOMPARE(tile.findChild<QLabel *>(QStringLiteral("label_ProductName"))->text(), QStringLiteral("Magnetic 75"));
    QVERIFY(!tile.grab().isNull());
}

void TestDeviceListItem::emptyProductNameCentresTheName()
{
    DDeviceListItem tile;
    auto *product = tile.findChild<QLabel *>(QStringLiteral("label_ProductName"));
    auto *name = tile.findChild<QLabel *>(QStringLiteral("label_DeviceName"));
    tile.setDeviceInfo(record("K75", "", "Lumtar K75", 1, 0));
    QVERIFY(product->isHidden());
    QCOMPARE(name->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    tile.setDeviceInfo(record("K75", "Magnetic 75", "Lumtar K75", 1, 0));
    QVERIFY(!product->isHidden());
}

void TestDeviceListItem::selectedBorderAndOfflineVeil()
{
    DDeviceListItem tile;
    auto *pictureFrame = tile.findChild<QFrame *>(QStringLiteral("frame_DeviceImageBg"));
    QVERIFY(pictureFrame);
    const QStringList rgb = m_accent.split(QLatin1Char(','));
    const QColor accent(rgb.value(0).trimmed().toInt(), rgb.value(1).trimmed().toInt(), rgb.value(2).trimmed().toInt());
    // The colour drawn on the picture frame's left edge.
    const auto border = [pictureFrame] {
        return pictureFrame->grab().toImage().pixelColor(0, pictureFrame->height() / 2).rgb();
    };
    LogCapture log;

    tile.setDeviceInfo(record("K75", "Magnetic 75", "Lumtar K75", 1, 0));
    tile.resize(200, 200);
    tile.setSelected(true);
    QCOMPARE(border(), accent.rgb());
    QVERIFY(pictureFrame->styleSheet().contains(QStringLiteral(":hover{ border: 1px solid rgb(%1); }").arg(m_accent)));

    tile.setOnlineStatus(0);
    QVERIFY(tile.isVeilShown());
    QVERIFY(border() != accent.rgb()); // no border while offline
    QVERIFY(tile.isSelected());
    QCOMPARE(tile.isOnline(), 0);
    QCOMPARE(tile.deviceInfo().isOnline, 0);
    auto *veil = tile.findChild<QWidget *>(QStringLiteral("widget"));
    QVERIFY(veil);
    QCOMPARE(veil->styleSheet(), QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));

    tile.updateAppTheme(); // the kept selected flag brings the border back
    QCOMPARE(border(), accent.rgb());

    tile.setOnlineStatus(1);
    QVERIFY(!tile.isVeilShown());
    QCOMPARE(tile.deviceInfo().isOnline, 1);
    tile.setSelected(false);
    QVERIFY(border() != accent.rgb());
    QCOMPARE(log.countContaining(QStringLiteral("QCssParser")), 0); // every sheet parses
}

void TestDeviceListItem::anyPressHandsOverTheRecord_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("online");
    QTest::newRow("left") << int(Qt::LeftButton) << 1;
    QTest::newRow("right") << int(Qt::RightButton) << 1;
    QTest::newRow("offline tile") << int(Qt::LeftButton) << 0;
}

void TestDeviceListItem::anyPressHandsOverTheRecord()
{
    QFETCH(int, button);
    QFETCH(int, online);
    DDeviceListItem tile;
    tile.setDeviceInfo(record("K75", "Magnetic 75", "Lumtar K75", online, 1));
    int count = 0;
    hidStructInfoAll received;
    std::memset(&received, 0, sizeof received);
    connect(&tile, &DDeviceListItem::sigHidItemMouseClicked, this, [&](hidStructInfoAll info) {
        received = info;
        ++count;
    });
    QTest::mousePress(&tile, Qt::MouseButton(button), {}, QPoint(95, 60));
    QCOMPARE(count, 1);
    QCOMPARE(QByteArray(received.hidModel), QByteArray("K75"));
    QCOMPARE(QByteArray(received.hidPath), QByteArray("/dev/hidraw7"));
    QCOMPARE(received.isOnline, online);
    QCOMPARE(received.keyCount, 82);
}

void TestDeviceListItem::pictureIsScaledIntoTheBoxOrLeftEmpty()
{
    const QString model = QStringLiteral("TileTest%1").arg(QCoreApplication::applicationPid());
    const QString dir = DDataManager::getInstance()->appDirPath() + QStringLiteral("/images/hidImages");
    QVERIFY(QDir().mkpath(dir));
    const QString path = dir + QStringLiteral("/Keyboard_") + model + QStringLiteral(".png");
    QImage picture(744, 272, QImage::Format_ARGB32);
    picture.fill(Qt::darkGray);
    QVERIFY(picture.save(path));

    DDeviceListItem tile;
    auto *label = tile.findChild<QLabel *>(QStringLiteral("label_DeviceImage"));
    tile.setDeviceInfo(record(model.toLatin1().constData(), "P", "L", 1, 0));
    QFile::remove(path);
    QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), QSize(186, 68));

    tile.setDeviceInfo(record("NoSuchModel", "P", "L", 1, 0));
    QVERIFY(label->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!tile.grab().isNull());
}

void TestDeviceListItem::fieldsWithoutTerminatorStayWithinTheRecord()
{
    hidStructInfoAll r = record("K75", "", "", 1, 0);
    std::memset(r.productName, 'P', sizeof r.productName);
    std::memset(r.likeName, 'L', sizeof r.likeName);
    std::memset(r.hidModel, 'M', sizeof r.hidModel);
    DDeviceListItem tile;
    tile.setDeviceInfo(r);
    QCOMPARE(tile.deviceNameText(), QString(128, QLatin1Char('L')) + QStringLiteral("(USB)"));
    QCOMPARE(tile.findChild<QLabel *>(QStringLiteral("label_ProductName"))->text(), QString(128, QLatin1Char('P')));
}

void TestDeviceListItem::connectionFollowsTheLanguage()
{
    // A language that names the connections in its own words.
    class Language : public QTranslator
    {
    public:
        QString translate(const char *context, const char *sourceText, const char *, int) const override
        {
            if (QByteArray(context) != "QObject")
                return QString();
            const QHash<QString, QString> words = {{"(USB)", "(Kabel)"},
                                                   {"(2.4G)", "(Funk)"},
                                                   {"(OffLine)", "(Getrennt)"}};
            return words.value(QString::fromUtf8(sourceText));
        }
        bool isEmpty() const override { return false; }
    };

    DDeviceListItem tile;
    tile.setDeviceInfo(record("K75", "Magnetic 75", "Lumtar K75", 1, 1));
    QCOMPARE(tile.deviceNameText(), QStringLiteral("Lumtar K75(2.4G)"));
    {
        Language language;
        QCoreApplication::installTranslator(&language);
        // The tile shown before the change takes the new words ...
        QTRY_COMPARE(tile.deviceNameText(), QStringLiteral("Lumtar K75(Funk)"));
        // ... and so does every record it shows afterwards.
        tile.setDeviceInfo(record("K75", "Magnetic 75", "Lumtar K75", 0, 1));
        QCOMPARE(tile.deviceNameText(), QStringLiteral("Lumtar K75(Getrennt)"));
        tile.setDeviceInfo(record("K75", "Magnetic 75", "Lumtar K75", 1, 0));
        QCOMPARE(tile.deviceNameText(), QStringLiteral("Lumtar K75(Kabel)"));
        QCoreApplication::removeTranslator(&language);
    }
    QTRY_COMPARE(tile.deviceNameText(), QStringLiteral("Lumtar K75(USB)"));
}

QTEST_MAIN(TestDeviceListItem)
#include "tst_devicelistitem.moc"
