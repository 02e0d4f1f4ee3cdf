#include "ui/seniorKeys/DSeniorKeysRecordExplainDia.h"

#include "ui_DSeniorKeysRecordExplainDia.h"

DSeniorKeysRecordExplainDia::DSeniorKeysRecordExplainDia(int type, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DSeniorKeysRecordExplainDia)
{
    ui->setupUi(this);
    switch (type) {
    case RecordingModes:
        ui->stackedWidget->setCurrentWidget(ui->page_Explain01);
        ui->label_KeyRecordExplain->setText(
            tr("When \"Single Key\" is selected, simply click a certain key to complete key configuration;")
            + QStringLiteral("\n")
            + tr("When \"Key Combination\" is selected, at least one combination key and one other key need to be "
                 "selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;"));
        break;
    case Kinds:
        ui->stackedWidget->setCurrentWidget(ui->page_Explain02);
        ui->label_DksMtTglExplain->setText(
            QStringLiteral("DKS:\n")
            + tr("The key can achieve four functions: 1 to 4 functions can be bound according to four different "
                 "pressing degrees.")
            + QStringLiteral("\nMT:\n")
            + tr("The key have two functions: holding down the key is one type, and clicking the key is one type.")
            + QStringLiteral("\nTGL:\n") + tr("Click this key to switch continuous triggering on or off."));
        break;
    case Empty:
        ui->stackedWidget->setCurrentWidget(ui->page_Explain03);
        break;
    default:
        ui->stackedWidget->setCurrentWidget(ui->page_Explain01);
        break;
    }
}

DSeniorKeysRecordExplainDia::~DSeniorKeysRecordExplainDia()
{
    delete ui;
}
