// The settings dialog: interface language, start at login, close to tray,
// the firmware check and the About page. The theme section (theme and
// background image) is filled and kept in step but not shown. Every control
// acts at once and writes the user settings file; there is no OK or Cancel.
// The close button and Esc close the dialog, which then destroys itself.
#ifndef DSETTINGSDIA_H
#define DSETTINGSDIA_H

#include <QDialog>
#include <QString>
#include <QVariant>

class CbNotice;
class QCloseEvent;
class QSettings;

namespace Ui {
class DSettingsDia;
}

class DSettingsDia : public QDialog
{
    Q_OBJECT

public:
    explicit DSettingsDia(QWidget *parent = nullptr);
    ~DSettingsDia() override;

    // "No upgradeable devices found", centred in the dialog.
    void showNoUpgradeNotice();

public slots:
    // Esc: the same as the close button.
    void reject() override;

signals:
    void sigSettingsWindowClose();
    void sigUpdataAllUI();
    void sigChangAppTheme(int themeIndex);
    void sigFirmwareUpgradeCheck();
    void sigUpdateApp();

protected:
    // A left double-click on the title-bar logo opens the firmware information.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_comboBox_Language_currentIndexChanged(QString arg1);
    void on_comboBox_Theme_currentIndexChanged(QString arg1);
    void on_checkBox_UsingBgImage_clicked();
    void on_checkBox_AutoStart_clicked();
    void on_checkBox_Close_clicked();
    void on_pushButton_UpgradeCheck_clicked();
    void on_pushButton_CheckAppUpdate_clicked();
    void on_pushButton_Close_clicked();
    void onCurIndexChanged(int selIndex);
    void onLickActivited(QString str);

private:
    friend class tst_SettingsDia;

    void setDialogTexts();
    void fillThemeBox();
    void selectStoredLanguage();
    void selectThemeEntry();
    // Writes one value and checks that it reached the file. On failure the
    // value in force is put back and false returned.
    bool storeSetting(const QString &key, const QVariant &value);
    void showCentredNotice(const QString &text);
    void updateAppTheme();
    void loadAboutInfo();
    QString linkText() const;
    void openFirmwareInfo();

    Ui::DSettingsDia *ui = nullptr;
    CbNotice *m_notice = nullptr;
    QString m_companyLink;
    QString m_companyName;
    QString m_configFilePath;
    QSettings *m_userSettings = nullptr;
    int m_themeIndex = 0;
    // The language box's entry of the language in use.
    int m_languagePosition = 0;
};

#endif
