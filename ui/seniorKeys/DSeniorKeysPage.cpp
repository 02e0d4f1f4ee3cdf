#include "ui/seniorKeys/DSeniorKeysPage.h"

#include "ui/DialogScaffold.h"

DSeniorKeysPage::DSeniorKeysPage(QWidget *parent)
    : QWidget(parent)
{
    buildDialogScaffold(this, QStringLiteral("DSeniorKeysPage"), QSize(930, 650));
}

DSeniorKeysPage::~DSeniorKeysPage() = default;

void DSeniorKeysPage::on_pushButton_Close_clicked()
{
    emit sigSeniorKeysPageClose();
    close();
}
