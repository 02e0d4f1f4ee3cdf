// A second client of a test's X server that plays the user at the desktop:
// keys and buttons through XTEST, pointer moves, and a look whether the
// keyboard is free for other programs to grab.
#ifndef XTESTINPUT_H
#define XTESTINPUT_H

#include <QPoint>

typedef struct _XDisplay Display;

class XTestInput
{
public:
    XTestInput() = default;
    ~XTestInput();

    XTestInput(const XTestInput &) = delete;
    XTestInput &operator=(const XTestInput &) = delete;

    // Connects to DISPLAY; false when there is no server or it lacks XTEST.
    bool open();
    void close();
    Display *display() const { return m_x; }

    void key(int keyCode, bool press);
    // Pressed now and released releaseDelayMs later, by the server's clock.
    void tap(int keyCode, unsigned long releaseDelayMs = 0);
    void button(int button, bool press);
    void moveTo(QPoint global);
    // Moves there, lets the pointer's crossing reach the window, then clicks.
    void clickAt(QPoint global, int button = 1);
    // Whether another client could grab the keyboard now (released at once).
    bool othersCanGrab();

private:
    Display *m_x = nullptr;
};

#endif
