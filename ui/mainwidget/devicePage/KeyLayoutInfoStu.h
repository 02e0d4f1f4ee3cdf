// The place, size and code of one key cell or side-light segment of a key
// layout file, in layout pixels (unscaled, relative to the key area).
#ifndef KEYLAYOUTINFOSTU_H
#define KEYLAYOUTINFOSTU_H

struct KeyLayoutInfoStu {
    int code = 0;         // the key's code, or the segment's index
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int kind = 0;         // KeyLayoutInfoStu::KeyCell or KeyLayoutInfoStu::SideLight
    int sidePosition = 0; // segments: 0 none, 1 left, 2 right, 3 top, 4 bottom

    enum Kind { KeyCell = 999, SideLight = 777 };
    enum Side { SideNone = 0, SideLeft = 1, SideRight = 2, SideTop = 3, SideBottom = 4 };
};

#endif
