#include "widgets/CustomButton.h"

#include <QPainter>
#include <QPixmap>

CustomButton::CustomButton(QWidget *parent)
    : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void CustomButton::setIconAndText(QString iconPath, QString caption)
{
    m_iconPath = iconPath;
    m_caption = caption;
    update();
}

void CustomButton::setSelected(bool selected)
{
    m_selected = selected;
    m_hovered = false;
    update();
}

QString CustomButton::selectedIconPath(const QString &iconPath)
{
    const int dot = iconPath.indexOf(QLatin1Char('.'));
    if (dot < 3)
        return iconPath;
    QString path = iconPath;
    path.replace(dot - 3, 3, QStringLiteral("Sel"));
    return path;
}

void CustomButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect r = contentsRect();

    if (m_selected) {
        painter.fillRect(r, m_selectedBg);
        // The stored path keeps its "Sel" form until the page sets the icon again.
        m_iconPath = selectedIconPath(m_iconPath);
        const QPixmap pixmap(m_iconPath); // a missing picture is a null pixmap: nothing drawn
        if (!pixmap.isNull())
            painter.drawPixmap(10, 10, pixmap.scaled(16, 16));
    } else {
        painter.fillRect(r, m_hovered ? m_hoverBg : m_normalBg);
        const QPixmap pixmap(m_iconPath);
        if (!pixmap.isNull())
            painter.drawPixmap(10, 10, pixmap.scaled(15, 15));
    }

    painter.setPen(QPen(m_selected ? m_selectedCaptionColor : m_captionColor, 1));
    painter.setFont(captionFont());
    painter.drawText(captionRect(), Qt::AlignLeft, m_caption);
}

QFont CustomButton::captionFont() const
{
    QFont f(m_captionFamily, 9);
    f.setBold(true);
    return f;
}

void CustomButton::enterEvent(QEvent *event)
{
    if (!m_selected) {
        m_hovered = true;
        update();
    }
    QToolButton::enterEvent(event);
}

void CustomButton::leaveEvent(QEvent *event)
{
    if (!m_selected) {
        m_hovered = false;
        update();
    }
    QToolButton::leaveEvent(event);
}

void CustomButton::setThemeColors(QColor selectedBackground, QColor hoverBackground, QColor normalBackground,
                                  QColor text, QColor selectedText, QString fontFamily)
{
    m_selectedBg = selectedBackground;
    m_hoverBg = hoverBackground;
    m_normalBg = normalBackground;
    m_captionColor = text;
    m_selectedCaptionColor = selectedText;
    m_captionFamily = fontFamily;
}
