// The "Remap Key" key-function page: makes the selected key send another key
// (type 0, the target's key code as the value), picked on the pop-up virtual
// keyboard or captured from a pressed key by the host. Every choice is
// stored at once; choosing the same key again stores it again.
#ifndef DCHANGEKEYPAGE_H
#define DCHANGEKEYPAGE_H

#include "ui/mainwidget/devicePage/customKeys/DTargetKeyPage.h"

namespace Ui {
class DChangeKeyPage;
}

class DChangeKeyPage : public DTargetKeyPage
{
    Q_OBJECT

public:
    explicit DChangeKeyPage(QWidget *parent = nullptr);
    ~DChangeKeyPage() override;

    // A key code chosen as the target, from a capture or the virtual
    // keyboard; a key without a name is no target.
    void setTargetKey(int keyCode);
    void updateAllUI() override;

    QString fieldText() const;

public slots:
    void onSoftKeyboardClicked_VirtualKB(int keyDec) override;

protected:
    bool showItem(const std::optional<KeyOperateInfoStu> &item) override;

private:
    void saveKeyOperateInfo();

    Ui::DChangeKeyPage *ui;
    int m_targetKeyCode = -1;
};

#endif
