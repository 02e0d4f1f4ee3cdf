#include "ui/mainwidget/devicePage/keyboardButCustom.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <map>
#include <tuple>

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

// The travel display: room between its cap's edge and the text, and the
// smallest text it writes.
constexpr int kCapPadding = 1;
constexpr int kMinTextPixels = 6;
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

// The light preview no longer repaints every key on every tick, so a switch
// that changes the look repaints by itself.
void keyboardButCustom::setHoverEnabled(bool enabled)
{
    if (m_hoverEnabled == enabled)
        return;
    m_hoverEnabled = enabled;
    update();
}

void keyboardButCustom::setLightMode(bool lightMode)
{
    if (m_lightMode == lightMode)
        return;
    m_lightMode = lightMode;
    update();
}

void keyboardButCustom::setLightColorShow(bool show)
{
    if (m_lightColorShow == show)
        return;
    m_lightColorShow = show;
    setLightColor(m_previewColor);
}

void keyboardButCustom::setLightColor(QColor color)
{
    setLightColor(color, !window()->isMinimized());
}

void keyboardButCustom::setLightColor(QColor color, bool repaint)
{
    m_previewColor = color;
    if (!m_lightColorShow)
        color = QColor(0, 0, 0, 0);
    // The light preview sets every key 33 times a second, on every page:
    // repaint only a key whose outline changes with the colour and that can
    // be seen. The colour is kept all the same.
    if (color == m_lightColor)
        return;
    const QColor before = m_lightColor;
    m_lightColor = color;
    if (!repaint || !drawsLightColor() || !isVisible())
        return;
    if (outlinePlanWith(before) != outlinePlanWith(color))
        repaintThroughLayer();
}

bool keyboardButCustom::drawsLightColor() const
{
    return m_lightMode || m_calibrationShow;
}

void keyboardButCustom::repaintThroughLayer()
{
    // A key dirties its place on the key layer rather than itself: the
    // preview repaints up to 132 keys at once, and the window then paints
    // one region of the layer instead of keeping the books of 132 widgets.
    if (QWidget *layer = parentWidget())
        layer->update(geometry());
    else
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

QRect keyboardButCustom::travelCapRect() const
{
    // The notched Enter key carries its values in its full-height part.
    if (m_specialShape)
        return QRect(m_notchWidth + 1, 1, m_remainingWidth - 2, m_height - 2);
    return QRect(1, 1, m_width - 2, m_height - 2);
}

QVector<QRect> keyboardButCustom::travelRows() const
{
    const QRect cap = travelCapRect();
    const QRect inner = cap.adjusted(kCapPadding, kCapPadding, -kCapPadding, -kCapPadding);
    // A tall key (numpad Enter and +) keeps the rows of a one-unit key, centred.
    const int blockH = qMin(inner.height(), qMin(cap.width(), cap.height()) - 2 * kCapPadding);
    const int top = inner.top() + (inner.height() - blockH) / 2;
    QVector<QRect> rows;
    if (m_selMode == 12 || m_selMode == 13) {
        const int legendH = blockH * 3 / 10;
        const int travelH = blockH * 37 / 100;
        rows << QRect(inner.left(), top, inner.width(), legendH)
             << QRect(inner.left(), top + legendH, inner.width(), travelH)
             << QRect(inner.left(), top + legendH + travelH, inner.width(), blockH - legendH - travelH);
    } else {
        const int legendH = blockH * 9 / 20;
        rows << QRect(inner.left(), top, inner.width(), legendH)
             << QRect(inner.left(), top + legendH, inner.width(), blockH - legendH);
    }
    return rows;
}

int keyboardButCustom::fittingPixelSize(const QString &text, int maxPixels, int width, bool bold) const
{
    QFont font(m_travelFontFamily);
    font.setBold(bold);
    for (int px = qMax(maxPixels, kMinTextPixels); px > kMinTextPixels; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            return px;
    }
    return kMinTextPixels;
}

keyboardButCustom::TravelLine keyboardButCustom::legendLine() const
{
    const QRect row = travelRows().at(0);
    const QColor ink = m_travelBandColor.lightness() < 128 ? QColor(232, 232, 238) : QColor(28, 28, 32);
    const int px = fittingPixelSize(m_caption, row.height(), row.width(), false);
    return {row, m_caption, ink, px, false};
}

QVector<keyboardButCustom::TravelLine> keyboardButCustom::travelPlan() const
{
    QVector<TravelLine> lines;
    if (!m_travelShow)
        return lines;
    const QVector<QRect> rows = travelRows();
    if (rows.size() == 3) {
        const QRect band = rows.at(2);
        const int half = band.width() / 2;
        const QRect left(band.left(), band.top(), half, band.height());
        const QRect right(band.left() + half, band.top(), band.width() - half, band.height());
        const bool separate = m_selMode == 13;
        const QString pressText = travelText(separate ? m_quickTriggerPress : m_quickTrigger);
        const QString releaseText = travelText(separate ? m_quickTriggerRelease : m_quickTrigger);
        // The two values keep a quarter of their size clear on each side of
        // the rule between them (at least a pixel), so that they never read
        // as one number: the largest size that leaves it.
        int px = band.height();
        for (; px > kMinTextPixels; --px) {
            const int room = qMin(left.width(), right.width()) - 2 * qMax(1, px / 4);
            if (fittingPixelSize(pressText, px, room, false) == px && fittingPixelSize(releaseText, px, room, false) == px)
                break;
        }
        lines.append({left, pressText, m_travelPressColor, px, false});
        lines.append({right, releaseText, separate ? m_travelReleaseColor : m_travelPressColor, px, false});
    }
    const QRect row = rows.at(1);
    const QString text = travelText(m_travel);
    lines.append({row, text, m_travelTextColor, fittingPixelSize(text, row.height(), row.width(), true),
                  true});
    return lines;
}

QVector<keyboardButCustom::Outline> keyboardButCustom::outlinePlan() const
{
    return outlinePlanWith(m_lightColor);
}

QVector<keyboardButCustom::Outline> keyboardButCustom::outlinePlanWith(const QColor &light) const
{
    const QColor transparent(0, 0, 0, 0);
    QVector<Outline> plan;

    if (m_calibrationShow) {
        plan.append({light, (m_checked || m_hovered) ? m_highlight : transparent});
        return plan;
    }

    if (m_lightMode) {
        if (!m_hoverEnabled) {
            if (!m_specialShape && isWheelOrRollerCode())
                plan.append({transparent, transparent});
            else
                plan.append({light, light});
        } else if (light.red() != 0 || light.green() != 0 || light.blue() != 0) {
            plan.append({light, (m_hovered || m_selected) ? m_highlight : light});
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

    if (m_travelShow)
        paintTravelCap(painter);

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
        // The stroke of the outline is rendered once per key size; each
        // paint only blends it in the border colour, as filling the path
        // would (the light preview repaints keys 33 times a second).
        painter.drawImage(QPointF(0, 0), tintedStroke(QSize(W, H), devicePixelRatioF(), outline.border));
    } else {
        painter.drawRoundedRect(QRect(0, 0, W, H), 6, 6, Qt::AbsoluteSize);
    }
}

const QImage &keyboardButCustom::tintedStroke(QSize size, qreal pixelRatio, const QColor &color)
{
    // The stroke's coverage, rendered once per key size and pixel ratio (a
    // handful per keyboard and zoom), as the pixels it touches and their
    // alpha; the stroke in a colour is those pixels times the colour,
    // premultiplied, which is what a fill of the path blends.
    struct Stroke {
        QImage tinted;
        QVector<QPair<int, quint32>> cells; // pixel index, coverage
        QRgb colour = 0;
    };
    static std::map<std::tuple<int, int, int>, Stroke> strokes;
    Stroke &stroke = strokes[std::make_tuple(size.width(), size.height(), qRound(pixelRatio * 100))];
    if (stroke.tinted.isNull()) {
        QImage coverage(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
        coverage.setDevicePixelRatio(pixelRatio);
        coverage.fill(Qt::transparent);
        {
            QPainter painter(&coverage);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillPath(outlineStroke(size), Qt::white);
        }
        for (int y = 0; y < coverage.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(coverage.constScanLine(y));
            for (int x = 0; x < coverage.width(); ++x) {
                if (qAlpha(line[x]) != 0)
                    stroke.cells.append(qMakePair(y * coverage.width() + x, quint32(qAlpha(line[x]))));
            }
        }
        stroke.tinted = coverage;
        stroke.tinted.fill(Qt::transparent);
        stroke.colour = 0;
    }
    const QRgb premultiplied = qPremultiply(color.rgba());
    if (premultiplied != stroke.colour || stroke.colour == 0) {
        stroke.colour = premultiplied;
        const quint32 redBlue = premultiplied & 0xff00ff;
        const quint32 alphaGreen = (premultiplied >> 8) & 0xff00ff;
        QRgb *pixels = reinterpret_cast<QRgb *>(stroke.tinted.bits());
        for (const QPair<int, quint32> &cell : qAsConst(stroke.cells)) {
            quint32 t = redBlue * cell.second;
            t = ((t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
            quint32 u = alphaGreen * cell.second;
            u = (u + ((u >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
            pixels[cell.first] = u | t;
        }
    }
    return stroke.tinted;
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

void keyboardButCustom::paintTravelCap(QPainter &painter)
{
    // A cap of its own over the picture's, so the picture's legend never
    // runs into the values.
    const QRect cap = travelCapRect();
    const qreal radius = qMax(2.0, qMin(m_width, m_height) / 9.0);
    painter.save();
    // A selected or clicked key stands out by a cap of another shade as well
    // as by its outline.
    const bool dark = m_travelBandColor.lightness() < 128;
    const bool picked = m_selected || m_checked;
    const QColor fill = !picked ? m_travelBandColor : dark ? m_travelBandColor.lighter(165) : m_travelBandColor.darker(125);
    painter.setPen(QPen(m_travelBandColor.darker(160), 1));
    painter.setBrush(fill);
    if (m_specialShape && m_shapeType == 1) {
        QPainterPath shape;
        shape.setFillRule(Qt::WindingFill);
        shape.addRoundedRect(QRectF(1.5, 1.5, m_width - 3, m_topHeight - 3), radius, radius);
        shape.addRoundedRect(QRectF(cap).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        painter.drawPath(shape.simplified());
    } else if (!m_specialShape) {
        painter.drawRoundedRect(QRectF(cap).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    }
    QVector<TravelLine> lines = travelPlan();
    lines.prepend(legendLine());
    for (const TravelLine &line : lines) {
        QFont font(m_travelFontFamily);
        font.setPixelSize(line.pixelSize);
        font.setBold(line.bold);
        painter.setFont(font);
        painter.setPen(QPen(line.color, 1));
        const QFontMetrics metrics(font);
        const QString text = metrics.horizontalAdvance(line.text) <= line.rect.width()
                                 ? line.text
                                 : metrics.elidedText(line.text, Qt::ElideRight, line.rect.width());
        painter.drawText(line.rect, Qt::AlignCenter, text);
    }
    if (lines.size() == 4) {
        // A thin rule between the quick-trigger press and release values.
        const QRect right = lines.at(2).rect;
        QColor rule = lines.first().color;
        rule.setAlpha(110);
        painter.setPen(QPen(rule, 1));
        painter.drawLine(QPointF(right.left() + 0.5, right.top() + 2), QPointF(right.left() + 0.5, right.bottom() - 1));
    }
    painter.restore();
}
