// One row of the advanced-key editor's record list: the record's name and
// up to four key captions (four for DKS, two for MT, one for TGL), a
// selected look, and a delete button. A press anywhere on the row but the
// delete button selects the record. The row works on its own copies of the
// record and of the key-caption map; it never touches the store.
#ifndef DSENIORKEYEVENTLISTITEM_H
#define DSENIORKEYEVENTLISTITEM_H

#include <QMap>
#include <QString>
#include <QWidget>

#include "sdk/include/LumtarRecords.h"

namespace Ui {
class DSeniorKeyEventListItem;
}

class DSeniorKeyEventListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeyEventListItem(QWidget *parent = nullptr);
    ~DSeniorKeyEventListItem() override;

    void setKeyNameMap(QMap<int, QString> keyNames);
    void setSeniorKeyInfo(SeniorKeyInfoStu info);
    SeniorKeyInfoStu seniorKeyInfo() const { return m_record; }
    void setSelectedStyle(bool selected);

    QString formatKeyText(const QString &slotText) const;

signals:
    void sigDeleteSeniorKeyEventItem(int keyType, int bindingIndex);
    void sigSeniorKeyEventItemClick(int bindingIndex);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void on_pushButton_DeleteEvent_clicked();

private:
    Ui::DSeniorKeyEventListItem *ui;
    QMap<int, QString> m_keyNames;
    SeniorKeyInfoStu m_record;
};

#endif
