// One row of the macro editor's event list: the event's delay, kind,
// direction and caption, its six fields as text, three looks (normal,
// partner highlighted, checked) and a delete button shown under the pointer.
#ifndef DCATCHKEYANDMOUSEITEM_H
#define DCATCHKEYANDMOUSEITEM_H

#include <QString>
#include <QWidget>

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
    void applyLook(const QString &background, const QString &delayBackground, const QString &textColor);

    Ui::DCatchKeyAndMouseItem *ui;
    QString m_mark;
    QString m_delay;
    QString m_type;
    QString m_keyCode;
    QString m_codeName;
    QString m_operateExplain;

    QString m_borderColor = QStringLiteral("52,52,86");
    QString m_highlightColor = QStringLiteral("42,42,65");
    QString m_normalColor = QStringLiteral("32,32,55");
    QString m_textColor = QStringLiteral("175,175,175");
    QString m_checkedTextColor = QStringLiteral("255,143,31");
    QString m_fontFamily = QStringLiteral("Microsoft YaHei");
};

#endif
