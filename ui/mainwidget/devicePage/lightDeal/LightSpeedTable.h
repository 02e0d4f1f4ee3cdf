// The frame interval of a light's speed: a light with more than four speed
// steps (the side light: any count but four) takes the 10-step table, the
// others the 5-step table. A speed outside its table is held at the nearest
// end.
#ifndef LIGHTSPEEDTABLE_H
#define LIGHTSPEEDTABLE_H

class LightSpeedTable
{
public:
    // Milliseconds between two frames of a speed (`speedIndex` = speed - 1).
    static int keyboardInterval(int speedLevelCount, int speedIndex);
    static int sideInterval(int speedLevelCount, int speedIndex);
    // Steps of the table a light uses (5 or 10).
    static int keyboardTableSize(int speedLevelCount) { return speedLevelCount > 4 ? 10 : 5; }
    static int sideTableSize(int speedLevelCount) { return speedLevelCount == 4 ? 5 : 10; }
};

#endif
