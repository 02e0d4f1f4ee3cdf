#include "ui/settings/DSettingsDia.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPointer>
#include <QSettings>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QUrl>

#include "core/DDataManager.h"
#include "core/QtLinguist.h"
#include "platform/autostart/AutoStartEntry.h"
#include "ui/firmware/DFirwareInfoShow.h"
#include "ui/settings/AboutInfo.h"
#include "ui_DSettingsDia.h"
#include "widgets/CbNotice.h"
#include "widgets/ThemeColorText.h"

namespace {

const char kDefaultConfigResource[] = ":/images/configDir/LumtarDefaultConfig.ini";

const char kLanguageKey[] = "Language/selectLanguageIndex";
const char kThemeKey[] = "Theme/selectThemeIndex";
const char kBgImageKey[] = "ThemeBgImage/BgImageIsUsing";
const char kAutoStartKey[] = "AutoStart/isAutoStart";
const char kCloseToTrayKey[] = "CloseToTray/isCloseToTray";

// The language box in its order. The names are never translated.
struct LanguageEntry {
    const char *name; // UTF-8
    int id;
};
const LanguageEntry kLanguages[] = {
    {"简体中文", QtLinguist::Zh_SM},
    {"English", QtLinguist::English},
    {"繁體中文", QtLinguist::Zh_TR},
    {"한국어", QtLinguist::Korean},
    {"Русский", QtLinguist::Russian},
    {"日本語", QtLinguist::Japanese},
    {"Español", QtLinguist::Spanish},
    {"Português", QtLinguist::Portugal},
    {"Deutsch", QtLinguist::German},
    {"Italiano", QtLinguist::Italian},
    {"Polski", QtLinguist::Polish},
    {"Français", QtLinguist::French},
    {"\u00a0عربي ،", QtLinguist::Arabic},
    {"Україна", QtLinguist::Ukrainian},
    {"Čeština", QtLinguist::Czech},
    {"Türkçe", QtLinguist::Turkish},
};

QString languageName(int id)
{
    for (const LanguageEntry &entry : kLanguages) {
        if (entry.id == id)
            return QString::fromUtf8(entry.name);
    }
    return QString();
}

// The id of the first name, in the order of the ids, that the text holds.
int languageIdOf(const QString &text)
{
    for (int id = QtLinguist::Zh_SM; id <= QtLinguist::Turkish; ++id) {
        if (text.contains(languageName(id)))
            return id;
    }
    return QtLinguist::Zh_SM;
}

// The theme box entries by theme index; "Other" only with a user theme.
QString themeText(int index)
{
    switch (index) {
    case 0: return DSettingsDia::tr("Dark");
    case 1: return DSettingsDia::tr("Light");
    case 2: return DSettingsDia::tr("Blue");
    case 3: return DSettingsDia::tr("Pink");
    case 4: return DSettingsDia::tr("Other");
    default: return QString();
    }
}
const int kThemeCount = 5;

} // namespace

DSettingsDia::DSettingsDia(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DSettingsDia)
{
    ui->setupUi(this);

    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(700, 500);

    setDialogTexts();

    ui->frame_15->hide();
    ui->frame_18->hide();
    ui->frame_19->hide();
    ui->checkBox_UsingBgImage->hide();
    ui->frame_6->hide();

    auto *pages = new QButtonGroup(this);
    pages->addButton(ui->pushButton_General, 0);
    pages->addButton(ui->pushButton_About, 1);
    connect(pages, &QButtonGroup::idClicked, this, &DSettingsDia::onCurIndexChanged);

    m_notice = new CbNotice(this);

    m_configFilePath = DDataManager::getInstance()->userConfigDir() + QStringLiteral("/LumtarConfig.ini");
    m_userSettings = new QSettings(m_configFilePath, QSettings::IniFormat);

    ui->checkBox_AutoStart->setChecked(m_userSettings->value(QLatin1String(kAutoStartKey), false).toBool());
    ui->checkBox_Close->setChecked(m_userSettings->value(QLatin1String(kCloseToTrayKey), false).toBool());

    ui->stackedWidget->setCurrentWidget(ui->page_Settings);
    ui->pushButton_General->setChecked(true);

    // Filled and set without their signals: opening the dialog writes nothing.
    {
        const QSignalBlocker languageBlocker(ui->comboBox_Language);
        const QSignalBlocker themeBlocker(ui->comboBox_Theme);
        // Plain item views, so that the style sheet sets the height of the rows.
        ui->comboBox_Language->setItemDelegate(new QStyledItemDelegate(ui->comboBox_Language));
        ui->comboBox_Theme->setItemDelegate(new QStyledItemDelegate(ui->comboBox_Theme));
        for (const LanguageEntry &entry : kLanguages)
            ui->comboBox_Language->addItem(QString::fromUtf8(entry.name));
        fillThemeBox();
        selectStoredLanguage();
        m_themeIndex = m_userSettings->value(QLatin1String(kThemeKey), 0).toInt();
        selectThemeEntry();
    }
    ui->checkBox_UsingBgImage->setChecked(DDataManager::getInstance()->isBgImageUsing());

    loadAboutInfo();
    connect(ui->label_Link, &QLabel::linkActivated, this, &DSettingsDia::onLickActivited);
    ui->frame_LogoSet->installEventFilter(this);

    updateAppTheme();
}

DSettingsDia::~DSettingsDia()
{
    delete m_userSettings;
    delete ui;
}

void DSettingsDia::setDialogTexts()
{
    ui->label_Title->setText(QObject::tr("Settings"));
    ui->pushButton_General->setText(QObject::tr("General"));
    ui->pushButton_About->setText(QObject::tr("About"));
    ui->label->setText(QObject::tr("Language"));
    ui->label_2->setText(QObject::tr("Theme"));
    ui->checkBox_UsingBgImage->setText(QObject::tr("Background image"));
    ui->label_3->setText(QObject::tr("Auto start"));
    ui->checkBox_AutoStart->setText(QObject::tr("Launch applications when the system starts (Minimized)"));
    ui->checkBox_Close->setText(QObject::tr("Close startup to tray"));
    ui->label_4->setText(QObject::tr("Upgrade"));
    ui->pushButton_UpgradeCheck->setText(QObject::tr("Firmware upgrade check"));
}

void DSettingsDia::fillThemeBox()
{
    const int count = DDataManager::getInstance()->isUserConfig() ? kThemeCount : kThemeCount - 1;
    for (int index = 0; index < count; ++index)
        ui->comboBox_Theme->addItem(themeText(index));
}

void DSettingsDia::selectStoredLanguage()
{
    const int stored = m_userSettings->value(QLatin1String(kLanguageKey), -1).toInt();
    const int position = ui->comboBox_Language->findText(languageName(stored));
    m_languagePosition = position >= 0 ? position : 0;
    ui->comboBox_Language->setCurrentIndex(m_languagePosition);
}

void DSettingsDia::selectThemeEntry()
{
    if (m_themeIndex < 0 || m_themeIndex >= kThemeCount) {
        ui->comboBox_Theme->setCurrentIndex(0);
        return;
    }
    // "Other" may not be offered: the box then stays where it is.
    const int position = ui->comboBox_Theme->findText(themeText(m_themeIndex));
    if (position >= 0)
        ui->comboBox_Theme->setCurrentIndex(position);
}

bool DSettingsDia::storeSetting(const QString &key, const QVariant &value)
{
    // A settings object keeps the first error it met: an earlier failure must
    // not stand for this write.
    if (m_userSettings->status() != QSettings::NoError) {
        delete m_userSettings;
        m_userSettings = new QSettings(m_configFilePath, QSettings::IniFormat);
    }
    const bool existed = m_userSettings->contains(key);
    const QVariant previous = m_userSettings->value(key);
    m_userSettings->setValue(key, value);
    m_userSettings->sync();
    if (m_userSettings->status() == QSettings::NoError)
        return true;

    qDebug() << "Settings not written:" << key << "to" << m_configFilePath << "status" << m_userSettings->status();
    // The file still holds the value in force; so must every settings object
    // of this file, which share one cache.
    if (existed)
        m_userSettings->setValue(key, previous);
    else
        m_userSettings->remove(key);
    return false;
}

void DSettingsDia::showCentredNotice(const QString &text)
{
    m_notice->showNotice(text, rect().center());
}

void DSettingsDia::showNoUpgradeNotice()
{
    showCentredNotice(QObject::tr("No upgradeable devices found"));
}

// ---- language and theme -------------------------------------------------------

void DSettingsDia::on_comboBox_Language_currentIndexChanged(QString arg1)
{
    const int language = languageIdOf(arg1);
    QtLinguist *linguist = QtLinguist::ofApplication();
    if (!linguist)
        qDebug() << "No language switcher; language" << language << "not applied";
    if (!linguist || !linguist->setLanguage(language)) {
        // The language in use stays, and so does its stored id.
        const QSignalBlocker blocker(ui->comboBox_Language);
        ui->comboBox_Language->setCurrentIndex(m_languagePosition);
        return;
    }
    m_languagePosition = ui->comboBox_Language->currentIndex();
    if (!storeSetting(QLatin1String(kLanguageKey), language))
        qDebug() << "Language" << language << "applied but not stored";

    const QSignalBlocker blocker(ui->comboBox_Theme);
    ui->retranslateUi(this);
    // The form's placeholders went back into the About page: fill it again.
    loadAboutInfo();
    ui->comboBox_Theme->clear();
    fillThemeBox();
    selectThemeEntry();
    setDialogTexts();
    emit sigUpdataAllUI();
}

void DSettingsDia::on_comboBox_Theme_currentIndexChanged(QString arg1)
{
    // The entry's whole name: in some languages one theme's name could be
    // part of another's.
    int index = 0;
    for (int candidate = 0; candidate < kThemeCount; ++candidate) {
        if (arg1 == themeText(candidate)) {
            index = candidate;
            break;
        }
    }
    m_themeIndex = index;
    storeSetting(QLatin1String(kThemeKey), m_themeIndex);

    DDataManager::getInstance()->loadThemeConfig(m_themeIndex);
    updateAppTheme();
    emit sigChangAppTheme(m_themeIndex);
}

void DSettingsDia::on_checkBox_UsingBgImage_clicked()
{
    const bool use = ui->checkBox_UsingBgImage->isChecked();
    storeSetting(QLatin1String(kBgImageKey), use);
    DDataManager *data = DDataManager::getInstance();
    data->setBgImageUsing(use);
    // The flag changes how the theme's colours are read.
    data->loadThemeConfig(m_themeIndex);
    updateAppTheme();
    emit sigChangAppTheme(m_themeIndex);
}

// ---- start-up and tray ----------------------------------------------------------

void DSettingsDia::on_checkBox_AutoStart_clicked()
{
    const bool on = ui->checkBox_AutoStart->isChecked();
    const QString name = QCoreApplication::applicationName();
    const QString program = QCoreApplication::applicationFilePath();
    const QString arguments = QStringLiteral("--AutoUp");

    const bool entryDone = on ? AutoStartEntry::write(name, program, arguments) : AutoStartEntry::remove(name);
    if (!entryDone)
        qDebug() << "Autostart entry not" << (on ? "written:" : "removed:") << AutoStartEntry::entryPath(name);
    const bool done = entryDone && storeSetting(QLatin1String(kAutoStartKey), on);
    if (entryDone && !done) {
        // The stored flag and the entry keep agreeing.
        if (on)
            AutoStartEntry::remove(name);
        else
            AutoStartEntry::write(name, program, arguments);
    }
    if (!done)
        ui->checkBox_AutoStart->setChecked(!on);
    showCentredNotice(done ? QObject::tr("Set config success") : QObject::tr("Set config failed"));
}

void DSettingsDia::on_checkBox_Close_clicked()
{
    const bool on = ui->checkBox_Close->isChecked();
    const bool done = storeSetting(QLatin1String(kCloseToTrayKey), on);
    if (!done)
        ui->checkBox_Close->setChecked(!on);
    showCentredNotice(done ? QObject::tr("Set config success") : QObject::tr("Set config failed"));
}

// ---- buttons and closing ----------------------------------------------------------

void DSettingsDia::on_pushButton_UpgradeCheck_clicked()
{
    emit sigFirmwareUpgradeCheck();
}

void DSettingsDia::on_pushButton_CheckAppUpdate_clicked()
{
    emit sigUpdateApp();
}

void DSettingsDia::on_pushButton_Close_clicked()
{
    emit sigSettingsWindowClose();
    close();
}

void DSettingsDia::reject()
{
    on_pushButton_Close_clicked();
}

void DSettingsDia::closeEvent(QCloseEvent *event)
{
    // Not through reject(), which closes the dialog itself.
    event->accept();
}

// ---- pages, About and the firmware information -----------------------------------

void DSettingsDia::onCurIndexChanged(int selIndex)
{
    if (selIndex == 0) {
        ui->stackedWidget->setCurrentWidget(ui->page_Settings);
        return;
    }
    loadAboutInfo();
    ui->stackedWidget->setCurrentWidget(ui->page_TipInfo);
}

void DSettingsDia::loadAboutInfo()
{
    const AboutInfo about = readAboutInfo(QString::fromLatin1(kDefaultConfigResource));
    ui->label_AppVersion->setText(about.version);
    ui->label_AppName->setText(about.companyName);
    ui->label_Copyright->setText(about.copyright);
    m_companyLink = about.companyLink;
    ui->label_Link->setVisible(about.showLink);
    m_companyName = about.companyName;
    ui->label_Link->setAlignment(Qt::AlignCenter);
    ui->label_Link->setText(linkText());
}

QString DSettingsDia::linkText() const
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    return tr("<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span>"
              "<a href=\"Company|%1|\"><span style=\"font-size:12pt; text-decoration:underline; "
              "color:rgb(%2);\">%1</span>")
        .arg(m_companyName.toHtmlEscaped(), theme.TextCheckedColor, theme.TextFont);
}

void DSettingsDia::onLickActivited(QString str)
{
    // The anchor only names the maker; the address is the configured one.
    Q_UNUSED(str);
    QDesktopServices::openUrl(QUrl(m_companyLink, QUrl::TolerantMode));
}

bool DSettingsDia::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_LogoSet && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        openFirmwareInfo();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DSettingsDia::openFirmwareInfo()
{
    // Modal over this dialog without a nested event loop: whatever closes this
    // dialog takes the information dialog with it.
    auto *info = new DFirwareInfoShow(this);
    info->setAttribute(Qt::WA_DeleteOnClose);
    info->setWindowModality(Qt::WindowModal);
    info->show();
}

// ---- theme styling ----------------------------------------------------------------

void DSettingsDia::updateAppTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColor theme = data->themeColor();
    const QString &family = theme.TextFont;

    m_notice->setBackgroundColor(themeRgb(theme.AllBgColor, 200));
    m_notice->setTextColor(themeRgb(theme.TextCheckedColor, 255));
    QFont noticeFont(family);
    noticeFont.setPixelSize(14);
    m_notice->setNoticeFont(noticeFont);

    ui->frame_16->setStyleSheet(
        QStringLiteral("QFrame#frame_16{border: 1px solid rgb(%1); background-color: rgb(%2); border-radius: 12px;}")
            .arg(theme.TextCheckedColor, theme.SettingsBgColor));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color: rgb(%1); border: none; border-bottom: 3px solid rgb(%2);"
                       " border-top-left-radius: 12px; border-top-right-radius: 12px;}"
                       "QLabel#label_Title{color: rgb(%3);}")
            .arg(theme.SettingsTitleColorStart, theme.SettingsBorderColor, theme.TextCheckedColor));
    ui->frame_LogoSet->setStyleSheet(
        QStringLiteral("QFrame#frame_LogoSet{border-image: url(:/images/lumtarLogo.png);}"));
    ui->frame_Bg->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg{background-color: rgb(%1); border: none;"
                       " border-bottom-left-radius: 12px; border-bottom-right-radius: 12px;}")
            .arg(theme.SettingsBgColor));
    ui->frame_3->setStyleSheet(
        QStringLiteral("QFrame#frame_3{border: none; border-right: 3px solid rgb(%1);}").arg(theme.SettingsBorderColor));
    ui->frame_4->setStyleSheet(
        QStringLiteral("QPushButton{border: none; background-color: rgb(%1); color: rgb(%2); font: 75 11pt \"%3\";}"
                       "QPushButton:hover{background-color: rgb(%4);}"
                       "QPushButton:pressed, QPushButton:checked{color: rgb(%5); background-color: rgb(%6);}")
            .arg(theme.SettingsControlDefaultColor, theme.TextDefaultColor, family,
                 theme.SettingsControlHoverBgColor, theme.TextCheckedColor, theme.SettingsControlSelectedBgColor));

    ui->page_Settings->setStyleSheet(
        QStringLiteral("QLabel{color: rgb(%1); font: 75 10pt \"%2\";}"
                       "QComboBox{background-color: rgb(%3); border: 1px solid rgb(%4); border-radius: 4px;"
                       " color: rgb(%5); font: 75 10pt \"%2\"; padding-left: 5px;}"
                       "QComboBox:hover{border: 1px solid rgb(%1);}"
                       "QComboBox QAbstractItemView{background-color: rgb(%3); color: rgb(%5);"
                       " border: 1px solid rgb(%4); outline: none;"
                       " selection-background-color: rgb(%6); selection-color: rgb(%1);}"
                       "QComboBox QAbstractItemView::item{min-height: 40px;}"
                       "QComboBox::drop-down{subcontrol-origin: padding; subcontrol-position: top right;"
                       " width: 20px; border: none; background: transparent;}"
                       "QComboBox::down-arrow{width: 10px; height: 10px;"
                       " image: url(:/images/publicIco/comboxDef.png);}"
                       "QComboBox::down-arrow:hover{image: url(:/images/publicIco/comboxDef.png);}"
                       "QComboBox::down-arrow:on{image: url(:/images/publicIco/comboxSel.png);}")
            .arg(theme.TextCheckedColor, family, theme.SettingsControlDefaultColor, theme.SettingsBorderColor,
                 theme.TextDefaultColor, theme.SettingsControlSelectedBgColor));
    const QString checkBoxSheet =
        QStringLiteral("QCheckBox{color: rgb(%1); font: 75 10pt \"%3\";}"
                       "QCheckBox:checked{color: rgb(%2);}"
                       "QCheckBox::indicator{width: 13px; height: 13px;}"
                       "QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}"
                       "QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, family);
    ui->frame_7->setStyleSheet(checkBoxSheet);
    ui->checkBox_UsingBgImage->setStyleSheet(checkBoxSheet);

    ui->page_TipInfo->setStyleSheet(
        QStringLiteral("QLabel#label_AppName{color: rgb(%1); font: 75 16pt \"%2\";}"
                       "QLabel#label_APP{color: rgb(%1); font: 75 12pt \"%2\";}"
                       "QLabel#label_Copyright{color: rgb(%1); font: 75 10pt \"%2\";}"
                       "QLabel#label_AppVersion{color: rgb(%1);}")
            .arg(theme.TextCheckedColor, family));
    QFont versionFont = data->themeFont(0);
    versionFont.setPointSize(12);
    ui->label_AppVersion->setFont(versionFont);

    const QString buttonSheet =
        QStringLiteral("QPushButton{border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2);"
                       " color: rgb(%3); font: 75 10pt \"%4\";}"
                       "QPushButton:hover{background-color: transparent; border: 2px solid rgb(%5);}"
                       "QPushButton:pressed{background-color: transparent; border: 2px solid rgb(%5); color: rgb(%5);}")
            .arg(theme.SettingsControlBorderColor, theme.SettingsControlDefaultColor, theme.TextDefaultColor, family,
                 theme.TextCheckedColor);
    for (QPushButton *button : {ui->pushButton_CheckAppUpdate, ui->pushButton_UpgradeCheck, ui->pushButton_feedbock,
                                ui->pushButton_support, ui->pushButton_feedbock02, ui->pushButton_support02})
        button->setStyleSheet(buttonSheet);

    ui->label_Link->setAlignment(Qt::AlignCenter);
    ui->label_Link->setText(linkText());

    QFont titleFont = data->themeFont(0);
    titleFont.setPointSize(12);
    ui->label_Title->setFont(titleFont);
}
