// The "Multimedia" key-function page: gives the selected key a media or
// application key.
// Not built yet: it takes the selected key, reads its item and shows its title.
#ifndef DMULTIMEDIAPAGE_H
#define DMULTIMEDIAPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

class DMultimediaPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DMultimediaPage(QWidget *parent = nullptr);
};

#endif
