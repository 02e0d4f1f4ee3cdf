// The help page shown while the pointer rests on a help button of the
// advanced-key editor: type 1 explains the two recording modes, type 2 the
// three kinds of advanced key, type 3 is empty. Its text is fixed when it
// is made.
#ifndef DSENIORKEYSRECORDEXPLAINDIA_H
#define DSENIORKEYSRECORDEXPLAINDIA_H

#include <QWidget>

namespace Ui {
class DSeniorKeysRecordExplainDia;
}

class DSeniorKeysRecordExplainDia : public QWidget
{
    Q_OBJECT

public:
    enum Type { RecordingModes = 1, Kinds = 2, Empty = 3 };

    explicit DSeniorKeysRecordExplainDia(int type, QWidget *parent = nullptr);
    ~DSeniorKeysRecordExplainDia() override;

private:
    Ui::DSeniorKeysRecordExplainDia *ui;
};

#endif
