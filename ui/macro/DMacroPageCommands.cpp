// The editing commands of the macro editor: adding and clearing a macro,
// selecting, deleting, inserting, modifying and moving events, and the
// panels' kind switches.
#include "ui/macro/DMacroPage.h"

#include "sdk/include/LumtarXml.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/MacroEventText.h"
#include "ui/macro/MacroLimits.h"
#include "ui_DMacroPage.h"

#include <QDebug>

namespace {

struct MouseButton
{
    int down;
    const char *name;
};

} // namespace

int DMacroPage::eventRowCount() const
{
    return m_eventListLayout ? m_eventListLayout->count() - 1 : 0;
}

DCatchKeyAndMouseItem *DMacroPage::eventRowAt(int position) const
{
    if (position < 0 || position >= eventRowCount())
        return nullptr;
    return qobject_cast<DCatchKeyAndMouseItem *>(m_eventListLayout->itemAt(position)->widget());
}

// A failed write (and the editor's rows, which may show what was sent)
// is undone on screen: the open macro is read again from the store.
void DMacroPage::reloadOpenMacro()
{
    onMacroItemMouseClicked(m_currentMacroIndex, m_currentMacroName);
}

void DMacroPage::refuseEdit(const QString &failureText)
{
    qDebug().noquote() << "Macro" << m_currentMacroIndex << "could not be stored:" << failureText;
    reloadOpenMacro();
    showNotice(failureText);
}

void DMacroPage::on_pushButton_Add_clicked()
{
    int index = 0;
    bool added = CLumtarXML_NewMacroIndex(m_macroXmlPath, &index);
    if (added)
        added = CLumtarXML_CreateMacroXmlParentNode(m_macroXmlPath, QByteArray::number(index).constData(),
                                                    QStringLiteral("Macro%1").arg(index).toUtf8().constData());
    loadMacroList();
    if (!added) {
        qDebug().noquote() << "Add macro: the macro store cannot be read or written";
        showNotice(tr("Add macro failed"));
        return;
    }
    showNotice(tr("Add macro successful"));
}

void DMacroPage::on_pushButton_ClearMacroLst_clicked()
{
    if (m_currentMacroName.isEmpty()) {
        showNotice(tr("Please select a macro first"));
        return;
    }
    if (!CLumtarXML_ReplaceMacroEvents(m_macroXmlPath, indexBytes().constData(),
                                       presentMacroName().toUtf8().constData(), {})) {
        refuseEdit(tr("Clear record macro failed"));
        return;
    }
    clearEventItems();
    m_eventRows.clear();
    m_isEventSelected = false;
    m_selectedRow = nullptr;
    m_totalTime = 0;
    showTotalTime();
    ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    showNotice(tr("Clear record macro successful"));
    emitMacroListChanged();
    m_pressCount = 0;
}

void DMacroPage::restyleEventRows()
{
    for (int i = 0; i < eventRowCount(); ++i) {
        DCatchKeyAndMouseItem *row = eventRowAt(i);
        if (row == m_selectedRow)
            row->setCheckedStyle(true);
        else if (row->mark() == m_selectedMark)
            row->setSelectedStyle(true);
        else
            row->setSelectedStyle(false);
    }
}

void DMacroPage::onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                        QString operateExplain)
{
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row)
        return;
    ui->lineEdit_PressKey->clear();
    m_selectedRow = row;
    const bool down = operateExplain.contains(QLatin1String("down"));
    m_selectedDirection = down ? QStringLiteral("down") : QStringLiteral("up");
    m_selectedStatus = down ? 0 : 1;
    m_selectedMark = row->mark();
    m_selectedEventPos = m_eventListLayout->indexOf(row);
    ui->lineEdit_DelayNum->setText(delay);
    if (type == QLatin1String("key")) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
        ui->radioButton_KeyboardEvent->setChecked(true);
    } else if (type == QLatin1String("mouse")) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
        ui->radioButton_MouseEvent->setChecked(true);
    }
    if (!type.contains(QLatin1String("mouse"))) {
        ui->lineEdit_PressKey->setMaxLength(std::max(1, codeName.length()));
        ui->lineEdit_PressKey->setText(codeName);
    } else {
        const int code = keyCode.toInt();
        if (code == 513 || code == 514)
            ui->radioButton_1left->setChecked(true);
        else if (code == 519 || code == 520)
            ui->radioButton_2center->setChecked(true);
        else if (code == 516 || code == 517)
            ui->radioButton_3right->setChecked(true);
    }
    m_isEventSelected = true;
    restyleEventRows();
}

void DMacroPage::onDeleteKeyAndMouseEvent()
{
    if (m_isRecording)
        return;
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row)
        return;
    const QString mark = row->mark();
    if (!CLumtarXML_DeleteEventItem(m_macroXmlPath, indexBytes().constData(), mark.toLatin1().constData())) {
        refuseEdit(tr("Delete event failed"));
        return;
    }
    const auto removeRow = [this](DCatchKeyAndMouseItem *r) {
        m_eventListLayout->removeWidget(r);
        r->hide();
        r->deleteLater();
        m_eventRows.removeAll(r);
        m_totalTime -= r->delay().toInt();
    };
    removeRow(row);
    for (int i = 0; i < eventRowCount(); ++i) {
        DCatchKeyAndMouseItem *partner = eventRowAt(i);
        if (partner->mark() == mark) {
            removeRow(partner);
            break;
        }
    }
    showTotalTime();
    emitMacroListChanged();
    m_isEventSelected = false;
    m_selectedRow = nullptr;
    --m_pressCount;
}

// The macro as the rows show it, in one write: a failure leaves the stored
// macro as it was.
bool DMacroPage::rewriteMacroFromRows()
{
    std::list<KeyOrMouseEventStu> events;
    for (int i = 0; i < eventRowCount(); ++i) {
        const DCatchKeyAndMouseItem *row = eventRowAt(i);
        events.push_back(macroEventRecord(row->mark(), row->delay(), row->type(), row->keyCode(), row->codeName(),
                                          row->operateExplain()));
    }
    return CLumtarXML_ReplaceMacroEvents(m_macroXmlPath, indexBytes().constData(),
                                         presentMacroName().toUtf8().constData(), events);
}

void DMacroPage::on_pushButton_InsertMacro_clicked()
{
    if (!m_isEventSelected || !m_selectedRow) {
        showNotice(tr("Please select a specific location first"));
        return;
    }
    if (ui->radioButton_Key->isChecked() && m_pendingKeyCaption.isEmpty()) {
        showNotice(tr("Please enter a key"));
        return;
    }
    if (eventRowCount() >= MacroLimits::MaxEvents) {
        showNotice(tr("The record of events has reached the limit"));
        return;
    }
    QString type, downName, upName;
    int downCode = 0, upCode = 0;
    if (ui->radioButton_Key->isChecked()) {
        type = QStringLiteral("key");
        downCode = upCode = m_pendingKeyCode;
        downName = upName = m_pendingKeyCaption;
    } else if (ui->radioButton_Mouse->isChecked()) {
        type = QStringLiteral("mouse");
        MouseButton button{513, "Left Click"};
        if (ui->radioButton_MouseCenter->isChecked())
            button = {519, "Center Click"};
        else if (ui->radioButton_MouseRight->isChecked())
            button = {516, "Right Click"};
        downCode = button.down;
        upCode = button.down + 1;
        downName = upName = QLatin1String(button.name);
    } else {
        return;
    }
    const QString mark = QString::number(nextEventMark());
    m_selectedEventPos = m_eventListLayout->indexOf(m_selectedRow);
    const int position = ui->radioButton_InsertBefore->isChecked() ? m_selectedEventPos : m_selectedEventPos + 1;
    addEventRow(mark, 0, type, downCode, downName, QStringLiteral("down"), position);
    addEventRow(mark, 0, type, upCode, upName, QStringLiteral("up"), position + 1);
    ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
    if (!rewriteMacroFromRows()) {
        refuseEdit(tr("Insert failed"));
        return;
    }
    showNotice(tr("Insert successful"));
    emitMacroListChanged();
    ++m_pressCount;
    m_selectedEventPos = m_eventListLayout->indexOf(m_selectedRow);
    restyleEventRows();
}

void DMacroPage::on_pushButton_ModifyMacro_clicked()
{
    if (!m_isEventSelected || !m_selectedRow) {
        showNotice(tr("Please select a specific location first"));
        return;
    }
    DCatchKeyAndMouseItem *row = m_selectedRow;
    const QString field = ui->lineEdit_PressKey->text();
    const bool keyboard = ui->radioButton_KeyboardEvent->isChecked();
    if (field.isEmpty() && keyboard) {
        showNotice(tr("Please enter a key"));
        return;
    }
    int keyCode = row->keyCode().toInt();
    QString name = row->codeName();
    if (field != row->codeName()) {
        keyCode = m_pendingKeyCode;
        name = field;
    }
    QString type = QStringLiteral("key");
    int pressCode = keyCode;
    if (!keyboard) {
        type = QStringLiteral("mouse");
        MouseButton button{513, "Left Click"};
        if (ui->radioButton_2center->isChecked())
            button = {519, "Center Click"};
        else if (ui->radioButton_3right->isChecked())
            button = {516, "Right Click"};
        pressCode = button.down;
        keyCode = button.down + m_selectedStatus;
        name = QLatin1String(button.name);
    }
    const int delay = ui->lineEdit_DelayNum->text().toInt();
    const QByteArray markBytes = m_selectedMark.toLatin1();

    // The partner is the row of the same mark and the other direction.
    DCatchKeyAndMouseItem *partner = nullptr;
    for (int i = 0; i < eventRowCount() && !partner; ++i) {
        DCatchKeyAndMouseItem *other = eventRowAt(i);
        if (other != row && other->mark() == m_selectedMark && other->operateExplain() != row->operateExplain())
            partner = other;
    }
    const int partnerStatus = 1 - m_selectedStatus;
    const int partnerCode = keyboard ? keyCode : pressCode + partnerStatus;

    // The event and its partner reach the store together or not at all.
    bool stored = false;
    {
        LumtarXmlBatch batch(m_macroXmlPath);
        stored = CLumtarXML_UpdateEventItem(m_macroXmlPath, indexBytes().constData(), markBytes.constData(),
                                            m_selectedStatus,
                                            macroEventRecord(m_selectedMark, QString::number(delay), type,
                                                             QString::number(keyCode), name, row->operateExplain()));
        if (stored && partner)
            stored = CLumtarXML_UpdateEventItem(m_macroXmlPath, indexBytes().constData(), markBytes.constData(),
                                                partnerStatus,
                                                macroEventRecord(m_selectedMark, partner->delay(), type,
                                                                 QString::number(partnerCode), name,
                                                                 partner->operateExplain()));
        stored = batch.commit() && stored;
    }
    if (!stored) {
        refuseEdit(tr("Modify failed"));
        return;
    }

    m_totalTime += delay - row->delay().toInt();
    showTotalTime();
    row->setDelay(delay);
    row->setData(delay, type, keyCode, name, row->operateExplain());
    if (partner)
        partner->setData(partner->delay().toInt(), type, partnerCode, name, partner->operateExplain());
    showNotice(tr("Modify successful"));
    emitMacroListChanged();
}

void DMacroPage::moveSelectedEvent(bool up)
{
    if (!m_isEventSelected || !m_selectedRow) {
        showNotice(tr("Please select a specific location first"));
        return;
    }
    DCatchKeyAndMouseItem *row = m_selectedRow;
    const int position = m_eventListLayout->indexOf(row);
    const int neighbourPos = up ? position - 1 : position + 1;
    DCatchKeyAndMouseItem *neighbour = eventRowAt(neighbourPos);
    if (!neighbour)
        return;
    if (neighbour->mark() == row->mark() && neighbour->operateExplain() != row->operateExplain())
        return;
    if (!CLumtarXML_MacroEventItemUpOrDownOperate(m_macroXmlPath, indexBytes().constData(),
                                                  m_selectedMark.toLatin1().constData(), up ? 1 : 0,
                                                  m_selectedDirection == QLatin1String("down") ? 0 : 1)) {
        refuseEdit(tr("Move failed"));
        return;
    }
    m_eventListLayout->removeWidget(row);
    m_eventListLayout->insertWidget(neighbourPos, row);
    m_selectedEventPos = neighbourPos;
    emitMacroListChanged();
}

void DMacroPage::on_pushButton_MoveUp_clicked()
{
    moveSelectedEvent(true);
}

void DMacroPage::on_pushButton_MoveDown_clicked()
{
    moveSelectedEvent(false);
}

void DMacroPage::on_radioButton_Key_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
}

void DMacroPage::on_radioButton_Mouse_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Mouse);
}

void DMacroPage::on_radioButton_KeyboardEvent_clicked()
{
    ui->lineEdit_PressKey->clear();
    ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
}

void DMacroPage::on_radioButton_MouseEvent_clicked()
{
    ui->radioButton_1left->setChecked(true);
    ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
}
