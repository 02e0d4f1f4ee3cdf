// A short message over a page: a rounded, semi-transparent label with one
// centred line. Fully visible for the hold time, then faded out and hidden.
// Without a parent it is a window of its own, drawn opaque and cut to its
// shape where the desktop cannot show translucent windows.
#ifndef CBNOTICE_H
#define CBNOTICE_H

#include "widgets/CbNoticeInterface.h"

#include <QColor>
#include <QPoint>
#include <QWidget>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

class CbNotice : public QWidget, public CbNoticeInterface
{
    Q_OBJECT
public:
    explicit CbNotice(QWidget *parent = nullptr);
    ~CbNotice() override;

    // Centred on point, or on the default point when point is null.
    void showNotice(QString text, QPoint point) override;

    void setFontPixelSize(int pixelSize);
    void setBackgroundColor(QColor color);
    void setTextColor(QColor color);
    void setNoticeFont(QFont font);

    QString text() const { return m_text; }
    QPoint defaultPoint() const { return m_defaultPoint; }

signals:
    void sigFinished();

public slots:
    void onHideAnimotionFinish();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void initNotice(QWidget *parent);
    void startShowAnimation();

    int m_height = 40;
    int m_holdTime = 1300;
    int m_fadeTime = 1000;
    QColor m_textColor{255, 143, 31, 255};
    QColor m_backgroundColor{52, 52, 85, 200};
    QPoint m_defaultPoint;
    // A window of its own on a desktop without translucent windows.
    bool m_opaqueWindow = false;
    QString m_text;
    QPropertyAnimation *m_animation = nullptr;
    QGraphicsOpacityEffect *m_effect = nullptr;
};

#endif
