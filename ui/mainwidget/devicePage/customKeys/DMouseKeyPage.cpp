#include "ui/mainwidget/devicePage/customKeys/DMouseKeyPage.h"
#include "ui_DMouseKeyPage.h"

#include "core/KeyFunctionNames.h"
#include "widgets/GridReflow.h"

DMouseKeyPage::DMouseKeyPage(QWidget *parent)
    : DRadioChoicePage(parent)
    , ui(new Ui::DMouseKeyPage)
{
    ui->setupUi(this);
    // Long option names take fewer columns instead of being cut.
    GridReflow::install(ui->gridLayout_2);
    const KeyFunctionNames::Table names = KeyFunctionNames::mouse();
    setChoices("label_7", QT_TRANSLATE_NOOP("QObject", "Mouse Key"), {
        {"radioButton_mouseLeft", names.sourceText(0), KeyOperate_Mouse, 1, 0},
        {"radioButton_mouseCenter", names.sourceText(1), KeyOperate_Mouse, 1, 1},
        {"radioButton_mouseRight", names.sourceText(2), KeyOperate_Mouse, 1, 2},
        {"radioButton_mouseScrollUp", names.sourceText(3), KeyOperate_Mouse, 1, 3},
        {"radioButton_mouseScrollDown", names.sourceText(4), KeyOperate_Mouse, 1, 4},
        {"radioButton_Forward", names.sourceText(5), KeyOperate_Mouse, 1, 5},
        {"radioButton_Backward", names.sourceText(6), KeyOperate_Mouse, 1, 6},
        {"radioButton_SniperKey", names.sourceText(7), KeyOperate_Mouse, 1, 7, Match::TypeAndValue, false},
    });
}

DMouseKeyPage::~DMouseKeyPage()
{
    delete ui;
}

void DMouseKeyPage::updateAllUI()
{
    ui->retranslateUi(this);
    DRadioChoicePage::updateAllUI();
}
