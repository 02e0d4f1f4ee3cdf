#include "ui/mainwidget/devicePage/customKeys/DMultimediaPage.h"
#include "ui_DMultimediaPage.h"

#include "core/KeyFunctionNames.h"
#include "widgets/GridReflow.h"

DMultimediaPage::DMultimediaPage(QWidget *parent)
    : DRadioChoicePage(parent)
    , ui(new Ui::DMultimediaPage)
{
    ui->setupUi(this);
    // Long option names take fewer columns instead of being cut.
    GridReflow::install(ui->gridLayout);
    const KeyFunctionNames::Table names = KeyFunctionNames::multimedia();
    setChoices("label_6", KeyFunctionNames::typeSourceText(KeyOperate_Multimedia), {
        {"radioButton_volAdd", names.sourceText(0), KeyOperate_Multimedia, 1, 0},
        {"radioButton_volLower", names.sourceText(1), KeyOperate_Multimedia, 1, 1},
        {"radioButton_mute", names.sourceText(2), KeyOperate_Multimedia, 1, 2},
        {"radioButton_playOrPause", names.sourceText(3), KeyOperate_Multimedia, 1, 3},
        {"radioButton_next", names.sourceText(4), KeyOperate_Multimedia, 1, 4},
        {"radioButton_previous", names.sourceText(5), KeyOperate_Multimedia, 1, 5},
        {"radioButton_videoStop", names.sourceText(6), KeyOperate_Multimedia, 1, 6},
        {"radioButton_Player", names.sourceText(8), KeyOperate_Multimedia, 1, 8},
        {"radioButton_Calculator", names.sourceText(9), KeyOperate_Multimedia, 1, 9},
        {"radioButton_Computer", names.sourceText(10), KeyOperate_Multimedia, 1, 10},
        {"radioButton_Browser", names.sourceText(11), KeyOperate_Multimedia, 1, 11},
        {"radioButton_Email", names.sourceText(12), KeyOperate_Multimedia, 1, 12},
        {"radioButton_ScreenBrightnessAdd", names.sourceText(13), KeyOperate_Multimedia, 1, 13},
        {"radioButton_ScreenBrightnessLess", names.sourceText(14), KeyOperate_Multimedia, 1, 14},
        {"radioButton_wwwSearch", names.sourceText(15), KeyOperate_Multimedia, 1, 15},
    });
}

DMultimediaPage::~DMultimediaPage()
{
    delete ui;
}

void DMultimediaPage::updateAllUI()
{
    ui->retranslateUi(this);
    DRadioChoicePage::updateAllUI();
}
