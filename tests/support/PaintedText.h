// The texts a button paints and the fonts it paints them in, read by letting
// its style paint it onto a device that only takes notes. A style sheet may
// give a state of its own font (a bold :checked, a larger :hover) that the
// widget's font does not show; the notes do.
#ifndef PAINTEDTEXT_H
#define PAINTEDTEXT_H

#include <QFont>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>

class QAbstractButton;
class QWidget;

class PaintedText : public QPaintDevice, public QPaintEngine
{
public:
    // The fonts `button` paints its text in as it is now, hovered, and, when
    // it is checkable, checked (with and without the hover), each once.
    static QList<QFont> buttonFonts(const QAbstractButton *button);

    // The device side: as large and as dense as the widget painted on it.
    explicit PaintedText(const QWidget *widget);
    QPaintEngine *paintEngine() const override;
    QList<QFont> fonts() const { return m_fonts; }

protected:
    int metric(PaintDeviceMetric metric) const override;

    // The engine side: texts are noted, everything else is dropped.
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override;
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
    void drawRects(const QRectF *, int) override {}
    void drawRects(const QRect *, int) override {}
    void drawLines(const QLineF *, int) override {}
    void drawLines(const QLine *, int) override {}
    void drawEllipse(const QRectF &) override {}
    void drawEllipse(const QRect &) override {}
    void drawPoints(const QPointF *, int) override {}
    void drawPoints(const QPoint *, int) override {}
    Type type() const override { return QPaintEngine::User; }

private:
    const QWidget *m_widget;
    QList<QFont> m_fonts;
};

#endif
