// What a key event of the global hook names, before the key tables are
// asked: the virtual-key code, substituted where one code stands for several
// keys (main and keypad Enter, the Japanese and Korean extra keys) and turned
// into the keypad code for a navigation key of the keypad with Num Lock off;
// and whether it is a press.
#ifndef MACRORECORDKEYCODE_H
#define MACRORECORDKEYCODE_H

struct MacroRecordKeyCode
{
    int code = 0;
    int flag = 0; // 1 press, 0 release

    static MacroRecordKeyCode resolve(int keyCode, int scCode, int flag, int hookFlag);
};

#endif
