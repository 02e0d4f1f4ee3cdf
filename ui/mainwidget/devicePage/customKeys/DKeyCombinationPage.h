// The "Key Combination" key-function page: makes the selected key send one
// or two modifiers with one ordinary key (type 2, value "mask,key code"),
// entered key by key on the pop-up virtual keyboard or captured from pressed
// keys by the host. An entry begins with a modifier, takes at most two
// different ones and is stored when its ordinary key arrives.
#ifndef DKEYCOMBINATIONPAGE_H
#define DKEYCOMBINATIONPAGE_H

#include <QStringList>

#include "ui/mainwidget/devicePage/customKeys/DTargetKeyPage.h"

namespace Ui {
class DKeyCombinationPage;
}

class DKeyCombinationPage : public DTargetKeyPage
{
    Q_OBJECT

public:
    explicit DKeyCombinationPage(QWidget *parent = nullptr);
    ~DKeyCombinationPage() override;

    // A key captured by the host: handled as a click on the virtual keyboard.
    void addCapturedKey(int keyCode);
    void updateAllUI() override;

    QString fieldText() const;
    bool isEntryInProgress() const { return m_entryInProgress; }
    int modifierMask() const { return m_modifierMask; }

    // The modifier bit of a key code (224 L_CTRL bit 0 ... 231 R_WIN bit 7),
    // 0 for an ordinary key.
    static int modifierBit(int keyCode);

public slots:
    void onSoftKeyboardClicked_VirtualKB(int keyDec) override;

protected:
    bool showItem(const std::optional<KeyOperateInfoStu> &item) override;
    void popupOpened() override;
    void popupClosed() override;

private:
    void appendKeyName(const QString &name);
    void saveKeyOperateInfo();

    Ui::DKeyCombinationPage *ui;
    bool m_entryInProgress = false;
    QStringList m_names;
    int m_nameCount = 0;
    int m_modifierMask = 0;
    int m_comboKeyCode = 0;
};

#endif
