// The "Switch Profile" key-function page: the selected key switches the
// device page to another profile of the current profile file (type 7, the
// profile's index as value). The page lists the file's profiles; picking
// one stores it at once, also the one already shown.
#ifndef DCHANGPROFILEPAGE_H
#define DCHANGPROFILEPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DChangProfilePage;
}

class DChangProfilePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DChangProfilePage(QWidget *parent = nullptr);
    ~DChangProfilePage() override;

    void loadKeyOperateInfo() override;
    void updateAllUI() override;
    // The page keeps the looks of its form, whatever the theme.
    void updateAppTheme() override;

private slots:
    void onComboxActivated(int index);

private:
    void setTexts();

    Ui::DChangProfilePage *ui;
};

#endif
