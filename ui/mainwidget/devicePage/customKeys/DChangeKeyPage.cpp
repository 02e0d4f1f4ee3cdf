#include "ui/mainwidget/devicePage/customKeys/DChangeKeyPage.h"
#include "ui_DChangeKeyPage.h"

#include <climits>

#include "core/KeyFunctionNames.h"
#include "ui/mainwidget/devicePage/customKeys/DSoftKeyboardPage.h"

DChangeKeyPage::DChangeKeyPage(QWidget *parent)
    : DTargetKeyPage(0, parent)
    , ui(new Ui::DChangeKeyPage)
{
    ui->setupUi(this);
    setForm(ui->label_44, KeyFunctionNames::typeSourceText(KeyOperate_Remap), ui->lineEdit_changForKey,
            QT_TRANSLATE_NOOP("QObject", "Remap with key?"), ui->frame_Top2, ui->radioButton_LightPress,
            ui->radioButton_HeavyPress);
}

DChangeKeyPage::~DChangeKeyPage()
{
    closePopup();
    delete ui;
}

QString DChangeKeyPage::fieldText() const
{
    return ui->lineEdit_changForKey->text();
}

bool DChangeKeyPage::showItem(const std::optional<KeyOperateInfoStu> &item)
{
    m_targetKeyCode = -1;
    if (!item || KeyItemIO::fieldNumber(item->type) != KeyOperate_Remap)
        return false;
    // Showing a stored item does not store it again.
    const int target = KeyItemIO::fieldNumber(item->value, INT_MIN);
    if (m_keyNames.contains(target))
        showText(m_keyNames.value(target));
    return true;
}

void DChangeKeyPage::onSoftKeyboardClicked_VirtualKB(int keyDec)
{
    setTargetKey(keyDec);
}

void DChangeKeyPage::setTargetKey(int keyCode)
{
    if (keyCode == m_targetKeyCode || !m_keyNames.contains(keyCode))
        return;
    showText(m_keyNames.value(keyCode));
    m_targetKeyCode = keyCode;
    saveKeyOperateInfo();
}

void DChangeKeyPage::saveKeyOperateInfo()
{
    if (m_targetKeyCode == -1)
        return;
    const int target = m_targetKeyCode;
    m_targetKeyCode = -1;
    storeItem(KeyOperate_Remap, "0", "1", "1", QByteArray::number(target));
}

void DChangeKeyPage::updateAllUI()
{
    ui->retranslateUi(this);
    DTargetKeyPage::updateAllUI();
}
