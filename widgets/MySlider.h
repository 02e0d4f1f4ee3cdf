// A slider that only its handle moves: presses away from the handle and the
// mouse wheel are ignored, and a press never makes the value jump.
#ifndef MYSLIDER_H
#define MYSLIDER_H

#include <QSlider>

class MySlider : public QSlider
{
    Q_OBJECT
public:
    explicit MySlider(QWidget *parent = nullptr);

    void setHandleTolerance(int left, int right);
    void setHandleFromZero(bool fromZero);
    bool handleFromZero() const { return m_handleFromZero; }

    // Where the handle's centre lies along the slider, in widget pixels, as
    // the style places it (the minimum and an empty range are accounted for).
    int handlePosition() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_leftTolerance = 10;
    int m_rightTolerance = 5;
    bool m_handleFromZero = true;
};

#endif
