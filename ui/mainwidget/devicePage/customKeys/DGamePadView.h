// The "GamePad" key-function page: while the keyboard runs as a game
// controller, the selected key acts as one of its controls. The Xbox360 set
// (gamepad mode 1, 25 controls, stored as type 46) and the Classical set
// (mode 2, 33 controls, type 45) are two exclusive groups of picture buttons
// whose ids are the stored values; only the set of the current mode is
// shown. A click stores the control at once; hovering a control shows its
// name in a popup above it.
#ifndef DGAMEPADVIEW_H
#define DGAMEPADVIEW_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

#include <QPointer>

#include "widgets/ArrowWidget.h"

namespace Ui {
class DGamePadView;
}

class DToolTipExplain;
class QAbstractButton;
class QButtonGroup;

class DGamePadView : public DKeyFunctionPage
{
    Q_OBJECT

public:
    static constexpr int Xbox360Count = 25;
    static constexpr int ClassicalCount = 33;
    // The popup's size, and where it stands against its control: its left
    // edge this far left of the control's centre, its top this far above the
    // control's top.
    static constexpr int PopupWidth = 250;
    static constexpr int PopupHeight = 70;
    static constexpr int PopupLeftOfCentre = 38;
    static constexpr int PopupAboveTop = 74;

    explicit DGamePadView(QWidget *parent = nullptr);
    ~DGamePadView() override;

    void loadKeyOperateInfo() override;
    void updateAllUI() override;
    void updateAppTheme() override;

    // The button of a control (value 0 ...), null outside its set.
    QAbstractButton *xbox360Button(int value) const;
    QAbstractButton *classicalButton(int value) const;
    // The hover popup, null before the first hover; its text.
    ArrowWidget *hoverPopup() const { return m_popup; }
    QString hoverText() const;

    // Show the popup of the control whose value is index - 1.
    void showXbox360ControlTip(int index);
    void showClassicalControlTip(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onCurIndexChanged_Xbox360(int selIndex);
    void onCurIndexChanged_Classical(int selIndex);

private:
    void saveKeyOperateInfo(int type, int value);
    void showControlTip(QAbstractButton *button, const QString &name);
    static void uncheckAll(QButtonGroup *group);

    Ui::DGamePadView *ui;
    QButtonGroup *m_xbox360 = nullptr;
    QButtonGroup *m_classical = nullptr;
    // Built at the first hover and refilled: one popup at most, a window of
    // the page's, deleted with it.
    QPointer<ArrowWidget> m_popup;
    DToolTipExplain *m_popupText = nullptr;
};

#endif
