// Profile management on the device page of the real main window, against
// the simulated keyboard: the profile menu in its popup, creating (with the
// default schemes, up to ten), selecting, renaming, deleting, exporting and
// importing profiles, each with its message; failures told as failures.
// Profiles may share a name: the box chooses by index. The name field of a
// rename closes when the page shows another keyboard, layer or profile.
#include <QtTest>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>

#include <list>
#include <string>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/DevicePageProbe.h"
#include "support/ModalAnswer.h"
#include "support/SimMainWindow.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/DProfileMenuToolWidget.h"
#include "widgets/ArrowWidget.h"

using lumtar::sim::SimController;

namespace {

QList<int> listedIndexes(const QByteArray &path)
{
    LumtarIndexNameList profiles;
    CLumtarXML_SelectProFileAllNodes(path.constData(), &profiles);
    QList<int> indexes;
    for (const auto &profile : profiles)
        indexes << QByteArray::fromStdString(profile.first).toInt();
    return indexes;
}

QStringList listedNames(const QByteArray &path)
{
    LumtarIndexNameList profiles;
    CLumtarXML_SelectProFileAllNodes(path.constData(), &profiles);
    QStringList names;
    for (const auto &profile : profiles)
        names << QString::fromUtf8(profile.second.c_str());
    return names;
}

// Replaces the profiles of the file with empty ones, in this store order,
// the first one current.
void setProfiles(const QByteArray &path, const QList<int> &order)
{
    LumtarXmlBatch batch(path.constData());
    for (int index : listedIndexes(path))
        QVERIFY(CLumtarXML_DeleteProFileSelectedNode(path.constData(), QByteArray::number(index).constData()));
    for (int index : order) {
        const QByteArray name = "Profile" + QByteArray::number(index);
        QVERIFY(CLumtarXML_CreateProFileXmlParentNode(path.constData(), QByteArray::number(index).constData(),
                                                      name.constData(), 0));
    }
    QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(path.constData(), order.first()));
    QVERIFY(batch.commit());
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_ProfileMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void menuCreatesProfilesUpToTen();
    void createIndex_data();
    void createIndex();
    void pickingAProfileMakesItCurrent();
    void rename_data();
    void rename();
    void deleteKeepsAListedProfileCurrent();
    void exportFileNames_data();
    void exportFileNames();
    void exportTwiceThenImport();
    void importRefused();
    void exportOnAFullDisk();
    void fnLayerFileHasItsOwnProfiles();
    void profilesOfOneName_data();
    void profilesOfOneName();
    void renameFieldFollowsTheShownProfile_data();
    void renameFieldFollowsTheShownProfile();

private:
    DDevicePage *startWindow(const char *model = "LT108HE") { return m_page = m_window.start(model); }
    template <typename T> T *child(const char *name) const
    {
        T *w = m_page->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("missing %s", name);
        return w;
    }
    QByteArray profilePath() const { return DevicePageProbe(m_page).xmlProfilePath(); }
    void exportTo(const QString &folder);

    SimMainWindow m_window;
    DDevicePage *m_page = nullptr;
    QTemporaryDir m_files;
};

void tst_ProfileMenu::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
    QVERIFY(m_files.isValid());
}

void tst_ProfileMenu::cleanup()
{
    m_window.close();
    m_page = nullptr;
}

void tst_ProfileMenu::menuCreatesProfilesUpToTen()
{
    startWindow();
    QVERIFY(DevicePageProbe(m_page).isKeyboardShown());
    const QByteArray path = profilePath();

    child<QPushButton>("pushButton_ProfileOperate")->click();
    QPointer<ArrowWidget> popup;
    for (ArrowWidget *candidate : m_page->findChildren<ArrowWidget *>())
        if (candidate->isVisible() && candidate->findChild<DProfileMenuToolWidget *>())
            popup = candidate;
    QVERIFY(popup);
    // On the button's screen, its arrow at the button.
    QPushButton *operate = child<QPushButton>("pushButton_ProfileOperate");
    const QRect screen = operate->screen()->availableGeometry();
    QVERIFY(screen.contains(popup->geometry()));
    QCOMPARE(popup->x() + popup->arrowPos() + 7, operate->mapToGlobal(QPoint(operate->width() / 2, 0)).x());
    auto *menu = popup->findChild<DProfileMenuToolWidget *>();
    QStringList entries;
    for (const char *name : {"label_CreateNew", "label_Delete", "label_Export", "label_Import", "label_ModifyNanme"})
        entries << menu->findChild<QLabel *>(QLatin1String(name))->text();
    QCOMPARE(entries, QStringList({"Create", "Delete", "Export", "Import", "Modify Name"}));

    // A click on an entry closes the popup before the entry runs.
    QTest::mouseClick(menu->findChild<QLabel *>("label_CreateNew"), Qt::LeftButton);
    QTRY_VERIFY(!popup || !popup->isVisible());
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Create profile successful"));
    QCOMPARE(listedIndexes(path), QList<int>({1, 2}));
    QCOMPARE(listedNames(path).last(), QStringLiteral("Profile2"));
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(path.constData()), 1);
    QCOMPARE(DevicePageProbe(m_page).profileBox()->count(), 2);
    QCOMPARE(DevicePageProbe(m_page).profileBox()->currentText(), QStringLiteral("Profile1"));

    // The new profile's two schemes at LT108HE's places: A at row 3, column 1.
    std::list<CustomLightItemStu> alphabets, wasd;
    CLumtarXML_ProFileCustomLightInfoSelectAll(path.constData(), "2", "0", &alphabets);
    CLumtarXML_ProFileCustomLightInfoSelectAll(path.constData(), "2", "1", &wasd);
    QCOMPARE(int(alphabets.size()), 34);
    QCOMPARE(int(wasd.size()), 8);
    for (const CustomLightItemStu &item : alphabets)
        QVERIFY(item.colorR == 0 && item.colorG == 0 && item.colorB == 255);
    bool aFound = false;
    for (const CustomLightItemStu &item : wasd) {
        QVERIFY(item.colorR == 255 && item.colorG == 0 && item.colorB == 0);
        if (QByteArray(item.keyCode) == "4")
            aFound = item.indexX == 3 && item.indexY == 1;
    }
    QVERIFY(aFound);
    for (const char *node : {"2", "3", "4"}) {
        std::list<CustomLightItemStu> empty;
        CLumtarXML_ProFileCustomLightInfoSelectAll(path.constData(), "2", node, &empty);
        QVERIFY(empty.empty());
    }
    // Default light records for the three kinds.
    for (int kind = 0; kind < 3; ++kind)
        QVERIFY(CLumtarXML_IsProFileAlreadyHaveLightInfo(path.constData(), "2", kind, 2));

    for (int n = 3; n <= 10; ++n)
        m_page->onProfileCreate();
    QCOMPARE(listedIndexes(path), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    m_page->onProfileCreate();
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("The number of profile has reached the maximum"));
    QCOMPARE(listedIndexes(path).size(), 10);
}

void tst_ProfileMenu::createIndex_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<bool>("restoreFirst");
    QTest::addColumn<int>("created");
    QTest::newRow("1,2,3") << QList<int>{1, 2, 3} << false << 4;
    QTest::newRow("2,3,1") << QList<int>{2, 3, 1} << false << 4;
    QTest::newRow("5,2") << QList<int>{5, 2} << false << 6;
    // Restoring profile 1 makes it the last listed one.
    QTest::newRow("after a restore") << QList<int>{1, 2, 3} << true << 4;
}

void tst_ProfileMenu::createIndex()
{
    QFETCH(QList<int>, order);
    QFETCH(bool, restoreFirst);
    QFETCH(int, created);
    startWindow("LT104RGB");
    const QByteArray path = profilePath();
    setProfiles(path, order);
    m_page->loadProfileKeyAndLightInfo();
    if (restoreFirst) {
        m_page->onResetoreCurrentProfile();
        QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Operate successful"));
        QCOMPARE(listedIndexes(path).last(), order.first());
    }
    m_page->onProfileCreate();
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Create profile successful"));
    QCOMPARE(listedIndexes(path).last(), created);
    QCOMPARE(listedNames(path).last(), QStringLiteral("Profile%1").arg(created));
    QCOMPARE(DevicePageProbe(m_page).currentProfileIndex(), order.first());
}

void tst_ProfileMenu::pickingAProfileMakesItCurrent()
{
    startWindow("LT104RGB");
    const QByteArray path = profilePath();
    m_page->onProfileCreate();
    QComboBox *box = DevicePageProbe(m_page).profileBox();
    QCOMPARE(box->count(), 2);
    box->setCurrentIndex(1); // as the user picks it
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(path.constData()), 2);
    QCOMPARE(DevicePageProbe(m_page).currentProfileIndex(), 2);
    QCOMPARE(DDataManager::getInstance()->currentProfileIndex(), 2);
    QCOMPARE(box->currentText(), QStringLiteral("Profile2"));
}

void tst_ProfileMenu::rename_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("told");
    QTest::newRow("plain") << "Gaming" << "Modify profile info successful";
    QTest::newRow("blanks") << "   " << "Modify profile info successful";
    QTest::newRow("non-ASCII") << QStringLiteral("Spiel ü 游戏") << "Modify profile info successful";
    QTest::newRow("empty") << "" << "Profile name can't empty";
    QTest::newRow("too long") << QString(640, QLatin1Char('n')) << "Profile name is too long";
}

void tst_ProfileMenu::rename()
{
    QFETCH(QString, name);
    QFETCH(QString, told);
    startWindow("LT104RGB");
    const QByteArray path = profilePath();
    auto *pages = child<QStackedWidget>("stackedWidget_2");
    auto *edit = child<QLineEdit>("lineEdit_profileName");
    edit->setMaxLength(32767); // whatever the form allows, the page checks

    m_page->onProfileModifyName();
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("page_ModifyName"));
    QCOMPARE(edit->text(), QStringLiteral("Profile1"));
    edit->setText(name);
    child<QPushButton>("pushButton_Save")->click();
    QCOMPARE(ModalAnswer::notice(m_page), told);
    const bool accepted = told == QLatin1String("Modify profile info successful");
    QCOMPARE(listedNames(path), QStringList(accepted ? name : QStringLiteral("Profile1")));
    QCOMPARE(pages->currentWidget()->objectName(),
             QString::fromLatin1(accepted ? "page_ProfileList" : "page_ModifyName"));
    if (accepted)
        QCOMPARE(DevicePageProbe(m_page).profileBox()->currentText(), name);

    child<QPushButton>("pushButton_Cancel")->click();
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("page_ProfileList"));
    QVERIFY(edit->text().isEmpty());
}

void tst_ProfileMenu::deleteKeepsAListedProfileCurrent()
{
    startWindow("LT104RGB");
    const QByteArray path = profilePath();
    m_page->onProfileDelete();
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Need keep at least one profile"));
    QCOMPARE(listedIndexes(path), QList<int>({1}));

    setProfiles(path, {1, 2, 3});
    QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(path.constData(), 2));
    m_page->loadProfileKeyAndLightInfo();
    m_page->onProfileDelete();
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Delete profile successful"));
    QCOMPARE(listedIndexes(path), QList<int>({1, 3}));
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(path.constData()), 1);
    QCOMPARE(DevicePageProbe(m_page).currentProfileIndex(), 1);
    QCOMPARE(DevicePageProbe(m_page).profileBox()->count(), 2);

    // A current index the file does not list cannot be deleted.
    QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(path.constData(), 7));
    m_page->loadProfileKeyAndLightInfo();
    m_page->onProfileDelete();
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Delete profile failed"));
    QCOMPARE(listedIndexes(path), QList<int>({1, 3}));
}

void tst_ProfileMenu::exportTo(const QString &folder)
{
    m_page->onProfileExport();
    QVERIFY(ModalAnswer::choose(folder));
}

void tst_ProfileMenu::exportFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("told");
    QTest::newRow("plain") << "Gaming" << "Gaming.xml" << "Export profile successful";
    QTest::newRow("slash") << "a/b" << "a_b.xml" << "Export profile successful";
    QTest::newRow("dot dot") << ".." << "_..xml" << "Export profile successful";
    QTest::newRow("over-long") << QString(250, QLatin1Char('x')) << QString()
                               << "Export profile failed, the file path is too long";
}

void tst_ProfileMenu::exportFileNames()
{
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    QFETCH(QString, told);
    startWindow("LT104RGB");
    const QByteArray path = profilePath();
    QVERIFY(CLumtarXML_ModifyProfileNodeInfo(path.constData(), "1", name.toUtf8().constData()));
    const QString folder = m_files.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
    QVERIFY(QDir().mkpath(folder));

    exportTo(folder);
    QTRY_COMPARE(ModalAnswer::notice(m_page), told);
    const QStringList written = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(written, fileName.isEmpty() ? QStringList() : QStringList(fileName));
    if (!fileName.isEmpty()) {
        const QByteArray exported = QFile::encodeName(QDir(folder).filePath(fileName));
        QCOMPARE(listedNames(exported), QStringList(name));
    }

    // No folder chosen.
    m_page->onProfileExport();
    QVERIFY(ModalAnswer::cancel());
    QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Please select save directory first"));
}

void tst_ProfileMenu::exportTwiceThenImport()
{
    startWindow("LT108HE");
    const QByteArray path = profilePath();
    const QString folder = m_files.filePath(QStringLiteral("twice"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(CLumtarXML_ModifyProfileNodeInfo(path.constData(), "1", "Games"));
    const QByteArray key = "4";
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1", key.constData(), "A", "5", "0", "0",
                                                      "0"));
    exportTo(folder);
    QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Export profile successful"));
    m_page->onEveryPageBackTip(QStringLiteral("-"));
    exportTo(folder);
    QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Export profile successful"));
    const QByteArray exported = QFile::encodeName(folder + QStringLiteral("/Games.xml"));
    QCOMPARE(listedIndexes(exported), QList<int>({1, 2}));

    // The import takes the last listed profile as a further one, not current.
    QVERIFY(CLumtarXML_ModifyProfileNodeInfo(exported.constData(), "2", "Second"));
    m_page->onProfileImport();
    QVERIFY(ModalAnswer::choose(QFile::decodeName(exported)));
    QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Import profile successful"));
    QCOMPARE(listedNames(path), QStringList({"Games", "Second"}));
    QCOMPARE(listedIndexes(path), QList<int>({1, 2}));
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(path.constData()), 1);
    QCOMPARE(DevicePageProbe(m_page).profileBox()->count(), 2);
    // With everything stored under it.
    KeyOperateInfoStu item{};
    const QByteArray imported = QByteArray::number(listedIndexes(path).last());
    QVERIFY(CLumtarXML_SelectProFileKeyOperateInfo(path.constData(), imported.constData(), "4", &item));
}

void tst_ProfileMenu::importRefused()
{
    startWindow("LT104RGB");
    const QByteArray path = profilePath();

    // An existing file that is not a profile store: the export leaves it.
    const QString folder = m_files.filePath(QStringLiteral("foreign"));
    QVERIFY(QDir().mkpath(folder));
    const QString foreign = folder + QStringLiteral("/Profile1.xml");
    {
        QFile file(foreign);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<notes>mine</notes>\n");
    }
    exportTo(folder);
    QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Export profile failed"));
    QCOMPARE(fileBytes(foreign), QByteArray("<notes>mine</notes>\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"Profile1.xml"}));

    // Nor can it be imported.
    m_page->onProfileImport();
    QVERIFY(ModalAnswer::choose(foreign));
    QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Import profile failed"));
    QCOMPARE(listedIndexes(path), QList<int>({1}));

    // No file chosen.
    m_page->onProfileImport();
    QVERIFY(ModalAnswer::cancel());
    QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Please select import file first"));

    // A full file takes none.
    const QString source = m_files.filePath(QStringLiteral("source.xml"));
    QVERIFY(CLumtarXML_CreateXMLFile(QFile::encodeName(source).constData()));
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(QFile::encodeName(source).constData(), "1", "Other", 0));
    setProfiles(path, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    m_page->loadProfileKeyAndLightInfo();
    m_page->onProfileImport();
    QVERIFY(ModalAnswer::choose(source));
    QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("The number of profile has reached the maximum"));
    QCOMPARE(listedIndexes(path).size(), 10);
}

void tst_ProfileMenu::exportOnAFullDisk()
{
    using lumtar::store::AtomicFileWriter;
    startWindow("LT104RGB");
    const QString folder = m_files.filePath(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(folder));
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::DiskFull);
    exportTo(folder);
    QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Export profile failed"));
    AtomicFileWriter::setFaultForTesting(AtomicFileWriter::Fault::None);
    // Neither a half-written nor an empty file is left.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void tst_ProfileMenu::fnLayerFileHasItsOwnProfiles()
{
    startWindow("LT108HE");
    const QByteArray defaults = profilePath();
    const QString folder = m_files.filePath(QStringLiteral("fn"));
    QVERIFY(QDir().mkpath(folder));
    exportTo(folder);
    QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Export profile successful"));

    m_page->onDefaultLayerAndFnLayerSwitch(1);
    const QByteArray fn = profilePath();
    QVERIFY(fn.endsWith("/appProfile_FN.xml"));
    m_page->onProfileImport();
    QVERIFY(ModalAnswer::choose(folder + QStringLiteral("/Profile1.xml")));
    QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Import profile successful"));
    m_page->onProfileCreate();
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Create profile successful"));
    m_page->onProfileModifyName();
    m_page->findChild<QLineEdit *>("lineEdit_profileName")->setText(QStringLiteral("Fn one"));
    child<QPushButton>("pushButton_Save")->click();
    QCOMPARE(listedNames(fn), QStringList({"Fn one", "Profile1", "Profile3"}));
    QCOMPARE(DevicePageProbe(m_page).profileBox()->count(), 3);
    // The default layer's file has none of it.
    QCOMPARE(listedNames(defaults), QStringList({"Profile1"}));
    m_page->onDefaultLayerAndFnLayerSwitch(0);
    QCOMPARE(DevicePageProbe(m_page).profileBox()->count(), 1);
}

void tst_ProfileMenu::profilesOfOneName_data()
{
    QTest::addColumn<bool>("byImport");
    QTest::newRow("renamed to another's name") << false;
    QTest::newRow("an export imported back") << true;
}

void tst_ProfileMenu::profilesOfOneName()
{
    QFETCH(bool, byImport);
    startWindow("LT104RGB");
    DevicePageProbe probe(m_page);
    const QByteArray path = profilePath();
    if (byImport) {
        const QString folder = m_files.filePath(QStringLiteral("same name"));
        QVERIFY(QDir().mkpath(folder));
        exportTo(folder);
        QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Export profile successful"));
        m_page->onProfileImport();
        QVERIFY(ModalAnswer::choose(folder + QStringLiteral("/Profile1.xml")));
        QTRY_COMPARE(ModalAnswer::notice(m_page), QStringLiteral("Import profile successful"));
    } else {
        m_page->onProfileCreate();
        m_page->onProfileModifyName();
        child<QLineEdit>("lineEdit_profileName")->setText(QStringLiteral("Profile2"));
        child<QPushButton>("pushButton_Save")->click();
        QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Modify profile info successful"));
    }
    const QList<int> indexes = listedIndexes(path);
    QCOMPARE(indexes.size(), 2);
    QCOMPARE(listedNames(path).first(), listedNames(path).last());

    // The box shows the entry of the current profile, not the first of its
    // name, and each entry can be picked.
    QComboBox *box = probe.profileBox();
    QCOMPARE(box->count(), 2);
    QCOMPARE(box->currentIndex(), 0);
    box->setCurrentIndex(1); // as the user picks it
    QCOMPARE(probe.currentProfileIndex(), indexes.last());
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(path.constData()), indexes.last());
    QCOMPARE(box->currentIndex(), 1);
    QCOMPARE(box->currentData().toInt(), indexes.last());
    box->setCurrentIndex(0);
    QCOMPARE(probe.currentProfileIndex(), indexes.first());
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(path.constData()), indexes.first());
    QCOMPARE(box->currentIndex(), 0);

    // Renaming renames the profile shown, and the box stays on it.
    box->setCurrentIndex(1);
    m_page->onProfileModifyName();
    child<QLineEdit>("lineEdit_profileName")->setText(QStringLiteral("Second"));
    child<QPushButton>("pushButton_Save")->click();
    QCOMPARE(listedNames(path).last(), QStringLiteral("Second"));
    QCOMPARE(box->currentIndex(), 1);
    QCOMPARE(box->currentText(), QStringLiteral("Second"));
}

void tst_ProfileMenu::renameFieldFollowsTheShownProfile_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("another keyboard chosen") << "keyboard";
    QTest::newRow("Fn layer shown") << "layer";
    QTest::newRow("profile switched by the keyboard") << "profile";
}

void tst_ProfileMenu::renameFieldFollowsTheShownProfile()
{
    QFETCH(QString, change);
    SimController::instance().plug("LT104RGB");
    startWindow("LT108HE");
    DevicePageProbe probe(m_page);
    QVERIFY(probe.isKeyboardShown());
    QCOMPARE(probe.links().size(), 2);
    const QByteArray first = profilePath();
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(first.constData(), "2", "Profile2", 0));
    m_page->loadProfileKeyAndLightInfo();
    auto *pages = child<QStackedWidget>("stackedWidget_2");

    m_page->onProfileModifyName();
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("page_ModifyName"));
    child<QLineEdit>("lineEdit_profileName")->setText(QStringLiteral("Renamed"));
    DDeviceKeyboardLink *shown = probe.currentLink();
    if (change == QLatin1String("keyboard")) {
        const QMap<QString, DDeviceKeyboardLink *> links = probe.links();
        const QString other = links.key(shown) == links.firstKey() ? links.lastKey() : links.firstKey();
        m_page->onHidItemMouseClicked(probe.infoMap().value(other));
        QVERIFY(probe.waitUntilIdle(SimMainWindow::SettleMs));
        QVERIFY(probe.isKeyboardShown());
        QVERIFY(probe.currentLink() != shown);
    } else if (change == QLatin1String("layer")) {
        m_page->onDefaultLayerAndFnLayerSwitch(1);
        QVERIFY(profilePath().endsWith("/appProfile_FN.xml"));
    } else {
        emit shown->sigCustomEventChangProfile(2);
        QCOMPARE(probe.currentProfileIndex(), 2);
    }

    // The field went with the profile it was opened for; its tick, should
    // it still come, renames nothing.
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("page_ProfileList"));
    child<QPushButton>("pushButton_Save")->click();
    QCOMPARE(listedNames(first), QStringList({"Profile1", "Profile2"}));
    QVERIFY(!listedNames(profilePath()).contains(QStringLiteral("Renamed")));
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_ProfileMenu test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profilemenu.moc"
