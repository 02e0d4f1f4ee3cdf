// Keeps X protocol errors on our own display connections from ending the
// process (Xlib's default handler exits): errors on a watched connection are
// noted for the code that made the request; errors on any other connection
// go to the handler that was installed before.
#ifndef X11ERRORTRAP_H
#define X11ERRORTRAP_H

struct _XDisplay;

class X11ErrorTrap
{
public:
    static void watch(_XDisplay *display);
    static void unwatch(_XDisplay *display);
    // The error code of the last error on the connection since the last call, 0 if none.
    static int takeError(_XDisplay *display);
};

#endif
