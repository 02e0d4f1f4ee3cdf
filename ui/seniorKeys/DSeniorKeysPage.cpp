#include "ui/seniorKeys/DSeniorKeysPage.h"

#include "sdk/include/LumtarXml.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "ui/seniorKeys/SeniorKeySlots.h"
#include "ui_DSeniorKeysPage.h"
#include "ui/EditorDialogTheme.h"
#include "widgets/CbNotice.h"
#include "widgets/LanguageChangeHook.h"
#include "widgets/ThemeColorText.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QTimer>

#include <cstring>
#include <list>

namespace {

constexpr int kDeferredLoadMs = 200;
constexpr int kNoticePixelSize = 24;

} // namespace

DSeniorKeysPage::DSeniorKeysPage(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DSeniorKeysPage)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(930, 650);
    std::memset(&m_currentRecord, 0, sizeof m_currentRecord);

    m_notice = new CbNotice(this);
    m_notice->setFontPixelSize(kNoticePixelSize);

    const auto setTexts = [this] {
        ui->label_Title->setText(tr("Senior Keys"));
        ui->pushButton_NewCreate->setText(tr("Create"));
        ui->radioButton_SingleKey->setText(tr("Single Key"));
        ui->radioButton_CombinationKeys->setText(tr("Key Combination"));
        ui->label_9->setText(tr("Hold"));
        ui->label_10->setText(tr("Click"));
        ui->label_13->setText(tr("Hold Duration"));
        ui->label_TipInfo->setText(tr("Senior keys is empty"));
        ui->label_MT_Explain->setText(
            tr("The key have two functions: holding down the key is one type, and clicking the key is one type."));
        ui->label_TGL_Explain->setText(tr("Click this key to switch continuous triggering on or off."));
        //: %1 is the page path "Key Custom->Senior Keys", built from the page names.
        ui->label_SmallTip->setText(tr("Tip: After the advanced key configuration is completed, please move to \"%1\" "
                                       "complete binding operation.")
                                        .arg(tr("Key Custom") + QStringLiteral("->") + tr("Senior Keys")));
    };
    setTexts();
    LanguageChangeHook::install(this, setTexts);

    DDataManager::getInstance()->copySeniorKeyXmlPath(m_xmlPath);

    for (QToolButton *button : {ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02, ui->toolButton_SeniorKey03,
                                ui->toolButton_SeniorKey04, ui->toolButton_HoldKey, ui->toolButton_ClickKey,
                                ui->toolButton_TglKey}) {
        button->setText(QString());
        button->installEventFilter(this);
    }
    ui->toolButton_ExplainInfo->installEventFilter(this);
    ui->toolButton_ExplainInfo02->installEventFilter(this);
    ui->stackedWidget_2->setCurrentWidget(ui->page_DKS);
    m_listLayout = ui->verticalLayout_11;

    setUpHoldDurationSlider();

    auto *kindGroup = new QButtonGroup(this);
    kindGroup->addButton(ui->radioButton_DKS, LUMTAR_SENIOR_DKS);
    kindGroup->addButton(ui->radioButton_MT, LUMTAR_SENIOR_MT);
    kindGroup->addButton(ui->radioButton_TGL, LUMTAR_SENIOR_TGL);
    ui->radioButton_DKS->setChecked(true);
    m_createKind = LUMTAR_SENIOR_DKS;
    connect(kindGroup, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onOperateTypeChanged);

    auto *dksGroup = new QButtonGroup(this);
    dksGroup->addButton(ui->toolButton_SeniorKey01, 1);
    dksGroup->addButton(ui->toolButton_SeniorKey02, 2);
    dksGroup->addButton(ui->toolButton_SeniorKey03, 3);
    dksGroup->addButton(ui->toolButton_SeniorKey04, 4);
    ui->toolButton_SeniorKey01->setChecked(true);
    m_currentKeyButton = ui->toolButton_SeniorKey01;
    m_currentSlot = 1;
    connect(dksGroup, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onSksSelKeyChanged);

    auto *mtGroup = new QButtonGroup(this);
    mtGroup->addButton(ui->toolButton_HoldKey, 1);
    mtGroup->addButton(ui->toolButton_ClickKey, 2);
    ui->toolButton_HoldKey->setChecked(true);
    connect(mtGroup, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onMtSelKeyChanged);

    updateAppTheme();
    prepareStrokeLinks();

    QTimer::singleShot(kDeferredLoadMs, this, &DSeniorKeysPage::onLoadDksPage);
}

DSeniorKeysPage::~DSeniorKeysPage()
{
    // The popup goes before the rest of the editor: its going must not reach
    // an editor that is half gone (its close handler touches the overlay).
    if (m_strokeView) {
        disconnect(m_strokeView, nullptr, this, nullptr);
        delete m_strokeView.data();
    }
    delete ui;
}

// ---- theme ------------------------------------------------------------------

void DSeniorKeysPage::updateAppTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColor theme = data->themeColor();

    applyEditorDialogTheme(theme, m_notice, kNoticePixelSize, ui->frame_Bg, ui->frame_Title, ui->frame_TipArea);
    ui->widget_SeniorKeySetting->setStyleSheet(
        QStringLiteral(
            "QFrame#widget_SeniorKeySetting{background-color: rgb(%1); border: none;}"
            "QLabel, QRadioButton, QLineEdit{color: rgb(%2); font: 10pt \"%3\";}"
            "QPushButton{color: rgb(%2); font: 10pt \"%3\"; border: 2px solid rgb(%4); border-radius: 8px;}"
            "QPushButton:hover{border: 2px solid rgb(%5);}"
            "QRadioButton:checked{color: rgb(%5);}"
            "QRadioButton::indicator{width: 10px; height: 10px; border: 2px solid rgb(%4); border-radius: 7px;}"
            "QRadioButton::indicator:checked{background-color: rgb(%5); border: 2px solid rgb(240, 240, 255);}"
            "QFrame#frame_Left{border: none; border-right: 2px solid rgb(%4);}"
            "QFrame#frame_TypeSel{border: none; border-bottom: 2px solid rgb(%4);}"
            "QFrame#frame_SeniorKeyEventList{border: none; border-top: 2px solid rgb(%4);}"
            "QFrame#frame_11{border: none; border-bottom: 2px solid rgb(%4);}"
            "QScrollArea#scrollArea_2, QScrollArea#scrollArea_3{background-color: rgba(0, 0, 0, 1); border: none;}")
            .arg(theme.MacroRightBgColor, theme.TextDefaultColor, theme.TextFont, theme.MacroBorderColor,
                 theme.TextCheckedColor));
    // The lists' content widgets carry sheets of their own in the form (a
    // fixed dark ground), and a widget's own sheet wins over its parents':
    // they are replaced here, so the record list and the all-keys picker lie
    // on the same theme ground as the rest of the page, the one their
    // theme-coloured texts are chosen for. A see-through ground would show
    // what lies behind the translucent dialog.
    for (QWidget *contents : {ui->scrollAreaWidgetContents_2, ui->scrollAreaWidgetContents_3}) {
        contents->setStyleSheet(QStringLiteral("QWidget#%1{background-color: rgb(%2); border: none;}")
                                    .arg(contents->objectName(), theme.MacroRightBgColor));
    }
    ui->widget_DksSetting->setStyleSheet(
        QStringLiteral("QLabel{color: rgb(%1); font: 8pt \"%2\";}").arg(theme.TextDefaultColor, theme.TextFont));
    const QString keyButtons =
        QStringLiteral("QToolButton{color: rgb(%1); font: 8pt \"%2\"; border: 1px solid rgb(%1); border-radius: 6px;}"
                       "QToolButton:hover, QToolButton:checked{border: 1px solid rgb(%3);}")
            .arg(theme.TextDefaultColor, theme.TextFont, theme.TextCheckedColor);
    ui->frame_8->setStyleSheet(keyButtons);
    ui->frame_13->setStyleSheet(keyButtons);
    ui->frame_20->setStyleSheet(keyButtons);
    ui->horizontalSlider_HoldDuration->setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal{height: 6px; border-radius: 3px; background: rgb(%1);}"
                       "QSlider::sub-page:horizontal{border-radius: 3px; background: rgb(%2);}"
                       "QSlider::handle:horizontal{width: 16px; height: 16px; margin: -5px 0px -5px 0px; "
                       "border-image: url(:/images/DKS/slider.png);}")
            .arg(theme.DeviceBorderColor, theme.TextCheckedColor));
    ui->label_TipInfo->setStyleSheet(
        QStringLiteral("QLabel#label_TipInfo{color: rgb(%1); font: 14pt \"%2\";}").arg(theme.TextCheckedColor, theme.TextFont));

    m_scrollBarSheet =
        QStringLiteral("QScrollBar:vertical{width: 4px; background: rgb(%1); margin: 3px 0px 3px 0px; border: none;}"
                       "QScrollBar::handle:vertical{min-height: 20px; border-radius: 2px; background: rgb(%2);}"
                       "QScrollBar::handle:vertical:hover{background: rgb(%3);}"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: none;}")
            .arg(theme.AllScrollBgColor, theme.AllScrollBarColorDef, theme.AllScrollBarColorHover);
    QTimer::singleShot(kDeferredLoadMs, this, &DSeniorKeysPage::onScrollSheetSet);

    const QFont bold = data->themeFont(0);
    const QFont normal = data->themeFont(1);
    QFont title = bold;
    title.setPointSize(12);
    ui->label_Title->setFont(title);
    ui->label_EventTotalNum->setFont(title);
    QFont small = normal;
    small.setPointSize(8);
    ui->label_Stroke02->setFont(small);
    ui->label_Stroke03->setFont(small);
    QFont tip = normal;
    tip.setPointSize(10);
    ui->label_SmallTip->setFont(tip);

    m_linkColor = theme.TextCheckedColor;
    m_linkFont = theme.TextFont;
}

void DSeniorKeysPage::onScrollSheetSet()
{
    ui->widget_5->setStyleSheet(m_scrollBarSheet);
    ui->widget_6->setStyleSheet(m_scrollBarSheet);
}

// ---- the deferred load and the record list -------------------------------------

void DSeniorKeysPage::onLoadDksPage()
{
    if (m_allKeysPage)
        return;

    m_dksShowWidget = new DDksShowWidget(ui->widget_DksDrawPage);
    ui->horizontalLayout_8->addWidget(m_dksShowWidget);
    connect(m_dksShowWidget, &DDksShowWidget::sigDksPageMouseMovePointXY, this,
            &DSeniorKeysPage::onDksPageMouseMovePointXY);
    connect(m_dksShowWidget, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS, this,
            &DSeniorKeysPage::onTheSeniorKeyInfoStuNeedUpdate_DKS);

    m_keyNames.clear();
    m_allKeysPage = new DAllKeysShowPage(ui->scrollAreaWidgetContents_3);
    ui->verticalLayout_16->addWidget(m_allKeysPage);
    connect(m_allKeysPage, &DAllKeysShowPage::sigKeyListClicked, this, &DSeniorKeysPage::onKeyListClicked);
    m_keyNames = m_allKeysPage->keyNameMap();

    reloadSeniorKeyList(FirstLoad);
}

void DSeniorKeysPage::onDksPageMouseMovePointXY(int, int)
{
}

void DSeniorKeysPage::onOperateTypeChanged(int index)
{
    m_createKind = index;
}

void DSeniorKeysPage::clearSeniorKeyItems()
{
    while (m_listLayout->count() > 1) {
        QLayoutItem *item = m_listLayout->takeAt(0);
        if (QWidget *row = item->widget()) {
            row->hide();
            row->deleteLater();
        }
        delete item;
    }
}

void DSeniorKeysPage::reloadSeniorKeyList(int reason)
{
    clearSeniorKeyItems();
    m_currentRow = nullptr;

    std::list<SeniorKeyInfoStu> records;
    if (!CLumtarXML_SeniorKey_SelectAllInfoItem(m_xmlPath, &records)) {
        // The rows are gone: nothing is selected and edits wait for a
        // reload that reads the store again.
        //: Advanced keys stored out of the most the store holds.
        ui->label_EventTotalNum->setText(tr("%1/%2").arg(0).arg(SeniorKeyRecord::MaxRecords));
        m_rowMap.clear();
        return;
    }

    m_recordMap.clear();
    m_rowMap.clear();
    int selectId = 0;
    if (records.empty()) {
        ui->stackedWidget_Left->setCurrentWidget(ui->page_EmptyTipAll);
    } else {
        ui->stackedWidget_Left->setCurrentWidget(ui->page_SeniorKesOperate);
        for (const SeniorKeyInfoStu &record : records)
            m_recordMap.insert(record.id, SeniorKeyRecord::copied(record));
        if (reason == Created)
            selectId = m_recordMap.lastKey();
        else if ((reason == OtherDeleted || reason == EditRefused) && m_recordMap.contains(m_currentRecord.id))
            selectId = m_currentRecord.id;
        else
            selectId = m_recordMap.firstKey();
    }

    for (auto it = m_recordMap.cbegin(); it != m_recordMap.cend(); ++it) {
        auto *row = new DSeniorKeyEventListItem(ui->scrollAreaWidgetContents_2);
        row->setKeyNameMap(m_keyNames);
        row->setSeniorKeyInfo(it.value());
        connect(row, &DSeniorKeyEventListItem::sigDeleteSeniorKeyEventItem, this,
                &DSeniorKeysPage::onDeleteSeniorKeyEventItem);
        connect(row, &DSeniorKeyEventListItem::sigSeniorKeyEventItemClick, this,
                &DSeniorKeysPage::onSeniorKeyEventItemClick);
        m_listLayout->insertWidget(m_listLayout->count() - 1, row);
        m_rowMap.insert(it.key(), row);
        if (it.key() == selectId)
            m_currentRow = row;
    }

    if (m_currentRow)
        showSeniorKeyRecord(selectId);
    ui->label_EventTotalNum->setText(tr("%1/%2").arg(m_recordMap.size()).arg(SeniorKeyRecord::MaxRecords));
}

void DSeniorKeysPage::showSeniorKeyRecord(int id)
{
    for (DSeniorKeyEventListItem *row : qAsConst(m_rowMap))
        row->setSelectedStyle(row == m_currentRow);
    for (int hover = 1; hover <= SeniorKeySlots::TglButton; ++hover)
        setKeyButtonText(hover, QString());

    m_currentRecord = m_recordMap.value(id);
    fillDksLabels(m_currentRecord);
    m_currentSlot = 1;
    switch (m_currentRecord.kind) {
    case LUMTAR_SENIOR_DKS:
        ui->toolButton_SeniorKey01->setChecked(true);
        m_currentKeyButton = ui->toolButton_SeniorKey01;
        ui->stackedWidget_2->setCurrentWidget(ui->page_DKS);
        break;
    case LUMTAR_SENIOR_MT:
        ui->toolButton_HoldKey->setChecked(true);
        m_currentKeyButton = ui->toolButton_HoldKey;
        ui->stackedWidget_2->setCurrentWidget(ui->page_MT);
        break;
    case LUMTAR_SENIOR_TGL:
        ui->toolButton_TglKey->setChecked(true);
        m_currentKeyButton = ui->toolButton_TglKey;
        ui->stackedWidget_2->setCurrentWidget(ui->page_TGL);
        break;
    default:
        break;
    }
}

void DSeniorKeysPage::onSeniorKeyEventItemClick(int bindingIndex)
{
    if (auto *row = qobject_cast<DSeniorKeyEventListItem *>(sender()))
        m_currentRow = row;
    if (!m_currentRow || !m_recordMap.contains(bindingIndex))
        return;
    showSeniorKeyRecord(bindingIndex);
}

// ---- create and delete ------------------------------------------------------------

void DSeniorKeysPage::showNotice(const QString &text, QPoint centre)
{
    m_notice->showNotice(text, centre.isNull() ? rect().center() : centre);
}

bool DSeniorKeysPage::storeShownRecord()
{
    if (CLumtarXML_SeniorKey_ModifyInfoItem(m_xmlPath, m_currentRecord.kind, m_currentRecord))
        return true;
    qDebug().noquote() << "Advanced key" << m_currentRecord.id << "could not be stored";
    reloadSeniorKeyList(EditRefused);
    showNotice(tr("Modify senior keys failed"));
    return false;
}

void DSeniorKeysPage::on_pushButton_NewCreate_clicked()
{
    if (m_recordMap.size() >= SeniorKeyRecord::MaxRecords) {
        showNotice(tr("The number of senior keys has reached the maximum"));
        return;
    }
    // A new id, never one of a deleted record: keys bound to that record
    // must not start playing the new one.
    int id = 0;
    bool created = CLumtarXML_SeniorKey_NewId(m_xmlPath, &id);
    if (created)
        created = CLumtarXML_SeniorKey_AddInfoItem(m_xmlPath, m_createKind, SeniorKeyRecord::newRecord(id, m_createKind));
    if (!created) {
        qDebug().noquote() << "Create advanced key: the store cannot be read or written";
        reloadSeniorKeyList(EditRefused);
        showNotice(tr("Create senior keys failed"));
        return;
    }
    m_recordsChanged = true;
    showNotice(tr("Create senior keys successful"));
    reloadSeniorKeyList(Created);
}

void DSeniorKeysPage::onDeleteSeniorKeyEventItem(int keyType, int bindingIndex)
{
    if (!CLumtarXML_SeniorKey_DeleteInfoItem(m_xmlPath, keyType, bindingIndex)) {
        qDebug().noquote() << "Delete advanced key: record" << bindingIndex << "could not be deleted";
        reloadSeniorKeyList(EditRefused);
        showNotice(tr("Delete senior keys failed"));
        return;
    }
    m_recordsChanged = true;
    showNotice(tr("Delete senior keys successful"));
    reloadSeniorKeyList(bindingIndex == m_currentRecord.id ? ShownDeleted : OtherDeleted);
}

// ---- closing ------------------------------------------------------------------

void DSeniorKeysPage::announceClose()
{
    if (m_closeAnnounced)
        return;
    m_closeAnnounced = true;
    if (m_recordsChanged)
        DDataManager::getInstance()->emitSeniorKeysListItemHaveChanged();
    emit sigSeniorKeysPageClose();
}

void DSeniorKeysPage::on_pushButton_Close_clicked()
{
    close();
}

void DSeniorKeysPage::reject()
{
    close();
}

void DSeniorKeysPage::closeEvent(QCloseEvent *event)
{
    announceClose();
    event->accept();
}
