// The "Mouse Key" key-function page: gives the selected key a mouse button,
// scroll or page-navigation function (type 4). "Sniper Key" is never
// offered; a stored one is checked hidden, so no offered choice shows.
#ifndef DMOUSEKEYPAGE_H
#define DMOUSEKEYPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DRadioChoicePage.h"

namespace Ui {
class DMouseKeyPage;
}

class DMouseKeyPage : public DRadioChoicePage
{
    Q_OBJECT

public:
    explicit DMouseKeyPage(QWidget *parent = nullptr);
    ~DMouseKeyPage() override;

    void updateAllUI() override;

private:
    Ui::DMouseKeyPage *ui;
};

#endif
