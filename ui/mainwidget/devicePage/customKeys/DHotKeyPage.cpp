#include "ui/mainwidget/devicePage/customKeys/DHotKeyPage.h"
#include "ui_DHotKeyPage.h"

#include "core/KeyFunctionNames.h"
#include "widgets/GridReflow.h"

DHotKeyPage::DHotKeyPage(QWidget *parent)
    : DRadioChoicePage(parent)
    , ui(new Ui::DHotKeyPage)
{
    ui->setupUi(this);
    // Long option names take fewer columns instead of being cut.
    GridReflow::install(ui->gridLayout);
    const KeyFunctionNames::Table names = KeyFunctionNames::shortcuts();
    setChoices("label", KeyFunctionNames::typeSourceText(KeyOperate_Shortcut), {
        {"radioButton_CloseWindow", names.sourceText(0), KeyOperate_Shortcut, 1, 0},
        {"radioButton_ShowDesktop", names.sourceText(2), KeyOperate_Shortcut, 1, 2},
        {"radioButton_OpenMyComputer", names.sourceText(3), KeyOperate_Shortcut, 1, 3},
        {"radioButton_LockingComputer", names.sourceText(4), KeyOperate_Shortcut, 1, 4},
        {"radioButton_Copy", names.sourceText(5), KeyOperate_Shortcut, 1, 5},
        {"radioButton_Cut", names.sourceText(6), KeyOperate_Shortcut, 1, 6},
        {"radioButton_Paste", names.sourceText(7), KeyOperate_Shortcut, 1, 7},
        {"radioButton_Find", names.sourceText(8), KeyOperate_Shortcut, 1, 8},
        {"radioButton_CreateNew", names.sourceText(9), KeyOperate_Shortcut, 1, 9},
        {"radioButton_Print", names.sourceText(10), KeyOperate_Shortcut, 1, 10},
        {"radioButton_Save", names.sourceText(11), KeyOperate_Shortcut, 1, 11},
    });
}

DHotKeyPage::~DHotKeyPage()
{
    delete ui;
}

void DHotKeyPage::updateAllUI()
{
    ui->retranslateUi(this);
    DRadioChoicePage::updateAllUI();
}
