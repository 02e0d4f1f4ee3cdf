#include "support/PaintedText.h"

#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionToolButton>
#include <QTextItem>
#include <QToolButton>

namespace {

// Paints `button` through its style in the given extra state onto `device`.
void paintButton(const QAbstractButton *button, QStyle::State extra, QPaintDevice *device)
{
    QPainter painter(device);
    painter.setFont(button->font());
    QStyle *style = button->style();
    const QStyle::State checked = button->isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (auto *tool = qobject_cast<const QToolButton *>(button)) {
        QStyleOptionToolButton option;
        option.initFrom(tool);
        option.state |= checked | extra | (tool->autoRaise() ? QStyle::State_AutoRaise : QStyle::State_Raised);
        option.text = tool->text();
        option.icon = tool->icon();
        option.iconSize = tool->iconSize();
        option.toolButtonStyle = tool->toolButtonStyle();
        option.arrowType = tool->arrowType();
        option.font = tool->font();
        option.subControls = QStyle::SC_ToolButton;
        option.activeSubControls = QStyle::SC_None;
        option.features = QStyleOptionToolButton::None;
        style->drawComplexControl(QStyle::CC_ToolButton, &option, &painter, tool);
        return;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.state |= checked | extra;
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (auto *push = qobject_cast<const QPushButton *>(button)) {
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
        else
            option.state |= QStyle::State_Raised;
        style->drawControl(QStyle::CE_PushButton, &option, &painter, push);
    } else if (qobject_cast<const QCheckBox *>(button)) {
        style->drawControl(QStyle::CE_CheckBox, &option, &painter, button);
    } else if (qobject_cast<const QRadioButton *>(button)) {
        style->drawControl(QStyle::CE_RadioButton, &option, &painter, button);
    }
}

} // namespace

QList<QFont> PaintedText::buttonFonts(const QAbstractButton *button)
{
    QList<QStyle::State> states = {QStyle::State_None, QStyle::State_MouseOver};
    if (button->isCheckable() && !button->isChecked())
        states << QStyle::State_On << (QStyle::State_On | QStyle::State_MouseOver);
    QList<QFont> fonts;
    for (QStyle::State state : qAsConst(states)) {
        PaintedText notes(button);
        paintButton(button, state, &notes);
        for (const QFont &font : notes.fonts()) {
            if (!fonts.contains(font))
                fonts << font;
        }
    }
    return fonts;
}

PaintedText::PaintedText(const QWidget *widget) : QPaintEngine(QPaintEngine::AllFeatures), m_widget(widget) {}

QPaintEngine *PaintedText::paintEngine() const
{
    // The device is its own engine.
    return const_cast<PaintedText *>(this);
}

int PaintedText::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_widget->width();
    case PdmHeight:
        return m_widget->height();
    case PdmWidthMM:
        return m_widget->widthMM();
    case PdmHeightMM:
        return m_widget->heightMM();
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return m_widget->logicalDpiX();
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return m_widget->logicalDpiY();
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

void PaintedText::drawTextItem(const QPointF &, const QTextItem &item)
{
    if (!item.text().trimmed().isEmpty())
        m_fonts << item.font();
}
