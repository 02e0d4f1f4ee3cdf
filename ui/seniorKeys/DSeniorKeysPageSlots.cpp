// The advanced-key editor's key slots: choosing a slot, putting a picked key
// or a key combination into it, emptying it with a right click, and the
// captions of slot texts.
#include "ui/seniorKeys/DSeniorKeysPage.h"

#include "sdk/include/LumtarXml.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/KeyCaptionView.h"
#include "ui/seniorKeys/SeniorKeySlots.h"
#include "ui_DSeniorKeysPage.h"

#include <QMouseEvent>

QString DSeniorKeysPage::formatKeyText(const QString &slotText) const
{
    return SeniorKeySlots::caption(slotText.toLatin1(), m_keyNames);
}

int DSeniorKeysPage::hoverNumberOf(QObject *watched) const
{
    const QObject *buttons[SeniorKeySlots::TglButton] = {
        ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02, ui->toolButton_SeniorKey03, ui->toolButton_SeniorKey04,
        ui->toolButton_HoldKey,     ui->toolButton_ClickKey,    ui->toolButton_TglKey};
    for (int i = 0; i < SeniorKeySlots::TglButton; ++i) {
        if (buttons[i] == watched)
            return i + 1;
    }
    return SeniorKeySlots::NoButton;
}

void DSeniorKeysPage::setKeyButtonText(int hoverNumber, const QString &text)
{
    QToolButton *buttons[SeniorKeySlots::TglButton] = {
        ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02, ui->toolButton_SeniorKey03, ui->toolButton_SeniorKey04,
        ui->toolButton_HoldKey,     ui->toolButton_ClickKey,    ui->toolButton_TglKey};
    if (hoverNumber >= 1 && hoverNumber <= SeniorKeySlots::TglButton)
        KeyCaptionView::show(buttons[hoverNumber - 1], text);
}

void DSeniorKeysPage::onSksSelKeyChanged(int index)
{
    QToolButton *buttons[4] = {ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02, ui->toolButton_SeniorKey03,
                               ui->toolButton_SeniorKey04};
    if (index < 1 || index > 4)
        return;
    m_currentSlot = index;
    m_currentKeyButton = buttons[index - 1];
}

void DSeniorKeysPage::onMtSelKeyChanged(int index)
{
    if (index != 1 && index != 2)
        return;
    m_currentSlot = index;
    m_currentKeyButton = index == 1 ? ui->toolButton_HoldKey : ui->toolButton_ClickKey;
}

void DSeniorKeysPage::storeEdit(bool dksSlotChanged)
{
    if (dksSlotChanged && m_dksShowWidget)
        m_dksShowWidget->setSeniorKeyInfo(m_currentRecord);
    if (m_currentRow)
        m_currentRow->setSeniorKeyInfo(m_currentRecord);
    m_recordMap.insert(m_currentRecord.id, m_currentRecord);
    storeShownRecord();
}

void DSeniorKeysPage::putSlotText(const QByteArray &text)
{
    if (SeniorKeySlots::assign(&m_currentRecord, m_currentSlot, text))
        storeEdit(m_currentRecord.kind == LUMTAR_SENIOR_DKS);
}

void DSeniorKeysPage::onKeyListClicked(int keyDec, QString keyCharacter)
{
    if (!m_currentRow)
        return;
    if (ui->radioButton_SingleKey->isChecked()) {
        if (m_currentKeyButton)
            KeyCaptionView::show(m_currentKeyButton, keyCharacter);
        putSlotText(QByteArray::number(keyDec));
    } else {
        assignComboKey(keyDec);
    }
}

void DSeniorKeysPage::assignComboKey(int keyDec)
{
    const ComboKeyRecorder::Step step = m_combo.pick(keyDec, m_keyNames);
    if (step.captionChanged && m_currentKeyButton)
        KeyCaptionView::show(m_currentKeyButton, step.caption);
    if (!step.slotText.isEmpty())
        putSlotText(step.slotText);
}

void DSeniorKeysPage::mousePressEvent(QMouseEvent *event)
{
    // A right press on a key button reaches the dialog: the buttons take
    // only the left one.
    if (event->button() != Qt::RightButton || m_hoveredKeyButton == SeniorKeySlots::NoButton || !m_currentRow)
        return;
    if (!SeniorKeySlots::clear(&m_currentRecord, m_hoveredKeyButton))
        return;
    setKeyButtonText(m_hoveredKeyButton, QString());
    storeEdit(m_hoveredKeyButton <= 4);
}
