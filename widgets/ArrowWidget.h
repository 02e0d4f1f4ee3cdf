// A floating panel with a small arrow on its top or bottom edge that points
// at the control that opened it. It hides itself when it loses activation.
// Where the desktop cannot show translucent windows (X11 without a
// compositing manager) it is drawn opaque, cut to its shape by a mask.
#ifndef ARROWWIDGET_H
#define ARROWWIDGET_H

#include <QColor>
#include <QDialog>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QSize>

class ArrowWidget : public QDialog
{
    Q_OBJECT
public:
    // arrowDirection: 0 arrow on the top edge, 1 on the bottom edge.
    explicit ArrowWidget(int arrowDirection, QWidget *parent = nullptr);

    void setWidgetSize(int width, int height);
    void setArrowPos(int x);
    void setCenterWidget(QWidget *content);
    void setBackgroundColor(int r, int g, int b);

    int arrowPos() const { return m_arrowPos; }
    int arrowDirection() const { return m_arrowDirection; }
    QColor backgroundColor() const { return m_backgroundColor; }
    // Drawn with a transparent background, or opaque and masked.
    bool isTranslucent() const { return m_translucent; }

    // A theme colour text ("r,g,b" or "r,g,b,a") as an opaque colour; missing
    // or unreadable components count as 0.
    static QColor opaqueThemeColor(const QString &text);

    // Where a panel of a size goes so that it stays within an area: wanted is
    // the top-left corner its owner chose, arrowPos the arrow's place there.
    // A panel that fits keeps the wanted corner where it can and moves no
    // further than it must; one wider or higher than the area keeps its left
    // or top edge in it. Moved sideways, its arrow moves back by as much, so
    // that it still points where it did, as far as the panel's edge allows.
    struct Placement {
        QPoint topLeft;
        int arrowPos = 0;
    };
    static Placement placeWithin(QPoint wanted, QSize size, int arrowPos, const QRect &area);
    // Moves the panel to wanted with its arrow at arrowPos, kept within the
    // available area of the screen that holds target (the point the arrow
    // points at).
    void moveOnScreen(QPoint wanted, int arrowPos, QPoint target);

    // Whether its owner counts the panel as open. The owner sets it when it
    // opens the panel and clears it when the panel has hidden itself, so a
    // focus change while it is open does not open it a second time.
    bool isPopupShown() const { return m_popupShown; }
    void setPopupShown(bool shown) { m_popupShown = shown; }

signals:
    void sigArrowWidgetHide();
    void sigArrowWidgetMouseEnter();
    void sigArrowWidgetMouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPainterPath shapePath() const;
    void updateMask();

    bool m_translucent = true;
    bool m_popupShown = false;
    int m_arrowPos = 50;
    int m_arrowDirection = 0;
    QColor m_backgroundColor;
};

#endif
