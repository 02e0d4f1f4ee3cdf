#include "ui/mainwidget/devicePage/customKeys/DKeyDisablePage.h"
#include "ui_DKeyDisablePage.h"

#include "core/DDataManager.h"
#include "widgets/StyleSheetUpdate.h"

DKeyDisablePage::DKeyDisablePage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DKeyDisablePage)
{
    ui->setupUi(this);
    setTexts();
}

DKeyDisablePage::~DKeyDisablePage()
{
    delete ui;
}

void DKeyDisablePage::setTexts()
{
    ui->label_3->setText(QObject::tr("Disable"));
    ui->pushButton_OK->setText(QObject::tr("OK"));
    ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
}

void DKeyDisablePage::loadKeyOperateInfo()
{
    // The page shows only the key: a disabled key looks like any other.
    m_keyItem = KeyItemIO::selectedKeyLightPress();
    ui->label_KeyChar->setText(m_keyItem.keyName());
}

void DKeyDisablePage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
    ui->label_KeyChar->setText(m_keyItem.keyName());
}

void DKeyDisablePage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    const QFont font = pageFont(12);
    setStyleSheetIfChanged(ui->label_3, titleLabelStyle(theme));
    setStyleSheetIfChanged(ui->label_KeyChar, keyNameLabelStyle(theme));
    setStyleSheetIfChanged(ui->pushButton_OK, pageButtonStyle(theme));
    setStyleSheetIfChanged(ui->pushButton_Cancel, pageButtonStyle(theme));
    const QList<QWidget *> texts = {ui->label_3, ui->label_KeyChar, ui->pushButton_OK, ui->pushButton_Cancel};
    for (QWidget *widget : texts)
        widget->setFont(font);
}

void DKeyDisablePage::on_pushButton_OK_clicked()
{
    storeItem(KeyOperate_Disable, "5", "1", "1", "-1");
}

void DKeyDisablePage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
