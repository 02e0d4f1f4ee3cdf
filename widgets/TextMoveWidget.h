// A marquee line: a text that fits bounces between the edges; a longer text
// swings so that each end comes into view. It moves while it is shown.
#ifndef TEXTMOVEWIDGET_H
#define TEXTMOVEWIDGET_H

#include <QColor>
#include <QWidget>

class QLabel;
class QTimer;

class TextMoveWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TextMoveWidget(QWidget *parent = nullptr);
    ~TextMoveWidget() override;

    QString text() const { return m_text; }
    int textX() const { return m_x; }
    int textY() const { return m_y; }
    bool isMovingRight() const { return m_movingRight; }
    bool isMoving() const;

public slots:
    void updatePos();
    void setText(QString text);
    void setTextFont(QString family, int pointSize);
    void setForeground(QColor color);
    void setBackground(QColor color);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Sizes the label to its text and places it at the text's position.
    void placeLabel();
    // The label's top: a label as high as the marquee starts at its top,
    // a taller one where its text is centred.
    int labelTop() const;

    QString m_text = QStringLiteral("0123456789");
    int m_step = 2;
    int m_interval = 20;
    QColor m_foreground{200, 80, 0, 255};
    QColor m_background{30, 30, 30, 0};
    bool m_movingRight = true;
    int m_x = 0;
    int m_y = 0;
    QLabel *m_label = nullptr;
    QTimer *m_timer = nullptr;
};

#endif
