// The transparent overlay over the keyboard view: draws the rubber band
// while the user drags and turns mouse presses, moves and releases into
// signals for the device page. It lies over the view and shares its
// coordinates. Disabled, it ignores every event and paints nothing.
#ifndef DRAGSHOWAREA_H
#define DRAGSHOWAREA_H

#include <QPoint>
#include <QWidget>

class dragShowArea : public QWidget
{
    Q_OBJECT

public:
    explicit dragShowArea(QWidget *parent = nullptr);

    void setColor(int r, int g, int b);
    void setSingleKeyMode(bool singleKey);
    void setDragEnabled(bool enabled);

    bool isDragEnabled() const { return m_enabled; }
    bool isSingleKeyMode() const { return m_singleKeyMode; }
    bool isDragging() const { return m_dragging; }
    QColor bandColor() const;
    // The band painted while dragging, before its outline (empty otherwise).
    QRect bandRect() const;

signals:
    void sigDragArea(int startX, int startY, int endX, int endY);
    void sigDragShowAreaMouseMovePoint(int moveX, int moveY);
    void sigDragAreaMousePressOrRelease(bool isMousePress);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint clampedToContents(const QPoint &point) const;

    bool m_enabled = false;
    bool m_singleKeyMode = false;
    bool m_dragging = false;
    QPoint m_start;
    QPoint m_current;
    QPoint m_end;
    int m_r = 255;
    int m_g = 143;
    int m_b = 31;
};

#endif
