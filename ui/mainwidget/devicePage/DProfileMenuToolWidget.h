// The profile menu that the device page shows in its arrow popup: five
// entries, "Create", "Delete", "Export", "Import" and "Modify Name". A click
// on an entry first asks for the popup to close, then names the entry.
#ifndef DPROFILEMENUTOOLWIDGET_H
#define DPROFILEMENUTOOLWIDGET_H

#include <QWidget>

namespace Ui {
class DProfileMenuToolWidget;
}

class DProfileMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DProfileMenuToolWidget(QWidget *parent = nullptr);
    ~DProfileMenuToolWidget() override;

signals:
    void sigCloseMenuWidow();
    void sigProfileCreate();
    void sigProfileExport();
    void sigProfileImport();
    void sigProfileDelete();
    void sigProfileModifyName();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::DProfileMenuToolWidget *ui;
};

#endif
