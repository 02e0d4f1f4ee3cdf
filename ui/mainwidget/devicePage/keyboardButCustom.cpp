#include "ui/mainwidget/devicePage/keyboardButCustom.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

namespace {
QColor withAlpha50(QColor c)
{
    c.setAlpha(50);
    return c;
}

struct ModelOutline {
    const char *model;
    int radius;
};
// Models whose key caps are round rather than square; the rest use radius 6.
const ModelOutline kModelOutlines[] = {
    {"LT-RoundCap", 22},
};
} // namespace

keyboardButCustom::keyboardButCustom(QWidget *parent)
    : QToolButton(parent)
{
}

void keyboardButCustom::setKeySize(int w, int h)
{
    m_width = w;
    m_height = h;
    setFixedSize(w, h);
}

void keyboardButCustom::setKeyPos(int x, int y)
{
    m_x = x;
    m_y = y;
}

void keyboardButCustom::setKeyInfo(int code, QString caption)
{
    m_keyCode = code;
    m_caption = caption;
}

void keyboardButCustom::setGridIndex(int row, int column)
{
    m_row = row;
    m_column = column;
}

void keyboardButCustom::setModelName(QString modelName)
{
    m_modelName = modelName;
}

void keyboardButCustom::setShapeType(int shapeType)
{
    m_shapeType = shapeType;
}

void keyboardButCustom::setSpecialShape(bool special)
{
    m_specialShape = special;
}

void keyboardButCustom::setEnterNotch(int notchWidth, int topHeight)
{
    m_notchWidth = notchWidth;
    m_topHeight = topHeight;
    m_remainingWidth = m_width - notchWidth;
    m_remainingHeight = m_height - topHeight;
}

void keyboardButCustom::setHoverFillColor(QColor color) { m_hoverFill = withAlpha50(color); }
void keyboardButCustom::setCheckedFillColor(QColor color) { m_checkedFill = withAlpha50(color); }
void keyboardButCustom::setMarkFillColor(QColor color) { m_markFill = withAlpha50(color); }
void keyboardButCustom::setHoverBorderColor(QColor color) { m_hoverBorder = color; }
void keyboardButCustom::setCheckedBorderColor(QColor color) { m_checkedBorder = color; }
void keyboardButCustom::setMarkBorderColor(QColor color) { m_markBorder = color; }

void keyboardButCustom::setThemeColors(QColor primary, QColor accent)
{
    m_checkedFill = withAlpha50(primary);
    m_checkedBorder = primary;
    m_hoverFill = withAlpha50(accent);
    m_hoverBorder = accent;
    m_markFill = withAlpha50(accent);
    m_markBorder = accent;
    m_highlight = accent;
    update();
}

void keyboardButCustom::setHovered(bool hovered) { m_hovered = hovered; update(); }
void keyboardButCustom::setSelected(bool selected) { m_selected = selected; update(); }
void keyboardButCustom::setMarked(bool marked) { m_marked = marked; update(); }
void keyboardButCustom::setCalibrationShow(bool show) { m_calibrationShow = show; update(); }
void keyboardButCustom::setTravelShow(bool show) { m_travelShow = show; update(); }

void keyboardButCustom::setTravelColors(QColor text, QColor press, QColor release, QColor pressAndRelease,
                                        QColor band, QString fontFamily)
{
    // Both rapid-trigger lines are drawn in their own colours; the
    // press-and-release colour has no line of its own on a key.
    Q_UNUSED(pressAndRelease);
    m_travelTextColor = text;
    m_travelPressColor = press;
    m_travelReleaseColor = release;
    m_travelBandColor = band;
    if (!fontFamily.isEmpty())
        m_travelFontFamily = fontFamily;
}

void keyboardButCustom::setChecked(bool checked, bool repaint)
{
    m_checked = checked;
    if (repaint)
        update();
}

void keyboardButCustom::setEditable(bool editable) { m_editable = editable; }
void keyboardButCustom::setHoverEnabled(bool enabled) { m_hoverEnabled = enabled; }
void keyboardButCustom::setLightMode(bool lightMode) { m_lightMode = lightMode; }
void keyboardButCustom::setLightColorShow(bool show) { m_lightColorShow = show; }

void keyboardButCustom::setLightColor(QColor color)
{
    if (!m_lightColorShow) {
        m_lightColor = QColor(0, 0, 0, 0);
        return;
    }
    // The light preview sets every key 33 times a second: repaint only a change.
    if (color == m_lightColor)
        return;
    m_lightColor = color;
    update();
}

void keyboardButCustom::setTravelValues(int selMode, int travel, int travelRelease, int quickTrigger,
                                        int quickTriggerPress, int quickTriggerRelease, bool repaint)
{
    m_selMode = selMode;
    m_travel = travel;
    m_travelRelease = travelRelease;
    m_quickTrigger = quickTrigger;
    m_quickTriggerPress = quickTriggerPress;
    m_quickTriggerRelease = quickTriggerRelease;
    if (repaint)
        update();
}

void keyboardButCustom::refresh()
{
    update();
}

QString keyboardButCustom::travelText(int tenthsOfMillimetre)
{
    return QString::number(tenthsOfMillimetre / 10.0, 'f', 1);
}

int keyboardButCustom::modelOutlineRadius(const QString &modelName)
{
    for (const ModelOutline &row : kModelOutlines) {
        if (modelName == QLatin1String(row.model))
            return row.radius;
    }
    return 0;
}

bool keyboardButCustom::isWheelOrRollerCode() const
{
    switch (m_keyCode) {
    case 800: case 801: case 802:
    case 850: case 851: case 852:
    case 901: case 902:
    case 950: case 951:
        return true;
    default:
        return false;
    }
}

QVector<keyboardButCustom::TravelLine> keyboardButCustom::travelPlan() const
{
    QVector<TravelLine> lines;
    if (!m_travelShow)
        return lines;
    const int W = m_width;
    const int H = m_height;
    const QRect left(1, H - 15, W / 2, 15);
    const QRect right(W / 2 + 2, H - 15, W / 2, 15);
    if (m_selMode == 12) {
        lines.append({left, travelText(m_quickTrigger), m_travelPressColor, 7});
        lines.append({right, travelText(m_quickTrigger), m_travelPressColor, 7});
    } else if (m_selMode == 13) {
        lines.append({left, travelText(m_quickTriggerPress), m_travelPressColor, 7});
        lines.append({right, travelText(m_quickTriggerRelease), m_travelReleaseColor, 7});
    }
    lines.append({QRect(1, H - 30, W, 15), travelText(m_travel), m_travelTextColor, 8});
    return lines;
}

QVector<keyboardButCustom::Outline> keyboardButCustom::outlinePlan() const
{
    const QColor transparent(0, 0, 0, 0);
    QVector<Outline> plan;

    if (m_calibrationShow) {
        plan.append({m_lightColor, (m_checked || m_hovered) ? m_highlight : transparent});
        return plan;
    }

    if (m_lightMode) {
        if (!m_hoverEnabled) {
            if (!m_specialShape && isWheelOrRollerCode())
                plan.append({transparent, transparent});
            else
                plan.append({m_lightColor, m_lightColor});
        } else if (m_lightColor.red() != 0 || m_lightColor.green() != 0 || m_lightColor.blue() != 0) {
            plan.append({m_lightColor, (m_hovered || m_selected) ? m_highlight : m_lightColor});
        } else {
            plan.append({transparent, (m_selected || m_hovered) ? m_highlight : transparent});
        }
        return plan;
    }

    if (m_marked)
        plan.append({m_markFill, m_markBorder});
    if (m_checked) {
        if (m_hovered)
            plan.append({m_hoverFill, m_hoverBorder});
        else
            plan.append({m_checkedFill, m_checkedBorder});
        return plan;
    }
    if (m_hovered && m_hoverEnabled)
        plan.append({m_hoverFill, m_hoverBorder});
    if (!m_editable)
        plan.append({QColor(200, 0, 0, 50), QColor(200, 0, 0)});
    return plan;
}

void keyboardButCustom::enterEvent(QEvent *event)
{
    m_hovered = true;
    emit sigCustomButMouseEnter();
    update();
    QToolButton::enterEvent(event);
}

void keyboardButCustom::leaveEvent(QEvent *event)
{
    m_hovered = false;
    emit sigCustomButMouseLeave();
    update();
    QToolButton::leaveEvent(event);
}

void keyboardButCustom::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    if (m_travelShow) {
        painter.fillRect(QRect(1, m_height - 15, m_width - 2, 15), m_travelBandColor);
        for (const TravelLine &line : travelPlan()) {
            painter.setFont(QFont(m_travelFontFamily, line.pointSize));
            painter.setPen(QPen(line.color, 1));
            painter.drawText(line.rect, Qt::AlignLeft, line.text);
        }
    }

    // Only a marked key asks for a (transparent) brush; the outlines otherwise
    // draw with whatever brush the painter holds.
    painter.setBrush(Qt::NoBrush);
    if (!m_calibrationShow && !m_lightMode && m_marked)
        painter.setBrush(Qt::transparent);
    for (const Outline &outline : outlinePlan())
        paintOutline(painter, outline);
}

void keyboardButCustom::paintOutline(QPainter &painter, const Outline &outline)
{
    if (m_specialShape) {
        if (m_shapeType == 1)
            paintNotchedOutline(painter, outline);
        return;
    }

    const int W = m_width;
    const int H = m_height;
    painter.fillRect(contentsRect().adjusted(1, 1, -1, -1), outline.fill);
    painter.setPen(QPen(outline.border, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const int radius = modelOutlineRadius(m_modelName);
    if (radius > 0) {
        const QRect r(1, 1, W - 2, H - 2);
        painter.drawRoundedRect(r, radius, radius, Qt::AbsoluteSize);
        painter.setBrush(outline.fill);
        painter.drawRoundedRect(r, radius, radius, Qt::AbsoluteSize);
    } else if (painter.brush().style() == Qt::NoBrush) {
        // The stroke of the outline, kept between paints: the light preview
        // repaints every key 33 times a second.
        if (m_outlineStrokeSize != QSize(W, H)) {
            m_outlineStroke = outlineStroke(QSize(W, H));
            m_outlineStrokeSize = QSize(W, H);
        }
        painter.fillPath(m_outlineStroke, outline.border);
    } else {
        painter.drawRoundedRect(QRect(0, 0, W, H), 6, 6, Qt::AbsoluteSize);
    }
}

QPainterPath keyboardButCustom::outlineStroke(QSize size)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(QPointF(0, 0), size), 6, 6, Qt::AbsoluteSize);
    QPainterPathStroker stroker;
    stroker.setWidth(3);
    stroker.setCapStyle(Qt::SquareCap);
    stroker.setJoinStyle(Qt::BevelJoin);
    return stroker.createStroke(outline);
}

void keyboardButCustom::paintNotchedOutline(QPainter &painter, const Outline &outline)
{
    const int W = m_width;
    const int H = m_height;
    const int a = m_notchWidth;
    const int b = m_topHeight;
    const int c = m_remainingWidth;

    painter.setPen(QPen(outline.border, 2));
    painter.drawLine(5, b, a - 5, b);
    painter.drawLine(a, b + 5, a, H - 5);

    painter.setPen(QPen(outline.border, 3));
    painter.drawLine(a + 5, H, W - 5, H);
    painter.drawLine(W, H - 5, W, 5);
    painter.drawLine(W - 5, 0, 5, 0);
    painter.drawLine(0, b - 5, 0, 5);

    auto arc = [&painter](int x, int y, int start) {
        painter.drawArc(QRect(x, y, 10, 10), start * 16, 90 * 16);
    };
    painter.setPen(QPen(outline.border, 2));
    arc(0, b - 10, -180);
    arc(a, H - 10, -180);
    arc(a - 10, b, 360);
    arc(W - 10, 0, 360);
    arc(0, 0, 90);
    arc(W - 10, H - 10, -90);

    painter.setPen(QPen(outline.fill, 2));
    arc(a - 8, b - 1, 360);

    painter.setPen(Qt::NoPen);
    painter.setBrush(outline.fill);
    painter.drawRoundedRect(QRect(2, 2, W - 4, b - 3), 6, 6, Qt::RelativeSize);
    painter.drawRoundedRect(QRect(a + 1, b - 1, c - 3, H - b - 1), 6, 6, Qt::RelativeSize);

    // Clickable only inside the L shape: wide at the top, notched at the lower left.
    const QPolygon shape({QPoint(0, b + 3), QPoint(a - 3, b + 3), QPoint(a - 3, H), QPoint(W, H),
                          QPoint(W, 0), QPoint(0, 0), QPoint(0, b)});
    setMask(QRegion(shape, Qt::OddEvenFill));
}
