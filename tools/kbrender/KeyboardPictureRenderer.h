// Draws the picture of one keyboard model from its key layout: the case,
// the keycaps with their legends at the layout's places, the diffuser of
// the side lights and, for the keyboard-mode variants, the mode lamp.
#ifndef KEYBOARDPICTURERENDERER_H
#define KEYBOARDPICTURERENDERER_H

#include <QImage>
#include <QSize>

class KeyLayoutFile;
class QPainter;
struct KeyLayoutInfoStu;

class KeyboardPictureRenderer
{
public:
    // Pixels of the picture per layout pixel: the view shows it up to about
    // twice its layout size, so it stays sharp there.
    static constexpr int Scale = 2;

    // baseSize is the model's key area; the picture adds the view's margin
    // on every side.
    KeyboardPictureRenderer(const KeyLayoutFile &layout, QSize baseSize);

    // variant 0, 1 or 2 lights that mode lamp; any other value none.
    QImage render(int variant) const;

private:
    void drawCase(QPainter &p) const;
    void drawSideLightDiffusers(QPainter &p) const;
    void drawModeLamps(QPainter &p, int variant) const;
    void drawKey(QPainter &p, const KeyLayoutInfoStu &key, const QString &caption) const;

    const KeyLayoutFile &m_layout;
    QSize m_baseSize;
};

#endif
