#pragma once
// The program's layout order: every installed layout, those named by the
// setting "hkl" "order" first and in that order, then the others in the
// system's order. The layout switches cycle through it when
// "only_sel_lay_switch" is 1, leaving out those named by "hkl" "skip", else
// through the system's list.

#include <string_view>

#include "core/ArrT.h"
#include "keyboard/KeyboardSettings.h"
#include "platform/Keyboard.h"

namespace orv {

// Reads the setting's text: tokens separated by blanks or tabs, each read
// as hexadecimal (an optional 0x prefix); a token that is not a number is
// skipped, and so is 0.
ArrT<Hkl> parseLayoutOrder(std::string_view text);

// `installed` reordered by the named handles; names that are not installed
// or repeat are ignored.
ArrT<Hkl> programLayoutOrder(const ArrT<Hkl>& installed, std::string_view orderSetting);

// The list without the layouts named by the setting "hkl" "skip" (same
// format), which the user left out of switching.
ArrT<Hkl> withoutSkipped(const ArrT<Hkl>& list, std::string_view skipSetting);
// The system's list (GetKeyboardLayoutList, room for 100).
ArrT<Hkl> systemLayoutList(KeyboardPort& port);

// The list the layout switches cycle through.
ArrT<Hkl> switchLayoutOrder(KeyboardPort& port, const KeyboardSettings& settings);

}  // namespace orv
