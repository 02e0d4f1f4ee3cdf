#include "ui/mainwidget/devicePage/customKeys/DRadioChoicePage.h"

#include <QButtonGroup>
#include <climits>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

#include "core/DDataManager.h"
#include "device/OnboardKeyPacket.h"
#include "widgets/StyleSheetUpdate.h"

DRadioChoicePage::DRadioChoicePage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
}

void DRadioChoicePage::setChoices(const char *titleObjectName, const char *titleText, const QVector<Choice> &choices)
{
    m_titleText = titleText;
    m_title = findChild<QLabel *>(QLatin1String(titleObjectName));
    Q_ASSERT(m_title);
    m_choices = choices;
    m_buttons.clear();
    for (int i = 0; i < m_choices.size(); ++i) {
        QRadioButton *button = findChild<QRadioButton *>(QLatin1String(m_choices.at(i).objectName));
        Q_ASSERT_X(button, "DRadioChoicePage", m_choices.at(i).objectName);
        m_buttons.append(button);
        if (!m_choices.at(i).offered) {
            button->hide();
            continue;
        }
        connect(button, &QRadioButton::clicked, this, [this, i] { onChoiceClicked(i); });
    }
    setTexts();
}

QRadioButton *DRadioChoicePage::choiceButton(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

int DRadioChoicePage::checkedChoice() const
{
    for (int i = 0; i < m_buttons.size(); ++i)
        if (m_buttons.at(i)->isChecked())
            return i;
    return -1;
}

int DRadioChoicePage::choiceForItem(const KeyOperateInfoStu &item) const
{
    const int type = KeyItemIO::fieldNumber(item.type, INT_MIN);
    const int mode = KeyItemIO::fieldNumber(item.mode, INT_MIN);
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

void DRadioChoicePage::uncheckAll()
{
    for (QRadioButton *button : qAsConst(m_buttons)) {
        if (!button->isChecked())
            continue;
        // An exclusive button does not uncheck itself: neither in a group nor
        // among auto-exclusive siblings.
        QButtonGroup *group = button->group();
        const bool groupExclusive = group && group->exclusive();
        const bool autoExclusive = button->autoExclusive();
        if (groupExclusive)
            group->setExclusive(false);
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(autoExclusive);
        if (groupExclusive)
            group->setExclusive(true);
    }
}

void DRadioChoicePage::loadKeyOperateInfo()
{
    DKeyFunctionPage::loadKeyOperateInfo();
    uncheckAll();
    if (!m_storedItem)
        return;
    if (QRadioButton *button = choiceButton(choiceForItem(*m_storedItem)))
        button->setChecked(true);
}

void DRadioChoicePage::onChoiceClicked(int index)
{
    const Choice &c = m_choices.at(index);
    storeItem(c.type, QByteArray::number(c.type), "1", QByteArray::number(c.mode), QByteArray::number(c.value));
}

void DRadioChoicePage::setTexts()
{
    if (m_title)
        m_title->setText(QCoreApplication::translate("QObject", m_titleText));
    for (int i = 0; i < m_choices.size(); ++i)
        m_buttons.at(i)->setText(QCoreApplication::translate("QObject", m_choices.at(i).text));
}

void DRadioChoicePage::updateAllUI()
{
    setTexts();
}

void DRadioChoicePage::updateAppTheme()
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    setStyleSheetIfChanged(this, framedPageStyle(radioButtonStyle(theme)));
    if (!m_title)
        return;
    setStyleSheetIfChanged(
        m_title, QStringLiteral("QLabel#%1{ color: rgb(%2);}").arg(m_title->objectName(), theme.TextDefaultColor));
    m_title->setFont(pageFont(12));
}
