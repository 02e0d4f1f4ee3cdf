// The settings dialog: what it shows from the user settings file, language
// switching with two fixture translations beside this program, the check
// boxes and their failures, the hidden theme section, the About page with
// its fallbacks and link, the hidden entry to the firmware information, and
// closing.
#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QSettings>
#include <QStackedWidget>

#include <cstring>

#include "core/DDataManager.h"
#include "core/QtLinguist.h"
#include "platform/autostart/AutoStartEntry.h"
#include "support/LogCapture.h"
#include "support/TempHome.h"
#include "ui/firmware/DFirwareInfoShow.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/settings/AboutInfo.h"
#include "ui/settings/DSettingsDia.h"
#include "ui_DSettingsDia.h"
#include "widgets/CbNotice.h"

namespace {

QString userSettingsPath()
{
    return DDataManager::getInstance()->userConfigDir() + QStringLiteral("/LumtarConfig.ini");
}

QString autostartFolder()
{
    return QFileInfo(AutoStartEntry::entryPath(QCoreApplication::applicationName())).absolutePath();
}

// Replaces the user settings file with exactly these keys (none: no file).
void writeUserSettings(const QVariantMap &values)
{
    QSettings user(userSettingsPath(), QSettings::IniFormat);
    user.clear();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        user.setValue(it.key(), it.value());
    user.sync();
    if (values.isEmpty())
        QFile::remove(userSettingsPath());
}

QVariant storedValue(const char *key)
{
    QSettings user(userSettingsPath(), QSettings::IniFormat);
    return user.value(QLatin1String(key));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

QStringList itemTexts(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// Records the addresses the desktop would have opened.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace

class tst_SettingsDia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensAsStored_data();
    void opensAsStored();
    void languagePositionToId_data();
    void languagePositionToId();
    void languageSwitchRetranslates();
    void missingTranslationChangesNothing();
    void failedLoadKeepsInstalledTranslation();
    void checkBoxesReactToClicksOnly();
    void checkBoxWrites_data();
    void checkBoxWrites();
    void hiddenThemeSection();
    void aboutFallbacks_data();
    void aboutFallbacks();
    void aboutPageAndLink();
    void logoDoubleClick_data();
    void logoDoubleClick();
    void closing_data();
    void closing();
    void closingOverMainWindow();
    void firmwareCheck();

private:
    static Ui::DSettingsDia *form(DSettingsDia *dialog) { return dialog->ui; }
    static int themeIndexOf(DSettingsDia *dialog) { return dialog->m_themeIndex; }
    static CbNotice *noticeOf(DSettingsDia *dialog) { return dialog->m_notice; }

    QtLinguist *m_linguist = nullptr;
    QTemporaryDir m_fixtures;
};

void tst_SettingsDia::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    DDataManager::getInstance();
    // The program's own folder holds only the two fixture translations.
    QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/translation/German.qm")));
    QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/translation/French.qm")));
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/translation/Turkish.qm")));
}

void tst_SettingsDia::init()
{
    // A fresh switcher with nothing installed: the source texts show.
    m_linguist = new QtLinguist(qApp);
    QDir(userSettingsPath()).removeRecursively();
    QFile::remove(userSettingsPath());
    QFile::remove(autostartFolder());
    QDir(autostartFolder()).removeRecursively();
}

void tst_SettingsDia::cleanup()
{
    delete m_linguist; // takes its translation with it
    m_linguist = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_SettingsDia::opensAsStored_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("theme");
    QTest::addColumn<int>("themeIndex");
    QTest::addColumn<bool>("autoStart");
    QTest::addColumn<bool>("closeToTray");

    const QString chinese = QStringLiteral("简体中文");
    QTest::newRow("no file") << QVariantMap() << chinese << "Dark" << 0 << false << false;
    QTest::newRow("other keys only") << QVariantMap{{"MinimizeToTray/isMinimizeToTray", true}} << chinese << "Dark"
                                     << 0 << false << false;
    QTest::newRow("English") << QVariantMap{{"Language/selectLanguageIndex", 3}} << "English" << "Dark" << 0 << false
                             << false;
    QTest::newRow("Arabic") << QVariantMap{{"Language/selectLanguageIndex", 7}} << QStringLiteral("\u00a0عربي ،")
                            << "Dark" << 0 << false << false;
    QTest::newRow("Turkish") << QVariantMap{{"Language/selectLanguageIndex", 16}} << QStringLiteral("Türkçe") << "Dark"
                             << 0 << false << false;
    QTest::newRow("language 0") << QVariantMap{{"Language/selectLanguageIndex", 0}} << chinese << "Dark" << 0 << false
                                << false;
    QTest::newRow("language -1") << QVariantMap{{"Language/selectLanguageIndex", -1}} << chinese << "Dark" << 0
                                 << false << false;
    QTest::newRow("language 17") << QVariantMap{{"Language/selectLanguageIndex", 17}} << chinese << "Dark" << 0
                                 << false << false;
    QTest::newRow("theme Pink") << QVariantMap{{"Theme/selectThemeIndex", 3}} << chinese << "Pink" << 3 << false
                                << false;
    QTest::newRow("theme 4 without Other") << QVariantMap{{"Theme/selectThemeIndex", 4}} << chinese << "Dark" << 4
                                           << false << false;
    QTest::newRow("theme 9") << QVariantMap{{"Theme/selectThemeIndex", 9}} << chinese << "Dark" << 9 << false << false;
    QTest::newRow("both boxes") << QVariantMap{{"AutoStart/isAutoStart", true}, {"CloseToTray/isCloseToTray", true}}
                                << chinese << "Dark" << 0 << true << true;
    QTest::newRow("auto start only") << QVariantMap{{"AutoStart/isAutoStart", true},
                                                    {"CloseToTray/isCloseToTray", false}}
                                     << chinese << "Dark" << 0 << true << false;
}

void tst_SettingsDia::opensAsStored()
{
    QFETCH(QVariantMap, stored);
    QFETCH(int, themeIndex);

    writeUserSettings(stored);
    const QByteArray before = fileBytes(userSettingsPath());

    auto *dialog = new DSettingsDia;
    QPointer<DSettingsDia> guard(dialog);
    dialog->show();
    Ui::DSettingsDia *ui = form(dialog);
    QCOMPARE(ui->comboBox_Language->count(), 16);
    QTEST(ui->comboBox_Language->currentText(), "language");
    QCOMPARE(itemTexts(ui->comboBox_Theme), QStringList({"Dark", "Light", "Blue", "Pink"}));
    QTEST(ui->comboBox_Theme->currentText(), "theme");
    QCOMPARE(themeIndexOf(dialog), themeIndex);
    QTEST(ui->checkBox_AutoStart->isChecked(), "autoStart");
    QTEST(ui->checkBox_Close->isChecked(), "closeToTray");
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Settings);
    QVERIFY(ui->pushButton_General->isChecked());
    QVERIFY(!ui->pushButton_About->isChecked());
    QVERIFY(!ui->frame_6->isVisible());
    QVERIFY(!ui->frame_18->isVisible());
    QVERIFY(!ui->frame_19->isVisible());
    QVERIFY(!noticeOf(dialog)->isVisible());
    QCOMPARE(dialog->size(), QSize(700, 500));

    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
    // Opening and closing writes nothing.
    QCOMPARE(fileBytes(userSettingsPath()), before);
    QVERIFY(!QFile::exists(AutoStartEntry::entryPath(QCoreApplication::applicationName())));
}

void tst_SettingsDia::languagePositionToId_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("id");
    const int ids[] = {1, 3, 2, 5, 6, 4, 8, 9, 10, 11, 12, 13, 7, 14, 15, 16};
    for (int position = 0; position < 16; ++position)
        QTest::addRow("position %d", position) << position << ids[position];
}

void tst_SettingsDia::languagePositionToId()
{
    QFETCH(int, position);
    QFETCH(int, id);

    // Start on a language other than the chosen one.
    const int startId = position == 0 ? QtLinguist::English : QtLinguist::Zh_SM;
    const QString startName = position == 0 ? QStringLiteral("English") : QStringLiteral("简体中文");
    writeUserSettings({{"Language/selectLanguageIndex", startId}});
    DSettingsDia dialog;
    QComboBox *box = form(&dialog)->comboBox_Language;
    QCOMPARE(box->currentText(), startName);
    const bool installed = id == QtLinguist::German || id == QtLinguist::French;

    LogCapture log;
    box->setCurrentIndex(position);
    if (installed) {
        QCOMPARE(storedValue("Language/selectLanguageIndex").toInt(), id);
        QCOMPARE(box->currentIndex(), position);
    } else {
        // The switch was tried with that language's file; nothing changed.
        QCOMPARE(log.countContaining(QStringLiteral("/translation/") + m_linguist->translationFile(id)), 1);
        QCOMPARE(storedValue("Language/selectLanguageIndex").toInt(), startId);
        QCOMPARE(box->currentText(), startName);
    }
}

void tst_SettingsDia::languageSwitchRetranslates()
{
    writeUserSettings({{"Language/selectLanguageIndex", 3}, {"Theme/selectThemeIndex", 2}});
    DSettingsDia dialog;
    dialog.show();
    Ui::DSettingsDia *ui = form(&dialog);
    QSignalSpy updated(&dialog, &DSettingsDia::sigUpdataAllUI);
    QSignalSpy themed(&dialog, &DSettingsDia::sigChangAppTheme);
    QCOMPARE(ui->label_Title->text(), QStringLiteral("Settings"));

    ui->comboBox_Language->setCurrentText(QStringLiteral("Deutsch"));
    QCOMPARE(storedValue("Language/selectLanguageIndex").toInt(), int(QtLinguist::German));
    QCOMPARE(updated.count(), 1);
    // The dialog's own eleven texts come last and win over the form's.
    const QList<QPair<QWidget *, QString>> texts = {
        {ui->label_Title, "Einstellungen"},
        {ui->pushButton_General, "Allgemein"},
        {ui->pushButton_About, "Über"},
        {ui->label, "Sprache"},
        {ui->label_2, "Design"},
        {ui->checkBox_UsingBgImage, "Hintergrundbild"},
        {ui->label_3, "Autostart"},
        {ui->checkBox_AutoStart, "Mit dem System starten (minimiert)"},
        {ui->checkBox_Close, "Beim Schließen in den Infobereich"},
        {ui->label_4, "Aktualisierung"},
        {ui->pushButton_UpgradeCheck, "Firmware prüfen"},
    };
    for (const auto &text : texts) {
        const QString shown = text.first->property("text").toString();
        QVERIFY2(shown == text.second, qPrintable(text.first->objectName() + QStringLiteral(": ") + shown));
    }
    QCOMPARE(ui->label_APP->text(), QStringLiteral("Anwendungssoftware [form]"));
    // The About page keeps the configured texts, not the form's placeholders.
    QCOMPARE(ui->label_AppVersion->text(), QStringLiteral("V_2.04.02"));
    // The theme entries in the new language, on the same theme, and nothing
    // about the theme written or signalled; no notice for a language.
    QCOMPARE(itemTexts(ui->comboBox_Theme),
             QStringList({"Dunkel [form]", "Hell [form]", "Blau [form]", "Rosa [form]"}));
    QCOMPARE(ui->comboBox_Theme->currentIndex(), 2);
    QCOMPARE(themeIndexOf(&dialog), 2);
    QCOMPARE(themed.count(), 0);
    QCOMPARE(storedValue("Theme/selectThemeIndex").toInt(), 2);
    QVERIFY(!noticeOf(&dialog)->isVisible());

    ui->comboBox_Language->setCurrentText(QStringLiteral("Français"));
    QCOMPARE(storedValue("Language/selectLanguageIndex").toInt(), int(QtLinguist::French));
    QCOMPARE(updated.count(), 2);
    QCOMPARE(ui->label_Title->text(), QStringLiteral("Paramètres"));
    QCOMPARE(ui->comboBox_Theme->currentText(), QStringLiteral("Bleu [form]"));
    // A click on the box now says so in French.
    QTest::mouseClick(ui->checkBox_Close, Qt::LeftButton, {}, QPoint(6, ui->checkBox_Close->height() / 2));
    QCOMPARE(noticeOf(&dialog)->text(), QStringLiteral("Réglage enregistré"));
}

void tst_SettingsDia::missingTranslationChangesNothing()
{
    writeUserSettings({{"Language/selectLanguageIndex", 10}});
    DSettingsDia dialog;
    dialog.show();
    Ui::DSettingsDia *ui = form(&dialog);
    QComboBox *box = ui->comboBox_Language;
    QCOMPARE(box->currentText(), QStringLiteral("Deutsch"));
    // The application applied the stored language at start.
    QVERIFY(m_linguist->setLanguage(QtLinguist::German));
    ui->retranslateUi(&dialog);
    const QByteArray before = fileBytes(userSettingsPath());
    QSignalSpy updated(&dialog, &DSettingsDia::sigUpdataAllUI);
    QSignalSpy languageChanged(box, QOverload<int>::of(&QComboBox::currentIndexChanged));

    LogCapture log;
    box->setCurrentText(QStringLiteral("Türkçe"));
    QCOMPARE(log.countContaining(QStringLiteral("/translation/Turkish.qm")), 1);
    QCOMPARE(box->currentText(), QStringLiteral("Deutsch"));
    QCOMPARE(languageChanged.count(), 1); // the user's change only; the way back is silent
    QCOMPARE(fileBytes(userSettingsPath()), before);
    QCOMPARE(updated.count(), 0);
    QCOMPARE(ui->label_APP->text(), QStringLiteral("Anwendungssoftware [form]"));
    QCOMPARE(QCoreApplication::translate("QObject", "Settings"), QStringLiteral("Einstellungen"));
    QVERIFY(!noticeOf(&dialog)->isVisible());
}

void tst_SettingsDia::failedLoadKeepsInstalledTranslation()
{
    QVERIFY(m_linguist->setLanguage(QtLinguist::French));
    QCOMPARE(QCoreApplication::translate("QObject", "Reset"), QStringLiteral("Réinitialiser"));
    for (int language : {int(QtLinguist::Turkish), 0, 17})
        QVERIFY(!m_linguist->setLanguage(language));
    QCOMPARE(QCoreApplication::translate("QObject", "Reset"), QStringLiteral("Réinitialiser"));
    QVERIFY(m_linguist->setLanguage(QtLinguist::German));
    QCOMPARE(QCoreApplication::translate("QObject", "Reset"), QStringLiteral("Zurücksetzen"));
    // One translation installed at a time: the French one is gone.
    QCOMPARE(QCoreApplication::translate("QObject", "Set config success"), QStringLiteral("Einstellung gespeichert"));
    QCOMPARE(m_linguist->findChildren<QTranslator *>().size(), 1);
    QCOMPARE(QtLinguist::ofApplication(), m_linguist);
}

void tst_SettingsDia::checkBoxesReactToClicksOnly()
{
    writeUserSettings({{"Language/selectLanguageIndex", 3}});
    DSettingsDia dialog;
    dialog.show();
    Ui::DSettingsDia *ui = form(&dialog);
    const QByteArray before = fileBytes(userSettingsPath());

    for (QAbstractButton *box : {static_cast<QAbstractButton *>(ui->checkBox_AutoStart),
                                 static_cast<QAbstractButton *>(ui->checkBox_Close),
                                 static_cast<QAbstractButton *>(ui->checkBox_UsingBgImage)}) {
        box->setChecked(true);
        box->setChecked(false);
        box->toggle();
    }
    QCOMPARE(fileBytes(userSettingsPath()), before);
    QVERIFY(!noticeOf(&dialog)->isVisible());
    QVERIFY(!QFile::exists(AutoStartEntry::entryPath(QCoreApplication::applicationName())));
}

void tst_SettingsDia::checkBoxWrites_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("storedBefore");
    QTest::addColumn<bool>("done");

    QTest::newRow("auto start on") << "checkBox_AutoStart" << "" << false << true;
    QTest::newRow("auto start off") << "checkBox_AutoStart" << "" << true << true;
    QTest::newRow("auto start on, autostart folder is a file") << "checkBox_AutoStart" << "autostart" << false << false;
    QTest::newRow("auto start on, settings not written") << "checkBox_AutoStart" << "settings" << false << false;
    QTest::newRow("auto start off, settings not written") << "checkBox_AutoStart" << "settings" << true << false;
    QTest::newRow("tray on") << "checkBox_Close" << "" << false << true;
    QTest::newRow("tray off") << "checkBox_Close" << "" << true << true;
    QTest::newRow("tray on, settings not written") << "checkBox_Close" << "settings" << false << false;
}

void tst_SettingsDia::checkBoxWrites()
{
    QFETCH(QString, box);
    QFETCH(QString, fault);
    QFETCH(bool, storedBefore);
    QFETCH(bool, done);

    const bool autoStart = box == QLatin1String("checkBox_AutoStart");
    const char *key = autoStart ? "AutoStart/isAutoStart" : "CloseToTray/isCloseToTray";
    const QString entry = AutoStartEntry::entryPath(QCoreApplication::applicationName());
    writeUserSettings({{QLatin1String(key), storedBefore}});
    if (autoStart && storedBefore)
        QVERIFY(AutoStartEntry::write(QCoreApplication::applicationName(), QCoreApplication::applicationFilePath(),
                                      QStringLiteral("--AutoUp")));

    DSettingsDia dialog;
    dialog.show();
    auto *check = dialog.findChild<QAbstractButton *>(box);
    QVERIFY(check);
    QCOMPARE(check->isChecked(), storedBefore);

    if (fault == QLatin1String("autostart")) {
        // A plain file where the folder should be stops even root.
        QFile blocker(autostartFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else if (fault == QLatin1String("settings")) {
        // A folder in place of the file: it cannot be replaced, even by root.
        QVERIFY(QFile::remove(userSettingsPath()));
        QVERIFY(QDir().mkpath(userSettingsPath()));
    }

    const QPoint onIndicator(6, check->height() / 2);
    QTest::mouseClick(check, Qt::LeftButton, {}, onIndicator);

    const bool now = done ? !storedBefore : storedBefore;
    QCOMPARE(check->isChecked(), now);
    QVERIFY(noticeOf(&dialog)->isVisible());
    QCOMPARE(noticeOf(&dialog)->text(), done ? QStringLiteral("Set config success") : QStringLiteral("Set config failed"));
    QVERIFY((noticeOf(&dialog)->geometry().center() - dialog.rect().center()).manhattanLength() <= 1);

    if (fault == QLatin1String("settings")) {
        QDir(userSettingsPath()).removeRecursively();
    } else {
        QCOMPARE(storedValue(key).toBool(), now);
    }
    if (autoStart) {
        // The entry agrees with the box.
        QCOMPARE(QFileInfo(entry).isFile(), now);
        if (now) {
            QFile file(entry);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            QVERIFY2(text.contains(QStringLiteral("\nExec=\"%1\" --AutoUp\n")
                                       .arg(QCoreApplication::applicationFilePath())),
                     qPrintable(text));
        }
    }

    if (fault == QLatin1String("settings")) {
        // Once the file can be written again, the next click is stored.
        QTest::mouseClick(check, Qt::LeftButton, {}, onIndicator);
        QCOMPARE(check->isChecked(), !storedBefore);
        QCOMPARE(noticeOf(&dialog)->text(), QStringLiteral("Set config success"));
        QCOMPARE(storedValue(key).toBool(), !storedBefore);
    }
}

void tst_SettingsDia::hiddenThemeSection()
{
    writeUserSettings({{"Theme/selectThemeIndex", 0}, {"ThemeBgImage/BgImageIsUsing", false}});
    DDataManager *data = DDataManager::getInstance();
    DSettingsDia dialog;
    Ui::DSettingsDia *ui = form(&dialog);
    QSignalSpy themed(&dialog, &DSettingsDia::sigChangAppTheme);

    ui->comboBox_Theme->setCurrentText(QStringLiteral("Blue"));
    QCOMPARE(themed.count(), 1);
    QCOMPARE(themed.at(0).at(0).toInt(), 2);
    QCOMPARE(themeIndexOf(&dialog), 2);
    QCOMPARE(storedValue("Theme/selectThemeIndex").toInt(), 2);
    ThemeColor blue = data->themeColor();
    data->loadThemeConfig(0);
    QVERIFY(data->themeColor().SettingsBgColor != blue.SettingsBgColor);
    data->loadThemeConfig(2);
    QVERIFY(ui->frame_16->styleSheet().contains(blue.SettingsBgColor));

    // The box is hidden; the click comes from code.
    ui->checkBox_UsingBgImage->click();
    QCOMPARE(themed.count(), 2);
    QCOMPARE(themed.at(1).at(0).toInt(), 2);
    QCOMPARE(storedValue("ThemeBgImage/BgImageIsUsing").toBool(), true);
    QVERIFY(data->isBgImageUsing());

    ui->checkBox_UsingBgImage->click();
    QCOMPARE(themed.count(), 3);
    QVERIFY(!data->isBgImageUsing());
    QCOMPARE(storedValue("ThemeBgImage/BgImageIsUsing").toBool(), false);

    ui->comboBox_Theme->setCurrentText(QStringLiteral("Dark"));
    QCOMPARE(themed.at(3).at(0).toInt(), 0);
    QCOMPARE(storedValue("Theme/selectThemeIndex").toInt(), 0);
}

void tst_SettingsDia::aboutFallbacks_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("copyright");
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("showLink");

    const QByteArray version = "[AppVersion]\nVersion = V_9.01.02\n";
    const QByteArray name = "[CompanyName]\nComName = Maker\n";
    const QByteArray copyright = "[Copyright]\nCopyrightStr = \"Copyright 2026* Maker* all\"\n";
    const QByteArray link = "[CompanyLink]\nComLink = https://maker.example.net/x\n";
    const QByteArray shown = "[CompanyLinkFrame]\nshowStatus = true\n";
    const QString fallbackLink = QStringLiteral("https://lumtar.example.org");

    QTest::newRow("every key") << version + name + copyright + link + shown << "V_9.01.02" << "Maker"
                               << "Copyright 2026, Maker, all" << "https://maker.example.net/x" << true;
    QTest::newRow("no version") << name + copyright + link + shown << "V_1.00.00" << "Maker"
                                << "Copyright 2026, Maker, all" << "https://maker.example.net/x" << true;
    QTest::newRow("no name") << version + copyright + link + shown << "V_9.01.02" << "CompanyName"
                             << "Copyright 2026, Maker, all" << "https://maker.example.net/x" << true;
    QTest::newRow("no copyright") << version + name + link + shown << "V_9.01.02" << "Maker" << "Copyright"
                                  << "https://maker.example.net/x" << true;
    QTest::newRow("no link") << version + name + copyright + shown << "V_9.01.02" << "Maker"
                             << "Copyright 2026, Maker, all" << fallbackLink << true;
    QTest::newRow("link hidden when absent") << version + name + copyright + link << "V_9.01.02" << "Maker"
                                             << "Copyright 2026, Maker, all" << "https://maker.example.net/x" << false;
    QTest::newRow("link hidden when false")
        << version + name + copyright + link + "[CompanyLinkFrame]\nshowStatus = false\n" << "V_9.01.02" << "Maker"
        << "Copyright 2026, Maker, all" << "https://maker.example.net/x" << false;
    QTest::newRow("no file") << QByteArray() << "V_1.00.00" << "CompanyName" << "Copyright" << fallbackLink << false;
    QTest::newRow("UTF-8 and a bare comma")
        << QByteArray("[CompanyName]\nComName = \"Mäker 株式会社\"\n[Copyright]\nCopyrightStr = (C) A, B\n")
        << "V_1.00.00" << QStringLiteral("Mäker 株式会社") << "(C) A, B" << fallbackLink << false;
}

void tst_SettingsDia::aboutFallbacks()
{
    QFETCH(QByteArray, file);
    const QString path = m_fixtures.filePath(QStringLiteral("%1.ini").arg(QTest::currentDataTag()));
    if (!file.isEmpty()) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    const AboutInfo about = readAboutInfo(path);
    QTEST(about.version, "version");
    QTEST(about.companyName, "name");
    QTEST(about.copyright, "copyright");
    QTEST(about.companyLink, "link");
    QTEST(about.showLink, "showLink");
}

void tst_SettingsDia::aboutPageAndLink()
{
    DSettingsDia dialog;
    dialog.show();
    Ui::DSettingsDia *ui = form(&dialog);
    ui->label_AppVersion->setText(QString());

    QTest::mouseClick(ui->pushButton_About, Qt::LeftButton);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_TipInfo);
    QVERIFY(ui->pushButton_About->isChecked());
    QVERIFY(!ui->pushButton_General->isChecked());
    QCOMPARE(ui->label_AppVersion->text(), QStringLiteral("V_2.04.02"));
    QCOMPARE(ui->label_AppName->text(), QStringLiteral("Lumtar"));
    QCOMPARE(ui->label_APP->text(), QStringLiteral("Application software"));
    QCOMPARE(ui->label_Copyright->text(), QStringLiteral("Copyright (C) 2026, The Lumtar developers"));
    QVERIFY(ui->label_Link->isVisible());
    QVERIFY(ui->label_Link->text().contains(QStringLiteral(">Lumtar</span>")));
    QVERIFY(ui->label_Link->text().contains(DDataManager::getInstance()->themeColor().TextCheckedColor));
    QVERIFY(!ui->frame_15->isVisible());

    // Each click on About reads the file again; General reads nothing.
    ui->label_AppVersion->setText(QString());
    QTest::mouseClick(ui->pushButton_About, Qt::LeftButton);
    QCOMPARE(ui->label_AppVersion->text(), QStringLiteral("V_2.04.02"));
    ui->label_AppVersion->setText(QString());
    QTest::mouseClick(ui->pushButton_General, Qt::LeftButton);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Settings);
    QCOMPARE(ui->label_AppVersion->text(), QString());

    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &recorder, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    emit ui->label_Link->linkActivated(QStringLiteral("https://elsewhere.example.com/"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(recorder.urls, QList<QUrl>{QUrl(QStringLiteral("https://lumtar.example.org"))});
}

void tst_SettingsDia::logoDoubleClick_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("left single") << false << int(Qt::LeftButton) << false;
    QTest::newRow("left double") << true << int(Qt::LeftButton) << true;
    QTest::newRow("right double") << true << int(Qt::RightButton) << false;
    QTest::newRow("middle double") << true << int(Qt::MiddleButton) << false;
}

void tst_SettingsDia::logoDoubleClick()
{
    QFETCH(bool, doubleClick);
    QFETCH(int, button);
    QFETCH(bool, opens);

    DSettingsDia dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget *logo = form(&dialog)->frame_LogoSet;
    if (doubleClick)
        QTest::mouseDClick(logo, Qt::MouseButton(button));
    else
        QTest::mouseClick(logo, Qt::MouseButton(button));

    const QList<DFirwareInfoShow *> shown = dialog.findChildren<DFirwareInfoShow *>();
    QCOMPARE(shown.size(), opens ? 1 : 0);
    if (!opens)
        return;
    QPointer<DFirwareInfoShow> info(shown.first());
    QVERIFY(info->isVisible());
    QVERIFY(info->isModal());
    QCOMPARE(info->windowTitle(), QStringLiteral("Firmware Info"));
    QCOMPARE(info->size(), QSize(350, 370));
    QTRY_COMPARE(QApplication::activeModalWidget(), info.data());
    // Esc closes it; the settings dialog stays.
    QTest::keyClick(info, Qt::Key_Escape);
    QVERIFY(!info->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!info);
    QVERIFY(dialog.isVisible());
}

void tst_SettingsDia::closing_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("close button") << false;
    QTest::newRow("Esc") << true;
}

void tst_SettingsDia::closing()
{
    QFETCH(bool, escape);

    auto *dialog = new DSettingsDia;
    QPointer<DSettingsDia> guard(dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QSignalSpy closed(dialog, &DSettingsDia::sigSettingsWindowClose);
    if (escape)
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(form(dialog)->pushButton_Close, Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
    QCOMPARE(closed.count(), 1);
}

void tst_SettingsDia::closingOverMainWindow()
{
    DMainWidget w;
    w.setGeometry(0, 0, 1200, 800);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (bool escape : {false, true}) {
        w.findChild<QAbstractButton *>(QStringLiteral("pushButton_Setting"))->click();
        QPointer<DSettingsDia> dialog = w.findChild<DSettingsDia *>();
        QVERIFY(dialog);
        QWidget *overlay = w.findChild<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly);
        QVERIFY(overlay);
        QVERIFY(overlay->isVisible());
        if (escape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            form(dialog)->pushButton_Close->click();
        QVERIFY(!overlay->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
    }
}

void tst_SettingsDia::firmwareCheck()
{
    // Without any keyboard there is nothing to upgrade.
    DMainWidget w;
    w.show();
    w.findChild<QAbstractButton *>(QStringLiteral("pushButton_Setting"))->click();
    DSettingsDia *dialog = w.findChild<DSettingsDia *>();
    QVERIFY(dialog);
    QSignalSpy checked(dialog, &DSettingsDia::sigFirmwareUpgradeCheck);
    QTest::mouseClick(form(dialog)->pushButton_UpgradeCheck, Qt::LeftButton);
    QCOMPARE(checked.count(), 1);
    QVERIFY(noticeOf(dialog)->isVisible());
    QCOMPARE(noticeOf(dialog)->text(), QStringLiteral("No upgradeable devices found"));
    form(dialog)->pushButton_Close->click();
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_SettingsDia test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsdia.moc"
