// The light-effect engine driven by arbitrary call sequences through its C
// surface: any record, side count, status list, key positions, press
// position or step order gives frames whose every field stays in its range,
// and refuses exactly the positions outside the key matrix and key position
// lists of another length than the matrix's columns.
#include "sdk/include/LumtarLight.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool inByte(int32_t v)
{
    return v >= 0 && v <= 255;
}

void checkPoint(const LightFramePointStu &p)
{
    check(inByte(p.r) && inByte(p.g) && inByte(p.b));
    check(inByte(p.r2) && inByte(p.g2) && inByte(p.b2));
    check(inByte(p.intensity));
    check(p.fadeMode >= 0 && p.fadeMode <= 2);
    check(p.stage >= 0 && p.stage <= 9);
    check(p.level >= 0 && p.level <= LUMTAR_LIGHT_ROWS);
    check(p.trigger == 0 || p.trigger == 1);
}

void keyboardFrame(const LightFramePointStu *points)
{
    for (int i = 0; i < LUMTAR_LIGHT_KEY_POINTS; ++i) {
        checkPoint(points[i]);
        check(i == 0 || points[i].trigger == 0);
        const LightColorStu m = CLumtarHid_lightColorMix(i / LUMTAR_LIGHT_COLUMNS, i % LUMTAR_LIGHT_COLUMNS);
        check(inByte(m.r) && inByte(m.g) && inByte(m.b));
    }
}

void sideFrame(const LightFramePointStu *points)
{
    for (int i = 0; i < LUMTAR_LIGHT_SIDE_POINTS; ++i)
        checkPoint(points[i]);
}

class Input {
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool done() const { return m_pos >= m_size; }
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    int32_t word()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | byte();
        return static_cast<int32_t>(v);
    }
    // Mostly small values, now and then any 32-bit number.
    int32_t value()
    {
        const uint8_t b = byte();
        return b == 0xFF ? word() : static_cast<int32_t>(b) - 8;
    }
    colorInfoData record(int kind)
    {
        colorInfoData r{};
        r.lightKind = kind;
        r.modeCode = value();
        r.brightness = value();
        r.speed = value();
        r.red1 = value();
        r.green1 = value();
        r.blue1 = value();
        r.red2 = value();
        r.green2 = value();
        r.blue2 = value();
        r.direction = value();
        r.fullColor = value();
        r.extra1 = value();
        r.extra2 = value();
        return r;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    int steps = 0;
    while (!in.done() && steps < 48) {
        switch (in.byte() % 8) {
        case 0: {
            const colorInfoData r = in.record(LUMTAR_LIGHT_KIND_KEYBOARD);
            const std::string name(in.byte() % 16, 'A');
            check(CLumtarHid_SetKeyboardColorInfoDataStu(r, in.value(), in.byte() % 2 ? name.c_str() : nullptr,
                                                         in.value())
                  == 0);
            break;
        }
        case 1:
            check(CLumtarHid_SetKeyboardColorInfoDataStuHaveChanged(in.record(LUMTAR_LIGHT_KIND_KEYBOARD)) == 0);
            break;
        case 2: {
            const int row = in.value();
            const int column = in.value();
            const bool inside = row >= 0 && row < LUMTAR_LIGHT_ROWS && column >= 0 && column < LUMTAR_LIGHT_COLUMNS;
            check(CLumtarHid_keyClickedSendXY(row, column) == (inside ? 0 : -1));
            const LightColorStu m = CLumtarHid_lightColorMix(row, column);
            check(inside || (m.r == 0 && m.g == 0 && m.b == 0));
            break;
        }
        case 3: {
            const int n = 1 + in.byte() % 8;
            for (int i = 0; i < n; ++i, ++steps)
                check(CLumtarHid_keyboardLightColorRuning(&keyboardFrame) == 0);
            const AutoRippleLightConfigStu a = CLumtarHid_GetCurrentAutoRippleLightConfig();
            check(a.row >= 0 && a.row < LUMTAR_LIGHT_ROWS && a.column >= 0 && a.column < LUMTAR_LIGHT_COLUMNS);
            check(inByte(a.r) && inByte(a.g) && inByte(a.b));
            const LightColorStu c = CLumtarHid_GetCurrentRippleLightColor();
            check(inByte(c.r) && inByte(c.g) && inByte(c.b));
            break;
        }
        case 4: {
            const colorInfoData r = in.record(LUMTAR_LIGHT_KIND_SIDE);
            const int count = in.value();
            std::vector<int> valid(in.byte() % 72);
            for (int &v : valid)
                v = in.value();
            check(CLumtarHid_SetSideColorInfoDataStu(r, count, valid) == 0);
            break;
        }
        case 5:
            check(CLumtarHid_SetSideColorInfoDataStuHaveChanged(in.record(LUMTAR_LIGHT_KIND_SIDE)) == 0);
            break;
        case 6: {
            uint8_t columns[LUMTAR_LIGHT_COLUMNS + 2];
            for (uint8_t &c : columns)
                c = in.byte();
            const int count = in.byte() % 4 == 0 ? in.value() : LUMTAR_LIGHT_COLUMNS;
            const bool none = in.byte() % 8 == 0;
            const int result = CLumtarHid_SetKeyboardKeyPositions(none ? nullptr : columns, count);
            check(result == (none || count == LUMTAR_LIGHT_COLUMNS ? 0 : -1));
            break;
        }
        default: {
            const int n = 1 + in.byte() % 8;
            for (int i = 0; i < n; ++i, ++steps)
                check(CLumtarHid_sideLightColorRuning(&sideFrame) == 0);
            const SideCollisionLightConfigStu c = CLumtarHid_GetSideCollisionLightRuningConfig();
            check(c.firstPosition < LUMTAR_LIGHT_SIDE_POINTS && c.secondPosition < LUMTAR_LIGHT_SIDE_POINTS);
            break;
        }
        }
    }
    check(CLumtarHid_keyboardLightColorRuning(nullptr) == -1 && CLumtarHid_sideLightColorRuning(nullptr) == -1);
    return 0;
}
