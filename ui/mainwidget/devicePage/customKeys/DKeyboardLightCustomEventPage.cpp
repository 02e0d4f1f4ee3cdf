#include "ui/mainwidget/devicePage/customKeys/DKeyboardLightCustomEventPage.h"
#include "ui_DKeyboardLightCustomEventPage.h"

#include <QCoreApplication>
#include <QRadioButton>
#include <QTimer>

#include <climits>

#include "core/DDataManager.h"
#include "core/KeyFunctionNames.h"
#include "device/OnboardKeyPacket.h"

namespace {

using Choice = DKeyboardLightCustomEventPage::Choice;
using Match = DKeyboardLightCustomEventPage::Match;

// Every event is stored with mode 1 but the closing ones (type 26, mode 0,
// value 0 all lights or 1 the backlight); light recording is one choice
// whatever its value and mode.
QVector<Choice> keyboardLightChoices()
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
    : DKeyFunctionPage(parent)
    , ui(new Ui::DKeyboardLightCustomEventPage)
{
    ui->setupUi(this);
    m_choices = keyboardLightChoices();
    for (int i = 0; i < m_choices.size(); ++i) {
        auto *button = findChild<QRadioButton *>(QLatin1String(m_choices.at(i).objectName));
        Q_ASSERT(button);
        m_buttons.append(button);
        if (!m_choices.at(i).offered) {
            button->hide();
            continue;
        }
        connect(button, &QRadioButton::clicked, this, [this, i] { onChoiceClicked(i); });
    }
    setTexts();
}

DKeyboardLightCustomEventPage::~DKeyboardLightCustomEventPage()
{
    delete ui;
}

QRadioButton *DKeyboardLightCustomEventPage::choiceButton(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

int DKeyboardLightCustomEventPage::checkedChoice() const
{
    for (int i = 0; i < m_buttons.size(); ++i)
        if (m_buttons.at(i)->isChecked())
            return i;
    return -1;
}

int DKeyboardLightCustomEventPage::choiceForItem(const KeyOperateInfoStu &item) const
{
    const int type = KeyItemIO::fieldNumber(item.type, INT_MIN);
    const int mode = KeyItemIO::fieldNumber(item.mode, INT_MIN);
    // The value as the download reads it: text that is not a number is 0.
    const int value = OnboardKeyPacket::fieldNumber(item.value);
    for (int i = 0; i < m_choices.size(); ++i) {
        const Choice &c = m_choices.at(i);
        if (c.type != type)
            continue;
        bool matches = false;
        switch (c.match) {
        case Match::TypeAndValue: matches = c.value == value; break;
        case Match::TypeModeAndValue: matches = c.mode == mode && c.value == value; break;
        case Match::TypeAndMode: matches = c.mode == mode; break;
        case Match::TypeOnly: matches = true; break;
        }
        if (matches)
            return i;
    }
    return -1;
}

void DKeyboardLightCustomEventPage::loadKeyOperateInfo()
{
    DKeyFunctionPage::loadKeyOperateInfo();
    // An auto-exclusive radio button does not uncheck itself.
    for (QRadioButton *button : qAsConst(m_buttons)) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    if (!m_storedItem)
        return;
    if (QRadioButton *button = choiceButton(choiceForItem(*m_storedItem)))
        button->setChecked(true);
}

void DKeyboardLightCustomEventPage::onChoiceClicked(int index)
{
    const Choice &c = m_choices.at(index);
    storeItem(c.type, QByteArray::number(c.type), "1", QByteArray::number(c.mode), QByteArray::number(c.value));
}

void DKeyboardLightCustomEventPage::setTexts()
{
    ui->label_4->setText(QCoreApplication::translate("QObject", KeyFunctionNames::typeSourceText(KeyOperate_KeyboardLightFirst)));
    for (int i = 0; i < m_choices.size(); ++i)
        m_buttons.at(i)->setText(QCoreApplication::translate("QObject", m_choices.at(i).text));
}

void DKeyboardLightCustomEventPage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
}

void DKeyboardLightCustomEventPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheet(framedPageStyle(radioButtonStyle(theme)));
    ui->label_4->setStyleSheet(QStringLiteral("QLabel#label_4{ color: rgb(%1);}").arg(theme.TextDefaultColor));
    ui->label_4->setFont(pageFont(12));
    ui->scrollAreaWidgetContents->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents{ background-color: rgb(%1); }").arg(theme.DeviceRightBgColor));
    m_scrollSheet = scrollBarStyle(theme);
    QTimer::singleShot(200, this, &DKeyboardLightCustomEventPage::onScrollSheetSet);
}

void DKeyboardLightCustomEventPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollSheet);
}
