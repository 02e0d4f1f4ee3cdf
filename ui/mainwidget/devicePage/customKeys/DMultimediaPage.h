// The "Multimedia" key-function page: gives the selected key a media,
// launcher or screen-brightness function (type 3), which the keyboard
// carries out itself once the profile is downloaded. Value 7 has no choice.
#ifndef DMULTIMEDIAPAGE_H
#define DMULTIMEDIAPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DRadioChoicePage.h"

namespace Ui {
class DMultimediaPage;
}

class DMultimediaPage : public DRadioChoicePage
{
    Q_OBJECT

public:
    explicit DMultimediaPage(QWidget *parent = nullptr);
    ~DMultimediaPage() override;

    void updateAllUI() override;

private:
    Ui::DMultimediaPage *ui;
};

#endif
