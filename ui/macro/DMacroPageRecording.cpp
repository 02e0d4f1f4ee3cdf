// The recorder of the macro editor: the record button, the hook's key and
// mouse streams, the delay policy, and storing a recording when it stops.
#include "ui/macro/DMacroPage.h"

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/MacroEventText.h"
#include "ui/macro/MacroLimits.h"
#include "ui/macro/MacroRecordKeyCode.h"
#include "ui_DMacroPage.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

using MacroLimits::MaxDelay;
using MacroLimits::MaxEvents;
using MacroLimits::MaxPresses;

quint32 DMacroPage::now() const
{
    if (m_tickSource)
        return m_tickSource();
    QElapsedTimer clock;
    clock.start();
    return static_cast<quint32>(clock.msecsSinceReference());
}

void DMacroPage::setRecordButtonLook(bool recording)
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    QFont caption = DDataManager::getInstance()->themeFont(0);
    caption.setPointSize(13);
    ui->label->setFont(caption);
    ui->label->setStyleSheet(QStringLiteral("QLabel#label{color: rgb(%1); background: transparent;}")
                                 .arg(recording ? theme.TextCheckedColor : theme.TextDefaultColor));
    if (recording)
        ui->frame_Record->setStyleSheet(
            QStringLiteral("QFrame#frame_Record{border: 2px solid rgb(%1); border-radius: 8px;}"
                           "QFrame#frame_Record:hover{border: 2px solid rgb(%1);}")
                .arg(theme.TextCheckedColor));
    else
        ui->frame_Record->setStyleSheet(
            QStringLiteral("QFrame#frame_Record{border: 2px solid rgb(%1); border-radius: 8px;}"
                           "QFrame#frame_Record:hover{border: 2px solid rgb(%2);}")
                .arg(theme.MacroBorderColor, theme.TextCheckedColor));
    ui->frame_RecordIco->setStyleSheet(
        QStringLiteral("QFrame#frame_RecordIco{border: none; border-image: url(%1);}")
            .arg(recording ? QStringLiteral(":/images/macro/recordSel.png") : QStringLiteral(":/images/macro/recordDef.png")));
    ui->label->setText(recording ? tr("Stop record") : tr("Start record"));
}

void DMacroPage::toggleRecording()
{
    if (m_closing)
        return;
    if (!m_isRecording) {
        if (!m_currentMacroRow)
            return;
        if (!switchHook(true))
            return;
        ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
        m_isRecording = true;
        m_markCounter = nextEventMark();
        m_openMarks.clear();
        m_recordedEvents.clear();
        setRecordButtonLook(true);
        showNotice(tr("Start record macro"));
        m_lastEventTime = 0;
        m_haveLastEvent = false;
        m_lastDelay = 0;
        showTotalTime();
        ui->frame_Right->setEnabled(false);
        ui->frame_Center->setEnabled(false);
        ui->frame_29->setEnabled(false);
        ui->frame_34->setEnabled(false);
        return;
    }
    if (!switchHook(false))
        return;
    m_isRecording = false;
    setRecordButtonLook(false);
    dropUnreleasedPresses();
    const bool saved = saveRecordedEvents();
    discardRecordedEvents();
    ui->frame_Right->setEnabled(true);
    ui->frame_Center->setEnabled(true);
    ui->frame_29->setEnabled(true);
    ui->frame_34->setEnabled(true);
    if (!saved) {
        showNotice(tr("Save record macro failed"));
        return;
    }
    showNotice(tr("Stop record macro"));
    emitMacroListChanged();
}

int DMacroPage::nextEventMark()
{
    std::list<KeyOrMouseEventStu> events;
    CLumtarXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, indexBytes().constData(), &events);
    int largest = -1;
    for (const KeyOrMouseEventStu &e : events)
        largest = std::max(largest, macroLatin1Field(e.mark).toInt());
    return largest + 1;
}

void DMacroPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    const MacroRecordKeyCode key = MacroRecordKeyCode::resolve(keyCode, scCode, flag, hookFlag);
    if (m_pressCount >= MaxPresses && key.flag == 1) {
        showNotice(tr("The record of events has reached the limit"));
        return;
    }
    const int code = m_vkToKeyCodeMap.value(key.code, -1);
    const QString caption = m_keyCodeNameMap.value(code);

    if (!m_isRecording) {
        m_pendingKeyCaption = caption;
        m_pendingKeyCode = code;
        QLineEdit *field = ui->lineEdit_EnterKey->hasFocus() ? ui->lineEdit_EnterKey : ui->lineEdit_PressKey;
        field->setMaxLength(std::max(1, caption.length()));
        field->setText(caption);
        return;
    }
    if (key.flag != 0) {
        // A key the keyboard has no code for cannot be played: neither it
        // nor its release is recorded.
        if (code < 0) {
            qDebug().noquote() << "Macro recording: no key code for virtual key" << key.code << "- not recorded";
            return;
        }
        if (!pressFits())
            return;
        ++m_pressCount;
        recordKeyDown(caption, code);
        return;
    }
    m_releaseKeyCode = code;
    m_releaseCaption = caption;
    const auto pressed = m_pressedMarks.find(code);
    if (code < 0 || pressed == m_pressedMarks.end())
        return;
    m_releaseMark = pressed.value();
    m_pressedMarks.erase(pressed);
    recordKeyUp();
}

void DMacroPage::onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam)
{
    Q_UNUSED(nCode);
    Q_UNUSED(lParam);
    if (m_ignoreMouse || !m_isRecording)
        return;
    switch (static_cast<int>(wParam)) {
    case 513:
        if (pressFits())
            recordMouseDown(QStringLiteral("Left Click"), 513);
        break;
    case 514:
        recordMouseUp(QStringLiteral("Left Click"), 514);
        break;
    case 516:
        if (pressFits())
            recordMouseDown(QStringLiteral("Right Click"), 516);
        break;
    case 517:
        recordMouseUp(QStringLiteral("Right Click"), 517);
        break;
    case 519:
        if (pressFits())
            recordMouseDown(QStringLiteral("Center Click"), 519);
        break;
    case 520:
        recordMouseUp(QStringLiteral("Center Click"), 520);
        break;
    default:
        break;
    }
}

// A press is taken only while its release, and the releases still owed to
// earlier presses, fit under the row limit: a macro never keeps a key held.
bool DMacroPage::pressFits()
{
    const int owed = m_openMarks.size();
    if (eventRowCount() + 2 + owed > MaxEvents) {
        showNotice(tr("The record of events has reached the limit"));
        return false;
    }
    return true;
}

int DMacroPage::measuredDelay()
{
    const quint32 t = now();
    if (m_haveLastEvent)
        m_lastDelay = static_cast<int>(std::min<quint32>(t - m_lastEventTime, 0x7fffffffu));
    m_lastEventTime = t;
    m_haveLastEvent = true;
    return m_lastDelay;
}

void DMacroPage::recordKeyDown(QString codeName, int keyCode)
{
    ++m_markCounter;
    m_pressedMarks[keyCode] = m_markCounter;
    m_openMarks.insert(m_markCounter);
    const int delay = measuredDelay();
    appendRecordedEvent(QString::number(m_markCounter), delay, QStringLiteral("key"), keyCode, codeName,
                        QStringLiteral("down"));
}

void DMacroPage::recordKeyUp()
{
    m_openMarks.remove(m_releaseMark);
    const int delay = measuredDelay();
    appendRecordedEvent(QString::number(m_releaseMark), delay, QStringLiteral("key"), m_releaseKeyCode,
                        m_releaseCaption, QStringLiteral("up"));
}

void DMacroPage::recordMouseDown(QString codeName, int message)
{
    ++m_markCounter;
    m_pressedMarks[message] = m_markCounter;
    m_openMarks.insert(m_markCounter);
    const int delay = measuredDelay();
    appendRecordedEvent(QString::number(m_markCounter), delay, QStringLiteral("mouse"), message, codeName,
                        QStringLiteral("down"));
}

void DMacroPage::recordMouseUp(QString codeName, int message)
{
    const auto pressed = m_pressedMarks.find(message - 1);
    if (pressed == m_pressedMarks.end())
        return;
    m_releaseMark = pressed.value();
    m_pressedMarks.erase(pressed);
    m_openMarks.remove(m_releaseMark);
    const int delay = measuredDelay();
    appendRecordedEvent(QString::number(m_releaseMark), delay, QStringLiteral("mouse"), message, codeName,
                        QStringLiteral("up"));
}

void DMacroPage::appendRecordedEvent(QString mark, int delay, QString type, int keyCode, QString codeName,
                                     QString operateExplain)
{
    if (m_eventListLayout->count() > MaxEvents) {
        showNotice(tr("The record of events has reached the limit"));
        return;
    }
    if (ui->radioButton_NoDelay->isChecked())
        delay = 0;
    else if (ui->radioButton_DefaultDelay->isChecked())
        delay = ui->lineEdit_DefaultDelayNum->text().toInt();
    delay = std::min(std::max(delay, 0), MaxDelay);

    m_recordedEvents.push_back(macroEventRecord(mark, QString::number(delay), type, QString::number(keyCode),
                                                codeName, operateExplain));
    m_totalTime += delay;
    showTotalTime();
    addEventRow(mark, delay, type, keyCode, codeName, operateExplain, -1);
    QScrollBar *bar = ui->scrollArea_3->verticalScrollBar();
    bar->setValue(bar->maximum() + 40);
}

// At the stop, a press whose release was not recorded is dropped (its wait
// goes to the event after it), so that the macro never leaves a key held.
void DMacroPage::dropUnreleasedPresses()
{
    if (m_openMarks.isEmpty())
        return;
    int carried = 0;
    for (auto it = m_recordedEvents.begin(); it != m_recordedEvents.end();) {
        const int mark = macroLatin1Field(it->mark).toInt();
        if (m_openMarks.contains(mark)) {
            carried += macroLatin1Field(it->delay).toInt();
            it = m_recordedEvents.erase(it);
            continue;
        }
        if (carried > 0) {
            const int delay = std::min(macroLatin1Field(it->delay).toInt() + carried, MaxDelay);
            lumtarCopyField(it->delay, QByteArray::number(delay).constData());
            carried = 0;
        }
        ++it;
    }
    for (auto it = m_pressedMarks.begin(); it != m_pressedMarks.end();) {
        if (m_openMarks.contains(it.value()))
            it = m_pressedMarks.erase(it);
        else
            ++it;
    }
    m_openMarks.clear();
}

// The rows are read again from the store whatever the write did: a refused
// recording leaves the macro shown as it is stored.
bool DMacroPage::saveRecordedEvents()
{
    const bool saved =
        CLumtarXML_AddKeyOrMouseEventItem(m_macroXmlPath, m_recordedEvents, indexBytes().constData());
    if (!saved)
        qDebug().noquote() << "Macro recording: macro" << m_currentMacroIndex << "could not be stored";
    reloadOpenMacro();
    return saved;
}

void DMacroPage::discardRecordedEvents()
{
    m_recordedEvents.clear();
}
