#include "widgets/BatteryItem.h"

#include <QPainter>

#include "widgets/UnitText.h"

BatteryItem::BatteryItem(QWidget *parent)
    : QLabel(parent)
{
}

void BatteryItem::setBatteryLevel(int level)
{
    level = qBound(0, level, 100);
    if (level <= 25)
        m_fillColor = QColor(255, 60, 0);
    else if (level <= 50)
        m_fillColor = QColor(200, 140, 0);
    else
        m_fillColor = QColor(100, 150, 100);
    if (!m_showText)
        m_fillColor = QColor(100, 150, 100);

    m_level = level;
    m_fillWidth = level / 4;
    update();
}

void BatteryItem::setShowText(bool show)
{
    m_showText = show;
}

void BatteryItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);

    painter.setPen(QColor(136, 205, 12, 255));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(0, 0, 29, 15), 2, 2, Qt::AbsoluteSize);
    painter.drawRect(QRect(29, 5, 1, 6));
    painter.drawRect(QRect(29, 5, 2, 6));

    painter.setPen(m_fillColor);
    painter.setBrush(m_fillColor);
    painter.drawRect(QRect(2, 2, m_fillWidth, 11));

    if (m_showText) {
        QFont f(QStringLiteral("Microsoft YaHei"), 7, 75, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        painter.setFont(f);
        painter.setPen(QColor(235, 245, 245, 255));
        painter.drawText(QRect(2, 2, 25, 11), Qt::AlignHCenter | Qt::AlignVCenter,
                         UnitText::percent(m_level));
    }
}
