// The settings dialog: language, theme, background image, start-up, tray
// and the about page.
#ifndef DSETTINGSDIA_H
#define DSETTINGSDIA_H

#include <QString>
#include <QWidget>

class DSettingsDia : public QWidget
{
    Q_OBJECT

public:
    explicit DSettingsDia(QWidget *parent = nullptr);
    ~DSettingsDia() override;

    void showNoUpgradeNotice();

signals:
    void sigChangAppTheme(int themeIndex);
    void sigUpdataAllUI();
    void sigFirmwareUpgradeCheck();
    void sigUpdateApp();
    void sigSettingsWindowClose();

private slots:
    void on_pushButton_Close_clicked();
    void on_comboBox_Language_currentIndexChanged(QString language);
    void on_comboBox_Theme_currentIndexChanged(QString theme);
    void on_checkBox_UsingBgImage_clicked();
};

#endif
