// Function keys run on the computer (input report 0x20): typing a text,
// switching the profile and launching a program, with the desktop edge
// recorded; and the desktop's own host input with and without an X display.
#include "device/DDeviceKeyboardLink.h"
#include "platform/hostinput/X11HostInput.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DeviceLinkFixture.h"
#include "support/LogCapture.h"
#include "support/RecordingHostInput.h"
#include "support/XvfbServer.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using lumtar::sim::SimController;
using Key = RecordingHostInput::KeyEvent;

namespace {

const QList<Key> kPasteKeys{{0x11, true}, {0x56, true}, {0x56, false}, {0x11, false}};

// The desktop edge of the real host input, callable from the test.
class ExposedX11HostInput : public X11HostInput
{
public:
    using X11HostInput::sendKeyEvent;
    using X11HostInput::setClipboardText;
};

} // namespace

class tst_HostFunctions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void functionKey_data();
    void functionKey();
    void keyWithoutItemRunsNothing();
    void launchNeverUsesAShell();
    void typingWithoutDisplayFails();
    void typingOnAnXServer();

private:
    QTemporaryDir m_files;
    QString m_program;
    QString m_document;
};

void tst_HostFunctions::initTestCase()
{
    QVERIFY(DeviceLinkFixture::prepareEnvironment());
    QVERIFY(m_files.isValid());
    m_program = m_files.filePath(QStringLiteral("tool.sh"));
    QFile program(m_program);
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\nexit 0\n");
    program.close();
    QVERIFY(program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    m_document = m_files.filePath(QStringLiteral("notes ä.txt"));
    QFile document(m_document);
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.write("notes\n");
}

void tst_HostFunctions::functionKey_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<int>("layer");
    QTest::addColumn<QStringList>("clipboard");
    QTest::addColumn<int>("pasteKeys");
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<QVariantList>("profiles");

    const QString text = QStringLiteral("Grüße, 世界 ✓ \"quoted\" $HOME `x`");
    const QString longText(5000, QLatin1Char('z'));
    QTest::newRow("text") << 6 << text << true << 0 << QStringList{text} << 1 << QStringList() << QStringList() << QVariantList();
    QTest::newRow("text of 5000 characters") << 6 << longText << true << 0 << QStringList{longText} << 1 << QStringList()
                                             << QStringList() << QVariantList();
    QTest::newRow("empty text still pastes") << 6 << QString() << true << 0 << QStringList{QString()} << 1 << QStringList()
                                             << QStringList() << QVariantList();
    QTest::newRow("text on release: nothing") << 6 << text << false << 0 << QStringList() << 0 << QStringList()
                                              << QStringList() << QVariantList();
    QTest::newRow("text on the Fn layer") << 6 << QStringLiteral("fn") << true << 2 << QStringList{QStringLiteral("fn")} << 1
                                          << QStringList() << QStringList() << QVariantList();
    QTest::newRow("switch profile") << 7 << QStringLiteral("3") << true << 0 << QStringList() << 0 << QStringList()
                                    << QStringList() << QVariantList{3};
    QTest::newRow("switch profile, not a number") << 7 << QStringLiteral("three") << true << 0 << QStringList() << 0
                                                  << QStringList() << QStringList() << QVariantList();
    QTest::newRow("switch profile on release: nothing") << 7 << QStringLiteral("3") << false << 0 << QStringList() << 0
                                                        << QStringList() << QStringList() << QVariantList();
    QTest::newRow("launch a program") << 8 << QStringLiteral("$PROGRAM") << true << 0 << QStringList() << 0
                                      << QStringList{QStringLiteral("$PROGRAM")} << QStringList() << QVariantList();
    QTest::newRow("launch a document") << 8 << QStringLiteral("$DOCUMENT") << true << 0 << QStringList() << 0 << QStringList()
                                       << QStringList{QStringLiteral("$DOCUMENT_URL")} << QVariantList();
    QTest::newRow("launch a web address") << 8 << QStringLiteral("https://example.org/a?b=1") << true << 0 << QStringList() << 0
                                          << QStringList() << QStringList{QStringLiteral("https://example.org/a?b=1")}
                                          << QVariantList();
    QTest::newRow("launch a program on the search path") << 8 << QStringLiteral("true") << true << 0 << QStringList() << 0
                                                         << QStringList{QStringLiteral("$TRUE")} << QStringList() << QVariantList();
    QTest::newRow("launch a missing file") << 8 << QStringLiteral("/no/such/program") << true << 0 << QStringList() << 0
                                           << QStringList() << QStringList() << QVariantList();
    QTest::newRow("disabled key") << 5 << QStringLiteral("0") << true << 0 << QStringList() << 0 << QStringList()
                                  << QStringList() << QVariantList();
    QTest::newRow("shortcut runs in the keyboard") << 9 << QStringLiteral("2") << true << 0 << QStringList() << 0
                                                   << QStringList() << QStringList() << QVariantList();
    QTest::newRow("macro runs in the keyboard") << 1 << QStringLiteral("1") << true << 0 << QStringList() << 0
                                                << QStringList() << QStringList() << QVariantList();
}

void tst_HostFunctions::functionKey()
{
    QFETCH(int, type);
    QFETCH(QString, value);
    QFETCH(bool, pressed);
    QFETCH(int, layer);
    QFETCH(QStringList, clipboard);
    QFETCH(int, pasteKeys);
    QFETCH(QStringList, programs);
    QFETCH(QStringList, urls);
    QFETCH(QVariantList, profiles);

    auto expand = [this](QString s) {
        s.replace(QLatin1String("$PROGRAM"), m_program);
        s.replace(QLatin1String("$DOCUMENT_URL"), QUrl::fromLocalFile(m_document).toString());
        s.replace(QLatin1String("$DOCUMENT"), m_document);
        s.replace(QLatin1String("$TRUE"), QStandardPaths::findExecutable(QStringLiteral("true")));
        return s;
    };
    value = expand(value);
    for (QString &p : programs)
        p = expand(p);
    for (QString &u : urls)
        u = expand(u);

    DeviceLinkFixture fx;
    QVERIFY(fx.open("LT104RGB"));
    QVERIFY(fx.waitUntilReady());
    RecordingHostInput host;
    fx.link()->setHostInput(&host);
    QSignalSpy profileSwitch(fx.link(), &DDeviceKeyboardLink::sigCustomEventChangProfile);
    const int keyId = 41;
    const QByteArray typeText = QByteArray::number(type);
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(fx.profilePath().constData(), "1", "41", "Esc",
                                                      typeText.constData(), "1", "0", value.toUtf8().constData()));

    QVERIFY(SimController::instance().sendFunctionKey(fx.path(), layer, keyId, pressed));
    QVERIFY(fx.sync());

    QCOMPARE(host.clipboardTexts, clipboard);
    QList<Key> expectedKeys;
    for (int i = 0; i < pasteKeys; ++i)
        expectedKeys += kPasteKeys;
    QCOMPARE(host.keyEvents, expectedKeys);
    QCOMPARE(host.startedPrograms, programs);
    QStringList opened;
    for (const QUrl &u : qAsConst(host.openedUrls))
        opened << u.toString();
    QCOMPARE(opened, urls);
    QVariantList switched;
    for (const QList<QVariant> &args : qAsConst(profileSwitch))
        switched << args.first();
    QCOMPARE(switched, profiles);
}

void tst_HostFunctions::keyWithoutItemRunsNothing()
{
    DeviceLinkFixture fx;
    QVERIFY(fx.open("LT104RGB"));
    QVERIFY(fx.waitUntilReady());
    RecordingHostInput host;
    fx.link()->setHostInput(&host);
    QSignalSpy profileSwitch(fx.link(), &DDeviceKeyboardLink::sigCustomEventChangProfile);
    QVERIFY(SimController::instance().sendFunctionKey(fx.path(), 0, 77, true));
    QVERIFY(fx.sync());
    QVERIFY(host.clipboardTexts.isEmpty());
    QVERIFY(host.keyEvents.isEmpty());
    QVERIFY(host.startedPrograms.isEmpty());
    QVERIFY(host.openedUrls.isEmpty());
    QCOMPARE(profileSwitch.count(), 0);
}

void tst_HostFunctions::launchNeverUsesAShell()
{
    // A stored text with shell syntax names no file: nothing starts, and
    // nothing is handed to a shell or a handler that would run it.
    RecordingHostInput host;
    LogCapture log;
    const QString marker = m_files.filePath(QStringLiteral("ran"));
    QVERIFY(!host.launch(QStringLiteral("%1; touch %2").arg(m_program, marker)));
    QVERIFY(!host.launch(QStringLiteral("sh -c 'touch %1'").arg(marker)));
    QVERIFY(!host.launch(QStringLiteral("$(touch %1)").arg(marker)));
    QVERIFY(!host.launch(QStringLiteral("   ")));
    QVERIFY(host.startedPrograms.isEmpty());
    QVERIFY(host.openedUrls.isEmpty());
    QVERIFY(!QFile::exists(marker));
    QVERIFY(log.countContaining(QStringLiteral("Launch")) >= 4);
}

void tst_HostFunctions::typingWithoutDisplayFails()
{
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    {
        ExposedX11HostInput host;
        LogCapture log;
        QVERIFY(!host.typeText(QStringLiteral("abc")));
        QVERIFY(!host.sendKeyEvent(0x11, true));
        QVERIFY(log.countContaining(QStringLiteral("no X display")) >= 1);
    }
    if (!display.isEmpty())
        qputenv("DISPLAY", display);
}

void tst_HostFunctions::typingOnAnXServer()
{
    if (!XvfbServer::available())
        QSKIP("Xvfb is not installed");
    XvfbServer server;
    QString error;
    QVERIFY2(server.start(&error), qPrintable(error));
    {
        ExposedX11HostInput host;
        QVERIFY(host.typeText(QStringLiteral("pasted ✓")));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("pasted ✓"));
        // Every key code the paste needs exists on the server's keyboard.
        QVERIFY(host.sendKeyEvent('A', true));
        QVERIFY(host.sendKeyEvent('A', false));
        QVERIFY(!host.sendKeyEvent(0xFE, true)); // no key for it
    }
    server.stop();
}

QTEST_MAIN(tst_HostFunctions)
#include "tst_hostfunctions.moc"
