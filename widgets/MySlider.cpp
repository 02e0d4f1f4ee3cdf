#include "widgets/MySlider.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

MySlider::MySlider(QWidget *parent)
    : QSlider(parent)
{
}

void MySlider::setHandleTolerance(int left, int right)
{
    m_leftTolerance = left;
    m_rightTolerance = right;
}

void MySlider::setHandleFromZero(bool fromZero)
{
    // Kept for the callers' sake: the style's geometry already measures the
    // handle from the minimum, so both settings place it the same way.
    m_handleFromZero = fromZero;
}

int MySlider::handlePosition() const
{
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
    if (orientation() == Qt::Horizontal) {
        const int span = qMax(0, groove.width() - handle.width());
        const int pos = QStyle::sliderPositionFromValue(minimum(), maximum(), value(), span, opt.upsideDown);
        return groove.x() + pos + handle.width() / 2;
    }
    const int span = qMax(0, groove.height() - handle.height());
    const int pos = QStyle::sliderPositionFromValue(minimum(), maximum(), value(), span, opt.upsideDown);
    return groove.y() + pos + handle.height() / 2;
}

void MySlider::mousePressEvent(QMouseEvent *event)
{
    const int x = orientation() == Qt::Horizontal ? event->x() : event->y();
    const int h = handlePosition();
    if (x < h - m_leftTolerance || x > h + m_rightTolerance) {
        event->ignore();
        return;
    }

    const int kept = value();
    QSlider::mousePressEvent(event);
    // A press on the groove would start paging the value: keep it where it was.
    setRepeatAction(QAbstractSlider::SliderNoAction);
    setValue(kept);
}

void MySlider::wheelEvent(QWheelEvent *event)
{
    event->accept();
}
