// A small stepped slider: a groove with ticks and a round knob that snaps to
// the ticks. It reports the index of the tick the user chose.
#ifndef SLIDERCUSTOMWIDGET_H
#define SLIDERCUSTOMWIDGET_H

#include <QColor>
#include <QList>
#include <QWidget>

class sliderCustomWidget : public QWidget
{
    Q_OBJECT
public:
    explicit sliderCustomWidget(QWidget *parent = nullptr);

    void setSliderSize(int w, int h);
    void setMargin(int margin);
    void setSteps(int steps);
    void setCurrentIndex(int index);
    void setLineColor(QColor color);
    void setTickColor(QColor color);
    void setKnobColor(QColor color);

    QList<int> ticks() const { return m_ticks; }
    int knobX() const { return m_knobX; }
    int knobY() const { return m_knobY; }
    int lineY() const { return m_lineY; }
    int rightEnd() const { return m_rightEnd; }
    int steps() const { return m_steps; }

signals:
    void sigBackCurrentPositionNum(int currPositionIndex);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Index of the first tick strictly within 5 pixels of x, or -1.
    int tickNear(int x) const;

    int m_steps = 5;
    int m_rightEnd = 120;
    QList<int> m_ticks;
    int m_lineY = 15;
    int m_knobX = 10;
    int m_knobY = 14;
    int m_lastPressX = 0;
    int m_margin = 10;
    QColor m_lineColor{138, 128, 128, 255};
    QColor m_tickColor{138, 128, 128, 255};
    QColor m_knobColor{255, 143, 31, 255};
};

#endif
