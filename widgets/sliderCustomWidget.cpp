#include "widgets/sliderCustomWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

sliderCustomWidget::sliderCustomWidget(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(130, 30);
}

void sliderCustomWidget::setSliderSize(int w, int h)
{
    setFixedSize(w, h);
    m_rightEnd = w - m_margin;
    m_knobY = h / 2 - 1;
    m_lineY = h / 2;
}

void sliderCustomWidget::setMargin(int margin)
{
    m_margin = margin;
}

void sliderCustomWidget::setSteps(int steps)
{
    if (steps == 0)
        return;
    m_steps = steps;
    m_ticks.clear();
    const int usable = width() - 2 * m_margin;
    const int spacing = usable / steps;
    for (int i = 0; i <= steps; ++i)
        m_ticks.append(m_margin + i * spacing);
    m_rightEnd = (usable % steps != 0) ? spacing * steps + m_margin : width() - m_margin;
    update();
}

void sliderCustomWidget::setCurrentIndex(int index)
{
    m_knobX = index * ((width() - 2 * m_margin) / m_steps) + m_margin;
    update();
}

void sliderCustomWidget::setLineColor(QColor color)
{
    m_lineColor = color;
    update();
}

void sliderCustomWidget::setTickColor(QColor color)
{
    m_tickColor = color;
    update();
}

void sliderCustomWidget::setKnobColor(QColor color)
{
    m_knobColor = color;
    update();
}

int sliderCustomWidget::tickNear(int x) const
{
    for (int i = 0; i < m_ticks.size(); ++i) {
        if (x - 5 < m_ticks.at(i) && m_ticks.at(i) < x + 5)
            return i;
    }
    return -1;
}

void sliderCustomWidget::mousePressEvent(QMouseEvent *event)
{
    const int x = event->x();
    m_lastPressX = x;

    const int near = tickNear(x);
    if (near >= 0) {
        m_knobX = m_ticks.at(near);
        emit sigBackCurrentPositionNum(near);
        update();
        return;
    }
    if (x == m_knobX)
        return;

    if (x > m_knobX) {
        for (int i = 0; i < m_ticks.size(); ++i) {
            if (m_ticks.at(i) > m_knobX) {
                m_knobX = m_ticks.at(i);
                emit sigBackCurrentPositionNum(i);
                break;
            }
        }
    } else {
        for (int i = m_ticks.size() - 1; i >= 0; --i) {
            if (m_ticks.at(i) < m_knobX) {
                m_knobX = m_ticks.at(i);
                emit sigBackCurrentPositionNum(i);
                break;
            }
        }
    }
    update();
}

void sliderCustomWidget::mouseMoveEvent(QMouseEvent *event)
{
    const int near = tickNear(event->x());
    if (near >= 0) {
        m_knobX = m_ticks.at(near);
        emit sigBackCurrentPositionNum(near);
    }
    update();
}

void sliderCustomWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QPen(m_lineColor, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawLine(m_margin, m_lineY, m_rightEnd, m_lineY);

    painter.setPen(QPen(m_tickColor, 3));
    for (int x : qAsConst(m_ticks))
        painter.drawLine(x, m_lineY - 3, x, m_lineY - 1);

    painter.setPen(Qt::NoPen);
    QRadialGradient gradient(QPointF(m_knobX, m_knobY), 6);
    gradient.setColorAt(0, m_knobColor);
    gradient.setColorAt(1, Qt::transparent);
    painter.setBrush(gradient);
    painter.drawEllipse(QPointF(m_knobX, m_knobY), 6, 6);
    painter.end();

    QWidget::paintEvent(event);
}
