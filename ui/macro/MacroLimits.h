// What one macro may hold: the editor, the recorder and the exchange file
// all keep to these.
#ifndef MACROLIMITS_H
#define MACROLIMITS_H

namespace MacroLimits {

// Events of one macro (each press is two: its "down" and its "up").
constexpr int MaxEvents = 40;
// Presses of one macro.
constexpr int MaxPresses = 20;
// The longest wait before an event, in milliseconds.
constexpr int MaxDelay = 65535;

} // namespace MacroLimits

#endif
