// The "Keyboard Light" key-function page: the selected key carries one of
// twenty events on the keyboard's backlight (types 20-27), which the
// keyboard carries out itself once the profile is downloaded. Each choice
// is stored at once.
#ifndef DKEYBOARDLIGHTCUSTOMEVENTPAGE_H
#define DKEYBOARDLIGHTCUSTOMEVENTPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DRadioChoicePage.h"

namespace Ui {
class DKeyboardLightCustomEventPage;
}

class DKeyboardLightCustomEventPage : public DRadioChoicePage
{
    Q_OBJECT

public:
    explicit DKeyboardLightCustomEventPage(QWidget *parent = nullptr);
    ~DKeyboardLightCustomEventPage() override;

    void updateAllUI() override;
    void updateAppTheme() override;

private slots:
    void onScrollSheetSet();

private:
    Ui::DKeyboardLightCustomEventPage *ui;
    QString m_scrollSheet;
};

#endif
