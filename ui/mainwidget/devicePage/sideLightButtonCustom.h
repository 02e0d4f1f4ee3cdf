// One segment of the side-light strip around the keyboard picture, painted as
// a soft gradient of its light colour along its long side.
#ifndef SIDELIGHTBUTTONCUSTOM_H
#define SIDELIGHTBUTTONCUSTOM_H

#include <QColor>
#include <QPoint>
#include <QToolButton>

class sideLightButtonCustom : public QToolButton
{
    Q_OBJECT
public:
    explicit sideLightButtonCustom(QWidget *parent = nullptr);

    void setSegmentSize(int w, int h);
    void setSegmentPos(int x, int y);
    void setIndexInfo(int index, int validStatus);
    void setRounded(bool rounded);
    void setLightColor(QColor color);
    // The same, repainting only when asked (not in a minimised window).
    void setLightColor(QColor color, bool repaint);

    int validStatus() const { return m_validStatus; }
    int segmentIndex() const { return m_index; }
    QPoint segmentPos() const { return m_pos; }
    QColor lightColor() const { return m_lightColor; }
    // A square segment has no long side and is never painted.
    bool isPainted() const { return m_width != m_height; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_width = 10;
    int m_height = 10;
    int m_x = 0;
    int m_y = 0;
    QPoint m_pos;
    int m_index = 0;
    int m_validStatus = 0;
    QColor m_lightColor{0, 0, 0, 128};
    bool m_rounded = false;
};

#endif
