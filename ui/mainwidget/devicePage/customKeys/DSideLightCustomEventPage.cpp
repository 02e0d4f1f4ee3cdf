#include "ui/mainwidget/devicePage/customKeys/DSideLightCustomEventPage.h"
#include "ui_DSideLightCustomEventPage.h"

#include "core/KeyFunctionNames.h"
#include "widgets/GridReflow.h"

namespace {

using Match = DRadioChoicePage::Match;

// Every event is stored with mode 1 but closing the side light (type 34,
// mode 0, value 2). The overall and interaction light lists are not offered;
// a stored one checks its hidden choice, so no offered one shows checked.
QVector<DRadioChoicePage::Choice> sideLightChoices()
{
    using namespace KeyFunctionNames;
    const auto name = [](int type, int value) { return sideLightEvent(type).sourceText(value); };
    return {
        {"radioButton_AllLightList", name(30, 2), 30, 1, 2},
        {"radioButton_OverallLightList", name(30, 0), 30, 1, 0, Match::TypeAndValue, false},
        {"radioButton_InteractionLightList", name(30, 1), 30, 1, 1, Match::TypeAndValue, false},
        {"radioButton_BrightnessUp", name(31, 0), 31, 1, 0},
        {"radioButton_BrightnessDown", name(31, 1), 31, 1, 1},
        {"radioButton_SpeedAdd", name(32, 0), 32, 1, 0},
        {"radioButton_SpeedLessen", name(32, 1), 32, 1, 1},
        {"radioButton_FullColor", name(33, 0), 33, 1, 0},
        {"radioButton_TopColor", name(33, 1), 33, 1, 1},
        {"radioButton_BottomColor", name(33, 2), 33, 1, 2},
        {"radioButton_CloseSideLight", sideLightOff().sourceText(0), 34, 0, 2, Match::TypeAndMode},
        {"radioButton_StopSideLight", sideLightOff().sourceText(1), 34, 1, 0, Match::TypeAndMode},
    };
}

} // namespace

DSideLightCustomEventPage::DSideLightCustomEventPage(QWidget *parent)
    : DRadioChoicePage(parent)
    , ui(new Ui::DSideLightCustomEventPage)
{
    ui->setupUi(this);
    // Long option names take fewer columns instead of being cut.
    GridReflow::install(ui->gridLayout);
    setChoices("label_12", KeyFunctionNames::typeSourceText(KeyOperate_SideLightFirst), sideLightChoices());
}

DSideLightCustomEventPage::~DSideLightCustomEventPage()
{
    delete ui;
}

void DSideLightCustomEventPage::updateAllUI()
{
    ui->retranslateUi(this);
    DRadioChoicePage::updateAllUI();
}
