// The "Senior Keys" key-function page: binds one of the stored advanced
// keys (DKS, MT, TGL) to the selected key (type 40, the advanced key's id as
// value). The list shows the advanced keys by name in ascending id order and
// is read again at every load; picking an entry stores it at once.
#ifndef DSENIORKEYSBINDINGPAGE_H
#define DSENIORKEYSBINDINGPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DKeyFunctionPage.h"

namespace Ui {
class DSeniorKeysBindingPage;
}

class DSeniorKeysBindingPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DSeniorKeysBindingPage(QWidget *parent = nullptr);
    ~DSeniorKeysBindingPage() override;

    void loadKeyOperateInfo() override;
    void updateAllUI() override;
    void updateAppTheme() override;

private slots:
    void onComboxActivated(int index);

private:
    void setTexts();

    Ui::DSeniorKeysBindingPage *ui;
    char m_seniorKeyPath[DDataManager::PathBufferSize] = {};
};

#endif
