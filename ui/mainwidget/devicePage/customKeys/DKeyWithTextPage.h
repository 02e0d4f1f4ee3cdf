// The "Text" key-function page: makes the selected key type a text on
// the computer.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DKEYWITHTEXTPAGE_H
#define DKEYWITHTEXTPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DKeyWithTextPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyWithTextPage(QWidget *parent = nullptr);

signals:
    void sigClickedCancel();
};

#endif
