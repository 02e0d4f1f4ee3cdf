// A macro edited after it was bound: the device page writes the new events
// into every copy of it, in every profile of both layers of every
// keyboard's folder, so a download sends no old events. On the real main
// window against the simulated keyboard, with the keyboard's memory read
// back after the download.
#include <QtTest>

#include <QDir>
#include <QFile>

#include <list>

#include "core/DDataManager.h"
#include "device/OnboardMacroPacket.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/KeyAssignmentWindow.h"
#include "support/ProfileFileFixture.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/MacroCopyRefresh.h"

using lumtar::sim::SimController;
using Fixture = ProfileFileFixture;

namespace {

const int kA = 4, kB = 5;
const int kMacro = 3;

QByteArray fileBytes(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A profile file of its own with profile 1, whose key A plays the macro
// from an old copy of one key press.
bool makeProfileFileWithCopy(const QString &folder, const char *fileName)
{
    if (!QDir().mkpath(folder))
        return false;
    const QByteArray path = QFile::encodeName(folder + QLatin1String(fileName));
    return CLumtarXML_CreateXMLFile(path.constData())
        && CLumtarXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0)
        && CLumtarXML_ModifyXMLFileProfileIndex(path.constData(), 1)
        && Fixture::bind(path, "1", kA, "1", "3") && Fixture::addMacroCopy(path, "1", kMacro);
}

std::list<KeyOrMouseEventStu> storedMacro(const QByteArray &macroPath)
{
    std::list<KeyOrMouseEventStu> events;
    CLumtarXML_SelectAllKeyOrMouseEvent(macroPath.constData(), QByteArray::number(kMacro).constData(), &events);
    return events;
}

} // namespace

class tst_MacroCopies : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void editedMacroReachesTheKeyboardFromEveryCopy();
    void unreadableMacroKeepsTheCopies();

private:
    KeyAssignmentWindow m_window;
    QTemporaryDir m_outside;
};

void tst_MacroCopies::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
    QVERIFY(m_outside.isValid());
}

void tst_MacroCopies::cleanup()
{
    m_window.stop();
}

void tst_MacroCopies::editedMacroReachesTheKeyboardFromEveryCopy()
{
    DDevicePage *page = m_window.start("LT108HE");
    QVERIFY(page);
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    DDataManager *data = DDataManager::getInstance();
    char buffer[DDataManager::PathBufferSize] = {};
    data->copyMacroXmlPath(buffer);
    const QByteArray macros(buffer);
    QVERIFY(Fixture::addMacro(macros, kMacro, "Three keys", 3));

    // The shown keyboard: key A plays the macro on the Fn layer, key B in
    // profile 2 of the default layer, which is not the current one; the
    // current default profile does not use it.
    const QByteArray defaults = QFile::encodeName(probe.profileFolder() + QStringLiteral("/appProfile_Default.xml"));
    const QByteArray fn = QFile::encodeName(probe.profileFolder() + QStringLiteral("/appProfile_FN.xml"));
    QVERIFY(QFile::exists(QFile::decodeName(fn)));
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(fn.constData()), 1);
    QVERIFY(Fixture::bind(fn, "1", kA, "1", "3") && Fixture::addMacroCopy(fn, "1", kMacro));
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(defaults.constData(), "2", "Profile2", 0));
    QVERIFY(Fixture::bind(defaults, "2", kB, "1", "3") && Fixture::addMacroCopy(defaults, "2", kMacro));
    const QByteArray currentProfileBefore = QByteArray::number(CLumtarXML_GetCreateXMLFileProfileIndex(defaults.constData()));
    QVERIFY(!Fixture::hasMacroCopy(defaults, currentProfileBefore.constData(), kMacro));

    // A keyboard not attached, in a gamepad mode's level too; and a folder
    // that is a link to somewhere else, which is not followed.
    const QString home = data->userConfigDir();
    const QString other = home + QStringLiteral("/LT68HE/00112233445566778899AABBCCDDEEFF");
    QVERIFY(makeProfileFileWithCopy(other, "/appProfile_Default.xml"));
    QVERIFY(makeProfileFileWithCopy(other + QStringLiteral("/GamePadXbox360"), "/appProfile_FN.xml"));
    const QString elsewhere = m_outside.filePath(QStringLiteral("elsewhere"));
    QVERIFY(makeProfileFileWithCopy(elsewhere, "/appProfile_Default.xml"));
    QVERIFY(QDir().mkpath(home + QStringLiteral("/LT68HE")));
    QVERIFY(QFile::link(elsewhere, home + QStringLiteral("/LT68HE/FFEEDDCCBBAA99887766554433221100")));
    const QByteArray linked = QFile::encodeName(elsewhere + QStringLiteral("/appProfile_Default.xml"));
    const QByteArray linkedBefore = fileBytes(linked);

    // The macro is edited: two more events.
    QVERIFY(CLumtarXML_AddKeyOrMouseEventItem(
        macros.constData(), {Fixture::keyEvent(8, 30, true), Fixture::keyEvent(8, 30, false)}, "3"));
    const std::list<KeyOrMouseEventStu> edited = storedMacro(macros);
    QCOMPARE(int(edited.size()), 8);
    emit page->sigMacroListHaveChangedSendToDevice(QStringLiteral("3"), QStringLiteral("Three keys"));

    QCOMPARE(Fixture::macroCopySize(fn, "1", kMacro), 8);
    QCOMPARE(Fixture::macroCopySize(defaults, "2", kMacro), 8);
    QCOMPARE(Fixture::macroCopySize(QFile::encodeName(other + "/appProfile_Default.xml"), "1", kMacro), 8);
    QCOMPARE(Fixture::macroCopySize(QFile::encodeName(other + "/GamePadXbox360/appProfile_FN.xml"), "1", kMacro), 8);
    // Profiles no key of which plays the macro get no copy of it.
    QVERIFY(!Fixture::hasMacroCopy(defaults, currentProfileBefore.constData(), kMacro));
    QCOMPARE(fileBytes(linked), linkedBefore);

    // The download sends the Fn layer's key A with the edited macro.
    QVERIFY(m_window.download());
    const QByteArray record = m_window.onboardKey(2, kA);
    QCOMPARE(record.left(4), QByteArray("1004"));
    const int slot = record.mid(4, 2).toInt(nullptr, 16);
    const std::vector<uint8_t> image = SimController::instance().onboardMacro(m_window.path(), slot);
    QCOMPARE(int(image.size()), OnboardMacroPacket::SlotSize);
    const OnboardMacroPacket::SlotImage expected = OnboardMacroPacket::slotImage(edited, 1, 1);
    QVERIFY(std::equal(image.begin(), image.end(), expected.begin()));
}

void tst_MacroCopies::unreadableMacroKeepsTheCopies()
{
    // Widget-free: a macro the store does not hold leaves every file as it is.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString folder = home.filePath(QStringLiteral("LT104RGB/0123"));
    QVERIFY(makeProfileFileWithCopy(folder, "/appProfile_Default.xml"));
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/appProfile_Default.xml"));
    const QByteArray before = fileBytes(path);
    const QByteArray macros = QFile::encodeName(home.filePath(QStringLiteral("appMacro.xml")));
    QVERIFY(CLumtarXML_CreateXMLFile(macros.constData()));

    const MacroCopyRefresh::Outcome outcome = MacroCopyRefresh::refreshAll(home.path(), macros, kMacro);
    QVERIFY(!outcome.macroRead);
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(MacroCopyRefresh::profileFiles(home.path()), QStringList(QFile::decodeName(path)));
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_MacroCopies test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_macrocopies.moc"
