#include "support/TextContrast.h"

#include "support/PaintedText.h"
#include "widgets/ThemeColorText.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTextItem>

#include <private/qwidget_p.h>

namespace {

// The note-taking device of PaintedText that also keeps the texts drawn on
// it, each with the pen and the opacity it is drawn in and its box.
class InkNotes : public PaintedText
{
public:
    struct Note
    {
        QString text;
        QColor ink;
        QRectF box;
    };

    using PaintedText::PaintedText;
    QVector<Note> notes() const { return m_notes; }

protected:
    bool begin(QPaintDevice *) override
    {
        m_pen = QPen();
        m_opacity = 1;
        m_transform = QTransform();
        return true;
    }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyOpacity)
            m_opacity = state.opacity();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        if (item.text().trimmed().isEmpty())
            return;
        QColor ink = m_pen.color();
        ink.setAlphaF(ink.alphaF() * m_opacity);
        const QRectF box(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        m_notes.append({item.text(), ink, m_transform.mapRect(box)});
    }

private:
    QPen m_pen;
    qreal m_opacity = 1;
    QTransform m_transform;
    QVector<Note> m_notes;
};

// The texts `w` paints itself (its children not), noted by sending it a
// paint event whose painters Qt turns to the notes.
QVector<InkNotes::Note> paintedTexts(QWidget *w)
{
    InkNotes notes(w);
    QWidgetPrivate *d = QWidgetPrivate::get(w);
    // Qt redirects a widget's painters only inside its paint event.
    const bool inPaint = w->testAttribute(Qt::WA_WState_InPaintEvent);
    w->setAttribute(Qt::WA_WState_InPaintEvent, true);
    d->setRedirected(&notes, QPoint());
    QPaintEvent event(w->rect());
    QCoreApplication::sendEvent(w, &event);
    d->restoreRedirected();
    w->setAttribute(Qt::WA_WState_InPaintEvent, inPaint);
    return notes.notes();
}

QString pathOf(const QWidget *w)
{
    QString owner;
    for (const QObject *o = w->parent(); o && owner.isEmpty(); o = o->parent()) {
        const QString className = QString::fromLatin1(o->metaObject()->className());
        if (className.startsWith(QLatin1Char('D')))
            owner = className;
    }
    const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                    : w->objectName();
    return owner.isEmpty() ? name : owner + QLatin1Char('/') + name;
}

// The colour most pixels of `box` show: the ground behind a text, whose own
// pixels are fewer and, smoothed at their edges, of many shades.
QColor mostCommon(const QImage &image, const QRect &box)
{
    QHash<QRgb, int> counts;
    QRgb best = 0;
    int bestCount = -1;
    const QRect inside = box.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const int count = ++counts[row[x]];
            if (count > bestCount) {
                bestCount = count;
                best = row[x];
            }
        }
    }
    return QColor::fromRgb(best);
}

// The window as it shows: a translucent one (a popup's shadow, a card)
// over the window it opens on, else over black.
QImage windowImage(QWidget *window)
{
    QImage image(window->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top == window || !top->isVisible() || !window->testAttribute(Qt::WA_TranslucentBackground))
            continue;
        const QRect overlap = top->geometry().intersected(window->geometry());
        if (!overlap.isEmpty() && top->width() * top->height() > window->width() * window->height())
            painter.drawPixmap(top->geometry().topLeft() - window->geometry().topLeft(), top->grab());
    }
    painter.drawPixmap(0, 0, window->grab());
    return image;
}

} // namespace

double TextContrast::ratio(const QColor &a, const QColor &b)
{
    return contrastRatio(a, b);
}

QVector<TextContrast::Text> TextContrast::measure(QWidget *window)
{
    QVector<Text> texts;
    if (!window || !window->isVisible())
        return texts;
    const QImage image = windowImage(window);
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : qAsConst(widgets)) {
        if (w->window() != window || !w->isVisible() || !w->isEnabled())
            continue;
        const QRect shown = w->visibleRegion().boundingRect();
        if (shown.isEmpty())
            continue;
        for (const InkNotes::Note &note : paintedTexts(w)) {
            if (note.ink.alpha() < 8)
                continue; // painted invisible on purpose (a fade's end)
            const QRect box = note.box.toAlignedRect();
            const QRect seen = box.intersected(shown);
            // A text that mostly lies outside what shows of its widget is
            // not read there.
            if (seen.width() < 3 || seen.height() < 3 || seen.width() * seen.height() * 2 < box.width() * box.height())
                continue;
            const QRect inWindow = seen.translated(w->mapTo(window, QPoint(0, 0)));
            Text text;
            text.widget = w;
            text.where = pathOf(w);
            text.text = note.text;
            text.ground = mostCommon(image, inWindow);
            text.ink = blendOver(note.ink, text.ground);
            text.box = inWindow;
            text.ratio = ratio(text.ink, text.ground);
            texts.append(text);
        }
    }
    return texts;
}

QVector<TextContrast::Text> TextContrast::measure()
{
    QVector<Text> texts;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible())
            texts += measure(top);
    }
    return texts;
}
