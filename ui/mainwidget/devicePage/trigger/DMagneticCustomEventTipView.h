// A tip card of one magnetic key: its name, then the function of a light
// press with its value, then the function of a heavy press with its value.
#ifndef DMAGNETICCUSTOMEVENTTIPVIEW_H
#define DMAGNETICCUSTOMEVENTTIPVIEW_H

#include <QString>
#include <QWidget>

namespace Ui {
class DMagneticCustomEventTipView;
}

class DMagneticCustomEventTipView : public QWidget
{
    Q_OBJECT

public:
    struct TipData {
        QString keyName;
        QString lightFunction;
        QString lightValue;
        QString heavyFunction;
        QString heavyValue;
        bool hideLight = false;
        bool hideHeavy = false;
    };
    // Value texts wider than this are shortened with an ellipsis.
    static constexpr int MaxValueWidth = 350;

    explicit DMagneticCustomEventTipView(QWidget *parent = nullptr);
    ~DMagneticCustomEventTipView() override;

    void setData(const TipData &data);
    // A value text as the card shows it.
    static QString shownValue(const QString &text);

private:
    Ui::DMagneticCustomEventTipView *ui;
};

#endif
