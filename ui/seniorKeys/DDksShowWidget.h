// The DKS action grid: the action matrix of a DKS record drawn as four rows
// (the bound keys) by four trigger points, edited with the mouse. A click on
// an empty point puts a tap there and a click on a tap takes it away; the
// right edge of a tap (its handle) dragged to the right turns it into a hold
// to a later point; a click on a hold removes it. The widget only turns
// pointer positions into these gestures and paints; DksRowModel makes the
// new rows.
//
// A tap toggle is announced at the press, a drag or a hold removal at the
// release; the editor then reads seniorKeyInfo() and stores the record.
#ifndef DDKSSHOWWIDGET_H
#define DDKSSHOWWIDGET_H

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include "sdk/include/LumtarRecords.h"
#include "ui/seniorKeys/DksGridGeometry.h"
#include "ui/seniorKeys/DksRowModel.h"

class DDksShowWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DDksShowWidget(QWidget *parent = nullptr);

    // The grid follows the widget's size; this sets it until the next resize.
    void setGridSize(int width, int height);
    const DksGridGeometry &gridGeometry() const { return m_geometry; }

    void setSeniorKeyInfo(SeniorKeyInfoStu info);
    SeniorKeyInfoStu seniorKeyInfo() const { return m_record; }

signals:
    void sigDksPageMouseMovePointXY(int posX, int posY);
    void sigTheSeniorKeyInfoStuNeedUpdate_DKS();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    DksRowModel::Row row(int index) const;
    void setRow(int index, const DksRowModel::Row &row);
    // Hovered point and handle under the pointer (no handle while a button is down).
    void trackHover(const QPoint &pos);
    void dragTo(int x);
    void paintBar(QPainter &painter, int x, int y, int width, int alpha) const;
    void paintRowBars(QPainter &painter, int rowIndex) const;
    void paintPicture(QPainter &painter, const QPixmap &picture, const DksGridGeometry::Cell &cell) const;

    QColor m_accent;
    SeniorKeyInfoStu m_record;
    bool m_recordSet = false;
    DksGridGeometry m_geometry;
    QPixmap m_addPicture;
    QPixmap m_selectedPicture;

    // Pointer state.
    bool m_buttonDown = false;
    DksGridGeometry::Cell m_hovered;
    bool m_handleArmed = false;
    // A drag of a tap's handle: its origin, the row it started from, and
    // the bars it draws.
    bool m_dragging = false;
    bool m_dragPrepared = false;
    DksGridGeometry::Cell m_origin;
    DksRowModel::Row m_startRow{};
    int m_freeCells = 0;
    int m_barWidth = 0;
    int m_previewWidth = 0;
    bool m_preview = false;
    // The row a drag or a hold removal writes back at the release.
    bool m_rowModified = false;
    int m_workingRowIndex = -1;
    DksRowModel::Row m_workingRow{};
};

#endif
