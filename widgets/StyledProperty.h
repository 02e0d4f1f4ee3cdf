// Looks chosen by a property that style-sheet rules select on
// ("QPushButton[kind="mouse"]"): a widget is styled anew after the property
// changes, since Qt applies such rules only when a widget is polished.
#ifndef STYLEDPROPERTY_H
#define STYLEDPROPERTY_H

class QWidget;

// Styles a widget anew; one not yet polished takes its rules with its first
// polish.
void restyle(QWidget *widget);
// Sets a property the style sheet selects on and restyles when it changed.
void setStyledProperty(QWidget *widget, const char *name, const char *value);

#endif
