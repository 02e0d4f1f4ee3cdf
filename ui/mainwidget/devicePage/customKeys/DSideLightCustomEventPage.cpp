#include "ui/mainwidget/devicePage/customKeys/DSideLightCustomEventPage.h"
#include "ui_DSideLightCustomEventPage.h"

#include <QCoreApplication>
#include <QRadioButton>

#include <climits>

#include "core/DDataManager.h"
#include "core/KeyFunctionNames.h"
#include "device/OnboardKeyPacket.h"

namespace {

using Choice = DSideLightCustomEventPage::Choice;
using Match = DSideLightCustomEventPage::Match;

// Every event is stored with mode 1 but closing the side light (type 34,
// mode 0, value 2). The overall and interaction light lists are not offered;
// a stored one checks its hidden choice, so no offered one shows checked.
QVector<Choice> sideLightChoices()
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
    : DKeyFunctionPage(parent)
    , ui(new Ui::DSideLightCustomEventPage)
{
    ui->setupUi(this);
    m_choices = sideLightChoices();
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

DSideLightCustomEventPage::~DSideLightCustomEventPage()
{
    delete ui;
}

QRadioButton *DSideLightCustomEventPage::choiceButton(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

int DSideLightCustomEventPage::checkedChoice() const
{
    for (int i = 0; i < m_buttons.size(); ++i)
        if (m_buttons.at(i)->isChecked())
            return i;
    return -1;
}

int DSideLightCustomEventPage::choiceForItem(const KeyOperateInfoStu &item) const
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

void DSideLightCustomEventPage::loadKeyOperateInfo()
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

void DSideLightCustomEventPage::onChoiceClicked(int index)
{
    const Choice &c = m_choices.at(index);
    storeItem(c.type, QByteArray::number(c.type), "1", QByteArray::number(c.mode), QByteArray::number(c.value));
}

void DSideLightCustomEventPage::setTexts()
{
    ui->label_12->setText(QCoreApplication::translate("QObject", KeyFunctionNames::typeSourceText(KeyOperate_SideLightFirst)));
    for (int i = 0; i < m_choices.size(); ++i)
        m_buttons.at(i)->setText(QCoreApplication::translate("QObject", m_choices.at(i).text));
}

void DSideLightCustomEventPage::updateAllUI()
{
    ui->retranslateUi(this);
    setTexts();
}

void DSideLightCustomEventPage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheet(framedPageStyle(radioButtonStyle(theme)));
    ui->label_12->setStyleSheet(QStringLiteral("QLabel#label_12{ color: rgb(%1);}").arg(theme.TextDefaultColor));
    ui->label_12->setFont(pageFont(12));
}
