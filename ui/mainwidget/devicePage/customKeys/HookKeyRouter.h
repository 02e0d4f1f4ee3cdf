// Where one key reported by the global hook goes, decided without a window:
// only new presses go on; the main Enter key becomes 999 and the keypad
// Enter key 998, the codes the virtual-key map uses for them; a keypad key
// reported with its navigation code (Num Lock off, no extended-key bit)
// becomes its keypad code; the code is then looked up in the virtual-key
// map. In light interaction (mode 5) the key's place on the keyboard view
// is looked up too; in macro recording (mode 1) nothing goes on; in a
// capture the shown page decides (operate code 1 the remap page, 2 the
// key-combination page), not the mode.
#ifndef HOOKKEYROUTER_H
#define HOOKKEYROUTER_H

#include <QMap>
#include <QPoint>

#include <functional>
#include <optional>

class HookKeyRouter
{
public:
    enum class Route { Dropped, RemapTarget, CombinationKey, LightPoint };

    struct Outcome {
        Route route = Route::Dropped;
        int keyCode = -1; // the layout's key code, for every route but Dropped
        int row = -1;     // the key's place, for LightPoint
        int column = -1;
    };

    // The key's (row, column) on the keyboard view, nothing for a key the
    // view does not show.
    using PlaceOf = std::function<std::optional<QPoint>(int keyCode)>;

    static constexpr int RemapOperateCode = 1;
    static constexpr int CombinationOperateCode = 2;
    static constexpr int MainEnterCode = 999;
    static constexpr int KeypadEnterCode = 998;

    // The virtual-key code to look up for a report, nothing when it is dropped.
    static std::optional<int> lookupCode(int keyCode, int flag, int hookFlag);

    static Outcome route(int keyCode, int flag, int hookFlag, int hookMode, int operateCode,
                         const QMap<int, int> &vkToKeyCode, const PlaceOf &placeOf);
};

#endif
