// Setting a widget's style sheet makes Qt polish the widget and everything
// under it again, also when the text is the one it already has. A theme
// applied a second time with the same colours then costs nothing.
#ifndef STYLESHEETUPDATE_H
#define STYLESHEETUPDATE_H

#include <QString>
#include <QWidget>

// Sets the sheet when it differs from the widget's own; true when it was set.
inline bool setStyleSheetIfChanged(QWidget *widget, const QString &sheet)
{
    if (!widget || widget->styleSheet() == sheet)
        return false;
    // Qt reads a replaced sheet again only for a widget that was polished; one
    // not yet shown would keep the rules its layouts read from the earlier
    // sheet. Polished first, it takes the new one as a shown widget does.
    if (!widget->styleSheet().isEmpty())
        widget->ensurePolished();
    widget->setStyleSheet(sheet);
    return true;
}

#endif
