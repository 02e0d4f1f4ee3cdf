#include "ui/mainwidget/devicePage/customKeys/DKeyCombinationPage.h"
#include "ui_DKeyCombinationPage.h"

#include "core/KeyFunctionNames.h"
#include "device/RecordFieldText.h"
#include "ui/mainwidget/devicePage/customKeys/DSoftKeyboardPage.h"
#include "ui/mainwidget/devicePage/customKeys/DVirtualKeyboardTool.h"

namespace {

constexpr int kFirstModifier = 224; // L_CTRL
constexpr int kLastModifier = 231;  // R_WIN
constexpr int kMaxModifiers = 2;

} // namespace

DKeyCombinationPage::DKeyCombinationPage(QWidget *parent)
    : DTargetKeyPage(DSoftKeyboardPage::MultiSelectMode, parent)
    , ui(new Ui::DKeyCombinationPage)
{
    ui->setupUi(this);
    setForm(ui->label_5, KeyFunctionNames::typeSourceText(KeyOperate_Combination), ui->lineEdit_keyCombination,
            QT_TRANSLATE_NOOP("QObject", "Enter key?"), ui->frame_Top2, ui->radioButton_LightPress,
            ui->radioButton_HeavyPress);
}

DKeyCombinationPage::~DKeyCombinationPage()
{
    closePopup();
    delete ui;
}

QString DKeyCombinationPage::fieldText() const
{
    return ui->lineEdit_keyCombination->text();
}

int DKeyCombinationPage::modifierBit(int keyCode)
{
    return keyCode >= kFirstModifier && keyCode <= kLastModifier ? 1 << (keyCode - kFirstModifier) : 0;
}

bool DKeyCombinationPage::showItem(const std::optional<KeyOperateInfoStu> &item)
{
    // The next key entered starts a new combination.
    m_names.clear();
    m_nameCount = 0;
    m_modifierMask = 0;
    m_comboKeyCode = 0;
    if (!item || KeyItemIO::fieldNumber(item->type) != KeyOperate_Combination)
        return false;
    // A value that is not "mask,key code" shows nothing.
    if (const std::optional<QString> text = KeyFunctionNames::combinationText(recordFieldText(item->value), m_keyNames))
        showText(*text);
    return true;
}

void DKeyCombinationPage::popupOpened()
{
    virtualKeyboard()->setMultiSelectEnabled(true);
}

void DKeyCombinationPage::popupClosed()
{
    // Keys picked so far stay highlighted.
    virtualKeyboard()->setMultiSelectEnabled(false);
}

void DKeyCombinationPage::addCapturedKey(int keyCode)
{
    onSoftKeyboardClicked_VirtualKB(keyCode);
}

void DKeyCombinationPage::onSoftKeyboardClicked_VirtualKB(int keyDec)
{
    if (!m_entryInProgress) {
        m_names.clear();
        m_nameCount = 0;
        m_modifierMask = 0;
        m_comboKeyCode = 0;
    }
    m_entryInProgress = true;
    const int bit = modifierBit(keyDec);

    if (bit == 0) {
        if (m_nameCount == 0) {
            // A combination begins with a modifier.
            virtualKeyboard()->clearSelectedKeys();
            return;
        }
        // The ordinary key ends the entry; one without a name abandons it.
        m_entryInProgress = false;
        if (m_keyNames.contains(keyDec)) {
            m_comboKeyCode = keyDec;
            appendKeyName(m_keyNames.value(keyDec));
            m_nameCount = 0;
            m_names.clear();
            virtualKeyboard()->clearSelectedKeys();
            saveKeyOperateInfo();
        }
        return;
    }
    if (m_nameCount == kMaxModifiers) {
        // A third modifier is not taken.
        virtualKeyboard()->selectKey(keyDec);
        return;
    }
    m_modifierMask |= bit;
    for (int b = 0; b < 8; ++b)
        if (bit == 1 << b)
            appendKeyName(QLatin1String(KeyFunctionNames::modifierName(b)));
}

void DKeyCombinationPage::appendKeyName(const QString &name)
{
    if (m_names.contains(name))
        return;
    m_names.append(name);
    m_nameCount = m_names.size();
    showText(m_names.join(QLatin1Char('+')));
}

void DKeyCombinationPage::saveKeyOperateInfo()
{
    if (m_modifierMask == 0 || m_comboKeyCode == 0)
        return;
    const QByteArray value = QByteArray::number(m_modifierMask) + ',' + QByteArray::number(m_comboKeyCode);
    m_modifierMask = 0;
    m_comboKeyCode = 0;
    storeItem(KeyOperate_Combination, "2", "1", "1", value);
}

void DKeyCombinationPage::updateAllUI()
{
    ui->retranslateUi(this);
    DTargetKeyPage::updateAllUI();
}
