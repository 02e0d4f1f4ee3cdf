// The key hover card: key name, function-type name and function detail, one
// line each. The Fn key and keys that cannot be changed are shown in orange.
#ifndef DCUSTOMEVENTTIPEXPLAIN_H
#define DCUSTOMEVENTTIPEXPLAIN_H

#include <QWidget>

class QLabel;

class DCustomEventTipExplain : public QWidget
{
    Q_OBJECT
public:
    explicit DCustomEventTipExplain(QWidget *parent = nullptr);

    void setInfo(QString title, QString typeText, QString detail, bool normal);

    bool isDetailElided() const { return m_detailElided; }
    QString titleText() const;
    QString typeText() const;
    QString detailText() const;

private:
    QLabel *m_title = nullptr;
    QLabel *m_type = nullptr;
    QLabel *m_detail = nullptr;
    bool m_detailElided = false;
};

#endif
