// The Default and Disable pages on real profile files: what OK removes or
// stores and what it tells the host, a store that cannot write, the light /
// heavy press pair of the Default page, and the key item reader and writer
// all pages share.
#include <QtTest>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>
#include <memory>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/FormActions.h"
#include "support/KeyPageSignals.h"
#include "support/ProfileFileFixture.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyDisablePage.h"
#include "ui/mainwidget/devicePage/customKeys/DResetDefaultPage.h"
#include "ui/mainwidget/devicePage/customKeys/KeyItemIO.h"

using lumtar::store::AtomicFileWriter;
using Fixture = ProfileFileFixture;

namespace {

const int kA = 4, kB = 5, kC = 6;

using Told = KeyPageSignals;

QByteArray field(const char *text)
{
    return QByteArray(text);
}

} // namespace

class tst_KeyFunctionPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultOk_data();
    void defaultOk();
    void defaultWithoutKey();
    void defaultHeavyPressActsOnTheHeavyFile();
    void defaultSelectorStaysHidden();
    void defaultFailedRemovalKeepsKeyAndMacro();

    void disableOk_data();
    void disableOk();
    void disableCancelWritesNothing();
    void disableWithoutKeyWritesNoItem();
    void disableFailedWriteKeepsTheOldItem();

    void keyItemIO();

private:
    std::unique_ptr<Fixture> m_files;
};

void tst_KeyFunctionPages::init()
{
    m_files.reset(new Fixture);
    QVERIFY(m_files->isValid());
}

void tst_KeyFunctionPages::cleanup()
{
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    m_files.reset();
}

void tst_KeyFunctionPages::defaultOk_data()
{
    QTest::addColumn<QStringList>("items");  // "code:type:value" in profile 1
    QTest::addColumn<QList<int>>("copies");  // macro copies of profile 1
    QTest::addColumn<QList<int>>("leftItems");
    QTest::addColumn<QList<int>>("leftCopies");

    QTest::newRow("no item") << QStringList{"5:0:4"} << QList<int>{3} << QList<int>{kB} << QList<int>{3};
    QTest::newRow("only user of macro 3") << QStringList{"4:1:3", "5:1:7"} << QList<int>{3, 7} << QList<int>{kB}
                                          << QList<int>{7};
    QTest::newRow("macro 3 shared") << QStringList{"4:1:3", "5:1:3"} << QList<int>{3} << QList<int>{kB}
                                    << QList<int>{3};
    QTest::newRow("macro without its copy") << QStringList{"4:1:9"} << QList<int>{3} << QList<int>{}
                                            << QList<int>{3};
    QTest::newRow("remap") << QStringList{"4:0:5"} << QList<int>{3} << QList<int>{} << QList<int>{3};
    QTest::newRow("text") << QStringList{"4:6:hello"} << QList<int>{} << QList<int>{} << QList<int>{};
    QTest::newRow("disabled") << QStringList{"4:5:-1", "6:5:-1"} << QList<int>{} << QList<int>{kC}
                              << QList<int>{};
    QTest::newRow("type no page stores") << QStringList{"4:12:3"} << QList<int>{3} << QList<int>{}
                                         << QList<int>{3};
}

void tst_KeyFunctionPages::defaultOk()
{
    QFETCH(QStringList, items);
    QFETCH(QList<int>, copies);
    QFETCH(QList<int>, leftItems);
    QFETCH(QList<int>, leftCopies);

    const QByteArray path = m_files->profilePath();
    for (const QString &entry : items) {
        const QStringList parts = entry.split(':');
        QVERIFY(Fixture::bind(path, "1", parts[0].toInt(), parts[1].toLatin1(), parts[2].toLatin1()));
    }
    for (int copy : copies)
        QVERIFY(Fixture::addMacroCopy(path, "1", copy));
    // Profile 2 has the same binding: it is not touched.
    QVERIFY(Fixture::bind(path, "2", kA, "1", "3"));
    QVERIFY(Fixture::addMacroCopy(path, "2", 3));

    DResetDefaultPage page;
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
    page.loadKeyOperateInfo();
    QCOMPARE(namedChild<QLabel>(&page, "label_KeyChar")->text(), QStringLiteral("A"));
    Told told(&page);
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_OK"), Qt::LeftButton);

    QCOMPARE(told.update.count(), 1);
    QCOMPARE(told.update.first().first().toInt(), kA);
    QCOMPARE(told.success.count(), 1);
    QVERIFY(told.failure.isEmpty());
    QCOMPARE(Fixture::keyCodes(path, "1"), leftItems);
    for (int copy : {3, 7, 9})
        QCOMPARE(Fixture::hasMacroCopy(path, "1", copy), leftCopies.contains(copy));
    QCOMPARE(Fixture::keyCodes(path, "2"), QList<int>{kA});
    QVERIFY(Fixture::hasMacroCopy(path, "2", 3));

    // The page keeps its key: a second OK finds nothing and succeeds again.
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_OK"), Qt::LeftButton);
    QCOMPARE(told.success.count(), 2);
    QCOMPARE(Fixture::keyCodes(path, "1"), leftItems);
}

void tst_KeyFunctionPages::defaultWithoutKey()
{
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "5", "-1"));
    DResetDefaultPage page;
    page.loadKeyOperateInfo();
    QCOMPARE(namedChild<QLabel>(&page, "label_KeyChar")->text(), QStringLiteral("NULL"));
    Told told(&page);
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_OK"), Qt::LeftButton);
    QCOMPARE(told.failures(), QList<int>({10, 0}));
    QVERIFY(told.update.isEmpty() && told.success.isEmpty());

    // A key that was loaded, then forgotten by the host's reset.
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
    page.loadKeyOperateInfo();
    page.clearSelectedKey();
    QCOMPARE(namedChild<QLabel>(&page, "label_KeyChar")->text(), QStringLiteral("NULL"));
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_OK"), Qt::LeftButton);
    QCOMPARE(told.failures(), QList<int>({10, 0, 10, 0}));
    QCOMPARE(Fixture::keyCodes(m_files->profilePath(), "1"), QList<int>{kA});
}

void tst_KeyFunctionPages::defaultHeavyPressActsOnTheHeavyFile()
{
    DDataManager *data = DDataManager::getInstance();
    data->setMagneticKeyboard(true);
    data->setCurrentProfileIndex(2);
    QVERIFY(Fixture::bind(m_files->heavyPath(), "1", kA, "0", "5"));
    QVERIFY(Fixture::bind(m_files->profilePath(), "1", kA, "0", "5"));
    QVERIFY(Fixture::bind(m_files->profilePath(), "2", kA, "0", "5"));

    DResetDefaultPage page;
    page.show();
    data->setClickedKey(kA, QStringLiteral("A"));
    page.loadKeyOperateInfo();
    QVERIFY(namedChild<QFrame>(&page, "frame_Top2")->isVisible()); // no device opened yet: offered
    QVERIFY(namedChild<QRadioButton>(&page, "radioButton_LightPress")->isChecked());
    QTest::mouseClick(namedChild<QRadioButton>(&page, "radioButton_HeavyPress"), Qt::LeftButton);
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_OK"), Qt::LeftButton);

    QVERIFY(Fixture::keyCodes(m_files->heavyPath(), "1").isEmpty());
    QCOMPARE(Fixture::keyCodes(m_files->profilePath(), "1"), QList<int>{kA});
    QCOMPARE(Fixture::keyCodes(m_files->profilePath(), "2"), QList<int>{kA});

    // Every load starts at light press again: the current profile.
    page.loadKeyOperateInfo();
    QVERIFY(namedChild<QRadioButton>(&page, "radioButton_LightPress")->isChecked());
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_OK"), Qt::LeftButton);
    QCOMPARE(Fixture::keyCodes(m_files->profilePath(), "1"), QList<int>{kA});
    QVERIFY(Fixture::keyCodes(m_files->profilePath(), "2").isEmpty());
}

void tst_KeyFunctionPages::defaultSelectorStaysHidden()
{
    DDataManager::getInstance()->setMagneticKeyboard(true);
    for (bool visible : {true, false}) {
        DResetDefaultPage page;
        page.show();
        QVERIFY(namedChild<QPushButton>(&page, "pushButton_Cancel")->isHidden());
        page.setLightHeavySelectVisible(visible);
        page.loadKeyOperateInfo();
        QVERIFY(namedChild<QFrame>(&page, "frame_Top2")->isHidden());
        page.loadKeyOperateInfo();
        QVERIFY(namedChild<QFrame>(&page, "frame_Top2")->isHidden());
    }
}

void tst_KeyFunctionPages::defaultFailedRemovalKeepsKeyAndMacro()
{
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::bind(path, "1", kA, "1", "3"));
    QVERIFY(Fixture::addMacroCopy(path, "1", 3));
    DResetDefaultPage page;
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
    page.loadKeyOperateInfo();
    Told told(&page);

    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::DiskFull);
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_OK"), Qt::LeftButton);
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);

    QCOMPARE(told.failures(), QList<int>({10, 1}));
    QVERIFY(told.update.isEmpty() && told.success.isEmpty());
    QCOMPARE(Fixture::keyCodes(path, "1"), QList<int>{kA});
    QVERIFY(Fixture::hasMacroCopy(path, "1", 3));
}

void tst_KeyFunctionPages::disableOk_data()
{
    QTest::addColumn<QString>("before"); // "type:value" of the key's item, or empty
    QTest::newRow("no item") << QString();
    QTest::newRow("macro") << QStringLiteral("1:3");
    QTest::newRow("disabled already") << QStringLiteral("5:-1");
}

void tst_KeyFunctionPages::disableOk()
{
    QFETCH(QString, before);
    const QByteArray path = m_files->profilePath();
    if (!before.isEmpty())
        QVERIFY(Fixture::bind(path, "2", kA, before.section(':', 0, 0).toLatin1(),
                              before.section(':', 1).toLatin1(), "4", "2"));
    QVERIFY(Fixture::addMacroCopy(path, "2", 3));
    DDataManager::getInstance()->setCurrentProfileIndex(2);

    DKeyDisablePage page;
    // A name outside Latin-1 reaches the store as UTF-8.
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("\u00C4\u4E2D"));
    page.loadKeyOperateInfo();
    QCOMPARE(namedChild<QLabel>(&page, "label_KeyChar")->text(), QStringLiteral("\u00C4\u4E2D"));
    Told told(&page);
    QSignalSpy cancel(&page, &DKeyDisablePage::sigClickedCancel);
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_OK"), Qt::LeftButton);

    QCOMPARE(told.update.count(), 1);
    QCOMPARE(told.update.first().first().toInt(), kA);
    QCOMPARE(told.success.count(), 1);
    QVERIFY(told.failure.isEmpty() && cancel.isEmpty());
    QCOMPARE(Fixture::keyCodes(path, "2"), QList<int>{kA});
    const std::optional<KeyOperateInfoStu> item = Fixture::item(path, "2", kA);
    QVERIFY(item);
    QCOMPARE(field(item->type), QByteArray("5"));
    QCOMPARE(field(item->count), QByteArray("1"));
    QCOMPARE(field(item->mode), QByteArray("1"));
    QCOMPARE(field(item->value), QByteArray("-1"));
    QCOMPARE(QString::fromUtf8(item->keyName), QStringLiteral("\u00C4\u4E2D"));
    QVERIFY(Fixture::hasMacroCopy(path, "2", 3)); // a macro copy stays
    QVERIFY(Fixture::keyCodes(path, "1").isEmpty());
}

void tst_KeyFunctionPages::disableCancelWritesNothing()
{
    DKeyDisablePage page;
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
    page.loadKeyOperateInfo();
    Told told(&page);
    QSignalSpy cancel(&page, &DKeyDisablePage::sigClickedCancel);
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_Cancel"), Qt::LeftButton);
    QCOMPARE(cancel.count(), 1);
    QVERIFY(told.update.isEmpty() && told.success.isEmpty() && told.failure.isEmpty());
    QVERIFY(Fixture::keyCodes(m_files->profilePath(), "1").isEmpty());
}

void tst_KeyFunctionPages::disableWithoutKeyWritesNoItem()
{
    DKeyDisablePage page;
    page.loadKeyOperateInfo();
    QCOMPARE(namedChild<QLabel>(&page, "label_KeyChar")->text(), QString());
    Told told(&page);
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_OK"), Qt::LeftButton);
    QCOMPARE(told.failures(), QList<int>({10, 0}));
    QVERIFY(told.update.isEmpty() && told.success.isEmpty());
    QVERIFY(Fixture::keyCodes(m_files->profilePath(), "1").isEmpty());
}

void tst_KeyFunctionPages::disableFailedWriteKeepsTheOldItem()
{
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::bind(path, "1", kA, "1", "3"));
    DKeyDisablePage page;
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
    page.loadKeyOperateInfo();
    Told told(&page);

    for (AtomicFileWriter::Fault fault : {AtomicFileWriter::Fault::DiskFull, AtomicFileWriter::Fault::NoRename}) {
        AtomicFileWriter::setFaultForTesting(fault);
        QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_OK"), Qt::LeftButton);
        AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
        const std::optional<KeyOperateInfoStu> item = Fixture::item(path, "1", kA);
        QVERIFY(item);
        QCOMPARE(field(item->type), QByteArray("1"));
        QCOMPARE(field(item->value), QByteArray("3"));
    }
    QCOMPARE(told.failures(), QList<int>({5, 1, 5, 1}));
    QVERIFY(told.update.isEmpty() && told.success.isEmpty());
}

void tst_KeyFunctionPages::keyItemIO()
{
    const QByteArray path = m_files->profilePath();
    DDataManager *data = DDataManager::getInstance();
    data->setClickedKey(kB, QStringLiteral("B"));
    const KeyItemIO light = KeyItemIO::selectedKeyLightPress();
    QCOMPARE(light.keyCode(), kB);
    QCOMPARE(light.profileIndex(), 1);
    QCOMPARE(QByteArray(light.path()), path);
    const KeyItemIO heavy = light.withHeavyPress();
    QCOMPARE(heavy.profileIndex(), 1);
    QCOMPARE(QByteArray(heavy.path()), m_files->heavyPath());
    QCOMPARE(heavy.keyName(), QStringLiteral("B"));

    QVERIFY(!light.read());
    QVERIFY(light.replace("0", "1", "1", "41"));
    QVERIFY(light.replace("2", "1", "1", "5,4")); // replaces: one item
    QCOMPARE(Fixture::keyCodes(path, "1"), QList<int>{kB});
    const std::optional<KeyOperateInfoStu> item = light.read();
    QVERIFY(item);
    QCOMPARE(field(item->value), QByteArray("5,4"));
    QCOMPARE(KeyItemIO::fieldNumber(item->type), 2);
    QCOMPARE(light.countItems("2", "5,4"), 1);
    QVERIFY(light.remove());
    QVERIFY(light.remove()); // nothing there is no failure
    QVERIFY(!light.read());

    // No key, no item.
    const KeyItemIO none;
    QVERIFY(!none.hasKey());
    QVERIFY(!none.replace("5", "1", "1", "-1"));
    QVERIFY(!none.remove());
    QVERIFY(Fixture::keyCodes(path, "1").isEmpty());

    // A profile the file does not have.
    const KeyItemIO missing(kA, QStringLiteral("A"), 9, path.constData());
    QVERIFY(!missing.replace("5", "1", "1", "-1"));
    QVERIFY(!missing.read());
    QCOMPARE(KeyItemIO::textNumber(" 12 ", -1), 12);
    QCOMPARE(KeyItemIO::textNumber("x", -1), -1);
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    CLumtarXML_Init();
    tst_KeyFunctionPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keyfunctionpages.moc"
