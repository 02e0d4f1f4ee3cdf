// One macro of the macro editor's list: its name, a press opens it, the "..."
// menu exports, deletes or renames it, and a rename is stored in place.
// Rows carry no style sheet of their own: the list they lie in carries
// listStyleSheet() once, and a selected row has its "selected" property set.
#ifndef DMACROLISTITEM_H
#define DMACROLISTITEM_H

#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/ThemeColor.h"

class ArrowWidget;

namespace Ui {
class DMacroListItem;
}

class DMacroListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroListItem(QWidget *parent = nullptr);
    ~DMacroListItem() override;

    void setMacroXmlPath(const char *path);
    void setMacroInfo(QString index, QString name);
    void setSelectedStyle(bool selected);
    bool isSelectedStyle() const;

    // The rows' looks in a theme, for the widget that holds the rows.
    static QString listStyleSheet(const ThemeColor &theme);

    QString macroIndex() const { return m_macroIndex; }
    QString macroName() const { return m_macroName; }
    ArrowWidget *menuPopup() const;

signals:
    void sigMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void sigModifyMacroItemNameIsEmpty();
    void sigModifyMacroItemNameSuccess();
    // The store refused the new name: the row shows the stored one again.
    void sigModifyMacroItemNameFailed();
    void sigExportMacroChildList(QString strMacroIndex, QString strMacroName);
    void sigDeleteMacro(QString strMacroIndex, QString strMacroName);

public slots:
    void onCloseMenuWidow();
    void onMacroExport();
    void onMacroDelete();
    void onMacroModifyNanme();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void on_pushButton_MacroOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void showRenamePage();

    Ui::DMacroListItem *ui;
    char m_macroXmlPath[256] = {};
    QString m_macroName;
    QString m_macroIndex = QStringLiteral("-1");
    QPointer<ArrowWidget> m_popup;
};

#endif
