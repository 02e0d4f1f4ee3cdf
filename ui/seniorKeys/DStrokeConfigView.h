// The trigger-point popup of a DKS record: one slider sets the travel of
// trigger points 1 and 4 together, 0.1 to 3.6 mm. Each release of the slider
// stores the popup's copy of the record and tells the editor whether the
// store took it; a refused travel puts the slider back on the stored one.
// Points 2 and 3 are never changed here.
#ifndef DSTROKECONFIGVIEW_H
#define DSTROKECONFIGVIEW_H

#include <QWidget>

#include "sdk/include/LumtarRecords.h"

namespace Ui {
class DStrokeConfigView;
}

class DStrokeConfigView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MinimumTravel = 1;
    static constexpr int MaximumTravel = 36;

    explicit DStrokeConfigView(QWidget *parent = nullptr);
    ~DStrokeConfigView() override;

    void setSeniorKeyInfo(SeniorKeyInfoStu info);
    SeniorKeyInfoStu seniorKeyInfo() const { return m_record; }

signals:
    void sigTheStrokeConfigViewClose();
    void sigTheDKSStrokeStuChanged();
    void sigTheDKSStrokeStuRefused();

public slots:
    void onSliderStrokeViewValue(int Value);
    void onSliderStrokeViewReleased();
    void onSliderStrokeViewPressed();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_pushButton_Close_clicked();

private:
    Ui::DStrokeConfigView *ui;
    SeniorKeyInfoStu m_record;
};

#endif
