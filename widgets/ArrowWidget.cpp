#include "widgets/ArrowWidget.h"

#include "core/DDataManager.h"
#include "platform/x11/TranslucentWindows.h"
#include "widgets/ThemeColorText.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPolygon>
#include <QScreen>
#include <QWindow>

namespace {

// The arrow's base (15 pixels) stays on the straight part of the panel's
// edge: the body starts 15 pixels in and has rounded corners of 5.
constexpr int kArrowMin = 20;
constexpr int kArrowRoom = 35;

} // namespace

ArrowWidget::ArrowWidget(int arrowDirection, QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::ToolTip);
    m_translucent = TranslucentWindows::available();
    if (m_translucent) {
        setAttribute(Qt::WA_TranslucentBackground);
        setWindowOpacity(0.9);
        auto *shadow = new QGraphicsDropShadowEffect(this);
        shadow->setOffset(0, 0);
        shadow->setColor(Qt::gray);
        shadow->setBlurRadius(15);
        setGraphicsEffect(shadow);
    }

    installEventFilter(this);
    m_arrowDirection = arrowDirection;
    m_backgroundColor = opaqueThemeColor(DDataManager::getInstance()->themeColor().AllBgColor);
}

QColor ArrowWidget::opaqueThemeColor(const QString &text)
{
    return themeRgb(text, 255);
}

void ArrowWidget::setWidgetSize(int width, int height)
{
    setFixedSize(width, height);
}

void ArrowWidget::setArrowPos(int x)
{
    m_arrowPos = x;
    updateMask();
}

ArrowWidget::Placement ArrowWidget::placeWithin(QPoint wanted, QSize size, int arrowPos, const QRect &area)
{
    Placement placement{wanted, arrowPos};
    if (!area.isValid())
        return placement;
    const auto keepIn = [](int wantedStart, int length, int start, int end) {
        // end is one past the area; a longer panel starts where the area does
        const int latest = end - length;
        return latest < start ? start : qBound(start, wantedStart, latest);
    };
    placement.topLeft.setX(keepIn(wanted.x(), size.width(), area.left(), area.left() + area.width()));
    placement.topLeft.setY(keepIn(wanted.y(), size.height(), area.top(), area.top() + area.height()));
    const int shift = placement.topLeft.x() - wanted.x();
    if (shift != 0 && size.width() - kArrowRoom >= kArrowMin)
        placement.arrowPos = qBound(kArrowMin, arrowPos - shift, size.width() - kArrowRoom);
    return placement;
}

void ArrowWidget::moveOnScreen(QPoint wanted, int arrowPos, QPoint target)
{
    QScreen *screen = QGuiApplication::screenAt(target);
    if (!screen && parentWidget() && parentWidget()->window()->windowHandle())
        screen = parentWidget()->window()->windowHandle()->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const Placement placement =
        placeWithin(wanted, size(), arrowPos, screen ? screen->availableGeometry() : QRect());
    setArrowPos(placement.arrowPos);
    move(placement.topLeft);
    update();
}

void ArrowWidget::setCenterWidget(QWidget *content)
{
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(content);
    layout->setSpacing(0);
    if (m_arrowDirection == 0)
        layout->setContentsMargins(15, 25, 15, 15);
    else
        layout->setContentsMargins(15, 15, 15, 15);
}

void ArrowWidget::setBackgroundColor(int r, int g, int b)
{
    m_backgroundColor = QColor(r, g, b, 255);
    update();
}

bool ArrowWidget::eventFilter(QObject *watched, QEvent *event)
{
    // Hidden only once: hiding must not report a second deactivation.
    if (watched == this && event->type() == QEvent::WindowDeactivate && isVisible()) {
        hide();
        emit sigArrowWidgetHide();
    }
    return QDialog::eventFilter(watched, event);
}

void ArrowWidget::enterEvent(QEvent *event)
{
    emit sigArrowWidgetMouseEnter();
    QDialog::enterEvent(event);
}

void ArrowWidget::leaveEvent(QEvent *event)
{
    emit sigArrowWidgetMouseLeave();
    QDialog::leaveEvent(event);
}

QPainterPath ArrowWidget::shapePath() const
{
    const int w = width();
    const int h = height();
    const int a = m_arrowPos;
    QPainterPath path;
    if (m_arrowDirection == 0) {
        path.addPolygon(QPolygon({QPoint(a, 25), QPoint(a + 7, 15), QPoint(a + 15, 25)}));
        path.addRoundedRect(QRect(15, 25, w - 30, h - 40), 5, 5, Qt::AbsoluteSize);
    } else {
        path.addPolygon(QPolygon({QPoint(a, h - 15), QPoint(a + 7, h), QPoint(a + 15, h - 15)}));
        path.addRoundedRect(QRect(15, 15, w - 30, h - 30), 5, 5, Qt::AbsoluteSize);
    }
    // Body and arrow overlap at the edge: fill their union, not their odd-even parts.
    path.setFillRule(Qt::WindingFill);
    return path;
}

void ArrowWidget::updateMask()
{
    // An opaque window shows nothing outside the panel and its arrow.
    if (!m_translucent)
        setMask(QRegion(shapePath().toFillPolygon().toPolygon()));
}

void ArrowWidget::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    updateMask();
}

void ArrowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_translucent);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_backgroundColor);
    painter.drawPath(shapePath());
}
