// The key that types a symbol in the desktop's layout, read from the X
// server's keymap (a private Xvfb whose layout setxkbmap sets, as a desktop
// under XWayland mirrors its own), and in layouts named outright. Ctrl+V
// of a text key is sent with these keys through the kernel, where the
// desktop's layout turns them back into Ctrl and "v".
#include <QProcess>
#include <QtTest>

#include "platform/hostinput/KernelHostInput.h"
#include "platform/hostinput/XkbKeyFinder.h"
#include "support/XvfbServer.h"

#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon-keysyms.h>

class tst_XkbKeyFinder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void desktopLayout_data();
    void desktopLayout();
    void namedLayout_data();
    void namedLayout();
    void withoutDisplay();

private:
    XvfbServer m_xvfb;
};

void tst_XkbKeyFinder::initTestCase()
{
    if (!XvfbServer::available() || QStandardPaths::findExecutable(QStringLiteral("setxkbmap")).isEmpty())
        QSKIP("Xvfb or setxkbmap (packages xvfb, x11-xkb-utils) is missing");
    QString error;
    QVERIFY2(m_xvfb.start(&error), qPrintable(error));
}

void tst_XkbKeyFinder::cleanupTestCase()
{
    m_xvfb.stop();
}

void tst_XkbKeyFinder::desktopLayout_data()
{
    QTest::addColumn<QStringList>("setxkbmap");
    QTest::addColumn<int>("vKey");
    QTest::addColumn<int>("controlKey");
    QTest::newRow("us") << QStringList{"-layout", "us"} << KEY_V << KEY_LEFTCTRL;
    QTest::newRow("fr") << QStringList{"-layout", "fr"} << KEY_V << KEY_LEFTCTRL;
    QTest::newRow("us dvorak") << QStringList{"-layout", "us", "-variant", "dvorak"} << KEY_DOT << KEY_LEFTCTRL;
    QTest::newRow("ru, then us dvorak") << QStringList{"-layout", "ru,us", "-variant", ",dvorak"} << KEY_DOT
                                        << KEY_LEFTCTRL;
    QTest::newRow("Caps Lock as Ctrl") << QStringList{"-layout", "us", "-option", "ctrl:nocaps"} << KEY_V
                                       << KEY_LEFTCTRL;
}

void tst_XkbKeyFinder::desktopLayout()
{
    QFETCH(QStringList, setxkbmap);
    QFETCH(int, vKey);
    QFETCH(int, controlKey);
    // setxkbmap adds options to the server's; start from none.
    QCOMPARE(QProcess::execute(QStringLiteral("setxkbmap"), QStringList{"-option", ""} + setxkbmap), 0);
    QString error;
    const std::unique_ptr<XkbKeyFinder> finder = XkbKeyFinder::fromDisplay(&error);
    QVERIFY2(finder, qPrintable(error));
    QCOMPARE(finder->evdevCodeFor(XKB_KEY_v), vKey);
    QCOMPARE(finder->evdevCodeFor(XKB_KEY_Control_L), controlKey);
    // The host input asks the desktop the same way (no virtual keyboard here).
    KernelHostInput host(QString{});
    QCOMPARE(host.evdevCodeFor(0x56 /* V */), vKey);
    QCOMPARE(host.evdevCodeFor(0x11 /* Ctrl */), controlKey);
}

void tst_XkbKeyFinder::namedLayout_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("vKey");
    QTest::newRow("us") << "us" << "" << KEY_V;
    QTest::newRow("de") << "de" << "" << KEY_V;
    QTest::newRow("dvorak") << "us" << "dvorak" << KEY_DOT;
    QTest::newRow("no Latin letters") << "ru" << "" << 0;
}

void tst_XkbKeyFinder::namedLayout()
{
    QFETCH(QString, layout);
    QFETCH(QString, variant);
    QFETCH(int, vKey);
    const std::unique_ptr<XkbKeyFinder> finder = XkbKeyFinder::fromNames({layout, variant, QString(), QString()});
    QVERIFY(finder);
    QCOMPARE(finder->evdevCodeFor(XKB_KEY_v), vKey);
    // What has no key in the layout is sent with the US key.
    KernelHostInput host(QString{});
    host.setLayout({layout, variant, QString(), QString()});
    QCOMPARE(host.evdevCodeFor(0x56), vKey ? vKey : KEY_V);
    QVERIFY(!XkbKeyFinder::fromNames({QStringLiteral("no-such-layout"), QString(), QString(), QString()}));
}

void tst_XkbKeyFinder::withoutDisplay()
{
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    QString error;
    const bool none = !XkbKeyFinder::fromDisplay(&error);
    qputenv("DISPLAY", display);
    QVERIFY(none);
    QCOMPARE(error, QStringLiteral("no X display (DISPLAY is not set)"));
}

QTEST_MAIN(tst_XkbKeyFinder)
#include "tst_xkbkeyfinder.moc"
