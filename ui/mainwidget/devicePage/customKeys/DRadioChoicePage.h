// A key-function page whose form offers its functions as radio buttons: a
// click on a choice stores the choice's item for the selected key at once,
// a load checks the choice that the key's stored item stands for (or none).
// The page is driven by a table naming each choice's radio button of the
// form, its text and the item it stores; the subclass builds its form, then
// hands over the table and the title label.
//
// Radio buttons may be auto-exclusive or in an exclusive button group: the
// reset before a load switches exclusivity off for the moment, as an
// exclusive button refuses to uncheck itself.
#ifndef DRADIOCHOICEPAGE_H
#define DRADIOCHOICEPAGE_H

#include <QVector>

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class QLabel;
class QRadioButton;

class DRadioChoicePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    // Which fields of a stored item must equal the choice's for the load to
    // check it; the type always must.
    enum class Match { TypeAndValue, TypeModeAndValue, TypeAndMode, TypeOnly };

    struct Choice {
        const char *objectName; // the form's radio button
        const char *text;       // untranslated, context "QObject"
        int type;
        int mode;
        int value;
        Match match = Match::TypeAndValue;
        // A choice not offered is hidden for good and stores nothing, but a
        // load still checks it, so that no offered choice shows checked.
        bool offered = true;
    };

    explicit DRadioChoicePage(QWidget *parent = nullptr);

    void loadKeyOperateInfo() override;
    // Sets the title and choice texts again; a subclass retranslates its
    // form first.
    void updateAllUI() override;
    // The shared radio-button look and the title label.
    void updateAppTheme() override;

    int choiceCount() const { return m_choices.size(); }
    const Choice &choice(int index) const { return m_choices.at(index); }
    QRadioButton *choiceButton(int index) const;
    // The index of the checked choice, -1 for none.
    int checkedChoice() const;
    // The choice a stored item stands for, -1 for none. A type or mode that
    // is not a number matches nothing; a value that is not a number reads as
    // 0, as the keyboard's download reads it.
    int choiceForItem(const KeyOperateInfoStu &item) const;

protected:
    // Called once by the subclass after its form is built: finds the title
    // label and the radio buttons by object name, hides the choices not
    // offered, connects the others' clicks and sets the texts.
    void setChoices(const char *titleObjectName, const char *titleText, const QVector<Choice> &choices);

private:
    void onChoiceClicked(int index);
    void uncheckAll();
    void setTexts();

    QVector<Choice> m_choices;
    QVector<QRadioButton *> m_buttons;
    QLabel *m_title = nullptr;
    const char *m_titleText = nullptr;
};

#endif
