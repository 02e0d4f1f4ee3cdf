#include "widgets/GridReflow.h"

#include <QEvent>
#include <QGridLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

struct Cell
{
    int row;
    int column;
    QWidget *widget;
};

} // namespace

GridReflow::GridReflow(QGridLayout *grid, QWidget *holder)
    : QObject(holder)
    , m_grid(grid)
{
    holder->installEventFilter(this);
}

GridReflow *GridReflow::install(QGridLayout *grid)
{
    QWidget *holder = grid ? grid->parentWidget() : nullptr;
    if (!holder)
        return nullptr;
    QVector<Cell> cells;
    int columns = 0;
    for (int i = 0; i < grid->count(); ++i) {
        int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        QWidget *widget = grid->itemAt(i)->widget();
        if (!widget || rowSpan != 1 || columnSpan != 1)
            return nullptr;
        cells.append({row, column, widget});
        columns = std::max(columns, column + 1);
    }
    std::sort(cells.begin(), cells.end(), [](const Cell &a, const Cell &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    auto *reflow = new GridReflow(grid, holder);
    for (const Cell &cell : qAsConst(cells))
        reflow->m_cells.append(cell.widget);
    reflow->m_formColumns = std::max(columns, 1);
    reflow->m_formSpacing = std::max(grid->verticalSpacing(), 0);
    reflow->m_columns = reflow->m_formColumns;
    reflow->m_placedHidden.fill(false, cells.size());
    reflow->schedule();
    return reflow;
}

bool GridReflow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::LanguageChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutRequest:
        schedule();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void GridReflow::schedule()
{
    // Texts are set again after a language change and the layout places the
    // grid after a resize: the columns are counted once both are done.
    if (m_scheduled)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_scheduled = false;
        reflow();
    });
}

int GridReflow::availableWidth() const
{
    QWidget *holder = m_grid->parentWidget();
    const QRect placed = m_grid->geometry();
    int width = placed.width();
    // Inside a scroll area the holder may be wider than what can be seen:
    // the options must fit the visible part.
    for (QWidget *w = holder; w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(w)) {
            QWidget *viewport = area->viewport();
            const int left = holder->mapTo(viewport, placed.topLeft()).x() + area->horizontalScrollBar()->value();
            width = std::min(width, viewport->width() - left);
            break;
        }
    }
    const QMargins margins = m_grid->contentsMargins();
    return width - margins.left() - margins.right();
}

void GridReflow::reflow()
{
    if (!m_grid || m_cells.isEmpty())
        return;
    int widest = 0;
    QVector<bool> hidden;
    for (const QPointer<QWidget> &cell : qAsConst(m_cells)) {
        hidden << (!cell || cell->isHidden());
        if (!hidden.last())
            widest = std::max(widest, cell->sizeHint().width());
    }
    const int spacing = std::max(m_grid->horizontalSpacing(), 0);
    const int fitting = (availableWidth() + spacing) / std::max(widest + spacing, 1);
    const int columns = std::max(1, std::min(m_formColumns, fitting));
    if (columns != m_columns || hidden != m_placedHidden) {
        m_columns = columns;
        m_placedHidden = hidden;
        place(columns);
    }
    fitRows();
}

void GridReflow::place(int columns)
{
    for (const QPointer<QWidget> &cell : qAsConst(m_cells)) {
        if (cell)
            m_grid->removeWidget(cell);
    }
    // The shown options first, in reading order; the hidden ones after them
    // take no room.
    int index = 0;
    for (bool shown : {true, false}) {
        for (const QPointer<QWidget> &cell : qAsConst(m_cells)) {
            if (!cell || cell->isHidden() == shown)
                continue;
            m_grid->addWidget(cell, index / columns, index % columns);
            ++index;
        }
    }
}

void GridReflow::fitRows()
{
    QWidget *holder = m_grid->parentWidget();
    QLayout *top = holder ? holder->layout() : nullptr;
    int shown = 0;
    for (const QPointer<QWidget> &cell : qAsConst(m_cells))
        shown += cell && !cell->isHidden();
    const int gaps = (shown + m_columns - 1) / m_columns - 1;
    if (!top || gaps < 1 || !holder->isVisible())
        return;
    // A holder that its page keeps lower than its layout needs squeezes the
    // rows: they come closer, and part again as far as the form has them
    // once there is room. A holder that may grow is never squeezed.
    const int current = std::max(m_grid->verticalSpacing(), 0);
    const int room = holder->height() - top->minimumSize().height();
    const int wanted = room < 0 ? std::max(0, current - (-room + gaps - 1) / gaps)
                                : std::min(m_formSpacing, current + room / gaps);
    // Setting the spacing asks for a new layout, which comes back here: only a change is set.
    if (wanted != current)
        m_grid->setVerticalSpacing(wanted);
}
