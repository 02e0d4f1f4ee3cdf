// The "Key Config" key-function page: gives the selected key a function of
// the keyboard itself (lock, layer, connection ...).
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DKEYCONFIGFUNCTIONPAGE_H
#define DKEYCONFIGFUNCTIONPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DKeyConfigFunctionPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyConfigFunctionPage(QWidget *parent = nullptr);
};

#endif
