#include "ui/mainwidget/devicePage/customKeys/DKeyboardLightCustomEventPage.h"
#include "ui_DKeyboardLightCustomEventPage.h"

#include <QTimer>

#include "core/DDataManager.h"
#include "core/KeyFunctionNames.h"
#include "widgets/GridReflow.h"
#include "widgets/StyleSheetUpdate.h"

namespace {

using Match = DRadioChoicePage::Match;

// Every event is stored with mode 1 but the closing ones (type 26, mode 0,
// value 0 all lights or 1 the backlight); light recording is one choice
// whatever its value and mode.
QVector<DRadioChoicePage::Choice> keyboardLightChoices()
{
    using namespace KeyFunctionNames;
    const auto name = [](int type, int value) { return keyboardLightEvent(type).sourceText(value); };
    return {
        {"radioButton_OverallLightList", name(20, 0), 20, 1, 0},
        {"radioButton_InteractionLightList", name(20, 1), 20, 1, 1},
        {"radioButton_AllLightList", name(20, 2), 20, 1, 2},
        {"radioButton_StaticMode", name(20, 3), 20, 1, 3},
        {"radioButton_BrightnessUp", name(21, 0), 21, 1, 0},
        {"radioButton_BrightnessDown", name(21, 1), 21, 1, 1},
        {"radioButton_SpeedAdd", name(22, 0), 22, 1, 0},
        {"radioButton_SpeedLessen", name(22, 1), 22, 1, 1},
        {"radioButton_DirectionAddOne", name(23, 0), 23, 1, 0},
        {"radioButton_DirectionLessenOne", name(23, 1), 23, 1, 1},
        {"radioButton_DirectionLoop", name(23, 2), 23, 1, 2},
        {"radioButton_FullColor", name(24, 0), 24, 1, 0},
        {"radioButton_TopColor", name(24, 1), 24, 1, 1},
        {"radioButton_BottomColor", name(24, 2), 24, 1, 2},
        {"radioButton_CloseAll", closeLight().sourceText(0), 26, 0, 0, Match::TypeModeAndValue},
        {"radioButton_CloseBackLight", closeLight().sourceText(1), 26, 0, 1, Match::TypeModeAndValue},
        {"radioButton_StopBackLight", stopBackLight(), 26, 1, 0, Match::TypeAndMode},
        {"radioButton_LightRecording", lightRecording(), 27, 1, 0, Match::TypeOnly},
        {"radioButton_IntoCustomLight01", name(25, 0), 25, 1, 0},
        {"radioButton_IntoCustomLight02", name(25, 1), 25, 1, 1},
    };
}

} // namespace

DKeyboardLightCustomEventPage::DKeyboardLightCustomEventPage(QWidget *parent)
    : DRadioChoicePage(parent)
    , ui(new Ui::DKeyboardLightCustomEventPage)
{
    ui->setupUi(this);
    // Long option names take fewer columns instead of being cut.
    GridReflow::install(ui->gridLayout_2);
    setChoices("label_4", KeyFunctionNames::typeSourceText(KeyOperate_KeyboardLightFirst), keyboardLightChoices());
}

DKeyboardLightCustomEventPage::~DKeyboardLightCustomEventPage()
{
    delete ui;
}

void DKeyboardLightCustomEventPage::updateAllUI()
{
    ui->retranslateUi(this);
    DRadioChoicePage::updateAllUI();
}

void DKeyboardLightCustomEventPage::updateAppTheme()
{
    DRadioChoicePage::updateAppTheme();
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheetIfChanged(
        ui->scrollAreaWidgetContents,
        QStringLiteral("QWidget#scrollAreaWidgetContents{ background-color: rgb(%1); }").arg(theme.DeviceRightBgColor));
    m_scrollSheet = scrollBarStyle(theme);
    QTimer::singleShot(200, this, &DKeyboardLightCustomEventPage::onScrollSheetSet);
}

void DKeyboardLightCustomEventPage::onScrollSheetSet()
{
    setStyleSheetIfChanged(ui->widget_4, m_scrollSheet);
}
