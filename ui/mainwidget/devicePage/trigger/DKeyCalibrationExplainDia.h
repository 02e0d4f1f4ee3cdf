// An explanation card shown in a popup on the trigger page: the key
// calibration steps (type 0), quick trigger (1), press duration (2) or
// all-keys calibration (3).
#ifndef DKEYCALIBRATIONEXPLAINDIA_H
#define DKEYCALIBRATIONEXPLAINDIA_H

#include <QWidget>

namespace Ui {
class DKeyCalibrationExplainDia;
}

class DKeyCalibrationExplainDia : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyCalibrationExplainDia(int type, QWidget *parent = nullptr);
    ~DKeyCalibrationExplainDia() override;

private:
    // The calibration steps in the language the user settings name.
    static QString calibrationSteps();

    Ui::DKeyCalibrationExplainDia *ui;
};

#endif
