// Shows a key caption on the editor's fixed-width key buttons and row
// labels: as a whole when it fits, otherwise shortened in the middle (so a
// combination keeps its first modifier and its key in view), with the whole
// caption as the tool tip. An "&" shows as itself on a button.
#ifndef KEYCAPTIONVIEW_H
#define KEYCAPTIONVIEW_H

#include <QString>

class QAbstractButton;
class QLabel;

class KeyCaptionView
{
public:
    static void show(QAbstractButton *button, const QString &caption);
    static void show(QLabel *label, const QString &caption);
    // The caption a button or label stands for (its tool tip holds it whole).
    static QString caption(const QAbstractButton *button);
    static QString caption(const QLabel *label);

    // A caption as a button's text: "&" is not taken as a shortcut mark.
    static QString buttonText(const QString &caption);
};

#endif
