#include "ui/mainwidget/devicePage/trigger/DSensitivityShowWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <cstdlib>

#include "widgets/UnitText.h"

DSensitivityShowWidget::DSensitivityShowWidget(QWidget *parent)
    : QWidget(parent)
    , m_sliderC(QStringLiteral(":/images/device/Sensitivity/slider_C.png"))
    , m_sliderL(QStringLiteral(":/images/device/Sensitivity/slider_L.png"))
    , m_sliderR(QStringLiteral(":/images/device/Sensitivity/slider_R.png"))
{
    setThemeColors(m_c0, m_c1, m_c2, m_c3, m_c4);
}

QString DSensitivityShowWidget::mmText(int tenths)
{
    return UnitText::travel(tenths);
}

void DSensitivityShowWidget::setWidgetSize(int width, int height)
{
    m_w = width;
    m_h = height;
}

void DSensitivityShowWidget::setStepCount(int n)
{
    // Fewer than two steps leave no marker position; the scale keeps two.
    m_steps = qMax(n, MinSteps);
    m_pitch = m_h / m_steps - m_gap;
    m_positions.clear();
    for (int k = 1; k < m_steps; ++k)
        m_positions.append((m_pitch + m_gap) * k + 5);
}

void DSensitivityShowWidget::setMargin(int gap)
{
    m_gap = gap;
}

void DSensitivityShowWidget::setBarWidth(int width)
{
    m_barWidth = width;
}

void DSensitivityShowWidget::setThemeColors(QColor c0, QColor c1, QColor c2, QColor c3, QColor c4)
{
    m_c0 = c0;
    m_c1 = c1;
    m_c2 = c2;
    m_c3 = c3;
    m_c4 = c4;
    m_r = c1.red();
    m_g = c1.green();
    m_b = c1.blue();
    auto darkening = [this](int v) { return v / 2 > m_steps ? (v / 2) / m_steps : 0; };
    m_dr = darkening(m_r);
    m_dg = darkening(m_g);
    m_db = darkening(m_b);
    update();
}

QColor DSensitivityShowWidget::liveColor(int i) const
{
    return QColor(qMax(0, m_r - i * m_dr), qMax(0, m_g - i * m_dg), qMax(0, m_b - i * m_db), 255);
}

int DSensitivityShowWidget::clampStep(int s) const
{
    return qBound(1, s, m_steps - 1);
}

int DSensitivityShowWidget::positionOf(int step) const
{
    if (m_positions.isEmpty())
        return 0;
    return m_positions.at(clampStep(step) - 1);
}

void DSensitivityShowWidget::setCenterStep(int s)
{
    m_centerY = positionOf(s);
}

void DSensitivityShowWidget::setPressStep(int s)
{
    m_pressY = positionOf(s);
    m_lastPressY = m_pressY;
}

void DSensitivityShowWidget::setReleaseStep(int s)
{
    m_releaseY = positionOf(s);
    m_lastReleaseY = m_releaseY;
}

void DSensitivityShowWidget::setDynamicValue(int n)
{
    m_dynamicValue = n;
    update();
}

void DSensitivityShowWidget::setDualMarkerMode(bool on)
{
    m_dualMode = on;
    update();
}

void DSensitivityShowWidget::setDynamicShow(bool on)
{
    m_dynamicShow = on;
    update();
}

void DSensitivityShowWidget::setMarkerOrderLocked(bool on)
{
    m_orderLocked = on;
}

int DSensitivityShowWidget::snapToStep(int y, int *step) const
{
    if (m_positions.isEmpty()) {
        *step = 1;
        return 0;
    }
    const int last = m_positions.size() - 1;
    if (y <= m_positions.first()) {
        *step = 1;
        return m_positions.first();
    }
    if (y >= m_positions.at(last)) {
        *step = last + 1;
        return m_positions.at(last);
    }
    int i = 1;
    while (m_positions.at(i) <= y)
        ++i;
    const int below = m_positions.at(i) - y;
    const int above = y - m_positions.at(i - 1);
    if (below > above) {
        *step = i;
        return m_positions.at(i - 1);
    }
    // A tie goes to the lower position, the larger travel.
    *step = i + 1;
    return m_positions.at(i);
}

int DSensitivityShowWidget::stepAt(int y) const
{
    int step = 1;
    snapToStep(y, &step);
    return step;
}

void DSensitivityShowWidget::drawLabel(QPainter &painter, const QColor &color, int x, int y, int tenths)
{
    painter.setPen(QPen(color, 1));
    painter.setFont(QFont(QStringLiteral("Microsoft YaHei"), 9));
    painter.drawText(QPoint(x, y), mmText(tenths));
}

void DSensitivityShowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const int x0 = columnLeft();
    const int x1 = columnRight();
    const QRect contents = contentsRect();
    painter.fillRect(QRect(x0, contents.top(), m_barWidth, contents.height()), m_c4);

    painter.setPen(Qt::NoPen);
    for (int i = 0; i < m_steps; ++i) {
        painter.setBrush(i == m_steps - 1 ? QColor(255, 0, 0, 0) : m_c0);
        painter.drawRoundedRect(QRect(x0, 5 + i * (m_pitch + m_gap), m_barWidth, m_pitch), 3, 3);
    }
    if (m_dynamicShow) {
        for (int i = 0; i < qMin(m_dynamicValue, m_steps); ++i) {
            painter.setBrush(liveColor(i));
            painter.drawRoundedRect(QRect(x0, 5 + i * (m_pitch + m_gap), m_barWidth, m_pitch), 3, 3);
        }
    }

    if (m_dualMode) {
        int y = snapToStep(m_pressY, &m_leftStep);
        if (m_orderLocked && y <= m_lastReleaseY) {
            y = m_lastPressY;
            m_leftStep = m_lastLeftStep;
            m_pressY = y;
        }
        emit sigCurrentStrengthNumBack(Left, m_leftStep);
        m_lastPressY = y;
        painter.drawPixmap(QRect(x0 - 19, y - 7, 10, 12), m_sliderL);
        drawLabel(painter, m_c3, x0 - 64, y + 4, m_leftStep);
        m_lastLeftStep = m_leftStep;

        y = snapToStep(m_releaseY, &m_rightStep);
        if (m_orderLocked && y >= m_lastPressY) {
            y = m_lastReleaseY;
            m_rightStep = m_lastRightStep;
            m_releaseY = y;
        }
        emit sigCurrentStrengthNumBack(Right, m_rightStep);
        m_lastReleaseY = y;
        painter.drawPixmap(QRect(x1 + 9, y - 7, 10, 12), m_sliderR);
        drawLabel(painter, QColor(255, 49, 53), x1 + 24, y + 4, m_steps - m_rightStep);
        m_lastRightStep = m_rightStep;
    } else {
        const int y = snapToStep(m_centerY, &m_centerStep);
        emit sigCurrentStrengthNumBack(Center, m_centerStep);
        painter.drawPixmap(QRect(m_w / 2 - 5, y - 6, 11, 11), m_sliderC);
        drawLabel(painter, m_c3, m_w / 2 - 5 + 28, y + 4, m_centerStep);
    }
}

void DSensitivityShowWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->pos();
    if (!m_dualMode) {
        m_dragging = true;
        m_centerY = p.y();
        update();
        return;
    }
    const int x0 = columnLeft();
    const int x1 = columnRight();
    if (p.x() > x0 - 20 && p.x() < x0) {
        m_activeMarker = Left;
        m_pressY = p.y();
        if (std::abs(p.x() - (x0 - 15)) < 7 && std::abs(p.y() - m_lastPressY) < 7) {
            m_dragging = true;
            return;
        }
    } else if (p.x() > x1 && p.x() < x1 + 20) {
        m_activeMarker = Right;
        m_releaseY = p.y();
        if (std::abs(p.x() - (x1 + 15)) < 7 && std::abs(p.y() - m_lastReleaseY) < 7) {
            m_dragging = true;
            return;
        }
    }
    update();
}

void DSensitivityShowWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    if (!m_dualMode)
        m_centerY = event->pos().y();
    else if (m_activeMarker == Left)
        m_pressY = event->pos().y();
    else if (m_activeMarker == Right)
        m_releaseY = event->pos().y();
    update();
}

void DSensitivityShowWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
    emit sigMouseReleaseOperate();
}
