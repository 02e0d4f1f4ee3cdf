#include "ui/mainwidget/devicePage/sideLightButtonCustom.h"

#include <QLinearGradient>
#include <QPainter>

sideLightButtonCustom::sideLightButtonCustom(QWidget *parent)
    : QToolButton(parent)
{
}

void sideLightButtonCustom::setSegmentSize(int w, int h)
{
    m_width = w;
    m_height = h;
    setFixedSize(w, h);
}

void sideLightButtonCustom::setSegmentPos(int x, int y)
{
    m_x = x;
    m_y = y;
    m_pos = QPoint(x, y);
}

void sideLightButtonCustom::setIndexInfo(int index, int validStatus)
{
    m_index = index;
    m_validStatus = validStatus;
}

void sideLightButtonCustom::setRounded(bool rounded)
{
    m_rounded = rounded;
}

void sideLightButtonCustom::setLightColor(QColor color)
{
    setLightColor(color, !window()->isMinimized());
}

void sideLightButtonCustom::setLightColor(QColor color, bool repaint)
{
    if (color == m_lightColor)
        return;
    m_lightColor = color;
    // A hidden segment takes no repaint, nor one in a minimised window. A
    // segment dirties its place on the key layer: the window then paints one
    // region of the layer for all segments and keys of a frame.
    if (!repaint || !isPainted() || !isVisible())
        return;
    if (QWidget *layer = parentWidget())
        layer->update(geometry());
    else
        update();
}

void sideLightButtonCustom::paintEvent(QPaintEvent *)
{
    if (!isPainted())
        return;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const bool horizontal = m_width > m_height;
    QLinearGradient gradient(0, 0, horizontal ? m_width : 0, horizontal ? 0 : m_height);
    gradient.setColorAt(0, Qt::transparent);
    gradient.setColorAt(0.5, m_lightColor);
    gradient.setColorAt(1, Qt::transparent);
    gradient.setSpread(QGradient::RepeatSpread);
    painter.setBrush(gradient);

    const QRect r(0, 0, m_width, m_height);
    if (horizontal && m_rounded) {
        const int radius = m_height / 2 - 1;
        painter.drawRoundedRect(r, radius, radius);
    } else {
        painter.drawRect(r);
    }
}
