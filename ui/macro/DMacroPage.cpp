#include "ui/macro/DMacroPage.h"

#include "core/DDataManager.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/MacroEventText.h"
#include "ui/macro/MacroLimits.h"
#include "ui_DMacroPage.h"
#include "ui/EditorDialogTheme.h"
#include "widgets/CbNotice.h"
#include "widgets/LayoutRows.h"
#include "widgets/ThemeColorText.h"
#include "widgets/UnitText.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QDebug>
#include <QElapsedTimer>
#include <QIntValidator>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>

namespace {

constexpr int kDeferredLoadMs = 200;
constexpr int kNoticePixelSize = 24;

QString iconButtonSheet(const char *def, const char *sel)
{
    return QStringLiteral("QPushButton{border: none; background: transparent; border-image: url(%1);}"
                          "QPushButton:hover, QPushButton:pressed{border-image: url(%2);}")
        .arg(QLatin1String(def), QLatin1String(sel));
}

} // namespace

DMacroPage::DMacroPage(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DMacroPage)
{
    ui->setupUi(this);
    ui->lineEdit_DefaultDelayNum->setText(QStringLiteral("100"));
    setTexts();
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(1050, 750);
    ui->radioButton_Delay->hide();

    // The desktop folder, or the home folder where a desktop has none: a
    // file dialog opened on a missing folder offers its name to choose.
    m_exportDirectory = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!QFileInfo(m_exportDirectory).isDir())
        m_exportDirectory = QDir::homePath();
    m_notice = new CbNotice(this);
    m_notice->setFontPixelSize(kNoticePixelSize);

    clearMacroItems();
    clearEventItems();
    initButtonGroups();

    m_delayValidator = new QIntValidator(0, MacroLimits::MaxDelay, this);
    ui->lineEdit_EnterDelayNum->setValidator(m_delayValidator);
    ui->lineEdit_DelayNum->setValidator(m_delayValidator);
    ui->lineEdit_DefaultDelayNum->setValidator(m_delayValidator);

    ui->radioButton_RecordDelay->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
    ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
    ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
    ui->radioButton_KeyboardEvent->setChecked(true);

    ui->frame_Record->setCursor(Qt::PointingHandCursor);
    ui->frame_Record->setAttribute(Qt::WA_Hover);
    ui->frame_Record->installEventFilter(this);
    ui->lineEdit_EnterKey->installEventFilter(this);
    ui->lineEdit_PressKey->installEventFilter(this);

    DDataManager *data = DDataManager::getInstance();
    connect(data, &DDataManager::sigRecviveStreamEX_MacroKeyboard, this, &DMacroPage::onKeyboardRecviveStream);
    connect(data, &DDataManager::sigRecviveStreamEX_MacroMouse, this, &DMacroPage::onMouseRecviveStream);
    m_keyCodeNameMap = data->keyCodeNameMap();
    m_vkToKeyCodeMap = data->vkToKeyCodeMap();

    updateAppTheme();
    QTimer::singleShot(kDeferredLoadMs, this, &DMacroPage::onLoadMacroList);
}

DMacroPage::~DMacroPage()
{
    // Destroyed without closing (its parent went first): the hook must not
    // keep the keyboard. No close signal here; the receiver may be going too.
    if (!m_closing)
        switchHook(false);
    delete ui;
}

void DMacroPage::setTexts()
{
    ui->label_Title->setText(tr("Macro Record"));
    ui->label_MacroGroup->setText(tr("Macro Group"));
    ui->label_10->setText(tr("Delay Setting"));
    ui->radioButton_RecordDelay->setText(tr("Recording delay"));
    ui->radioButton_NoDelay->setText(tr("No delay"));
    ui->radioButton_DefaultDelay->setText(tr("Default delay"));
    ui->label_11->setText(tr("MS"));
    ui->label_8->setText(tr("MS"));
    ui->label_9->setText(tr("MS"));
    ui->label->setText(tr("Start record"));
    ui->label_12->setText(tr("Event List"));
    ui->label_14->setText(tr("Record is empty"));
    ui->label_TotalTime->setText(UnitText::macroDelay(m_totalTime));
    ui->label_InsertMacro->setText(tr("Insert Event"));
    ui->label_5->setText(tr("Position"));
    ui->radioButton_InsertAfter->setText(tr("Insert event after"));
    ui->radioButton_InsertBefore->setText(tr("Insert event before"));
    ui->label_6->setText(tr("Event"));
    ui->label_4->setText(tr("Event"));
    ui->radioButton_Key->setText(tr("Keyboard Event"));
    ui->radioButton_KeyboardEvent->setText(tr("Keyboard Event"));
    ui->radioButton_Mouse->setText(tr("Mouse Event"));
    ui->radioButton_MouseEvent->setText(tr("Mouse Event"));
    ui->radioButton_Delay->setText(tr("Delay"));
    ui->label_7->setText(tr("Operate"));
    ui->lineEdit_EnterKey->setPlaceholderText(tr("Please enter a key"));
    ui->lineEdit_PressKey->setPlaceholderText(tr("Please enter a key"));
    ui->radioButton_MouseLeft->setText(tr("Left Click"));
    ui->radioButton_1left->setText(tr("Left Click"));
    ui->radioButton_MouseCenter->setText(tr("Center Click"));
    ui->radioButton_2center->setText(tr("Center Click"));
    ui->radioButton_MouseRight->setText(tr("Right Click"));
    ui->radioButton_3right->setText(tr("Right Click"));
    ui->lineEdit_EnterDelayNum->setPlaceholderText(tr("Please enter delay number"));
    ui->pushButton_InsertMacro->setText(tr("Insert"));
    ui->label_Property->setText(tr("Property"));
    ui->label_2->setText(tr("Delay"));
    ui->lineEdit_DelayNum->setPlaceholderText(QStringLiteral("0"));
    ui->label_3->setText(tr("Press Key"));
    ui->label_13->setText(tr("Mouse"));
    ui->pushButton_ModifyMacro->setText(tr("Modify"));
    //: %1 is the page path "Key Custom->Macro", built from the page names.
    ui->label_SmallTip->setText(tr("Tip: After the macro group recording is completed, please move to \"%1\" "
                                   "complete binding operation.")
                                    .arg(tr("Key Custom") + QStringLiteral("->") + tr("Macro")));
    ui->pushButton_Import->setToolTip(tr("Import"));
    ui->pushButton_Add->setToolTip(tr("Create"));
    ui->pushButton_ClearMacroLst->setToolTip(tr("Clear"));
    ui->pushButton_MoveUp->setToolTip(tr("Up"));
    ui->pushButton_MoveDown->setToolTip(tr("Down"));
}

void DMacroPage::initButtonGroups()
{
    m_delayGroup = new QButtonGroup(this);
    m_delayGroup->setExclusive(true);
    m_delayGroup->addButton(ui->radioButton_RecordDelay, 0);
    m_delayGroup->addButton(ui->radioButton_NoDelay, 1);
    m_delayGroup->addButton(ui->radioButton_DefaultDelay, 2);
    ui->radioButton_InsertAfter->setChecked(true);
    ui->radioButton_Key->setChecked(true);
    ui->radioButton_MouseLeft->setChecked(true);
}

void DMacroPage::setMacroXmlPath(const char *path)
{
    lumtarCopyField(m_macroXmlPath, path);
}

void DMacroPage::showNotice(const QString &text)
{
    m_notice->showNotice(text, rect().center());
}

void DMacroPage::showTotalTime()
{
    ui->label_TotalTime->setText(UnitText::macroDelay(m_totalTime));
}

QList<DCatchKeyAndMouseItem *> DMacroPage::eventRows() const
{
    QList<DCatchKeyAndMouseItem *> rows;
    for (int i = 0; i < eventRowCount(); ++i)
        rows.append(eventRowAt(i));
    return rows;
}

// ---- the macro list -----------------------------------------------------------------

void DMacroPage::onLoadMacroList()
{
    loadMacroList();
}

void DMacroPage::clearMacroItems()
{
    m_macroListLayout = ui->verticalLayout_17;
    removeRowsBeforeSpacer(m_macroListLayout);
}

void DMacroPage::clearEventItems()
{
    m_eventListLayout = ui->verticalLayout_20;
    removeRowsBeforeSpacer(m_eventListLayout);
}

void DMacroPage::loadMacroList()
{
    clearMacroItems();
    m_macroRows.clear();
    m_currentMacroRow = nullptr;

    LumtarIndexNameList macros;
    CLumtarXML_SelectMacroAllNodes(m_macroXmlPath, &macros);
    if (macros.empty()) {
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
        return;
    }
    for (const auto &macro : macros) {
        // Built alone and placed into the list whole: its widgets then take
        // the list's style sheet once, not once per widget as they are made.
        auto *row = new DMacroListItem;
        connect(row, &DMacroListItem::sigMacroItemMouseClicked, this, &DMacroPage::onMacroItemMouseClicked);
        connect(row, &DMacroListItem::sigModifyMacroItemNameIsEmpty, this, &DMacroPage::onModifyMacroItemNameIsEmpty);
        connect(row, &DMacroListItem::sigModifyMacroItemNameSuccess, this, &DMacroPage::onModifyMacroItemNameSuccess);
        connect(row, &DMacroListItem::sigModifyMacroItemNameFailed, this, &DMacroPage::onModifyMacroItemNameFailed);
        connect(row, &DMacroListItem::sigExportMacroChildList, this, &DMacroPage::onExportMacroChildList);
        connect(row, &DMacroListItem::sigDeleteMacro, this, &DMacroPage::onDeleteMacro);
        row->setMacroXmlPath(m_macroXmlPath);
        row->setMacroInfo(QString::fromLatin1(macro.first.c_str()), QString::fromUtf8(macro.second.c_str()));
        m_macroListLayout->insertWidget(m_macroListLayout->count() - 1, row);
        m_macroRows.append(row);
    }
    DMacroListItem *first = m_macroRows.first();
    first->setSelectedStyle(true);
    m_currentMacroRow = first;
    m_currentMacroIndex = first->macroIndex();
    m_currentMacroName = first->macroName();
    onMacroItemMouseClicked(first->macroIndex(), first->macroName());
}

void DMacroPage::onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName)
{
    if (m_isRecording)
        return;
    DMacroListItem *row = nullptr;
    if (m_selectFirstRow && !m_macroRows.isEmpty()) {
        row = m_macroRows.first();
        m_selectFirstRow = false;
    } else {
        row = qobject_cast<DMacroListItem *>(sender());
    }
    if (row && row != m_currentMacroRow) {
        for (DMacroListItem *other : qAsConst(m_macroRows))
            other->setSelectedStyle(other == row);
        m_selectedEventPos = 0;
        m_currentMacroRow = row;
        discardRecordedEvents();
    }

    m_isEventSelected = false;
    m_selectedRow = nullptr;
    m_currentMacroIndex = strMacroIndex;
    m_currentMacroName = strMacroName;
    m_pressCount = 0;
    m_lastEventTime = 0;
    m_haveLastEvent = false;
    m_lastDelay = 0;
    m_totalTime = 0;
    clearEventItems();
    m_eventRows.clear();
    ui->label_TotalTime->setText(QStringLiteral("0 MS"));

    std::list<KeyOrMouseEventStu> events;
    const bool read = CLumtarXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, indexBytes().constData(), &events);
    if (!read || events.empty()) {
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
        return;
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
    for (const KeyOrMouseEventStu &e : events) {
        const QString operate = macroLatin1Field(e.operateExplain);
        if (operate == QLatin1String("down"))
            ++m_pressCount;
        const int delay = macroLatin1Field(e.delay).toInt();
        addEventRow(macroLatin1Field(e.mark), delay, macroLatin1Field(e.type), macroLatin1Field(e.keyCode).toInt(),
                    macroCodeName(e), operate, -1);
        m_totalTime += delay;
    }
    showTotalTime();
    ui->scrollArea_3->verticalScrollBar()->setValue(0);
}

DCatchKeyAndMouseItem *DMacroPage::addEventRow(QString mark, int delay, QString type, int keyCode, QString codeName,
                                               QString operateExplain, int position)
{
    // Built alone, then placed (see loadMacroList).
    auto *row = new DCatchKeyAndMouseItem(mark);
    row->setData(delay, type, keyCode, codeName, operateExplain);
    connect(row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick, this, &DMacroPage::onKeyOrMouseEventClick);
    connect(row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent, this, &DMacroPage::onDeleteKeyAndMouseEvent);
    const int end = m_eventListLayout->count() - 1;
    m_eventListLayout->insertWidget(position < 0 || position > end ? end : position, row);
    m_eventRows.append(row);
    return row;
}

void DMacroPage::onDeleteMacro(QString strMacroIndex, QString strMacroName)
{
    Q_UNUSED(strMacroName);
    if (m_isRecording)
        return;
    auto *row = qobject_cast<DMacroListItem *>(sender());
    if (!row)
        return;
    // Refused, the macro is still stored: its row stays, as does what is open.
    if (!CLumtarXML_DeleteMacroNode(m_macroXmlPath, strMacroIndex.toLatin1().constData())) {
        qDebug().noquote() << "Delete macro: macro" << strMacroIndex << "could not be deleted from the store";
        showNotice(tr("Delete macro failed"));
        return;
    }
    m_macroListLayout->removeWidget(row);
    row->hide();
    row->deleteLater();
    m_macroRows.removeAll(row);
    showNotice(tr("Delete macro successful"));
    if (strMacroIndex != m_currentMacroIndex)
        return;

    m_currentMacroRow = nullptr;
    LumtarIndexNameList macros;
    CLumtarXML_SelectMacroAllNodes(m_macroXmlPath, &macros);
    if (!macros.empty()) {
        m_selectFirstRow = true;
        onMacroItemMouseClicked(QString::fromLatin1(macros.front().first.c_str()),
                                QString::fromUtf8(macros.front().second.c_str()));
        return;
    }
    m_currentMacroIndex.clear();
    m_currentMacroName.clear();
    clearEventItems();
    m_eventRows.clear();
    discardRecordedEvents();
    m_isEventSelected = false;
    m_selectedRow = nullptr;
    m_totalTime = 0;
    ui->label_TotalTime->setText(QStringLiteral("0 MS"));
    ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    emit sigMacroListHaveChanged(QString(), QString());
    m_pressCount = 0;
}

void DMacroPage::onModifyMacroItemNameIsEmpty()
{
    showNotice(tr("Macro name can't be empty"));
}

void DMacroPage::onModifyMacroItemNameSuccess()
{
    showNotice(tr("Modify macro name successful"));
}

void DMacroPage::onModifyMacroItemNameFailed()
{
    showNotice(tr("Modify macro name failed"));
}

void DMacroPage::emitMacroListChanged()
{
    emit sigMacroListHaveChanged(m_currentMacroIndex, m_currentMacroName);
}

QString DMacroPage::presentMacroName() const
{
    return m_currentMacroRow ? m_currentMacroRow->macroName() : m_currentMacroName;
}

// ---- closing ------------------------------------------------------------------------

bool DMacroPage::switchHook(bool on)
{
    return DDataManager::getInstance()->emitHookRuningStrtusCtrlMacroRecord(on);
}

// Every way the dialog closes ends here once: the hook lets the keyboard go,
// a recording still running is dropped, and the main window hears of it.
void DMacroPage::closeOnce()
{
    if (m_closing)
        return;
    m_closing = true;
    m_isRecording = false;
    discardRecordedEvents();
    switchHook(false);
    emit sigMacroPageClose();
}

void DMacroPage::on_pushButton_Close_clicked()
{
    closeOnce();
    close();
}

void DMacroPage::reject()
{
    // While recording the key belongs to the recording, not to the dialog.
    if (m_isRecording)
        return;
    closeOnce();
    QDialog::reject();
}

void DMacroPage::closeEvent(QCloseEvent *event)
{
    qDebug() << "------------------------- *** [DMacroPage] closeEvent *** -------------------------";
    closeOnce();
    // Not the dialog's own handling, which asks reject(): a window-manager
    // close or quitting closes also while recording.
    event->accept();
}

void DMacroPage::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int w = contentsRect().width();
    ui->frame_Left->setMaximumWidth((w / 10) * 3);
    ui->frame_Center->setMaximumWidth((w / 10) * 4);
    ui->frame_Right->setMaximumWidth((w / 10) * 3);
}

// ---- key fields and the record button ------------------------------------------------

bool DMacroPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_Record) {
        switch (event->type()) {
        case QEvent::Enter:
            m_ignoreMouse = true;
            break;
        case QEvent::Leave:
            m_ignoreMouse = false;
            break;
        case QEvent::MouseButtonRelease:
            toggleRecording();
            break;
        default:
            break;
        }
    } else if (watched == ui->lineEdit_EnterKey || watched == ui->lineEdit_PressKey) {
        // A recording owns the hook: focus moving between the fields (or
        // away, as the panels are disabled) must not switch it.
        if (event->type() == QEvent::FocusIn && !m_isRecording && !m_closing) {
            m_ignoreMouse = true;
            switchHook(true);
        } else if (event->type() == QEvent::FocusOut && !m_isRecording && !m_closing) {
            switchHook(false);
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- theme --------------------------------------------------------------------------

void DMacroPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollBarSheet);
}

void DMacroPage::updateAppTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColor theme = data->themeColor();

    // The stacked widgets polished their first pages while the form was
    // built. A sheet set on a frame that is not polished yet never reaches
    // its polished children (they would keep the system's black text), so
    // the whole form is polished before the sheets come.
    ensurePolished();
    applyEditorDialogTheme(theme, m_notice, kNoticePixelSize, ui->frame_Bg, ui->frame_Title, ui->frame_TipArea,
                           QStringLiteral(" background: transparent;"));
    ui->frame_LogoSet->setStyleSheet(
        QStringLiteral("QFrame#frame_LogoSet{border: none; border-image: url(:/images/lumtarLogo.png);}"));

    // The lists lie on the frames' own colour: the dialog's window is
    // translucent, so a see-through list would show whatever is behind it.
    // The rows' looks ride on the same sheets: set once here, shared by
    // every row instead of parsed again for each.
    const QString listBackground = QStringLiteral("background-color: rgb(%1); border: none;").arg(theme.MacroLeftBgColor);
    ui->frame_29->setStyleSheet(
        QStringLiteral("QFrame#frame_29{background-color: rgb(%1); border: none;}"
                       "QFrame#frame_3{border: 2px solid rgb(%2); border-radius: 12px;}"
                       "QLabel#label_MacroGroup{color: rgb(%3);}"
                       "QScrollArea#scrollArea_2, QWidget#scrollAreaWidgetContents_2, "
                       "QWidget#qt_scrollarea_viewport{%4}")
            .arg(theme.MacroLeftBgColor, theme.MacroBorderColor, theme.TextCheckedColor, listBackground)
        + DMacroListItem::listStyleSheet(theme));
    ui->frame_Center->setStyleSheet(
        QStringLiteral("QFrame#frame_Center{background-color: rgb(%1); border: none;}"
                       "QFrame#frame_5{background-color: rgb(%2); border: 2px solid rgb(%3); border-radius: 12px;}"
                       "QLabel#label_12, QLabel#label_14{color: rgb(%4);}"
                       "QLabel#label_TotalTime{color: rgb(%5); font: 75 11pt \"%6\";}"
                       "QScrollArea#scrollArea_3, QWidget#scrollAreaWidgetContents_3, "
                       "QWidget#qt_scrollarea_viewport{%7}")
            .arg(theme.MacroCenterBgColor, theme.MacroLeftBgColor, theme.MacroBorderColor, theme.TextCheckedColor,
                 theme.TextDefaultColor, theme.TextFont, listBackground)
        + DCatchKeyAndMouseItem::listStyleSheet(theme));

    const QString radios =
        QStringLiteral("QRadioButton{color: rgb(%1); font: 75 10pt \"%3\";}"
                       "QRadioButton:checked{color: rgb(%2);}"
                       "QRadioButton::indicator{width: 8px; height: 8px; border: 2px solid rgb(%1); border-radius: 6px;}"
                       "QRadioButton::indicator:checked{background-color: rgb(%2); border: 2px solid rgb(255,255,255);}")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont);
    const auto lineEdits = [&theme](const QString &background) {
        return QStringLiteral("QLineEdit{color: rgb(%1); font: 75 8pt \"%2\"; background-color: rgb(%3); "
                              "border: 1px solid rgb(%4); border-radius: 4px;}"
                              "QLineEdit:hover, QLineEdit:focus{border: 1px solid rgb(%5);}")
            .arg(theme.TextDefaultColor, theme.TextFont, background, theme.MacroBorderColor, theme.TextCheckedColor);
    };
    ui->frame_24->setStyleSheet(
        QStringLiteral("QFrame#frame_24{background-color: rgb(%1); border: none;}"
                       "QFrame#frame_34{background-color: rgb(%1); border: 2px solid rgb(%2); border-radius: 12px;}"
                       "QLabel#label_10{color: rgb(%3);}"
                       "QLabel#label_11{color: rgb(%4); font: 75 11pt \"%5\";}")
            .arg(theme.MacroLeftBgColor, theme.MacroBorderColor, theme.TextCheckedColor, theme.TextDefaultColor,
                 theme.TextFont)
        + radios + lineEdits(theme.MacroLeftBgColor));
    const QString panels =
        QStringLiteral("QFrame#frame_6, QFrame#frame_9{background-color: rgb(%1); border: none;}"
                       "QFrame#frame_8, QFrame#frame_13{background-color: rgb(%2); border: 2px solid rgb(%3); "
                       "border-radius: 12px;}"
                       "QLabel{color: rgb(%4);}"
                       "QLabel#label_InsertMacro, QLabel#label_Property{color: rgb(%5);}"
                       "QPushButton{border-radius: 8px; border: 2px solid rgb(%3); background-color: rgb(%1); "
                       "color: rgb(%4);}"
                       "QPushButton:hover{border: 2px solid rgb(%5);}"
                       "QPushButton:pressed{border: 2px solid rgb(%5); color: rgb(%5);}")
            .arg(theme.MacroRightBgColor, theme.MacroLeftBgColor, theme.MacroBorderColor, theme.TextDefaultColor,
                 theme.TextCheckedColor);
    ui->frame_Right->setStyleSheet(QStringLiteral("QFrame#frame_Right{background-color: rgb(%1); border: none;}")
                                       .arg(theme.MacroCenterBgColor)
                                   + panels + radios + lineEdits(theme.MacroRightBgColor));
    ui->lineEdit_EnterKey->setStyleSheet(lineEdits(theme.MacroRightBgColor));
    ui->lineEdit_PressKey->setStyleSheet(lineEdits(theme.MacroRightBgColor));

    ui->pushButton_Close->setStyleSheet(
        iconButtonSheet(":/images/mainpage/closeWindowDef.png", ":/images/mainpage/closeWindowSel.png"));
    ui->pushButton_Import->setStyleSheet(iconButtonSheet(":/images/macro/downloadDef.png", ":/images/macro/downloadSel.png"));
    ui->pushButton_Add->setStyleSheet(iconButtonSheet(":/images/macro/addDef.png", ":/images/macro/addSel.png"));
    ui->pushButton_ClearMacroLst->setStyleSheet(
        iconButtonSheet(":/images/macro/clearMacroDef.png", ":/images/macro/clearMacroSel.png"));
    ui->pushButton_MoveUp->setStyleSheet(iconButtonSheet(":/images/macro/moveUpDef.png", ":/images/macro/moveUpSel.png"));
    ui->pushButton_MoveDown->setStyleSheet(
        iconButtonSheet(":/images/macro/moveDownDef.png", ":/images/macro/moveDownSel.png"));
    ui->pushButton_2->setStyleSheet(
        QStringLiteral("QPushButton{border: none; background: transparent; border-image: url(:/images/macro/timeDef.png);}"
                       "QPushButton:hover, QPushButton:pressed{border-image: url(:/images/macro/timeSel.png);}"));

    m_scrollBarSheet =
        QStringLiteral("QScrollBar:vertical{width: 4px; background: rgb(%1); margin: 3px 0px 3px 0px; border: none; "
                       "border-radius: 3px;}"
                       "QScrollBar::handle:vertical{min-height: 20px; border-radius: 2px; background: rgb(%2);}"
                       "QScrollBar::handle:vertical:hover{background: rgb(%3);}"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: none;}")
            .arg(theme.AllScrollBgColor, theme.AllScrollBarColorDef, theme.AllScrollBarColorHover);
    ui->widget_5->setStyleSheet(m_scrollBarSheet);
    QTimer::singleShot(kDeferredLoadMs, this, &DMacroPage::onScrollSheetSet);

    const QFont bold = data->themeFont(0);
    const QFont normal = data->themeFont(1);
    QFont title = bold;
    title.setPointSize(12);
    for (QWidget *w : {static_cast<QWidget *>(ui->label_Title), static_cast<QWidget *>(ui->label_MacroGroup),
                       static_cast<QWidget *>(ui->label_10), static_cast<QWidget *>(ui->label_12),
                       static_cast<QWidget *>(ui->label_InsertMacro), static_cast<QWidget *>(ui->label_Property)})
        w->setFont(title);
    QFont buttons = bold;
    buttons.setPointSize(11);
    ui->pushButton_InsertMacro->setFont(buttons);
    ui->pushButton_ModifyMacro->setFont(buttons);
    m_pageFont = buttons;
    QFont empty = bold;
    empty.setPointSize(18);
    ui->label_14->setFont(empty);
    QFont small = normal;
    small.setPointSize(10);
    for (QWidget *w : {static_cast<QWidget *>(ui->label_5), static_cast<QWidget *>(ui->label_6),
                       static_cast<QWidget *>(ui->label_7), static_cast<QWidget *>(ui->label_2),
                       static_cast<QWidget *>(ui->label_4), static_cast<QWidget *>(ui->label_3),
                       static_cast<QWidget *>(ui->label_13), static_cast<QWidget *>(ui->label_SmallTip)})
        w->setFont(small);

    setRecordButtonLook(false);
}
