// The advanced-key editor's kind pages beyond the key slots: the DKS trigger
// points with their popup, the DKS grid's edits, the MT hold duration, the
// TGL key, and the help popups.
#include "ui/seniorKeys/DSeniorKeysPage.h"

#include "sdk/include/LumtarXml.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/DSeniorKeysRecordExplainDia.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "ui/seniorKeys/SeniorKeySlots.h"
#include "ui_DSeniorKeysPage.h"
#include "widgets/ArrowWidget.h"

#include <QDebug>
#include <QEvent>
#include <QStackedWidget>

#include <algorithm>

namespace {

constexpr int kHoldDurationStep = 10; // milliseconds per slider unit

QString holdDurationText(int milliseconds)
{
    //: The hold duration of an MT key; %1 is a number of milliseconds.
    return DSeniorKeysPage::tr("%1ms").arg(milliseconds);
}
constexpr int kExplainWidth = 395;
constexpr int kExplainHeight = 320;
constexpr int kNoticeAbovePopup = 40; // pixels between a notice's middle and the popup's top

} // namespace

// ---- trigger points ---------------------------------------------------------

QString DSeniorKeysPage::strokeLinkText(const QString &text) const
{
    return QStringLiteral("<span style=\"font-family:'%1'; font-size:12pt; color:#ff6666;\"></span>"
                          "<a href=\"Company|%2|\" style=\"text-decoration: underline; font-size:8pt; color:rgb(%3);\">"
                          "%2</a>")
        .arg(m_linkFont, text.toHtmlEscaped(), m_linkColor);
}

void DSeniorKeysPage::prepareStrokeLinks()
{
    for (QLabel *label : {ui->label_Stroke01, ui->label_Stroke04}) {
        label->setTextFormat(Qt::RichText);
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        label->setAlignment(Qt::AlignCenter);
        label->setText(strokeLinkText(SeniorKeyRecord::travelText(10)));
    }
    connect(ui->label_Stroke01, &QLabel::linkActivated, this, &DSeniorKeysPage::onLickActivited_Stroke01);
    connect(ui->label_Stroke04, &QLabel::linkActivated, this, &DSeniorKeysPage::onLickActivited_Stroke04);
}

void DSeniorKeysPage::writeStrokeLabels(const SeniorKeyInfoStu &record)
{
    ui->label_Stroke01->setText(strokeLinkText(SeniorKeyRecord::travelText(record.triggerPoint[0])));
    ui->label_Stroke02->setText(SeniorKeyRecord::travelText(record.triggerPoint[1]));
    ui->label_Stroke03->setText(SeniorKeyRecord::travelText(record.triggerPoint[2]));
    ui->label_Stroke04->setText(strokeLinkText(SeniorKeyRecord::travelText(record.triggerPoint[3])));
}

void DSeniorKeysPage::fillDksLabels(const SeniorKeyInfoStu &record)
{
    const auto caption = [this, &record](int slot) {
        return SeniorKeySlots::caption(SeniorKeyRecord::slotText(record, slot), m_keyNames);
    };
    switch (record.kind) {
    case LUMTAR_SENIOR_DKS:
        for (int slot = 1; slot <= SeniorKeyRecord::SlotCount; ++slot)
            setKeyButtonText(slot, caption(slot));
        writeStrokeLabels(record);
        if (m_dksShowWidget)
            m_dksShowWidget->setSeniorKeyInfo(record);
        break;
    case LUMTAR_SENIOR_MT:
        setKeyButtonText(SeniorKeySlots::HoldButton, caption(1));
        setKeyButtonText(SeniorKeySlots::ClickButton, caption(2));
        ui->horizontalSlider_HoldDuration->setValue(record.holdDuration / kHoldDurationStep);
        ui->label_HoldDuration->setText(holdDurationText(record.holdDuration));
        break;
    case LUMTAR_SENIOR_TGL:
        setKeyButtonText(SeniorKeySlots::TglButton, record.toggleAssigned == 1 ? caption(1) : QString());
        break;
    default:
        break;
    }
}

void DSeniorKeysPage::onLickActivited_Stroke01(QString)
{
    openStrokeConfigView();
}

void DSeniorKeysPage::onLickActivited_Stroke04(QString)
{
    openStrokeConfigView();
}

void DSeniorKeysPage::openStrokeConfigView()
{
    if (!m_currentRow || m_strokeView)
        return;
    // One dimming overlay, shown under each popup.
    if (!m_strokeOverlay) {
        m_strokeOverlay = new QWidget(this, Qt::FramelessWindowHint);
        m_strokeOverlay->setObjectName(QStringLiteral("widget"));
        m_strokeOverlay->setStyleSheet(
            QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100); border-radius:0px;}"));
    }
    m_strokeOverlay->resize(size());
    m_strokeOverlay->raise();
    m_strokeOverlay->show();

    m_strokeView = new DStrokeConfigView(this);
    m_strokeView->setSeniorKeyInfo(m_currentRecord);
    connect(m_strokeView, &DStrokeConfigView::sigTheStrokeConfigViewClose, this,
            &DSeniorKeysPage::onTheStrokeConfigViewClose);
    connect(m_strokeView, &DStrokeConfigView::sigTheDKSStrokeStuChanged, this,
            &DSeniorKeysPage::onTheDKSStrokeStuChanged);
    connect(m_strokeView, &DStrokeConfigView::sigTheDKSStrokeStuRefused, this,
            &DSeniorKeysPage::onTheDKSStrokeStuRefused);
    // However the popup goes, the editor must not stay dimmed.
    connect(m_strokeView, &QObject::destroyed, this, &DSeniorKeysPage::onTheStrokeConfigViewClose);
    m_strokeView->move(pos().x() + (width() - m_strokeView->width()) / 2,
                       pos().y() + (height() - m_strokeView->height()) / 2);
    m_strokeView->setWindowModality(Qt::WindowModal);
    m_strokeView->show();
}

void DSeniorKeysPage::onTheStrokeConfigViewClose()
{
    if (m_strokeOverlay)
        m_strokeOverlay->hide();
}

void DSeniorKeysPage::onTheDKSStrokeStuChanged()
{
    auto *view = qobject_cast<DStrokeConfigView *>(sender());
    if (!view)
        return;
    m_currentRecord = view->seniorKeyInfo();
    if (m_dksShowWidget)
        m_dksShowWidget->setSeniorKeyInfo(m_currentRecord);
    m_recordMap.insert(m_currentRecord.id, m_currentRecord);
    writeStrokeLabels(m_currentRecord);
}

void DSeniorKeysPage::onTheDKSStrokeStuRefused()
{
    qDebug().noquote() << "Advanced key" << m_currentRecord.id << ": the trigger points could not be stored";
    reloadSeniorKeyList(EditRefused);
    // Above the popup, which covers the editor's middle.
    QPoint above = rect().center();
    if (m_strokeView)
        above.setY(std::max(kNoticeAbovePopup, (height() - m_strokeView->height()) / 2 - kNoticeAbovePopup));
    showNotice(tr("Modify senior keys failed"), above);
}

// ---- DKS grid ------------------------------------------------------------------

void DSeniorKeysPage::onTheSeniorKeyInfoStuNeedUpdate_DKS()
{
    if (!m_dksShowWidget)
        return;
    if (!m_currentRow) {
        // Nothing is shown (the store could not be read): the grid goes back.
        m_dksShowWidget->setSeniorKeyInfo(m_currentRecord);
        return;
    }
    m_currentRecord = m_dksShowWidget->seniorKeyInfo();
    m_recordMap.insert(m_currentRecord.id, m_currentRecord);
    storeShownRecord();
}

// ---- MT hold duration ------------------------------------------------------------

void DSeniorKeysPage::setUpHoldDurationSlider()
{
    MySlider *slider = ui->horizontalSlider_HoldDuration;
    slider->setMaximum(100);
    slider->setMinimum(15);
    slider->setValue(15);
    slider->setHandleTolerance(11, 15);
    slider->setHandleFromZero(false);
    ui->label_HoldDuration->setText(QStringLiteral("150ms"));
    connect(slider, &QSlider::valueChanged, this, &DSeniorKeysPage::onSliderHoldDurationValue);
    connect(slider, &QSlider::sliderReleased, this, &DSeniorKeysPage::onSliderHoldDurationReleased);
}

void DSeniorKeysPage::onSliderHoldDurationValue(int HoldDurationValue)
{
    ui->label_HoldDuration->setText(holdDurationText(HoldDurationValue * kHoldDurationStep));
}

void DSeniorKeysPage::onSliderHoldDurationReleased()
{
    if (!m_currentRow)
        return;
    m_currentRecord.holdDuration = ui->horizontalSlider_HoldDuration->value() * kHoldDurationStep;
    storeEdit(false);
}

// ---- hover: key buttons and help popups ------------------------------------------

bool DSeniorKeysPage::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Enter || type == QEvent::Leave) {
        if (watched == ui->toolButton_ExplainInfo || watched == ui->toolButton_ExplainInfo02) {
            if (type == QEvent::Leave) {
                if (m_explainPopup)
                    m_explainPopup->hide();
            } else if (watched == ui->toolButton_ExplainInfo) {
                showExplainPage1();
            } else {
                showExplainPage2();
            }
        } else {
            const int hover = hoverNumberOf(watched);
            if (hover != SeniorKeySlots::NoButton)
                m_hoveredKeyButton = type == QEvent::Enter ? hover : int(SeniorKeySlots::NoButton);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DSeniorKeysPage::showExplainPage1()
{
    showExplainPage(DSeniorKeysRecordExplainDia::RecordingModes);
}

void DSeniorKeysPage::showExplainPage2()
{
    showExplainPage(DSeniorKeysRecordExplainDia::Kinds);
}

void DSeniorKeysPage::showExplainPage(int type)
{
    if (!m_explainPopup) {
        // Made once and kept: a child window of the editor, gone with it.
        // It only shows text, so the pointer passes through it.
        m_explainPopup = new ArrowWidget(0, this);
        m_explainPopup->setWindowFlag(Qt::WindowTransparentForInput);
        m_explainPopup->setWidgetSize(kExplainWidth, kExplainHeight);
        m_explainPages = new QStackedWidget;
        for (int page : {int(DSeniorKeysRecordExplainDia::RecordingModes), int(DSeniorKeysRecordExplainDia::Kinds)}) {
            auto *help = new DSeniorKeysRecordExplainDia(page, m_explainPages);
            help->setWindowOpacity(1.0);
            m_explainPages->addWidget(help);
        }
        m_explainPopup->setCenterWidget(m_explainPages);
    }
    const bool modes = type == DSeniorKeysRecordExplainDia::RecordingModes;
    QToolButton *button = modes ? ui->toolButton_ExplainInfo : ui->toolButton_ExplainInfo02;
    m_explainPages->setCurrentIndex(modes ? 0 : 1);
    m_explainPopup->setArrowPos(modes ? 353 : 193);
    const QPoint bottomCentre = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    m_explainPopup->move(bottomCentre.x() - (modes ? 360 : 200), bottomCentre.y() - (button->height() - 11));
    m_explainPopup->show();
    m_explainPopup->update();
}
