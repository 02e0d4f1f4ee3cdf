#include "ui/mainwidget/devicePage/lightDeal/SVColorArea.h"

#include <QConicalGradient>
#include <QCursor>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

SVColorArea::SVColorArea(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(Side, Side);
    buildRingPixmap();
}

SVColorArea::~SVColorArea() = default;

void SVColorArea::buildRingPixmap()
{
    const int side = m_wheelDiameter + 20;
    m_wheelPixmap = QPixmap(side, side);
    m_wheelPixmap.fill(Qt::transparent);
    QPainter painter(&m_wheelPixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    QConicalGradient hues(Centre, Centre, -140);
    hues.setColorAt(0, QColor(0, 255, 0));
    hues.setColorAt(0.16, QColor(0, 255, 255));
    hues.setColorAt(0.32, QColor(0, 0, 255));
    hues.setColorAt(0.48, QColor(255, 0, 255));
    hues.setColorAt(0.64, QColor(255, 0, 0));
    hues.setColorAt(0.8, QColor(255, 255, 0));
    hues.setColorAt(1, QColor(0, 255, 0));
    painter.setBrush(hues);
    painter.drawEllipse(20, 20, m_wheelDiameter, m_wheelDiameter);

    QRadialGradient glow(Centre, Centre, 43, Centre, Centre);
    glow.setColorAt(0, QColor(255, 255, 255, 255));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(glow);
    painter.drawEllipse(m_wheelDiameter / 2 - 17, m_wheelDiameter / 2 - 18, m_wheelDiameter - 3, m_wheelDiameter - 3);
}

double SVColorArea::knobAngle() const
{
    return -(360.0 / (m_rotateMaximum - m_rotateMinimum)) * (m_rotateValue - m_rotateMinimum);
}

void SVColorArea::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawPixmap(0, 0, m_wheelPixmap);

        QConicalGradient bezel(50, 50, 83);
        bezel.setColorAt(0, QColor(255, 255, 255, 255));
        bezel.setColorAt(1, QColor(0, 0, 0, 255));
        QPen pen(QBrush(bezel), 6, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(10, 10, 100, 100);
        drawKnob(&painter);
    }
    QWidget::paintEvent(event);
}

void SVColorArea::drawKnob(QPainter *painter)
{
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->translate(Centre, Centre);
    const double angle = knobAngle();
    painter->rotate(angle);
    QLinearGradient gradient(0, 0, 16, 16);
    gradient.setColorAt(0, m_knobStartColor);
    gradient.setColorAt(1, m_knobEndColor);
    painter->setBrush(gradient);
    painter->drawEllipse(-10, -58, 16, 16);
    painter->restore();
    if (!m_grabbing)
        emit sigMoveingStatus(int(m_rotateValue), int(angle));
}

bool SVColorArea::isInDisc(const QPoint &point)
{
    const float dx = float(point.x() - Centre);
    const float dy = float(point.y() - Centre);
    return int(std::sqrt(dx * dx + dy * dy)) < DiscRadius;
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->pos();
    emit sigMouseIsPress(true);
    if (!isInDisc(p)) {
        m_pressedInside = false;
        ringValueFromPoint(p);
        return;
    }
    m_pressedInside = true;
    m_pressPos = p;
    m_saturation = qBound(0, p.x(), 255);
    m_value = qBound(0, 255 - p.y(), 255);
    emit svChangedSignal(m_hue, m_saturation, m_value);
    m_picking = true;
    print2();
    m_picking = false;
    m_rotateValue = 0;
    update();
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressedInside)
        return;
    ringValueFromPoint(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    emit sigMouseIsPress(false);
}

void SVColorArea::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
}

void SVColorArea::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
}

double SVColorArea::ringValueAt(const QPoint &point) const
{
    const QPointF c = rect().center();
    const double dx = point.x() - c.x();
    const double dy = point.y() - c.y();
    const double theta = std::atan2(dx, dy) * 180.0 / M_PI;
    double v = (360.0 / 2 + theta) * ((m_rotateMaximum - m_rotateMinimum) / 360.0) + m_rotateMinimum;
    if (v <= m_rotateMinimum)
        v = m_rotateMinimum;
    else if (v >= m_rotateMaximum)
        v = m_rotateMaximum;
    return v;
}

void SVColorArea::ringValueFromPoint(const QPoint &point)
{
    m_rotateValue = ringValueAt(point);
    update();
}

void SVColorArea::print2()
{
    // The pixel the user sees under the pointer. A disc press is always
    // inside the wheel, so that pixel is the wheel's own at the press point:
    // take it from the wheel's rendering, which works where reading the
    // screen is refused (Wayland, offscreen). Called outside a press it
    // reads under the pointer; a point outside the widget reads as white,
    // as a failed screen read does.
    const QPoint at = m_picking ? m_pressPos : mapFromGlobal(QCursor::pos());
    QRgb pixel = qRgb(255, 255, 255);
    if (rect().contains(at)) {
        // Rendering for the pick is no repaint of the screen: no knob report.
        m_grabbing = true;
        const QImage image = grab(QRect(at, QSize(1, 1))).toImage();
        m_grabbing = false;
        if (!image.isNull())
            pixel = image.pixel(0, 0);
    }
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    const QString hex = QStringLiteral("#%1%2%3")
                            .arg(QStringLiteral("%1").arg(r, 2, 16, QLatin1Char('0')).toUpper(),
                                 QStringLiteral("%1").arg(g, 2, 16, QLatin1Char('0')).toUpper(),
                                 QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper());
    emit sigGetRGB(r, g, b);
    emit sigGetHexRGB(hex);
}

void SVColorArea::hueChangedSlot(int hue)
{
    m_hue = hue;
    emit svChangedSignal(m_hue, m_saturation, m_value);
    update();
}

void SVColorArea::resetRotateValue()
{
    m_rotateValue = m_rotateMinimum;
    update();
}

void SVColorArea::setHue(int hue)
{
    m_hue = hue;
    update();
}

void SVColorArea::setSaturation(int saturation)
{
    m_saturation = saturation;
    update();
}

void SVColorArea::setValue(int value)
{
    m_value = value;
    update();
}

void SVColorArea::setHsv(int hue, int saturation, int value)
{
    m_hue = hue;
    m_saturation = saturation;
    m_value = value;
    update();
}

void SVColorArea::setColor(const QColor &color)
{
    m_hue = color.hsvHue();
    m_saturation = color.hsvSaturation();
    m_value = color.value();
    emit svChangedSignal(m_hue, m_saturation, m_value);
    update();
}

void SVColorArea::setKnobColor(const QColor &color)
{
    m_knobStartColor = color;
    update();
}
