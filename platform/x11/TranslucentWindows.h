// Whether a window drawn with a transparent background shows what lies
// behind it. On X11 that takes a compositing manager (the owner of the
// "_NET_WM_CM_S<screen>" selection); without one the transparent parts of
// a window show black, so popups are drawn opaque then. Wayland and the
// offscreen platform always compose.
#ifndef TRANSLUCENTWINDOWS_H
#define TRANSLUCENTWINDOWS_H

class TranslucentWindows
{
public:
    // Asked afresh each time: a compositing manager may start or stop.
    static bool available();
};

#endif
