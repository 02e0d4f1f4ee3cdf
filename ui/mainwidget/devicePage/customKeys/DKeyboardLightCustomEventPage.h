// The "Keyboard Light" key-function page: the selected key carries one of
// twenty events on the keyboard's backlight (types 20-27), which the
// keyboard carries out itself once the profile is downloaded. Each choice
// is stored at once.
#ifndef DKEYBOARDLIGHTCUSTOMEVENTPAGE_H
#define DKEYBOARDLIGHTCUSTOMEVENTPAGE_H

#include <QVector>

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class QRadioButton;

namespace Ui {
class DKeyboardLightCustomEventPage;
}

class DKeyboardLightCustomEventPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyboardLightCustomEventPage(QWidget *parent = nullptr);
    ~DKeyboardLightCustomEventPage() override;

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

    int choiceCount() const { return m_choices.size(); }
    const Choice &choice(int index) const { return m_choices.at(index); }
    QRadioButton *choiceButton(int index) const;
    // The index of the checked choice, -1 for none.
    int checkedChoice() const;
    // The choice a stored item stands for, -1 for none.
    int choiceForItem(const KeyOperateInfoStu &item) const;
    void updateAppTheme() override;

private slots:
    void onScrollSheetSet();

private:
    void onChoiceClicked(int index);
    void setTexts();

    QVector<Choice> m_choices;
    QVector<QRadioButton *> m_buttons;
    Ui::DKeyboardLightCustomEventPage *ui;
    QString m_scrollSheet;
};

#endif
