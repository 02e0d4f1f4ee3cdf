// Per-model facts of the keyboard view that the layout files do not carry:
// the size of the keyboard picture's key area and the taller Enter notch of
// some models. The keyboard-picture renderer reads the same table, so the
// pictures always have the canvas's proportions.
#ifndef KEYBOARDMODELTABLE_H
#define KEYBOARDMODELTABLE_H

#include <QSize>
#include <QString>

class KeyboardModelTable
{
public:
    // Margin the keyboard view keeps around the key area on every side.
    static constexpr int CanvasMargin = 10;

    // Base size of the model's key area in layout pixels; 0 x 0 for a model
    // the table does not know.
    static QSize canvasBaseSize(const QString &modelName);
    // Top height of the notched Enter key at factor 1 (10 x 30 for most models).
    static int enterNotchTopHeight(const QString &modelName);
    static int enterNotchWidth() { return 10; }
};

#endif
