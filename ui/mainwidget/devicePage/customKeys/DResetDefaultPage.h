// The "Default" page: OK gives the selected key back its default function.
// The key's item is removed from the profile and, when it bound a macro that
// no other key of the profile uses, the profile's copy of that macro too.
// The page names the key only; it is the page the host shows whenever no
// other page applies.
#ifndef DRESETDEFAULTPAGE_H
#define DRESETDEFAULTPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DResetDefaultPage;
}

class QButtonGroup;

class DResetDefaultPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DResetDefaultPage(QWidget *parent = nullptr);
    ~DResetDefaultPage() override;

    void loadKeyOperateInfo() override;
    void updateAllUI() override;
    void updateAppTheme() override;

    // Forgets the key: OK then reports that no key is selected.
    void clearSelectedKey();
    // Hides the Light Press / Heavy Press selector for good, whatever the argument.
    void setLightHeavySelectVisible(bool visible);

signals:
    void sigClickedCancel();

public slots:
    // 0 light press (the current profile of the current file), otherwise
    // heavy press (profile 1 of the heavy-press file).
    void onCurIndexChanged_ModeSel(int selIndex);

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void setTexts();
    void showKeyName();

    Ui::DResetDefaultPage *ui;
    QButtonGroup *m_pressGroup = nullptr;
    bool m_selectorAllowed = true;
};

#endif
