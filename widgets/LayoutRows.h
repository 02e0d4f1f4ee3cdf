// Lists of row widgets kept in a layout that ends with a spacer.
#ifndef LAYOUTROWS_H
#define LAYOUTROWS_H

#include <QLayout>
#include <QWidget>

// Takes every item but the last (the closing spacer) out of the layout; the
// row widgets are hidden at once and deleted once control is back in the
// event loop.
inline void removeRowsBeforeSpacer(QLayout *layout)
{
    while (layout->count() > 1) {
        QLayoutItem *item = layout->takeAt(0);
        if (QWidget *row = item->widget()) {
            row->hide();
            row->deleteLater();
        }
        delete item;
    }
}

#endif
