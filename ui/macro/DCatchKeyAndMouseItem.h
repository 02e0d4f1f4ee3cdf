// One row of the macro editor's event list: the event's delay, kind,
// direction and caption, its six fields as text, three looks (normal,
// partner highlighted, checked) and a delete button shown under the pointer.
// Rows carry no style sheet of their own: the list they lie in carries
// listStyleSheet() once, and a row's look is its "look" property.
#ifndef DCATCHKEYANDMOUSEITEM_H
#define DCATCHKEYANDMOUSEITEM_H

#include <QString>
#include <QWidget>

#include "core/ThemeColor.h"

namespace Ui {
class DCatchKeyAndMouseItem;
}

class DCatchKeyAndMouseItem : public QWidget
{
    Q_OBJECT

public:
    explicit DCatchKeyAndMouseItem(QString mark, QWidget *parent = nullptr);
    ~DCatchKeyAndMouseItem() override;

    void setData(int delay, QString type, int keyCode, QString codeName, QString operateExplain);
    void setDelay(int delay);
    void setSelectedStyle(bool on);
    void setCheckedStyle(bool on);
    // "new" until a look is chosen, then "normal", "partner" or "checked".
    QString look() const;

    // The rows' looks in a theme, for the widget that holds the rows.
    static QString listStyleSheet(const ThemeColor &theme);

    QString mark() const { return m_mark; }
    QString delay() const { return m_delay; }
    QString type() const { return m_type; }
    QString keyCode() const { return m_keyCode; }
    QString codeName() const { return m_codeName; }
    QString operateExplain() const { return m_operateExplain; }

signals:
    void sigDeleteKeyAndMouseEvent();
    void sigKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                 QString operateExplain);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private slots:
    void on_pushButton_Delete_clicked();

private:
    void applyLook(const char *look);

    Ui::DCatchKeyAndMouseItem *ui;
    QString m_mark;
    QString m_delay;
    QString m_type;
    QString m_keyCode;
    QString m_codeName;
    QString m_operateExplain;
};

#endif
