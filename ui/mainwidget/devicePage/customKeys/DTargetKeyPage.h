// What the remap and key-combination pages share: the target keys are
// picked on a virtual keyboard in a pop-up panel, or captured from pressed
// keys by the host while the panel is open, and the page may offer a
// Light Press / Heavy Press choice.
//
// The panel opens when the page's line edit gains the focus and asks the
// host to capture (sigMesgStartOrStopHook(true)); whenever it closes, for
// whatever reason (it lost activation, a mouse press elsewhere in the
// program, the page was hidden or destroyed, the host closed it), the
// capture is ended (false), so the keyboard is never left grabbed.
#ifndef DTARGETKEYPAGE_H
#define DTARGETKEYPAGE_H

#include <optional>

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class ArrowWidget;
class DVirtualKeyboardTool;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

class DTargetKeyPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    // multiSelectMode: 1 lets several keys be picked, anything else one.
    DTargetKeyPage(int multiSelectMode, QWidget *parent = nullptr);
    ~DTargetKeyPage() override;

    // Reads the key's item of the light press; on a magnetic-switch keyboard
    // whose selector is offered, falls back to the heavy press when the
    // light press holds none, and back to the light press when neither does.
    void loadKeyOperateInfo() override;
    void updateAllUI() override;
    void updateAppTheme() override;

    // Whatever the argument: hides the Light Press / Heavy Press selector
    // for good; loads read only the light press from then on.
    void setLightHeavySelectVisible(bool visible);
    bool isLightHeavySelectAllowed() const { return m_selectorAllowed; }

    // Closes the pop-up if it is open (which ends the capture).
    void closePopup();
    bool isPopupOpen() const;
    // The pop-up and its virtual keyboard are built when first needed (the
    // field first gains the focus, or either is asked for), in the theme and
    // language of that moment.
    ArrowWidget *popup();
    DVirtualKeyboardTool *virtualKeyboard();
    bool isPopupBuilt() const { return m_popup != nullptr; }

signals:
    // Asks the host to start or stop capturing pressed keys.
    void sigMesgStartOrStopHook(bool isStartHook);

public slots:
    // Reads the item of a press layer (0 light, 1 heavy) and shows it.
    void onCurIndexChanged_ModeSel(int selIndex);
    void onArrowWidgetHide();
    virtual void onSoftKeyboardClicked_VirtualKB(int keyDec) = 0;

protected:
    // Called once by the subclass after its form is built.
    void setForm(QLabel *title, const char *titleText, QLineEdit *field, const char *placeholder, QFrame *selector,
                 QRadioButton *lightPress, QRadioButton *heavyPress);

    // Shows the item read for a press layer; true when it is one of the
    // page's kind. The field is empty when this is called.
    virtual bool showItem(const std::optional<KeyOperateInfoStu> &item) = 0;
    virtual void popupOpened() {}
    virtual void popupClosed() {}

    // Shows a text in the field, whole.
    void showText(const QString &text);
    // The virtual keyboard when it was built, else null.
    DVirtualKeyboardTool *builtVirtualKeyboard() const { return m_virtualKeyboard; }

    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    QLineEdit *m_field = nullptr;
    // The page's copy of the key-name map, refreshed by every load.
    QMap<int, QString> m_keyNames;

private:
    void setTexts();
    void buildPopup();
    void applyPopupTheme(const ThemeColor &theme);

    QLabel *m_title = nullptr;
    const char *m_titleText = nullptr;
    const char *m_placeholder = nullptr;
    QFrame *m_selector = nullptr;
    QRadioButton *m_lightPress = nullptr;
    QRadioButton *m_heavyPress = nullptr;
    QButtonGroup *m_pressGroup = nullptr;
    ArrowWidget *m_popup = nullptr;
    DVirtualKeyboardTool *m_virtualKeyboard = nullptr;
    int m_multiSelectMode = 0;
    bool m_selectorAllowed = true;
    bool m_itemFound = false;
};

#endif
