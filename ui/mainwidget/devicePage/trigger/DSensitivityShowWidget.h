// The travel scale of a magnetic key: a column of N equal segments from
// travel 0 at the top to the key's maximum travel at the bottom, one step
// 0.1 mm, with one centre marker (or a press and a release marker) that a
// press or a drag moves to a step. Every paint reports the step of each
// marker it draws; a mouse release ends an edit.
#ifndef DSENSITIVITYSHOWWIDGET_H
#define DSENSITIVITYSHOWWIDGET_H

#include <QColor>
#include <QPixmap>
#include <QVector>
#include <QWidget>

class DSensitivityShowWidget : public QWidget
{
    Q_OBJECT

public:
    enum Marker { Left = 0, Center = 1, Right = 2 };
    // The fewest steps the scale draws: a smaller count is raised to it.
    static constexpr int MinSteps = 2;

    explicit DSensitivityShowWidget(QWidget *parent = nullptr);

    void setWidgetSize(int width, int height);
    void setStepCount(int n);
    void setMargin(int gap);
    void setBarWidth(int width);
    void setThemeColors(QColor c0, QColor c1, QColor c2, QColor c3, QColor c4);
    // Marker steps are kept within 1 .. N - 1.
    void setCenterStep(int s);
    void setPressStep(int s);
    void setReleaseStep(int s);
    void setDynamicValue(int n);
    void setDualMarkerMode(bool on);
    void setDynamicShow(bool on);
    void setMarkerOrderLocked(bool on);

    int stepCount() const { return m_steps; }
    int pitch() const { return m_pitch; }
    int dynamicValue() const { return m_dynamicValue; }
    // The y of the marker positions, steps 1 .. N - 1.
    QVector<int> positions() const { return m_positions; }
    // The step a wanted y snaps to (1 .. N - 1).
    int stepAt(int y) const;
    // The colour of live-bar segment i.
    QColor liveColor(int i) const;
    int columnLeft() const { return m_w / 2 - m_barWidth / 2; }
    int columnRight() const { return m_w / 2 + m_barWidth / 2; }
    // "2.0mm": a travel in 0.1 mm with one decimal.
    static QString mmText(int tenths);

signals:
    void sigCurrentStrengthNumBack(int whereData, int StrengthNum);
    void sigMouseReleaseOperate();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int positionOf(int step) const;
    int clampStep(int s) const;
    // The y a marker is drawn at for a wanted y; stores its step in *step.
    int snapToStep(int y, int *step) const;
    void drawLabel(QPainter &painter, const QColor &color, int x, int y, int tenths);

    int m_w = 0;
    int m_h = 0;
    int m_steps = 10;
    int m_pitch = 0;
    int m_gap = 2;
    QColor m_c0{92, 92, 126};
    QColor m_c1{255, 143, 31};
    QColor m_c2{70, 70, 70};
    QColor m_c3{255, 143, 31};
    QColor m_c4{26, 27, 49};
    int m_barWidth = 100;
    int m_dynamicValue = 0;
    bool m_dualMode = false;
    bool m_dynamicShow = true;
    bool m_orderLocked = false;
    bool m_dragging = false;
    // A marker was moved by the mouse since the scale was last drawn.
    bool m_movedSinceDrawn = false;
    int m_centerY = 0;
    int m_pressY = 0;
    int m_releaseY = 0;
    int m_activeMarker = Center;
    QPixmap m_sliderC;
    QPixmap m_sliderL;
    QPixmap m_sliderR;
    QVector<int> m_positions;
    int m_lastPressY = -1;
    int m_lastReleaseY = -1;
    int m_r = 0, m_g = 0, m_b = 0;
    int m_dr = 0, m_dg = 0, m_db = 0;
    int m_centerStep = 0;
    int m_leftStep = 0;
    int m_rightStep = 0;
    int m_lastLeftStep = 0;
    int m_lastRightStep = 0;
};

#endif
