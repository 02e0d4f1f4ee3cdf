// The one-line hover explanation shown in an ArrowWidget under a tool button.
#ifndef DTOOLTIPEXPLAIN_H
#define DTOOLTIPEXPLAIN_H

#include <QWidget>

class QLabel;

class DToolTipExplain : public QWidget
{
    Q_OBJECT
public:
    explicit DToolTipExplain(QWidget *parent = nullptr);

    void setText(QString text);
    QString text() const;

private:
    QLabel *m_label = nullptr;
};

#endif
