// The "Atmosphere Light" key-function page: the selected key carries one of
// the events on the side light (types 30-34), which the keyboard carries
// out itself once the profile is downloaded. Each choice is stored at once.
// The host offers it only on keyboards with a side light.
#ifndef DSIDELIGHTCUSTOMEVENTPAGE_H
#define DSIDELIGHTCUSTOMEVENTPAGE_H

#include <QVector>

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class QRadioButton;

namespace Ui {
class DSideLightCustomEventPage;
}

class DSideLightCustomEventPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DSideLightCustomEventPage(QWidget *parent = nullptr);
    ~DSideLightCustomEventPage() override;

    // Which fields of a stored item must equal a choice's for a load to
    // check it; the type always must.
    enum class Match { TypeAndValue, TypeModeAndValue, TypeAndMode, TypeOnly };
    struct Choice {
        const char *objectName; // the form's radio button
        const char *text;       // untranslated, context "QObject"
        int type;
        int mode;
        int value;
        Match match = Match::TypeAndValue;
        // Not offered: hidden for good, but a load still checks it.
        bool offered = true;
    };

    void loadKeyOperateInfo() override;
    void updateAllUI() override;
    void updateAppTheme() override;

    int choiceCount() const { return m_choices.size(); }
    const Choice &choice(int index) const { return m_choices.at(index); }
    QRadioButton *choiceButton(int index) const;
    // The index of the checked choice, -1 for none.
    int checkedChoice() const;
    // The choice a stored item stands for, -1 for none.
    int choiceForItem(const KeyOperateInfoStu &item) const;

private:
    void onChoiceClicked(int index);
    void setTexts();

    QVector<Choice> m_choices;
    QVector<QRadioButton *> m_buttons;
    Ui::DSideLightCustomEventPage *ui;
};

#endif
