// Lets a form's grid of options (radio buttons in rows of three, say) use
// fewer columns when its texts no longer fit side by side: after a language
// change or in a narrow window each option keeps its whole text, the options
// keep their reading order, and the grid never uses more columns than the
// form gave it. An option hidden for good leaves no hole. Rows that the
// holder cannot hold at the form's spacing come closer together instead of
// being squeezed.
#ifndef GRIDREFLOW_H
#define GRIDREFLOW_H

#include <QObject>
#include <QPointer>
#include <QVector>

class QGridLayout;
class QWidget;

class GridReflow : public QObject
{
    Q_OBJECT

public:
    // Watches the widget holding grid; the reflow goes with that widget. A
    // grid whose cells span rows or columns is left as the form made it.
    static GridReflow *install(QGridLayout *grid);

    // The number of columns the grid now uses.
    int columns() const { return m_columns; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GridReflow(QGridLayout *grid, QWidget *holder);
    void schedule();
    void reflow();
    void place(int columns);
    void fitRows();
    int availableWidth() const;

    QPointer<QGridLayout> m_grid;
    QVector<QPointer<QWidget>> m_cells; // in the form's reading order
    int m_formColumns = 1;
    int m_formSpacing = 0;
    int m_columns = 1;
    QVector<bool> m_placedHidden; // which cells were hidden when last placed
    bool m_scheduled = false;
};

#endif
