// A marquee line: a text that fits bounces between the edges; a longer text
// swings so that each end comes into view. It moves only while it can be
// seen: not while hidden, nor while its window is minimised or covered
// whole (not exposed). On an opaque background it moves by scrolling its
// own pixels, so that a step repaints only the strip it uncovers; on a
// translucent one the text's old and new places are repainted with what
// lies beneath.
#ifndef TEXTMOVEWIDGET_H
#define TEXTMOVEWIDGET_H

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <QWindow>

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
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Sizes the label to its text and places it at the text's position.
    void placeLabel();
    // The label's top: a label as high as the marquee starts at its top,
    // a taller one where its text is centred.
    int labelTop() const;
    // Whether a step would be seen: shown, and its window exposed and not
    // minimised. Starts or stops the timer to match.
    bool canBeSeen() const;
    void updateMoving();
    // Hears of its window's exposure and state while it is shown.
    void watchWindow();
    // The text's width in the label's font, kept until either changes.
    int textWidth();
    // The label is painted from an image of its text on the background,
    // drawn once per text, font, colours and size: a step then only copies
    // pixels. None where the background is not opaque (the label paints
    // itself there).
    void updateTextImage();
    bool textImageFits() const;
    QImage::Format textImageFormat() const;

    QString m_text = QStringLiteral("0123456789");
    int m_step = 2;
    int m_interval = 20;
    QColor m_foreground{200, 80, 0, 255};
    QColor m_background{30, 30, 30, 0};
    bool m_movingRight = true;
    int m_x = 0;
    int m_y = 0;
    QLabel *m_label = nullptr;
    int m_textWidth = -1;
    QImage m_textImage;
    QString m_textImageText;
    QFont m_textImageFont;
    QColor m_textImageInk;
    QColor m_textImageBackground;
    bool m_renderingText = false;
    QTimer *m_timer = nullptr;
    QPointer<QWidget> m_watchedWidget;
    QPointer<QWindow> m_watchedWindow;
};

#endif
