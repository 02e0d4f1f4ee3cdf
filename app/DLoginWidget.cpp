#include "app/DLoginWidget.h"

#include "ui_DLoginWidget.h"

#include <QIcon>

DLoginWidget::DLoginWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , ui(new Ui::DLoginWidget)
{
    ui->setupUi(this);
    setFixedSize(300, 400);
    setWindowIcon(QIcon(QStringLiteral(":/images/lumtarLogo.png")));
    setWindowOpacity(0);
}

DLoginWidget::~DLoginWidget()
{
    delete ui;
}

void DLoginWidget::login()
{
    on_pushButton_Login_clicked();
}

void DLoginWidget::on_pushButton_Login_clicked()
{
    emit sigLoginFinished(true);
}
