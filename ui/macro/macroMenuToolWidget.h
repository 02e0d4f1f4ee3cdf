// The menu of a macro row: "Export", "Delete" and "Modify Name". A release of
// any mouse button on an entry closes the menu, then triggers the entry.
#ifndef MACROMENUTOOLWIDGET_H
#define MACROMENUTOOLWIDGET_H

#include <QWidget>

namespace Ui {
class macroMenuToolWidget;
}

class macroMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit macroMenuToolWidget(QWidget *parent = nullptr);
    ~macroMenuToolWidget() override;

signals:
    void sigCloseMenuWidow();
    void sigMacroExport();
    void sigMacroDelete();
    void sigMacroModifyNanme();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::macroMenuToolWidget *ui;
    QString m_pressedSheet;
};

#endif
