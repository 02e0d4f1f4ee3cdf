#include "ui/settings/DSettingsDia.h"

#include "ui/DialogScaffold.h"

DSettingsDia::DSettingsDia(QWidget *parent)
    : QWidget(parent)
{
    buildDialogScaffold(this, QStringLiteral("DSettingsDia"), QSize(700, 500));
}

DSettingsDia::~DSettingsDia() = default;

void DSettingsDia::showNoUpgradeNotice() {}

void DSettingsDia::on_pushButton_Close_clicked()
{
    emit sigSettingsWindowClose();
    close();
}

void DSettingsDia::on_comboBox_Language_currentIndexChanged(QString language)
{
    Q_UNUSED(language);
}

void DSettingsDia::on_comboBox_Theme_currentIndexChanged(QString theme)
{
    Q_UNUSED(theme);
}

void DSettingsDia::on_checkBox_UsingBgImage_clicked() {}
