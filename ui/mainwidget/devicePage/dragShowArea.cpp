#include "ui/mainwidget/devicePage/dragShowArea.h"

#include <QMouseEvent>
#include <QPainter>

dragShowArea::dragShowArea(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void dragShowArea::setColor(int r, int g, int b)
{
    m_r = r;
    m_g = g;
    m_b = b;
}

void dragShowArea::setSingleKeyMode(bool singleKey)
{
    m_singleKeyMode = singleKey;
}

void dragShowArea::setDragEnabled(bool enabled)
{
    m_enabled = enabled;
}

QColor dragShowArea::bandColor() const
{
    return QColor(m_r, m_g, m_b);
}

QPoint dragShowArea::clampedToContents(const QPoint &point) const
{
    const QRect contents = contentsRect();
    return QPoint(qBound(0, point.x(), contents.width()), qBound(0, point.y(), contents.height()));
}

QRect dragShowArea::bandRect() const
{
    if (!m_dragging)
        return QRect();
    // The band stays 2 pixels short of the pointer.
    int w = m_current.x() - m_start.x();
    int h = m_current.y() - m_start.y();
    if (w < 0)
        w += 2;
    if (h < 0)
        h += 2;
    if (w > 0)
        w -= 2;
    if (h > 0)
        h -= 2;
    return QRect(m_start.x(), m_start.y(), w, h);
}

void dragShowArea::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_enabled)
        return;
    if (!m_dragging) {
        emit sigDragShowAreaMouseMovePoint(event->x(), event->y());
        return;
    }
    m_current = clampedToContents(event->pos());
    update();
}

void dragShowArea::mousePressEvent(QMouseEvent *event)
{
    if (!m_enabled)
        return;
    if (event->button() == Qt::LeftButton) {
        if (m_singleKeyMode) {
            m_dragging = false;
            emit sigDragAreaMousePressOrRelease(true);
        } else {
            m_start = m_end = m_current = event->pos();
            m_dragging = true;
        }
    } else if (event->button() == Qt::RightButton) {
        emit sigDragArea(0, 0, 0, 0);
    }
}

void dragShowArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_enabled || event->button() != Qt::LeftButton)
        return;
    if (m_singleKeyMode) {
        emit sigDragAreaMousePressOrRelease(false);
        emit sigDragShowAreaMouseMovePoint(event->x(), event->y());
        return;
    }
    m_end = event->pos();
    m_dragging = false;
    update();
    m_end = clampedToContents(m_end);
    emit sigDragArea(m_start.x(), m_start.y(), m_end.x(), m_end.y());
}

void dragShowArea::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    if (!m_enabled || !m_dragging)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect band = bandRect();
    painter.fillRect(band, QColor(m_r, m_g, m_b, 100));
    painter.setPen(QPen(QColor(m_r, m_g, m_b, 255), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band);
}
