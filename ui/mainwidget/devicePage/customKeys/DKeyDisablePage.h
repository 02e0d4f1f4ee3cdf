// The "Disable" page: OK stores the function "Disable" (type 5) for the
// selected key in the current profile; Cancel returns to the Default page.
#ifndef DKEYDISABLEPAGE_H
#define DKEYDISABLEPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DKeyDisablePage;
}

class DKeyDisablePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyDisablePage(QWidget *parent = nullptr);
    ~DKeyDisablePage() override;

    void loadKeyOperateInfo() override;
    void updateAllUI() override;
    void updateAppTheme() override;

signals:
    void sigClickedCancel();

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void setTexts();

    Ui::DKeyDisablePage *ui;
};

#endif
