// The advanced-key editor dialog: DKS, MT and TGL keys.
#ifndef DSENIORKEYSPAGE_H
#define DSENIORKEYSPAGE_H

#include <QWidget>

class DSeniorKeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeysPage(QWidget *parent = nullptr);
    ~DSeniorKeysPage() override;

signals:
    void sigSeniorKeysPageClose();

private slots:
    void on_pushButton_Close_clicked();
};

#endif
