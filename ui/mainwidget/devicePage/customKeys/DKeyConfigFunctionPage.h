// The "Key Config" key-function page: the selected key carries a function
// that the keyboard carries out itself (type 19): locking the keyboard, the
// Windows-key lock, a power query or switching the connection. Each choice
// is stored at once. Magnetic-switch keyboards (layout device types 4 and
// 5) offer only the two locks; the Windows-key lock and unlock and the layer
// choices are never offered, but a stored one is shown checked.
#ifndef DKEYCONFIGFUNCTIONPAGE_H
#define DKEYCONFIGFUNCTIONPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DKeyConfigFunctionPage;
}

class QButtonGroup;
class QRadioButton;

class DKeyConfigFunctionPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyConfigFunctionPage(QWidget *parent = nullptr);
    ~DKeyConfigFunctionPage() override;

    void loadKeyOperateInfo() override;
    void updateAllUI() override;
    void updateAppTheme() override;

    // The choice of a device function (KeyFunctionNames::DeviceFunctionIndex).
    QRadioButton *choice(int function) const;

private slots:
    void onChoiceClicked(int function);

private:
    void setTexts();
    void uncheckAll();

    Ui::DKeyConfigFunctionPage *ui;
    QButtonGroup *m_choices = nullptr;
};

#endif
