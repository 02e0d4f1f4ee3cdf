// The battery gauge: a small battery outline filled by level, with the level
// written inside, or a plain green fill while the keyboard charges.
#ifndef BATTERYITEM_H
#define BATTERYITEM_H

#include <QColor>
#include <QLabel>

class BatteryItem : public QLabel
{
    Q_OBJECT
public:
    explicit BatteryItem(QWidget *parent = nullptr);

    // Levels outside 0-100 are clamped.
    void setBatteryLevel(int level);
    void setShowText(bool show);

    int batteryLevel() const { return m_level; }
    int fillWidth() const { return m_fillWidth; }
    QColor fillColor() const { return m_fillColor; }
    bool showText() const { return m_showText; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_fillWidth = 0;
    QColor m_fillColor{100, 100, 100, 255};
    int m_level = 0;
    bool m_showText = true;
};

#endif
