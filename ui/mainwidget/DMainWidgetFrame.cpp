// The main window's own frame: the resize edges of the frameless window
// with their cursors, dragging by the title bar, painting the two
// background bands, and what follows a resize or a close.
#include "ui/mainwidget/DMainWidget.h"
#include "ui_DMainWidget.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/DDataManager.h"
#include "ui/mainwidget/FirmwareWindowHost.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "widgets/ThemeColorText.h"

namespace {

const int kEdgeBand = 4;

} // namespace

// ---- edges, dragging and painting -------------------------------------------

DMainWidget::ResizeRegion DMainWidget::resizeRegionAt(const QPoint &global) const
{
    const QPoint topLeft = mapToGlobal(rect().topLeft());
    const QPoint bottomRight = mapToGlobal(rect().bottomRight());
    const int x = global.x();
    const int y = global.y();
    const bool left = topLeft.x() <= x && x <= topLeft.x() + kEdgeBand;
    const bool right = bottomRight.x() - kEdgeBand <= x && x <= bottomRight.x();
    const bool top = topLeft.y() <= y && y <= topLeft.y() + kEdgeBand;
    const bool bottom = bottomRight.y() - kEdgeBand <= y && y <= bottomRight.y();
    if (left && top)
        return LeftTop;
    if (right && bottom)
        return RightBottom;
    if (left && bottom)
        return LeftBottom;
    if (right && top)
        return RightTop;
    if (left)
        return Left;
    if (right)
        return Right;
    if (top)
        return Up;
    if (bottom)
        return Down;
    return None;
}

void DMainWidget::applyRegionCursor(ResizeRegion region)
{
    switch (region) {
    case Up:
    case Down: setCursor(Qt::SizeVerCursor); break;
    case Left:
    case Right: setCursor(Qt::SizeHorCursor); break;
    case LeftTop:
    case RightBottom: setCursor(Qt::SizeFDiagCursor); break;
    case LeftBottom:
    case RightTop: setCursor(Qt::SizeBDiagCursor); break;
    case None: setCursor(Qt::ArrowCursor); break;
    }
}

void DMainWidget::hitTestResizeEdge(int globalX, int globalY)
{
    if (m_leftButtonHeld)
        return;
    applyRegionCursor(resizeRegionAt(QPoint(globalX, globalY)));
}

void DMainWidget::updateResizeRegion(const QPoint &global)
{
    const ResizeRegion region = resizeRegionAt(global);
    m_resizeRegion = region;
    applyRegionCursor(region);
}

bool DMainWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_Main && event->type() == QEvent::Enter)
        setCursor(Qt::ArrowCursor);
    return QWidget::eventFilter(watched, event);
}

void DMainWidget::mousePressEvent(QMouseEvent *event)
{
    m_dragging = false;
    switch (event->button()) {
    case Qt::LeftButton:
        m_leftButtonHeld = true;
        if (ui->frame_4->geometry().contains(event->pos())) {
            m_dragOffset = event->globalPos() - frameGeometry().topLeft();
            event->accept();
            m_dragging = true;
        }
        break;
    case Qt::RightButton:
        break;
    default:
        QWidget::mousePressEvent(event);
        break;
    }
}

void DMainWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_leftButtonHeld = false;
        m_dragging = false;
        if (m_resizeRegion != None) {
            releaseMouse();
            setCursor(Qt::ArrowCursor);
            m_resizeRegion = None;
        }
    }
}

void DMainWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint g = event->globalPos();
    if (!m_leftButtonHeld) {
        updateResizeRegion(g);
    } else if (m_dragging || isMaximized() || isFullScreen()) {
        if (m_dragging && !isMaximized() && !isFullScreen()) {
            move(g - m_dragOffset);
            event->accept();
        }
    } else {
        const QPoint topLeft = mapToGlobal(rect().topLeft());
        const QPoint bottomRight = mapToGlobal(rect().bottomRight());
        QRect r(topLeft, bottomRight);
        auto applyLeft = [&]() {
            r.setLeft(bottomRight.x() - g.x() > minimumWidth() ? g.x() : topLeft.x());
        };
        auto applyUp = [&]() {
            r.setTop(bottomRight.y() - g.y() > minimumHeight() ? g.y() : topLeft.y());
        };
        switch (m_resizeRegion) {
        case Up: applyUp(); break;
        case Down: r.setHeight(g.y() - topLeft.y()); break;
        case Left: applyLeft(); break;
        case Right: r.setWidth(g.x() - topLeft.x()); break;
        case LeftTop:
            applyLeft();
            applyUp();
            break;
        case LeftBottom:
            r.setHeight(g.y() - topLeft.y());
            applyLeft();
            break;
        case RightBottom:
            r.setWidth(g.x() - topLeft.x());
            r.setHeight(g.y() - topLeft.y());
            break;
        case RightTop:
            r.setWidth(g.x() - topLeft.x());
            applyUp();
            break;
        default: break;
        }
        setGeometry(r);
    }
    QWidget::mouseMoveEvent(event);
}

void DMainWidget::paintEvent(QPaintEvent *event)
{
    const ThemeColor theme = DDataManager::getInstance()->themeColor();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect contents = contentsRect();
    painter.fillRect(QRect(0, 45, 231, contents.height()), themeRgb(theme.DeviceLeftBgColor, 255));
    painter.fillRect(QRect(231, 45, contents.width(), contents.height()), themeRgb(theme.DeviceRightBgColor, 255));
    painter.end();
    QWidget::paintEvent(event);
}

void DMainWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_overlay)
        m_overlay->resize(size());
    if (m_firmwareWindow)
        m_firmwareWindow->resizeOverlay();
    update();
}

void DMainWidget::closeEvent(QCloseEvent *event)
{
    if (m_devicePage)
        m_devicePage->stopBeforeClose();
    if (m_trayIcon)
        m_trayIcon->hide();
    QWidget::closeEvent(event);
}
