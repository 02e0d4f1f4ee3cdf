// The lighting page's round colour picker: a colour disc inside a shaded
// bezel ring with a rotary knob. A press in the disc picks the colour shown
// under the pointer; a press or drag on the ring turns the knob (0..100).
#ifndef SVCOLORAREA_H
#define SVCOLORAREA_H

#include <QColor>
#include <QPixmap>
#include <QWidget>

class SVColorArea : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Side = 120;
    static constexpr int Centre = 60;
    static constexpr int DiscRadius = 40;

    explicit SVColorArea(QWidget *parent = nullptr);
    ~SVColorArea() override;

    void resetRotateValue();
    void setHue(int hue);
    void setSaturation(int saturation);
    void setValue(int value);
    void setHsv(int hue, int saturation, int value);
    void setColor(const QColor &color);
    void setKnobColor(const QColor &color);

    double rotateValue() const { return m_rotateValue; }
    bool isPressedInside() const { return m_pressedInside; }
    int hue() const { return m_hue; }
    int saturation() const { return m_saturation; }
    int value() const { return m_value; }
    // The knob position a point on the widget turns the knob to.
    double ringValueAt(const QPoint &point) const;
    // True when a press at the point falls in the colour disc.
    static bool isInDisc(const QPoint &point);

signals:
    void svChangedSignal(int hue, int saturation, int value);
    void sigGetRGB(int r, int g, int b);
    void sigGetHexRGB(QString strHexRGB);
    void sigMoveingStatus(int valueRotate, int degRotate);
    void sigMouseIsPress(bool isPress);

public slots:
    // Picks the colour shown under the pointer.
    void print2();
    void hueChangedSlot(int hue);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildRingPixmap();
    void drawKnob(QPainter *painter);
    void ringValueFromPoint(const QPoint &point);
    double knobAngle() const;

    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 0;
    int m_wheelDiameter = 80;
    QPixmap m_wheelPixmap;
    QColor m_knobStartColor{255, 49, 53, 255};
    QColor m_knobEndColor{250, 250, 250, 255};
    double m_rotateValue = 0;
    double m_rotateMaximum = 100;
    double m_rotateMinimum = 0;
    bool m_pressedInside = false;
    // Where the last press landed, in widget coordinates: the pointer's
    // place when the pick reads the wheel's own picture.
    QPoint m_pressPos;
    bool m_grabbing = false;
    bool m_picking = false; // print2 runs for a disc press
};

#endif
